#pragma once
// The standings window: one poule of the working round, normal or by match
// points, stepped through by hand or by the carousel, in four font sizes,
// printed and exported as a web page.

#include "core/standview.h"
#include <QWidget>

class QAction;
class QComboBox;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;
class QTimer;
class QToolBar;
class QTreeWidget;

class frmStand : public QWidget {
    Q_OBJECT
public:
    explicit frmStand(QWidget* parent = nullptr);
    ~frmStand() override;

    // Window state.
    qint16 HuidigePoule = 1;
    qint16 CarrouselSeconden = core::CarrouselStart;
    qint16 CarrouselVan() const { return qint16(m_carousel.van()); }
    qint16 CarrouselTot() const { return qint16(m_carousel.tot()); }
    qint16 CarrouselVolgende() const { return qint16(m_carousel.volgende()); }
    int ZoomKeuze = 0;

    // Handlers.
    void Form_Load();
    void Combo1_Click();
    void Command1_Click(int index);   // 0 previous, 1 next poule
    void Option1_Click(int index);    // 0 normal, 1 match points
    void Option2_Click(int index);    // zoom 8, 12, 16, 20 pt
    void Command2_Click();            // carousel Stop
    void Command3_Click();            // carousel Start
    void Command4_Click();            // faster
    void Command5_Click();            // slower
    void Timer1_Timer();
    void Toolbar1_ButtonClick(const QString& key);
    void Command6_Click(int index);   // carousel help
    void Command7_Click();            // zoom help
    void PrintStand();

    // The list lines as shown, for the print and the export.
    QList<core::StandLine> StandLines() const;

    // Controls.
    QLabel* Label6(int i) const { return m_label6[i]; }
    QLabel* Label8() const { return m_label8; }
    QLabel* Label1() const { return m_label1; }
    QLabel* Label9() const { return m_label9; }
    QLabel* Label4() const { return m_label4; }
    QLabel* Label5() const { return m_label5; }
    QLabel* Label2() const { return m_label2; }
    QComboBox* Combo1() const { return m_combo1; }
    QComboBox* Combo2() const { return m_combo2; }
    QComboBox* Combo3() const { return m_combo3; }
    QPushButton* Command1(int i) const { return m_command1[i]; }
    QPushButton* Command2() const { return m_command2; }
    QPushButton* Command3() const { return m_command3; }
    QPushButton* Command4() const { return m_command4; }
    QPushButton* Command5() const { return m_command5; }
    QRadioButton* Option1(int i) const { return m_option1[i]; }
    QRadioButton* Option2(int i) const { return m_option2[i]; }
    QGroupBox* FrameNaarPoule() const { return m_frameNaarPoule; }
    QGroupBox* FrameModus() const { return m_frameModus; }
    QGroupBox* FrameCarrousel() const { return m_frameCarrousel; }
    QTreeWidget* ListView1() const { return m_list; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    QTimer* Timer1() const { return m_timer; }

protected:
    void closeEvent(QCloseEvent* e) override;
    void showEvent(QShowEvent* e) override;

private:
    void buildUi();
    void setLabel1(const QString& text);
    void FillStandList();
    void showHelp(const QStringList& lines);

    core::Carousel m_carousel;
    bool m_placed = false;

    QLabel* m_label6[2] = {};
    QLabel* m_label8 = nullptr;
    QLabel* m_label1 = nullptr;
    QLabel* m_label9 = nullptr;
    QLabel* m_label10 = nullptr;
    QLabel* m_label4 = nullptr;
    QLabel* m_label5 = nullptr;
    QLabel* m_label2 = nullptr;
    QComboBox* m_combo1 = nullptr;
    QComboBox* m_combo2 = nullptr;
    QComboBox* m_combo3 = nullptr;
    QPushButton* m_command1[2] = {};
    QPushButton* m_command2 = nullptr;
    QPushButton* m_command3 = nullptr;
    QPushButton* m_command4 = nullptr;
    QPushButton* m_command5 = nullptr;
    QPushButton* m_command6[3] = {};
    QPushButton* m_command7 = nullptr;
    QRadioButton* m_option1[2] = {};
    QRadioButton* m_option2[4] = {};
    QGroupBox* m_frameNaarPoule = nullptr;
    QGroupBox* m_frameModus = nullptr;
    QGroupBox* m_frameCarrousel = nullptr;
    QTreeWidget* m_list = nullptr;
    QToolBar* m_toolbar = nullptr;
    QTimer* m_timer = nullptr;
};
