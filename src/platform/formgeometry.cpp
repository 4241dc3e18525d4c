#include "formgeometry.h"
#include <QHeaderView>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QStyle>
#include <QTreeView>

namespace platform {

namespace {
QWidget* frameOf(QWidget* form)
{
    QWidget* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget());
    return frame ? frame : form;
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

} // namespace platform
