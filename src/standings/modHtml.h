#pragma once
// State of the standings page export, kept for the whole run.
#include <QColor>
#include <QString>

namespace modHtml {

// What the colour picker sets: 1 the letter colour, any other value the background.
extern qint16 KleurKeuze;
// Colours of the sample in the export window.
extern QColor HtmlTekstKleur;
extern QColor HtmlAchtergrondKleur;
// Colour codes as written into the page; empty until a colour is chosen.
extern QString HtmlTekstKleurCode;
extern QString HtmlAchtergrondKleurCode;

// Back to the state of a fresh run (tests).
void ResetHtmlState();

} // namespace modHtml
