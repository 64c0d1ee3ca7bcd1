#pragma once
// A control that keeps a picture and shows it: the program draws into the image, and the
// toolkit's refreshes only show what is there. The image has the screen's device pixel
// ratio, so painters draw into it in the control's coordinates. Presses, moves with a
// button held and releases are passed on with the position inside the control.

#include <QImage>
#include <QWidget>

class TImageView : public QWidget
{
    Q_OBJECT
public:
    explicit TImageView(QWidget *parent = nullptr);

    QImage &image() { return m_image; }
    const QImage &image() const { return m_image; }
    // Places the control and gives it a fresh image of its size at the screen's pixel
    // density, filled with `fill`.
    void setGeometryAndClear(const QRect &geometry, const QColor &fill);

signals:
    // `timestamp` is the press's event time in milliseconds.
    void mousePressed(Qt::MouseButton button, QPoint position, quint64 timestamp);
    // While a button is held, and when it is let go.
    void mouseMoved(QPoint position);
    void mouseReleased(QPoint position);

protected:
    void paintEvent(QPaintEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseMoveEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;

private:
    QImage m_image;
};
