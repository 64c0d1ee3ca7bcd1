// Renders what a child sees: the title window with its menus, an exercise window of each
// layout with a rounding task, the correction dialog and the summary. With the
// environment variable BRIMBELO_TOUR_DIR set, the pictures are saved there as PNG files.

#include "WindowTestSupport.h"
#include "run/BalanceStrip.h"
#include "run/Kinds.h"

#include <QDir>
#include <QMenu>
#include <QMenuBar>

namespace {

QImage render(QWidget *widget, const QString &name)
{
    const QImage image = widget->grab().toImage();
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

} // namespace

class TourTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void titleWindowShowsPictureAndMenus();
    void exerciseWindowInBothLayouts_data();
    void exerciseWindowInBothLayouts();
};

void TourTest::initTestCase()
{
    CreateProgramWindows();
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
    QCOMPARE(menus.size(), 5);
    for (int i = 0; i < menus.size(); ++i) {
        menus[i]->popup(QPoint(0, 0));
        QVERIFY(QTest::qWaitForWindowExposed(menus[i]));
        render(menus[i], QStringLiteral("menu-%1").arg(i + 1));
        menus[i]->hide();
    }
    Titelbild->hide();
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
    const QString caption = FindKind(kind)->caption;
    QVERIFY(StartRun(kind, caption, screenHeight));
    ModalWatcher watcher;
    watcher.whileCorrectionShown = [&] { render(Korrektur, name + QStringLiteral("-correction")); };
    for (int i = 0; i < 3; ++i)
        TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 3);
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

QTEST_MAIN(TourTest)
#include "tst_tour.moc"
