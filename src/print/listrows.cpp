#include "listrows.h"

#include <algorithm>
#include <cmath>

namespace print {

RowGrid RowGrid::fit(const platform::Printer& p, int rowsPerPage)
{
    RowGrid g;
    g.top = p.CurrentY();
    const double h = p.TextHeight();
    g.step = h;
    const double room = p.ScaleHeight() - g.top - h;   // for the rows after the first
    // Whole twips, so that the last row's foot never comes out a rounding above the edge.
    if (rowsPerPage > 1 && (rowsPerPage - 1) * h > room)
        g.step = std::max(0.0, std::floor(room / (rowsPerPage - 1)));
    return g;
}

void RowGrid::place(platform::Printer& p, int index) const
{
    p.setCurrentX(0);
    p.setCurrentY(top + index * step);
}

}  // namespace print
