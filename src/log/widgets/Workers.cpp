#include "log/widgets/Workers.h"

#include <QThreadPool>

namespace {

// Never destroyed: destroying a pool waits for its threads.
QThreadPool &poolNotWaitedFor(int threads)
{
    auto *pool = new QThreadPool;
    pool->setMaxThreadCount(threads);
    return *pool;
}

} // namespace

QThreadPool &RunDeliveryWorker()
{
    static QThreadPool &worker = poolNotWaitedFor(1);
    return worker;
}

QThreadPool &LogReadingWorkers()
{
    static QThreadPool &workers = poolNotWaitedFor(2);
    return workers;
}
