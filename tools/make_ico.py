#!/usr/bin/env python3
"""Turn a text-drawn icon into an .ico file of 32-bit images in the sizes Windows asks for at any display scale.

The source is plain text so that icons can be reviewed and edited like code:

    # Header comment: what the picture shows (required).
    ................................   <- 32 rows of 32 characters
    ...

Each character is one pixel: 0-9 and a-f pick a colour of the standard
16-colour Windows palette (PALETTE below), '.' is transparent. Lines that
start with '#' are comments; blank lines are ignored.

The drawing is the 32x32 image as it is; every other size (SIZES) is made from
it by averaging the area each of its pixels covers, with the transparency
weighed in, so that 64 doubles every pixel and 16 blends each square of four.
Each image holds blue, green, red and alpha (not premultiplied) and the 1-bit
mask that older drawing calls use.

Usage: make_ico.py SOURCE.txt OUTPUT.ico
"""

import struct
import sys

SIZE = 32
TRANSPARENT = "."
# The small and large icon sizes at 100, 125, 150 and 200 % display scale. The drawn size comes first: a load
# that names no size takes the first image, as the 16-colour icons of older builds were loaded.
SIZES = (32, 16, 20, 24, 40, 48, 64)
OPAQUE = 255

# The 16 colours every Windows display can show, in the order of the system palette.
PALETTE = [
    (0x00, 0x00, 0x00),  # 0 black
    (0x80, 0x00, 0x00),  # 1 maroon
    (0x00, 0x80, 0x00),  # 2 green
    (0x80, 0x80, 0x00),  # 3 olive
    (0x00, 0x00, 0x80),  # 4 navy
    (0x80, 0x00, 0x80),  # 5 purple
    (0x00, 0x80, 0x80),  # 6 teal
    (0xC0, 0xC0, 0xC0),  # 7 silver (light grey)
    (0x80, 0x80, 0x80),  # 8 grey (dark grey)
    (0xFF, 0x00, 0x00),  # 9 red
    (0x00, 0xFF, 0x00),  # a lime
    (0xFF, 0xFF, 0x00),  # b yellow
    (0x00, 0x00, 0xFF),  # c blue
    (0xFF, 0x00, 0xFF),  # d fuchsia
    (0x00, 0xFF, 0xFF),  # e aqua
    (0xFF, 0xFF, 0xFF),  # f white
]


class IconSourceError(ValueError):
    pass


def parse_source(text, name="<icon>"):
    """Return the picture as SIZE rows of SIZE palette indices, None for transparent."""
    rows = []
    has_comment = False
    for number, line in enumerate(text.splitlines(), 1):
        stripped = line.rstrip()
        if stripped.startswith("#"):
            if not rows:
                has_comment = has_comment or stripped.lstrip("#").strip() != ""
            continue
        if not stripped:
            continue
        if len(stripped) != SIZE:
            raise IconSourceError(f"{name}:{number}: row has {len(stripped)} pixels, expected {SIZE}")
        row = []
        for column, char in enumerate(stripped, 1):
            if char == TRANSPARENT:
                row.append(None)
            elif char in "0123456789abcdef":
                row.append(int(char, 16))
            else:
                raise IconSourceError(f"{name}:{number}:{column}: '{char}' is not a colour")
        rows.append(row)
    if not has_comment:
        raise IconSourceError(f"{name}: the header comment describing the picture is missing")
    if len(rows) != SIZE:
        raise IconSourceError(f"{name}: {len(rows)} rows, expected {SIZE}")
    return rows


def to_colours(pixels):
    """The drawing as rows of (red, green, blue, alpha); transparent pixels are black and clear."""
    return [[(0, 0, 0, 0) if p is None else PALETTE[p] + (OPAQUE,) for p in row] for row in pixels]


def resample(colours, size):
    """The SIZE-square picture at `size`: each new pixel is the average of the area of the drawing it covers."""
    image = []
    for y in range(size):
        row = []
        for x in range(size):
            alpha_sum = 0
            channel_sums = [0, 0, 0]
            # On a grid of SIZE * size units, a new pixel spans SIZE units and a drawn one `size` units.
            for sy in range(y * SIZE // size, min(SIZE, ((y + 1) * SIZE + size - 1) // size)):
                cover_y = min((sy + 1) * size, (y + 1) * SIZE) - max(sy * size, y * SIZE)
                for sx in range(x * SIZE // size, min(SIZE, ((x + 1) * SIZE + size - 1) // size)):
                    cover = cover_y * (min((sx + 1) * size, (x + 1) * SIZE) - max(sx * size, x * SIZE))
                    r, g, b, a = colours[sy][sx]
                    alpha_sum += cover * a
                    for i, c in enumerate((r, g, b)):
                        channel_sums[i] += cover * a * c
            area = SIZE * SIZE
            alpha = (alpha_sum + area // 2) // area
            if alpha == 0:
                row.append((0, 0, 0, 0))
            else:
                # A colour counts as far as it is opaque: a clear neighbour adds no black to an edge.
                row.append(tuple((c + alpha_sum // 2) // alpha_sum for c in channel_sums) + (alpha,))
        image.append(row)
    return image


def encode_image(image):
    """One icon image: the header, the 32-bit colours bottom-up, then the mask (1 where the image is clear)."""
    size = len(image)
    and_stride = ((size + 31) // 32) * 4  # rows of the 1-bit mask are padded to 32 bits
    xor = bytearray()
    mask = bytearray()
    for row in reversed(image):  # DIB rows run bottom-up
        bits = 0
        for x, (r, g, b, a) in enumerate(row):
            xor += bytes((b, g, r, a))
            if a < 128:
                bits |= 1 << (and_stride * 8 - 1 - x)
        mask += bits.to_bytes(and_stride, "big")
    # The header's height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return header + bytes(xor) + bytes(mask)


def encode_ico(pixels, sizes=SIZES):
    """Build the .ico bytes: one 32-bit image per size, in the order of `sizes`."""
    colours = to_colours(pixels)
    images = [encode_image(colours if size == SIZE else resample(colours, size)) for size in sizes]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = len(directory) + 16 * len(images)
    entries = b""
    for size, image in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", size, size, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    return directory + entries + b"".join(images)


def main(argv):
    if len(argv) != 3:
        sys.stderr.write("usage: make_ico.py SOURCE.txt OUTPUT.ico\n")
        return 2
    source, output = argv[1], argv[2]
    try:
        with open(source, encoding="utf-8") as f:
            pixels = parse_source(f.read(), source)
    except IconSourceError as error:
        sys.stderr.write(f"{error}\n")
        return 1
    with open(output, "wb") as f:
        f.write(encode_ico(pixels))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
