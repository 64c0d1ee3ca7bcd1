// The exercise window driven like a child would: typing, Enter, Escape, an empty OK,
// Enter held down, the click answer on the number line, the end of a run and the way
// back to the title window.

#include "WindowTestSupport.h"
#include "generators/numberline/NumberLine.h"
#include "generators/upto100/QuickSeeing.h"
#include "core/UserSettings.h"
#include "run/AnswerCheck.h"
#include "run/BalanceStrip.h"
#include "run/NumberPad.h"
#include "run/PraiseFonts.h"
#include "run/widgets/TImageView.h"
#include "run/widgets/TVorleseKnopf.h"
#include "run/widgets/TZiffernblock.h"

#include <QAccessible>
#include <QFontDatabase>
#include <QGroupBox>
#include <QPointingDevice>
#include <QRegularExpression>
#include <QScreen>
#include <QSignalSpy>
#include <QStyleHints>

class ExerciseWindowTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanup();
    void layoutFollowsTheScreenHeight_data();
    void layoutFollowsTheScreenHeight();
    void rightAnswerCountsPraisesAndPosesANewTask();
    void wrongAnswerCountsOnceAndShowsTheCorrectionEachTime();
    void answerFieldTakesOnlyDigitsAndBlanks();
    void unconvertibleAnswerGetsAnErrorBoxOrLeavesAWordBehind_data();
    void unconvertibleAnswerGetsAnErrorBoxOrLeavesAWordBehind();
    void typingGoesNowhereAfterTheCorrection_data();
    void typingGoesNowhereAfterTheCorrection();
    void secondClickOfADoubleClickAnswersTheNextTask_data();
    void secondClickOfADoubleClickAnswersTheNextTask();
    void correctionHidesThePicture_data();
    void correctionHidesThePicture();
    void dotsShownOnlyForAMomentStayOrStayCovered();
    void correctionCanBeMinimisedOrLostBehindItsWindow();
    void enterHeldDownCountsOneTaskOnce_data();
    void enterHeldDownCountsOneTaskOnce();
    void escapeEndsTheRunWithOneSummary();
    void escapeBeforeAnyAnswerClosesWithoutSummary();
    void enterAnswersAgainInTheRunAfterASummary();
    void fiftyRightAnswersEndTheRun();
    void twentyFifthWrongAnswerShowsSummaryThenCorrection();
    void kindWithoutTasksClosesTheWindowAgain();
    void clickOnTheNumberLineAnswersInsideTheBandOnly_data();
    void clickOnTheNumberLineAnswersInsideTheBandOnly();
    void pressOnTheTaskTextsAnswersNothing_data();
    void pressOnTheTaskTextsAnswersNothing();
    void correctionShowsTheWholeSolution_data();
    void correctionShowsTheWholeSolution();
    void praiseWordIsNeverInSymbolFaces();
    void toolkitRepaintKeepsAnimationAndBars();
    void closingBringsTheTitleBackWhereTheWindowStood();
    void closeBoxCannotHideARun_data();
    void closeBoxCannotHideARun();
    void menuEntryOpensTheRunModally();
    void padTapTypesOnceAndLeavesTheFocusInTheAnswerField_data();
    void padTapTypesOnceAndLeavesTheFocusInTheAnswerField();
    void padOkAnswersAsOkayDoes();
    void padButtonShowsOrHidesThePad_data();
    void padButtonShowsOrHidesThePad();
    void controlsHaveNamesOfTheirOwnForScreenReaders_data();
    void controlsHaveNamesOfTheirOwnForScreenReaders();
    void screenReadersAreToldWhatIsShownButNotTheAnswer_data();
    void screenReadersAreToldWhatIsShownButNotTheAnswer();
    void fingerOnTheNumberLineAnswersWhereTheArrowIsLifted_data();
    void fingerOnTheNumberLineAnswersWhereTheArrowIsLifted();
    void fingerBeyondTheLineLeavesTheArrowAtItsEnd_data();
    void fingerBeyondTheLineLeavesTheArrowAtItsEnd();
    void correctionShowsWhereTheNumberLies();
    void okayAfterTheCorrectionOfAPointedAnswerPosesTheNextTask_data();
    void okayAfterTheCorrectionOfAPointedAnswerPosesTheNextTask();
};

namespace {

QPushButton *padKey(const QString &name)
{
    for (QPushButton *key : Form2->Ziffernblock->keys()) {
        if (key->accessibleName() == name)
            return key;
    }
    return nullptr;
}

QPointingDevice *finger()
{
    static QPointingDevice *device = QTest::createTouchDevice();
    return device;
}

// A finger's tap: the toolkit brings a mouse press of its own for the button as well.
void tap(QPushButton *key)
{
    const QPoint centre = key->mapTo(key->window(), key->rect().center());
    QTest::touchEvent(key->window(), finger()).press(0, centre, key->window());
    QTest::touchEvent(key->window(), finger()).release(0, centre, key->window());
}

bool startWithPad(qint32 kind)
{
    ChooseNumberPad(true);
    if (!StartRun(kind, QStringLiteral("Runde auf Zehner")))
        return false;
    Form2->activateWindow();
    return QTest::qWaitForWindowActive(Form2);
}

} // namespace

void ExerciseWindowTest::initTestCase()
{
    CreateProgramWindows();
}

void ExerciseWindowTest::cleanup()
{
    if (Form2->isVisible())
        Form2->close();
    TForm2::overrideScreenHeight(0);
    UserSettings().remove(QStringLiteral("Ziffernblock"));
}

void ExerciseWindowTest::layoutFollowsTheScreenHeight_data()
{
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<QSize>("windowSize");
    QTest::addColumn<QRect>("taskBox");
    QTest::addColumn<QRect>("balanceBox");
    QTest::addColumn<QPoint>("okButton");
    QTest::addColumn<int>("answerTop");
    QTest::newRow("600 pixels: small") << 600 << QSize(750, 540) << QRect(5, 4, 425, 396) << QRect(5, 403, 730, 110)
                                       << QPoint(262, 356) << 124;
    QTest::newRow("601 pixels: large") << 601 << QSize(952, 690) << QRect(5, 4, 544, 507) << QRect(5, 516, 934, 141)
                                       << QPoint(322, 456) << 159;
}

