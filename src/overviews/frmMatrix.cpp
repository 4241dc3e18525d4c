#include "frmMatrix.h"
#include "PrintMatrix.h"
#include "app/poulearrows.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "core/recordfile.h"
#include "platform/formgeometry.h"
#include "platform/msgbox.h"
#include "platform/picturebox.h"
#include "platform/printer.h"
#include "standings/standlist.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMdiSubWindow>
#include <QFontMetrics>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>
#include <QRadialGradient>
#include <QScrollBar>
#include <QStyle>
#include <QTimer>
#include <QToolBar>

using namespace modStootplanner;
using modStand::Px;

namespace {

// Design positions of the window, in twips.
constexpr int ViewportLeft = 2520;
constexpr int ViewportTop = 2205;
constexpr int RowPanelTop = 2240;
// The viewport's sunken border: two pixels at the top and left put the cells
// level with the row and column panels, one at the right and bottom.
constexpr int BorderPx = 2;
constexpr int BorderFarPx = 1;
constexpr int RowPanelLeft = 90;
constexpr int ColumnPanelTop = 420;
constexpr int ColumnPanelHeight = 1800;
constexpr int NameWidth = 2010;
constexpr int TargetLeft = 1995;
constexpr int TargetWidth = 435;
constexpr int NameIndentPx = 3;
// Room the design leaves right of the cells (n of 8 to 20); beyond it the window's spare room takes a longer name.
constexpr int RightMarginPx = 28;
constexpr int Cel = core::MatrixCelTwips;
constexpr int ScrollBarPx = 17;
// Difference between the form's outer size and its client area.
constexpr int FrameWidthPx = 8;
constexpr int FrameHeightPx = 30;

QLabel* swatch(QWidget* parent, const QString& name, const QColor& c, const QString& letter)
{
    auto* l = new QLabel(letter, parent);
    l->setObjectName(name);
    l->setAlignment(Qt::AlignCenter);
    l->setFrameShape(QFrame::Box);
    l->setAutoFillBackground(true);
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::WindowText, Qt::black);
    l->setPalette(pal);
    QFont f = l->font();
    f.setBold(true);
    l->setFont(f);
    return l;
}

// The viewport Picture3: a sunken border around the clipped cell surface.
class MatrixViewport : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        const QRect r = rect();
        p.fillRect(r, palette().color(QPalette::Window));
        p.setPen(palette().color(QPalette::Dark));
        p.drawLine(r.left(), r.top(), r.right(), r.top());
        p.drawLine(r.left(), r.top(), r.left(), r.bottom());
        p.setPen(palette().color(QPalette::Shadow));
        p.drawLine(r.left() + 1, r.top() + 1, r.right() - 1, r.top() + 1);
        p.drawLine(r.left() + 1, r.top() + 1, r.left() + 1, r.bottom() - 1);
        p.setPen(palette().color(QPalette::Light));
        p.drawLine(r.left(), r.bottom(), r.right(), r.bottom());
        p.drawLine(r.right(), r.top(), r.right(), r.bottom());
    }
};

} // namespace

// ------------------------------------------------------------ cell surface

MatrixSurface::MatrixSurface(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture5"));
    setFont(overviews::MatrixNameFont());
}

void MatrixSurface::setCells(int n, const std::vector<core::MatrixCell>& cells)
{
    m_n = n;
    m_cells = cells;
    m_cells.resize(size_t(n) * size_t(n));
    update();
}

void MatrixSurface::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    p.fillRect(rect(), palette().color(QPalette::Window));
    const int s = Px(Cel);
    p.setFont(font());
    for (int i = 0; i < m_n; ++i) {
        for (int j = 0; j < m_n; ++j) {
            const QRect r(j * s, i * s, s, s);
            if (i == j)
                continue;  // the black square lies on top
            const core::MatrixCell& c = cell(i, j);
            p.fillRect(r, frmMatrix::CellColour(c.code));
            p.setPen(QColor(0x60, 0x60, 0x60));
            p.drawRect(r.adjusted(0, 0, -1, -1));
            if (c.hasPoints) {
                p.setPen(Qt::black);
                p.drawText(r, Qt::AlignCenter, c.text());
            }
        }
    }
}

