#include "generators/numberline/NumberLine.h"

#include "generators/numberline/SymbolFont.h"
#include "core/DigitGroups.h"
#include "core/Generation.h"
#include "core/WindowColours.h"

#include <QColor>
#include <QFont>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <algorithm>

namespace {

const QString ArrowGlyph = QString(QChar(0xAF));

QList<LineSegment> smallTicks(qint32 pixelsPerUnit, int width)
{
    QList<LineSegment> ticks;
    const int step = 10 * pixelsPerUnit;
    // The first tick stands at the left end even on the narrowest picture.
    for (int x = LineLeftX;; x += step) {
        ticks.append({QPoint(x, BaseLineY), QPoint(x, SmallTickTopY)});
        if (step <= 0 || x + step > width - 10)
            break;
    }
    return ticks;
}

QList<LineSegment> longTicks(const TNumberLine &line, int width)
{
    QList<LineSegment> ticks;
    // A ray of single numbers (ten between its labels) marks its tens past the label too.
    const qint32 count = std::max<qint32>(((line.endValue - line.startValue) / 30) * line.pixelsPerUnit, 2);
    for (qint32 i = 0; i <= count; ++i) {
        const int x = OffsetX(line.pixelsPerUnit, 100 * i);
        if (x >= width)
            break;   // beyond the right edge nothing is seen
        ticks.append({QPoint(x, BaseLineY), QPoint(x, LongTickTopY)});
    }
    return ticks;
}

QList<PlacedText> helpLabels(const TNumberLine &line, int width, const LabelMeasure &labelWidth)
{
    const qint32 span = line.endValue - line.startValue;
    const qint32 middle = (line.startValue + line.endValue) / 2;
    QList<PlacedText> labels;
    const QString middleText = FormatGrouped(middle);
    labels.append({middleText,
                   QPoint(OffsetX(line.pixelsPerUnit, 50) - labelWidth(middleText) / 2, LabelTopY)});
    // At 3 or 4 pixels per unit offset 150 lies at or beyond the right edge.
    if (line.pixelsPerUnit < 3) {
        const QString farText = FormatGrouped(middle + span);
        labels.append({farText,
                       QPoint(RightLabelX(OffsetX(line.pixelsPerUnit, 150), labelWidth(farText), width),
                              LabelTopY)});
    }
    // Further on, every half span up to the first label at or beyond the arrow: the labels
    // reach the number asked for, wherever it lies in the picture.
    for (qint32 offset = 200; offset - 50 < line.arrowOffset; offset += 50) {
        const int x = OffsetX(line.pixelsPerUnit, offset);
        if (x >= width)
            break;
        const QString text = FormatGrouped(line.valueAt(offset));
        labels.append({text, QPoint(RightLabelX(x, labelWidth(text), width), LabelTopY)});
    }
    return labels;
}

QFont labelFont()
{
    return QFont(QStringLiteral("Arial"), 8);
}

void drawText(QPainter &painter, const PlacedText &placed)
{
    const QFontMetrics metrics(painter.font(), painter.device());
    const QRect cell(placed.topLeft, QSize(metrics.horizontalAdvance(placed.text), metrics.height()));
    painter.fillRect(cell, painter.background());
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, placed.text);
}

// Returns the cell the arrow stands in.
QRect drawArrow(QPainter &painter, int centreX, const QColor &colour)
{
    const SymbolText arrow = SymbolFontText(ArrowGlyph, 10, true);
    painter.setFont(arrow.font);
    const QFontMetrics metrics(arrow.font, painter.device());
    const int width = metrics.horizontalAdvance(arrow.text);
    const QRect cell(QPoint(centreX - width / 2, ArrowTopY), QSize(width, metrics.height()));
    painter.fillRect(cell, painter.background());
    // The glyph drawn dark one pixel off in every direction leaves a rim around it.
    painter.setPen(ArrowOutline);
    for (int dx = -1; dx <= 1; ++dx) {
        for (int dy = -1; dy <= 1; ++dy) {
            if (dx != 0 || dy != 0)
                painter.drawText(cell.translated(dx, dy), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, arrow.text);
        }
    }
    painter.setPen(colour);
    painter.drawText(cell, Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, arrow.text);
    return cell;
}

void startPainting(QPainter &painter)
{
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setBackground(Silver);
}

} // namespace

void SetNumberLine(TNumberLine &line, qint32 startValue, qint32 endValue, qint32 pixelsPerUnit,
                   qint32 arrowOffset)
{
    line = TNumberLine{startValue, endValue, pixelsPerUnit, arrowOffset};
}