void ExerciseWindowTest::layoutFollowsTheScreenHeight()
{
    QFETCH(int, screenHeight);
    QFETCH(QSize, windowSize);
    QFETCH(QRect, taskBox);
    QFETCH(QRect, balanceBox);
    QFETCH(QPoint, okButton);
    QFETCH(int, answerTop);
    TForm2::overrideScreenHeight(screenHeight);
    currentRun().currentTask.kind = 301;
    Form2->WindowInit();
    QCOMPARE(Form2->layout().windowSize, windowSize);
    QCOMPARE(Form2->GroupBox1->geometry(), taskBox);
    QCOMPARE(Form2->GroupBox3->geometry(), balanceBox);
    QCOMPARE(Form2->BOk->pos(), okButton);
    QCOMPARE(Form2->Edit1->y(), answerTop);
    QCOMPARE(Form2->Image1->image().size(), QSize(balanceBox.width() - 6, windowSize.height() > 600 ? 64 : 50));
    QCOMPARE(Form2->PaintBox1->geometry(), QRect(10, 49, taskBox.width() - 20, taskBox.height() - 130));
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner"), screenHeight));
    QCOMPARE(Form2->frameGeometry().size(), windowSize);
    QCOMPARE(currentRun().layoutScale, Form2->layout().scale);
}

void ExerciseWindowTest::rightAnswerCountsPraisesAndPosesANewTask()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    const QString firstTask = currentRun().currentTask.taskText;
    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 1);
    QVERIFY(currentRun().currentTask.taskText != firstTask);
    QVERIFY(Form2->Edit1->text().isEmpty());
    QVERIFY(PraiseWords().contains(Form2->Label2->text()));
    QVERIFY(Form2->Label2->isVisible());
    QVERIFY(Form2->Timer1->isActive());
    QVERIFY(Form2->Label4->text().startsWith(QStringLiteral("Durchschnittliche Bedenkzeit: ")));
    QVERIFY(Form2->Label4->text().endsWith(QStringLiteral(" Sek. ")));
    QCOMPARE(Form2->Image1->image().pixelColor(180, 20), RightBoxColour);
    // The praise word fits into its box, whatever face it was given.
    QVERIFY(Form2->Label2->x() + Form2->Label2->width() <= Form2->GroupBox2->width() - 2
            || Form2->Label2->font().pointSize() == 1);
}

void ExerciseWindowTest::wrongAnswerCountsOnceAndShowsTheCorrectionEachTime()
{
    QVERIFY(StartRun(302, QStringLiteral("Runde auf Hunderter")));
    ModalWatcher watcher;
    QRect shownAt;
    watcher.whileCorrectionShown = [&] { shownAt = Korrektur->frameGeometry(); };
    const QString wrong = QString::number(currentRun().currentTask.expectedAnswer + 100);
    const QString solution = currentRun().currentTask.solutionText;
    TypeAndEnter(wrong);
    QCOMPARE(currentRun().wrongCount, 1);
    QVERIFY(BlameWords().contains(Form2->Label2->text()));
    QCOMPARE(Form2->Edit1->selectedText(), wrong);
    QCOMPARE(watcher.corrections.size(), 1);
    // Just below the answer field: 10 to the right of it, 30 below it; 400 wide.
    const QPoint field = Form2->pos() + Form2->GroupBox1->pos() + Form2->Edit1->pos();
    QCOMPARE(shownAt.topLeft(), field + QPoint(10, Form2->Edit1->height() + 30));
    QCOMPARE(shownAt.width(), 400);
    QCOMPARE(Korrektur->OKButton->x(), 200 - 45);
    QVERIFY(Korrektur->OKButton->y() > Korrektur->Hinweis->geometry().bottom());
    // A wrong answer that looks like a known mistake is named above the solution.
    const QString corrected = QStringLiteral("So wird die Aufgabe richtig gelöst:\n\n") + QString(solution).replace(QChar(13), '\n');
    QVERIFY2(watcher.corrections.first() == corrected
                 || (watcher.corrections.first().startsWith(QStringLiteral("Achtung, "))
                     && watcher.corrections.first().endsWith(QStringLiteral("\n\n") + corrected)),
             qPrintable(watcher.corrections.first()));

    QTest::keyClick(Form2->Edit1, Qt::Key_Return);   // the same wrong answer again
    Form2->Edit1->clear();
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);   // an empty OK after a wrong answer
    QCOMPARE(watcher.corrections.size(), 3);
    QCOMPARE(currentRun().wrongCount, 1);

    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(Form2->Label2->text(), NowItIsRightText());
    QCOMPARE(currentRun().rightCount, 0);
    QCOMPARE(currentRun().wrongCount, 1);
    Form2->Edit1->clear();
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);   // an empty OK after a right answer
    QCOMPARE(watcher.corrections.size(), 3);
}

void ExerciseWindowTest::answerFieldTakesOnlyDigitsAndBlanks()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    QTest::keyClicks(Form2->Edit1, QStringLiteral("1a2 b3-4,5+"));
    QCOMPARE(Form2->Edit1->text(), QStringLiteral("12 345"));
    QTest::keyClick(Form2->Edit1, Qt::Key_Backspace);
    QCOMPARE(Form2->Edit1->text(), QStringLiteral("12 34"));
    // Keys that type no digit still edit, as in any text field.
    QTest::keyClick(Form2->Edit1, Qt::Key_Home);
    // Delete as the X server sends it, with the text U+007F.
    QTest::sendKeyEvent(QTest::Click, Form2->Edit1, Qt::Key_Delete, QString(QChar(0x7F)), Qt::NoModifier);
    QCOMPARE(Form2->Edit1->text(), QStringLiteral("2 34"));
    QTest::keyClick(Form2->Edit1, Qt::Key_End);
    QTest::keyClick(Form2->Edit1, Qt::Key_Left, Qt::ShiftModifier);
    QTest::keyClick(Form2->Edit1, Qt::Key_Left, Qt::ShiftModifier);
    QCOMPARE(Form2->Edit1->selectedText(), QStringLiteral("34"));
}

