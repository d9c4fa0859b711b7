#include "effects.h"

#include <cmath>

namespace velmora::content {
namespace {

// A struck object: a few decaying partials (frequency ratio, gain, half-life in seconds).
struct Partial {
    double ratio;
    float gain;
    double halfLife;
};

Samples strike(double fundamental, std::initializer_list<Partial> partials, double seconds) {
    Samples out(samplesFor(seconds));
    for (const Partial& p : partials) {
        Samples ring = tone(Wave::Sine, seconds, fundamental * p.ratio);
        applyDecay(ring, 0.0008, p.halfLife);
        mixInto(out, ring, 0, p.gain);
    }
    return out;
}

Samples noiseBurst(double seconds, Random& random, Biquad filter, double attack, double halfLife) {
    Samples noise = whiteNoise(seconds, random);
    filter.process(noise);
    applyDecay(noise, attack, halfLife);
    return noise;
}

// A whoosh of air: band-passed noise whose centre and loudness follow the given curves.
Samples whoosh(double seconds, Random& random, const std::function<double(double)>& centre,
               const std::function<double(double)>& loudness) {
    Samples air = whiteNoise(seconds, random);
    sweepBandPass(air, 1.6, centre);
    applyEnvelope(air, loudness);
    return air;
}

// A voice of a crowd: a buzzing source at a gliding pitch shaped by three vowel formants.
struct Vowel {
    double f1, f2, f3;
};

Samples voice(double seconds, Random& random, double pitch, double glide, Vowel from, Vowel to) {
    const double wobble = random.range(4.5, 6.5), phase = random.range(0, 6.28);
    Samples source = tone(Wave::Saw, seconds, [=](double t) {
        return pitch * (1 + glide * t / seconds) * (1 + 0.02 * std::sin(2 * M_PI * wobble * t + phase));
    });
    Samples out(source.size());
    const Vowel* vowels[2] = {&from, &to};
    const float gains[3] = {1.0f, 0.6f, 0.25f};
    for (int f = 0; f < 3; ++f) {
        Samples band = source;
        sweepBandPass(band, 6, [=](double t) {
            const double k = std::min(1.0, t / seconds * 1.5);
            const double a = f == 0 ? vowels[0]->f1 : f == 1 ? vowels[0]->f2 : vowels[0]->f3;
            const double b = f == 0 ? vowels[1]->f1 : f == 1 ? vowels[1]->f2 : vowels[1]->f3;
            return a + (b - a) * k;
        });
        mixInto(out, band, 0, gains[f]);
    }
    return out;
}

// Claps: short bright bursts at random moments, density shaped over time.
Samples clapping(double seconds, Random& random, double claps,
                 const std::function<double(double)>& loudness) {
    Samples out(samplesFor(seconds));
    const int count = int(claps * seconds);
    for (int i = 0; i < count; ++i) {
        const double at = random.range(0, seconds - 0.03);
        Samples clap =
            noiseBurst(0.03, random, Biquad::bandPass(random.range(900, 2600), 1.2), 0.0008, 0.006);
        mixInto(out, clap, at, float(random.range(0.4, 1.0) * loudness(at)));
    }
    return out;
}

} // namespace

Samples buttonClick() {
    Random random(11);
    Samples click = strike(1700, {{1, 1.0f, 0.006}, {2.7, 0.4f, 0.003}}, 0.04);
    mixInto(click, noiseBurst(0.01, random, Biquad::highPass(3000), 0.0003, 0.002), 0, 0.3f);
    normalise(click, 0.7f);
    return click;
}

Samples courseAmbience() {
    constexpr double kLength = 12.0;
    Random random(0xB1D5);
    // Wind: low, rustling noise that swells on slow cycles dividing the loop, so it repeats cleanly.
    Samples wind = whiteNoise(kLength, random);
    Biquad::lowPass(500, 0.6).processLoop(wind);
    Biquad::lowPass(900).processLoop(wind);
    applyEnvelope(wind, [](double t) {
        return 0.55 + 0.3 * std::sin(2 * M_PI * t / kLength) +
               0.15 * std::sin(2 * M_PI * 3 * t / kLength + 1.0);
    });
    normalise(wind, 0.22f);
    Samples ambience = wind;
    // Birds: chirps and trills at random moments; a call that runs past the end continues at the start.
    for (int call = 0; call < 14; ++call) {
        const double start = random.range(0, kLength);
        const double base = random.range(2600, 4200);
        const int notes = random.integer(2, 6);
        const double spacing = random.range(0.09, 0.16);
        const bool trill = random.chance(0.4);
        const float level = float(random.range(0.08, 0.2));
        for (int n = 0; n < notes; ++n) {
            const double length = trill ? 0.05 : random.range(0.06, 0.12);
            const double rise = random.range(-0.3, 0.45);
            Samples chirp = tone(Wave::Sine, length, [=](double t) {
                return base * (1 + rise * t / length) * (1 + 0.06 * std::sin(2 * M_PI * 38 * t));
            });
            applyEnvelope(chirp, [length](double t) { return std::sin(M_PI * t / length); });
            mixInto(ambience, chirp, start + n * (trill ? 0.06 : spacing), level, true);
        }
    }
    normalise(ambience, 0.55f);
    return ambience;
}

Samples fullSwing() {
    Random random(21);
    // A bright crack of the club face, then the ball's hiss fading away.
    Samples sound = strike(2300, {{1, 1.0f, 0.012}, {1.63, 0.7f, 0.009}, {2.41, 0.45f, 0.006}}, 0.6);
    mixInto(sound, noiseBurst(0.05, random, Biquad::highPass(2500), 0.0005, 0.006), 0, 0.8f);
    mixInto(sound,
            whoosh(
                0.55, random, [](double t) { return 2400 - 2600 * t; },
                [](double t) { return std::min(1.0, t / 0.02) * std::pow(0.5, t / 0.12); }),
            0.01, 0.45f);
    normalise(sound, 0.8f);
    return sound;
}

Samples chipShot() {
    Random random(22);
    // A softer, lower contact with a brush of grass.
    Samples sound = strike(1150, {{1, 1.0f, 0.010}, {1.9, 0.4f, 0.006}}, 0.6);
    mixInto(sound, noiseBurst(0.12, random, Biquad::bandPass(1800, 0.8), 0.003, 0.03), 0, 0.6f);
    mixInto(sound,
            whoosh(
                0.4, random, [](double t) { return 1400 - 1500 * t; },
                [](double t) { return std::min(1.0, t / 0.02) * std::pow(0.5, t / 0.07); }),
            0.01, 0.3f);
    normalise(sound, 0.7f);
    return sound;
}

Samples puttStroke() {
    Random random(23);
    // The hollow "tock" of a putter.
    Samples sound = strike(880, {{1, 1.0f, 0.018}, {2.8, 0.35f, 0.008}, {5.1, 0.12f, 0.004}}, 0.6);
    mixInto(sound, noiseBurst(0.02, random, Biquad::bandPass(3000, 1.0), 0.0005, 0.003), 0, 0.2f);
    normalise(sound, 0.65f);
    return sound;
}

Samples ballBounce() {
    Random random(24);
    Samples thud = tone(Wave::Sine, 0.16, [](double t) { return 55 + 90 * std::exp(-t * 35); });
    applyDecay(thud, 0.001, 0.03);
    mixInto(thud, noiseBurst(0.05, random, Biquad::lowPass(700), 0.001, 0.01), 0, 0.5f);
    normalise(thud, 0.75f);
    return thud;
}

Samples cupDrop() {
    Random random(25);
    Samples sound(samplesFor(0.8));
    // The ball rattles against the cup's rim and drops with a hollow clunk.
    const double hits[] = {0.0, 0.11, 0.19, 0.24};
    const float levels[] = {0.8f, 0.55f, 0.35f, 0.2f};
    for (int i = 0; i < 4; ++i)
        mixInto(sound, strike(random.range(1500, 1800), {{1, 1.0f, 0.01}, {2.3, 0.5f, 0.006}}, 0.1), hits[i],
                levels[i]);
    Samples clunk = strike(320, {{1, 1.0f, 0.05}, {2.02, 0.5f, 0.03}, {3.1, 0.2f, 0.02}}, 0.45);
    mixInto(sound, clunk, 0.33, 1.0f);
    normalise(sound, 0.75f);
    return sound;
}

Samples waterSplash() {
    Random random(26);
    constexpr double kLength = 1.07;
    Samples splash = whiteNoise(kLength, random);
    sweepBandPass(splash, 0.7, [](double t) { return 3500 * std::exp(-t * 3) + 300; });
    applyEnvelope(splash, [](double t) { return std::min(1.0, t / 0.015) * std::pow(0.5, t / 0.14); });
    // Bubbles rising after the splash.
    for (int i = 0; i < 12; ++i) {
        const double at = random.range(0.12, 0.85), base = random.range(350, 900);
        Samples bubble = tone(Wave::Sine, 0.05, [base](double t) { return base * (1 + 8 * t); });
        applyDecay(bubble, 0.002, 0.012);
        mixInto(splash, bubble, at, float(random.range(0.08, 0.2)));
    }
    applyFade(splash, 0, 0.1);
    normalise(splash, 0.8f);
    return splash;
}

Samples applause() {
    Random random(27);
    constexpr double kLength = 3.0;
    Samples sound = clapping(kLength, random, 170, [](double t) {
        return std::min(1.0, t / 0.25) * (t > 1.8 ? std::max(0.0, (kLength - t) / (kLength - 1.8)) : 1.0);
    });
    normalise(sound, 0.7f);
    return sound;
}

Samples cheering() {
    Random random(28);
    constexpr double kLength = 3.0;
    auto swell = [](double t) {
        return std::min(1.0, t / 0.2) * (t > 2.0 ? std::max(0.0, (kLength - t) / (kLength - 2.0)) : 1.0);
    };
    Samples sound = clapping(kLength, random, 120, swell);
    normalise(sound, 0.35f);
    // "Yeah!" from a dozen voices, rising in pitch and opening from "e" to "ah".
    Samples crowd(samplesFor(kLength));
    for (int i = 0; i < 12; ++i) {
        const double start = random.range(0.0, 0.5), length = random.range(1.2, 2.2);
        const double pitch = random.chance(0.5) ? random.range(140, 200) : random.range(230, 330);
        Samples v =
            voice(length, random, pitch, random.range(0.1, 0.35), {450, 1900, 2600}, {750, 1250, 2500});
        applyEnvelope(v,
                      [length](double t) { return std::min(1.0, t / 0.08) * std::max(0.0, 1 - t / length); });
        mixInto(crowd, v, start, float(random.range(0.5, 1.0)));
    }
    // A whistle on top.
    Samples whistle =
        tone(Wave::Sine, 0.9, [](double t) { return 1900 + 900 * std::sin(M_PI * std::min(1.0, t / 0.35)); });
    applyFade(whistle, 0.05, 0.3);
    mixInto(crowd, whistle, 0.6, 0.15f);
    normalise(crowd, 0.5f);
    mixInto(sound, crowd, 0, 1.0f);
    applyEnvelope(sound, swell);
    normalise(sound, 0.8f);
    return sound;
}

Samples booing() {
    Random random(29);
    constexpr double kLength = 1.9;
    Samples crowd(samplesFor(kLength));
    for (int i = 0; i < 14; ++i) {
        const double start = random.range(0.0, 0.25), length = random.range(1.2, kLength - start);
        // One draw per statement: the order in which arguments are evaluated is the compiler's.
        const double pitch = random.range(95, 170), fall = random.range(0.05, 0.2);
        Samples v = voice(length, random, pitch, -fall, {320, 800, 2240}, {300, 700, 2240});
        applyEnvelope(v,
                      [length](double t) { return std::min(1.0, t / 0.15) * std::max(0.0, 1 - t / length); });
        mixInto(crowd, v, start, float(random.range(0.5, 1.0)));
    }
    Biquad::lowPass(2500).process(crowd);
    applyFade(crowd, 0.05, 0.3);
    normalise(crowd, 0.75f);
    return crowd;
}

Samples mysticChime() {
    constexpr double kLength = 2.4;
    Samples sound(samplesFor(kLength));
    // A rising arpeggio of bells over a soft pad, with an echo.
    const int notes[] = {72, 76, 79, 83, 86, 88};
    for (int i = 0; i < 6; ++i) {
        const double f = noteFrequency(notes[i]);
        Samples bell =
            strike(f, {{1, 1.0f, 0.35}, {2.76, 0.35f, 0.12}, {5.4, 0.12f, 0.05}}, kLength - i * 0.12);
        mixInto(sound, bell, i * 0.12, 0.3f);
    }
    for (int note : {60, 64, 67, 71}) {
        Samples pad = tone(Wave::Sine, kLength, noteFrequency(note) * 1.003);
        mixInto(pad, tone(Wave::Sine, kLength, noteFrequency(note) * 0.997), 0, 1.0f);
        applyEnvelope(pad, [](double t) { return std::sin(M_PI * t / kLength); });
        mixInto(sound, pad, 0, 0.06f);
    }
    addEcho(sound, 0.19, 0.4f, 4);
    applyFade(sound, 0, 0.35);
    normalise(sound, 0.7f);
    return sound;
}

} // namespace velmora::content
