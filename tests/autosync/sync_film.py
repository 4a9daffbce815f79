#!/usr/bin/python3
"""srtdump --sync-to end to end: a film that speaks its subtitles (make_film.py), the subtitles
moved off it in the ways real files are, and every line brought back within 50 ms; a film of
noise alone gets no proposal.

    sync_film.py SRTDUMP
"""
import os
import subprocess
import sys
import tempfile
from datetime import timedelta

import srt

HERE = os.path.dirname(os.path.abspath(__file__))
FILM_RATIO = 25 / (24000 / 1001)


def moved(subs, delay, speed, split_at=None, split_delay=0.0):
    """The file that needs `delay` and `speed` (and from line `split_at` on, `split_delay`) to
    line up: clock = file * speed + delay."""
    out = []
    for i, s in enumerate(subs):
        d = split_delay if split_at is not None and i >= split_at else delay
        start = (s.start.total_seconds() - d) / speed
        end = (s.end.total_seconds() - d) / speed
        out.append(srt.Subtitle(s.index, timedelta(seconds=start), timedelta(seconds=end), s.content))
    return out


def run(srtdump, film, subs, folder, *extra):
    path = os.path.join(folder, "moved.srt")
    with open(path, "w", encoding="utf-8") as f:
        f.write(srt.compose(subs, reindex=False))
    return subprocess.run([srtdump, "--sync-to", film, *extra, path], capture_output=True, text=True)


def main():
    srtdump = sys.argv[1]
    failures = []
    with tempfile.TemporaryDirectory() as folder:
        film = os.path.join(folder, "film.webm")
        ref_path = os.path.join(folder, "ref.srt")
        subprocess.run([sys.executable, os.path.join(HERE, "make_film.py"), film, ref_path,
                        "--lines", "30", "--noise", "0.03"], check=True)
        with open(ref_path, encoding="utf-8") as f:
            ref = list(srt.parse(f.read()))
        cases = [
            ("late by 7.5 s", moved(ref, 7.5, 1.0)),
            ("early by 95 s at 25 -> 23.976 fps", moved(ref, -95.0, FILM_RATIO)),
            ("23.976 -> 25 fps", moved(ref, 0.8, 1 / FILM_RATIO)),
            # A part of the video cut after line 15: from there on the lines come 22 s sooner.
            ("a cut after line 15", moved(ref, 1.0, 1.0, 15, -21.0)),
        ]
        for name, subs in cases:
            got = run(srtdump, film, subs, folder)
            if got.returncode != 0:
                failures.append(f"{name}: exit {got.returncode}: {got.stderr.strip()}")
                continue
            synced = list(srt.parse(got.stdout))
            worst = max(abs((a.start - b.start).total_seconds()) for a, b in zip(ref, synced))
            print(f"{name}: worst line {worst * 1000:.0f} ms")
            if len(synced) != len(ref) or worst > 0.05:
                failures.append(f"{name}: {len(synced)} lines, worst {worst * 1000:.0f} ms off")

        noise = os.path.join(folder, "noise.webm")
        subprocess.run(["ffmpeg", "-v", "error", "-y", "-f", "lavfi", "-i",
                        "anoisesrc=d=120:c=pink:a=0.2", "-c:a", "libopus", noise], check=True)
        got = run(srtdump, noise, ref, folder, "--format", "report")
        print("noise:", got.stdout.strip().splitlines()[-1] if got.stdout else got.stderr.strip())
        if got.returncode != 3 or "result: No " not in got.stdout:
            failures.append(f"noise: exit {got.returncode}, proposed {got.stdout!r}")
    for f in failures:
        print("FAILED:", f)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
