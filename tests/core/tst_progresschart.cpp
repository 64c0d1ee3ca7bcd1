// Where the progress picture puts things: runs as points over the date, the grade bands,
// the three axes, the newest run, and the thinning of very long logs.

#include "RunCounts.h"
#include "log/ProgressChart.h"

#include <QTest>

namespace {

const QSize PictureSize(600, 300);

QString record(const QString &date, const QString &time, int percent, const QString &seconds, const QString &title)
{
    return date + QLatin1Char(' ') + time + RunCountsFor(percent) + QLatin1Char(' ') + seconds
         + QStringLiteral(" sec  ") + title;
}

// The runs of one exercise written in log order, which need not be time order.
const QStringList MixedLog{
    record("07.12.26", "11:08:51", 80, "12,61", "Zahlenstrahl bis 200"),
    record("05.12.26", "10:01:02", 100, " 4,75", "Runde auf Zehner"),
    QStringLiteral("kaputt"),
    record("28.11.26", "09:30:00", 35, " 8,00", "Zahlenstrahl bis 200"),
    QStringLiteral("07.12.26 11:08:51 12 ok   3 falsch  180% 12,61 sec  Zahlenstrahl bis 200"),
    record("02.12.26", "17:45:10", 50, "20,00", "Zahlenstrahl bis 200"),
};

double expectedShareY(const ProgressChart &chart, int percent)
{
    return chart.plot.bottom() - chart.plot.height() * percent / 100.0;
}

ProgressChart chartOf(const QStringList &log, const QString &title)
{
    return LayOutProgressChart(ProgressSeries(ParseLogRecords(log), title), PictureSize);
}

} // namespace

class TestProgressChart : public QObject
{
    Q_OBJECT

private slots:
    void pointsOfOtherTitlesOrBrokenRecordsShown_data()
    {
        QTest::addColumn<QString>("title");
        QTest::addColumn<QList<int>>("percentsInTimeOrder");
        QTest::newRow("three runs, one broken record of the same title")
            << "Zahlenstrahl bis 200" << QList<int>{35, 50, 80};
        QTest::newRow("one run") << "Runde auf Zehner" << QList<int>{100};
        QTest::newRow("title not in the log") << "Römische Zahlen" << QList<int>{};
    }
    void pointsOfOtherTitlesOrBrokenRecordsShown()
    {
        QFETCH(QString, title);
        QFETCH(QList<int>, percentsInTimeOrder);
        const ProgressChart chart = chartOf(MixedLog, title);
        QCOMPARE(chart.points.size(), percentsInTimeOrder.size());
        for (qsizetype i = 0; i < chart.points.size(); ++i)
            QCOMPARE(chart.points[i].share.y(), expectedShareY(chart, percentsInTimeOrder[i]));
        QCOMPARE(chart.emptyText.isEmpty(), !percentsInTimeOrder.isEmpty());
        QCOMPARE(chart.newestIndex, percentsInTimeOrder.size() - 1);
        QCOMPARE(chart.dateTicks.isEmpty(), percentsInTimeOrder.isEmpty());
    }

    void datesOutOfOrderOnTheAxis()
    {
        const ProgressChart chart = chartOf(MixedLog, QStringLiteral("Zahlenstrahl bis 200"));
        for (qsizetype i = 1; i < chart.points.size(); ++i) {
            QVERIFY(chart.points[i].share.x() > chart.points[i - 1].share.x());
            QCOMPARE(chart.points[i].thinking.x(), chart.points[i].share.x());
        }
        // From 28.11. to 07.12. the axis covers ten whole days; a run at 09:30 on the
        // first of them lies 9.5 hours into the first day.
        const double day = chart.runArea.width() / 10.0;
        QCOMPARE(chart.points.first().share.x(), chart.runArea.left() + day * 9.5 / 24.0);
        QVERIFY(!chart.dateTicks.isEmpty());
        for (qsizetype i = 1; i < chart.dateTicks.size(); ++i)
            QVERIFY(chart.dateTicks[i].position > chart.dateTicks[i - 1].position);
        QCOMPARE(chart.dateTicks.first().label, QStringLiteral("28.11.26"));
        QCOMPARE(chart.dateTicks.first().position, chart.runArea.left() + day / 2);
    }

    void newestRunNotTheLastOneLogged()
    {
        const QStringList log{
            record("09.12.26", "08:00:00", 90, " 3,00", "Zählen"),
            record("01.12.26", "08:00:00", 10, " 9,00", "Zählen"),
            record("05.12.26", "08:00:00", 60, " 6,00", "Zählen"),
        };
        const ProgressChart chart = chartOf(log, QStringLiteral("Zählen"));
        QCOMPARE(chart.newestIndex, qsizetype(2));
        const ChartPoint &newest = chart.points.at(chart.newestIndex);
        QCOMPARE(newest.share.y(), expectedShareY(chart, 90));
        for (const ChartPoint &point : chart.points)
            QVERIFY(point.share.x() <= newest.share.x());
        QVERIFY(chart.newestText.contains(QStringLiteral("09.12.26")));
        QVERIFY(chart.newestText.contains(QStringLiteral("90 %")));
        QVERIFY(chart.newestText.contains(QStringLiteral("Note 2+")));
        QVERIFY(chart.newestText.contains(QStringLiteral("3,00 s")));
    }

