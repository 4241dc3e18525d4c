#include "pageheader.h"

#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "core/format.h"
#include "core/tournamentfiles.h"
#include "platform/printer.h"

#include <QDate>

namespace modStootplanner {

namespace {
constexpr double LogoX = 600;
constexpr double LogoY = 300;
constexpr double LogoSide = 1200;
constexpr double TextX = 2100;
}  // namespace

QImage ClubLogoImage()
{
    if (mdiHoofd* hoofd = mdiHoofd::instance(); hoofd && !hoofd->Picture3().isNull())
        return hoofd->Picture3();
    const QString path = ProgrammaMap + core::LogoFileName;
    if (!FileExists(path))
        return QImage();
    return QImage(path);
}

void PrintPageHeader(int orientatie, const QString& titel, int pagina)
{
    auto& P = platform::printer();
    const double rechts = orientatie == 1 ? 11000 : 15000;

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

    P.setFontBold(true);
    P.setFontSize(22);
    P.setCurrentX(TextX);
    P.setCurrentY(300);
    P.Print({ClubTitel.trimmed()});

    P.setFontSize(16);
    P.setCurrentX(TextX);
    P.setCurrentY(820);
    P.Print({Toernooi.naam.trimmed()});
    P.setFontBold(false);
    P.setCurrentX(TextX);
    P.setCurrentY(1180);
    P.Print({Toernooi.subtitel.trimmed()});

    P.setFontSize(10);
    const QString datum = QStringLiteral("Afdrukdatum: ") + core::dateText(QDate::currentDate());
    P.setCurrentX(rechts - P.TextWidth(datum));
    P.setCurrentY(1330);
    P.Print({datum});

    P.Line(LogoX, 1610, rechts, 1610);
    P.Line(LogoX, 1640, rechts, 1640);

    P.setFontBold(true);
    P.setFontSize(12);
    P.setCurrentX(LogoX);
    P.setCurrentY(1690);
    P.Print({titel}, platform::NoLineEnd);
    if (pagina > 0) {
        const QString pag = QStringLiteral("Pagina ") + core::signedNum(pagina);
        P.setCurrentX(rechts - P.TextWidth(pag));
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
