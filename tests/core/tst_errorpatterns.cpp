// The mistakes recognised in wrong answers, with real tasks of every kind each applies to,
// the task written as the answer record holds it.

#include "kinds/ErrorPatterns.h"
#include "kinds/MistakeNote.h"

#include <QTest>

class TestErrorPatterns : public QObject
{
    Q_OBJECT
private slots:
    void wrongAnswerGetsAnotherName_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<QString>("task");
        QTest::addColumn<qint32>("expected");
        QTest::addColumn<qint32>("given");
        QTest::addColumn<QString>("pattern");

        const QString dreher = QStringLiteral("Zahlendreher"), stelle = QStringLiteral("Stellenwert"),
                      richtung = QStringLiteral("Rundungsrichtung"), rundungsstelle = QStringLiteral("Rundungsstelle"),
                      skala = QStringLiteral("Skala"), nachbar = QStringLiteral("Nachbarstrich"),
                      roemisch = QStringLiteral("Römisch"), folge = QStringLiteral("Folge"),
                      other = QStringLiteral("anderer Fehler");
        const auto row = [](const char *name, qint32 kind, const char *task, qint32 expected, qint32 given,
                            const QString &pattern) {
            QTest::newRow(name) << kind << QString::fromUtf8(task) << expected << given << pattern;
        };
        row("201 dreiundvierzig as 34", 201, "dreiundvierzig", 43, 34, dreher);
        row("202 thousands swapped", 202, "dreiundvierzigtausendfünfhundertzwölf", 43'512, 34'512, dreher);
        row("203 in the thousands group", 203, "zwei Millionen dreiundsechzigtausend", 2'063'000, 2'036'000, dreher);
        row("204 mixed", 204, "siebenundachtzig", 87, 78, dreher);
        row("109 63 looked for between 30 and 40", 109, "0 bis 100", 63, 36, dreher);
        row("102 read as 36", 102, "0 bis 100", 63, 36, dreher);
        row("301 thousands of the rounded number", 301, "Runde auf Zehner: 34 512", 34'510, 43'510, dreher);
        row("402 term swapped", 402, "61, 58, 55, _, 49", 52, 25, dreher);
        row("403 dots counted", 403, "Punktefeld 10 × 10", 27, 72, dreher);
        row("505 vierundsechzig as 46", 505, "vierundsechzig", 64, 46, dreher);
        row("508 neighbour swapped", 508, "Welche Zahl kommt direkt nach 45?", 46, 64, dreher);
        row("508 the ten as its digit", 508, "Welcher Zehner kommt nach 47?", 50, 5, stelle);
        row("508 the other neighbour", 508, "Welche Zahl kommt direkt vor 47?", 46, 48, other);
        row("201 hundreds and tens are no swap", 201, "vierhundertzweiunddreißig", 432, 342, other);
        row("201 a zero is no swapped digit", 201, "dreihundertvier", 304, 340, stelle);

