#!/usr/bin/env python3
"""The first level's theme: Assets/Music/Level1.mp3, "Neon Rain", 32 bars in F minor at 96 BPM.

Written here as a standard MIDI file and played by fluidsynth through the General MIDI sound font
(fluid-soundfont-gm), so the instruments are real ones: an electric piano carries the tune over a warm
pad and synth strings, a synth bass pulses in eighths, a square-wave arpeggio ripples through the
middle, and a brushed kit keeps time. Where the menu theme is bright and driving (A minor, 100 BPM,
four on the floor), this one is darker and slower, with a half-time backbeat, like a walk home in the
rain.

The loop: the piece is rendered with a few seconds of tail after its last bar and the tail is added
back onto the start, so the ringing of bar 32 flows into bar 1 as it does when the file loops. The
generator then checks the seam: the step from the last sample to the first must be no larger than the
steps the music itself makes. The MP3 goes through libsndfile, whose encoder tag lets a decoder give
back exactly the frames written (also checked here).

Deterministic: fluidsynth renders faster than real time from the file alone, into 32-bit floats (no
dither); the same MIDI gives the same samples.
"""
import ctypes
import ctypes.util
import os
import struct
import subprocess
import sys
import tempfile

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_music  # noqa: E402

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
OUT = os.path.join(ROOT, "Assets", "Music", "Level1.mp3")
SOUNDFONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"

RATE = 44100
BPM = 96
PPQ = 480
BAR = 4 * PPQ
BARS = 32
TAIL_SECONDS = 5.0

NOTE = {"C": 0, "C#": 1, "Db": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4, "F": 5, "F#": 6, "Gb": 6, "G": 7, "G#": 8,
        "Ab": 8, "A": 9, "A#": 10, "Bb": 10, "B": 11}


def midi(name):
    """'F4' -> 65."""
    pitch, octave = name[:-1], int(name[-1])
    return 12 * (octave + 1) + NOTE[pitch]


# Four chords, one bar each: Fm9 - Dbmaj7 - Abmaj7 - Eb6/G (i - VI - III - VII).
CHORDS = [
    {"pad": ["F3", "Ab3", "C4", "Eb4", "G4"], "bass": "F1", "arp": ["F4", "Ab4", "C5", "Eb5", "G5", "C5", "Ab4", "Eb4"]},
    {"pad": ["Db3", "F3", "Ab3", "C4", "F4"], "bass": "Db2", "arp": ["Db4", "F4", "Ab4", "C5", "F5", "C5", "Ab4", "F4"]},
    {"pad": ["Eb3", "Ab3", "C4", "Eb4", "G4"], "bass": "Ab1", "arp": ["Ab4", "C5", "Eb5", "G5", "C6", "G5", "Eb5", "C5"]},
    {"pad": ["Eb3", "G3", "Bb3", "C4", "Eb4"], "bass": "G1", "arp": ["G4", "Bb4", "C5", "Eb5", "G5", "Eb5", "C5", "Bb4"]},
]

