#!/usr/bin/env python3
"""The menu theme: Assets/Music/MenuCut.mp3, a 16-bar synthwave loop in A minor at 100 BPM.

Everything is synthesised here: a warm detuned pad over Am9 - Fmaj7 - Cmaj7 - G6, a driving
eighth-note bass, a plucked sixteenth-note arpeggio through a dotted-eighth delay, soft drums and,
in the second half, a lead melody. The reverb and delay tails are wrapped around to the start, so
the file loops without a seam. The MP3 is written through libsndfile (ctypes), which Debian 12
builds with LAME.

Deterministic: a fixed noise seed and no clocks, so the same bytes every run.
"""
import ctypes
import ctypes.util
import os

import numpy as np

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "Assets", "Music", "MenuCut.mp3")

RATE = 44100
BPM = 100.0
BEAT = 60.0 / BPM
BAR = 4 * BEAT
BARS = 16
LENGTH = int(round(BARS * BAR * RATE))
TAIL = int(3.0 * RATE)  # rendered past the end, then folded back onto the start

rng = np.random.default_rng(20261207)

NOTE_INDEX = {"C": 0, "C#": 1, "D": 2, "D#": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "A": 9, "A#": 10, "B": 11}


def hz(name):
    """'A4' -> 440 Hz."""
    pitch, octave = name[:-1], int(name[-1])
    midi = 12 * (octave + 1) + NOTE_INDEX[pitch]
    return 440.0 * 2.0 ** ((midi - 69) / 12.0)


# One chord per bar, the four-bar progression played four times.
CHORDS = [
    {"pad": ["A3", "C4", "E4", "G4", "B4"], "bass": "A1", "arp": ["A4", "C5", "E5", "G5", "B5", "E5"]},
    {"pad": ["F3", "A3", "C4", "E4", "G4"], "bass": "F1", "arp": ["F4", "A4", "C5", "E5", "G5", "C5"]},
    {"pad": ["G3", "C4", "E4", "G4", "B4"], "bass": "C2", "arp": ["C5", "E5", "G5", "B5", "D6", "G5"]},
    {"pad": ["G3", "B3", "D4", "E4", "A4"], "bass": "G1", "arp": ["G4", "B4", "D5", "E5", "A5", "D5"]},
]

# The lead: (bar, beat, length in beats, note), over bars 9..16.
MELODY = [
    (8, 0, 1, "A4"), (8, 1, 1, "C5"), (8, 2, 1.5, "E5"), (8, 3.5, 0.5, "D5"),
    (9, 0, 2, "C5"), (9, 2, 1, "A4"), (9, 3, 1, "C5"),
    (10, 0, 1, "G4"), (10, 1, 1, "C5"), (10, 2, 1, "E5"), (10, 3, 1, "G5"),
    (11, 0, 2.5, "D5"), (11, 2.5, 0.5, "B4"), (11, 3, 1, "D5"),
    (12, 0, 1.5, "E5"), (12, 1.5, 0.5, "A5"), (12, 2, 1, "G5"), (12, 3, 1, "E5"),
    (13, 0, 1.5, "F5"), (13, 1.5, 0.5, "E5"), (13, 2, 2, "C5"),
    (14, 0, 1, "E5"), (14, 1, 1, "D5"), (14, 2, 1, "C5"), (14, 3, 1, "G4"),
    (15, 0, 2, "B4"), (15, 2, 1, "D5"), (15, 3, 1, "E5"),
]


def t_of(bar, beat=0.0):
    return (bar * 4 + beat) * BEAT


def envelope(n, attack, decay, sustain, release, note_len):
    """ADSR over n samples; the note is held note_len samples, then released."""
    t = np.arange(n) / RATE
    held = note_len / RATE
    env = np.where(t < attack, t / max(attack, 1e-6),
                   sustain + (1 - sustain) * np.exp(-(t - attack) / max(decay, 1e-6)))
    level_at_release = np.interp(held, t, env) if n > 0 else 0.0
    after = t >= held
    env[after] = level_at_release * np.exp(-(t[after] - held) / max(release, 1e-6))
    return env


def additive(freq, n, harmonics, rolloff, phase=0.0, detune_cents=0.0, vibrato=0.0):
    """A band-limited waveform: sum of harmonics k with amplitude rolloff(k), below 16 kHz."""
    t = np.arange(n) / RATE
    f = freq * 2.0 ** (detune_cents / 1200.0)
    ph = 2 * np.pi * f * t + phase
    if vibrato:
        ph = ph + vibrato * np.sin(2 * np.pi * 5.2 * t) * np.clip(t / 0.4, 0, 1)
    out = np.zeros(n)
    for k in harmonics:
        if k * f > 16000:
            break
        out += rolloff(k) * np.sin(k * ph)
    return out


