#pragma once
// Shared set-up of the shell and platform tests.
#include "app/shell.h"
#include "platform/msgbox.h"
#include "support/tournamentfixture.h"
#include <QFile>
#include <QTest>

namespace testsupport {

// An environment variable set (a null value: unset) until the end of the scope.
struct ScopedEnv {
    ScopedEnv(const char* n, const QString& value) : name(n), old(qgetenv(n)), had(qEnvironmentVariableIsSet(n))
    {
        value.isNull() ? qunsetenv(n) : qputenv(n, value.toUtf8());
    }
    ~ScopedEnv() { had ? qputenv(name, old) : qunsetenv(name); }
    const char* name;
    QByteArray old;
    bool had;
};

// A data column "i" with the index of every case of a table, each row named after its case.
template <class Case, size_t N> void addCases(const Case (&cases)[N])
{
    QTest::addColumn<int>("i");
    for (const Case& c : cases)
        QTest::newRow(c.name) << int(&c - cases);
}

inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

inline bool writeAll(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// Every box shown, as "title|flags|prompt".
inline QStringList shown(const platform::ScriptedMessages& m)
{
    QStringList out;
    for (const auto& b : m.boxes)
        out << QStringLiteral("%1|%2|%3").arg(b.title).arg(b.flags).arg(b.prompt);
    return out;
}

// A loaded tournament "Test toernooi" (round 1, one poule, player 1 Jansen, an empty planning file) with
// ProgrammaMap in a folder of its own; the context is reset when it goes.
struct ShellTournament {
    ShellTournament()
    {
        fx.builder().setRound(1, 1);
        fx.builder().addPlayer(1, "Jansen", "J.", 1, 1, core::Fixed::fromDouble(1.5));
        fx.load();
        writeAll(modStootplanner::PadPlanning(), {});
        modStootplanner::ProgrammaMap = prog.path() + QLatin1Char('/');
    }
    ~ShellTournament() { modStootplanner::ResetContext(); }

    // Removes the files of a TournamentFile mask; false when one was not there.
    static bool remove(int files)
    {
        using namespace modStootplanner;
        bool ok = true;
        for (const auto& [file, path] : {std::pair{FileToernooi, PadToernooi()}, {FileSpelers, PadSpelers()},
                                         {FileUitslag, PadUitslag()}, {FilePoules, PadPoules()},
                                         {FilePlanning, PadPlanning()}})
            ok = (!(files & file) || QFile::remove(path)) && ok;
        return ok;
    }

    TournamentFixture fx;
    QTemporaryDir prog;
};

}  // namespace testsupport
