#include "modHtml.h"

namespace modHtml {

qint16 KleurKeuze = 0;
QColor HtmlTekstKleur(0, 0, 0);
QColor HtmlAchtergrondKleur(255, 255, 255);
QString HtmlTekstKleurCode;
QString HtmlAchtergrondKleurCode;

void ResetHtmlState()
{
    KleurKeuze = 0;
    HtmlTekstKleur = QColor(0, 0, 0);
    HtmlAchtergrondKleur = QColor(255, 255, 255);
    HtmlTekstKleurCode.clear();
    HtmlAchtergrondKleurCode.clear();
}

} // namespace modHtml