# The tune, bars 9-24 (0-based bar, beat, beats long, note); bars 25-32 repeat 9-16 an octave up in places.
TUNE = [
    (8, 0, 1.5, "C5"), (8, 1.5, 0.5, "Eb5"), (8, 2, 1, "F5"), (8, 3, 1, "G5"),
    (9, 0, 3, "F5"), (9, 3, 0.5, "Eb5"), (9, 3.5, 0.5, "C5"),
    (10, 0, 1.5, "Eb5"), (10, 1.5, 0.5, "C5"), (10, 2, 1, "Ab4"), (10, 3, 1, "C5"),
    (11, 0, 2, "Bb4"), (11, 2, 1, "G4"), (11, 3, 1, "Bb4"),
    (12, 0, 1.5, "C5"), (12, 1.5, 0.5, "Eb5"), (12, 2, 1, "F5"), (12, 3, 1, "Ab5"),
    (13, 0, 2, "G5"), (13, 2, 1, "F5"), (13, 3, 1, "C5"),
    (14, 0, 1, "Eb5"), (14, 1, 1, "G5"), (14, 2, 1.5, "C6"), (14, 3.5, 0.5, "Bb5"),
    (15, 0, 3, "G5"), (15, 3, 1, "Eb5"),
    (16, 0, 1, "Ab5"), (16, 1, 1, "G5"), (16, 2, 1, "F5"), (16, 3, 1, "C5"),
    (17, 0, 2, "F5"), (17, 2, 1, "Ab5"), (17, 3, 1, "F5"),
    (18, 0, 1.5, "G5"), (18, 1.5, 0.5, "Eb5"), (18, 2, 2, "C5"),
    (19, 0, 1, "Bb4"), (19, 1, 1, "C5"), (19, 2, 2, "Eb5"),
    (20, 0, 1, "F5"), (20, 1, 0.5, "G5"), (20, 1.5, 0.5, "Ab5"), (20, 2, 2, "C6"),
    (21, 0, 2, "Bb5"), (21, 2, 1, "Ab5"), (21, 3, 1, "F5"),
    (22, 0, 1.5, "G5"), (22, 1.5, 0.5, "Ab5"), (22, 2, 1, "G5"), (22, 3, 1, "Eb5"),
    (23, 0, 4, "F5"),
]

# General MIDI programs (0-based) and the mixer settings of each part.
PARTS = {
    # name: (channel, program, volume, pan, reverb, chorus)
    "pad": (0, 89, 70, 64, 90, 60),       # Pad 2 (warm)
    "strings": (1, 50, 52, 40, 100, 40),  # Synth Strings 1
    "bass": (2, 38, 92, 64, 20, 0),       # Synth Bass 1
    "arp": (3, 80, 40, 88, 70, 30),       # Lead 1 (square)
    "keys": (4, 4, 96, 56, 80, 50),       # Electric Piano 1
    "drums": (9, 0, 84, 64, 50, 0),       # the GM kit on channel 10
}
KICK, SNARE, RIM, CLOSED_HAT, OPEN_HAT, RIDE, CRASH, SHAKER = 36, 38, 37, 42, 46, 51, 49, 82


def varlen(value):
    out = [value & 0x7F]
    value >>= 7
    while value:
        out.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(out)


def track(events):
    """events: (tick, order, bytes) -> one MTrk chunk, sorted by time (note-offs before note-ons at a tick)."""
    data = b""
    now = 0
    for tick, _, message in sorted(events, key=lambda e: (e[0], e[1])):
        data += varlen(tick - now) + message
        now = tick
    data += varlen(0) + b"\xff\x2f\x00"
    return b"MTrk" + struct.pack(">I", len(data)) + data


def note(events, channel, start, length, pitch, velocity):
    events.append((int(start), 1, bytes([0x90 | channel, pitch, velocity])))
    events.append((int(start + length), 0, bytes([0x80 | channel, pitch, 0])))


def beat(bar, b=0.0):
    return int(round((bar * 4 + b) * PPQ))


