// Checking answers: conversion of the typed text, counting once per task, the feedback
// words, the average thinking time, the click answer, the end of a run and its summary,
// and where the correction dialog stands.

#include "TestSupport.h"
#include "run/AnswerCheck.h"
#include "kinds/Kinds.h"
#include "run/RunSummary.h"

#include <QtTest>

namespace {

const QLocale German(QLocale::German, QLocale::Germany);
const QStringList Faces = {QStringLiteral("Arial"), QStringLiteral("Comic Sans MS")};
QStringList facesFor(const QString &) { return Faces; }

// A run of the tens kind with its first task posed.
struct RunFixture
{
    Random random{2024};
    GenerationContext context = MakeContext(random);
    PracticeRun run;

    RunFixture()
    {
        run.currentTask.kind = 301;
        run.reset();
        pose();
    }
    void pose() { QVERIFY(run.poseTask(context).has_value()); }
    QString right() const { return QString::number(run.currentTask.expectedAnswer); }
    QString wrong() const { return QString::number(run.currentTask.expectedAnswer + 1); }
    AnswerFeedback answer(const QString &typed, quint32 ms = 1000)
    {
        return CheckAnswer(run, typed, ms, random, facesFor, German);
    }
};

} // namespace

class AnswerCheckTest : public QObject
{
    Q_OBJECT
private slots:
    void feedbackWordsFitTheirBox();
    void convertsCleanedTextOrRefusesIt_data();
    void convertsCleanedTextOrRefusesIt();
    void averageCaptionUsesLocaleSeparatorWithoutGroups_data();
    void averageCaptionUsesLocaleSeparatorWithoutGroups();
    void clickAnswerSnapsToFivesInsideTheBandOnly_data();
    void clickAnswerSnapsToFivesInsideTheBandOnly();
    void fontFitStopsAtOnePoint_data();
    void fontFitStopsAtOnePoint();
    void taskCountsOnlyItsFirstAnswer_data();
    void taskCountsOnlyItsFirstAnswer();
    void secondAnswerToASolvedTaskIsIgnored();
    void refusedOrEmptyAnswerCountsNothing_data();
    void refusedOrEmptyAnswerCountsNothing();
    void averageDividesWholeTaskTimesByRightAnswers();
    void endedRunTakesNoAnswer();
    void runEndsAtExactlyFiftyRightOrTwentyFiveWrong_data();
    void runEndsAtExactlyFiftyRightOrTwentyFiveWrong();
    void finishEndsOnceAndCountsOpenTaskOnlyWithoutTime_data();
    void finishEndsOnceAndCountsOpenTaskOnlyWithoutTime();
    void summaryListsDateCountsAndAverage();
    void correctionStandsBelowTheAnswerField_data();
    void correctionStandsBelowTheAnswerField();
    void correctionCoversThePicture_data();
    void correctionCoversThePicture();
};

void AnswerCheckTest::feedbackWordsFitTheirBox()
{
    QCOMPARE(PraiseWords().size(), 21);
    QCOMPARE(BlameWords().size(), 16);
    for (const QStringList *words : {&PraiseWords(), &BlameWords()}) {
        for (const QString &word : *words)
            QVERIFY2(!word.isEmpty() && word.size() <= 10, qPrintable(word));
        QCOMPARE(QSet<QString>(words->begin(), words->end()).size(), words->size());
    }
}

void AnswerCheckTest::convertsCleanedTextOrRefusesIt_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<int>("value");
    QTest::addColumn<QString>("cleaned");
    QTest::newRow("digit groups") << "1 000" << true << 1000 << "1000";
    QTest::newRow("leading zeros") << "01000" << true << 1000 << "1000";
    QTest::newRow("plain") << "1000" << true << 1000 << "1000";
    QTest::newRow("lone zero") << "0" << true << 0 << "0";
    QTest::newRow("largest") << "2 147 483 647" << true << 2147483647 << "2147483647";
    QTest::newRow("only blanks") << "   " << false << 0 << "";
    QTest::newRow("beyond 32 bits") << "2147483648" << false << 0 << "2147483648";
    QTest::newRow("pasted words") << "zwölf (12)" << false << 0 << "zwölf12";
    QTest::newRow("decimal comma") << "12,50" << false << 0 << "12,5";
    QTest::newRow("number with its unit") << "20105Euro" << false << 0 << "20105Euro";
}

