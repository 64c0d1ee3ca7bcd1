#include "voice/EspeakSpeech.h"

#include "voice/GermanVoice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>

namespace {

// The sound output's buffer, asked for anew at every start: the toolkit otherwise asks
// for what the server granted last time, which the server grants smaller again, until
// after a few interrupted readings the stream never starts playing.
constexpr int BufferMilliseconds = 250;
// A sound output that has taken nothing for this long while samples wait has stopped.
constexpr int CheckMilliseconds = 400;
// New sound outputs tried before the voice says the sound does not work.
constexpr int MaxReplacements = 2;

} // namespace

Speech *CreateGermanSpeech(QObject *parent)
{
    return new EspeakSpeech(parent);
}

PcmQueue::PcmQueue()
{
    open(QIODevice::ReadOnly | QIODevice::Unbuffered);
}

void PcmQueue::append(const QByteArray &pcm)
{
    m_pcm.append(pcm);
    m_size = m_pcm.size();
    emit readyRead();
}

void PcmQueue::clear()
{
    m_size = 0;
    m_played = 0;
    m_pcm.clear();
}

qint64 PcmQueue::bytesAvailable() const
{
    return m_size - m_played;
}

qint64 PcmQueue::readData(char *data, qint64 maxSize)
{
    const qint64 count = std::min(maxSize, bytesAvailable());
    std::copy_n(m_pcm.constData() + m_played, count, data);
    m_played += count;
    return count;
}

EspeakSpeech::EspeakSpeech(QObject *parent)
    : QObject(parent), m_utterance(std::make_shared<std::atomic<quint64>>(0))
{
    // One reading at a time, in the order they were asked for.
    m_worker.setMaxThreadCount(1);
    // The voice is loaded there too, so the window never waits for it.
    m_worker.start([this] {
        GermanVoiceSampleRate();
        QMetaObject::invokeMethod(this, [this] { readinessChanged(); }, Qt::QueuedConnection);
    });
    connect(&m_devices, &QMediaDevices::audioOutputsChanged, this, [this] {
        // Another sound output may work where the last one failed.
        m_failed = false;
        readinessChanged();
    });
    m_watch.setInterval(CheckMilliseconds);
    connect(&m_watch, &QTimer::timeout, this, &EspeakSpeech::checkPlaying);
}

EspeakSpeech::~EspeakSpeech()
{
    ++*m_utterance;
    m_worker.waitForDone();
    // The sound output, a child, goes after the queue it reads from: it lets go of it now.
    if (m_sink != nullptr)
        m_sink->stop();
}

QString EspeakSpeech::unavailableReason()
{
    if (!GermanVoiceTried())
        return VoiceBeingPrepared;
    if (GermanVoiceMissing())
        return QStringLiteral("Keine deutsche Stimme gefunden");
    if (QMediaDevices::defaultAudioOutput().isNull())
        return QStringLiteral("Keine Tonausgabe gefunden");
    if (m_failed)
        return QStringLiteral("Die Tonausgabe funktioniert nicht");
    return QString();
}

void EspeakSpeech::say(const QString &text)
{
    stop();
    const quint64 utterance = *m_utterance;
    m_waitingForFirstSamples = true;
    m_worker.start([this, text, utterance, current = m_utterance] {
        SynthesiseGerman(text, [&](const qint16 *samples, int count) {
            if (*current != utterance)
                return false;
            const QByteArray pcm(reinterpret_cast<const char *>(samples), qsizetype(count) * qsizetype(sizeof(qint16)));
            QMetaObject::invokeMethod(this, [this, utterance, pcm] { takeSamples(utterance, pcm); },
                                      Qt::QueuedConnection);
            return true;
        });
    });
}

void EspeakSpeech::stop()
{
    ++*m_utterance;
    m_waitingForFirstSamples = false;
    m_watch.stop();
    if (m_sink != nullptr)
        m_sink->stop();
    m_queue.clear();
}

void EspeakSpeech::takeSamples(quint64 utterance, const QByteArray &pcm)
{
    if (utterance != *m_utterance)
        return;
    m_queue.append(pcm);
    if (!m_waitingForFirstSamples) {
        // The sound output had played all there was before this piece came.
        if (m_sink != nullptr && m_sink->state() != QAudio::StoppedState && !m_watch.isActive()) {
            m_playedAtLastCheck = m_queue.played();
            m_watch.start();
        }
        return;
    }
    m_waitingForFirstSamples = false;
    emit firstSamplesReady();
    m_replacements = 0;
    startPlaying();
}

void EspeakSpeech::startPlaying()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull()) {
        m_watch.stop();
        return;
    }
    if (m_sink == nullptr) {
        QAudioFormat format;
        format.setSampleRate(GermanVoiceSampleRate());
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = new QAudioSink(output, format, this);
    }
    m_sink->setBufferSize(m_sink->format().bytesForDuration(qint64(BufferMilliseconds) * 1000));
    m_sink->start(&m_queue);
    m_playedAtLastCheck = m_queue.played();
    m_watch.start();
}

void EspeakSpeech::checkPlaying()
{
    const bool tookSome = m_queue.played() > m_playedAtLastCheck;
    m_playedAtLastCheck = m_queue.played();
    if (tookSome) {
        setFailed(false);
        return;
    }
    if (m_queue.bytesAvailable() == 0) {
        // Read to its end.
        m_watch.stop();
        return;
    }
    if (m_replacements == MaxReplacements) {
        m_watch.stop();
        setFailed(true);
        return;
    }
    ++m_replacements;
    replaceSink();
}

void EspeakSpeech::replaceSink()
{
    // A new stream goes on where the old one stopped taking samples.
    if (m_sink != nullptr) {
        m_sink->stop();
        m_sink->deleteLater();
        m_sink = nullptr;
    }
    startPlaying();
}

void EspeakSpeech::setFailed(bool failed)
{
    if (m_failed == failed)
        return;
    m_failed = failed;
    readinessChanged();
}
