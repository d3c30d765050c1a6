#include "pages/PageLayout.h"

#include "store/ByteIO.h"

#include <algorithm>
#include <cstring>

QByteArray TPageObject::text() const
{
    const auto end = std::find(Text.begin(), Text.begin() + PageLimits::MaxTextLength, '\0');
    return QByteArray(Text.data(), end - Text.begin());
}

void TPageObject::setText(const QByteArray& value)
{
    Text.fill('\0');
    const auto size = std::min<qsizetype>(value.size(), PageLimits::MaxTextLength);
    std::memcpy(Text.data(), value.constData(), std::size_t(size));
}

namespace {

TPageObject readObject(ByteReader& in)
{
    TPageObject o;
    o.Kind = in.i16();
    o.Name = in.string<PageLimits::ObjectNameLength>();
    o.Bounds.Left = in.i32();
    o.Bounds.Top = in.i32();
    o.Bounds.Right = in.i32();
    o.Bounds.Bottom = in.i32();
    o.TextFontName = in.string<PageLimits::FontNameLength>();
    o.TextFontSize = in.i16();
    o.TextFontColor = in.u32();
    o.TextBold = LayoutFlag::fromByte(in.u8());
    o.TextItalic = LayoutFlag::fromByte(in.u8());
    o.TextUnderline = LayoutFlag::fromByte(in.u8());
    o.TextStrikeOut = LayoutFlag::fromByte(in.u8());
    o.NumberFontName = in.string<PageLimits::FontNameLength>();
    o.NumberFontSize = in.i16();
    o.NumberFontColor = in.u32();
    o.NumberBold = LayoutFlag::fromByte(in.u8());
    o.NumberItalic = LayoutFlag::fromByte(in.u8());
    o.NumberUnderline = LayoutFlag::fromByte(in.u8());
    o.NumberStrikeOut = LayoutFlag::fromByte(in.u8());
    o.BlockColor = in.u32();
    o.LineColor = in.u32();
    o.NumbersHorizontal = LayoutFlag::fromByte(in.u8());
    o.LineWidth = in.i32();
    o.Alignment = in.i16();
    const auto text = in.bytes<PageLimits::TextSize>();
    std::memcpy(o.Text.data(), text.data(), text.size());
    o.Transparent = LayoutFlag::fromByte(in.u8());
    o.Columns = in.i16();
    o.SplitColumns = LayoutFlag::fromByte(in.u8());
    o.MakeFit = LayoutFlag::fromByte(in.u8());
    o.Filled = LayoutFlag::fromByte(in.u8());
    o.FillColor = in.u32();
    o.BorderColor = in.u32();
    o.UseBorder = LayoutFlag::fromByte(in.u8());
    o.BorderWidth = in.i16();
    o.BitmapFile = in.string<PageLimits::BitmapFileLength>();
    o.ImageReference = in.bytes<4>();
    o.FittedSize = in.i16();
    o.Reserved = in.bytes<PageLimits::ObjectReservedSize>();
    return o;
}

void writeObject(ByteWriter& out, const TPageObject& o)
{
    out.i16(o.Kind);
    out.string(o.Name);
    out.i32(o.Bounds.Left);
    out.i32(o.Bounds.Top);
    out.i32(o.Bounds.Right);
    out.i32(o.Bounds.Bottom);
    out.string(o.TextFontName);
    out.i16(o.TextFontSize);
    out.u32(o.TextFontColor);
    out.u8(o.TextBold.raw());
    out.u8(o.TextItalic.raw());
    out.u8(o.TextUnderline.raw());
    out.u8(o.TextStrikeOut.raw());
    out.string(o.NumberFontName);
    out.i16(o.NumberFontSize);
    out.u32(o.NumberFontColor);
    out.u8(o.NumberBold.raw());
    out.u8(o.NumberItalic.raw());
    out.u8(o.NumberUnderline.raw());
    out.u8(o.NumberStrikeOut.raw());
    out.u32(o.BlockColor);
    out.u32(o.LineColor);
    out.u8(o.NumbersHorizontal.raw());
    out.i32(o.LineWidth);
    out.i16(o.Alignment);
    out.raw(o.Text.data(), PageLimits::TextSize);
    out.u8(o.Transparent.raw());
    out.i16(o.Columns);
    out.u8(o.SplitColumns.raw());
    out.u8(o.MakeFit.raw());
    out.u8(o.Filled.raw());
    out.u32(o.FillColor);
    out.u32(o.BorderColor);
    out.u8(o.UseBorder.raw());
    out.i16(o.BorderWidth);
    out.string(o.BitmapFile);
    out.bytes(o.ImageReference);
    out.i16(o.FittedSize);
    out.bytes(o.Reserved);
}

} // namespace

TPageLayout TPageLayout::fromBytes(const char* data, std::size_t size)
{
    ByteReader in(data, size);
    TPageLayout l;
    l.LayoutName = in.string<PageLimits::LayoutNameLength>();
    l.PaperName = in.string<PageLimits::LayoutNameLength>();
    l.PaperWidth = in.f64();
    l.PaperHeight = in.f64();
    l.PixelWidth = in.i16();
    l.PixelHeight = in.i16();
    l.UseInches = LayoutFlag::fromByte(in.u8());
    l.ObjectCount = in.i16();
    l.Portrait = LayoutFlag::fromByte(in.u8());
    l.DesignZoom = in.i16();
    l.Reserved = in.bytes<PageLimits::HeaderReservedSize>();
    for (auto& o : l.Objects)
        o = readObject(in);
    return l;
}

QByteArray TPageLayout::toBytes() const
{
    ByteWriter out;
    out.string(LayoutName);
    out.string(PaperName);
    out.f64(PaperWidth);
    out.f64(PaperHeight);
    out.i16(PixelWidth);
    out.i16(PixelHeight);
    out.u8(UseInches.raw());
    out.i16(ObjectCount);
    out.u8(Portrait.raw());
    out.i16(DesignZoom);
    out.bytes(Reserved);
    Q_ASSERT(std::size_t(out.size()) == PageLimits::HeaderSize);
    for (const auto& o : Objects)
        writeObject(out, o);
    Q_ASSERT(std::size_t(out.size()) == Limits::PageLayoutSize);
    return out.data();
}

int TPageLayout::usedObjects() const
{
    return std::clamp<int>(ObjectCount, 0, PageLimits::Objects);
}
