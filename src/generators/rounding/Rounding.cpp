#include "generators/rounding/Rounding.h"

#include "core/DigitGroups.h"

#include <array>

namespace {

struct Place
{
    qint32 value;
    const char *word;
};

const std::array<Place, 4> Places = {{
    {10, "Zehner"},
    {100, "Hunderter"},
    {1000, "Tausender"},
    {10000, "Zehntausender"},
}};

// Largest number drawn, by argument 0 (mixed) to 4. The mixed kind draws from the widest
// range whatever place it picks.
const std::array<qint32, 5> Ranges = {999999, 9999, 99999, 555555, 900000};

const FontSpec InstructionFont{QStringLiteral("Comic Sans MS"), 14, false};
const FontSpec NumberFont{QStringLiteral("Symbol"), 16, false};
// The three characters after the number; in the "Symbol" font the middle one is "≈".
const QString ApproxSign = QStringLiteral(" \u00BB ");
// The correction is written in an ordinary font, where that byte would show as "»".
const QString CorrectionApproxSign = QStringLiteral(" \u2248 ");

constexpr int InstructionTop = 55;
constexpr int NumberTop = 90;
constexpr int AnswerGap = 5;

} // namespace

qint32 RoundHalfUp(qint32 n, qint32 placeValue)
{
    qint32 t = n / placeValue;
    if (2 * (n % placeValue) >= placeValue)
        ++t;
    return t * placeValue;
}

GeneratedTask RoundingTask(qint32 n, int level, const GenerationContext &context)
{
    const Place &place = Places.at(level - 1);
    GeneratedTask task;
    task.taskText = FormatGrouped(n) + ApproxSign;
    task.expectedAnswer = RoundHalfUp(n, place.value);
    const QString instruction = QStringLiteral("Runde auf ") + QLatin1String(place.word);
    task.solutionText = instruction + CarriageReturn + FormatGrouped(n) + CorrectionApproxSign
                      + FormatGrouped(task.expectedAnswer);

    const int left = ScaledRound(context.layoutScale * 10);
    task.layout.label1 = PlacedLabel(instruction, InstructionFont, left, InstructionTop,
                                     context.textWidth(instruction, InstructionFont) + 2);
    const int numberWidth = context.textWidth(task.taskText, NumberFont) + 2;
    task.layout.label3 = PlacedLabel(task.taskText, NumberFont, left, NumberTop, numberWidth);

    task.layout.edit1.left = left + numberWidth + AnswerGap;
    task.layout.edit1.top = NumberTop;
    task.layout.edit1.width = AnswerFieldWidth(context, task.expectedAnswer);
    return task;
}

GeneratedTask Runden(GenerationContext &context, int argument)
{
    const int level = argument == 0 ? context.random.below(4) + 1 : argument;
    const qint32 n = context.random.below(Ranges.at(argument)) + 1;
    return RoundingTask(n, level, context);
}
