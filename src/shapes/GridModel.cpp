#include "shapes/GridModel.h"

#include <algorithm>

namespace GridModel {

int LongestRun(const GridCells& cells, int width, int height)
{
    width = std::clamp(width, 0, Limits::GridSide);
    height = std::clamp(height, 0, Limits::GridSide);
    int longest = 0;
    for (int r = 1; r <= height; ++r) {
        int run = 0;
        for (int c = 1; c <= width; ++c) {
            if (Cell(cells, LinearCell(r, c)) != 0) {
                ++run;
            } else {
                longest = std::max(longest, run);
                run = 0;
            }
        }
        longest = std::max(longest, run);
    }
    for (int c = 1; c <= width; ++c) {
        int run = 0;
        for (int r = 1; r <= height; ++r) {
            if (Cell(cells, LinearCell(r, c)) != 0) {
                ++run;
            } else {
                longest = std::max(longest, run);
                run = 0;
            }
        }
        longest = std::max(longest, run);
    }
    return longest;
}

} // namespace GridModel
