#include "run/widgets/TZeigePfeil.h"

#include "generators/numberline/NumberLine.h"
#include "run/widgets/TImageView.h"

#include <utility>

TZeigePfeil::TZeigePfeil(TImageView *drawing, std::function<bool(quint64)> pointing, std::function<void(QPoint)> answer)
    : QObject(drawing), m_drawing(drawing), m_pointing(std::move(pointing)), m_answer(std::move(answer))
{
    connect(drawing, &TImageView::mousePressed, this,
            [this](Qt::MouseButton, QPoint at, quint64 timestamp) { pressed(at, timestamp); });
    connect(drawing, &TImageView::mouseMoved, this, &TZeigePfeil::moved);
    connect(drawing, &TImageView::mouseReleased, this, &TZeigePfeil::released);
}

void TZeigePfeil::pressed(QPoint at, quint64 timestamp)
{
    if (!m_pointing(timestamp))
        return;
    // Outside the band a press answers at once, and so answers nothing, as a click does.
    // The base line runs up to the column before the picture's last.
    if (!m_arrow.press(at, m_drawing->image().width() - 2)) {
        m_answer(at);
        return;
    }
    m_withoutArrow = m_drawing->image().copy();
    showArrow();
}

void TZeigePfeil::moved(QPoint at)
{
    if (!m_arrow.column())
        return;
    m_arrow.move(at);
    showArrow();
}

void TZeigePfeil::released()
{
    const std::optional<QPoint> place = m_arrow.release();
    if (!place)
        return;
    m_drawing->image() = m_withoutArrow;
    m_drawing->update();
    m_answer(*place);
}

void TZeigePfeil::showArrow()
{
    m_drawing->image() = m_withoutArrow.copy();
    DrawArrowAt(m_drawing->image(), *m_arrow.column());
    m_drawing->update();
}
