"""Reads our writer's SubRip with Python's srt package: same times and texts as written."""
import re
import subprocess
import sys
import tempfile
from pathlib import Path

import srt


def check(writer: str, ending: str, folder: Path) -> list[str]:
    srt_path, expected_path = folder / f"{ending}.srt", folder / f"{ending}.expected"
    subprocess.run([writer, ending, srt_path, expected_path], check=True)
    raw = srt_path.read_bytes()
    if (b"\r\n" in raw) != (ending == "crlf"):
        return [f"{ending}: the file does not have {ending} line endings"]
    text = raw.decode("utf-8")
    # The srt package also takes "." or ":" before the milliseconds; the standard is a comma.
    time_lines = [line for line in text.splitlines() if "-->" in line]
    strict = re.compile(r"\d\d:\d\d:\d\d,\d\d\d --> \d\d:\d\d:\d\d,\d\d\d")
    errors = [f"{ending}: not the standard form: {line!r}"
              for line in time_lines if not strict.fullmatch(line)]
    got = list(srt.parse(text))
    want = [line.split("\t") for line in expected_path.read_text("utf-8").splitlines()]
    if len(got) != len(want):
        return errors + [f"{ending}: {len(got)} cues read, {len(want)} written"]
    for number, (sub, (start, end, text)) in enumerate(zip(got, want), start=1):
        read = (sub.index, round(sub.start.total_seconds() * 1000),
                round(sub.end.total_seconds() * 1000), sub.content)
        written = (number, int(start), int(end), text.replace("\\n", "\n"))
        if read != written:
            errors.append(f"{ending}: read {read!r}, written {written!r}")
    return errors


def main() -> int:
    with tempfile.TemporaryDirectory() as folder:
        errors = [e for ending in ("crlf", "lf") for e in check(sys.argv[1], ending, Path(folder))]
    for error in errors:
        print(error, file=sys.stderr)
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
