#pragma once
// "Planning": one planning as a grid of tables against time slots, filled
// by dragging players of up to three poules of the working round onto the
// cells. Child window of menu group 7; saves itself when it closes.
#include "core/planning.h"
#include <QListWidget>
#include <QLabel>
#include <QTableView>
#include <QWidget>

class PlanningModel;
class QPushButton;
class QScrollBar;
class QToolBar;

namespace planning {

// A poule list whose entries are dragged as plain text (copied, never moved).
class PouleList : public QListWidget {
    Q_OBJECT
public:
    using QListWidget::QListWidget;
protected:
    void startDrag(Qt::DropActions supportedActions) override;
};

// The name label under a poule list: its caption can be dragged as well.
class NameLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;
protected:
    void mousePressEvent(QMouseEvent* e) override;
    void mouseMoveEvent(QMouseEvent* e) override;
private:
    QPoint m_pressAt;
};

// The cell view: a double click empties a cell, the wheel goes to VScroll1.
class CellView : public QTableView {
    Q_OBJECT
public:
    using QTableView::QTableView;
signals:
    void wheelSteps(int steps);
protected:
    void wheelEvent(QWheelEvent* e) override;
};

} // namespace planning

class frmPlanning : public QWidget {
    Q_OBJECT
public:
    explicit frmPlanning(QWidget* parent = nullptr);

    void Form_Load();
    void FillPouleNameList(qint16 poule, int lijst);
    // False when the planning was not saved (a message said why).
    bool SavePlanning();
    void PrintPlanning();

    // Previous (index 0) / next (1) poule of list 1, 2 and 3.
    void Command1_Click(int index);
    void Command2_Click(int index);
    void Command4_Click(int index);
    void List1_Click(int lijst);
    void Label5_DragDrop(int element, const QString& text);
    void Label5_DblClick(int element);
    void Command5_Click();                       // "Claer"
    void Command3_Click(int index);              // "?"
    void HScroll1_Change();
    void VScroll1_Change();
    void Toolbar1_ButtonClick(const QString& key);

    // Controls by their names; arrays by index (List1 1..3, Label5 1..n).
    QString Label5(int element) const;
    int Label5Count() const;
    QTableView* Label5View() const;
    PlanningModel* cells() const { return m_model; }
    QListWidget* List1(int lijst) const { return m_lists.value(lijst - 1); }
    QLabel* Label1(int lijst) const { return m_names.value(lijst - 1); }
    QLabel* Label3(int lijst) const { return m_pouleLabels.value(lijst - 1); }
    QPushButton* PouleButton(int lijst, int index) const;   // Command1 / Command2 / Command4
    qint16 PouleOf(int lijst) const { return m_poule.value(lijst - 1); }
    QScrollBar* HScroll1() const { return m_hscroll; }
    QScrollBar* VScroll1() const { return m_vscroll; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    QWidget* TafelPanel() const { return m_headPanel; }
    QWidget* TijdPanel() const { return m_timePanel; }
    QList<QLabel*> TafelLabels() const { return m_heads; }
    QList<QLabel*> TijdLabels() const { return m_times; }
    bool planningFound() const { return m_found; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void buildGrid(QWidget* area);
    void buildPoules(QWidget* frame);
    void buildInfo(QWidget* column);
    void fitGridFace();
    void StepPoule(int lijst, int index);

    PlanningModel* m_model = nullptr;
    planning::CellView* m_view = nullptr;
    QWidget* m_headClip = nullptr;
    QWidget* m_headPanel = nullptr;
    QWidget* m_timeClip = nullptr;
    QWidget* m_timePanel = nullptr;
    QList<QLabel*> m_heads;
    QList<QLabel*> m_times;
    QScrollBar* m_hscroll = nullptr;
    QScrollBar* m_vscroll = nullptr;
    QToolBar* m_toolbar = nullptr;
    QList<QListWidget*> m_lists;
    QList<QLabel*> m_names;
    QList<QLabel*> m_pouleLabels;
    QList<QPushButton*> m_pouleButtons;   // list i: [2(i-1)] previous, [2(i-1)+1] next
    QList<qint16> m_poule = {1, 1, 1};
    QLabel* m_nummer = nullptr;
    QLabel* m_datum = nullptr;
    QLabel* m_ronde = nullptr;
    bool m_found = false;
    bool m_saved = false;
    bool m_placed = false;
};
