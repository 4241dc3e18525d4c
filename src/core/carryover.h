#pragma once
// Carrying players of the previous round into the newest round: by hand,
// poule by poule, or automatically by place with a random spread over new
// poules. Pure functions over the records; the few file routines at the end
// only read and write whole records.
#include "records.h"
#include "standings.h"
#include <QString>
#include <array>
#include <functional>
#include <set>
#include <vector>

namespace core {

// ---------------------------------------------------------------- shared

// Decimals of a carried moyenne: 2 for the setting 2, else 3.
inline int carryDecimals(const ToernooiRec& t) { return t.aantalDecimalen == 2 ? 2 : 3; }
// The carried moyenne follows from the games of the previous round.
inline bool adjustsPerRound(const ToernooiRec& t) { return t.carMethode == 1 && isJa(t.aanpassenPerRonde); }

// True when the player has a record in that round (any poule).
bool isInRound(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde);
// The first record of the player in that round, or nullptr.
const SpelerRec* findPlayerInRound(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde);

// A player's caramboles and innings over every game of a round (any poule,
// finished or not). 64-bit, so a long round cannot overflow them.
struct CarTotals {
    qint64 car = 0;
    qint64 beurten = 0;
};
CarTotals roundTotals(const std::vector<UitslagRec>& uitslagen, qint32 nummer, int ronde);

// Caramboles / innings to four decimals (0 without innings), raised to the
// minimum, then truncated to 2 or 3 decimals.
Fixed roundMoyenne(const CarTotals& totals, Fixed minimum, int decimals);

// The moyenne a player made in a round, by the tournament's minimum and decimals.
Fixed achievedMoyenne(const std::vector<UitslagRec>& uitslagen, qint32 nummer, int ronde, const ToernooiRec& t);

// Target and moyenne a player takes along from his record in that round:
// the adjusted values of an interim adjustment when present. Both 0 when he
// has no record there.
struct CarriedValues {
    qint16 teMakenCar = 0;
    Fixed moyenne;
};
CarriedValues carriedValues(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde);

// Case-insensitive comparison of list texts, as a sorted list column orders them.
int compareListText(const QString& a, const QString& b);

// ---------------------------------------------------------------- by hand

// The new record of a player carried from his previous-round record into a
// poule of the new round, before any per-round adjustment.
SpelerRec carriedRecord(const SpelerRec& vorige, qint16 nieuweRonde, qint16 poule);
// Replaces moyenne and target by the moyenne made in the previous round.
void adjustCarriedMoyenne(SpelerRec& rec, const std::vector<UitslagRec>& uitslagen, int vorigeRonde,
                          const ToernooiRec& t);

// One row of the lists of the manual carry-over.
struct CarryRow {
    qint32 nummer = 0;
    QString nr;     // PadNumber5
    QString naam;   // trailing blanks removed
    QString vl;
    QString car;
    QString moy;
};
// List 1: players of the previous round's poule not yet in the new round;
// list 2: players of the new round's poule. Sorted on the name.
std::vector<CarryRow> carryOverListRows(const std::vector<SpelerRec>& spelers, int lijst, int vorigeRonde,
                                        int nieuweRonde, int poule, const ToernooiRec& t);

// The records appended by a manual carry-over of these players (in this
// order) into a poule of the new round. A player without a record in the
// previous round, or already in the new round (also through an earlier
// number in the same list), is passed over.
std::vector<SpelerRec> carryOverRecords(const std::vector<SpelerRec>& spelers,
                                        const std::vector<UitslagRec>& uitslagen,
                                        const std::vector<qint32>& nummers, int vorigeRonde,
                                        qint16 nieuweRonde, qint16 poule, const ToernooiRec& t);

// ---------------------------------------------------------------- automatic

// The choices of the window's first three steps.
struct AutoKeuze {
    bool kiesAantal = true;                  // "Kies aantal spelers" (else the tick boxes)
    QString aantalSpelers;                   // Text1
    std::array<bool, 3> ookPlaats{};         // Check2: all 2nd, 3rd, 4th
    bool opMatchpunten = true;               // "Stand op basis van MP" (else "Hoogste moyenne")
    bool vastAantalPoules = true;            // "Aantal poules vastleggen" (else a maximum per poule)
    QString aantalPoules;                    // Text2
    QString maxPerPoule;                     // Text3
};

enum class InvoerVeld { Geen, Text1, Text2, Text3 };

// The numbers that follow from the choices, or the message that refuses them.
struct AutoPlan {
    bool ok = false;
    QString melding;                 // lines joined by CR LF
    InvoerVeld veld = InvoerVeld::Geen;
    int N = 0;                       // players to carry over
    int P = 0;                       // new poules
    int S = 0;                       // the larger poule size
    int hoogstePlaats = 0;           // last place taken with the tick boxes; 0 = no limit
};

// The leading numeric part of a typed text ("12abc" 12, "abc" 0, "2.5" 2.5).
double leadingValue(const QString& text);

// R = poules of the previous round, T = its players, spelersPerPoule[i] the
// players of poule i + 1.
AutoPlan planAutoCarryOver(const AutoKeuze& keuze, int R, int T, const std::vector<int>& spelersPerPoule);

// Capacities of the new poules (index 0 = poule 1): S for the first N mod P
// poules (all when it is 0), S - 1 for the rest.
std::vector<int> pouleCapacities(int N, int P, int S);

// The values a candidate of a partly taken place is ranked on.
struct Kandidaat {
    qint32 nummer = 0;
    int poule = 0;
    Fixed matchpunten;   // standings column 14
    Fixed moyenne;       // column 11
    Fixed serie;         // column 5
    Fixed procentCar;    // column 12
    Fixed procentMoy;    // column 13
};
// a strictly better than b by the criterion and the tournament's tie-breaks.
bool strictlyBetter(const Kandidaat& a, const Kandidaat& b, bool opMatchpunten, const ToernooiRec& t);
// Best first; full ties keep their order.
std::vector<Kandidaat> rankPlacedPlayers(std::vector<Kandidaat> kandidaten, bool opMatchpunten,
                                         const ToernooiRec& t);

// A poule's candidate: its best placed player not in 'overslaan' (on equal
// places the first row). False when every player of the poule is in it.
bool bestCandidate(const Standings& s, int poule, const std::set<qint32>& overslaan, Kandidaat* out);

// The players chosen by place, in the order they are listed. normaal[i] and
// matchpunten[i] are the standings of poule i + 1 of the previous round.
// At every place each poule offers its best player not yet listed; a place
// is taken whole (in poule order) while at least that many players remain to
// be chosen, until N are listed, no poule has anyone left, or the place after
// hoogstePlaats (when above 0) is reached. The first place that cannot be
// taken whole is ranked, from the match-point standings when opMatchpunten,
// and only its best are taken. Players in 'uitgesloten' are never listed.
std::vector<qint32> selectByPlace(const std::vector<Standings>& normaal, const std::vector<Standings>& matchpunten,
                                  int N, int hoogstePlaats, bool opMatchpunten, const ToernooiRec& t,
                                  const std::set<qint32>& uitgesloten = {});

// The program's pseudo-random generator: a 24-bit linear congruential
// generator, x = (x * 0x43FD43FD + 0xC39EC3) mod 2^24, giving x / 2^24.
// It is never seeded, so every run starts from the same state and the same
// choices made first thing after a start give the same poules.
class RandomGenerator {
public:
    static constexpr quint32 StartState = 0x50000;
    double next();
    quint32 state() const { return m_state; }

private:
    quint32 m_state = StartState;
};

// Draws poules until one with room is hit; counts the player in it and
// returns its number (from 1). vulling[j] = {capacity, placed}. 0 when no
// poule has room.
int pickRandomPoule(std::vector<std::array<int, 2>>& vulling, RandomGenerator& rng);

// One row of the automatic result list, as shown.
struct AutoRij {
    QString nr;    // PadNumber5
    QString naam;
    QString vl;
    QString car;   // "Car Nieuw"
    QString moy;   // "Moy Nieuw"
    QString poule;
};

struct AutoResultaat {
    std::vector<AutoRij> rijen;
    int N = 0;   // players listed
    int P = 0;
    int S = 0;
    std::vector<int> capaciteiten;
};

// Selection, values and random spread of "Toon resultaat" for a valid plan.
// When fewer players can be listed than planned (the last place ticked
// reached, players already in the new round), the spread is made over those
// listed; with nobody listed there are no poules.
AutoResultaat buildAutoCarryOver(const AutoPlan& plan, bool opMatchpunten, bool vastAantalPoules,
                                 double maxPerPoule, const std::vector<Standings>& normaal,
                                 const std::vector<Standings>& matchpunten, const std::vector<SpelerRec>& spelers,
                                 const std::vector<UitslagRec>& uitslagen, const ToernooiRec& t, int vorigeRonde,
                                 int nieuweRonde, RandomGenerator& rng);

// The players record stored for a row as shown.
SpelerRec recordFromRow(const AutoRij& rij, qint16 ronde);

// ---------------------------------------------------------------- files

// The files a carry-over changes, and the journal that keeps them together.
struct CarryFiles {
    QString spelers;
    QString poules;
    QString herstel;
};
// Appends the records as players of the round and changes the round's poules
// record: both or neither, also when the program is ended in between. False
// (with the reason in `why`) when nothing was stored.
bool storePlayersInRound(const CarryFiles& f, const std::vector<SpelerRec>& recs, qint16 ronde,
                         const std::function<void(PouleRec&)>& change, QString* why = nullptr);
// The manual carry-over: the players and the mark handmatigGekoppeld.
bool storeManualCarryOver(const CarryFiles& f, const std::vector<SpelerRec>& recs, qint16 ronde,
                          QString* why = nullptr);
// Adds a poule to a round and marks the manual carry-over; the new count, or 0.
qint16 addPouleToRound(const QString& poulesPath, qint16 ronde, QString* why = nullptr);
// The automatic carry-over: the rows as players of the round, and the round's
// poules record marked with P poules.
bool commitAutoCarryOver(const CarryFiles& f, const std::vector<AutoRij>& rijen, qint16 ronde, qint16 nieuwePoules,
                         QString* why = nullptr);

} // namespace core
