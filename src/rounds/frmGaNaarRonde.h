#pragma once
// " Ga naar ronde": makes a round made so far the working round. Modal.
#include <QDialog>

class QComboBox;
class QLabel;
class QPushButton;

class frmGaNaarRonde : public QDialog {
    Q_OBJECT
public:
    explicit frmGaNaarRonde(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();   // "Ga naar andere ronde"
    void Command2_Click();   // "Cancel"
    void Command3_Click();   // "?"
    void SwitchWorkingRound();

    QComboBox* Combo1() const { return m_rondes; }
    QLabel* Label2() const { return m_huidig; }
    QPushButton* Command1() const { return m_ga; }
    QPushButton* Command2() const { return m_cancel; }

private:
    QLabel* m_huidig;
    QComboBox* m_rondes;
    QPushButton* m_ga;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