        row("201 zero missing", 201, "dreihundertfünf", 305, 35, stelle);
        row("201 zero too many", 201, "dreihundertfünf", 305, 3'005, stelle);
        row("202 zero missing", 202, "vierzigtausendsiebenhundert", 40'700, 4'700, stelle);
        row("202 zero too many", 202, "vierzigtausendsiebenhundert", 40'700, 400'700, stelle);
        row("202 digit in the wrong place", 202, "vierzigtausendsiebenhundert", 40'700, 47'000, stelle);
        row("203 zeros of the thousands left out", 203, "zwei Millionen fünfzigtausend", 2'050'000, 250'000, stelle);
        row("302 zero left out of the rounded number", 302, "Runde auf Hunderter: 40 549", 40'500, 4'050, stelle);

        row("301 down at 5", 301, "Runde auf Zehner: 4 345", 4'350, 4'340, richtung);
        row("302 up below 5", 302, "Runde auf Hunderter: 7 349", 7'300, 7'400, richtung);
        row("303 down at 5", 303, "Runde auf Tausender: 82 500", 83'000, 82'000, richtung);
        row("304 up below 5", 304, "Runde auf Zehntausender: 344 999", 340'000, 350'000, richtung);
        row("305 mixed, down at 7", 305, "Runde auf Hunderter: 1 276", 1'300, 1'200, richtung);

        row("303 to the hundreds", 303, "Runde auf Tausender: 45 678", 46'000, 45'700, rundungsstelle);
        row("304 to the thousands", 304, "Runde auf Zehntausender: 349 999", 350'000, 349'000, rundungsstelle);
        row("305 to the hundreds", 305, "Runde auf Zehner: 1 234", 1'230, 1'200, rundungsstelle);
        row("301 to the hundreds, up", 301, "Runde auf Zehner: 4 345", 4'350, 4'400, rundungsstelle);

        row("102 every tick counted as one", 102, "0 bis 100", 30, 3, skala);
        row("103 every tick counted as one", 103, "300 bis 400", 350, 305, skala);
        row("104 ticks of 10 instead of 100", 104, "2 000 bis 3 000", 2'400, 2'040, skala);
        row("105 ticks of 100 instead of 10", 105, "500 bis 600", 520, 700, skala);
        row("109 placed with ticks of 10", 109, "0 bis 1 000", 600, 60, skala);
        row("110 distance with ticks of 10", 110, "0 bis 1 000", 300, 30, skala);
        row("110 distance with ticks of 1", 110, "500 bis 600", 40, 4, skala);

        row("102 one tick left", 102, "0 bis 100", 70, 60, nachbar);
        row("103 one tick right", 103, "400 bis 500", 450, 460, nachbar);
        row("104 one tick of 100", 104, "3 000 bis 4 000", 3'500, 3'400, nachbar);
        row("109 clicked one tick off", 109, "0 bis 100", 45, 55, nachbar);
        row("110 distance one tick short", 110, "0 bis 100", 35, 25, nachbar);

        row("401 IV read as VI", 401, "XIV", 14, 16, roemisch);
        row("401 XL read as LX", 401, "XL", 40, 60, roemisch);
        row("401 CM read as MC", 401, "MCMXC", 1'990, 2'190, roemisch);
        row("401 IX read as XI", 401, "IX", 9, 11, roemisch);
        row("401 every pair added", 401, "XCIV", 94, 116, roemisch);
        row("401 no pair to misread", 401, "XVI", 16, 14, other);

        row("402 one step further", 402, "3, 6, 9, _, 15", 12, 13, folge);
        row("402 step backwards", 402, "40, 35, 30, _, 20", 25, 35, folge);
        row("402 one step shorter", 402, "7, 14, _, 28, 35", 21, 20, folge);
        row("402 twice the step from the right", 402, "_, 12, 16, 20, 24", 8, 4, folge);

        row("301 none of them", 301, "Runde auf Zehner: 4 345", 4'350, 4'355, other);
        row("102 none of them", 102, "0 bis 100", 30, 45, other);
        row("201 none of them", 201, "dreiundvierzig", 43, 44, other);
        row("403 none of them", 403, "Punktefeld 10 × 10", 27, 26, other);
    }
    void wrongAnswerGetsAnotherName()
    {
        QFETCH(qint32, kind);
        QFETCH(QString, task);
        QFETCH(qint32, expected);
        QFETCH(qint32, given);
        QFETCH(QString, pattern);
        const KindInfo *info = FindKind(kind);
        QVERIFY(info != nullptr);
        const std::optional<ErrorPattern> found = RecogniseMistake(*info, task, expected, given);
        QVERIFY(found.has_value());
        QCOMPARE(ErrorPatternName(*found), pattern);
    }

    // The correction tells the child what the mistake was, with the task's own numbers.
    void childIsToldAnotherMistake_data()
    {
        QTest::addColumn<qint32>("kind");
        QTest::addColumn<QString>("task");
        QTest::addColumn<qint32>("expected");
        QTest::addColumn<qint32>("given");
        QTest::addColumn<QString>("note");
        const auto row = [](const char *name, qint32 kind, const char *task, qint32 expected, qint32 given,
                            const char *note) {
            QTest::newRow(name) << kind << QString::fromUtf8(task) << expected << given
                                << QString::fromUtf8(note).replace(QLatin1Char('|'), QChar(13));
        };
        row("Zahlendreher", 505, "dreiundvierzig", 43, 34,
            "Achtung, Zahlendreher!|Du hast 34 geschrieben.|Dreiundvierzig schreibt man 43.");
        // Long words stand on their own line, the millions on theirs, as in the solution.
        row("Zahlendreher, long words", 202, "dreiundvierzigtausendfünfhundertzwölf", 43'512, 34'512,
            "Achtung, Zahlendreher!|Du hast 34 512 geschrieben.|"
            "Dreiundvierzigtausendfünfhundertzwölf|schreibt man 43 512.");
        row("Zahlendreher in the millions", 203, "zwei Millionen dreiundsechzigtausend", 2'063'000, 2'036'000,
            "Achtung, Zahlendreher!|Du hast 2 036 000 geschrieben.|"
            "Zwei Millionen|dreiundsechzigtausend schreibt man 2 063 000.");
        row("Zahlendreher pointed at", 504, "0 bis 100", 63, 36,
            "Achtung, Zahlendreher!|Du hast auf 36 gezeigt.|Dreiundsechzig schreibt man 63.");
        row("Stellenwert", 508, "Welcher Zehner kommt nach 47?", 50, 5,
            "Achtung, Stellenwert!|Du hast 5 geschrieben.|Jede Ziffer hat ihren Platz:|Fünfzig schreibt man 50.");
        row("Stellenwert below ten, which has no number word", 508, "Welche Zahl kommt direkt nach 5?", 6, 60,
            "Achtung, Stellenwert!|Du hast 60 geschrieben.|Jede Ziffer hat ihren Platz:|Richtig ist 6.");
        row("Rundungsrichtung", 301, "Runde auf Zehner: 4 345", 4'350, 4'340,
            "Achtung, Rundungsrichtung!|Du hast 4 340 geschrieben.|Ab 5 rundet man auf,|unter 5 rundet man ab.");
        row("Rundungsstelle", 305, "Runde auf Tausender: 45 678", 46'000, 45'700,
            "Achtung, Rundungsstelle!|Du hast 45 700 geschrieben.|Schau genau hin:|Runde auf Tausender.");
        row("Skala", 103, "300 bis 400", 350, 305,
            "Achtung, Skala!|Du hast 305 geschrieben.|Von einem Strich zum nächsten|sind es hier 10.");
        row("Nachbarstrich pointed at", 503, "0 bis 10", 14, 15,
            "Achtung, Nachbarstrich!|Du hast auf 15 gezeigt.|Das ist ein Strich daneben.|Richtig ist 14.");
        row("Römisch", 401, "XIV", 14, 16,
            "Achtung, Römisch!|Du hast 16 geschrieben.|"
            "Steht ein kleineres Zeichen|vor einem größeren,|zieht man es ab.");
        row("Folge falling", 402, "40, 35, 30, _, 20", 25, 35,
            "Achtung, Folge!|Du hast 35 geschrieben.|Die Zahlen werden hier|immer um 5 kleiner.");
        row("anderer Fehler says nothing more", 201, "dreiundvierzig", 43, 44, "");
    }
    void childIsToldAnotherMistake()
    {
        QFETCH(qint32, kind);
        QFETCH(QString, task);
        QFETCH(qint32, expected);
        QFETCH(qint32, given);
        QFETCH(QString, note);
        const KindInfo &info = *FindKind(kind);
        const std::optional<ErrorPattern> found = RecogniseMistake(info, task, expected, given);
        QVERIFY(found.has_value());
        QCOMPARE(MistakeNote(info, *found, task, expected, given), note);
    }

    void rightAnswerCountsAsMistake()
    {
        for (const KindInfo &kind : AllKinds())
            QVERIFY(!RecogniseMistake(kind, QStringLiteral("0 bis 100"), 30, 30).has_value());
    }
};

QTEST_GUILESS_MAIN(TestErrorPatterns)
#include "tst_errorpatterns.moc"
