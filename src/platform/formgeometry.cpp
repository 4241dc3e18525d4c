#include "formgeometry.h"
#include <QApplication>
#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
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

void fitColumns(QTreeView* list, const QList<int>& design)
{
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
    int over = list->window()->isVisible() ? qMin(total - list->viewport()->width(), slack) : 0;
    for (int c = 0; c < n && over > 0; ++c) {
        const int give = qMin(over, int((qint64(width[c] - need[c]) * over + slack - 1) / slack));
        slack -= width[c] - need[c];
        width[c] -= give;
        over -= give;
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
    label->setText(label->fontMetrics().elidedText(text, Qt::ElideRight, qMax(0, room)));
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
    frame->resize(Px(widthTw), Px(heightTw));
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
