#pragma once
// "Kies planning": lists the plannings of the loaded tournament and hands
// the chosen one to the planning grid. Modal; DialoogResultaat 1 when the
// grid is to open.
#include <QDialog>

class QPushButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class frmKiesPlanning : public QDialog {
    Q_OBJECT
public:
    explicit frmKiesPlanning(QWidget* parent = nullptr);

    void Form_Load();
    void ListView1_ItemClick(QTreeWidgetItem* item);
    void Command1_Click();   // "Naar planning"
    void Command2_Click();   // "Cancel"
    void Toolbar1_ButtonClick(const QString& key);

    QTreeWidget* ListView1() const { return m_list; }
    QPushButton* Command1() const { return m_naar; }
    QPushButton* Command2() const { return m_cancel; }
    QToolBar* Toolbar1() const { return m_toolbar; }

private:
    QTreeWidget* m_list = nullptr;
    QPushButton* m_naar = nullptr;
    QPushButton* m_cancel = nullptr;
    QToolBar* m_toolbar = nullptr;
};
