#pragma once
// The exercise titles: the caption of the exercise window for each kind with a menu entry,
// which is also the title the result log records for a run. The kind table and the log's
// reading of a record both take them from here; the rest of a kind is the run's.

#include <QString>
#include <QStringView>
#include <array>

struct KindTitle
{
    qint32 code;
    QStringView title;
};

inline constexpr std::array<KindTitle, 17> KindTitles = {{
    {102, u"Zahlenstrahl bis 200"},
    {103, u"Zahlenstrahl bis 1000"},
    {104, u"Zahlenstrahl bis 10 000"},
    {105, u"Gemischte Aufgaben zum Zahlenstrahl"},
    {109, u"Zahlen zeigen"},
    {110, u"Abstände"},
    {201, u"Schreibe Zahlen bis 1000"},
    {202, u"Schreibe Zahlen bis 100 000"},
    {203, u"Schreibe Zahlen größer als 1 Million"},
    {301, u"Runde auf Zehner"},
    {302, u"Runde auf Hunderter"},
    {303, u"Runde auf Tausender"},
    {304, u"Runde auf Zehntausender"},
    {305, u"Gemischte Aufgaben zum Runden"},
    {401, u"Römische Zahlen"},
    {402, u"Zahlenfolgen"},
    {403, u"Zählen"},
}};

// The title of a kind; empty for a kind without menu entry or a code outside the table.
inline QString TitleOfKind(qint32 code)
{
    for (const KindTitle &kind : KindTitles) {
        if (kind.code == code)
            return kind.title.toString();
    }
    return QString();
}

// Whether a text is one of the titles, exactly as the exercise window shows it.
inline bool IsExerciseTitle(QStringView text)
{
    for (const KindTitle &kind : KindTitles) {
        if (kind.title == text)
            return true;
    }
    return false;
}
