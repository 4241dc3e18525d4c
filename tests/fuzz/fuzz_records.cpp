// The tournament's record files as read by the standings, the cross table,
// the player overview and both carry-overs. Input: flags, poule, round, the
// three typed fields of the automatic carry-over, the settings record's
// leading bytes, then the players and results files (16-bit lengths) and
// the poules file.
#include "core/carryover.h"
#include "core/crosstable.h"
#include "core/playeroverview.h"
#include "core/players.h"
#include "core/recordfile.h"
#include "core/standview.h"
#include "core/tournamentfiles.h"
#include "fuzz_input.h"

using namespace core;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::Input in(data, size);
    const int flags = in.byte(), poule = in.byte() % 5, ronde = in.byte() % 4;
    const AutoKeuze keuze{.kiesAantal = bool(flags & 1), .aantalSpelers = in.text(),
                          .ookPlaats = {bool(flags & 2), bool(flags & 4), bool(flags & 8)},
                          .opMatchpunten = bool(flags & 16), .vastAantalPoules = bool(flags & 32),
                          .aantalPoules = in.text(), .maxPerPoule = in.text()};
    const QString st = fuzz::scratchFile("t.stt", in.field().leftJustified(ToernooiRec::Length, '\0'));
    const QString sp = fuzz::scratchFile("s.sts", in.take(in.word()));
    const QString ui = fuzz::scratchFile("u.stu", in.take(in.word()), !(flags & 64));
    const QString po = fuzz::scratchFile("p.stp", in.rest());

    const std::optional<ToernooiRec> t = readToernooi(st);
    fuzz::check(t.has_value());
    const auto spelers = RecordFile<SpelerRec>::readAll(sp);
    const auto uitslagen = RecordFile<UitslagRec>::readAll(ui);
    auto standings = [&](int p, int r, bool mp) { return computeStandings(spelers, uitslagen, *t, p, r, mp); };
    for (bool mp : {false, true}) {
        const Standings s = computeStandings(sp, ui, *t, poule, ronde, mp);
        const Standings m = standings(poule, ronde, mp);
        fuzz::check(s.rijen == m.rijen && s.positie == m.positie && s.namen == m.namen);
        fuzz::check(standLines(s, s.aantal(), t->aantalDecimalen, mp).size() == s.aantal());
        highestRun(s, s.aantal());
    }

    const std::vector<MatrixEntry> entries = matrixPlayers(spelers, poule, ronde);
    const int n = int(entries.size());
    for (const MatrixCell& c : matrixCells(entries, uitslagen, poule, ronde, isJa(t->puntenInMatrix)))
        matrixPointsOffset(c.punten), c.text();
    for (const MatrixEntry& e : entries)
        fuzz::check(matrixIndexOf(entries, e.nummer) >= 0), matrixTarget(spelers, e.nummer, ronde);
    fuzz::check(stillToPlay(entries, &uitslagen, poule, ronde).size() == size_t(n));
    matrixGeometry(n);
    for (int r = 1, p = matrixSheetCount(n); r <= p; ++r)
        fuzz::check(matrixSheetRange(r, n).first <= matrixSheetRange(r, n).last);

    std::vector<OverviewPlayer> players = overviewPlayers(spelers, ronde, poule);
    sortOverviewPlayers(players, flags & 1);
    for (size_t i = 0; i < players.size() && i < 3; ++i) {
        const OverviewInput o{players[i].nr.toInt(), ronde, bool(flags & 128), poule, t->aantalDecimalen, &uitslagen,
                              [&](qint32 nr) { return playerFullName(sp, nr); },
                              [&](int p, int r) { return standings(p, r, false); }};
        for (const OverviewRow& row : buildPlayerOverview(o))
            fuzz::check(row.sub.size() == OverviewSubItems);
    }

    std::vector<qint32> nummers;
    for (int lijst = 1; lijst <= 2; ++lijst)
        for (const CarryRow& r : carryOverListRows(spelers, lijst, ronde, ronde + 1, poule, *t))
            nummers.push_back(r.nummer);
    carryOverRecords(spelers, uitslagen, nummers, ronde, qint16(ronde + 1), qint16(poule), *t);

    // The automatic carry-over from round 'ronde', over at most 12 of its poules.
    const auto pr = RecordFile<PouleRec>::read(po, ronde);
    const int R = std::clamp<int>(pr ? pr->aantalPoules : 0, 0, 12);
    std::vector<int> perPoule(size_t(R), 0);
    int T = 0;
    for (const SpelerRec& s : spelers)
        if (s.ronde == ronde && ++T && s.poule >= 1 && s.poule <= R)
            ++perPoule[size_t(s.poule - 1)];
    const AutoPlan plan = planAutoCarryOver(keuze, R, T, perPoule);
    if (!plan.ok)
        return 0;
    std::vector<Standings> normaal, mp;
    for (int i = 1; i <= R; ++i) {
        normaal.push_back(computeStandings(sp, ui, *t, i, ronde, false));
        mp.push_back(computeStandings(sp, ui, *t, i, ronde, true));
    }
    RandomGenerator rng;
    const AutoResultaat res = buildAutoCarryOver(plan, keuze.opMatchpunten, keuze.vastAantalPoules,
                                                 leadingValue(keuze.maxPerPoule), normaal, mp, spelers, uitslagen,
                                                 *t, ronde, ronde + 1, rng);
    fuzz::check(res.rijen.size() == size_t(res.N));
    for (const AutoRij& rij : res.rijen)
        recordFromRow(rij, qint16(ronde + 1));
    return 0;
}
