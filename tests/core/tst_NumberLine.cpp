// The number ray: where ticks, marks, labels and arrows go, and what the painter leaves in
// the drawing image.

#include "generators/numberline/NumberLine.h"
#include "generators/numberline/NumberLinePainting.h"
#include "core/Generation.h"

#include <QImage>
#include <QtTest>

namespace {

constexpr int SmallWidth = 405;   // drawing area at scale 1.0
constexpr int LargeWidth = 524;   // and at 1.28
const QColor Silver(192, 192, 192);

// Six pixels per character: enough to tell raised and shifted labels apart.
int SixPerChar(const QString &text)
{
    return int(text.size()) * 6;
}

NumberLineGeometry layoutOf(const TNumberLine &line, bool failed = false, double scale = 1.0,
                            bool arrowShown = true)
{
    return NumberLineLayout(line, arrowShown, failed, scale, scale > 1.0 ? LargeWidth : SmallWidth, SixPerChar);
}

QImage silverImage(double scale)
{
    QImage image(scale > 1.0 ? LargeWidth : SmallWidth, scale > 1.0 ? 377 : 266, QImage::Format_RGB32);
    image.fill(Silver);
    return image;
}

bool isYellow(QRgb pixel)
{
    return qRed(pixel) > 200 && qGreen(pixel) > 200 && qBlue(pixel) < 80;
}

bool isDark(QRgb pixel)
{
    return qGray(pixel) < 128;
}

// Columns holding at least one yellow pixel in the rows of the arrow.
QList<int> yellowColumns(const QImage &image)
{
    QList<int> columns;
    for (int x = 0; x < image.width(); ++x) {
        for (int y = ArrowTopY; y < BaseLineY; ++y) {
            if (isYellow(image.pixel(x, y))) {
                columns.append(x);
                break;
            }
        }
    }
    return columns;
}

int darkPixelsIn(const QImage &image, const QRect &area)
{
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x)
            count += isDark(image.pixel(x, y)) ? 1 : 0;
    return count;
}

QList<int> xsOf(const QList<LineSegment> &ticks)
{
    QList<int> xs;
    for (const LineSegment &tick : ticks)
        xs.append(tick.from.x());
    return xs;
}

} // namespace

class TestNumberLine : public QObject
{
    Q_OBJECT

private slots:
    void ticksStandOnTheUnitGrid_data()
    {
        QTest::addColumn<TNumberLine>("line");
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("smallCount");
        QTest::addColumn<int>("lastSmallX");
        QTest::addColumn<QList<int>>("longXs");
        // 20 pixels apart up to 390, the last x not beyond 405 - 10.
        QTest::newRow("300-400 at 2 px") << TNumberLine{300, 400, 2, 0} << 1.0 << 20 << 390 << QList<int>{10, 210};
        QTest::newRow("0-100 at 1 px") << TNumberLine{0, 100, 1, 0} << 1.0 << 39 << 390
                                       << QList<int>{10, 110, 210, 310};
        QTest::newRow("3000-4000 at 3 px") << TNumberLine{3000, 4000, 3, 0} << 1.0 << 13 << 370
                                           << QList<int>{10, 310};
        QTest::newRow("large, 2 px") << TNumberLine{0, 1000, 2, 0} << 1.28 << 26 << 510
                                     << QList<int>{10, 210, 410};
        QTest::newRow("large, 4 px") << TNumberLine{9900, 10000, 4, 0} << 1.28 << 13 << 490
                                     << QList<int>{10, 410};
    }
    void ticksStandOnTheUnitGrid()
    {
        QFETCH(TNumberLine, line);
        QFETCH(double, scale);
        QFETCH(int, smallCount);
        QFETCH(int, lastSmallX);
        QFETCH(QList<int>, longXs);
        const NumberLineGeometry g = layoutOf(line, false, scale);
        QCOMPARE(g.smallTicks.size(), smallCount);
        QCOMPARE(g.smallTicks.first().from.x(), LineLeftX);
        QCOMPARE(g.smallTicks.last().from.x(), lastSmallX);
        for (qsizetype i = 1; i < g.smallTicks.size(); ++i)
            QCOMPARE(g.smallTicks[i].from.x() - g.smallTicks[i - 1].from.x(), 10 * line.pixelsPerUnit);
        QCOMPARE(xsOf(g.longTicks), longXs);
        QCOMPARE(g.smallTicks.first(), (LineSegment{{10, 70}, {10, 65}}));
        QCOMPARE(g.longTicks.first(), (LineSegment{{10, 70}, {10, 60}}));
    }

