#include "formgeometry.h"
#include "core/namefit.h"
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLayout>
#include <QMdiSubWindow>
#include <QScreen>
#include <QScrollBar>
#include <QStyle>
#include <QStyledItemDelegate>
#include <QToolTip>
#include <QTreeView>
#include <functional>

namespace platform {

namespace {
QWidget* frameOf(QWidget* form)
{
    QWidget* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return frame ? frame : form;
}

// Does the work again whenever the widget it watches changes size.
class OnResize : public QObject {
public:
    OnResize(QWidget* watched, QObject* owner, const char* name, std::function<void()> work)
        : QObject(owner), m_work(std::move(work))
    {
        setObjectName(QLatin1String(name));
        watched->installEventFilter(this);
    }
    void run()
    {
        if (m_busy)
            return;
        m_busy = true;
        m_work();
        m_busy = false;
    }

protected:
    bool eventFilter(QObject*, QEvent* e) override
    {
        if (e->type() == QEvent::Resize)
            run();
        return false;
    }

private:
    std::function<void()> m_work;
    bool m_busy = false;
};

const char* const ColumnFitName = "columnFit";
const char* const NameFitName = "nameFit";
const char* const NameColumnProperty = "nameColumnGivesWay";

// The room a cell's text has inside the style's margins.
qreal textRoom(const QStyleOptionViewItem& o)
{
    const QWidget* w = o.widget;
    const QStyle* st = w ? w->style() : QApplication::style();
    const int margin = st->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, w) + 1;
    return st->subElementRect(QStyle::SE_ItemViewItemText, &o, w).width() - 2 * margin;
}

// Draws a name shortened by its name part only, and shows the whole text as the tool tip of a shortened one.
class NameDelegate : public QStyledItemDelegate {
public:
    using QStyledItemDelegate::QStyledItemDelegate;
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        o.text = ElideNamePart(o.text, QFontMetricsF(o.font), textRoom(o));
        const QWidget* w = option.widget;
        (w ? w->style() : QApplication::style())->drawControl(QStyle::CE_ItemViewItem, &o, p, w);
    }
    bool helpEvent(QHelpEvent* e, QAbstractItemView* view, const QStyleOptionViewItem& option,
                   const QModelIndex& index) override
    {
        QStyleOptionViewItem o(option);
        initStyleOption(&o, index);
        if (e->type() == QEvent::ToolTip && index.data(Qt::ToolTipRole).isNull()
            && ElideNamePart(o.text, QFontMetricsF(o.font), textRoom(o)) != o.text) {
            QToolTip::showText(e->globalPos(), o.text, view);
            return true;
        }
        return QStyledItemDelegate::helpEvent(e, view, option, index);
    }
};

// Gives the list the width that shows all its columns, by making its window wider as far as the main window's
// client area (or, for a window of its own, the screen) has room; the window never narrows. A list inside
// something of fixed width cannot get wider, and its window stays as it is.
void growWindow(QTreeView* list, int wanted)
{
    QWidget* frame = nullptr;
    for (QWidget* w = list; w && !w->isWindow(); w = w->parentWidget()) {
        if ((frame = qobject_cast<QMdiSubWindow*>(w)))
            break;
        if (w != list && w->maximumWidth() == w->minimumWidth())
            return;
    }
    QWidget* form = nullptr;
    int most = 0;   // the widest the form may become
    if (frame) {
        form = static_cast<QMdiSubWindow*>(frame)->widget();
        if (!form || frame->isMaximized() || !frame->parentWidget())
            return;
        most = frame->parentWidget()->width() - frame->x() - (frame->width() - form->width());
    } else {
        frame = form = list->window();
        const QScreen* screen = frame->screen();
        if (!screen)
            return;
        most = screen->availableGeometry().right() + 1 - frame->frameGeometry().left()
               - (frame->frameGeometry().width() - frame->width());
    }
    // What the list was laid out with stays its least width.
    const char* const DesignMin = "designMinimumWidth";
    if (!list->property(DesignMin).isValid())
        list->setProperty(DesignMin, list->minimumWidth());
    const int least = list->property(DesignMin).toInt();
    // Every layout on the way, nested ones included, takes the new minimum at once.
    const std::function<void(QLayout*)> invalidate = [&](QLayout* l) {
        l->invalidate();
        for (int i = 0; i < l->count(); ++i)
            if (QLayout* binnen = l->itemAt(i)->layout())
                invalidate(binnen);
    };
    const auto formMinimum = [&] {
        for (QWidget* w = list; w != form; w = w->parentWidget()) {
            w->updateGeometry();
            if (w->parentWidget()->layout())
                invalidate(w->parentWidget()->layout());
        }
        return qMax(form->minimumWidth(), form->minimumSizeHint().width());
    };
    // The window needs at most as much more as the list does; where that is more than it may have, the list
    // takes less.
    const int now = list->minimumWidth();
    const int more = wanted - now;
    const int over = formMinimum() + more - most;
    list->setMinimumWidth(qMax(least, over > 0 ? wanted - over : wanted));
    const int formMin = formMinimum();
    if (form->width() < formMin)
        frame->resize(frame->width() + qMin(formMin, most) - form->width(), frame->height());
}

