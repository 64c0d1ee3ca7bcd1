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

// The inside size at which the memo shows `content` (its longest line, all its lines)
// whole, with the memo's own frame and scroll bars (`memoChrome`) and the margins and the
// button row around it: never smaller than `smallest`, never larger than `largest`.
QSize LogViewerInsideFor(QSize content, QSize memoChrome, QSize closeButtonSize, QSize smallest, QSize largest);