// --------------------------------------------------------------- animation

MatrixAnimation::MatrixAnimation(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("Picture10"));
}

void MatrixAnimation::setPicture(const QImage& img)
{
    m_picture = img;
    update();
}

void MatrixAnimation::setTileOpaque(int k, bool opaque)
{
    if (k < 0 || k >= Tiles)
        return;
    m_opaque[size_t(k)] = opaque;
    update();
}

int MatrixAnimation::tileCell(int k)
{
    // A fixed shuffle of the 216 cells, the same every run.
    static const std::vector<int> order = [] {
        std::vector<int> v(Tiles);
        for (int i = 0; i < Tiles; ++i)
            v[size_t(i)] = i;
        quint32 seed = 20261;
        for (int i = Tiles - 1; i > 0; --i) {
            seed = seed * 1103515245u + 12345u;
            std::swap(v[size_t(i)], v[size_t((seed >> 8) % quint32(i + 1))]);
        }
        return v;
    }();
    return k >= 0 && k < Tiles ? order[size_t(k)] : 0;
}

void MatrixAnimation::paintEvent(QPaintEvent*)
{
    QPainter p(this);
    if (!m_picture.isNull())
        p.drawImage(rect(), m_picture);
    const int s = Px(Cel);
    for (int k = 0; k < Tiles; ++k) {
        if (!m_opaque[size_t(k)])
            continue;
        const int cell = tileCell(k);
        const QRect r((cell % Columns) * s, (cell / Columns) * s, s, s);
        p.fillRect(r, QColor(0x40, 0x40, 0x48));
        p.setPen(QColor(0x58, 0x58, 0x60));
        p.drawRect(r.adjusted(0, 0, -1, -1));
    }
}

// ------------------------------------------------------------------ window

