#pragma once
// The column heads of a cross table: "name, I" written upwards in a head of
// fixed length, on screen and on paper alike. Measuring is the caller's (the
// screen's pixels, the printer's twips); what gives way is decided here.
//
//     const core::MatrixHeads h = core::fitMatrixHeads(names, 8.25, 7, room, length);
//     // every head in face h.size, head k showing h.texts[k]
#include <QString>
#include <QStringList>
#include <functional>

namespace core {

// The length of a text written in face `size` (points), in the unit of the room.
using HeadLength = std::function<double(const QString& text, double size)>;

struct MatrixHeads {
    double size = 0;       // the one face of every head
    QStringList texts;     // as written, in the order of the names
};

// One face for all heads: `size`, or half a point smaller at a time (the last
// step to `least` itself), as far as the longest name needs to fit whole; never
// below `least`. A name that does not fit even then is shortened in its name,
// never in the initial after its last ", " (shortenedHead).
MatrixHeads fitMatrixHeads(const QStringList& names, double size, double least, double room,
                           const HeadLength& length);

// The head text `name` ("name, I") with as much of the name as lets it fit in
// `room`, an ellipsis marking the cut before ", I"; when not even one letter of
// the name fits, the ellipsis and ", I" only. A name without an initial after
// its comma loses the comma too.
QString shortenedHead(const QString& name, double room, const std::function<double(const QString&)>& length);

} // namespace core
