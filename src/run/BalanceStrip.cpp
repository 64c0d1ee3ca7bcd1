#include "run/BalanceStrip.h"

#include "run/types/Generation.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>

namespace {

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
    writeAt(painter, LabelLeft, TopTextY, QStringLiteral("Richtige Lösungen"));
    writeAt(painter, LabelLeft, lowerTextY, QStringLiteral("Falsche Lösungen"));
    writeAt(painter, CounterBracketLeft, TopTextY, QStringLiteral("[  0  ]"));
    writeAt(painter, CounterBracketLeft, lowerTextY, QStringLiteral("[  0  ]"));

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

    // Placed by their number of characters, so the counters stand still as they grow.
    prepareText(painter, 10);
    const QString right = QString::number(rightCount) + QLatin1Char(' ');
    const QString wrong = QString::number(wrongCount) + QLatin1Char(' ');
    writeAt(painter, CounterCentre - int(right.size()) / 2, TopTextY, right);
    writeAt(painter, CounterCentre - int(wrong.size()) / 2, ScaledRound(32 * scale), wrong);
}

void DrawBalanceStrip(QImage &strip, const ExerciseLayout &layout, qint32 rightCount, qint32 wrongCount)
{
    DrawBalanceScale(strip, layout);
    DrawBalanceCounts(strip, layout, rightCount, wrongCount);
}
