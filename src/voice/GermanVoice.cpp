#include "voice/GermanVoice.h"

#include <espeak-ng/speak_lib.h>

#include <atomic>
#include <mutex>

namespace {

// Short pieces: the first one is ready, and can be played, long before the whole text.
constexpr int PieceMilliseconds = 50;
// Somewhat slower than the library's 175 words a minute: the listeners are young children.
constexpr int WordsPerMinute = 150;

std::mutex &voiceLock()
{
    static std::mutex lock;
    return lock;
}

struct Reading
{
    const SamplesSink &sink;
    bool stopped = false;
};

int takeSamples(short *samples, int count, espeak_EVENT *events)
{
    auto *reading = static_cast<Reading *>(events->user_data);
    if (samples == nullptr || count <= 0 || reading == nullptr)
        return 0;
    reading->stopped = !reading->sink(samples, count);
    return reading->stopped ? 1 : 0;
}

// Under voiceLock. Loaded once; the library has no way to be loaded again after a failure.
int openVoice()
{
    static const int sampleRate = [] {
        const int rate = espeak_Initialize(AUDIO_OUTPUT_SYNCHRONOUS, PieceMilliseconds, nullptr,
                                           espeakINITIALIZE_DONT_EXIT);
        if (rate <= 0 || espeak_SetVoiceByName("de") != EE_OK)
            return 0;
        espeak_SetParameter(espeakRATE, WordsPerMinute, 0);
        espeak_SetSynthCallback(takeSamples);
        return rate;
    }();
    return sampleRate;
}

// The sample rate once loading was tried, -1 before. Kept apart from the lock, so that
// asking does not wait for a reading that holds it.
std::atomic<int> loadedRate(-1);

} // namespace

int GermanVoiceSampleRate()
{
    if (loadedRate >= 0)
        return loadedRate;
    const std::lock_guard<std::mutex> held(voiceLock());
    loadedRate = openVoice();
    return loadedRate;
}

bool GermanVoiceTried()
{
    return loadedRate >= 0;
}

bool GermanVoiceMissing()
{
    return loadedRate == 0;
}

bool SynthesiseGerman(const QString &text, const SamplesSink &sink)
{
    const std::lock_guard<std::mutex> held(voiceLock());
    if (openVoice() == 0)
        return false;
    const QByteArray utf8 = text.toUtf8();
    Reading reading{sink};
    const espeak_ERROR result = espeak_Synth(utf8.constData(), size_t(utf8.size()) + 1, 0, POS_CHARACTER, 0,
                                             espeakCHARS_UTF8, nullptr, &reading);
    return result == EE_OK && !reading.stopped;
}
