#pragma once
// Ranking of one poule in one round from the stored players and results.
#include "records.h"
#include <QString>
#include <array>
#include <vector>

namespace core {

// Columns of a standings row.
enum StandKolom {
    KolNummer = 0, KolPartijen = 1, KolPunten = 2, KolCar = 3, KolBeurten = 4, KolHoogsteSerie = 5,
    KolPartijMoyenne = 6, KolTeMakenCar = 7, KolWinst = 8, KolRemise = 9, KolVerlies = 10,
    KolMoyenne = 11, KolProcentCar = 12, KolProcentMoy = 13, KolMatchPunten = 14
};
constexpr int StandKolommen = 15;
using StandRij = std::array<Fixed, StandKolommen>;

struct Standings {
    std::vector<StandRij> rijen;        // players-file order
    std::vector<qint16> positie;        // final place of each row, 1 = first
    std::vector<QString> namen;         // blank-padded to 20
    std::vector<QString> voorletters;   // blank-padded to 7
    int aantal() const { return int(rijen.size()); }
};

// The most points one game gives under the point system, for match points;
// 0 where match points fall back to the normal order.
int maxPunten(const ToernooiRec& t);

// Computes the standings of poule/ronde. 'uitslagen' may be empty when the
// results file is missing. An empty poule gives aantal() 0.
Standings computeStandings(const std::vector<SpelerRec>& spelers, const std::vector<UitslagRec>& uitslagen,
                           const ToernooiRec& t, int poule, int ronde, bool matchpunten);

// Same, reading the two files; the results file may be missing.
Standings computeStandings(const QString& spelersPath, const QString& uitslagPath, const ToernooiRec& t,
                           int poule, int ronde, bool matchpunten);

// Positions by the tournament's tie-break chain (stable: full ties keep file order).
std::vector<qint16> rankStandings(const std::vector<StandRij>& rijen, const ToernooiRec& t, bool opMatchpunten);

} // namespace core
