#pragma once
// espeak-ng's German voice as a synthesiser: text in, 16-bit mono samples out, piece by
// piece as soon as each is ready. It touches no sound device; playing the samples is left
// to EspeakSpeech. The library keeps global state, so calls are taken one at a time.

#include <QString>
#include <functional>

// Samples per second of the voice, or 0 when the library or its German voice is missing.
// The first call loads the voice, which takes some tens of milliseconds.
int GermanVoiceSampleRate();
// Whether loading the voice was tried (and so GermanVoiceSampleRate() no longer waits).
bool GermanVoiceTried();
// Whether loading the voice failed; false while it has not been tried. Never waits.
bool GermanVoiceMissing();

// Gets every piece of samples; returns false to stop the reading there.
using SamplesSink = std::function<bool(const qint16 *samples, int count)>;

// Reads `text` into `sink`; false when there is no voice or the sink stopped it.
bool SynthesiseGerman(const QString &text, const SamplesSink &sink);
