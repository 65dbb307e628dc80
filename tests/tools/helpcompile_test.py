#!/usr/bin/env python3
"""Checks of helpcompile: the help file it writes is read back with an independent reader, the HTML page
holds the same topics with working links, and faulty sources are refused with FILE:LINE and a reason."""

import os
import subprocess
import sys
import tempfile
import unittest
from html.parser import HTMLParser

sys.dont_write_bytecode = True  # keep the source tree free of __pycache__
HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(os.path.dirname(HERE))
TOOL_DIR = os.path.join(ROOT, "tools", "helpcompile")
sys.path[:0] = [HERE, TOOL_DIR]

from hlp_reader import HelpFile  # noqa: E402
from help_source import parse_help_source  # noqa: E402
from hlp_writer import build_help_file, context_hash  # noqa: E402
from html_writer import build_help_page  # noqa: E402

HELP_SOURCE = os.path.join(ROOT, "help", "psaltery.txt")
TOOL = os.path.join(TOOL_DIR, "helpcompile.py")
CONTENTS_NUMBER = 98393


def compile_text(text):
    return HelpFile(build_help_file(parse_help_source(text.encode("utf-8")), when=0))


def run_tool(source_bytes, existing_output=None):
    """Runs the command line tool; returns (exit code, stderr, (help file, page) bytes or None each, source path,
    other files left in the folder)."""
    with tempfile.TemporaryDirectory() as folder:
        source = os.path.join(folder, "help.txt")
        output = os.path.join(folder, "out.hlp")
        with open(source, "wb") as stream:
            stream.write(source_bytes)
        if existing_output is not None:
            with open(output, "wb") as stream:
                stream.write(existing_output)
        done = subprocess.run([sys.executable, TOOL, source, output], capture_output=True, text=True)
        data = None
        if os.path.exists(output):
            with open(output, "rb") as stream:
                data = stream.read()
        page = None
        if os.path.exists(os.path.join(folder, "out.html")):
            with open(os.path.join(folder, "out.html"), "rb") as stream:
                page = stream.read()
        leftovers = sorted(set(os.listdir(folder)) - {"help.txt", "out.hlp", "out.html"})
        return done.returncode, done.stderr, (data, page), source, leftovers


