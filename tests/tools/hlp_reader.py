"""An independent reader of Windows Help 3.1 files, for checking what helpcompile writes.

It follows the file the way a help viewer does: directory B+ tree, |SYSTEM records, the topic record chain
from the first record onwards (NextBlock pointers), |CONTEXT and |CTXOMAP. It knows only the uncompressed
form that helpcompile writes and fails loudly on anything else.
"""

import struct
from dataclasses import dataclass, field


class FormatError(Exception):
    pass


def u16(data, at):
    return struct.unpack_from("<H", data, at)[0]


def u32(data, at):
    return struct.unpack_from("<I", data, at)[0]


def i32(data, at):
    return struct.unpack_from("<i", data, at)[0]


def require(condition, what):
    if not condition:
        raise FormatError(what)


@dataclass
class TopicText:
    title: str
    offset: int
    browse_back: int
    browse_forward: int
    paragraphs: list = field(default_factory=list)  # shown text of each paragraph
    jumps: list = field(default_factory=list)  # (shown text, hash)


class Cursor:
    """Reads the compressed numbers of topic records."""

    def __init__(self, data, at):
        self.data, self.at = data, at

    def byte(self):
        self.at += 1
        return self.data[self.at - 1]

    def long(self):
        if self.data[self.at] & 1:
            value = (u32(self.data, self.at) - 0x80000000) >> 1
            self.at += 4
        else:
            value = (u16(self.data, self.at) - 0x8000) >> 1
            self.at += 2
        return value

    def ushort(self):
        if self.data[self.at] & 1:
            value = u16(self.data, self.at) >> 1
            self.at += 2
        else:
            value = self.data[self.at] >> 1
            self.at += 1
        return value

    def short(self):
        if self.data[self.at] & 1:
            value = (u16(self.data, self.at) - 0x8000) >> 1
            self.at += 2
        else:
            value = (self.data[self.at] - 0x80) >> 1
            self.at += 1
        return value