    void oneRecordGivesNoDot()
    {
        const ProgressChart chart = chartOf({record("07.12.26", "18:00:00", 75, " 2,50", "Zählen")},
                                            QStringLiteral("Zählen"));
        QCOMPARE(chart.points.size(), 1);
        QCOMPARE(chart.newestIndex, qsizetype(0));
        QVERIFY(chart.dotForEveryRun);
        QVERIFY(chart.runArea.contains(chart.points[0].share));
        QCOMPARE(chart.points[0].share.x(), chart.runArea.left() + chart.runArea.width() * 0.75);
        QCOMPARE(chart.dateTicks.size(), 1);
        QCOMPARE(chart.dateTicks[0].label, QStringLiteral("07.12.26"));
    }

    void bandsLeaveGapsOrOverlap()
    {
        const ProgressChart chart = LayOutProgressChart({}, PictureSize);
        QCOMPARE(chart.bands.size(), 6);
        QCOMPARE(chart.bands.first().top, chart.plot.top());
        QCOMPARE(chart.bands.last().bottom, chart.plot.bottom());
        for (qsizetype i = 0; i < chart.bands.size(); ++i) {
            QCOMPARE(chart.bands[i].label, QStringLiteral("Note %1").arg(i + 1));
            if (i > 0)
                QCOMPARE(chart.bands[i].top, chart.bands[i - 1].bottom);
        }
        // Grade 1 starts at 94 %, grade 6 ends below 30 %.
        QCOMPARE(chart.bands[0].bottom, expectedShareY(chart, 94));
        QCOMPARE(chart.bands[5].top, expectedShareY(chart, 30));
        QCOMPARE(chart.shareTicks.first().label, QStringLiteral("0 %"));
        QCOMPARE(chart.shareTicks.last().label, QStringLiteral("100 %"));
        QCOMPARE(chart.shareTicks.last().position, chart.plot.top());
    }

    void thinkingTimeOffItsAxis()
    {
        const QStringList log{
            record("01.12.26", "08:00:00", 50, "12,61", "Zählen"),
            record("02.12.26", "08:00:00", 50, " 3,00", "Zählen"),
        };
        const ProgressChart chart = chartOf(log, QStringLiteral("Zählen"));
        // 12,61 s: the axis runs to 15 s in steps of 5.
        QCOMPARE(chart.secondsTicks.size(), 4);
        QCOMPARE(chart.secondsTicks.last().label, QStringLiteral("15 s"));
        QCOMPARE(chart.secondsTicks.last().position, chart.plot.top());
        QCOMPARE(chart.points[0].thinking.y(), chart.plot.bottom() - chart.plot.height() * 12.61 / 15.0);
        QCOMPARE(chart.points[1].thinking.y(), chart.plot.bottom() - chart.plot.height() * 3.0 / 15.0);
    }

    void secondsScaleNotRound_data()
    {
        QTest::addColumn<double>("largest");
        QTest::addColumn<int>("top");
        QTest::addColumn<int>("step");
        QTest::newRow("no time at all") << 0.0 << 5 << 1;
        QTest::newRow("quick") << 4.75 << 5 << 1;
        QTest::newRow("just above five") << 5.01 << 6 << 2;
        QTest::newRow("twelve and a bit") << 12.61 << 15 << 5;
        QTest::newRow("capped average") << 99.99 << 100 << 20;
        QTest::newRow("beyond the cap") << 150.0 << 150 << 50;
    }
    void secondsScaleNotRound()
    {
        QFETCH(double, largest);
        QFETCH(int, top);
        QFETCH(int, step);
        const SecondsScale scale = SecondsScaleFor(largest);
        QCOMPARE(scale.top, top);
        QCOMPARE(scale.step, step);
    }

    void timeRangeNotWholeDays_data()
    {
        QTest::addColumn<QList<QDateTime>>("runs");
        QTest::addColumn<QDateTime>("first");
        QTest::addColumn<QDateTime>("last");
        const QDate dec7(2026, 12, 7);
        QTest::newRow("one run") << QList<QDateTime>{QDateTime(dec7, QTime(11, 8))}
                                 << QDateTime(dec7, QTime(0, 0)) << QDateTime(dec7.addDays(1), QTime(0, 0));
        QTest::newRow("just before midnight") << QList<QDateTime>{QDateTime(dec7, QTime(23, 59, 59))}
                                              << QDateTime(dec7, QTime(0, 0)) << QDateTime(dec7.addDays(1), QTime(0, 0));
        QTest::newRow("a new year") << QList<QDateTime>{QDateTime(QDate(2026, 12, 31), QTime(8, 0)),
                                                         QDateTime(QDate(2027, 1, 2), QTime(8, 0))}
                                    << QDateTime(QDate(2026, 12, 31), QTime(0, 0))
                                    << QDateTime(QDate(2027, 1, 3), QTime(0, 0));
    }
    void timeRangeNotWholeDays()
    {
        QFETCH(QList<QDateTime>, runs);
        QFETCH(QDateTime, first);
        QFETCH(QDateTime, last);
        QList<ProgressPoint> series;
        for (const QDateTime &when : runs)
            series.append({when, 50, 1.0});
        const ChartTimeRange range = TimeRangeOf(series);
        QCOMPARE(range.first, first);
        QCOMPARE(range.last, last);
    }

