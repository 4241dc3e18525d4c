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
    P.setCurrentY(900);
    P.Print({Toernooi.naam.trimmed()});
    P.setFontBold(false);
    P.setCurrentX(TextX);
    P.setCurrentY(1300);
    P.Print({Toernooi.subtitel.trimmed()});

    P.setFontSize(10);
    const QString datum = QStringLiteral("Afdrukdatum: ") + core::dateText(QDate::currentDate());
    P.setCurrentX(rechts - P.TextWidth(datum));
    P.setCurrentY(1500);
    P.Print({datum});

    P.Line(LogoX, 1800, rechts, 1800);
    P.Line(LogoX, 1840, rechts, 1840);

    P.setFontBold(true);
    P.setFontSize(12);
    P.setCurrentX(LogoX);
    P.setCurrentY(1900);
    P.Print({titel}, platform::NoLineEnd);
    if (pagina > 0) {
        const QString pag = QStringLiteral("Pagina ") + core::signedNum(pagina);
        P.setCurrentX(rechts - P.TextWidth(pag));
        P.setCurrentY(1900);
        P.Print({pag}, platform::NoLineEnd);
    }

    P.Line(LogoX, 2230, rechts, 2230);
    P.Line(LogoX, 2270, rechts, 2270);

    P.setFontBold(false);
    P.setFontSize(10);
    P.setCurrentX(0);
    P.setCurrentY(2300);
}

}  // namespace modStootplanner
