"""Synthesises the game sounds as 16-bit mono WAV files.

Every sound is made from a few additive voices (sine partials with an envelope) and
seeded noise, so a rerun writes the same bytes.
"""

import math
import random
import struct
import wave
from pathlib import Path

EFFECT_RATE = 22050
MUSIC_RATE = 11025


def note(name):
    """Frequency of a note such as 'A4' or 'C#5'."""
    names = {"C": -9, "D": -7, "E": -5, "F": -4, "G": -2, "A": 0, "B": 2}
    semitone = names[name[0]]
    rest = name[1:]
    if rest.startswith("#"):
        semitone += 1
        rest = rest[1:]
    elif rest.startswith("b"):
        semitone -= 1
        rest = rest[1:]
    octave = int(rest)
    return 440.0 * 2 ** ((semitone + 12 * (octave - 4)) / 12)


class Track:
    """A buffer of samples that voices are mixed into."""

    def __init__(self, seconds, rate=EFFECT_RATE, wrap=False):
        self.rate = rate
        self.samples = [0.0] * int(seconds * rate)
        self.wrap = wrap

    def add(self, start, values):
        n = len(self.samples)
        first = int(start * self.rate)
        for i, v in enumerate(values):
            j = first + i
            if self.wrap:
                j %= n
            elif j >= n:
                break
            self.samples[j] += v

    def tone(self, start, freq, length, amp, partials=((1, 1.0),), attack=0.005,
             decay=None, glide=0.0):
        """A struck or sustained tone; decay is the time constant of an exponential
        fade (None keeps the level until a short release at the end)."""
        count = int(length * self.rate)
        release = min(0.03, length / 4)
        out = []
        phases = [0.0] * len(partials)
        for i in range(count):
            t = i / self.rate
            env = min(1.0, t / attack) if attack > 0 else 1.0
            if decay is not None:
                env *= math.exp(-t / decay)
            if t > length - release:
                env *= max(0.0, (length - t) / release)
            f = freq * (1.0 + glide * t / length)
            v = 0.0
            for k, (mult, weight) in enumerate(partials):
                phases[k] += 2 * math.pi * f * mult / self.rate
                v += weight * math.sin(phases[k])
            out.append(amp * env * v)
        self.add(start, out)

    def noise(self, start, length, amp, seed, decay=0.02, smooth=0.0):
        """A burst of noise; smooth (0..1) low-passes it with a one-pole filter."""
        rng = random.Random(seed)
        count = int(length * self.rate)
        out = []
        last = 0.0
        for i in range(count):
            t = i / self.rate
            x = rng.uniform(-1.0, 1.0)
            last = smooth * last + (1 - smooth) * x
            out.append(amp * last * math.exp(-t / decay))
        self.add(start, out)

    def write(self, path, peak=0.85):
        top = max(1e-9, max(abs(s) for s in self.samples))
        gain = peak / top
        frames = b"".join(struct.pack("<h", int(round(s * gain * 32767)))
                          for s in self.samples)
        path.parent.mkdir(parents=True, exist_ok=True)
        with wave.open(str(path), "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(self.rate)
            w.writeframes(frames)


BELL = ((1, 1.0), (2.76, 0.35), (5.4, 0.12), (8.93, 0.05))
MARIMBA = ((1, 1.0), (4.0, 0.25), (9.2, 0.05))
WOOD = ((1, 1.0), (2.57, 0.5), (4.1, 0.3))
GLASS = ((1, 1.0), (3.0, 0.2))


def hover():
    t = Track(0.08)
    t.tone(0, 1760, 0.08, 0.5, GLASS, attack=0.002, decay=0.015)
    return t


def tile_discarded():
    t = Track(0.18)
    t.noise(0, 0.05, 0.8, seed=11, decay=0.006, smooth=0.3)
    t.tone(0, 1180, 0.18, 0.6, WOOD, attack=0.001, decay=0.03)
    t.tone(0.004, 2350, 0.1, 0.25, WOOD, attack=0.001, decay=0.015)
    return t


def joined():
    t = Track(0.55)
    t.tone(0, note("C5"), 0.5, 0.5, BELL, decay=0.18)
    t.tone(0.12, note("G5"), 0.43, 0.5, BELL, decay=0.2)
    return t


def left():
    t = Track(0.55)
    t.tone(0, note("G5"), 0.5, 0.5, BELL, decay=0.18)
    t.tone(0.12, note("C5"), 0.43, 0.5, BELL, decay=0.2)
    return t


def chow():
    t = Track(0.5)
    for i, n in enumerate(("E5", "G5", "A5")):
        t.tone(i * 0.09, note(n), 0.3, 0.5, MARIMBA, attack=0.002, decay=0.09)
    return t


def pong():
    t = Track(0.45)
    for i in range(2):
        t.noise(i * 0.12, 0.03, 0.4, seed=21 + i, decay=0.005)
        t.tone(i * 0.12, note("D5"), 0.3, 0.6, WOOD, attack=0.001, decay=0.07)
    t.tone(0.24, note("A5"), 0.2, 0.3, MARIMBA, attack=0.002, decay=0.06)
    return t


def kong():
    t = Track(0.9)
    for i in range(4):
        t.noise(i * 0.1, 0.03, 0.4, seed=31 + i, decay=0.005)
        t.tone(i * 0.1, note("A4"), 0.3, 0.5, WOOD, attack=0.001, decay=0.07)
    t.tone(0.4, note("A3"), 0.5, 0.5, BELL, attack=0.003, decay=0.2)
    return t


def mahjong():
    t = Track(1.6)
    for i, n in enumerate(("C5", "E5", "G5", "C6")):
        t.tone(i * 0.1, note(n), 1.2 - i * 0.1, 0.45, BELL, decay=0.35)
    for n in ("C4", "G4", "E5"):
        t.tone(0.45, note(n), 1.1, 0.25, ((1, 1.0), (2, 0.3)), attack=0.05, decay=0.5)
    return t


def washout():
    t = Track(1.0)
    for i, n in enumerate(("A4", "F4", "D4")):
        t.tone(i * 0.2, note(n), 0.6, 0.45, ((1, 1.0), (2, 0.2)), attack=0.02,
               decay=0.25, glide=-0.03)
    return t


def start():
    t = Track(1.4)
    t.tone(0, note("D3"), 1.4, 0.6, ((1, 1.0), (1.5, 0.4), (2.02, 0.5), (3.01, 0.2)),
           attack=0.08, decay=0.5)
    t.tone(0.02, note("D5"), 0.8, 0.2, BELL, decay=0.25)
    return t


def meld_suggestion():
    t = Track(0.35)
    t.tone(0, note("E6"), 0.3, 0.4, GLASS, attack=0.002, decay=0.07)
    t.tone(0.08, note("B6"), 0.27, 0.35, GLASS, attack=0.002, decay=0.07)
    return t


def meld_pass_only():
    t = Track(0.25)
    t.tone(0, note("E5"), 0.25, 0.45, GLASS, attack=0.003, decay=0.06)
    return t


def wind_assignment():
    t = Track(1.0)
    rng = random.Random(41)
    out = []
    last = 0.0
    for i in range(int(0.7 * EFFECT_RATE)):
        x = i / (0.7 * EFFECT_RATE)
        smooth = 0.97 - 0.5 * x
        last = smooth * last + (1 - smooth) * rng.uniform(-1, 1)
        out.append(0.6 * last * math.sin(math.pi * x))
    t.add(0, out)
    t.tone(0.5, note("G5"), 0.5, 0.35, BELL, decay=0.18)
    t.tone(0.6, note("D6"), 0.4, 0.3, BELL, decay=0.15)
    return t


def lobby_music():
    """A one-minute loop: 24 bars at 96 beats per minute in a pentatonic key.
    Notes that ring past the end continue at the start, so the loop is seamless."""
    beat = 60 / 96
    t = Track(24 * 4 * beat, rate=MUSIC_RATE, wrap=True)
    scale = ["D4", "E4", "G4", "A4", "B4", "D5", "E5", "G5", "A5"]
    chords = [("G3", "D4", "B4"), ("E3", "B3", "G4"), ("C3", "G3", "E4"), ("D3", "A3", "F#4")]
    rng = random.Random(1234)
    # A phrase of eight beats, repeated with variations.
    motif = [4, 3, 5, 4, 2, 3, 1, 2]
    for bar in range(24):
        chord = chords[(bar // 2) % 4]
        bar_start = bar * 4 * beat
        # Soft pad holding the chord for the bar.
        for n in chord:
            t.tone(bar_start, note(n), 4 * beat, 0.08, ((1, 1.0), (2, 0.15)),
                   attack=0.4, decay=None)
        # Bass on beats one and three.
        t.tone(bar_start, note(chord[0]) / 2, 1.5 * beat, 0.22, ((1, 1.0), (2, 0.3)),
               attack=0.01, decay=0.5)
        t.tone(bar_start + 2 * beat, note(chord[1]) / 2, 1.5 * beat, 0.16,
               ((1, 1.0), (2, 0.3)), attack=0.01, decay=0.5)
        # Melody: the motif, shifted by the section, with a few passing eighths.
        section = (bar // 8) % 3
        for step in range(4):
            index = motif[(bar % 2) * 4 + step] + (0, 2, 1)[section]
            index = max(0, min(len(scale) - 1, index))
            start = bar_start + step * beat
            t.tone(start, note(scale[index]), 1.2 * beat, 0.2, MARIMBA, attack=0.003,
                   decay=0.25)
            if rng.random() < 0.3 and bar % 8 != 7:
                passing = max(0, min(len(scale) - 1, index + rng.choice((-1, 1))))
                t.tone(start + beat / 2, note(scale[passing]), 0.6 * beat, 0.13, MARIMBA,
                       attack=0.003, decay=0.15)
    return t


SOUNDS = {
    "hover": hover,
    "tile_discarded": tile_discarded,
    "joined": joined,
    "left": left,
    "chow": chow,
    "pong": pong,
    "kong": kong,
    "mahjong": mahjong,
    "washout": washout,
    "start": start,
    "meld_suggestion": meld_suggestion,
    "meld_pass_only": meld_pass_only,
    "wind_assignment": wind_assignment,
    "lobby_1min": lobby_music,
}


# Peak levels: frequent small sounds stay quiet, the music sits under the effects.
PEAKS = {"hover": 0.35, "tile_discarded": 0.6, "meld_pass_only": 0.5,
         "meld_suggestion": 0.6, "lobby_1min": 0.55}


def generate(skin_dir):
    for name, make in SOUNDS.items():
        make().write(Path(skin_dir) / "sounds" / (name + ".wav"), PEAKS.get(name, 0.85))


if __name__ == "__main__":
    import sys
    generate(sys.argv[1])
