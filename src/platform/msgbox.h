#pragma once
// Message boxes and the beep, behind one replaceable handler so that tests
// can script the answers and count what was shown.
//
// Usage from any window:
//     using namespace platform;
//     MsgBox("Spelers doorgekoppeld !", vbInformation, "Gereed");
//     if (MsgBox(tekst, vbYesNo + vbQuestion, modStootplanner::MeldingTitel) == vbNo) return;
//     Beep();
// Lines of a message are joined with "\r\n" (CR LF) as the stored texts are.

#include <QList>
#include <functional>
#include <QString>

namespace platform {

// Buttons
constexpr int vbOKOnly = 0;
constexpr int vbOKCancel = 1;
constexpr int vbAbortRetryIgnore = 2;
constexpr int vbYesNoCancel = 3;
constexpr int vbYesNo = 4;
constexpr int vbRetryCancel = 5;
// Icons
constexpr int vbCritical = 16;
constexpr int vbQuestion = 32;
constexpr int vbExclamation = 48;
constexpr int vbInformation = 64;
// Default button
constexpr int vbDefaultButton1 = 0;
constexpr int vbDefaultButton2 = 256;
constexpr int vbDefaultButton3 = 512;
// Answers
constexpr int vbOK = 1;
constexpr int vbCancel = 2;
constexpr int vbAbort = 3;
constexpr int vbRetry = 4;
constexpr int vbIgnore = 5;
constexpr int vbYes = 6;
constexpr int vbNo = 7;

constexpr int ButtonsMask = 0x0F;
constexpr int IconMask = 0xF0;
constexpr int DefaultMask = 0xF00;

// Shows a modal message box and returns the answer (vbOK, vbYes, vbNo, ...).
// An empty title shows the program name.
int MsgBox(const QString& prompt, int buttonsAndIcon = vbOKOnly, const QString& title = QString());

// The computer's beep.
void Beep();

// What MsgBox and Beep delegate to.
class MessageHandler {
public:
    virtual ~MessageHandler() = default;
    virtual int showMessage(const QString& prompt, int buttonsAndIcon, const QString& title) = 0;
    virtual void beep() = 0;
};

// Installs a handler (not owned); nullptr restores the real boxes.
void setMessageHandler(MessageHandler* handler);
MessageHandler* messageHandler();

// Test handler: records every box and beep and answers from a queue.
// Installs itself on construction and restores the previous handler on
// destruction. When the queue is empty it answers vbOK for OK-only and
// OK/Cancel boxes and vbYes for the others.
class ScriptedMessages final : public MessageHandler {
public:
    struct Box {
        QString prompt;
        int flags = 0;
        QString title;
        int buttons() const { return flags & ButtonsMask; }
        int icon() const { return flags & IconMask; }
    };

    ScriptedMessages();
    ~ScriptedMessages() override;
    ScriptedMessages(const ScriptedMessages&) = delete;
    ScriptedMessages& operator=(const ScriptedMessages&) = delete;

    void queueAnswer(int answer) { m_answers.append(answer); }
    void clear() { boxes.clear(); beeps = 0; m_answers.clear(); }

    int showMessage(const QString& prompt, int buttonsAndIcon, const QString& title) override;
    void beep() override { ++beeps; }

    QList<Box> boxes;
    int beeps = 0;
    // Called for every box after it is recorded (e.g. to inspect state while "shown").
    std::function<void(const Box&)> onBox;

private:
    QList<int> m_answers;
    MessageHandler* m_previous = nullptr;
};

}  // namespace platform