    void labelsAreRaisedOrShiftedToStayInside_data()
    {
        QTest::addColumn<TNumberLine>("line");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QString>("leftText");
        QTest::addColumn<int>("leftX");
        QTest::addColumn<QString>("rightText");
        QTest::addColumn<int>("rightX");
        // "0" is 6 wide: 10 - 3.
        QTest::newRow("from 0") << TNumberLine{0, 100, 1, 0} << 1.0 << "0" << 7 << "100" << 101;
        // "300" is 18 wide: 10 - 9 = 1, exactly the limit.
        QTest::newRow("example 300-400") << TNumberLine{300, 400, 2, 0} << 1.0 << "300" << 1 << "400" << 201;
        // "3 000" is 30 wide: 10 - 15 would start left of the picture.
        QTest::newRow("example 3000-4000") << TNumberLine{3000, 4000, 3, 0} << 1.0 << "3 000" << 1 << "4 000"
                                           << 295;
        // "10 000" under x = 410 would stick out of 405: it ends at the edge instead.
        QTest::newRow("right edge, small") << TNumberLine{9900, 10000, 4, 0} << 1.0 << "9 900" << 1 << "10 000"
                                           << 405 - 36;
        QTest::newRow("right edge room, large") << TNumberLine{9900, 10000, 4, 0} << 1.28 << "9 900" << 1
                                                << "10 000" << 410 - 18;
    }
    void labelsAreRaisedOrShiftedToStayInside()
    {
        QFETCH(TNumberLine, line);
        QFETCH(double, scale);
        QFETCH(QString, leftText);
        QFETCH(int, leftX);
        QFETCH(QString, rightText);
        QFETCH(int, rightX);
        const NumberLineGeometry g = layoutOf(line, false, scale);
        QCOMPARE(g.leftLabel, (PlacedText{leftText, QPoint(leftX, LabelTopY)}));
        QCOMPARE(g.rightLabel, (PlacedText{rightText, QPoint(rightX, LabelTopY)}));
    }

    void helpLabelsOnlyAfterAWrongAnswer_data()
    {
        QTest::addColumn<TNumberLine>("line");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<QList<PlacedText>>("labels");
        QTest::newRow("not failed") << TNumberLine{300, 400, 2, 0} << false << QList<PlacedText>{};
        QTest::newRow("example 300-400") << TNumberLine{300, 400, 2, 0} << true
                                         << QList<PlacedText>{{"350", {110 - 9, 74}}, {"450", {310 - 9, 74}}};
        QTest::newRow("1 px from 0") << TNumberLine{0, 100, 1, 0} << true
                                     << QList<PlacedText>{{"50", {60 - 6, 74}}, {"150", {160 - 9, 74}}};
        QTest::newRow("3 px: middle only") << TNumberLine{3000, 4000, 3, 0} << true
                                           << QList<PlacedText>{{"3 500", {160 - 15, 74}}};
        QTest::newRow("4 px: middle only") << TNumberLine{40, 140, 4, 0} << true
                                           << QList<PlacedText>{{"90", {210 - 6, 74}}};
        QTest::newRow("span 1000 at 2 px") << TNumberLine{3000, 4000, 2, 0} << true
                                           << QList<PlacedText>{{"3 500", {110 - 15, 74}}, {"4 500", {310 - 15, 74}}};
        // The labels reach the number asked for, however far beyond 150 it lies.
        QTest::newRow("reach 210") << TNumberLine{0, 100, 1, 210} << true
                                   << QList<PlacedText>{{"50", {60 - 6, 74}}, {"150", {160 - 9, 74}},
                                                        {"200", {210 - 9, 74}}, {"250", {260 - 9, 74}}};
        QTest::newRow("reach 2 300") << TNumberLine{0, 1000, 1, 230} << true
                                     << QList<PlacedText>{{"500", {60 - 9, 74}}, {"1 500", {160 - 15, 74}},
                                                          {"2 000", {210 - 15, 74}}, {"2 500", {260 - 15, 74}}};
        QTest::newRow("reach 390, inside the picture")
            << TNumberLine{0, 100, 1, 390} << true
            << QList<PlacedText>{{"50", {60 - 6, 74}}, {"150", {160 - 9, 74}}, {"200", {210 - 9, 74}},
                                 {"250", {260 - 9, 74}}, {"300", {310 - 9, 74}}, {"350", {360 - 9, 74}}};
    }
    void helpLabelsOnlyAfterAWrongAnswer()
    {
        QFETCH(TNumberLine, line);
        QFETCH(bool, failed);
        QFETCH(QList<PlacedText>, labels);
        QCOMPARE(layoutOf(line, failed).helpLabels, labels);
    }

