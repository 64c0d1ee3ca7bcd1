#include "generators/upto100/PlaceValue.h"

#include "generators/upto100/FirstNumbers.h"

#include <QColor>
#include <QFont>
#include <QImage>
#include <QPainter>

namespace {

const FontSpec TaskFont{QStringLiteral("Comic Sans MS"), 16, false};
constexpr int TaskTop = 20;
constexpr int Gap = 8;

const QColor Edge(40, 40, 40);

// One cube's side in pixels: 10 at the small layout, growing with it.
double cubeSide(double layoutScale)
{
    return 10.0 * layoutScale;
}

void paintCube(QPainter &painter, QPointF topLeft, double side, const QColor &fill)
{
    painter.setBrush(fill);
    painter.drawRect(QRectF(topLeft, QSizeF(side, side)));
}

// The answer field between the text before it and the text after it, on one row.
TaskLayout rowLayout(GenerationContext &context, const QString &before, const QString &after, qint32 answer)
{
    TaskLayout layout;
    const int left = 10;
    const int beforeWidth = context.textWidth(before, TaskFont) + 2;
    layout.label1 = PlacedLabel(before, TaskFont, left, TaskTop, beforeWidth);
    layout.label1.visible = true;
    layout.edit1.left = left + beforeWidth + Gap;
    layout.edit1.top = TaskTop;
    layout.edit1.width = int(1.7 * context.textWidth(QString::number(answer), FontSpec{})) + 30;
    layout.edit1.visible = true;
    layout.label3 = PlacedLabel(after, TaskFont, *layout.edit1.left + *layout.edit1.width + Gap, TaskTop,
                                context.textWidth(after, TaskFont) + 2);
    layout.label3.visible = !after.isEmpty();
    return layout;
}

} // namespace

PlaceValueTask DrawPlaceValueTask(Random &random, int level)
{
    PlaceValueTask task;
    const int form = random.below(level == 1 ? 1 : level == 2 ? 3 : 5);
    task.asked = form == 1 ? PlaceValueTask::Asked::Tens
               : form == 2 ? PlaceValueTask::Asked::Ones
                           : PlaceValueTask::Asked::Number;
    if (form == 4) {
        // Ten ones to bundle into a ten: at most 8 tens stay below 100.
        task.tens = random.between(1, 8);
        task.ones = random.between(10, 19);
        return task;
    }
    task.tens = random.between(1, 9);
    task.ones = random.between(0, 9);
    task.onesFirst = form == 3;
    return task;
}

QString TensAndOnes(const PlaceValueTask &task)
{
    const QString tens = QStringLiteral("%1 Z").arg(task.tens);
    const QString ones = QStringLiteral("%1 E").arg(task.ones);
    return task.onesFirst ? ones + QLatin1Char(' ') + tens : tens + QLatin1Char(' ') + ones;
}

void PaintTensAndOnes(QImage &drawing, qint32 tens, qint32 ones, double layoutScale, bool labelled)
{
    const double side = cubeSide(layoutScale);
    const double pitch = 1.6 * side;
    // Just below the task's row, with room for the counts under the picture.
    const double top = 4 * side;
    const double bottom = top + 10 * side;
    QPainter painter(&drawing);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(QPen(Edge, 1.0));
    for (qint32 bar = 0; bar < tens; ++bar) {
        for (int cube = 0; cube < 10; ++cube)
            paintCube(painter, QPointF(side + bar * pitch, top + cube * side), side, TenBarBlue);
    }
    // The ones stand on the ground beside the bars, in columns of five like the fingers of
    // a hand.
    const double onesLeft = side + std::max(tens, 1) * pitch + 2 * side;
    for (qint32 one = 0; one < ones; ++one)
        paintCube(painter, QPointF(onesLeft + (one / 5) * pitch, bottom - side - (one % 5) * pitch), side,
                  UnitCubeOrange);
    if (!labelled)
        return;
    painter.setPen(Qt::black);
    painter.setFont(QFont(QStringLiteral("Arial"), 10, QFont::Bold));
    const QRectF row(0, bottom + 0.5 * side, 0, 2 * side);
    painter.drawText(row.adjusted(side, 0, side + tens * pitch, 0), Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip,
                     QStringLiteral("%1 Z").arg(tens));
    painter.drawText(row.adjusted(onesLeft, 0, onesLeft + 4 * pitch, 0),
                     Qt::AlignLeft | Qt::AlignVCenter | Qt::TextDontClip, QStringLiteral("%1 E").arg(ones));
}

GeneratedTask ZehnerEiner(GenerationContext &context, int)
{
    const int level = FirstNumbersLevel(context.balance());
    const PlaceValueTask drawn = DrawPlaceValueTask(context.random, level);
    const qint32 n = drawn.number();
    const QString parts = TensAndOnes(drawn);
    const QString sum = QStringLiteral("%1 + %2 = %3").arg(10 * drawn.tens).arg(drawn.ones).arg(n);

    GeneratedTask task;
    switch (drawn.asked) {
    case PlaceValueTask::Asked::Number:
        task.expectedAnswer = n;
        task.layout = rowLayout(context, parts + QStringLiteral(" ="), QString(), n);
        task.solutionText = parts + QStringLiteral(" =") + CarriageReturn + sum;
        break;
    case PlaceValueTask::Asked::Tens:
        task.expectedAnswer = drawn.tens;
        task.layout = rowLayout(context, QStringLiteral("%1 =").arg(n), QStringLiteral("Z %1 E").arg(drawn.ones), drawn.tens);
        task.solutionText = sum + CarriageReturn + QStringLiteral("%1 = %2").arg(n).arg(parts);
        break;
    case PlaceValueTask::Asked::Ones:
        task.expectedAnswer = drawn.ones;
        task.layout = rowLayout(context, QStringLiteral("%1 = %2 Z").arg(n).arg(drawn.tens), QStringLiteral("E"), drawn.ones);
        task.solutionText = sum + CarriageReturn + QStringLiteral("%1 = %2").arg(n).arg(parts);
        break;
    }
    // The task as posed, the answer field as a gap.
    task.taskText = (task.layout.label1.caption.value_or(QString()) + QStringLiteral(" _ ")
                     + task.layout.label3.caption.value_or(QString())).trimmed();
    const bool shownWithTheTask = level == 1;
    const qint32 tens = drawn.tens;
    const qint32 ones = drawn.ones;
    task.picture = PaintedPicture{[=](QImage &drawing, const PictureMoment &moment) {
        if (shownWithTheTask || moment.corrected)
            PaintTensAndOnes(drawing, tens, ones, moment.layoutScale, moment.corrected);
    }, 0, shownWithTheTask ? QStringLiteral("Zehnerstangen und Einerwürfel") : QString()};
    return task;
}
