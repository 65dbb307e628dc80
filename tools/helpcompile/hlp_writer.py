"""Writes a Windows Help 3.1 file (.hlp) from a parsed help source.

The file is an internal file system: a 16-byte header, the internal files, and a directory of them kept as a
B+ tree. The internal files written here:
  |SYSTEM   version 3.1, uncompressed 4 KB topic blocks; records: title, contents topic, the browse buttons
            macro, the main window (its caption is the title), character set
  |FONT     two fonts (text, topic heading) in the Korean character set
  |TOPIC    per topic a topic header and one display record per paragraph, stored uncompressed; the topics
            form one browse sequence in source order
  |CONTEXT  B+ tree from the hash of each topic name to the topic (what jumps look up)
  |CTXOMAP  the context number of the contents topic (what HELP_CONTEXT looks up)
All numbers are little-endian. Texts are code page 949.
"""

import struct
import time

from help_source import Jump, SourceError

FILE_MAGIC = 0x00035F3F
BTREE_MAGIC = 0x293B
SYSTEM_MAGIC = 0x036C
HELP31_MINOR = 21
TOPIC_BLOCK = 0x1000
TOPIC_BLOCK_HEADER = 12
TOPIC_BLOCK_DATA = TOPIC_BLOCK - TOPIC_BLOCK_HEADER
HANGUL_CHARSET = 129
NO_POSITION = 0xFFFFFFFF

RECORD_TOPIC_HEADER = 0x02
RECORD_DISPLAY = 0x20
CMD_FONT = 0x80
CMD_PARAGRAPH_END = 0x82
CMD_JUMP = 0xE3
CMD_HOTSPOT_END = 0x89
CMD_END = 0xFF
TEXT_FONT, HEADING_FONT = 0, 1
PARAGRAPH_SPACE_AFTER = 0x0004
FACE_NAME_LENGTH = 20
MAX_CAPTION = 50
MAX_PARAGRAPH_CHARACTERS = 0x7FFF  # a record's character count is a compressed 15-bit number


def context_hash(name):
    """The hash by which jumps and |CONTEXT name a topic (letters count without case)."""
    value = 0
    for ch in name:
        if "A" <= ch.upper() <= "Z":
            digit = ord(ch.upper()) - ord("A") + 17
        elif "1" <= ch <= "9":
            digit = ord(ch) - ord("0")
        else:
            digit = {"0": 10, ".": 12, "_": 13}.get(ch, 0)
        if digit:
            value = (value * 43 + digit) & 0xFFFFFFFF
    return value - (1 << 32) if value & 0x80000000 else value


def cp949(text):
    return text.encode("cp949")


# --- compressed numbers of the topic records -------------------------------------------------------------

def compressed_long(value):
    if -0x4000 <= value < 0x4000:
        return struct.pack("<H", value * 2 + 0x8000)
    return struct.pack("<I", (value * 2 + 1 + 0x80000000) & 0xFFFFFFFF)


def compressed_ushort(value):
    if value < 0x80:
        return struct.pack("<B", value * 2)
    return struct.pack("<H", value * 2 + 1)


def compressed_short(value):
    if -0x40 <= value < 0x40:
        return struct.pack("<B", value * 2 + 0x80)
    return struct.pack("<H", value * 2 + 1 + 0x8000)


# --- B+ trees ---------------------------------------------------------------------------------------------

def btree(entries, page_size, flags, structure):
    """A B+ tree of one leaf page: header, then the page with the sorted entries (bytes each)."""
    body = b"".join(entries)
    if 8 + len(body) > page_size:
        raise ValueError("too many entries for one B+ tree page")
    free = page_size - 8 - len(body)
    page = struct.pack("<HhhH", free, len(entries), -1, 0xFFFF) + body + b"\0" * free
    header = struct.pack("<HHH16shhhhhhi", BTREE_MAGIC, flags, page_size, structure.encode("ascii"),
                         0, 0, 0, -1, 1, 1, len(entries))
    return header + page


# --- topic records ----------------------------------------------------------------------------------------

