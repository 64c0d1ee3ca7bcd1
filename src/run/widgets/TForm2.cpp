#include "run/widgets/TForm2.h"

#include "bm_exports.h"
#include "run/AnswerCheck.h"
#include "run/BalanceStrip.h"
#include "kinds/Kinds.h"
#include "run/PraiseFonts.h"
#include "run/RewardPlayback.h"
#include "run/RunState.h"
#include "run/RunSummary.h"
#include "run/TaskFonts.h"
#include "run/widgets/TImageView.h"
#include "run/widgets/TKorrektur.h"
#include "run/widgets/TVorleseKnopf.h"
#include "run/widgets/TWindowFrame.h"

#include <QApplication>
#include <QGuiApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QScreen>
#include <QStyleHints>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTimer>

TForm2 *Form2 = nullptr;

namespace {

constexpr int SummaryTitleSize = 18;
constexpr int SummaryButtonWidth = 65;

} // namespace

TForm2::TForm2(QWidget *parent) : QDialog(parent)
{
    setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                   | Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    setFont(QFont(WindowFontFamily, WindowFontSize));
    QPalette silver = palette();
    silver.setColor(QPalette::Window, Silver);
    setPalette(silver);
    setAutoFillBackground(true);
    createControls();
    m_coverClock = new QTimer(this);
    m_coverClock->setSingleShot(true);
    connect(m_coverClock, &QTimer::timeout, this, &TForm2::coverTaskPicture);
    // FormClose runs however the window is closed: close box, "&Ok", or a refused kind.
    connect(this, &QDialog::finished, this, &TForm2::FormClose);
}

void TForm2::showEvent(QShowEvent *event)
{
    QDialog::showEvent(event);
    SetOuterSize(this, m_layout.windowSize);
    // The first task is posed once the window stands, from its own event loop, so a run
    // that cannot start can close the window again.
    if (m_firstPaintDue) {
        m_firstPaintDue = false;
        QTimer::singleShot(0, this, &TForm2::FormPaint);
    }
}

void TForm2::FormPaint()
{
    // A window closed before it was first painted leaves the title window shown.
    if (!isVisible())
        return;
    emit runOpens();
    const PracticeRun &run = currentRun();
    // The strip shows the run's boxes whenever it is drawn, not only after an answer.
    DrawBalanceStrip(Image1->image(), m_layout, run.rightCount, run.wrongCount);
    Image1->update();
    if (run.newTaskDue)
        UpdateBalance();
}

void TForm2::UpdateBalance()
{
    // Pending events may bring a second call; the outer one finishes the work.
    if (m_updatingBalance)
        return;
    QScopedValueRollback<bool> updating(m_updatingBalance, true);
    ZeichenFlaeche->image().fill(Silver);
    ZeichenFlaeche->update();
    QCoreApplication::processEvents();

    PracticeRun &run = currentRun();
    DrawBalanceCounts(Image1->image(), m_layout, run.rightCount, run.wrongCount);
    Image1->setAccessibleName(BalanceCountsText(run.rightCount, run.wrongCount));
    Image1->update();
    if (run.ended)
        return;
    if (!run.answerAccepted)
        Edit1->selectAll();
    if (run.newTaskDue)
        NeueAufgabe();
    if (run.limitReached())
        Finito();
}

void TForm2::NeueAufgabe()
{
    PracticeRun &run = currentRun();
    Edit1->clear();
    GenerationContext context = generationContext();
    const std::optional<GeneratedTask> task = run.poseTask(context);
    if (!task) {
        refuseKindWithoutTasks();
        return;
    }
    applyTaskLayout(task->layout);
    Vorlesen->taskPosed(run.currentTask.kind, *task);
    paintTaskPicture();
    if (isVisible() && !currentRun().kindInfo().answeredByPointing())
        Edit1->setFocus();
    run.taskStartTick = start();
}

void TForm2::refuseKindWithoutTasks()
{
    // A kind without tasks yet: the run ends before it began and the title comes back.
    currentRun().ended = true;
    close();
}

GenerationContext TForm2::generationContext()
{
    const PracticeRun &run = currentRun();
    return GenerationContext{
        sharedRandom(), run.rightCount, run.wrongCount, m_layout.scale, GroupBox1->width(), GroupBox1->height(),
        PaintBox1->width(), PaintBox1->height(), ButtonHeight,
        TaskTextWidth};
}

