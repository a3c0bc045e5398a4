"""Checks that a course folder is consistent; prints every fault, exits 1 if any.

Usage: python3 check_course.py COURSE_DIR
Standard library only, so it runs without the authoring tools; when PIL is
importable every JPEG is also decoded in full.
"""
import html.parser
import os
import re
import struct
import sys
import wave

PER_NODE_LISTS = ["main.mtp", "sound.mtp", "name.mtp", "text.mtp", "trans.mtp", "descr.mtp",
                  "time.mtp", "zagol.mtp", "zmarks.mtp"]
KINDS = ["1", "2", "3", "4", "5", "6", "7", "8", "9", "11"]
TIMED_KINDS = ["5", "6", "7", "8", "9"]
INI_KEYS = {
    "Main": ["MAIN_INTRO", "MAIN_EXEC", "MAIN_HELP", "MAIN_ABOUT", "MAIN_EXIT"],
    "View": ["VIEW_BUTTON"],
    "Sort": ["SORT_RUN", "SORT_PAUSE", "SORT_STOP", "SORT_EXIT", "SORT_HELP"],
    "Multi": ["MULTI_RUN", "MULTI_PAUSE", "MULTI_STOP", "MULTI_EXIT", "MULTI_HELP"],
    "ViewTxt": ["VIEWTXT_RUN", "VIEWTXT_PAUSE", "VIEWTXT_STOP", "VIEWTXT_EXIT", "VIEWTXT_HELP"],
    "WorkTxt": ["WORKTXT_RUN", "WORKTXT_PAUSE", "WORKTXT_STOP", "WORKTXT_EXIT", "WORKTXT_HELP"],
}
RATE = 22050

faults = []


def fault(message):
    faults.append(message)


class Course:
    def __init__(self, root):
        self.root = root

    def path(self, *parts):
        return os.path.join(self.root, *parts)

    def exists(self, *parts):
        """Exists with exactly this spelling (the program's paths are case-exact)."""
        here = self.root
        for part in "/".join(parts).split("/"):
            if not os.path.isdir(here) or part not in os.listdir(here):
                return False
            here = os.path.join(here, part)
        return True

    def need(self, what, *parts):
        if not self.exists(*parts):
            fault("%s: missing file %s" % (what, "/".join(parts)))
            return False
        return True

    def text(self, *parts):
        with open(self.path(*parts), "rb") as f:
            data = f.read()
        if re.search(rb"\r(?!\n)|(?<!\r)\n", data):
            fault("%s: line ends other than CR LF" % "/".join(parts))
        try:
            return data.decode("cp1251")
        except UnicodeDecodeError as e:
            fault("%s: not Windows-1251 text (%s)" % ("/".join(parts), e))
            return data.decode("cp1251", "replace")

    def lines(self, *parts):
        """The program's reading: CR, LF or CR LF end a line; a final terminator adds none."""
        text = self.text(*parts).split("\0")[0]
        lines = re.split(r"\r\n|\r|\n", text)
        if lines and lines[-1] == "":
            lines.pop()
        return lines


def to_int(text):
    return re.fullmatch(r" *[+-]?(\d+|\$[0-9a-fA-F]+|0x[0-9a-fA-F]+)", text) is not None


def to_bool(text):
    return to_int(text) or text.lower() in ("true", "false")


class PageParser(html.parser.HTMLParser):
    def __init__(self):
        super().__init__()
        self.ids, self.elements, self.charset = [], {}, None

    def handle_starttag(self, tag, attrs):
        attrs = dict(attrs)
        if tag == "meta" and (attrs.get("http-equiv") or "").lower() == "content-type":
            self.charset = attrs.get("content")
        if "id" in attrs:
            self.ids.append(attrs["id"])
            self.elements[attrs["id"]] = (tag, attrs)
        self.elements.setdefault("#count_" + tag, (0, {}))
        count = self.elements["#count_" + tag][0]
        self.elements["#count_" + tag] = (count + 1, {})

    def count(self, tag):
        return self.elements.get("#count_" + tag, (0, {}))[0]


def parse_page(course, *parts):
    parser = PageParser()
    parser.feed(course.text(*parts))
    where = "/".join(parts)
    if parser.charset is None or "windows-1251" not in parser.charset.lower():
        fault("%s: does not declare charset windows-1251" % where)
    for element_id in set(parser.ids):
        if parser.ids.count(element_id) > 1:
            fault("%s: id %s occurs %d times" % (where, element_id, parser.ids.count(element_id)))
    return parser


