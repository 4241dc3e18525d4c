#pragma once
// Shared helpers of the standings and rounds tests: list texts, messages in
// one line, a print with the dialog scripted, and files.
#include "platform/msgbox.h"
#include "platform/printer.h"
#include "platform/printerror.h"
#include <QFile>
#include <QMap>
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

// Every message shown as "title|icon|prompt"; icon X critical, ? question, ! exclamation, i information.
inline QStringList shown(const platform::ScriptedMessages& m)
{
    QStringList out;
    for (const platform::ScriptedMessages::Box& b : m.boxes) {
        using namespace platform;
        const QString icon = QMap<int, QString>{
            {vbCritical, "X"}, {vbQuestion, "?"}, {vbExclamation, "!"}, {vbInformation, "i"}}.value(b.icon());
        out << b.title + QLatin1Char('|') + icon + QLatin1Char('|') + b.prompt;
    }
    return out;
}

// A print with the dialog accepted (unless told otherwise) and the messages recorded.
struct PrintRun {
    platform::ScriptedMessages msgs;
    platform::ScriptedPrintDialog dialog{true};
    platform::ScopedRecordingPrinter pr;
};

// The heights of the texts starting with the prefix, per page.
inline QMap<int, QList<double>> perPage(const platform::RecordingPrinter& p, const QString& prefix)
{
    QMap<int, QList<double>> m;
    for (const platform::PrintOp& op : p.texts())
        if (op.text.startsWith(prefix))
            m[op.page] << op.y;
    return m;
}

// "tab:text|..." for every text on the line of `text`, read back in its own size (x = (tab - 1) x 10 twips a point,
// 11 bold).
inline QString lineOf(const platform::RecordingPrinter& p, const QString& text)
{
    QStringList out;
    const platform::PrintOp* at = p.findText(text);
    for (const platform::PrintOp& op : p.texts())
        if (at && op.page == at->page && op.y == at->y)
            out << QString::number(op.x / (op.fontSize * (op.bold ? 11 : 10)) + 1) + QLatin1Char(':') + op.text;
    return out.join('|');
}

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
