#include "frmPlanning.h"
#include "platform/formgeometry.h"
#include "PrintPlanning.h"
#include "app/modStootplanner.h"
#include "app/shell.h"
#include "core/format.h"
#include "modPlanning.h"
#include "planningmodel.h"
#include "platform/keytoolbar.h"
#include "platform/msgbox.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDrag>
#include <QGridLayout>
#include <QGroupBox>
#include <QHelpEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QMimeData>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTableView>
#include <QToolBar>
#include <QToolTip>
#include <QVBoxLayout>
#include <QWheelEvent>
#include <algorithm>

using namespace modStootplanner;
using planning::Px;

namespace {

// Screen steps in twips: a table is 3150 wide (two sides of 1575), a slot 315 high.
constexpr int TafelTwips = 3150;
constexpr int SlotTwips = 315;
constexpr int ZichtbareTafels = 4;
constexpr int ZichtbarePartijen = 14;
const int TafelPx = Px(TafelTwips);          // 210
const int Kant1Px = Px(1470);                 // side 2 starts 1470 twips into its table
const int SlotPx = Px(SlotTwips);             // 21
const int TijdPx = 52;
constexpr double CelPunten = 8.25;
constexpr double MinCelPunten = 7.0;
const QString LijstHint1 = QStringLiteral("(U kunt ook onder- staande naam naar de planning slepen)");
const QString LijstHint2 =
    QStringLiteral("Click eerst op de naam in de lijst hiernaast en sleep  dan de naam naar de planning");

// The width a cell's text has: its section less the grid line, the inset and the style's text margins.
// Measured in fractions: the style cuts a text that is a fraction of a pixel too wide.
qreal cellRoom(const QTableView* view, int column)
{
    const int margin = view->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, view) + 1;
    return view->horizontalHeader()->sectionSize(column) - int(view->showGrid()) - 4 - 2 * margin;
}

// Tables alternate their shade; a firmer line closes each table on the right. The grid has one face (see
// fitGridFace); an entry too wide for its cell even so gives way in its name, never in its initial or target,
// with the whole entry in the tool tip.
class CellDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        const int tafel = index.column() / 2;
        p->fillRect(option.rect, tafel % 2 == 0 ? QColor(0xFF, 0xFF, 0xF0) : QColor(0xF0, 0xF6, 0xFF));
        QStyleOptionViewItem o(option);
        o.rect.adjust(2, 0, -2, 0);
        initStyleOption(&o, index);
        o.text = shown(o, index);
        const QWidget* w = option.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
        if (index.column() % 2 == 1) {
            p->save();
            p->setPen(QPen(QColor(0x40, 0x40, 0x40), 2));
            p->drawLine(option.rect.topRight() + QPoint(0, 0), option.rect.bottomRight() + QPoint(0, 1));
            p->restore();
        }
    }
    // The room the text needs, with the inset that paint() keeps free.
    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        return QStyledItemDelegate::sizeHint(option, index) + QSize(4, 0);
    }
    bool helpEvent(QHelpEvent* e, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        if (e->type() == QEvent::ToolTip && shown(o, index) != o.text) {
            QToolTip::showText(e->globalPos(), o.text + QLatin1Char('\n') + index.data(Qt::ToolTipRole).toString(),
                               view);
            return true;
        }
        return QStyledItemDelegate::helpEvent(e, view, option, index);
    }

private:
    QString shown(const QStyleOptionViewItem& o, const QModelIndex& index) const
    {
        const auto* view = qobject_cast<const QTableView*>(parent());
        return view ? platform::ElideNamePart(o.text, QFontMetricsF(o.font), cellRoom(view, index.column())) : o.text;
    }
    // A stored caption keeps its trailing blanks; they take no room on screen.
    QString displayText(const QVariant& value, const QLocale& locale) const override
    {
        QString s = QStyledItemDelegate::displayText(value, locale);
        while (s.endsWith(QLatin1Char(' ')))
            s.chop(1);
        return s;
    }
};

// The grid's panels are placed by hand; the layout only needs its size.
class GridArea : public QWidget {
public:
    using QWidget::QWidget;
    QSize sizeHint() const override { return minimumSize(); }
    QSize minimumSizeHint() const override { return minimumSize(); }
};

