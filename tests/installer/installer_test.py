#!/usr/bin/env python3
"""The release and its setup, end to end.

1. An earlier setup is made as the first setups were: sample plans (VESPERAL_RELEASE_TEXT=sample), files of
   an older time. scripts/release.sh makes it twice: both runs give the same program folder, zip, file list
   and setup.
2. The release itself: the setup is a 32-bit program carrying the version of VERSION and under 20 MiB; the zip
   holds the folder. The plans of the release's year and the four after it read the whole Bible text that
   BibleText.txt and the file list name: every day a reading, every verse once, 1 January from Genesis 1:1,
   no text of the sample plan. (Its plans come from the release script's cache after the first run; the
   setup's compression of five years of text is what takes the time, so the release is made once.)
3. In a 32-bit Wine prefix of its own (under the build folder) the earlier setup installs silently beside a
   plan of the user's; the user changes one of its plans and removes another. The new setup replaces the
   unchanged sample plans by the Bible's, writes the missing one and keeps the user's plans and the diary; the
   program starts from the Startup shortcut's command line; a silent uninstall takes the program and its plans
   away and leaves the diary, the settings (Vesperal.ini) and the user's plans; removing the diary too still
   leaves the settings in their folder. Folders whose names the ANSI code page cannot spell take the
   files too: one with a character outside code page 949 under 949, a Korean one under 1252.

Usage: installer_test.py WIN32_BUILD_DIR
Exit code 77: the release was checked, but the setup could not be run here (one line says why).
"""

import datetime
import hashlib
import os
import re
import shutil
import sqlite3
import struct
import subprocess
import sys
import time
import zipfile
from pathlib import Path

sys.dont_write_bytecode = True
sys.path.insert(0, str(Path(__file__).resolve().parent))
from shell_link import read_shell_link  # noqa: E402

ROOT = Path(__file__).resolve().parents[2]
SKIP = 77
APP_TITLE = "베스페랄읽기"
SHORTCUT = APP_TITLE + ".lnk"
UNINSTALL_KEY = r"Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\Vesperal"
PLANS_KEY = r"Software\\Vesperal\\SamplePlans"
KJV_VERSES, KJV_CHAPTERS, KJV_BOOKS = 31102, 1189, 66
KJV_GENESIS_1_1 = "In the beginning God created the heaven and the earth."


class Failure(Exception):
    pass


def check(condition, what):
    if not condition:
        raise Failure(what)


def say(text):
    print("installer test: " + text, flush=True)


def digest(path):
    return hashlib.sha256(Path(path).read_bytes()).hexdigest()


def version_of_release():
    return (ROOT / "VERSION").read_text(encoding="ascii").splitlines()[0].strip()


def fixed_file_version(data):
    """(MAJOR, MINOR, PATCH, BUILD) from the VS_FIXEDFILEINFO that follows the VS_VERSION_INFO key."""
    key = data.index("VS_VERSION_INFO".encode("utf-16-le"))
    fixed = data.index(struct.pack("<I", 0xFEEF04BD), key)
    ms, ls = struct.unpack_from("<II", data, fixed + 8)
    return ms >> 16, ms & 0xFFFF, ls >> 16, ls & 0xFFFF


def pe_machine(data):
    check(data[:2] == b"MZ", "not an MZ executable")
    pe_at = struct.unpack_from("<I", data, 0x3C)[0]
    check(data[pe_at:pe_at + 4] == b"PE\0\0", "no PE header")
    return struct.unpack_from("<H", data, pe_at + 4)[0]


# ---- the release --------------------------------------------------------------------------------------------

def run_release(build, work, name, **settings):
    dist = work / name
    env = {k: v for k, v in os.environ.items() if k not in ("VESPERAL_RELEASE_TEXT", "SOURCE_DATE_EPOCH")}
    env.update(VESPERAL_SKIP_SETUP="1", VESPERAL_WIN32_BUILD=str(build), VESPERAL_DIST=str(dist),
               VESPERAL_RELEASE_WORK=str(work / (name + "-stage")), **settings)
    subprocess.run([str(ROOT / "scripts" / "release.sh")], cwd=ROOT, env=env, check=True,
                   stdout=subprocess.DEVNULL)
    version = version_of_release()
    return dict(dist=dist, stage=work / (name + "-stage") / "Vesperal",
                setup=dist / f"Vesperal-{version}-setup.exe", zip=dist / f"Vesperal-{version}.zip",
                list=dist / f"Vesperal-{version}-files.txt")