void AnswerCheckTest::convertsCleanedTextOrRefusesIt()
{
    QFETCH(QString, typed);
    QFETCH(bool, converts);
    QFETCH(int, value);
    QFETCH(QString, cleaned);
    const ConvertedAnswer answer = ConvertAnswerText(typed);
    QCOMPARE(answer.value.has_value(), converts);
    if (converts)
        QCOMPARE(*answer.value, value);
    QCOMPARE(answer.cleanedText, cleaned);
}

void AnswerCheckTest::averageCaptionUsesLocaleSeparatorWithoutGroups_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("caption");
    QTest::newRow("german") << German << 15.0 << "Durchschnittliche Bedenkzeit: 15,00 Sek. ";
    QTest::newRow("rounded to two decimals") << German << 3.14159 << "Durchschnittliche Bedenkzeit: 3,14 Sek. ";
    QTest::newRow("english, no group separator") << QLocale(QLocale::English) << 1234.5
                                                  << "Durchschnittliche Bedenkzeit: 1234.50 Sek. ";
}

void AnswerCheckTest::averageCaptionUsesLocaleSeparatorWithoutGroups()
{
    QFETCH(QLocale, locale);
    QFETCH(double, seconds);
    QFETCH(QString, caption);
    QCOMPARE(AverageTimeCaption(seconds, locale), caption);
}

void AnswerCheckTest::clickAnswerSnapsToFivesInsideTheBandOnly_data()
{
    QTest::addColumn<int>("x");
    QTest::addColumn<int>("y");
    QTest::addColumn<QString>("answer");
    // The number at column 120 is hit from one column left to three columns right of it.
    QTest::newRow("one left of 120") << 119 << 70 << "120";
    QTest::newRow("on 120") << 120 << 70 << "120";
    QTest::newRow("x 123 gives 120") << 123 << 70 << "120";
    QTest::newRow("two left of 120") << 118 << 70 << "115";
    QTest::newRow("x 124 gives 125") << 124 << 70 << "125";
    QTest::newRow("upper border") << 124 << 60 << "";
    QTest::newRow("lower border") << 124 << 80 << "";
    QTest::newRow("just inside above") << 124 << 61 << "125";
    QTest::newRow("just inside below") << 124 << 79 << "125";
    QTest::newRow("grouped") << 4999 << 70 << "5 000";
    QTest::newRow("left end") << 0 << 70 << "0";
}

void AnswerCheckTest::clickAnswerSnapsToFivesInsideTheBandOnly()
{
    QFETCH(int, x);
    QFETCH(int, y);
    QFETCH(QString, answer);
    QCOMPARE(ClickAnswerText(x, y), answer);
}

void AnswerCheckTest::fontFitStopsAtOnePoint_data()
{
    QTest::addColumn<int>("start");
    QTest::addColumn<int>("largestFitting");
    QTest::addColumn<int>("fitted");
    QTest::newRow("fits at once") << 20 << 30 << 20;
    QTest::newRow("shrinks") << 20 << 12 << 12;
    QTest::newRow("never fits") << 20 << 0 << 1;
}

void AnswerCheckTest::fontFitStopsAtOnePoint()
{
    QFETCH(int, start);
    QFETCH(int, largestFitting);
    QFETCH(int, fitted);
    int tries = 0;
    QCOMPARE(FitFontSize(start, [&](int size) { ++tries; return size <= largestFitting; }), fitted);
    QVERIFY(tries <= start);
}

