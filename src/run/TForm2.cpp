#include "run/TForm2.h"

#include "generators/DotGrid.h"
#include "generators/NumberLinePainting.h"

#include "bm_exports.h"
#include "generators/SymbolFont.h"
#include "run/AnswerCheck.h"
#include "run/BalanceStrip.h"
#include "run/Kinds.h"
#include "run/PraiseFonts.h"
#include "run/RunState.h"
#include "run/RunSummary.h"
#include "run/TaskFonts.h"
#include "run/TImageView.h"
#include "run/TKorrektur.h"
#include "run/TVorleseKnopf.h"
#include "run/TZeigePfeil.h"
#include "run/TZiffernblock.h"
#include "shell/TTitelbild.h"
#include "shell/TWindowFrame.h"
#include "shell/WindowSize.h"

#include <QApplication>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

#include <cmath>

TForm2 *Form2 = nullptr;

namespace {

int screenHeightOverride = 0;

constexpr int AnswerFieldHeight = 30;
constexpr int PraiseWordSize = 20;
constexpr int SummaryTitleSize = 18;
constexpr int RewardSteps = 16;
constexpr int RewardBaseInterval = 125;
constexpr int SummaryButtonWidth = 65;

QFont arial(int pointSize)
{
    return QFont(QStringLiteral("Arial"), pointSize);
}

QPushButton *makeButton(const QString &caption, QWidget *parent)
{
    auto *button = new QPushButton(caption, parent);
    button->setAutoDefault(false);
    return button;
}

// The screen the window stands on, or will open on.
const QScreen *screenOf(const QWidget *window)
{
    return window->screen() != nullptr ? window->screen() : QGuiApplication::primaryScreen();
}

void placeWithNaturalHeight(QLabel *label, int left, int top, int width)
{
    label->setGeometry(left, top, width, label->sizeHint().height());
}

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
    // FormClose runs however the window is closed: close box, "&Ok", or a refused kind.
    connect(this, &QDialog::finished, this, &TForm2::FormClose);
}

void TForm2::overrideScreenHeight(int height)
{
    screenHeightOverride = height;
}

void TForm2::createControls()
{
    GroupBox1 = new QGroupBox(QStringLiteral("Deine Aufgaben"), this);
    GroupBox2 = new QGroupBox(QStringLiteral("Meine Antwort"), this);
    GroupBox3 = new QGroupBox(QStringLiteral("Erfolgsbilanz"), this);
    // Plain etched frames: a tinted box would stand out from the silver pictures in it.
    QStyle *plainFrames = QStyleFactory::create(QStringLiteral("Windows"));
    if (plainFrames != nullptr)
        plainFrames->setParent(this);
    for (QGroupBox *box : {GroupBox1, GroupBox2, GroupBox3}) {
        box->setFont(arial(11));
        if (plainFrames != nullptr)
            box->setStyle(plainFrames);
    }

    // The drawing area lies under the task's texts and answer field.
    PaintBox1 = new TImageView(GroupBox1);
    Label1 = new QLabel(GroupBox1);
    Label3 = new QLabel(GroupBox1);
    m_label1.font = {QStringLiteral("Arial"), 14};
    m_label3.font = {QStringLiteral("Arial"), 14};
    Edit1 = new QLineEdit(GroupBox1);
    Edit1->setFont(arial(14));
    Edit1->setGeometry(135, 0, 50, AnswerFieldHeight);
    Edit1->installEventFilter(this);
    BOk = makeButton(QStringLiteral("&Okay"), GroupBox1);
    BEnde = makeButton(QStringLiteral("&Ende"), GroupBox1);
    BilanzTitel = new QLabel(GroupBox1);
    BilanzTitel->setFont(QFont(QStringLiteral("Times New Roman"), 16));
    BilanzText = new QLabel(GroupBox1);
    BilanzText->setFont(QFont(QStringLiteral("Times New Roman"), 14));
    BilanzOk = makeButton(QStringLiteral("&Ok"), GroupBox1);
    GroupBox1->installEventFilter(this);

    Label2 = new QLabel(GroupBox2);
    Label2->setFont(arial(PraiseWordSize));
    Label2->move(8, 32);
    ZeichenFlaeche = new TImageView(GroupBox2);
    ZeichenFlaeche->setGeometryAndClear(QRect(8, 72, 241, 241), Silver);
    ZeichenFlaeche->hide();

    Image1 = new TImageView(GroupBox3);
    Label4 = new QLabel(GroupBox3);
    Label4->setFont(arial(11));
    Label4->move(288, 24);
    Label5 = new QLabel(QStringLiteral("So hast du gerechnet:"), GroupBox3);
    Label5->setFont(arial(11));
    Label5->move(8, 24);
    Label5->adjustSize();
    Vorlesen = new TVorleseKnopf(this, GroupBox1);
    Ziffernblock = new TZiffernblock(GroupBox2, Edit1, BOk);
    connect(this, &TForm2::runEnded, Ziffernblock, &TZiffernblock::hide);
    // Screen readers and switch access name the controls, not the box around them.
    Edit1->setAccessibleName(QStringLiteral("Antwort"));
    Vorlesen->setAccessibleName(QStringLiteral("Vorlesen"));

    // Controls without a font of their own write in the window's font, not the box's.
    for (QWidget *control : std::initializer_list<QWidget *>{BOk, BEnde, BilanzOk})
        control->setFont(font());

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
    connect(BOk, &QPushButton::clicked, this, &TForm2::BOkClick);
    connect(BEnde, &QPushButton::clicked, this, &TForm2::BEndeClick);
    connect(BilanzOk, &QPushButton::clicked, this, &TForm2::BilanzOkClick);
    // "Zahlen zeigen" answers where the arrow stands when the finger or button is lifted.
    new TZeigePfeil(
        PaintBox1, [] { return currentRun().currentTask.kind == ShowNumberKind && !currentRun().ended; },
        [this](QPoint at) { PaintBox1MouseDown(Qt::LeftButton, at.x(), at.y()); });
}