void ExerciseWindowTest::unconvertibleAnswerGetsAnErrorBoxOrLeavesAWordBehind_data()
{
    QTest::addColumn<QString>("pasted");
    QTest::newRow("only blanks") << "   ";
    QTest::newRow("beyond 32 bits") << "9 999 999 999";
    QTest::newRow("pasted words") << "zehn";
    QTest::newRow("number with its unit") << "20105Euro";
}

void ExerciseWindowTest::unconvertibleAnswerGetsAnErrorBoxOrLeavesAWordBehind()
{
    QFETCH(QString, pasted);
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    ModalWatcher watcher;
    TypeAndEnter(ExpectedAnswerText());   // a praise word on show
    const QString task = currentRun().currentTask.taskText;
    Form2->Edit1->setText(pasted);   // pasting passes the key filter
    QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    QVERIFY(watcher.errors.isEmpty());
    QVERIFY(watcher.corrections.isEmpty());
    QCOMPARE(currentRun().answeredTasks(), 1);
    QCOMPARE(currentRun().currentTask.taskText, task);
    QVERIFY(!Form2->Label2->isVisible());
    QVERIFY(Form2->Edit1->text().isEmpty());
    QCOMPARE(Form2->focusWidget(), Form2->Edit1);
}

void ExerciseWindowTest::typingGoesNowhereAfterTheCorrection_data()
{
    QTest::addColumn<QString>("answeredBy");
    QTest::newRow("Enter") << "Enter";
    QTest::newRow("Okay clicked") << "Okay";
    QTest::newRow("the pad's OK") << "pad";
}

void ExerciseWindowTest::typingGoesNowhereAfterTheCorrection()
{
    QFETCH(QString, answeredBy);
    QVERIFY(startWithPad(302));
    ModalWatcher watcher;
    const QString wrong = QString::number(currentRun().currentTask.expectedAnswer + 100);
    QTest::keyClicks(Form2->Edit1, wrong);
    if (answeredBy == QLatin1String("Enter"))
        QTest::keyClick(Form2->Edit1, Qt::Key_Return);
    else if (answeredBy == QLatin1String("Okay"))
        QTest::mouseClick(Form2->BOk, Qt::LeftButton);
    else
        tap(padKey(QStringLiteral("OK")));
    QCOMPARE(watcher.corrections.size(), 1);
    QCOMPARE(Form2->focusWidget(), Form2->Edit1);
    QCOMPARE(Form2->Edit1->selectedText(), wrong);
}

void ExerciseWindowTest::secondClickOfADoubleClickAnswersTheNextTask_data()
{
    QTest::addColumn<int>("secondPressAfter");
    QTest::addColumn<int>("answered");
    const int interval = QGuiApplication::styleHints()->mouseDoubleClickInterval();
    QTest::newRow("second click of a double-click") << 60 << 1;
    QTest::newRow("just inside the interval") << interval - 1 << 1;
    QTest::newRow("a click of its own") << interval + 50 << 2;
}

void ExerciseWindowTest::secondClickOfADoubleClickAnswersTheNextTask()
{
    QFETCH(int, secondPressAfter);
    QFETCH(int, answered);
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    ModalWatcher watcher;
    TImageView *line = Form2->PaintBox1;
    const QPoint at(currentRun().currentTask.expectedAnswer, 70);
    // Event times far beyond those of the other tests' clicks.
    static quint64 clock = 100'000'000;
    clock += 100'000;
    const auto send = [&](QEvent::Type type, quint64 time, QPoint at) {
        QMouseEvent event(type, at, line->mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        event.setTimestamp(time);
        QApplication::sendEvent(line, &event);
    };
    send(QEvent::MouseButtonPress, clock, at);
    send(QEvent::MouseButtonRelease, clock + 30, at);
    QCOMPARE(currentRun().rightCount, 1);
    // Well away from the next task's number, so a click that counts is surely a wrong answer.
    const int next = currentRun().currentTask.expectedAnswer;
    const QPoint wrong(next < line->width() / 2 ? next + 40 : next - 40, 70);
    send(QEvent::MouseButtonPress, clock + secondPressAfter, wrong);
    send(QEvent::MouseButtonRelease, clock + secondPressAfter + 30, wrong);
    QCOMPARE(currentRun().answeredTasks(), answered);
    QCOMPARE(watcher.corrections.size(), answered - 1);
}

void ExerciseWindowTest::correctionHidesThePicture_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::newRow("Zählen: the revealed dots") << 403;
    QTest::newRow("number line: the arrows") << 102;
}

void ExerciseWindowTest::correctionHidesThePicture()
{
    QFETCH(qint32, kind);
    QVERIFY(StartRun(kind, QStringLiteral("Bild")));
    ModalWatcher watcher;
    QRect shownAt;
    watcher.whileCorrectionShown = [&] { shownAt = Korrektur->frameGeometry(); };
    TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
    QCOMPARE(watcher.corrections.size(), 1);
    const QRect picture(Form2->PaintBox1->mapToGlobal(QPoint(0, 0)), Form2->PaintBox1->size());
    QVERIFY2(!shownAt.intersects(picture), qPrintable(QStringLiteral("%1,%2 over the picture").arg(shownAt.x()).arg(shownAt.y())));
    QVERIFY(Korrektur->screen()->availableGeometry().contains(shownAt));
}

// The dots of quick seeing are covered once their moment is over, and the correction
// shows them again.
void ExerciseWindowTest::dotsShownOnlyForAMomentStayOrStayCovered()
{
    const auto pixelsOf = [](const QColor &colour) {
        const QImage &image = Form2->PaintBox1->image();
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x)
                count += image.pixel(x, y) == colour.rgb() ? 1 : 0;
        }
        return count;
    };
    QVERIFY(StartRun(507, QStringLiteral("Wie viele? bis 20")));
    QVERIFY(pixelsOf(TwentyFieldDot) > 0);
    QTRY_VERIFY_WITH_TIMEOUT(pixelsOf(TwentyFieldDot) == 0, LookingTimeMs(0) + 2000);
    QVERIFY(pixelsOf(TwentyFieldCover) > 0);
    ModalWatcher watcher;
    int dotsInTheCorrection = 0;
    watcher.whileCorrectionShown = [&] { dotsInTheCorrection = pixelsOf(TwentyFieldDot); };
    TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
    QCOMPARE(watcher.corrections.size(), 1);
    QVERIFY(dotsInTheCorrection > 0);
    // The clock of the task's moment does not cover them behind the child's back.
    QTest::qWait(LookingTimeMs(0) + 200);
    QVERIFY(pixelsOf(TwentyFieldDot) > 0);
}