def release_years():
    year = time.localtime().tm_year
    return list(range(year, year + 5))


def plan_rows(path, query):
    with sqlite3.connect(f"file:{path}?mode=ro", uri=True) as db:
        return db.execute(query).fetchall()


def days_of(year):
    day, days = datetime.date(year, 1, 1), []
    while day.year == year:
        days.append((day.month, day.day))
        day += datetime.timedelta(days=1)
    return days


def chapters_named(range_text):
    """[(book, chapter), ...] of a generated day's range text such as "창세기 49-50장, 출애굽기 1장"."""
    chapters = []
    for passage in range_text.split(", "):
        match = re.fullmatch(r"(.+) (\d+)(?:-(\d+))?장", passage)
        check(match, f"range text {range_text!r} is not whole chapters")
        first = int(match[2])
        chapters += [(match[1], c) for c in range(first, int(match[3] or first) + 1)]
    return chapters


def check_bible_year(path, year, module, sample_bodies):
    """The plan of one year reads the module's whole Bible once; returns the number of verses."""
    check(plan_rows(path, "SELECT year, ytitle FROM YEAR") == [(year, f"{year}년 성경 읽기")], f"{path.name}: YEAR")
    check(plan_rows(path, "SELECT month, mtitle FROM MONTH ORDER BY month") == [(m, f"{m}월") for m in range(1, 13)],
          f"{path.name}: month titles")
    ranges = plan_rows(path, "SELECT month, day, order1, range FROM DAYRANGE ORDER BY order1")
    check([(m, d) for m, d, _, _ in ranges] == days_of(year), f"{path.name}: not one reading for every day")
    verses = {}
    for order1, sec, body in plan_rows(path, "SELECT order1, sec, body FROM DAY ORDER BY order1, order2"):
        verses.setdefault(order1, []).append((int(sec), body))
    chapters, total = [], 0
    for month, day, order1, range_text in ranges:
        named = chapters_named(range_text)
        day_verses = verses.get(order1, [])
        # Every chapter starts again at verse 1 and counts up: split the day's verses into its chapters.
        starts = [i for i, (number, _) in enumerate(day_verses) if number == 1]
        check(starts[:1] == [0] and len(starts) == len(named), f"{path.name} {month}/{day}: {range_text} "
              f"names {len(named)} chapters, its verses make {len(starts)}")
        for at, end in zip(starts, starts[1:] + [len(day_verses)]):
            numbers = [number for number, _ in day_verses[at:end]]
            check(numbers == sorted(set(numbers)), f"{path.name} {month}/{day}: verse numbers {numbers}")
        check(all(body.strip() and body not in sample_bodies for _, body in day_verses),
              f"{path.name} {month}/{day}: an empty verse or one of the sample's")
        chapters += named
        total += len(day_verses)
    check(len(set(chapters)) == len(chapters), f"{path.name}: a chapter is read twice")
    books = list(dict.fromkeys(book for book, _ in chapters))
    check(chapters == [(b, c) for b in books for c in sorted(c for bb, c in chapters if bb == b)],
          f"{path.name}: chapters out of canonical order")
    first_range, first_verse = ranges[0][3], verses[ranges[0][2]][0]
    check(first_range.startswith("창세기 1") and first_verse[0] == 1, f"{path.name}: 1 January reads {first_range}")
    if module == "engKJV2006eb":
        check((total, len(chapters), len(books)) == (KJV_VERSES, KJV_CHAPTERS, KJV_BOOKS),
              f"{path.name}: {total} verses, {len(chapters)} chapters, {len(books)} books")
        check(first_verse[1] == KJV_GENESIS_1_1, f"{path.name}: Genesis 1:1 reads {first_verse[1]!r}")
    return total


