// Stootplanner: organiser of carom-billiards club tournaments.
#include "app/mdiHoofd.h"
#include "app/shell.h"
#include "composition.h"
#include "platform/appearance.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stootplanner"));
    platform::UseProgramFonts();
    platform::UseProgramIcon();
    platform::UseDutchTexts();
    std::unique_ptr<mdiHoofd> hoofd(modStootplanner::StartUp(composition::RegisterMenus));
    return app.exec();
}
