// What is read aloud: numbers as whole German words, each kind's task in the order the
// child reads it, the correction with its word and solution, and no digit from any
// generator ever reaching the voice.

#include "TestSupport.h"
#include "kinds/ErrorPatterns.h"
#include "kinds/Kinds.h"
#include "kinds/MistakeNote.h"
#include "run/ShownTask.h"
#include "run/SpokenText.h"

#include <QSet>

#include <QRegularExpression>
#include <QtTest>

namespace {

const QString CR(CarriageReturn);

GeneratedTask shownTask(const QString &label1, int label1Top, const QString &label3, int label3Top,
                        const QString &taskText, qint32 expectedAnswer)
{
    GeneratedTask task;
    task.layout.label1.caption = label1;
    task.layout.label1.top = label1Top;
    task.layout.label3.caption = label3;
    task.layout.label3.top = label3Top;
    task.taskText = taskText;
    task.expectedAnswer = expectedAnswer;
    return task;
}

} // namespace

Q_DECLARE_METATYPE(GeneratedTask)

class SpokenTextTest : public QObject
{
    Q_OBJECT
private slots:
    void numbersAreWholeWordsNeverDigitGroups_data();
    void numbersAreWholeWordsNeverDigitGroups();
    void taskIsReadInTheOrderItIsShown_data();
    void taskIsReadInTheOrderItIsShown();
    void correctionReadsWordAndSolution_data();
    void correctionReadsWordAndSolution();
    void noDigitFromAnyGeneratorReachesTheVoice_data();
    void noDigitFromAnyGeneratorReachesTheVoice();
    void noDigitOfAMistakeNoteReachesTheVoice();
};

void SpokenTextTest::numbersAreWholeWordsNeverDigitGroups_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("spoken");
    QTest::newRow("0") << "0" << "null";
    QTest::newRow("7") << "7" << "sieben";
    QTest::newRow("1 alone is eins") << "1" << "eins";
    QTest::newRow("10") << "10" << "zehn";
    QTest::newRow("group blank") << "6 680" << "sechstausendsechshundertachtzig";
    QTest::newRow("one million one") << "1 000 001" << "eine Million eins";
    QTest::newRow("whole millions") << "2 000 000" << "zwei Millionen";
    QTest::newRow("millions and rest") << "12 000 345" << "zwölf Millionen dreihundertfünfundvierzig";
    QTest::newRow("largest word number") << "999 999 999"
                                         << "neunhundertneunundneunzig Millionen "
                                            "neunhundertneunundneunzigtausendneunhundertneunundneunzig";
    QTest::newRow("beyond the words: digit by digit") << "1234567890" << "eins zwei drei vier fünf sechs sieben acht neun null";
    QTest::newRow("sequence gaps are no groups") << "9    8    700" << "neun    acht    siebenhundert";
    QTest::newRow("inside a sentence") << "Runde 345 auf Zehner" << "Runde dreihundertfünfundvierzig auf Zehner";
}

void SpokenTextTest::numbersAreWholeWordsNeverDigitGroups()
{
    QFETCH(QString, text);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenNumbers(text), spoken);
}

