#include "run/PointingArrow.h"

#include "generators/numberline/NumberLine.h"
#include "run/AnswerCheck.h"

#include <algorithm>
#include <utility>

bool PointingArrow::press(QPoint at, int lastColumn)
{
    m_at.reset();
    m_lastColumn = lastColumn;
    if (!ClickAnswerText(at.x(), at.y()).isEmpty())
        m_at = at;
    return m_at.has_value();
}

void PointingArrow::move(QPoint at)
{
    if (m_at)
        m_at->setX(std::clamp(at.x(), LineLeftX, std::max(LineLeftX, m_lastColumn)));
}

std::optional<QPoint> PointingArrow::release()
{
    return std::exchange(m_at, std::nullopt);
}

std::optional<int> PointingArrow::column() const
{
    if (!m_at)
        return std::nullopt;
    return m_at->x();
}

bool DoubleClickGuard::accepts(quint64 pressMs, int doubleClickIntervalMs)
{
    if (m_answered && pressMs >= *m_answered && pressMs - *m_answered < quint64(doubleClickIntervalMs))
        return false;
    m_accepted = pressMs;
    return true;
}

void DoubleClickGuard::answered()
{
    m_answered = m_accepted;
}