    void tickDatesCrowdOrLeaveTheRange_data()
    {
        QTest::addColumn<QDate>("first");
        QTest::addColumn<QDate>("last");
        QTest::addColumn<int>("maxTicks");
        QTest::addColumn<QList<QDate>>("expected");
        const QDate dec1(2026, 12, 1);
        QTest::newRow("a week, every day") << dec1 << dec1.addDays(6) << 7
            << QList<QDate>{dec1, dec1.addDays(1), dec1.addDays(2), dec1.addDays(3), dec1.addDays(4), dec1.addDays(5),
                            dec1.addDays(6)};
        QTest::newRow("a week, every other day") << dec1 << dec1.addDays(6) << 4
            << QList<QDate>{dec1, dec1.addDays(2), dec1.addDays(4), dec1.addDays(6)};
        QTest::newRow("a month, weekly") << dec1 << dec1.addDays(29) << 5
            << QList<QDate>{dec1, dec1.addDays(7), dec1.addDays(14), dec1.addDays(21), dec1.addDays(28)};
        QTest::newRow("a year, every other month") << QDate(2026, 1, 5) << QDate(2026, 12, 20) << 6
            << QList<QDate>{{2026, 3, 1}, {2026, 5, 1}, {2026, 7, 1}, {2026, 9, 1}, {2026, 11, 1}};
        QTest::newRow("three years, every January") << QDate(2024, 6, 1) << QDate(2027, 2, 1) << 4
            << QList<QDate>{{2025, 1, 1}, {2026, 1, 1}, {2027, 1, 1}};
        QTest::newRow("no first of a month in range") << QDate(2026, 12, 2) << QDate(2026, 12, 30) << 1
            << QList<QDate>{{2026, 12, 2}};
        QTest::newRow("one day") << dec1 << dec1 << 1 << QList<QDate>{dec1};
    }
    void tickDatesCrowdOrLeaveTheRange()
    {
        QFETCH(QDate, first);
        QFETCH(QDate, last);
        QFETCH(int, maxTicks);
        QFETCH(QList<QDate>, expected);
        QCOMPARE(TickDates(first, last, maxTicks), expected);
    }

    void hundredThousandRunsNotThinned()
    {
        QList<ProgressPoint> series;
        const QDateTime start(QDate(2020, 1, 1), QTime(8, 0));
        for (int i = 0; i < 100000; ++i)
            series.append({start.addSecs(qint64(i) * 1800), (i * 7) % 101, (i % 50) / 2.0});
        const ProgressChart chart = LayOutProgressChart(series, PictureSize);
        QVERIFY(chart.points.size() <= 3 * qsizetype(chart.runArea.width()));
        QVERIFY(chart.points.size() >= qsizetype(chart.runArea.width()) / 2);
        QVERIFY(!chart.dotForEveryRun);
        QCOMPARE(chart.newestIndex, chart.points.size() - 1);
        QVERIFY(chart.newestText.contains(series.last().when.toString(QStringLiteral("dd.MM.yy"))));
        for (const ChartPoint &point : chart.points) {
            QVERIFY(point.share.x() >= chart.runArea.left() && point.share.x() <= chart.runArea.right());
            QVERIFY(point.thinking.y() >= chart.plot.top() && point.thinking.y() <= chart.plot.bottom());
        }
        QVERIFY(chart.dateTicks.size() <= qsizetype(chart.runArea.width()) / 60);
    }

    void newestTitleTakenFromLogOrder_data()
    {
        QTest::addColumn<QStringList>("log");
        QTest::addColumn<QString>("title");
        QTest::newRow("the latest date first in the log: the last appended counts")
            << QStringList{record("09.12.26", "08:00:00", 90, " 3,00", "Zählen"), record("01.12.26", "08:00:00", 10, " 9,00", "Abstände")}
            << "Abstände";
        QTest::newRow("same second: the later record")
            << QStringList{record("09.12.26", "08:00:00", 90, " 3,00", "Abstände"), record("09.12.26", "08:00:00", 10, " 9,00", "Zählen")}
            << "Zählen";
        QTest::newRow("only broken records") << QStringList{QStringLiteral("kaputt")} << QString();
    }
    void newestTitleTakenFromLogOrder()
    {
        QFETCH(QStringList, log);
        QFETCH(QString, title);
        QCOMPARE(NewestTitle(ParseLogRecords(log)), title);
    }
};

QTEST_GUILESS_MAIN(TestProgressChart)
#include "tst_progresschart.moc"
