#pragma once
// The print-outs of the cross table: the table on landscape sheets of at most
// 30 x 30 players, and the portrait list of games still to play. Each takes
// what it prints; the cross table window hands over what it shows.
//
//     overviews::PrintMatrix({HuidigePoule, entries, targets, cells});
//     overviews::PrintStillToPlay(HuidigePoule, entries);

#include "core/crosstable.h"

#include <QFont>
#include <vector>

namespace platform { class PictureBox; }

namespace overviews {

// The cross table of one poule of HuidigeRonde as the window shows it.
struct MatrixPrint {
    qint16 poule = 1;
    std::vector<core::MatrixEntry> entries;   // rows and columns, in list order
    std::vector<qint16> targets;              // the "Car" of each entry
    std::vector<core::MatrixCell> cells;      // n x n, row-major
};

// Asks first when the table takes more than one sheet, prints the sheets
// after the print dialog and reports "Matrix wordt uitgeprint". A poule
// without players gives a beep and prints nothing. Printer errors end it
// with their message. Returns true when sheets were printed.
bool PrintMatrix(const MatrixPrint& matrix);

// Prints for every entry the entries it has not met in the poule in
// HuidigeRonde (from the results file; all of them without one) and reports
// "Lijst wordt uitgeprint"; without a players file only its message.
// Returns true when the list was printed.
bool PrintStillToPlay(qint16 poule, const std::vector<core::MatrixEntry>& entries);

// The narrow font of the names and points in the table.
QFont MatrixNameFont();

// Writes a column's name upwards in its header picture (300 x 1800 twips),
// as the window shows it and the sheets print it.
void DrawColumnName(platform::PictureBox* kop, const QString& naam);

} // namespace overviews
