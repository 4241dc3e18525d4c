// Writes the demo tournament into the folder given on the command line.
#include "core/tournamentbuilder.h"
#include <QCoreApplication>
#include <QTextStream>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    const QStringList args = app.arguments();
    QTextStream err(stderr);
    if (args.size() != 2) {
        err << "usage: make-demo-tournament FOLDER\n";
        return 2;
    }
    QString why;
    const core::TournamentFileSet f = core::writeDemoTournament(args[1], &why);
    if (!why.isEmpty()) {
        err << "make-demo-tournament: cannot write " << args[1] << ": " << why << "\n";
        return 1;
    }
    QTextStream(stdout) << f.map << f.toernooi << "\n";
    return 0;
}