void ExerciseWindowTest::correctionCanBeMinimisedOrLostBehindItsWindow()
{
    // Only a close box makes the window manager leave out the minimise button.
    QVERIFY(!(Korrektur->windowFlags() & Qt::WindowMinimizeButtonHint));
    QVERIFY(Korrektur->windowFlags() & Qt::WindowCloseButtonHint);
    QCOMPARE(Korrektur->parentWidget(), Form2);
    QCOMPARE(Form2->parentWidget(), Titelbild);
}

void ExerciseWindowTest::enterHeldDownCountsOneTaskOnce_data()
{
    QTest::addColumn<bool>("rightAnswer");
    QTest::newRow("right answer") << true;
    QTest::newRow("wrong answer") << false;
}

void ExerciseWindowTest::enterHeldDownCountsOneTaskOnce()
{
    QFETCH(bool, rightAnswer);
    QVERIFY(StartRun(303, QStringLiteral("Runde auf Tausender")));
    ModalWatcher watcher;
    QTest::keyClicks(Form2->Edit1, rightAnswer ? ExpectedAnswerText() : QStringLiteral("7"));
    const QString firstTask = currentRun().currentTask.taskText;
    QString posedTasks;
    // Repeats of the key wait in the queue and arrive while the first answer is checked.
    for (int i = 0; i < 5; ++i) {
        QCoreApplication::postEvent(Form2->Edit1, new QKeyEvent(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier,
                                                                QStringLiteral("\r"), true));
    }
    Form2->BOk->click();
    QCoreApplication::processEvents();
    QCOMPARE(currentRun().rightCount, rightAnswer ? 1 : 0);
    QCOMPARE(currentRun().wrongCount, rightAnswer ? 0 : 1);
    if (rightAnswer) {
        QVERIFY(currentRun().currentTask.taskText != firstTask);
        QVERIFY(watcher.corrections.isEmpty());
    } else {
        QCOMPARE(currentRun().currentTask.taskText, firstTask);
        // Repeats that arrive while the answer is being checked are not answers of their
        // own: one correction, not one inside the other.
        QCOMPARE(watcher.corrections.size(), 1);
    }
    QVERIFY(!currentRun().newTaskDue);
}

void ExerciseWindowTest::escapeEndsTheRunWithOneSummary()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    QSignalSpy ended(Form2, &TForm2::runEnded);
    TypeAndEnter(ExpectedAnswerText());
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    QCOMPARE(ended.count(), 1);
    QVERIFY(Form2->isVisible());
    QVERIFY(Form2->BilanzTitel->isVisible() && Form2->BilanzText->isVisible() && Form2->BilanzOk->isVisible());
    for (QWidget *task : std::initializer_list<QWidget *>{Form2->Edit1, Form2->Label1, Form2->Label3, Form2->BOk,
                                                          Form2->BEnde, Form2->PaintBox1})
        QVERIFY(task->isHidden());
    QCOMPARE(Form2->BilanzTitel->text(), QStringLiteral("\"Runde auf Zehner\""));
    QCOMPARE(Form2->BilanzTitel->pos(), QPoint(8, 34));
    QCOMPARE(Form2->BilanzText->pos(), QPoint(16, 100));
    QVERIFY(Form2->BilanzText->text().contains(QStringLiteral("\n1 richtig gelöste Aufgabe\n0 falsch gelöste Aufgaben\n")));
    const RunResult result = ended.first().first().value<RunResult>();
    QCOMPARE(result.rightCount, 1);
    QCOMPARE(result.wrongCount, 0);
    QCOMPARE(result.title, QStringLiteral("Runde auf Zehner"));

    QTest::keyClick(Form2, Qt::Key_Escape);
    Form2->BEndeClick();
    Form2->BOkClick();
    QCOMPARE(ended.count(), 1);
    QCOMPARE(currentRun().rightCount, 1);
    Form2->BilanzOk->click();
    QVERIFY(!Form2->isVisible());
    QCOMPARE(ended.count(), 1);
}

void ExerciseWindowTest::escapeBeforeAnyAnswerClosesWithoutSummary()
{
    QVERIFY(StartRun(304, QStringLiteral("Runde auf Zehntausender")));
    QSignalSpy ended(Form2, &TForm2::runEnded);
    QTest::keyClicks(Form2->Edit1, QStringLiteral("12"));
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    QVERIFY(!Form2->isVisible());
    QCOMPARE(ended.count(), 0);
    QVERIFY(currentRun().ended);
}

void ExerciseWindowTest::enterAnswersAgainInTheRunAfterASummary()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    TypeAndEnter(ExpectedAnswerText());
    QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    QVERIFY(Form2->BilanzOk->isDefault());
    Form2->BilanzOk->click();
    QVERIFY(StartRun(302, QStringLiteral("Runde auf Hunderter")));
    QCOMPARE(currentRun().answeredTasks(), 0);
    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 1);
}

void ExerciseWindowTest::fiftyRightAnswersEndTheRun()
{
    QVERIFY(StartRun(305, QStringLiteral("Gemischte Aufgaben zum Runden")));
    QSignalSpy ended(Form2, &TForm2::runEnded);
    for (int i = 1; i < 50; ++i)
        TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 49);
    QVERIFY(!Form2->BilanzTitel->isVisible());
    const QString lastTask = currentRun().currentTask.taskText;
    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 50);
    QCOMPARE(ended.count(), 1);
    QVERIFY(Form2->BilanzTitel->isVisible());
    // The 50th right answer still posed the next task before the summary covered it.
    QVERIFY(currentRun().currentTask.taskText != lastTask);
    QCOMPARE(Form2->Image1->image().pixelColor(164 + 50 * 11 + 3, 20), RightBoxColour);
    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(currentRun().rightCount, 50);
}

