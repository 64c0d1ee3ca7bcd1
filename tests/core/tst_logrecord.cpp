// The result log's records, their masking, the grade table and the viewer's arrangement.

#include "log/LogFile.h"
#include "log/LogView.h"

#include <QLocale>
#include <QTest>

namespace {

RunResult runResult(const QString &finishedAt, qint32 right, qint32 wrong, double thinkTime, const QString &title)
{
    RunResult result;
    result.finishedAt = QDateTime::fromString(finishedAt, QStringLiteral("yyyy-MM-dd HH:mm:ss"));
    result.rightCount = right;
    result.wrongCount = wrong;
    result.totalThinkTime = thinkTime;
    result.title = title;
    return result;
}

// Records and the lines the viewer makes of them, in a German setting.
const QString ZahlenstrahlDec07 = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");
const QString ZahlenstrahlDec07Shown = QStringLiteral("07.12.26  12 ok   3 falsch   80% Note: 3+ 12,61 Sek. Zahlenstrahl bis 200");
const QString RundeDec05 = QStringLiteral("05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner");
const QString RundeDec05Shown = QStringLiteral("05.12.26  20 ok   0 falsch  100% Note: 1+  4,75 Sek. Runde auf Zehner");
const QString ZahlenstrahlDec06 = QStringLiteral("06.12.26 09:30:00  5 ok   9 falsch   35%  8,00 sec  Zahlenstrahl bis 200");
const QString ZahlenstrahlDec06Shown = QStringLiteral("06.12.26   5 ok   9 falsch   35% Note: 5-  8,00 Sek. Zahlenstrahl bis 200");
const QString RundeNov28 = QStringLiteral("28.11.26 17:00:00  1 ok   9 falsch   10% 20,00 sec  Runde auf Zehner");
const QString RundeNov28Shown = QStringLiteral("28.11.26   1 ok   9 falsch   10% Note: 6 20,00 Sek. Runde auf Zehner");
const QString RundeDec05Later = QStringLiteral("05.12.26 18:00:00  2 ok   2 falsch   50%  3,00 sec  Runde auf Zehner");
const QString RundeDec05LaterShown = QStringLiteral("05.12.26   2 ok   2 falsch   50% Note: 4-  3,00 Sek. Runde auf Zehner");
const QString RundeDec05Earlier = QStringLiteral("05.12.26 08:15:00  3 ok   0 falsch  100%  1,00 sec  Runde auf Zehner");
const QString RundeDec05EarlierShown = QStringLiteral("05.12.26   3 ok   0 falsch  100% Note: 1+  1,00 Sek. Runde auf Zehner");
const QString ApfelDec01 = QStringLiteral("01.12.26 12:00:00  9 ok   1 falsch   90%  2,00 sec  apfel zählen");
const QString ApfelDec01Shown = QStringLiteral("01.12.26   9 ok   1 falsch   90% Note: 2+  2,00 Sek. apfel zählen");
const QString RoemischDec02 = QStringLiteral("02.12.26 12:00:00  7 ok   3 falsch   70%  2,50 sec  Römische Zahlen");
const QString Unreadable = QStringLiteral("Nicht lesbare Einträge:");
const QString RoemischDec02Shown = QStringLiteral("02.12.26   7 ok   3 falsch   70% Note: 3-  2,50 Sek. Römische Zahlen");

} // namespace

class TestLogRecord : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void recordColumnsWrong_data();
    void recordColumnsWrong();
    void prefixLengthNot52ForSomeRun();
    void recordNoRunCanWriteCounts_data();
    void recordNoRunCanWriteCounts();
    void separatorsNotFromLocale_data();
    void separatorsNotFromLocale();

    void maskNotInvolution_data();
    void maskNotInvolution();
    void maskedRecordHoldsLineEnd();

    void gradeTableWrong_data();
    void gradeTableWrong();

    void viewArrangementWrong_data();
    void viewArrangementWrong();
    void hugeTitleBlowsUpOtherLines();
    void widestLineMisjudged_data();
    void widestLineMisjudged();
};

