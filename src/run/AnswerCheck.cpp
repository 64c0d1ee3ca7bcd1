#include "run/AnswerCheck.h"

#include "core/IntegerText.h"
#include "core/DigitGroups.h"
#include "core/TypedNumbers.h"
#include "core/Generation.h"
#include "core/TaskTypes.h"
#include "kinds/ErrorPatterns.h"
#include "kinds/MistakeNote.h"
#include "run/RecordedAnswer.h"

#include <algorithm>

const QStringList &PraiseWords()
{
    static const QStringList words = {
        QStringLiteral("Prima!"), QStringLiteral("Klasse!"), QStringLiteral("Großartig!"),
        QStringLiteral("Einmalig!"), QStringLiteral("Gut!"), QStringLiteral("Sauber!"),
        QStringLiteral("Exzellent!"), QStringLiteral("Bestens!"), QStringLiteral("Juhuuu!"),
        QStringLiteral("Jippie!"), QStringLiteral("Hurra!"), QStringLiteral("Fabelhaft!"),
        QStringLiteral("Spitze!"), QStringLiteral("Okay!"), QStringLiteral("Grandios!"),
        QStringLiteral("Super!"), QStringLiteral("Ja! Ja!"), QStringLiteral("Famos!"),
        QStringLiteral("Wow!"), QStringLiteral("Fein!"), QStringLiteral("Stark!"),
    };
    return words;
}

const QStringList &BlameWords()
{
    static const QStringList words = {
        QStringLiteral("Schade!"), QStringLiteral("Oh nein!"), QStringLiteral("Autsch!"),
        QStringLiteral("Ne! Ne!"), QStringLiteral("Pech!"), QStringLiteral("Nochmal!"),
        QStringLiteral("Daneben!"), QStringLiteral("Stöhn!"), QStringLiteral("Nein!"),
        QStringLiteral("Uuuuuh!"), QStringLiteral("So nicht!"), QStringLiteral("Ächz!"),
        QStringLiteral("Oh je!"), QStringLiteral("Au Backe!"), QStringLiteral("Oh Jammer!"),
        QStringLiteral("Aua! Aua!"),
    };
    return words;
}

QString NowItIsRightText()
{
    return QStringLiteral("Jetzt stimmt es!");
}

ConvertedAnswer ConvertAnswerText(const QString &typed)
{
    ConvertedAnswer answer;
    answer.cleanedText = NormalizeNumberText(typed);
    answer.value = TextToInteger(answer.cleanedText);
    return answer;
}

QString FormatSeconds(double seconds, const QLocale &locale)
{
    QLocale plain = locale;
    plain.setNumberOptions(QLocale::OmitGroupSeparator);
    return plain.toString(seconds, 'f', 2);
}

QString AverageTimeCaption(double averageSeconds, const QLocale &locale)
{
    return QStringLiteral("Durchschnittliche Bedenkzeit: ") + FormatSeconds(averageSeconds, locale)
         + QStringLiteral(" Sek. ");
}

QString ClickAnswerText(int x, int y)
{
    if (y <= 60 || y >= 80)
        return QString();
    return FormatGrouped((x + 1) / 5 * 5);
}

int FitFontSize(int size, const std::function<bool(int)> &fits)
{
    while (size > 1 && !fits(size))
        --size;
    return size;
}

QString CorrectionHint(const QString &mistakeNote, const QString &solutionText)
{
    const QString note = mistakeNote.isEmpty() ? QString() : mistakeNote + CarriageReturn + CarriageReturn;
    return note + QStringLiteral("So wird die Aufgabe richtig gelöst:") + CarriageReturn + CarriageReturn
         + solutionText;
}