def carried_module(release):
    """The module named in BibleText.txt, after checking that the file list names the same text."""
    info = (release["stage"] / "BibleText.txt").read_bytes()
    check(info.startswith(b"\xef\xbb\xbf") and b"\r\n" in info and b"\n" not in info.replace(b"\r\n", b""),
          "BibleText.txt is not UTF-8 with a byte order mark and CR LF line ends")
    lines = info[3:].decode("utf-8").split("\r\n")
    module_line = next((line for line in lines if line.startswith("SWORD 모듈: ")), None)
    check(module_line is not None, f"BibleText.txt names no module: {lines}")
    listed = [line[2:] for line in release["list"].read_text(encoding="utf-8").splitlines() if line.startswith("# ")]
    for wanted in ("본문: ", "SWORD 모듈: ", "저작권: ", "배포 조건: "):
        line = next((line for line in lines if line.startswith(wanted)), None)
        check(line is not None and line in listed, f"{wanted!r}: BibleText.txt {lines}, file list {listed}")
    return module_line.split(": ", 1)[1].split(",")[0], lines


def check_release(build, work, sample_bodies):
    started = time.monotonic()
    first = run_release(build, work, "release")
    version = version_of_release()
    listed = [line.split("  ", 1)[1] for line in first["list"].read_text().splitlines() if not line.startswith("#")]
    plans = [f"{y}.dat" for y in release_years()]
    shipped_help = ["psaltery.hlp", "psaltery.html"] if (ROOT / "help" / "psaltery.txt").exists() else []
    check(listed == sorted(plans + ["BibleText.txt", "Vesperal.exe", "Vesperal.wav"] + shipped_help),
          f"unexpected program folder {listed}")
    say(f"release script: {time.monotonic() - started:.0f} s")

    with zipfile.ZipFile(first["zip"]) as z:
        check(z.namelist() == ["Vesperal/" + f for f in listed], f"zip holds {z.namelist()}")
        for f in listed:
            check(z.read("Vesperal/" + f) == (first["stage"] / f).read_bytes(), f"zip copy of {f} differs")

    setup = first["setup"].read_bytes()
    check(pe_machine(setup) == 0x14C, "the setup is not a 32-bit x86 program")
    numbers = tuple(int(n) for n in version.split(".")) + (0,)
    check(fixed_file_version(setup) == numbers, f"setup version {fixed_file_version(setup)}, VERSION says {version}")
    exe = (first["stage"] / "Vesperal.exe").read_bytes()
    check(pe_machine(exe) == 0x14C, "the program in the release is not a 32-bit x86 program")
    check(fixed_file_version(exe) == numbers, f"exe version {fixed_file_version(exe)}, VERSION says {version}")

    module, about = carried_module(first)
    counts = {check_bible_year(first["stage"] / plan, int(plan[:4]), module, sample_bodies) for plan in plans}
    check(len(counts) == 1, f"the years read different numbers of verses: {counts}")
    say(f"{plans[0]} to {plans[-1]}: every day a reading, all {counts.pop()} verses of {module} once in canonical "
        f"order, 1 January from Genesis 1:1, none of the sample's; {' / '.join(a for a in about if ': ' in a)}"
        + ("" if module == "engKJV2006eb" else "; not the King James Version, so its own counts were not checked"))
    check(len(setup) < 20 * 1048576, f"the setup is {len(setup)} bytes, over 20 MiB")
    say(f"setup {first['setup'].name}: {len(setup)} bytes ({len(setup) / 1048576:.2f} MiB), version {version}")
    return first


