#pragma once
// "Lijstje poulewinnaars": the players on places 1 to k of every poule of
// the working round, sorted on place, and its print-out.

#include "PrintStand.h"
#include <QWidget>

class QLabel;
class QPushButton;
class QToolBar;
class QTreeWidget;

class frmWinnars : public QWidget {
    Q_OBJECT
public:
    explicit frmWinnars(QWidget* parent = nullptr);

    void Form_Load();
    void FillWinnersList(int k);
    void Command1_Click(int index);   // 1..4: places 1 to index
    void ListView1_ColumnClick(int column);
    void Toolbar1_ButtonClick(const QString& key);
    void PrintWinnersList();

    // The list's lines in the order shown.
    QList<modStand::WinnerLine> WinnerLines() const;

    QTreeWidget* ListView1() const { return m_list; }
    QPushButton* Command1(int i) const { return m_command1[i]; }
    QToolBar* Toolbar1() const { return m_toolbar; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    bool m_placed = false;
    QTreeWidget* m_list = nullptr;
    QPushButton* m_command1[5] = {};
    QToolBar* m_toolbar = nullptr;
    QLabel* m_picture = nullptr;
};