frmMatrix::frmMatrix(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmMatrix"));
    setWindowTitle(QStringLiteral("Matrix"));

    m_toolbar = new QToolBar(this);
    m_toolbar->setObjectName(QStringLiteral("Toolbar1"));
    m_toolbar->setIconSize(QSize(20, 20));
    m_toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    struct Key {
        const char* key;
        const char* tip;
        QStyle::StandardPixmap icon;
    };
    const Key keys[] = {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                        {"But03", "Matrix printen", QStyle::SP_FileDialogContentsView},
                        {"But05", "Lijstje wie tegen wie printen", QStyle::SP_FileDialogDetailedView},
                        {"But09", "Help", QStyle::SP_DialogHelpButton}};
    for (const Key& k : keys) {
        QAction* a = m_toolbar->addAction(style()->standardIcon(k.icon), QString::fromLatin1(k.tip));
        a->setObjectName(QString::fromLatin1(k.key));
        a->setToolTip(QString::fromLatin1(k.tip));
        const QString key = QString::fromLatin1(k.key);
        connect(a, &QAction::triggered, this, [this, key] { Toolbar1_ButtonClick(key); });
    }
    m_toolbar->setGeometry(0, 0, Px(5000), Px(ColumnPanelTop));

    // Poule choice.
    auto* kies = new QGroupBox(QStringLiteral(" Kies poule "), this);
    kies->setObjectName(QStringLiteral("Frame3"));
    kies->setGeometry(4, Px(ColumnPanelTop) + 2, 82, 52);
    const QString glyphs[2] = {QStringLiteral("\u25C0"), QStringLiteral("\u25B6")};
    const QString tips[2] = {QStringLiteral("Vorige poule"), QStringLiteral("Volgende poule")};
    for (int i = 0; i < 2; ++i) {
        m_command1[i] = new QPushButton(glyphs[i], kies);
        m_command1[i]->setObjectName(QStringLiteral("Command1_%1").arg(i));
        m_command1[i]->setToolTip(tips[i]);
        m_command1[i]->setEnabled(false);
        m_command1[i]->setGeometry(i == 0 ? 5 : 55, 22, 22, 22);
        connect(m_command1[i], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    }
    m_label8 = new QLabel(QStringLiteral("1"), kies);
    m_label8->setObjectName(QStringLiteral("Label8"));
    m_label8->setToolTip(QStringLiteral("Poulenummer"));
    m_label8->setAlignment(Qt::AlignCenter);
    m_label8->setGeometry(28, 22, 26, 22);
    QFont big = m_label8->font();
    big.setBold(true);
    m_label8->setFont(big);

    m_text1 = new QLineEdit(this);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setReadOnly(true);
    m_text1->setFocusPolicy(Qt::NoFocus);
    m_text1->setGeometry(4, Px(ColumnPanelTop) + 60, 82, 22);
    QFont tf = m_text1->font();
    tf.setBold(true);
    m_text1->setFont(tf);

    // Legend.
    auto* uitleg = new QGroupBox(QStringLiteral(" Uitleg "), this);
    uitleg->setObjectName(QStringLiteral("Frame4"));
    uitleg->setGeometry(90, Px(ColumnPanelTop) + 2, 44, 114);
    m_legend[3] = swatch(uitleg, QStringLiteral("Label4_3"), palette().color(QPalette::Button), QString());
    m_legend[0] = swatch(uitleg, QStringLiteral("Label4_0"), QColor(0x00, 0xC0, 0x00), QStringLiteral("W"));
    m_legend[1] = swatch(uitleg, QStringLiteral("Label4_1"), CellColour(3), QStringLiteral("V"));
    m_legend[2] = swatch(uitleg, QStringLiteral("Label4_2"), CellColour(2), QStringLiteral("R"));
    const int order[4] = {3, 0, 1, 2};
    for (int k = 0; k < 4; ++k) {
        m_legend[order[k]]->setGeometry(10, 20 + k * 22, 24, 20);
        m_legend[order[k]]->installEventFilter(this);
    }
    m_legend[0]->setToolTip(QStringLiteral("Winst"));
    m_legend[1]->setToolTip(QStringLiteral("Verlies"));
    m_legend[2]->setToolTip(QStringLiteral("Remise"));
    m_legend[3]->setToolTip(QStringLiteral("Niet gespeeld"));

    m_carCaption = new QLabel(QStringLiteral("Car"), this);
    m_carCaption->setObjectName(QStringLiteral("Label5"));
    m_carCaption->setAlignment(Qt::AlignHCenter | Qt::AlignBottom);
    m_carCaption->setGeometry(Px(RowPanelLeft + TargetLeft), Px(RowPanelTop) - 18, Px(TargetWidth), 16);

    m_list1 = new QListWidget(this);
    m_list1->setObjectName(QStringLiteral("List1"));
    m_list1->hide();

    // Row panel, column panel and viewport, each clipped by its own box.
    m_rowClip = new QWidget(this);
    m_rowClip->setObjectName(QStringLiteral("RowClip"));
    m_rowPanel = new QWidget(m_rowClip);
    m_rowPanel->setObjectName(QStringLiteral("Frame1"));
    m_colClip = new QWidget(this);
    m_colClip->setObjectName(QStringLiteral("ColumnClip"));
    m_colPanel = new QWidget(m_colClip);
    m_colPanel->setObjectName(QStringLiteral("Frame2"));
    m_viewport = new MatrixViewport(this);
    m_viewport->setObjectName(QStringLiteral("Picture3"));
    m_cellClip = new QWidget(m_viewport);
    m_cellClip->setObjectName(QStringLiteral("CellClip"));
    m_surface = new MatrixSurface(m_cellClip);

    m_vscroll = new QScrollBar(Qt::Vertical, this);
    m_vscroll->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll->hide();
    connect(m_vscroll, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    m_hscroll = new QScrollBar(Qt::Horizontal, this);
    m_hscroll->setObjectName(QStringLiteral("HScroll1"));
    m_hscroll->hide();
    connect(m_hscroll, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });

    m_animation = new MatrixAnimation(this);
    m_animation->setGeometry(Px(ViewportLeft), Px(ColumnPanelTop), Px(3600), Px(5400));
    m_animation->setPicture(ImageList2(4));
    m_animation->hide();
    m_timer1 = new QTimer(this);
    m_timer1->setObjectName(QStringLiteral("Timer1"));
    m_timer1->setInterval(5);
    connect(m_timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    m_timer2 = new QTimer(this);
    m_timer2->setObjectName(QStringLiteral("Timer2"));
    m_timer2->setInterval(2000);
    connect(m_timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });

    Form_Load();
}

frmMatrix::~frmMatrix()
{
    m_timer1->stop();
    m_timer2->stop();
}

QColor frmMatrix::CellColour(int code)
{
    switch (code) {
    case 1:
        return platform::vbColor(core::KleurWinst);
    case 2:
        return platform::vbColor(core::KleurRemise);
    case 3:
        return platform::vbColor(core::KleurVerlies);
    default:
        return QApplication::palette().color(QPalette::Button);
    }
}

void frmMatrix::Form_Load()
{
    VorigAantalInMatrix = 0;
    AantalInMatrix = 0;
    if (AantalPoules > 1)
        m_command1[1]->setEnabled(true);
    HuidigePoule = 1;
    ShowPoule(HuidigePoule, false);
}

void frmMatrix::ShowPoule(qint16 poule, bool setLabel)
{
    if (setLabel)
        m_label8->setText(QString::number(poule));
    LoadPoulePlayers(poule);
    SizeMatrixForm();
    m_text1->setText(QStringLiteral("Poule ") + core::signedNum(poule));
    BuildMatrixCells();
    FillMatrixCells(poule);
}

void frmMatrix::LoadPoulePlayers(qint16 poule)
{
    m_list1->clear();
    VorigAantalInMatrix = AantalInMatrix;
    AantalInMatrix = 0;
    const auto spelers = core::RecordFile<core::SpelerRec>::readWhere(
        PadSpelers(), [&](const core::SpelerRec& s) { return s.ronde == HuidigeRonde && s.poule == poule; });
    m_entries = core::matrixPlayers(spelers, poule, HuidigeRonde);
    for (const core::MatrixEntry& e : m_entries) {
        auto* it = new QListWidgetItem(e.text, m_list1);
        it->setData(Qt::UserRole, e.nummer);
        ++AantalInMatrix;
    }
}

qint16 frmMatrix::GetTargetCaramboles(qint32 nummer)
{
    const auto spelers = core::RecordFile<core::SpelerRec>::readWhere(
        PadSpelers(), [&](const core::SpelerRec& s) { return s.nummer == nummer && s.ronde == HuidigeRonde; });
    return core::matrixTarget(spelers, nummer, HuidigeRonde);
}

void frmMatrix::SizeMatrixForm()
{
    const int n = AantalInMatrix;
    const core::MatrixGeometry g = core::matrixGeometry(n);
    QSize client(Px(g.formWidth) - FrameWidthPx, Px(g.formHeight) - FrameHeightPx);
    // A row name longer than its column widens the row panel, up to what no one's name needs (twenty capitals);
    // the cells and their heads move right, and the window grows by what its spare room cannot take.
    const QFontMetrics fm(overviews::MatrixNameFont());
    int need = 0;
    for (const core::MatrixEntry& e : m_entries)
        need = qMax(need, fm.horizontalAdvance(e.text) + 2 * NameIndentPx + 2);
    const int geenNaam = fm.horizontalAdvance(QString(20, QLatin1Char('M')) + QStringLiteral(", M"));
    need = qMin(need, geenNaam + 2 * NameIndentPx + 2);
    m_nameExtra = qMax(0, need - Px(NameWidth));
    const int right = g.vScroll ? Px(g.vLeft) + ScrollBarPx : Px(ViewportLeft) + Px(g.viewportWidth);
    client.rwidth() += qMax(0, m_nameExtra - qMax(0, client.width() - right - RightMarginPx));
    const int vpLeft = Px(ViewportLeft) + m_nameExtra;
    setMinimumSize(client);
    resize(client);
    if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
        const QSize frame = sub->size() - sub->contentsRect().size();
        sub->resize(client + frame);
    }
    m_toolbar->setGeometry(0, 0, client.width(), Px(ColumnPanelTop));

    const int vpW = Px(g.viewportWidth);
    const int vpH = Px(g.viewportHeight);
    m_viewport->setGeometry(vpLeft, Px(ViewportTop), vpW, vpH);
    const int innerW = vpW - BorderPx - BorderFarPx;
    const int innerH = vpH - BorderPx - BorderFarPx;
    m_cellClip->setGeometry(BorderPx, BorderPx, innerW, innerH);
    m_surface->resize(Px(g.panelSize), Px(g.panelSize));
    m_rowClip->setGeometry(Px(RowPanelLeft), Px(RowPanelTop), Px(TargetLeft + TargetWidth) + m_nameExtra, innerH);
    m_rowPanel->resize(Px(TargetLeft + TargetWidth) + m_nameExtra, Px(g.panelSize));
    m_carCaption->move(Px(RowPanelLeft + TargetLeft) + m_nameExtra, m_carCaption->y());
    m_colClip->setGeometry(vpLeft + BorderPx, Px(ColumnPanelTop), innerW, Px(ColumnPanelHeight));
    m_animation->move(vpLeft, Px(ColumnPanelTop));
    m_colPanel->resize(Px(g.panelSize), Px(ColumnPanelHeight));

    if (g.vScroll) {
        m_vscroll->setRange(0, g.vMax);
        m_vscroll->setGeometry(Px(g.vLeft) + m_nameExtra, Px(ViewportTop), ScrollBarPx, vpH);
        m_vscroll->setPageStep(qMax(1, g.vMax / 4));
        m_vscroll->show();
    } else {
        // A smaller poule needs no scrolling: start again from its first row.
        m_vscroll->setValue(0);
        m_vscroll->hide();
    }
    if (g.hScroll) {
        m_hscroll->setRange(0, g.hMax);
        m_hscroll->setGeometry(vpLeft, Px(ViewportTop) + vpH, vpW, ScrollBarPx);
        m_hscroll->setPageStep(qMax(1, g.hMax / 4));
        m_hscroll->show();
    } else {
        m_hscroll->setValue(0);
        m_hscroll->hide();
    }
    VScroll1_Change();
    HScroll1_Change();
}

