// The exercise window's controls and their places: built once, laid out for the screen
// before each run, and moved by each task's layout.

#include "run/widgets/TForm2.h"

#include "generators/numberline/SymbolFont.h"
#include "run/AnswerCheck.h"
#include "run/BalanceStrip.h"
#include "run/RunState.h"
#include "run/TaskFonts.h"
#include "run/WindowSize.h"
#include "run/widgets/TImageView.h"
#include "run/widgets/TVorleseKnopf.h"
#include "run/widgets/TWindowFrame.h"
#include "run/widgets/TZeigePfeil.h"
#include "run/widgets/TZiffernblock.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleFactory>
#include <QTimer>

namespace {

int screenHeightOverride = 0;

constexpr int AnswerFieldHeight = 30;

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

void placeWithNaturalHeight(QLabel *label, int left, int top, int width)
{
    label->setGeometry(left, top, width, label->sizeHint().height());
}

} // namespace

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
    Vorlesen = new TVorleseKnopf(GroupBox1);
    connect(this, &TForm2::runEnded, Vorlesen, &TVorleseKnopf::runEnded);
    connect(this, &QDialog::finished, Vorlesen, &TVorleseKnopf::windowClosed);
    Ziffernblock = new TZiffernblock(GroupBox2, GroupBox1, Edit1, BOk);
    connect(this, &TForm2::runEnded, Ziffernblock, &TZiffernblock::hide);
    // Screen readers and switch access name the controls, not the box around them.
    Edit1->setAccessibleName(QStringLiteral("Antwort"));
    Vorlesen->setAccessibleName(QStringLiteral("Vorlesen"));

    // Controls without a font of their own write in the window's font, not the box's.
    for (QWidget *control : std::initializer_list<QWidget *>{BOk, BEnde, BilanzOk})
        control->setFont(font());

    Timer1 = new QTimer(this);
    connect(Timer1, &QTimer::timeout, this, &TForm2::Timer1Timer);
    connect(BOk, &QPushButton::clicked, this, &TForm2::okayPressed);
    connect(BEnde, &QPushButton::clicked, this, &TForm2::BEndeClick);
    connect(BilanzOk, &QPushButton::clicked, this, &TForm2::BilanzOkClick);
    // "Zahlen zeigen" answers where the arrow stands when the finger or button is lifted.
    new TZeigePfeil(
        PaintBox1, [this](quint64 pressMs) { return pressMayPoint(pressMs); },
        [this](QPoint at) { PaintBox1MouseDown(Qt::LeftButton, at.x(), at.y()); });
}

void TForm2::WindowInit()
{
    const QScreen *shown = ScreenOf(this);
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
    emit runOpens();

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
    m_pressGuard = DoubleClickGuard();
    m_firstPaintDue = true;
    // Centred on the screen, but never across a panel or off the free area.
    move(PlaceInside(shown->availableGeometry(),
                     QPoint(screenSize.width() / 2 - m_layout.windowSize.width() / 2,
                            screenSize.height() / 2 - m_layout.windowSize.height() / 2),
                     m_layout.windowSize));
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
        label->setAccessibleName(setup.accessibleName.value_or(QString()));
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
