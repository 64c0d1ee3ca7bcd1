// The answer record beside the result log: its records read back as written, the one
// validity rule keeps forged and torn records out, a killed writer loses no answer, and
// the file gets the result log's permissions.

#include "helpers/HelperAnswer.h"
#include "log/AnswerRecord.h"

#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <signal.h>
#include <sys/stat.h>

namespace {

const QString ValidRecord = QStringLiteral("2026-12-07 11:08:51;301;2;Runde auf Zehner: 4 345;4350;4340;3,42");
const QDate Today(2026, 12, 9);

QString filePath(const QTemporaryDir &directory, const char *name)
{
    return directory.filePath(QString::fromLatin1(name));
}

} // namespace

Q_DECLARE_METATYPE(AnsweredTask)

class TestAnswerRecord : public QObject
{
    Q_OBJECT

private slots:
    void writtenAnswerReadsBackDifferently_data()
    {
        QTest::addColumn<AnsweredTask>("answer");
        QTest::addColumn<AnsweredTask>("readBack");
        AnsweredTask rounding = HelperAnswer(3);
        rounding.thinkSeconds = 3.42;
        QTest::newRow("rounding, later try") << rounding << rounding;
        AnsweredTask negative = HelperAnswer(4);
        negative.given = -12;
        negative.kind = 402;
        negative.task = QStringLiteral("3; 6; _; 12");
        negative.thinkSeconds = 0.0;
        AnsweredTask commas = negative;
        commas.task = QStringLiteral("3, 6, _, 12");
        QTest::newRow("semicolons of the task become commas") << negative << commas;
        AnsweredTask forgotten = HelperAnswer(5);
        forgotten.thinkSeconds = 86'400.0;
        AnsweredTask capped = forgotten;
        capped.thinkSeconds = 9'999.99;
        QTest::newRow("a task left open all day is capped") << forgotten << capped;
    }
    void writtenAnswerReadsBackDifferently()
    {
        QFETCH(AnsweredTask, answer);
        QFETCH(AnsweredTask, readBack);
        const std::optional<AnsweredTask> parsed = ParseAnswerRecord(AnswerRecordFor(answer), Today);
        QVERIFY(parsed.has_value());
        QCOMPARE(parsed->answeredAt, readBack.answeredAt);
        QCOMPARE(parsed->kind, readBack.kind);
        QCOMPARE(parsed->attempt, readBack.attempt);
        QCOMPARE(parsed->task, readBack.task);
        QCOMPARE(parsed->expected, readBack.expected);
        QCOMPARE(parsed->given, readBack.given);
        QCOMPARE(qRound(parsed->thinkSeconds * 100), qRound(readBack.thinkSeconds * 100));
    }

    void forgedRecordIsCounted_data()
    {
        QTest::addColumn<QString>("record");
        const auto with = [](int field, const char *value) {
            QStringList fields = ValidRecord.split(QLatin1Char(';'));
            fields[field] = QString::fromUtf8(value);
            return fields.join(QLatin1Char(';'));
        };
        QTest::newRow("the day after tomorrow") << with(0, "2026-12-11 08:00:00");
        QTest::newRow("no such day") << with(0, "2026-02-30 08:00:00");
        QTest::newRow("date of the result log") << with(0, "07.12.26 11:08:51");
        QTest::newRow("a kind that is none") << with(1, "999");
        QTest::newRow("try 0") << with(2, "0");
        QTest::newRow("try with a leading zero") << with(2, "02");
        QTest::newRow("no task") << with(3, " ");
        QTest::newRow("a task longer than any") << with(3, QByteArray(MaxShownTaskLength + 1, 'x').constData());
        QTest::newRow("expected not a number") << with(4, "4350x");
        QTest::newRow("given beyond the field") << with(5, "99999999999");
        QTest::newRow("minus nought") << with(5, "-0");
        QTest::newRow("seconds with a point") << with(6, "3.42");
        QTest::newRow("seconds with one decimal") << with(6, "3,4");
        QTest::newRow("an eighth field") << ValidRecord + QStringLiteral(";1");
        // Every record torn short of its end.
        for (qsizetype length = 0; length < ValidRecord.size(); ++length)
            QTest::addRow("torn after %d characters", int(length)) << ValidRecord.left(length);
    }
    void forgedRecordIsCounted()
    {
        QFETCH(QString, record);
        QVERIFY(ParseAnswerRecord(ValidRecord, Today).has_value());
        QVERIFY(!ParseAnswerRecord(record, Today).has_value());
    }

