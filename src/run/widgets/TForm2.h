#pragma once
// The exercise window: one practice run with its task area, feedback and balance strip.
// The decisions (tasks, checking, counting, the end of a run) are made by the run state
// and the answer check; this window lays out, paints and forwards the child's input.

#include "run/ExerciseLayout.h"
#include "run/PointingArrow.h"
#include "run/RewardPlayback.h"
#include "core/AnsweredTask.h"
#include "core/Generation.h"
#include "core/RunResult.h"

#include <QDialog>
#include <QImage>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTimer;
class TImageView;
class TVorleseKnopf;
class TZiffernblock;

class TForm2 : public QDialog
{
    Q_OBJECT
public:
    explicit TForm2(QWidget *parent = nullptr);

    // The screen height the layout is chosen for; 0 (the default) uses the height of the
    // screen the window opens on. Lets tests run both layouts on any screen.
    static void overrideScreenHeight(int height);

    QGroupBox *GroupBox1;      // "Deine Aufgaben"
    QGroupBox *GroupBox2;      // "Meine Antwort"
    QGroupBox *GroupBox3;      // "Erfolgsbilanz"
    QLabel *Label1;            // text before the answer field
    QLineEdit *Edit1;          // the answer field
    QLabel *Label3;            // text after the answer field
    TImageView *PaintBox1;     // drawing area of number lines and dot pictures
    QPushButton *BOk;
    QPushButton *BEnde;
    QLabel *BilanzTitel;
    QLabel *BilanzText;
    QPushButton *BilanzOk;
    QLabel *Label2;            // praise or blame word
    TImageView *ZeichenFlaeche;   // reward animation surface
    TImageView *Image1;        // balance strip
    QLabel *Label4;            // average thinking time
    QLabel *Label5;
    QTimer *Timer1;            // reward animation clock
    TVorleseKnopf *Vorlesen;   // reads the task aloud
    TZiffernblock *Ziffernblock;   // the on-screen number pad

    const ExerciseLayout &layout() const { return m_layout; }

    // Lays the window out for the screen and resets the run; before each run.
    void WindowInit();
    void UpdateBalance();
    void NeueAufgabe();
    void Finito();
    void BOkClick();
    // "&Okay" pressed, by click or by Enter.
    void okayPressed();
    void BEndeClick();
    void BilanzOkClick();
    void PaintBox1MouseDown(Qt::MouseButton button, int x, int y);
    void Timer1Timer();

signals:
    // A task was answered, right or wrong, and the run has judged it.
    void taskAnswered(const AnsweredTask &answer);
    // A run with answered tasks has ended, with its summary on screen or with its window
    // closed; once per run.
    void runEnded(const RunResult &result);
    // A run is opening and the window takes the screen (the title window steps aside);
    // may come more than once per run.
    void runOpens();
    // The window has closed, standing at `where`; the title window comes back there.
    void runClosed(QPoint where);

protected:
    void showEvent(QShowEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    struct LabelState
    {
        QString caption;   // as the task gives it: carriage returns, symbol-font bytes
        FontSpec font;
    };

    void createControls();
    void FormPaint();
    void FormClose();
    bool Edit1KeyPress(QChar typed) const;
    bool Edit1KeyDown(int key);

    GenerationContext generationContext();
    void applyTaskLayout(const TaskLayout &layout);
    void applyLabel(QLabel *label, LabelState &state, const LabelSetup &setup);

    // Draws the task's picture into the drawing area after a task is posed.
    void paintTaskPicture();
    // Draws it again, with what a failed task reveals, before the correction is shown.
    void paintCorrectionPicture();
    // Covers a picture that is shown only for a moment, once its moment is over.
    void coverTaskPicture();
    void clearDrawingArea();

    void showCorrection();
    void backToTheAnswerField();
    // Whether a press on the number line at this event time may answer.
    bool pressMayPoint(quint64 pressMs);
    void fitPraiseWord();
    void refuseKindWithoutTasks();

    static constexpr int PraiseWordSize = 20;

    ExerciseLayout m_layout;
    LabelState m_label1;
    LabelState m_label3;
    RewardPlayback m_reward;
    DoubleClickGuard m_pressGuard;
    QTimer *m_coverClock = nullptr;
    bool m_firstPaintDue = false;
    bool m_checkingAnswer = false;
    bool m_updatingBalance = false;
};

extern TForm2 *Form2;
