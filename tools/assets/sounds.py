"""The sounds of the game: ten spoken numbers, the miss, the departing train and the fanfare.
Everything is made here: the numbers are spoken by espeak-ng, the rest is synthesised, and the
RIFF WAVE files are written chunk by chunk so that each keeps its intended layout."""

import math
import os
import random
import re
import shutil
import struct
import subprocess
import tempfile
import wave

from common import asset_path, write_if_changed

# ---------------------------------------------------------------------------------------------
# RIFF WAVE writing.


def chunk(tag, payload):
    data = tag + struct.pack("<I", len(payload)) + payload
    return data + (b"\0" if len(payload) % 2 else b"")


def riff_wave(chunks):
    body = b"WAVE" + b"".join(chunks)
    return b"RIFF" + struct.pack("<I", len(body)) + body


def fmt_pcm8(rate, with_cbsize):
    payload = struct.pack("<HHIIHH", 1, 1, rate, rate, 1, 8)
    if with_cbsize:
        payload += struct.pack("<H", 0)
    return chunk(b"fmt ", payload)


def fact(samples):
    return chunk(b"fact", struct.pack("<I", samples))


def to_u8(samples):
    """Floats in -1..1 to 8-bit unsigned PCM, rounded, without dither."""
    return bytes(max(0, min(255, 128 + round(s * 127))) for s in samples)


def pcm8_wave(samples, rate, fmt18, with_fact):
    data = to_u8(samples)
    chunks = [fmt_pcm8(rate, fmt18)]
    if with_fact:
        chunks.append(fact(len(data)))
    chunks.append(chunk(b"data", data))
    return riff_wave(chunks)


def read_chunks(blob):
    assert blob[:4] == b"RIFF" and blob[8:12] == b"WAVE"
    pos, out = 12, []
    while pos + 8 <= len(blob):
        tag, size = blob[pos:pos + 4], struct.unpack("<I", blob[pos + 4:pos + 8])[0]
        out.append((tag, blob[pos + 8:pos + 8 + size]))
        pos += 8 + size + (size & 1)
    return out


def save_wave(name, blob):
    write_if_changed(asset_path("sounds", name), blob)


# ---------------------------------------------------------------------------------------------
# Spoken numbers.

RATE = 22050
SPEED = 120           # words per minute: a little slower than espeak-ng's 175
PITCH = 62            # a bit higher than the default 50: friendlier


class Numbers:
    """One language's ten spoken numbers: the espeak-ng voice, what espeak-ng must read for each
    number (checked with `espeak-ng -q -x` before anything is written) and where the files go."""

    def __init__(self, folder, voice, expected, lengths=None, say=None):
        self.folder = folder        # under assets/sounds/; "" for the design's own numbers
        self.voice = voice
        self.expected = expected    # espeak-ng's phonemes for 1..10, stress marks and pauses left out
        self.lengths = lengths      # fixed lengths in seconds, trailing pause included; None: as spoken
        self.say = say or [str(n) for n in range(1, 11)]


def bare_phonemes(text):
    """espeak-ng's -x output without its stress marks and pause symbols."""
    return re.sub(r"[_|' ]", "", text.strip())


def jyutping_to_espeak(syllable):
    """Jyutping with its tone digit (saam1) in espeak-ng's Cantonese phonemes (s'aa1m): the tone
    stands after the vowel, before a final consonant."""
    match = re.fullmatch(r"(b|p|m|f|d|t|n|l|g|k|ng|h|gw|kw|w|z|c|s|j|)([aeiou]+|ng|m)(p|t|k|m|n|ng|)([1-6])",
                         syllable)
    if not match:
        raise SystemExit(f"not a Jyutping syllable: {syllable!r}")
    initial, vowel, final, tone = match.groups()
    if vowel in ("ng", "m"):   # syllabic nasal, as in ng5
        return f"'{vowel}{tone}"
    return f"{initial}'{vowel}{tone}{final}"


