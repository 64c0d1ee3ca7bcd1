#pragma once
// What a task generator gets and what it hands back. A generator is a pure function: it
// draws from the random source it is given, measures text with the function it is given,
// and describes the task and how the task area should look; the exercise window applies
// that description and paints the picture.

#include "core/Random.h"
#include "core/TaskTypes.h"

#include <QRect>
#include <QString>
#include <functional>
#include <optional>
#include <variant>

class QImage;

struct FontSpec
{
    QString family;   // empty: the exercise window's own font
    int pointSize = 0;
    bool bold = false;

    bool operator==(const FontSpec &) const = default;
};

// Pixel width of a text in a font, as the exercise window would draw it.
using TextMeasure = std::function<int(const QString &text, const FontSpec &font)>;

// Every field left empty keeps the control as it stands.
struct LabelSetup
{
    std::optional<QString> caption;
    std::optional<FontSpec> font;
    std::optional<int> left, top, width;
    std::optional<bool> visible;
    // What assistive technology reads instead of the caption, where the caption would
    // give the answer away.
    std::optional<QString> accessibleName = std::nullopt;
};

// A label with caption, font and place all given.
inline LabelSetup PlacedLabel(const QString &caption, const FontSpec &font, int left, int top, int width)
{
    LabelSetup label;
    label.caption = caption;
    label.font = font;
    label.left = left;
    label.top = top;
    label.width = width;
    return label;
}

struct FieldSetup
{
    std::optional<int> left, top, width;
    std::optional<bool> visible;
};

struct TaskLayout
{
    LabelSetup label1;               // text before the answer field
    LabelSetup label3;               // text after the answer field
    FieldSetup edit1;                // the answer field (always emptied)
    std::optional<bool> praiseVisible;   // the praise or blame word
    std::optional<int> buttonsTop;   // "&Okay" and "&Ende"
    std::optional<int> drawingTop;   // the drawing area
    bool focusTaskBox = false;       // answers come by mouse, not by keyboard
};

// A number line, with the band to clear first and, for distances, a second arrow.
struct NumberLinePicture
{
    TNumberLine line;
    QRect clearedRect;
    std::optional<qint32> secondArrowOffset;
    // Where the number the child had to find lies, shown by the correction of a wrong
    // answer; none where the picture itself holds the answer.
    std::optional<qint32> correctionOffset = std::nullopt;
};

struct DotPicture
{
    TCoverTriangle triangle{};
    int gridSize = 0;
};

// What the window shows of a picture that paints itself.
struct PictureMoment
{
    double layoutScale = 1.0;
    bool covered = false;     // the time to look at it is over
    bool corrected = false;   // a wrong answer's correction is shown
};

// A picture its kind paints itself into the drawing area's image, freshly cleared, in the
// area's own coordinates, whenever the window shows a new moment of the task: so a new
// picture needs no change to the window. With coverAfterMs above 0 the window covers it
// that long after the task is posed.
struct PaintedPicture
{
    std::function<void(QImage &drawing, const PictureMoment &moment)> paint;
    int coverAfterMs = 0;
    QString description;   // what assistive technology says of it; empty: nothing shown yet
};

using TaskPicture = std::variant<std::monostate, NumberLinePicture, DotPicture, PaintedPicture>;

struct GeneratedTask
{
    qint32 expectedAnswer = 0;
    QString taskText;       // the task as posed: the words, the number to round, the sequence
    QString solutionText;
    TaskLayout layout;
    TaskPicture picture;
    // What the next task must differ in; empty: the task text. The arrow tasks are told
    // apart by where the arrows stand, which no text shows.
    QString repeatKey;

    const QString &noRepeatKey() const { return repeatKey.isEmpty() ? taskText : repeatKey; }
};

struct GenerationContext
{
    Random &random;
    qint32 rightCount = 0;
    qint32 wrongCount = 0;
    double layoutScale = 1.0;
    int taskBoxWidth = 0;     // the group box "Deine Aufgaben"
    int taskBoxHeight = 0;
    int drawingWidth = 0;     // the drawing area inside it
    int drawingHeight = 0;
    int buttonHeight = 25;
    TextMeasure textWidth = {};

    qint32 balance() const { return rightCount - wrongCount; }
};

using GeneratorFn = GeneratedTask (*)(GenerationContext &context, int level);

// How often a generator draws a task anew because it does not fit the task box before it
// gives up and poses the last draw. Real fonts fit within a few draws; the bound only
// keeps a window with unusual fonts from hanging.
inline constexpr int MaxLayoutRedraws = 1000;

// The answer field, wide enough for the expected answer typed in the window's own font,
// with a good margin for the digit groups a child may type.
inline int AnswerFieldWidth(const GenerationContext &context, qint32 expectedAnswer)
{
    return int(1.7 * context.textWidth(QString::number(expectedAnswer), FontSpec{})) + 30;
}

// The larger of two design values.
inline int MaxOf(int a, int b)
{
    return a > b ? a : b;
}

// Nearest integer of a scaled design value; no value used by the program falls on a half.
inline int ScaledRound(double value)
{
    return int(value < 0 ? value - 0.5 : value + 0.5);
}
