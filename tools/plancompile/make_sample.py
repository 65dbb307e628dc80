#!/usr/bin/env python3
"""Writes samples/sample-plan.txt, the team's sample reading plan, from a bank of phrases written for it.

The verses are original devotional sentences put together from the phrases below; they are no translation
of any scripture. The output is the same on every run (a fixed pseudo-random sequence).

    python3 tools/plancompile/make_sample.py [OUT]
"""
import calendar
import os
import sys

OPENERS = [
    "이른 아침에", "하루를 시작하며", "고요한 저녁에", "바쁜 길 위에서도", "눈물의 자리에서",
    "작은 창가에 앉아", "먼 길을 걸은 뒤에", "바람이 부는 날에도", "새벽 별이 지기 전에", "일터로 나서기 전에",
    "식탁에 둘러앉아", "잠들기 전 조용히", "비가 내리는 오후에", "들판을 바라보며", "오래 기다린 끝에",
    "낯선 곳에 머물 때에도", "친구의 손을 잡고", "지친 마음을 안고", "햇살이 비치는 마당에서", "겨울 나무 아래에서",
    "강가를 거닐며", "등불을 켜 놓고", "문을 닫고 홀로", "아이의 웃음 곁에서", "병상 곁을 지키며",
    "추수를 마친 밭에서", "눈 덮인 언덕에서", "시장 한복판에서도", "산길을 오르며", "배를 띄우기 전에",
]
SUBJECTS = [
    "우리는", "나그네 된 이는", "마음이 가난한 이는", "기도하는 사람은", "작은 자들은", "온 집안이",
    "목마른 영혼은", "길을 잃은 양은", "정직한 사람은", "어린아이들은", "늙은 어부는", "씨를 뿌리는 이는",
    "성문을 지키는 이는", "노래하는 무리는", "과부와 고아는", "먼 데서 온 손님은", "목자는", "제자들은",
    "지혜로운 이는", "슬퍼하는 이는", "온 마을이", "젊은 일꾼은", "나의 영혼아, 너는", "모든 백성은",
]
OBJECTS = [
    "변함없는 사랑을", "감추어진 은혜를", "오래된 약속을", "새로운 노래를", "잃었던 평안을", "작은 빛을",
    "용서의 말을", "한 줌의 양식을", "맑은 샘물을", "감사의 제목을", "선한 길을", "참된 안식을",
    "이웃의 아픔을", "부르심의 뜻을", "겸손한 마음을", "소망의 이유를", "진실한 고백을", "넉넉한 자비를",
    "지난날의 은총을", "내일의 걸음을", "깨끗한 손을", "온유한 말씨를", "기다림의 열매를", "생명의 말씀을",
]
PREDICATES = [
    "기억하며 고백합니다.", "조용히 되새깁니다.", "다시 붙듭니다.", "이웃과 나눕니다.", "마음에 새깁니다.",
    "기쁨으로 노래합니다.", "두 손 모아 구합니다.", "천천히 배워 갑니다.", "날마다 찾습니다.",
    "잊지 않겠다고 다짐합니다.", "감사함으로 받습니다.", "부끄러움 없이 전합니다.", "깊이 묵상합니다.",
    "품에 안고 걸어갑니다.", "눈물로 심습니다.", "등불처럼 지킵니다.", "온 힘을 다해 따릅니다.",
    "가만히 기다립니다.", "서로에게 일러 줍니다.", "아이들에게 들려줍니다.",
]
LINKS = ["그리하여", "그러므로", "또한", "그때에", "보라,", "이제", "그러나", "마침내"]

MONTH_TITLES = [
    "새 마음으로 여는 달", "기다림 속에 자라는 믿음", "새싹처럼 돋는 소망", "십자가 아래 머무는 봄",
    "가정을 돌아보는 계절", "감사로 채우는 초여름", "쉼과 회복의 여름", "바다처럼 넓은 은혜",
    "열매를 준비하는 가을", "추수의 기쁨", "돌아봄과 감사", "기다림과 빛의 달",
]

# Book names and chapter counts for the range texts only; the verses themselves are not from these books.
BOOKS = [
    ("창세기", 50), ("출애굽기", 40), ("여호수아", 24), ("룻기", 4), ("사무엘상", 31), ("시편", 150),
    ("잠언", 31), ("전도서", 12), ("이사야", 66), ("예레미야", 52), ("요나", 4), ("마태복음", 28),
    ("마가복음", 16), ("누가복음", 24), ("요한복음", 21), ("사도행전", 28), ("로마서", 16), ("갈라디아서", 6),
    ("에베소서", 6), ("빌립보서", 4), ("야고보서", 5), ("베드로전서", 5), ("요한일서", 5), ("요한계시록", 22),
]

