#pragma once
// Shared set-up of the rounds tests: a main window over a tournament in a
// temporary folder, a round 1 with results, and texts of lists and records.
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "composition.h"
#include "core/recordfile.h"
#include "support/standings_fixture.h"
#include "support/tournamentfixture.h"
#include <QComboBox>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

namespace testsupport::roundsenv {

using namespace standtest;

// A fresh tournament folder, program folder and main window; message boxes are recorded, never shown.
struct RoundsEnv {
    RoundsEnv()
    {
        QLocale::setDefault(QLocale::c());
        modStootplanner::ProgrammaMap = prog.path() + QLatin1Char('/');
        hoofd = new mdiHoofd;
        composition::RegisterMenus(*hoofd);
    }
    ~RoundsEnv() { delete hoofd; }
    core::TournamentBuilder& builder() { return tournament.builder(); }
    void load() { tournament.load(); }
    platform::ScriptedMessages msgs;
    TournamentFixture tournament;
    QTemporaryDir prog;
    mdiHoofd* hoofd = nullptr;
};

inline core::Fixed fx(double v) { return core::Fixed::fromDouble(v); }

// Round 1 with poules of the given sizes, players p*10 + i, all moyenne 1.00 (target 25). The lower number
// beats the higher 25 to 20 in 20 innings, so places follow the numbers. The numbers 4 lose with 10 (poule 1),
// 20 (poule 2) and 15 (poule 3), but in poule 3 the number 4 draws with the number 3: he has the most match
// points of the numbers 4, the number 4 of poule 2 the highest moyenne. Round 2 exists with one poule.
inline void buildRound1(core::TournamentBuilder& b, const std::vector<int>& sizes)
{
    b.toernooi.aanpassenPerRonde = core::Nee;
    const qint16 R = qint16(sizes.size());
    for (qint16 p = 1; p <= R; ++p)
        for (int i = 1; i <= sizes[size_t(p - 1)]; ++i)
            b.addPlayer(p * 10 + i, QStringLiteral("Speler%1").arg(p * 10 + i), QStringLiteral("V.%1").arg(i), 1, p,
                        fx(1.0));
    for (qint16 p = 1; p <= R; ++p)
        for (int i = 1; i <= sizes[size_t(p - 1)]; ++i)
            for (int j = i + 1; j <= sizes[size_t(p - 1)]; ++j) {
                const qint16 verlies = j != 4 ? 20 : p == 1 ? 10 : p == 2 ? 20 : i == 3 ? 25 : 15;
                b.addGame(1, p, p * 10 + i, 25, 20, 5, p * 10 + j, verlies, 20, 3);
            }
    b.setRound(1, R);
    b.setRound(2, 1);
}

inline void checkRow(QTreeWidget* l, const QString& nr)
{
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->text(0) == nr)
            l->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

// The items joined by '|', '#' and the current index.
inline QString comboText(QComboBox* c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items.join(QLatin1Char('|')) + QLatin1Char('#') + QString::number(c->currentIndex());
}

inline std::vector<core::SpelerRec> storedPlayers()
{
    return core::RecordFile<core::SpelerRec>::readAll(modStootplanner::PadSpelers());
}

inline core::PouleRec storedPoule(int ronde)
{
    return core::RecordFile<core::PouleRec>::read(modStootplanner::PadPoules(), ronde).value_or(core::PouleRec{});
}

// nummer|naam|vl|ronde|poule|car|moyenne raw|adjusted car|adjusted moyenne raw
inline QString recText(const core::SpelerRec& s)
{
    const QStringList f{QString::number(s.nummer), s.naam, s.voorletters, QString::number(s.ronde),
                        QString::number(s.poule), QString::number(s.teMakenCar), QString::number(s.moyenne.raw),
                        QString::number(s.aangepastTeMakenCar), QString::number(s.aangepasteMoyenne.raw)};
    return f.join(QLatin1Char('|'));
}

} // namespace testsupport::roundsenv
