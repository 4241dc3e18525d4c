#pragma once
// One check for any recorded print-out: no text over another, off the paper, off its row's line or through a
// rule, and no text cut where it must stay whole.
#include "platform/printer.h"
#include <QMap>
#include <algorithm>
#include <cmath>
#include <QRegularExpression>
#include <QSet>
#include <QString>
#include <QStringList>

namespace testsupport {

namespace printcheck {

// Whether the text's box is crossed by the line (x1, y1)-(x2, y2), upright or level; touching is no crossing.
inline bool crosses(const platform::PrintOp& t, double x1, double y1, double x2, double y2)
{
    const auto within = [](double v, double lo, double hi) { return v > lo + 0.5 && v < hi - 0.5; };
    const auto overlap = [](double a1, double a2, double lo, double hi) {
        return std::min(a1, a2) < hi - 0.5 && std::max(a1, a2) > lo + 0.5;
    };
    if (x1 == x2)
        return within(x1, t.x, t.x2) && overlap(y1, y2, t.y, t.y2);
    if (y1 == y2)
        return within(y1, t.y, t.y2) && overlap(x1, x2, t.x, t.x2);
    return false;
}

inline QSet<QString> numbers(const QString& s)
{
    static const QRegularExpression digits(QStringLiteral("\\d+"));
    QSet<QString> found;
    for (auto it = digits.globalMatch(s); it.hasNext();)
        found.insert(it.next().captured());
    return found;
}

inline QString rightTrimmed(QString s)
{
    while (!s.isEmpty() && s.back().isSpace())
        s.chop(1);
    return s;
}

// What is wrong with a printed text that stands for `whole`: a bracket left open, a comma at its end, a number
// cut short, or, where "name, initials" was shortened, the initials (and what follows them) not whole at its end.
inline QStringList cuts(const QString& printed, const QString& whole)
{
    QStringList found;
    const QString text = rightTrimmed(printed);
    if (text.lastIndexOf(QLatin1Char('(')) > text.lastIndexOf(QLatin1Char(')')))
        found << QStringLiteral("a figure cut open");
    if (text.endsWith(QLatin1Char(',')))
        found << QStringLiteral("a name cut to its comma");
    const QString meant = rightTrimmed(whole);
    if (text == meant)
        return found;
    const QSet<QString> heel = numbers(meant);
    for (const QString& n : numbers(text))
        if (!heel.contains(n))
            found << QStringLiteral("a figure cut short");
    if (const qsizetype comma = meant.lastIndexOf(QLatin1Char(',')); comma >= 0 && !text.endsWith(meant.mid(comma)))
        found << QStringLiteral("initials lost");
    return found;
}

}  // namespace printcheck

// The faults of the texts of a recorded print-out, one a line; empty when there are none. A text takes its
// box (x, y)-(x2, y2), its font's ascent and descent high: two texts of a page whose boxes intersect are printed
// over each other, and a line or the edge of a box (not a filled one) through a text's box is a rule through it.
// Every text lies within the printable area of its page, and the texts of one row (PrintOp::row) stand on one
// line (baseline) of one page. A text that stands for another (PrintOp::whole, or one of `sources` that begins
// with it: a text cut before it was printed) keeps that one's numbers and, of "name, initials", what follows the
// comma; no text has a bracket left open or ends in a comma.
inline QString printFaults(const platform::RecordingPrinter& p, const QStringList& sources = {})
{
    using platform::PrintOp;
    const auto show = [](const PrintOp& t) {
        return QStringLiteral("p%1 '%2' (%3,%4)-(%5,%6)").arg(t.page).arg(t.text).arg(t.x).arg(t.y).arg(t.x2).arg(t.y2);
    };
    QString faults;
    QMap<int, PrintOp> rows;   // the first text of each row
    const QList<PrintOp> texts = p.texts();
    QList<PrintOp> rules;
    for (const PrintOp& op : p.ops)
        if (op.kind == PrintOp::Line || op.kind == PrintOp::Box)
            rules << op;
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const PrintOp& a = texts[i];
        const QSizeF page = a.orientation == platform::OrientationPortrait ? p.portraitPage
                                                                           : p.portraitPage.transposed();
        if (a.x < 0 || a.y < 0 || a.x2 > page.width() + 0.5 || a.y2 > page.height() + 0.5)
            faults += "off the paper: " + show(a) + '\n';
        const PrintOp& first = *rows.insert(a.row, rows.value(a.row, a));
        if (first.page != a.page || std::abs(first.baseline - a.baseline) > 0.5)
            faults += "off its row's line: " + show(a) + " after " + show(first) + '\n';
        for (qsizetype j = 0; j < i; ++j) {
            const PrintOp& b = texts[j];
            if (a.page == b.page && a.x < b.x2 - 0.5 && b.x < a.x2 - 0.5 && a.y < b.y2 - 0.5 && b.y < a.y2 - 0.5)
                faults += "over each other: " + show(b) + " and " + show(a) + '\n';
        }
        for (const PrintOp& r : rules) {
            if (r.page != a.page)
                continue;
            const bool through = r.kind == PrintOp::Line
                                     ? printcheck::crosses(a, r.x, r.y, r.x2, r.y2)
                                     : printcheck::crosses(a, r.x, r.y, r.x, r.y2) || printcheck::crosses(a, r.x2, r.y, r.x2, r.y2)
                                           || printcheck::crosses(a, r.x, r.y, r.x2, r.y) || printcheck::crosses(a, r.x, r.y2, r.x2, r.y2);
            if (through)
                faults += QStringLiteral("through a rule (%1,%2)-(%3,%4): ").arg(r.x).arg(r.y).arg(r.x2).arg(r.y2) + show(a)
                          + '\n';
        }
        QString whole = a.whole.isEmpty() ? a.text : a.whole;
        if (whole == a.text)
            for (const QString& s : sources)
                if (const QString w = printcheck::rightTrimmed(s); !a.text.isEmpty() && w.size() > a.text.size()
                                                                    && w.startsWith(a.text))
                    whole = w;
        for (const QString& cut : printcheck::cuts(a.text, whole))
            faults += cut + ": " + show(a) + " for '" + whole + "'\n";
    }
    return faults;
}

} // namespace testsupport