void frmMatrix::BuildMatrixCells()
{
    // The previous poule's controls go.
    for (int i = 0; i < VorigAantalInMatrix && i < m_label2.size(); ++i) {
        delete m_label1.value(i);
        delete m_label2.value(i);
        delete m_label6.value(i);
        delete m_picture4.value(i);
    }
    m_label1.clear();
    m_label2.clear();
    m_label6.clear();
    m_picture4.clear();
    m_targets.clear();

    const int n = AantalInMatrix;
    const int s = Px(Cel);
    const core::MatrixHeads koppen = overviews::ScreenColumnHeads(m_entries);
    for (int k = 1; k <= n; ++k) {
        const core::MatrixEntry& e = m_entries[size_t(k - 1)];
        auto* naam = new QLabel(e.text, m_rowPanel);
        naam->setObjectName(QStringLiteral("Label2_%1").arg(k));
        // The narrow font of the column heads: a name of 20 characters fits the row too.
        naam->setFont(overviews::MatrixNameFont());
        naam->setFrameShape(QFrame::Box);
        naam->setIndent(NameIndentPx);
        naam->setGeometry(0, (k - 1) * s, Px(NameWidth) + m_nameExtra, s);
        platform::SetNameText(naam, e.text);
        naam->show();
        m_label2.append(naam);

        m_targets.push_back(GetTargetCaramboles(e.nummer));
        auto* car = new QLabel(QString::number(m_targets.back()), m_rowPanel);
        car->setObjectName(QStringLiteral("Label6_%1").arg(k));
        car->setFrameShape(QFrame::Box);
        car->setAlignment(Qt::AlignCenter);
        car->setGeometry(Px(TargetLeft) + m_nameExtra, (k - 1) * s, Px(TargetWidth), s);
        car->show();
        m_label6.append(car);

        auto* kop = new platform::PictureBox(m_colPanel);
        kop->setObjectName(QStringLiteral("Picture4_%1").arg(k));
        kop->setGeometry((k - 1) * s, 0, s, Px(ColumnPanelHeight));
        overviews::DrawColumnName(kop, e.text, koppen.texts.value(k - 1), koppen.size);
        kop->show();
        m_picture4.append(kop);

        auto* vak = new QLabel(m_surface);
        vak->setObjectName(QStringLiteral("Label1_%1").arg(k));
        vak->setAutoFillBackground(true);
        QPalette pal = vak->palette();
        pal.setColor(QPalette::Window, Qt::black);
        vak->setPalette(pal);
        vak->setGeometry((k - 1) * s, (k - 1) * s, s, s);
        vak->show();
        m_label1.append(vak);
    }
    m_surface->setCells(n, std::vector<core::MatrixCell>(size_t(n) * size_t(n)));
}

