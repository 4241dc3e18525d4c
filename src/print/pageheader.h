#pragma once
// The common head of the list print-outs.

#include <QImage>
#include <QString>

namespace modStootplanner {

// Draws the page head on the current printer page (starts no page, sets no
// orientation): the club logo fitted in 1200 x 1200 twips at (600, 300) when
// "Stootplanner_logo.bmp" exists in the program folder, the club name (22 pt),
// the tournament name and subtitle (16 pt), "Afdrukdatum: dd-mm-yyyy" (10 pt),
// double rules, the title and, when pagina > 0, "Pagina " + pagina in signed
// form. orientatie 1 = portrait (rules to x 11000), any other = landscape
// (rules to x 15000), or to the printable width where the page is narrower
// (the header draws in the printer's current orientation). Nothing is
// printed at or below y 2400. Leaves bold off,
// 10 pt and the print position at the start of the (10 pt) line below the
// last rule.
// Sets LogoVerhouding when a logo is drawn. May throw platform::PrintError.
void PrintPageHeader(int orientatie, const QString& titel, int pagina);

// The club logo for print-outs: the main window's hidden copy (Picture3) when
// it exists, else read from the program folder; a null image when there is none.
QImage ClubLogoImage();

}  // namespace modStootplanner
