#include "menus.h"
#include "app/mdiHoofd.h"
#include "frmHelpAlgemeen.h"
#include "frmKlok.h"
#include "modHelp.h"

void registerHelpMenus(mdiHoofd& hoofd)
{
    // Neither window belongs to a menu group: they toggle without SetMenusBusy
    // and need no tournament.
    mdiHoofd::MenuWindow klok;
    klok.item = QStringLiteral("mnuDiversenKlok");
    klok.caption = QStringLiteral("Klok");
    klok.menu = QStringLiteral("mnuDiversen");
    klok.group = 0;
    klok.key = QStringLiteral("But16");
    klok.keyTip = QStringLiteral("Klok");
    klok.keyIcon = frmKlok::ClockIcon();
    klok.needsTournament = false;
    klok.open = [] { return new frmKlok; };
    hoofd.registerMenuWindow(klok);

    mdiHoofd::MenuWindow help;
    help.item = QStringLiteral("mnuHelpAlgemeen");
    help.caption = QStringLiteral("Help algemeen");
    help.menu = QStringLiteral("mnuHelp");
    help.group = 0;
    help.key = QStringLiteral("But18");
    help.keyTip = QStringLiteral("Help algemeen");
    help.keyIcon = frmHelpAlgemeen::HelpIcon();
    help.needsTournament = false;
    help.open = []() -> QWidget* {
        if (!modHelp::CheckHelpFileBeforeOpening())
            return nullptr;
        return new frmHelpAlgemeen;
    };
    hoofd.registerMenuWindow(help);
}
