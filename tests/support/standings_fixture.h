#pragma once
// Shared helpers of the standings and rounds tests: list texts, messages in
// one line, a print with the dialog scripted, and files.
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include <QFile>
#include <QStringList>
#include <QTreeWidget>

namespace standtest {

inline QStringList column(const QTreeWidget* l, int c)
{
    QStringList out;
    for (int i = 0; i < l->topLevelItemCount(); ++i)
        out << l->topLevelItem(i)->text(c);
    return out;
}

// A column's texts joined by blanks (sorted if told), and a row's joined by '|'.
inline QString joined(const QTreeWidget* l, int c, bool sorted = false)
{
    QStringList t = column(l, c);
    if (sorted)
        t.sort();
    return t.join(QLatin1Char(' '));
}
inline QString row(const QTreeWidget* l, int r)
{
    QStringList out;
    for (int c = 0; c < l->columnCount(); ++c)
        out << l->topLevelItem(r)->text(c);
    return out.join(QLatin1Char('|'));
}

// Every message shown as "title|icon|prompt"; icon X critical, ? question,
// ! exclamation, i information, empty for none.
inline QStringList shown(const platform::ScriptedMessages& m)
{
    QStringList out;
    for (const platform::ScriptedMessages::Box& b : m.boxes) {
        const int i = b.icon();
        const char* icon = i == platform::vbCritical      ? "X"
                           : i == platform::vbQuestion    ? "?"
                           : i == platform::vbExclamation ? "!"
                           : i == platform::vbInformation ? "i"
                                                          : "";
        out << b.title + QLatin1Char('|') + QLatin1String(icon) + QLatin1Char('|') + b.prompt;
    }
    return out;
}

// A print with the dialog accepted (unless told otherwise) and the messages recorded.
struct PrintRun {
    platform::ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog{true};
    platform::ScopedRecordingPrinter pr;
};

inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

inline QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

} // namespace standtest
