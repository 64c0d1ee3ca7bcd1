#pragma once
// What a child gets wrong, summed up from her answer record: per kind the tasks, the
// wrong answers and the mistakes they show, each with its count and a few examples. The
// teacher's view reads it; the record itself is AnswerRecord's.

#include "core/AnsweredTask.h"
#include "kinds/TaskRecording.h"

#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

inline constexpr int ExamplesPerPattern = 3;

struct PatternCount
{
    ErrorPattern pattern = ErrorPattern::Other;
    int count = 0;
    QStringList examples;   // the first ExamplesPerPattern, "dreiundvierzig → 34"
};

struct KindMistakes
{
    qint32 kind = 0;
    int tasks = 0;          // first tries: every task once
    int wrong = 0;          // wrong answers, later tries included
    QList<PatternCount> patterns;   // most frequent first; their counts add up to wrong
};

// The kind as the teacher knows it: its window caption, or its code where it has none.
QString KindTitleOf(qint32 code);

// One wrong answer as the teacher reads it: the task as shown, an arrow, the answer.
QString MistakeExample(const AnsweredTask &answer);

// One answer as the teacher's list of a child's answers shows it: when, which kind, which
// try, the task and the answer, and for a wrong one the right answer and the mistake.
QString AnswerLine(const AnsweredTask &answer);

// A child's answers summed up one at a time, as they are read: no answer is kept beyond
// its examples.
class MistakeTally
{
public:
    void Count(const AnsweredTask &answer);
    // The kinds of the answers counted so far in the registry's order, each with its mistakes.
    QList<KindMistakes> Summary() const;

private:
    QHash<qint32, KindMistakes> byKind;
};
