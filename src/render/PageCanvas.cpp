#include "render/PageCanvas.h"

QFont TCanvasFont::toQFont() const
{
    QFont f(Name.isEmpty() ? QStringLiteral("Arial") : Name);
    f.setBold(Bold);
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(StrikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}
