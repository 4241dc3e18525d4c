#include "menus.h"
#include "app/mdiHoofd.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/records.h"
#include "frmAutoKoppel.h"
#include "frmDoorkoppelen.h"
#include "frmGaNaarRonde.h"
#include "frmNieuweRonde.h"
#include "platform/msgbox.h"

using namespace modStootplanner;

namespace rounds {

namespace {
const QString CRLF = QStringLiteral("\r\n");

void refuse(const QString& a, const QString& b)
{
    platform::MsgBox(a + CRLF + b, platform::vbExclamation, MeldingTitel);
}

bool refuseFirstRound()
{
    if (Toernooi.laatsteRonde > 1)
        return false;
    refuse(QStringLiteral("Voordat u spelers kunt doorkoppelen,"), QStringLiteral("moet u een nieuwe ronde aanmaken !"));
    return true;
}

bool refuseOtherRound()
{
    if (HuidigeRonde == Toernooi.laatsteRonde)
        return false;
    refuse(QStringLiteral("U kunt alleen vanuit de laatst aangemaakte ronde spelers doorkoppelen !"),
           QStringLiteral("Kies Menu Rondebeheer > Ga naar andere ronde."));
    return true;
}
} // namespace

QWidget* OpenDoorkoppelen()
{
    if (refuseFirstRound() || refuseOtherRound())
        return nullptr;
    return new frmDoorkoppelen;
}

QWidget* OpenAutoKoppel()
{
    if (refuseFirstRound())
        return nullptr;
    // Without the newest round's record the buffer still holds another round's
    // flags; the file is damaged, and closing the tournament is left to the user.
    if (!ReadPoule(Toernooi.laatsteRonde)) {
        platform::MsgBox(MissingFileMessage(FilePoules, CheckForm::PouleChooser), platform::vbCritical, MeldingTitel);
        return nullptr;
    }
    if (core::isJa(Poule.automatischGekoppeld)) {
        refuse(QStringLiteral("U heeft al gebruik gemaakt van de mogelijkheid"),
               QStringLiteral("om spelers automatisch door te koppelen !"));
        return nullptr;
    }
    if (core::isJa(Poule.handmatigGekoppeld)) {
        refuse(QStringLiteral("U heeft al spelers handmatig doorgekoppeld !"),
               QStringLiteral("Automatisch doorkoppelen is dan niet meer mogelijk !"));
        return nullptr;
    }
    if (refuseOtherRound())
        return nullptr;
    return new frmAutoKoppel;
}

} // namespace rounds

void registerRoundsMenus(mdiHoofd& hoofd)
{
    mdiHoofd::MenuAction nieuw;
    nieuw.item = QStringLiteral("mnuRondebeheerNieuw");
    nieuw.caption = QStringLiteral("Nieuwe ronde maken");
    nieuw.group = 4;
    nieuw.checks = FileToernooi | FilePoules;
    nieuw.run = [] {
        frmNieuweRonde d(mdiHoofd::instance());
        d.exec();
    };
    hoofd.registerMenuAction(nieuw);

    mdiHoofd::MenuAction ganaar;
    ganaar.item = QStringLiteral("mnuRondebeheerGanaar");
    ganaar.caption = QStringLiteral("Ga naar andere ronde");
    ganaar.group = 4;
    ganaar.checks = FileToernooi | FileSpelers | FilePoules;
    ganaar.run = [] {
        frmGaNaarRonde d(mdiHoofd::instance());
        d.exec();
    };
    hoofd.registerMenuAction(ganaar);

    mdiHoofd::MenuWindow koppelen;
    koppelen.item = QStringLiteral("mnuRondebeheerKoppelen");
    koppelen.caption = QStringLiteral("Spelers handmatig doorkoppelen");
    koppelen.group = 4;
    koppelen.checks = FileToernooi | FileSpelers | FilePoules;
    koppelen.open = [] { return rounds::OpenDoorkoppelen(); };
    hoofd.registerMenuWindow(koppelen);

    mdiHoofd::MenuWindow random;
    random.item = QStringLiteral("mnuRondebeheerRandom");
    random.caption = QStringLiteral("Spelers automatisch doorkoppelen");
    random.group = 4;
    random.checks = FileToernooi | FileSpelers | FilePoules;
    random.open = [] { return rounds::OpenAutoKoppel(); };
    hoofd.registerMenuWindow(random);
}