QRect LineSegment::pixels() const
{
    // Step the end point back by one towards the start: the end is not drawn.
    const auto lastOf = [](int a, int b) { return a == b ? b : b + (b < a ? 1 : -1); };
    const QPoint last(lastOf(from.x(), to.x()), lastOf(from.y(), to.y()));
    return QRect(QPoint(std::min(from.x(), last.x()), std::min(from.y(), last.y())),
                 QPoint(std::max(from.x(), last.x()), std::max(from.y(), last.y())));
}

int LeftLabelX(int centreX, int textWidth)
{
    return std::max(centreX - textWidth / 2, 1);
}

int RightLabelX(int centreX, int textWidth, int width)
{
    return std::min(centreX - textWidth / 2, width - textWidth);
}

NumberLineGeometry NumberLineLayout(const TNumberLine &line, bool arrowShown, bool taskFailed,
                                    double layoutScale, int width, const LabelMeasure &labelWidth)
{
    const bool large = layoutScale > 1.0;
    NumberLineGeometry g;
    // Right and bottom edges excluded, as the band is drawn as a rectangle.
    g.clearedBand = QRect(QPoint(LineLeftX, 45), QPoint(width - 2, ScaledRound(100 * layoutScale) - 1));
    g.headMark = QPoint(width - 7, large ? 62 : 63);
    g.baseLine = {QPoint(LineLeftX, BaseLineY), QPoint(width - 1, BaseLineY)};
    g.smallTicks = smallTicks(line.pixelsPerUnit, width);
    if (line.startValue > 0)
        g.continuationMark = QPoint(0, large ? 59 : 60);
    g.longTicks = longTicks(line, width);

    const QString leftText = FormatGrouped(line.startValue);
    g.leftLabel = {leftText, QPoint(LeftLabelX(LineLeftX, labelWidth(leftText)), LabelTopY)};
    const QString rightText = FormatGrouped(line.endValue);
    g.rightLabel = {rightText,
                    QPoint(RightLabelX(OffsetX(line.pixelsPerUnit, 100), labelWidth(rightText), width),
                           LabelTopY)};
    if (taskFailed)
        g.helpLabels = helpLabels(line, width, labelWidth);
    if (arrowShown)
        g.arrowCentreX = OffsetX(line.pixelsPerUnit, line.arrowOffset);
    return g;
}

void DrawNumberLine(QImage &drawing, const TNumberLine &line, bool arrowShown, bool taskFailed,
                    double layoutScale)
{
    const QFont font = labelFont();
    const QFontMetrics metrics(font, &drawing);
    const NumberLineGeometry g =
        NumberLineLayout(line, arrowShown, taskFailed, layoutScale, drawing.width(),
                         [&metrics](const QString &text) { return metrics.horizontalAdvance(text); });

    QPainter painter(&drawing);
    startPainting(painter);
    painter.fillRect(g.clearedBand, Silver);
    painter.setFont(font);
    painter.setPen(Qt::black);
    // Drawn in this order so that later lines stay visible through the text cells.
    drawText(painter, {QStringLiteral(">"), g.headMark});
    painter.fillRect(g.baseLine.pixels(), Qt::black);
    for (const LineSegment &tick : g.smallTicks)
        painter.fillRect(tick.pixels(), Qt::black);
    if (g.continuationMark)
        drawText(painter, {QStringLiteral("...."), *g.continuationMark});
    for (const LineSegment &tick : g.longTicks)
        painter.fillRect(tick.pixels(), Qt::black);
    drawText(painter, g.leftLabel);
    drawText(painter, g.rightLabel);
    for (const PlacedText &label : g.helpLabels)
        drawText(painter, label);
    if (g.arrowCentreX)
        drawArrow(painter, *g.arrowCentreX, ArrowYellow);
}

void DrawArrowAt(QImage &drawing, int centreX)
{
    QPainter painter(&drawing);
    startPainting(painter);
    drawArrow(painter, centreX, ArrowYellow);
}

void DrawPlaceOfNumber(QImage &drawing, int centreX, const QString &number)
{
    QPainter painter(&drawing);
    startPainting(painter);
    const QRect arrow = drawArrow(painter, centreX, PlaceArrowColour);
    QFont font = labelFont();
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(PlaceArrowColour);
    const int textWidth = QFontMetrics(font, &drawing).horizontalAdvance(number);
    // Beside the arrow, on the side where the picture has room for it.
    const int right = arrow.right() + 4;
    const int left = right + textWidth < drawing.width() ? right : arrow.left() - 4 - textWidth;
    drawText(painter, {number, QPoint(left, ArrowTopY)});
}