namespace {

// The dialog moved off the picture: below, above, right of it or left of it, kept on the
// screen across the picture's side; the first place wholly on the screen.
std::optional<QRect> BesideThePicture(const QRect &dialog, const QRect &picture, const QRect &screen)
{
    constexpr int Gap = 8;
    const auto across = [](int at, int length, int low, int high) {
        return std::max(low, std::min(at, high - length + 1));
    };
    const int left = across(dialog.left(), dialog.width(), screen.left(), screen.right());
    const int top = across(dialog.top(), dialog.height(), screen.top(), screen.bottom());
    const QRect places[] = {
        QRect(QPoint(left, picture.bottom() + 1 + Gap), dialog.size()),
        QRect(QPoint(left, picture.top() - Gap - dialog.height()), dialog.size()),
        QRect(QPoint(picture.right() + 1 + Gap, top), dialog.size()),
        QRect(QPoint(picture.left() - Gap - dialog.width(), top), dialog.size()),
    };
    for (const QRect &place : places) {
        if (screen.contains(place))
            return place;
    }
    return std::nullopt;
}

} // namespace

CorrectionPlacement PlaceCorrection(const CorrectionRequest &request)
{
    // The solution's lines keep this distance to the dialog's right edge, as the picture
    // keeps it to the left one.
    constexpr int HintMargin = 20;
    const QPoint field = request.windowTopLeft + request.taskBoxTopLeft + request.answerField.topLeft();
    const int designed = ScaledRound(400 * request.scale);
    const int width = std::min(std::max(designed, request.hintRight + HintMargin), request.screen.width());
    // Moved left only as far as the screen's right edge asks.
    const int left = std::max(request.screen.left(),
                              std::min(field.x() + 10, request.screen.left() + request.screen.width() - width));
    CorrectionPlacement placement;
    placement.dialog = QRect(left, field.y() + request.answerField.height() + 30, width, request.hintHeight + 100);
    if (placement.dialog.intersects(request.picture))
        placement.dialog = BesideThePicture(placement.dialog, request.picture, request.screen).value_or(placement.dialog);
    placement.buttonLeft = width / 2 - request.buttonWidth / 2;
    return placement;
}

AnswerFeedback CheckAnswer(PracticeRun &run, const QString &typed, quint32 elapsedMs, Random &random,
                           const FontsForWord &fontsFor, const QLocale &locale)
{
    AnswerFeedback feedback;
    if (typed.isEmpty())
        return feedback;
    if (run.ended || run.newTaskDue) {
        feedback.outcome = AnswerFeedback::Outcome::Ignored;
        return feedback;
    }
    const ConvertedAnswer answer = ConvertAnswerText(typed);
    if (!answer.value) {
        feedback.outcome = AnswerFeedback::Outcome::Refused;
        return feedback;
    }
    const bool failedBefore = run.currentTask.taskFailed;
    const PracticeRun::Verdict verdict = run.recordAnswer(*answer.value);
    feedback.answered = AnsweredTaskOf(run, *answer.value, elapsedMs, QDateTime::currentDateTime());
    if (verdict == PracticeRun::Verdict::Wrong) {
        const AnsweredTask &wrong = *feedback.answered;
        // A wrong answer always shows a mistake, "anderer Fehler" at least.
        const auto mistake = RecogniseMistake(run.kindInfo(), wrong.task, wrong.expected, wrong.given);
        run.mistakeNote = MistakeNote(run.kindInfo(), *mistake, wrong.task, wrong.expected, wrong.given);
        run.revisitMistake(*mistake);
        feedback.outcome = AnswerFeedback::Outcome::Wrong;
        feedback.word = BlameWords().at(random.below(qint32(BlameWords().size())));
        return feedback;
    }
    feedback.outcome = AnswerFeedback::Outcome::Right;
    feedback.word = failedBefore ? NowItIsRightText()
                                 : PraiseWords().at(random.below(qint32(PraiseWords().size())));
    const QStringList faces = fontsFor(feedback.word);
    if (!faces.isEmpty())
        feedback.fontFamily = faces.at(random.below(qint32(faces.size())));
    // The whole task counts, wrong attempts included; the average divides by right answers.
    run.totalThinkTime += elapsedMs / 1000.0;
    feedback.averageCaption = AverageTimeCaption(run.averageThinkTime(), locale);
    return feedback;
}