    void marksAndBandFollowTheScale_data()
    {
        QTest::addColumn<TNumberLine>("line");
        QTest::addColumn<double>("scale");
        QTest::addColumn<QPoint>("head");
        QTest::addColumn<bool>("hasDots");
        QTest::addColumn<QPoint>("dots");
        QTest::addColumn<QRect>("band");
        QTest::newRow("small from 0") << TNumberLine{0, 100, 1, 0} << 1.0 << QPoint(398, 63) << false << QPoint()
                                      << QRect(QPoint(10, 45), QPoint(403, 99));
        QTest::newRow("small from 300") << TNumberLine{300, 400, 2, 0} << 1.0 << QPoint(398, 63) << true
                                        << QPoint(0, 60) << QRect(QPoint(10, 45), QPoint(403, 99));
        QTest::newRow("large from 0") << TNumberLine{0, 100, 2, 0} << 1.28 << QPoint(517, 62) << false << QPoint()
                                      << QRect(QPoint(10, 45), QPoint(522, 127));
        QTest::newRow("large from 3000") << TNumberLine{3000, 4000, 3, 0} << 1.28 << QPoint(517, 62) << true
                                         << QPoint(0, 59) << QRect(QPoint(10, 45), QPoint(522, 127));
    }
    void marksAndBandFollowTheScale()
    {
        QFETCH(TNumberLine, line);
        QFETCH(double, scale);
        QFETCH(QPoint, head);
        QFETCH(bool, hasDots);
        QFETCH(QPoint, dots);
        QFETCH(QRect, band);
        const NumberLineGeometry g = layoutOf(line, false, scale);
        QCOMPARE(g.headMark, head);
        QCOMPARE(g.continuationMark.has_value(), hasDots);
        if (hasDots)
            QCOMPARE(*g.continuationMark, dots);
        QCOMPARE(g.clearedBand, band);
        QCOMPARE(g.baseLine, (LineSegment{{10, 70}, {(scale > 1.0 ? LargeWidth : SmallWidth) - 1, 70}}));
    }

    // --- what the painter leaves in the image ---

    void paintedLinesAreCrispAndStopBeforeTheirEnd_data()
    {
        QTest::addColumn<double>("scale");
        QTest::newRow("small") << 1.0;
        QTest::newRow("large") << 1.28;
    }
    void paintedLinesAreCrispAndStopBeforeTheirEnd()
    {
        QFETCH(double, scale);
        QImage image = silverImage(scale);
        DrawNumberLine(image, {0, 100, 2, 0}, true, false, scale);
        const int w = image.width();
        QCOMPARE(QColor(image.pixel(30, 70)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(30, 66)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(30, 65)), Silver);
        QCOMPARE(QColor(image.pixel(210, 61)), QColor(Qt::black));
        QCOMPARE(QColor(image.pixel(210, 60)), Silver);
        QCOMPARE(QColor(image.pixel(w - 2, 70)), QColor(Qt::black));
        // Only black and silver along the ray: no blended edge pixels.
        for (int x = 10; x < w - 12; ++x) {
            for (int y = 60; y <= 71; ++y) {
                const QColor c(image.pixel(x, y));
                QVERIFY2(c == QColor(Qt::black) || c == Silver,
                         qPrintable(QStringLiteral("blended pixel at %1,%2").arg(x).arg(y)));
            }
        }
    }

