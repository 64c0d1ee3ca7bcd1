// The reward animation catalogue and its draw, the stopwatch arithmetic and the credits.

#include "core/Cp1252.h"
#include "run/lernprog/Lernprog.h"

#include <QtTest>
#include <cstring>
#include <map>

namespace {

// Frame A of the 25 rows of the draw; the hares share row 20.
const char *const RowNames[25] = {
    "DANCE_1", "PLANE_1", "AUTO_1", "LAMPE_1", "V_1", "DAUM_1", "SHUTTLE_1", "STIEFEL_1",
    "ELE_1", "PIG_1", "BEE_1", "HUND_QX1", "HUND_QY1", "HUND_QZ1", "TOMATO_1", "HUHN_1",
    "STEIN_1", "BIKE_1", "RAK_1", "JOG_1", nullptr, "EI_1", "PANDA_1", "PINGU_1", "JIB_1"};
const char *const HareNames[5] = {"XQ_HASE1", "QY_HASE1", "QX_HASE1", "YQ_HASE1", "ZQ_HASE1"};

const RewardAnimation *findAnimation(const QByteArray &frameA)
{
    for (const RewardAnimation &animation : RewardAnimations())
        if (frameA == animation.frameA)
            return &animation;
    return nullptr;
}

bool isHare(const char *frameA)
{
    return std::strstr(frameA, "HASE") != nullptr;
}

QList<QByteArray> creditLines()
{
    return QByteArray(AnimationCredits()).split('\r');
}

} // namespace

class TestAnimations : public QObject
{
    Q_OBJECT

private slots:
    void catalogueRowHasWrongFramesMovesOrDelay_data();
    void catalogueRowHasWrongFramesMovesOrDelay();
    void catalogueListsAnAnimationTwice();
    void pickTakesAnotherRowThanTheDraw_data();
    void pickTakesAnotherRowThanTheDraw();
    void someAnimationIsNeverPicked_data();
    void someAnimationIsNeverPicked();
    void haresNotFiveTimesRarer();
    void stopwatchWrongAcrossWrap_data();
    void stopwatchWrongAcrossWrap();
    void tickCountRunsBackwardsOrJumps();
    void creditsWrongLengthOrLineBreaks();
    void creditsFixedLineChanged_data();
    void creditsFixedLineChanged();
    void creditsOpenLineWronglyIndented_data();
    void creditsOpenLineWronglyIndented();
    void creditsHoldNonWindows1252Bytes();
};