QLabel* namedLabel(const QString& name, const QString& text, QWidget* parent)
{
    auto* l = new QLabel(text, parent);
    l->setObjectName(name);
    return l;
}

} // namespace

namespace planning {

void PouleList::startDrag(Qt::DropActions)
{
    QListWidgetItem* it = currentItem();
    if (!it)
        return;
    auto* mime = new QMimeData;
    mime->setText(it->text());
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void NameLabel::mousePressEvent(QMouseEvent* e)
{
    m_pressAt = e->position().toPoint();
    QLabel::mousePressEvent(e);
}

void NameLabel::mouseMoveEvent(QMouseEvent* e)
{
    // An empty label is dragged too: dropped, it empties the cell.
    if (!(e->buttons() & Qt::LeftButton)
        || (e->position().toPoint() - m_pressAt).manhattanLength() < QApplication::startDragDistance())
        return;
    auto* mime = new QMimeData;
    mime->setText(text().left(core::PlanningCellWidth));
    auto* drag = new QDrag(this);
    drag->setMimeData(mime);
    drag->exec(Qt::CopyAction, Qt::CopyAction);
}

void CellView::wheelEvent(QWheelEvent* e)
{
    const int delta = e->angleDelta().y();
    if (delta != 0)
        emit wheelSteps(delta > 0 ? -1 : 1);
    e->accept();
}

} // namespace planning

frmPlanning::frmPlanning(QWidget* parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("frmPlanning"));
    setWindowTitle(QStringLiteral("Planning"));
    auto* top = new QVBoxLayout(this);
    top->setContentsMargins(4, 0, 4, 4);
    m_toolbar = platform::makeKeyToolbar(this,
                                         {{"But02", "Sluiten", QStyle::SP_DialogCloseButton},
                                          {"But03", "Opslaan", QStyle::SP_DialogSaveButton},
                                          {"But04", "Print planning", QStyle::SP_FileIcon},
                                          {"But06", "Help", QStyle::SP_DialogHelpButton}},
                                         [this](const QString& key) { Toolbar1_ButtonClick(key); });
    top->addWidget(m_toolbar);

    auto* area = new GridArea(this);
    area->setObjectName(QStringLiteral("Picture1"));
    buildGrid(area);
    auto* boven = new QHBoxLayout;
    boven->addWidget(area);
    boven->addStretch(1);
    top->addLayout(boven);

    auto* onder = new QHBoxLayout;
    auto* poules = new QGroupBox(QStringLiteral(" Poules "), this);
    poules->setObjectName(QStringLiteral("Frame1"));
    buildPoules(poules);
    onder->addWidget(poules, 1);
    auto* rechts = new QWidget(this);
    buildInfo(rechts);
    onder->addWidget(rechts);
    top->addLayout(onder, 1);

    connect(m_hscroll, &QScrollBar::valueChanged, this, [this] { HScroll1_Change(); });
    connect(m_vscroll, &QScrollBar::valueChanged, this, [this] { VScroll1_Change(); });
    connect(m_view, &QTableView::doubleClicked, this,
            [this](const QModelIndex& i) { Label5_DblClick(m_model->elementAt(i)); });
    connect(m_view, &planning::CellView::wheelSteps, this,
            [this](int steps) { m_vscroll->setValue(m_vscroll->value() + steps); });
    resize(Px(14470), Px(9290));
    Form_Load();
}