void ExerciseWindowTest::twentyFifthWrongAnswerShowsSummaryThenCorrection()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    QSignalSpy ended(Form2, &TForm2::runEnded);
    ModalWatcher watcher;
    QList<bool> summaryBehindCorrection;
    watcher.whileCorrectionShown = [&] { summaryBehindCorrection << Form2->BilanzTitel->isVisible(); };
    for (int i = 1; i <= 25; ++i) {
        QVERIFY(!Form2->BilanzTitel->isVisible());
        TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
        if (i < 25)
            TypeAndEnter(ExpectedAnswerText());
    }
    QCOMPARE(currentRun().wrongCount, 25);
    QCOMPARE(currentRun().rightCount, 0);
    QCOMPARE(ended.count(), 1);
    QCOMPARE(summaryBehindCorrection.size(), 25);
    QVERIFY(!summaryBehindCorrection.at(23));
    QVERIFY(summaryBehindCorrection.at(24));
}

void ExerciseWindowTest::kindWithoutTasksClosesTheWindowAgain()
{
    for (const qint32 kind : {0, 999}) {
        QVERIFY(StartRun(kind, QStringLiteral("ohne Aufgaben")));
        QTRY_VERIFY(!Form2->isVisible());
        QVERIFY(currentRun().ended);
        QVERIFY(Titelbild->isVisible());
        Titelbild->hide();
    }
}

void ExerciseWindowTest::clickOnTheNumberLineAnswersInsideTheBandOnly_data()
{
    QTest::addColumn<QPoint>("click");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<QString>("field");
    QTest::newRow("x 123 answers 120") << QPoint(123, 70) << 1 << 0 << "";
    QTest::newRow("x 124 answers 125") << QPoint(124, 70) << 0 << 1 << "125";
    QTest::newRow("on the upper border") << QPoint(123, 60) << 0 << 0 << "";
    QTest::newRow("on the lower border") << QPoint(123, 80) << 0 << 0 << "";
}

void ExerciseWindowTest::clickOnTheNumberLineAnswersInsideTheBandOnly()
{
    QFETCH(QPoint, click);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(QString, field);
    // A task of the showing kind stands as its generator would leave it.
    currentRun().currentTask.kind = 109;
    Form2->WindowInit();
    PracticeRun &run = currentRun();
    run.newTaskDue = false;
    run.currentTask.expectedAnswer = 120;
    ModalWatcher watcher;
    QTest::mouseClick(Form2->PaintBox1, Qt::RightButton, Qt::NoModifier, click);
    QCOMPARE(run.rightCount, right);
    QCOMPARE(run.wrongCount, wrong);
    if (wrong == 0)
        QCOMPARE(Form2->Edit1->text(), field);
    QCOMPARE(watcher.corrections.size(), wrong);

    // Other kinds ignore clicks.
    Form2->WindowInit();
    run.currentTask.kind = 301;
    run.newTaskDue = false;
    QTest::mouseClick(Form2->PaintBox1, Qt::LeftButton, Qt::NoModifier, click);
    QCOMPARE(run.answeredTasks(), 0);
}

void ExerciseWindowTest::pressOnTheTaskTextsAnswersNothing_data()
{
    QTest::addColumn<QString>("pressed");
    QTest::addColumn<int>("answered");
    QTest::newRow("the question") << "Label1" << 0;
    QTest::newRow("the number to find") << "Label3" << 0;
    QTest::newRow("free area of the box, in the band") << "GroupBox1" << 1;
}

void ExerciseWindowTest::pressOnTheTaskTextsAnswersNothing()
{
    QFETCH(QString, pressed);
    QFETCH(int, answered);
    QVERIFY(StartRun(109, QStringLiteral("Zahlen zeigen")));
    ModalWatcher watcher;
    // The number to find stands inside the band of the line, the question above it; the
    // box's free area left of the drawing area is in the band too.
    QWidget *control = pressed == QLatin1String("Label1") ? static_cast<QWidget *>(Form2->Label1)
                     : pressed == QLatin1String("Label3") ? static_cast<QWidget *>(Form2->Label3)
                                                          : static_cast<QWidget *>(Form2->GroupBox1);
    const QPoint at = control == Form2->GroupBox1 ? QPoint(3, 70) : control->rect().center();
    if (control == Form2->Label3)
        QVERIFY(ClickAnswerText(0, control->mapToParent(at).y()) != QString());
    QTest::mouseClick(control, Qt::LeftButton, Qt::NoModifier, at);
    QCOMPARE(currentRun().answeredTasks(), answered);
    QCOMPARE(watcher.corrections.size(), answered);
}

void ExerciseWindowTest::correctionShowsTheWholeSolution_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<int>("screenHeight");
    for (const qint32 kind : {202, 203}) {
        for (const int height : {600, 768})
            QTest::addRow("%d at %d", kind, height) << kind << height;
    }
}

void ExerciseWindowTest::correctionShowsTheWholeSolution()
{
    QFETCH(qint32, kind);
    QFETCH(int, screenHeight);
    QVERIFY(StartRun(kind, QStringLiteral("Zahlen schreiben"), screenHeight));
    ModalWatcher watcher;
    QStringList cut;
    watcher.whileCorrectionShown = [&] {
        const QRect available = Korrektur->screen()->availableGeometry();
        if (Korrektur->Hinweis->geometry().right() >= Korrektur->width()
            || !available.contains(Korrektur->frameGeometry()))
            cut << Korrektur->Hinweis->text();
    };
    for (int i = 0; i < 20; ++i) {
        TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
        TypeAndEnter(ExpectedAnswerText());
    }
    QCOMPARE(watcher.corrections.size(), 20);
    QVERIFY2(cut.isEmpty(), qPrintable(cut.join(QLatin1String("\n---\n"))));
}

// The symbol and dingbat faces installed with the program's fonts claim Latin letters but
// draw Greek ones or pictures; a face without "ß" would borrow it from another face.
void ExerciseWindowTest::praiseWordIsNeverInSymbolFaces()
{
    QStringList symbolFaces;
    for (const QString &family : QFontDatabase::families()) {
        if (family.startsWith(QLatin1String("Standard Symbols PS")) || family.startsWith(QLatin1String("D050000L")))
            symbolFaces << family;
    }
    QVERIFY(!symbolFaces.isEmpty());
    for (const QString &word : PraiseWords() + QStringList{NowItIsRightText()}) {
        const QStringList faces = FamiliesThatCanWrite(word);
        QVERIFY2(faces.contains(QStringLiteral("Liberation Sans")), qPrintable(word));
        for (const QString &symbol : symbolFaces)
            QVERIFY2(!faces.contains(symbol), qPrintable(word + QLatin1String(" in ") + symbol));
    }
    QVERIFY(!FamiliesThatCanWrite(QStringLiteral("\u2248")).contains(QStringLiteral("Comic Neue")));
}

