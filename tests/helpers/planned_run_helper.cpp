// The title window as the child who starts it meets it, then one run of today's kind played
// to its end with right answers and logged as the program logs it. Started by the class
// plan test as a child's account, with the arguments bm gets ("cfg=FILE").
// Prints one line per kind in the menu ("Menü CODE"), the button for today ("Heute: …"),
// and the answers the run took ("Antworten N").

#include "../WindowTestSupport.h"

#include "kinds/Kinds.h"
#include "log/LogFile.h"
#include "log/LogSettings.h"
#include "log/widgets/RunSaving.h"

#include <QAction>
#include <QFileInfo>
#include <QMenu>
#include <QMenuBar>

#include <cstdio>

namespace {

bool inMenu(const KindInfo &kind)
{
    const QAction *entry = Titelbild->menuBar()->findChild<QAction *>(QLatin1String(kind.menuName));
    const auto *menu = entry ? qobject_cast<const QMenu *>(entry->parent()) : nullptr;
    return entry && entry->isVisible() && menu && menu->menuAction()->isVisible();
}

// Answers every task right, and closes the summary once the run has ended.
void answerRight()
{
    if (!Form2->isVisible())
        return;
    if (Form2->BilanzOk->isVisible())
        Form2->BilanzOk->click();
    else if (!currentRun().newTaskDue && !currentRun().ended)
        TypeAndEnter(ExpectedAnswerText());
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    LoadLogFileSettings(app.arguments(), QCoreApplication::applicationDirPath());
    CreateProgramWindows();
    QObject::connect(Form2, &TForm2::runEnded, Form2, &LogFinishedRun);
    Titelbild->show();
    for (const KindInfo *kind : PractisedKinds()) {
        if (inMenu(*kind))
            std::printf("Menü %d\n", kind->code);
    }
    auto *today = Titelbild->findChild<QPushButton *>(QStringLiteral("Heute"));
    if (today == nullptr || !today->isVisible())
        return 0;
    std::printf("%s\n", today->text().toUtf8().constData());
    std::fflush(stdout);
    ModalWatcher watcher;
    QTimer player;
    QObject::connect(&player, &QTimer::timeout, &answerRight);
    player.start(20);
    today->click();
    // The run is saved in the background; the helper ends once it is in the log.
    const QString log = logSettings().logDirectory + QLatin1String(LogFileName);
    QTest::qWaitFor([&] { return QFileInfo(log).size() > 0; }, 10000);
    std::printf("Antworten %d\n", currentRun().answeredTasks());
    return 0;
}