def check_phrase_page(course, page, phrases, where):
    if not course.need(where, "data", "text", page):
        return
    parser = parse_page(course, "data", "text", page)
    for n in range(1, phrases + 1):
        for letter in "ta":
            if "%s%d" % (letter, n) not in parser.elements:
                fault("%s: %s has no element %s%d" % (where, page, letter, n))
        tag, attrs = parser.elements.get("t%d" % n, (None, {}))
        if tag and attrs.get("class") not in ("text", "comm"):
            fault("%s: %s: t%d has class %r" % (where, page, n, attrs.get("class")))
    if "t%d" % (phrases + 1) in parser.elements:
        fault("%s: %s has more phrases than its %d marks" % (where, page, phrases))


def wave_ms(course, *parts):
    try:
        with wave.open(course.path(*parts)) as w:
            if (w.getframerate(), w.getnchannels(), w.getsampwidth()) != (RATE, 1, 2):
                fault("%s: not %d Hz mono 16 bit" % ("/".join(parts), RATE))
            return w.getnframes() * 1000 / w.getframerate()
    except (wave.Error, EOFError) as e:
        fault("%s: not a wave file (%s)" % ("/".join(parts), e))
        return 0


def check_marks(course, marks, sound, where):
    if not course.need(where, "data", "marks", marks):
        return 0
    lines = course.lines("data", "marks", marks)
    if not lines or not all(re.fullmatch(r"\d+", line) for line in lines):
        fault("%s: %s must hold one whole number a line" % (where, marks))
        return len(lines)
    values = [int(line) for line in lines]
    if any(b <= a for a, b in zip([0] + values, values)):
        fault("%s: %s does not ascend" % (where, marks))
    if sound and course.exists("data", "sound", sound) and values[-1] > wave_ms(course, "data", "sound", sound):
        fault("%s: %s ends after its sound %s" % (where, marks, sound))
    return len(lines)


def check_choice_page(course, page, where):
    parser = parse_page(course, "data", "text", page)
    inputs = parser.count("input")
    numbered, names, right, types = 0, [], {}, {}
    while "q%d" % (numbered + 1) in parser.elements:
        numbered += 1
        tag, attrs = parser.elements["q%d" % numbered]
        if tag != "input" or attrs.get("type") not in ("radio", "checkbox"):
            fault("%s: q%d is neither a radio button nor a check box" % (where, numbered))
        if attrs.get("rtype") not in ("0", "1"):
            fault("%s: q%d has rtype %r" % (where, numbered, attrs.get("rtype")))
        if "f%d" % numbered not in parser.elements:
            fault("%s: no mark element f%d" % (where, numbered))
        name = attrs.get("name") or ""
        if not name or (name in names and names[-1] != name):
            fault("%s: q%d: options of a question must share one name and stand together" % (where, numbered))
        names.append(name)
        right[name] = right.get(name, 0) + (attrs.get("rtype") == "1")
        types[name] = attrs.get("type")
    if numbered < 2 or numbered != inputs:
        fault("%s: %d inputs, but q1..q%d numbered" % (where, inputs, numbered))
    if len(right) < 2 or any(count != 1 for name, count in right.items() if types[name] == "radio"):
        fault("%s: every radio question needs exactly one right option" % where)
    if any(count < 1 for count in right.values()):
        fault("%s: every question needs a right option" % where)