def make_earlier_release(build, work):
    """A setup like the first ones: sample plans, its files a month older than this tree's. Made twice, to see
    that the release script gives the same files each time."""
    epoch = int(subprocess.run(["git", "log", "-1", "--format=%ct"], cwd=ROOT, capture_output=True, text=True)
                .stdout.strip() or time.time())
    first, second = (run_release(build, work, name, VESPERAL_RELEASE_TEXT="sample",
                                 SOURCE_DATE_EPOCH=str(epoch - 30 * 86400)) for name in ("earlier-a", "earlier-b"))
    for kind in ("list", "zip", "setup"):
        check(first[kind].read_bytes() == second[kind].read_bytes(), f"two release runs differ in {first[kind].name}")
    check(first["list"].read_text(encoding="utf-8").splitlines()[0] == "# 본문: 표본 계획 (samples/sample-plan.txt). "
          "성경 본문이 아닌 시험용 글입니다.", "the sample release does not say that it carries no scripture")
    bodies = set()
    for year in release_years():
        path = first["stage"] / f"{year}.dat"
        check("표본" in plan_rows(path, "SELECT ytitle FROM YEAR")[0][0], f"earlier release: {path.name} is no sample")
        bodies |= {body for body, in plan_rows(path, "SELECT body FROM DAY")}
    say(f"two release runs with the sample plans gave the same {len(list(first['stage'].iterdir()))} files, "
        "zip and setup")
    return first, bodies


# ---- Wine ---------------------------------------------------------------------------------------------------