class Paragraph:
    """One display record: commands, each followed by the text shown after it."""

    def __init__(self, font):
        self.parts = [[bytes([CMD_FONT]) + struct.pack("<H", font), b""]]

    def add_text(self, text):
        self.parts[-1][1] += text

    def add_jump(self, target, text):
        self.parts.append([bytes([CMD_JUMP]) + struct.pack("<i", context_hash(target)), text])
        self.parts.append([bytes([CMD_HOTSPOT_END]), b""])

    def character_count(self):
        """Shown characters, in which topic offsets count: the text bytes and the paragraph end."""
        return sum(len(text) for _, text in self.parts) + 1

    def record_data(self):
        """(format bytes, text bytes, character count) of the record."""
        texts = [b""] + [text for _, text in self.parts]
        commands = [command for command, _ in self.parts] + [bytes([CMD_PARAGRAPH_END, CMD_END])]
        # Every text ends in a NUL, the last one too: the viewer reads each with strlen.
        text = b"".join(t + b"\0" for t in texts)
        count = self.character_count()
        fmt = (compressed_long(len(text)) + compressed_ushort(count) + b"\x00\x80\x00\x00"
               + struct.pack("<H", PARAGRAPH_SPACE_AFTER) + compressed_short(12) + b"".join(commands))
        return fmt, text, count


def heading_paragraph(title):
    paragraph = Paragraph(HEADING_FONT)
    paragraph.add_text(cp949(title))
    return paragraph


def body_paragraph(source_paragraph):
    paragraph = Paragraph(TEXT_FONT)
    for run in source_paragraph.runs:
        if isinstance(run, Jump):
            paragraph.add_jump(run.target, cp949(run.text))
        else:
            paragraph.add_text(cp949(run))
    return paragraph


class TopicStream:
    """Topic records laid out one after another; positions are kept as stream offsets until the end."""

    def __init__(self):
        self.records = []  # dicts: kind, start, fmt, text, count, topic
        self.size = 0

    def add(self, kind, fmt, text, count=0, topic=None):
        self.records.append(dict(kind=kind, start=self.size, fmt=fmt, text=text, count=count, topic=topic))
        self.size += 21 + len(fmt) + len(text)


def topic_position(offset):
    """TOPICPOS of a stream offset: block number in the high bits, place behind the block header below."""
    block, rest = divmod(offset, TOPIC_BLOCK_DATA)
    return block * 0x4000 + TOPIC_BLOCK_HEADER + rest


def build_topic_file(source):
    """Returns (|TOPIC bytes, {topic name: topic offset})."""
    stream = TopicStream()
    for number, topic in enumerate(source.topics):
        stream.add(RECORD_TOPIC_HEADER, bytes(28), cp949(topic.title), topic=(number, topic))
        lines = [topic.line] + [p.line for p in topic.paragraphs]
        paragraphs = [heading_paragraph(topic.title)] + [body_paragraph(p) for p in topic.paragraphs]
        for line, paragraph in zip(lines, paragraphs):
            if paragraph.character_count() > MAX_PARAGRAPH_CHARACTERS:
                raise SourceError(line, "paragraph longer than %d bytes" % MAX_PARAGRAPH_CHARACTERS)
            fmt, text, count = paragraph.record_data()
            stream.add(RECORD_DISPLAY, fmt, text, count)

    # Topic offsets: block number * 0x8000 plus the characters of the display records that began
    # earlier in the same block.
    offsets = {}
    block, characters = -1, 0
    for record in stream.records:
        record_block = record["start"] // TOPIC_BLOCK_DATA
        if record_block != block:
            block, characters = record_block, 0
        record["offset"] = block * 0x8000 + characters
        characters += record["count"]
        if record["topic"]:
            offsets[record["topic"][1].name] = record["offset"]

    headers = [r for r in stream.records if r["kind"] == RECORD_TOPIC_HEADER]
    data = bytearray()
    for index, record in enumerate(stream.records):
        previous = topic_position(stream.records[index - 1]["start"]) if index else NO_POSITION
        following = (topic_position(stream.records[index + 1]["start"])
                     if index + 1 < len(stream.records) else NO_POSITION)
        if record["kind"] == RECORD_TOPIC_HEADER:
            number, topic = record["topic"]
            later = [h for h in headers if h["start"] > record["start"]]
            end = later[0]["start"] if later else stream.size
            # The browse sequence is the order of the source: the << and >> buttons step through it.
            names = [t.name for t in source.topics]
            back = offsets[names[number - 1]] if number > 0 else NO_POSITION
            forward = offsets[names[number + 1]] if number + 1 < len(names) else NO_POSITION
            record["fmt"] = struct.pack("<iIIiIII", end - record["start"], back, forward, number,
                                        NO_POSITION, following, topic_position(later[0]["start"])
                                        if later else NO_POSITION)
        fmt, text = record["fmt"], record["text"]
        data += struct.pack("<iiIIiB", 21 + len(fmt) + len(text), len(text), previous, following,
                            21 + len(fmt), record["kind"])
        data += fmt + text
    return with_block_headers(bytes(data), stream.records), offsets


