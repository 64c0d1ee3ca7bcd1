#pragma once
// Window sizes the program gives include the frame and title bar; the toolkit sizes the
// inside. Before the window is first shown the frame is unknown and counts as nothing, so
// callers set the size again once the window stands on screen.

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

inline void SetOuterSize(QWidget *window, const QSize &outer)
{
    const QSize frame = window->frameGeometry().size() - window->geometry().size();
    window->setFixedSize(outer - frame);
}

// The screen the window stands on, or will open on.
inline const QScreen *ScreenOf(const QWidget *window)
{
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}
