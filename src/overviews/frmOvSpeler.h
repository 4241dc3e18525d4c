#pragma once
// "Overzicht per speler": every game of one player of a poule of the working
// round, in that round only or in all rounds up to it, with a subtotal per
// round and a total, and its print-out.

#include "core/playeroverview.h"
#include <QWidget>
#include <vector>

class QComboBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QToolBar;
class QTreeWidget;
class QTreeWidgetItem;

class frmOvSpeler : public QWidget {
    Q_OBJECT
public:
    explicit frmOvSpeler(QWidget* parent = nullptr);

    // Window state.
    qint16 HuidigePoule = 1;
    qint32 HuidigeSpeler = 0;

    void Form_Load();
    void Combo1_Click();
    void Command1_Click(int index);
    void ListView1_ColumnClick(int column);
    void ListView1_ItemClick(QTreeWidgetItem* item);
    void Option1_Click(int index);
    void Toolbar1_ButtonClick(const QString& key);
    void Command2_Click();
    void Command3_Click();
    void PrintPlayerOverview();   // PrintOvSpeler.h, of the rows shown

    // The game list's rows in list order, as the print takes them.
    std::vector<core::OverviewRow> GameRows() const;

    QTreeWidget* ListView1() const { return m_players; }
    QTreeWidget* ListView2() const { return m_games; }
    QComboBox* Combo1() const { return m_combo; }
    QPushButton* Command1(int index) const { return m_command1[index]; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    QRadioButton* Option1(int index) const { return m_option1[index]; }
    QLabel* Label2() const { return m_label2; }
    QLabel* Label4() const { return m_label4; }
    QToolBar* Toolbar1() const { return m_toolbar; }

protected:
    void showEvent(QShowEvent* e) override;

private:
    void LoadOverviewPlayers();
    void FillPlayerList();
    void ClearGames();
    void setLinks(int breed);   // the width of the frames on the left

    std::vector<core::OverviewPlayer> m_list;
    QTreeWidget* m_players = nullptr;
    QTreeWidget* m_games = nullptr;
    QComboBox* m_combo = nullptr;
    QPushButton* m_command1[2] = {};
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QRadioButton* m_option1[2] = {};
    QLabel* m_label2 = nullptr;
    QLabel* m_label4 = nullptr;
    QToolBar* m_toolbar = nullptr;
    bool m_placed = false;
    QWidget* m_links[2] = {};   // the frames on the left
    int m_linksMin = 0;         // what their controls need
    int m_linksVol = 0;         // what the players' names need besides, up to a third of the window
};
