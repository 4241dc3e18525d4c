#pragma once
// "Spelers automatisch doorkoppelen": selects players of the previous round
// by place, spreads them at random over new poules, and stores or prints the
// result. Child window of menu group 4.
#include "core/carryover.h"
#include <QWidget>
#include <vector>

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class QToolBar;
class QTreeWidget;

class frmAutoKoppel : public QWidget {
    Q_OBJECT
public:
    explicit frmAutoKoppel(QWidget* parent = nullptr);
    // The child window opens at its own size, not at what its layout asks.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* e) override;

public:

    void Form_Load();
    // Refreshes R, T and the players per poule of the previous round.
    void Form_Activate();
    void Command2_Click();   // "Toon resultaat"
    void Command4_Click();   // "Clear"
    void Command3_Click();   // "Doorkoppelen"
    void Command1_Click(int index);   // "?"
    void ListView1_ColumnClick(int column);
    void Toolbar1_ButtonClick(const QString& key);
    void PrintCarryOverResult();
    // Prints rows as "Resultaat automatische doorkoppeling" (49 a page), after the print dialog.
    static void PrintCarryOverRows(const std::vector<core::AutoRij>& rows);
    void CountPlayersPerPoule();

    // The program's generator: one per run, never seeded.
    static core::RandomGenerator& Randomizer();

    qint16 VorigeRondePoules() const { return m_R; }
    qint16 VorigeRondeSpelers() const { return m_T; }
    qint16 DoorTeKoppelen() const { return m_N; }
    qint16 NieuwePoules() const { return m_P; }
    qint16 PouleGrootte() const { return m_S; }
    const std::vector<int>& SpelersPerPoule() const { return m_spelersPerPoule; }
    // The rows of the list in the order shown.
    std::vector<core::AutoRij> ShownRows() const;

    QRadioButton* Option1(int i) const { return m_option1[i]; }
    QRadioButton* Option2(int i) const { return m_option2[i]; }
    QRadioButton* Option3(int i) const { return m_option3[i]; }
    QCheckBox* Check2(int i) const { return m_check2[i]; }
    QLineEdit* Text1() const { return m_text1; }
    QLineEdit* Text2() const { return m_text2; }
    QLineEdit* Text3() const { return m_text3; }
    QPushButton* Command2() const { return m_toon; }
    QPushButton* Command3() const { return m_door; }
    QPushButton* Command4() const { return m_clear; }
    QPushButton* Command1(int i) const { return m_help[i]; }
    QTreeWidget* ListView1() const { return m_list; }
    QLabel* Label4() const { return m_label4; }
    QLabel* Label5() const { return m_label5; }
    QLabel* Label6() const { return m_label6; }
    QLabel* Label7() const { return m_label7; }
    QToolBar* Toolbar1() const { return m_toolbar; }

protected:
    bool event(QEvent* e) override;

private:
    void colourChoices();
    core::AutoKeuze choices() const;

    qint16 m_R = 0, m_T = 0, m_N = 0, m_P = 0, m_S = 0;
    std::vector<int> m_spelersPerPoule;

    QToolBar* m_toolbar = nullptr;
    QRadioButton* m_option1[2] = {};
    QRadioButton* m_option2[2] = {};
    QRadioButton* m_option3[2] = {};
    QCheckBox* m_check1 = nullptr;
    QCheckBox* m_check2[3] = {};
    QLineEdit* m_text1 = nullptr;
    QLineEdit* m_text2 = nullptr;
    QLineEdit* m_text3 = nullptr;
    QLabel* m_eenheid[2] = {};   // "poules", "spelers"
    QPushButton* m_toon = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_door = nullptr;
    QPushButton* m_help[7] = {};
    QTreeWidget* m_list = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label6 = nullptr;
    QLabel* m_label7 = nullptr;
};
