#include "run/BalanceStrip.h"

#include "run/RunState.h"
#include "core/Generation.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <algorithm>

namespace {

const QString RightCaption = QStringLiteral("Richtige Lösungen");
const QString WrongCaption = QStringLiteral("Falsche Lösungen");

constexpr int ScaleLeft = 166;
constexpr int LabelLeft = 5;
constexpr int CounterBracketLeft = 120;
constexpr int CounterCentre = 130;
constexpr int TopTextY = 12;

QFont stripFont(int pointSize)
{
    return QFont(QStringLiteral("Arial"), pointSize);
}

// Text with its top-left corner at (x, y) on a silver ground, as the strip writes it.
void writeAt(QPainter &painter, int x, int y, const QString &text)
{
    painter.drawText(QRect(x, y, 1000, 1000), Qt::AlignLeft | Qt::AlignTop, text);
}

// A vertical line from y1 down to y2, y2 itself left out.
void tick(QPainter &painter, int x, int y1, int y2)
{
    painter.drawLine(x, y1, x, y2 - 1);
}

void prepareText(QPainter &painter, int pointSize)
{
    painter.setPen(Qt::black);
    painter.setFont(stripFont(pointSize));
    painter.setBackgroundMode(Qt::OpaqueMode);
    painter.setBackground(Silver);
}

// A count with its blank, placed by its number of characters, so the counters stand
// still as they grow.
QString counterText(qint32 count)
{
    return QString::number(count) + QLatin1Char(' ');
}

int counterLeft(const QString &text)
{
    return CounterCentre - int(text.size()) / 2;
}

// The closing bracket stands right of the widest counter the strip ever shows, so that no
// count's silver ground covers it.
int closingBracketLeft(const QFontMetrics &metrics)
{
    int right = 0;
    for (qint32 count = 0; count <= RightAnswersPerRun; ++count) {
        const QString text = counterText(count);
        right = std::max(right, counterLeft(text) + metrics.horizontalAdvance(text));
    }
    return right + 1;
}

// "[", the empty counter and "]" at the top of `y`.
void writeEmptyCounter(QPainter &painter, const QFontMetrics &metrics, int y)
{
    writeAt(painter, CounterBracketLeft, y, QStringLiteral("["));
    const QString zero = counterText(0);
    writeAt(painter, counterLeft(zero), y, zero);
    writeAt(painter, closingBracketLeft(metrics), y, QStringLiteral("]"));
}

} // namespace

void DrawBalanceScale(QImage &strip, const ExerciseLayout &layout)
{
    strip.fill(Silver);
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double scale = layout.scale;
    const int u = layout.barPitch;
    const int lowerTextY = ScaledRound(32 * scale);
    prepareText(painter, 10);
    writeAt(painter, LabelLeft, TopTextY, RightCaption);
    writeAt(painter, LabelLeft, lowerTextY, WrongCaption);
    const QFontMetrics counterMetrics(painter.font(), &strip);
    writeEmptyCounter(painter, counterMetrics, TopTextY);
    writeEmptyCounter(painter, counterMetrics, lowerTextY);

    for (int i = 0; i <= 50; ++i) {
        tick(painter, ScaleLeft + i * u, 22, 27);
        tick(painter, ScaleLeft + i * u, ScaledRound(42 * scale), ScaledRound(47 * scale));
    }
    for (int i = 0; i <= 10; ++i) {
        tick(painter, ScaleLeft + i * 5 * u, 20, 27);
        tick(painter, ScaleLeft + i * 5 * u, ScaledRound(40 * scale), ScaledRound(47 * scale));
    }
    for (int i = 0; i <= 5; ++i) {
        tick(painter, ScaleLeft + i * 10 * u, 17, 27);
        tick(painter, ScaleLeft + i * 10 * u, ScaledRound(37 * scale), ScaledRound(47 * scale));
    }

    prepareText(painter, 8);
    const QFontMetrics metrics(painter.font(), &strip);
    for (int i = 0; i <= 5; ++i) {
        const QString number = QString::number(10 * i);
        writeAt(painter, ScaleLeft + 1 + i * 10 * u - metrics.horizontalAdvance(number) / 2, 2, number);
    }
}

void DrawBalanceCounts(QImage &strip, const ExerciseLayout &layout, qint32 rightCount, qint32 wrongCount)
{
    QPainter painter(&strip);
    painter.setRenderHint(QPainter::Antialiasing, false);
    const double scale = layout.scale;
    const int u = layout.barPitch;
    const int boxWidth = ScaledRound(7 * scale);
    const int boxHeight = ScaledRound(9 * scale);
    const int wrongTop = ScaledRound(38 * scale);
    for (int i = 1; i <= rightCount; ++i)
        painter.fillRect(QRect(164 + i * u, 18, boxWidth, boxHeight), RightBoxColour);
    for (int i = 1; i <= wrongCount; ++i)
        painter.fillRect(QRect(164 + i * u, wrongTop, boxWidth, boxHeight), WrongBoxColour);

    prepareText(painter, 10);
    const QString right = counterText(rightCount);
    const QString wrong = counterText(wrongCount);
    writeAt(painter, counterLeft(right), TopTextY, right);
    writeAt(painter, counterLeft(wrong), ScaledRound(32 * scale), wrong);
}

void DrawBalanceStrip(QImage &strip, const ExerciseLayout &layout, qint32 rightCount, qint32 wrongCount)
{
    DrawBalanceScale(strip, layout);
    DrawBalanceCounts(strip, layout, rightCount, wrongCount);
}

QString BalanceCountsText(qint32 rightCount, qint32 wrongCount)
{
    return RightCaption + QStringLiteral(": ") + QString::number(rightCount) + QStringLiteral(", ") + WrongCaption
         + QStringLiteral(": ") + QString::number(wrongCount);
}
