#include "core/DigitGroups.h"

QString FormatGrouped(qint32 n)
{
    const QString digits = QString::number(n);
    QString result;
    result.reserve(digits.size() + (digits.size() - 1) / 3);
    int copied = 0;
    for (qsizetype i = digits.size() - 1; i >= 0; --i) {
        result.prepend(digits.at(i));
        ++copied;
        // The minus sign counts as a character of the leftmost group.
        if (copied % 3 == 0 && i > 0)
            result.prepend(QLatin1Char(' '));
    }
    return result;
}
