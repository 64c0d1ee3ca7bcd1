// Renders what a child sees: the title window with its menus, an exercise window of each
// layout with a rounding task, the correction dialog and the summary. With the
// environment variable BRIMBELO_TOUR_DIR set, the pictures are saved there as PNG files.

#include "WindowTestSupport.h"
#include "run/BalanceStrip.h"
#include "kinds/Kinds.h"
#include "shell/TInfoBox.h"

#include <QDir>
#include <QMenu>
#include <QGroupBox>
#include <QMenuBar>

#include "core/UserSettings.h"
#include "run/NumberPad.h"
#include "run/widgets/TImageView.h"
#include "run/widgets/TZiffernblock.h"

namespace {

QImage render(QWidget *widget, const QString &name)
{
    QImage image = widget->grab().toImage();
    const QString folder = qEnvironmentVariable("BRIMBELO_TOUR_DIR");
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        image.save(QDir(folder).filePath(name + QStringLiteral(".png")));
    }
    return image;
}

// True when the picture has more than the plain window colour in the rectangle.
bool hasContent(const QImage &image, const QRect &area)
{
    for (int y = area.top(); y <= area.bottom(); y += 3) {
        for (int x = area.left(); x <= area.right(); x += 3) {
            if (image.pixelColor(x, y) != Silver)
                return true;
        }
    }
    return false;
}

// The controls a shown key of the number pad, or its button, lies on, with the reward
// animation's place even while it is hidden.
QStringList coveredByThePad()
{
    QStringList covered;
    const QList<QPushButton *> keys = Form2->Ziffernblock->keys() + QList{Form2->Ziffernblock->showButton()};
    for (QPushButton *key : keys) {
        if (!key->isVisible())
            continue;
        const QRect place(key->mapTo(Form2, QPoint(0, 0)), key->size());
        for (QWidget *other : Form2->findChildren<QWidget *>()) {
            const bool shown = other->isVisible() || other == Form2->ZeichenFlaeche;
            const bool padOrItsBox = keys.contains(qobject_cast<QPushButton *>(other)) || other->isAncestorOf(key);
            if (!shown || padOrItsBox)
                continue;
            if (QRect(other->mapTo(Form2, QPoint(0, 0)), other->size()).intersects(place))
                covered << key->text() + QStringLiteral(" on ") + other->metaObject()->className() + QLatin1Char(' ')
                               + other->objectName();
        }
    }
    return covered;
}

} // namespace

class TourTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void titleWindowShowsPictureAndMenus();
    void informationBoxes_data();
    void informationBoxes();
    void exerciseWindowInBothLayouts_data();
    void exerciseWindowInBothLayouts();
    void everyKindPosesItsTaskAndCorrectsIt_data();
    void everyKindPosesItsTaskAndCorrectsIt();
};

void TourTest::initTestCase()
{
    // The pictures show the number pad where it stands for each kind.
    ChooseNumberPad(true);
    CreateProgramWindows();
}

void TourTest::cleanupTestCase()
{
    UserSettings().remove(QStringLiteral("Ziffernblock"));
}

void TourTest::titleWindowShowsPictureAndMenus()
{
    Titelbild->show();
    QVERIFY(QTest::qWaitForWindowExposed(Titelbild));
    const QImage title = render(Titelbild, QStringLiteral("title"));
    QCOMPARE(Titelbild->frameGeometry().size(), QSize(628, 400));
    const int menuHeight = Titelbild->menuBar()->height();
    QVERIFY(hasContent(title, QRect(100, menuHeight + 20, 400, 300)));
    QList<QMenu *> menus;
    for (QAction *item : Titelbild->menuBar()->actions()) {
        if (item->menu() != nullptr)
            menus << item->menu();
    }
    QCOMPARE(menus.size(), 6);
    for (int i = 0; i < menus.size(); ++i) {
        menus[i]->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(menus[i]));
        render(menus[i], QStringLiteral("menu-%1").arg(i + 1));
        menus[i]->hide();
    }
    Titelbild->hide();
}

void TourTest::informationBoxes_data()
{
    QTest::addColumn<QString>("item");
    QTest::newRow("info-program") << "Info";
    QTest::newRow("info-animations") << "Animationen";
    QTest::newRow("info-tips") << "Ueben";
}

