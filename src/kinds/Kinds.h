#pragma once
// The registry of exercise kinds: one descriptor per kind holds everything the program
// knows about it (titles, menu entry, generator, how it is answered and read aloud, its
// picture, the grade it serves). Whatever asks "which kind is this?" asks here; drawing,
// speaking and logging are left to the rooms that read the descriptor.

#include "core/Generation.h"
#include "kinds/TaskRecording.h"

#include <QString>
#include <QStringView>
#include <span>

// How the child gives the answer.
enum class Answering { Typed, Pointing };

// What the voice makes of a posed task and of its worked solution.
enum class Reading {
    ShownTexts,        // the captions as shown, numbers as words
    RoundingNumber,    // the instruction, then the number to round
    NumeralLetters,    // the instruction, then the Roman numeral letter by letter
    SequenceWithGap,   // the instruction, then the sequence with its gap as "Lücke"
    PlaceValues,       // "3 Z 4 E" as tens and ones, the answer field as "Lücke"
};

struct KindInfo
{
    qint32 code = 0;
    // The title the result log records: the log's key for the kind, never to be changed,
    // since every old run in every child's log is found by it. Empty: the kind is never
    // started on its own and so never logged under its own title.
    QStringView logTitle;
    QStringView windowCaption;          // the exercise window's title bar
    int family = 0;                     // the menu family, 1 to 5
    const char *menuName = nullptr;     // the menu entry's object name; nullptr: no entry
    QStringView menuCaption;            // the menu entry, with its mnemonic
    const char *separatorBefore = nullptr;   // the object name of a separator above the entry
    GeneratorFn generator = nullptr;
    int level = 0;                      // the generator's level argument
    // Kinds drawn anew for every task, each with equal chance; empty: the kind poses its
    // own tasks.
    std::span<const qint32> drawsFrom;
    Answering answering = Answering::Typed;
    Reading reading = Reading::ShownTexts;
    // The number-line picture is painted again, with help labels, before the correction.
    bool redrawsPicture = false;
    int grade = 0;                      // the school year it serves, 1 to 4
    qint32 largestNumber = 0;           // the largest number a task of the kind shows
    // How a task is written into the answer record, and the mistakes a wrong answer is
    // checked for, in the order they are tried; none: every wrong answer is "anderer Fehler".
    Recording recording = Recording::TaskText;
    std::span<const ErrorPattern> patterns;

    bool hasMenuEntry() const { return menuName != nullptr; }
    bool answeredByPointing() const { return answering == Answering::Pointing; }
    QString caption() const { return windowCaption.toString(); }
};

// The descriptor of a code, or nullptr for a code that is no kind.
const KindInfo *FindKind(qint32 code);
// Every kind, in the order of the menu.
std::span<const KindInfo> AllKinds();
// The kinds a child can start, each once: those with a menu entry, in the menu's order.
QList<const KindInfo *> PractisedKinds();
// The title of a menu family in the title window's menu bar.
QString KindFamilyTitle(int family);
// Whether a text is the title a run of some kind is logged under.
bool IsLoggedTitle(QStringView text);
// The kind a child can start for a code typed on the command line; nullptr when the text
// names none.
const KindInfo *PractisedKindOf(const QString &code);
// One line per practised kind, "CODE<TAB>Titel" with the title the log records.
QString KindListing();
// The code of the kind a task of `kind` is drawn from: its own, or one of the kinds it
// draws from.
qint32 DrawKindForTask(const KindInfo &kind, Random &random);