void TestAnimations::catalogueRowHasWrongFramesMovesOrDelay_data()
{
    QTest::addColumn<QByteArray>("frameA");
    QTest::addColumn<QByteArray>("frameB");
    QTest::addColumn<int>("stepX");
    QTest::addColumn<int>("stepY");
    QTest::addColumn<int>("delay");
    QTest::addColumn<QSize>("sizeA");
    QTest::addColumn<QSize>("sizeB");

    const QSize square(100, 100);
    // The rows whose moves or delays the animation player depends on, and every size.
    QTest::newRow("0 dancer") << QByteArray("DANCE_1") << QByteArray("DANCE_2") << 0 << 0 << 40 << QSize(100, 108) << QSize(100, 108);
    QTest::newRow("1 plane climbs, base speed") << QByteArray("PLANE_1") << QByteArray("PLANE_2") << 2 << 1 << 0 << square << square;
    QTest::newRow("2 car right only") << QByteArray("AUTO_1") << QByteArray("AUTO_2") << 3 << 0 << 0 << square << square;
    QTest::newRow("3 lamp") << QByteArray("LAMPE_1") << QByteArray("LAMPE_2") << 0 << 0 << 0 << QSize(100, 105) << QSize(100, 105);
    QTest::newRow("4 victory") << QByteArray("V_1") << QByteArray("V_2") << 0 << 0 << 0 << square << square;
    QTest::newRow("5 thumb") << QByteArray("DAUM_1") << QByteArray("DAUM_2") << 0 << 0 << 0 << square << square;
    QTest::newRow("6 shuttle straight up") << QByteArray("SHUTTLE_1") << QByteArray("SHUTTLE_2") << 0 << 3 << 0 << QSize(80, 105) << QSize(80, 105);
    QTest::newRow("7 boot walks down") << QByteArray("STIEFEL_1") << QByteArray("STIEFEL_2") << 2 << -1 << 0 << square << square;
    QTest::newRow("8 elephant, frames differ") << QByteArray("ELE_1") << QByteArray("ELE_2") << 0 << 0 << 40 << QSize(92, 106) << QSize(92, 102);
    QTest::newRow("9 pig right only") << QByteArray("PIG_1") << QByteArray("PIG_2") << 3 << 0 << 30 << square << square;
    QTest::newRow("10 bee") << QByteArray("BEE_1") << QByteArray("BEE_2") << 0 << 0 << 80 << QSize(95, 105) << QSize(95, 105);
    QTest::newRow("11 dog") << QByteArray("HUND_QX1") << QByteArray("HUND_QX2") << 0 << 0 << 120 << QSize(120, 119) << QSize(120, 119);
    QTest::newRow("12 dog") << QByteArray("HUND_QY1") << QByteArray("HUND_QY2") << 0 << 0 << 120 << QSize(120, 120) << QSize(120, 120);
    QTest::newRow("13 dog") << QByteArray("HUND_QZ1") << QByteArray("HUND_QZ2") << 0 << 0 << 120 << QSize(120, 120) << QSize(120, 120);
    QTest::newRow("14 tomato") << QByteArray("TOMATO_1") << QByteArray("TOMATO_2") << 0 << 0 << 120 << QSize(102, 71) << QSize(102, 71);
    QTest::newRow("15 chicken") << QByteArray("HUHN_1") << QByteArray("HUHN_2") << 0 << 0 << 120 << QSize(126, 93) << QSize(126, 93);
    QTest::newRow("16 stone") << QByteArray("STEIN_1") << QByteArray("STEIN_2") << 0 << 0 << 120 << square << square;
    QTest::newRow("17 bike rides down") << QByteArray("BIKE_1") << QByteArray("BIKE_2") << 0 << -1 << 180 << QSize(80, 106) << QSize(80, 106);
    QTest::newRow("18 rocket") << QByteArray("RAK_1") << QByteArray("RAK_2") << 2 << 1 << 20 << QSize(114, 87) << QSize(114, 87);
    QTest::newRow("19 jogger") << QByteArray("JOG_1") << QByteArray("JOG_2") << 0 << 0 << 120 << QSize(54, 150) << QSize(54, 150);
    QTest::newRow("20 hare 0") << QByteArray("XQ_HASE1") << QByteArray("XQ_HASE2") << 0 << 0 << 75 << QSize(110, 90) << QSize(110, 90);
    QTest::newRow("20 hare 1") << QByteArray("QY_HASE1") << QByteArray("QY_HASE2") << 0 << 0 << 200 << QSize(125, 80) << QSize(125, 80);
    QTest::newRow("20 hare 2") << QByteArray("QX_HASE1") << QByteArray("QX_HASE2") << 0 << 0 << 150 << QSize(128, 72) << QSize(128, 72);
    QTest::newRow("20 hare 3") << QByteArray("YQ_HASE1") << QByteArray("YQ_HASE2") << 0 << 0 << 100 << QSize(123, 77) << QSize(123, 77);
    QTest::newRow("20 hare 4") << QByteArray("ZQ_HASE1") << QByteArray("ZQ_HASE2") << 0 << 0 << 100 << QSize(101, 68) << QSize(101, 68);
    QTest::newRow("21 egg") << QByteArray("EI_1") << QByteArray("EI_2") << 0 << 0 << 250 << QSize(60, 100) << QSize(60, 100);
    QTest::newRow("22 panda") << QByteArray("PANDA_1") << QByteArray("PANDA_2") << 0 << 0 << 200 << QSize(52, 82) << QSize(52, 82);
    QTest::newRow("23 penguin") << QByteArray("PINGU_1") << QByteArray("PINGU_2") << 0 << 0 << 200 << QSize(76, 86) << QSize(76, 86);
    QTest::newRow("24 slowest") << QByteArray("JIB_1") << QByteArray("JIB_2") << 0 << 0 << 350 << square << square;
}

