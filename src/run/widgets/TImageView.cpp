#include "run/widgets/TImageView.h"

#include <QMouseEvent>
#include <QPainter>

TImageView::TImageView(QWidget *parent) : QWidget(parent)
{
}

void TImageView::setGeometryAndClear(const QRect &geometry, const QColor &fill)
{
    setGeometry(geometry);
    m_image = QImage(geometry.size(), QImage::Format_RGB32);
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
    emit mousePressed(event->button(), event->position().toPoint());
}