# Cantonese 一 to 十 in Jyutping. espeak-ng reads 三 with its high falling variant of the first
# tone (its tone 7); counting in Hong Kong uses the high level tone, so every number is spoken from
# these syllables, after checking that espeak-ng's own reading of the digit is the same syllable.
CANTONESE = ["jat1", "ji6", "saam1", "sei3", "ng5", "luk6", "cat1", "baat3", "gau2", "sap6"]
# espeak-ng's own tone numbers that stand for a Jyutping tone.
ESPEAK_CANTONESE_TONES = {"1": "1", "7": "1"}

LANGUAGES = [
    # The design's Mandarin: digits make espeak-ng read them as Chinese numbers.
    Numbers("", "cmn+f2",
            ["ji55", "@r51", "sa55n", "si[51", "wu214", "liou51", "tS;hi55", "pA55", "tS;iou214", "s.i.35"],
            lengths=[0.50, 0.50, 0.67, 0.71, 0.75, 0.58, 0.67, 0.51, 0.59, 0.65]),
    Numbers("cantonese", "yue+f2", [bare_phonemes(jyutping_to_espeak(s)) for s in CANTONESE],
            say=[f"[[{jyutping_to_espeak(s)}]]" for s in CANTONESE]),
    Numbers("english", "en+f2", ["w0n", "tu:", "Tri:", "fo@", "faIv", "sIks", "sEv@n", "eIt", "naIn", "tEn"]),
]


def phonemes(voice, text):
    return subprocess.run(["espeak-ng", "-q", "-x", "-v", voice, text], check=True,
                          capture_output=True, text=True).stdout


def check_reading(numbers):
    """Fails loudly unless espeak-ng reads every number as intended: in the voice's own language
    (a switch shows as "(en)" or the like) and, for Cantonese, in its right tone."""
    for n, (said, expected) in enumerate(zip(numbers.say, numbers.expected), start=1):
        for text in dict.fromkeys([str(n), said]):
            read = phonemes(numbers.voice, text)
            if "(" in read:
                raise SystemExit(f"espeak-ng {numbers.voice} switches language for {text}: {read!r}")
            got = bare_phonemes(read)
            if text == str(n) and numbers.folder == "cantonese":
                # espeak-ng's tone number, mapped onto Jyutping's; an unknown one stays and fails.
                got = re.sub(r"[0-9]", lambda m: ESPEAK_CANTONESE_TONES.get(m.group(), m.group()), got)
            if got != expected:
                raise SystemExit(f"espeak-ng {numbers.voice} reads {text} as {read.strip()!r}, "
                                 f"not {expected!r}")


def speak(voice, text, path):
    subprocess.run(["espeak-ng", "-v", voice, "-s", str(SPEED), "-p", str(PITCH), "-w", path, text],
                   check=True)
    with wave.open(path, "rb") as w:
        assert w.getnchannels() == 1 and w.getsampwidth() == 2 and w.getframerate() == RATE
        raw = w.readframes(w.getnframes())
    return [v / 32768 for v in struct.unpack(f"<{len(raw) // 2}h", raw)]


def trim(samples, threshold=0.02, keep_before=0.02, keep_after=0.04):
    loud = [i for i, v in enumerate(samples) if abs(v) >= threshold]
    start = max(0, loud[0] - int(keep_before * RATE))
    end = min(len(samples), loud[-1] + int(keep_after * RATE))
    out = samples[start:end]
    fade = int(0.01 * RATE)
    for i in range(min(fade, len(out))):
        out[i] *= i / fade
        out[-1 - i] *= i / fade
    return out


def rms(samples):
    return math.sqrt(sum(v * v for v in samples) / len(samples))


