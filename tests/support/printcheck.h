#pragma once
// One check for any recorded print-out: no text over another, off the paper or off its row's line.
#include "platform/printer.h"
#include <QMap>
#include <QString>

namespace testsupport {

// The faults of the texts of a recorded print-out, one a line; empty when there are none. A text takes its
// width by the body of its type (its point size) from its top-left corner: two texts of a page whose bodies
// intersect are printed over each other. Every text ends within the printable width of its page, and the
// texts of one row (PrintOp::row) stand on one line of one page.
inline QString printFaults(const platform::RecordingPrinter& p)
{
    using platform::PrintOp;
    const auto show = [](const PrintOp& t) {
        return QStringLiteral("p%1 '%2' (%3,%4)-(%5,%6)").arg(t.page).arg(t.text).arg(t.x).arg(t.y).arg(t.x2).arg(t.y2);
    };
    const auto body = [](const PrintOp& t) { return t.y + 20 * t.fontSize; };
    QString faults;
    QMap<int, PrintOp> rows;   // the first text of each row
    const QList<PrintOp> texts = p.texts();
    for (qsizetype i = 0; i < texts.size(); ++i) {
        const PrintOp& a = texts[i];
        const bool liggend = a.orientation == platform::OrientationLandscape;
        if (a.x < 0 || a.x2 > (liggend ? p.portraitPage.height() : p.portraitPage.width()) + 0.5)
            faults += "off the paper: " + show(a) + '\n';
        const PrintOp& first = *rows.insert(a.row, rows.value(a.row, a));
        if (first.page != a.page || first.y != a.y)
            faults += "off its row's line: " + show(a) + " after " + show(first) + '\n';
        for (qsizetype j = 0; j < i; ++j) {
            const PrintOp& b = texts[j];
            if (a.page == b.page && a.x < b.x2 - 0.5 && b.x < a.x2 - 0.5 && a.y < body(b) - 0.5 && b.y < body(a) - 0.5)
                faults += "over each other: " + show(b) + " and " + show(a) + '\n';
        }
    }
    return faults;
}

} // namespace testsupport