void frmMatrix::FillMatrixCells(qint16 poule)
{
    const int n = AantalInMatrix;
    m_surface->setCells(n, std::vector<core::MatrixCell>(size_t(n) * size_t(n)));
    if (!FileExists(PadSpelers())) {
        platform::MsgBox(MissingFileMessage(FileSpelers, CheckForm::Closing), platform::vbCritical, MeldingTitel);
        return;
    }
    if (!FileExists(PadUitslag()))
        return;
    const auto uitslagen = core::RecordFile<core::UitslagRec>::readWhere(
        PadUitslag(), [&](const core::UitslagRec& u) { return u.ronde == HuidigeRonde && u.poule == poule; });
    m_surface->setCells(n, core::matrixCells(m_entries, uitslagen, poule, HuidigeRonde,
                                             core::isJa(Toernooi.puntenInMatrix)));
}

bool frmMatrix::CheckFiles()
{
    return CheckTournamentFiles(FileToernooi | FileSpelers | FilePoules, this, CheckForm::Closing);
}

void frmMatrix::Command1_Click(int index)
{
    if (!CheckFiles())
        return;
    if (!StepPoule(index, HuidigePoule, AantalPoules, m_command1[0], m_command1[1]))
        return;
    ShowPoule(HuidigePoule, true);
}

