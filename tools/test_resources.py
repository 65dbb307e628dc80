#!/usr/bin/env python3
"""Checks of the resource tools and of the compiled resources.

The icon and chime writers are checked by reading their output back with
independent readers. The .rc is compiled with the real resource compiler
and the binary it makes is decoded here, so that anything the compiler adds
or mistranslates (default styles, code page of the Korean texts) shows up.

Environment (all optional; the compiled-resource tests are skipped without them):
  VESPERAL_WINDRES   the resource compiler (i686-w64-mingw32-windres)
  VESPERAL_ICON_DIR  folder with the generated .ico files
"""

import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import wave

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
sys.path.insert(0, HERE)

import make_chime  # noqa: E402
import make_ico  # noqa: E402

ICON_SOURCES = os.path.join(ROOT, "src", "res", "icons")
RC_FILE = os.path.join(ROOT, "src", "res", "Vesperal.rc")
RESOURCE_H = os.path.join(ROOT, "src", "res", "Resource.h")


def read_ico(data):
    """Decode a one-image 4-bit .ico into (entry, header, palette, rows of palette index or None)."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind, count) == (0, 1, 1), "not a one-image icon file"
    entry = struct.unpack_from("<BBBBHHII", data, 6)
    size, offset = entry[6], entry[7]
    assert offset + size == len(data), "directory entry does not cover the image"
    header = struct.unpack_from("<IiiHHIIiiII", data, offset)
    width, height, bits = header[1], header[2] // 2, header[4]
    palette_at = offset + header[0]
    palette = [struct.unpack_from("<BBBB", data, palette_at + 4 * i) for i in range(16)]
    xor_at = palette_at + 64
    xor_stride = width * bits // 8
    and_at = xor_at + xor_stride * height
    and_stride = (width + 31) // 32 * 4
    assert and_at + and_stride * height == len(data), "bitmap sizes do not add up to the file"
    rows = []
    for y in range(height):
        src = height - 1 - y  # bottom-up
        row = []
        for x in range(width):
            byte = data[xor_at + src * xor_stride + x // 2]
            index = byte >> 4 if x % 2 == 0 else byte & 0x0F
            masked = data[and_at + src * and_stride + x // 8] & (0x80 >> (x % 8))
            row.append(None if masked else index)
            if masked:
                assert index == 0, "a transparent pixel must be black in the colour bitmap"
        rows.append(row)
    return entry, header, palette, rows


class IconWriterTest(unittest.TestCase):
    def picture(self):
        rows = []
        for y in range(32):
            rows.append("".join("." if (x + y) % 5 == 0 else "0123456789abcdef"[(x * 3 + y) % 16] for x in range(32)))
        return "# test pattern\n" + "\n".join(rows) + "\n", rows

    def test_round_trip_keeps_every_pixel_and_the_transparency(self):
        text, rows = self.picture()
        entry, header, palette, decoded = read_ico(make_ico.encode_ico(make_ico.parse_source(text)))
        self.assertEqual(entry[:6], (32, 32, 16, 0, 1, 4))
        self.assertEqual(header[:5], (40, 32, 64, 1, 4))  # height counts colour bitmap and mask
        self.assertEqual(header[5], 0)  # BI_RGB
        expected = [[None if ch == "." else int(ch, 16) for ch in row] for row in rows]
        self.assertEqual(decoded, expected)
        self.assertEqual(palette[12], (0xFF, 0, 0, 0))  # stored blue, green, red: 'c' is pure blue
        self.assertEqual(palette[9], (0, 0, 0xFF, 0))

    def test_top_row_lands_at_the_end_of_the_bottom_up_bitmap(self):
        rows = ["f" * 32] + ["." * 32] * 31
        data = make_ico.encode_ico(make_ico.parse_source("# top row white\n" + "\n".join(rows)))
        xor_end = 6 + 16 + 40 + 64 + 16 * 32
        self.assertEqual(data[xor_end - 16:xor_end], b"\xff" * 16)
        self.assertEqual(data[xor_end:xor_end + 4], b"\xff" * 4)  # mask of the bottom row: transparent
        self.assertEqual(data[-4:], b"\x00" * 4)  # mask of the top row: opaque

    def test_malformed_sources_are_refused(self):
        good = ["0" * 32] * 32
        cases = {
            "no header comment": "\n".join(good),
            "short row": "# x\n" + "\n".join(good[:31] + ["0" * 31]),
            "missing row": "# x\n" + "\n".join(good[:31]),
            "bad colour": "# x\n" + "\n".join(good[:31] + ["g" + "0" * 31]),
            "capital colour": "# x\n" + "\n".join(good[:31] + ["A" + "0" * 31]),
        }
        for name, text in cases.items():
            with self.subTest(name):
                with self.assertRaises(make_ico.IconSourceError):
                    make_ico.parse_source(text)

    def test_every_drawn_icon_is_well_formed_and_not_blank(self):
        sources = sorted(f for f in os.listdir(ICON_SOURCES) if f.endswith(".txt"))
        self.assertTrue(sources)
        for name in sources:
            with self.subTest(name):
                with open(os.path.join(ICON_SOURCES, name), encoding="utf-8") as f:
                    pixels = make_ico.parse_source(f.read(), name)
                colours = {p for row in pixels for p in row if p is not None}
                self.assertGreaterEqual(len(colours), 2, "an icon needs more than one colour")


class ChimeTest(unittest.TestCase):
    def test_chime_is_short_soft_mono_and_starts_and_ends_silent(self):
        with tempfile.TemporaryDirectory() as folder:
            path = os.path.join(folder, "Vesperal.wav")
            self.assertEqual(make_chime.main(["make_chime.py", path]), 0)
            with wave.open(path, "rb") as w:
                self.assertEqual((w.getnchannels(), w.getsampwidth(), w.getframerate()), (1, 2, 22050))
                frames = w.getnframes()
                samples = struct.unpack(f"<{frames}h", w.readframes(frames))
        self.assertAlmostEqual(frames / 22050, 1.2, delta=0.1)
        peak = max(abs(s) for s in samples)
        self.assertLess(peak, 32767, "clipped")
        self.assertGreater(peak, 8000, "too quiet to hear")
        self.assertLess(max(abs(s) for s in samples[:20]), peak // 10, "clicks at the start")
        self.assertEqual(samples[-1], 0)
        self.assertLess(max(abs(s) for s in samples[-200:]), peak // 50, "cut off at the end")


def read_res(data):
    """Decode a .res file into {(type, name): (language, data)}; ordinals are ints, names strings."""
    def name_at(pos):
        if struct.unpack_from("<H", data, pos)[0] == 0xFFFF:
            return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
        end = pos
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[pos:end].decode("utf-16-le"), end + 2

    resources = {}
    pos = 0
    while pos < len(data):
        size, header_size = struct.unpack_from("<II", data, pos)
        kind, after = name_at(pos + 8)
        name, after = name_at(after)
        after = (after + 3) & ~3
        language = struct.unpack_from("<IHH", data, after)[2]
        body = data[pos + header_size:pos + header_size + size]
        if size:
            resources[(kind, name)] = (language, body)
        pos = (pos + header_size + size + 3) & ~3
    return resources


def read_dialog_ex(data):
    def sz_or_ord(pos):
        first = struct.unpack_from("<H", data, pos)[0]
        if first == 0:
            return None, pos + 2
        if first == 0xFFFF:
            return struct.unpack_from("<H", data, pos + 2)[0], pos + 4
        end = pos
        while struct.unpack_from("<H", data, end)[0] != 0:
            end += 2
        return data[pos:end].decode("utf-16-le"), end + 2

    version, signature, _help, ex_style, style, count, x, y, cx, cy = struct.unpack_from("<HHIIIHhhhh", data, 0)
    assert (version, signature) == (1, 0xFFFF), "not an extended dialog template"
    menu, pos = sz_or_ord(26)
    klass, pos = sz_or_ord(pos)
    caption, pos = sz_or_ord(pos)
    dialog = dict(style=style, ex_style=ex_style, rect=(x, y, cx, cy), menu=menu, klass=klass, caption=caption)
    if style & 0x40:  # DS_SETFONT
        points, weight, italic, charset = struct.unpack_from("<HHBB", data, pos)
        face, pos = sz_or_ord(pos + 6)
        dialog["font"] = (points, face, weight, italic, charset)
    controls = []
    for _ in range(count):
        pos = (pos + 3) & ~3
        _help, ex, cstyle, x, y, cx, cy, ident = struct.unpack_from("<IIIhhhhI", data, pos)
        klass, pos = sz_or_ord(pos + 24)
        text, pos = sz_or_ord(pos)
        extra = struct.unpack_from("<H", data, pos)[0]
        pos += 2 + extra
        controls.append(dict(id=ident, klass=klass, text=text, style=cstyle, ex_style=ex, rect=(x, y, cx, cy)))
    dialog["controls"] = controls
    return dialog


RT_ICON, RT_STRING, RT_GROUP_ICON, RT_DIALOG = 3, 6, 14, 5
KOREAN = 0x0412

WS_CHILD, WS_VISIBLE, WS_TABSTOP, WS_GROUP = 0x40000000, 0x10000000, 0x00010000, 0x00020000
# Class names are case-insensitive, and the predefined classes may be written by name or by their atom;
# all of these create the same control.
BUTTON_CLASS, SCROLLBAR_CLASS = 0x80, 0x84
CLASS_ATOMS = {"button": BUTTON_CLASS, "scrollbar": SCROLLBAR_CLASS}


@unittest.skipUnless(os.environ.get("VESPERAL_WINDRES") and os.environ.get("VESPERAL_ICON_DIR"),
                     "needs the resource compiler and the generated icons")
class CompiledResourcesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "Vesperal.res")
            subprocess.run([os.environ["VESPERAL_WINDRES"], "-I", os.path.join(ROOT, "src"),
                            "-I", os.environ["VESPERAL_ICON_DIR"], "-O", "res", RC_FILE, out], check=True)
            with open(out, "rb") as f:
                cls.resources = read_res(f.read())

    def test_reading_window_template_matches_its_layout(self):
        language, body = self.resources[(RT_DIALOG, 130)]
        self.assertEqual(language, KOREAN)
        dialog = read_dialog_ex(body)
        # WS_POPUP | WS_CLIPSIBLINGS | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_SETFONT, nothing more
        self.assertEqual(hex(dialog["style"]), hex(0x80000000 | 0x04000000 | 0x00C00000 | 0x00080000 | 0x00040000
                                                   | 0x00010000 | 0x40))
        self.assertEqual(dialog["rect"][2:], (378, 225))
        self.assertEqual(dialog["caption"], "베스페랄읽기")
        self.assertEqual(dialog["font"][:2], (9, "굴림체"))
        pushbutton = WS_CHILD | WS_VISIBLE | WS_TABSTOP  # BS_PUSHBUTTON is 0
        expected = [
            (4, BUTTON_CLASS, pushbutton, (191, 199, 34, 20)),
            (3, BUTTON_CLASS, pushbutton, (239, 200, 34, 20)),
            (1, BUTTON_CLASS, pushbutton, (287, 200, 34, 20)),
            (1005, SCROLLBAR_CLASS, WS_CHILD | WS_VISIBLE | WS_GROUP | 1, (360, 51, 10, 129)),
            (1006, "sysdatetimepick32", WS_CHILD | WS_VISIBLE | WS_TABSTOP | 4, (7, 203, 109, 14)),
            (5, BUTTON_CLASS, pushbutton, (336, 199, 34, 20)),
        ]
        def class_of(klass):
            return CLASS_ATOMS.get(klass.lower(), klass.lower()) if isinstance(klass, str) else klass

        actual = [(c["id"], class_of(c["klass"]), c["style"], c["rect"])
                  for c in dialog["controls"]]
        self.assertEqual([(i, k, hex(s), r) for i, k, s, r in actual],
                         [(i, k, hex(s), r) for i, k, s, r in expected])
        for control in dialog["controls"]:
            self.assertIn(control["text"], (None, ""), "buttons carry no text")

    def test_application_title_string(self):
        language, block = self.resources[(RT_STRING, 57344 // 16 + 1)]
        self.assertEqual(language, KOREAN)
        length = struct.unpack_from("<H", block, 0)[0]  # 57344 is the first string of its block
        self.assertEqual(block[2:2 + 2 * length].decode("utf-16-le"), "베스페랄읽기")

    def test_every_icon_id_has_one_32x32_16_colour_image(self):
        with open(RESOURCE_H, encoding="utf-8") as f:
            ids = {int(v) for v in re.findall(r"#define\s+IDI_\w+\s+(\d+)", f.read())}
        self.assertEqual(ids, {128, 148, 149, 150, 151, 156, 157, 158, 159, 160, 161, 163, 164, 165, 167, 169})
        for ident in sorted(ids):
            with self.subTest(ident):
                _, group = self.resources[(RT_GROUP_ICON, ident)]
                reserved, kind, count = struct.unpack_from("<HHH", group, 0)
                self.assertEqual((kind, count), (1, 1))
                width, height, colours, _, planes, bits, size, image_id = struct.unpack_from("<BBBBHHIH", group, 6)
                self.assertEqual((width, height, colours, planes, bits), (32, 32, 16, 1, 4))
                _, image = self.resources[(RT_ICON, image_id)]
                self.assertEqual(len(image), size)
                self.assertEqual(struct.unpack_from("<iii", image, 0), (40, 32, 64))


if __name__ == "__main__":
    unittest.main()
