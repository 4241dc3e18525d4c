#pragma once
// "Matrix": the cross table of one poule of the working round. Row k and
// column k are entry k of the alphabetical list List1; cell (i, j) shows in
// colour (and optionally with the points) what player i obtained against j.
//
// The n x n cells (Label3) and the diagonal squares (Label1) are painted by
// one surface widget (Picture5); the row names (Label2_k), targets (Label6_k)
// and vertical column names (Picture4_k) are real controls.

#include "core/crosstable.h"
#include <QColor>
#include <QImage>
#include <QList>
#include <QWidget>
#include <vector>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QScrollBar;
class QTimer;
class QToolBar;
namespace platform { class PictureBox; }

// The painted cell surface.
class MatrixSurface : public QWidget {
    Q_OBJECT
public:
    explicit MatrixSurface(QWidget* parent = nullptr);
    void setCells(int n, const std::vector<core::MatrixCell>& cells);
    int count() const { return m_n; }
    const core::MatrixCell& cell(int i, int j) const { return m_cells[size_t(i) * size_t(m_n) + size_t(j)]; }
    const std::vector<core::MatrixCell>& cells() const { return m_cells; }

protected:
    void paintEvent(QPaintEvent*) override;

private:
    int m_n = 0;
    std::vector<core::MatrixCell> m_cells;
};

// The picture shown under 216 tiles that clear one by one.
class MatrixAnimation : public QWidget {
    Q_OBJECT
public:
    static constexpr int Tiles = 216;
    static constexpr int Columns = 12;
    explicit MatrixAnimation(QWidget* parent = nullptr);
    void setPicture(const QImage& img);
    QImage picture() const { return m_picture; }
    void setTileOpaque(int k, bool opaque);
    bool tileOpaque(int k) const { return m_opaque[size_t(k)]; }
    // Cell (0..215, row-major) that tile k covers: a fixed scattered order.
    static int tileCell(int k);

protected:
    void paintEvent(QPaintEvent*) override;

private:
    QImage m_picture;
    std::vector<bool> m_opaque = std::vector<bool>(Tiles, true);
};

class frmMatrix : public QWidget {
    Q_OBJECT
public:
    explicit frmMatrix(QWidget* parent = nullptr);
    ~frmMatrix() override;

    // Window state.
    qint16 HuidigePoule = 1;
    qint16 AantalInMatrix = 0;
    qint16 VorigAantalInMatrix = 0;
    qint16 AnimatieStap = 0;

    void Form_Load();
    void LoadPoulePlayers(qint16 poule);
    qint16 GetTargetCaramboles(qint32 nummer);
    void SizeMatrixForm();
    void BuildMatrixCells();
    void FillMatrixCells(qint16 poule);
    void Command1_Click(int index);
    void HScroll1_Change();
    void VScroll1_Change();
    void Toolbar1_ButtonClick(const QString& key);
    void Label4_DblClick(int index);
    void Timer1_Timer();
    void Timer2_Timer();

    // Print-outs of the toolbar keys "But03" and "But05" (PrintMatrix.h) of what the window shows.
    void PrintMatrix();
    void PrintStillToPlay();

    // A cell as the user sees it: index (i - 1) x n + j for row i, column j.
    struct Cell {
        QColor BackColor;
        QString Caption;
        bool Visible = false;
        int code = 0;
    };
    Cell Label3(int index) const;
    QLabel* Label2(int k) const;           // row name k (1..n)
    QLabel* Label6(int k) const;           // target of player k
    platform::PictureBox* Picture4(int k) const;  // vertical name of column k
    QLabel* Label1(int k) const;           // diagonal square k
    QLabel* Label4(int index) const { return m_legend[index]; }
    QLabel* Label8() const { return m_label8; }
    QLineEdit* Text1() const { return m_text1; }
    QListWidget* List1() const { return m_list1; }
    QPushButton* Command1(int index) const { return m_command1[index]; }
    QScrollBar* VScroll1() const { return m_vscroll; }
    QScrollBar* HScroll1() const { return m_hscroll; }
    QToolBar* Toolbar1() const { return m_toolbar; }
    MatrixSurface* Picture5() const { return m_surface; }
    QWidget* Picture3() const { return m_viewport; }
    QWidget* Frame1() const { return m_rowPanel; }
    QWidget* Frame2() const { return m_colPanel; }
    MatrixAnimation* Picture10() const { return m_animation; }
    QTimer* Timer1() const { return m_timer1; }
    QTimer* Timer2() const { return m_timer2; }
    // The four pictures of the animation (ImageList2, 1-based).
    static QImage ImageList2(int index);

    // The entries of List1 in list order.
    const std::vector<core::MatrixEntry>& Entries() const { return m_entries; }
    static QColor CellColour(int code);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowPoule(qint16 poule, bool setLabel);
    bool CheckFiles();

    std::vector<core::MatrixEntry> m_entries;
    std::vector<qint16> m_targets;
    QList<QLabel*> m_label2, m_label6, m_label1;
    QList<platform::PictureBox*> m_picture4;
    QLabel* m_legend[4] = {};
    QLabel* m_label8 = nullptr;
    QLabel* m_carCaption = nullptr;
    QLineEdit* m_text1 = nullptr;
    QListWidget* m_list1 = nullptr;
    QPushButton* m_command1[2] = {};
    QScrollBar* m_vscroll = nullptr;
    QScrollBar* m_hscroll = nullptr;
    QToolBar* m_toolbar = nullptr;
    QWidget* m_viewport = nullptr;
    QWidget* m_cellClip = nullptr;
    MatrixSurface* m_surface = nullptr;
    QWidget* m_rowClip = nullptr;
    QWidget* m_rowPanel = nullptr;
    QWidget* m_colClip = nullptr;
    QWidget* m_colPanel = nullptr;
    MatrixAnimation* m_animation = nullptr;
    int m_nameExtra = 0;   // pixels the row names need beyond their column
    QTimer* m_timer1 = nullptr;
    QTimer* m_timer2 = nullptr;
};
