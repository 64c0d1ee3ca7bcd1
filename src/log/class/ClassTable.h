#pragma once
// The class overview as the teacher sees it: one row per child, a column with the number
// of runs and one per exercise with the newest run's grade on a light colour by grade, the
// tooltips, what a double-click opens, and the table for spreadsheet programs. Showing
// the cells is left to the window.

#include "log/class/ClassOverview.h"

#include <QByteArray>
#include <QColor>
#include <QSize>

#include <functional>

struct ClassTableCell
{
    QString text;         // the number of runs, or the newest run's grade; empty without runs
    QColor background;    // invalid: the table's own colour
    QString toolTip;
    bool opensLog = false;   // a double-click opens the child's log ...
    QString exercise;        // ... with the progress of this exercise; the arranged log when empty
};

struct ClassTable
{
    QStringList columns;                  // "Läufe", then the exercise titles
    QStringList children;                 // one per row, in the overview's order
    QList<QList<ClassTableCell>> cells;   // [row][column]
};

ClassTable LayOutClassTable(const ClassOverview &overview);

// Light green for the grades 1 and 2, yellow for 3 and 4, red for 5 and 6.
QColor GradeColour(const QString &grade);

// "n Läufe, zuletzt am dd.mm.yy: p % richtig, Note g"
QString RunsToolTip(const ChildExerciseSummary &summary);

// The table with a first column of the children's names, in the dialect of the log's
// export.
QByteArray ClassTableAsCsv(const ClassTable &table);

inline constexpr auto ClassExportDefaultFileName = "klassenuebersicht.csv";

// The window's first size on a screen of the given size: room for many exercises, yet
// whole on small screens.
QSize ClassWindowSize(QSize screen);

// The window's size once the table is read: its first size, grown to show every column
// and row (`table`, with what stands around it) while the screen has room for it.
QSize ClassWindowSizeFor(QSize table, QSize around, QSize screen);

// How wide an exercise's column is: the narrowest width from `narrowest` up at which its
// title, broken between words, takes at most `lines` lines of the header. `advance`
// measures a line of text; `padding` is the header's own margin.
int TitleColumnWidth(const QString &title, int lines, int narrowest, int padding,
                        const std::function<int(const QString &)> &advance);
