#include "namefit.h"

#include "format.h"

#include <QRegularExpression>
#include <algorithm>

namespace core {

namespace {

bool hasLetter(const QString& s)
{
    return std::any_of(s.begin(), s.end(), [](QChar c) { return c.isLetter(); });
}

// The cut end of a name: no separator, blank or open bracket left at its end.
QString cutEnd(QString name)
{
    const auto trim = [&name] {
        while (!name.isEmpty() && !name.back().isLetterOrNumber() && name.back() != QLatin1Char('.'))
            name.chop(1);
    };
    trim();
    if (name.count(QLatin1Char('(')) > name.count(QLatin1Char(')'))) {
        name.truncate(name.lastIndexOf(QLatin1Char('(')));
        trim();
    }
    return std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); }) ? name : QString();
}

}  // namespace

NameAndRest splitAtName(const QString& text)
{
    const QString t = rightTrimmed(text);
    if (!hasLetter(t))
        return {QString(), t};
    static const QRegularExpression figure(QStringLiteral("\\s*\\(\\s*[-+]?\\d+(?:[.,]\\d+)?\\s*\\)$"));
    const QRegularExpressionMatch m = figure.match(t);
    const QString head = m.hasMatch() ? t.left(m.capturedStart()) : t;
    const QString tail = m.hasMatch() ? m.captured() : QString();
    const qsizetype comma = head.lastIndexOf(QLatin1Char(','));
    if (comma < 0)
        return {head, tail};
    const QString initials = head.mid(comma);
    return {head.left(comma), (initials.trimmed() == QStringLiteral(",") ? QString() : initials) + tail};
}

std::optional<QString> shortenedName(const QString& text, double room, const TextWidth& width, const QString& mark)
{
    const QString whole = rightTrimmed(text);
    if (width(whole) <= room)
        return whole;
    const NameAndRest parts = splitAtName(whole);
    for (qsizetype k = parts.name.size() - 1; k >= 1; --k) {
        const QString name = cutEnd(parts.name.left(k));
        if (!name.isEmpty() && width(name + mark + parts.rest) <= room)
            return name + mark + parts.rest;
    }
    return std::nullopt;
}

QString markedName(const QString& text, double room, const TextWidth& width, const QString& mark)
{
    return shortenedName(text, room, width, mark).value_or(mark + splitAtName(text).rest);
}

QString cutWithin(const QString& text, double room, const TextWidth& width)
{
    const QString whole = rightTrimmed(text);
    if (width(whole) <= room)
        return whole;
    for (qsizetype k = whole.size() - 1; k >= 1; --k) {
        QString cut = whole.left(k);
        if (whole.at(k).isDigit())
            while (!cut.isEmpty() && cut.back().isDigit())
                cut.chop(1);
        cut = cutEnd(cut);
        if (!cut.isEmpty() && width(cut) <= room)
            return cut;
    }
    return QString();
}

}  // namespace core
