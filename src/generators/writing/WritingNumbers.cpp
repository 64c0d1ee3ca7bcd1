#include "generators/writing/WritingNumbers.h"

#include "generators/writing/NumberWords.h"
#include "core/DigitGroups.h"

namespace {

const FontSpec instructionFont{QStringLiteral("Comic Sans MS"), 14, false};
const FontSpec wordsFont{QStringLiteral("Comic Sans MS"), 12, false};

// Drawing from the narrower range and rejecting by zero digits keeps every number of the
// set equally likely, with far fewer draws than over the whole integer range.
qint32 drawWithZeros(Random &random, qint32 from, qint32 to, int zeros)
{
    qint32 n;
    do {
        n = random.between(from, to);
    } while (!HasZeroDigits(n, zeros));
    return n;
}

} // namespace

bool HasZeroDigits(qint32 n, int k)
{
    return QString::number(n).rightJustified(9, u' ').count(u'0') >= k;
}

qint32 DrawWritingNumber(Random &random, int level)
{
    switch (level) {
    case 2:
        return drawWithZeros(random, 10'001, 99'999, 1);
    case 3:
        return drawWithZeros(random, 1'000'001, 98'999'999, 3);
    default:
        return random.between(11, 1'000);
    }
}

QString WritingSolutionText(qint32 n)
{
    return NumberToWords(n) + CarriageReturn + QStringLiteral("= ") + FormatGrouped(n);
}

GeneratedTask WritingTask(GenerationContext &context, const std::function<qint32(Random &)> &draw)
{
    GeneratedTask task;
    const int left = ScaledRound(10 * context.layoutScale);
    const QString instruction = QStringLiteral("Schreibe als Zahl:");

    qint32 n = 0;
    int wordsWidth = 0;
    for (int pass = 0; pass < MaxLayoutRedraws; ++pass) {
        n = draw(context.random);
        task.taskText = NumberToWords(n);
        // Every line must fit, the millions line too: "zweiundvierzig Millionen" can be
        // wider than a short rest, and whole millions have no rest at all.
        wordsWidth = context.textWidth(task.taskText, wordsFont) + 20;
        if (wordsWidth < context.taskBoxWidth - 20)
            break;
    }
    task.expectedAnswer = n;
    task.solutionText = WritingSolutionText(n);

    TaskLayout &layout = task.layout;
    layout.label3 = PlacedLabel(instruction, instructionFont, left, 50, context.textWidth(instruction, instructionFont) + 2);

    layout.label1 = PlacedLabel(task.taskText, wordsFont, left, 90, wordsWidth);

    // 20 pixels more room than the answer field of the other kinds.
    layout.edit1.width = AnswerFieldWidth(context, n) + 20;
    layout.edit1.top = ScaledRound((n >= 1'000'000 ? 140 : 120) * context.layoutScale);
    layout.edit1.left = left;
    return task;
}

GeneratedTask Schreiben(GenerationContext &context, int level)
{
    return WritingTask(context, [level](Random &random) { return DrawWritingNumber(random, level); });
}
