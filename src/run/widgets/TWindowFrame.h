#pragma once
// Window sizes the program gives include the frame and title bar; the toolkit sizes the
// inside. Before the window is first shown the frame is unknown and counts as nothing, so
// callers set the size again once the window stands on screen.

#include <QWidget>

inline void SetOuterSize(QWidget *window, const QSize &outer)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->setFixedSize(outer - frame);
}
