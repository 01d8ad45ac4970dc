#!/usr/bin/env python3
"""The underground foundry's sound: its theme, its timer warnings and its sound table.

Writes
    Assets/Music/Foundry.ogg               the level theme, a 16-bar loop at 100 beats a minute
    Assets/SFX/Foundry/TimerLight.wav      a steam whistle and a ticking hammer, looped until 15 s are left
    Assets/SFX/Foundry/TimerHeavy.wav      the furnace alarm, looped until the level ends
    Data/Audio/Level2Sounds.json           the level's sound table ("BGM", the warnings and what the
                                           course plays: collectable, checkpoint, hazard, respawn, win,
                                           falling platform)

The theme is written here as MIDI (distorted guitar, picked bass, low strings, brass, choir,
timpani and a drum kit with an anvil on the off-beats) and played by FluidSynth through Debian's
General MIDI sound font. It is rendered three times over and the middle pass is kept: that pass
starts with the tails of the one before it and ends where the next one starts, so the loop runs on
without a click at the seam. Its beat, BEAT seconds, is the rhythm of the blinking hazards
(content/gen_foundry.py reads it from here).

Deterministic: the MIDI is built from numbers, FluidSynth renders it the same way every time, and the
Ogg stream's serial number (which the encoder draws at random) is fixed afterwards.
"""
import os
import struct
import subprocess
import sys
import tempfile
import wave

import numpy as np

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from city import out, write_json  # noqa: E402
from gen_audio import RATE, fade, seconds, write_wav  # noqa: E402

TEMPO = 100  # beats a minute
BEAT = 60.0 / TEMPO  # 0.6 s; 26,460 samples, so a bar and the loop are whole samples
BARS = 16
LOOP_SAMPLES = BARS * 4 * round(BEAT * RATE)
SOUND_FONT = "/usr/share/sounds/sf2/FluidR3_GM.sf2"
PPQ = 480

MUSIC = "Assets/Music/Foundry.ogg"
SFX = "Assets/SFX/Foundry/"


# ---- a small Standard MIDI File writer -----------------------------------------------------------

def varlen(value):
    data = [value & 0x7F]
    value >>= 7
    while value:
        data.insert(0, (value & 0x7F) | 0x80)
        value >>= 7
    return bytes(data)


class Track:
    def __init__(self, channel, program=None):
        self.channel = channel
        self.events = []  # (tick, order, bytes)
        if program is not None:
            self.events.append((0, 0, bytes([0xC0 | channel, program])))

    def note(self, beat, length, pitch, velocity=96):
        start, end = round(beat * PPQ), round((beat + length) * PPQ)
        self.events.append((start, 2, bytes([0x90 | self.channel, pitch, velocity])))
        # Note-offs sort before note-ons at the same tick, so repeated notes retrigger cleanly.
        self.events.append((end, 1, bytes([0x80 | self.channel, pitch, 0])))

    def control(self, beat, number, value):
        self.events.append((round(beat * PPQ), 0, bytes([0xB0 | self.channel, number, value])))

    def encode(self):
        body, now = b"", 0
        for tick, _, data in sorted(self.events, key=lambda e: (e[0], e[1])):
            body += varlen(tick - now) + data
            now = tick
        body += b"\x00\xff\x2f\x00"
        return b"MTrk" + struct.pack(">I", len(body)) + body


