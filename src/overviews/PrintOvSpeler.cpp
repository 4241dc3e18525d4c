#include "PrintOvSpeler.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/namefit.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"

using namespace modStootplanner;
using platform::PrintItem;
using platform::Tab;

namespace {

constexpr int RegelsPerPagina = 33;

// Right-aligned at edge e: the text starts DigitCount columns before it.
void rightAt(QList<PrintItem>& line, int edge, const QString& text)
{
    line << Tab(edge - core::decimalTextDigits(text)) << text;
}

// The opponent in 23 characters at most: a longer name gives way to his initials.
PrintItem opponent(const QString& text)
{
    const QString whole = core::rightTrimmed(text);
    const QString shown = core::shortenedName(whole, 23, [](const QString& s) { return double(s.size()); })
                              .value_or(core::rightTrimmed(whole.left(23)));
    return shown == whole ? PrintItem(whole) : PrintItem::Shortened(shown, whole);
}

void headingLine(platform::Printer& P)
{
    P.setFontBold(true);
    P.Print({Tab(7), "Rnd", Tab(12), "Poul", Tab(18), "Datum", Tab(32), "Pnt", Tab(40), "Car", Tab(50), "Brt",
             Tab(60), "Moy", Tab(70), "HS", Tab(80), "% car", Tab(91), "% moy", Tab(102), "Tegenstander", Tab(130),
             "Pnt", Tab(139), "Car", Tab(149), "Brt", Tab(159), "Moy", Tab(169), "HS"});
    P.setFontBold(false);
    P.Print();
}

} // namespace

namespace overviews {

bool PrintPlayerOverview(const QString& speler, const std::vector<core::OverviewRow>& rows)
{
    return print::RunPrint(QStringLiteral("frmOVspeler"), [&] {
        MeldingTekst = QStringLiteral("Overzicht speler ") + core::rightTrimmed(speler);
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(platform::OrientationLandscape);
        P.setFontName(QStringLiteral("Times New Roman"));
        // A two-decimal text is one character shorter: its edge is one column further.
        const int d = Toernooi.aantalDecimalen == 2 ? 1 : 0;
        const auto totaal = [](const core::OverviewRow& r) {
            return r.sub.value(1) == core::OverviewSubtotaal || r.sub.value(1) == core::OverviewTotaal;
        };
        const auto regel = [&](const core::OverviewRow& r) {
            const auto item = [&r](int k) { return r.sub.value(k - 1); };
            QList<PrintItem> line;
            if (totaal(r)) {
                line << Tab(18) << item(2);
                rightAt(line, 34, item(3));
                rightAt(line, 43, item(4));
                rightAt(line, 52, item(5));
                if (item(6) == core::OverviewNvt)
                    line << Tab(59) << item(6);  // ends where a moyenne ends
                else
                    rightAt(line, 61 + d, item(6));
                rightAt(line, 72, item(7));
            } else if (r.text != QLatin1String(" ")) {
                rightAt(line, 10, r.text);
                rightAt(line, 16, item(1));
                line << Tab(19) << item(2);
                rightAt(line, 36, item(3));
                rightAt(line, 45, item(4));
                rightAt(line, 55, item(5));
                rightAt(line, 64 + d, item(6));
                rightAt(line, 76, item(7));
                rightAt(line, 86 + d, item(8));
                rightAt(line, 99 + d, item(9));
                line << Tab(108) << opponent(item(10));
                rightAt(line, 140, item(11));
                rightAt(line, 150, item(12));
                rightAt(line, 160, item(13));
                rightAt(line, 169 + d, item(14));
                rightAt(line, 181, item(15));
            }
            return line;
        };
        QList<QList<PrintItem>> regels;
        for (const core::OverviewRow& r : rows)
            regels << regel(r);
        const int aantal = int(rows.size());
        const auto page = [&] {
            PrintPageHeader(2, MeldingTekst, PrintPagina);
            P.setFontSize(10);
            const auto rij = print::RowGrid::fit(P, print::RowsOnPage(aantal, RegelsPerPagina, PrintPagina), 2, regels);
            headingLine(P);
            return rij;
        };
        PrintPagina = 1;
        PrintRegel = 0;
        print::RowGrid rij = page();
        for (TellerK = 1; TellerK <= aantal; ++TellerK) {
            const core::OverviewRow& r = rows[size_t(TellerK - 1)];
            rij.place(P, PrintRegel);
            P.setFontBold(totaal(r));
            print::PrintFitted(P, regels[TellerK - 1], platform::NoLineEnd);
            P.setFontBold(false);
            P.Print();
            ++PrintRegel;
            if (PrintRegel >= RegelsPerPagina && TellerK < aantal) {
                PrintRegel = 0;
                ++PrintPagina;
                P.NewPage();
                rij = page();
            }
        }
        P.EndDoc();
        platform::MsgBox(QStringLiteral("Overzicht wordt uitgeprint"), platform::vbInformation,
                         QStringLiteral("Gereed"));
    });
}

} // namespace overviews