def make_numbers(numbers):
    check_reading(numbers)
    with tempfile.TemporaryDirectory() as tmp:
        spoken = [trim(speak(numbers.voice, text, os.path.join(tmp, f"{n}.wav")))
                  for n, text in enumerate(numbers.say, start=1)]
    # Equally loud: the same RMS level for each, as high as the loudest peak allows.
    level = min(0.97 * rms(s) / max(abs(v) for v in s) for s in spoken)
    lead = int(0.01 * RATE)
    for n, s in enumerate(spoken, start=1):
        gain = level / rms(s)
        s = [v * gain for v in s]
        # Without a fixed length a short pause follows the word, as after the design's numbers.
        length = numbers.lengths[n - 1] if numbers.lengths else 0
        total = max(int(length * RATE), len(s) + lead + int(0.05 * RATE) * (not numbers.lengths))
        s = [0.0] * lead + s + [0.0] * (total - len(s) - lead)
        name = os.path.join(numbers.folder, f"number-{n:02d}.wav")
        save_wave(name, pcm8_wave(s, RATE, fmt18=True, with_fact=True))


# ---------------------------------------------------------------------------------------------
# Synthesised sounds.


def envelope(t, length, attack, release):
    if t < 0 or t >= length:
        return 0.0
    a = min(1.0, t / attack) if attack else 1.0
    r = min(1.0, (length - t) / release) if release else 1.0
    return a * r


def make_miss():
    """Two soft falling tones, like a gentle 'uh-oh'."""
    rate, n = 22050, 9952
    notes = [(0.000, 0.19, 494.0, 466.0), (0.200, 0.25, 392.0, 370.0)]
    out = [0.0] * n
    for start, length, f0, f1 in notes:
        phase = 0.0
        for i in range(int(length * rate)):
            t = i / rate
            f = f0 + (f1 - f0) * t / length
            phase += 2 * math.pi * f / rate
            env = envelope(t, length, 0.012, 0.10) * math.exp(-2.5 * t)
            v = math.sin(phase) + 0.22 * math.sin(2 * phase) + 0.06 * math.sin(3 * phase)
            j = int(start * rate) + i
            if j < n:
                out[j] += 0.42 * env * v
    save_wave("miss.wav", pcm8_wave(out, rate, fmt18=False, with_fact=False))


def make_departure():
    """A toy train leaving: two whistle toots, chugging that speeds up, fading away."""
    rate = 11025
    n = int(10.35 * rate)
    rng = random.Random(112)
    out = [0.0] * n

    # Whistle: a bright major chord with a little vibrato and breath.
    def whistle(start, length, level):
        freqs = (587.3, 740.0, 880.0)
        phases = [0.0, 0.0, 0.0]
        lp = 0.0
        for i in range(int(length * rate)):
            t = i / rate
            env = envelope(t, length, 0.04, 0.09) * level
            # The pitch slides up into place at the start of each toot.
            vib = (1 + 0.006 * math.sin(2 * math.pi * 5.5 * t)) * (1 - 0.04 * math.exp(-t / 0.03))
            v = 0.0
            for k, f in enumerate(freqs):
                phases[k] += 2 * math.pi * f * vib / rate
                v += math.sin(phases[k]) + 0.15 * math.sin(2 * phases[k])
            lp += 0.2 * ((rng.random() * 2 - 1) - lp)
            j = int(start * rate) + i
            if j < n:
                out[j] += env * (v / 3.3 + 0.06 * lp)

    whistle(0.05, 0.42, 0.55)
    whistle(0.62, 0.85, 0.55)

    # Chugging: soft puffs of low, filtered noise with a little thump, whose pace rises from
    # about 1.5 to 7 per second; every other puff is weaker, as with a real engine.
    low = 1 - math.exp(-2 * math.pi * 900 / rate)
    t = 1.3
    beat = 0
    while t < 10.35:
        progress = (t - 1.3) / 9.05
        pace = 1.5 + 5.5 * progress ** 0.8
        level = 0.95 if beat % 2 == 0 else 0.6
        length = min(0.24, 0.6 / pace)
        l1 = l2 = hp = 0.0
        phase = 0.0
        for i in range(int(length * rate)):
            tt = i / rate
            env = (1 - math.exp(-tt / 0.006)) * math.exp(-tt / (length * 0.3))
            x = rng.random() * 2 - 1
            l1 += low * (x - l1)
            l2 += low * (l1 - l2)
            hp += 0.08 * (l2 - hp)
            phase += 2 * math.pi * (95 - 30 * tt / length) / rate
            thump = math.sin(phase) * math.exp(-tt / 0.03)
            j = int(t * rate) + i
            if j < n:
                out[j] += level * (env * (l2 - hp) * 2.6 + 0.35 * thump)
        beat += 1
        t += 1 / pace

    # The train goes away: louder at first, fading out over the last seconds.
    peak = max(abs(v) for v in out)
    for i in range(n):
        tt = i / rate
        fade = 1.0 if tt < 5.5 else max(0.0, 1 - (tt - 5.5) / 4.85) ** 1.5
        out[i] *= 0.9 / peak * fade
    save_wave("departure.wav", pcm8_wave(out, rate, fmt18=False, with_fact=True))


