#include "pageheader.h"

#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/tournamentfiles.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "print/listrows.h"

#include <QDate>

#include <algorithm>

namespace modStootplanner {

namespace {
constexpr double LogoX = 600;
constexpr double LogoY = 300;
constexpr double LogoSide = 1200;
constexpr double TextX = 2100;

// A line of the head at (x, y) in `size` points, or smaller where it would
// reach `right`: a long club or tournament name stays whole between the
// rules. Below 8 points it is shortened instead.
void printWithin(platform::Printer& P, const QString& text, double x, double y, double size, double right,
                 platform::LineEnd end = platform::EndLine)
{
    P.setFontSize(size);
    while (P.FontSize() > 8 && P.TextWidth(text) > right - x)
        P.setFontSize(P.FontSize() - 0.5);
    P.setCurrentX(x);
    P.setCurrentY(y);
    P.Print({print::Fitted(P, text, right - x)}, end);
}
}  // namespace

QImage ClubLogoImage()
{
    if (mdiHoofd* hoofd = mdiHoofd::instance(); hoofd && !hoofd->Picture3().isNull())
        return hoofd->Picture3();
    const QString path = ProgrammaMap + core::LogoFileName;
    return platform::ReadPicture(path);
}

void PrintPageHeader(int orientatie, const QString& titel, int pagina)
{
    auto& P = platform::printer();
    // On a page narrower than that (wide printer margins) the head ends at its edge: date and page number stay whole.
    const double rechts = std::min(orientatie == 1 ? 11000.0 : 15000.0, P.ScaleWidth());

    if (FileExists(ProgrammaMap + core::LogoFileName)) {
        const QImage logo = ClubLogoImage();
        if (!logo.isNull() && logo.width() > 0 && logo.height() > 0) {
            double w, h;
            if (logo.width() > logo.height()) {
                LogoVerhouding = float(double(logo.height()) / logo.width());
                w = LogoSide;
                h = int(LogoVerhouding * LogoSide);
            } else {
                LogoVerhouding = float(double(logo.width()) / logo.height());
                w = int(LogoVerhouding * LogoSide);
                h = LogoSide;
            }
            P.PaintPicture(logo, LogoX, LogoY, w, h);
        }
    }

    // The date stands beside the subtitle, the page number beside the title: each ends a blank before it.
    P.setFontBold(false);
    P.setFontSize(10);
    const QString datum = QStringLiteral("Afdrukdatum: ") + core::dateText(QDate::currentDate());
    const double datumX = rechts - P.TextWidth(datum);
    P.setFontBold(true);
    P.setFontSize(12);
    const QString pag = pagina > 0 ? QStringLiteral("Pagina ") + core::signedNum(pagina) : QString();
    const double pagX = rechts - P.TextWidth(pag);
    const double blank = P.TextWidth(QStringLiteral(" "));

    printWithin(P, ClubTitel.trimmed(), TextX, 300, 22, rechts);
    printWithin(P, Toernooi.naam.trimmed(), TextX, 820, 16, rechts);
    P.setFontBold(false);
    printWithin(P, Toernooi.subtitel.trimmed(), TextX, 1180, 16, datumX - blank);

    P.setFontSize(10);
    P.setCurrentX(datumX);
    P.setCurrentY(1330);
    P.Print({datum});

    P.Line(LogoX, 1610, rechts, 1610);
    P.Line(LogoX, 1640, rechts, 1640);

    P.setFontBold(true);
    printWithin(P, titel, LogoX, 1690, 12, pagX - blank, platform::NoLineEnd);
    if (pagina > 0) {
        P.setFontSize(12);
        P.setCurrentX(pagX);
        P.setCurrentY(1690);
        P.Print({pag}, platform::NoLineEnd);
    }

    // Kept compact: a list of 49 lines of 12 pt must still fit under it on A4.
    P.Line(LogoX, 1990, rechts, 1990);
    P.Line(LogoX, 2020, rechts, 2020);

    // A line end after the last rule: the callers' first line comes one
    // 10 pt line below it, at the left edge.
    P.setFontBold(false);
    P.setFontSize(10);
    P.Print();
}

}  // namespace modStootplanner
