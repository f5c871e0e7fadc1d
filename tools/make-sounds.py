#!/usr/bin/env python3
"""Synthesises the table's sounds into data/sounds/*.wav: 16-bit mono PCM at
11,025 Hz, a few KiB each, from decaying tones and seeded noise, so the
same script always writes the same files.

  tools/make-sounds.py [OUTPUT_DIR]
"""

import math
import pathlib
import random
import struct
import sys
import wave

RATE = 11025


def silence(seconds):
    return [0.0] * int(RATE * seconds)


def click(seconds, pitch, decay, noise, rng):
    """A struck hard surface: a tone and a burst of noise, both dying fast."""
    samples = []
    for i in range(int(RATE * seconds)):
        t = i / RATE
        envelope = math.exp(-t * decay)
        tone = math.sin(2 * math.pi * pitch * t) + 0.5 * math.sin(2 * math.pi * pitch * 2.7 * t)
        samples.append(envelope * (0.6 * tone + noise * rng.uniform(-1, 1)))
    return samples


def mix(into, sound, at_seconds, gain=1.0):
    start = int(RATE * at_seconds)
    needed = start + len(sound) - len(into)
    if needed > 0:
        into.extend([0.0] * needed)
    for i, s in enumerate(sound):
        into[start + i] += gain * s
    return into


def chip(rng):
    # Clay on cloth: one short, dull clack.
    return click(0.06, 1900, 90, 0.5, rng)


def bet(rng):
    # A croupier's hand of chips: clacks close together, settling.
    out = silence(0.0)
    for k, at in enumerate((0.0, 0.035, 0.075, 0.11, 0.16)):
        mix(out, click(0.05, 1700 + 180 * k, 100, 0.5, rng), at, 0.9 - 0.1 * k)
    return out


def spin(rng):
    # The ball running in the track: a soft roll with ticks on the frets.
    # A whole number of tick periods, so it loops without a seam.
    seconds = 0.4
    out = [0.25 * rng.uniform(-1, 1) * (0.6 + 0.4 * math.sin(2 * math.pi * 5 * i / RATE))
           for i in range(int(RATE * seconds))]
    for k in range(8):
        mix(out, click(0.02, 2600, 220, 0.3, rng), k * seconds / 8, 0.35)
    return out[: int(RATE * seconds)]


def drop(rng):
    # The ball falling into its pocket: a few bounces, each quieter and sooner.
    out = silence(0.0)
    at, gap, gain = 0.0, 0.07, 1.0
    for _ in range(4):
        mix(out, click(0.05, 2300, 120, 0.4, rng), at, gain)
        at, gap, gain = at + gap, gap * 0.6, gain * 0.6
    return out


def win(rng):
    # Chips counted out: a quick rising run of clacks.
    out = silence(0.0)
    for k in range(6):
        mix(out, click(0.05, 1500 + 150 * k, 110, 0.45, rng), k * 0.045, 0.8)
    return out


def sweep(rng):
    # The rake across the cloth: a noise swell, then chips gathered.
    seconds = 0.22
    out = []
    for i in range(int(RATE * seconds)):
        t = i / RATE
        out.append(0.35 * math.sin(math.pi * t / seconds) * rng.uniform(-1, 1))
    mix(out, click(0.05, 1600, 100, 0.5, rng), seconds - 0.03, 0.6)
    return out


def write(path, samples):
    peak = max(1e-9, max(abs(s) for s in samples))
    frames = b"".join(struct.pack("<h", int(30000 * s / peak)) for s in samples)
    with wave.open(str(path), "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(frames)


def main():
    out = pathlib.Path(sys.argv[1] if len(sys.argv) > 1 else
                       pathlib.Path(__file__).resolve().parent.parent / "data" / "sounds")
    out.mkdir(parents=True, exist_ok=True)
    for name, make in (("chip", chip), ("bet", bet), ("spin", spin), ("drop", drop),
                       ("win", win), ("sweep", sweep)):
        path = out / f"{name}.wav"
        write(path, make(random.Random(name)))
        print(f"{path}: {path.stat().st_size} bytes")


if __name__ == "__main__":
    main()
