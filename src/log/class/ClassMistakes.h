#pragma once
// "Fehlerbilder" of a class: the answer records of all children of a class folder, summed
// up per child and kind, the class's most frequent mistakes, and the table the teacher
// exports. Only reads; showing it is left to the window.

#include "core/AnsweredTask.h"
#include "log/LogOutcome.h"
#include "log/class/MistakeSummary.h"

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <atomic>
#include <optional>

struct ChildMistakes
{
    QString child;                 // the child's folder name
    QList<KindMistakes> kinds;
};

struct ClassMistakes
{
    QList<ChildMistakes> children;   // in the order of a class list; children without answers left out
    QStringList problems;            // one German line per answer record that could not be read
};

// The answer record of child in the class folder.
QString ChildAnswersPath(const QString &folder, const QString &child);

// A child's answers as the teacher's list shows them (AnswerLine), newest first.
struct ChildAnswerLines
{
    LogOutcome outcome;
    QStringList lines;   // empty unless the outcome is Done
};
// Reads the answer record of child in folder; once stop is set (the window that wanted it
// was closed) no further answer is kept or written out, and the lines stay empty.
ChildAnswerLines ReadChildAnswerLines(const QString &folder, const QString &child, const std::atomic_bool &stop);

// Reads the answer record in every direct subfolder of folder; no further child is read
// once stop is set (the window that wanted it was closed), and what was read is incomplete.
ClassMistakes ReadClassMistakes(const QString &folder, const std::atomic_bool &stop = false);

// The mistakes of the whole class, most frequent first, with the first examples.
QList<PatternCount> ClassPatternTotals(const ClassMistakes &mistakes);

// The table: a header "Kind; Übung; Aufgaben; Falsch; Fehlerbild; Anzahl; Beispiele", then
// one row per child, kind and mistake (a kind without wrong answers gets one row with
// empty mistake columns); examples separated by " | ".
QList<QStringList> ClassMistakeRows(const ClassMistakes &mistakes);

// Writes a table file for its owner alone (mode 0600), aside first and renamed at the end,
// so that a failed write leaves no half-written file. Nothing on success, else the
// system's reason in German.
std::optional<QString> WriteTableFile(const QString &path, const QByteArray &table);

// The report "bm --klasse ORDNER --bericht DATEI": the table of ClassMistakeRows as CSV.
enum class ReportResult { Written, FolderUnreadable, NotWritten };
struct ClassReport
{
    ReportResult result = ReportResult::Written;
    QString message;   // German, for stderr, when not written
};
ClassReport WriteClassReport(const QString &folder, const QString &path);
