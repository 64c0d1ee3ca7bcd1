// The real German voice: three spoken texts read into samples without any sound device,
// each of a plausible length and not silent, written as WAV files for a person to hear;
// a reading stops when asked, and a new text replaces the old one.

#include "voice/EspeakSpeech.h"
#include "voice/GermanVoice.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QtEndian>
#include <QtTest>
#include <cmath>

namespace {

// A plain 16-bit mono WAV file.
QByteArray wavFile(const QList<qint16> &samples, int sampleRate)
{
    const quint32 dataSize = quint32(samples.size()) * 2;
    QByteArray wav;
    auto put32 = [&](quint32 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 4);
    };
    auto put16 = [&](quint16 v) {
        v = qToLittleEndian(v);
        wav.append(reinterpret_cast<const char *>(&v), 2);
    };
    wav.append("RIFF");
    put32(36 + dataSize);
    wav.append("WAVEfmt ");
    put32(16);
    put16(1);
    put16(1);
    put32(quint32(sampleRate));
    put32(quint32(sampleRate) * 2);
    put16(2);
    put16(16);
    wav.append("data");
    put32(dataSize);
    for (qint16 s : samples)
        put16(quint16(s));
    return wav;
}

double rootMeanSquare(const QList<qint16> &samples)
{
    double sum = 0;
    for (qint16 s : samples)
        sum += double(s) * s;
    return samples.isEmpty() ? 0 : std::sqrt(sum / double(samples.size()));
}

} // namespace

class GermanVoiceTest : public QObject
{
    Q_OBJECT
private slots:
    void voiceReadsTextsIntoAudibleSamples_data();
    void voiceReadsTextsIntoAudibleSamples();
    void readingStopsAtThePieceThatSaysStop();
    void newTextReplacesTheOneBeingRead();
};

void GermanVoiceTest::voiceReadsTextsIntoAudibleSamples_data()
{
    QTest::addColumn<QString>("file");
    QTest::addColumn<QString>("text");
    QTest::newRow("rounding") << "vorlesen-runden.wav" << "Runde sechstausendsechshundertachtzig auf Zehner";
    QTest::newRow("dictation") << "vorlesen-diktat.wav"
                               << "Schreibe als Zahl: siebenundsechzigtausendneunhundertfünfzig";
    QTest::newRow("correction") << "vorlesen-korrektur.wav"
                                << "Schade! So wird die Aufgabe richtig gelöst: neun, acht, sieben, sechs, fünf";
}

void GermanVoiceTest::voiceReadsTextsIntoAudibleSamples()
{
    QFETCH(QString, file);
    QFETCH(QString, text);
    const int sampleRate = GermanVoiceSampleRate();
    QVERIFY2(sampleRate > 0, "espeak-ng's German voice could not be loaded");
    QList<qint16> samples;
    QVERIFY(SynthesiseGerman(text, [&](const qint16 *piece, int count) {
        samples.append(QList<qint16>(piece, piece + count));
        return true;
    }));
    const double seconds = double(samples.size()) / sampleRate;
    QVERIFY2(seconds >= 0.5 && seconds <= 15, qPrintable(QString::number(seconds)));
    QVERIFY2(rootMeanSquare(samples) > 300, qPrintable(QString::number(rootMeanSquare(samples))));
    const QString folder = qEnvironmentVariable("BRIMBELO_TOUR_DIR");
    if (!folder.isEmpty()) {
        QVERIFY(QDir().mkpath(folder));
        QFile wav(QDir(folder).filePath(file));
        QVERIFY(wav.open(QIODevice::WriteOnly));
        wav.write(wavFile(samples, sampleRate));
    }
}

void GermanVoiceTest::readingStopsAtThePieceThatSaysStop()
{
    int pieces = 0;
    const bool finished = SynthesiseGerman(QStringLiteral("Wie viele Punkte sind verdeckt? Zähle genau nach."),
                                           [&](const qint16 *, int) { return ++pieces < 2; });
    QVERIFY(!finished);
    QCOMPARE(pieces, 2);
}

void GermanVoiceTest::newTextReplacesTheOneBeingRead()
{
    EspeakSpeech speech;
    QSignalSpy firstSamples(&speech, &EspeakSpeech::firstSamplesReady);
    speech.say(QStringLiteral("Auf welche Zahl zeigt der Pfeil?"));
    speech.say(QStringLiteral("Wie viele Punkte sind verdeckt?"));
    QVERIFY(firstSamples.wait(5000));
    // The first text's pieces, if any were ready, are dropped: only the second counts.
    QTest::qWait(300);
    QCOMPARE(firstSamples.count(), 1);
    speech.stop();
}

QTEST_GUILESS_MAIN(GermanVoiceTest)
#include "tst_germanvoice.moc"
