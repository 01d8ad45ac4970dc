#!/usr/bin/env python3
"""Sound effects and test signals under Assets/.

Every sound is synthesised from numbers alone (no randomness without a fixed seed), so running this
twice writes the same bytes. WAV files go through Python's wave module, MP3 files through LAME
(libmp3lame, over ctypes).

    Assets/SFX/test.wav             short two-note blip, released by the engine at shutdown
    Assets/SFX/Tests/Tone440.wav    1 s, 440 Hz sine at 0.8, mono: amplitude and pitch checks
    Assets/SFX/Tests/Loop440.wav    0.25 s, exactly 110 cycles of 440 Hz at 0.5: seamless loop
    Assets/SFX/Tests/Loop550.wav    0.2 s, exactly 110 cycles of 550 Hz at 0.5: a second loop
    Assets/SFX/Tests/Click.wav      20 ms click: a sound that ends almost at once
    Assets/Music/Tests/Stream.wav   3 s stereo, 330 Hz left / 660 Hz right at 0.5: streaming
    Assets/Music/Tests/Chime.mp3    1.5 s stereo 660 Hz chime: MP3 decoding
"""

import ctypes
import ctypes.util
import os
import wave

import numpy as np

RATE = 44100
ROOT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..")


def seconds(duration):
    return np.arange(int(round(duration * RATE))) / RATE


def fade(signal, edge=0.005):
    """Short linear fades so a one-shot sound starts and ends without a click."""
    n = min(int(edge * RATE), len(signal) // 2)
    if n == 0:
        return signal
    ramp = np.linspace(0.0, 1.0, n)
    out = signal.copy()
    out[:n] *= ramp if out.ndim == 1 else ramp[:, None]
    out[-n:] *= ramp[::-1] if out.ndim == 1 else ramp[::-1, None]
    return out


def to_int16(signal):
    return np.clip(np.round(signal * 32767.0), -32768, 32767).astype("<i2")


def write_wav(relative, signal):
    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    channels = 1 if signal.ndim == 1 else signal.shape[1]
    with wave.open(path, "wb") as out:
        out.setnchannels(channels)
        out.setsampwidth(2)
        out.setframerate(RATE)
        out.writeframes(to_int16(signal).tobytes())


def write_mp3(relative, signal):
    """Constant bit rate MP3 through LAME itself.

    libsndfile can write MP3 too, but its encoder wrapper leaves settings that vary from run to
    run; LAME driven directly with fixed settings writes the same bytes every time.
    """
    lame = ctypes.CDLL(ctypes.util.find_library("mp3lame") or "libmp3lame.so.0")
    lame.lame_init.restype = ctypes.c_void_p
    for setter in ("lame_set_in_samplerate", "lame_set_num_channels", "lame_set_brate",
                   "lame_set_quality", "lame_set_bWriteVbrTag"):
        getattr(lame, setter).argtypes = [ctypes.c_void_p, ctypes.c_int]
    for call in ("lame_init_params", "lame_close"):
        getattr(lame, call).argtypes = [ctypes.c_void_p]
    lame.lame_encode_buffer_interleaved.argtypes = [
        ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int, ctypes.c_void_p, ctypes.c_int]
    lame.lame_encode_flush.argtypes = [ctypes.c_void_p, ctypes.c_void_p, ctypes.c_int]

    if signal.ndim == 1:
        signal = np.stack([signal, signal], axis=1)
    samples = np.ascontiguousarray(to_int16(signal))
    frames = len(samples)
    encoder = lame.lame_init()
    lame.lame_set_in_samplerate(encoder, RATE)
    lame.lame_set_num_channels(encoder, 2)
    lame.lame_set_brate(encoder, 128)
    lame.lame_set_quality(encoder, 2)
    lame.lame_set_bWriteVbrTag(encoder, 0)
    if lame.lame_init_params(encoder) < 0:
        raise RuntimeError(f"LAME refused its settings for {relative}")
    capacity = int(1.25 * frames) + 7200 + 7200  # LAME's own worst case, plus the flush
    out = ctypes.create_string_buffer(capacity)
    size = lame.lame_encode_buffer_interleaved(encoder, samples.ctypes.data, frames, out, capacity)
    if size < 0:
        raise RuntimeError(f"LAME failed to encode {relative} ({size})")
    tail = lame.lame_encode_flush(encoder, ctypes.byref(out, size), capacity - size)
    lame.lame_close(encoder)
    if tail < 0:
        raise RuntimeError(f"LAME failed to finish {relative} ({tail})")

    path = os.path.join(ROOT, relative)
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(out.raw[: size + tail])


def blip():
    t = seconds(0.16)
    first = t < 0.07
    freq = np.where(first, 880.0, 1320.0)
    phase = 2 * np.pi * np.cumsum(freq) / RATE
    envelope = np.exp(-np.where(first, t, t - 0.07) * 30.0)
    return fade(0.6 * np.sin(phase) * envelope)


def main():
    write_wav("Assets/SFX/test.wav", blip())

    t = seconds(1.0)
    write_wav("Assets/SFX/Tests/Tone440.wav", fade(0.8 * np.sin(2 * np.pi * 440.0 * t)))

    # 110 whole cycles: the last sample leads straight back into the first.
    t = seconds(0.25)
    write_wav("Assets/SFX/Tests/Loop440.wav", 0.5 * np.sin(2 * np.pi * 440.0 * t))
    t = seconds(0.2)
    write_wav("Assets/SFX/Tests/Loop550.wav", 0.5 * np.sin(2 * np.pi * 550.0 * t))

    t = seconds(0.02)
    write_wav("Assets/SFX/Tests/Click.wav", fade(0.5 * np.sin(2 * np.pi * 1000.0 * t), 0.002))

    t = seconds(3.0)
    stereo = np.stack([0.5 * np.sin(2 * np.pi * 330.0 * t), 0.5 * np.sin(2 * np.pi * 660.0 * t)], axis=1)
    write_wav("Assets/Music/Tests/Stream.wav", fade(stereo))

    t = seconds(1.5)
    chime = 0.5 * np.sin(2 * np.pi * 660.0 * t) * np.exp(-t * 1.5)
    write_mp3("Assets/Music/Tests/Chime.mp3", fade(np.stack([chime, chime], axis=1)))


if __name__ == "__main__":
    main()