void frmPlanning::buildGrid(QWidget* area)
{
    const int viewW = ZichtbareTafels * TafelPx, viewH = ZichtbarePartijen * SlotPx;
    const int sb = 17;
    area->setFixedSize(TijdPx + viewW + sb + 2, SlotPx + viewH + sb + 2);

    auto* tijd = namedLabel(QStringLiteral("Label4"), QStringLiteral("Tijd"), area);
    tijd->setAlignment(Qt::AlignCenter);
    tijd->setStyleSheet(QStringLiteral("font-weight: bold; background: #d8d8d8; border: 1px solid #808080;"));
    tijd->setGeometry(0, 0, TijdPx, SlotPx);

    m_headClip = new QWidget(area);
    m_headClip->setGeometry(TijdPx, 0, viewW, SlotPx);
    m_headPanel = new QWidget(m_headClip);
    m_headPanel->setObjectName(QStringLiteral("Picture2"));

    m_timeClip = new QWidget(area);
    m_timeClip->setGeometry(0, SlotPx, TijdPx, viewH);
    m_timePanel = new QWidget(m_timeClip);
    m_timePanel->setObjectName(QStringLiteral("Picture3"));

    m_model = new PlanningModel(this);
    m_view = new planning::CellView(area);
    m_view->setObjectName(QStringLiteral("Label5"));
    m_view->setModel(m_model);
    m_view->setItemDelegate(new CellDelegate(m_view));
    m_view->setGeometry(TijdPx, SlotPx, viewW, viewH);
    m_view->setFrameShape(QFrame::NoFrame);
    m_view->horizontalHeader()->hide();
    m_view->verticalHeader()->hide();
    m_view->horizontalHeader()->setMinimumSectionSize(1);
    m_view->verticalHeader()->setMinimumSectionSize(1);
    m_view->horizontalHeader()->setDefaultSectionSize(Kant1Px);
    m_view->verticalHeader()->setDefaultSectionSize(SlotPx);
    m_view->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_view->setHorizontalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setVerticalScrollMode(QAbstractItemView::ScrollPerPixel);
    m_view->setSelectionMode(QAbstractItemView::NoSelection);
    m_view->setEditTriggers(QAbstractItemView::NoEditTriggers);
    m_view->setFocusPolicy(Qt::NoFocus);
    m_view->setDragDropMode(QAbstractItemView::DropOnly);
    m_view->setDragDropOverwriteMode(true);
    m_view->setAcceptDrops(true);
    m_view->setDropIndicatorShown(true);
    m_view->setWordWrap(false);
    m_view->setTextElideMode(Qt::ElideRight);
    m_view->setStyleSheet(QStringLiteral("QTableView { gridline-color: #a0a0a0; background: #ffffff; }"));
    // A narrow face: side 1 of a table is the narrower, yet holds the same 20
    // characters as side 2.
    QFont f(QStringLiteral("Arial Narrow"));
    f.setPointSizeF(CelPunten);
    m_view->setFont(f);
    connect(m_model, &QAbstractItemModel::dataChanged, this, [this] { fitGridFace(); });
    connect(m_model, &QAbstractItemModel::modelReset, this, [this] { fitGridFace(); });

    m_vscroll = new QScrollBar(Qt::Vertical, area);
    m_vscroll->setObjectName(QStringLiteral("VScroll1"));
    m_vscroll->setGeometry(TijdPx + viewW + 1, SlotPx, sb, viewH);
    m_vscroll->setPageStep(1);
    m_hscroll = new QScrollBar(Qt::Horizontal, area);
    m_hscroll->setObjectName(QStringLiteral("HScroll1"));
    m_hscroll->setGeometry(TijdPx, SlotPx + viewH + 1, viewW, sb);
    m_hscroll->setPageStep(1);
}