    void killedWriterLosesAnswers()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        QProcess writer;
        writer.start(qEnvironmentVariable("BRIMBELO_TEST_HELPERS") + QStringLiteral("/answer_append_helper"),
                     {directory.path() + QLatin1Char('/'), QStringLiteral("1000000")});
        QVERIFY(writer.waitForStarted());
        QByteArray told;
        while (told.count('\n') < 300 && writer.waitForReadyRead(20000))
            told += writer.readAllStandardOutput();
        QCOMPARE(::kill(pid_t(writer.processId()), SIGKILL), 0);
        QVERIFY(writer.waitForFinished(20000));
        told += writer.readAllStandardOutput();
        const int written = int(told.count('\n'));
        QVERIFY(written >= 300);

        QStringList lines;
        QCOMPARE(ReadLogFileAt(filePath(directory, AnswerFileName), lines).status, LogStatus::Done);
        const QList<AnsweredTask> answers = ParseAnswerRecords(lines);
        // The answer being written at the kill may have arrived whole, or torn and not counted.
        QVERIFY(answers.size() == written || answers.size() == written + 1);
        QVERIFY(lines.size() - answers.size() <= 1);
        for (int i = 0; i < answers.size(); ++i)
            QCOMPARE(answers.at(i).task, HelperAnswer(i).task);

        // The next answer starts a line of its own and counts.
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
        QCOMPARE(LogAnsweredTask(HelperAnswer(7)).status, LogStatus::Done);
        QList<AnsweredTask> after;
        QCOMPARE(ReadAnswersAt(filePath(directory, AnswerFileName), after).status, LogStatus::Done);
        QCOMPARE(after.size(), answers.size() + 1);
        QCOMPARE(after.last().task, HelperAnswer(7).task);
    }

    void tornRecordOnDiskSpoilsTheNext()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        QFile stored(filePath(directory, AnswerFileName));
        QVERIFY(stored.open(QIODevice::WriteOnly));
        stored.write(MaskLogText(ValidRecord.toLatin1()) + "\r\n" + MaskLogText(ValidRecord.left(40).toLatin1()));
        stored.close();
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
        QCOMPARE(LogAnsweredTask(HelperAnswer(1)).status, LogStatus::Done);
        QStringList lines;
        QCOMPARE(ReadLogFileAt(stored.fileName(), lines).status, LogStatus::Done);
        QCOMPARE(lines.size(), 3);
        const QList<AnsweredTask> answers = ParseAnswerRecords(lines);
        QCOMPARE(answers.size(), 2);
        QCOMPARE(answers.last().task, HelperAnswer(1).task);
    }

    void answerFileIsLessReadableThanResultLog()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
        RunResult run;
        run.finishedAt = QDateTime(QDate(2026, 12, 7), QTime(11, 8, 51));
        run.rightCount = 3;
        run.title = QStringLiteral("Runde auf Zehner");
        QCOMPARE(LogRun(run).status, LogStatus::Done);
        QCOMPARE(LogAnsweredTask(HelperAnswer(1)).status, LogStatus::Done);
        struct stat log, answers;
        QCOMPARE(::stat(QFile::encodeName(filePath(directory, LogFileName)).constData(), &log), 0);
        QCOMPARE(::stat(QFile::encodeName(filePath(directory, AnswerFileName)).constData(), &answers), 0);
        QCOMPARE(answers.st_mode & 07777, log.st_mode & 07777);
        QCOMPARE(answers.st_gid, log.st_gid);
    }

    void answersWrittenWithoutLogging()
    {
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), false, 0});
        QCOMPARE(LogAnsweredTask(HelperAnswer(1)).status, LogStatus::NotLogged);
        QVERIFY(!QFile::exists(filePath(directory, AnswerFileName)));
    }
};

QTEST_GUILESS_MAIN(TestAnswerRecord)
#include "tst_answerrecord.moc"
