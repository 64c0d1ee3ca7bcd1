#pragma once
// The log viewer and the class overview grown to what they show, as far as the screen's
// free area allows, and kept wholly on it: no cut lines, no clipped headers while there
// is room. How large is decided by LogViewerLayout and ClassTable; here it is measured.

#include <QSize>

class QScrollArea;
class QTableWidget;
class QWidget;
class TProtokollZeilen;

// The viewer shows every line of `memo` whole, at least at its designed outer size.
void FitLogViewerToLines(QWidget *viewer, const TProtokollZeilen *memo, QSize closeButtonSize, QSize designedOuter);

// Every exercise's title stands whole in its column's header of `headerLines` lines.
void FitClassColumnsToTitles(QTableWidget *table, int headerLines, int runsColumnWidth, int narrowestColumn);
// The overview shows every column and row of `table` while the screen has room.
void FitClassOverviewToTable(QWidget *overview, const QTableWidget *table);

// The room a window has on its screen's free area, less the window manager's frame.
QSize ScreenRoomOf(const QWidget *window);
// The window shows what `scroll` holds whole while the screen has room for it; on a
// smaller screen the window stays on it and that part scrolls.
void FitScrolledContentToScreen(QWidget *window, QScrollArea *scroll);