class ProgramHelpFile(unittest.TestCase):
    """The help file of the program, made from help/psaltery.txt."""

    @classmethod
    def setUpClass(cls):
        with open(HELP_SOURCE, "rb") as stream:
            cls.help = HelpFile(build_help_file(parse_help_source(stream.read()), when=0))

    def test_directory_holds_the_internal_files(self):
        self.assertEqual(["|CONTEXT", "|CTXOMAP", "|FONT", "|SYSTEM", "|TOPIC"], sorted(self.help.directory))

    def test_system_title_charset_and_contents(self):
        self.assertEqual("베스페랄읽기 도움말", self.help.title)
        self.assertEqual(129, self.help.charset)
        self.assertEqual("베스페랄읽기 도움말", self.help.topic_at(self.help.contents_offset).title)

    def test_main_window_is_captioned_with_the_title_and_has_browse_buttons(self):
        expected = {"flags": 0x0007, "type": "primary", "name": "main", "caption": "베스페랄읽기 도움말"}
        self.assertEqual(expected, self.help.main_window)
        self.assertEqual(["BrowseButtons()"], self.help.macros)

    def test_browse_sequence_runs_through_the_topics_in_source_order(self):
        topics = self.help.topics
        forward = [topics[0].title]
        topic = topics[0]
        while topic.browse_forward != 0xFFFFFFFF:
            following = self.help.topic_at(topic.browse_forward)
            self.assertIs(topic, self.help.topic_at(following.browse_back))
            forward.append(following.title)
            topic = following
        self.assertEqual([t.title for t in topics], forward)
        self.assertEqual(0xFFFFFFFF, topics[0].browse_back)

    def test_context_number_opens_the_contents_topic(self):
        self.assertEqual([CONTENTS_NUMBER], list(self.help.context_map))
        topic = self.help.topic_at(self.help.context_map[CONTENTS_NUMBER])
        self.assertIsNotNone(topic)
        self.assertIs(topic, self.help.topics[0])

    def test_each_topic_shows_its_title_and_text(self):
        cases = [
            ("베스페랄읽기 도움말", "F1 키를 누르면 이 도움말이 열립니다."),
            ("말씀 읽기 창", "Page Down 키는 한 쪽 아래로"),
            ("텍스트 크기", "Ctrl+0 키: 처음 크기인 9포인트로 돌아갑니다."),
            ("읽음 표시", "Space 키나 Enter 키로도 표시하고"),
            ("읽은 날 세기", "올해 N일 읽음 · 연속 N일"),
            ("읽지 않은 날로", "올해 오늘까지 읽을 날은 모두 읽음으로 표시되어 있습니다."),
            ("키보드와 화면 읽기 프로그램", "Alt+N은 다음 날"),
            ("경건 일기장", "고친 내용은 날짜를 바꿀 때 저장됩니다."),
            ("일기 찾기", "찾을 대상(제목, 묵상, 기도)"),
            ("파일로 저장", "현재 날짜만 저장할지, 모든 날짜를 저장할지"),
            ("트레이 아이콘과 메뉴", "프로그램 종료: 트레이 아이콘을 없애고"),
            ("오늘의 말씀 알림", "알림 풍선을 누르면 말씀 읽기 창이 오늘 날짜로 열립니다."),
            ("설정", "정한 시각에 오늘의 말씀 알림 보이기"),
            ("알림 아이콘 보이기", "작업 표시줄로 끌어 놓으면 아이콘이 늘 보입니다."),
            ("화면 배율과 고대비", "고대비 테마를 켜면 말씀 쪽이 고대비 테마의 색"),
            ("트레이에서 시작하기", "Vesperal.exe smode"),
            ("파일이 있는 곳", "Vesperal.ini 파일입니다."),
            ("일기 백업과 되살리기", "가장 최근의 백업은 아무리 오래되어도 지우지 않습니다."),
            ("읽기표와 성경 본문", "베스페랄읽기의 새 판을 받아 설치하십시오."),
        ]
        self.assertEqual([title for title, _ in cases], [t.title for t in self.help.topics])
        for (title, phrase), topic in zip(cases, self.help.topics):
            with self.subTest(topic=title):
                self.assertEqual(title, topic.paragraphs[0], "the heading paragraph")
                self.assertTrue(any(phrase in p for p in topic.paragraphs[1:]), phrase)

    def test_plan_topic_tells_a_windows_user_where_plans_come_from(self):
        plan = next(t for t in self.help.topics if t.title == "읽기표와 성경 본문")
        text = " ".join(plan.paragraphs)
        for phrase in ("설치 프로그램이 프로그램 폴더에 넣어", "BibleText.txt", "베스페랄본문 파일을 열 수 없습니다.",
                       "새 판을 받아 설치하십시오.", "손수 넣거나 고친 읽기표는 바꾸지 않고"):
            with self.subTest(phrase=phrase):
                self.assertIn(phrase, text)
        # Plans are made on Linux by plan makers; no topic sends a Windows user to that tool.
        for topic in self.help.topics:
            with self.subTest(topic=topic.title):
                self.assertFalse(any("plancompile" in p for p in topic.paragraphs))

    def test_jumps_lead_to_their_topics(self):
        cases = [
            ("말씀 읽기 창", "말씀 읽기 창"),
            ("읽음 표시", "읽음 표시"),
            ("읽은 날 세기", "읽은 날 세기"),
            ("읽지 않은 날로", "읽지 않은 날로"),
            ("경건 일기장", "경건 일기장"),
            ("일기 찾기", "일기 찾기"),
            ("파일로 저장", "파일로 저장"),
            ("트레이 아이콘과 메뉴", "트레이 아이콘과 메뉴"),
            ("오늘의 말씀 알림", "오늘의 말씀 알림"),
            ("설정", "설정"),
            ("트레이에서 시작하기", "트레이에서 시작하기"),
            ("파일이 있는 곳", "파일이 있는 곳"),
            ("읽기표와 성경 본문", "읽기표와 성경 본문"),
        ]
        jumps = dict(self.help.topics[0].jumps)
        for shown, target_title in cases:
            with self.subTest(jump=shown):
                self.assertEqual(target_title, self.help.topic_at(self.help.context[jumps[shown]]).title)
        for topic in self.help.topics:
            for shown, value in topic.jumps:
                with self.subTest(topic=topic.title, jump=shown):
                    self.assertIsNotNone(self.help.topic_at(self.help.context.get(value, -1)))


