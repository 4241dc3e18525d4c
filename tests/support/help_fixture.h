#pragma once
// Small helpers shared by the help viewer and clock tests.
#include "core/helpfile.h"

#include <QtWidgets>
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

// Runs `click`, which should open a modal window (frmHelp), and closes that window as soon as it shows;
// true when one showed.
inline bool closingModal(const std::function<void()>& click)
{
    auto shown = std::make_shared<bool>(false);
    QTimer::singleShot(0, [shown] { if (QWidget* m = QApplication::activeModalWidget()) *shown = m->close(); });
    click();
    return *shown;
}

}  // namespace testsupport