void AnswerCheckTest::taskCountsOnlyItsFirstAnswer_data()
{
    QTest::addColumn<QString>("answers");   // r = right, w = wrong, in this order
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<bool>("nowRightCaption");
    QTest::newRow("right at once") << "r" << 1 << 0 << false;
    QTest::newRow("wrong then right") << "wr" << 0 << 1 << true;
    QTest::newRow("wrong twice then right") << "wwr" << 0 << 1 << true;
    QTest::newRow("wrong only") << "www" << 0 << 1 << false;
}

void AnswerCheckTest::taskCountsOnlyItsFirstAnswer()
{
    QFETCH(QString, answers);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(bool, nowRightCaption);
    RunFixture f;
    AnswerFeedback last;
    for (const QChar a : answers) {
        last = f.answer(a == QLatin1Char('r') ? f.right() : f.wrong());
        QCOMPARE(last.outcome, a == QLatin1Char('r') ? AnswerFeedback::Outcome::Right
                                                     : AnswerFeedback::Outcome::Wrong);
        if (a == QLatin1Char('w')) {
            QVERIFY(BlameWords().contains(last.word));
            QVERIFY(f.run.currentTask.taskFailed);
            QVERIFY(!f.run.answerAccepted);
        }
    }
    QCOMPARE(f.run.rightCount, right);
    QCOMPARE(f.run.wrongCount, wrong);
    if (last.outcome == AnswerFeedback::Outcome::Right) {
        QVERIFY(f.run.newTaskDue && f.run.answerAccepted);
        QCOMPARE(last.word == NowItIsRightText(), nowRightCaption);
        QCOMPARE(PraiseWords().contains(last.word), !nowRightCaption);
        QVERIFY(Faces.contains(last.fontFamily));
    }
}

void AnswerCheckTest::secondAnswerToASolvedTaskIsIgnored()
{
    RunFixture f;
    const QString answer = f.right();
    QCOMPARE(f.answer(answer).outcome, AnswerFeedback::Outcome::Right);
    QCOMPARE(f.answer(answer).outcome, AnswerFeedback::Outcome::Ignored);
    QCOMPARE(f.answer(f.wrong()).outcome, AnswerFeedback::Outcome::Ignored);
    QCOMPARE(f.run.rightCount, 1);
    QCOMPARE(f.run.wrongCount, 0);
    QCOMPARE(f.run.totalThinkTime, 1.0);
}

void AnswerCheckTest::refusedOrEmptyAnswerCountsNothing_data()
{
    QTest::addColumn<QString>("typed");
    QTest::addColumn<int>("outcome");
    QTest::newRow("empty") << "" << int(AnswerFeedback::Outcome::Empty);
    QTest::newRow("blanks") << "  " << int(AnswerFeedback::Outcome::Refused);
    QTest::newRow("too large") << "99999999999" << int(AnswerFeedback::Outcome::Refused);
}

void AnswerCheckTest::refusedOrEmptyAnswerCountsNothing()
{
    QFETCH(QString, typed);
    QFETCH(int, outcome);
    RunFixture f;
    const AnswerFeedback feedback = f.answer(typed);
    QCOMPARE(int(feedback.outcome), outcome);
    QCOMPARE(f.run.rightCount + f.run.wrongCount, 0);
    QVERIFY(!f.run.currentTask.taskFailed);
    QVERIFY(!f.run.newTaskDue);
    QVERIFY(feedback.word.isEmpty());
}

void AnswerCheckTest::averageDividesWholeTaskTimesByRightAnswers()
{
    RunFixture f;
    QCOMPARE(f.answer(f.wrong(), 4000).outcome, AnswerFeedback::Outcome::Wrong);
    QCOMPARE(f.answer(f.right(), 10000).averageCaption, QStringLiteral("Durchschnittliche Bedenkzeit: 10,00 Sek. "));
    f.pose();
    const AnswerFeedback second = f.answer(f.right(), 5000);
    QCOMPARE(f.run.rightCount, 1);
    QCOMPARE(second.averageCaption, QStringLiteral("Durchschnittliche Bedenkzeit: 15,00 Sek. "));
}

