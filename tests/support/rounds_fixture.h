#pragma once
// Shared set-up of the rounds tests: a main window over a tournament in a
// temporary folder, a round 1 with results, and texts of lists and records.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "platform/msgbox.h"
#include "support/tournamentfixture.h"
#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTreeWidget>
#include <QtTest>

namespace testsupport::roundsenv {

// A fresh tournament folder, program folder and main window; message boxes
// are recorded, never shown.
struct RoundsEnv {
    RoundsEnv();
    ~RoundsEnv() { delete hoofd; }
    core::TournamentBuilder& builder() { return tournament.builder(); }
    void load() { tournament.load(); }
    platform::ScriptedMessages msgs;
    TournamentFixture tournament;
    QTemporaryDir prog;
    mdiHoofd* hoofd = nullptr;
};

inline core::Fixed fx(double v) { return core::Fixed::fromDouble(v); }

// Round 1 with poules of the given sizes, players p*10 + i, all moyenne 1.00
// (target 25). The lower number beats the higher 25 to 20 in 20 innings, so
// places follow the numbers. The numbers 4 lose with 10 (poule 1), 20
// (poule 2) and 15 (poule 3), but in poule 3 the number 4 draws with the
// number 3: he has the most match points of the numbers 4, the number 4 of
// poule 2 the highest moyenne. Round 2 exists with one poule.
void buildRound1(core::TournamentBuilder& b, const std::vector<int>& sizes);

QStringList column(QTreeWidget* l, int c);
QString joined(QTreeWidget* l, int c, bool sorted = false);   // a column's texts joined by blanks
QString row(QTreeWidget* l, int r);      // a row's texts joined by '|'
void checkRow(QTreeWidget* l, const QString& nr);
QString comboText(QComboBox* c);         // items joined by '|', '#' and the current index

std::vector<core::SpelerRec> storedPlayers();
core::PouleRec storedPoule(int ronde);
// nummer|naam|vl|ronde|poule|car|moyenne raw|adjusted car|adjusted moyenne raw
QString recText(const core::SpelerRec& s);

// Box i as "title|icon|prompt", or "-" when there is none.
QString shown(const platform::ScriptedMessages& m, int i);
QString boxText(const QString& title, int icon, const QString& prompt);

} // namespace testsupport::roundsenv
