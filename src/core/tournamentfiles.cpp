#include "tournamentfiles.h"
#include "recordfile.h"
#include "text1252.h"
#include <QDir>
#include <QFile>
#include <QRegularExpression>

namespace core {

QString tournamentNumberText(int nummer)
{
    return QString::number(nummer).rightJustified(3, QLatin1Char('0'));
}

QString withTrailingSeparator(const QString& folder)
{
    QString f = QDir::fromNativeSeparators(folder);
    while (f.size() > 1 && f.endsWith(QLatin1Char('/')))
        f.chop(1);
    if (!f.endsWith(QLatin1Char('/')))
        f += QLatin1Char('/');
    return f;
}

TournamentFileSet tournamentFileSet(const QString& map, const QString& naam, int nummer)
{
    const QString nnn = tournamentNumberText(nummer);
    TournamentFileSet s;
    s.map = withTrailingSeparator(map);
    s.toernooi = naam + QStringLiteral("_ST") + nnn + QStringLiteral(".stt");
    s.spelers = QStringLiteral("DataSpelers_ST") + nnn + QStringLiteral(".sts");
    s.uitslag = QStringLiteral("DataUitslag_ST") + nnn + QStringLiteral(".stu");
    s.poules = QStringLiteral("DataPoules_ST") + nnn + QStringLiteral(".stp");
    s.planning = QStringLiteral("Planning_ST") + nnn + QStringLiteral(".sta");
    s.herstel = QStringLiteral("HulpHerstel_ST") + nnn + QStringLiteral(".dat");
    // Not "_ST<nnn>.": a backup of the tournament's files must not take the lock along.
    s.slot = QStringLiteral("Geopend-ST") + nnn + QStringLiteral(".lock");
    return s;
}

int tournamentNumberFromFileName(const QString& settingsFileName)
{
    // Three ASCII digits at the very end: no other script's digits, no line break after it.
    static const QRegularExpression re(QStringLiteral("_ST([0-9]{3})\\.stt\\z"),
                                       QRegularExpression::CaseInsensitiveOption);
    auto m = re.match(settingsFileName);
    return m.hasMatch() ? m.captured(1).toInt() : -1;
}

std::optional<LastTournament> readIni(const QString& iniPath)
{
    // Two lines, a folder and a file name, each within the system's longest path.
    constexpr qint64 longestIni = 2 * (4096 + 2);
    QByteArray all;
    if (!readFileStart(iniPath, longestIni, &all))
        return std::nullopt;
    QString text = fromCp1252(all);
    text.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    const QStringList lines = text.split(QLatin1Char('\n'));
    if (lines.size() < 2 || lines[0].trimmed().isEmpty() || lines[1].trimmed().isEmpty())
        return std::nullopt;
    return LastTournament{lines[0], lines[1]};
}

bool writeIni(const QString& iniPath, const LastTournament& last, QString* why)
{
    QByteArray b = toCp1252(last.map) + "\r\n" + toCp1252(last.bestand) + "\r\n";
    return replaceFile(iniPath, b, why);
}

QString readOrCreateClubnaam(const QString& path, QString* why)
{
    if (auto rec = RecordFile<ClubnaamRec>::read(path, 1))
        return rec->naam;
    writeClubnaam(path, DefaultClubnaam, why);
    return DefaultClubnaam;
}

bool writeClubnaam(const QString& path, const QString& naam, QString* why)
{
    ClubnaamRec c;
    c.naam = naam;
    return replaceFile(path, c.toBytes(), why);
}

std::optional<ToernooiRec> readToernooi(const QString& path)
{
    return RecordFile<ToernooiRec>::read(path, 1);
}

bool writeToernooi(const QString& path, const ToernooiRec& t, QString* why)
{
    return RecordFile<ToernooiRec>::write(path, 1, t, why);
}

} // namespace core
