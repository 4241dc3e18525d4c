#pragma once
// The interim standings of one poule of the working round (TussenstandPoule),
// read-only and always in normal order; shown modally by its callers.

#include <QDialog>

class QPushButton;
class QToolBar;
class QTreeWidget;

class frmStandTussen : public QDialog {
    Q_OBJECT
public:
    explicit frmStandTussen(QWidget* parent = nullptr);

    void Form_Load();
    void FillTussenList();
    void Toolbar1_ButtonClick(const QString& key);

    QTreeWidget* ListView3() const { return m_list; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    QPushButton* Command1() const { return m_close; }

private:
    QTreeWidget* m_list = nullptr;
    QToolBar* m_toolbar = nullptr;
    QPushButton* m_close = nullptr;
};