void frmMatrix::VScroll1_Change()
{
    const int v = m_vscroll->value();
    m_surface->move(m_surface->x(), -Px(Cel) * v);
    m_rowPanel->move(0, -Px(Cel) * v);
}

void frmMatrix::HScroll1_Change()
{
    const int h = m_hscroll->value();
    m_surface->move(-Px(Cel) * h, m_surface->y());
    m_colPanel->move(-Px(Cel) * h, 0);
}

frmMatrix::Cell frmMatrix::Label3(int index) const
{
    Cell c;
    const int n = AantalInMatrix;
    if (n <= 0 || index < 1 || index > n * n)
        return c;
    const int i = (index - 1) / n;
    const int j = (index - 1) % n;
    if (i >= m_surface->count())
        return c;
    const core::MatrixCell& m = m_surface->cell(i, j);
    c.Visible = i != j;
    c.code = m.code;
    c.BackColor = CellColour(m.code);
    c.Caption = m.text();
    return c;
}

void frmMatrix::PrintMatrix()
{
    overviews::PrintMatrix({HuidigePoule, m_entries, m_targets, m_surface->cells()});
}

void frmMatrix::PrintStillToPlay() { overviews::PrintStillToPlay(HuidigePoule, m_entries); }

QLabel* frmMatrix::Label2(int k) const { return m_label2.value(k - 1); }
QLabel* frmMatrix::Label6(int k) const { return m_label6.value(k - 1); }
platform::PictureBox* frmMatrix::Picture4(int k) const { return m_picture4.value(k - 1); }
QLabel* frmMatrix::Label1(int k) const { return m_label1.value(k - 1); }

