#pragma once
// The arrow that follows a finger or the held mouse button along the number line of
// "Zahlen zeigen" and answers where it stands when lifted; a press outside the line's band
// is handed on at once, as a click was. The rule is PointingArrow's; this draws the arrow
// over a copy of the picture and hands the place to `answer`.

#include "run/PointingArrow.h"

#include <QImage>
#include <QObject>

#include <functional>

class TImageView;

class TZeigePfeil : public QObject
{
    Q_OBJECT
public:
    // `pointing` says whether a press at the given event time may answer the task on show
    // by pointing.
    TZeigePfeil(TImageView *drawing, std::function<bool(quint64 pressMs)> pointing,
                std::function<void(QPoint)> answer);

private:
    void pressed(QPoint at, quint64 timestamp);
    void moved(QPoint at);
    void released();
    void showArrow();

    TImageView *m_drawing;
    std::function<bool(quint64)> m_pointing;
    std::function<void(QPoint)> m_answer;
    PointingArrow m_arrow;
    QImage m_withoutArrow;
};
