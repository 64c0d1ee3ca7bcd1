#include "generators/upto100/QuickSeeing.h"

#include "generators/upto100/FirstNumbers.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

const FontSpec QuestionFont{QStringLiteral("Comic Sans MS"), 14, false};
const QColor FieldWhite(255, 255, 255);
const QColor Edge(40, 40, 40);

// A place is 26 pixels wide at the small layout; the field starts one place from the left
// and 70 pixels down, below the question.
double placeSize(double layoutScale)
{
    return 26.0 * layoutScale;
}

// The centre of the place in column 0 to 9 of row 0 (upper) or 1 (lower), with a gap
// between the fives.
QPointF twentyFieldPlace(int row, int column, double layoutScale)
{
    const double size = placeSize(layoutScale);
    const double gap = column >= 5 ? size / 2 : 0.0;
    return QPointF(1.5 * size + column * size + gap, 70.0 * layoutScale + row * size);
}

// A dot fills most of its place.
double dotRadius(double layoutScale)
{
    return 0.38 * placeSize(layoutScale);
}

QRectF fieldRect(double layoutScale)
{
    const double size = placeSize(layoutScale);
    const QPointF first = twentyFieldPlace(0, 0, layoutScale);
    const QPointF last = twentyFieldPlace(1, 9, layoutScale);
    return QRectF(first, last).adjusted(-size / 2, -size / 2, size / 2, size / 2);
}

// "Oben 5 und 2": a row's count read in fives.
QString rowInFives(const QString &row, qint32 count)
{
    if (count > 5 && count < 10)
        return QStringLiteral("%1 5 und %2").arg(row).arg(count - 5);
    return QStringLiteral("%1 %2").arg(row).arg(count);
}

} // namespace

TwentyFieldDots DrawTwentyFieldDots(Random &random, int level)
{
    switch (level) {
    case 1: return {random.between(1, 10), 0};
    case 2: return {10, random.between(1, 10)};
    default: return {random.between(1, 9), random.between(1, 9)};
    }
}

int LookingTimeMs(qint32 balance)
{
    return std::clamp(3000 - 100 * balance, 1000, 3000);
}

void PaintTwentyField(QImage &drawing, const TwentyFieldDots &dots, const PictureMoment &moment)
{
    const double scale = moment.layoutScale;
    const double size = placeSize(scale);
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    const QRectF field = fieldRect(scale);
    if (moment.covered) {
        painter.fillRect(field, TwentyFieldCover);
        painter.setPen(Qt::white);
        painter.setFont(QFont(QStringLiteral("Arial"), 20, QFont::Bold));
        painter.drawText(field, Qt::AlignCenter, QStringLiteral("?"));
        return;
    }
    painter.setPen(QPen(Edge, 1.5));
    painter.setBrush(FieldWhite);
    painter.drawRect(field);
    const double radius = dotRadius(scale);
    for (int row = 0; row < 2; ++row) {
        const qint32 filled = row == 0 ? dots.upper : dots.lower;
        for (int column = 0; column < 10; ++column) {
            painter.setPen(QPen(Edge, 1.0));
            painter.setBrush(column < filled ? QBrush(TwentyFieldDot) : QBrush(Qt::NoBrush));
            painter.drawEllipse(twentyFieldPlace(row, column, scale), radius, radius);
        }
    }
    if (!moment.corrected)
        return;
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Arial"), 12, QFont::Bold));
    for (int row = 0; row < 2; ++row) {
        const QPointF end = twentyFieldPlace(row, 9, scale);
        painter.drawText(QRectF(end.x() + size, end.y() - size / 2, 2 * size, size), Qt::AlignLeft | Qt::AlignVCenter,
                         QString::number(row == 0 ? dots.upper : dots.lower));
    }
}

GeneratedTask WieViele(GenerationContext &context, int)
{
    const TwentyFieldDots dots = DrawTwentyFieldDots(context.random, FirstNumbersLevel(context.balance()));
    GeneratedTask task;
    task.expectedAnswer = dots.count();
    // The key of the task, never shown: the dots of each row.
    task.taskText = QStringLiteral("%1 und %2").arg(dots.upper).arg(dots.lower);
    const QString rows = dots.lower == 0 ? rowInFives(QStringLiteral("Oben"), dots.upper)
                                         : rowInFives(QStringLiteral("Oben"), dots.upper) + QStringLiteral(", ")
                                               + rowInFives(QStringLiteral("unten"), dots.lower);
    const QString sum = dots.lower == 0 ? QStringLiteral("= %1").arg(dots.upper)
                                        : QStringLiteral("%1 + %2 = %3").arg(dots.upper).arg(dots.lower).arg(dots.count());
    task.solutionText = rows + CarriageReturn + sum;

    const QString question = QStringLiteral("Wie viele Punkte waren es?");
    TaskLayout &layout = task.layout;
    layout.label1 = PlacedLabel(question, QuestionFont, 8, 20, context.textWidth(question, QuestionFont) + 2);
    layout.label3.caption = QString();
    layout.label3.visible = false;
    layout.edit1.top = 20;
    layout.edit1.left = 8 + *layout.label1.width + 12;
    layout.edit1.width = ScaledRound(50 * context.layoutScale);
    task.picture = PaintedPicture{[dots](QImage &drawing, const PictureMoment &moment) {
        PaintTwentyField(drawing, dots, moment);
    }, LookingTimeMs(context.balance()), QStringLiteral("Zwanzigerfeld mit Punkten, nur kurz zu sehen")};
    return task;
}
