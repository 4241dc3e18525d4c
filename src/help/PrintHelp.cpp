#include "PrintHelp.h"

#include "platform/msgbox.h"
#include "platform/printer.h"
#include "print/printjob.h"

#include <QStringList>

namespace {
// Splits one text line into lines that fit the width, at blanks where possible.
QStringList wrapLine(const platform::Printer& P, const QString& line, double width)
{
    QStringList out;
    QString rest = line;
    while (!rest.isEmpty() && P.TextWidth(rest) > width) {
        int cut = int(rest.size());
        while (cut > 1 && P.TextWidth(rest.left(cut)) > width)
            --cut;
        const int blank = int(rest.lastIndexOf(QLatin1Char(' '), cut));
        if (blank > 0)
            cut = blank;
        out << rest.left(cut);
        rest = rest.mid(cut);
        if (blank > 0)
            rest.remove(0, 1);   // the blank at the break
    }
    out << rest;
    return out;
}
}  // namespace

namespace modHelp {

bool PrintHelpTopic(const QString& titel, const QString& tekst)
{
    return print::RunPrint(QStringLiteral("frmHelpAlgemeen (printen)"), [&] {
        platform::ShowPrintDialog();
        auto& P = platform::printer();
        constexpr double marge = 1000;
        P.setOrientation(platform::OrientationPortrait);
        P.setFontName(QStringLiteral("Times New Roman"));
        P.setFontSize(14);
        P.setFontBold(true);
        auto line = [&](const QString& s) {
            P.setCurrentX(marge);
            P.Print({s});
        };
        for (int i = 0; i < 4; ++i)
            line(QString());
        line(QStringLiteral("Stootplanner Help"));
        line(QStringLiteral("Onderwerp: ") + titel);
        P.setFontBold(false);
        line(QString());
        P.setFontSize(12);
        // Lines wider than the page are wrapped at a blank, the same margin on the right.
        const double breedte = P.ScaleWidth() - 2 * marge;
        for (const QString& regel : tekst.split(QLatin1Char('\n')))
            for (const QString& deel : wrapLine(P, regel, breedte))
                line(deel);
        P.EndDoc();
        platform::MsgBox(QStringLiteral("Helptekst wordt uitgeprint."), platform::vbInformation,
                         QStringLiteral("Gereed"));
    });
}

}  // namespace modHelp
