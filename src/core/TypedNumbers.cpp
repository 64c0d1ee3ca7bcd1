#include "core/TypedNumbers.h"

QString RemoveChars(const QString &s, const QString &set)
{
    QString result;
    result.reserve(s.size());
    for (const QChar c : s) {
        if (!set.contains(c))
            result.append(c);
    }
    return result;
}

bool ContainsComma(const QString &s)
{
    return s.contains(QLatin1Char(','));
}

QString NormalizeNumberText(const QString &s)
{
    QString t = s;
    if (t.size() >= 2 && t.startsWith(QLatin1Char('+')))
        t.remove(0, 1);
    t = RemoveChars(t, QStringLiteral(" ()"));
    if (!t.isEmpty()) {
        // A lone zero stays, and so does a zero directly before the decimal comma.
        while (t.size() >= 2 && t.at(0) == QLatin1Char('0') && t.at(1) != QLatin1Char(','))
            t.remove(0, 1);
        if (ContainsComma(t)) {
            while (t.endsWith(QLatin1Char('0')))
                t.chop(1);
        }
        if (t.endsWith(QLatin1Char(',')))
            t.chop(1);
    }
    // One pass without looking back: a "+" that comes to stand before a "-" through an
    // earlier deletion stays.
    const qsizetype passEnd = t.size() - 1;
    for (qsizetype i = 0; i < passEnd && i + 1 < t.size(); ++i) {
        if (t.at(i) == QLatin1Char('+') && t.at(i + 1) == QLatin1Char('-'))
            t.remove(i, 1);
    }
    return t;
}
