#pragma once
// The standings page for a web site: a table fragment (no head or body),
// one item a line, in the Windows code page with CR LF line ends.
#include "standview.h"
#include <QByteArray>
#include <QDate>
#include <QString>
#include <QStringList>

namespace core {

// Texts placed into the page are escaped (&, <, >, ") so that a name can
// never change the page's markup.
QString htmlEscape(const QString& text);

struct HtmlPageInput {
    QString toernooiNaam;     // right-trimmed on writing
    QString titel;            // the page's subtitle (standHtmlTitle)
    QDate datum;              // shown as dd-mm-yyyy
    QString tekstKleurCode;   // T: written as it stands, nothing when empty
    QString achtergrondCode;  // B: likewise
    bool matchpunten = false;
    QList<StandLine> rijen;   // the list lines in list order
};

// The page, line by line (without line ends).
QStringList htmlPageLines(const HtmlPageInput& in);
// The page's bytes: every line in Windows-1252 followed by CR LF.
QByteArray htmlPageBytes(const HtmlPageInput& in);

// The sixteen colours of the picker, swatch 1..16.
struct KleurVlak {
    int rij;              // grid row 1..4
    int kolom;            // grid column 1..4
    int r, g, b;          // what the swatch and the sample show
    QString letterCode;   // written into the page for the letter colour
    QString achtergrondCode;  // ... for the background colour
};
const KleurVlak& kleurVlak(int i);   // i = 1..16
constexpr int KleurVlakken = 16;

inline const QString ScratchPageName = QStringLiteral("Hulpweb.html");

// Moves a file to target, also across file systems (copy, then remove the
// source). An existing target is replaced only when `replace` is set.
// On failure the source stays, no partial target is left, and `why` gets the reason.
bool moveFile(const QString& source, const QString& target, bool replace, QString* why = nullptr);

} // namespace core
