#pragma once
// Small helpers shared by the help viewer and clock tests.
#include "core/helpfile.h"

#include <QApplication>
#include <QFile>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace testsupport {

inline core::HelpRec helpTopic(int n, const QString& titel, const QString& tekst, std::array<QString, 5> kw = {})
{
    return {qint16(n), titel, tekst, kw};
}

// Writes the records one after the other, then `tail` (e.g. a partial record).
inline void writeHelpFile(const QString& path, const std::vector<core::HelpRec>& recs, const QByteArray& tail = {})
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly | QIODevice::Truncate))
        qFatal("cannot write %s", qPrintable(path));
    for (const core::HelpRec& r : recs)
        f.write(r.toBytes());
    f.write(tail);
}

// Runs `click`, which opens a modal window (frmHelp); closes that window as soon as it shows.
inline void closingModal(const std::function<void()>& click)
{
    QTimer::singleShot(0, [] {
        if (QWidget* m = QApplication::activeModalWidget())
            m->close();
    });
    click();
}

}  // namespace testsupport
