#pragma once
// Starting the program again as it was started, so that a new window size applies at
// once: the new copy waits for this one's single-instance guard, and a copy started so
// never begins again by itself.

#include <QString>
#include <QStringList>

#include <chrono>

// Kept at start-up: how this copy was started, and whether the environment fixed the
// size factor (then a new start would change nothing). Reads and clears the mark a copy
// started by StartAgain carries.
void RememberHowStarted(const QString &executable, const QStringList &arguments, bool factorFromEnvironment);

// Whether a new choice of size may be applied by starting again.
bool MayStartAgainForSize();
// Whether this start may begin again by itself: never when it is itself such a new start.
bool MayStartAgainByItself();
// How long this copy waits for the guard of the copy that started it.
std::chrono::milliseconds GuardPatience();

// The child a copy started again was started for: on a class's shared account the child
// who practised goes on without "Wer übt?". Read and cleared before anything else, since
// her choices (the size) must count from the start; empty otherwise.
QString TakeChildStartedFor();

// Starts the new copy, detached, and ends this copy's event loops; the child who practises
// now is handed on. False, with this copy left running, when the new one could not be
// started.
bool StartAgain();