class Prefix:
    """A 32-bit Wine prefix of this test's own; every program runs with the given LANG."""

    def __init__(self, path):
        self.path = path
        self.lang = "ko_KR.UTF-8"

    def env(self):
        return dict(os.environ, WINEPREFIX=str(self.path), WINEARCH="win32", WINEDEBUG="-all",
                    WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d", LANG=self.lang, LC_ALL=self.lang)

    def set_up(self):
        return subprocess.run([str(ROOT / "scripts" / "wine-prefix.sh")], env=self.env(),
                              stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL).returncode == 0

    def run(self, *args, cwd=None, wait_all=True):
        """Runs a program and returns its exit code and output; with wait_all, once every process of the
        prefix has ended."""
        done = subprocess.run(["wine", *args], cwd=cwd, env=self.env(), capture_output=True, timeout=120,
                              stdin=subprocess.DEVNULL)
        if wait_all:
            self.wait()
        return done.returncode, done.stdout.decode("utf-8", "replace")

    def start(self, args, cwd):
        return subprocess.Popen(["wine", *args], cwd=cwd, env=self.env(), stdin=subprocess.DEVNULL,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

    def wait(self):
        subprocess.run(["wineserver", "-w"], env=self.env(), timeout=120)

    def kill(self):
        subprocess.run(["wineserver", "-k"], env=self.env(), timeout=60)
        self.wait()

    def unix(self, windows_path):
        drive, rest = windows_path.split(":", 1)
        return self.path / f"drive_{drive.lower()}" / rest.strip("\\").replace("\\", "/")

    def registry_values(self, key):
        """The values of an HKCU key as written in user.reg, or None when the key is missing."""
        lines = (self.path / "user.reg").read_text(encoding="utf-8", errors="replace").splitlines()
        header = "[" + key + "]"
        for i, line in enumerate(lines):
            if line.startswith(header):
                values = {}
                for entry in lines[i + 1:]:
                    if not entry.strip():
                        break
                    if entry.startswith('"') and "=" in entry:
                        name, value = entry.split("=", 1)
                        values[name.strip('"')] = value
                return values
        return None


def why_no_32bit(prefix):
    if os.environ.get("VESPERAL_WIN64") == "1":
        return "VESPERAL_WIN64=1 says this machine runs no 32-bit Windows programs"
    if os.environ.get("VESPERAL_NO_IA32") == "1":
        return "this machine cannot run 32-bit programs (no IA-32 emulation in the kernel)"
    if shutil.which("wine") is None:
        return "there is no wine"
    if not prefix.set_up():
        return "Wine could not make a 32-bit prefix"
    code, out = prefix.run("cmd", "/c", "echo", "vesperal-32bit-probe")
    if code != 0 or "vesperal-32bit-probe" not in out:
        return "a 32-bit probe program did not run under Wine"
    return None


def reading_windows():
    """Titles of the program's reading windows on the display that are mapped."""
    tree = subprocess.run(["xwininfo", "-root", "-tree"], capture_output=True, text=True).stdout
    titles = []
    for line in tree.splitlines():
        line = line.strip()
        if f'"{APP_TITLE} - ' not in line or '"vesperal.exe"' not in line.lower():
            continue
        window = line.split()[0]
        state = subprocess.run(["xwininfo", "-id", window], capture_output=True, text=True).stdout
        if "IsViewable" in state:
            titles.append(line.split('"')[1])
    return titles


def program_knows_smode():
    """Whether the program's sources handle the "smode" argument (the compiled compare leaves no literal)."""
    return any('"smode"' in path.read_text(encoding="utf-8", errors="replace")
               for path in (ROOT / "src").rglob("*.cpp"))


def make_diary(path):
    """A diary with two entries, made the way the program stores them."""
    with sqlite3.connect(path) as db:
        db.execute("CREATE TABLE VESPERAL (keydate TEXT(8), memo1 TEXT, memo2 TEXT, memo3 TEXT)")
        db.executemany("INSERT INTO VESPERAL VALUES (?, ?, ?, ?)",
                       [("20260101", "새해 첫날", "묵상한 글", "기도한 글"), ("20260102", "둘째 날", "짧은 묵상", " ")])
    db.close()


def make_settings(path):
    """Settings as the program keeps them; the reminder off, so that the program started below keeps the file."""
    path.write_bytes("# 베스페랄읽기\nreminder=off\nreminderTime=06:30\nlastBalloon=20260101\n".encode("utf-8"))


def make_user_plan(path, year, work):
    source = work / "my-plan.txt"
    source.write_text("@year {year}년 나의 읽기 계획\n@month 1 1월\n@day 1 창세기 1:1\n1 내가 지은 구절입니다.\n",
                      encoding="utf-8")
    subprocess.run([str(ROOT / "build" / "tools" / "plancompile"), "--year", str(year), str(source), str(path)],
                   check=True)


# ---- the scenario -------------------------------------------------------------------------------------------

def install_upgrade_uninstall(prefix, release, earlier, work):
    setup = str(release["setup"])
    stage = release["stage"]
    code, out = prefix.run("cmd", "/c", "echo %LOCALAPPDATA%& echo %APPDATA%")
    local_appdata, appdata = out.split()[:2]
    folder_win = local_appdata + r"\Programs\Vesperal"
    folder = prefix.unix(folder_win)
    programs = prefix.unix(appdata + r"\Microsoft\Windows\Start Menu\Programs")
    program_files = sorted(p.name for p in stage.iterdir())
    years = release_years()
    plans = [f"{y}.dat" for y in years]

    # The earlier setup over a folder that holds a plan of the user's own: it writes its sample plans beside it.
    folder.mkdir(parents=True)
    own_plan = folder / plans[3]
    make_user_plan(own_plan, years[3], work)
    code, _ = prefix.run(str(earlier["setup"]), "/S")
    check(code == 0, f"silent install of the earlier setup ended with {code}")
    written = [name for name in plans if (folder / name).read_bytes() == (earlier["stage"] / name).read_bytes()]
    check(written == [name for name in plans if name != own_plan.name], f"the earlier setup wrote {written}")
    check(sorted(prefix.registry_values(PLANS_KEY) or {}) == written, f"recorded plans {prefix.registry_values(PLANS_KEY)}")
    # The user changes one of its plans, removes another, and keeps a diary.
    changed_plan = folder / plans[1]
    changed_plan.unlink()
    make_user_plan(changed_plan, years[1], work)
    (folder / plans[2]).unlink()
    memo = folder / "memo.mdb"
    make_diary(memo)
    settings = folder / "Vesperal.ini"
    make_settings(settings)
    kept = {p: p.read_bytes() for p in (memo, settings, own_plan, changed_plan)}

    # The new setup over it.
    code, _ = prefix.run(setup, "/S")
    check(code == 0, f"silent install ended with {code}")
    for name in program_files:
        if folder / name not in kept:
            check((folder / name).read_bytes() == (stage / name).read_bytes(), f"installed {name} differs from the release")
    for path, data in kept.items():
        check(path.read_bytes() == data, f"the new setup changed {path.name}")
    check((folder / "uninstall.exe").is_file(), "no uninstaller")
    say(f"upgrade from sample plans: {plans[0]} and {plans[4]} (unchanged) replaced by the Bible's, {plans[2]} "
        f"(removed) written again; the user's changed {changed_plan.name}, own {own_plan.name}, memo.mdb and "
        "Vesperal.ini kept byte for byte")
    menu = programs / SHORTCUT
    startup = [p / SHORTCUT for p in programs.iterdir() if p.name.lower() == "startup"]
    check(menu.is_file(), "no Start-menu shortcut")
    check(len(startup) == 1 and startup[0].is_file(), "no Startup shortcut")
    startup = startup[0]
    uninstall = prefix.registry_values(UNINSTALL_KEY)
    check(uninstall is not None, "the uninstaller is not registered")
    check(uninstall.get("DisplayVersion") == f'"{version_of_release()}"', f"DisplayVersion {uninstall}")
    check(folder_win.replace("\\", "\\\\") in uninstall.get("UninstallString", ""), f"UninstallString {uninstall}")
    say(f"silent install: {', '.join(program_files)} and uninstall.exe in {folder_win}, both shortcuts, "
        "the uninstaller registered")

    # Both shortcuts start the installed program in its folder; the Startup one with "smode".
    exe_win = folder_win + r"\Vesperal.exe"
    for link, arguments in ((menu, ""), (startup, "smode")):
        target = read_shell_link(link.read_bytes())
        check((target["target"] or "").lower() == exe_win.lower(), f"{link.name} starts {target['target']}")
        check((target["arguments"] or "") == arguments, f"{link.parent.name}/{link.name} arguments {target}")
        check((target["working_dir"] or "").lower() == folder_win.lower(), f"{link.name} starts in {target}")

    # Logon start: the program as the Startup shortcut starts it.
    link = read_shell_link(startup.read_bytes())
    running = prefix.start([str(prefix.unix(link["target"]))] + link["arguments"].split(),
                           cwd=prefix.unix(link["working_dir"]))
    time.sleep(4)
    alive = running.poll() is None
    shown = reading_windows()
    knows_smode = program_knows_smode()
    # While it runs, neither the setup nor the uninstaller touches the folder.
    uninstaller_time = (folder / "uninstall.exe").stat().st_mtime_ns
    setup_code, _ = prefix.run(setup, "/S", wait_all=False)
    uninstall_code, _ = prefix.run(str(folder / "uninstall.exe"), "/S", "_?=" + folder_win, wait_all=False)
    prefix.kill()
    running.wait(timeout=30)
    check(alive, "the program ended at once when started from the Startup shortcut")
    check(setup_code == 2 and (folder / "uninstall.exe").stat().st_mtime_ns == uninstaller_time,
          f"a silent install over the running program ended with {setup_code}")
    check(uninstall_code == 2 and (folder / "Vesperal.exe").is_file(),
          f"a silent uninstall of the running program ended with {uninstall_code}")
    say("with the program running, the setup and the uninstaller stopped with exit code 2 and changed nothing")
    if knows_smode:
        check(not shown, f"started with smode, the program shows {shown}")
        say("the Startup shortcut starts the program in the tray with no reading window")
    else:
        say("the program's sources do not handle \"smode\" yet: checked the Startup shortcut's command line "
            f"and that the program starts and keeps running from it (it showed {shown or 'no window'})")

    # Silent uninstall.
    code, _ = prefix.run(str(folder / "uninstall.exe"), "/S")
    check(code == 0, f"silent uninstall ended with {code}")
    left = sorted(p.name for p in folder.iterdir())
    check(left == sorted([memo.name, settings.name, own_plan.name, changed_plan.name]),
          f"after uninstalling the folder holds {left}")
    for path, data in kept.items():
        check(path.read_bytes() == data, f"uninstalling changed {path.name}")
    check(not menu.exists() and not startup.exists(), "a shortcut is left")
    check(prefix.registry_values(UNINSTALL_KEY) is None, "the uninstaller is still registered")
    check(prefix.registry_values(PLANS_KEY) is None, "the list of the setup's plans is left in the registry")
    say(f"silent uninstall removed the program, its plans and the shortcuts; left {', '.join(left)}")


def folders_the_code_page_cannot_spell(prefix, release):
    """The setup installs into a folder whose name the ANSI code page cannot spell, and the uninstaller clears
    it: a name with a character outside code page 949 (U+2135) under 949, a Korean name under 1252."""
    cases = [
        ("ko_KR.UTF-8", "949", "\u2135베스페랄"),  # no blank: NSIS takes /D= only unquoted
        ("en_US.UTF-8", "1252", "베스페랄"),
    ]
    stage = release["stage"]
    for lang, code_page, name in cases:
        prefix.lang = lang
        code, out = prefix.run("reg", "query", r"HKLM\System\CurrentControlSet\Control\Nls\CodePage", "/v", "ACP")
        check(out.split()[-1:] == [code_page], f"{lang} does not give code page {code_page} under Wine: {out.strip()}")
        code, out = prefix.run("cmd", "/c", "echo %LOCALAPPDATA%")
        folder_win = out.split()[0] + "\\Programs\\" + name
        folder = prefix.unix(folder_win)
        code, _ = prefix.run(str(release["setup"]), "/S", "/D=" + folder_win)
        check(code == 0, f"under code page {code_page} the setup did not install into {folder_win} (exit code {code})")
        for path in stage.iterdir():
            check((folder / path.name).is_file() and (folder / path.name).read_bytes() == path.read_bytes(),
                  f"under code page {code_page} {path.name} did not land in {folder_win} as released")
        make_diary(folder / "memo.mdb")
        # Removing the diary leaves the settings: only an empty folder goes.
        keep_settings = code_page == "949"
        if keep_settings:
            make_settings(folder / "Vesperal.ini")
            settings = (folder / "Vesperal.ini").read_bytes()
        code, _ = prefix.run(str(folder / "uninstall.exe"), "/S", "/REMOVEDIARY")
        check(code == 0, f"uninstalling from {folder_win} with /REMOVEDIARY ended with {code}")
        if keep_settings:
            left = sorted(p.name for p in folder.iterdir()) if folder.exists() else None
            check(left == ["Vesperal.ini"] and (folder / "Vesperal.ini").read_bytes() == settings,
                  f"uninstalling from {folder_win} with /REMOVEDIARY left {left}, not Vesperal.ini as it was")
        else:
            check(not folder.exists(), f"uninstalling from {folder_win} with /REMOVEDIARY left the folder")
        say(f"{folder_win}: installed under code page {code_page} with every file of the release, and uninstalled"
            + (", the diary removed and Vesperal.ini kept with its folder" if keep_settings else ""))
    prefix.lang = "ko_KR.UTF-8"


def main():
    build = Path(sys.argv[1]).resolve()
    work = build / "installer-test"
    if (work / "prefix").exists():
        Prefix(work / "prefix").kill()  # a run cut short may have left programs behind
    shutil.rmtree(work, ignore_errors=True)
    work.mkdir(parents=True)
    started = time.monotonic()
    try:
        earlier, sample_bodies = make_earlier_release(build, work)
        release = check_release(build, work, sample_bodies)
        prefix = Prefix(work / "prefix")
        reason = why_no_32bit(prefix)
        if reason:
            say(f"setup not run: {reason}")
            return SKIP
        install_upgrade_uninstall(prefix, release, earlier, work)
        folders_the_code_page_cannot_spell(prefix, release)
    except Failure as failure:
        say(f"FAILED: {failure}")
        return 1
    finally:
        if (work / "prefix").exists():
            Prefix(work / "prefix").kill()
    say(f"passed in {time.monotonic() - started:.0f} s")
    return 0


if __name__ == "__main__":
    sys.exit(main())
