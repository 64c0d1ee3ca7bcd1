#pragma once
// Checking an answer and the words, captions and numbers of the feedback: praise and
// blame words, the conversion of the typed text, the average thinking time, the click
// answer on the number line and the correction text. Showing them is left to the window.

#include "core/AnsweredTask.h"
#include "core/Random.h"
#include "run/RunState.h"

#include <QLocale>
#include <QRect>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

const QStringList &PraiseWords();   // 21 words, at most 10 characters each
const QStringList &BlameWords();    // 16 words
// The caption of a right answer to a task that was answered wrong before.
QString NowItIsRightText();

// A typed answer: the whole number it stands for, if it is one the field can hold.
struct ConvertedAnswer
{
    std::optional<qint32> value;
    QString cleanedText;    // the typed text as compared
};
ConvertedAnswer ConvertAnswerText(const QString &typed);

// Seconds with two decimals and the locale's decimal separator, no digit groups.
QString FormatSeconds(double seconds, const QLocale &locale);
QString AverageTimeCaption(double averageSeconds, const QLocale &locale);

// The answer of a click on the number line at (x, y); empty outside the band of the line.
QString ClickAnswerText(int x, int y);

// The largest size from `size` downwards at which fits(size) holds; never below 1 point.
int FitFontSize(int size, const std::function<bool(int pointSize)> &fits);

// The text of the correction dialog: what the mistake was, where one was recognised, then
// the worked solution.
QString CorrectionHint(const QString &mistakeNote, const QString &solutionText);

// Where the correction dialog stands, in screen coordinates: just below the answer field,
// at its designed width, or wider where the worked solution needs it. Where that would
// hide the task's picture (the revealed dots, the arrows on the line) it moves below,
// above, right or left of the picture, whichever first lies wholly on the screen.
struct CorrectionRequest
{
    QPoint windowTopLeft;    // the exercise window's corner on screen
    QPoint taskBoxTopLeft;   // the task box in the window
    QRect answerField;       // the answer field in the task box
    int hintHeight = 0;
    int hintRight = 0;       // right end of the solution's longest line, in the dialog
    int buttonWidth = 0;
    double scale = 1.0;
    QRect screen;            // the screen's available area
    QRect picture;           // the task's picture on screen; empty for tasks without one
};
struct CorrectionPlacement
{
    QRect dialog;
    int buttonLeft = 0;    // the OK button, centred
};
CorrectionPlacement PlaceCorrection(const CorrectionRequest &request);

// What the window shows after an answer was checked.
struct AnswerFeedback
{
    // Refused: no whole number the field can hold (only blanks, pasted words, too large);
    // it answers nothing, as an empty field does after a right answer.
    enum class Outcome { Empty, Refused, Ignored, Right, Wrong };
    Outcome outcome = Outcome::Empty;
    QString word;             // Right, Wrong: the caption of the praise or blame word
    QString fontFamily;       // Right: the face of the praise word
    QString averageCaption;   // Right: the average thinking time
    std::optional<AnsweredTask> answered;   // Right, Wrong: the answer for the answer record
};

// The font families a word can be written in.
using FontsForWord = std::function<QStringList(const QString &word)>;

// Checks the typed text against the current task of the run and counts it. elapsedMs is
// the time since the task was posed; the praise word's face is drawn from fontsFor(word).
AnswerFeedback CheckAnswer(PracticeRun &run, const QString &typed, quint32 elapsedMs, Random &random,
                           const FontsForWord &fontsFor, const QLocale &locale);