void TestLogRecord::recordColumnsWrong_data()
{
    QTest::addColumn<QString>("finishedAt");
    QTest::addColumn<int>("right");
    QTest::addColumn<int>("wrong");
    QTest::addColumn<double>("thinkTime");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("record");

    QTest::newRow("example 80 %") << "2026-12-07 11:08:51" << 12 << 3 << 151.3 << "Zahlenstrahl bis 200"
                                  << ZahlenstrahlDec07;
    QTest::newRow("66 % rounded down") << "2026-12-05 10:01:02" << 2 << 1 << 10.0 << "Runde auf Zehner"
                                       << "05.12.26 10:01:02  2 ok   1 falsch   66%  5,00 sec  Runde auf Zehner";
    QTest::newRow("0 % averages over one") << "2026-12-05 10:01:02" << 0 << 4 << 7.5 << "Runde auf Zehner"
                                           << "05.12.26 10:01:02  0 ok   4 falsch    0%  7,50 sec  Runde auf Zehner";
    QTest::newRow("average capped") << "2026-12-05 10:01:02" << 1 << 1 << 150.0 << "Römische Zahlen"
                                    << "05.12.26 10:01:02  1 ok   1 falsch   50% 99,99 sec  Römische Zahlen";
    QTest::newRow("100 % single run") << "2026-12-05 10:01:02" << 1 << 0 << 0.25 << "Runde auf Zehner"
                                      << "05.12.26 10:01:02  1 ok   0 falsch  100%  0,25 sec  Runde auf Zehner";
    QTest::newRow("leading zeros") << "2009-02-01 09:05:03" << 50 << 25 << 0.0 << "Punkte zählen"
                                   << "01.02.09 09:05:03 50 ok  25 falsch   66%  0,00 sec  Punkte zählen";
}

void TestLogRecord::recordColumnsWrong()
{
    QFETCH(QString, finishedAt);
    QFETCH(int, right);
    QFETCH(int, wrong);
    QFETCH(double, thinkTime);
    QFETCH(QString, title);
    QFETCH(QString, record);
    QCOMPARE(LogRecordFor(runResult(finishedAt, right, wrong, thinkTime, title)), record);
}

void TestLogRecord::prefixLengthNot52ForSomeRun()
{
    const QString title = QStringLiteral("Runde auf Hunderter");
    for (int right = 0; right <= 50; ++right) {
        for (int wrong = right == 0 ? 1 : 0; wrong <= 25; ++wrong) {
            for (const double thinkTime : {0.0, 0.004, 9.996, 99.994 * std::max(right, 1), 1.0e9}) {
                const QString record = LogRecordFor(runResult("2026-01-31 23:59:59", right, wrong, thinkTime, title));
                QCOMPARE(record.size(), LogRecordPrefixLength + title.size());
                QCOMPARE(record.mid(LogRecordPrefixLength), title);
                QCOMPARE(record.mid(36, 3).trimmed().toInt(), right * 100 / (right + wrong));
                QVERIFY2(ParseLogRecord(record), qPrintable(record));
            }
        }
    }
}

void TestLogRecord::recordNoRunCanWriteCounts_data()
{
    QTest::addColumn<QString>("record");
    QTest::addColumn<bool>("counts");
    const auto on = [](const QDate &day) { return day.toString(QStringLiteral("dd.MM.yy")); };
    const QString tail = QStringLiteral(" 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");
    QTest::newRow("a run") << ZahlenstrahlDec07 << true;
    QTest::newRow("Finnish separators") << "07.12.26 11.08.51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200" << true;
    QTest::newRow("English separators") << "07.12.26 11:08:51 12 ok   3 falsch   80% 12.61 sec  Zahlenstrahl bis 200" << true;
    QTest::newRow("fake title") << "07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Fake 000" << false;
    QTest::newRow("torn title") << "07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenst" << false;
    QTest::newRow("title in other case") << "07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  ZAHLENSTRAHL BIS 200" << false;
    QTest::newRow("150 %") << "07.12.26 11:08:51 12 ok   3 falsch  150% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("percent not matching counts") << "07.12.26 11:08:51 12 ok   3 falsch   81% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("77 right") << "07.12.26 11:08:51 77 ok   3 falsch   96% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("26 wrong") << "07.12.26 11:08:51 24 ok  26 falsch   48% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("0 tasks") << "07.12.26 11:08:51  0 ok   0 falsch    0% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("garbled count") << "07.12.26 11:08:51 1x ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("count with a leading zero") << "07.12.26 11:08:51 12 ok  03 falsch   80% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("thinking time with a leading zero") << "07.12.26 11:08:51 12 ok   3 falsch   80% 02,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("impossible time") << "07.12.26 24:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200" << false;
    QTest::newRow("date in 2099") << "07.12.99" + tail << false;
    QTest::newRow("tomorrow") << on(QDate::currentDate().addDays(1)) + tail << true;
    QTest::newRow("the day after tomorrow") << on(QDate::currentDate().addDays(2)) + tail << false;
}