void frmMatrix::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But03")) {
        if (!CheckFiles())
            return;
        PrintMatrix();
    } else if (key == QLatin1String("But05")) {
        if (!CheckFiles())
            return;
        PrintStillToPlay();
    } else if (key == QLatin1String("But09")) {
        const QString br = QStringLiteral("\r\n");
        MeldingTekst =
            QStringLiteral("U ziet hier in Matrix-vorm wie tegen wie heeft gespeeld en wat het resultaat is van die "
                           "ontmoeting.")
            + br
            + QStringLiteral("Lees de matrix vanuit de linker kolom: het vakje in de rij van een speler en de kolom "
                             "van zijn tegenstander toont in kleur of hij die partij heeft gewonnen (W), verloren (V) "
                             "of remise heeft gespeeld (R); een grijs vakje is nog niet gespeeld.")
            + br
            + QStringLiteral("Bij meer dan 20 spelers in een poule verschijnen schuifbalken waarmee u door de matrix "
                             "kunt bladeren.")
            + br + QStringLiteral("U kunt de matrix uitprinten, ")
            + QStringLiteral("u kunt de poule kiezen en u kunt een lijstje uitprinten wie nog tegen wie moet spelen in "
                             "de gekozen poule.")
            + br + br
            + QStringLiteral("N.B. 1: Via het menu Bestand kunt u bij de instellingen van het toernooi aangeven dat "
                             "in de vakjes van de matrix ook de behaalde punten worden getoond.")
            + br
            + QStringLiteral("N.B. 2: Ale spelers meerdere keren tegen elkaar spelen, dan ziet u alleen het resultaat "
                             "van de laatste ontmoeting.");
        HelpGroot = false;
        ShowHelp();
    }
}

