#pragma once
// The rows of a list print-out: where they go on a page that holds a fixed
// number of them, and texts kept within their columns.
#include "platform/printer.h"

#include <QStringList>

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

// The text, or where it is wider than `room` twips in the current font its
// longest beginning that fits, right-trimmed.
QString Fitted(const platform::Printer& p, const QString& text, double room);

// Prints one line as Printer::Print does, but a text that would reach the
// column of the next Tab is shortened to end at least a blank before it,
// and the line's last text to end before `right` (twips; below 0: as it
// is). A long name thus never sends the rest of its row onto the next row
// or over a neighbour.
void PrintFitted(platform::Printer& p, const QList<platform::PrintItem>& items,
                 platform::LineEnd end = platform::EndLine, double right = -1);

// The column of the texts that follow a column of names printed from column
// `from`: `column` as laid out, or further right as far as the widest name
// needs to end a blank before it, while the widest of `then` (printed at the
// returned column) still ends a blank before column `next`. Names that are
// wider still are shortened when printed (PrintFitted).
int ColumnAfterNames(const platform::Printer& p, const QStringList& names, int from, int column,
                     const QStringList& then, int next);

}  // namespace print
