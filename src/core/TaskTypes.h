#pragma once
// The records that describe a task on screen: the task itself, the number line and the
// cover triangle of the counting task. Shared by the run state, the generators and the
// painters.

#include <QPoint>
#include <QString>
#include <array>

struct TAufgabe
{
    qint32 kind = 0;
    qint32 expectedAnswer = 0;
    QString solutionText;
    QString taskText;
    bool taskFailed = false;
};

struct TNumberLine
{
    qint32 startValue = 0;
    qint32 endValue = 0;
    qint32 pixelsPerUnit = 0;
    qint32 arrowOffset = 0;

    // The number at an offset counted in units from the left end: the labels stand 100
    // units apart, so a unit is a tenth of a number on a ray labelled every ten numbers.
    qint32 valueAt(qint32 offset) const { return startValue + offset * (endValue - startValue) / 100; }

    bool operator==(const TNumberLine &) const = default;
};

using TCoverTriangle = std::array<QPoint, 3>;

// Line breaks inside task texts, solutions and message texts.
inline constexpr QChar CarriageReturn = QChar(13);

// A text as a label or message box shows it: the toolkit breaks lines at line feeds.
inline QString WithLineFeeds(QString text)
{
    return text.replace(CarriageReturn, QLatin1Char('\n'));
}
