#include "music.h"

#include <cmath>
#include <cstdlib>
#include <sstream>

namespace velmora::content {
namespace {

constexpr double kBeat = 60.0 / 128.0;
constexpr double kEighth = kBeat / 2;
constexpr int kBars = 8;
constexpr double kLength = kBars * 4 * kBeat;

// I - vi - IV - V twice: C, A minor, F, G (root notes, MIDI).
constexpr int kChordRoots[kBars] = {48, 45, 41, 43, 48, 45, 41, 43};
constexpr int kChordThird[kBars] = {4, 3, 4, 4, 4, 3, 4, 4};

const char* const kMelody[kBars] = {
    "E5:1 E5:1 G5:1 E5:1 D5:1 C5:1 D5:1 E5:1", "C5:2 A4:1 C5:1 E5:2 D5:1 C5:1",
    "A4:1 C5:1 F5:1 A5:1 G5:1 F5:1 E5:1 D5:1", "D5:1 E5:1 G5:2 B4:2 D5:2",
    "G5:1 G5:1 A5:1 G5:1 E5:1 C5:1 D5:1 E5:1", "A5:1 G5:1 E5:1 C5:1 E5:2 G5:1 A5:1",
    "F5:1 A5:1 C6:1 A5:1 G5:1 F5:1 E5:1 D5:1", "D5:2 G4:1 B4:1 D5:1 E5:1 F5:1 D5:1",
};

Samples lead(double frequency, double seconds) {
    Samples note = tone(Wave::Saw, seconds + 0.08, [frequency](double t) {
        const double vibrato = t > 0.12 ? 0.004 * std::sin(2 * M_PI * 5.5 * t) : 0.0;
        return frequency * (1 + vibrato);
    });
    const Samples body = tone(Wave::Sine, seconds + 0.08, frequency);
    for (size_t i = 0; i < note.size(); ++i)
        note[i] = note[i] * 0.55f + body[i] * 0.6f;
    Biquad::lowPass(3200).process(note);
    applyAdsr(note, 0.008, 0.09, 0.7, 0.08);
    return note;
}

Samples bass(double frequency, double seconds) {
    Samples note = tone(Wave::Triangle, seconds, frequency);
    const Samples sub = tone(Wave::Sine, seconds, frequency);
    for (size_t i = 0; i < note.size(); ++i)
        note[i] = note[i] * 0.6f + sub[i] * 0.7f;
    applyAdsr(note, 0.004, 0.12, 0.55, 0.04);
    return note;
}

Samples stab(const int* notes, int count, double seconds) {
    Samples chord(samplesFor(seconds));
    for (int i = 0; i < count; ++i)
        mixInto(chord, tone(Wave::Square, seconds, noteFrequency(notes[i])), 0, 0.33f);
    Biquad::lowPass(2200).process(chord);
    applyDecay(chord, 0.003, 0.05);
    return chord;
}

Samples kick() {
    Samples drum = tone(Wave::Sine, 0.22, [](double t) { return 45 + 110 * std::exp(-t * 28); });
    applyDecay(drum, 0.001, 0.045);
    return drum;
}

Samples snare(Random& random) {
    Samples noise = whiteNoise(0.18, random);
    Biquad::bandPass(2000, 0.7).process(noise);
    applyDecay(noise, 0.001, 0.035);
    Samples body = tone(Wave::Sine, 0.18, 185);
    applyDecay(body, 0.001, 0.025);
    mixInto(noise, body, 0, 0.5f);
    return noise;
}

Samples hat(Random& random) {
    Samples noise = whiteNoise(0.06, random);
    Biquad::highPass(7000).process(noise);
    applyDecay(noise, 0.0005, 0.012);
    return noise;
}

int noteNumber(const std::string& name) {
    static const int kSemitones[] = {9, 11, 0, 2, 4, 5, 7}; // A B C D E F G
    if (name.size() < 2 || name[0] < 'A' || name[0] > 'G')
        return -2;
    int semitone = kSemitones[name[0] - 'A'];
    size_t at = 1;
    if (name[at] == '#')
        ++semitone, ++at;
    else if (name[at] == 'b')
        --semitone, ++at;
    if (at + 1 != name.size() || name[at] < '0' || name[at] > '8')
        return -2;
    return 12 * (name[at] - '0' + 1) + semitone;
}

} // namespace

bool parseBar(const std::string& text, std::vector<NoteEvent>& notes) {
    std::istringstream in(text);
    std::string word;
    while (in >> word) {
        const size_t colon = word.find(':');
        if (colon == std::string::npos || colon + 1 >= word.size())
            return false;
        const std::string name = word.substr(0, colon);
        const int eighths = std::atoi(word.c_str() + colon + 1);
        const int midi = name == "-" ? -1 : noteNumber(name);
        if (eighths < 1 || midi == -2)
            return false;
        notes.push_back({midi, eighths});
    }
    return true;
}

Samples titleMusic() {
    Samples music(samplesFor(kLength));
    Random random(0x7171E);
    const Samples kickDrum = kick();
    for (int bar = 0; bar < kBars; ++bar) {
        const double barStart = bar * 4 * kBeat;
        // Melody.
        std::vector<NoteEvent> notes;
        parseBar(kMelody[bar], notes);
        double at = barStart;
        for (const NoteEvent& note : notes) {
            if (note.midi >= 0)
                mixInto(music, lead(noteFrequency(note.midi), note.eighths * kEighth * 0.92), at, 0.30f,
                        true);
            at += note.eighths * kEighth;
        }
        // Bass: root and octave on the eighths, a fifth before the next chord.
        const int root = kChordRoots[bar] - 12;
        const int pattern[8] = {0, 0, 12, 0, 7, 0, 12, 7};
        for (int e = 0; e < 8; ++e)
            mixInto(music, bass(noteFrequency(root + pattern[e]), kEighth * 0.9), barStart + e * kEighth,
                    0.34f, true);
        // Chord stabs on the off-beats.
        const int chord[3] = {kChordRoots[bar] + 12, kChordRoots[bar] + 12 + kChordThird[bar],
                              kChordRoots[bar] + 19};
        for (int beat = 0; beat < 4; ++beat)
            mixInto(music, stab(chord, 3, kEighth), barStart + beat * kBeat + kEighth, 0.16f, true);
        // Drums: kick on 1 and 3 (and a pickup in the last bar), snare on 2 and 4, hats on eighths.
        for (int beat = 0; beat < 4; ++beat) {
            const double t = barStart + beat * kBeat;
            if (beat % 2 == 0)
                mixInto(music, kickDrum, t, 0.55f, true);
            else
                mixInto(music, snare(random), t, 0.30f, true);
            mixInto(music, hat(random), t, 0.10f, true);
            mixInto(music, hat(random), t + kEighth, 0.07f, true);
        }
        if (bar == kBars - 1)
            mixInto(music, kickDrum, barStart + 3.5 * kBeat, 0.4f, true);
    }
    normalise(music, 0.85f);
    return music;
}

} // namespace velmora::content
