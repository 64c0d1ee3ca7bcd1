// The log as a table for spreadsheet programs: encoding, separators, line ends, the
// fields of every record, quoting of titles, and the guard that keeps the log itself safe.

#include "log/LogExport.h"
#include "log/LogFile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QByteArray Bom = QByteArrayLiteral("\xEF\xBB\xBF");
const QByteArray HeaderLine = QStringLiteral("Datum;Uhrzeit;Richtig;Falsch;Prozent;Note;Bedenkzeit;Übung\r\n").toUtf8();

QString record(int right, int wrong, int percent, const QString &seconds, const QString &title)
{
    return QStringLiteral("07.12.26 11:08:51 %1 ok  %2 falsch  %3% %4 sec  %5")
        .arg(right, 2)
        .arg(wrong, 2)
        .arg(percent, 3)
        .arg(seconds, title);
}

// The lines of a table after its byte-order mark, without their CR LF ends.
QStringList tableLines(const QByteArray &table)
{
    QStringList lines = QString::fromUtf8(table.mid(Bom.size())).split(QStringLiteral("\r\n"));
    lines.removeLast();
    return lines;
}

} // namespace

class TestLogExport : public QObject
{
    Q_OBJECT

private slots:
    void tableNotReadableBySpreadsheets()
    {
        const QByteArray table = LogRecordsAsCsv({record(12, 3, 80, "12,61", "Zählen")});
        QVERIFY(table.startsWith(Bom + HeaderLine));
        QVERIFY(table.endsWith("\r\n"));
        // Every line ends with CR LF: no bare LF anywhere.
        QCOMPARE(table.count("\n"), table.count("\r\n"));
        QCOMPARE(table.count("\r\n"), 2);
        QVERIFY(table.contains(QByteArrayLiteral("Z\xC3\xA4hlen")));
    }

    void emptyLogGivesMoreThanTheHeader()
    {
        QCOMPARE(LogRecordsAsCsv({}), Bom + HeaderLine);
        QCOMPARE(LogRecordsAsCsv({QStringLiteral("kaputt"), QString()}), Bom + HeaderLine);
    }

    void recordFieldsWrong_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<QString>("line");
        QTest::newRow("German example")
            << record(12, 3, 80, "12,61", "Zahlenstrahl bis 200")
            << "07.12.2026;11:08:51;12;3;80;3+;12,61;Zahlenstrahl bis 200";
        QTest::newRow("full marks")
            << record(20, 0, 100, " 4,75", "Runde auf Zehner") << "07.12.2026;11:08:51;20;0;100;1+;4,75;Runde auf Zehner";
        QTest::newRow("grade with a blank after it")
            << record(47, 3, 94, " 1,00", "Zählen") << "07.12.2026;11:08:51;47;3;94;1;1,00;Zählen";
        QTest::newRow("grade six, written with a point")
            << record(0, 4, 0, "99.99", "Zählen") << "07.12.2026;11:08:51;0;4;0;6;99,99;Zählen";
        QTest::newRow("grade five minus") << record(3, 7, 30, " 8,00", "Zählen") << "07.12.2026;11:08:51;3;7;30;5-;8,00;Zählen";
        // No exercise has such a title, so no run wrote these records: they are left out.
        QTest::newRow("title with a semicolon") << record(1, 1, 50, " 2,00", "Runde; dann zähle") << "";
        QTest::newRow("title with quotes") << record(1, 1, 50, " 2,00", "Das \"große\" Einmaleins") << "";
    }
    void recordFieldsWrong()
    {
        QFETCH(QString, record);
        QFETCH(QString, line);
        QStringList lines{QString::fromUtf8(HeaderLine).trimmed()};
        if (!line.isEmpty())
            lines.append(line);
        QCOMPARE(tableLines(LogRecordsAsCsv({record})), lines);
    }

    void brokenRecordsInTheTable()
    {
        const QStringList log{
            record(12, 3, 80, "12,61", "Abstände"),
            QStringLiteral("kaputt"),
            QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch  180% 12,61 sec  B"),
            record(5, 9, 35, " 8,00", "Zählen"),
        };
        const QStringList lines = tableLines(LogRecordsAsCsv(log));
        QCOMPARE(lines.size(), 3);
        QVERIFY(lines[1].endsWith(QStringLiteral(";Abstände")));
        QVERIFY(lines[2].endsWith(QStringLiteral(";Zählen")));
    }

    void fieldQuotedWrongly_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("field");
        QTest::newRow("plain") << "Runde auf Zehner" << "Runde auf Zehner";
        QTest::newRow("semicolon") << "a;b" << "\"a;b\"";
        QTest::newRow("quote") << "a\"b" << "\"a\"\"b\"";
        QTest::newRow("only quotes") << "\"\"" << "\"\"\"\"\"\"";
        QTest::newRow("line feed") << "a\nb" << "\"a\nb\"";
        QTest::newRow("carriage return") << "a\rb" << "\"a\rb\"";
        QTest::newRow("comma stays bare") << "a, b" << "a, b";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("formula") << "=HYPERLINK(\"x\")" << "\"'=HYPERLINK(\"\"x\"\")\"";
        QTest::newRow("function with at sign") << "@SUMME(1;2)" << "\"'@SUMME(1;2)\"";
        QTest::newRow("plus") << "+1" << "'+1";
        QTest::newRow("minus") << "-1" << "'-1";
        QTest::newRow("leading tab") << "\tx" << "'\tx";
        QTest::newRow("leading carriage return") << "\rx" << "\"'\rx\"";
        QTest::newRow("sign inside stays") << "Plus+Minus-" << "Plus+Minus-";
    }
    void fieldQuotedWrongly()
    {
        QFETCH(QString, text);
        QFETCH(QString, field);
        QCOMPARE(CsvField(text), field);
    }

    void exportCanOverwriteTheLog_data()
    {
        QTest::addColumn<QString>("relativePath");
        QTest::addColumn<bool>("isLog");
        QTest::newRow("the log") << "bm.log" << true;
        QTest::newRow("the log by a detour") << "sub/../bm.log" << true;
        QTest::newRow("the log through a link") << "link.log" << true;
        QTest::newRow("a table beside it") << "bm-export.csv" << false;
        QTest::newRow("same name elsewhere") << "sub/bm.log" << false;
    }
    void exportCanOverwriteTheLog()
    {
        QFETCH(QString, relativePath);
        QFETCH(bool, isLog);
        QTemporaryDir directory;
        QVERIFY(directory.isValid());
        SetLogSettings({QString(), directory.path() + QLatin1Char('/'), true, 0});
        QVERIFY(QDir(directory.path()).mkdir(QStringLiteral("sub")));
        QCOMPARE(AppendLogLine(QStringLiteral("bm.log"), record(1, 0, 100, " 1,00", "A")).status, LogStatus::Done);
        QVERIFY(QFile::link(directory.filePath(QStringLiteral("bm.log")), directory.filePath(QStringLiteral("link.log"))));
        QCOMPARE(IsLogFilePath(directory.filePath(relativePath), QStringLiteral("bm.log")), isLog);
    }
};

QTEST_GUILESS_MAIN(TestLogExport)
#include "tst_logexport.moc"