class PageReader(HTMLParser):
    """Reads the help page back: its sections (id, heading, paragraphs' text, links) and its head."""

    def __init__(self, data):
        super().__init__(convert_charrefs=True)
        self.sections, self.charset, self.title = [], None, ""
        self._in, self._text, self._link = None, "", None
        self.feed(data.decode("utf-8"))  # strict: a page that is not UTF-8 fails here

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and "charset" in attrs:
            self.charset = attrs["charset"]
        elif tag == "section":
            self.sections.append({"id": attrs.get("id"), "paragraphs": [], "links": []})
        elif tag in ("title", "h1", "h2", "p"):
            self._in, self._text = tag, ""
        elif tag == "a":
            self._link = [attrs.get("href"), ""]

    def handle_endtag(self, tag):
        if tag == "a" and self._link:
            self.sections[-1]["links"].append(tuple(self._link))
            self._link = None
        elif tag == self._in:
            if tag == "title":
                self.title = self._text
            else:
                self.sections[-1]["paragraphs"].append(self._text)
            self._in = None

    def handle_data(self, data):
        if self._in:
            self._text += data
        if self._link:
            self._link[1] += data


class ProgramHelpPage(unittest.TestCase):
    """The page made from help/psaltery.txt, checked against the help file of the same source."""

    @classmethod
    def setUpClass(cls):
        with open(HELP_SOURCE, "rb") as stream:
            source = parse_help_source(stream.read())
        cls.help = HelpFile(build_help_file(source, when=0))
        cls.page = PageReader(build_help_page(source))
        cls.by_id = {s["id"]: s for s in cls.page.sections}

    def test_head_names_utf8_and_the_title(self):
        self.assertEqual(("utf-8", "베스페랄읽기 도움말"), (self.page.charset, self.page.title))

    def test_contents_opens_the_page_and_every_topic_has_its_anchor(self):
        hlp_titles = [t.title for t in self.help.topics]
        page_titles = [s["paragraphs"][0] for s in self.page.sections]
        self.assertEqual("contents", self.page.sections[0]["id"])
        self.assertEqual(self.help.topic_at(self.help.context_map[CONTENTS_NUMBER]).title, page_titles[0])
        self.assertEqual(sorted(hlp_titles), sorted(page_titles))
        self.assertEqual(len(self.page.sections), len(self.by_id), "anchors are unique")
        for section in self.page.sections:
            with self.subTest(anchor=section["id"]):
                # The anchor is the name the help file's jumps use for the topic.
                self.assertEqual(section["paragraphs"][0],
                                 self.help.topic_at(self.help.context[context_hash(section["id"])]).title)

    def test_each_topic_has_the_same_text_as_in_the_help_file(self):
        sections = {s["paragraphs"][0]: s for s in self.page.sections}
        for topic in self.help.topics:
            with self.subTest(topic=topic.title):
                self.assertEqual(topic.paragraphs, sections[topic.title]["paragraphs"])

    def test_every_link_leads_where_the_help_files_jump_does(self):
        sections = {s["paragraphs"][0]: s for s in self.page.sections}
        count = 0
        for topic in self.help.topics:
            links = sections[topic.title]["links"]
            expected = [(shown, self.help.topic_at(self.help.context[value]).title) for shown, value in topic.jumps]
            with self.subTest(topic=topic.title):
                self.assertTrue(all(href.startswith("#") and href[1:] in self.by_id for href, _ in links), links)
                self.assertEqual(expected, [(shown, self.by_id[href[1:]]["paragraphs"][0]) for href, shown in links])
            count += len(links)
        self.assertGreaterEqual(count, 8, "the contents topic alone links to eight topics")


