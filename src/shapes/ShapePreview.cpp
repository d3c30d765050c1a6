#include "shapes/ShapePreview.h"

#include "store/GridModel.h"
#include "puzzle/GridPicture.h"

#include <QPainter>
#include <algorithm>

namespace ShapePreview {

int CellSize(const TShapeRecord& shape, int width, int height)
{
    const int columns = shape.columns();
    const int rows = shape.rows();
    if (columns == 0 || rows == 0 || width <= 0 || height <= 0)
        return 0;
    return std::min(width / columns, height / rows);
}

void DrawTheBox(QPainter& painter, int width, int height, const TShapeRecord& shape, const QColor& background)
{
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.fillRect(QRect(0, 0, width, height), background);

    const int s = CellSize(shape, width, height);
    if (s > 0) {
        const int columns = shape.columns();
        const int rows = shape.rows();
        GridPicture::DrawLinedGrid(painter, columns, rows, s);
        for (int r = 1; r <= rows; ++r) {
            for (int c = 1; c <= columns; ++c) {
                if (GridModel::Cell(shape.ShapeCells, GridModel::LinearCell(r, c)) != 0)
                    painter.fillRect(QRect((c - 1) * s + 1, (r - 1) * s + 1, s - 1, s - 1), Qt::black);
            }
        }
    }
    painter.restore();
}

} // namespace ShapePreview