def place(track, start_s, signal):
    i = int(round(start_s * RATE))
    j = min(len(track), i + len(signal))
    if j > i:
        track[i:j] += signal[: j - i]


def stereo(mono, pan):
    """Equal-power pan, -1 left .. +1 right."""
    a = (pan + 1) * np.pi / 4
    return np.stack([mono * np.cos(a), mono * np.sin(a)], axis=1)


def pad_chord(chord):
    """One bar of the pad on one chord: three detuned soft saws per note, spread across the field."""
    dur = BAR + 0.35
    n = int((dur + 2.2) * RATE)
    out = np.zeros((n, 2))
    env = envelope(n, 0.45, 1.2, 0.75, 0.9, int(dur * RATE))
    for i, note in enumerate(chord["pad"]):
        for d, pan in ((-9.0, -0.6), (0.0, 0.0), (8.0, 0.6)):
            saw = additive(hz(note), n, range(1, 25), lambda k: (1.0 / k) * np.exp(-k / 7.0),
                           phase=0.7 * i + d, detune_cents=d)
            out += stereo(saw * env, pan)
    return out * 0.035


def pad_track():
    out = np.zeros((LENGTH + TAIL, 2))
    bars = [pad_chord(chord) for chord in CHORDS]
    for bar in range(BARS):
        place(out, t_of(bar), bars[bar % 4])
    return out


def bass_track():
    out = np.zeros(LENGTH + TAIL)
    n = int(0.5 * BEAT * RATE * 1.6)
    env = envelope(n, 0.004, 0.12, 0.55, 0.05, int(0.42 * BEAT * RATE))
    notes = {}
    for bar in range(BARS):
        root = hz(CHORDS[bar % 4]["bass"])
        for eighth in range(8):
            f = root * (2.0 if eighth in (3, 7) else 1.0)
            if f not in notes:
                tone = additive(f, n, range(1, 12), lambda k: (1.0 / k ** 1.6))
                sub = np.sin(2 * np.pi * f / 2 * np.arange(n) / RATE) * 0.5
                notes[f] = (tone + sub) * env
            accent = 1.0 if eighth % 2 == 0 else 0.8
            place(out, t_of(bar, eighth * 0.5), notes[f] * 0.13 * accent)
    return out


def arp_track():
    out = np.zeros(LENGTH + TAIL)
    plucks = {}
    n = int(0.6 * RATE)
    env = envelope(n, 0.003, 0.09, 0.0, 0.05, n)
    order = [0, 1, 2, 3, 4, 3, 2, 1, 0, 2, 3, 5, 4, 5, 3, 2]
    for bar in range(BARS):
        notes = CHORDS[bar % 4]["arp"]
        for s, idx in enumerate(order):
            note = notes[idx]
            if note not in plucks:
                plucks[note] = additive(hz(note), n, range(1, 16, 2), lambda k: (1.0 / k) * np.exp(-k / 5.0)) * env
            velocity = 0.8 + 0.2 * (s % 4 == 0)
            place(out, t_of(bar, s * 0.25), plucks[note] * 0.16 * velocity)
    # A dotted-eighth echo, bouncing between the sides.
    delay = int(0.75 * BEAT * RATE)
    left, right = out.copy(), out.copy() * 0.0
    for tap in range(1, 6):
        gain = 0.42 ** tap
        shifted = np.zeros_like(out)
        shifted[delay * tap:] = out[: len(out) - delay * tap] * gain
        if tap % 2:
            right += shifted
        else:
            left += shifted
    return np.stack([left * 0.85 + right * 0.15, right * 0.85 + left * 0.15], axis=1)


def lead_track():
    out = np.zeros(LENGTH + TAIL)
    for bar, beat, length, note in MELODY:
        f = hz(note)
        held = int(length * BEAT * RATE * 0.95)
        n = held + int(0.6 * RATE)
        tone = additive(f, n, range(1, 10), lambda k: (1.0 / k ** 2) if k % 2 else 0.25 / k ** 2, vibrato=0.18)
        env = envelope(n, 0.03, 0.3, 0.7, 0.18, held)
        place(out, t_of(bar, beat), tone * env * 0.11)
    return out


