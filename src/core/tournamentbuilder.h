#pragma once
// Writes a complete tournament file set from records given in code: used by
// the demo tool and by tests that need a small tournament of their own.
#include "records.h"
#include "tournamentfiles.h"
#include <QDate>
#include <vector>

namespace core {

// Settings of a fresh tournament: formula 20 x moyenne + 5 rounded normally,
// point system 1 with 2/1/0, tie-breaks on moyenne and highest run, % car next.
ToernooiRec defaultSettings(const QString& naam);

class TournamentBuilder {
public:
    explicit TournamentBuilder(const QString& folder, const QString& naam = QStringLiteral("Test toernooi"),
                               int nummer = 1);

    ToernooiRec toernooi;
    std::vector<SpelerRec> spelers;
    std::vector<UitslagRec> uitslagen;
    std::vector<PouleRec> poules;   // record k is round k

    // Adds a player; the target follows from the formula unless given.
    SpelerRec& addPlayer(qint32 nummer, const QString& naam, const QString& voorletters, qint16 ronde,
                         qint16 poule, Fixed moyenne, qint16 teMakenCar = -1);
    // Adds a game of two players of that round, figures derived from the
    // players' records (their targets and moyennes in that round).
    UitslagRec& addGame(qint16 ronde, qint16 poule, qint32 a, qint16 carA, qint16 beurtenA, qint16 serieA,
                        qint32 b, qint16 carB, qint16 beurtenB, qint16 serieB,
                        const QDate& datum = QDate(2026, 10, 1));
    // Sets the poules record of a round (rounds in between get a record too).
    PouleRec& setRound(qint16 ronde, qint16 aantalPoules);

    TournamentFileSet files() const;
    // Writes settings, players, results (unless told not to) and poules files;
    // stops at the first that fails, with the reason in `why`.
    TournamentFileSet write(bool withResults = true, QString* why = nullptr) const;

private:
    const SpelerRec* player(qint32 nummer, qint16 ronde) const;
    QString m_folder;
    int m_nummer;
};

// The demo tournament: "Demo toernooi", number 001, one round of four poules.
TournamentBuilder demoTournament(const QString& folder);
TournamentFileSet writeDemoTournament(const QString& folder, QString* why = nullptr);

} // namespace core
