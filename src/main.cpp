// Stootplanner: organiser of carom-billiards club tournaments.
#include "app/mdiHoofd.h"
#include "app/shell.h"

#include <QApplication>
#include <memory>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Stootplanner"));
    std::unique_ptr<mdiHoofd> hoofd(modStootplanner::StartUp());
    return app.exec();
}
