#pragma once
// The viewer's arrangement of the log: records grouped by exercise title, sorted by date
// within a title, the time of day left out and a school grade behind the percentage.
// Reading the log and showing the lines are left to the log file and the window.

#include "core/LargePages.h"
#include "log/LogRecords.h"

#include <QStringList>

#include <vector>

// The viewer's lines, each made only when it is asked for: a long log is arranged without
// a string per line, and a list shows only the few lines in view.
class LogViewRows
{
public:
    LogViewRows() = default;
    // Records as read (unmasked), arranged. Lines that are no run of this program follow
    // the groups under a heading of their own, without a grade.
    static LogViewRows Arranged(const LogRecords &records);
    // Lines shown as they stand (what is said while a log is read).
    static LogViewRows AsTheyStand(const LogRecords &lines);

    qsizetype size() const { return qsizetype(rows_.size()); }
    QString line(qsizetype row) const;
    // The first of the lines with the most characters; -1 when there are none.
    qsizetype longestRow() const { return longest_; }

private:
    // What a row shows: a run's record with its share's grade, a record as it stands, an
    // empty line between groups or the heading of the lines that are no run.
    enum Form : qint8 { Run, AsItStands, Gap, UnreadableHeading };
    struct Row
    {
        qint32 text = -1;   // the record's index in texts_
        Form form = Gap;
        qint8 percent = 0;  // of a run
    };

    void append(Row row);

    LogRecords texts_;
    std::vector<Row, LargePageAllocator<Row>> rows_;
    qsizetype longest_ = -1;
    qsizetype longestSize_ = -1;
};

// All of the arranged lines at once.
QStringList LogViewLines(const LogRecords &records);
