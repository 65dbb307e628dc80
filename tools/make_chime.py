#!/usr/bin/env python3
"""Write the greeting chime that plays when the reading window opens.

Two soft bell strikes a fourth apart (G5, then C6), each made of a few
harmonic partials that die away exponentially; higher partials fade
faster, as on a small bell. 22050 Hz, 16-bit mono, about 1.2 seconds.

Usage: make_chime.py OUTPUT.wav
"""

import math
import struct
import sys
import wave

RATE = 22050
DURATION = 1.2
PEAK = 0.5  # of full scale: a greeting, not an alarm

# (start in seconds, fundamental in Hz)
STRIKES = [(0.0, 783.99), (0.16, 1046.50)]
# (frequency ratio, relative amplitude, decay time constant in seconds)
PARTIALS = [(1.0, 1.0, 0.40), (2.0, 0.30, 0.22), (3.0, 0.10, 0.12)]

STRIKE_ATTACK = 0.004  # softens each strike's onset so it does not click
FADE_IN = 0.01
FADE_OUT = 0.2


def raw_samples():
    count = int(RATE * DURATION)
    out = []
    for n in range(count):
        t = n / RATE
        value = 0.0
        for start, base in STRIKES:
            local = t - start
            if local < 0:
                continue
            attack = min(1.0, local / STRIKE_ATTACK)
            for ratio, amplitude, decay in PARTIALS:
                value += attack * amplitude * math.exp(-local / decay) * math.sin(2 * math.pi * base * ratio * local)
        out.append(value)
    return out


def envelope(n, count):
    """Raised-cosine fade in at the start and out at the end, so the file starts and ends in silence."""
    t = n / RATE
    remaining = (count - 1 - n) / RATE
    gain = 1.0
    if t < FADE_IN:
        gain *= 0.5 - 0.5 * math.cos(math.pi * t / FADE_IN)
    if remaining < FADE_OUT:
        gain *= 0.5 - 0.5 * math.cos(math.pi * remaining / FADE_OUT)
    return gain


def chime_samples():
    """The chime as 16-bit integers, scaled so that its loudest sample sits at PEAK."""
    raw = raw_samples()
    count = len(raw)
    shaped = [v * envelope(n, count) for n, v in enumerate(raw)]
    scale = PEAK * 32767 / max(abs(v) for v in shaped)
    return [int(round(v * scale)) for v in shaped]


def write_wav(path, samples):
    with wave.open(path, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(RATE)
        w.writeframes(struct.pack(f"<{len(samples)}h", *samples))


def main(argv):
    if len(argv) != 2:
        sys.stderr.write("usage: make_chime.py OUTPUT.wav\n")
        return 2
    write_wav(argv[1], chime_samples())
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
