#include "log/widgets/RunSaving.h"

#include "log/widgets/LogMessages.h"
#include "log/widgets/Workers.h"

#include <QApplication>
#include <QLabel>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>

#include <chrono>
#include <functional>

namespace {

// A save that takes longer than a blink is shown; one the server does not answer within a
// few seconds is left to the kept runs.
constexpr std::chrono::milliseconds NoticeAfter{250};
constexpr std::chrono::milliseconds KeptAfter{4000};

// Runs deliver on the worker and hands its outcome to done on the window's thread.
void deliverInBackground(std::function<LogOutcome()> deliver, std::function<void(const LogOutcome &)> done)
{
    RunDeliveryWorker().start([deliver = std::move(deliver), done = std::move(done)] {
        const LogOutcome outcome = deliver();
        QMetaObject::invokeMethod(QCoreApplication::instance(), [=] { done(outcome); }, Qt::QueuedConnection);
    });
}

} // namespace

QString RunKeptMessage()
{
    return QStringLiteral("Dein Ergebnis ist auf diesem Computer aufbewahrt und wird später gespeichert.");
}

void SaveRun(const KeptRun &run, QWidget *parent)
{
    const bool kept = KeepRun(run);
    auto *notice = new QLabel(QStringLiteral("Wird gespeichert …"), parent, Qt::ToolTip);
    notice->setMargin(12);
    const QPointer<QLabel> shown(notice);
    // Set once the child has been told that her run is kept: nothing more is said then.
    auto told = std::make_shared<bool>(false);
    QTimer::singleShot(NoticeAfter, notice, [notice] {
        if (notice->parentWidget() != nullptr)
            notice->move(notice->parentWidget()->mapToGlobal(notice->parentWidget()->rect().center()));
        notice->show();
    });
    if (kept) {
        QTimer::singleShot(KeptAfter, notice, [notice, told, parent] {
            *told = true;
            notice->hide();
            ShowPlainMessage(RunKeptMessage(), parent);
        });
    }
    deliverInBackground(
        [kept, run] {
            return kept ? DeliverKeptRuns(run.logDirectory) : AppendRun(run);
        },
        [shown, told, kept](const LogOutcome &outcome) {
            QWidget *window = shown ? shown->parentWidget() : nullptr;
            if (shown)
                shown->deleteLater();
            if (*told)
                return;
            // A run that did not arrive is still kept, when it could be, and the child
            // hears so.
            ReportLogOutcome(outcome, window, kept ? RunKeptMessage() : QString());
        });
}

void LogFinishedRun(const RunResult &result)
{
    if (RunIsLogged(result, logSettings()))
        SaveRun({logSettings().logDirectory, LogRecordFor(result), logSettings().schoolFolder}, QApplication::activeWindow());
}

void DeliverRunsKeptEarlier()
{
    if (!KeptRuns().isEmpty())
        deliverInBackground([] { return DeliverKeptRuns(QString()); }, [](const LogOutcome &) {});
}
