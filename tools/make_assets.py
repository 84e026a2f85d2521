#!/usr/bin/python3
"""Regenerates the game's sounds, pictures and fonts.

    python3 tools/make_assets.py            # everything
    python3 tools/make_assets.py sounds     # only sounds/*.wav
    python3 tools/make_assets.py sprites    # only sprites/*.png
    python3 tools/make_assets.py fonts      # only fonts/ (copied from Debian packages)

Run it from anywhere; the files land in the repository beside tools/.
Needs Debian's python3-numpy and python3-pil (pictures only).
"""

import os
import sys
import wave

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
RATE = 44100


# ---------------------------------------------------------------- sounds

def _time(seconds):
    return np.arange(int(RATE * seconds)) / RATE


def _fade(signal, fade_in=0.003, fade_out=0.01):
    """Short linear ramps at both ends so no sound starts or stops with a pop."""
    out = signal.copy()
    n_in = max(1, int(RATE * fade_in))
    n_out = max(1, int(RATE * fade_out))
    out[:n_in] *= np.linspace(0.0, 1.0, n_in)
    out[-n_out:] *= np.linspace(1.0, 0.0, n_out)
    return out


def _normalise(signal, peak):
    return signal * (peak / np.max(np.abs(signal)))


def _write_wav(name, signal):
    path = os.path.join(ROOT, "sounds", name)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    pcm = np.clip(np.round(signal * 32767.0), -32768, 32767).astype("<i2")
    with wave.open(path, "wb") as out:
        out.setnchannels(1)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(pcm.tobytes())


def _bell(freq, seconds, decay):
    """A soft bell: a sine with a few quiet, slightly stretched partials."""
    t = _time(seconds)
    tone = (np.sin(2 * np.pi * freq * t)
            + 0.35 * np.sin(2 * np.pi * freq * 2.0 * t) * np.exp(-t * decay * 1.5)
            + 0.12 * np.sin(2 * np.pi * freq * 3.01 * t) * np.exp(-t * decay * 2.5))
    return tone * np.exp(-t * decay)


def _click(freq, seconds, decay, noise_level, seed):
    """A damped sine knock with a breath of filtered noise for the attack."""
    t = _time(seconds)
    rng = np.random.default_rng(seed)
    noise = rng.standard_normal(t.size)
    noise = np.convolve(noise, np.ones(6) / 6, mode="same")  # take the hiss off
    body = np.sin(2 * np.pi * freq * t) + 0.4 * np.sin(2 * np.pi * freq * 1.5 * t)
    return (body + noise_level * noise * np.exp(-t * decay * 3)) * np.exp(-t * decay)


def correct_answer():
    # Two bell notes a fifth apart (C6 then G6), the second one ringing out.
    total = 0.42
    out = np.zeros(int(RATE * total))
    first = _bell(1046.5, total, 9.0)
    start = int(RATE * 0.09)
    second = _bell(1568.0, (out.size - start) / RATE, 7.0)
    out += 0.8 * first
    out[start:start + second.size] += second
    return _fade(_normalise(out, 0.5), 0.002, 0.04)


def incorrect_answer():
    # Two slightly detuned low tones with a few odd harmonics, gently sagging
    # in pitch: a soft "bzz" rather than a harsh buzzer.
    t = _time(0.35)
    glide = 165.0 - 25.0 * t / t[-1]
    phase = 2 * np.pi * np.cumsum(glide) / RATE
    tone = np.zeros_like(t)
    for k, amp in ((1, 1.0), (3, 0.3), (5, 0.12), (7, 0.05)):
        tone += amp * (np.sin(k * phase) + np.sin(k * phase * 1.012))
    envelope = np.minimum(1.0, t / 0.02) * np.exp(-t * 3.0)
    return _fade(_normalise(tone * envelope, 0.42), 0.005, 0.05)


def hover_over_button():
    return _fade(_normalise(_click(3200.0, 0.03, 160.0, 0.3, 1), 0.22), 0.0008, 0.008)


def press_button():
    return _fade(_normalise(_click(1400.0, 0.06, 90.0, 0.5, 2), 0.42), 0.0008, 0.015)


def release_button():
    return _fade(_normalise(_click(1900.0, 0.05, 110.0, 0.4, 3), 0.35), 0.0008, 0.012)


def make_sounds():
    _write_wav("correct_answer.wav", correct_answer())
    _write_wav("incorrect_answer.wav", incorrect_answer())
    _write_wav("hover_over_button.wav", hover_over_button())
    _write_wav("press_button.wav", press_button())
    _write_wav("release_button.wav", release_button())


# ---------------------------------------------------------------- main

def main(argv):
    jobs = {"sounds": make_sounds}
    wanted = argv[1:] or list(jobs)
    for name in wanted:
        if name not in jobs:
            sys.exit("usage: make_assets.py [" + "|".join(jobs) + "] ...")
    for name in wanted:
        jobs[name]()
        print("made", name)


if __name__ == "__main__":
    main(sys.argv)
