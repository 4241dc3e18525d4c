#include "msgbox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPushButton>

namespace platform {

namespace {

class RealMessages final : public MessageHandler {
public:
    int showMessage(const QString& prompt, int flags, const QString& title) override
    {
        QMessageBox box(QApplication::activeWindow());
        box.setWindowTitle(title.isEmpty() ? QStringLiteral("Stootplanner") : title);
        // Stored texts use CR LF; a label shows a bare CR as a blank.
        box.setText(QString(prompt).replace(QLatin1String("\r\n"), QLatin1String("\n")));
        switch (flags & IconMask) {
        case vbCritical: box.setIcon(QMessageBox::Critical); break;
        case vbQuestion: box.setIcon(QMessageBox::Question); break;
        case vbExclamation: box.setIcon(QMessageBox::Warning); break;
        case vbInformation: box.setIcon(QMessageBox::Information); break;
        default: box.setIcon(QMessageBox::NoIcon); break;
        }
        struct B { const char* text; QMessageBox::ButtonRole role; int answer; };
        QList<B> buttons;
        switch (flags & ButtonsMask) {
        case vbOKCancel: buttons = {{"OK", QMessageBox::AcceptRole, vbOK}, {"Annuleren", QMessageBox::RejectRole, vbCancel}}; break;
        case vbAbortRetryIgnore: buttons = {{"Afbreken", QMessageBox::RejectRole, vbAbort}, {"Opnieuw", QMessageBox::AcceptRole, vbRetry}, {"Negeren", QMessageBox::AcceptRole, vbIgnore}}; break;
        case vbYesNoCancel: buttons = {{"Ja", QMessageBox::YesRole, vbYes}, {"Nee", QMessageBox::NoRole, vbNo}, {"Annuleren", QMessageBox::RejectRole, vbCancel}}; break;
        case vbYesNo: buttons = {{"Ja", QMessageBox::YesRole, vbYes}, {"Nee", QMessageBox::NoRole, vbNo}}; break;
        case vbRetryCancel: buttons = {{"Opnieuw", QMessageBox::AcceptRole, vbRetry}, {"Annuleren", QMessageBox::RejectRole, vbCancel}}; break;
        default: buttons = {{"OK", QMessageBox::AcceptRole, vbOK}}; break;
        }
        QList<QPushButton*> made;
        for (const B& b : buttons)
            made.append(box.addButton(QString::fromUtf8(b.text), b.role));
        const int def = (flags & DefaultMask) / 256;
        box.setDefaultButton(made.value(qBound(0, def, int(made.size()) - 1)));
        // Escape answers like the last button of a box with a Cancel or No, else OK.
        box.setEscapeButton(made.last());
        box.exec();
        for (int i = 0; i < made.size(); ++i)
            if (box.clickedButton() == made[i])
                return buttons[i].answer;
        return buttons.last().answer;
    }
    void beep() override { QApplication::beep(); }
};

RealMessages g_real;
MessageHandler* g_handler = nullptr;

}  // namespace

void setMessageHandler(MessageHandler* handler) { g_handler = handler; }
MessageHandler* messageHandler() { return g_handler ? g_handler : &g_real; }

int MsgBox(const QString& prompt, int buttonsAndIcon, const QString& title)
{
    return messageHandler()->showMessage(prompt, buttonsAndIcon, title);
}

void Beep() { messageHandler()->beep(); }

ScriptedMessages::ScriptedMessages() : m_previous(g_handler) { g_handler = this; }

ScriptedMessages::~ScriptedMessages()
{
    if (g_handler == this)
        g_handler = m_previous;
}

int ScriptedMessages::showMessage(const QString& prompt, int flags, const QString& title)
{
    boxes.append({prompt, flags, title});
    if (onBox)
        onBox(boxes.last());
    if (!m_answers.isEmpty())
        return m_answers.takeFirst();
    const int b = flags & ButtonsMask;
    if (b == vbOKOnly || b == vbOKCancel)
        return vbOK;
    if (b == vbRetryCancel)
        return vbRetry;
    if (b == vbAbortRetryIgnore)
        return vbIgnore;
    return vbYes;
}

}  // namespace platform
