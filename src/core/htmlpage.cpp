#include "htmlpage.h"
#include "format.h"
#include "recordfile.h"
#include "text1252.h"
#include <QFile>
#include <QFileInfo>

namespace core {

QString htmlEscape(const QString& text)
{
    QString out;
    out.reserve(text.size());
    for (const QChar c : text) {
        switch (c.unicode()) {
        case '&': out += QStringLiteral("&amp;"); break;
        case '<': out += QStringLiteral("&lt;"); break;
        case '>': out += QStringLiteral("&gt;"); break;
        case '"': out += QStringLiteral("&quot;"); break;
        default: out += c;
        }
    }
    return out;
}


QStringList htmlPageLines(const HtmlPageInput& in)
{
    const QString& T = in.tekstKleurCode;
    const QString& B = in.achtergrondCode;
    QStringList l;
    l << QStringLiteral("<div align=left>");
    l << QStringLiteral("<table border=1 cellpadding=5 bgcolor=") + B + QStringLiteral(">");
    l << QStringLiteral("<tr>");
    l << QStringLiteral("<td align=center colspan=14><font size=5 font color =") + T + QStringLiteral("><b>") +
             htmlEscape(rightTrimmed(in.toernooiNaam)) + QStringLiteral("</b></font></td>");
    l << QStringLiteral("<tr>");
    l << QStringLiteral("<td align=center colspan=10><font size=4 font color =") + T + QStringLiteral("><b>") +
             htmlEscape(in.titel) + QStringLiteral("</b></font></td>");
    l << QStringLiteral("<td align=center colspan=4><font size=4 font color =") + T + QStringLiteral("><b>") +
             dateText(in.datum) + QStringLiteral("</b></font></td>");
    l << QStringLiteral("<font size=3>");
    l << QStringLiteral("</tr>");
    l << QStringLiteral("<tr>");
    l << QStringLiteral("<td align=center><font color = ") + T + QStringLiteral("><b>Pos</b></td>");
    l << QStringLiteral("<td><font color = ") + T + QStringLiteral("><b>Naam</b></td>");
    const QStringList koppen = {QStringLiteral("Prt"), in.matchpunten ? QStringLiteral("MP") : QStringLiteral("Pnt"),
                                QStringLiteral("Car"), QStringLiteral("Brt"), QStringLiteral("Moy"),
                                QStringLiteral("HS"), QStringLiteral("P.Moy"), QStringLiteral("% Car"),
                                QStringLiteral("% Moy"), QStringLiteral("W"), QStringLiteral("R"),
                                QStringLiteral("V")};
    for (const QString& k : koppen)
        l << QStringLiteral("<td align=center><font color = ") + T + QStringLiteral("><b>") + k +
                 QStringLiteral("</b></td>");
    l << QStringLiteral("</tr>");

    int n = 0;
    for (const StandLine& rij : in.rijen) {
        ++n;
        l << QStringLiteral("<tr>");
        l << QStringLiteral("<td align=right><font color = ") + T + QStringLiteral(">") + signedNum(n) +
                 QStringLiteral("</td>");
        l << QStringLiteral("<td align=left><font color = ") + T + QStringLiteral(">") +
                 htmlEscape(rightTrimmed(rij.sub.value(0))) + QStringLiteral(", ") + htmlEscape(rightTrimmed(rij.sub.value(1))) +
                 QStringLiteral("</td>");
        for (int i = 2; i < 14; ++i)
            l << QStringLiteral("<td align=center><font color = ") + T + QStringLiteral(">") +
                     htmlEscape(rij.sub.value(i)) + QStringLiteral("</td>");
        l << QStringLiteral("</tr>");
    }
    l << QStringLiteral("<tr></tr>") << QStringLiteral("</font>") << QStringLiteral("</table>")
      << QStringLiteral("</div>");
    return l;
}

QByteArray htmlPageBytes(const HtmlPageInput& in)
{
    QByteArray out;
    for (const QString& line : htmlPageLines(in)) {
        out += toCp1252(line);
        out += "\r\n";
    }
    return out;
}

const KleurVlak& kleurVlak(int i)
{
    static const KleurVlak vlakken[KleurVlakken] = {
        {1, 1, 0, 0, 0, QStringLiteral("#000000"), QStringLiteral("#000000")},
        {1, 3, 192, 192, 192, QStringLiteral("#C0C0C0"), QStringLiteral("#C0C0C0")},
        {1, 2, 128, 128, 128, QStringLiteral("#808080"), QStringLiteral("#808080")},
        {1, 4, 255, 255, 255, QStringLiteral("#FFFFFF"), QStringLiteral("FFFFFF")},
        {2, 1, 128, 0, 0, QStringLiteral("#800000"), QStringLiteral("#800000")},
        {4, 4, 255, 0, 0, QStringLiteral("#FF0000"), QStringLiteral("#FF0000")},
        {2, 2, 128, 0, 128, QStringLiteral("#800080"), QStringLiteral("#800080")},
        {2, 3, 255, 0, 255, QStringLiteral("#FF00FF"), QStringLiteral("#FF00FF")},
        {3, 2, 0, 128, 0, QStringLiteral("#008000"), QStringLiteral("#008000")},
        {3, 4, 0, 255, 0, QStringLiteral("#00FF00"), QStringLiteral("#00FF00")},
        {3, 3, 0, 128, 128, QStringLiteral("#008080"), QStringLiteral("#008080")},
        {2, 4, 255, 255, 0, QStringLiteral("#FFFF00"), QStringLiteral("#FFFF00")},
        {4, 1, 0, 0, 128, QStringLiteral("#000080"), QStringLiteral("#000080")},
        {4, 2, 0, 0, 255, QStringLiteral("#0000FF"), QStringLiteral("#0000FF")},
        {3, 1, 128, 128, 0, QStringLiteral("#808000"), QStringLiteral("#808000")},
        {4, 3, 192, 255, 255, QStringLiteral("#00FFFF"), QStringLiteral("#00FFFF")},
    };
    if (i < 1 || i > KleurVlakken)
        i = 1;
    return vlakken[i - 1];
}

bool moveFile(const QString& source, const QString& target, bool replace, QString* why)
{
    auto fail = [why](const QString& reason) {
        if (why)
            *why = reason;
        return false;
    };
    if (!isPlainFile(source))
        return fail(QStringLiteral("Bronbestand niet gevonden."));
    if (QFileInfo::exists(target) && !replace)
        return fail(QStringLiteral("Het bestand bestaat al."));
    // Removing the source afterwards would take the target along.
    if (QFileInfo(source) == QFileInfo(target))
        return fail(QStringLiteral("Bron en doel zijn hetzelfde bestand."));
    // Copied rather than renamed, so it works across file systems; the new
    // page replaces an old one only once it is written whole.
    QByteArray data;
    if (!readFileBytes(source, &data))
        return fail(QStringLiteral("Bronbestand kan niet worden gelezen."));
    if (!replaceFile(target, data, why))
        return false;
    // The page is in place; a scratch copy that cannot be removed does no harm.
    removeFile(source);
    return true;
}

} // namespace core
