#pragma once
// Every file of a folder with its bytes, to compare the folder before and after.
#include "core/htmlpage.h"
#include "core/recordfile.h"
#include <QDir>
#include <QMap>

namespace testsupport {

using Files = QMap<QString, QByteArray>;

// Added to `out`, names with the prefix. The scratch page is left out: the
// save dialog removes it whenever it closes.
inline Files snapshot(const QString& dir, const QString& prefix = QString(), Files out = {})
{
    for (const QFileInfo& fi : QDir(dir).entryInfoList(QDir::Files | QDir::Hidden))
        if (fi.fileName() != core::ScratchPageName)
            core::readFileBytes(fi.filePath(), &out[prefix + fi.fileName()]);
    return out;
}

} // namespace testsupport
