#pragma once
// "Zahlen zeigen" answered by pointing: a press where a click answers starts an arrow;
// while the finger or the mouse button stays down the arrow follows it along the line,
// and lifting answers at the arrow's column as a click there would. Which number a place
// is stays ClickAnswerText's; drawing the arrow is left to the window.

#include <QPoint>
#include <QtGlobal>

#include <optional>

class PointingArrow
{
public:
    // True when the press starts the arrow: only inside the band where a click answers.
    // The line ends at column lastColumn.
    bool press(QPoint at, int lastColumn);
    // The arrow follows across the line, wherever the finger drifts up or down; a finger
    // beyond one of the line's ends leaves it standing at that end.
    void move(QPoint at);
    // Where the lifted finger answers; nothing when no arrow was started.
    std::optional<QPoint> release();

    std::optional<int> column() const;

private:
    std::optional<QPoint> m_at;
    int m_lastColumn = 0;
};

// The second click of a double-click is no answer of its own: a press within the
// double-click interval after the press that gave the last answer answers nothing.
// Times are the presses' event times in milliseconds.
class DoubleClickGuard
{
public:
    // True when the press at `pressMs` may answer; it is remembered as the press that
    // answers, should an answer follow.
    bool accepts(quint64 pressMs, int doubleClickIntervalMs);
    // The press last accepted has given an answer.
    void answered();

private:
    std::optional<quint64> m_accepted;
    std::optional<quint64> m_answered;
};
