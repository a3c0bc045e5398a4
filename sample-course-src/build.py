"""Builds the sample course folder from the readable sources next to this file.

Usage: /usr/bin/python3 build.py OUTPUT_DIR
Needs espeak-ng, sox and python3-pil (scripts/deps --authoring installs them).
The output is byte-identical from run to run: fixed voices and speed, no
dither, no time stamps, fixed JPEG settings, sorted iteration everywhere.
"""
import html
import os
import random
import subprocess
import sys
import tempfile
import wave

import skin

SRC = os.path.dirname(os.path.abspath(__file__))
RATE = 22050
SPEED = 140          # espeak-ng words per minute: slow, clear speech
LEAD_IN_MS = 150     # silence before the first phrase (belongs to phrase 1)
PAUSE_MS = 500       # silence after every phrase (belongs to that phrase)
TEMPLATE_MS = 200    # length of the recording template data/empty.wav

COURSE_TITLE = "English Steps — английский для начинающих"
TITLES = dict(
    title="English Steps",
    subtitle="Английский для начинающих",
    main_hint="Выберите урок в дереве слева и нажмите Run lesson — или дважды щёлкните по уроку.",
)
INTRO_GREETING = "Welcome to English Steps! Let's learn English together."

FONT_STACK = '"DejaVu Sans", Verdana, Tahoma, Arial, sans-serif'
BASE_CSS = """
body { margin: 0; padding: 18px 28px 28px 28px; background-color: #ffffff; color: #1d3557;
       font-family: %s; font-size: 15px; line-height: 1.5; }
h1 { font-size: 22px; margin: 0 0 2px 0; color: #1d3557; }
h2 { font-size: 17px; margin: 18px 0 6px 0; color: #2a9d8f; }
p { margin: 8px 0; }
.sub, .ru { color: #5c7185; font-size: 14px; margin: 0 0 12px 0; padding-bottom: 8px;
            border-bottom: 2px solid #2a9d8f; }
.tip { background-color: #eef6f5; border-left: 4px solid #2a9d8f; padding: 6px 10px; }
.note { background-color: #f4f7fa; border-left: 4px solid #f4b942; padding: 6px 10px; }
table.words { border-collapse: collapse; margin: 8px 0; }
table.words td { border-bottom: 1px solid #dde5ec; padding: 4px 16px 4px 0; vertical-align: top; }
table.words td:first-child { font-weight: bold; white-space: nowrap; }
""" % FONT_STACK

# The looks of the phrase classes; the player and the workshop switch them.
PHRASE_CSS = """
p.line { margin: 5px 0; }
a.num { color: #9aabbc; font-size: 11px; text-decoration: none; }
.who { color: #5c7185; font-weight: bold; font-size: 13px; }
.text { color: #1d3557; padding: 1px 3px; }
.comm { color: #2a6f97; font-style: italic; padding: 1px 3px; }
.instext { color: #1d3557; background-color: #ffe08a; padding: 1px 3px; }
.inscomm { color: #2a6f97; font-style: italic; background-color: #ffe08a; padding: 1px 3px; }
.cycle { color: #1d3557; background-color: #cdeee8; padding: 1px 3px; }
"""

# The look of a test page; "instext" marks a wrongly chosen option.
TEST_CSS = """
div.question { margin: 14px 0; padding: 8px 12px; background-color: #f4f7fa; border-radius: 6px; }
p.qtext { font-weight: bold; margin: 0 0 6px 0; }
p.option { margin: 3px 0 3px 12px; }
.opt { padding: 1px 4px; }
.instext { padding: 1px 4px; color: #a4161a; background-color: #ffd5d5; text-decoration: line-through; }
textarea { width: 95%%; font-family: %s; font-size: 15px; border: 1px solid #c6d2de; padding: 6px; }
input.line { width: 60%%; font-size: 15px; border: 1px solid #c6d2de; padding: 4px 6px; }
""" % (FONT_STACK,)


# --- writing files ----------------------------------------------------------

def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_lines(path, lines, errors="strict"):
    """A text file of the course: Windows-1251, every line ended by CR LF."""
    write_bytes(path, "".join(line + "\r\n" for line in lines).encode("cp1251", errors))


def write_page(path, title, body, css=""):
    page = "\n".join([
        '<!DOCTYPE HTML PUBLIC "-//W3C//DTD HTML 4.01 Transitional//EN">',
        "<html>", "<head>",
        '<meta http-equiv="Content-Type" content="text/html; charset=windows-1251">',
        "<title>%s</title>" % html.escape(title),
        '<style type="text/css">' + BASE_CSS + css + "</style>",
        "</head>", "<body>", body.strip("\n"), "</body>", "</html>",
    ])
    # A page may carry a sign that Windows-1251 lacks: it becomes a character reference.
    write_lines(path, page.split("\n"), errors="xmlcharrefreplace")


