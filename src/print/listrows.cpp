#include "listrows.h"

#include "core/format.h"
#include "core/namefit.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace print {

using platform::PrintItem;

namespace {
// Where a line would end, printed from the left edge.
double lineEnd(const platform::Printer& p, const QList<PrintItem>& items)
{
    double x = 0;
    for (const PrintItem& it : items) {
        if (it.kind() == PrintItem::TabItem)
            x = p.TabX(std::max(1, it.n()));
        else if (it.kind() == PrintItem::SpcItem)
            x += std::max(0, it.n()) * p.TextWidth(QStringLiteral(" "));
        else
            x += p.TextWidth(it.text());
    }
    return x;
}
}  // namespace

RowGrid RowGrid::fit(platform::Printer& p, int rows, int above, const QList<QList<PrintItem>>& lines)
{
    const double y = p.CurrentY();
    // Half a twip to spare: the rows' positions are sums the page break may see a rounding lower.
    const auto fits = [&] {
        const auto within = [&p](const QList<PrintItem>& l) { return lineEnd(p, l) <= p.ScaleWidth(); };
        return y + (above + rows) * p.TextHeight() <= p.ScaleHeight() - 0.5 && std::ranges::all_of(lines, within);
    };
    while (p.FontSize() > 4 && !fits())
        p.setFontSize(std::max(4.0, p.FontSize() - 0.5));
    return {y + above * p.TextHeight(), p.TextHeight(), p.FontSize()};
}

int RowsOnPage(qsizetype total, int perPage, int page)
{
    return int(std::clamp<qsizetype>(total - qsizetype(page - 1) * perPage, 0, perPage));
}

void RowGrid::place(platform::Printer& p, int index) const
{
    p.setFontSize(size);
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

PrintItem WithinRoom(platform::Printer& p, const PrintItem& item, double room)
{
    if (p.TextWidth(item.text()) <= room)
        return item;
    const QString whole = core::rightTrimmed(item.whole());
    const auto width = [&p](const QString& s) { return p.TextWidth(s); };
    if (const auto shown = core::shortenedName(item.text(), room, width))
        return *shown == whole ? PrintItem(whole) : PrintItem::Shortened(*shown, whole);
    const double size = p.FontSize();
    const double smallest = std::min(size, SmallestSize);
    std::optional<QString> shown;
    double s = size;
    while (!shown && s - 0.5 >= smallest - 1e-9) {
        s -= 0.5;
        p.setFontSize(s);
        shown = core::shortenedName(item.text(), room, width);
    }
    if (!shown) {
        s = smallest;
        p.setFontSize(s);
        shown = core::cutWithin(item.text(), room, width);
    }
    p.setFontSize(size);
    return PrintItem::Shortened(*shown, whole, s);
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
        p.Print({limit < 0 ? items[i] : WithinRoom(p, items[i], limit - p.CurrentX())}, platform::NoLineEnd);
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