void TestLogRecord::recordNoRunCanWriteCounts()
{
    QFETCH(QString, record);
    QFETCH(bool, counts);
    QCOMPARE(ParseLogRecord(record).has_value(), counts);
}

void TestLogRecord::separatorsNotFromLocale_data()
{
    QTest::addColumn<QLocale>("locale");
    QTest::addColumn<QString>("timeSeparator");
    QTest::addColumn<QString>("decimalSeparator");
    QTest::newRow("German") << QLocale(QLocale::German, QLocale::Germany) << ":" << ",";
    QTest::newRow("C") << QLocale::c() << ":" << ".";
    QTest::newRow("Finnish") << QLocale(QLocale::Finnish, QLocale::Finland) << "." << ",";
    QTest::newRow("US English") << QLocale(QLocale::English, QLocale::UnitedStates) << ":" << ".";
}

void TestLogRecord::separatorsNotFromLocale()
{
    QFETCH(QLocale, locale);
    QFETCH(QString, timeSeparator);
    QFETCH(QString, decimalSeparator);
    QLocale::setDefault(locale);
    const QString record = LogRecordFor(runResult("2026-12-07 21:08:51", 12, 3, 151.3, "Zahlenstrahl bis 200"));
    QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany));
    QCOMPARE(record.left(8), QStringLiteral("07.12.26"));
    QCOMPARE(record.mid(9, 8), QStringLiteral("21") + timeSeparator + "08" + timeSeparator + "51");
    QCOMPARE(record.mid(41, 5), QStringLiteral("12") + decimalSeparator + "61");
}

void TestLogRecord::maskNotInvolution_data()
{
    QTest::addColumn<QByteArray>("text");
    QByteArray everyByte;
    for (int b = 0; b < 256; ++b)
        everyByte.append(char(b));
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("record") << ZahlenstrahlDec07.toLatin1();
    QTest::newRow("every byte") << everyByte;
}

void TestLogRecord::maskNotInvolution()
{
    QFETCH(QByteArray, text);
    const QByteArray masked = MaskLogText(text);
    QCOMPARE(masked.size(), text.size());
    QCOMPARE(MaskLogText(masked), text);
    for (qsizetype i = 0; i < text.size(); ++i)
        QCOMPARE(quint8(masked.at(i)), quint8(quint8(text.at(i)) ^ 0x0E));
}

void TestLogRecord::maskedRecordHoldsLineEnd()
{
    QByteArray printable;
    for (int b = 0x20; b < 256; ++b)
        printable.append(char(b));
    const QByteArray masked = MaskLogText(printable);
    QVERIFY(!masked.contains('\r'));
    QVERIFY(!masked.contains('\n'));
    QVERIFY(!masked.contains('\0'));
    // The older unmasked form is told apart by column 3.
    QVERIFY(MaskLogText(ZahlenstrahlDec07.toLatin1()).at(2) != '.');
}

void TestLogRecord::gradeTableWrong_data()
{
    QTest::addColumn<QString>("field");
    QTest::addColumn<QString>("grade");
    QTest::newRow("no number") << "   " << "  ";
    QTest::newRow("100") << "100" << "1+";
    QTest::newRow("99") << " 99" << "1 ";
    QTest::newRow("94") << " 94" << "1 ";
    QTest::newRow("93") << " 93" << "2+";
    QTest::newRow("90") << " 90" << "2+";
    QTest::newRow("89") << " 89" << "2 ";
    QTest::newRow("87") << " 87" << "2 ";
    QTest::newRow("86") << " 86" << "2-";
    QTest::newRow("84") << " 84" << "2-";
    QTest::newRow("83") << " 83" << "3+";
    QTest::newRow("79") << " 79" << "3+";
    QTest::newRow("78") << " 78" << "3 ";
    QTest::newRow("75") << " 75" << "3 ";
    QTest::newRow("74") << " 74" << "3-";
    QTest::newRow("68") << " 68" << "3-";
    QTest::newRow("67") << " 67" << "4+";
    QTest::newRow("64") << " 64" << "4+";
    QTest::newRow("63") << " 63" << "4 ";
    QTest::newRow("58") << " 58" << "4 ";
    QTest::newRow("57") << " 57" << "4-";
    QTest::newRow("50") << " 50" << "4-";
    QTest::newRow("49") << " 49" << "5+";
    QTest::newRow("44") << " 44" << "5+";
    QTest::newRow("43") << " 43" << "5 ";
    QTest::newRow("40") << " 40" << "5 ";
    QTest::newRow("39") << " 39" << "5-";
    QTest::newRow("30") << " 30" << "5-";
    QTest::newRow("29") << " 29" << "6";
    QTest::newRow("5") << "  5" << "6";
    QTest::newRow("0") << "  0" << "6";
    QTest::newRow("longer field cut to three") << "100% Note" << "1+";
}