    void paintingWipesOnlyItsBand_data()
    {
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("bandBottom");
        QTest::newRow("small") << 1.0 << 99;
        QTest::newRow("large") << 1.28 << 127;
    }
    void paintingWipesOnlyItsBand()
    {
        QFETCH(double, scale);
        QFETCH(int, bandBottom);
        QImage image = silverImage(scale);
        image.fill(Qt::red);
        DrawNumberLine(image, {0, 100, 1, 0}, true, false, scale);
        const int w = image.width();
        QCOMPARE(QColor(image.pixel(w - 2, 45)), Silver);
        QCOMPARE(QColor(image.pixel(w - 2, bandBottom)), Silver);
        QCOMPARE(QColor(image.pixel(w - 2, bandBottom + 1)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(w - 1, 50)), QColor(Qt::red));
        QCOMPARE(QColor(image.pixel(200, 44)), QColor(Qt::red));
    }

    void arrowIsYellowAndCentredOnItsTick_data()
    {
        QTest::addColumn<TNumberLine>("line");
        QTest::addColumn<bool>("arrowShown");
        QTest::addColumn<bool>("failed");
        QTest::addColumn<double>("scale");
        QTest::newRow("offset 150 at 2 px") << TNumberLine{300, 400, 2, 150} << true << false << 1.0;
        QTest::newRow("offset 0") << TNumberLine{0, 100, 1, 0} << true << false << 1.0;
        QTest::newRow("offset 250, large") << TNumberLine{0, 1000, 2, 250} << true << true << 1.28;
        // Where the child has to find the number, an arrow would give it away.
        QTest::newRow("show a number") << TNumberLine{40, 140, 2, 35} << false << false << 1.0;
        QTest::newRow("show a number, wrong click") << TNumberLine{40, 140, 2, 35} << false << true << 1.0;
    }
    void arrowIsYellowAndCentredOnItsTick()
    {
        QFETCH(TNumberLine, line);
        QFETCH(bool, arrowShown);
        QFETCH(bool, failed);
        QFETCH(double, scale);
        QImage image = silverImage(scale);
        DrawNumberLine(image, line, arrowShown, failed, scale);
        QVERIFY(darkPixelsIn(image, QRect(10, 60, 380, 11)) > 0);   // the ray itself is there
        const QList<int> columns = yellowColumns(image);
        if (!arrowShown) {
            QVERIFY(columns.isEmpty());
            return;
        }
        QVERIFY(!columns.isEmpty());
        const int centre = 10 + line.arrowOffset * line.pixelsPerUnit;
        const int middle = (columns.first() + columns.last()) / 2;
        QVERIFY2(qAbs(middle - centre) <= 1, qPrintable(QStringLiteral("arrow centred on %1").arg(middle)));
        QVERIFY(columns.last() - columns.first() < 12);
    }

