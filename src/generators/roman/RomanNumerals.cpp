#include "generators/roman/RomanNumerals.h"

#include "core/DigitGroups.h"

#include <algorithm>
#include <array>
#include <optional>

namespace {

using DigitRow = std::array<const char *, 10>;

// One row per decimal place, indexed by the digit; thousands stop at 3 because 4 000 and
// more are never posed.
const std::array<DigitRow, 4> placeRows = {{
    {"", "I", "II", "III", "IV", "V", "VI", "VII", "VIII", "IX"},
    {"", "X", "XX", "XXX", "XL", "L", "LX", "LXX", "LXXX", "XC"},
    {"", "C", "CC", "CCC", "CD", "D", "DC", "DCC", "DCCC", "CM"},
    {"", "M", "MM", "MMM", nullptr, nullptr, nullptr, nullptr, nullptr, nullptr},
}};

const FontSpec instructionFont{QStringLiteral("Comic Sans MS"), 14, false};
const FontSpec numeralFont{QStringLiteral("Comic Sans MS"), 16, false};

} // namespace

QString RomanNumeral(qint32 v)
{
    if (v < 1 || v > 3'999)
        return QString();
    QString numeral;
    for (int place = 0; v > 0; ++place, v /= 10)
        numeral.prepend(QLatin1String(placeRows[place][v % 10]));
    return numeral;
}

qint32 RomanDifficulty(qint32 rightCount, qint32 wrongCount)
{
    return wrongCount < rightCount ? rightCount - wrongCount + 1 : 1;
}

qint32 RomanValueLimit(qint32 m)
{
    return std::min<qint64>(2 * qint64(m) * m, 3'999);
}

GeneratedTask Roemisch(GenerationContext &context, int /*level*/)
{
    GeneratedTask task;
    const QString instruction = QStringLiteral("Übertrage in unsere Schreibweise:");
    const int left = ScaledRound(10 * context.layoutScale);
    const qint32 limit = RomanValueLimit(RomanDifficulty(context.rightCount, context.wrongCount));

    // A draw that does not fit is replaced by another value, never by the same one again.
    std::optional<qint32> previous;
    int numeralWidth = 0;
    int fieldWidth = 0;
    for (int pass = 0; pass < MaxLayoutRedraws; ++pass) {
        qint32 v;
        do {
            v = context.random.between(1, limit);
        } while (previous == v && limit > 1);
        previous = v;

        task.expectedAnswer = v;
        task.taskText = RomanNumeral(v) + QStringLiteral(" = ");
        task.solutionText = task.taskText + FormatGrouped(v);
        fieldWidth = AnswerFieldWidth(context, v);
        numeralWidth = context.textWidth(task.taskText, numeralFont) + 2;
        if (numeralWidth + fieldWidth < context.taskBoxWidth - 17)
            break;
    }

    TaskLayout &layout = task.layout;
    layout.label1 = PlacedLabel(instruction, instructionFont, left, 55, context.textWidth(instruction, instructionFont));
    layout.label3 = PlacedLabel(task.taskText, numeralFont, left, 90, numeralWidth);

    layout.edit1.width = fieldWidth;
    layout.edit1.top = 90;
    layout.edit1.left = left + numeralWidth + 5;
    return task;
}
