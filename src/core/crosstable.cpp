#include "crosstable.h"
#include "carryover.h"
#include "format.h"
#include <algorithm>

namespace core {

QString matrixEntryText(const QString& naam, const QString& voorletters)
{
    return rightTrimmed(naam) + QStringLiteral(", ") + voorletters.left(1);
}

std::vector<MatrixEntry> matrixPlayers(const std::vector<SpelerRec>& spelers, int poule, int ronde)
{
    std::vector<MatrixEntry> out;
    for (const SpelerRec& s : spelers)
        if (s.poule == poule && s.ronde == ronde)
            out.push_back({matrixEntryText(s.naam, s.voorletters), s.nummer});
    std::stable_sort(out.begin(), out.end(), [](const MatrixEntry& a, const MatrixEntry& b) {
        return compareListText(a.text, b.text) < 0;
    });
    return out;
}

int matrixIndexOf(const std::vector<MatrixEntry>& entries, qint32 nummer)
{
    for (size_t k = 0; k < entries.size(); ++k)
        if (entries[k].nummer == nummer)
            return int(k);
    return -1;
}

qint16 matrixTarget(const std::vector<SpelerRec>& spelers, qint32 nummer, int ronde)
{
    for (const SpelerRec& s : spelers) {
        if (s.nummer != nummer || s.ronde != ronde)
            continue;
        if (ronde == 1 && s.aangepastTeMakenCar != 0)
            return s.aangepastTeMakenCar;
        return s.teMakenCar;
    }
    return 0;
}

std::vector<MatrixCell> matrixCells(const std::vector<MatrixEntry>& entries, const std::vector<UitslagRec>& uitslagen,
                                    int poule, int ronde, bool puntenInMatrix)
{
    const size_t n = entries.size();
    std::vector<MatrixCell> cells(n * n);
    auto apply = [&](int row, int col, const UitslagSpeler& s) {
        MatrixCell& c = cells[size_t(row) * n + size_t(col)];
        if (s.uitslagCode >= 1 && s.uitslagCode <= 3)
            c.code = s.uitslagCode;
        if (puntenInMatrix) {
            c.hasPoints = true;
            c.punten = s.punten;
        }
    };
    for (const UitslagRec& u : uitslagen) {
        if (u.poule != poule || u.ronde != ronde)
            continue;
        const int a = matrixIndexOf(entries, u.speler1.nummer);
        const int b = matrixIndexOf(entries, u.speler2.nummer);
        // A game against someone outside the poule (or against oneself) has no cell.
        if (a < 0 || b < 0 || a == b)
            continue;
        apply(a, b, u.speler1);
        apply(b, a, u.speler2);
    }
    return cells;
}

MatrixGeometry matrixGeometry(int n)
{
    MatrixGeometry g;
    if (n < 8) {
        g.formHeight = 5100;
        g.formWidth = 5200;
    } else if (n <= 20) {
        g.formHeight = (n - 7) * 300 + 5100;
        g.formWidth = (n - 7) * 300 + 5200;
    } else if (n <= 36) {
        g.formHeight = 9255;
        g.formWidth = (n - 7) * 300 + 5700;
    } else {
        g.formHeight = 9255;
        g.formWidth = 14400;
    }
    g.panelSize = n * 300 + 20;
    g.viewportWidth = n <= 36 ? n * 300 + 40 : 10840;
    g.viewportHeight = n <= 20 ? n * 300 + 40 : 6040;
    if (n > 20) {
        g.vScroll = true;
        g.vMax = n - 20;
        g.vLeft = n <= 36 ? n * 300 + 2720 : 13520;
    }
    if (n > 36) {
        g.hScroll = true;
        g.hMax = n - 36;
    }
    return g;
}

int matrixSheetCount(int n)
{
    if (n <= 0)
        return 0;
    return n / MatrixVelMaat + (n % MatrixVelMaat > 0 ? 1 : 0);
}

SheetRange matrixSheetRange(int r, int n)
{
    return {(r - 1) * MatrixVelMaat + 1, std::min((r - 1) * MatrixVelMaat + MatrixVelMaat, n)};
}

QString matrixSheetHeading(const QString& toernooiNaam, int p, int r, int c)
{
    if (p < 2)
        return rightTrimmed(toernooiNaam);
    return rightTrimmed(toernooiNaam) + QStringLiteral("   Blad ") + signedNum(r) + QLatin1Char('.') + signedNum(c)
        + QLatin1Char('.');
}

QString matrixSheetQuestion(int p)
{
    return QStringLiteral("De matrix wordt uitgeprint op ") + signedNum(qint64(p) * p) + QStringLiteral(" vellen.")
        + QStringLiteral("\r\nWilt u doorgaan ?");
}

int matrixPointsOffset(int punten)
{
    if (punten < 10)
        return 175;
    if (punten < 100)
        return 100;
    return 25;
}

std::vector<std::vector<int>> stillToPlay(const std::vector<MatrixEntry>& entries,
                                          const std::vector<UitslagRec>* uitslagen, int poule, int ronde)
{
    const size_t n = entries.size();
    // met[a][b]: a game of the pair in this poule and round exists.
    std::vector<char> met(n * n, 0);
    if (uitslagen) {
        for (const UitslagRec& u : *uitslagen) {
            if (u.poule != poule || u.ronde != ronde)
                continue;
            const int a = matrixIndexOf(entries, u.speler1.nummer);
            const int b = matrixIndexOf(entries, u.speler2.nummer);
            if (a < 0 || b < 0)
                continue;
            met[size_t(a) * n + size_t(b)] = 1;
            met[size_t(b) * n + size_t(a)] = 1;
        }
    }
    std::vector<std::vector<int>> out(n);
    for (size_t a = 0; a < n; ++a)
        for (size_t b = 0; b < n; ++b)
            if (a != b && !met[a * n + b])
                out[a].push_back(int(b));
    return out;
}

QString stillToPlayTitle(int ronde, int poule)
{
    return QStringLiteral("Lijstje wie tegen wie in ronde ") + signedNum(ronde) + QStringLiteral(" en in poule ")
        + signedNum(poule);
}

} // namespace core
