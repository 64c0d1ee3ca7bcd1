#include "core/IntegerText.h"

namespace {

int digitValue(QChar c)
{
    const char16_t u = c.unicode();
    if (u >= '0' && u <= '9')
        return u - '0';
    if (u >= 'a' && u <= 'f')
        return u - 'a' + 10;
    if (u >= 'A' && u <= 'F')
        return u - 'A' + 10;
    return -1;
}

bool startsWithAt(const QString &text, qsizetype pos, QLatin1String prefix)
{
    return text.mid(pos, prefix.size()).compare(prefix, Qt::CaseInsensitive) == 0;
}

} // namespace

std::optional<qint32> TextToInteger(const QString &text)
{
    qsizetype pos = 0;
    bool negative = false;
    if (startsWithAt(text, 0, QLatin1String("+")) || startsWithAt(text, 0, QLatin1String("-"))) {
        negative = text[0] == QLatin1Char('-');
        pos = 1;
    }
    int base = 10;
    if (startsWithAt(text, pos, QLatin1String("$")) || startsWithAt(text, pos, QLatin1String("x"))) {
        base = 16;
        pos += 1;
    } else if (startsWithAt(text, pos, QLatin1String("0x"))) {
        base = 16;
        pos += 2;
    }
    if (pos >= text.size())
        return std::nullopt;

    const qint64 limit = negative ? qint64(1) << 31 : (qint64(1) << 31) - 1;
    qint64 value = 0;
    for (; pos < text.size(); ++pos) {
        const int digit = digitValue(text[pos]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > limit)
            return std::nullopt;
    }
    return qint32(negative ? -value : value);
}
