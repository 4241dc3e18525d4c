#include "programfolder.h"

#include "core/helpfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

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

bool installShippedFile(const QString& resourcePath, const QString& fileName)
{
    const QString target = programFolder() + fileName;
    if (QFileInfo::exists(target))
        return true;
    QFile source(resourcePath);
    if (!source.open(QIODevice::ReadOnly))
        return false;
    const QByteArray bytes = source.readAll();
    // Written under a scratch name first so that a half-written file never
    // passes for the shipped one.
    const QString scratch = target + QStringLiteral(".part");
    QFile out(scratch);
    if (!out.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const bool ok = out.write(bytes) == bytes.size() && out.flush();
    out.close();
    if (!ok || !QFile::rename(scratch, target)) {
        QFile::remove(scratch);
        return false;
    }
    QFile(target).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ReadGroup
                                 | QFileDevice::ReadOther);
    return true;
}

}  // namespace platform

// Resources of a static library are only linked in when initialised by name,
// outside any namespace.
static void initShippedResources() { Q_INIT_RESOURCE(shipped); }

void platform::installShippedFiles()
{
    initShippedResources();
    installShippedFile(QStringLiteral(":/shipped/StootplannerHelp.hlp"), QLatin1String(core::HelpFileName));
    installShippedFile(QStringLiteral(":/shipped/ringin.wav"), QStringLiteral("ringin.wav"));
}
