#pragma once
// Shared set-up of the shell and platform tests.
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "support/tournamentfixture.h"

#include <QFile>
#include <QTemporaryDir>

namespace testsupport {

// An environment variable set (a null value: unset) until the end of the scope.
class ScopedEnv {
public:
    ScopedEnv(const char* name, const QString& value)
        : m_name(name), m_old(qgetenv(name)), m_had(qEnvironmentVariableIsSet(name))
    {
        value.isNull() ? qunsetenv(name) : qputenv(name, value.toUtf8());
    }
    ~ScopedEnv() { m_had ? qputenv(m_name, m_old) : qunsetenv(m_name); }

private:
    const char* m_name;
    QByteArray m_old;
    bool m_had;
};

// A loaded tournament "Test toernooi" (round 1, one poule, player 1 Jansen,
// an empty planning file) with ProgrammaMap in a folder of its own; the
// context is reset when it goes.
class ShellTournament {
public:
    ShellTournament()
    {
        using namespace modStootplanner;
        m_fx.builder().setRound(1, 1);
        m_fx.builder().addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
        m_fx.load();
        QFile planning(PadPlanning());
        planning.open(QIODevice::WriteOnly);
        ProgrammaMap = m_prog.path() + QLatin1Char('/');
    }
    ~ShellTournament() { modStootplanner::ResetContext(); }

    // Removes the files of a TournamentFile mask; false when one was not there.
    static bool remove(int files)
    {
        using namespace modStootplanner;
        const std::pair<int, QString> paths[] = {{FileToernooi, PadToernooi()}, {FileSpelers, PadSpelers()},
                                                 {FileUitslag, PadUitslag()},   {FilePoules, PadPoules()},
                                                 {FilePlanning, PadPlanning()}};
        bool ok = true;
        for (const auto& [file, path] : paths)
            if (files & file)
                ok = QFile::remove(path) && ok;
        return ok;
    }

private:
    TournamentFixture m_fx;
    QTemporaryDir m_prog;
};

}  // namespace testsupport
