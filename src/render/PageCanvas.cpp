#include "render/PageCanvas.h"

QFont TCanvasFont::toQFont() const
{
    // No font name holds a control character or markup, and the SVG generator writes the name into
    // its font-family attribute as it is: a damaged layout's name is read without them.
    QString name = Name;
    name.removeIf([](QChar c) { return c.category() == QChar::Other_Control || QStringLiteral("\"<>&").contains(c); });
    QFont f(name.isEmpty() ? QStringLiteral("Arial") : name);
    f.setBold(Bold);
    f.setItalic(Italic);
    f.setUnderline(Underline);
    f.setStrikeOut(StrikeOut);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setKerning(false);
    return f;
}
