#pragma once
// Building blocks for the sound generators: oscillators, noise, envelopes, filters and mixing,
// all on mono float sample buffers at kSampleRate.

#include "random.h"
#include "wav_file.h"

#include <cstddef>
#include <functional>
#include <vector>

namespace velmora::content {

using Samples = std::vector<float>;

inline size_t samplesFor(double seconds) {
    return size_t(seconds * kSampleRate + 0.5);
}

enum class Wave { Sine, Triangle, Square, Saw };

// One period of the waveform at phase 0..1 (square and saw are softened to keep 22 kHz clean).
float waveform(Wave wave, double phase);

// A tone whose frequency may glide: frequency(t) gives Hz at t seconds. Amplitude 1.
Samples tone(Wave wave, double seconds, const std::function<double(double)>& frequency);
Samples tone(Wave wave, double seconds, double frequency);

Samples whiteNoise(double seconds, Random& random);

// Envelopes multiply a buffer in place.
void applyAdsr(Samples& samples, double attack, double decay, double sustain, double release);
void applyDecay(Samples& samples, double attack, double halfLife); // attack, then exponential fall
void applyFade(Samples& samples, double fadeIn, double fadeOut);
void applyEnvelope(Samples& samples, const std::function<double(double)>& gain); // gain(t seconds)

// RBJ biquad filters; process() runs in place, keeping state between calls.
class Biquad {
public:
    static Biquad lowPass(double cutoff, double q = 0.707);
    static Biquad highPass(double cutoff, double q = 0.707);
    static Biquad bandPass(double centre, double q);
    float step(float x);
    void process(Samples& samples);
    // Filters a loop as if it repeated forever: the state at the start continues from the end.
    void processLoop(Samples& samples);

private:
    Biquad(int kind, double frequency, double q);
    double b0 = 1, b1 = 0, b2 = 0, a1 = 0, a2 = 0;
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
};

// A band-pass whose centre moves over time (for whooshes and vowel glides).
void sweepBandPass(Samples& samples, double q, const std::function<double(double)>& centre);

// Adds source into destination at offset (seconds) with a gain; with wrap the part past the end
// continues at the start, which makes loops seamless.
void mixInto(Samples& destination, const Samples& source, double offset, float gain, bool wrap = false);

// Feedback echo: delayed copies fading by feedback each time.
void addEcho(Samples& samples, double delay, float feedback, int repeats);

// Scales the buffer so that its largest magnitude is peak.
void normalise(Samples& samples, float peak);

double noteFrequency(int midiNote);

} // namespace velmora::content
