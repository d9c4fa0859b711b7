#include "synth.h"

#include <algorithm>
#include <cmath>

namespace velmora::content {

float waveform(Wave wave, double phase) {
    phase -= std::floor(phase);
    switch (wave) {
    case Wave::Sine:
        return float(std::sin(2 * M_PI * phase));
    case Wave::Triangle:
        return float(phase < 0.5 ? 4 * phase - 1 : 3 - 4 * phase);
    case Wave::Square:
        // A few odd harmonics instead of a hard edge: no aliasing at the low sample rate.
        return float((std::sin(2 * M_PI * phase) + std::sin(6 * M_PI * phase) / 3 +
                      std::sin(10 * M_PI * phase) / 5 + std::sin(14 * M_PI * phase) / 7) *
                     0.9);
    case Wave::Saw: {
        double sum = 0;
        for (int k = 1; k <= 8; ++k)
            sum += std::sin(2 * M_PI * k * phase) / k * (k % 2 ? 1 : -1);
        return float(sum * 0.55);
    }
    }
    return 0;
}

Samples tone(Wave wave, double seconds, const std::function<double(double)>& frequency) {
    Samples out(samplesFor(seconds));
    double phase = 0;
    for (size_t i = 0; i < out.size(); ++i) {
        out[i] = waveform(wave, phase);
        phase += frequency(double(i) / kSampleRate) / kSampleRate;
    }
    return out;
}

Samples tone(Wave wave, double seconds, double frequency) {
    return tone(wave, seconds, [frequency](double) { return frequency; });
}

Samples whiteNoise(double seconds, Random& random) {
    Samples out(samplesFor(seconds));
    for (float& s : out)
        s = float(random.range(-1.0, 1.0));
    return out;
}

void applyEnvelope(Samples& samples, const std::function<double(double)>& gain) {
    for (size_t i = 0; i < samples.size(); ++i)
        samples[i] *= float(gain(double(i) / kSampleRate));
}

void applyAdsr(Samples& samples, double attack, double decay, double sustain, double release) {
    const double length = double(samples.size()) / kSampleRate;
    applyEnvelope(samples, [=](double t) {
        double level;
        if (t < attack)
            level = t / attack;
        else if (t < attack + decay)
            level = 1 - (1 - sustain) * (t - attack) / decay;
        else
            level = sustain;
        const double untilEnd = length - t;
        return untilEnd < release ? level * untilEnd / release : level;
    });
}

void applyDecay(Samples& samples, double attack, double halfLife) {
    applyEnvelope(samples, [=](double t) {
        if (t < attack)
            return t / attack;
        return std::pow(0.5, (t - attack) / halfLife);
    });
}

void applyFade(Samples& samples, double fadeIn, double fadeOut) {
    const double length = double(samples.size()) / kSampleRate;
    applyEnvelope(samples, [=](double t) {
        double g = 1;
        if (fadeIn > 0 && t < fadeIn)
            g *= t / fadeIn;
        if (fadeOut > 0 && length - t < fadeOut)
            g *= std::max(0.0, (length - t) / fadeOut);
        return g;
    });
}

namespace {

struct Coefficients {
    double b0, b1, b2, a1, a2;
};

Coefficients design(int kind, double frequency, double q) {
    const double w = 2 * M_PI * std::min(frequency, kSampleRate * 0.45) / kSampleRate;
    const double cw = std::cos(w), alpha = std::sin(w) / (2 * q);
    double b0, b1, b2;
    switch (kind) {
    case 0: // low pass
        b0 = (1 - cw) / 2, b1 = 1 - cw, b2 = (1 - cw) / 2;
        break;
    case 1: // high pass
        b0 = (1 + cw) / 2, b1 = -(1 + cw), b2 = (1 + cw) / 2;
        break;
    default: // band pass, 0 dB peak
        b0 = alpha, b1 = 0, b2 = -alpha;
        break;
    }
    const double a0 = 1 + alpha;
    return {b0 / a0, b1 / a0, b2 / a0, -2 * cw / a0, (1 - alpha) / a0};
}

} // namespace

Biquad::Biquad(int kind, double frequency, double q) {
    const Coefficients c = design(kind, frequency, q);
    b0 = c.b0, b1 = c.b1, b2 = c.b2, a1 = c.a1, a2 = c.a2;
}

Biquad Biquad::lowPass(double cutoff, double q) {
    return Biquad(0, cutoff, q);
}
Biquad Biquad::highPass(double cutoff, double q) {
    return Biquad(1, cutoff, q);
}
Biquad Biquad::bandPass(double centre, double q) {
    return Biquad(2, centre, q);
}

float Biquad::step(float x) {
    const double y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
    x2 = x1, x1 = x, y2 = y1, y1 = y;
    return float(y);
}

void Biquad::process(Samples& samples) {
    for (float& s : samples)
        s = step(s);
}

void Biquad::processLoop(Samples& samples) {
    for (float s : samples)
        step(s);
    process(samples);
}

void sweepBandPass(Samples& samples, double q, const std::function<double(double)>& centre) {
    double x1 = 0, x2 = 0, y1 = 0, y2 = 0;
    for (size_t i = 0; i < samples.size(); ++i) {
        const Coefficients c = design(2, centre(double(i) / kSampleRate), q);
        const double x = samples[i];
        const double y = c.b0 * x + c.b1 * x1 + c.b2 * x2 - c.a1 * y1 - c.a2 * y2;
        x2 = x1, x1 = x, y2 = y1, y1 = y;
        samples[i] = float(y);
    }
}

void mixInto(Samples& destination, const Samples& source, double offset, float gain, bool wrap) {
    if (destination.empty())
        return;
    const size_t start = samplesFor(offset);
    for (size_t i = 0; i < source.size(); ++i) {
        size_t at = start + i;
        if (at >= destination.size()) {
            if (!wrap)
                break;
            at %= destination.size();
        }
        destination[at] += source[i] * gain;
    }
}

void addEcho(Samples& samples, double delay, float feedback, int repeats) {
    const Samples dry = samples;
    float gain = feedback;
    for (int k = 1; k <= repeats; ++k, gain *= feedback)
        mixInto(samples, dry, delay * k, gain);
}

void normalise(Samples& samples, float peak) {
    float largest = 0;
    for (float s : samples)
        largest = std::max(largest, std::fabs(s));
    if (largest > 0)
        for (float& s : samples)
            s *= peak / largest;
}

double noteFrequency(int midiNote) {
    return 440.0 * std::pow(2.0, (midiNote - 69) / 12.0);
}

} // namespace velmora::content
