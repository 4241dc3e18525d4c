#pragma once
// A player's text in a column too narrow for it: the name gives way, the
// initials and figures stay whole. No widgets: the width is measured by the
// caller (a printer font, a screen font, or a count of characters).
#include <QString>
#include <functional>
#include <optional>

namespace core {

// A text as lists and cells show a player, split where its name ends: "Jansen, P.J." into "Jansen" and
// ", P.J.", "Jansen,P (159)" into "Jansen" and ",P (159)", "Jansen (159)" into "Jansen" and " (159)". A text
// without a separator is all name; a text without letters (a number, a date, a time) is all rest. A comma with
// no initials after it belongs to neither: "Jansen, " is "Jansen" and "".
struct NameAndRest {
    QString name;   // may give way
    QString rest;   // separator, initials and a figure in brackets: stay whole
};
NameAndRest splitAtName(const QString& text);

using TextWidth = std::function<double(const QString&)>;

// The text, right-trimmed, where it is no wider than `room`; else its name cut to its longest beginning that
// fits with `mark` (an ellipsis on screen, nothing on paper) and the rest, at least one letter, with the blanks,
// commas, hyphens and brackets left at its end removed, so that no cut ends the name in a separator. Nothing
// when even one letter of the name and the rest are wider than `room` (or a figure is): the text needs a
// smaller font.
std::optional<QString> shortenedName(const QString& text, double room, const TextWidth& width,
                                     const QString& mark = QString());
// For a face that cannot get smaller: shortenedName with `mark`, or where even that does not fit, the mark
// and the rest alone (", W.M.J.H" is kept, however narrow the room).
QString markedName(const QString& text, double room, const TextWidth& width, const QString& mark);

// Where not even that fits: the text's longest beginning within `room`, cut back so that it ends in no part of a
// number, no open bracket and no separator (a number that does not fit is left out rather than shown wrong).
QString cutWithin(const QString& text, double room, const TextWidth& width);

}  // namespace core
