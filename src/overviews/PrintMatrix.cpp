// The print-outs of the cross table: the table on landscape sheets of at most
// 30 x 30 players, and the portrait list of games still to play.
#include "PrintMatrix.h"

#include <QFontMetrics>
#include <algorithm>
#include "app/cLogo.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "core/tournamentfiles.h"
#include "platform/formgeometry.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "print/listrows.h"
#include "print/pageheader.h"
#include "print/printjob.h"

using namespace modStootplanner;
using platform::LineShape;
using platform::Tab;

namespace {

const QColor Zwart = Qt::black;

// A black outline with the colour filled 5 twips to the right and down; all k times as large.
void legendRow(platform::Printer& P, double k, double y1, double y2, quint32 kleur, const QString& woord, double tekstY)
{
    P.Line(1700 * k, y1 * k, 2100 * k, y2 * k, Zwart, LineShape::Box);
    P.Line(1705 * k, (y1 + 5) * k, 2105 * k, (y2 + 5) * k, platform::vbColor(kleur), LineShape::FilledBox);
    P.setCurrentX(2200 * k);
    P.setCurrentY(tekstY * k);
    P.Print({woord});
}

QColor cellColour(int code)
{
    switch (code) {
    case 1:
        return platform::vbColor(core::KleurWinst);
    case 2:
        return platform::vbColor(core::KleurRemise);
    default:
        return platform::vbColor(core::KleurVerlies);
    }
}

} // namespace

