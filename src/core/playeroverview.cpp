#include "playeroverview.h"
#include "carryover.h"
#include "format.h"
#include "oledate.h"
#include <algorithm>

namespace core {

namespace {

const QString Blank = QStringLiteral(" ");

QString whole(Fixed v) { return signedNum(v.wholePart()); }

// The standings row of the player; with needInnings only one with innings above 0.
int findStandRow(const Standings& s, qint32 speler, bool needInnings)
{
    for (int r = 0; r < s.aantal(); ++r) {
        const StandRij& rij = s.rijen[size_t(r)];
        if (rij[KolNummer] != Fixed::fromInt(speler))
            continue;
        if (needInnings && !(rij[KolBeurten] > Fixed()))
            continue;
        return r;
    }
    return -1;
}

// Sub-items 2 to 15 of a subtotal or one-round total row.
QStringList standFigures(const QString& word, const StandRij& rij, int dec)
{
    QStringList sub;
    sub << word << whole(rij[KolPunten]) << whole(rij[KolCar]) << whole(rij[KolBeurten])
        << truncatedText(rij[KolMoyenne], dec) << whole(rij[KolHoogsteSerie]) << truncatedText(rij[KolProcentCar], dec)
        << truncatedText(rij[KolProcentMoy], dec);
    for (int i = 10; i <= 15; ++i)
        sub << Blank;
    return sub;
}

OverviewRow separatorRow()
{
    OverviewRow r;
    r.kind = OverviewRow::Separator;
    r.text = Blank;
    for (int i = 0; i < OverviewSubItems; ++i)
        r.sub << Blank;
    return r;
}

} // namespace

std::vector<OverviewPlayer> overviewPlayers(const std::vector<SpelerRec>& spelers, int ronde, int poule)
{
    std::vector<OverviewPlayer> out;
    for (const SpelerRec& s : spelers)
        if (s.ronde == ronde && s.poule == poule)
            out.push_back({PadNumber5(s.nummer), rightTrimmed(s.naam), rightTrimmed(s.voorletters), int(out.size()) + 1});
    return out;
}

void sortOverviewPlayers(std::vector<OverviewPlayer>& players, int column)
{
    if (column != 0 && column != 1)
        return;
    std::stable_sort(players.begin(), players.end(), [column](const OverviewPlayer& a, const OverviewPlayer& b) {
        const QString& x = column == 0 ? a.nr : a.naam;
        const QString& y = column == 0 ? b.nr : b.naam;
        return compareListText(x, y) < 0;
    });
}

QString overviewMoyenneText(qint64 car, qint64 beurten, int decimals)
{
    qint64 scale = 1;
    for (int i = 0; i < decimals; ++i)
        scale *= 10;
    // floor(car x 10^d / beurten) exactly: no floating-point step can lose the last digit.
    qint64 num = car * scale;
    qint64 q = num / beurten;
    if ((num % beurten != 0) && ((num < 0) != (beurten < 0)))
        --q;
    qint64 toRaw = 1;
    for (int i = decimals; i < 4; ++i)
        toRaw *= 10;
    return truncatedText(Fixed::fromRaw(q * toRaw), decimals);
}

int decimalTextDigits(const QString& text)
{
    QString t = text.trimmed();
    int end = 0;
    if (end < t.size() && (t.at(end) == QLatin1Char('-') || t.at(end) == QLatin1Char('+')))
        ++end;
    while (end < t.size() && t.at(end).isDigit())
        ++end;
    bool ok = false;
    const qint64 v = t.left(end).toLongLong(&ok);
    return DigitCount(ok ? v : qint64(0));
}

std::vector<OverviewRow> buildPlayerOverview(const OverviewInput& in)
{
    std::vector<OverviewRow> rows;
    const int dec = overviewDecimals(in.aantalDecimalen);
    const int first = in.alleRonden ? 1 : in.huidigeRonde;
    const int last = in.huidigeRonde;
    Fixed totPunten, totCar, totBeurten, totSerie;
    int laatstePoule = 0;
    static const std::vector<UitslagRec> none;
    const std::vector<UitslagRec>& uitslagen = in.uitslagen ? *in.uitslagen : none;

    auto addSubtotal = [&](const StandRij& rij, const QString& lead) {
        OverviewRow r;
        r.kind = OverviewRow::Subtotal;
        r.text = lead;
        r.sub << lead << standFigures(OverviewSubtotaal, rij, dec);
        rows.push_back(r);
        totPunten += rij[KolPunten];
        totCar += rij[KolCar];
        totBeurten += rij[KolBeurten];
        if (rij[KolHoogsteSerie] >= totSerie)
            totSerie = rij[KolHoogsteSerie];
        rows.push_back(separatorRow());
    };

    for (int R = first; R <= last; ++R) {
        for (const UitslagRec& u : uitslagen) {
            if (u.ronde != R)
                continue;
            const UitslagSpeler* zelf = nullptr;
            const UitslagSpeler* tegen = nullptr;
            if (u.speler1.nummer == in.speler) {
                zelf = &u.speler1;
                tegen = &u.speler2;
            } else if (u.speler2.nummer == in.speler) {
                zelf = &u.speler2;
                tegen = &u.speler1;
            } else {
                continue;
            }
            laatstePoule = u.poule;
            OverviewRow r;
            r.kind = OverviewRow::Game;
            r.text = signedNum(u.ronde);
            r.sub << QString::number(u.poule) << dateText(oleDateToDate(u.datum)) << signedNum(zelf->punten)
                  << signedNum(zelf->car) << signedNum(zelf->beurten) << truncatedText(zelf->moyenne, dec)
                  << signedNum(zelf->hoogsteSerie) << truncatedText(zelf->procentCar, dec)
                  << truncatedText(zelf->procentMoy, dec) << (in.fullName ? in.fullName(tegen->nummer) : QString())
                  << signedNum(tegen->punten) << signedNum(tegen->car) << signedNum(tegen->beurten)
                  << truncatedText(tegen->moyenne, dec) << signedNum(tegen->hoogsteSerie);
            rows.push_back(r);
        }

        if (first == last) {
            // One round: the total is the player's row in the window's poule.
            if (!in.standings)
                continue;
            const Standings s = in.standings(in.huidigePoule, R);
            const int r = findStandRow(s, in.speler, false);
            if (r < 0)
                continue;
            OverviewRow t;
            t.kind = OverviewRow::Total;
            t.text = Blank;
            t.sub << Blank << standFigures(OverviewTotaal, s.rijen[size_t(r)], dec);
            rows.push_back(t);
            continue;
        }

        if (in.standings) {
            const Standings s = in.standings(laatstePoule, R);
            const int r = findStandRow(s, in.speler, true);
            if (r >= 0)
                addSubtotal(s.rijen[size_t(r)], R == last ? Blank : QString());
        }
        if (R == last) {
            OverviewRow t;
            t.kind = OverviewRow::Total;
            t.sub << QString() << OverviewTotaal << whole(totPunten) << whole(totCar) << whole(totBeurten);
            const bool nvt = !(totBeurten > Fixed());
            t.sub << (nvt ? OverviewNvt : overviewMoyenneText(totCar.wholePart(), totBeurten.wholePart(), dec))
                  << whole(totSerie) << Blank << Blank;
            for (int i = 10; i <= 15; ++i)
                t.sub << Blank;
            rows.push_back(t);
        }
    }
    return rows;
}

} // namespace core
