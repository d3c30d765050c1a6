#include "pages/PageFile.h"

#include "pages/DefaultLayout.h"
#include "pages/PaperSizes.h"
#include "store/Ansi.h"
#include "store/CopyTitle.h"
#include "store/ExportFile.h"
#include "store/PuzzleRecord.h"
#include "store/RecordFile.h"
#include "store/ListOrder.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {

constexpr qint64 RecordSize = qint64(Limits::PageLayoutSize);
constexpr char ExportSignature[] = "PAG";

TPageFileReport report(const IoResult& result, const TFixedMessage& message)
{
    return TCommandReport::shown(result, message);
}

TPageFileReport failure(const IoResult& result, const TFixedMessage& message)
{
    return TCommandReport::failure(result, message);
}

// A paper size written with no decimals: rounded to the nearest whole number, halves to even.
QString wholeNumber(double value)
{
    if (!std::isfinite(value))
        return QStringLiteral("0");
    double rounded = std::round(value);
    if (std::abs(value - std::trunc(value)) == 0.5)
        rounded = 2.0 * std::round(value / 2.0);
    return QString::number(rounded + 0.0, 'f', 0); // + 0.0 turns -0 into 0
}

// Writes one record's bytes after the last whole record of the page file.
TPageFileReport appendBytes(const QString& pagePath, const QByteArray& bytes, qint64* newNumber)
{
    qint64 number = 0;
    const IoResult result = RecordFile::append(pagePath, RecordSize, bytes, std::numeric_limits<qint64>::max(), &number);
    if (!result)
        return failure(result, PageMessages::AddFailed);
    if (newNumber)
        *newNumber = number;
    return {};
}

} // namespace

QString PageMessages::deleteQuestion(const QString& entryText)
{
    return QStringLiteral("Are you sure you want to delete \"") + entryText + QStringLiteral("\"?");
}

QString LayoutDisplayText(const TPageLayout& layout)
{
    const QByteArray paper = layout.PaperName.text();
    QString text = Ansi::toUnicode(layout.LayoutName.text()) + QStringLiteral(" (") + Ansi::toUnicode(paper);
    if (paper == PaperSizes::CustomName)
        text += QLatin1Char(' ') + wholeNumber(layout.PaperWidth) + QStringLiteral("\" x ") + wholeNumber(layout.PaperHeight)
                + QLatin1Char('"');
    return text + QLatin1Char(')');
}

IoResult LoadLayoutList(const QString& pagePath, qint64 defaultPage, std::vector<TLayoutEntry>& entries)
{
    entries.clear();
    std::vector<QByteArray> records;
    const IoResult result = RecordFile::readAll(pagePath, RecordSize, records, RecordFile::MaxListedRecords);
    if (!result)
        return result;
    entries.reserve(records.size());
    for (std::size_t i = 0; i < records.size(); ++i) {
        const qint64 number = qint64(i);
        QString text = LayoutDisplayText(TPageLayout::fromBytes(records[i]));
        if (number == defaultPage)
            text += QLatin1String(DefaultMark);
        entries.push_back({number, std::move(text)});
    }
    std::stable_sort(entries.begin(), entries.end(),
                     [](const TLayoutEntry& a, const TLayoutEntry& b) { return ListOrder::Less(a.Text, b.Text); });
    return result;
}

IoResult LoadLayout(const QString& pagePath, qint64 n, TPageLayout& layout)
{
    return RecordFile::readRecord(pagePath, RecordSize, n, layout);
}

IoResult LoadDefaultLayout(const QString& pagePath, qint64 n, TPageLayout& layout)
{
    layout = BuiltInDefaultLayout();
    const qint64 count = RecordFile::count(pagePath, RecordSize);
    if (count == 0)
        return IoResult::ok();
    // A setting past the end of the file, or a negative one, picks the first layout.
    if (n < 0 || n >= count)
        n = 0;
    QByteArray bytes;
    const IoResult result = RecordFile::read(pagePath, RecordSize, n, bytes);
    if (result.status == IoResult::OpenFailed)
        return IoResult::ok(); // unreadable file: as if missing
    if (result)
        layout = TPageLayout::fromBytes(bytes);
    return result;
}

TPageFileReport AppendLayout(const QString& pagePath, const TPageLayout& layout, qint64* newNumber)
{
    return appendBytes(pagePath, layout.toBytes(), newNumber);
}

TPageFileReport ReplaceLayout(const QString& pagePath, qint64 n, const TPageLayout& layout)
{
    // Writing at the record count would append; replacing needs an existing record.
    if (n < 0 || n >= RecordFile::count(pagePath, RecordSize))
        return report(IoResult::failed(IoResult::Refused), PageMessages::AddFailed);
    const IoResult result = RecordFile::write(pagePath, RecordSize, n, layout.toBytes());
    if (!result)
        return failure(result, PageMessages::AddFailed);
    return {};
}

TPageFileReport DeleteLayout(const QString& pagePath, qint64 n)
{
    const IoResult result = RecordFile::remove(pagePath, RecordSize, n);
    if (!result)
        return failure(result, PageMessages::DeleteFailed);
    return {};
}

TPageFileReport ExportPageLayout(const TPageLayout& layout, const QString& exportPath)
{
    const IoResult result = ExportFile::write(exportPath, QByteArray(ExportSignature), layout.toBytes());
    if (!result)
        return failure(result, PageMessages::ExportFailed);
    return report(result, PageMessages::Exported);
}

TPageFileReport ImportPageLayout(const QString& pagePath, const QString& importPath, TPageLayout* layout,
                                 qint64* newNumber)
{
    QByteArray bytes;
    const IoResult result = ExportFile::read(importPath, QByteArray(ExportSignature), RecordSize, bytes);
    if (result.status == IoResult::OpenFailed)
        return report(result, PageMessages::ImportFailed);
    if (!result)
        return report(IoResult::failed(IoResult::Corrupt), PageMessages::ImportCorrupt);
    // The record goes in with its bytes as read, not as re-encoded.
    TPageFileReport appended = appendBytes(pagePath, bytes, newNumber);
    if (appended && layout)
        *layout = TPageLayout::fromBytes(bytes);
    return appended;
}

TPageFileReport ExtractLayout(const QString& pagePath, const TPuzzleRecord& puzzle, qint64* newNumber)
{
    const QByteArray bytes(reinterpret_cast<const char*>(puzzle.PageLayout.data()), qsizetype(puzzle.PageLayout.size()));
    return appendBytes(pagePath, bytes, newNumber);
}

QByteArray MakeCopyName(QByteArrayView name)
{
    return MakeCopyTitle(name, PageLimits::LayoutNameLength);
}

TPageLayout LayoutOfPuzzle(const TPuzzleRecord& puzzle)
{
    return TPageLayout::fromBytes(reinterpret_cast<const char*>(puzzle.PageLayout.data()), puzzle.PageLayout.size());
}

void SetLayoutOfPuzzle(TPuzzleRecord& puzzle, const TPageLayout& layout)
{
    const QByteArray bytes = layout.toBytes();
    std::memcpy(puzzle.PageLayout.data(), bytes.constData(), puzzle.PageLayout.size());
}
