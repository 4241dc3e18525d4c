#pragma once
// Module-level state and shared routines of the help viewer and the clock.

#include "core/helpfile.h"
#include <QIcon>
#include "platform/formgeometry.h"
#include <QString>

namespace modHelp {

// The record buffer of the help file: the last topic read.
extern core::HelpRec HelpOnderwerp;

// ProgrammaMap & "StootplannerHelp.hlp".
QString HelpBestand();
// ProgrammaMap & "ringin.wav".
QString AlarmGeluid();

// Reads topic k into HelpOnderwerp; false (buffer unchanged) when the file
// has no whole record k.
bool ReadHelpOnderwerp(qint64 k);

// The viewer's missing-file check: true when the help file exists, else the
// critical box "Help-bestand van Stootplanner niet gevonden !" ... and false.
bool CheckHelpFile();
// The main window's variant, shown before the viewer is opened.
bool CheckHelpFileBeforeOpening();

// The viewer's error box: the report text is left in MeldingTekst and shown
// in a critical box titled "Error".
void ShowErrorReport(int number, const QString& description, const QString& source, const QString& formLabel);

// Converts twips to pixels (15 twips a pixel).
using platform::Px;

// The toolbar pictures of the help windows: But02 a door, But03 a printer,
// any other key the help question mark.
QIcon ToolIcon(const QString& key);

}  // namespace modHelp