void frmPlanning::buildPoules(QWidget* frame)
{
    auto* g = new QGridLayout(frame);
    g->setContentsMargins(6, 4, 6, 4);
    g->setVerticalSpacing(3);
    const char* arrays[] = {"Command1", "Command2", "Command4"};
    for (int i = 1; i <= 3; ++i) {
        const int col = i - 1;
        auto* kop = new QHBoxLayout;
        auto* vorige = new QPushButton(QStringLiteral("<"), frame);
        vorige->setObjectName(QStringLiteral("%1_0").arg(QLatin1String(arrays[col])));
        vorige->setToolTip(QStringLiteral("Vorige poule"));
        auto* volgende = new QPushButton(QStringLiteral(">"), frame);
        volgende->setObjectName(QStringLiteral("%1_1").arg(QLatin1String(arrays[col])));
        volgende->setToolTip(QStringLiteral("Volgende poule"));
        for (QPushButton* b : {vorige, volgende})
            b->setFixedSize(28, 22);
        auto* poule = namedLabel(QStringLiteral("Label3_%1").arg(i), QString(), frame);
        poule->setAlignment(Qt::AlignCenter);
        poule->setMinimumWidth(24);
        poule->setStyleSheet(QStringLiteral("font-weight: bold;"));
        kop->addWidget(vorige);
        kop->addStretch(1);
        kop->addWidget(namedLabel(QStringLiteral("Label2_%1").arg(i), QStringLiteral("Poule"), frame));
        kop->addWidget(poule);
        kop->addStretch(1);
        kop->addWidget(volgende);
        g->addLayout(kop, 0, col);

        auto* list = new planning::PouleList(frame);
        list->setObjectName(QStringLiteral("List1_%1").arg(i));
        list->setDragEnabled(true);
        list->setDragDropMode(QAbstractItemView::DragOnly);
        list->setSelectionMode(QAbstractItemView::SingleSelection);
        list->setMinimumHeight(Px(900));
        g->addWidget(list, 1, col);

        auto* hint = namedLabel(QStringLiteral("Label6_%1").arg(i), LijstHint1, frame);
        hint->setWordWrap(true);
        QFont hf = hint->font();
        hf.setPointSizeF(qMax(6.0, hf.pointSizeF() - 1.5));
        hint->setFont(hf);
        // Two lines at most; without height-for-width the grid above keeps its room.
        hint->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
        hint->setFixedHeight(QFontMetrics(hf).lineSpacing() * 2 + 2);
        g->addWidget(hint, 2, col);

        auto* naam = new planning::NameLabel(frame);
        naam->setObjectName(QStringLiteral("Label1_%1").arg(i));
        naam->setFrameShape(QFrame::Panel);
        naam->setFrameShadow(QFrame::Sunken);
        naam->setMinimumHeight(22);
        naam->setToolTip(LijstHint2);
        naam->setCursor(Qt::OpenHandCursor);
        g->addWidget(naam, 3, col);

        m_lists << list;
        m_names << naam;
        m_pouleLabels << poule;
        m_pouleButtons << vorige << volgende;
        const auto step = [this, i](int index) {
            if (i == 1)
                Command1_Click(index);
            else if (i == 2)
                Command2_Click(index);
            else
                Command4_Click(index);
        };
        connect(vorige, &QPushButton::clicked, this, [step] { step(0); });
        connect(volgende, &QPushButton::clicked, this, [step] { step(1); });
        connect(list, &QListWidget::itemClicked, this, [this, i] { List1_Click(i); });
    }
    auto* help = new QPushButton(QStringLiteral("?"), frame);
    help->setObjectName(QStringLiteral("Command3_1"));
    help->setFixedWidth(28);
    connect(help, &QPushButton::clicked, this, [this] { Command3_Click(1); });
    g->addWidget(help, 3, 3, Qt::AlignBottom);
    g->setRowStretch(1, 1);
}

void frmPlanning::buildInfo(QWidget* column)
{
    auto* v = new QVBoxLayout(column);
    v->setContentsMargins(0, 0, 0, 0);
    auto* info = new QGroupBox(QStringLiteral(" Planning "), column);
    info->setObjectName(QStringLiteral("Frame2"));
    auto* g = new QGridLayout(info);
    m_nummer = namedLabel(QStringLiteral("Label7"), QString(), info);
    m_datum = namedLabel(QStringLiteral("Label8"), QString(), info);
    m_ronde = namedLabel(QStringLiteral("Label9"), QString(), info);
    for (QLabel* l : {m_nummer, m_datum, m_ronde})
        l->setStyleSheet(QStringLiteral("font-weight: bold;"));
    g->addWidget(namedLabel(QStringLiteral("Label10"), QStringLiteral("Nummer"), info), 0, 0);
    g->addWidget(m_nummer, 0, 1);
    g->addWidget(namedLabel(QStringLiteral("Label11"), QStringLiteral("Datum"), info), 1, 0);
    g->addWidget(m_datum, 1, 1);
    g->addWidget(namedLabel(QStringLiteral("Label12"), QStringLiteral("Ronde"), info), 2, 0);
    g->addWidget(m_ronde, 2, 1);
    g->setColumnStretch(1, 1);
    v->addWidget(info);

    auto* clear = new QGroupBox(QStringLiteral(" Clear planning "), column);
    clear->setObjectName(QStringLiteral("Frame3"));
    auto* h = new QHBoxLayout(clear);
    auto* claer = new QPushButton(QStringLiteral("Claer"), clear);
    claer->setObjectName(QStringLiteral("Command5"));
    auto* help = new QPushButton(QStringLiteral("?"), clear);
    help->setObjectName(QStringLiteral("Command3_0"));
    help->setFixedWidth(28);
    h->addWidget(claer, 1);
    h->addWidget(help);
    v->addWidget(clear);
    v->addStretch(1);
    column->setFixedWidth(Px(3000));
    connect(claer, &QPushButton::clicked, this, [this] { Command5_Click(); });
    connect(help, &QPushButton::clicked, this, [this] { Command3_Click(0); });
}

