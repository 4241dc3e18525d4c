#include "printerror.h"

#include "printer.h"

#include <QApplication>
#include <QPrintDialog>
#include <QPrinter>

namespace platform {

namespace {
PrintDialogHandler g_dialog;
}

void setPrintDialogHandler(PrintDialogHandler handler) { g_dialog = std::move(handler); }

void ShowPrintDialog()
{
    bool accepted = true;
    if (g_dialog) {
        accepted = g_dialog();
    } else if (auto* sys = dynamic_cast<SystemPrinter*>(&printer()); sys && !sys->printsToPdf()) {
        QPrintDialog dlg(sys->qprinter(), QApplication::activeWindow());
        dlg.setWindowTitle(QStringLiteral("Afdrukken"));
        dlg.setOption(QAbstractPrintDialog::PrintSelection, false);
        dlg.setOption(QAbstractPrintDialog::PrintPageRange, false);
        dlg.setOption(QAbstractPrintDialog::PrintCurrentPage, false);
        sys->qprinter()->setCopyCount(1);
        accepted = dlg.exec() == QDialog::Accepted;
        if (accepted) {
            // The dialog may have changed the orientation; the print-out sets its own.
            const bool landscape = sys->qprinter()->pageLayout().orientation() == QPageLayout::Landscape;
            sys->setOrientation(landscape ? OrientationLandscape : OrientationPortrait);
        }
    }
    if (!accepted)
        throw PrintError{errDialogCancel, QStringLiteral("Annuleren is gekozen"), QStringLiteral("CommonDialog")};
}

ScriptedPrintDialog::ScriptedPrintDialog(bool a) : accept(a)
{
    setPrintDialogHandler([this] {
        ++shown;
        return accept;
    });
}

ScriptedPrintDialog::~ScriptedPrintDialog() { setPrintDialogHandler({}); }

}  // namespace platform
