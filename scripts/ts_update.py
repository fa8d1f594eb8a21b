#!/usr/bin/env python3
"""Keeps the Qt Linguist files in translations/ in step with the program's texts.

    ts_update.py TEXTS TS_FILE...          writes every TS_FILE: each text of TEXTS (lines "context<TAB>text" from
                                           tarvolin-texts) with its translation kept (also when it moved to another
                                           context), new texts unfinished, texts the program no longer shows dropped
    ts_update.py --check TEXTS TS_FILE...  says what is not finished (a text without a finished translation, a
                                           translation of a text the program no longer shows) and fails if anything is
"""
import sys
import xml.etree.ElementTree as ET


def unescape(s):
    out, i = [], 0
    while i < len(s):
        if s[i] == "\\" and i + 1 < len(s):
            out.append({"t": "\t", "n": "\n", "r": "\r", "\\": "\\"}.get(s[i + 1], s[i + 1]))
            i += 2
        else:
            out.append(s[i])
            i += 1
    return "".join(out)


def read_texts(path):
    texts = []
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.rstrip("\n")
            if not line:
                continue
            fields = line.split("\t")
            texts.append((unescape(fields[0]), unescape(fields[1]), fields[2:] == ["n"]))
    return texts


def read_ts(path):
    """{(context, source): (translation, finished)} and the file's language; a plural text's translation is the list
    of its forms."""
    entries, language = {}, None
    try:
        root = ET.parse(path).getroot()
    except (OSError, ET.ParseError):
        return entries, language
    language = root.get("language")
    for ctx in root.findall("context"):
        name = ctx.findtext("name") or ""
        for msg in ctx.findall("message"):
            source = msg.findtext("source") or ""
            tr = msg.find("translation")
            if msg.get("numerus") == "yes":
                text = [f.text or "" for f in tr.findall("numerusform")] if tr is not None else []
                filled = bool(text) and all(text)
            else:
                text = (tr.text or "") if tr is not None else ""
                filled = text != ""
            finished = tr is not None and tr.get("type") not in ("unfinished", "vanished", "obsolete") and filled
            entries[(name, source)] = (text, finished)
    return entries, language


def esc(s):
    s = s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;").replace('"', "&quot;")
    return s.replace("\r", "&#xd;").replace("\t", "&#x9;")


# The plural forms each language's rules have (Qt Linguist's numerus forms): one and other.
PLURAL_FORMS = {"de": 2, "fr": 2, "es": 2}


def write_ts(path, language, texts, old):
    lines = ['<?xml version="1.0" encoding="utf-8"?>', "<!DOCTYPE TS>",
             '<TS version="2.1" language="%s" sourcelanguage="en_US">' % language]
    # A text that moved to another context keeps the translation it had in the context it left.
    wanted = {(c, t) for c, t, _ in texts}
    moved = {source: old[(c, source)] for c, source in old if (c, source) not in wanted}
    by_context = {}
    for context, text, plural in texts:
        by_context.setdefault(context, []).append((text, plural))
    for context in sorted(by_context):
        lines += ["<context>", "    <name>%s</name>" % esc(context)]
        for source, plural in by_context[context]:
            translation, finished = old.get((context, source), moved.get(source, ("", False)))
            kind = "" if finished else ' type="unfinished"'
            if plural:
                forms = translation if isinstance(translation, list) else []
                forms = forms + [""] * (PLURAL_FORMS.get(language.split("_")[0], 2) - len(forms))
                lines += ['    <message numerus="yes">', "        <source>%s</source>" % esc(source),
                          "        <translation%s>" % kind]
                lines += ["            <numerusform>%s</numerusform>" % esc(f) for f in forms]
                lines += ["        </translation>", "    </message>"]
                continue
            if isinstance(translation, list):
                translation, kind = "", ' type="unfinished"'
            lines += ["    <message>", "        <source>%s</source>" % esc(source),
                      "        <translation%s>%s</translation>" % (kind, esc(translation)), "    </message>"]
        lines.append("</context>")
    lines.append("</TS>")
    with open(path, "w", encoding="utf-8") as f:
        f.write("\n".join(lines) + "\n")


def main(argv):
    check = argv[:1] == ["--check"]
    if check:
        argv = argv[1:]
    if len(argv) < 2:
        print(__doc__, file=sys.stderr)
        return 2
    plural = {}
    for c, t, p in read_texts(argv[0]):
        plural[(c, t)] = plural.get((c, t), False) or p
    texts = sorted((c, t, p) for (c, t), p in plural.items())
    problems = 0
    for path in argv[1:]:
        old, language = read_ts(path)
        if check:
            wanted = set(plural)
            for key in plural:
                translation, finished = old.get(key, ("", False))
                if finished and plural[key] != isinstance(translation, list):
                    print("%s: %s: [%s] %r" % (path, "needs plural forms" if plural[key] else "has plural forms",
                                               key[0], key[1]))
                    problems += 1
                elif not finished:
                    print("%s: not translated: [%s] %r" % (path, key[0], key[1]))
                    problems += 1
            for key in old:
                if key not in wanted:
                    print("%s: translates a text the program no longer shows: [%s] %r" % (path, key[0], key[1]))
                    problems += 1
        else:
            language = language or path.rsplit("_", 1)[-1].split(".")[0]
            write_ts(path, language, texts, old)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1:]))
