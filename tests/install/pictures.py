"""Reading the frames a film saves (24-bit BMP), the icons (PNG) and screen
shots (PPM) as rows of RGB bytes, so that pictures can be compared exactly."""

import struct


def png_size(path):
    """(width, height) from a PNG file's header."""
    with open(path, "rb") as file:
        head = file.read(24)
    if head[:8] != b"\x89PNG\r\n\x1a\n" or head[12:16] != b"IHDR":
        raise ValueError(f"{path} is not a PNG file")
    return struct.unpack(">II", head[16:24])


def read_bmp(path):
    """The rows of a 24-bit uncompressed BMP, top row first, each as RGB
    bytes."""
    with open(path, "rb") as file:
        data = file.read()
    if data[:2] != b"BM":
        raise ValueError(f"{path} is not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    width, height, _, bits, compression = struct.unpack_from("<iiHHI", data, 18)
    if bits != 24 or compression != 0:
        raise ValueError(f"{path}: {bits} bits, compression {compression}; expected 24, 0")
    stride = (width * 3 + 3) & ~3
    rows = []
    for y in range(abs(height)):
        start = offset + y * stride
        bgr = data[start:start + width * 3]
        rgb = bytearray(len(bgr))
        rgb[0::3], rgb[1::3], rgb[2::3] = bgr[2::3], bgr[1::3], bgr[0::3]
        rows.append(bytes(rgb))
    # A positive height stores the bottom row first.
    return rows[::-1] if height > 0 else rows


def _ppm_tokens(data, count):
    """The first count header tokens of a PPM file and where its pixels
    start."""
    tokens, position = [], 0
    while len(tokens) < count:
        while data[position:position + 1].isspace():
            position += 1
        if data[position:position + 1] == b"#":
            position = data.index(b"\n", position)
            continue
        end = position
        while not data[end:end + 1].isspace():
            end += 1
        tokens.append(data[position:end])
        position = end
    return tokens, position + 1


def read_ppm(data):
    """The rows of a binary PPM (P6, 8 bits a channel) as RGB bytes."""
    (magic, width, height, maximum), start = _ppm_tokens(data, 4)
    if magic != b"P6" or int(maximum) != 255:
        raise ValueError(f"not an 8-bit P6 picture: {magic!r}, maximum {maximum!r}")
    width, height = int(width), int(height)
    return [data[start + y * width * 3:start + (y + 1) * width * 3] for y in range(height)]


def contains(screen, picture):
    """Whether picture appears pixel for pixel somewhere in screen."""
    if not picture or len(picture) > len(screen):
        return False
    first = picture[0]
    for top in range(len(screen) - len(picture) + 1):
        column = screen[top].find(first)
        while column >= 0:
            if column % 3 == 0 and all(
                    screen[top + y][column:column + len(row)] == row
                    for y, row in enumerate(picture)):
                return True
            column = screen[top].find(first, column + 1)
    return False