class PageText(unittest.TestCase):
    def test_text_that_looks_like_markup_stays_text(self):
        cases = [
            ("angle brackets", "a <b>굵게</b> c"),
            ("ampersand", "A & B &amp; C"),
            ("quotes", "\"인용\" 'x'"),
        ]
        for name, text in cases:
            with self.subTest(name):
                source = "@title T <&>\n@contents a 1\n@topic a 제목 <i>\n" + text + " [[a|<처음>]]\n"
                page = PageReader(build_help_page(parse_help_source(source.encode("utf-8"))))
                self.assertEqual("T <&>", page.title)
                self.assertEqual(["제목 <i>", text + " <처음>"], page.sections[0]["paragraphs"])
                self.assertEqual([("#a", "<처음>")], page.sections[0]["links"])


class LayoutOverBlocks(unittest.TestCase):
    """Topic offsets stay right when the topics fill several 4 KB blocks."""

    def test_every_topic_is_found_by_name_and_by_number(self):
        names = ["t%d" % n for n in range(12)]
        lines = ["@title 큰 도움말", "@contents t7 4242"]
        for number, name in enumerate(names):
            lines.append("@topic %s 주제 %d" % (name, number))
            lines += ["문단 %d-%d 가나다라마바사아자차카타파하 " % (number, k) * 8 for k in range(6)]
            lines.append("[[%s|다음]]" % names[(number + 1) % len(names)])
        help_file = compile_text("\n".join(lines) + "\n")
        self.assertGreater(len(help_file.files["|TOPIC"]), 3 * 0x1000, "the case must span blocks")
        self.assertEqual(len(names), len(help_file.topics))
        for number, name in enumerate(names):
            with self.subTest(topic=name):
                topic = help_file.topic_at(help_file.context[context_hash(name)])
                self.assertEqual("주제 %d" % number, topic.title)
                self.assertEqual(7, len(topic.paragraphs) - 1)
                self.assertEqual([("다음", context_hash(names[(number + 1) % len(names)]))], topic.jumps)
        self.assertEqual("주제 7", help_file.topic_at(help_file.context_map[4242]).title)


class SourceForms(unittest.TestCase):
    def test_lines_become_paragraphs(self):
        cases = [
            ("continuation joins with one blank", "가나\n   다라\n", ["가나 다라"]),
            ("comments and empty lines between", "가\n\n# 설명\n나\n", ["가", "나"]),
            ("CR LF line ends", "가\r\n  나\r\n", ["가 나"]),
            ("jump inside text", "앞 [[b|가기]] 뒤\n", ["앞 가기 뒤"]),
            ("blanks inside kept", "가  나\t다\n", ["가  나\t다"]),
        ]
        for name, body, paragraphs in cases:
            with self.subTest(name):
                text = "@title T\n@contents a 1\n@topic a 가\n" + body + "@topic b 나\n끝\n"
                self.assertEqual(paragraphs, compile_text(text).topics[0].paragraphs[1:])

    def test_byte_order_mark_is_skipped(self):
        data = b"\xef\xbb\xbf@title T\n@contents a 5\n@topic a A\nx\n"
        self.assertEqual("T", HelpFile(build_help_file(parse_help_source(data), when=0)).title)


