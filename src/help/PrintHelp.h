#pragma once
// The printed help topic: "Stootplanner Help", the topic's title and its
// text wrapped within the margins, portrait.
//
//     modHelp::PrintHelpTopic(titel, RichTextBox1()->toPlainText());

#include <QString>

namespace modHelp {

// Prints the topic after the print dialog and reports "Helptekst wordt
// uitgeprint."; printer errors end it with their message. Returns true when
// the print ran to its end.
bool PrintHelpTopic(const QString& titel, const QString& tekst);

}  // namespace modHelp
