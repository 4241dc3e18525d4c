#pragma once
// One check for any recorded print-out: no text over another, off the paper or off its row's line.
#include "platform/printer.h"
#include <QMap>
#include <QString>

namespace testsupport {

// The faults of the texts of a recorded print-out, one a line; empty when there are none. A text takes its
// box (x, y)-(x2, y2), its font's ascent and descent high: two texts of a page whose boxes intersect are printed
// over each other. Every text lies within the printable area of its page, and the texts of one row
// (PrintOp::row) stand on one line of one page.
inline QString printFaults(const platform::RecordingPrinter& p)
{
    using platform::PrintOp;
    const auto show = [](const PrintOp& t) {
        return QStringLiteral("p%1 '%2' (%3,%4)-(%5,%6)").arg(t.page).arg(t.text).arg(t.x).arg(t.y).arg(t.x2).arg(t.y2);
    };
    QString faults;
    QMap<int, PrintOp> rows;   // the first text of each row
    const QList<PrintOp> texts = p.texts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const PrintOp& a = texts[i];
        const QSizeF page = a.orientation == platform::OrientationPortrait ? p.portraitPage
                                                                           : p.portraitPage.transposed();
        if (a.x < 0 || a.y < 0 || a.x2 > page.width() + 0.5 || a.y2 > page.height() + 0.5)
            faults += "off the paper: " + show(a) + '\n';
        const PrintOp& first = *rows.insert(a.row, rows.value(a.row, a));
        if (first.page != a.page || first.y != a.y)
            faults += "off its row's line: " + show(a) + " after " + show(first) + '\n';
        for (qsizetype j = 0; j < i; ++j) {
            const PrintOp& b = texts[j];
            if (a.page == b.page && a.x < b.x2 - 0.5 && b.x < a.x2 - 0.5 && a.y < b.y2 - 0.5 && b.y < a.y2 - 0.5)
                faults += "over each other: " + show(b) + " and " + show(a) + '\n';
        }
    }
    return faults;
}

} // namespace testsupport
