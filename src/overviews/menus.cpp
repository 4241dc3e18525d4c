#include "menus.h"
#include "app/mdiHoofd.h"
#include "app/shell.h"
#include "frmMatrix.h"
#include "frmOvSpeler.h"

void registerOverviewsMenus(mdiHoofd& hoofd)
{
    using namespace modStootplanner;
    mdiHoofd::MenuWindow matrix;
    matrix.item = QStringLiteral("mnuOverzichtenMatrix");
    matrix.caption = QStringLiteral("Matrix");
    matrix.group = 6;
    matrix.key = QStringLiteral("But10");
    matrix.keyTip = QStringLiteral("Matrix");
    matrix.checks = FileToernooi | FileSpelers | FilePoules;
    matrix.open = [] { return new frmMatrix; };
    hoofd.registerMenuWindow(matrix);

    mdiHoofd::MenuWindow speler;
    speler.item = QStringLiteral("mnuOverzichtenSpeler");
    speler.caption = QStringLiteral("Overzichten per speler");
    speler.group = 6;
    speler.checks = FileToernooi | FileSpelers | FileUitslag | FilePoules;
    speler.open = [] { return new frmOvSpeler; };
    hoofd.registerMenuWindow(speler);
}
