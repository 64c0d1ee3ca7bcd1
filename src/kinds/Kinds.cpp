#include "kinds/Kinds.h"

#include "generators/counting/CountingDots.h"
#include "generators/numberline/NumberLineTasks.h"
#include "generators/roman/RomanNumerals.h"
#include "generators/rounding/Rounding.h"
#include "generators/sequences/NumberSequences.h"
#include "generators/upto100/FirstNumbers.h"
#include "generators/upto100/NeighbourNumbers.h"
#include "generators/upto100/PlaceValue.h"
#include "generators/upto100/QuickSeeing.h"
#include "generators/writing/WritingNumbers.h"

#include <array>

namespace {

// The mixed writing kind has no menu entry: it draws one of these for every task.
constexpr std::array<qint32, 2> MixedWriting = {201, 202};

// The mistakes each family of kinds is checked for, the likelier first where two could
// explain the same answer.
using P = ErrorPattern;
constexpr std::array ReadingArrow = {P::Nachbarstrich, P::Skala, P::Zahlendreher};
constexpr std::array FindingNumber = {P::Zahlendreher, P::Nachbarstrich, P::Skala};
constexpr std::array ReadingDistance = {P::Nachbarstrich, P::Skala};
constexpr std::array WritingDigits = {P::Zahlendreher, P::Stellenwert};
constexpr std::array RoundingMistakes = {P::Rundungsrichtung, P::Rundungsstelle, P::Zahlendreher, P::Stellenwert};
constexpr std::array ReadingNumerals = {P::Roemisch};
constexpr std::array ContinuingSequence = {P::Zahlendreher, P::Folge};
constexpr std::array CountingDots = {P::Zahlendreher};

// The one list of kinds. A new kind is one row here (with its generator and its tests);
// the list counts its rows itself.
std::span<const KindInfo> kindTable()
{
    using A = Answering;
    using R = Reading;
    using Rec = Recording;
    static const auto table = std::to_array<KindInfo>({
        {102, u"Zahlenstrahl bis 200", u"Zahlenstrahl bis 200", 1, "Strahl200", u"Zahlenstrahl bis     &200",
         nullptr, ZStrahl, 1, {}, A::Typed, R::ShownTexts, true, 3, 290, Rec::NumberLine, ReadingArrow},
        {103, u"Zahlenstrahl bis 1000", u"Zahlenstrahl bis 1000", 1, "Strahl2000", u"Zahlenstrahl bis  &1 000",
         nullptr, ZStrahl, 2, {}, A::Typed, R::ShownTexts, true, 3, 1'045, Rec::NumberLine, ReadingArrow},
        {104, u"Zahlenstrahl bis 10 000", u"Zahlenstrahl bis 10 000", 1, "ZahlenstrahlbisZT",
         u"Zahlenstrahl bis 10 &000", nullptr, ZStrahl, 3, {}, A::Typed, R::ShownTexts, true, 4, 10'450,
         Rec::NumberLine, ReadingArrow},
        {105, u"Gemischte Aufgaben zum Zahlenstrahl", u"Gemischte Aufgaben zum Zahlenstrahl", 1, "StrahlMixed",
         u"ge&mischte Aufgaben", nullptr, ZStrahl, 0, {}, A::Typed, R::ShownTexts, true, 4, 10'450,
         Rec::NumberLine, ReadingArrow},
        {109, u"Zahlen zeigen", u"Zahlen zeigen", 1, "Zeigen", u"Zahlen am Zahlenstrahl &zeigen", "N2", ZZeigen, 0,
         {}, A::Pointing, R::ShownTexts, true, 4, 10'450, Rec::NumberLine, FindingNumber},
        {110, u"Abstände", u"Abstände", 1, "Abstand", u"&Abstände", nullptr, Abstand, 0, {}, A::Typed,
         R::ShownTexts, false, 4, 10'450, Rec::LineDistance, ReadingDistance},
        {201, u"Schreibe Zahlen bis 1000", u"Schreibe Zahlen bis 1000", 2, "bisT", u"Zahlen bis      1 000",
         nullptr, Schreiben, 1, {}, A::Typed, R::ShownTexts, false, 3, 1'000, Rec::Words, WritingDigits},
        {202, u"Schreibe Zahlen bis 100 000", u"Schreibe Zahlen bis 100 000", 2, "bisHT", u"Zahlen bis  100 000",
         nullptr, Schreiben, 2, {}, A::Typed, R::ShownTexts, false, 4, 99'999, Rec::Words, WritingDigits},
        {203, u"Schreibe Zahlen größer als 1 Million", u"Schreibe Zahlen größer als 1 Million", 2, "ueber1M",
         u"Zahlen über 1 Million", nullptr, Schreiben, 3, {}, A::Typed, R::ShownTexts, false, 4, 98'999'999,
         Rec::Words, WritingDigits},
        // Never started on its own: the run draws 201 or 202 for every task.
        {204, {}, {}, 2, nullptr, {}, nullptr, Schreiben, 0, MixedWriting, A::Typed, R::ShownTexts, false, 4,
         99'999, Rec::Words, WritingDigits},
        {301, u"Runde auf Zehner", u"Runde auf Zehner", 3, "RundeaufZehner", u"Runde auf &Zehner", nullptr, Runden,
         1, {}, A::Typed, R::RoundingNumber, false, 4, 10'000, Rec::RoundingNumber, RoundingMistakes},
        {302, u"Runde auf Hunderter", u"Runde auf Hunderter", 3, "RundeaufHunderter", u"Runde auf &Hunderter",
         nullptr, Runden, 2, {}, A::Typed, R::RoundingNumber, false, 4, 100'000,
         Rec::RoundingNumber, RoundingMistakes},
        {303, u"Runde auf Tausender", u"Runde auf Tausender", 3, "RundeaufTausender", u"Runde auf &Tausender",
         nullptr, Runden, 3, {}, A::Typed, R::RoundingNumber, false, 4, 556'000,
         Rec::RoundingNumber, RoundingMistakes},
        {304, u"Runde auf Zehntausender", u"Runde auf Zehntausender", 3, "RundeaufZehntausender",
         u"Runde auf Z&ehntausender", nullptr, Runden, 4, {}, A::Typed, R::RoundingNumber, false, 4, 900'000,
         Rec::RoundingNumber, RoundingMistakes},
        {305, u"Gemischte Aufgaben zum Runden", u"Gemischte Aufgaben zum Runden", 3, "Rundegemischt",
         u"&gemischte Aufgaben", "N3", Runden, 0, {}, A::Typed, R::RoundingNumber, false, 4, 1'000'000,
         Rec::RoundingNumber, RoundingMistakes},
        {401, u"Römische Zahlen", u"Römische Zahlen", 4, "RmischeZahlen", u"&Römische Zahlen", nullptr, Roemisch,
         0, {}, A::Typed, R::NumeralLetters, false, 4, 3'999, Rec::Numeral, ReadingNumerals},
        {402, u"Zahlenfolgen", u"Zahlenfolgen", 4, "Zahlenfolgen1", u"Zahlen&folgen", nullptr, Folgen, 0, {},
         A::Typed, R::SequenceWithGap, false, 4, 28'450, Rec::SequenceWithGap, ContinuingSequence},
        {403, u"Zählen", u"Zählen", 4, "Zaehlen", u"\"Z&ählen\"", nullptr, Zaehlen, 0, {}, A::Typed,
         R::ShownTexts, false, 2, 100, Rec::DotField, CountingDots},
        {501, u"Zahlenstrahl bis 20", u"Zahlenstrahl bis 20", 5, "Strahl20", u"Zahlenstrahl bis &20", nullptr,
         StrahlBis, 20, {}, A::Typed, R::ShownTexts, true, 1, 20,
         Rec::NumberLine, ReadingArrow},
        {502, u"Zahlenstrahl bis 100", u"Zahlenstrahl bis 100", 5, "Strahl100", u"Zahlenstrahl bis &100", nullptr,
         StrahlBis, 100, {}, A::Typed, R::ShownTexts, true, 2, 100,
         Rec::NumberLine, ReadingArrow},
        {503, u"Zahlen zeigen bis 20", u"Zahlen zeigen bis 20", 5, "Zeigen20", u"Zahlen &zeigen bis 20", "N5",
         ZeigenBis, 20, {}, A::Pointing, R::ShownTexts, true, 1, 20,
         Rec::NumberLine, FindingNumber},
        {504, u"Zahlen zeigen bis 100", u"Zahlen zeigen bis 100", 5, "Zeigen100", u"Zahlen z&eigen bis 100",
         nullptr, ZeigenBis, 100, {}, A::Pointing, R::ShownTexts, true, 2, 100,
         Rec::NumberLine, FindingNumber},
        {505, u"Schreibe Zahlen bis 100", u"Schreibe Zahlen bis 100", 5, "Schreiben100",
         u"Zahlen &schreiben bis 100", "N6", SchreibenBis100, 0, {}, A::Typed, R::ShownTexts, false, 2, 100,
         Rec::Words, WritingDigits},
        {506, u"Zehner und Einer bis 100", u"Zehner und Einer bis 100", 5, "ZehnerEiner100",
         u"Zehner &und Einer bis 100", nullptr, ZehnerEiner, 0, {}, A::Typed, R::PlaceValues, false, 2, 99,
         Rec::TaskText, WritingDigits},
        {507, u"Wie viele? bis 20", u"Wie viele? bis 20", 5, "WieViele20", u"&Wie viele? bis 20", nullptr,
         WieViele, 0, {}, A::Typed, R::ShownTexts, false, 1, 20, Rec::TaskText, CountingDots},
        {508, u"Nachbarzahlen bis 100", u"Nachbarzahlen bis 100", 5, "Nachbarn100", u"&Nachbarzahlen bis 100",
         nullptr, Nachbarzahlen, 0, {}, A::Typed, R::ShownTexts, false, 2, 100, Rec::TaskText, WritingDigits},
    });
    return table;
}

} // namespace

std::span<const KindInfo> AllKinds()
{
    return kindTable();
}

QList<const KindInfo *> PractisedKinds()
{
    QList<const KindInfo *> kinds;
    for (const KindInfo &kind : kindTable()) {
        if (kind.hasMenuEntry())
            kinds.append(&kind);
    }
    return kinds;
}

QString KindFamilyTitle(int family)
{
    switch (family) {
    case 1: return QStringLiteral("Zahlenstrahl");
    case 2: return QStringLiteral("Zahlen &schreiben");
    case 3: return QStringLiteral("&Runden");
    case 4: return QStringLiteral("&Verschiedenes");
    case 5: return QStringLiteral("&Bis 100");
    default: return QString();
    }
}

const KindInfo *FindKind(qint32 code)
{
    for (const KindInfo &kind : kindTable()) {
        if (kind.code == code)
            return &kind;
    }
    return nullptr;
}

bool IsLoggedTitle(QStringView text)
{
    for (const KindInfo &kind : kindTable()) {
        if (!kind.logTitle.isEmpty() && kind.logTitle == text)
            return true;
    }
    return false;
}

const KindInfo *PractisedKindOf(const QString &code)
{
    bool isNumber = false;
    const qint32 number = code.trimmed().toInt(&isNumber);
    const KindInfo *kind = isNumber ? FindKind(number) : nullptr;
    return kind != nullptr && kind->hasMenuEntry() ? kind : nullptr;
}

QString KindListing()
{
    QString listing;
    for (const KindInfo *kind : PractisedKinds())
        listing += QString::number(kind->code) + QLatin1Char('\t') + kind->logTitle.toString() + QLatin1Char('\n');
    return listing;
}

qint32 DrawKindForTask(const KindInfo &kind, Random &random)
{
    if (kind.drawsFrom.empty())
        return kind.code;
    return kind.drawsFrom[size_t(random.below(qint32(kind.drawsFrom.size())))];
}
