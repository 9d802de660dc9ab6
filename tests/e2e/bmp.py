"""Reading the frame files: uncompressed 24-bit Windows bitmaps."""

import struct


class BitmapError(Exception):
    pass


class Bitmap:
    """width, height, declared_size (what the file header says the file
    holds) and rgb: the pixels as red, green, blue bytes, row by row from the
    top row."""

    def __init__(self, width, height, declared_size, rgb):
        self.width = width
        self.height = height
        self.declared_size = declared_size
        self.rgb = rgb

    def pixel(self, x, y):
        at = (y * self.width + x) * 3
        return tuple(self.rgb[at:at + 3])


def declared_size(data):
    """The file size that a bitmap's header declares, or None."""
    if len(data) < 14 or data[:2] != b"BM":
        return None
    return struct.unpack_from("<I", data, 2)[0]


def read_bitmap(path):
    with open(path, "rb") as file:
        data = file.read()
    if len(data) < 54 or data[:2] != b"BM":
        raise BitmapError(f"{path.name} is not a Windows bitmap (no 'BM' header)")
    size, offset = struct.unpack_from("<I4xI", data, 2)
    if size != len(data):
        raise BitmapError(f"{path.name} declares {size} bytes but holds {len(data)}")
    (header_size, width, height, planes, bits,
     compression) = struct.unpack_from("<IiiHHI", data, 14)
    if header_size < 40:
        raise BitmapError(f"{path.name} has an old {header_size}-byte info header")
    if bits != 24 or compression != 0:
        raise BitmapError(f"{path.name} is {bits}-bit with compression {compression}, "
                          "not uncompressed 24-bit")
    top_down = height < 0
    height = abs(height)
    stride = (width * 3 + 3) // 4 * 4
    if offset + stride * height > len(data):
        raise BitmapError(f"{path.name} is too short for {width} x {height} pixels")
    rgb = bytearray(width * height * 3)
    for row in range(height):
        source_row = row if top_down else height - 1 - row
        start = offset + source_row * stride
        line = data[start:start + width * 3]
        target = row * width * 3
        # The file stores blue, green, red.
        rgb[target:target + width * 3:3] = line[2::3]
        rgb[target + 1:target + width * 3:3] = line[1::3]
        rgb[target + 2:target + width * 3:3] = line[0::3]
    return Bitmap(width, height, size, bytes(rgb))
