#include "store/GridModel.h"

#include <algorithm>

namespace GridModel {

int LongestRun(const GridCells& cells, int width, int height)
{
    width = std::clamp(width, 0, Limits::GridSide);
    height = std::clamp(height, 0, Limits::GridSide);
    // The longest run of shape cells along `lines` lines of `length` cells each.
    const auto longestAlong = [&cells](int lines, int length, auto cellAt) {
        int longest = 0;
        for (int line = 1; line <= lines; ++line) {
            int run = 0;
            for (int k = 1; k <= length; ++k) {
                run = Cell(cells, cellAt(line, k)) != 0 ? run + 1 : 0;
                longest = std::max(longest, run);
            }
        }
        return longest;
    };
    return std::max(longestAlong(height, width, [](int r, int c) { return LinearCell(r, c); }),
                    longestAlong(width, height, [](int c, int r) { return LinearCell(r, c); }));
}

} // namespace GridModel
