#pragma once
// Writes a finished run's record on a worker, never on the window's thread: the log folder
// may lie on a server that is slow or gone. The run is kept on this computer first; the
// window says "Wird gespeichert …" while the writing takes long, and tells the child in
// one sentence that her run is kept when the server does not answer.

#include "log/RunSpool.h"

class QWidget;

// Appends a finished run to the result log when the configuration asks for it, on a
// worker, and tells the user if that fails. The exercise window's end-of-run signal is
// connected here.
void LogFinishedRun(const RunResult &result);

// Keeps run, then delivers it and every run kept earlier; what goes wrong is told over
// parent's window.
void SaveRun(const KeptRun &run, QWidget *parent);

// Delivers the runs that an earlier start could not, silently: they stay kept on failure.
void DeliverRunsKeptEarlier();

// The one sentence that tells the child her run is not lost.
QString RunKeptMessage();
