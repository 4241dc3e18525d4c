#include "PrintPlanning.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/planning.h"
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"

#include <algorithm>

using namespace modStootplanner;
using platform::Tab;

namespace planning {

namespace {
constexpr int TafelBreedte = 4560;
constexpr int TijdLinks = 600;
constexpr int TijdRechts = 1300;

// The heights of the grid, closer together where its frame would run below the printable
// height (Letter paper, wide printer margins): the printer would otherwise start a page by
// itself partway through the grid, and the rules would run off the paper.
struct Heights {
    double base = 0;
    double scale = 1;
    double operator()(double y) const { return base + (y - base) * scale; }
};

Heights fitHeights(const platform::Printer& P, const PrintLayout& l)
{
    const double bottom = std::max(l.frameBottom, l.ruleBase + l.rowHeight * l.ruleCount);
    Heights h{double(l.ruleBase)};
    if (bottom > P.ScaleHeight())
        h.scale = std::max(0.0, P.ScaleHeight() - l.ruleBase) / (bottom - l.ruleBase);
    return h;
}

// How large the grid is drawn: where the page is narrower than a full block (wide printer margins), all
// its widths and its face k times as large, so that its last table, rules and all, stays on the paper.
double fitWidth(const platform::Printer& P, const PrintLayout& l)
{
    const double full = TafelBreedte * l.perBlock + TijdRechts + 15;   // and the rule's own width
    return std::min(1.0, P.ScaleWidth() / full);
}

} // namespace

const PrintLayout& LandscapeLayout()
{
    static const PrintLayout l{platform::OrientationLandscape, 3, 507, 17, 1893, 2400, 10507, 2910, 980,
                               {18, 44, 70, 97, 123, 149}, {32, 81, 129}};
    return l;
}

const PrintLayout& PortraitLayout()
{
    static const PrintLayout l{platform::OrientationPortrait, 2, 425, 32, 2000, 2425, 15600, 2850, 960,
                               {18, 44, 70, 97}, {32, 81}};
    return l;
}

void PrintPlanningGrid(const QList<int>& block, const PrintLayout& layout, double y, double k)
{
    auto& P = platform::printer();
    P.setFontSize(11 * k);
    P.setFontBold(true);
    P.setCurrentX(800 * k);
    P.setCurrentY(y);
    P.Print({QStringLiteral("Tijd")}, platform::NoLineEnd);
    for (int place = 0; place < block.size() && place < layout.headTabs.size(); ++place)
        P.Print({Tab(layout.headTabs.at(place)), QStringLiteral("Tafel nr ") + core::signedNum(block.at(place))},
                platform::NoLineEnd);
    P.Print();
    P.setFontBold(false);
}

void PrintPlanning(const PlanningPrint& pl)
{
    const QList<int> used = core::usedTables(pl.aantalTafels, pl.aantalPartijen, pl.captions);
    if (used.isEmpty()) {
        platform::MsgBox(QStringLiteral("U kunt geen lege planning printen !"), platform::vbExclamation, MeldingTitel);
        return;
    }
    MeldingTekst = QStringLiteral("Planning Nr: ") + pl.nummerText + QStringLiteral("    d.d. ") + pl.datumText
                   + QStringLiteral(" in ronde ") + core::signedNum(HuidigeRonde);

    print::RunPrint(QStringLiteral("frmPlanning printen"), [&] {
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(core::printLandscape(pl.aantalPartijen) ? platform::OrientationLandscape
                                                                 : platform::OrientationPortrait);
        P.setFontName(QStringLiteral("Times New Roman"));
        P.Print();
        PrintPagina = 1;
        const PrintLayout* layout = nullptr;
        if (P.Orientation() == platform::OrientationPortrait)
            layout = &PortraitLayout();
        else if (P.Orientation() == platform::OrientationLandscape)
            layout = &LandscapeLayout();
        if (layout) {
            const QList<QList<int>> blocks = core::printBlocks(pl.aantalTafels, used, layout->perBlock);
            for (int b = 0; b < blocks.size(); ++b) {
                const QList<int>& block = blocks.at(b);
                if (b > 0)
                    P.NewPage();
                PrintPageHeader(layout->orientatie, MeldingTekst, PrintPagina);
                const Heights y = fitHeights(P, *layout);
                const double k = fitWidth(P, *layout);
                PrintPlanningGrid(block, *layout, y(2500), k);

                const int n = int(block.size());
                const double right = (TafelBreedte * n + TijdRechts) * k;
                const double top = y(layout->frameTop), bottom = y(layout->frameBottom);
                const auto sideRule = [&](int i) { return (TafelBreedte * i - layout->sideRuleOffset) * k; };
                const auto rightEdge = [&](int i) { return (TafelBreedte * i + TijdRechts) * k; };
                P.Line(TijdLinks * k, top, TijdLinks * k, bottom);
                P.Line(TijdRechts * k, top, TijdRechts * k, bottom);
                for (int i = 1; i <= n; ++i) {
                    P.Line(sideRule(i), y(layout->sideRuleTop), sideRule(i), bottom);
                    P.Line(rightEdge(i), top, rightEdge(i), bottom);
                }
                for (int j = 1; j <= layout->ruleCount; ++j) {
                    const double rule = y(layout->ruleBase + layout->rowHeight * j);
                    P.Line(TijdLinks * k, rule, right, rule);
                }

                const bool fullLandscape = layout->orientatie == platform::OrientationLandscape && n == 3;
                // A cell ends a blank before the first rule on its right, else on the paper; where it is wider,
                // its name gives way, its initial and target stay whole.
                const auto fitted = [&](const QString& naam, int tab) {
                    const double blank = P.TextWidth(QStringLiteral(" "));
                    double rule = P.ScaleWidth() + blank;
                    for (int i = 1; i <= n; ++i)
                        for (double x : {sideRule(i), rightEdge(i)})
                            if (x > P.TabX(tab))
                                rule = std::min(rule, x);
                    return print::WithinRoom(P, naam, rule - blank - P.TabX(tab));
                };
                for (int s = 1; s <= pl.aantalPartijen; ++s) {
                    P.setCurrentX(700 * k);
                    P.setCurrentY(y(2500 + layout->rowHeight * s));
                    P.Print({pl.tijden.value(s - 1)}, platform::NoLineEnd);
                    for (int place = 0; place < n; ++place) {
                        const int t = block.at(place);
                        const QString kant1 =
                            core::rightTrimmed(pl.captions.value(core::cellElement(t, s, 1, pl.aantalPartijen) - 1));
                        const QString kant2 =
                            core::rightTrimmed(pl.captions.value(core::cellElement(t, s, 2, pl.aantalPartijen) - 1));
                        const bool last = place == n - 1;
                        const int tab1 = layout->textTabs.at(2 * place), tab2 = layout->textTabs.at(2 * place + 1);
                        P.Print({Tab(tab1), fitted(kant1, tab1), Tab(tab2), fitted(kant2, tab2)},
                                last && fullLandscape ? platform::EndLine : platform::NoLineEnd);
                    }
                }
                ++PrintPagina;
            }
        }
        P.EndDoc();
        platform::MsgBox(QStringLiteral("Planning wordt uitgeprint"), platform::vbInformation, QStringLiteral("Gereed"));
    });
}

} // namespace planning
