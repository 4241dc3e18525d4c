#pragma once
// The cross table of one poule: who played whom with what result, its
// window geometry, its printed sheets and the list of games still to play.
#include "records.h"
#include <QString>
#include <vector>

namespace core {

// One entry of the alphabetical player list: row k and column k of the table.
struct MatrixEntry {
    QString text;        // "Jansen, P": name, ", " and the first initial
    qint32 nummer = 0;
};

// "naam, X" with the right-trimmed name and the first character of the initials.
QString matrixEntryText(const QString& naam, const QString& voorletters);

// The players of poule/ronde in the order of a sorted list box: case-insensitive
// alphabetical on the entry text (accented letters with their base letter),
// equal texts in file order.
std::vector<MatrixEntry> matrixPlayers(const std::vector<SpelerRec>& spelers, int poule, int ronde);

// Index (from 0) of the player in the list, or -1.
int matrixIndexOf(const std::vector<MatrixEntry>& entries, qint32 nummer);

// The target shown in the "Car" column: the first record of the player in
// that round; in round 1 the adjusted target when it is not 0. 0 when none.
qint16 matrixTarget(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde);

// One cell of the table: what the row's player obtained against the column's.
struct MatrixCell {
    int code = 0;            // 0 not played, 1 win, 2 draw, 3 loss
    bool hasPoints = false;  // the points are shown
    int punten = 0;
    QString text() const { return hasPoints ? QString::number(punten) : QString(); }
};

// n x n cells, row-major: cell (i, j) at i * n + j, from 0.
// Records of other poules or rounds, and records of players outside the list,
// leave the table alone; later records overwrite earlier ones.
std::vector<MatrixCell> matrixCells(const std::vector<MatrixEntry>& entries, const std::vector<UitslagRec>& uitslagen,
                                    int poule, int ronde, bool puntenInMatrix);

// Colours of the cells (&HBBGGRR).
constexpr quint32 KleurWinst = 0xFF00;
constexpr quint32 KleurRemise = 0xFFFF;
constexpr quint32 KleurVerlies = 0xFF;

// Window geometry in twips for n players.
struct MatrixGeometry {
    int formHeight = 0;
    int formWidth = 0;
    int panelSize = 0;       // row panel height, column panel width, cell surface width and height
    int viewportWidth = 0;
    int viewportHeight = 0;
    bool vScroll = false;
    int vMax = 0;
    int vLeft = 0;
    bool hScroll = false;
    int hMax = 0;
};
MatrixGeometry matrixGeometry(int n);

constexpr int MatrixCelTwips = 300;
constexpr int MatrixZichtbareRijen = 20;
constexpr int MatrixZichtbareKolommen = 36;

// --- printed sheets ---
constexpr int MatrixVelMaat = 30;
// p: sheets per direction; the print takes p x p sheets.
int matrixSheetCount(int n);
// First and last player (from 1) of sheet row or column r of p.
struct SheetRange {
    int first = 0;
    int last = 0;
};
SheetRange matrixSheetRange(int r, int n);
// "naam" for a single sheet, else "naam   Blad  r. c." (numbers in signed form).
QString matrixSheetHeading(const QString& toernooiNaam, int p, int r, int c);
// "De matrix wordt uitgeprint op  N vellen." CR LF "Wilt u doorgaan ?"
QString matrixSheetQuestion(int p);
// Offset from the cell's left edge at which the points start.
int matrixPointsOffset(int punten);

// --- games still to play ---
// For every entry (in list order) the entries it has not met in poule/ronde
// (in list order). Without results every other entry is listed.
std::vector<std::vector<int>> stillToPlay(const std::vector<MatrixEntry>& entries,
                                          const std::vector<UitslagRec>* uitslagen, int poule, int ronde);

// Title of the still-to-play list.
QString stillToPlayTitle(int ronde, int poule);

} // namespace core
