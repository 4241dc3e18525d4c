#include "modHelp.h"
#include <QPixmap>
#include <QIcon>
#include <QPainter>

#include "app/modStootplanner.h"
#include "platform/msgbox.h"
#include "platform/programfolder.h"
#include "print/printjob.h"

#include <QtGlobal>

namespace modHelp {

core::HelpRec HelpOnderwerp;

QString HelpBestand() { return modStootplanner::ProgrammaMap + QLatin1String(core::HelpFileName); }
QString AlarmGeluid() { return modStootplanner::ProgrammaMap + QStringLiteral("ringin.wav"); }

bool ReadHelpOnderwerp(qint64 k)
{
    const auto rec = core::readHelpRecord(HelpBestand(), k);
    if (!rec)
        return false;
    HelpOnderwerp = *rec;
    return true;
}

namespace {
bool checkWith(const QString& lastLine)
{
    if (modStootplanner::FileExists(HelpBestand()))
        return true;
    // A folder the program may not write to is no file the user lost.
    const QString installFout = platform::shippedFileFailure(QLatin1String(core::HelpFileName));
    const QString tekst = installFout.isEmpty()
                              ? QStringLiteral("Help-bestand van Stootplanner niet gevonden !\r\n") + lastLine
                              : QStringLiteral("Help-bestand van Stootplanner kon niet worden geïnstalleerd in de "
                                               "programmamap !\r\n")
                                    + modStootplanner::ProgrammaMap + QStringLiteral("\r\n") + installFout;
    platform::MsgBox(tekst, platform::vbCritical, modStootplanner::MeldingTitel);
    return false;
}
}  // namespace

bool CheckHelpFile()
{
    return checkWith(QStringLiteral(
        "Plaats het bestand \"StootplannerHelp.hlp\" terug in de hoofddirectory van dit programma!"));
}

bool CheckHelpFileBeforeOpening()
{
    return checkWith(QStringLiteral("Plaats het bestand \"StootplannerHelp.hlp\" terug in de programmamap !"));
}

void ShowErrorReport(int number, const QString& description, const QString& source, const QString& formLabel)
{
    modStootplanner::MeldingTekst = print::ErrorReportText(number, description, source, formLabel);
    platform::MsgBox(modStootplanner::MeldingTekst, platform::vbCritical, QStringLiteral("Error"));
}

QIcon ToolIcon(const QString& key)
{
    // Drawn on a 20-unit grid at twice the size, so that the main toolbar's larger keys stay sharp.
    QPixmap pm(40, 40);
    pm.fill(Qt::transparent);
    QPainter p(&pm);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(2, 2);
    if (key == QLatin1String("But02")) {          // a door with an arrow out
        p.setPen(QPen(QColor(90, 50, 20), 1.5));
        p.setBrush(QColor(200, 150, 90));
        p.drawRect(QRectF(3, 2, 9, 16));
        p.setPen(QPen(QColor(0, 120, 0), 2.2));
        p.drawLine(QPointF(9, 10), QPointF(18, 10));
        p.drawLine(QPointF(15, 7), QPointF(18, 10));
        p.drawLine(QPointF(15, 13), QPointF(18, 10));
    } else if (key == QLatin1String("But03")) {   // a printer
        p.setPen(QColor(60, 60, 60));
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 1.5, 9, 7));
        p.setBrush(QColor(170, 170, 170));
        p.drawRoundedRect(QRectF(1.5, 7.5, 17, 8), 2, 2);
        p.setBrush(Qt::white);
        p.drawRect(QRectF(5.5, 12.5, 9, 6));
    } else {                                      // a question mark in a blue disc
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(30, 80, 190));
        p.drawEllipse(QRectF(1, 1, 18, 18));
        p.setPen(Qt::white);
        QFont f(QStringLiteral("DejaVu Sans"));
        f.setBold(true);
        f.setPixelSize(14);
        p.setFont(f);
        p.drawText(QRectF(1, 1, 18, 18), Qt::AlignCenter, QStringLiteral("?"));
    }
    return QIcon(pm);
}

}  // namespace modHelp
