#include "log/widgets/TVerlaufBild.h"

#include <QPainter>
#include <algorithm>

namespace {

const QColor ShareColour(31, 94, 170);
const QColor SecondsColour(222, 128, 20);
const QColor AxisColour(110, 110, 110);
const QColor LabelColour(60, 60, 60);
const QColor BandLabelColour(90, 90, 90);
constexpr int TickLength = 4;
constexpr int TextGap = 6;

// Light tints from green for the best grade to red for the worst.
QColor bandColour(int grade)
{
    static const QColor tints[] = {{200, 235, 192}, {224, 242, 204}, {242, 245, 206},
                                   {253, 240, 204}, {252, 224, 200}, {250, 208, 206}};
    return tints[std::clamp(grade, 1, 6) - 1];
}

void drawBands(QPainter &painter, const ProgressChart &chart)
{
    painter.setPen(BandLabelColour);
    for (const ChartBand &band : chart.bands) {
        const QRectF area(chart.plot.left(), band.top, chart.plot.width(), band.bottom - band.top);
        painter.fillRect(area, bandColour(band.grade));
        painter.fillRect(QRectF(area.left(), area.top(), area.width(), 1), Qt::white);
        painter.drawText(area.adjusted(TextGap, 0, 0, 0), Qt::AlignLeft | Qt::AlignVCenter, band.label);
    }
}

void drawAxes(QPainter &painter, const ProgressChart &chart)
{
    const QRectF &plot = chart.plot;
    painter.setPen(QPen(AxisColour, 1));
    painter.drawLine(plot.bottomLeft(), plot.bottomRight());
    painter.drawLine(plot.topLeft(), plot.bottomLeft());
    painter.drawLine(plot.topRight(), plot.bottomRight());

    const int lineHeight = painter.fontMetrics().height();
    painter.setPen(LabelColour);
    for (const ChartTick &tick : chart.shareTicks) {
        painter.drawLine(QPointF(plot.left() - TickLength, tick.position), QPointF(plot.left(), tick.position));
        painter.drawText(QRectF(0, tick.position - lineHeight / 2.0, plot.left() - TickLength - 2, lineHeight),
                         Qt::AlignRight | Qt::AlignVCenter, tick.label);
    }
    for (const ChartTick &tick : chart.secondsTicks) {
        painter.drawLine(QPointF(plot.right(), tick.position), QPointF(plot.right() + TickLength, tick.position));
        painter.drawText(QRectF(plot.right() + TickLength + 2, tick.position - lineHeight / 2.0, 1000, lineHeight),
                         Qt::AlignLeft | Qt::AlignVCenter, tick.label);
    }
    for (const ChartTick &tick : chart.dateTicks) {
        painter.drawLine(QPointF(tick.position, plot.bottom()), QPointF(tick.position, plot.bottom() + TickLength));
        const double width = painter.fontMetrics().horizontalAdvance(tick.label) + 2;
        painter.drawText(QRectF(tick.position - width / 2, plot.bottom() + TickLength + 1, width, lineHeight),
                         Qt::AlignCenter, tick.label);
    }
}

// The axis titles double as the legend: each stands in the colour of its line.
void drawTitles(QPainter &painter, const ProgressChart &chart, int width)
{
    const QRectF row(TextGap, 0, width - 2 * TextGap, chart.plot.top() - TextGap);
    QFont bold = painter.font();
    bold.setBold(true);
    painter.setFont(bold);
    painter.setPen(ShareColour);
    painter.drawText(row, Qt::AlignLeft | Qt::AlignBottom, chart.shareTitle);
    painter.setPen(SecondsColour);
    painter.drawText(row, Qt::AlignRight | Qt::AlignBottom, chart.secondsTitle);
    bold.setBold(false);
    painter.setFont(bold);
}

// Segment by segment with flat caps: looks like one line (the dots cover the joints), but
// a long zigzag is stroked many times faster so than as one path or with round caps.
void drawLine(QPainter &painter, const QList<QPointF> &points, const QPen &pen)
{
    QList<QLineF> segments;
    segments.reserve(points.size());
    for (qsizetype i = 1; i < points.size(); ++i)
        segments.append(QLineF(points[i - 1], points[i]));
    painter.setPen(pen);
    painter.drawLines(segments);
}

void drawDots(QPainter &painter, const QList<QPointF> &points, const QColor &colour, double radius)
{
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (const QPointF &point : points)
        painter.drawEllipse(point, radius, radius);
}

void drawRuns(QPainter &painter, const ProgressChart &chart)
{
    QList<QPointF> shares, seconds;
    shares.reserve(chart.points.size());
    seconds.reserve(chart.points.size());
    for (const ChartPoint &point : chart.points) {
        shares.append(point.share);
        seconds.append(point.thinking);
    }
    painter.setRenderHint(QPainter::Antialiasing);
    drawLine(painter, seconds, QPen(SecondsColour, 1.2, Qt::SolidLine, Qt::FlatCap));
    drawLine(painter, shares, QPen(ShareColour, 2.4, Qt::SolidLine, Qt::FlatCap));
    if (chart.dotForEveryRun) {
        drawDots(painter, seconds, SecondsColour, 2.0);
        drawDots(painter, shares, ShareColour, 3.2);
    }
    if (chart.newestIndex < 0)
        return;
    const ChartPoint &newest = chart.points.at(chart.newestIndex);
    drawDots(painter, {newest.thinking}, SecondsColour, 3.5);
    painter.setPen(QPen(Qt::white, 2));
    painter.setBrush(ShareColour);
    painter.drawEllipse(newest.share, 6.5, 6.5);
}

} // namespace

TVerlaufBild::TVerlaufBild(QWidget *parent) : QWidget(parent)
{
    setAutoFillBackground(false);
    layOut();
}

void TVerlaufBild::setSeries(const QList<ProgressPoint> &series)
{
    runs = series;
    layOut();
    update();
}

void TVerlaufBild::resizeEvent(QResizeEvent *event)
{
    QWidget::resizeEvent(event);
    layOut();
}

void TVerlaufBild::layOut()
{
    laidOut = LayOutProgressChart(runs, size());
}

void TVerlaufBild::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::white);
    drawBands(painter, laidOut);
    drawAxes(painter, laidOut);
    drawTitles(painter, laidOut, width());
    drawRuns(painter, laidOut);
    if (!laidOut.emptyText.isEmpty()) {
        painter.setPen(LabelColour);
        painter.drawText(laidOut.plot, Qt::AlignCenter | Qt::TextWordWrap, laidOut.emptyText);
    }
}