def check_node(course, k, entry):
    kind = entry["main.mtp"]
    where = "node %d (%s)" % (k, entry["name.mtp"].strip())
    course.need(where, "data", "descr", entry["descr.mtp"])
    if kind not in KINDS:
        return kind
    if not entry["zagol.mtp"]:
        fault("%s: no window caption" % where)
    if not to_int(entry["time.mtp"]):
        fault("%s: time limit %r is not a whole number" % (where, entry["time.mtp"]))
    elif kind in TIMED_KINDS and int(entry["time.mtp"]) <= 0:
        fault("%s: a timed lesson needs a time limit" % where)
    course.need(where, "help", "help_%s.htm" % kind)
    text, trans, marks, sound = (entry[n] for n in ("text.mtp", "trans.mtp", "zmarks.mtp", "sound.mtp"))
    if kind in ("3", "8", "11"):
        course.need(where, "data", "empty.wav")
    if kind in ("1", "2", "11"):
        course.need(where, "data", "sound", sound)
    if kind in ("1", "2", "3", "11"):
        phrases = check_marks(course, marks, sound if kind != "3" else "", where)
        check_phrase_page(course, text, phrases, where)
        if kind == "2":
            check_phrase_page(course, trans, phrases, where)
    elif kind == "4":
        course.need(where, "data", "temp.wav")
        course.need(where, "data", "umarks.txt")
        for page in (text, trans):
            if course.need(where, "data", "text", page):
                parse_page(course, "data", "text", page)
    elif kind == "5":
        if course.need(where, "data", "text", text):
            check_choice_page(course, text, where)
    elif kind in ("6", "7"):
        if course.need(where, "data", "text", text) and \
                parse_page(course, "data", "text", text).count("textarea") < 1:
            fault("%s: a free-answer page needs a text area" % where)
    elif kind == "8":
        if course.need(where, "data", "text", text):
            parse_page(course, "data", "text", text)
    elif kind == "9":
        if course.need(where, "data", "text", text):
            lines = course.lines("data", "text", text)
            sections = [[]]
            for line in lines:
                sections[-1].append(line)
                if line == "":
                    sections.append([])
            if len(sections) < 3 or not all(s for s in sections[:3]):
                fault("%s: the word file needs a pool and two target lists" % where)
            elif sorted(w for w in sections[0] if w) != sorted(w for s in sections[1:3] for w in s if w):
                fault("%s: the pool does not hold exactly the items of the two lists" % where)
    return kind


def jpeg_size(course, *parts):
    """Width and height from the frame header; decodes in full when PIL is there."""
    with open(course.path(*parts), "rb") as f:
        data = f.read()
    where = "/".join(parts)
    if data[:2] != b"\xff\xd8" or data[-2:] != b"\xff\xd9":
        fault("%s: not a JPEG file" % where)
        return None
    try:
        from PIL import Image
        with Image.open(course.path(*parts)) as im:
            im.load()
    except ImportError:
        pass
    except Exception as e:  # any decoder failure is a fault of the file
        fault("%s: does not decode (%s)" % (where, e))
    i = 2
    while i + 9 < len(data):
        marker, length = data[i + 1], struct.unpack(">H", data[i + 2:i + 4])[0]
        if marker in (0xC0, 0xC1, 0xC2):
            height, width = struct.unpack(">HH", data[i + 5:i + 9])
            return width, height
        i += 2 + length
    fault("%s: no frame header" % where)
    return None


def check_skin(course, v):
    def rect(first):
        return v[first:first + 4]

    def need_size(name, width, height, *parts):
        if course.need("skin", *parts):
            size = jpeg_size(course, *parts)
            if size and (size[0] != width or (height is not None and size[1] != height)):
                fault("%s: size %dx%d, layout wants %sx%s" % (name, size[0], size[1], width, height))

    for name, (w, h) in {"top.jpg": (v[3], v[4]), "top2.jpg": (v[3], v[4]), "bot.jpg": (v[6], v[7]),
                         "bot2.jpg": (v[6], v[7]), "bot3.jpg": (v[6], v[7]),
                         "left.jpg": (v[8], None), "right.jpg": (v[9], None)}.items():
        need_size(name, w, h, "gdata", name)
    buttons = {"m1.jpg": 10, "m2.jpg": 14, "m3.jpg": 18, "m4.jpg": 22, "m5.jpg": 26, "m6.jpg": 30,
               "m7.jpg": 34, "m8.jpg": 38, "m9.jpg": 42, "m10.jpg": 46, "m11.jpg": 52}
    buttons.update({name: 56 for name in ("c1.jpg", "c1a.jpg", "c2.jpg", "c2a.jpg", "c3.jpg", "c3a.jpg")})
    for name, first in buttons.items():
        w, h, _, _ = rect(first)
        need_size(name, w, h, "gdata", name)
    groups = {"main window top band": ([10, 14, 18, 22, 26], v[3], v[4]),
              "viewer bottom band": ([30], v[6], v[7]),
              "exercise bottom band": ([34, 38, 42, 46, 52, 56], v[6], v[7])}
    for band, (firsts, band_w, band_h) in groups.items():
        boxes = []
        for first in firsts:
            w, h, top, left = rect(first)
            if left < 0 or top < 0 or left + w > band_w or top + h > band_h:
                fault("layout: button at lines %d-%d lies outside the %s" % (first, first + 3, band))
            for other in boxes:
                if left < other[0] + other[2] and other[0] < left + w and top < other[1] + other[3] \
                        and other[1] < top + h:
                    fault("layout: buttons overlap in the %s (lines %d-%d)" % (band, first, first + 3))
            boxes.append((left, top, w, h))