def make_fanfare(tmpdir):
    """A short cheerful fanfare in C major, encoded as Microsoft ADPCM by sox."""
    rate = 22050
    total = 2.12
    n = int(total * rate)
    out = [0.0] * n
    notes = [  # start, length, frequencies
        (0.00, 0.14, [392.0]), (0.15, 0.14, [523.25]), (0.30, 0.14, [659.25]),
        (0.45, 0.30, [783.99]), (0.78, 0.14, [659.25]),
        (0.93, 1.15, [523.25, 659.25, 783.99, 1046.5]),
    ]
    for start, length, freqs in notes:
        for f in freqs:
            phase = 0.0
            for i in range(int(length * rate)):
                t = i / rate
                env = envelope(t, length, 0.015, 0.06 if length < 0.5 else 0.5)
                vib = 1 + (0.005 * math.sin(2 * math.pi * 5 * t) if length > 0.5 else 0)
                phase += 2 * math.pi * f * vib / rate
                bright = 0.55 * math.exp(-t * 3)
                v = math.sin(phase) + (0.35 + bright) * math.sin(2 * phase) + \
                    (0.2 + bright * 0.6) * math.sin(3 * phase) + 0.08 * math.sin(4 * phase)
                j = int(start * rate) + i
                if j < n:
                    out[j] += 0.3 * env * v / math.sqrt(len(freqs))
    peak = max(abs(v) for v in out)
    out = [0.85 * v / peak for v in out]
    src = os.path.join(tmpdir, "fanfare16.wav")
    with wave.open(src, "wb") as w:
        w.setnchannels(1)
        w.setsampwidth(2)
        w.setframerate(rate)
        w.writeframes(struct.pack(f"<{n}h", *(round(v * 32767) for v in out)))
    dst = os.path.join(tmpdir, "fanfare-adpcm.wav")
    subprocess.run(["sox", "-D", "-V1", src, "-e", "ms-adpcm", dst], check=True)
    with open(dst, "rb") as f:
        encoded = dict(read_chunks(f.read()))
    fmt = encoded[b"fmt "]
    tag, channels, srate, _, block_align, bits = struct.unpack("<HHIIHH", fmt[:16])
    assert (tag, channels, srate, block_align, bits) == (2, 1, rate, 512, 4), fmt
    info = chunk(b"LIST", b"INFO" + chunk(b"INAM", b"Leaderboard fanfare\0")
                 + chunk(b"ISFT", b"kobu tools/make-assets\0"))
    disp_text = chunk(b"DISP", struct.pack("<I", 1) + "排行榜".encode("gbk") + b"\0")
    disp_unicode = chunk(b"DISP", struct.pack("<I", 13) + "排行榜".encode("utf-16-le") + b"\0\0")
    blob = riff_wave([chunk(b"fmt ", fmt), chunk(b"fact", struct.pack("<I", n)),
                      chunk(b"data", encoded[b"data"]), info, disp_text, disp_unicode])
    save_wave("leaderboard.wav", blob)


def build():
    missing = [tool for tool in ("espeak-ng", "sox") if not shutil.which(tool)]
    if missing:
        raise SystemExit(f"make-assets needs {' and '.join(missing)}: apt-get install {' '.join(missing)}")
    for numbers in LANGUAGES:
        make_numbers(numbers)
    make_miss()
    make_departure()
    with tempfile.TemporaryDirectory() as tmp:
        make_fanfare(tmp)