void AnswerCheckTest::endedRunTakesNoAnswer()
{
    RunFixture f;
    QCOMPARE(f.answer(f.wrong()).outcome, AnswerFeedback::Outcome::Wrong);
    QCOMPARE(f.run.finish(0), PracticeRun::Ending::WithSummary);
    QCOMPARE(f.answer(f.right()).outcome, AnswerFeedback::Outcome::Ignored);
    QCOMPARE(f.run.rightCount, 0);
    QCOMPARE(f.run.wrongCount, 1);
}

void AnswerCheckTest::runEndsAtExactlyFiftyRightOrTwentyFiveWrong_data()
{
    QTest::addColumn<bool>("rightAnswers");
    QTest::addColumn<int>("limit");
    QTest::newRow("right") << true << 50;
    QTest::newRow("wrong") << false << 25;
}

void AnswerCheckTest::runEndsAtExactlyFiftyRightOrTwentyFiveWrong()
{
    QFETCH(bool, rightAnswers);
    QFETCH(int, limit);
    RunFixture f;
    for (int i = 1; i <= limit; ++i) {
        QVERIFY(!f.run.limitReached());
        f.answer(rightAnswers ? f.right() : f.wrong());
        // A wrong answer keeps its task; the next wrong one must be a new task to count.
        if (!rightAnswers)
            f.run.newTaskDue = true;
        f.pose();
        QCOMPARE(rightAnswers ? f.run.rightCount : f.run.wrongCount, i);
    }
    QVERIFY(f.run.limitReached());
}

void AnswerCheckTest::finishEndsOnceAndCountsOpenTaskOnlyWithoutTime_data()
{
    QTest::addColumn<QString>("answers");
    QTest::addColumn<int>("ending");
    QTest::addColumn<double>("total");
    QTest::newRow("nothing answered") << "" << int(PracticeRun::Ending::WithoutSummary) << 7.0;
    QTest::newRow("only wrong answers") << "w" << int(PracticeRun::Ending::WithSummary) << 7.0;
    QTest::newRow("a right answer") << "r" << int(PracticeRun::Ending::WithSummary) << 2.0;
}

void AnswerCheckTest::finishEndsOnceAndCountsOpenTaskOnlyWithoutTime()
{
    QFETCH(QString, answers);
    QFETCH(int, ending);
    QFETCH(double, total);
    RunFixture f;
    for (const QChar a : answers)
        f.answer(a == QLatin1Char('r') ? f.right() : f.wrong(), 2000);
    QCOMPARE(int(f.run.finish(7000)), ending);
    QCOMPARE(f.run.totalThinkTime, total);
    QCOMPARE(f.run.finish(9000), PracticeRun::Ending::AlreadyEnded);
    QCOMPARE(f.run.totalThinkTime, total);
}

void AnswerCheckTest::summaryListsDateCountsAndAverage()
{
    RunResult result;
    result.finishedAt = QDateTime(QDate(2026, 3, 9), QTime(10, 30));
    result.rightCount = 3;
    result.wrongCount = 1;
    result.totalThinkTime = 10.0;
    const QChar cr(13);
    QCOMPARE(SummaryText(result, German),
             QString("So hast du am 09.03.26 gerechnet:") + cr + cr + "3 richtig gelöste Aufgaben" + cr
                 + "1 falsch gelöste Aufgabe" + cr + "3,33 Sek. durchschnittliche Bedenkzeit");
    QCOMPARE(SummaryTitle("Runde auf Zehner"), QStringLiteral("\"Runde auf Zehner\""));
    QCOMPARE(CorrectionHint("", "a"), QString("So wird die Aufgabe richtig gelöst:") + cr + cr + "a");
    // The mistake is named before the solution is shown.
    QCOMPARE(CorrectionHint("Achtung, Folge!", "a"),
             QString("Achtung, Folge!") + cr + cr + "So wird die Aufgabe richtig gelöst:" + cr + cr + "a");
}