def drum_track():
    out = np.zeros(LENGTH + TAIL)
    for bar in range(4, BARS):
        for beat in range(4):
            # Kick on every beat, soft: a sine sweeping down.
            n = int(0.35 * RATE)
            t = np.arange(n) / RATE
            freq = 45 + 90 * np.exp(-t / 0.03)
            kick = np.sin(2 * np.pi * np.cumsum(freq) / RATE) * np.exp(-t / 0.11)
            place(out, t_of(bar, beat), kick * (0.34 if beat % 2 == 0 else 0.22))
            if beat % 2 == 1:
                # Clap: band-limited noise bursts.
                n = int(0.3 * RATE)
                t = np.arange(n) / RATE
                noise = rng.standard_normal(n)
                noise = noise - np.convolve(noise, np.ones(10) / 10, mode="same")
                noise = np.convolve(noise, np.ones(3) / 3, mode="same")  # band-limited: warm, not hissy
                clap = noise * np.exp(-t / 0.06) * (1 + 0.6 * (t < 0.012))
                place(out, t_of(bar, beat), clap * 0.05)
        for eighth in range(8):
            n = int(0.08 * RATE)
            t = np.arange(n) / RATE
            noise = rng.standard_normal(n)
            hat = (noise - np.convolve(noise, np.ones(3) / 3, mode="same")) * np.exp(-t / 0.018)
            place(out, t_of(bar, eighth * 0.5), hat * (0.035 if eighth % 2 else 0.02))
    return out


def reverb(signal, seconds=2.4, wet=0.22):
    """Convolution with decaying stereo noise: a soft hall."""
    n = int(seconds * RATE)
    t = np.arange(n) / RATE
    out = np.zeros_like(signal)
    size = 1 << int(np.ceil(np.log2(len(signal) + n)))
    for ch in range(2):
        ir = rng.standard_normal(n) * np.exp(-t / (seconds / 6.0))
        ir = np.convolve(ir, np.ones(8) / 8, mode="same")  # darker tail
        ir[: int(0.012 * RATE)] = 0.0  # pre-delay
        ir /= np.sqrt(np.sum(ir ** 2))
        spectrum = np.fft.rfft(signal[:, ch], size) * np.fft.rfft(ir, size)
        out[:, ch] = np.fft.irfft(spectrum, size)[: len(signal)]
    return signal + out * wet


def render():
    mix = pad_track()
    mix += arp_track() * 0.9
    mix += stereo(bass_track(), 0.0)
    mix += stereo(lead_track(), 0.1)
    mix += stereo(drum_track(), 0.0)
    mix = reverb(mix)
    # Fold the tail back onto the start so the loop point has the same ambience as the rest.
    looped = mix[:LENGTH].copy()
    looped[:TAIL] += mix[LENGTH:LENGTH + TAIL]
    looped = np.tanh(looped * 1.1) / np.tanh(1.1)
    peak = np.max(np.abs(looped))
    return (looped / peak * 0.89).astype(np.float32)


class SF_INFO(ctypes.Structure):
    _fields_ = [("frames", ctypes.c_int64), ("samplerate", ctypes.c_int), ("channels", ctypes.c_int),
                ("format", ctypes.c_int), ("sections", ctypes.c_int), ("seekable", ctypes.c_int)]


SFM_WRITE = 0x20
SF_FORMAT_MPEG = 0x230000
SF_FORMAT_MPEG_LAYER_III = 0x0082
SFC_SET_COMPRESSION_LEVEL = 0x1301
SFC_SET_BITRATE_MODE = 0x1305
SF_BITRATE_MODE_CONSTANT = 0


def write_mp3(path, frames):
    name = ctypes.util.find_library("sndfile") or "libsndfile.so.1"
    lib = ctypes.CDLL(name)
    lib.sf_open.restype = ctypes.c_void_p
    lib.sf_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.POINTER(SF_INFO)]
    lib.sf_command.argtypes = [ctypes.c_void_p, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    lib.sf_writef_float.restype = ctypes.c_int64
    lib.sf_writef_float.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_float), ctypes.c_int64]
    lib.sf_close.argtypes = [ctypes.c_void_p]
    lib.sf_strerror.restype = ctypes.c_char_p
    lib.sf_strerror.argtypes = [ctypes.c_void_p]

    info = SF_INFO(0, RATE, 2, SF_FORMAT_MPEG | SF_FORMAT_MPEG_LAYER_III, 0, 0)
    handle = lib.sf_open(path.encode(), SFM_WRITE, ctypes.byref(info))
    if not handle:
        raise SystemExit("libsndfile cannot write MP3 here: " + lib.sf_strerror(None).decode())
    mode = ctypes.c_int(SF_BITRATE_MODE_CONSTANT)
    lib.sf_command(handle, SFC_SET_BITRATE_MODE, ctypes.byref(mode), ctypes.sizeof(mode))
    level = ctypes.c_double(0.45)  # about 160 kbit/s: clean highs, a small file
    lib.sf_command(handle, SFC_SET_COMPRESSION_LEVEL, ctypes.byref(level), ctypes.sizeof(level))
    data = np.ascontiguousarray(frames, dtype=np.float32)
    written = lib.sf_writef_float(handle, data.ctypes.data_as(ctypes.POINTER(ctypes.c_float)), len(data))
    lib.sf_close(handle)
    if written != len(data):
        raise SystemExit("short MP3 write: %d of %d frames" % (written, len(data)))


def main():
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    write_mp3(OUT, render())


if __name__ == "__main__":
    main()
