#pragma once
// The unmasked records of a log held in one block of text, each record a stretch of it: a
// long log takes two large allocations rather than one string per record, which the
// system hands out far more quickly, most of all the first time in a session.

#include "core/LargePages.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <QStringView>

#include <memory>
#include <vector>

class LogRecords
{
public:
    LogRecords() = default;
    // Records held apart, copied into one block; implicit, as they are the same records.
    LogRecords(const QStringList &records);

    // Room for this many records of this many characters in all, so that nothing is moved
    // while a log is read (a log's size in bytes is enough: a byte is at most a character).
    void reserve(qsizetype characters, qsizetype records);
    void append(QStringView record);

    qsizetype size() const { return ends_.size(); }
    bool isEmpty() const { return ends_.isEmpty(); }
    // Valid as long as these records, or a copy of them, are not changed.
    QStringView at(qsizetype index) const;
    QStringList toList() const;

private:
    using Text = std::vector<char16_t, LargePageAllocator<char16_t>>;
    // The text to write to, not shared with a copy of these records.
    Text &ownText();

    std::shared_ptr<Text> text_;   // shared by copies, which are cheap
    QList<qsizetype> ends_;        // where each record ends in the text
};
