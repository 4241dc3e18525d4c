#pragma once
// The overview of one player's games per round with subtotals and a total,
// and the player list it is chosen from.
#include "standings.h"
#include <QString>
#include <QStringList>
#include <functional>
#include <vector>

namespace core {

// One row of the player list: the number zero-padded to five digits, the
// right-trimmed name and initials.
struct OverviewPlayer {
    QString nr;
    QString naam;
    QString voorletters;
    int volgnummer = 0;   // place in the file's order, the row's key "<n>Q"
};

// The players of poule/ronde in file order.
std::vector<OverviewPlayer> overviewPlayers(const std::vector<SpelerRec>& spelers, int ronde, int poule);

// The list's ascending text order on one column (0 "Nr", 1 "Naam"), stable,
// accented letters sorting with their base letter.
void sortOverviewPlayers(std::vector<OverviewPlayer>& players, int column);

// One row of the game list: the row text and sub-items 1 to 15.
struct OverviewRow {
    enum Kind { Game, Subtotal, Separator, Total };
    Kind kind = Game;
    QString text;
    QStringList sub;   // 15 items
};

constexpr int OverviewSubItems = 15;
inline const QString OverviewSubtotaal = QStringLiteral("Subtotaal");
inline const QString OverviewTotaal = QStringLiteral("Totaal");
inline const QString OverviewNvt = QStringLiteral("n.v.t.");

// Decimals of a moyenne or percentage in this window: 2 when the setting is 2, else 3.
inline int overviewDecimals(int aantalDecimalen) { return aantalDecimalen == 2 ? 2 : 3; }

struct OverviewInput {
    qint32 speler = 0;          // HuidigeSpeler
    int huidigeRonde = 1;
    bool alleRonden = false;    // "Incl. voorgaande ronden"
    int huidigePoule = 1;       // the window's poule
    int aantalDecimalen = 2;
    // Results in file order.
    const std::vector<UitslagRec>* uitslagen = nullptr;
    // "naam, voorletters" of a player number.
    std::function<QString(qint32)> fullName;
    // Standings of poule/ronde in normal mode.
    std::function<Standings(int poule, int ronde)> standings;
};

std::vector<OverviewRow> buildPlayerOverview(const OverviewInput& in);

// caramboles / innings truncated to d decimals, exactly.
QString overviewMoyenneText(qint64 car, qint64 beurten, int decimals);

// The integer part of a number text (as "12.34" or "12,34") as DigitCount
// sees it, for right-aligning decimal columns; 1 for a text that is no number.
int decimalTextDigits(const QString& text);

} // namespace core
