#include "render/ObjectFont.h"

#include "store/Ansi.h"

#include <algorithm>

TCanvasFont ObjectFont(const TPageObject& o, bool number)
{
    if (number)
        return {Ansi::toUnicode(o.NumberFontName.text()), o.NumberFontSize, o.NumberFontColor,
                o.NumberBold, o.NumberItalic, o.NumberUnderline, o.NumberStrikeOut};
    return {Ansi::toUnicode(o.TextFontName.text()), o.TextFontSize, o.TextFontColor,
            o.TextBold, o.TextItalic, o.TextUnderline, o.TextStrikeOut};
}

void StoreObjectFont(TPageObject& o, bool number, const TCanvasFont& font)
{
    const std::int16_t size = std::int16_t(std::clamp(font.Size, 1, 999));
    if (number) {
        o.NumberFontName.setText(Ansi::fromUnicode(font.Name));
        o.NumberFontSize = size;
        o.NumberFontColor = font.Color;
        o.NumberBold = font.Bold;
        o.NumberItalic = font.Italic;
        o.NumberUnderline = font.Underline;
        o.NumberStrikeOut = font.StrikeOut;
    } else {
        o.TextFontName.setText(Ansi::fromUnicode(font.Name));
        o.TextFontSize = size;
        o.TextFontColor = font.Color;
        o.TextBold = font.Bold;
        o.TextItalic = font.Italic;
        o.TextUnderline = font.Underline;
        o.TextStrikeOut = font.StrikeOut;
    }
}