bool TForm2::Edit1KeyPress(QChar typed) const
{
    return typed == QChar(8) || typed == QLatin1Char(' ') || (typed >= QLatin1Char('0') && typed <= QLatin1Char('9'));
}

bool TForm2::Edit1KeyDown(int key)
{
    if (key != Qt::Key_Escape)
        return false;
    Finito();
    return true;
}

bool TForm2::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Edit1 && event->type() == QEvent::KeyPress) {
        auto *key = static_cast<QKeyEvent *>(event);
        if (Edit1KeyDown(key->key()))
            return true;
        // Keys that type no printable character (Enter, Backspace, Delete, the arrows,
        // Home, End, the paste shortcut) take their usual way; of the printable characters
        // only digits and the blank reach the field.
        const QString text = key->text();
        if (!text.isEmpty() && text.at(0).isPrint() && !Edit1KeyPress(text.at(0)))
            return true;
    }
    if (watched == GroupBox1 && event->type() == QEvent::MouseButtonPress) {
        auto *mouse = static_cast<QMouseEvent *>(event);
        const QPoint at = mouse->position().toPoint();
        // Presses on the question, the number to find or a button reach the box too; only
        // its free area answers.
        if (GroupBox1->childAt(at) == nullptr && pressMayPoint(mouse->timestamp()))
            PaintBox1MouseDown(mouse->button(), at.x(), at.y());
    }
    return QDialog::eventFilter(watched, event);
}

void TForm2::keyPressEvent(QKeyEvent *event)
{
    // Escape ends the run; it never just hides the window.
    if (event->key() == Qt::Key_Escape) {
        Finito();
        return;
    }
    QDialog::keyPressEvent(event);
}

void TForm2::PaintBox1MouseDown(Qt::MouseButton, int x, int y)
{
    const PracticeRun &run = currentRun();
    if (!currentRun().kindInfo().answeredByPointing() || PaintBox1->isHidden() || run.ended)
        return;
    const QString answer = ClickAnswerText(x, y);
    Edit1->setText(answer);
    if (!answer.isEmpty()) {
        m_pressGuard.answered();
        BOkClick();
    }
}

bool TForm2::pressMayPoint(quint64 pressMs)
{
    return currentRun().kindInfo().answeredByPointing() && !currentRun().ended
        && m_pressGuard.accepts(pressMs, QGuiApplication::styleHints()->mouseDoubleClickInterval());
}

void TForm2::okayPressed()
{
    // Where the answer is given by pointing, the correction has shown the place and there
    // is nothing to type over: "&Okay" goes on to the next task.
    if (currentRun().kindInfo().answeredByPointing() && currentRun().moveOnAfterCorrection()) {
        Label2->hide();
        UpdateBalance();
        return;
    }
    BOkClick();
}

void TForm2::BOkClick()
{
    PracticeRun &run = currentRun();
    // An answer is checked to its end before the next one is looked at.
    if (m_checkingAnswer || run.ended)
        return;
    QScopedValueRollback<bool> checking(m_checkingAnswer, true);
    const QString typed = Edit1->text();
    if (!typed.isEmpty()) {
        const AnswerFeedback feedback =
            CheckAnswer(run, typed, stop(run.taskStartTick), sharedRandom(), FamiliesThatCanWrite, QLocale());
        QFont word = Label2->font();
        word.setPointSize(PraiseWordSize);
        switch (feedback.outcome) {
        case AnswerFeedback::Outcome::Empty:
        case AnswerFeedback::Outcome::Ignored:
            return;
        case AnswerFeedback::Outcome::Refused:
            // No number: nothing is answered, and no word of an earlier answer stays.
            Label2->hide();
            Edit1->clear();
            Edit1->setFocus();
            return;
        case AnswerFeedback::Outcome::Right:
            Timer1->start(m_reward.begin());
            run.rewardStep = 0;
            Timer1Timer();
            word.setFamily(feedback.fontFamily);
            Label4->setText(feedback.averageCaption);
            Label4->adjustSize();
            break;
        case AnswerFeedback::Outcome::Wrong:
            Timer1->stop();
            break;
        }
        Label2->setFont(word);
        Label2->setText(feedback.word);
        Label2->show();
        Vorlesen->answerJudged(feedback.word);
        Label2->adjustSize();
        UpdateBalance();
        fitPraiseWord();
        if (feedback.answered)
            emit taskAnswered(*feedback.answered);
    }
    if (!run.answerAccepted)
        showCorrection();
}