// The least a name column may narrow to: its caption, and in every row the part kept whole with a few letters.
int leastNameWidth(const QTreeView* list, int column)
{
    const QAbstractItemModel* m = list->model();
    int least = list->header()->sectionSizeHint(column);
    for (int r = 0; m && r < m->rowCount(list->rootIndex()); ++r) {
        const QModelIndex i = m->index(r, column, list->rootIndex());
        const QString text = i.data().toString();
        const QVariant f = i.data(Qt::FontRole);
        const QFontMetricsF fm(f.isValid() ? f.value<QFont>() : list->font());
        const int rand = list->sizeHintForIndex(i).width() - qCeil(fm.horizontalAdvance(text));
        least = qMax(least, qCeil(KeptPartWidth(text, fm)) + rand);
    }
    return least;
}

void fitColumns(QTreeView* list, const QList<int>& design)
{
    const QVariant naamKolom = list->property(NameColumnProperty);
    const int naam = naamKolom.isValid() ? naamKolom.toInt() : -1;
    const bool shown = list->isVisible();
    QHeaderView* h = list->header();
    const int n = h->count();
    QList<int> width(n), need(n);
    int total = 0, slack = 0;
    for (int c = 0; c < n; ++c) {
        width[c] = need[c] = c < design.size() ? design.at(c) : h->sectionSize(c);
        if (h->isSectionHidden(c))
            continue;
        if (width[c] > 1) {
            need[c] = qMax(h->sectionSizeHint(c), static_cast<const QAbstractItemView*>(list)->sizeHintForColumn(c));
            width[c] = qMax(width[c], need[c]);
            slack += width[c] - need[c];
        }
        total += width[c];
    }
    // What does not fit the view comes from the columns wider than their texts, in proportion; until its
    // window shows, a list has no room of its own yet.
    int missing = shown ? total - list->viewport()->width() : 0;
    int over = qMin(missing, slack);
    missing -= qMax(0, over);
    for (int c = 0; c < n && over > 0; ++c) {
        const int give = qMin(over, int((qint64(width[c] - need[c]) * over + slack - 1) / slack));
        slack -= width[c] - need[c];
        width[c] -= give;
        over -= give;
    }
    // Then a wider window, and last the names.
    if (missing > 0 && naam >= 0 && naam < n && !h->isSectionHidden(naam)) {
        int all = 0;
        for (int c = 0; c < n; ++c)
            all += h->isSectionHidden(c) ? 0 : width[c];
        const int rand = ListWidthForColumns(list) - h->length();
        growWindow(list, all + rand);
        // The width its layout gives it at the latest when the window has taken its new size; the list is
        // fitted again then.
        missing = all - qMax(list->viewport()->width(), list->minimumWidth() - rand);
        if (missing > 0)
            width[naam] -= qBound(0, missing, width[naam] - qMin(width[naam], leastNameWidth(list, naam)));
    }
    for (int c = 0; c < n; ++c)
        if (h->sectionSize(c) != width[c])
            h->resizeSection(c, width[c]);
}

