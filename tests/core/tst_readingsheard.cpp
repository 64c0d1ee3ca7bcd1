// The real voice against a real sound server: a PulseAudio daemon of the test's own with
// a null sink, whose monitor is recorded. Readings are cut off again and again, as a
// child does with Escape, a new task, the correction and closing the window, and every
// reading asked for after an interruption must be heard.

#include "voice/EspeakSpeech.h"

#include <QElapsedTimer>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdlib>

namespace {

constexpr int RecordedRate = 16000;
constexpr int BytesPerMillisecond = RecordedRate * 2 / 1000;
// Samples of a silent sink are exactly zero; speech peaks far above this.
constexpr int AudiblePeak = 300;

// Each at least two seconds long, so that a reading is still going on in the window in
// which it is listened for.
const QStringList Texts = {
    QStringLiteral("Runde sechstausendsechshundertachtzig auf Zehner."),
    QStringLiteral("Schreibe als Zahl: siebenundsechzigtausendneunhundertfünfzig."),
    QStringLiteral("Auf welche Zahl zeigt der Pfeil? Schau genau hin."),
    QStringLiteral("Wie viele Punkte sind verdeckt? Zähle genau nach."),
};

// The sink's monitor as parec writes it, each millisecond's loudest sample by the time
// it was played, counted from the start of the recording.
class MonitorRecording
{
public:
    bool start(const QString &server)
    {
        m_parec.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QObject::connect(&m_parec, &QProcess::readyReadStandardOutput, [this] { take(m_parec.readAllStandardOutput()); });
        m_parec.start(QStringLiteral("parec"),
                      {QStringLiteral("--server=") + server, QStringLiteral("--device=brimbelo_null.monitor"),
                       QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                       QStringLiteral("--rate=%1").arg(RecordedRate), QStringLiteral("--latency-msec=10"),
                       QStringLiteral("--raw")});
        return m_parec.waitForStarted(5000) && QTest::qWaitFor([this] { return !m_peaks.isEmpty(); }, 5000);
    }
    void stop()
    {
        m_parec.kill();
        m_parec.waitForFinished(2000);
    }
    // Recording time now: what has arrived, the time of the first piece before it included.
    qint64 now() const { return m_startOffset + m_clock.elapsed(); }
    // Whether anything audible was played in [from, to) of recording time.
    bool heardBetween(qint64 from, qint64 to) const
    {
        for (qint64 ms = std::max<qint64>(0, from); ms < std::min<qint64>(to, m_peaks.size()); ++ms) {
            if (m_peaks.at(ms) >= AudiblePeak)
                return true;
        }
        return false;
    }
    bool recordedUntil(qint64 time) const { return m_peaks.size() >= time; }
    // How much is recorded: while the sink is suspended, its monitor records nothing.
    qint64 recorded() const { return m_peaks.size(); }

private:
    void take(const QByteArray &bytes)
    {
        if (!m_clock.isValid()) {
            m_clock.start();
            m_startOffset = bytes.size() / BytesPerMillisecond;
        }
        m_pending.append(bytes);
        const auto *samples = reinterpret_cast<const qint16 *>(m_pending.constData());
        const qsizetype whole = m_pending.size() / BytesPerMillisecond;
        for (qsizetype ms = 0; ms < whole; ++ms) {
            int peak = 0;
            for (int i = 0; i < BytesPerMillisecond / 2; ++i)
                peak = std::max(peak, std::abs(int(samples[ms * BytesPerMillisecond / 2 + i])));
            m_peaks.append(peak);
        }
        m_pending.remove(0, whole * BytesPerMillisecond);
    }

    QProcess m_parec;
    QElapsedTimer m_clock;
    qint64 m_startOffset = 0;
    QByteArray m_pending;
    QList<int> m_peaks;
};

} // namespace

class ReadingsHeardTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readingAfterAnInterruptionIsNeverSilent_data();
    void readingAfterAnInterruptionIsNeverSilent();
    void soundOutputThatStopsPlayingIsReportedUntilItPlaysAgain();

private:
    bool suspendSink(bool suspended);

    QTemporaryDir m_serverHome;
    QProcess m_server;
    QString m_serverAddress;
    MonitorRecording m_recording;
    std::unique_ptr<EspeakSpeech> m_speech;
};