void SpokenTextTest::taskIsReadInTheOrderItIsShown_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<GeneratedTask>("task");
    QTest::addColumn<QString>("spoken");
    const QString arrow = QStringLiteral("Auf welche Zahl zeigt der Pfeil?");
    QTest::newRow("102 number line") << 102 << shownTask(arrow, 30, QString(), 128, "140", 140) << arrow;
    QTest::newRow("109 show a number")
        << 109 << shownTask("Klicke mit der Maus auf die Zahl:", 30, "6 680", 60, "6 680", 231)
        << "Klicke mit der Maus auf die Zahl: sechstausendsechshundertachtzig";
    QTest::newRow("110 two-line question")
        << 110 << shownTask("Wie groß ist der Abstand" + CR + "zwischen den beiden Pfeilen?", 28, QString(), 128, "35", 70)
        << "Wie groß ist der Abstand zwischen den beiden Pfeilen?";
    QTest::newRow("201 instruction stands above the words")
        << 201 << shownTask("siebenhundertzehn", 90, "Schreibe als Zahl:", 50, "siebenhundertzehn", 710)
        << "Schreibe als Zahl: siebenhundertzehn";
    QTest::newRow("203 millions line and rest")
        << 203 << shownTask("eine Million" + CR + "eins", 90, "Schreibe als Zahl:", 50, "eine Million" + CR + "eins", 1000001)
        << "Schreibe als Zahl: eine Million eins";
    QTest::newRow("301 number inside the instruction")
        << 301 << shownTask("Runde auf Zehner", 55, QString("6 680 ") + QChar(0xBB) + ' ', 90,
                            QString("6 680 ") + QChar(0xBB) + ' ', 6680)
        << "Runde sechstausendsechshundertachtzig auf Zehner";
    QTest::newRow("304 rounds to nothing but words")
        << 304 << shownTask("Runde auf Zehntausender", 55, QString("7 ") + QChar(0x2248), 90, QString("7 ") + QChar(0x2248), 0)
        << "Runde sieben auf Zehntausender";
    QTest::newRow("401 numeral letter by letter")
        << 401 << shownTask("Übertrage in unsere Schreibweise:", 55, "MCMXCIV = ", 90, "MCMXCIV = ", 1994)
        << "Übertrage in unsere Schreibweise: M, C, M, X, C, I, V";
    QTest::newRow("402 gap is Lücke")
        << 402 << shownTask("Ergänze die fehlende Zahl", 55, "9    8    7    6    5", 110, "9    8    7    6    5", 6)
        << "Ergänze die fehlende Zahl: neun, acht, sieben, Lücke, fünf";
    QTest::newRow("402 gap first, tenfold")
        << 402 << shownTask("Ergänze die fehlende Zahl", 55, "90    80    70    60    50", 110, "90    80    70    60    50", 90)
        << "Ergänze die fehlende Zahl: Lücke, achtzig, siebzig, sechzig, fünfzig";
    QTest::newRow("403 counting") << 403 << shownTask("Wie viele Punkte sind verdeckt?", 20, QString(), 128, "7", 7)
                                  << "Wie viele Punkte sind verdeckt?";
}

void SpokenTextTest::taskIsReadInTheOrderItIsShown()
{
    QFETCH(qint32, kind);
    QFETCH(GeneratedTask, task);
    QFETCH(QString, spoken);
    QCOMPARE(SpokenTask(kind, task), spoken);
}

void SpokenTextTest::correctionReadsWordAndSolution_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<QString>("solution");
    QTest::addColumn<QString>("spokenSolution");
    QTest::newRow("102 number") << 102 << "2 450" << "zweitausendvierhundertfünfzig";
    QTest::newRow("109 hint") << 109 << "Ziele genauer!" << "Ziele genauer!";
    QTest::newRow("203 lines and equals")
        << 203 << "eine Million" + CR + "eins" + CR + "= 1 000 001" << "eine Million, eins, gleich eine Million eins";
    QTest::newRow("301 approximately, old sign")
        << 301 << "Runde auf Zehner" + CR + "12 345 " + QChar(0xBB) + " 12 350"
        << "Runde auf Zehner, zwölftausenddreihundertfünfundvierzig ungefähr zwölftausenddreihundertfünfzig";
    QTest::newRow("301 approximately, new sign")
        << 301 << "Runde auf Zehner" + CR + "3 " + QChar(0x2248) + " 0" << "Runde auf Zehner, drei ungefähr null";
    QTest::newRow("401 numeral equals number") << 401 << "MCMXCIV = 1 994"
                                               << "M, C, M, X, C, I, V gleich eintausendneunhundertvierundneunzig";
    QTest::newRow("402 whole sequence") << 402 << "9    8    7    6    5" << "neun, acht, sieben, sechs, fünf";
}