void TForm2::WindowInit()
{
    const QScreen *shown = screenOf(this);
    const QSize screenSize(shown->geometry().width(),
                           screenHeightOverride > 0 ? screenHeightOverride : shown->geometry().height());
    m_layout = ExerciseLayoutFor(screenHeightOverride > 0 ? screenHeightOverride
                                                          : HeightBeforeFactor(screenSize.height()));
    PracticeRun &run = currentRun();
    run.layoutScale = m_layout.scale;
    SetOuterSize(this, m_layout.windowSize);

    sharedRandom().seedFromClock();
    Timer1->stop();
    setCursor(Qt::ArrowCursor);
    if (Titelbild != nullptr)
        Titelbild->hideDuringRun();

    Edit1->show();
    Edit1->move(Edit1->x(), m_layout.answerTop);
    Edit1->setMaxLength(32767);
    applyLabel(Label1, m_label1,
               {std::nullopt, FontSpec{QStringLiteral("Arial"), 14}, m_layout.labelLeft, m_layout.labelTop,
                std::nullopt, true});
    applyLabel(Label3, m_label3,
               {std::nullopt, FontSpec{m_label3.font.family, 14}, std::nullopt, m_layout.labelTop, std::nullopt, true});
    Label4->setText(QStringLiteral("Durchschnittliche Bedenkzeit:"));
    Label4->adjustSize();

    GroupBox1->setGeometry(m_layout.taskBox);
    GroupBox2->setGeometry(m_layout.feedbackBox);
    GroupBox3->setGeometry(m_layout.balanceBox);
    Image1->setGeometryAndClear(QRect(QPoint(2, 45), m_layout.balanceStrip), Silver);
    PaintBox1->setGeometryAndClear(m_layout.drawing, Silver);
    PaintBox1->show();
    m_taskPicture = std::monostate{};

    BEnde->show();
    BEnde->setGeometry(m_layout.endButtonLeft, m_layout.buttonsTop, ButtonWidth, ButtonHeight);
    BOk->show();
    // The summary's button was the default of the last run; Enter is "&Okay" again.
    BilanzOk->setDefault(false);
    BOk->setDefault(true);
    BOk->setGeometry(m_layout.okButtonLeft, m_layout.buttonsTop, ButtonWidth, ButtonHeight);

    for (QLabel *summary : {BilanzTitel, BilanzText}) {
        summary->hide();
        summary->resize(0, summary->height());
    }
    BilanzOk->hide();
    Label2->hide();
    ZeichenFlaeche->image().fill(Silver);
    ZeichenFlaeche->hide();

    run.reset();
    m_firstPaintDue = true;
    move(screenSize.width() / 2 - m_layout.windowSize.width() / 2,
         screenSize.height() / 2 - m_layout.windowSize.height() / 2);
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
    if (Titelbild != nullptr)
        Titelbild->hideDuringRun();
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
    m_taskPicture = task->picture;
    paintTaskPicture();
    if (isVisible() && run.currentTask.kind != ShowNumberKind)
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

void TForm2::applyLabel(QLabel *label, LabelState &state, const LabelSetup &setup)
{
    if (setup.caption)
        state.caption = *setup.caption;
    if (setup.font)
        state.font = *setup.font;
    if (state.font.family == QLatin1String("Symbol")) {
        const SymbolText symbol = SymbolFontText(state.caption, state.font.pointSize, state.font.bold);
        label->setFont(symbol.font);
        label->setText(WithLineFeeds(symbol.text));
        label->setAccessibleName(WithLineFeeds(SymbolFontUnicode(state.caption)));
    } else {
        label->setFont(TaskFont(state.font));
        label->setText(WithLineFeeds(state.caption));
        label->setAccessibleName(QString());
    }
    const int width = setup.width ? *setup.width : label->sizeHint().width();
    placeWithNaturalHeight(label, setup.left.value_or(label->x()), setup.top.value_or(label->y()), width);
    if (setup.visible)
        label->setVisible(*setup.visible);
}

void TForm2::applyTaskLayout(const TaskLayout &task)
{
    applyLabel(Label1, m_label1, task.label1);
    applyLabel(Label3, m_label3, task.label3);
    const FieldSetup &field = task.edit1;
    Edit1->setGeometry(field.left.value_or(Edit1->x()), field.top.value_or(Edit1->y()),
                       field.width.value_or(Edit1->width()), AnswerFieldHeight);
    if (field.visible)
        Edit1->setVisible(*field.visible);
    if (task.praiseVisible)
        Label2->setVisible(*task.praiseVisible);
    if (task.buttonsTop) {
        BOk->move(BOk->x(), *task.buttonsTop);
        BEnde->move(BEnde->x(), *task.buttonsTop);
    }
    if (task.drawingTop)
        PaintBox1->move(PaintBox1->x(), *task.drawingTop);
    if (task.focusTaskBox)
        GroupBox1->setFocus();
    Ziffernblock->placeFor(m_layout, currentRun().currentTask.kind, ZeichenFlaeche);
}

void TForm2::clearDrawingArea()
{
    PaintBox1->image().fill(Silver);
    PaintBox1->update();
}

void TForm2::paintTaskPicture()
{
    const PracticeRun &run = currentRun();
    clearDrawingArea();
    if (const auto *line = std::get_if<NumberLinePicture>(&m_taskPicture))
        PaintNumberLineTask(PaintBox1->image(), *line, run.currentTask.kind, run.currentTask.taskFailed, run.layoutScale);
    else if (std::holds_alternative<DotPicture>(m_taskPicture))
        DrawDotGrid(PaintBox1->image(), run.coverTriangle, run.dotGridSize, DotDiameter(run.layoutScale), false);
}

void TForm2::paintCorrectionPicture()
{
    const PracticeRun &run = currentRun();
    if (std::holds_alternative<NumberLinePicture>(m_taskPicture))
        PaintNumberLineCorrection(PaintBox1->image(), run.numberLine, run.currentTask.kind, run.layoutScale);
    else if (std::holds_alternative<DotPicture>(m_taskPicture))
        DrawDotGrid(PaintBox1->image(), run.coverTriangle, run.dotGridSize, DotDiameter(run.layoutScale), true);
    PaintBox1->update();
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
        if (GroupBox1->childAt(at) == nullptr)
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
    if (run.currentTask.kind != ShowNumberKind || PaintBox1->isHidden() || run.ended)
        return;
    const QString answer = ClickAnswerText(x, y);
    Edit1->setText(answer);
    if (!answer.isEmpty())
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
        Label2->show();
        QFont word = Label2->font();
        word.setPointSize(PraiseWordSize);
        Label2->setFont(word);
        const AnswerFeedback feedback =
            CheckAnswer(run, typed, stop(run.taskStartTick), sharedRandom(), FamiliesThatCanWrite, QLocale());
        switch (feedback.outcome) {
        case AnswerFeedback::Outcome::Empty:
        case AnswerFeedback::Outcome::Ignored:
            return;
        case AnswerFeedback::Outcome::Refused:
            QMessageBox::critical(this, QStringLiteral("Brimbelo"), feedback.refusal);
            return;
        case AnswerFeedback::Outcome::Right:
            GetThePicture(&m_rewardFrameA, &m_rewardFrameB, &run.rewardStepX, &run.rewardStepY, &run.rewardDelay);
            Timer1->start(run.rewardDelay + RewardBaseInterval);
            run.rewardStep = 0;
            Timer1Timer();
            word.setFamily(feedback.fontFamily);
            Label2->setFont(word);
            Label4->setText(feedback.averageCaption);
            Label4->adjustSize();
            break;
        case AnswerFeedback::Outcome::Wrong:
            Timer1->stop();
            break;
        }
        Label2->setText(feedback.word);
        Vorlesen->answerJudged(feedback.word);
        Label2->adjustSize();
        UpdateBalance();
        fitPraiseWord();
    }
    if (!run.answerAccepted)
        showCorrection();
}