void frmPlanning::Form_Load()
{
    move(0, 0);
    std::optional<core::FoundPlanning> found = core::findPlanning(PadPlanning(), GekozenPlanning);
    m_found = found.has_value();
    if (m_found) {
        HuidigePlanning = found->rec;
    } else {
        // The chosen planning is gone (file replaced): show nothing, save nothing.
        HuidigePlanning = core::PlanningRec();
        platform::MsgBox(QStringLiteral("Planning Nr: ") + QString::number(GekozenPlanning)
                             + QStringLiteral(" niet gevonden !"),
                         platform::vbExclamation, MeldingTitel);
    }
    const int tafels = qBound(0, int(HuidigePlanning.aantalTafels), core::PlanningMaxTafels);
    const int partijen = qBound(0, int(HuidigePlanning.aantalPartijen), core::PlanningMaxPartijen);

    m_hscroll->setEnabled(tafels > ZichtbareTafels);
    m_hscroll->setRange(0, tafels > ZichtbareTafels ? tafels - ZichtbareTafels : 0);
    m_hscroll->setValue(0);
    m_vscroll->setEnabled(partijen > ZichtbarePartijen);
    m_vscroll->setRange(0, partijen > ZichtbarePartijen ? partijen - ZichtbarePartijen : 0);
    m_vscroll->setValue(0);

    qDeleteAll(m_heads);
    qDeleteAll(m_times);
    m_heads.clear();
    m_times.clear();
    m_headPanel->setGeometry(0, 0, qMax(1, tafels * TafelPx), SlotPx);
    for (int t = 1; t <= tafels; ++t) {
        auto* l = namedLabel(QStringLiteral("Label13_%1").arg(t), QStringLiteral("Tafel ") + core::signedNum(t),
                             m_headPanel);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("font-weight: bold; background: #d8d8d8; border: 1px solid #808080;"));
        l->setGeometry((t - 1) * TafelPx, 0, TafelPx, SlotPx);
        l->show();
        m_heads << l;
    }
    m_timePanel->setGeometry(0, 0, TijdPx, qMax(1, partijen * SlotPx));
    for (int s = 1; s <= partijen; ++s) {
        auto* l = namedLabel(QStringLiteral("Label14_%1").arg(s),
                             core::slotTimeText(HuidigePlanning.startTijdIndex, HuidigePlanning.intervalIndex, s),
                             m_timePanel);
        l->setAlignment(Qt::AlignCenter);
        l->setStyleSheet(QStringLiteral("background: #ececec; border-bottom: 1px solid #b0b0b0;"));
        l->setGeometry(0, (s - 1) * SlotPx, TijdPx, SlotPx);
        l->show();
        m_times << l;
    }
    m_model->reset(tafels, partijen, core::cellCaptions(HuidigePlanning));
    for (int c = 0; c < 2 * tafels; ++c)
        m_view->horizontalHeader()->resizeSection(c, c % 2 == 0 ? Kant1Px : TafelPx - Kant1Px);
    fitGridFace();
    HScroll1_Change();
    VScroll1_Change();

    m_nummer->setText(QString::number(GekozenPlanning));
    m_datum->setText(core::dateText(GekozenPlanningDatum));
    m_ronde->setText(QString::number(GekozenPlanningRonde));

    for (int i = 1; i <= 3; ++i) {
        m_poule[i - 1] = 1;
        m_pouleButtons[2 * (i - 1)]->setEnabled(false);
        m_pouleButtons[2 * (i - 1) + 1]->setEnabled(AantalPoules > 1);
        m_pouleLabels[i - 1]->setText(QString::number(1));
        FillPouleNameList(1, i);
    }
}