bool frmMatrix::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonDblClick) {
        for (int i = 0; i < 4; ++i)
            if (watched == m_legend[i]) {
                Label4_DblClick(i);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

void frmMatrix::Label4_DblClick(int index)
{
    if (m_timer1->isActive() || m_timer2->isActive())
        return;
    if (AantalInMatrix < 10 || index < 0 || index > 3)
        return;
    AnimatieStap = -1;
    const int picture[4] = {4, 1, 2, 3};
    m_animation->setPicture(ImageList2(picture[index]));
    m_animation->show();
    m_animation->raise();
    m_timer1->start();
}

void frmMatrix::Timer1_Timer()
{
    ++AnimatieStap;
    m_animation->setTileOpaque(AnimatieStap, false);
    if (AnimatieStap >= MatrixAnimation::Tiles - 1) {
        m_timer1->stop();
        m_timer2->start();
    }
}

void frmMatrix::Timer2_Timer()
{
    m_animation->hide();
    m_timer2->stop();
    for (int k = 0; k < MatrixAnimation::Tiles; ++k)
        m_animation->setTileOpaque(k, true);
}

QImage frmMatrix::ImageList2(int index)
{
    // Four small billiard scenes, 240 x 360 pixels.
    QImage img(Px(3600), Px(5400), QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const int w = img.width();
    const int h = img.height();
    auto ball = [&p](double x, double y, double r, const QColor& c) {
        QRadialGradient g(QPointF(x - r / 3, y - r / 3), r * 1.3);
        g.setColorAt(0, Qt::white);
        g.setColorAt(0.3, c);
        g.setColorAt(1, c.darker(170));
        p.setBrush(g);
        p.setPen(Qt::NoPen);
        p.drawEllipse(QPointF(x, y), r, r);
    };
    // Table: wooden rim and green cloth with the diamonds.
    p.fillRect(img.rect(), QColor(0x5a, 0x32, 0x16));
    const QRect cloth(18, 18, w - 36, h - 36);
    p.fillRect(cloth, index == 3 ? QColor(0x1a, 0x4c, 0x8c) : QColor(0x0b, 0x6a, 0x35));
    p.setBrush(QColor(0xf0, 0xe6, 0xc8));
    p.setPen(Qt::NoPen);
    for (int k = 1; k < 4; ++k)
        p.drawEllipse(QPointF(cloth.left() + cloth.width() * k / 4.0, 9), 3, 3);
    for (int k = 1; k < 8; ++k)
        p.drawEllipse(QPointF(9, cloth.top() + cloth.height() * k / 8.0), 3, 3);
    const QColor wit(250, 250, 245), geel(240, 200, 40), rood(200, 25, 25);
    switch (index) {
    case 1: {  // a three-cushion path
        QPainterPath path(QPointF(70, 300));
        path.lineTo(w - 18, 200);
        path.lineTo(150, 18);
        path.lineTo(18, 120);
        path.lineTo(170, 90);
        p.setPen(QPen(QColor(255, 255, 255, 150), 2, Qt::DashLine));
        p.setBrush(Qt::NoBrush);
        p.drawPath(path);
        ball(70, 300, 11, wit);
        ball(180, 90, 11, rood);
        ball(120, 250, 11, geel);
        break;
    }
    case 2: {  // the cue at the ball
        ball(w / 2.0, h * 0.62, 12, wit);
        ball(w * 0.35, h * 0.3, 12, rood);
        ball(w * 0.7, h * 0.25, 12, geel);
        p.setPen(QPen(QColor(0xe8, 0xd0, 0xa0), 6, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w / 2.0 + 4, h * 0.62 + 22), QPointF(w * 0.72, h - 10));
        p.setPen(QPen(QColor(0x30, 0x20, 0x10), 8, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(w * 0.66, h * 0.9), QPointF(w * 0.72, h - 10));
        break;
    }
    case 3: {  // a cup for the winner
        p.setBrush(QColor(0xe0, 0xb0, 0x30));
        p.setPen(QPen(QColor(0x8a, 0x60, 0x10), 2));
        QPainterPath cup;
        cup.moveTo(w * 0.28, h * 0.25);
        cup.lineTo(w * 0.72, h * 0.25);
        cup.cubicTo(w * 0.72, h * 0.5, w * 0.6, h * 0.55, w * 0.54, h * 0.58);
        cup.lineTo(w * 0.54, h * 0.7);
        cup.lineTo(w * 0.66, h * 0.76);
        cup.lineTo(w * 0.34, h * 0.76);
        cup.lineTo(w * 0.46, h * 0.7);
        cup.lineTo(w * 0.46, h * 0.58);
        cup.cubicTo(w * 0.4, h * 0.55, w * 0.28, h * 0.5, w * 0.28, h * 0.25);
        p.drawPath(cup);
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QRectF(w * 0.16, h * 0.27, w * 0.16, h * 0.12));
        p.drawEllipse(QRectF(w * 0.68, h * 0.27, w * 0.16, h * 0.12));
        ball(w * 0.5, h * 0.18, 12, wit);
        break;
    }
    default: {  // the three balls in the starting position
        ball(w / 2.0, h * 0.25, 12, rood);
        ball(w / 2.0, h * 0.75, 12, wit);
        ball(w / 2.0 - 40, h * 0.75, 12, geel);
        QFont f(QStringLiteral("Arial"));
        f.setPixelSize(20);
        f.setBold(true);
        p.setFont(f);
        p.setPen(QColor(255, 255, 255, 200));
        p.drawText(cloth, Qt::AlignCenter, QStringLiteral("Stootplanner"));
        break;
    }
    }
    return img;
}
