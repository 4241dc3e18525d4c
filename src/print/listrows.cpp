#include "listrows.h"

#include "core/format.h"

#include <algorithm>
#include <cmath>

namespace print {

using platform::PrintItem;

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

QString Fitted(const platform::Printer& p, const QString& text, double room)
{
    QString t = text;
    while (!t.isEmpty() && p.TextWidth(t) > room)
        t = core::rightTrimmed(t.chopped(1));
    return t;
}

void PrintFitted(platform::Printer& p, const QList<PrintItem>& items, platform::LineEnd end, double right)
{
    const double blank = p.TextWidth(QStringLiteral(" "));
    for (qsizetype i = 0; i < items.size(); ++i) {
        if (items[i].kind() != PrintItem::Text) {
            p.Print({items[i]}, platform::NoLineEnd);
            continue;
        }
        double limit = right;
        const auto next = std::find_if(items.begin() + i + 1, items.end(),
                                       [](const PrintItem& it) { return it.kind() == PrintItem::TabItem; });
        if (next != items.end())
            limit = p.TabX(std::max(1, next->n())) - blank;
        p.Print({limit < 0 ? items[i].text() : Fitted(p, items[i].text(), limit - p.CurrentX())},
                platform::NoLineEnd);
    }
    if (end == platform::EndLine)
        p.Print();
}

namespace {
// The first column at least a blank right of the end of the widest text printed from column `from`.
int columnAfter(const platform::Printer& p, const QStringList& texts, int from)
{
    double widest = 0;
    for (const QString& t : texts)
        widest = std::max(widest, p.TextWidth(t));
    const double end = p.TabX(from) + widest + p.TextWidth(QStringLiteral(" "));
    return int(std::ceil(end / std::max(1.0, p.AverageCharWidth()) - 1e-9)) + 1;
}
}  // namespace

int ColumnAfterNames(const platform::Printer& p, const QStringList& names, int from, int column,
                     const QStringList& then, int next)
{
    const int room = std::max(0, next - columnAfter(p, then, column));
    return std::clamp(columnAfter(p, names, from), column, column + room);
}

}  // namespace print