void AnswerCheckTest::correctionStandsBelowTheAnswerField_data()
{
    QTest::addColumn<double>("scale");
    QTest::addColumn<int>("hintRight");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("dialog");
    QTest::addColumn<int>("buttonLeft");
    // Window at (100, 50), task box at (5, 4), field at (150, 90) of height 30, hint 60 high.
    const QRect large(0, 0, 1024, 740);
    QTest::newRow("small, solution fits") << 1.0 << 300 << large << QRect(265, 204, 400, 160) << 155;
    QTest::newRow("large, solution fits") << 1.28 << 300 << large << QRect(265, 204, 512, 160) << 211;
    QTest::newRow("long solution widens it") << 1.0 << 560 << large << QRect(265, 204, 580, 160) << 245;
    QTest::newRow("moves left to stay on screen") << 1.0 << 800 << large << QRect(204, 204, 820, 160) << 365;
    QTest::newRow("never wider than the screen")
        << 1.0 << 2000 << QRect(0, 0, 800, 570) << QRect(0, 204, 800, 160) << 355;
    QTest::newRow("second screen") << 1.0 << 2000 << QRect(1024, 0, 800, 570) << QRect(1024, 204, 800, 160) << 355;
}

void AnswerCheckTest::correctionStandsBelowTheAnswerField()
{
    QFETCH(double, scale);
    QFETCH(int, hintRight);
    QFETCH(QRect, screen);
    QFETCH(QRect, dialog);
    QFETCH(int, buttonLeft);
    const CorrectionPlacement placement =
        PlaceCorrection({QPoint(100, 50), QPoint(5, 4), QRect(150, 90, 80, 30), 60, hintRight, 90, scale, screen, QRect()});
    QCOMPARE(placement.dialog, dialog);
    QCOMPARE(placement.buttonLeft, buttonLeft);
}

void AnswerCheckTest::correctionCoversThePicture_data()
{
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QRect>("picture");
    QTest::addColumn<QRect>("dialog");
    // Window at (100, 50), task box at (5, 4), field at (150, 90) of height 30: the dialog
    // would stand at (265, 204), 400 by 160.
    const QRect large(0, 0, 1024, 740);
    QTest::newRow("picture beside the usual place") << large << QRect(0, 400, 260, 100) << QRect(265, 204, 400, 160);
    QTest::newRow("dots under it: below them") << large << QRect(115, 103, 405, 266) << QRect(265, 377, 400, 160);
    QTest::newRow("no room below: above them") << QRect(0, 0, 800, 570) << QRect(115, 300, 405, 266)
                                               << QRect(265, 132, 400, 160);
    QTest::newRow("no room above or below: right of them")
        << QRect(0, 0, 1024, 570) << QRect(115, 103, 405, 400) << QRect(528, 204, 400, 160);
    QTest::newRow("no room on the right either: left of them")
        << QRect(0, 0, 1024, 570) << QRect(500, 103, 405, 400) << QRect(92, 204, 400, 160);
}

void AnswerCheckTest::correctionCoversThePicture()
{
    QFETCH(QRect, screen);
    QFETCH(QRect, picture);
    QFETCH(QRect, dialog);
    const CorrectionPlacement placement =
        PlaceCorrection({QPoint(100, 50), QPoint(5, 4), QRect(150, 90, 80, 30), 60, 300, 90, 1.0, screen, picture});
    QCOMPARE(placement.dialog, dialog);
    QVERIFY(!placement.dialog.intersects(picture));
    QVERIFY(screen.contains(placement.dialog));
}

QTEST_GUILESS_MAIN(AnswerCheckTest)
#include "tst_answercheck.moc"
