#include "menus.h"
#include "app/mdiHoofd.h"
#include "app/shell.h"
#include "frmStand.h"
#include "frmWinnars.h"

void registerStandingsMenus(mdiHoofd& hoofd)
{
    using namespace modStootplanner;
    mdiHoofd::MenuWindow stand;
    stand.item = QStringLiteral("mnuOverzichtenStand");
    stand.caption = QStringLiteral("Stand");
    stand.group = 6;
    stand.key = QStringLiteral("But09");
    stand.keyTip = QStringLiteral("Stand");
    stand.checks = FileToernooi | FileSpelers | FilePoules;
    stand.open = [] { return new frmStand; };
    hoofd.registerMenuWindow(stand);

    mdiHoofd::MenuWindow winnaars;
    winnaars.item = QStringLiteral("mnuOverzichtenWinnaars");
    winnaars.caption = QStringLiteral("Lijstje poulewinnaars");
    winnaars.group = 6;
    winnaars.checks = FileToernooi | FileSpelers | FileUitslag | FilePoules;
    winnaars.open = [] { return new frmWinnars; };
    hoofd.registerMenuWindow(winnaars);
}