# One day of every month has no passage, so the program's "no passage" page can be seen.
DAYS_WITHOUT_PASSAGE = {1: 17, 2: 11, 3: 23, 4: 9, 5: 30, 6: 14, 7: 4, 8: 27, 9: 19, 10: 6, 11: 25, 12: 21}

HEADER = """\
# SAMPLE reading plan, written by the 베스페랄읽기 team for trying out the program.
# 표본(SAMPLE) 읽기 계획: 개발팀이 시험용으로 지어 쓴 글이며, 어떤 성경 번역본의 본문도 아닙니다.
# The verse texts are original sentences made by tools/plancompile/make_sample.py from its own phrases;
# the range texts only borrow book names to look like a plan. Edit the generator, not this file.
# Format: README.md, "Reading-plan sources"
"""


class Random:
    """A small linear congruential generator, so the output does not depend on Python's random module."""

    def __init__(self, seed):
        self.state = seed

    def below(self, n):
        self.state = (self.state * 6364136223846793005 + 1442695040888963407) % (1 << 64)
        return (self.state >> 33) % n

    def pick(self, items):
        return items[self.below(len(items))]


def sentence(rng, short):
    parts = [rng.pick(SUBJECTS), rng.pick(OBJECTS), rng.pick(PREDICATES)]
    if not short:
        parts.insert(0, rng.pick(OPENERS))
    return " ".join(parts)


def verse_sentences(rng):
    """A verse as a list of sentences: most are one to three, a few run past three lines on the page."""
    roll = rng.below(100)
    count = 1 if roll < 25 else 2 if roll < 65 else 3 if roll < 90 else 4 if roll < 95 else 5 + rng.below(2)
    sentences = [sentence(rng, short=rng.below(3) == 0)]
    for _ in range(count - 1):
        sentences.append(rng.pick(LINKS) + " " + sentence(rng, short=rng.below(2) == 0))
    return sentences


def verse_lines(number, sentences):
    # Long verses are written over several lines; the compiler joins them with one blank.
    if len(sentences) < 4:
        return [f"{number} {' '.join(sentences)}"]
    return [f"{number} {sentences[0]}"] + [f"    {s}" for s in sentences[1:]]


def make_plan():
    rng = Random(20260101)
    lines = [HEADER, "@year {year}년 베스페랄읽기 표본 계획", ""]
    book, chapter = 0, 1
    day_index = 0
    for month in range(1, 13):
        lines += [f"# ---- {month}월 ----", f"@month {month} {month}월 {MONTH_TITLES[month - 1]}", ""]
        for day in range(1, calendar.monthrange(2000, month)[1] + 1):  # 2000 is a leap year: 29 February too
            if DAYS_WITHOUT_PASSAGE[month] == day:
                lines += [f"# {month}월 {day}일: 본문 없음", ""]
                continue
            day_index += 1
            count = 30 + rng.below(12) if day_index % 19 == 7 else 6 + rng.below(14)
            first = 1 if rng.below(3) else 1 + rng.below(20)
            name, chapters = BOOKS[book]
            lines.append(f"@day {day} {name} {chapter}:{first}-{first + count - 1}")
            for i in range(count):
                sentences = verse_sentences(rng)
                if month == 1 and day == 1 and i == 2:
                    sentences = ["믿음 & 소망 & 사랑, 이 세 가지를 새해의 첫 장에 적어 둡니다."]
                lines += verse_lines(first + i, sentences)
            lines.append("")
            chapter += 1
            if chapter > chapters:
                book, chapter = (book + 1) % len(BOOKS), 1
    return "\n".join(lines) + "\n"


def check(text):
    """Every line must be code page 949 text; reports the sizes the brief of the sample asks for."""
    longest = 0
    for number, line in enumerate(text.splitlines(), 1):
        try:
            line.encode("cp949")
        except UnicodeEncodeError as e:
            sys.exit(f"line {number}: not code page 949: {e}")
    verses = []
    for line in text.splitlines():
        if line[:1].isdigit():
            verses.append(line.split(" ", 1)[1])
        elif line.startswith("    ") and verses:
            verses[-1] += " " + line.strip()
    sizes = [len(v.encode("cp949")) for v in verses]
    longest = max(sizes)
    return len(verses), sum(1 for s in sizes if s > 222), longest


def main():
    root = os.path.dirname(os.path.dirname(os.path.dirname(os.path.abspath(__file__))))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(root, "samples", "sample-plan.txt")
    text = make_plan()
    verses, long_verses, longest = check(text)
    with open(out, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    print(f"{out}: {len(text.encode('utf-8'))} bytes, {verses} verses, "
          f"{long_verses} over 222 bytes in code page 949 (longest {longest})")


if __name__ == "__main__":
    main()