    void yellowArrowHasADarkRim_data()
    {
        QTest::addColumn<bool>("ofTheTask");   // else one more arrow, as pointing draws it
        QTest::addColumn<double>("scale");
        QTest::addColumn<int>("centre");
        QTest::newRow("task arrow") << true << 1.0 << 310;
        QTest::newRow("task arrow, large") << true << 1.28 << 310;
        QTest::newRow("pointing arrow at the line's left end") << false << 1.0 << LineLeftX;
    }
    void yellowArrowHasADarkRim()
    {
        QFETCH(bool, ofTheTask);
        QFETCH(double, scale);
        QFETCH(int, centre);
        QImage image = silverImage(scale);
        if (ofTheTask)
            DrawNumberLine(image, TNumberLine{300, 400, 2, (centre - LineLeftX) / 2}, true, false, scale);
        else
            DrawArrowAt(image, centre);
        int yellow = 0;
        for (int y = 1; y < BaseLineY; ++y) {
            for (int x = 1; x + 1 < image.width(); ++x) {
                if (QColor(image.pixel(x, y)) != ArrowYellow)
                    continue;
                ++yellow;
                // Yellow never meets silver: its contrast to silver is too weak to see.
                for (const QPoint side : {QPoint(-1, 0), QPoint(1, 0), QPoint(0, -1), QPoint(0, 1)})
                    QVERIFY2(QColor(image.pixel(QPoint(x, y) + side)) != Silver,
                             qPrintable(QStringLiteral("silver beside %1,%2").arg(x).arg(y)));
            }
        }
        QVERIFY(yellow > 10);
    }

    void correctionShowsThePlaceOfTheNumber_data()
    {
        QTest::addColumn<qint32>("offset");
        QTest::addColumn<bool>("textLeftOfArrow");
        QTest::newRow("in the middle") << 130 << false;
        QTest::newRow("at the right end, text turned inwards") << 385 << true;
    }
    void correctionShowsThePlaceOfTheNumber()
    {
        QFETCH(qint32, offset);
        QFETCH(bool, textLeftOfArrow);
        const TNumberLine line{0, 100, 1, offset};
        QImage image = silverImage(1.0);
        NumberLinePicture picture{line, QRect(QPoint(1, 30), QPoint(403, 99)), std::nullopt};
        PaintPlaceOfNumber(image, picture);
        QCOMPARE(image, silverImage(1.0));   // no place to show: nothing drawn
        picture.correctionOffset = offset;
        PaintPlaceOfNumber(image, picture);
        const int centre = LineLeftX + offset;
        QList<int> columns;
        for (int x = 0; x < image.width(); ++x) {
            for (int y = ArrowTopY; y < BaseLineY; ++y) {
                if (QColor(image.pixel(x, y)) == PlaceArrowColour) {
                    columns << x;
                    break;
                }
            }
        }
        QVERIFY(columns.contains(centre));
        QVERIFY(yellowColumns(image).isEmpty());
        // The number is written beside the arrow, inside the picture.
        QCOMPARE(columns.first() < centre - 8, textLeftOfArrow);
        QCOMPARE(columns.last() > centre + 8, !textLeftOfArrow);
    }

    void helpLabelsAppearInThePictureAfterAWrongAnswer()
    {
        const TNumberLine line{300, 400, 2, 150};
        const QRect underMiddle(95, LabelTopY, 30, 12);
        QImage image = silverImage(1.0);
        image.fill(Qt::red);
        PaintNumberLineTask(image, {line, QRect(QPoint(1, 30), QPoint(403, 99)), std::nullopt}, true, false, 1.0);
        QCOMPARE(QColor(image.pixel(1, 30)), Silver);   // the task band is cleared first
        QCOMPARE(QColor(image.pixel(0, 30)), QColor(Qt::red));
        QCOMPARE(darkPixelsIn(image, underMiddle), 0);
        PaintNumberLineCorrection(image, line, true, 1.0);
        QVERIFY(darkPixelsIn(image, underMiddle) > 0);
        QVERIFY(darkPixelsIn(image, QRect(295, LabelTopY, 30, 12)) > 0);
    }

    void distancePictureShowsBothArrows()
    {
        const TNumberLine line{2000, 3000, 2, 120};
        QImage image = silverImage(1.0);
        PaintNumberLineTask(image, {line, QRect(QPoint(1, 30), QPoint(319, 99)), 35}, true, false, 1.0);
        const QList<int> columns = yellowColumns(image);
        QVERIFY(columns.contains(80));    // 10 + 35 * 2
        QVERIFY(columns.contains(250));   // 10 + 120 * 2
        QVERIFY(!columns.contains(165));  // nothing between them
    }

};

QTEST_MAIN(TestNumberLine)
#include "tst_NumberLine.moc"
