#pragma once
// Form measures in twips, as the windows are laid out, on a screen of 15
// twips to the pixel.
#include <QList>
#include <QWidget>

class QFontMetricsF;
class QLabel;
class QTreeView;

namespace platform {

inline int Px(int twips) { return (twips + 7) / 15; }
inline int Px(double twips) { return int((twips + 7) / 15); }

// Puts a child window at a place in twips: inside the main window it is the
// frame around the form that moves; a size, when given, is the frame's size,
// widened to what the form needs when that is more.
void placeChildWindow(QWidget* form, int leftTw, int topTw);
void placeChildWindow(QWidget* form, int leftTw, int topTw, int widthTw, int heightTw);
// Places it and fits the frame to the form's own size.
void placeChildWindowFitted(QWidget* form, int leftTw, int topTw);

// The width a report list needs to show all its columns side by side, with
// room for its frame and its vertical scroll bar.
int ListWidthForColumns(const QTreeView* list);

// Fits the columns of a report list to their texts, starting from the widths
// (pixels) the list is laid out with: a column whose caption or longest text
// needs more room gets it, first from the room the list has to spare, then
// from columns wider than their own texts. A list with a name column that
// gives way (below) then makes its window wider, as far as the main window
// (or the screen) has room, and last narrows that name column; any other
// list scrolls sideways for what is still missing, so no text is cut.
// Columns of a pixel or less stay hidden. The list stays fitted when it
// changes size; call this again, without widths, after every fill.
void FitColumns(QTreeView* list, const QList<int>& widthsPx = {});

// Lets the names of one column of a report list give way when all its
// columns cannot be shown side by side: a name too long for its room is
// shortened with an ellipsis, its initials and figures whole, and the whole
// text is its tool tip. Takes effect from the list's next fit.
void NameColumnGivesWay(QTreeView* list, int column);

// A text shortened to a width by its name only: "name, initials" and
// "name,I (target)" keep all from the comma on, a name with only a target
// in brackets keeps the target; the name gets an ellipsis where it is cut.
// Unchanged when it fits.
QString ElideNamePart(const QString& text, const QFontMetricsF& fm, qreal width);
// The width the part of a text that never gives way needs, with an
// ellipsis and a few letters of its name before it.
qreal KeptPartWidth(const QString& text, const QFontMetricsF& fm);

// The width a window needs for a desktop's title bar to show its caption
// whole: the icon, the caption in a bold title font and the caption buttons
// its flags ask for, each as wide as the widest common ones.
int CaptionWidth(const QWidget* window);

// Shows a name in a label of limited room: whole when it fits, otherwise its
// name part cut with an ellipsis (initials whole) and the whole text in the
// tool tip; kept so when the label resizes.
// With twoLines, a "name, initials" too wide for one line first tries the
// initials on a second line (the label needs the height for it).
void SetNameText(QLabel* label, const QString& text, bool twoLines = false);

} // namespace platform