void TForm2::showCorrection()
{
    paintCorrectionPicture();
    const PracticeRun &run = currentRun();
    Korrektur->showHint(WithLineFeeds(CorrectionHint(run.mistakeNote, run.currentTask.solutionText)));
    const bool pictured = !std::holds_alternative<std::monostate>(currentRun().taskPicture);
    const QRect picture = pictured ? QRect(PaintBox1->mapToGlobal(QPoint(0, 0)), PaintBox1->size()) : QRect();
    Korrektur->place(PlaceCorrection({pos(), GroupBox1->pos(), Edit1->geometry(), Korrektur->hintHeight(),
                                      Korrektur->hintRight(), Korrektur->buttonWidth(), m_layout.scale,
                                      ScreenOf(this)->availableGeometry(), picture}));
    Vorlesen->correctionShown(run.currentTask.kind, run.currentTask.solutionText, run.mistakeNote);
    Korrektur->exec();
    backToTheAnswerField();
}

void TForm2::backToTheAnswerField()
{
    // However the answer was given, the next digits go into the field, over the old answer.
    if (currentRun().ended || !Edit1->isVisible())
        return;
    Edit1->setFocus();
    Edit1->selectAll();
}

void TForm2::Timer1Timer()
{
    ZeichenFlaeche->show();
    const bool goesOn = m_reward.drawStep(ZeichenFlaeche->image(), currentRun().rewardStep, Silver);
    ZeichenFlaeche->update();
    if (!goesOn) {
        Timer1->stop();
        ZeichenFlaeche->hide();
        Label2->hide();
    }
}

void TForm2::Finito()
{
    PracticeRun &run = currentRun();
    const PracticeRun::Ending ending = run.finish(stop(run.taskStartTick));
    if (ending == PracticeRun::Ending::AlreadyEnded)
        return;
    if (ending == PracticeRun::Ending::WithoutSummary) {
        close();
        return;
    }
    // A kind without a title of its own is logged under the caption it was started with.
    const QString logTitle = run.kindInfo().logTitle.isEmpty() ? windowTitle() : run.kindInfo().logTitle.toString();
    const RunResult result = RunResultOf(run, logTitle, QDateTime::currentDateTime());

    const QString title = SummaryTitle(windowTitle());
    QFont titleFont = BilanzTitel->font();
    titleFont.setPointSize(FitFontSize(SummaryTitleSize, [&](int size) {
        QFont trial = titleFont;
        trial.setPointSize(size);
        return QFontMetrics(trial).horizontalAdvance(title) <= GroupBox1->width() - 5;
    }));
    BilanzTitel->setFont(titleFont);
    BilanzTitel->setText(title);
    BilanzText->setText(WithLineFeeds(SummaryText(result, QLocale())));

    for (QWidget *task : std::initializer_list<QWidget *>{Edit1, Label1, Label3, BOk, BEnde, PaintBox1})
        task->hide();
    BilanzTitel->move(8, 34);
    BilanzTitel->adjustSize();
    BilanzText->move(16, 100);
    BilanzText->adjustSize();
    BilanzTitel->show();
    BilanzText->show();
    BilanzOk->setGeometry(GroupBox1->width() / 2 - SummaryButtonWidth / 2, m_layout.buttonsTop, SummaryButtonWidth,
                          ButtonHeight);
    BilanzOk->show();
    BilanzOk->setDefault(true);
    BilanzOk->setFocus();
    emit runEnded(result);
}

void TForm2::BEndeClick()
{
    Finito();
}

void TForm2::BilanzOkClick()
{
    close();
}

void TForm2::FormClose()
{
    // Closed while tasks were still being answered, by the close box or the taskbar: the
    // run ends as "Ende" ends it, without a summary to look at but with its line in the
    // log, so a bad run cannot be hidden by closing the window.
    PracticeRun &run = currentRun();
    if (run.finish(stop(run.taskStartTick)) == PracticeRun::Ending::WithSummary)
        emit runEnded(RunResultOf(run, windowTitle(), QDateTime::currentDateTime()));
    emit runClosed(pos());
}
