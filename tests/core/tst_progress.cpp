// The data behind the progress picture: records taken apart, one exercise's runs in time
// order, and thinning that keeps what the picture must show.

#include "log/Progress.h"

#include <QTest>

class TestProgress : public QObject
{
    Q_OBJECT

private slots:
    void recordsAreTakenApartByTheirColumns_data()
    {
        QTest::addColumn<QString>("record");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<QDateTime>("when");
        QTest::addColumn<int>("percent");
        QTest::addColumn<double>("average");
        QTest::addColumn<QString>("title");
        QTest::newRow("German separators")
            << "07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200" << true
            << QDateTime(QDate(2026, 12, 7), QTime(11, 8, 51)) << 80 << 12.61 << "Zahlenstrahl bis 200";
        QTest::newRow("full marks, other separators")
            << "05.12.26 10.01.02 20 ok   0 falsch  100%  4.75 sec  Runde auf Zehner" << true
            << QDateTime(QDate(2026, 12, 5), QTime(10, 1, 2)) << 100 << 4.75 << "Runde auf Zehner";
        QTest::newRow("capped average") << "28.11.26 09:30:00  0 ok   4 falsch    0% 99,99 sec  Zählen" << true
            << QDateTime(QDate(2026, 11, 28), QTime(9, 30)) << 0 << 99.99 << "Zählen";
        QTest::newRow("too short") << "07.12.26 11:08:51 12 ok" << false << QDateTime() << 0 << 0.0 << "";
        QTest::newRow("shifted prefix") << " 07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  X" << false
            << QDateTime() << 0 << 0.0 << "";
        QTest::newRow("impossible date") << "31.02.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  X" << false
            << QDateTime() << 0 << 0.0 << "";
        QTest::newRow("percentage above 100") << "07.12.26 11:08:51 12 ok   3 falsch  180% 12,61 sec  X" << false
            << QDateTime() << 0 << 0.0 << "";
        QTest::newRow("garbage") << QString(60, QChar(7)) << false << QDateTime() << 0 << 0.0 << "";
    }
    void recordsAreTakenApartByTheirColumns()
    {
        QFETCH(QString, record);
        QFETCH(bool, valid);
        const auto entry = ParseLogRecord(record);
        QCOMPARE(entry.has_value(), valid);
        if (!valid)
            return;
        QFETCH(QDateTime, when);
        QFETCH(int, percent);
        QFETCH(double, average);
        QFETCH(QString, title);
        QCOMPARE(entry->when, when);
        QCOMPARE(entry->percent, percent);
        QCOMPARE(entry->averageSeconds, average);
        QCOMPARE(entry->title, title);
    }

    void oneExercisesRunsComeOutInTimeOrder()
    {
        const QList<LogEntry> entries = ParseLogRecords({
            "07.12.26 11:08:51 12 ok   3 falsch   80% 12,61 sec  Zahlenstrahl bis 200",
            "05.12.26 10:01:02 20 ok   0 falsch  100%  4,75 sec  Runde auf Zehner",
            "kaputt",
            "28.11.26 09:30:00  5 ok   9 falsch   35%  8,00 sec  Zahlenstrahl bis 200",
            "07.12.26 08:00:00  6 ok   2 falsch   75%  9,00 sec  Zahlenstrahl bis 200",
        });
        QCOMPARE(entries.size(), 4);
        QCOMPARE(ProgressTitles(entries), (QStringList{"Runde auf Zehner", "Zahlenstrahl bis 200"}));
        const QList<ProgressPoint> series = ProgressSeries(entries, QStringLiteral("Zahlenstrahl bis 200"));
        QCOMPARE(series.size(), 3);
        QCOMPARE(series[0].percent, 35);
        QCOMPARE(series[1].percent, 75);
        QCOMPARE(series[2].percent, 80);
    }

    void thinningKeepsExtremesAndTheNewestRun()
    {
        QList<ProgressPoint> series;
        const QDateTime start(QDate(2026, 1, 1), QTime(8, 0));
        for (int i = 0; i < 100000; ++i)
            series.append({start.addSecs(i * 60), (i * 37) % 101, 5.0});
        series[50000].percent = 100;
        series[70000].percent = 0;
        const QList<ProgressPoint> thinned = ThinOut(series, 400);
        QVERIFY(thinned.size() <= 3 * 400);
        QVERIFY(thinned.size() >= 400);
        QCOMPARE(thinned.last().when, series.last().when);
        QVERIFY(std::is_sorted(thinned.begin(), thinned.end(),
                               [](const ProgressPoint &a, const ProgressPoint &b) { return a.when < b.when; }));
        const auto [low, high] = std::minmax_element(thinned.begin(), thinned.end(),
            [](const ProgressPoint &a, const ProgressPoint &b) { return a.percent < b.percent; });
        QCOMPARE(low->percent, 0);
        QCOMPARE(high->percent, 100);
    }

    void fewRunsAreNotThinned()
    {
        const QList<ProgressPoint> one = {{QDateTime(QDate(2026, 1, 1), QTime(8, 0)), 50, 3.0}};
        QCOMPARE(ThinOut(one, 400).size(), 1);
        QCOMPARE(ThinOut(one, 0).size(), 1);
    }

    void gradeBandsCoverEveryPercentageOnce()
    {
        for (int percent = 0; percent <= 100; ++percent) {
            int bands = 0;
            for (const GradeBand &band : GradeBands())
                bands += percent >= band.lowestPercent && percent <= band.highestPercent;
            QVERIFY2(bands == 1, qPrintable(QString::number(percent)));
        }
    }
};

QTEST_GUILESS_MAIN(TestProgress)
#include "tst_progress.moc"
