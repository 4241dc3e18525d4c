#pragma once
// "Configuratie planning": makes a new, empty planning of tables and time
// slots and appends it to the planning file. Modal.
#include <QDialog>
#include <QList>

class QComboBox;
class QDateEdit;
class QLabel;
class QPushButton;
class QToolBar;

class frmPlanningStart : public QDialog {
    Q_OBJECT
public:
    explicit frmPlanningStart(QWidget* parent = nullptr);

    void Form_Load();
    void Command1_Click(int index);   // "?" buttons 0..5
    void Command2_Click();            // "Maak nieuwe lege planning"
    void Command3_Click();            // "Cancel"
    void Toolbar1_ButtonClick(const QString& key);

    QDateEdit* DTPicker1() const { return m_datum; }
    QComboBox* Combo1() const { return m_start; }
    QComboBox* Combo2() const { return m_interval; }
    QComboBox* Combo3() const { return m_partijen; }
    QComboBox* Combo4() const { return m_tafels; }
    QLabel* Label2() const { return m_nummer; }
    QPushButton* Command1(int index) const { return m_help.value(index); }
    QPushButton* Command2() const { return m_maak; }
    QPushButton* Command3() const { return m_cancel; }
    QToolBar* Toolbar1() const { return m_toolbar; }

private:
    QDateEdit* m_datum = nullptr;
    QComboBox* m_start = nullptr;
    QComboBox* m_interval = nullptr;
    QComboBox* m_partijen = nullptr;
    QComboBox* m_tafels = nullptr;
    QLabel* m_nummer = nullptr;
    QList<QPushButton*> m_help;
    QPushButton* m_maak = nullptr;
    QPushButton* m_cancel = nullptr;
    QToolBar* m_toolbar = nullptr;
};