void TestAnimations::catalogueRowHasWrongFramesMovesOrDelay()
{
    QFETCH(QByteArray, frameA);
    const RewardAnimation *animation = findAnimation(frameA);
    QFETCH(QByteArray, frameB);
    QFETCH(int, stepX);
    QFETCH(int, stepY);
    QFETCH(int, delay);
    QFETCH(QSize, sizeA);
    QFETCH(QSize, sizeB);
    QVERIFY2(animation, frameA.constData());
    QCOMPARE(QByteArray(animation->frameB), frameB);
    QCOMPARE(animation->stepX, stepX);
    QCOMPARE(animation->stepY, stepY);
    QCOMPARE(animation->delay, delay);
    QCOMPARE(animation->sizeA, sizeA);
    QCOMPARE(animation->sizeB, sizeB);
}

void TestAnimations::catalogueListsAnAnimationTwice()
{
    QCOMPARE(RewardAnimations().size(), size_t(29));
    std::map<QByteArray, int> seen;
    for (const RewardAnimation &animation : RewardAnimations()) {
        ++seen[animation.frameA];
        ++seen[animation.frameB];
    }
    QCOMPARE(seen.size(), size_t(58));
}

void TestAnimations::pickTakesAnotherRowThanTheDraw_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {1u, 42u, 4711u, 86399999u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestAnimations::pickTakesAnotherRowThanTheDraw()
{
    // The same seed replays the draws: first the row, then for row 20 the hare.
    QFETCH(quint32, seed);
    Random random(seed);
    Random replay(seed);
    for (int i = 0; i < 2000; ++i) {
        const int row = replay.below(25);
        const char *expected = row == 20 ? HareNames[replay.below(5)] : RowNames[row];
        QCOMPARE(QByteArray(PickRewardAnimation(random).frameA), QByteArray(expected));
    }
}

void TestAnimations::someAnimationIsNeverPicked_data()
{
    QTest::addColumn<quint32>("seed");
    for (quint32 seed : {7u, 1234u, 999999u})
        QTest::addRow("seed %u", seed) << seed;
}

void TestAnimations::someAnimationIsNeverPicked()
{
    QFETCH(quint32, seed);
    Random random(seed);
    std::map<QByteArray, int> picked;
    for (int i = 0; i < 5000; ++i)
        ++picked[PickRewardAnimation(random).frameA];
    for (const RewardAnimation &animation : RewardAnimations())
        QVERIFY2(picked[animation.frameA] > 0, animation.frameA);
    QCOMPARE(picked.size(), size_t(29));
}

void TestAnimations::haresNotFiveTimesRarer()
{
    Random random(20261208);
    constexpr int draws = 125000;
    std::map<QByteArray, int> picked;
    for (int i = 0; i < draws; ++i)
        ++picked[PickRewardAnimation(random).frameA];
    // Expected 5000 for a single row and 1000 for a hare; a few standard deviations apart.
    for (const auto &[name, count] : picked) {
        const int expected = isHare(name.constData()) ? draws / 125 : draws / 25;
        QVERIFY2(qAbs(count - expected) < expected / 10,
                 qPrintable(QStringLiteral("%1 picked %2 times").arg(QLatin1String(name)).arg(count)));
    }
}

void TestAnimations::stopwatchWrongAcrossWrap_data()
{
    QTest::addColumn<quint32>("since");
    QTest::addColumn<quint32>("now");
    QTest::addColumn<quint32>("elapsed");
    QTest::newRow("plain") << 1000u << 3500u << 2500u;
    QTest::newRow("same tick") << 77u << 77u << 0u;
    QTest::newRow("wrap by one") << 0xFFFFFFFFu << 0u << 1u;
    QTest::newRow("wrap mid-task") << 0xFFFFF000u << 0x00000400u << 0x1400u;
    QTest::newRow("just below wrap") << 0u << 0xFFFFFFFFu << 0xFFFFFFFFu;
}

void TestAnimations::stopwatchWrongAcrossWrap()
{
    QFETCH(quint32, since);
    QFETCH(quint32, now);
    QFETCH(quint32, elapsed);
    QCOMPARE(TicksBetween(since, now), elapsed);
}

void TestAnimations::tickCountRunsBackwardsOrJumps()
{
    const quint32 first = TickCount();
    QThread::msleep(20);
    const quint32 elapsed = TicksBetween(first, TickCount());
    // Not a timing test: only that the clock moves forward in milliseconds, not in
    // seconds or microseconds, and never backwards (which would wrap to a huge value).
    QVERIFY2(elapsed >= 15 && elapsed < 10000, qPrintable(QString::number(elapsed)));
}

void TestAnimations::creditsWrongLengthOrLineBreaks()
{
    const QByteArray credits(AnimationCredits());
    QCOMPARE(std::strlen(AnimationCredits()), size_t(900));
    QCOMPARE(credits.count('\n'), 0);
    QVERIFY(!credits.endsWith('\r'));
    QCOMPARE(creditLines().size(), 23);
}

void TestAnimations::creditsFixedLineChanged_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<QString>("text");
    QTest::newRow("6") << 6 << QString();
    QTest::newRow("7") << 7 << QStringLiteral("  Wer eigene Animationen beisteuern möchte, ist herzlich eingeladen,");
    QTest::newRow("8") << 8 << QStringLiteral("  seine Ideen hier einzubringen. Dabei sollten die folgenden Bedingungen");
    QTest::newRow("9") << 9 << QStringLiteral("  eingehalten werden:");
    QTest::newRow("10") << 10 << QString();
    QTest::newRow("11") << 11 << QStringLiteral("      1.) Zwei Bilder pro Animation");
    QTest::newRow("12") << 12 << QStringLiteral("      2.) Ungefähre Bildgröße: 100 x 100 Pixel");
    QTest::newRow("13") << 13 << QStringLiteral("      3.) Dateiformat: 16-Farben-Bitmap");
    QTest::newRow("14") << 14 << QString();
    QTest::newRow("15") << 15 << QStringLiteral("  Die Dateien können per e-Mail eingesandt werden an:");
    QTest::newRow("17") << 17 << QString();
    QTest::newRow("18") << 18 << QStringLiteral("  Geeignete Beiträge werden in die jeweils nächste Version aufgenommen,");
    QTest::newRow("19") << 19 << QStringLiteral("  die - falls gewünscht - per e-Mail zurück gesandt werden kann.");
    QTest::newRow("20") << 20 << QString();
    QTest::newRow("21") << 21 << QStringLiteral("  Vielen Dank für alle Beiträge und Anregungen!");
    QTest::newRow("22") << 22 << QString();
}

