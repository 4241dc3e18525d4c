#pragma once
// The print-outs of the cross table: the table on landscape sheets of at most
// 30 x 30 players, and the portrait list of games still to play. Each takes
// what it prints; the cross table window hands over what it shows.
//
//     overviews::PrintMatrix({HuidigePoule, entries, targets, cells});
//     overviews::PrintStillToPlay(HuidigePoule, entries);

#include "core/crosstable.h"
#include "core/matrixheads.h"

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

// A column head: a picture 300 x 1800 twips whose name starts 16 pixels
// (240 twips) above its foot and reads upwards. Its face is that of the names,
// made smaller for long names, never below 7 pt; a name longer still gives way
// in its name, never in its initial.
constexpr int MatrixHeadTwips = 1800;
constexpr int MatrixHeadFootTwips = 240;
constexpr double MatrixHeadLeastSize = 7;

// The face and texts of the window's column heads, measured as they are drawn.
core::MatrixHeads ScreenColumnHeads(const std::vector<core::MatrixEntry>& entries);

// Writes `tekst` upwards in a column's head picture, in face `size` of the
// name font; where it is shortened, the whole entry `naam` is its tool tip.
void DrawColumnName(platform::PictureBox* kop, const QString& naam, const QString& tekst, double size);

} // namespace overviews
