#include "shapes/ShapePicture.h"

#include "store/GridModel.h"
#include "store/Ansi.h"

#include <QList>

namespace ShapePicture {

namespace {

QByteArray TrimmedLine(QByteArray line)
{
    while (!line.isEmpty() && (line.back() == '\r' || line.back() == ' ' || line.back() == '\t'))
        line.chop(1);
    return line;
}

} // namespace

bool Parse(const QByteArray& text, TShapeRecord& shape, QString& error)
{
    QList<QByteArray> lines = Ansi::fromTextFile(text).split('\n');
    for (QByteArray& line : lines)
        line = TrimmedLine(line);
    while (!lines.isEmpty() && lines.back().isEmpty())
        lines.removeLast();
    if (lines.isEmpty()) {
        error = QStringLiteral("empty file");
        return false;
    }
    const QByteArray title = Ansi::trimSpaces(lines.takeFirst());
    if (title.isEmpty() || title.size() > Limits::ShapeTitleLength) {
        error = QStringLiteral("the title must have 1 to %1 characters").arg(Limits::ShapeTitleLength);
        return false;
    }
    while (!lines.isEmpty() && lines.front().isEmpty())
        lines.removeFirst();

    const int height = int(lines.size());
    const int width = height > 0 ? int(lines.front().size()) : 0;
    if (width < Limits::MinShapeSide || width > Limits::MaxShapeSide || height < Limits::MinShapeSide
        || height > Limits::MaxShapeSide) {
        error = QStringLiteral("size %1x%2 is outside %3..%4").arg(width).arg(height)
                    .arg(Limits::MinShapeSide).arg(Limits::MaxShapeSide);
        return false;
    }
    TShapeRecord parsed;
    parsed.ShapeTitle.setText(title);
    parsed.ShapeWidth = std::int16_t(width);
    parsed.ShapeHeight = std::int16_t(height);
    for (int r = 1; r <= height; ++r) {
        const QByteArray& row = lines[r - 1];
        if (row.size() != width) {
            error = QStringLiteral("row %1 has %2 cells, the first row %3").arg(r).arg(row.size()).arg(width);
            return false;
        }
        for (int c = 1; c <= width; ++c) {
            const char cell = row[c - 1];
            if (cell != '#' && cell != '.') {
                error = QStringLiteral("row %1, column %2: '#' or '.' expected").arg(r).arg(c);
                return false;
            }
            GridModel::Cell(parsed.ShapeCells, GridModel::LinearCell(r, c)) = cell == '#' ? 1 : 0;
        }
    }
    shape = parsed;
    return true;
}

QByteArray Write(const TShapeRecord& shape)
{
    QByteArray text = Ansi::toUnicode(shape.ShapeTitle.text()).toUtf8() + '\n';
    for (int r = 1; r <= shape.rows(); ++r) {
        for (int c = 1; c <= shape.columns(); ++c)
            text += GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0 ? '#' : '.';
        text += '\n';
    }
    return text;
}

} // namespace ShapePicture