void TestAnimations::creditsFixedLineChanged()
{
    QFETCH(int, line);
    QFETCH(QString, text);
    const QList<QByteArray> lines = creditLines();
    QVERIFY(lines.size() >= line);
    QCOMPARE(lines[line - 1], EncodeCp1252(text));
}

void TestAnimations::creditsOpenLineWronglyIndented_data()
{
    QTest::addColumn<int>("line");
    QTest::addColumn<int>("indent");
    QTest::newRow("heading") << 1 << 2;
    for (int line = 2; line <= 5; ++line)
        QTest::addRow("names %d", line) << line << 6;
    QTest::newRow("address") << 16 << 6;
    QTest::newRow("signature") << 23 << 2;
}

void TestAnimations::creditsOpenLineWronglyIndented()
{
    QFETCH(int, line);
    QFETCH(int, indent);
    const QList<QByteArray> lines = creditLines();
    QVERIFY(lines.size() >= line);
    const QByteArray &text = lines[line - 1];
    QVERIFY2(text.size() > indent, text.constData());
    QCOMPARE(text.left(indent), QByteArray(indent, ' '));
    QVERIFY2(text[indent] != ' ', text.constData());
}

void TestAnimations::creditsHoldNonWindows1252Bytes()
{
    // Only printable characters of the code page besides the line breaks; the five
    // unassigned bytes would show as boxes.
    const QByteArray credits(AnimationCredits());
    for (char c : credits) {
        const auto byte = quint8(c);
        QVERIFY2(byte >= 0x20 || byte == '\r', qPrintable(QString::number(byte)));
        QVERIFY2(byte != 0x7F && byte != 0x81 && byte != 0x8D && byte != 0x8F && byte != 0x90 && byte != 0x9D,
                 qPrintable(QString::number(byte)));
    }
}

QTEST_GUILESS_MAIN(TestAnimations)
#include "tst_animations.moc"