// One face for the whole grid, calmer than a face per cell: the largest, from the design's size down to 7 pt,
// at which every entry is whole; an entry too wide even at 7 pt (twenty W's) does not make the others smaller,
// it gives way in its name.
void frmPlanning::fitGridFace()
{
    struct Cel {
        QString text;
        qreal room;
    };
    QFont f = m_view->font();
    f.setPointSizeF(MinCelPunten);
    const QFontMetricsF klein(f);
    QList<Cel> cellen;
    for (int c = 0; c < m_model->columnCount(); ++c) {
        const qreal room = cellRoom(m_view, c);
        for (int r = 0; r < m_model->rowCount(); ++r) {
            const QString text = core::rightTrimmed(m_model->index(r, c).data().toString());
            if (!text.isEmpty() && klein.horizontalAdvance(text) <= room)
                cellen.append({text, room});
        }
    }
    qreal punten = CelPunten;
    for (; punten > MinCelPunten; punten -= 0.25) {
        f.setPointSizeF(punten);
        const QFontMetricsF fm(f);
        const auto whole = [&](const Cel& c) { return fm.horizontalAdvance(c.text) <= c.room; };
        if (std::all_of(cellen.begin(), cellen.end(), whole))
            break;
    }
    f.setPointSizeF(qMax(punten, MinCelPunten));
    if (f != m_view->font())
        m_view->setFont(f);
}

void frmPlanning::FillPouleNameList(qint16 poule, int lijst)
{
    QListWidget* list = List1(lijst);
    if (!list)
        return;
    list->clear();
    list->addItems(core::pouleListEntries(PadSpelers(), poule, HuidigeRonde));
}

QPushButton* frmPlanning::PouleButton(int lijst, int index) const
{
    return m_pouleButtons.value(2 * (lijst - 1) + index);
}

void frmPlanning::Command1_Click(int index) { StepPoule(1, index); }
void frmPlanning::Command2_Click(int index) { StepPoule(2, index); }
void frmPlanning::Command4_Click(int index) { StepPoule(3, index); }

void frmPlanning::StepPoule(int lijst, int index)
{
    if (lijst < 1 || lijst > 3)
        return;
    qint16& poule = m_poule[lijst - 1];
    QPushButton* vorige = PouleButton(lijst, 0);
    QPushButton* volgende = PouleButton(lijst, 1);
    if (index == 0) {
        if (poule <= 1)
            return;
        --poule;
        vorige->setEnabled(poule != 1);
        volgende->setEnabled(true);
    } else {
        if (poule >= AantalPoules)
            return;
        ++poule;
        volgende->setEnabled(poule != AantalPoules);
        vorige->setEnabled(true);
    }
    m_pouleLabels[lijst - 1]->setText(QString::number(poule));
    FillPouleNameList(poule, lijst);
}

void frmPlanning::List1_Click(int lijst)
{
    QListWidget* list = List1(lijst);
    if (list && list->currentItem())
        m_names[lijst - 1]->setText(list->currentItem()->text().left(core::PlanningCellWidth));
}

void frmPlanning::Label5_DragDrop(int element, const QString& text)
{
    m_model->setCaption(element, text.left(core::PlanningCellWidth));
}

void frmPlanning::Label5_DblClick(int element) { m_model->setCaption(element, QString()); }

QString frmPlanning::Label5(int element) const { return m_model->caption(element); }
int frmPlanning::Label5Count() const { return int(m_model->captions().size()); }
QTableView* frmPlanning::Label5View() const { return m_view; }

void frmPlanning::Command5_Click() { m_model->clearAll(); }

void frmPlanning::Command3_Click(int index)
{
    if (index == 0) {
        planning::ShowHelpParagraphs({QStringLiteral("Met de knop Clear kunt u in één keer de hele planning leegmaken.")});
        return;
    }
    planning::ShowHelpParagraphs(
        {QStringLiteral("Voor uw gemak kunt u drie poules tegelijk openen."),
         QStringLiteral("Met de pijltjes boven een lijst kiest u de vorige of de volgende poule van de huidige ronde."),
         QStringLiteral("Click een speler aan en sleep hem naar een vak van de planning, of sleep de naam onder de "
                        "lijst naar de planning.")});
}

void frmPlanning::HScroll1_Change()
{
    const int v = m_hscroll->value();
    m_headPanel->move(-v * TafelPx, 0);
    m_view->horizontalScrollBar()->setValue(v * TafelPx);
}

void frmPlanning::VScroll1_Change()
{
    const int v = m_vscroll->value();
    m_timePanel->move(0, -v * SlotPx);
    m_view->verticalScrollBar()->setValue(v * SlotPx);
}

