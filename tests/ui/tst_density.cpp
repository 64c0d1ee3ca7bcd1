// The pictures on a screen of twice the density (the toolkit's scale factor 2): each is
// painted at the screen's own pixels, as sharp as the toolkit's text, not drawn at half
// of them and doubled.

#include "WindowTestSupport.h"
#include "run/widgets/TImageView.h"

namespace {

// A picture doubled from half the pixels has every row pair alike.
bool someRowPairDiffers(const QImage &shot)
{
    for (int y = 0; y + 1 < shot.height(); y += 2) {
        for (int x = 0; x < shot.width(); ++x) {
            if (shot.pixel(x, y) != shot.pixel(x, y + 1))
                return true;
        }
    }
    return false;
}

} // namespace

class DensityTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void picturesArePaintedAtTheScreensPixels_data();
    void picturesArePaintedAtTheScreensPixels();
};

void DensityTest::initTestCase()
{
    CreateProgramWindows();
    QCOMPARE(Form2->devicePixelRatioF(), 2.0);
}

void DensityTest::picturesArePaintedAtTheScreensPixels_data()
{
    QTest::addColumn<qint32>("kind");
    QTest::addColumn<int>("screenHeight");
    QTest::addColumn<bool>("drawingHasAPicture");
    QTest::newRow("counting, small") << 403 << 600 << true;
    QTest::newRow("number line, large") << 102 << 768 << true;
    QTest::newRow("rounding: the balance strip alone") << 301 << 600 << false;
}

void DensityTest::picturesArePaintedAtTheScreensPixels()
{
    QFETCH(qint32, kind);
    QFETCH(int, screenHeight);
    QFETCH(bool, drawingHasAPicture);
    QVERIFY(StartRun(kind, QStringLiteral("Zahlen"), screenHeight));
    QList<TImageView *> pictures{Form2->Image1};
    if (drawingHasAPicture)
        pictures << Form2->PaintBox1;
    for (TImageView *picture : pictures) {
        QCOMPARE(picture->image().devicePixelRatio(), 2.0);
        QCOMPARE(picture->image().size(), picture->size() * 2);
        const QImage shot = picture->grab().toImage();
        QCOMPARE(shot.size(), picture->size() * 2);
        QVERIFY(someRowPairDiffers(shot));
    }
    Form2->close();
}

int main(int argc, char **argv)
{
    qputenv("QT_SCALE_FACTOR", "2");
    QApplication app(argc, argv);
    DensityTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_density.moc"
