// "Fehlerbilder" of a class read from the children's answer records: tasks, wrong answers
// and mistakes per child and kind, the class's most frequent mistakes, the exported rows.

#include "core/Cp1252.h"
#include "log/AnswerRecord.h"
#include "log/LogFile.h"
#include "log/class/ClassMistakes.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

AnsweredTask answer(qint32 kind, qint32 attempt, const char *task, qint32 expected, qint32 given)
{
    return {QDateTime(QDate(2026, 12, 7), QTime(10, 0, 0)), kind, attempt, QString::fromUtf8(task), expected, given,
            2.0};
}

void writeAnswers(const QTemporaryDir &classFolder, const QString &child, const QList<AnsweredTask> &answers)
{
    QVERIFY(QDir(classFolder.path()).mkpath(child));
    SetLogSettings({QString(), classFolder.filePath(child) + QLatin1Char('/'), true, 0});
    for (const AnsweredTask &given : answers)
        QCOMPARE(LogAnsweredTask(given).status, LogStatus::Done);
}

QByteArray stored(qint32 kind, qint32 attempt, const char *task, qint32 expected, qint32 given)
{
    return StoredLogLine(AnswerRecordFor(answer(kind, attempt, task, expected, given)));
}

// The summary as it was made before answers were summed up while being read: every line
// of the file split off, unmasked and taken apart on its own, then all of them counted.
QList<KindMistakes> summaryOfWholeFile(QByteArray bytes)
{
    bytes.replace("\r\n", "\n");
    bytes.replace('\r', '\n');
    QList<QByteArray> lines = bytes.split('\n');
    if (lines.last().isEmpty())
        lines.removeLast();
    MistakeTally tally;
    for (const QByteArray &line : lines) {
        if (const std::optional<AnsweredTask> read =
                ParseAnswerRecord(DecodeCp1252(MaskLogText(line)), QDate::currentDate(), Qt::UTC))
            tally.Count(*read);
    }
    return tally.Summary();
}

} // namespace

