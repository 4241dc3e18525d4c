#pragma once
// "Spelers handmatig doorkoppelen": chosen players of a poule of the previous
// round are carried into a chosen poule of the newest round. Child window of
// menu group 4.
#include <QWidget>

class QComboBox;
class QLabel;
class QPushButton;
class QToolBar;
class QTreeWidget;

class frmDoorkoppelen : public QWidget {
    Q_OBJECT
public:
    explicit frmDoorkoppelen(QWidget* parent = nullptr);
    // The child window opens at its own size, not at what its layout asks.
    QSize sizeHint() const override;

protected:
    void showEvent(QShowEvent* e) override;

public:

    void Form_Load();
    void FillCarryOverList(int lijst);
    bool IsInTargetRound(qint32 nummer) const;
    // Replaces moyenne and target of the record being built (Speler) by those
    // made in the previous round.
    void AdjustCarriedMoyenne(qint32 nummer);
    void CarryOverChecked();
    void AddPouleNewRound();

    void Combo1_Click();
    void Combo2_Click();
    void Command1_Click(int index);   // left: 0 previous, 1 next poule
    void Command5_Click(int index);   // right: 0 previous, 1 next poule
    void Command2_Click();            // "Doorkoppelen"
    void Command4_Click();            // "Clear selectie"
    void Command6_Click();            // "Nieuwe poule aanmaken"
    void Command3_Click(int index);   // "?"
    void ListView1_ColumnClick(int column);
    void ListView2_ColumnClick(int column);
    void Toolbar1_ButtonClick(const QString& key);

    QComboBox* Combo1() const { return m_combo1; }
    QComboBox* Combo2() const { return m_combo2; }
    QPushButton* Command1(int i) const { return m_command1[i]; }
    QPushButton* Command5(int i) const { return m_command5[i]; }
    QPushButton* Command2() const { return m_doorkoppelen; }
    QPushButton* Command4() const { return m_clear; }
    QPushButton* Command6() const { return m_nieuwePoule; }
    QPushButton* Command3(int i) const { return m_command3[i]; }
    QTreeWidget* ListView1() const { return m_list1; }
    QTreeWidget* ListView2() const { return m_list2; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    QLabel* LinkerPouleLabel() const { return m_linkerPoule[0]; }
    QLabel* RechterPouleLabel() const { return m_rechterPoule[0]; }

    qint16 VorigeRonde() const { return m_vorigeRonde; }
    qint16 NieuweRonde() const { return m_nieuweRonde; }
    qint16 LinkerPoule() const { return m_links; }
    qint16 RechterPoule() const { return m_rechts; }
    qint16 PoulesNieuweRonde() const { return m_poulesNieuw; }

private:
    void setLinkerPouleText(const QString& t);
    void setRechterPouleText(const QString& t);
    void stepLeft(int index);
    void stepRight(int index);

    qint16 m_vorigeRonde = 0;
    qint16 m_nieuweRonde = 0;
    qint16 m_poulesVorig = 0;
    qint16 m_poulesNieuw = 0;
    qint16 m_links = 1;
    qint16 m_rechts = 1;

    QToolBar* m_toolbar = nullptr;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QPushButton* m_command1[2] = {};
    QPushButton* m_command5[2] = {};
    QPushButton* m_command3[4] = {};
    QPushButton* m_doorkoppelen = nullptr;
    QPushButton* m_clear = nullptr;
    QPushButton* m_nieuwePoule = nullptr;
    QTreeWidget* m_list1 = nullptr;
    QTreeWidget* m_list2 = nullptr;
    QList<QLabel*> m_vorigeRondeLabels;
    QList<QLabel*> m_nieuweRondeLabels;
    QLabel* m_linkerPoule[2] = {};    // next to "Poule" and in " Uw keuze "
    QLabel* m_rechterPoule[3] = {};   // next to "Poule" and in both " Uw keuze " frames
};