bool frmPlanning::SavePlanning()
{
    if (!FileExists(PadPlanning())) {
        platform::MsgBox(QStringLiteral("Bestand niet gevonden !\r\nPlanning is niet opgeslagen !"), platform::vbCritical,
                         MeldingTitel);
        return false;
    }
    if (!m_found)
        return false;
    core::PlanningRec saved;
    QString why;
    switch (core::savePlanningCells(PadPlanning(), GekozenPlanning, m_model->captions(), &saved, &why)) {
    case core::SaveResult::Saved:
        HuidigePlanning = saved;
        return true;
    case core::SaveResult::FileMissing:
        platform::MsgBox(QStringLiteral("Bestand niet gevonden !\r\nPlanning is niet opgeslagen !"), platform::vbCritical,
                         MeldingTitel);
        return false;
    case core::SaveResult::NotFound:
        // Never write over another planning when this one has gone.
        platform::MsgBox(QStringLiteral("Planning Nr: ") + QString::number(GekozenPlanning)
                             + QStringLiteral(" niet gevonden !\r\nPlanning is niet opgeslagen !"),
                         platform::vbCritical, MeldingTitel);
        return false;
    case core::SaveResult::WriteFailed:
        platform::MsgBox(QStringLiteral("Bestand kan niet worden geschreven !\r\nPlanning is niet opgeslagen !\r\n")
                             + why,
                         platform::vbCritical, MeldingTitel);
        return false;
    }
    return false;
}

void frmPlanning::PrintPlanning()
{
    planning::PlanningPrint p;
    p.aantalTafels = m_model->aantalTafels();
    p.aantalPartijen = m_model->aantalPartijen();
    p.captions = m_model->captions();
    for (QLabel* l : m_times)
        p.tijden << l->text();
    p.nummerText = m_nummer->text();
    p.datumText = m_datum->text();
    planning::PrintPlanning(p);
}

void frmPlanning::Toolbar1_ButtonClick(const QString& key)
{
    if (key == QLatin1String("But02")) {
        close();
    } else if (key == QLatin1String("But03") || key == QLatin1String("But04")) {
        if (!CheckTournamentFiles(FileToernooi | FilePoules | FilePlanning, this, CheckForm::Closing))
            return;
        if (key == QLatin1String("But03"))
            SavePlanning();
        else
            PrintPlanning();
    } else if (key == QLatin1String("But06")) {
        planning::ShowHelpParagraphs(
            {QStringLiteral("Voor uw gemak kunt u drie poules tegelijk openen."),
             QStringLiteral("Click in de poule van uw keuze een speler aan en sleep hem met ingedrukte muisknop naar "
                            "het vak van de tafel en de tijd waar hij moet spelen."),
             QStringLiteral("Als u op een speler clickt, verschijnt zijn naam ook onder de lijst; ook die naam kunt u "
                            "naar de planning slepen."),
             QStringLiteral("Let op 1: een vak leegmaken doet u door erop te dubbelclicken."),
             QStringLiteral("Let op 2: het programma controleert niet of de twee spelers aan een tafel uit dezelfde "
                            "poule komen."),
             QStringLiteral("Let op 3: het programma controleert niet of een speler twee keer op dezelfde tijd is "
                            "ingepland."),
             QStringLiteral("Let op 4: de planning bevat alleen namen; verwijdert of wijzigt u later een speler, dan "
                            "blijft zijn naam in de planning staan."),
             QStringLiteral("N.B. Met de knop Opslaan in de menubalk slaat u de planning tussentijds op; bij het "
                            "sluiten van dit scherm wordt de planning altijd opgeslagen.")},
            true);
    }
}

void frmPlanning::closeEvent(QCloseEvent* e)
{
    // Unloading always saves first; the main window releases group 7 when we are gone.
    if (!m_saved) {
        m_saved = true;
        SavePlanning();
    }
    QWidget::closeEvent(e);
}

void frmPlanning::showEvent(QShowEvent* e)
{
    // Inside the main window the frame around us takes the place (0, 0).
    if (!m_placed) {
        m_placed = true;
        platform::placeChildWindow(this, 0, 0);
    }
    QWidget::showEvent(e);
}
