#pragma once
// The rows of a list print-out: where they go on a page that holds a fixed
// number of them, and texts kept within their columns.
#include "platform/printer.h"

#include <QStringList>

namespace print {

// Where the lines of one page go: `above` lines (column titles) from the
// current print position, then the rows, each one line height of the current
// font below the one before. Where that many lines would run below the
// printable area (Letter paper, wide printer margins), or one of the list's
// laid-out `lines` printed from the left edge would end beyond its width, the
// font is made smaller, half a point at a time (not below 4 points), till
// they fit: rows set closer than their font's line height would print over
// each other, the printer would start a page by itself, and a figure would be
// cut off. A page that holds fewer rows keeps its size.
struct RowGrid {
    double top = 0;    // the first row's
    double step = 0;
    double size = 0;   // points

    // Sets the font to the grid's size. rows: those this page will print.
    static RowGrid fit(platform::Printer& p, int rows, int above = 0,
                       const QList<QList<platform::PrintItem>>& lines = {});
    // The print position at the left edge of row `index` of the page (0 = first), in the grid's size.
    void place(platform::Printer& p, int index) const;
};

// The rows page `page` (1 = first) of a list of `total` rows holds, `perPage` on a full page.
int RowsOnPage(qsizetype total, int perPage, int page);

// The text, or where it is wider than `room` twips in the current font its
// longest beginning that fits, right-trimmed.
QString Fitted(const platform::Printer& p, const QString& text, double room);

// The smallest face a text is printed in to keep its initials and figures whole.
constexpr double SmallestSize = 7;

// A text (item.text(), standing for item.whole()) as it fits in `room` twips from the print position: whole;
// or, where it is wider, with its name giving way and its initials and figures whole (core::shortenedName);
// or, where even its shortest form is wider, that form in a face a half point smaller at a time, down to
// SmallestSize. Where not even that fits (a figure or initials wider than the room), its longest beginning
// that does without a part of a number (core::cutWithin), in SmallestSize: it never reaches past its room.
platform::PrintItem WithinRoom(platform::Printer& p, const platform::PrintItem& item, double room);

// Prints one line as Printer::Print does, but a text that would reach the
// column of the next Tab is fitted (WithinRoom) to end at least a blank
// before it, and the line's last text to end before `right` (twips; below
// 0: as it is). A long name thus never sends the rest of its row onto the
// next row or over a neighbour, and never loses its initials or figures.
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