void TestLogRecord::gradeTableWrong()
{
    QFETCH(QString, field);
    QFETCH(QString, grade);
    QCOMPARE(GradeForPercent(field), grade);
}

void TestLogRecord::viewArrangementWrong_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<QStringList>("lines");

    QTest::newRow("example") << QStringList{ZahlenstrahlDec07, RundeDec05, ZahlenstrahlDec06}
                             << QStringList{RundeDec05Shown, QString(), ZahlenstrahlDec06Shown, ZahlenstrahlDec07Shown};
    QTest::newRow("empty log") << QStringList() << QStringList();
    QTest::newRow("one record, no separator") << QStringList{RundeDec05} << QStringList{RundeDec05Shown};
    QTest::newRow("two titles") << QStringList{RundeDec05, ZahlenstrahlDec06}
                                << QStringList{RundeDec05Shown, QString(), ZahlenstrahlDec06Shown};
    QTest::newRow("three titles, case ignored") << QStringList{RundeDec05, RoemischDec02, ApfelDec01}
                                                << QStringList{RoemischDec02Shown, QString(), RundeDec05Shown,
                                                               QString(), Unreadable, ApfelDec01};
    QTest::newRow("two and one, last group larger") << QStringList{ZahlenstrahlDec07, ApfelDec01, ZahlenstrahlDec06}
                                                    << QStringList{ZahlenstrahlDec06Shown, ZahlenstrahlDec07Shown,
                                                                   QString(), Unreadable, ApfelDec01};
    QTest::newRow("month before day") << QStringList{RundeDec05, RundeNov28}
                                      << QStringList{RundeNov28Shown, RundeDec05Shown};
    QTest::newRow("year before month")
        << QStringList{RundeNov28, QStringLiteral("05.12.25 10:01:02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner")}
        << QStringList{QStringLiteral("05.12.25  20 ok   0 falsch  100% Note: 1+  4,75 Sek. Runde auf Zehner"), RundeNov28Shown};
    QTest::newRow("same day by time") << QStringList{RundeDec05Later, RundeDec05, RundeDec05Earlier}
                                      << QStringList{RundeDec05EarlierShown, RundeDec05Shown, RundeDec05LaterShown};
    // Within a day the records' characters decide, not the time they stand for.
    QTest::newRow("same day, separators of two settings")
        << QStringList{RundeDec05, QStringLiteral("05.12.26 10.02.00  3 ok   0 falsch  100%  1,00 sec  Runde auf Zehner")}
        << QStringList{RundeDec05EarlierShown, RundeDec05Shown};
    QTest::newRow("same day, separators differing in case")
        << QStringList{QStringLiteral("05.12.26 10H01H02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner"),
                       QStringLiteral("05.12.26 10h00h00  3 ok   0 falsch  100%  1,00 sec  Runde auf Zehner")}
        << QStringList{RundeDec05EarlierShown, RundeDec05Shown};
    QTest::newRow("identical records once") << QStringList{RundeDec05, ZahlenstrahlDec06, RundeDec05}
                                            << QStringList{RundeDec05Shown, QString(), ZahlenstrahlDec06Shown};
    QTest::newRow("titles differing in case stay apart")
        << QStringList{QStringLiteral("04.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  RUNDE AUF ZEHNER"), RundeDec05Later, RundeDec05}
        << QStringList{RundeDec05Shown, RundeDec05LaterShown, QString(), Unreadable,
                       QStringLiteral("04.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  RUNDE AUF ZEHNER")};
    QTest::newRow("records differing only in case once")
        << QStringList{RundeDec05, QStringLiteral("05.12.26 10:01:02 20 OK   0 FALSCH  100%  4,75 SEC  RUNDE AUF ZEHNER")}
        << QStringList{RundeDec05Shown, QString(), Unreadable,
                       QStringLiteral("05.12.26 10:01:02 20 OK   0 FALSCH  100%  4,75 SEC  RUNDE AUF ZEHNER")};
    QTest::newRow("trailing spaces make no other title")
        << QStringList{RundeDec05, RundeDec05Later + QStringLiteral("   ")}
        << QStringList{RundeDec05Shown, QString(), Unreadable, RundeDec05Later + QStringLiteral("   ")};
    QTest::newRow("empty title")
        << QStringList{QStringLiteral("05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  "), RundeNov28}
        << QStringList{RundeNov28Shown, QString(), Unreadable, QStringLiteral("05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  ")};

    // Lines that do not follow the record format are shown as they are.
    const QString shortLine = QStringLiteral("07.12.26 11:08:51 12 ok");
    const QString garbage = QStringLiteral("\x84\xfe\xd1x\x9a garbage that is long enough to pass for a record, maybe");
    QString controls;
    for (char16_t c = 0; c < 0x20; ++c)
        controls.append(QChar(c));
    controls = controls.repeated(3);
    const QString shifted = QStringLiteral("7.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200");
    const QString huge = QString(1 << 20, QLatin1Char('#'));

    QTest::newRow("short line after the groups")
        << QStringList{shortLine, RundeDec05} << QStringList{RundeDec05Shown, QString(), Unreadable, shortLine};
    QTest::newRow("only malformed, in log order")
        << QStringList{garbage, shortLine, controls, QString()}
        << QStringList{Unreadable, garbage, shortLine, controls, QString()};
    QTest::newRow("shifted prefix")
        << QStringList{ZahlenstrahlDec06, shifted, RundeDec05}
        << QStringList{RundeDec05Shown, QString(), ZahlenstrahlDec06Shown, QString(), Unreadable, shifted};
    QTest::newRow("one megabyte line") << QStringList{huge, RundeDec05} << QStringList{RundeDec05Shown, QString(), Unreadable, huge};
    const QString fake = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Fake 000");
    const QString tooMany = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch  150% 12,61 sec  Zahlenstrahl bis 200");
    const QString torn = QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenst");
    QTest::newRow("records no run can write, ungraded after the groups")
        << QStringList{fake, ZahlenstrahlDec07, tooMany, torn}
        << QStringList{ZahlenstrahlDec07Shown, QString(), Unreadable, fake, tooMany, torn};
}

