#include "programfolder.h"
#include "core/helpfile.h"
#include "core/recordfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <utility>

namespace platform {

QString programFolder()
{
    QString folder = qEnvironmentVariable("STOOTPLANNER_HOME");
    if (folder.isEmpty()) {
        QString data = qEnvironmentVariable("XDG_DATA_HOME");
        if (data.isEmpty())
            data = QDir::homePath() + QStringLiteral("/.local/share");
        folder = data + QStringLiteral("/Stootplanner");
    }
    QDir().mkpath(folder);
    if (!folder.endsWith(QLatin1Char('/')))
        folder += QLatin1Char('/');
    return folder;
}

bool installShippedFile(const QString& resourcePath, const QString& fileName, QString* why)
{
    const QString target = programFolder() + fileName;
    if (QFileInfo::exists(target))
        return true;
    QFile source(resourcePath);
    if (!source.open(QIODevice::ReadOnly)) {
        if (why)
            *why = source.errorString();
        return false;
    }
    // Written aside first, so that a half-written file never passes for the shipped one.
    if (!core::replaceFile(target, source.readAll(), why))
        return false;
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther);
    return true;
}

}  // namespace platform

// Resources of a static library are only linked in when initialised by name,
// outside any namespace.
static void initShippedResources() { Q_INIT_RESOURCE(shipped); }

namespace {
QMap<QString, QString>& installFailures()
{
    static QMap<QString, QString> failures;
    return failures;
}
}  // namespace

void platform::useShippedResources()
{
    initShippedResources();
}

void platform::installShippedFiles()
{
    initShippedResources();
    installFailures().clear();
    for (const auto& [resource, name] : {std::pair{QStringLiteral(":/shipped/StootplannerHelp.hlp"),
                                                   QString::fromLatin1(core::HelpFileName)},
                                         std::pair{QStringLiteral(":/shipped/ringin.wav"), QStringLiteral("ringin.wav")}}) {
        QString why;
        if (!installShippedFile(resource, name, &why))
            installFailures().insert(name, why);
    }
}

QString platform::shippedFileFailure(const QString& fileName)
{
    return installFailures().value(fileName);
}