void SpokenTextTest::correctionReadsWordAndSolution()
{
    QFETCH(qint32, kind);
    QFETCH(QString, solution);
    QFETCH(QString, spokenSolution);
    QCOMPARE(SpokenCorrection(kind, "Schade!", solution),
             "Schade! So wird die Aufgabe richtig gelöst: " + spokenSolution);
}

void SpokenTextTest::noDigitFromAnyGeneratorReachesTheVoice_data()
{
    QTest::addColumn<qint32>("kind");
    for (const KindInfo *kind : PractisedKinds())
        QTest::newRow(qPrintable(QString::number(kind->code))) << kind->code;
}

void SpokenTextTest::noDigitFromAnyGeneratorReachesTheVoice()
{
    QFETCH(qint32, kind);
    const KindInfo *info = FindKind(kind);
    QVERIFY(info != nullptr && info->generator != nullptr);
    static const QRegularExpression digitOrDoubleBlank(QStringLiteral("\\d|  "));
    Random random(kind);
    for (const qint32 rightCount : {0, 12, 49}) {
        for (int i = 0; i < 200; ++i) {
            GenerationContext context = MakeContext(random, rightCount, 0, i % 2 == 0 ? 1.0 : 1.28);
            const GeneratedTask task = info->generator(context, info->level);
            const QString spoken = SpokenTask(kind, task);
            const QString correction = SpokenCorrection(kind, "Schade!", task.solutionText);
            QVERIFY2(!spoken.isEmpty() && !spoken.contains(digitOrDoubleBlank), qPrintable(task.taskText + " -> " + spoken));
            QVERIFY2(!correction.contains(digitOrDoubleBlank), qPrintable(task.solutionText + " -> " + correction));
            if (kind == 402)
                QCOMPARE(spoken.count(QStringLiteral("Lücke")), 1);
        }
    }
}

// Wrong answers a child gives to real tasks of every kind, with the mistakes they show
// named in the correction: whatever the pattern, the voice gets words, never digits, and
// every pattern's note is read at least once.
void SpokenTextTest::noDigitOfAMistakeNoteReachesTheVoice()
{
    static const QRegularExpression digitOrDoubleBlank(QStringLiteral("\\d|  "));
    QSet<int> named;
    for (const KindInfo *kind : PractisedKinds()) {
        Random random(kind->code);
        for (const qint32 rightCount : {0, 12, 49}) {
            for (int i = 0; i < 40; ++i) {
                GenerationContext context = MakeContext(random, rightCount, 0, 1.0);
                const GeneratedTask task = kind->generator(context, kind->level);
                const QString shown = ShownTaskOf(*kind, task);
                const qint32 asked = AskedNumber(*kind, task);
                const qint32 swapped = asked - asked % 100 + asked % 10 * 10 + asked / 10 % 10;
                for (const qint32 given : {asked + 1, asked - 10, asked + 2, asked * 10, asked / 10, swapped}) {
                    const std::optional<ErrorPattern> mistake = RecogniseMistake(*kind, shown, asked, given);
                    if (!mistake || *mistake == ErrorPattern::Other)
                        continue;
                    named.insert(int(*mistake));
                    const QString note = MistakeNote(*kind, *mistake, shown, asked, given);
                    // No line left empty or begun with a blank by a number without words.
                    for (const QString &line : note.split(CarriageReturn))
                        QVERIFY2(!line.isEmpty() && line.at(0).isLetter(), qPrintable(note));
                    const QString spoken = SpokenCorrection(kind->code, "Schade!", task.solutionText, note);
                    QVERIFY2(spoken.startsWith("Schade! Achtung, ") && !spoken.contains(digitOrDoubleBlank),
                             qPrintable(note + " -> " + spoken));
                }
            }
        }
    }
    QCOMPARE(named.size(), 8);
}

QTEST_GUILESS_MAIN(SpokenTextTest)
#include "tst_spokentext.moc"