void TestLogRecord::viewArrangementWrong()
{
    QFETCH(QStringList, records);
    QFETCH(QStringList, lines);
    QCOMPARE(LogViewLines(records), lines);
}

void TestLogRecord::hugeTitleBlowsUpOtherLines()
{
    const QString hugeTitle = QString(1 << 20, QLatin1Char('Z'));
    QStringList records{RundeDec05};
    for (int i = 0; i < 20; ++i)
        records.append(RundeNov28.left(LogRecordPrefixLength) + hugeTitle);
    const QStringList lines = LogViewLines(records);
    // No title is that long, so each of them stands as it is; no line is padded to it.
    QCOMPARE(lines.size(), 23);
    QCOMPARE(lines.at(0), RundeDec05Shown);
    QCOMPARE(lines.at(3), records.at(1));
}

// The list is as wide as its widest line, found without making the lines.
void TestLogRecord::widestLineMisjudged_data()
{
    QTest::addColumn<QStringList>("records");
    QTest::addColumn<qsizetype>("row");
    QTest::newRow("empty log") << QStringList() << qsizetype(-1);
    QTest::newRow("grade of one character") << QStringList{RundeDec05, RundeNov28} << qsizetype(1);
    QTest::newRow("the first of equally wide") << QStringList{RundeDec05, RundeDec05Earlier} << qsizetype(0);
    QTest::newRow("a line that is no run")
        << QStringList{QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200 und mehr"),
                       RundeDec05}
        << qsizetype(3);
    QTest::newRow("the heading of the lines that are no run")
        << QStringList{QStringLiteral("kaputt")} << qsizetype(0);
}

void TestLogRecord::widestLineMisjudged()
{
    QFETCH(QStringList, records);
    QFETCH(qsizetype, row);
    QCOMPARE(LogViewRows::Arranged(records).longestRow(), row);
}

QTEST_GUILESS_MAIN(TestLogRecord)
#include "tst_logrecord.moc"