class Refusals(unittest.TestCase):
    """A faulty source stops the tool with FILE:LINE: reason, exit code 1, and no output."""

    HEAD = "@title T\n@contents a 98393\n@topic a 처음\n"

    def test_faults_are_reported_at_their_line(self):
        cases = [
            ("unknown jump target", self.HEAD + "글\n[[nowhere|가기]]\n", 5, "jump to unknown topic 'nowhere'"),
            ("no contents line", "@title T\n@topic a 처음\n글\n", 3, "no @contents line"),
            ("contents names no topic", "@title T\n@contents z 98393\n@topic a 처음\n글\n", 2,
             "unknown contents topic 'z'"),
            ("no title line", "@contents a 1\n@topic a 처음\n글\n", 3, "no @title line"),
            ("second title", self.HEAD + "@title U\n", 4, "second @title"),
            ("contents number missing", "@title T\n@contents a\n", 2, "write @contents NAME NUMBER"),
            ("title too long", "@title " + "가" * 26 + "\n", 1, "title longer than 50 bytes"),
            ("topic given twice", self.HEAD + "글\n@topic A 또\n글\n", 5, "topic 'A' given twice"),
            ("topic without title", self.HEAD + "글\n@topic b\n", 5, "topic 'b' without title"),
            ("topic without text", self.HEAD + "@topic b 둘\n글\n", 3, "topic 'a' has no text"),
            ("bad topic name", self.HEAD + "글\n@topic 가 둘\n", 5, "bad topic name"),
            ("text before any topic", "@title T\n글\n", 2, "text before the first @topic"),
            ("continuation first", self.HEAD + "  글\n", 4, "continuation without a paragraph above"),
            ("unfinished jump", self.HEAD + "[[a|글\n", 4, "unfinished jump"),
            ("jump without text", self.HEAD + "[[a|]]\n", 4, "jump to 'a' without text"),
            ("unknown directive", self.HEAD + "@picture x\n", 4, "unknown directive '@picture'"),
            ("not in code page 949", self.HEAD + "글 \U0001F600\n", 4, "is not in code page 949"),
            ("control character", self.HEAD + "글\x07\n", 4, "control character"),
            ("paragraph too long", self.HEAD + "글\n" + "가" * 17000 + "\n", 5, "paragraph longer than 32767"),
        ]
        for name, text, line, reason in cases:
            with self.subTest(name):
                code, stderr, data, source, leftovers = run_tool(text.encode("utf-8"))
                self.assertEqual(1, code)
                self.assertTrue(stderr.startswith("%s:%d: " % (source, line)), stderr)
                self.assertIn(reason, stderr)
                self.assertEqual((None, None), data)
                self.assertEqual([], leftovers)

    def test_bad_utf8_is_refused(self):
        code, stderr, data, source, _ = run_tool(self.HEAD.encode("utf-8") + b"\xc3\x28\n")
        self.assertEqual((1, (None, None)), (code, data))
        self.assertIn("%s:4: bad UTF-8" % source, stderr)

    def test_existing_output_is_left_as_it_was(self):
        code, _, data, _, _ = run_tool(b"@title T\n", existing_output=b"old help")
        self.assertEqual((1, b"old help", None), (code, data[0], data[1]))

    def test_output_that_is_no_regular_file_is_refused(self):
        with tempfile.TemporaryDirectory() as folder:
            source = os.path.join(folder, "help.txt")
            with open(source, "wb") as stream:
                stream.write((self.HEAD + "글\n").encode("utf-8"))
            done = subprocess.run([sys.executable, TOOL, source, folder], capture_output=True, text=True)
            self.assertEqual(1, done.returncode)
            self.assertIn("is not a regular file", done.stderr)
            self.assertTrue(os.path.isdir(folder))
            self.assertEqual(["help.txt"], os.listdir(folder))

    def test_good_source_writes_the_file(self):
        code, stderr, data, _, leftovers = run_tool((self.HEAD + "글\n").encode("utf-8"))
        self.assertEqual((0, "", []), (code, stderr, leftovers))
        self.assertEqual(["처음", "글"], HelpFile(data[0]).topics[0].paragraphs)
        self.assertEqual(["처음", "글"], PageReader(data[1]).sections[0]["paragraphs"], "the page beside it")


if __name__ == "__main__":
    unittest.main()
