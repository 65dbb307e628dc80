#!/usr/bin/env python3
"""Checks of the resource tools and of the compiled resources.

The icon and chime writers are checked by reading their output back with
independent readers. The .rc is compiled with the real resource compiler
and the binary it makes is decoded here, so that anything the compiler adds
or mistranslates (default styles, code page of the Korean texts) shows up.

Environment (all optional; the compiled-resource tests are skipped without them):
  VESPERAL_WINDRES   the resource compiler (i686-w64-mingw32-windres)
  VESPERAL_ICON_DIR  folder with the generated .ico files
  VESPERAL_GENERATED_RES_DIR  folder with the generated Version.h
"""

import os
import re
import struct
import subprocess
import sys
import tempfile
import unittest
import wave
import xml.etree.ElementTree as ElementTree

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
sys.path.insert(0, os.path.join(ROOT, "tools"))

import make_chime  # noqa: E402
import make_ico  # noqa: E402

ICON_SOURCES = os.path.join(ROOT, "src", "res", "icons")
RC_FILE = os.path.join(ROOT, "src", "res", "Vesperal.rc")
VERSION_FILE = os.path.join(ROOT, "VERSION")
RESOURCE_H = os.path.join(ROOT, "src", "res", "Resource.h")


def read_ico(data):
    """Decode a .ico of 32-bit images into [(directory entry, header, rows of (red, green, blue, alpha))]."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    assert (reserved, kind) == (0, 1), "not an icon file"
    images = []
    end = 6 + 16 * count
    for i in range(count):
        entry = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size, offset = entry[6], entry[7]
        assert offset == end, "images do not follow one another"
        end = offset + size
        header = struct.unpack_from("<IiiHHIIiiII", data, offset)
        width, height = header[1], header[2] // 2
        assert header[4] == 32, "not a 32-bit image"
        xor_at = offset + header[0]
        and_at = xor_at + 4 * width * height
        and_stride = (width + 31) // 32 * 4
        assert and_at + and_stride * height == end, "bitmap sizes do not add up to the image"
        rows = []
        for y in range(height):
            src = height - 1 - y  # bottom-up
            row = []
            for x in range(width):
                b, g, r, a = data[xor_at + 4 * (src * width + x):xor_at + 4 * (src * width + x) + 4]
                masked = bool(data[and_at + src * and_stride + x // 8] & (0x80 >> (x % 8)))
                assert masked == (a < 128), "the mask is clear where the image is more than half clear"
                if a == 0:
                    assert (r, g, b) == (0, 0, 0), "a clear pixel is black in the colour bitmap"
                row.append((r, g, b, a))
            rows.append(row)
        images.append((entry, header, rows))
    assert end == len(data), "the images do not end with the file"
    return images


def opaque(index):
    return make_ico.PALETTE[index] + (255,)


CLEAR = (0, 0, 0, 0)


class IconWriterTest(unittest.TestCase):
    def picture(self):
        rows = []
        for y in range(32):
            rows.append("".join("." if (x + y) % 5 == 0 else "0123456789abcdef"[(x * 3 + y) % 16] for x in range(32)))
        return "# test pattern\n" + "\n".join(rows) + "\n", rows

    def images(self, rows):
        return read_ico(make_ico.encode_ico(make_ico.parse_source("# picture\n" + "\n".join(rows))))

    def test_round_trip_keeps_every_pixel_and_the_transparency_in_the_first_image(self):
        text, rows = self.picture()
        images = read_ico(make_ico.encode_ico(make_ico.parse_source(text)))
        self.assertEqual([entry[:6] for entry, _, _ in images],
                         [(size, size, 0, 0, 1, 32) for size in (32, 16, 20, 24, 40, 48, 64)])
        entry, header, decoded = images[0]
        self.assertEqual(header[:6], (40, 32, 64, 1, 32, 0))  # height counts colour bitmap and mask; BI_RGB
        expected = [[CLEAR if ch == "." else opaque(int(ch, 16)) for ch in row] for row in rows]
        self.assertEqual(decoded, expected)
        self.assertEqual(opaque(12), (0, 0, 0xFF, 255))  # 'c' is pure blue

    def test_top_row_lands_at_the_end_of_the_bottom_up_bitmap(self):
        rows = ["f" * 32] + ["." * 32] * 31
        data = make_ico.encode_ico(make_ico.parse_source("# top row white\n" + "\n".join(rows)), sizes=(32,))
        xor_end = 6 + 16 + 40 + 4 * 32 * 32
        self.assertEqual(data[xor_end - 128:xor_end], b"\xff" * 128)
        self.assertEqual(data[xor_end:xor_end + 4], b"\xff" * 4)  # mask of the bottom row: transparent
        self.assertEqual(data[-4:], b"\x00" * 4)  # mask of the top row: opaque

    def test_other_sizes_average_the_area_each_pixel_covers(self):
        # Left half: red and white columns in turn; right half clear but for a blue top-right square of 4x4.
        rows = [("9f" * 8) + ("." * 12) + ("cccc" if y < 4 else "....") for y in range(32)]
        for entry, _, image in self.images(rows):
            size = entry[0]
            with self.subTest(size):
                half = size // 2
                self.assertTrue(all(p[3] == 255 for row in image for p in row[:half]), "left half opaque")
                self.assertTrue(all(p == CLEAR for row in image[size // 8 + 1:] for p in row[half:]), "right half clear")
                edge = [p for p in image[0][half:] if p[3] > 0]
                self.assertEqual({p[:3] for p in edge}, {(0, 0, 0xFF)}, "clear neighbours add no black")
                self.assertEqual(len(edge) > size // 8, size % 8 != 0, "a pixel half on the square is half clear")
                if size == 64:
                    self.assertEqual(image[0][:4], [opaque(9), opaque(9), opaque(15), opaque(15)])
                if size == 16:
                    self.assertEqual(image[0][0], (0xFF, 0x80, 0x80, 255))  # red and white, half each
                    self.assertEqual(image[1][13:], [CLEAR, opaque(12), opaque(12)])

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


RT_ICON, RT_STRING, RT_GROUP_ICON, RT_DIALOG, RT_VERSION, RT_MANIFEST = 3, 6, 14, 5, 16, 24
KOREAN = 0x0412

WS_CHILD, WS_VISIBLE, WS_TABSTOP, WS_GROUP = 0x40000000, 0x10000000, 0x00010000, 0x00020000
# Class names are case-insensitive, and the predefined classes may be written by name or by their atom;
# all of these create the same control.
BUTTON_CLASS, EDIT_CLASS, STATIC_CLASS, LISTBOX_CLASS, SCROLLBAR_CLASS = 0x80, 0x81, 0x82, 0x83, 0x84
CLASS_ATOMS = {"button": BUTTON_CLASS, "edit": EDIT_CLASS, "static": STATIC_CLASS, "listbox": LISTBOX_CLASS,
               "scrollbar": SCROLLBAR_CLASS}
WS_POPUP, WS_CAPTION, WS_SYSMENU, WS_BORDER, WS_VSCROLL = 0x80000000, 0x00C00000, 0x00080000, 0x00800000, 0x00200000
DS_SETFONT, DS_MODALFRAME = 0x40, 0x80
NO_ID = 0xFFFFFFFF
CHILD = WS_CHILD | WS_VISIBLE
TAB = CHILD | WS_TABSTOP
MULTILINE_EDIT = TAB | WS_BORDER | WS_VSCROLL | 0x4 | 0x1000 | 0x100  # ES_MULTILINE, ES_WANTRETURN, ES_NOHIDESEL

# The diary's three windows: (id, style, size, caption, controls in tab order as (id, class, text, style, rect)).
DIARY_TEMPLATES = [
    (152, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, (311, 205), "경건 일기장", [
        (1013, BUTTON_CLASS, "찾 기", TAB, (106, 179, 41, 19)),
        (NO_ID, STATIC_CLASS, "날짜", CHILD | WS_GROUP, (5, 10, 18, 8)),
        (NO_ID, STATIC_CLASS, "제목", CHILD | WS_GROUP, (5, 27, 18, 8)),
        (NO_ID, STATIC_CLASS, "묵상", CHILD | WS_GROUP, (5, 45, 20, 10)),
        (NO_ID, STATIC_CLASS, "기도", CHILD | WS_GROUP, (5, 110, 21, 11)),
        (1006, "sysdatetimepick32", "", TAB | 0x4 | 0x20, (30, 8, 90, 13)),
        (1007, EDIT_CLASS, "", TAB | WS_BORDER | 0x80 | 0x100, (30, 25, 271, 13)),
        (1008, EDIT_CLASS, "", MULTILINE_EDIT, (30, 44, 271, 57)),
        (1009, EDIT_CLASS, "", MULTILINE_EDIT | 0x80, (30, 108, 271, 57)),
        (1012, BUTTON_CLASS, "삭 제", TAB, (49, 179, 41, 19)),
        (1014, BUTTON_CLASS, "파일로저장", TAB, (163, 179, 41, 19)),
        (NO_ID, STATIC_CLASS, 167, CHILD | 0x3, (5, 124, 20, 20)),
        (NO_ID, STATIC_CLASS, 169, CHILD | 0x3, (5, 58, 20, 20)),
        (2, BUTTON_CLASS, "닫 기", TAB, (220, 179, 41, 19)),
    ]),
    (161, WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT, (279, 117), "찾기", [
        (NO_ID, STATIC_CLASS, "찾을 문자열 :", CHILD | WS_GROUP, (7, 10, 43, 12)),
        (1007, EDIT_CLASS, "", TAB | WS_BORDER | 0x80, (53, 7, 160, 14)),
        (NO_ID, BUTTON_CLASS, " 찾을 대상 ", CHILD | 0x7, (7, 27, 206, 27)),
        (1014, BUTTON_CLASS, "제목", TAB | 0x3, (14, 41, 58, 8)),
        (1015, BUTTON_CLASS, "묵상", TAB | 0x3, (82, 41, 58, 8)),
        (1016, BUTTON_CLASS, "기도", TAB | 0x3, (150, 41, 58, 8)),
        (1013, BUTTON_CLASS, "찾기", TAB | 0x1, (222, 7, 50, 16)),
        (2, BUTTON_CLASS, "취소", TAB, (222, 29, 50, 16)),
        (NO_ID, STATIC_CLASS, "찾은 결과 :", CHILD | WS_GROUP, (7, 64, 40, 11)),
        (1018, STATIC_CLASS, "", CHILD | WS_GROUP, (48, 64, 51, 11)),
        (1017, LISTBOX_CLASS, "", TAB | WS_BORDER | WS_VSCROLL | 0x1 | 0x2 | 0x100, (7, 77, 206, 33)),
    ]),
    (163, WS_POPUP | WS_CAPTION | DS_MODALFRAME | DS_SETFONT, (191, 55), "파일로 저장", [
        (1019, BUTTON_CLASS, "현재 날짜만 저장", CHILD | WS_GROUP | 0x9, (13, 16, 105, 13)),
        (1020, BUTTON_CLASS, "모든 날짜 저장", CHILD | 0x9, (13, 30, 105, 13)),
        (1, BUTTON_CLASS, "확 인", TAB | 0x1, (144, 7, 40, 17)),
        (2, BUTTON_CLASS, "취 소", TAB, (144, 30, 40, 17)),
        (NO_ID, BUTTON_CLASS, "", CHILD | 0x7, (7, 3, 117, 45)),
    ]),
]


def version_string_value(block, key):
    """The text of one StringFileInfo value: its UTF-16 key, padding to 4 bytes, then the UTF-16 text."""
    at = block.index((key + "\0").encode("utf-16-le"))
    start = (at + 2 * (len(key) + 1) + 3) & ~3
    end = start
    while block[end:end + 2] != b"\0\0":
        end += 2
    return block[start:end].decode("utf-16-le")


@unittest.skipUnless(os.environ.get("VESPERAL_WINDRES") and os.environ.get("VESPERAL_ICON_DIR")
                     and os.environ.get("VESPERAL_GENERATED_RES_DIR"),
                     "needs the resource compiler, the generated icons and the generated version header")
class CompiledResourcesTest(unittest.TestCase):
    @classmethod
    def setUpClass(cls):
        with tempfile.TemporaryDirectory() as folder:
            out = os.path.join(folder, "Vesperal.res")
            subprocess.run([os.environ["VESPERAL_WINDRES"], "-I", os.path.join(ROOT, "src"),
                            "-I", os.environ["VESPERAL_ICON_DIR"],
                            "-I", os.environ["VESPERAL_GENERATED_RES_DIR"], "-O", "res", RC_FILE, out], check=True)
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
        # 9 pt, the face, and the Korean character set (0x81), by which Windows picks a Korean font where
        # the face is not installed.
        self.assertEqual(dialog["font"][:2] + dialog["font"][4:], (9, "굴림체", 0x81))
        pushbutton = WS_CHILD | WS_VISIBLE | WS_TABSTOP  # BS_PUSHBUTTON is 0
        # In tab order, the bottom row from left to right: picker, mark, previous, next, diary, close. The
        # buttons' texts are their names for screen readers and their Alt keys; they are not drawn.
        expected = [
            (1005, SCROLLBAR_CLASS, "", WS_CHILD | WS_VISIBLE | WS_GROUP | 1, (360, 51, 10, 129)),
            (1021, STATIC_CLASS, "", WS_CHILD | WS_VISIBLE | 0x80, (27, 188, 200, 9)),  # SS_NOPREFIX
            (1006, "sysdatetimepick32", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP | 4, (7, 203, 109, 14)),
            (6, BUTTON_CLASS, "읽음 표시(&M)", pushbutton, (154, 199, 34, 20)),
            (4, BUTTON_CLASS, "이전 날(&P)", pushbutton, (191, 199, 34, 20)),
            (3, BUTTON_CLASS, "다음 날(&N)", pushbutton, (239, 200, 34, 20)),
            (5, BUTTON_CLASS, "일기(&D)", pushbutton, (336, 199, 34, 20)),
            (1, BUTTON_CLASS, "닫기", pushbutton, (287, 200, 34, 20)),
        ]
        def class_of(klass):
            return CLASS_ATOMS.get(klass.lower(), klass.lower()) if isinstance(klass, str) else klass

        actual = [(c["id"], class_of(c["klass"]), c["text"] or "", c["style"], c["rect"])
                  for c in dialog["controls"]]
        self.assertEqual([(i, k, t, hex(s), r) for i, k, t, s, r in actual],
                         [(i, k, t, hex(s), r) for i, k, t, s, r in expected])

    def test_diary_window_templates_match_their_layout(self):
        def class_of(klass):
            return CLASS_ATOMS.get(klass.lower(), klass.lower()) if isinstance(klass, str) else klass

        for ident, style, size, caption, controls in DIARY_TEMPLATES:
            with self.subTest(ident):
                language, body = self.resources[(RT_DIALOG, ident)]
                self.assertEqual(language, KOREAN)
                dialog = read_dialog_ex(body)
                self.assertEqual(hex(dialog["style"]), hex(style))
                self.assertEqual(dialog["rect"][2:], size)
                self.assertEqual(dialog["caption"], caption)
                self.assertEqual(dialog["font"][:2] + dialog["font"][4:], (9, "굴림", 0x81))
                actual = [(c["id"], class_of(c["klass"]), c["text"] if c["text"] is not None else "", hex(c["style"]),
                           c["rect"]) for c in dialog["controls"]]
                self.assertEqual(actual, [(i, k, t, hex(st), r) for i, k, t, st, r in controls])

    def test_application_title_string(self):
        language, block = self.resources[(RT_STRING, 57344 // 16 + 1)]
        self.assertEqual(language, KOREAN)
        length = struct.unpack_from("<H", block, 0)[0]  # 57344 is the first string of its block
        self.assertEqual(block[2:2 + 2 * length].decode("utf-16-le"), "베스페랄읽기")

    def string(self, ident):
        """One text of the string table: its block holds sixteen counted UTF-16 strings."""
        language, block = self.resources[(RT_STRING, ident // 16 + 1)]
        self.assertEqual(language, KOREAN)
        at = 0
        for _ in range(ident % 16):
            at += 2 + 2 * struct.unpack_from("<H", block, at)[0]
        length = struct.unpack_from("<H", block, at)[0]
        return block[at + 2:at + 2 + 2 * length].decode("utf-16-le")

    def test_texts_no_window_test_reads_are_loaded_as_written(self):
        # The tray menu is shown by the shell and the save dialog by the system, so only here are their
        # texts checked; the title is put into the first menu item by the resource compiler.
        expected = {
            300: "베스페랄읽기 열기(&O)",
            301: "말씀회 홈페이지 연결(&C)",
            302: "도움말(&H)",
            303: "프로그램 종료(&E)",
            326: "txt 파일 (*.txt)|*.txt|모든 파일 (*.*)|*.*|",
            327: " %s 개",
            356: "읽지 않은 날로(&U)",
            368: "일기를 백업할 폴더를 고르십시오.",
            369: "일기 백업 (*.mdb)|*.mdb|모든 파일 (*.*)|*.*|",
            381: "\n가장 최근의 백업은 %s 파일입니다. 트레이 메뉴의 설정 창에서 \"백업에서 되살리기...\"로 되살릴 수 있습니다.",
        }
        for ident, text in expected.items():
            self.assertEqual(self.string(ident), text, ident)

    def test_version_resource_carries_the_number_of_the_version_file(self):
        with open(VERSION_FILE, encoding="ascii") as f:
            major, minor, patch = (int(n) for n in f.readline().strip().split("."))
        language, block = self.resources[(RT_VERSION, 1)]
        fixed = block.index(struct.pack("<I", 0xFEEF04BD))
        file_ms, file_ls, product_ms, product_ls = struct.unpack_from("<IIII", block, fixed + 8)
        numbers = ((major << 16) | minor, patch << 16)
        self.assertEqual((file_ms, file_ls), numbers)
        self.assertEqual((product_ms, product_ls), numbers)
        text = f"{major}.{minor}.{patch}.0"
        self.assertEqual(version_string_value(block, "FileVersion"), text)
        self.assertEqual(version_string_value(block, "ProductVersion"), text)

    def test_manifest_asks_for_common_controls_6_per_monitor_scaling_and_windows_7_to_11(self):
        _, body = self.resources[(RT_MANIFEST, 1)]
        root = ElementTree.fromstring(body)
        v1, v3 = "{urn:schemas-microsoft-com:asm.v1}", "{urn:schemas-microsoft-com:asm.v3}"
        controls = [a.attrib for a in root.iter(v1 + "assemblyIdentity")
                    if a.get("name") == "Microsoft.Windows.Common-Controls"]
        self.assertEqual([(a["version"], a["publicKeyToken"]) for a in controls], [("6.0.0.0", "6595b64144ccf1df")])
        systems = {e.get("Id") for e in root.iter("{urn:schemas-microsoft-com:compatibility.v1}supportedOS")}
        self.assertEqual(systems, {"{35138b9a-5d96-4fbd-8e2d-a2440225f93a}", "{4a2f28e3-53b9-4441-ba9c-d69d4a4a6e38}",
                                   "{1f676c76-80e1-4239-95bb-83d0f6d0da78}", "{8e0f7a12-bfb3-4fe8-b9a5-48fd50a15a9a}"})
        settings = root.find(v3 + "application/" + v3 + "windowsSettings")
        values = {child.tag.split("}")[1]: child.text for child in settings}
        # No activeCodePage (every text call is wide already) and no longPathAware.
        self.assertEqual(values, {"dpiAware": "true/pm", "dpiAwareness": "PerMonitorV2"})

    def test_every_icon_id_has_32_bit_images_in_every_size_the_drawn_one_first(self):
        with open(RESOURCE_H, encoding="utf-8") as f:
            ids = {int(v) for v in re.findall(r"#define\s+IDI_\w+\s+(\d+)", f.read())}
        self.assertEqual(ids, {128, 148, 149, 150, 151, 156, 157, 158, 159, 160, 161, 163, 164, 165, 167, 169,
                               170, 171, 172, 173})
        for ident in sorted(ids):
            with self.subTest(ident):
                _, group = self.resources[(RT_GROUP_ICON, ident)]
                reserved, kind, count = struct.unpack_from("<HHH", group, 0)
                self.assertEqual((kind, count), (1, 7))
                sizes = []
                for i in range(count):
                    width, height, colours, _, planes, bits, size, image_id = struct.unpack_from(
                        "<BBBBHHIH", group, 6 + 14 * i)
                    self.assertEqual((height, colours, planes, bits), (width, 0, 1, 32))
                    _, image = self.resources[(RT_ICON, image_id)]
                    self.assertEqual(len(image), size)
                    self.assertEqual(struct.unpack_from("<iiiHH", image, 0), (40, width, 2 * width, 1, 32))
                    sizes.append(width)
                self.assertEqual(sizes, [32, 16, 20, 24, 40, 48, 64])

if __name__ == "__main__":
    unittest.main()