def esc(text):
    return html.escape(text, quote=False)


# --- reading sources --------------------------------------------------------

def source_lines(path):
    with open(path, encoding="utf-8") as f:
        return [line.rstrip("\n") for line in f if not line.startswith("#")]


def read_layout():
    values = {}
    for line in source_lines(os.path.join(SRC, "layout.txt")):
        fields = line.split("#")[0].split()
        if fields:
            values[int(fields[0])] = int(fields[1])
    if sorted(values) != list(range(len(values))):
        sys.exit("layout.txt: line numbers must run 0, 1, 2, ... without gaps")
    return [values[i] for i in range(len(values))]


def read_blocks(path):
    """Blank-line separated blocks of "key: value" lines."""
    blocks, block = [], {}
    for line in source_lines(path) + [""]:
        if not line.strip():
            if block:
                blocks.append(block)
            block = {}
            continue
        key, _, value = line.partition(":")
        block[key.strip()] = value.strip()
    return blocks


def read_header_and_items(path):
    """Header "key: value" lines up to the first empty line, then item lines."""
    header, items, in_items = {}, [], False
    for line in source_lines(path):
        if not in_items:
            if not line.strip():
                in_items = True
                continue
            key, _, value = line.partition(":")
            header[key.strip()] = value.strip()
        elif line.strip():
            items.append(line)
    return header, items


def read_lesson(name):
    header, items = read_header_and_items(os.path.join(SRC, "lessons", name + ".txt"))
    speakers = {}
    for key, value in header.items():
        if key.startswith("speaker "):
            names, voice, css_class = [part.strip() for part in value.split("|")]
            english, russian = [part.strip() for part in names.split("/")]
            speakers[key.split()[1]] = dict(en=english, ru=russian, voice=voice, css=css_class)
    phrases = []
    for line in items:
        tag, _, rest = line.partition(":")
        english, russian = [part.strip() for part in rest.split("|")]
        phrases.append(dict(speaker=speakers[tag.strip()], en=english, ru=russian))
    return header, phrases


def read_fragment(*parts):
    with open(os.path.join(SRC, *parts), encoding="utf-8") as f:
        body = f.read()
    start = body.index("<h1>") + 4
    return body[start:body.index("</h1>")], body


# --- sound ------------------------------------------------------------------

def run(*args):
    subprocess.run(args, check=True)


def speak(text, voice, path, tmp):
    """One phrase: spoken, leading and trailing silence cut off."""
    raw = os.path.join(tmp, "raw.wav")
    run("espeak-ng", "-v", voice, "-s", str(SPEED), "-w", raw, text)
    run("sox", "-R", "-D", raw, "-r", str(RATE), "-c", "1", "-b", "16", path,
        "silence", "1", "0.02", "0.5%", "reverse", "silence", "1", "0.02", "0.5%", "reverse")