def with_block_headers(data, records):
    """Cuts the record stream into 4 KB blocks, each with the header that points into the records."""
    blocks = max(1, -(-len(data) // TOPIC_BLOCK_DATA))
    out = bytearray()
    for block in range(blocks):
        begin = block * TOPIC_BLOCK_DATA
        before = [r for r in records if r["start"] < begin]
        inside = [r for r in records if begin <= r["start"] < begin + TOPIC_BLOCK_DATA]
        headers_before = [r for r in before if r["kind"] == RECORD_TOPIC_HEADER]
        out += struct.pack("<III",
                           topic_position(before[-1]["start"]) if before else NO_POSITION,
                           topic_position(inside[0]["start"]) if inside else NO_POSITION,
                           topic_position(headers_before[-1]["start"]) if headers_before else NO_POSITION)
        chunk = data[begin:begin + TOPIC_BLOCK_DATA]
        out += chunk + b"\0" * (TOPIC_BLOCK_DATA - len(chunk))
    return bytes(out)


# --- the other internal files -----------------------------------------------------------------------------

def build_system_file(source, contents_offset, when):
    def record(kind, payload):
        return struct.pack("<HH", kind, len(payload)) + payload

    header = struct.pack("<HHHIH", SYSTEM_MAGIC, HELP31_MINOR, 1, when, 0)
    return (header + record(1, cp949(source.title) + b"\0") + record(3, struct.pack("<I", contents_offset))
            + record(4, b"BrowseButtons()\0") + record(6, main_window(source.title))
            + record(11, bytes([HANGUL_CHARSET])))


def main_window(title):
    """The main window's definition: its caption is the help title (type, name and caption given)."""
    caption = cp949(title)
    if len(caption) > MAX_CAPTION:
        raise ValueError("help title longer than %d bytes" % MAX_CAPTION)
    return (struct.pack("<H10s9s51s", 0x0007, b"primary", b"main", caption)
            + struct.pack("<hhhhH", 0, 0, 0, 0, 0) + struct.pack("<II", 0xFFFFFF, 0xFFFFFF))


def build_font_file():
    face = b"Gulim".ljust(FACE_NAME_LENGTH, b"\0")
    descriptors = [
        # attributes (1 bold), half points, family (3 swiss), face number, text colour, background colour
        struct.pack("<BBBH3s3s", 0, 20, 3, 0, b"\0\0\0", b"\xff\xff\xff"),
        struct.pack("<BBBH3s3s", 1, 28, 3, 0, b"\0\0\x80", b"\xff\xff\xff"),
    ]
    header = struct.pack("<HHHH", 1, len(descriptors), 8, 8 + len(face))
    return header + face + b"".join(descriptors)


def build_context_file(source, offsets):
    hashes = {}
    for topic in source.topics:
        value = context_hash(topic.name)
        if value in hashes:
            raise SourceError(topic.line, "topic name %r has the same hash as %r" % (topic.name, hashes[value]))
        hashes[value] = topic.name
    entries = [struct.pack("<iI", value, offsets[name]) for value, name in sorted(hashes.items())]
    return btree(entries, 0x800, 0x0002, "L4")


def build_map_file(source, offsets):
    return struct.pack("<HiI", 1, source.contents_number, offsets[source.contents])


# --- the internal file system -----------------------------------------------------------------------------

def internal_file(payload):
    return struct.pack("<IIB", len(payload) + 9, len(payload), 4) + payload


def build_help_file(source, when=None):
    """The bytes of the .hlp file for a parsed HelpSource."""
    topic, offsets = build_topic_file(source)
    files = {
        "|SYSTEM": build_system_file(source, offsets[source.contents], int(time.time() if when is None else when)),
        "|FONT": build_font_file(),
        "|TOPIC": topic,
        "|CONTEXT": build_context_file(source, offsets),
        "|CTXOMAP": build_map_file(source, offsets),
    }
    body = bytearray()
    places = {}
    position = 16
    for name in sorted(files):
        places[name] = position
        chunk = internal_file(files[name])
        body += chunk
        position += len(chunk)
    directory_entries = [name.encode("ascii") + b"\0" + struct.pack("<i", places[name]) for name in sorted(places)]
    directory = internal_file(btree(directory_entries, 0x400, 0x0402, "z4"))
    total = position + len(directory)
    return struct.pack("<IIiI", FILE_MAGIC, position, -1, total) + bytes(body) + directory
