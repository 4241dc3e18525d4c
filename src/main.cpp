// Stootplanner: organiser of carom-billiards club tournaments.
#include "app/mdiHoofd.h"
#include "app/shell.h"
#include "composition.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QTranslator>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stootplanner"));
    // The program speaks Dutch; so do the system dialogs (print, file) and
    // the standard buttons and menus, where the translations are installed.
    QTranslator qtDutch;
    if (qtDutch.load(QStringLiteral("qtbase_nl"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtDutch);
    std::unique_ptr<mdiHoofd> hoofd(modStootplanner::StartUp(composition::RegisterMenus));
    return app.exec();
}
