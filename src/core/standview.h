#pragma once
// What the standings windows show, without widgets: the list lines made
// from a computed standings table, the zoom file and the carousel.
#include "standings.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <array>

namespace core {

// One line of a standings list: the place and the fourteen sub-items
// (name, initials, games, points or match points, caramboles, innings,
// moyenne, highest run, best game moyenne, % car, % moy, wins, draws, losses),
// already formatted as the list shows them.
struct StandLine {
    QString text;
    QStringList sub;   // 14 items
};

// A fixed-point value truncated to the tournament's decimals: 2 gives "0.00",
// 3 gives "0.000"; any other setting gives an empty text.
QString standDecimalText(Fixed v, int aantalDecimalen);
// A whole-number column as a plain integer.
QString standWholeText(Fixed v);

// The list lines of the first n rows of a standings table in order of place
// (row with position 1 first). Match-point mode puts column 14 in the points
// column.
QList<StandLine> standLines(const Standings& s, int n, int aantalDecimalen, bool matchpunten);

// The player with the poule's highest run: the best-placed one on equal runs;
// an empty holder and 0 when nobody has a run above 0.
struct HighestRun {
    QString holder;   // "naam, voorletters"
    int serie = 0;
};
HighestRun highestRun(const Standings& s, int n);

// Captions of the fifteen list columns; the fifth follows the mode.
QStringList standColumnCaptions(bool matchpunten);

// --- zoom of the standings list ---
constexpr int ZoomCount = 4;
inline const QString ZoomFileName = QStringLiteral("Hulp_size.dat");
// Font size in points of zoom index 0..3.
int zoomFontSize(int index);
// Column widths in twips of zoom index 0..3; index -1 gives the widths at opening.
std::array<int, 15> zoomColumnWidths(int index);
// The file's bytes for an index: blank, digit, blank, CR LF.
QByteArray zoomFileBytes(int index);
// The index from the file's contents: its first line as a whole number,
// surrounding blanks ignored; anything that is not a number 0 to 3 gives 0.
int parseZoomFile(const QByteArray& contents);
// The file holds five bytes; a first line is looked for in no more than this
// many, so that a huge file costs nothing to open.
constexpr int ZoomFileReadLimit = 64;
// The index from the file at path, read as far as that: 0 when it is missing,
// no plain file, or holds no index.
int readZoomFile(const QString& path);
// Whether the file at path holds exactly the bytes of this index.
bool zoomFileHolds(const QString& path, int index);

// --- carousel ---
// Runs through the poules van..tot, one per tick, round and round.
class Carousel {
public:
    // Accepts the range only when tot is greater than van.
    bool start(int van, int tot);
    // The poule to show now; advances to the next one.
    int tick();
    int van() const { return m_van; }
    int tot() const { return m_tot; }
    int volgende() const { return m_volgende; }

private:
    int m_van = 0;
    int m_tot = 0;
    int m_volgende = 0;
};

// Seconds between carousel switches.
constexpr int CarrouselMin = 1;
constexpr int CarrouselMax = 10;
constexpr int CarrouselStart = 9;

// "Stand in Ronde  r en in Poule  p" (+ " op basis van MatchPunten").
QString standHtmlTitle(int ronde, int poule, bool matchpunten);
// "Stand in ronde  r en in poule  p" (+ " op basis van Matchpunten").
QString standPrintTitle(int ronde, int poule, bool matchpunten);

} // namespace core