class TestClassMistakes : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(classFolder.isValid());
        writeAnswers(classFolder, QStringLiteral("ben"),
                     {answer(201, 1, "dreiundvierzig", 43, 34), answer(201, 2, "dreiundvierzig", 43, 43),
                      answer(201, 1, "siebenundachtzig", 87, 78), answer(201, 1, "dreihundertfünf", 305, 35),
                      answer(201, 1, "sechzehn", 16, 16), answer(301, 1, "Runde auf Zehner: 4 345", 4350, 4340),
                      answer(201, 1, "einundzwanzig", 21, 12), answer(201, 1, "zweiundfünfzig", 52, 25)});
        writeAnswers(classFolder, QStringLiteral("anna"),
                     {answer(401, 1, "XIV", 14, 16), answer(401, 2, "XIV", 14, 15), answer(401, 3, "XIV", 14, 14)});
        QVERIFY(QDir(classFolder.path()).mkpath(QStringLiteral("cem")));
        mistakes = ReadClassMistakes(classFolder.path());
    }

    void mistakesCountedUnderWrongChildOrKind()
    {
        QCOMPARE(mistakes.problems, QStringList());
        QCOMPARE(mistakes.children.size(), 2);
        const ChildMistakes &anna = mistakes.children.at(0);
        QCOMPARE(anna.child, QStringLiteral("anna"));
        QCOMPARE(anna.kinds.size(), 1);
        QCOMPARE(anna.kinds.at(0).tasks, 1);
        QCOMPARE(anna.kinds.at(0).wrong, 2);
        QCOMPARE(anna.kinds.at(0).patterns.size(), 2);
        QCOMPARE(anna.kinds.at(0).patterns.at(0).pattern, ErrorPattern::Roemisch);
        QCOMPARE(anna.kinds.at(0).patterns.at(1).pattern, ErrorPattern::Other);

        const ChildMistakes &ben = mistakes.children.at(1);
        QCOMPARE(ben.kinds.size(), 2);
        const KindMistakes &writing = ben.kinds.at(0);
        QCOMPARE(writing.kind, 201);
        QCOMPARE(writing.tasks, 6);
        QCOMPARE(writing.wrong, 5);
        QCOMPARE(writing.patterns.at(0).pattern, ErrorPattern::Zahlendreher);
        QCOMPARE(writing.patterns.at(0).count, 4);
        // Only the first examples are kept.
        QCOMPARE(writing.patterns.at(0).examples,
                 QStringList({QStringLiteral("dreiundvierzig → 34"), QStringLiteral("siebenundachtzig → 78"),
                              QStringLiteral("einundzwanzig → 12")}));
        QCOMPARE(writing.patterns.at(1).pattern, ErrorPattern::Stellenwert);
        QCOMPARE(ben.kinds.at(1).patterns.at(0).pattern, ErrorPattern::Rundungsrichtung);
    }

    void classTotalsMissAChildsMistakes()
    {
        const QList<PatternCount> totals = ClassPatternTotals(mistakes);
        QCOMPARE(totals.size(), 5);
        QCOMPARE(totals.at(0).pattern, ErrorPattern::Zahlendreher);
        QCOMPARE(totals.at(0).count, 4);
        int all = 0;
        for (const PatternCount &total : totals)
            all += total.count;
        QCOMPARE(all, 2 + 5 + 1);
    }

    void exportedRowsLoseColumns()
    {
        const QList<QStringList> rows = ClassMistakeRows(mistakes);
        QCOMPARE(rows.at(0), QStringList({QStringLiteral("Kind"), QStringLiteral("Übung"), QStringLiteral("Aufgaben"),
                                          QStringLiteral("Falsch"), QStringLiteral("Fehlerbild"),
                                          QStringLiteral("Anzahl"), QStringLiteral("Beispiele")}));
        QCOMPARE(rows.size(), 1 + 2 + 2 + 1);
        QCOMPARE(rows.at(3), QStringList({QStringLiteral("ben"), QStringLiteral("Schreibe Zahlen bis 1000"),
                                          QStringLiteral("6"), QStringLiteral("5"), QStringLiteral("Zahlendreher"),
                                          QStringLiteral("4"),
                                          QStringLiteral("dreiundvierzig → 34 | siebenundachtzig → 78 | "
                                                         "einundzwanzig → 12")}));
    }

    // The line and task buffers are kept from record to record: a long task before a short
    // one, a torn or forged record between good ones, or odd line ends must not leak into
    // the next answer.
    void streamedSummaryDiffersFromTheWholeFile_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray longTask = stored(201, 1, "siebenhundertneunundneunzigtausendachthundertvierundsiebzig", 799874,
                                           799847);
        const QByteArray shortTask = stored(201, 1, "elf", 11, 12);
        const QByteArray roman = stored(401, 1, "XIV", 14, 16);
        const QByteArray rounding = stored(301, 1, "Runde auf Zehner: 4 345", 4350, 4340);
        const QByteArray torn = stored(201, 1, "dreiundvierzig", 43, 34).chopped(4);
        QTest::newRow("long task before short ones") << longTask + shortTask + roman + shortTask + rounding;
        QTest::newRow("torn record between good ones") << roman + torn + shortTask + torn + longTask;
        QTest::newRow("torn last record without line end") << longTask + rounding + torn;
        QTest::newRow("forged records") << shortTask + StoredLogLine(QStringLiteral("2026-12-07 10:00:00;9999;1;elf;11;12;2,00"))
                                                   + StoredLogLine(QStringLiteral("2099-12-07 10:00:00;201;1;elf;11;12;2,00"))
                                                   + StoredLogLine(QStringLiteral("2026-12-07 10:00:00;201;1;elf;11;12;2,00;1"))
                                                   + QByteArray("2026-12-07 10:00:00;201;1;elf;11;12;2,00\r\n") + roman;
        QTest::newRow("empty lines, CR and LF alone") << longTask + "\r\n\r\n" + shortTask.chopped(2) + "\r"
                                                          + roman.chopped(2) + "\n" + rounding.chopped(2);
        QTest::newRow("nothing valid") << torn + "\r\n" + torn;
    }

    void streamedSummaryDiffersFromTheWholeFile()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir folder;
        QVERIFY(QDir(folder.path()).mkpath(QStringLiteral("dora")));
        QFile record(ChildAnswersPath(folder.path(), QStringLiteral("dora")));
        QVERIFY(record.open(QIODevice::WriteOnly) && record.write(bytes) == bytes.size());
        record.close();
        const QList<KindMistakes> whole = summaryOfWholeFile(bytes);
        ClassMistakes expected;
        if (!whole.isEmpty())
            expected.children.append({QStringLiteral("dora"), whole});
        const ClassMistakes streamed = ReadClassMistakes(folder.path());
        QCOMPARE(streamed.problems, QStringList());
        QCOMPARE(ClassMistakeRows(streamed), ClassMistakeRows(expected));
    }

private:
    QTemporaryDir classFolder;
    ClassMistakes mistakes;
};

QTEST_GUILESS_MAIN(TestClassMistakes)
#include "tst_classmistakes.moc"
