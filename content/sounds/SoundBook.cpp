// SPDX-License-Identifier: MIT
#include "content/sounds/SoundBook.h"

#include <utility>

namespace qv::sound {

namespace {

// Leaving with a prize: a brass call rising to a held major chord, with bells.
Track leaveFanfare() {
    Track t(4.2);
    const Timbre horn = brass();
    Note n{.length = 0.1, .level = 0.22, .attack = 0.018, .release = 0.05, .vibratoDepth = 0.003};
    for (double start : {0.0, 0.16, 0.32}) {
        n.start = start;
        n.frequency = midi(67);
        t.add(n, horn);
    }
    n.start = 0.48;
    n.length = 0.42;
    n.frequency = midi(72);
    t.add(n, horn);
    n.start = 0.98;
    n.length = 0.2;
    n.frequency = midi(76);
    t.add(n, horn);
    n.start = 1.26;
    n.length = 1.9;
    n.release = 0.9;
    n.vibratoDepth = 0.005;
    n.frequency = midi(79);
    t.add(n, horn);
    Note chord{.start = 1.26, .length = 1.9, .level = 0.12, .attack = 0.06, .release = 0.9};
    t.chord(chord, {midi(48), midi(60), midi(64), midi(67)}, horn);
    Note drum{.start = 1.26,
              .length = 0.6,
              .frequency = 62,
              .level = 0.5,
              .attack = 0.002,
              .decay = 0.25,
              .release = 0.2,
              .glide = 0.8};
    t.add(drum, qv::sound::drum());
    t.add(Noise{.start = 1.26, .length = 0.4, .level = 0.25, .decay = 0.12, .brightness = 0.35});
    Note sparkle{.length = 0.6, .level = 0.08, .attack = 0.002, .decay = 0.4, .release = 0.4};
    double at = 1.3;
    for (int key : {84, 88, 91, 96, 91, 96}) {
        sparkle.start = at;
        sparkle.frequency = midi(key);
        t.add(sparkle, bell());
        at += 0.12;
    }
    return t;
}

// The answer is locked in: a slow heartbeat under a swelling, uneasy drone,
// gone before the reveal five seconds later.
Track commitTension() {
    Track t(4.9);
    Note beat{.length = 0.1,
              .frequency = 58,
              .level = 0.55,
              .attack = 0.004,
              .decay = 0.09,
              .release = 0.1,
              .glide = 0.7};
    for (double at = 0.05; at < 4.3; at += 0.78) {
        beat.start = at;
        beat.level = 0.45 + at * 0.03;
        t.add(beat, drum());
        beat.start = at + 0.17;
        t.add(beat, drum());
    }
    Note drone{.start = 0,
               .length = 4.2,
               .level = 0.07,
               .attack = 3.2,
               .release = 0.6,
               .vibratoDepth = 0.002,
               .vibratoRate = 0.7};
    t.chord(drone, {midi(45), midi(52), midi(57)}, pad());
    Note edge{.start = 1.0,
              .length = 3.3,
              .level = 0.025,
              .attack = 2.6,
              .release = 0.5,
              .vibratoDepth = 0.004,
              .vibratoRate = 6.0};
    t.chord(edge, {midi(81), midi(82)}, pureTone());
    // A quiet clock between the beats keeps the wait audible on small speakers.
    Note tick{.length = 0.02,
              .frequency = 1520,
              .level = 0.07,
              .attack = 0.001,
              .decay = 0.015,
              .release = 0.03};
    for (double at = 0.44; at < 4.4; at += 0.39) {
        tick.start = at;
        tick.level = 0.05 + at * 0.012;
        t.add(tick, marimba());
    }
    return t;
}

// The right answer lights up: a quick rising arpeggio over a bright chord.
Track reveal() {
    Track t(1.7);
    Note ping{.length = 0.9, .level = 0.22, .attack = 0.003, .decay = 0.5, .release = 0.3};
    double at = 0;
    for (int key : {72, 76, 79, 84}) {
        ping.start = at;
        ping.frequency = midi(key);
        t.add(ping, bell());
        at += 0.075;
    }
    Note chord{.start = 0.22, .length = 0.8, .level = 0.09, .attack = 0.03, .release = 0.6};
    t.chord(chord, {midi(60), midi(64), midi(67), midi(72)}, pad());
    return t;
}

// Taking the money: coins ringing, then a warm settled chord.
Track takeMoney() {
    Track t(1.5);
    Note coin{.length = 0.3, .level = 0.16, .attack = 0.001, .decay = 0.12, .release = 0.2};
    const int keys[] = {88, 95, 91, 100, 93, 96};
    for (int i = 0; i < 6; ++i) {
        coin.start = i * 0.065;
        coin.frequency = midi(keys[i]);
        t.add(coin, bell());
    }
    Note chord{
        .start = 0.4, .length = 0.5, .level = 0.16, .attack = 0.004, .decay = 0.45, .release = 0.5};
    t.chord(chord, {midi(55), midi(59), midi(62), midi(67)}, marimba());
    return t;
}

// The joker: a glittering upward run of bells.
Track jokerSparkle() {
    Track t(1.6);
    Note bellNote{.length = 0.3, .level = 0.13, .attack = 0.002, .decay = 0.22, .release = 0.25};
    double at = 0;
    for (int key : {72, 74, 76, 79, 81, 84, 86, 88, 91}) {
        bellNote.start = at;
        bellNote.frequency = midi(key);
        t.add(bellNote, bell());
        at += 0.045;
    }
    t.add(Noise{.length = 0.9,
                .level = 0.05,
                .attack = 0.2,
                .decay = 0.4,
                .release = 0.3,
                .brightness = 0.9});
    Note chord{
        .start = 0.45, .length = 0.5, .level = 0.1, .attack = 0.01, .decay = 0.5, .release = 0.5};
    t.chord(chord, {midi(84), midi(88), midi(91)}, bell());
    return t;
}

// The clue takes two answers away: two falling pops, then a soft chord.
Track clueRemove() {
    Track t(1.3);
    Note pop{.length = 0.1,
             .level = 0.3,
             .attack = 0.003,
             .decay = 0.08,
             .release = 0.06,
             .glide = 0.55};
    pop.start = 0;
    pop.frequency = midi(88);
    t.add(pop, marimba());
    pop.start = 0.22;
    pop.frequency = midi(84);
    t.add(pop, marimba());
    Note chord{.start = 0.45,
               .length = 0.4,
               .level = 0.13,
               .attack = 0.004,
               .decay = 0.35,
               .release = 0.4};
    t.chord(chord, {midi(69), midi(72), midi(76)}, marimba());
    return t;
}

// The gamble begins: a drum roll and a rising tone, cut off by a hit.
Track gambleStart() {
    Track t(2.2);
    t.add(Noise{.length = 1.55,
                .level = 0.35,
                .attack = 1.2,
                .release = 0.05,
                .brightness = 0.3,
                .tremoloRate = 17});
    Note rise{.length = 1.5,
              .frequency = midi(57),
              .level = 0.08,
              .attack = 1.0,
              .release = 0.08,
              .glide = 2.0};
    t.add(rise, pad());
    Note hit{.start = 1.6,
             .length = 0.3,
             .frequency = 70,
             .level = 0.5,
             .attack = 0.002,
             .decay = 0.2,
             .release = 0.25,
             .glide = 0.75};
    t.add(hit, drum());
    t.add(Noise{.start = 1.6,
                .length = 0.3,
                .level = 0.3,
                .decay = 0.15,
                .release = 0.2,
                .brightness = 0.8});
    Note stab{
        .start = 1.6, .length = 0.3, .level = 0.1, .attack = 0.005, .decay = 0.3, .release = 0.25};
    t.chord(stab, {midi(57), midi(60), midi(64)}, brass());
    return t;
}

// One tick of the wheel's pointer passing a mark.
Track arrowTick() {
    Track t(0.09);
    Note knock{.length = 0.03,
               .frequency = 1250,
               .level = 0.5,
               .attack = 0.0008,
               .decay = 0.018,
               .release = 0.04};
    t.add(knock, marimba());
    t.add(Noise{.length = 0.01,
                .level = 0.2,
                .attack = 0.0005,
                .decay = 0.006,
                .release = 0.01,
                .brightness = 0.9});
    return t;
}

// The wheel stopped on the winning side: a cheerful climb to a held chord.
Track gambleWin() {
    Track t(1.7);
    Note step{.length = 0.09, .level = 0.2, .attack = 0.01, .release = 0.05};
    double at = 0;
    for (int key : {72, 76, 79}) {
        step.start = at;
        step.frequency = midi(key);
        t.add(step, brass());
        at += 0.11;
    }
    Note top{.start = 0.33,
             .length = 0.7,
             .frequency = midi(84),
             .level = 0.2,
             .attack = 0.01,
             .release = 0.5,
             .vibratoDepth = 0.004};
    t.add(top, brass());
    Note chord{.start = 0.33, .length = 0.7, .level = 0.08, .attack = 0.02, .release = 0.5};
    t.chord(chord, {midi(60), midi(64), midi(67)}, brass());
    Note ring{.start = 0.33,
              .length = 0.6,
              .frequency = midi(96),
              .level = 0.06,
              .attack = 0.002,
              .decay = 0.4,
              .release = 0.4};
    t.add(ring, bell());
    return t;
}

// The wheel stopped on the losing side: four sagging notes.
Track gambleLose() {
    Track t(1.95);
    Note sag{.length = 0.3, .level = 0.22, .attack = 0.03, .release = 0.08, .glide = 0.985};
    const int keys[] = {67, 66, 65};
    for (int i = 0; i < 3; ++i) {
        sag.start = i * 0.38;
        sag.frequency = midi(keys[i]);
        t.add(sag, brass());
    }
    Note last{.start = 1.14,
              .length = 0.55,
              .frequency = midi(64),
              .level = 0.22,
              .attack = 0.03,
              .release = 0.22,
              .glide = 0.94,
              .vibratoDepth = 0.012,
              .vibratoRate = 6};
    t.add(last, brass());
    return t;
}

// A new question: a soft rush of air and a two-note chime.
Track nextQuestion() {
    Track t(1.1);
    t.add(Noise{.length = 0.35,
                .level = 0.25,
                .attack = 0.22,
                .decay = 0.12,
                .release = 0.15,
                .brightness = 0.12});
    Note chime{.length = 0.4, .level = 0.2, .attack = 0.003, .decay = 0.35, .release = 0.3};
    chime.start = 0.22;
    chime.frequency = midi(76);
    t.add(chime, bell());
    chime.start = 0.36;
    chime.frequency = midi(81);
    t.add(chime, bell());
    return t;
}

// A key press.
Track click() {
    Track t(0.06);
    Note tick{.length = 0.01,
              .frequency = 1800,
              .level = 0.4,
              .attack = 0.0005,
              .decay = 0.008,
              .release = 0.02};
    t.add(tick, pureTone());
    t.add(Noise{.length = 0.006,
                .level = 0.25,
                .attack = 0.0004,
                .decay = 0.004,
                .release = 0.006,
                .brightness = 0.8});
    return t;
}

} // namespace

std::vector<Sound> soundBook() {
    std::vector<Sound> book;
    book.push_back({"quit.wav", leaveFanfare(), 0.5});
    book.push_back({"commit.wav", commitTension(), 0.5});
    book.push_back({"correct.wav", reveal(), 0.45});
    book.push_back({"take.wav", takeMoney(), 0.45});
    book.push_back({"joker.wav", jokerSparkle(), 0.42});
    book.push_back({"clue.wav", clueRemove(), 0.42});
    book.push_back({"gamble.wav", gambleStart(), 0.5});
    book.push_back({"gamblearrow.wav", arrowTick(), 0.4});
    book.push_back({"gamblewin.wav", gambleWin(), 0.4});
    book.push_back({"gamblelose.wav", gambleLose(), 0.3});
    book.push_back({"nextquestion.wav", nextQuestion(), 0.4});
    book.push_back({"click.wav", click(), 0.35});
    return book;
}

} // namespace qv::sound
