#pragma once
// Form measures in twips, as the windows are laid out, on a screen of 15
// twips to the pixel.
#include <QWidget>

class QTreeView;

namespace platform {

inline int Px(int twips) { return (twips + 7) / 15; }
inline int Px(double twips) { return int((twips + 7) / 15); }

// Puts a child window at a place in twips: inside the main window it is the
// frame around the form that moves; a size, when given, is the frame's size.
void placeChildWindow(QWidget* form, int leftTw, int topTw);
void placeChildWindow(QWidget* form, int leftTw, int topTw, int widthTw, int heightTw);
// Places it and fits the frame to the form's own size.
void placeChildWindowFitted(QWidget* form, int leftTw, int topTw);

// The width a report list needs to show all its columns side by side, with
// room for its frame and its vertical scroll bar.
int ListWidthForColumns(const QTreeView* list);

} // namespace platform
