#pragma once
// Threads for the work that waits on a log's server, so that the windows never do. The
// program does not wait for them at its end: a server that is gone may hold them then.

#include <QThreadPool>

// One thread: kept runs go out in the order the runs ended.
QThreadPool &RunDeliveryWorker();
// For the logs the windows read.
QThreadPool &LogReadingWorkers();