void ReadingsHeardTest::initTestCase()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pulseaudio")).isEmpty()
        || QStandardPaths::findExecutable(QStringLiteral("parec")).isEmpty())
        QSKIP("PulseAudio (pulseaudio, parec) is not installed");
    QVERIFY(m_serverHome.isValid());
    // A daemon of the test's own, in folders of its own: nothing of the machine's sound
    // settings is used or changed, and root may run it too.
    const QString socket = m_serverHome.filePath(QStringLiteral("native"));
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("HOME"), m_serverHome.path());
    environment.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_serverHome.path());
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), m_serverHome.path());
    m_server.setProcessEnvironment(environment);
    m_server.setStandardErrorFile(m_serverHome.filePath(QStringLiteral("daemon.log")));
    m_server.start(QStringLiteral("pulseaudio"),
                   {QStringLiteral("--daemonize=no"), QStringLiteral("--exit-idle-time=-1"), QStringLiteral("-n"),
                    QStringLiteral("--use-pid-file=no"), QStringLiteral("--realtime=no"),
                    QStringLiteral("--high-priority=no"), QStringLiteral("--disable-shm=yes"),
                    QStringLiteral("--log-target=stderr"),
                    QStringLiteral("-L"), QStringLiteral("module-null-sink sink_name=brimbelo_null"),
                    QStringLiteral("-L"), QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket});
    QVERIFY(m_server.waitForStarted(5000));
    QVERIFY2(QTest::qWaitFor([&] { return QFile::exists(socket) || m_server.state() == QProcess::NotRunning; }, 10000)
                 && m_server.state() == QProcess::Running,
             "the PulseAudio daemon did not start");
    m_serverAddress = QStringLiteral("unix:") + socket;
    qputenv("PULSE_SERVER", m_serverAddress.toUtf8());
    QVERIFY(m_recording.start(m_serverAddress));
    m_speech = std::make_unique<EspeakSpeech>();
    QTRY_VERIFY_WITH_TIMEOUT(m_speech->unavailableReason().isEmpty(), 5000);
}

void ReadingsHeardTest::cleanupTestCase()
{
    m_speech.reset();
    m_recording.stop();
    m_server.terminate();
    if (!m_server.waitForFinished(3000))
        m_server.kill();
}

void ReadingsHeardTest::readingAfterAnInterruptionIsNeverSilent_data()
{
    QTest::addColumn<bool>("stoppedFirst");
    QTest::addColumn<int>("cutAfter");
    // The reading before is cut off this many milliseconds after it was asked for: before
    // its first samples, while they start, in the middle; by a new reading (a new task, the
    // correction) or by stopping (Escape, closing the window) and reading again at once.
    for (const bool stopped : {false, true}) {
        for (const int cut : {0, 120, 700})
            QTest::addRow("%s after %d ms", stopped ? "stopped" : "replaced", cut) << stopped << cut;
    }
    QTest::newRow("finished") << true << 3300;
}

void ReadingsHeardTest::readingAfterAnInterruptionIsNeverSilent()
{
    QFETCH(bool, stoppedFirst);
    QFETCH(int, cutAfter);
    for (int i = 0; i < 4; ++i) {
        m_speech->say(Texts.at(i % Texts.size()));
        QTest::qWait(cutAfter);
        if (stoppedFirst)
            m_speech->stop();
        const qint64 asked = m_recording.now();
        m_speech->say(Texts.at((i + 1) % Texts.size()));
        // Heard from its start: within a quarter second, and still going on after it.
        QVERIFY(QTest::qWaitFor([&] { return m_recording.recordedUntil(asked + 800); }, 3000));
        QVERIFY2(m_recording.heardBetween(asked + 250, asked + 800),
                 qPrintable(QStringLiteral("reading %1 silent").arg(i + 1)));
        QVERIFY2(m_recording.heardBetween(asked, asked + 250), qPrintable(QStringLiteral("reading %1 late").arg(i + 1)));
    }
    m_speech->stop();
}

bool ReadingsHeardTest::suspendSink(bool suspended)
{
    return QProcess::execute(QStringLiteral("pactl"), {QStringLiteral("--server=") + m_serverAddress,
                                                        QStringLiteral("suspend-sink"), QStringLiteral("brimbelo_null"),
                                                        suspended ? QStringLiteral("1") : QStringLiteral("0")})
        == 0;
}

void ReadingsHeardTest::soundOutputThatStopsPlayingIsReportedUntilItPlaysAgain()
{
    // A sink that takes nothing more: new streams do not help, and the voice says so.
    QVERIFY(suspendSink(true));
    m_speech->say(Texts.at(1));
    QTRY_COMPARE_WITH_TIMEOUT(m_speech->unavailableReason(), QStringLiteral("Die Tonausgabe funktioniert nicht"), 5000);
    m_speech->stop();
    QVERIFY(suspendSink(false));
    const qint64 asked = m_recording.recorded();
    m_speech->say(Texts.at(2));
    QVERIFY(QTest::qWaitFor([&] { return m_recording.recordedUntil(asked + 1500); }, 4000));
    QVERIFY(m_recording.heardBetween(asked, asked + 1500));
    QTRY_VERIFY_WITH_TIMEOUT(m_speech->unavailableReason().isEmpty(), 2000);
    m_speech->stop();
}

QTEST_GUILESS_MAIN(ReadingsHeardTest)
#include "tst_readingsheard.moc"