class HelpFile:
    def __init__(self, data):
        self.data = data
        require(u32(data, 0) == 0x00035F3F, "file magic")
        require(u32(data, 12) == len(data), "file size in the header")
        self.directory = dict(self.btree_leaves(self.internal_file_at(u32(data, 4)), self.directory_entry))
        self.files = {name: self.internal_file_at(place) for name, place in self.directory.items()}
        self.read_system()
        self.read_topics()
        self.context = dict(self.btree_leaves(self.files["|CONTEXT"], self.context_entry))
        ctxomap = self.files["|CTXOMAP"]
        self.context_map = {i32(ctxomap, 2 + 8 * n): u32(ctxomap, 6 + 8 * n) for n in range(u16(ctxomap, 0))}

    def internal_file_at(self, place):
        reserved, used = u32(self.data, place), u32(self.data, place + 4)
        require(reserved >= used + 9 and place + reserved <= len(self.data), "internal file sizes at %d" % place)
        return self.data[place + 9:place + 9 + used]

    # --- B+ trees: every leaf page, following the leaf chain from the first leaf ------------------------------

    @staticmethod
    def directory_entry(page, at):
        end = page.index(b"\0", at)
        return (page[at:end].decode("ascii"), i32(page, end + 1)), end + 5

    @staticmethod
    def context_entry(page, at):
        return (i32(page, at), u32(page, at + 4)), at + 8

    def btree_leaves(self, tree, read_entry):
        require(u16(tree, 0) == 0x293B, "B+ tree magic")
        page_size, root, levels = u16(tree, 4), u16(tree, 26), u16(tree, 32)
        pages = tree[38:]
        page = root
        for _ in range(levels - 1):  # down the first child of each index page
            page = u16(pages, page * page_size + 4)
        entries, previous_key = [], None
        while page != 0xFFFF:
            base = page * page_size
            leaf = pages[base:base + page_size]
            at = 8
            for _ in range(struct.unpack_from("<h", leaf, 2)[0]):
                entry, at = read_entry(leaf, at)
                require(previous_key is None or entry[0] > previous_key, "B+ tree keys out of order")
                previous_key = entry[0]
                entries.append(entry)
            page = u16(leaf, 6)
        require(len(entries) == i32(tree, 34), "B+ tree entry count")
        return entries

    # --- |SYSTEM ---------------------------------------------------------------------------------------------

    def read_system(self):
        system = self.files["|SYSTEM"]
        magic, minor, major = struct.unpack_from("<HHH", system, 0)
        require((magic, major) == (0x036C, 1) and minor > 16, "|SYSTEM header of a 3.1 file")
        require(u16(system, 10) == 0, "uncompressed topics")
        self.records = {}
        at = 12
        while at + 4 <= len(system):
            kind, size = u16(system, at), u16(system, at + 2)
            self.records[kind] = system[at + 4:at + 4 + size]
            at += 4 + size
        require(at == len(system), "|SYSTEM records fill the file")
        self.title = self.records[1].rstrip(b"\0").decode("cp949")
        self.contents_offset = u32(self.records[3], 0)
        self.charset = self.records[11][0]
        self.macros = [self.records[4].rstrip(b"\0").decode("ascii")] if 4 in self.records else []
        window = self.records[6]
        require(len(window) == 90, "window definition of 90 bytes")
        self.main_window = {"flags": u16(window, 0),
                            "type": window[2:12].split(b"\0")[0].decode("ascii"),
                            "name": window[12:21].split(b"\0")[0].decode("ascii"),
                            "caption": window[21:72].split(b"\0")[0].decode("cp949")}

    # --- |TOPIC ----------------------------------------------------------------------------------------------

    def read_topics(self):
        raw = self.files["|TOPIC"]
        require(len(raw) % 0x1000 == 0, "|TOPIC is whole 4 KB blocks")
        stream = b"".join(raw[b + 12:b + 0x1000] for b in range(0, len(raw), 0x1000))

        def place(position):
            block, offset = divmod(position - 12, 0x4000)
            require(offset < 0x1000 - 12, "record position inside a block")
            return block, block * (0x1000 - 12) + offset

        self.topics = []
        position, last_block, characters = 12, -1, 0
        while position != 0xFFFFFFFF:
            block, at = place(position)
            if block != last_block:
                last_block, characters = block, 0
            size, text_size, _, following, format_size, kind = struct.unpack_from("<iiIIiB", stream, at)
            require(size == format_size + text_size, "record size is its two parts")
            fmt = stream[at + 21:at + format_size]
            text = stream[at + format_size:at + size]
            if kind == 0x02:
                back, forward = struct.unpack_from("<II", fmt, 4)
                self.topics.append(TopicText(text.split(b"\0")[0].decode("cp949"), block * 0x8000 + characters,
                                             back, forward))
            elif kind == 0x20:
                require(self.topics, "display record before the first topic header")
                characters += self.read_paragraph(self.topics[-1], fmt, text)
            else:
                raise FormatError("record kind %#x" % kind)
            position = following

    @staticmethod
    def read_paragraph(topic, fmt, text):
        cursor = Cursor(fmt, 0)
        cursor.long()
        length = cursor.ushort()
        cursor.at += 4
        bits = u16(fmt, cursor.at)
        cursor.at += 2
        require(bits & ~0x0006 == 0, "paragraph attributes %#x" % bits)
        if bits & 0x0002:
            cursor.short()
        if bits & 0x0004:
            cursor.short()
        strings = text.split(b"\0")
        require(strings[-1] == b"", "texts end in NUL")
        shown, link = b"", None
        for string in strings[:-1]:
            shown += string
            if link is not None:
                topic.jumps.append((string.decode("cp949"), link))
                link = None
            command = cursor.byte()
            if command == 0x80:
                cursor.at += 2
            elif command == 0xE3:
                link = i32(fmt, cursor.at)
                cursor.at += 4
            elif command in (0x89, 0x82):
                pass
            else:
                raise FormatError("command %#x" % command)
        require(cursor.byte() == 0xFF and cursor.at == len(fmt), "paragraph ends with 0xFF")
        require(length == len(shown) + 1, "character count is the text and the paragraph end")
        topic.paragraphs.append(shown.decode("cp949"))
        return length

    def topic_at(self, offset):
        """The topic that a topic offset names, or None."""
        return next((t for t in self.topics if t.offset == offset), None)