def midi_file(tracks):
    tempo = Track(0)
    tempo.events.append((0, 0, b"\xff\x51\x03" + (60_000_000 // TEMPO).to_bytes(3, "big")))
    chunks = [tempo] + tracks
    return b"MThd" + struct.pack(">IHHH", 6, 1, len(chunks), PPQ) + b"".join(t.encode() for t in chunks)


# ---- the theme -----------------------------------------------------------------------------------

NOTE = {"C": 0, "C#": 1, "D": 2, "D#": 3, "Eb": 3, "E": 4, "F": 5, "F#": 6, "G": 7, "G#": 8, "Ab": 8,
        "A": 9, "A#": 10, "Bb": 10, "B": 11}


def n(name):
    """'D2' -> MIDI note number."""
    pitch, octave = name[:-1], int(name[-1])
    return 12 * (octave + 1) + NOTE[pitch]


# D minor with a flat second for weight: one root per bar.
ROOTS = ["D2", "D2", "F2", "D2", "Bb1", "C2", "D2", "D2",
         "D2", "Eb2", "D2", "C2", "Bb1", "Bb1", "C2", "D2"]
KICK, SNARE, HAT, CRASH, TOM_LOW, TOM_HIGH, ANVIL = 36, 38, 42, 49, 41, 45, 56  # cowbell rings like an anvil


def theme(passes):
    guitar, bass, strings = Track(0, 30), Track(1, 34), Track(2, 48)
    brass, choir, timpani, drums = Track(3, 61), Track(4, 52), Track(5, 47), Track(9)
    for t, volume in ((guitar, 78), (bass, 100), (strings, 72), (brass, 70), (choir, 64), (timpani, 96)):
        t.control(0, 7, volume)
    for p in range(passes):
        for bar, root_name in enumerate(ROOTS):
            b = (p * BARS + bar) * 4
            root = n(root_name)
            section = "intro" if bar < 4 else "riff" if bar < 12 else "break"
            # The low strings hold the root and its fifth under everything.
            for pitch in (root + 12, root + 19):
                strings.note(b, 4, pitch, 70)
            timpani.note(b, 1, root + 12, 110 if bar % 2 == 0 else 90)
            # The beat the hazards keep: kick on the beat, the anvil on every off-beat.
            for beat in range(4):
                drums.note(b + beat, 0.25, KICK, 112 if beat % 2 == 0 else 88)
                drums.note(b + beat + 0.5, 0.25, ANVIL, 70 if section == "intro" else 84)
            if section == "intro":
                continue
            bass_pattern = [0, 0, 0, 12, 0, 0, 1, 0] if section == "riff" else [0, None, None, None, 0, None, 7, None]
            for i, step in enumerate(bass_pattern):
                if step is not None:
                    bass.note(b + i * 0.5, 0.45, root + 12 + step, 104)
            if section == "riff":
                # Palm-muted power chords in eighths, opening on the last two.
                for i in range(8):
                    length, velocity = (0.3, 92) if i < 6 else (0.48, 112)
                    for pitch in (root + 24, root + 31, root + 36):
                        guitar.note(b + i * 0.5, length, pitch, velocity)
                drums.note(b + 1, 0.25, SNARE, 110)
                drums.note(b + 3, 0.25, SNARE, 116)
                for i in range(8):
                    drums.note(b + i * 0.5, 0.2, HAT, 60 + 18 * (i % 2 == 0))
                if bar % 4 == 0:
                    drums.note(b, 1, CRASH, 100)
                    for pitch in (root + 24, root + 27, root + 31):
                        brass.note(b, 1.5, pitch, 100)
                        brass.note(b + 2.5, 0.4, pitch, 90)
            else:
                # The break: half time, a choir over the strings, the guitar ringing out.
                for pitch in (root + 36, root + 39, root + 43):
                    choir.note(b, 4, pitch, 80)
                for pitch in (root + 24, root + 31):
                    guitar.note(b, 3.8, pitch, 84)
                drums.note(b + 2, 0.25, SNARE, 104)
                if bar == BARS - 1:  # a tom fill back into the top
                    for i, pitch in enumerate((TOM_HIGH, TOM_HIGH, TOM_LOW, TOM_LOW)):
                        drums.note(b + 3 + i * 0.25, 0.2, pitch, 100 + i * 5)
    return midi_file([guitar, bass, strings, brass, choir, timpani, drums])


def render_theme():
    """The middle of three passes: a loop that starts and ends inside the music."""
    with tempfile.TemporaryDirectory() as tmp:
        mid, wav = os.path.join(tmp, "theme.mid"), os.path.join(tmp, "theme.wav")
        with open(mid, "wb") as f:
            f.write(theme(3))
        subprocess.run(["fluidsynth", "-n", "-i", "-q", "-g", "0.5", "-r", str(RATE), "-F", wav, SOUND_FONT, mid],
                       check=True, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        with wave.open(wav, "rb") as w:
            frames = np.frombuffer(w.readframes(w.getnframes()), "<i2").reshape(-1, w.getnchannels())
    audio = frames.astype(np.float64) / 32768.0
    loop = audio[LOOP_SAMPLES:2 * LOOP_SAMPLES]
    # The pass after the kept one starts where the loop jumps back: its first samples must match.
    seam = np.max(np.abs(audio[2 * LOOP_SAMPLES:2 * LOOP_SAMPLES + 64] - audio[LOOP_SAMPLES:LOOP_SAMPLES + 64]))
    assert seam < 0.02, f"the theme's passes differ at the seam by {seam:.4f}"
    return loop / max(1e-9, np.max(np.abs(loop))) * 0.89


def fix_ogg_serial(path, serial=0x464F554E):
    """Replaces the Ogg stream's random serial number with a fixed one and re-seals each page."""
    table = []
    for i in range(256):
        r = i << 24
        for _ in range(8):
            r = ((r << 1) ^ 0x04C11DB7) if r & 0x80000000 else (r << 1)
        table.append(r & 0xFFFFFFFF)

    def crc(data):
        c = 0
        for byte in data:
            c = ((c << 8) ^ table[((c >> 24) ^ byte) & 0xFF]) & 0xFFFFFFFF
        return c

    data = bytearray(open(path, "rb").read())
    pos = 0
    while pos < len(data):
        assert data[pos:pos + 4] == b"OggS", "not an Ogg page"
        segments = data[pos + 26]
        size = 27 + segments + sum(data[pos + 27:pos + 27 + segments])
        data[pos + 14:pos + 18] = struct.pack("<I", serial)
        data[pos + 22:pos + 26] = b"\0\0\0\0"
        data[pos + 22:pos + 26] = struct.pack("<I", crc(bytes(data[pos:pos + size])))
        pos += size
    open(path, "wb").write(bytes(data))


def write_ogg(relative, signal, quality=5):
    path = out(relative)
    with tempfile.TemporaryDirectory() as tmp:
        wav = os.path.join(tmp, "in.wav")
        with wave.open(wav, "wb") as w:
            w.setnchannels(signal.shape[1])
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(np.clip(np.round(signal * 32767), -32768, 32767).astype("<i2").tobytes())
        subprocess.run(["sox", "-R", "-q", wav, "-C", str(quality), path], check=True)
    fix_ogg_serial(path)


# ---- effects -------------------------------------------------------------------------------------

def timer_light():
    """One bar: a steam whistle on the first beat, then a hammer ticking each beat."""
    t = seconds(4 * BEAT)
    whistle_len = 0.5
    env = np.clip(t / 0.04, 0, 1) * np.clip((whistle_len - t) / 0.1, 0, 1)
    rng = np.random.RandomState(21)
    breath = rng.uniform(-1, 1, len(t)) * 0.12
    whistle = (np.sin(2 * np.pi * 1180 * t) + 0.5 * np.sin(2 * np.pi * 1410 * t) + breath) * env * 0.3
    ticks = np.zeros(len(t))
    for beat in range(4):
        start = int(beat * BEAT * RATE)
        tt = t[: len(t) - start]
        ring = np.sin(2 * np.pi * 2350 * tt) * 0.5 + np.sin(2 * np.pi * 3710 * tt) * 0.3
        ticks[start:] += ring * np.exp(-tt * 38.0) * (0.35 if beat else 0.2)
    return whistle + ticks


def timer_heavy():
    """One bar of the furnace alarm: a two-tone klaxon, harsh and low, on each half bar."""
    t = seconds(4 * BEAT)
    half = 2 * BEAT
    phase_t = np.mod(t, half)
    freq = np.where(phase_t < BEAT, 392.0, 311.0)
    phase = 2 * np.pi * np.cumsum(freq) / RATE
    tone = np.sign(np.sin(phase)) * 0.4 + np.sin(2 * phase) * 0.2
    env = np.clip(phase_t / 0.02, 0, 1) * np.clip((half - 0.05 - phase_t) / 0.05, 0, 1)
    return tone * env * 0.55


def main():
    write_ogg(MUSIC, render_theme())
    write_wav(SFX + "TimerLight.wav", timer_light())
    write_wav(SFX + "TimerHeavy.wav", fade(timer_heavy(), 0.002))
    level = "Assets/SFX/Level/"
    write_json("Data/Audio/Level2Sounds.json", {"Files": [
        {"Name": "BGM", "Filepath": MUSIC, "Stream": True, "Loop": True},
        {"Name": "TimerLight", "Filepath": SFX + "TimerLight.wav", "Loop": True},
        {"Name": "TimerHeavy", "Filepath": SFX + "TimerHeavy.wav", "Loop": True},
        {"Name": "Collectable", "Filepath": level + "Collectable.wav"},
        {"Name": "CheckpointReached", "Filepath": level + "CheckpointReached.wav"},
        {"Name": "Hazard", "Filepath": level + "Hazard.wav"},
        {"Name": "Respawn", "Filepath": level + "Respawn.wav"},
        {"Name": "Win", "Filepath": level + "Win.wav"},
        {"Name": "FallingPlatform", "Filepath": level + "FallingPlatform.wav"},
    ]})


if __name__ == "__main__":
    main()
