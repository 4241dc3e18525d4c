#include "PrintStand.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "modStand.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"
#include <algorithm>
#include <cmath>

namespace modStand {

using platform::Tab;

double NumberOfText(const QString& text)
{
    QString t = text.trimmed();
    t.replace(QLatin1Char(','), QLatin1Char('.'));
    bool ok = false;
    const double v = t.toDouble(&ok);
    return ok ? v : 0.0;
}

namespace {

constexpr int StandRowsPerPage = 28;
constexpr int WinnersLinesPerPage = 49;

int digitsOf(const QString& text)
{
    return core::DigitCount(std::floor(NumberOfText(text)));
}

// vl: the column of the initials' title, further right where the names need the room.
// In the size of the rows.
void printStandHeader(bool mp, int vl = 39)
{
    auto& P = platform::printer();
    P.setFontBold(true);
    P.Print({Tab(7), "Pos", Tab(12), "Naam", Tab(vl), "Vl", Tab(50), "Part", Tab(58), mp ? "MP" : "Pnt",
             Tab(65), "Car", Tab(74), "Brt", Tab(83), "Moy", Tab(92), "HS", Tab(100), "P.moy", Tab(112),
             "% car", Tab(122), "% moy", Tab(135), "W", Tab(140), "R", Tab(145), "V"});
    P.setFontBold(false);
}

void printWinnersHeader(int vl)
{
    auto& P = platform::printer();
    P.setFontBold(true);
    P.Print({Tab(7), "Nr", Tab(16), "Naam", Tab(vl), "Vl", Tab(51), "Poule", Tab(60), "Plaats", Tab(70), "Pnt",
             Tab(79), "Moy", Tab(89), "% car", Tab(100), "% moy"});
    P.setFontBold(false);
}

} // namespace

void PrintStandHeaderPnt() { printStandHeader(false); }
void PrintStandHeaderMP() { printStandHeader(true); }

bool PrintStandLines(const QList<core::StandLine>& rijen, qint16 poule)
{
    using namespace modStootplanner;
    const bool mp = MatchpuntenModus;
    MeldingTekst = core::standPrintTitle(HuidigeRonde, poule, mp);
    return print::RunPrint(QStringLiteral("frmStand"), [&] {
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(platform::OrientationLandscape);
        P.setFontName(QStringLiteral("Times New Roman"));
        // The initials go as far right as the longest name needs, while the widest still end before the games.
        QStringList namen, voorletters;
        int partijen = 0;
        for (const core::StandLine& r : rijen) {
            namen << r.sub.value(0);
            voorletters << r.sub.value(1);
            partijen = std::max(partijen, digitsOf(r.sub.value(2)));
        }
        // Two decimals put the decimal point of Moy and P.moy one column further right.
        const int moyTab = Toernooi.aantalDecimalen == 2 ? 89 : 88;
        const int pmoyTab = Toernooi.aantalDecimalen == 2 ? 109 : 108;
        P.setFontSize(12);
        const int vl = print::ColumnAfterNames(P, namen, 13, 41, voorletters, 57 - partijen);
        QList<QList<platform::PrintItem>> regels;
        for (const core::StandLine& r : rijen) {
            auto sub = [&r](int i) { return r.sub.value(i - 1); };
            auto at = [&](int column, int i) { return Tab(column - digitsOf(sub(i))); };
            regels.append({Tab(9 - core::DigitCount(qint64(regels.size() + 1))), r.text, Tab(13), sub(1), Tab(vl),
                           sub(2), at(57, 3), sub(3), at(64, 4), sub(4), at(72, 5), sub(5), at(81, 6), sub(6),
                           at(moyTab, 7), sub(7), at(100, 8), sub(8), at(pmoyTab, 9), sub(9), at(121, 10), sub(10),
                           at(133, 11), sub(11), at(146, 12), sub(12), at(151, 13), sub(13), at(156, 14), sub(14)});
        }
        // Every page in 12 pt, or smaller where the page is narrower than the line.
        const auto page = [&](int pagina, int kopregels) {
            PrintPageHeader(2, MeldingTekst, pagina);
            P.setFontSize(12);
            const auto rij = print::RowGrid::fit(P, print::RowsOnPage(rijen.size(), StandRowsPerPage, pagina),
                                                 kopregels, regels);
            printStandHeader(mp, vl - 2);
            return rij;
        };
        print::RowGrid rij = page(1, 2);
        P.Print();
        PrintPagina = 1;
        PrintRegel = 0;
        for (const auto& regel : regels) {
            rij.place(P, PrintRegel);
            print::PrintFitted(P, regel);
            ++PrintRegel;
            if (PrintRegel >= StandRowsPerPage) {
                PrintRegel = 0;
                ++PrintPagina;
                P.NewPage();
                rij = page(PrintPagina, 1);
            }
        }
        P.EndDoc();
        platform::MsgBox(QStringLiteral("Stand wordt uitgeprint"), platform::vbInformation, QStringLiteral("Gereed"));
    });
}

bool PrintWinnersLines(const QList<WinnerLine>& regels)
{
    using namespace modStootplanner;
    return print::RunPrint(QStringLiteral("frmWinnars"), [&] {
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(platform::OrientationPortrait);
        P.setFontName(QStringLiteral("Times New Roman"));
        MeldingTekst = QStringLiteral("Overzicht poulewinnaars");
        PrintPageHeader(1, MeldingTekst, 1);
        PrintPagina = 1;
        PrintRegel = 0;
        QStringList namen, voorletters;
        int poules = 0;
        for (const WinnerLine& r : regels) {
            namen << r.value(1);
            voorletters << r.value(2);
            poules = std::max(poules, digitsOf(r.value(3)));
        }
        P.setFontSize(12);
        const int vl = print::ColumnAfterNames(P, namen, 17, 44, voorletters, 58 - poules);
        QList<QList<platform::PrintItem>> lijnen;
        for (const WinnerLine& r : regels) {
            auto at = [&](int column, int i) { return Tab(column - digitsOf(r.value(i))); };
            lijnen.append({Tab(7), r.value(0), Tab(17), r.value(1), Tab(vl), r.value(2), at(58, 3), r.value(3),
                           at(68, 4), r.value(4), at(77, 5), r.value(5), at(84, 6), r.value(6), at(96, 7), r.value(7),
                           at(109, 8), r.value(8)});
        }
        // Continuation pages keep the size the page header leaves behind.
        const auto rijen = [&] {
            return print::RowGrid::fit(P, print::RowsOnPage(regels.size(), WinnersLinesPerPage, PrintPagina), 1,
                                       lijnen);
        };
        print::RowGrid rij = rijen();
        printWinnersHeader(vl - 2);
        for (const auto& lijn : lijnen) {
            rij.place(P, PrintRegel);
            print::PrintFitted(P, lijn);
            ++PrintRegel;
            if (PrintRegel >= WinnersLinesPerPage) {
                PrintRegel = 0;
                ++PrintPagina;
                P.NewPage();
                PrintPageHeader(1, MeldingTekst, PrintPagina);
                rij = rijen();
                printWinnersHeader(vl - 2);
            }
        }
        P.EndDoc();
        platform::MsgBox(QStringLiteral("Lijstje wordt uitgeprint"), platform::vbInformation,
                         QStringLiteral("Gereed"));
    });
}

} // namespace modStand
