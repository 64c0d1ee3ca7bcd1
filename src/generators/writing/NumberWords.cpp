#include "generators/writing/NumberWords.h"

#include "core/TaskTypes.h"

#include <array>

namespace {

// Indexed by the digit; the shortened forms (sechzehn, siebzig, ...) are whole entries.
const std::array<QString, 10> &unitWords()
{
    static const std::array<QString, 10> words = {
        QString(), QStringLiteral("ein"), QStringLiteral("zwei"), QStringLiteral("drei"),
        QStringLiteral("vier"), QStringLiteral("fünf"), QStringLiteral("sechs"),
        QStringLiteral("sieben"), QStringLiteral("acht"), QStringLiteral("neun")};
    return words;
}

const std::array<QString, 10> &teenWords()
{
    static const std::array<QString, 10> words = {
        QStringLiteral("zehn"), QStringLiteral("elf"), QStringLiteral("zwölf"),
        QStringLiteral("dreizehn"), QStringLiteral("vierzehn"), QStringLiteral("fünfzehn"),
        QStringLiteral("sechzehn"), QStringLiteral("siebzehn"), QStringLiteral("achtzehn"),
        QStringLiteral("neunzehn")};
    return words;
}

const std::array<QString, 10> &tensWords()
{
    static const std::array<QString, 10> words = {
        QString(), QString(), QStringLiteral("zwanzig"), QStringLiteral("dreißig"),
        QStringLiteral("vierzig"), QStringLiteral("fünfzig"), QStringLiteral("sechzig"),
        QStringLiteral("siebzig"), QStringLiteral("achtzig"), QStringLiteral("neunzig")};
    return words;
}

// A position in front of the first digit is blank and counts as no digit.
bool isNonZeroDigit(QChar c) { return c >= u'1' && c <= u'9'; }
int digitOf(QChar c) { return c.isDigit() ? c.digitValue() : 0; }

// One group of three positions (hundreds, tens, units). A lone unit 1 gets the suffix
// that fits its place: "eine" Million, "eins" at the end, plain "ein" before tausend.
QString groupWords(QChar hundreds, QChar tens, QChar units, const QString &oneSuffix)
{
    QString words;
    if (isNonZeroDigit(hundreds))
        words += unitWords()[digitOf(hundreds)] + QStringLiteral("hundert");
    if (!isNonZeroDigit(tens)) {
        words += unitWords()[digitOf(units)];
        if (units == u'1')
            words += oneSuffix;
    } else if (tens == u'1') {
        words += teenWords()[digitOf(units)];
    } else {
        if (isNonZeroDigit(units))
            words += unitWords()[digitOf(units)] + QStringLiteral("und");
        words += tensWords()[digitOf(tens)];
    }
    return words;
}

bool hasNonZeroDigit(const QString &group)
{
    for (QChar c : group) {
        if (isNonZeroDigit(c))
            return true;
    }
    return false;
}

} // namespace

QString NumberToWords(qint32 n)
{
    if (n < 10 || n > 999'999'999)
        return QString();
    const QString c = QString::number(n).rightJustified(9, u' ');
    QString words;
    if (n >= 1'000'000) {
        words += groupWords(c[0], c[1], c[2], QStringLiteral("e"));
        // One million is singular: "eine Million", never "eine Millionen".
        words += n / 1'000'000 == 1 ? QStringLiteral(" Million") : QStringLiteral(" Millionen");
        words += CarriageReturn;
    }
    if (hasNonZeroDigit(c.mid(3, 3)))
        words += groupWords(c[3], c[4], c[5], QString()) + QStringLiteral("tausend");
    if (hasNonZeroDigit(c.mid(6, 3)))
        words += groupWords(c[6], c[7], c[8], QStringLiteral("s"));
    return words;
}
