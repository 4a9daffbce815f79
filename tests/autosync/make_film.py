#!/usr/bin/python3
"""Makes a test film whose soundtrack speaks its subtitles: espeak-ng says each line at its
subtitle's start, over noise, and ffmpeg puts it in a container with a small black picture.

    make_film.py OUT_FILM OUT_SRT [--voice en] [--lines 40] [--noise 0.02] [--seed 1]
                 [--lines-from TEXT_FILE] [--lead 12] [--ffmpeg-noise] [--gaps 1 7]

--lines-from reads the lines to speak, one a line (UTF-8), for a voice of another language;
--lead is the noise before the first line (a film whose subtitles are late by a minute needs
more than a minute of it); --ffmpeg-noise has ffmpeg make uniform white noise of the same
deviation, in seconds where Python's Gaussian noise takes a minute for a film of a few minutes;
--gaps are the shortest and longest silences between lines.

OUT_SRT gets the subtitles as they are heard: each starts where its speech starts and stays
0.3-1.2 s after it ends, as subtitles do.
"""
import argparse
import array
import math
import os
import random
import subprocess
import tempfile
import wave

import srt
from datetime import timedelta

RATE = 16000

# Our own lines; several languages' voices read them as best they can.
LINES = [
    "The train leaves at seven, so we have to hurry.",
    "I told you the door was open when we came back.",
    "Nobody saw the letter before it burned.",
    "Where did you put the keys to the old car?",
    "We should wait until the rain stops.",
    "That is the last time I lend you my coat.",
    "She said the bridge was closed all winter.",
    "Bring the lamp, it is getting dark in here.",
    "Have you ever seen the sea from the mountain?",
    "The market opens early on Saturdays.",
    "He forgot his hat on the bench again.",
    "Turn left after the church and keep going.",
    "We found the map inside the piano.",
    "My brother never answers the telephone.",
    "Let us count the boxes one more time.",
    "The bakery smells of bread every morning.",
]


def speak(text, voice, folder, index):
    path = os.path.join(folder, f"line{index}.wav")
    subprocess.run(["espeak-ng", "-v", voice, "-s", "165", "-w", path, text], check=True)
    out = subprocess.run(["ffmpeg", "-v", "error", "-i", path, "-ac", "1", "-ar", str(RATE),
                          "-f", "s16le", "-"], check=True, capture_output=True).stdout
    samples = array.array("h")
    samples.frombytes(out)
    # espeak-ng leads with a little silence: the speech starts at the first loud sample.
    first = next((i for i, v in enumerate(samples) if abs(v) > 800), 0)
    last = max((i for i, v in enumerate(samples) if abs(v) > 800), default=len(samples) - 1)
    return samples[first:last + 1]


def main():
    p = argparse.ArgumentParser()
    p.add_argument("film")
    p.add_argument("subtitles")
    p.add_argument("--voice", default="en")
    p.add_argument("--lines", type=int, default=40)
    p.add_argument("--noise", type=float, default=0.02)
    p.add_argument("--seed", type=int, default=1)
    p.add_argument("--lines-from")
    p.add_argument("--lead", type=float, default=12.0)
    p.add_argument("--ffmpeg-noise", action="store_true")
    p.add_argument("--gaps", type=float, nargs=2, default=[1.0, 7.0])
    a = p.parse_args()
    rng = random.Random(a.seed)
    lines = LINES
    if a.lines_from:
        with open(a.lines_from, encoding="utf-8") as f:
            lines = [x.strip() for x in f if x.strip()]
    with tempfile.TemporaryDirectory() as folder:
        spoken = {}
        cues = []
        t = a.lead
        for i in range(a.lines):
            text = lines[rng.randrange(len(lines))]
            if text not in spoken:
                spoken[text] = speak(text, a.voice, folder, len(spoken))
            length = len(spoken[text]) / RATE
            cues.append((t, t + length + rng.uniform(0.3, 1.2), text))
            t += length + rng.uniform(*a.gaps)
        total = int((t + 3.0) * RATE)
        if a.ffmpeg_noise:
            # The lines never overlap, so each is copied in; ffmpeg adds the noise below.
            pcm = array.array("h", bytes(2 * total))
            for start, _, text in cues:
                at = int(start * RATE)
                pcm[at:at + len(spoken[text])] = spoken[text]
        else:
            mix = ([rng.gauss(0, a.noise * 32767) for _ in range(total)] if a.noise
                   else [0.0] * total)
            for start, _, text in cues:
                at = int(start * RATE)
                for j, v in enumerate(spoken[text]):
                    mix[at + j] += v
            pcm = array.array("h", (max(-32768, min(32767, int(v))) for v in mix))
        raw = os.path.join(folder, "mix.wav")
        with wave.open(raw, "wb") as w:
            w.setnchannels(1)
            w.setsampwidth(2)
            w.setframerate(RATE)
            w.writeframes(pcm.tobytes())
        # White noise of standard deviation `noise` (full scale 1): uniform in ±noise·√3.
        audio = ["-i", raw]
        if a.noise and a.ffmpeg_noise:
            audio += ["-f", "lavfi", "-i", f"anoisesrc=r={RATE}:c=white:seed={a.seed}"
                      f":a={min(a.noise * math.sqrt(3), 1.0)}",
                      "-filter_complex", "[1][2]amix=inputs=2:duration=first:normalize=0[a]",
                      "-map", "0:v", "-map", "[a]"]
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                        "color=black:s=64x36:r=25", *audio, "-shortest",
                        "-c:v", "libvpx", "-deadline", "realtime", "-cpu-used", "8", "-b:v", "20k",
                        "-c:a", "libopus", "-b:a", "48k", a.film], check=True)
    with open(a.subtitles, "w", encoding="utf-8") as f:
        f.write(srt.compose(srt.Subtitle(i + 1, timedelta(seconds=s), timedelta(seconds=e), x)
                            for i, (s, e, x) in enumerate(cues)))


if __name__ == "__main__":
    main()
