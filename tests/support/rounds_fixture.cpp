#include "rounds_fixture.h"
#include "composition.h"
#include "core/recordfile.h"

namespace testsupport::roundsenv {

RoundsEnv::RoundsEnv()
{
    QLocale::setDefault(QLocale::c());
    modStootplanner::ProgrammaMap = prog.path() + QLatin1Char('/');
    hoofd = new mdiHoofd;
    composition::RegisterMenus(*hoofd);
}

void buildRound1(core::TournamentBuilder& b, const std::vector<int>& sizes)
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

QStringList column(QTreeWidget* l, int c)
{
    QStringList out;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        out << l->topLevelItem(i)->text(c);
    return out;
}

QString joined(QTreeWidget* l, int c, bool sorted)
{
    QStringList t = column(l, c);
    if (sorted)
        t.sort();
    return t.join(QLatin1Char(' '));
}

QString row(QTreeWidget* l, int r)
{
    QStringList out;
    for (int c = 0; c < l->columnCount(); ++c)
        out << l->topLevelItem(r)->text(c);
    return out.join(QLatin1Char('|'));
}

void checkRow(QTreeWidget* l, const QString& nr)
{
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        if (l->topLevelItem(i)->text(0) == nr)
            l->topLevelItem(i)->setCheckState(0, Qt::Checked);
}

QString comboText(QComboBox* c)
{
    QStringList items;
    for (int i = 0; i < c->count(); ++i)
        items << c->itemText(i);
    return items.join(QLatin1Char('|')) + QLatin1Char('#') + QString::number(c->currentIndex());
}

std::vector<core::SpelerRec> storedPlayers()
{
    return core::RecordFile<core::SpelerRec>::readAll(modStootplanner::PadSpelers());
}

core::PouleRec storedPoule(int ronde)
{
    return core::RecordFile<core::PouleRec>::read(modStootplanner::PadPoules(), ronde).value_or(core::PouleRec{});
}

QString recText(const core::SpelerRec& s)
{
    const QStringList f{QString::number(s.nummer), s.naam, s.voorletters, QString::number(s.ronde),
                        QString::number(s.poule), QString::number(s.teMakenCar), QString::number(s.moyenne.raw),
                        QString::number(s.aangepastTeMakenCar), QString::number(s.aangepasteMoyenne.raw)};
    return f.join(QLatin1Char('|'));
}

QString shown(const platform::ScriptedMessages& m, int i)
{
    if (i < 0 || i >= m.boxes.size())
        return QStringLiteral("-");
    return boxText(m.boxes[i].title, m.boxes[i].icon(), m.boxes[i].prompt);
}

QString boxText(const QString& title, int icon, const QString& prompt)
{
    return title + QLatin1Char('|') + QString::number(icon) + QLatin1Char('|') + prompt;
}

} // namespace testsupport::roundsenv
