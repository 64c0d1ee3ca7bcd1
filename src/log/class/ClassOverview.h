#pragma once
// A class at a glance: the logs of all children of a class folder (one subfolder with its
// "bm.log" per child), summed up per child and exercise, and the folders that could not be
// read with the reason in German. Only reads; laying the summary out as a table and
// showing it are left to the class table and its window.

#include <QDate>
#include <QList>
#include <QString>
#include <QStringList>

#include <atomic>
#include <chrono>

struct ChildExerciseSummary
{
    QString child;       // the child's folder name
    QString exercise;    // the exercise title as logged
    int runs = 0;        // runs of this child and exercise
    QDate lastDate;      // date of the newest of them (two-digit years are 20yy)
    int lastPercent = 0; // its percent field as a number
    QString lastGrade;   // GradeForPercent of its percent field
};

struct ClassOverview
{
    QList<ChildExerciseSummary> rows;   // sorted by child, then exercise (locale order, case ignored)
    // One German line per child folder that could not be read, or whose log holds lines
    // that are no run.
    QStringList problems;
};

// How long the overview waits for one child's log on a server: a child whose log does not
// come within it is listed as not answered, and the others are still read.
inline constexpr std::chrono::milliseconds ChildReadPatience{4000};

// Reads every "bm.log" in the direct subfolders of folder; the child is the subfolder's name.
// Stops reading once stop is set (the window that wanted them has closed). A log on a
// server is waited for ChildReadPatience at most.
ClassOverview ReadClassOverview(const QString &folder, const std::atomic_bool &stop = false);

// The log of child in the class folder.
QString ChildLogPath(const QString &folder, const QString &child);

// Sorts names as people look them up: in the locale's order without regard to case; names
// that differ only in case still come in one fixed order.
void SortByName(QStringList &names);

// Whether path lies in folder or below it; the overview never writes there.
bool IsInsideFolder(const QString &path, const QString &folder);

// The class folder chosen last, kept per user; the home folder before the first choice.
QString RememberedClassFolder();
void RememberClassFolder(const QString &folder);
