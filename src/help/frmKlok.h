#pragma once
// "Klok": the desk clock with four large digits or a dial with three hands,
// and an alarm that rings "ringin.wav" at a set hour and minute.

#include "core/deskclock.h"
#include <QColor>
#include <QIcon>
#include <QPointF>
#include <QTime>
#include <QWidget>
#include <array>
#include <functional>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolBar;
class QToolButton;

// A line control of the dial: end points in the dial's twips.
struct KlokLijn {
    QPointF p1;
    QPointF p2;
    QColor color;
    int width = 1;
};

class frmKlok : public QWidget {
    Q_OBJECT
public:
    explicit frmKlok(QWidget* parent = nullptr);

    // The computer's time; tests replace it.
    static inline std::function<QTime()> Nu;
    // A time as text in the system's time format, as the face reads it.
    static QString SystemTimeText(const QTime& t);
    // The picture of the main toolbar key "But16".
    static QIcon ClockIcon();

    // Handlers.
    void Form_Load();
    void Timer1_Timer();
    void Timer2_Timer();
    void Timer3_Timer();
    void Option1_Click(int index);
    void VScroll1_Change(int index);
    void Toolbar1_ButtonClick(const QString& key);
    void Command1_Click();

    void ShowDigitalTime();
    void ShowHands();

    // Window state.
    QString TijdTekst;
    int UurTien = 0, UurEen = 0, MinTien = 0, MinEen = 0;
    int KlokUur = 0, KlokMinuten = 0, KlokSeconden = 0;
    int AlarmUurTien = 0, AlarmUurEen = 0, AlarmMinTien = 0, AlarmMinEen = 0;

    QToolBar* Toolbar1() const { return m_toolbar; }
    QFrame* Frame1() const { return m_dial; }     // the dial
    QFrame* Frame2() const { return m_digital; }  // the digits
    QLabel* Label1(int i) const { return m_numerals[i]; }
    QLabel* Label2(int i) const { return m_digits[i]; }
    QLabel* Label3(int i) const { return m_alarmDigits[i]; }
    QScrollBar* VScroll1(int i) const { return m_scroll[i]; }
    QToolButton* Option1(int i) const { return m_option[i]; }
    QPushButton* Command1() const { return m_cancel; }
    QTimer* Timer1() const { return m_timer1; }
    QTimer* Timer2() const { return m_timer2; }
    QTimer* Timer3() const { return m_timer3; }
    // Line1 .. Line5: minute hand (dark, white), hour hand (dark, white), second hand.
    const KlokLijn& Line(int n) const { return m_lines[n - 1]; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void Form_Unload();

    QToolBar* m_toolbar = nullptr;
    QFrame* m_digital = nullptr;
    QFrame* m_dial = nullptr;
    QGroupBox* m_frame3 = nullptr;
    QGroupBox* m_frame4 = nullptr;
    std::array<QLabel*, 12> m_numerals{};
    std::array<QLabel*, 5> m_digits{};
    std::array<QLabel*, 5> m_alarmDigits{};
    std::array<QScrollBar*, 4> m_scroll{};
    std::array<QToolButton*, 2> m_option{};
    QPushButton* m_cancel = nullptr;
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
    QTimer* m_timer3 = nullptr;
    std::array<KlokLijn, 5> m_lines{};
    bool m_placed = false;
};