void TForm2::fitPraiseWord()
{
    QFont word = Label2->font();
    const int room = GroupBox2->width() - 2 - Label2->x();
    word.setPointSize(FitFontSize(word.pointSize(), [&](int size) {
        QFont trial = word;
        trial.setPointSize(size);
        return QFontMetrics(trial).horizontalAdvance(Label2->text()) <= room;
    }));
    Label2->setFont(word);
    Label2->adjustSize();
}

void TForm2::showCorrection()
{
    paintCorrectionPicture();
    Korrektur->showHint(WithLineFeeds(CorrectionHint(currentRun().currentTask.solutionText)));
    Korrektur->place(PlaceCorrection({pos(), GroupBox1->pos(), Edit1->geometry(), Korrektur->hintHeight(),
                                      Korrektur->hintRight(), Korrektur->buttonWidth(), m_layout.scale,
                                      screenOf(this)->availableGeometry()}));
    Vorlesen->correctionShown(currentRun().currentTask.kind, currentRun().currentTask.solutionText);
    Korrektur->exec();
}

void TForm2::Timer1Timer()
{
    PracticeRun &run = currentRun();
    ZeichenFlaeche->show();
    QImage &surface = ZeichenFlaeche->image();
    const QImage &frame = run.rewardStep % 2 == 1 ? m_rewardFrameA : m_rewardFrameB;
    if (!frame.isNull()) {
        QPainter painter(&surface);
        // The frames' pixels double cleanly at whole ratios; between them smoothing looks best.
        const qreal ratio = surface.devicePixelRatio();
        painter.setRenderHint(QPainter::SmoothPixmapTransform, ratio != std::floor(ratio));
        painter.drawImage(50 + run.rewardStep * run.rewardStepX,
                          ZeichenFlaeche->height() - 150 - run.rewardStep * run.rewardStepY, frame);
    }
    ZeichenFlaeche->update();
    ++run.rewardStep;
    if (run.rewardStep >= RewardSteps) {
        surface.fill(Silver);
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
    RunResult result;
    result.finishedAt = QDateTime::currentDateTime();
    result.rightCount = run.rightCount;
    result.wrongCount = run.wrongCount;
    result.totalThinkTime = run.totalThinkTime;
    result.title = windowTitle();

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
    // Closed while tasks were still being answered: the run ends without a summary.
    currentRun().ended = true;
    if (Titelbild != nullptr) {
        Titelbild->move(pos());
        Titelbild->show();
    }
}
