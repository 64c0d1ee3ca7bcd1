// Ends one run as the exercise window does, logging into the folder given, and watches the
// window's thread while the run is saved: started by the network tests with a server that
// does not answer.
// Arguments: log directory, name of the run, seconds to watch.
// Prints the longest time in milliseconds that the thread was kept from its events, whether
// "Wird gespeichert …" was shown, and whether the child was told that her run is kept.

#include "HelperRun.h"

#include "log/widgets/RunSaving.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QLabel>
#include <QMessageBox>
#include <QTimer>

#include <algorithm>
#include <cstdio>

namespace {

bool shownWithText(const QString &text)
{
    const QWidgetList windows = QApplication::topLevelWidgets();
    return std::any_of(windows.begin(), windows.end(), [&](const QWidget *window) {
        const auto *label = qobject_cast<const QLabel *>(window);
        const auto *box = qobject_cast<const QMessageBox *>(window);
        return window->isVisible() && ((label && label->text() == text) || (box && box->text() == text));
    });
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = app.arguments();
    if (arguments.size() != 4) {
        std::fprintf(stderr, "usage: run_saving_helper directory name seconds\n");
        return 2;
    }
    SetLogSettings({QString(), arguments.at(1), true, 0});
    QWidget window;
    window.show();

    QElapsedTimer clock;
    qint64 last = 0;
    qint64 longest = 0;
    bool noticeShown = false;
    bool toldKept = false;
    QTimer tick;
    tick.setInterval(10);
    QObject::connect(&tick, &QTimer::timeout, [&] {
        const qint64 now = clock.elapsed();
        longest = std::max(longest, now - last);
        last = now;
        noticeShown = noticeShown || shownWithText(QStringLiteral("Wird gespeichert …"));
        toldKept = toldKept || shownWithText(RunKeptMessage());
    });
    clock.start();
    tick.start();
    QTimer::singleShot(50, [&] { LogFinishedRun(HelperRun(arguments.at(2), 0)); });
    QTimer::singleShot(arguments.at(3).toInt() * 1000, &app, &QApplication::quit);
    app.exec();
    std::printf("%lld %d %d\n", longest, noticeShown ? 1 : 0, toldKept ? 1 : 0);
    return 0;
}