void ExerciseWindowTest::toolkitRepaintKeepsAnimationAndBars()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    TypeAndEnter(ExpectedAnswerText());
    QVERIFY(Form2->Timer1->isActive());
    Form2->repaint();
    (void)Form2->grab();
    QVERIFY(Form2->Timer1->isActive());
    QCOMPARE(Form2->Image1->image().pixelColor(180, 20), RightBoxColour);
    const QImage shown = Form2->Image1->grab().toImage();
    QCOMPARE(shown.pixelColor(180, 20), RightBoxColour);
    // The animation runs its sixteen steps and then clears away with the praise word.
    QTRY_VERIFY_WITH_TIMEOUT(!Form2->Timer1->isActive(), 10000);
    QCOMPARE(currentRun().rewardStep, 16);
    QVERIFY(Form2->ZeichenFlaeche->isHidden());
    QVERIFY(Form2->Label2->isHidden());
}

void ExerciseWindowTest::closingBringsTheTitleBackWhereTheWindowStood()
{
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    QVERIFY(!Titelbild->isVisible());
    Form2->move(123, 77);
    Form2->close();
    QVERIFY(Titelbild->isVisible());
    QCOMPARE(Titelbild->pos(), QPoint(123, 77));
    Titelbild->hide();
}

void ExerciseWindowTest::closeBoxCannotHideARun_data()
{
    QTest::addColumn<QStringList>("answers");   // "right", "wrong" or "Ende"
    QTest::addColumn<int>("endings");
    QTest::addColumn<int>("wrongCount");
    QTest::newRow("after a wrong answer") << QStringList{"wrong"} << 1 << 1;
    QTest::newRow("after a right and a wrong answer") << QStringList{"right", "wrong"} << 1 << 1;
    QTest::newRow("before any answer") << QStringList{} << 0 << 0;
    QTest::newRow("after the summary of Ende") << QStringList{"wrong", "Ende"} << 1 << 1;
}

void ExerciseWindowTest::closeBoxCannotHideARun()
{
    QFETCH(QStringList, answers);
    QFETCH(int, endings);
    QFETCH(int, wrongCount);
    QVERIFY(StartRun(301, QStringLiteral("Runde auf Zehner")));
    ModalWatcher watcher;
    QSignalSpy ended(Form2, &TForm2::runEnded);
    for (const QString &answer : answers) {
        if (answer == QLatin1String("Ende"))
            Form2->BEnde->click();
        else if (answer == QLatin1String("right"))
            TypeAndEnter(ExpectedAnswerText());
        else
            TypeAndEnter(QString::number(currentRun().currentTask.expectedAnswer + 1));
    }
    // The window manager's close box and the taskbar close the window as close() does.
    Form2->close();
    QVERIFY(!Form2->isVisible());
    QCOMPARE(ended.count(), endings);
    if (endings > 0)
        QCOMPARE(ended.last().first().value<RunResult>().wrongCount, wrongCount);
}

void ExerciseWindowTest::menuEntryOpensTheRunModally()
{
    Titelbild->show();
    bool wasModal = false;
    QString caption;
    QTimer::singleShot(0, Form2, [&] {
        const bool posed = QTest::qWaitFor([] { return !currentRun().newTaskDue; });
        wasModal = posed && Form2->isModal() && QApplication::activeModalWidget() == Form2;
        caption = Form2->windowTitle();
        QTest::keyClick(Form2->Edit1, Qt::Key_Escape);
    });
    QAction *entry = Titelbild->findChild<QAction *>(QStringLiteral("RundeaufTausender"));
    QVERIFY(entry != nullptr);
    entry->trigger();
    QVERIFY(wasModal);
    QCOMPARE(caption, QStringLiteral("Runde auf Tausender"));
    QCOMPARE(currentRun().currentTask.kind, 303);
    QVERIFY(!Form2->isVisible());
    QVERIFY(Titelbild->isVisible());
    Titelbild->hide();
}

void ExerciseWindowTest::padTapTypesOnceAndLeavesTheFocusInTheAnswerField_data()
{
    QTest::addColumn<QStringList>("taps");
    QTest::addColumn<QString>("typed");
    QTest::newRow("each digit once") << QStringList{"1", "2", "3", "4", "5", "6", "7", "8", "9", "0"} << "1234567890";
    QTest::newRow("the eraser takes the last digit") << QStringList{"4", "5", "Löschen", "7"} << "47";
    QTest::newRow("the eraser on an empty field") << QStringList{"Löschen", "3"} << "3";
}

void ExerciseWindowTest::padTapTypesOnceAndLeavesTheFocusInTheAnswerField()
{
    QFETCH(QStringList, taps);
    QFETCH(QString, typed);
    QVERIFY(startWithPad(301));
    for (const QString &name : taps) {
        QPushButton *key = padKey(name);
        QVERIFY2(key != nullptr && key->isVisible(), qPrintable(name));
        QVERIFY(key->width() >= 40 && key->height() >= 40);
        tap(key);
    }
    QCOMPARE(Form2->Edit1->text(), typed);
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    QCOMPARE(currentRun().rightCount + currentRun().wrongCount, 0);
}

void ExerciseWindowTest::padOkAnswersAsOkayDoes()
{
    QVERIFY(startWithPad(302));
    for (const QChar digit : ExpectedAnswerText())
        tap(padKey(digit));
    tap(padKey(QStringLiteral("OK")));
    QCOMPARE(currentRun().rightCount, 1);
    QVERIFY(Form2->Edit1->text().isEmpty());
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    // "Zahlen zeigen" is answered on the number line, with no pad.
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    QVERIFY(!padKey(QStringLiteral("1"))->isVisible());
}