def silence(path, ms):
    run("sox", "-R", "-D", "-r", str(RATE), "-c", "1", "-n", "-b", "16", path,
        "trim", "0", "%ds" % (RATE * ms // 1000))
    if frames(path) != RATE * ms // 1000:
        sys.exit("%s: silence of the wrong length" % path)


def frames(path):
    with wave.open(path) as w:
        if (w.getframerate(), w.getnchannels(), w.getsampwidth()) != (RATE, 1, 2):
            sys.exit("%s: not %d Hz mono 16 bit" % (path, RATE))
        return w.getnframes()


def record_lesson(phrases, out_wav, tmp):
    """Joins the phrases into one sound; returns the end mark of each phrase in ms."""
    lead, pause = os.path.join(tmp, "lead.wav"), os.path.join(tmp, "pause.wav")
    silence(lead, LEAD_IN_MS)
    silence(pause, PAUSE_MS)
    parts, ends, total = [lead], [], frames(lead)
    for n, phrase in enumerate(phrases, start=1):
        part = os.path.join(tmp, "phrase%d.wav" % n)
        speak(phrase["en"], phrase["speaker"]["voice"], part, tmp)
        parts += [part, pause]
        total += frames(part) + frames(pause)
        ends.append(total * 1000 // RATE)
    os.makedirs(os.path.dirname(out_wav), exist_ok=True)
    run("sox", "-R", "-D", *parts, out_wav)
    if frames(out_wav) != total:
        sys.exit("%s: joined length differs from the sum of its parts" % out_wav)
    return ends


# --- pages ------------------------------------------------------------------

def phrase_page(header, phrases, russian):
    """A lesson text page (or its translation): phrase N is the element "tN",
    its reveal anchor "aN" links to a spot a little above the phrase, so the
    phrase comes into view with the line before it."""
    lang = "ru" if russian else "en"
    title = header["title_ru"] if russian else header["title"]
    intro = header["intro_ru"] if russian else header["intro"]
    sub = header["title"] if russian else header["title_ru"]
    rows, last_speaker = [], None
    for n, phrase in enumerate(phrases, start=1):
        speaker = phrase["speaker"]
        who = ""
        if speaker is not last_speaker:
            who = '<span class="who">%s:</span> ' % esc(speaker[lang])
        last_speaker = speaker
        targets = "".join('<a name="p%d" id="p%d"></a>' % (k, k)
                          for k in range(1, len(phrases) + 1) if max(1, k - 1) == n)
        rows.append('<p class="line">%s<a id="a%d" class="num" href="#p%d">%d</a> %s'
                    '<span id="t%d" class="%s">%s</span></p>'
                    % (targets, n, n, n, who, n, speaker["css"], esc(phrase[lang])))
    body = "<h1>%s</h1>\n<p class=\"sub\">%s</p>\n<p><i>%s</i></p>\n%s" % (
        esc(title), esc(sub), esc(intro), "\n".join(rows))
    return title, body


def task_page(name):
    header, items = read_header_and_items(os.path.join(SRC, "pages", name + ".txt"))
    kind = header["type"]
    parts = ["<h1>%s</h1>" % esc(header["title"]), '<p class="sub">%s</p>' % esc(header["title_ru"]),
             '<p class="note">%s</p>' % esc(header["note"])]
    if kind == "choice":
        parts.append("<form>")
        option_number, question = 0, 0
        input_type = "radio"
        for line in items + ["?"]:
            mark, text = line[0], line[1:].strip()
            if mark == "?":
                if question:
                    parts.append("</div>")
                if not text:
                    break
                # "?*": several right options, chosen with check boxes.
                input_type = "checkbox" if text.startswith("*") else "radio"
                text = text.lstrip("*").strip()
                question += 1
                parts.append('<div class="question"><p class="qtext">%d. %s</p>' % (question, esc(text)))
            else:
                option_number += 1
                parts.append('<p class="option"><input type="%s" name="question%d" id="q%d" '
                             'rtype="%s"> <label for="q%d"><span id="f%d" class="opt">%s</span>'
                             '</label></p>' % (input_type, question, option_number, "1" if mark == "+" else "0",
                                                option_number, option_number, esc(text)))
        parts.append("</form>")
    elif kind == "free":
        parts.append("<form>")
        areas = sum(1 for line in items if not line[1:].startswith("_"))
        for n, line in enumerate(items, start=1):
            task = line[1:]
            parts.append('<p class="qtext"><b>%d.</b> %s</p>' % (n, esc(task.lstrip("_").strip())))
            if task.startswith("_"):
                # "?_": a short answer in a one-line text field.
                parts.append('<p><input type="text" class="line" name="answer%d" size="40"></p>' % n)
            else:
                rows = 12 if areas == 1 else 4
                parts.append('<p><textarea name="answer%d" rows="%d" cols="70"></textarea></p>' % (n, rows))
        parts.append("</form>")
    elif kind == "speak":
        parts.append('<p class="line"><a name="p1" id="p1"></a><a id="a1" class="num" href="#p1">&#9658;</a> '
                     '<span id="t1" class="text"><b>%s</b></span></p>' % esc(header["task"]))
        parts.append("<ol>%s</ol>" % "".join("<li>%s</li>" % esc(q.strip()) for q in header["plan"].split("|")))
        parts.append('<p class="tip">%s</p>' % esc(header["after"]))
    else:
        sys.exit("pages/%s.txt: unknown type %r" % (name, kind))
    css = PHRASE_CSS if kind == "speak" else TEST_CSS
    return header["title"], "\n".join(parts), css


def sorting_lines(name):
    """The word file: the pool (both lists mixed), then the first target list,
    then the second. Every empty line that closes a section is itself taken as
    the last item of its section, so the file ends right after the second list:
    the pool then ends with one blank row, which belongs to the first list."""
    header, _ = read_header_and_items(os.path.join(SRC, "sorting", name + ".txt"))
    first = [w.strip() for w in header["list1"].split("|")]
    second = [w.strip() for w in header["list2"].split("|")]
    pool = first + second
    random.Random(name).shuffle(pool)
    return pool + [""] + first + [""] + second


# --- the course -------------------------------------------------------------

def build(out):
    layout = read_layout()
    nodes = read_blocks(os.path.join(SRC, "course.txt"))
    data = os.path.join(out, "data")
    lessons_done = {}

    with tempfile.TemporaryDirectory() as tmp:
        def lesson(name):
            if name not in lessons_done:
                header, phrases = read_lesson(name)
                ends = record_lesson(phrases, os.path.join(data, "sound", name + ".wav"), tmp)
                write_lines(os.path.join(data, "marks", name + ".txt"), [str(e) for e in ends])
                for russian, file_name in ((False, name + ".htm"), (True, name + "_ru.htm")):
                    title, body = phrase_page(header, phrases, russian)
                    write_page(os.path.join(data, "text", file_name), title, body, PHRASE_CSS)
                lessons_done[name] = True
            return name

        catalogue = {key: [] for key in ("main", "sound", "name", "text", "trans", "descr",
                                         "time", "zagol", "zmarks")}
        tree = []
        for node in nodes:
            kind = node.get("kind", "")
            entry = dict(main=kind, sound="", name=node["node"], text="", trans="",
                         descr=node["descr"] + ".htm", time=node.get("time", "0"),
                         zagol=node.get("caption", ""), zmarks="")
            if "lesson" in node:
                name = lesson(node["lesson"])
                entry["text"] = name + ".htm"
                if kind in ("1", "2", "11"):
                    entry["sound"] = name + ".wav"
                if kind in ("1", "2", "3", "11"):
                    entry["zmarks"] = name + ".txt"
                if kind in ("2", "4"):
                    entry["trans"] = name + "_ru.htm"
            if "page" in node:
                title, body, css = task_page(node["page"])
                entry["text"] = node["page"] + ".htm"
                write_page(os.path.join(data, "text", entry["text"]), title, body, css)
            if "words" in node:
                entry["text"] = node["words"] + ".txt"
                write_lines(os.path.join(data, "text", entry["text"]), sorting_lines(node["words"]))
            for key in catalogue:
                catalogue[key].append(entry[key])
            tree.append("\t" * int(node["depth"]) + node["node"])

        for file_name in sorted(os.listdir(os.path.join(SRC, "descr"))):
            title, body = read_fragment("descr", file_name)
            write_page(os.path.join(data, "descr", file_name), title, body)
        for file_name in sorted(os.listdir(os.path.join(SRC, "help"))):
            title, body = read_fragment("help", file_name)
            write_page(os.path.join(out, "help", file_name), title, body)

        # The recording template, a fresh own recording and its empty marks:
        # a learner who opens "Listen to yourself" first is told that there is
        # no recording yet instead of meeting a missing file.
        silence(os.path.join(data, "empty.wav"), TEMPLATE_MS)
        silence(os.path.join(data, "temp.wav"), TEMPLATE_MS)
        write_bytes(os.path.join(data, "umarks.txt"), b"")
        speak(INTRO_GREETING, "en-gb+f3", os.path.join(data, "intro.wav"), tmp)

    for key, lines in catalogue.items():
        write_lines(os.path.join(out, key + ".mtp"), lines)
    write_lines(os.path.join(out, "main.mrb"), tree)
    write_lines(os.path.join(out, "main.dsg"), [str(v) for v in layout])
    write_lines(os.path.join(out, "main.rbp"), ["English Steps"])
    write_lines(os.path.join(out, "wind.mtp"), [
        COURSE_TITLE, "intro.jpg", "True",
        "Введение", "intro.htm", "True",
        "О курсе", "about.htm", "True",
    ])
    write_lines(os.path.join(out, "Strings.ini"), source_lines(os.path.join(SRC, "strings.ini")))

    gdata = os.path.join(out, "gdata")
    os.makedirs(gdata, exist_ok=True)
    for file_name, picture in sorted(skin.draw_all(layout, TITLES).items()):
        skin.save_jpeg(picture, os.path.join(gdata, file_name))
    intro = skin.draw_intro(layout[50], layout[51], TITLES["title"], TITLES["subtitle"],
                            "Щёлкните по картинке, чтобы продолжить · Click to continue")
    skin.save_jpeg(intro, os.path.join(data, "descr", "intro.jpg"))


if __name__ == "__main__":
    if len(sys.argv) != 2:
        sys.exit("usage: build.py OUTPUT_DIR")
    build(sys.argv[1])
