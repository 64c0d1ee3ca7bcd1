#pragma once
// Where the log viewer's memo and its "Schließen" button stand for a window size. The
// window's designed size is its outer size, title bar and frame included, and the heights
// count from its outer bottom edge, so the buttons sit just above the bottom however tall
// the frame is; a frame too tall for that moves them up until they fit. Placing the
// widgets is left to the viewer.

#include <QRect>

struct LogViewerLayout
{
    QRect memo;
    QPoint closeButton;
};

// inside: the window's inside size; frame: what title bar and frame add to it.
LogViewerLayout LayOutLogViewer(QSize inside, QSize frame, QSize closeButtonSize);
