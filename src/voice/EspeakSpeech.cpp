#include "voice/EspeakSpeech.h"

#include "voice/GermanVoice.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

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
    emit readyRead();
}

void PcmQueue::clear()
{
    m_pcm.clear();
    m_played = 0;
}

qint64 PcmQueue::bytesAvailable() const
{
    return m_pcm.size() - m_played;
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
    m_worker.start([] { GermanVoiceSampleRate(); });
}

EspeakSpeech::~EspeakSpeech()
{
    ++*m_utterance;
    m_worker.waitForDone();
}

QString EspeakSpeech::unavailableReason()
{
    // While the voice is still loading it counts as there: libespeak-ng comes with it.
    if (GermanVoiceMissing())
        return QStringLiteral("Keine deutsche Stimme gefunden");
    if (QMediaDevices::defaultAudioOutput().isNull())
        return QStringLiteral("Keine Tonausgabe gefunden");
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
    if (m_sink != nullptr)
        m_sink->stop();
    m_queue.clear();
}

void EspeakSpeech::takeSamples(quint64 utterance, const QByteArray &pcm)
{
    if (utterance != *m_utterance)
        return;
    m_queue.append(pcm);
    if (!m_waitingForFirstSamples)
        return;
    m_waitingForFirstSamples = false;
    emit firstSamplesReady();
    startPlaying();
}

void EspeakSpeech::startPlaying()
{
    const QAudioDevice output = QMediaDevices::defaultAudioOutput();
    if (output.isNull())
        return;
    if (m_sink == nullptr) {
        QAudioFormat format;
        format.setSampleRate(GermanVoiceSampleRate());
        format.setChannelCount(1);
        format.setSampleFormat(QAudioFormat::Int16);
        m_sink = new QAudioSink(output, format, this);
    }
    m_sink->start(&m_queue);
}