def compose():
    """The parts as lists of MIDI events; the first list also carries the tempo and the piece's end."""
    parts = {name: [] for name in PARTS}
    for name, (ch, program, volume, pan, reverb, chorus) in PARTS.items():
        setup = [bytes([0xC0 | ch, program]), bytes([0xB0 | ch, 7, volume]), bytes([0xB0 | ch, 10, pan]),
                 bytes([0xB0 | ch, 91, reverb]), bytes([0xB0 | ch, 93, chorus])]
        parts[name] += [(0, -1, m) for m in setup]
    for bar in range(BARS):
        chord = CHORDS[bar % 4]
        section = bar // 8  # 0 intro, 1 groove, 2 tune, 3 tune again with everything
        # Pad: the whole bar, softer in the intro.
        for p in chord["pad"]:
            note(parts["pad"], 0, beat(bar), BAR - 10, midi(p), 58 if section == 0 else 66)
        if section >= 1:
            for p in chord["pad"][1:4]:
                note(parts["strings"], 1, beat(bar), BAR - 10, midi(p) + 12, 50 + 8 * (section == 3))
        # Bass: pulsing eighths on the root, an octave jump on the last eighth.
        root = midi(chord["bass"])
        for e in range(8):
            if section == 0 and e % 2:
                continue
            pitch = root + (12 if e == 7 else 0)
            note(parts["bass"], 2, beat(bar, e * 0.5), PPQ // 2 - 40, pitch, 92 if e % 2 == 0 else 74)
        # Arpeggio: sixteenths from the second section on.
        if section >= 1:
            for s in range(16):
                p = midi(chord["arp"][s % 8])
                note(parts["arp"], 3, beat(bar, s * 0.25), PPQ // 4 - 30, p, 52 + 14 * (s % 4 == 0))
        # Drums: hats throughout, a half-time backbeat from bar 9, a crash at each section's start.
        drums = parts["drums"]
        for e in range(8):
            hat = OPEN_HAT if (e == 7 and bar % 2 == 1) else CLOSED_HAT
            note(drums, 9, beat(bar, e * 0.5), PPQ // 4, hat, 46 + 12 * (e % 2 == 0))
            note(drums, 9, beat(bar, e * 0.5 + 0.25), PPQ // 8, SHAKER, 30)
        if section >= 1:
            note(drums, 9, beat(bar, 0), PPQ // 2, KICK, 100)
            note(drums, 9, beat(bar, 1.5), PPQ // 2, KICK, 72)
            note(drums, 9, beat(bar, 2), PPQ // 2, SNARE, 92)
            if bar % 4 == 3:
                note(drums, 9, beat(bar, 3.5), PPQ // 4, SNARE, 60)
                note(drums, 9, beat(bar, 3.75), PPQ // 4, SNARE, 74)
        else:
            note(drums, 9, beat(bar, 2), PPQ // 2, RIM, 58)
        if bar % 8 == 0 and bar > 0:
            note(drums, 9, beat(bar, 0), PPQ, CRASH, 78)
    # The tune on the electric piano, played twice; the second time up an octave in its last half.
    for bar, b, length, p in TUNE:
        note(parts["keys"], 4, beat(bar, b), int(length * PPQ) - 30, midi(p), 88)
        again = bar + 16
        if again < BARS:
            shift = 12 if again >= 28 and midi(p) < midi("F5") else 0
            note(parts["keys"], 4, beat(again, b), int(length * PPQ) - 30, midi(p) + shift, 92)
    # Intro chords on the piano, so the loop's first bars are not bare.
    for bar in range(8):
        for p in CHORDS[bar % 4]["pad"][1:4]:
            note(parts["keys"], 4, beat(bar, 0), PPQ * 3, midi(p) + 12, 54)
            note(parts["keys"], 4, beat(bar, 2.5), PPQ, midi(p) + 12, 42)
    tempo = int(round(60_000_000 / BPM))
    head = [(0, -2, b"\xff\x51\x03" + tempo.to_bytes(3, "big"))]
    end = beat(BARS) + int(TAIL_SECONDS * BPM / 60 * PPQ)
    # A silent controller at the tail's end keeps the renderer going until the last notes have rung out.
    head.append((end, 2, bytes([0xB0, 1, 0])))
    return [head] + [parts[name] for name in PARTS]


def write_midi(path):
    tracks = compose()
    with open(path, "wb") as f:
        f.write(b"MThd" + struct.pack(">IHHH", 6, 1, len(tracks), PPQ))
        for events in tracks:
            f.write(track(events))


def read_float_wav(path):
    """A 32-bit float WAV (the format fluidsynth writes with -O float) as a frames x channels array."""
    with open(path, "rb") as f:
        data = f.read()
    pos, fmt, samples = 12, None, None
    while pos + 8 <= len(data):
        kind, size = data[pos:pos + 4], struct.unpack("<I", data[pos + 4:pos + 8])[0]
        body = data[pos + 8:pos + 8 + size]
        if kind == b"fmt ":
            fmt = struct.unpack("<HHIIHH", body[:16])
        elif kind == b"data":
            samples = body
        pos += 8 + size + (size & 1)
    if fmt is None or samples is None or fmt[5] != 32:
        raise SystemExit(f"{path}: not the 32-bit float WAV fluidsynth was asked for")
    return np.frombuffer(samples, "<f4").reshape(-1, fmt[1]).astype(np.float64)


def render():
    with tempfile.TemporaryDirectory() as tmp:
        mid, wav = os.path.join(tmp, "theme.mid"), os.path.join(tmp, "theme.wav")
        write_midi(mid)
        subprocess.run(["fluidsynth", "-n", "-i", "-q", "-g", "0.6", "-r", str(RATE), "-O", "float", "-T", "wav",
                        "-o", "synth.chorus.active=1", "-o", "synth.reverb.active=1",
                        "-F", wav, SOUNDFONT, mid], check=True, stdout=subprocess.DEVNULL)
        audio = read_float_wav(wav)
    length = int(round(BARS * 4 * 60.0 / BPM * RATE))
    if len(audio) < length:
        raise SystemExit("fluidsynth rendered %d frames, fewer than the %d of the piece" % (len(audio), length))
    looped = audio[:length].copy()
    tail = audio[length:]
    looped[:len(tail)] += tail[:length]
    peak = np.max(np.abs(looped))
    return (looped / peak * 0.89).astype(np.float32)


def seam_ratio(frames):
    """How large the step across the loop seam is against the music's own sample-to-sample steps
    (their 99.9th percentile): 1 or below means the seam is as smooth as the music."""
    steps = np.abs(np.diff(frames, axis=0)).max(axis=1)
    seam = np.abs(frames[0] - frames[-1]).max()
    return seam / max(1e-9, np.percentile(steps, 99.9))


def read_back(path):
    """Decodes the MP3 with libsndfile into a frames x channels float array (the game's decoder gives the same frames)."""
    lib = ctypes.CDLL(ctypes.util.find_library("sndfile") or "libsndfile.so.1")
    lib.sf_open.restype = ctypes.c_void_p
    lib.sf_open.argtypes = [ctypes.c_char_p, ctypes.c_int, ctypes.POINTER(gen_music.SF_INFO)]
    lib.sf_readf_float.restype = ctypes.c_int64
    lib.sf_readf_float.argtypes = [ctypes.c_void_p, ctypes.POINTER(ctypes.c_float), ctypes.c_int64]
    lib.sf_close.argtypes = [ctypes.c_void_p]
    info = gen_music.SF_INFO()
    handle = lib.sf_open(path.encode(), 0x10, ctypes.byref(info))  # SFM_READ
    if not handle:
        raise SystemExit(f"libsndfile cannot read back {path}")
    frames = np.zeros((info.frames, info.channels), np.float32)
    got = lib.sf_readf_float(handle, frames.ctypes.data_as(ctypes.POINTER(ctypes.c_float)), info.frames)
    lib.sf_close(handle)
    return frames[:got]


def main():
    frames = render()
    ratio = seam_ratio(frames)
    if ratio > 1.0:
        raise SystemExit("the loop seam steps %.2f times the music's own largest steps" % ratio)
    os.makedirs(os.path.dirname(OUT), exist_ok=True)
    gen_music.write_mp3(OUT, frames)
    decoded = read_back(OUT)
    if len(decoded) != len(frames):
        raise SystemExit("the MP3 decodes to %d frames, not the %d written: it would not loop in time"
                         % (len(decoded), len(frames)))
    print("content: Level1.mp3 %.1f s, seam %.2f (MP3 %.2f) of the music's own steps, peak %.3f"
          % (len(frames) / RATE, ratio, seam_ratio(decoded), np.max(np.abs(decoded))))


if __name__ == "__main__":
    main()
