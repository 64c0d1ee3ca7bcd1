#pragma once
// Where the log viewer's memo and its "Schließen" button stand for the window's inside
// size. The margins count from the inside edges: the buttons sit just above the bottom
// edge whether the window has a frame or not, with no empty band below them. Placing the
// widgets is left to the viewer.

#include <QRect>

struct LogViewerLayout
{
    QRect memo;
    QPoint closeButton;
};

LogViewerLayout LayOutLogViewer(QSize inside, QSize closeButtonSize);
