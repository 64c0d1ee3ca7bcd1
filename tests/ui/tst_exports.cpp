// The four functions other programs call by name, looked up as they would look them up
// inside a process linked like bm, and the 58 reward pictures they hand out.

#include "bm_exports.h"
#include "run/lernprog/Lernprog.h"

#include <QtEndian>
#include <QtTest>
#include <QImage>
#include <cstring>
#include <dlfcn.h>

namespace {

using GetThePictureFunction = void (*)(QImage *, QImage *, int32_t *, int32_t *, int32_t *);
using StartFunction = uint32_t (*)();
using StopFunction = uint32_t (*)(uint32_t);
using GetAnimInfoFunction = const char *(*)();

template <typename Function>
Function lookUp(const char *name)
{
    return reinterpret_cast<Function>(dlsym(RTLD_DEFAULT, name));
}

const QRgb Palette[16] = {
    qRgb(0, 0, 0),       qRgb(128, 0, 0),   qRgb(0, 128, 0),   qRgb(128, 128, 0),
    qRgb(0, 0, 128),     qRgb(128, 0, 128), qRgb(0, 128, 128), qRgb(192, 192, 192),
    qRgb(128, 128, 128), qRgb(255, 0, 0),   qRgb(0, 255, 0),   qRgb(255, 255, 0),
    qRgb(0, 0, 255),     qRgb(255, 0, 255), qRgb(0, 255, 255), qRgb(255, 255, 255),
};
constexpr int BackgroundIndex = 7;

quint32 le32(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 le16(const QByteArray &bytes, int offset)
{
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}

QByteArray resourceBytes(const QString &name)
{
    QFile file(QStringLiteral(":/animations/%1.bmp").arg(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

const RewardAnimation *animationWithFrames(QSize sizeA, QSize sizeB, int32_t stepX, int32_t stepY,
                                           int32_t delay)
{
    for (const RewardAnimation &animation : RewardAnimations())
        if (animation.sizeA == sizeA && animation.sizeB == sizeB && animation.stepX == stepX
            && animation.stepY == stepY && animation.delay == delay)
            return &animation;
    return nullptr;
}

} // namespace

class TestExports : public QObject
{
    Q_OBJECT

private slots:
    void exportedNameMissing_data();
    void exportedNameMissing();
    void getThePictureLeavesImagesOrMovesUnset();
    void getThePictureLoadsWithoutThePalette();
    void stopwatchDoesNotStartAtZero();
    void animInfoNotTheCredits();
    void pictureResourceMissingOrMalformed_data();
    void pictureResourceMissingOrMalformed();
    void strayPictureResources();
    void libraryExportsOtherThanTheFour();
};

void TestExports::exportedNameMissing_data()
{
    QTest::addColumn<QByteArray>("name");
    for (const char *name : {"GetThePicture", "start", "stop", "GetAnimInfo"})
        QTest::newRow(name) << QByteArray(name);
}

void TestExports::exportedNameMissing()
{
    QFETCH(QByteArray, name);
    QVERIFY2(dlsym(RTLD_DEFAULT, name.constData()) != nullptr, name.constData());
}

void TestExports::getThePictureLeavesImagesOrMovesUnset()
{
    const auto getThePicture = lookUp<GetThePictureFunction>("GetThePicture");
    QVERIFY(getThePicture);
    // The same two images are reloaded again and again, as the exercise window does.
    QImage frameA;
    QImage frameB;
    for (int call = 0; call < 40; ++call) {
        int32_t stepX = -999, stepY = -999, delay = -999;
        getThePicture(&frameA, &frameB, &stepX, &stepY, &delay);
        QVERIFY(!frameA.isNull());
        QVERIFY(!frameB.isNull());
        const RewardAnimation *animation = animationWithFrames(frameA.size(), frameB.size(), stepX, stepY, delay);
        QVERIFY2(animation, qPrintable(QStringLiteral("%1x%2, %3x%4, moves %5 %6, delay %7")
                                           .arg(frameA.width()).arg(frameA.height())
                                           .arg(frameB.width()).arg(frameB.height())
                                           .arg(stepX).arg(stepY).arg(delay)));
        QVERIFY(frameA != frameB);
    }
}

void TestExports::getThePictureLoadsWithoutThePalette()
{
    const auto getThePicture = lookUp<GetThePictureFunction>("GetThePicture");
    QVERIFY(getThePicture);
    QImage frameA;
    QImage frameB;
    int32_t stepX = 0, stepY = 0, delay = 0;
    getThePicture(&frameA, &frameB, &stepX, &stepY, &delay);
    for (const QImage &frame : {frameA, frameB}) {
        QCOMPARE(frame.pixel(0, 0), Palette[BackgroundIndex]);
        for (int y = 0; y < frame.height(); y += 3)
            for (int x = 0; x < frame.width(); x += 3)
                QVERIFY(std::find(std::begin(Palette), std::end(Palette), frame.pixel(x, y)) != std::end(Palette));
    }
}

void TestExports::stopwatchDoesNotStartAtZero()
{
    const auto start = lookUp<StartFunction>("start");
    const auto stop = lookUp<StopFunction>("stop");
    QVERIFY(start && stop);
    const uint32_t begun = start();
    QVERIFY2(stop(begun) < 100, "stop(start()) is far from zero");
    // A start long ago (across a wrap of the counter) still measures forward.
    QVERIFY(stop(begun - 5000) >= 5000);
    QVERIFY(stop(begun - 5000) < 5100);
}

void TestExports::animInfoNotTheCredits()
{
    const auto getAnimInfo = lookUp<GetAnimInfoFunction>("GetAnimInfo");
    QVERIFY(getAnimInfo);
    const char *credits = getAnimInfo();
    QVERIFY(credits);
    QCOMPARE(std::strlen(credits), size_t(900));
    QCOMPARE(QByteArray(credits), QByteArray(AnimationCredits()));
    QVERIFY(getAnimInfo() == credits);
}

void TestExports::pictureResourceMissingOrMalformed_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QString>("partner");
    for (const RewardAnimation &animation : RewardAnimations()) {
        QTest::newRow(animation.frameA) << QString(animation.frameA) << animation.sizeA << QString(animation.frameB);
        QTest::newRow(animation.frameB) << QString(animation.frameB) << animation.sizeB << QString(animation.frameA);
    }
}

void TestExports::pictureResourceMissingOrMalformed()
{
    QFETCH(QString, name);
    QFETCH(QSize, size);
    QFETCH(QString, partner);
    const QByteArray bmp = resourceBytes(name);
    QVERIFY2(bmp.size() > 118, "missing or too short");

    QCOMPARE(bmp.left(2), QByteArray("BM"));
    const quint32 pixelOffset = le32(bmp, 10);
    QCOMPARE(le32(bmp, 14), 40u);                        // plain information header
    QCOMPARE(int(le32(bmp, 18)), size.width());
    QCOMPARE(int(le32(bmp, 22)), size.height());         // positive: stored bottom-up
    QCOMPARE(le16(bmp, 26), quint16(1));
    QCOMPARE(le16(bmp, 28), quint16(4));                 // bits per pixel
    QCOMPARE(le32(bmp, 30), 0u);                         // uncompressed
    QVERIFY(le32(bmp, 46) == 16 || le32(bmp, 46) == 0);  // colours used: all 16
    for (int i = 0; i < 16; ++i) {
        const int entry = 54 + 4 * i;
        QCOMPARE(qRgb(quint8(bmp[entry + 2]), quint8(bmp[entry + 1]), quint8(bmp[entry])), Palette[i]);
    }

    const int rowBytes = ((size.width() + 1) / 2 + 3) / 4 * 4;
    QVERIFY(pixelOffset >= 118);
    QVERIFY(bmp.size() >= qsizetype(pixelOffset) + qsizetype(rowBytes) * size.height());
    // the top row is the last one stored; its first pixel is the high half of its first byte
    const quint8 topLeft = quint8(bmp[pixelOffset + rowBytes * (size.height() - 1)]) >> 4;
    QCOMPARE(int(topLeft), BackgroundIndex);

    // Two phases of one motion: the other frame is not a copy of this one.
    QVERIFY(resourceBytes(partner) != bmp);
}

void TestExports::strayPictureResources()
{
    QCOMPARE(QDir(":/animations").entryList(QDir::Files).size(), 58);
}

namespace {

// The output of a binary tool; skips the test where the tool is missing.
QString toolOutput(const QString &tool, const QStringList &arguments)
{
    QProcess process;
    process.start(tool, arguments);
    if (!process.waitForFinished(30000) || process.exitStatus() != QProcess::NormalExit || process.exitCode() != 0)
        return QString();
    return QString::fromLocal8Bit(process.readAllStandardOutput());
}

} // namespace

// The library carries the four under its public version and nothing else public; bm
// loads it and keeps no copy of its own, so a lookup inside bm finds the library's.
void TestExports::libraryExportsOtherThanTheFour()
{
    const QString program = qEnvironmentVariable("BM_EXECUTABLE");
    const QString library = qEnvironmentVariable("BRIMBELO_LERNPROG_LIBRARY");
    QVERIFY2(QFile::exists(program), "bm is not built");
    QVERIFY2(QFile::exists(library), "the library libbrimbelo-lernprog is not built");
    const QString librarySymbols = toolOutput("nm", {"-D", "--defined-only", "--with-symbol-versions", library});
    if (librarySymbols.isEmpty())
        QSKIP("nm is not available");
    QStringList publicNames;
    for (const QString &line : librarySymbols.split('\n', Qt::SkipEmptyParts)) {
        const QString symbol = line.split(' ').last();
        if (symbol.contains(QLatin1String("@@BRIMBELO_LERNPROG_1")))
            publicNames << symbol.section('@', 0, 0);
    }
    publicNames.sort();
    QCOMPARE(publicNames, QStringList({"GetAnimInfo", "GetThePicture", "start", "stop"}));

    const QString programSymbols = toolOutput("nm", {"-D", "--defined-only", program});
    for (const QString &line : programSymbols.split('\n', Qt::SkipEmptyParts))
        QVERIFY2(!publicNames.contains(line.split(' ').last()), qPrintable(line));
    const QString programHeaders = toolOutput("objdump", {"-p", program});
    QVERIFY(programHeaders.contains(QRegularExpression(QStringLiteral("NEEDED +libbrimbelo-lernprog\\.so\\.1\\n"))));
}

QTEST_MAIN(TestExports)
#include "tst_exports.moc"
