#!/usr/bin/env python3
"""Turn a text-drawn icon into a 32x32, 16-colour .ico file.

The source is plain text so that icons can be reviewed and edited like code:

    # Header comment: what the picture shows (required).
    ................................   <- 32 rows of 32 characters
    ...

Each character is one pixel: 0-9 and a-f pick a colour of the standard
16-colour Windows palette (PALETTE below), '.' is transparent. Lines that
start with '#' are comments; blank lines are ignored.

Usage: make_ico.py SOURCE.txt OUTPUT.ico
"""

import struct
import sys

SIZE = 32
TRANSPARENT = "."

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


def encode_ico(pixels):
    """Build the .ico bytes: one image, 4 bits per pixel, XOR bitmap plus AND mask."""
    xor_stride = SIZE * 4 // 8  # 16 bytes, already a multiple of 4
    and_stride = ((SIZE + 31) // 32) * 4  # rows of the 1-bit mask are padded to 32 bits
    xor = bytearray()
    mask = bytearray()
    for row in reversed(pixels):  # DIB rows run bottom-up
        # Transparent pixels are black in the colour bitmap so that AND-then-XOR leaves the screen as it was.
        indices = [0 if p is None else p for p in row]
        for x in range(0, SIZE, 2):
            xor.append((indices[x] << 4) | indices[x + 1])
        bits = 0
        for x, p in enumerate(row):
            if p is None:
                bits |= 1 << (SIZE - 1 - x)
        mask += bits.to_bytes(SIZE // 8, "big") + bytes(and_stride - SIZE // 8)
    assert len(xor) == xor_stride * SIZE

    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    image_size = len(xor) + len(mask)
    # The header's height counts the colour bitmap and the mask together.
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, image_size, 0, 0, 0, 0)
    image = header + palette + bytes(xor) + bytes(mask)

    directory = struct.pack("<HHH", 0, 1, 1)
    entry_offset = len(directory) + 16
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, len(PALETTE), 0, 1, 4, len(image), entry_offset)
    return directory + entry + image


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
