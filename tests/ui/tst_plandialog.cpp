// The teacher's plan on screen: "Plan…" saves what the teacher ticked for the class or for
// one child and fits a small screen, and the title window of a child with a plan offers
// only the planned kinds, today's kind first, whose run ends after the planned tasks.

#include "TourPictures.h"
#include "WindowTestSupport.h"
#include "kinds/Kinds.h"
#include "log/LogSettings.h"
#include "log/widgets/TPlanDialog.h"
#include "plan/PlanFiles.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QScreen>
#include <QScrollArea>
#include <QSignalSpy>
#include <QTemporaryDir>

namespace {

const QString Child = QStringLiteral("Özlem");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QList<qint32> kindsInTheMenu()
{
    QList<qint32> shown;
    for (const KindInfo *kind : PractisedKinds()) {
        const QAction *entry = Titelbild->menuBar()->findChild<QAction *>(QLatin1String(kind->menuName));
        const auto *menu = qobject_cast<const QMenu *>(entry->parent());
        if (entry->isVisible() && menu->menuAction()->isVisible())
            shown.append(kind->code);
    }
    return shown;
}

} // namespace

class TestPlanDialog : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase() { CreateProgramWindows(); }

    void dialogSavesWhatTheTeacherTicked_data()
    {
        QTest::addColumn<int>("who");        // 0: the class, 1: the child
        QTest::addColumn<int>("grade");
        QTest::addColumn<int>("tasksChoice");
        QTest::addColumn<qint32>("today");
        QTest::addColumn<QByteArray>("saved");   // empty: nothing may be saved
        QTest::newRow("the class, grade 2, 20 tasks, today's kind")
            << 0 << 2 << 2 << qint32(502) << QByteArray("Uebungen=403,502,504,505,506,508\nAufgaben=20\nHeute=502\n");
        QTest::newRow("a child's own plan, grade 1, the run as always")
            << 1 << 1 << 0 << qint32(0) << QByteArray("Uebungen=501,503,507\n");
        QTest::newRow("today's kind not ticked") << 0 << 1 << 1 << qint32(301) << QByteArray();
    }
    void dialogSavesWhatTheTeacherTicked()
    {
        QFETCH(int, who);
        QFETCH(int, grade);
        QFETCH(int, tasksChoice);
        QFETCH(qint32, today);
        QFETCH(QByteArray, saved);
        QTemporaryDir classFolder;
        QVERIFY(QDir().mkpath(PlanFolder(classFolder.path())));
        TPlanDialog dialog(classFolder.path(), {Child});
        dialog.WhoBox->setCurrentIndex(who);
        const auto presets = dialog.findChildren<QPushButton *>();
        const auto preset = std::find_if(presets.begin(), presets.end(), [grade](const QPushButton *button) {
            return button->text() == QStringLiteral("Klasse %1").arg(grade);
        });
        QVERIFY(preset != presets.end());
        (*preset)->click();
        dialog.TasksBox->setCurrentIndex(tasksChoice);
        dialog.TodayBox->setCurrentIndex(dialog.TodayBox->findData(today));
        const QString path = who == 0 ? ClassPlanPath(classFolder.path()) : ChildPlanPath(classFolder.path(), Child);
        ModalWatcher watcher;
        QCOMPARE(dialog.SaveButtonClick(), !saved.isEmpty());
        QCOMPARE(watcher.errors.size(), saved.isEmpty() ? 1 : 0);
        QCOMPARE(fileBytes(path).split('\n').mid(1).join('\n'), saved);
        QCOMPARE(dialog.changedPlan(), !saved.isEmpty());
    }

    // The dialog takes its size from the screen it stands on: the test screen is 800 x 800.
    void dialogFitsASmallScreen()
    {
        QTemporaryDir classFolder;
        TPlanDialog dialog(classFolder.path(), {QStringLiteral("Anna"), QStringLiteral("Ben Luca"), Child});
        dialog.show();
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY2(screen.contains(dialog.frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(dialog.frameGeometry().width()).arg(dialog.frameGeometry().height())));
        // Every kind can be reached, if need be by scrolling.
        QCheckBox *last = dialog.kindBox(PractisedKinds().last()->code);
        QVERIFY(last != nullptr);
        auto *scrolled = dialog.findChild<QScrollArea *>();
        QVERIFY(scrolled != nullptr);
        scrolled->ensureWidgetVisible(last);
        QVERIFY(last->visibleRegion().boundingRect().height() == last->height());
        QImage picture(screen.size(), QImage::Format_RGB32);
        picture.fill(Qt::darkGray);
        QPainter(&picture).drawImage(QPoint(0, 0), dialog.grab().toImage());
        SaveForTheTour(picture, QStringLiteral("plan-%1x%2").arg(screen.width()).arg(screen.height()));
    }

    void titleWindowOffersThePlanAndEndsTheRunAfterItsTasks()
    {
        QTemporaryDir classFolder;
        QVERIFY(QDir(classFolder.path()).mkpath(Child));
        QVERIFY(QDir().mkpath(PlanFolder(classFolder.path())));
        QFile plan(ClassPlanPath(classFolder.path()));
        QVERIFY(plan.open(QIODevice::WriteOnly));
        plan.write("Uebungen=301,302,401\nAufgaben=3\nHeute=301\n");
        plan.close();
        SetLogSettings({QString(), classFolder.filePath(Child) + QLatin1Char('/'), false, 0});
        Titelbild->show();
        QCOMPARE(kindsInTheMenu(), (QList<qint32>{301, 302, 401}));
        auto *today = Titelbild->findChild<QPushButton *>(QStringLiteral("Heute"));
        QVERIFY(today->isVisible());
        QCOMPARE(today->text(), QStringLiteral("Heute: Runde auf Zehner"));
        QVERIFY(today->isDefault());
        QCOMPARE(Titelbild->focusWidget(), today);
        SaveForTheTour(Titelbild->grab().toImage(), QStringLiteral("titelbild-heute"));

        QSignalSpy ended(Form2, &TForm2::runEnded);
        QTimer player;
        connect(&player, &QTimer::timeout, [] {
            if (Form2->BilanzOk->isVisible())
                Form2->BilanzOk->click();
            else if (Form2->isVisible() && !currentRun().newTaskDue && !currentRun().ended)
                TypeAndEnter(ExpectedAnswerText());
        });
        player.start(10);
        today->click();
        QCOMPARE(ended.count(), 1);
        QCOMPARE(currentRun().answeredTasks(), 3);

        // Without the plan the whole menu is back the next time the window appears.
        QVERIFY(QFile::remove(ClassPlanPath(classFolder.path())));
        Titelbild->hide();
        Titelbild->show();
        QCOMPARE(kindsInTheMenu().size(), PractisedKinds().size());
        QVERIFY(!today->isVisible());
        Titelbild->hide();
    }
};

QTEST_MAIN(TestPlanDialog)
#include "tst_plandialog.moc"
