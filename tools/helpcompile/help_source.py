"""The help source: plain UTF-8 text read line by line into topics.

Lines (blanks are spaces and tabs; text is trimmed at both ends):
  empty, or only blanks            ignored
  first non-blank character '#'    a comment
  @title TEXT                      the help file's title (the viewer's caption); exactly one
  @contents NAME NUMBER            the topic opened first, and the context number that opens it; exactly one
  @topic NAME TITLE                starts a topic; NAME is letters, digits, '_' and '.', unique
  TEXT                             a paragraph of the current topic
  blank(s) then TEXT               continues the paragraph above after one blank
In a paragraph, [[NAME|TEXT]] shows TEXT as a jump to topic NAME.
Every text must be representable in code page 949, the encoding of the help file.
"""

import re
from dataclasses import dataclass, field

NAME_PATTERN = re.compile(r"[A-Za-z0-9_.]+\Z")
JUMP_PATTERN = re.compile(r"\[\[([^\]|]*)\|([^\]]*)\]\]")
BLANKS = " \t"
MAX_TITLE_BYTES = 50  # the viewer's window caption field


class SourceError(Exception):
    """A fault of the source, at a 1-based line."""

    def __init__(self, line, reason):
        super().__init__(reason)
        self.line = line
        self.reason = reason


@dataclass
class Jump:
    target: str
    text: str
    line: int


@dataclass
class Paragraph:
    runs: list = field(default_factory=list)  # str for plain text, Jump for a jump
    line: int = 0


@dataclass
class Topic:
    name: str
    title: str
    line: int
    paragraphs: list = field(default_factory=list)


@dataclass
class HelpSource:
    title: str
    contents: str
    contents_number: int
    topics: list

    def topic(self, name):
        return next(t for t in self.topics if t.name == name)


def check_cp949(text, line):
    try:
        text.encode("cp949")
    except UnicodeEncodeError as error:
        raise SourceError(line, "character %r is not in code page 949" % text[error.start]) from None


def check_name(name, line):
    if not NAME_PATTERN.match(name):
        raise SourceError(line, "bad topic name %r (letters, digits, '_' and '.' only)" % name)


def split_runs(text, line):
    """Cuts a paragraph's text into plain runs and jumps."""
    runs = []
    pos = 0
    for match in JUMP_PATTERN.finditer(text):
        if match.start() > pos:
            runs.append(text[pos:match.start()])
        target, shown = match.group(1).strip(), match.group(2).strip()
        check_name(target, line)
        if not shown:
            raise SourceError(line, "jump to %r without text" % target)
        runs.append(Jump(target, shown, line))
        pos = match.end()
    rest = text[pos:]
    if "[[" in rest or "]]" in rest:
        raise SourceError(line, "unfinished jump: write [[NAME|TEXT]]")
    if rest:
        runs.append(rest)
    return runs


class _Reader:
    def __init__(self):
        self.title = None
        self.contents = None  # (name, number, line)
        self.topics = []
        self.pending_text = None  # (text, line) of the paragraph being read

    def flush(self):
        if self.pending_text is None:
            return
        text, line = self.pending_text
        self.pending_text = None
        self.topics[-1].paragraphs.append(Paragraph(split_runs(text, line), line))

    def directive(self, text, number):
        word, _, rest = text.partition(" ")
        rest = rest.strip(BLANKS)
        if word == "@title":
            if self.title is not None:
                raise SourceError(number, "second @title")
            if not rest:
                raise SourceError(number, "@title without text")
            if len(rest.encode("cp949", "replace")) > MAX_TITLE_BYTES:
                raise SourceError(number, "title longer than %d bytes in code page 949" % MAX_TITLE_BYTES)
            self.title = rest
        elif word == "@contents":
            if self.contents is not None:
                raise SourceError(number, "second @contents")
            parts = rest.split()
            if len(parts) != 2 or not parts[1].isdigit() or not 0 < int(parts[1]) < 2**31:
                raise SourceError(number, "write @contents NAME NUMBER (NUMBER from 1 to 2147483647)")
            check_name(parts[0], number)
            self.contents = (parts[0], int(parts[1]), number)
        elif word == "@topic":
            name, _, title = rest.partition(" ")
            title = title.strip(BLANKS)
            check_name(name, number)
            if not title:
                raise SourceError(number, "topic %r without title" % name)
            if any(t.name.lower() == name.lower() for t in self.topics):
                raise SourceError(number, "topic %r given twice" % name)
            self.topics.append(Topic(name, title, number))
        else:
            raise SourceError(number, "unknown directive %r" % word)

    def line(self, raw, number):
        if any(ord(c) < 32 and c != "\t" for c in raw):
            raise SourceError(number, "control character in the text")
        text = raw.strip(BLANKS)
        if not text or text.startswith("#"):
            return
        check_cp949(text, number)
        continuation = raw[0] in BLANKS
        if continuation:
            if self.pending_text is None:
                raise SourceError(number, "continuation without a paragraph above")
            self.pending_text = (self.pending_text[0] + " " + text, self.pending_text[1])
            return
        self.flush()
        if text.startswith("@"):
            self.directive(text.replace("\t", " "), number)
        elif not self.topics:
            raise SourceError(number, "text before the first @topic")
        else:
            self.pending_text = (text, number)


def parse_help_source(data):
    """Reads the bytes of a help source; raises SourceError for the first fault."""
    if data.startswith(b"\xef\xbb\xbf"):
        data = data[3:]
    lines = data.split(b"\n")
    reader = _Reader()
    for index, raw in enumerate(lines):
        number = index + 1
        if raw.endswith(b"\r"):
            raw = raw[:-1]
        try:
            text = raw.decode("utf-8")
        except UnicodeDecodeError:
            raise SourceError(number, "bad UTF-8") from None
        reader.line(text, number)
    reader.flush()
    last = max(1, len(lines) - (1 if lines[-1] == b"" else 0))
    if reader.title is None:
        raise SourceError(last, "no @title line")
    if reader.contents is None:
        raise SourceError(last, "no @contents line: name the topic that context numbers open first")
    names = {t.name for t in reader.topics}
    name, contents_number, contents_line = reader.contents
    if name not in names:
        raise SourceError(contents_line, "unknown contents topic %r" % name)
    for topic in reader.topics:
        if not topic.paragraphs:
            raise SourceError(topic.line, "topic %r has no text" % topic.name)
        for paragraph in topic.paragraphs:
            for run in paragraph.runs:
                if isinstance(run, Jump) and run.target not in names:
                    raise SourceError(run.line, "jump to unknown topic %r" % run.target)
    return HelpSource(reader.title, name, contents_number, reader.topics)