void TourTest::informationBoxes()
{
    QFETCH(QString, item);
    QSize shown;
    QTimer::singleShot(0, [&] {
        QTRY_VERIFY(qobject_cast<TInfoBox *>(QApplication::activeModalWidget()) != nullptr);
        auto *box = qobject_cast<TInfoBox *>(QApplication::activeModalWidget());
        shown = render(box, QString::fromLatin1(QTest::currentDataTag())).size();
        box->OKButton->click();
    });
    Titelbild->findChild<QAction *>(item)->trigger();
    QVERIFY(!shown.isEmpty());
}

void TourTest::exerciseWindowInBothLayouts_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("name");
    QTest::newRow("small") << 600 << 301 << "exercise-small";
    QTest::newRow("large") << 768 << 305 << "exercise-large";
}

void TourTest::exerciseWindowInBothLayouts()
{
    QFETCH(int, screenHeight);
    QFETCH(int, kind);
    QFETCH(QString, name);
    const QString caption = FindKind(kind)->caption();
    QVERIFY(StartRun(kind, caption, screenHeight));
    ModalWatcher watcher;
    watcher.whileCorrectionShown = [&] { render(Korrektur, name + QStringLiteral("-correction")); };
    for (int i = 0; i < 3; ++i)
        TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 3);
    // A few steps into the reward animation, with the praise word above it.
    QTest::qWait(700);
    QVERIFY(Form2->ZeichenFlaeche->isVisible());
    render(Form2, name + QStringLiteral("-praise"));
    TypeAndEnter(ExpectedAnswerText() + QStringLiteral("1"));
    QCOMPARE(watcher.corrections.size(), 1);
    QTest::keyClicks(Form2->Edit1, ExpectedAnswerText().left(2));
    const QImage exercise = render(Form2, name);
    QCOMPARE(Form2->frameGeometry().size(), Form2->layout().windowSize);
    QVERIFY(Form2->Label3->text().endsWith(QChar(0xBB) + QStringLiteral(" ")) || Form2->Label3->text().contains(QChar(0x2248)));

    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    QVERIFY(Form2->BilanzTitel->isVisible());
    render(Form2, name + QStringLiteral("-summary"));
    Form2->BilanzOk->click();
    QVERIFY(!Form2->isVisible());
}

void TourTest::everyKindPosesItsTaskAndCorrectsIt_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<int>("screenHeight");
    for (const KindInfo &kind : AllKinds()) {
        QTest::addRow("%d small", kind.code) << kind.code << 600;
        QTest::addRow("%d large", kind.code) << kind.code << 768;
    }
}

// Each kind poses a task with something to see, and a wrong answer brings the correction
// with the worked solution (and, for pictures, the help the picture gives).
void TourTest::everyKindPosesItsTaskAndCorrectsIt()
{
    QFETCH(qint32, kind);
    QFETCH(int, screenHeight);
    const QString name = QStringLiteral("kind-%1-%2").arg(kind).arg(screenHeight > 600 ? "large" : "small");
    QVERIFY(StartRun(kind, FindKind(kind)->caption().isEmpty() ? QStringLiteral("Zahlen") : FindKind(kind)->caption(),
                     screenHeight));
    QVERIFY(!currentRun().currentTask.taskText.isEmpty());
    QVERIFY(hasContent(render(Form2, name), Form2->GroupBox1->geometry()));
    QCOMPARE(coveredByThePad(), QStringList());

    ModalWatcher watcher;
    watcher.whileCorrectionShown = [&] { render(Korrektur, name + QStringLiteral("-correction")); };
    if (FindKind(kind)->answeredByPointing()) {
        const int expected = currentRun().currentTask.expectedAnswer;
        const int wrongColumn = expected > 60 ? expected - 40 : expected + 40;
        QTest::mouseClick(static_cast<QWidget *>(Form2->PaintBox1), Qt::LeftButton, {}, QPoint(wrongColumn, 70));
    } else {
        TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
    }
    QCOMPARE(watcher.corrections.size(), 1);
    QCOMPARE(currentRun().wrongCount, 1);
    render(Form2, name + QStringLiteral("-wrong"));
    QCOMPARE(coveredByThePad(), QStringList());
    QTest::keyClick(Form2, Qt::Key_Escape);
    QVERIFY(Form2->BilanzTitel->isVisible());
    Form2->BilanzOk->click();
}

QTEST_MAIN(TourTest)
#include "tst_tour.moc"