void ExerciseWindowTest::padButtonShowsOrHidesThePad_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<bool>("padBefore");
    QTest::addColumn<bool>("padAfter");
    QTest::newRow("a click shows the pad") << qint32(302) << false << true;
    QTest::newRow("a click hides it again") << qint32(201) << true << false;
}

// A pen that counts as a mouse brings the pad without the title window's menu.
void ExerciseWindowTest::padButtonShowsOrHidesThePad()
{
    QFETCH(qint32, kind);
    QFETCH(bool, padBefore);
    QFETCH(bool, padAfter);
    ChooseNumberPad(padBefore);
    QVERIFY(StartRun(kind, QStringLiteral("Zahlen")));
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    QPushButton *button = Form2->Ziffernblock->showButton();
    QVERIFY(button->isVisible());
    QVERIFY(button->width() >= 40 && button->height() >= 40);
    QCOMPARE(padKey(QStringLiteral("5"))->isVisible(), padBefore);
    QTest::mouseClick(button, Qt::LeftButton);
    QCOMPARE(padKey(QStringLiteral("5"))->isVisible(), padAfter);
    QCOMPARE(button->isChecked(), padAfter);
    QCOMPARE(NumberPadChosen(false), padAfter);
    QCOMPARE(QApplication::focusWidget(), Form2->Edit1);
    // The next task keeps the choice.
    TypeAndEnter(ExpectedAnswerText());
    QCOMPARE(padKey(QStringLiteral("5"))->isVisible(), padAfter);
    // "Zahlen zeigen" is answered on the number line: no pad, no button.
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    QVERIFY(!button->isVisible());
}

void ExerciseWindowTest::controlsHaveNamesOfTheirOwnForScreenReaders_data()
{
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("role");
    QTest::newRow("answer field") << "Edit1" << "Antwort" << int(QAccessible::EditableText);
    QTest::newRow("loudspeaker") << "Vorlesen" << "Vorlesen" << int(QAccessible::Button);
    QTest::newRow("pad digit") << "7" << "7" << int(QAccessible::Button);
    QTest::newRow("pad eraser") << "Löschen" << "Löschen" << int(QAccessible::Button);
    QTest::newRow("pad OK") << "OK" << "OK" << int(QAccessible::Button);
    QTest::newRow("pad's button: on or off") << "ZiffernblockKnopf" << "Ziffernblock" << int(QAccessible::CheckBox);
    QTest::newRow("rounding line in the symbol font")
        << "Label3" << QString(QChar(0x2248)) << int(QAccessible::StaticText);
}

void ExerciseWindowTest::controlsHaveNamesOfTheirOwnForScreenReaders()
{
    QFETCH(QString, control);
    QFETCH(QString, name);
    QFETCH(int, role);
    QVERIFY(startWithPad(301));
    const QHash<QString, QWidget *> named{
        {QStringLiteral("Edit1"), Form2->Edit1}, {QStringLiteral("Vorlesen"), Form2->Vorlesen},
        {QStringLiteral("Label3"), Form2->Label3},
        {QStringLiteral("ZiffernblockKnopf"), Form2->Ziffernblock->showButton()}};
    QWidget *widget = named.value(control, padKey(control));
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(widget);
    QVERIFY(reader != nullptr);
    QCOMPARE(int(reader->role()), role);
    const QString said = reader->text(QAccessible::Name);
    if (role == int(QAccessible::StaticText)) {
        QVERIFY2(said.contains(name) && !said.contains(QChar(0xBB)), qPrintable(said));
    } else {
        QCOMPARE(said, name);
    }
}

void ExerciseWindowTest::screenReadersAreToldWhatIsShownButNotTheAnswer_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<QString>("control");
    QTest::addColumn<QString>("pattern");   // the whole accessible name
    QTest::newRow("sequence: the covered term is a gap")
        << qint32(402) << "Label3" << "^(\\d+|Lücke)(, (\\d+|Lücke)){4}$";
    QTest::newRow("number line: its section and the arrow")
        << qint32(102) << "PaintBox1" << "^Zahlenstrahl von [\\d ]+ bis [\\d ]+ mit einem Pfeil$";
    QTest::newRow("show a number: no arrow to tell")
        << qint32(109) << "PaintBox1" << "^Zahlenstrahl von [\\d ]+ bis [\\d ]+$";
    QTest::newRow("distance: two arrows") << qint32(110) << "PaintBox1" << "^Zahlenstrahl von .* mit zwei Pfeilen$";
    QTest::newRow("balance: counts as text") << qint32(301) << "Image1"
                                             << "^Richtige Lösungen: 1, Falsche Lösungen: 0$";
}

void ExerciseWindowTest::screenReadersAreToldWhatIsShownButNotTheAnswer()
{
    QFETCH(qint32, kind);
    QFETCH(QString, control);
    QFETCH(QString, pattern);
    QVERIFY(StartRun(kind, QStringLiteral("Aufgaben")));
    if (control == QLatin1String("Image1"))
        TypeAndEnter(ExpectedAnswerText());
    const QHash<QString, QWidget *> named{{QStringLiteral("Label3"), Form2->Label3},
                                          {QStringLiteral("PaintBox1"), Form2->PaintBox1},
                                          {QStringLiteral("Image1"), Form2->Image1}};
    QAccessibleInterface *reader = QAccessible::queryAccessibleInterface(named.value(control));
    QVERIFY(reader != nullptr);
    const QString said = reader->text(QAccessible::Name);
    QVERIFY2(QRegularExpression(pattern).match(said).hasMatch(), qPrintable(said));
    if (kind == 402) {
        QCOMPARE(said.count(QStringLiteral("Lücke")), 1);
        QVERIFY(!said.split(QStringLiteral(", ")).contains(ExpectedAnswerText()));
    }
}

void ExerciseWindowTest::fingerOnTheNumberLineAnswersWhereTheArrowIsLifted_data()
{
    // Columns away from the number's own, towards the middle of the line.
    QTest::addColumn<int>("pressedAt");
    QTest::addColumn<QPoint>("slidTo");
    QTest::addColumn<int>("right");
    QTest::newRow("slid onto the number") << 40 << QPoint(0, 70) << 1;
    QTest::newRow("slid away from it") << 0 << QPoint(40, 70) << 0;
    QTest::newRow("drifting below the line while sliding") << 40 << QPoint(0, 150) << 1;
}

