#pragma once
// "Nieuwe ronde maken": adds the round after the last one and makes it the
// working round. Modal.
#include <QDialog>

class QLabel;
class QPushButton;

class frmNieuweRonde : public QDialog {
    Q_OBJECT
public:
    explicit frmNieuweRonde(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click();   // "Ronde n aanmaken"
    void Command2_Click();   // "Cancel"
    void Command3_Click();   // "?"
    void CreateNextRound();

    QPushButton* Command1() const { return m_maak; }
    QPushButton* Command2() const { return m_cancel; }
    QPushButton* Command3() const { return m_help; }
    QLabel* Label2() const { return m_aantalRonden; }
    QLabel* Label4() const { return m_huidig; }
    QLabel* Label6() const { return m_nieuw; }

private:
    QLabel* m_aantalRonden;
    QLabel* m_huidig;
    QLabel* m_nieuw;
    QPushButton* m_maak;
    QPushButton* m_cancel;
    QPushButton* m_help;
};