namespace overviews {

QFont MatrixNameFont()
{
    // No stretch of its own: on a face that is narrow already Qt would widen it.
    QFont f(QStringLiteral("Arial Narrow"));
    f.setPointSizeF(8.25);
    return f;
}

core::MatrixHeads ScreenColumnHeads(const std::vector<core::MatrixEntry>& entries)
{
    // Measured on a picture like the head's own, to the last pixel of a letter's ink, one blank pixel left above
    // it: a letter that reaches the top edge may have lost its top.
    const QImage kop(platform::Px(core::MatrixCelTwips), platform::Px(MatrixHeadTwips),
                     QImage::Format_ARGB32_Premultiplied);
    const double room = kop.height() - platform::Px(MatrixHeadFootTwips) - 1;
    QStringList namen;
    for (const core::MatrixEntry& e : entries)
        namen << e.text;
    return core::fitMatrixHeads(namen, MatrixNameFont().pointSizeF(), MatrixHeadLeastSize, room,
                                [&](const QString& t, double size) {
                                    QFont f = MatrixNameFont();
                                    f.setPointSizeF(size);
                                    const QFontMetricsF fm(f, &kop);
                                    return std::max(fm.horizontalAdvance(t), fm.boundingRect(t).right());
                                });
}

void DrawColumnName(platform::PictureBox* kop, const QString& naam, const QString& tekst, double size)
{
    QFont f = MatrixNameFont();
    f.setPointSizeF(size);
    kop->setFont(f);
    kop->setToolTip(tekst == naam ? QString() : naam);
    kop->setAccessibleName(tekst);
    kop->setBackColor(Qt::white);
    kop->Cls();
    cLogo logo;
    logo.setDrawingObject(kop);
    logo.setCaption(tekst);
    logo.Draw(2);
}

bool PrintMatrix(const MatrixPrint& matrix)
{
    const int n = int(matrix.entries.size());
    // An empty poule has no sheet: as with any print key over an empty list,
    // a beep, and no report of a print that never happened.
    if (n == 0) {
        platform::Beep();
        return false;
    }
    bool printed = false;
    print::RunPrint(QStringLiteral("frmMatrix, matrix"), [&] {
        const int p = core::matrixSheetCount(n);
        if (p > 1) {
            MeldingAntwoord = qint16(platform::MsgBox(core::matrixSheetQuestion(p),
                                                      platform::vbYesNo + platform::vbInformation, MeldingTitel));
            if (MeldingAntwoord == platform::vbNo)
                return;
        }
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(platform::OrientationLandscape);
        P.setFontName(QStringLiteral("Arial Narrow"));
        const bool punten = core::isJa(Toernooi.puntenInMatrix);
        // The targets end as far right as the longest name needs, while they still end a blank before the
        // cells; a name wider still is shortened.
        const auto target = [&](int k) { return k < int(matrix.targets.size()) ? matrix.targets[size_t(k)] : 0; };
        QStringList namen, targets;
        int cijfers = 1;
        for (int k = 0; k < n; ++k) {
            namen << matrix.entries[size_t(k)].text;
            targets << QString::number(target(k));
            cijfers = std::max(cijfers, core::DigitCount(qint64(target(k))));
        }
        // A full sheet reaches x 3400 + 400 m and y 2350 + 275 m (m players across and down). On a page smaller
        // than that (Letter, wide margins) the whole sheet is drawn k times as large: no cell or figure is cut
        // off or sent to a page of its own.
        const double m = std::min(n, 30);
        const double k = std::min({1.0, P.ScaleWidth() / (3400 + 400 * m), P.ScaleHeight() / (2350 + 275 * m)});
        P.setFontSize(10 * k);
        const int cellen = int(3400 * k / P.AverageCharWidth()) + 1;   // the last column starting left of the cells
        const int car = print::ColumnAfterNames(P, namen, 5, 36 - cijfers, targets, cellen) + cijfers;
        // Its title moves along, in bold, whose columns are wider: never into the cells.
        P.setFontBold(true);
        const int voorCellen = int((3400 * k - P.TextWidth(QStringLiteral(" Car"))) / P.AverageCharWidth()) + 1;
        const int carKop = std::max(32, std::min(car - 4, voorCellen));
        P.setFontBold(false);
        // The column heads are written upwards at the printer's own resolution where the window shows its head
        // pictures: from the left of the column, starting 240 twips above the foot of the head and ending a pixel's
        // 15 twips below its top, in the names' face or as much smaller as the longest name needs, never below 7 pt
        // (however small the sheet is drawn).
        const double voet = (500 + MatrixHeadTwips - MatrixHeadFootTwips) * k;
        const double kopRuimte = (MatrixHeadTwips - MatrixHeadFootTwips - 15) * k;
        const core::MatrixHeads koppen = core::fitMatrixHeads(
            namen, MatrixNameFont().pointSizeF() * k, MatrixHeadLeastSize, kopRuimte, [&](const QString& t, double s) {
                P.setFontSize(s);
                return P.TextWidth(t);
            });
        P.setFontSize(10 * k);

        for (int r = 1; r <= p; ++r) {
            for (int c = 1; c <= p; ++c) {
                const core::SheetRange rows = core::matrixSheetRange(r, n);
                const core::SheetRange cols = core::matrixSheetRange(c, n);

                if (FileExists(ProgrammaMap + core::LogoFileName)) {
                    const QImage logo = ClubLogoImage();
                    if (!logo.isNull() && logo.width() > 0 && logo.height() > 0) {
                        double w, h;
                        if (logo.width() > logo.height()) {
                            LogoVerhouding = float(double(logo.height()) / logo.width());
                            w = 1200;
                            h = int(LogoVerhouding * 1200);
                        } else {
                            LogoVerhouding = float(double(logo.width()) / logo.height());
                            w = int(LogoVerhouding * 1200);
                            h = 1200;
                        }
                        P.PaintPicture(logo, 300 * k, 300 * k, w * k, h * k);
                    }
                }

                P.setFontSize(12 * k);
                P.setFontBold(true);
                P.setCurrentX(3400 * k);
                P.setCurrentY(200 * k);
                P.Print({core::matrixSheetHeading(Toernooi.naam, p, r, c)});

                P.setFontSize(10 * k);
                P.setFontBold(false);
                P.Line(1700 * k, 400 * k, 2100 * k, 675 * k, Zwart, LineShape::Box);
                legendRow(P, k, 675, 950, core::KleurWinst, QStringLiteral("winst"), 700);
                legendRow(P, k, 950, 1225, core::KleurRemise, QStringLiteral("remise"), 975);
                legendRow(P, k, 1225, 1500, core::KleurVerlies, QStringLiteral("verlies"), 1250);

                P.setFontBold(true);
                P.setCurrentX(600 * k);
                P.setCurrentY(1500 * k);
                P.Print({Tab(5), QStringLiteral("Matrix in poule ") + core::signedNum(matrix.poule)});
                P.setCurrentX(600 * k);
                P.setCurrentY(1850 * k);
                P.Print({Tab(5), QStringLiteral("Naam"), Tab(carKop), QStringLiteral("Car")});

                P.setFontBold(false);
                for (int e = rows.first, t = 1; e <= rows.last; ++e, ++t) {
                    P.setCurrentX(600 * k);
                    P.setCurrentY((t * 275 + 1855) * k);
                    print::PrintFitted(P, {Tab(5), namen[e - 1], Tab(car - core::DigitCount(qint64(target(e - 1)))),
                                           targets[e - 1]});
                }

                P.setFontSize(koppen.size);
                for (int e = cols.first, u = 1; e <= cols.last; ++e, ++u)
                    P.PrintUpwards((u * 400 + 3000) * k, voet, koppen.texts[e - 1]);
                P.setFontSize(10 * k);

                for (int i = rows.first, t = 1; i <= rows.last; ++i, ++t) {
                    for (int j = cols.first, u = 1; j <= cols.last; ++j, ++u) {
                        const double x1 = (u * 400 + 3000) * k;
                        const double y1 = (t * 275 + 2075) * k;
                        if (i == j) {
                            P.Line(x1, y1, x1 + 400 * k, y1 + 275 * k, Zwart, LineShape::FilledBox);
                            continue;
                        }
                        const size_t at = size_t(i - 1) * size_t(n) + size_t(j - 1);
                        const core::MatrixCell cel = at < matrix.cells.size() ? matrix.cells[at] : core::MatrixCell{};
                        if (cel.code >= 1 && cel.code <= 3) {
                            P.Line(x1, y1, x1 + 400 * k, y1 + 275 * k, Zwart, LineShape::Box);
                            P.Line(x1 + 5 * k, y1 + 5 * k, x1 + 395 * k, y1 + 270 * k, cellColour(cel.code),
                                   LineShape::FilledBox);
                            if (punten && cel.hasPoints) {
                                P.setCurrentY(y1 + 10 * k);
                                P.setCurrentX(x1 + core::matrixPointsOffset(cel.punten) * k);
                                P.Print({cel.text()});
                            }
                        } else {
                            P.Line(x1, y1, x1 + 400 * k, y1 + 275 * k, Zwart, LineShape::Box);
                        }
                    }
                }

                if (r == p && c == p)
                    P.EndDoc();
                else
                    P.NewPage();
            }
        }
        printed = true;
        platform::MsgBox(QStringLiteral("Matrix wordt uitgeprint"), platform::vbInformation, QStringLiteral("Gereed"));
    });
    return printed;
}

bool PrintStillToPlay(qint16 poule, const std::vector<core::MatrixEntry>& entries)
{
    bool printed = false;
    print::RunPrint(QStringLiteral("frmMatrix, lijstje"), [&] {
        if (!FileExists(PadSpelers())) {
            platform::MsgBox(MissingFileMessage(FileSpelers, CheckForm::Closing), platform::vbCritical, MeldingTitel);
            return;
        }
        const bool metUitslagen = FileExists(PadUitslag());
        std::vector<core::UitslagRec> uitslagen;
        if (metUitslagen)
            uitslagen = core::RecordFile<core::UitslagRec>::readWhere(
                PadUitslag(), [&](const core::UitslagRec& u) { return u.ronde == HuidigeRonde && u.poule == poule; });
        const auto open = core::stillToPlay(entries, metUitslagen ? &uitslagen : nullptr, poule, HuidigeRonde);

        platform::ShowPrintDialog();
        auto& P = platform::printer();
        P.setOrientation(platform::OrientationPortrait);
        P.setFontName(QStringLiteral("Times New Roman"));
        PrintPagina = 1;
        PrintRegel = 0;
        const QString titel = core::stillToPlayTitle(HuidigeRonde, poule);

        // A page's first line lies one line below y 2500. A page holds at most 52 printed
        // lines: after line 50 a player's line and one line of his opponents may still come.
        const int n = int(entries.size());
        // The lines the list still takes from player a on, `gedaan` of his opponents printed already: for
        // each player his line, his opponents four to a line and an empty line (none after the last).
        const auto regelsVanaf = [&](int a, qsizetype gedaan) {
            qsizetype r = -1;
            for (int b = a; b < n; ++b)
                r += 2 + (qsizetype(open[size_t(b)].size()) - (b == a ? gedaan : 0) + 3) / 4;
            return int(std::min<qsizetype>(r, 52));
        };
        print::RowGrid rij;
        auto topOfList = [&](int regels) {
            P.setFontSize(11);
            P.setCurrentY(2500);
            rij = print::RowGrid::fit(P, regels, 1);
        };
        auto startPage = [&](int regels) {
            PrintRegel = 0;
            ++PrintPagina;
            P.NewPage();
            PrintPageHeader(1, titel, PrintPagina);
            topOfList(regels);
        };
        auto headLine = [&](const QString& naam) {
            rij.place(P, PrintRegel);
            P.setFontBold(true);
            print::PrintFitted(P, {Tab(5), naam + QStringLiteral(" moet nog tegen:")}, platform::EndLine,
                               P.ScaleWidth());
            ++PrintRegel;
            P.setFontBold(false);
        };

        PrintPageHeader(1, titel, 1);
        topOfList(regelsVanaf(0, 0));

        for (int a = 0; a < n; ++a) {
            const QString naamA = entries[size_t(a)].text;
            headLine(naamA);
            int slot = 1;
            qsizetype gedaan = 0;
            for (int b : open[size_t(a)]) {
                const QString naamB = entries[size_t(b)].text;
                ++gedaan;
                if (slot == 1)
                    rij.place(P, PrintRegel++);
                // Each name ends a blank before the next slot, the fourth on the paper.
                const int kolom = slot * 30 - 24;
                if (slot < 4) {
                    print::PrintFitted(P, {Tab(kolom), naamB}, platform::NoLineEnd,
                                       P.TabX(kolom + 30) - P.TextWidth(QStringLiteral(" ")));
                    ++slot;
                } else {
                    print::PrintFitted(P, {Tab(kolom), naamB}, platform::EndLine, P.ScaleWidth());
                    slot = 1;
                    if (PrintRegel >= 51) {
                        startPage(regelsVanaf(a, gedaan));
                        headLine(naamA);
                    }
                }
            }
            if (slot != 1)
                P.Print();
            P.Print();
            ++PrintRegel;
            if (a < n - 1 && PrintRegel > 50)
                startPage(regelsVanaf(a + 1, 0));
        }
        P.EndDoc();
        printed = true;
        platform::MsgBox(QStringLiteral("Lijst wordt uitgeprint"), platform::vbInformation, QStringLiteral("Gereed"));
    });
    return printed;
}

} // namespace overviews