void ExerciseWindowTest::fingerOnTheNumberLineAnswersWhereTheArrowIsLifted()
{
    QFETCH(int, pressedAt);
    QFETCH(QPoint, slidTo);
    QFETCH(int, right);
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    ModalWatcher watcher;
    TImageView *line = Form2->PaintBox1;
    const int number = currentRun().currentTask.expectedAnswer;
    const int towardsMiddle = number > line->width() / 2 ? -1 : 1;
    const QPoint start = line->mapTo(Form2, QPoint(number + towardsMiddle * pressedAt, 70));
    const int slidColumn = number + towardsMiddle * slidTo.x();
    const QPoint end = line->mapTo(Form2, QPoint(slidColumn, slidTo.y()));
    QTest::touchEvent(Form2, finger()).press(0, start, Form2);
    QTest::touchEvent(Form2, finger()).move(0, end, Form2);
    // Nothing is answered while the finger is down; the arrow stands under it.
    QCOMPARE(currentRun().rightCount + currentRun().wrongCount, 0);
    const QImage drawn = line->image();
    bool arrowUnderFinger = false;
    for (int y = 0; y < drawn.height(); ++y)
        arrowUnderFinger = arrowUnderFinger || drawn.pixelColor(slidColumn, y) == ArrowYellow;
    QVERIFY(arrowUnderFinger);
    QTest::touchEvent(Form2, finger()).release(0, end, Form2);
    QCOMPARE(currentRun().rightCount, right);
    QCOMPARE(currentRun().wrongCount, 1 - right);
}

void ExerciseWindowTest::fingerBeyondTheLineLeavesTheArrowAtItsEnd_data()
{
    QTest::addColumn<int>("beyond");   // pixels past the end, to the right (+) or left (-)
    QTest::newRow("past the right end") << 40;
    QTest::newRow("past the right end of the window") << 600;
    QTest::newRow("past the left end") << -40;
}

void ExerciseWindowTest::fingerBeyondTheLineLeavesTheArrowAtItsEnd()
{
    QFETCH(int, beyond);
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    ModalWatcher watcher;
    TImageView *line = Form2->PaintBox1;
    const int lineEnd = beyond > 0 ? line->width() - 2 : LineLeftX;
    const int outside = beyond > 0 ? line->width() + beyond : beyond;
    QTest::touchEvent(Form2, finger()).press(0, line->mapTo(Form2, QPoint(line->width() / 2, 70)), Form2);
    QTest::touchEvent(Form2, finger()).move(0, line->mapTo(Form2, QPoint(outside, 70)), Form2);
    const QImage drawn = line->image();
    bool arrowAtTheEnd = false;
    for (int y = ArrowTopY; y < BaseLineY; ++y)
        arrowAtTheEnd = arrowAtTheEnd || drawn.pixelColor(lineEnd, y) == ArrowYellow;
    QVERIFY(arrowAtTheEnd);
    QSignalSpy answered(Form2->Edit1, &QLineEdit::textChanged);
    QTest::touchEvent(Form2, finger()).release(0, line->mapTo(Form2, QPoint(outside, 70)), Form2);
    QCOMPARE(currentRun().answeredTasks(), 1);
    QVERIFY(!answered.isEmpty());
    QCOMPARE(answered.first().first().toString(), ClickAnswerText(lineEnd, 70));
}

void ExerciseWindowTest::correctionShowsWhereTheNumberLies()
{
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    ModalWatcher watcher;
    QImage shownWithCorrection;
    watcher.whileCorrectionShown = [&] { shownWithCorrection = Form2->PaintBox1->image(); };
    const int number = currentRun().currentTask.expectedAnswer;
    const QString asked = currentRun().currentTask.taskText;
    const int wrongColumn = number > Form2->PaintBox1->width() / 2 ? number - 40 : number + 40;
    Form2->PaintBox1MouseDown(Qt::LeftButton, wrongColumn, 70);
    QCOMPARE(watcher.corrections.size(), 1);
    QVERIFY2(watcher.corrections.first().contains(QStringLiteral("Die %1 liegt hier.").arg(asked)),
             qPrintable(watcher.corrections.first()));
    QVERIFY(!shownWithCorrection.isNull());
    QList<int> placeColumns;
    for (int x = 0; x < shownWithCorrection.width(); ++x) {
        for (int y = ArrowTopY; y < BaseLineY; ++y) {
            if (shownWithCorrection.pixelColor(x, y) == PlaceArrowColour && !placeColumns.contains(x))
                placeColumns << x;
        }
    }
    QVERIFY(placeColumns.contains(number));
    QVERIFY(!placeColumns.contains(wrongColumn));
}

void ExerciseWindowTest::okayAfterTheCorrectionOfAPointedAnswerPosesTheNextTask_data()
{
    QTest::addColumn<bool>("byEnter");
    QTest::newRow("Okay clicked") << false;
    QTest::newRow("Enter pressed") << true;
}

void ExerciseWindowTest::okayAfterTheCorrectionOfAPointedAnswerPosesTheNextTask()
{
    QFETCH(bool, byEnter);
    QVERIFY(StartRun(109, QStringLiteral("Zahlen am Zahlenstrahl zeigen")));
    Form2->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(Form2));
    ModalWatcher watcher;
    const QString firstTask = currentRun().currentTask.taskText;
    const int number = currentRun().currentTask.expectedAnswer;
    Form2->PaintBox1MouseDown(Qt::LeftButton, number > Form2->PaintBox1->width() / 2 ? number - 40 : number + 40, 70);
    QCOMPARE(watcher.corrections.size(), 1);
    if (byEnter)
        QTest::keyClick(Form2, Qt::Key_Return);
    else
        Form2->BOk->click();
    QVERIFY(currentRun().currentTask.taskText != firstTask);
    QVERIFY(!currentRun().currentTask.taskFailed);
    QCOMPARE(watcher.corrections.size(), 1);
    QCOMPARE(currentRun().wrongCount, 1);
    QCOMPARE(currentRun().rightCount, 0);
}

QTEST_MAIN(ExerciseWindowTest)
#include "tst_exercisewindow.moc"