void elideName(QLabel* label, const QString& text, bool twoLines)
{
    label->setText(text);
    const int need = label->minimumSizeHint().width();
    // Until its window shows, a label has no room of its own yet.
    if (need <= label->width() || !label->window()->isVisible()) {
        label->setToolTip(QString());
        return;
    }
    // The initials after the name's comma on a line of their own: the name stays whole.
    if (const qsizetype komma = text.lastIndexOf(QStringLiteral(", ")); twoLines && komma > 0) {
        label->setText(text.left(komma + 1) + QLatin1Char('\n') + text.mid(komma + 2));
        if (label->minimumSizeHint().width() <= label->width()) {
            label->setToolTip(QString());
            return;
        }
    }
    const int room = label->width() - (need - label->fontMetrics().horizontalAdvance(text));
    label->setText(ElideNamePart(text, QFontMetricsF(label->font()), qMax(0, room)));
    label->setToolTip(text);
}
} // namespace

void placeChildWindow(QWidget* form, int leftTw, int topTw)
{
    frameOf(form)->move(Px(leftTw), Px(topTw));
}

void placeChildWindow(QWidget* form, int leftTw, int topTw, int widthTw, int heightTw)
{
    QWidget* frame = frameOf(form);
    frame->move(Px(leftTw), Px(topTw));
    // Never narrower than what the window holds needs (a list of long names has made it wider).
    const int rand = frame == form ? 0 : frame->width() - form->width();
    const int least = qMax(form->minimumWidth(), form->minimumSizeHint().width()) + rand;
    frame->resize(qMax(Px(widthTw), least), Px(heightTw));
}

void placeChildWindowFitted(QWidget* form, int leftTw, int topTw)
{
    QWidget* frame = frameOf(form);
    frame->move(Px(leftTw), Px(topTw));
    frame->adjustSize();
}

int ListWidthForColumns(const QTreeView* list)
{
    return list->header()->length() + 2 * list->frameWidth()
           + list->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, list->verticalScrollBar());
}

void FitColumns(QTreeView* list, const QList<int>& widthsPx)
{
    QObject* found = list->findChild<QObject*>(QLatin1String(ColumnFitName), Qt::FindDirectChildrenOnly);
    auto* fit = static_cast<OnResize*>(found);
    if (!fit || !widthsPx.isEmpty()) {
        delete fit;
        fit = new OnResize(list->viewport(), list, ColumnFitName, [list, widthsPx] { fitColumns(list, widthsPx); });
    }
    fit->run();
}

void NameColumnGivesWay(QTreeView* list, int column)
{
    list->setProperty(NameColumnProperty, column);
    list->setItemDelegateForColumn(column, new NameDelegate(list));
}

QString ElideNamePart(const QString& text, const QFontMetricsF& fm, qreal width)
{
    if (fm.horizontalAdvance(text) <= width)
        return text;
    return core::markedName(text, width, [&fm](const QString& t) { return fm.horizontalAdvance(t); },
                            QString(QChar(0x2026)));
}

qreal KeptPartWidth(const QString& text, const QFontMetricsF& fm)
{
    const core::NameAndRest parts = core::splitAtName(text);
    return fm.horizontalAdvance(parts.name.left(3) + QChar(0x2026) + parts.rest);
}

int CaptionWidth(const QWidget* window)
{
    QFont f = QApplication::font("QMdiSubWindowTitleBar");
    f.setBold(true);
    f.setPointSizeF(qMax(f.pointSizeF(), 9.0));
    const Qt::WindowFlags flags = window->windowFlags();
    const Qt::WindowFlags knoppen = Qt::WindowMinMaxButtonsHint | Qt::WindowCloseButtonHint;
    // Without any button hint a desktop draws all three.
    const int n = (flags & knoppen) == 0 ? 3
                                         : 1 + int(flags.testFlag(Qt::WindowMinimizeButtonHint))
                                               + int(flags.testFlag(Qt::WindowMaximizeButtonHint));
    constexpr int Icon = 8 + 16 + 8, Gap = 8, Button = 46;
    return Icon + QFontMetrics(f).horizontalAdvance(window->windowTitle()) + Gap + n * Button;
}

void SetNameText(QLabel* label, const QString& text, bool twoLines)
{
    delete label->findChild<QObject*>(QLatin1String(NameFitName), Qt::FindDirectChildrenOnly);
    // Its room comes from the layout, never from the name it shows.
    label->setSizePolicy(QSizePolicy::Ignored, label->sizePolicy().verticalPolicy());
    (new OnResize(label, label, NameFitName, [=] { elideName(label, text, twoLines); }))->run();
}

} // namespace platform
