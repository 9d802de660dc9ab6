"""What a film folder must hold, and the renderer's own pixels to compare
its frame files with."""

import os
import subprocess
import tempfile
from pathlib import Path

from bmp import BitmapError, declared_size, read_bitmap
from program import settings


def frame_exponents(e_min, e_max, steps):
    return [((e_max - e_min) * k) / steps + e_min for k in range(steps + 1)]


def frame_file_name(e):
    return f"PowerReels-{e:07.3f}.bmp"


def frame_titles(exponents, *states):
    return [f"PowerReels - e={e:.3f} ({state})" for e in exponents for state in states]


def assert_frame_files(case, folder, names, why):
    """The folder holds exactly these files."""
    present = sorted(os.listdir(folder)) if os.path.isdir(folder) else []
    missing = [name for name in names if name not in present]
    extra = [name for name in present if name not in names]
    if missing or extra:
        case.fail(f"{why}: the film folder {Path(folder).name!r} "
                  + (f"lacks {', '.join(missing)}" if missing else "")
                  + (" and " if missing and extra else "")
                  + (f"holds {', '.join(extra)} too" if extra else "")
                  + f" (it holds {present})")


def check_whole_bitmaps(case, folder, pixels):
    """Every file of the folder is a whole 24-bit bitmap of pixels x pixels:
    no temporary file, none cut short. Returns the bitmaps by file name."""
    bitmaps = {}
    for name in sorted(os.listdir(folder)):
        path = Path(folder) / name
        if not name.endswith(".bmp"):
            case.fail(f"the film folder holds {name!r}, which is no frame file")
        data = path.read_bytes()
        size = declared_size(data)
        case.assertEqual(size, len(data),
                         f"{name} holds {len(data)} bytes, but its header declares {size}")
        try:
            bitmap = read_bitmap(path)
        except BitmapError as error:
            case.fail(str(error))
        case.assertEqual((bitmap.width, bitmap.height), (pixels, pixels),
                         f"{name} is {bitmap.width} x {bitmap.height} pixels, "
                         f"not {pixels} x {pixels}")
        bitmaps[name] = bitmap
    return bitmaps


def renderer_frames(case, e_min, e_max, steps, pixels, palette_index, frames=()):
    """The renderer's pixels of the film's frames, by frame index, as RGB
    bytes row by row from the top."""
    helper = settings["frame_dump"]
    if not helper or not os.access(helper, os.X_OK):
        case.fail(f"the helper e2e-frame-dump ({helper}) is missing: build its target")
    with tempfile.TemporaryDirectory(prefix="powerreels-e2e-frames-") as folder:
        result = subprocess.run(
            [helper, repr(e_min), repr(e_max), str(steps), str(pixels), str(palette_index),
             folder, *map(str, frames)],
            capture_output=True, text=True)
        case.assertEqual(result.returncode, 0, f"e2e-frame-dump failed: {result.stderr}")
        rendered = {}
        for line in result.stdout.splitlines():
            k = int(line.split()[0])
            rendered[k] = (Path(folder) / f"frame-{k}.rgb").read_bytes()
        return rendered


def assert_same_pixels(case, name, actual, expected, width, what):
    """actual and expected are RGB bytes row by row from the top."""
    if actual == expected:
        return
    case.assertEqual(len(actual), len(expected),
                     f"{name}: {len(actual) // 3} pixels, the renderer made "
                     f"{len(expected) // 3}")
    differing = [i for i in range(0, len(actual), 3) if actual[i:i + 3] != expected[i:i + 3]]
    first = differing[0] // 3
    case.fail(f"{name}: {len(differing)} of {len(actual) // 3} pixels differ from {what}; "
              f"the first at column {first % width}, row {first // width}: "
              f"{tuple(actual[differing[0]:differing[0] + 3])} instead of "
              f"{tuple(expected[differing[0]:differing[0] + 3])}")
