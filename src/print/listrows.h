#pragma once
// The rows of a list print-out that holds a fixed number of rows a page.
#include "platform/printer.h"

namespace print {

// Where the rows of one page go: the first at `top`, each next one `step`
// lower. The step is the current font's line height, or less where that
// many rows of it would run below the printable area (Letter paper, wide
// printer margins): the printer would otherwise start a page by itself and
// the rows after it would stand on a page without its header.
struct RowGrid {
    double top = 0;
    double step = 0;

    // Measured from the current print position and font.
    static RowGrid fit(const platform::Printer& p, int rowsPerPage);
    // The print position at the left edge of row `index` of the page (0 = first).
    void place(platform::Printer& p, int index) const;
};

}  // namespace print
