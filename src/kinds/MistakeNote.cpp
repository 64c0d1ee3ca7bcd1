#include "kinds/MistakeNote.h"

#include "core/DigitGroups.h"
#include "core/TaskTypes.h"
#include "generators/writing/NumberWords.h"

#include <QStringList>

namespace {

// Words up to this length share their line with "schreibt man 43."; longer ones would
// make the correction wider than its worked solution.
constexpr qsizetype WordsSharingALine = 24;

// "Dreiundvierzig schreibt man 43.": the words as the worked solution writes them, the
// millions on a line of their own, as a sentence starts. A number without words (below
// ten) is just named.
QString howItIsWritten(qint32 n)
{
    QString words = NumberToWords(n).trimmed();
    if (words.isEmpty())
        return QStringLiteral("Richtig ist %1.").arg(FormatGrouped(n));
    words[0] = words.at(0).toUpper();
    const qsizetype lastLine = words.size() - words.lastIndexOf(CarriageReturn) - 1;
    const QChar before = lastLine <= WordsSharingALine ? QChar(QLatin1Char(' ')) : CarriageReturn;
    return words + before + QStringLiteral("schreibt man %1.").arg(FormatGrouped(n));
}

QString whatTheChildDid(const KindInfo &kind, qint32 given)
{
    return (kind.answeredByPointing() ? QStringLiteral("Du hast auf %1 gezeigt.")
                                      : QStringLiteral("Du hast %1 geschrieben."))
        .arg(FormatGrouped(given));
}

// The one thing to look at next time.
QString whatToLookAt(ErrorPattern pattern, const QString &shownTask, qint32 expected)
{
    switch (pattern) {
    case ErrorPattern::Zahlendreher:
        return howItIsWritten(expected);
    case ErrorPattern::Stellenwert:
        return QStringLiteral("Jede Ziffer hat ihren Platz:") + CarriageReturn + howItIsWritten(expected);
    case ErrorPattern::Rundungsrichtung:
        return QStringLiteral("Ab 5 rundet man auf,\runter 5 rundet man ab.");
    case ErrorPattern::Rundungsstelle:
        return QStringLiteral("Schau genau hin:\r%1.").arg(shownTask.section(QLatin1Char(':'), 0, 0).trimmed());
    case ErrorPattern::Skala: {
        const std::optional<qint64> tick = RecordedLineTick(shownTask);
        if (!tick)
            return QStringLiteral("Zähle zuerst, wie viel\rein Strich weiter ist.");
        return QStringLiteral("Von einem Strich zum nächsten\rsind es hier %1.").arg(FormatGrouped(qint32(*tick)));
    }
    case ErrorPattern::Nachbarstrich:
        return QStringLiteral("Das ist ein Strich daneben.\rRichtig ist %1.").arg(FormatGrouped(expected));
    case ErrorPattern::Roemisch:
        return QStringLiteral("Steht ein kleineres Zeichen\rvor einem größeren,\rzieht man es ab.");
    case ErrorPattern::Folge: {
        const std::optional<qint64> step = RecordedSequenceStep(shownTask);
        if (!step || *step == 0)
            return QStringLiteral("Schau, um wie viel\rdie Zahlen wachsen.");
        return QStringLiteral("Die Zahlen werden hier\rimmer um %1 %2.")
            .arg(FormatGrouped(qint32(qAbs(*step))), *step > 0 ? QStringLiteral("größer") : QStringLiteral("kleiner"));
    }
    case ErrorPattern::Other:
        break;
    }
    return QString();
}

} // namespace

QString MistakeNote(const KindInfo &kind, ErrorPattern pattern, const QString &shownTask, qint32 expected,
                    qint32 given)
{
    if (pattern == ErrorPattern::Other)
        return QString();
    return QStringList{QStringLiteral("Achtung, %1!").arg(ErrorPatternName(pattern)), whatTheChildDid(kind, given),
                       whatToLookAt(pattern, shownTask, expected)}
        .join(CarriageReturn);
}
