#include "log/class/MistakeSummary.h"

#include "core/DigitGroups.h"
#include "kinds/ErrorPatterns.h"

#include <QHash>
#include <algorithm>

QString KindTitleOf(qint32 code)
{
    const KindInfo *kind = FindKind(code);
    return kind != nullptr && !kind->caption().isEmpty() ? kind->caption() : QString::number(code);
}

QString MistakeExample(const AnsweredTask &answer)
{
    const QString given = QStringLiteral(" → ") + FormatGrouped(answer.given);
    const KindInfo *kind = FindKind(answer.kind);
    switch (kind != nullptr ? kind->recording : Recording::TaskText) {
    case Recording::NumberLine:
    case Recording::LineDistance:
    case Recording::DotField:
        // The task shows no number to compare with: the one asked for goes first.
        return FormatGrouped(answer.expected) + QStringLiteral(" (") + answer.task + QLatin1Char(')') + given;
    default:
        return answer.task + given;
    }
}

QString AnswerLine(const AnsweredTask &answer)
{
    const KindInfo *kind = FindKind(answer.kind);
    QString line = answer.answeredAt.toString(QStringLiteral("dd.MM.yyyy HH:mm")) + QStringLiteral(" · ")
                 + KindTitleOf(answer.kind)
                 + QStringLiteral(" · Versuch ") + QString::number(answer.attempt) + QStringLiteral(" · ")
                 + MistakeExample(answer);
    const std::optional<ErrorPattern> mistake =
        kind != nullptr ? RecogniseMistake(*kind, answer.task, answer.expected, answer.given) : std::nullopt;
    if (mistake)
        line += QStringLiteral(" (richtig: ") + FormatGrouped(answer.expected) + QStringLiteral(") · ")
              + ErrorPatternName(*mistake);
    return line;
}

namespace {

void countMistake(KindMistakes &summary, ErrorPattern pattern, const AnsweredTask &answer)
{
    auto found = std::find_if(summary.patterns.begin(), summary.patterns.end(),
                              [&](const PatternCount &counted) { return counted.pattern == pattern; });
    if (found == summary.patterns.end()) {
        summary.patterns.append({pattern, 0, {}});
        found = summary.patterns.end() - 1;
    }
    ++found->count;
    if (found->examples.size() < ExamplesPerPattern)
        found->examples.append(MistakeExample(answer));
}

} // namespace

void MistakeTally::Count(const AnsweredTask &answer)
{
    const KindInfo *kind = FindKind(answer.kind);
    if (kind == nullptr)
        return;
    KindMistakes &summary = byKind[answer.kind];
    summary.kind = answer.kind;
    if (answer.attempt == 1)
        ++summary.tasks;
    if (const std::optional<ErrorPattern> mistake = RecogniseMistake(*kind, answer.task, answer.expected, answer.given)) {
        ++summary.wrong;
        countMistake(summary, *mistake, answer);
    }
}

QList<KindMistakes> MistakeTally::Summary() const
{
    QList<KindMistakes> summaries;
    for (const KindInfo &kind : AllKinds()) {
        const auto found = byKind.constFind(kind.code);
        if (found == byKind.cend())
            continue;
        KindMistakes summary = *found;
        // "anderer Fehler" last among equals: a named mistake tells the teacher more.
        std::stable_sort(summary.patterns.begin(), summary.patterns.end(),
                         [](const PatternCount &a, const PatternCount &b) {
                             if (a.count != b.count)
                                 return a.count > b.count;
                             return a.pattern != ErrorPattern::Other && b.pattern == ErrorPattern::Other;
                         });
        summaries.append(summary);
    }
    return summaries;
}
