#pragma once
// Running a print-out and handling its run-time errors in one place.
//
// Usage inside a window's print key handler:
//     print::RunPrint(QStringLiteral("frmStand"), [&] {
//         platform::ShowPrintDialog();              // cancel ends silently
//         auto& P = platform::printer();
//         P.setOrientation(platform::OrientationLandscape);
//         ...
//         P.EndDoc();
//         platform::MsgBox("Stand wordt uitgeprint", platform::vbInformation, "Gereed");
//     });
// A PrintError thrown anywhere in the body abandons the document where it
// stood (KillDoc) and shows the message for its number.

#include "platform/printerror.h"

#include <QString>
#include <functional>

namespace print {

enum class OtherErrors {
    Report,  // numbers other than 25, 27, 68 and 32755 show the error report
    Silent,  // ... end the print-out without a message
};

// The error report text: "Error nummer: ", "Beschrijving: ", "In source: ",
// "In form : " + formLabel, an empty line and the request to report it;
// lines joined by CR LF.
QString ErrorReportText(int number, const QString& description, const QString& source,
                        const QString& formLabel);

// 27, 25, 68: exclamation box titled MeldingTitel; 32755: nothing; any other
// number: the error report (also left in MeldingTekst) in a critical box
// titled "Error", or nothing with OtherErrors::Silent.
void HandlePrintError(const platform::PrintError& e, const QString& formLabel,
                      OtherErrors others = OtherErrors::Report);

// Runs body; on a PrintError (or any std::exception, reported as error 51)
// abandons the current document and calls HandlePrintError.
// Returns true when the body ran to its end.
bool RunPrint(const QString& formLabel, const std::function<void()>& body,
              OtherErrors others = OtherErrors::Report);

}  // namespace print
