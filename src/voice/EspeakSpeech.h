#pragma once
// The real voice: reads with espeak-ng's German voice on a worker thread and plays the
// samples through the default sound output as they arrive, so the window never waits.
// Without a sound output it still reads (and drops the samples), which keeps it testable.
// A sound output that stops taking samples is replaced by a new one; when that does not
// help either, the voice says so until a later reading is played again.
// Lives in the library brimbelo_voice, which the program loads when it first needs it.

#include "voice/Speech.h"

#include <QIODevice>
#include <QMediaDevices>
#include <QObject>
#include <QThreadPool>
#include <QTimer>
#include <atomic>
#include <memory>

class QAudioSink;

// Samples waiting to be played, handed to the sound output piece by piece. The sound
// output asks how much is left from its own thread, so the counts are atomic.
class PcmQueue : public QIODevice
{
public:
    PcmQueue();
    void append(const QByteArray &pcm);
    void clear();
    bool isSequential() const override { return true; }
    qint64 bytesAvailable() const override;
    // Bytes handed to the sound output since the last clear().
    qint64 played() const { return m_played; }

protected:
    qint64 readData(char *data, qint64 maxSize) override;
    qint64 writeData(const char *, qint64) override { return -1; }

private:
    QByteArray m_pcm;
    std::atomic<qint64> m_size = 0;
    std::atomic<qint64> m_played = 0;
};

class EspeakSpeech : public QObject, public Speech
{
    Q_OBJECT
public:
    explicit EspeakSpeech(QObject *parent = nullptr);
    ~EspeakSpeech() override;

    QString unavailableReason() override;
    void say(const QString &text) override;
    void stop() override;

signals:
    // The first samples of the text last given to say() are ready to be played.
    void firstSamplesReady();

private:
    void takeSamples(quint64 utterance, const QByteArray &pcm);
    void startPlaying();
    // Every check period while samples wait, the sound output must have taken some.
    void checkPlaying();
    void replaceSink();
    void setFailed(bool failed);

    QThreadPool m_worker;
    // The text being read; a reading of an older one stops at its next piece.
    std::shared_ptr<std::atomic<quint64>> m_utterance;
    bool m_waitingForFirstSamples = false;
    PcmQueue m_queue;
    QAudioSink *m_sink = nullptr;
    QMediaDevices m_devices;
    QTimer m_watch;
    qint64 m_playedAtLastCheck = 0;
    // New sound outputs tried for the reading being played.
    int m_replacements = 0;
    bool m_failed = false;
};

// What the program looks up in the loaded library: the voice, owned by `parent`.
extern "C" Speech *CreateGermanSpeech(QObject *parent);
