#pragma once
// The viewer's arrangement of the log: records grouped by exercise title, sorted by date
// within a title, the time of day left out and a school grade behind the percentage.
// Reading the log and showing the lines are left to the log file and the window.

#include <QStringList>

// Records as read (unmasked) -> the viewer's lines. Lines that are no run of this program
// follow the groups under a heading of their own, without a grade.
QStringList LogViewLines(const QStringList &records);