def main(root):
    course = Course(root)
    for name in PER_NODE_LISTS + ["main.mrb", "main.dsg", "main.rbp", "wind.mtp", "Strings.ini"]:
        course.need("catalogue", name)
    if faults:
        return
    tree = course.lines("main.mrb")
    level = 0
    for k, line in enumerate(tree):
        depth = len(line) - len(line.lstrip("\t "))
        if k and depth > level + 1:
            fault("main.mrb line %d: depth jumps from %d to %d" % (k, level, depth))
        level = 0 if k == 0 else depth
    lists = {}
    for name in PER_NODE_LISTS:
        lists[name] = course.lines(name)
        if len(lists[name]) != len(tree):
            fault("%s has %d lines for %d tree nodes" % (name, len(lists[name]), len(tree)))
    lists_complete = all(len(lines) == len(tree) for lines in lists.values())

    layout = course.lines("main.dsg")
    layout_ok = len(layout) >= 60 and all(to_int(line) for line in layout[:60])
    if not layout_ok:
        fault("main.dsg: needs whole numbers on lines 0 to 59")
    else:
        check_skin(course, [int(line, 0) for line in layout[:60]])

    wind = course.lines("wind.mtp")
    if len(wind) != 9:
        fault("wind.mtp has %d lines, not 9" % len(wind))
    else:
        for k in (2, 5, 8):
            if not to_bool(wind[k]):
                fault("wind.mtp line %d: %r is not a boolean" % (k, wind[k]))
        if course.need("wind.mtp", "data", "descr", wind[1]) and layout_ok:
            size = jpeg_size(course, "data", "descr", wind[1])
            if size and size != (int(layout[50]), int(layout[51])):
                fault("intro picture %dx%d, intro screen %sx%s" % (size + (layout[50], layout[51])))
        for k in (4, 7):
            if course.need("wind.mtp", "data", "descr", wind[k]):
                parse_page(course, "data", "descr", wind[k])
    course.need("intro", "data", "intro.wav") and wave_ms(course, "data", "intro.wav")
    course.need("main window", "help", "help.htm") and parse_page(course, "help", "help.htm")
    course.lines("main.rbp")

    section, keys = None, {}
    for line in course.lines("Strings.ini"):
        if line.startswith("[") and line.rstrip().endswith("]"):
            section = line.strip()[1:-1].lower()
        elif "=" in line and section:
            keys.setdefault(section, set()).add(line.split("=", 1)[0].strip().lower())
    for section_name, names in INI_KEYS.items():
        for key in names:
            if key.lower() not in keys.get(section_name.lower(), set()):
                fault("Strings.ini: no key %s in [%s]" % (key, section_name))

    if not lists_complete:
        return
    kinds = set()
    for k in range(len(tree)):
        kinds.add(check_node(course, k, {name: lists[name][k] for name in PER_NODE_LISTS}))
    for file_name in sorted(os.listdir(course.path("data", "descr"))):
        if file_name.endswith(".htm"):
            parse_page(course, "data", "descr", file_name)
    for kind in KINDS:
        if kind not in kinds and not (kind in ("6", "7") and ("6" in kinds or "7" in kinds)):
            fault("no lesson of kind %s" % kind)
    if not kinds - set(KINDS) - {""}:
        fault("no node of an unknown kind")
    if "" not in kinds:
        fault("no heading node")


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: check_course.py COURSE_DIR")
    main(sys.argv[1])
    for message in faults:
        print("check_course: " + message)
    print("check_course: %s" % ("%d faults" % len(faults) if faults else "course is consistent"))
    sys.exit(1 if faults else 0)
