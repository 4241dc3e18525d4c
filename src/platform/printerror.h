#pragma once
// Run-time errors of printing and the print dialog.
//
// The printer and the print dialog throw PrintError; a print routine lets it
// reach print::RunPrint (src/print/printjob.h), which abandons the document
// and shows the fitting message.

#include <QString>
#include <functional>

namespace platform {

constexpr int errDeviceFault = 25;        // "Apparaat fout. Staat printer aan ?"
constexpr int errOutOfPaper = 27;         // "Vul papier bij !!"
constexpr int errDeviceUnavailable = 68;  // "Apparaat niet beschikbaar !!"
constexpr int errPrinterError = 482;
constexpr int errDialogCancel = 32755;    // the print dialog was cancelled

struct PrintError {
    int number = 0;
    QString description;
    QString source;
};

// Shows the system print dialog for the current printer before a print-out.
// Returns when the user chose to print; throws PrintError 32755 when he
// cancelled. When STOOTPLANNER_PRINT_PDF is set no dialog is shown.
void ShowPrintDialog();

// Replaces the dialog (tests): the function returns true for "Afdrukken",
// false for "Annuleren". An empty function restores the system dialog.
using PrintDialogHandler = std::function<bool()>;
void setPrintDialogHandler(PrintDialogHandler handler);

// Test helper: counts dialogs and answers with `accept`.
class ScriptedPrintDialog {
public:
    explicit ScriptedPrintDialog(bool accept = true);
    ~ScriptedPrintDialog();
    bool accept;
    int shown = 0;
};

}  // namespace platform
