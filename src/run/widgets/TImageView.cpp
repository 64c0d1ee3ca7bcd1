#include "run/widgets/TImageView.h"

#include <QMouseEvent>
#include <QPainter>

TImageView::TImageView(QWidget *parent) : QWidget(parent)
{
}

void TImageView::setGeometryAndClear(const QRect &geometry, const QColor &fill)
{
    setGeometry(geometry);
    // As many pixels as the screen shows there, so pictures are as sharp as the toolkit's
    // text; whoever paints into it keeps drawing in the control's own coordinates.
    const qreal ratio = devicePixelRatioF();
    m_image = QImage(geometry.size() * ratio, QImage::Format_RGB32);
    m_image.setDevicePixelRatio(ratio);
    m_image.fill(fill);
    update();
}

void TImageView::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.drawImage(0, 0, m_image);
}

void TImageView::mousePressEvent(QMouseEvent *event)
{
    emit mousePressed(event->button(), event->position().toPoint(), event->timestamp());
}

void TImageView::mouseMoveEvent(QMouseEvent *event)
{
    emit mouseMoved(event->position().toPoint());
}

void TImageView::mouseReleaseEvent(QMouseEvent *event)
{
    emit mouseReleased(event->position().toPoint());
}
