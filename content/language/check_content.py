#!/usr/bin/env python3
"""Checks the language content against its catalogues.

For every language folder (two capital letters) beside this script:
  - tokens.txt parses as a token list: comments, "number=text" lines, numbers
    1 to 1600, no number twice; every catalogued token has a text (optional
    tokens may be empty, reserved ones must be), no uncatalogued numbers;
    placeholders, "&" access letters and length limits agree with the
    catalogue and with the UK texts;
  - <code>.INI holds every section and key of ini_keys.tsv with a non-empty
    value and nothing else, with the placeholders ("%1") of the key's
    Default; dictionary keys resolve to the intended section
    (the dictionary keeps the first line of a key, whatever its section);
  - tips.txt has at least 30 tips, one a line.
Access letters must be unique within each menu or dialog group.

Usage: check_content.py [LANGUAGE_DIR]   (default: the script's folder)
Exit status 0 when everything passes, 1 otherwise.
"""
import os
import re
import sys
from collections import Counter, defaultdict

MAX_TOKEN = 1600
MIN_TIPS = 30
DICTIONARY_VALUE_LIMIT = 100
REFERENCE = "UK"
NEEDS = {"required", "optional", "empty"}
ACCESSES = {"section", "dictionary", "dictionary-shadowed"}

FORMAT_PLACEHOLDER = re.compile(r"%([1-9])")
TEXT_PLACEHOLDER = re.compile(r"% ?[XZ][1-6]?|%PS|%DR")


class Report:
    def __init__(self):
        self.errors = []

    def error(self, where, what):
        self.errors.append(f"{where}: {what}")


def read_lines(path):
    with open(path, encoding="utf-8") as f:
        text = f.read()
    if text.startswith("\ufeff"):
        text = text[1:]
    return text.replace("\r\n", "\n").replace("\r", "\n").split("\n")


def read_tsv(path, columns, report):
    lines = [l for l in read_lines(path) if l != ""]
    header = lines[0].split("\t")
    if header != columns:
        report.error(path, f"header is {header}, expected {columns}")
        return []
    rows = []
    for number, line in enumerate(lines[1:], start=2):
        fields = line.split("\t")
        if len(fields) != len(columns):
            report.error(f"{path}:{number}", f"{len(fields)} fields, expected {len(columns)}")
            continue
        rows.append((number, dict(zip(columns, fields))))
    return rows


def visible_length(text):
    """Length as shown: an access-letter "&" takes no room, "&&" shows one "&"."""
    return len(text.replace("&&", "\x00").replace("&", "").replace("\x00", "&"))


def access_letters(text):
    """The characters that follow a single "&"."""
    return [m.group(1) for m in re.finditer(r"(?<!&)&([^&])", text.replace("&&", "\x00\x00"))]


def format_placeholders(text):
    return set(FORMAT_PLACEHOLDER.findall(text))


def text_placeholders(text):
    return set(TEXT_PLACEHOLDER.findall(text))


def unquote(text):
    if text.startswith('"'):
        text = text[1:]
        if text.endswith('"'):
            text = text[:-1]
    return text


# --- catalogues ---------------------------------------------------------------

def load_token_catalogue(path, report):
    columns = ["Token", "Meaning", "ShownWhere", "Arguments", "Need", "MaxLen", "AccelGroup"]
    catalogue = {}
    for line, row in read_tsv(path, columns, report):
        where = f"{path}:{line}"
        if not row["Token"].isdigit() or not 1 <= int(row["Token"]) <= MAX_TOKEN:
            report.error(where, f"token number {row['Token']!r} is not 1 to {MAX_TOKEN}")
            continue
        token = int(row["Token"])
        if token in catalogue:
            report.error(where, f"token {token} catalogued twice")
        if row["Need"] not in NEEDS:
            report.error(where, f"Need {row['Need']!r} is not one of {sorted(NEEDS)}")
        if row["MaxLen"] and not row["MaxLen"].isdigit():
            report.error(where, f"MaxLen {row['MaxLen']!r} is not a number")
        if not row["Meaning"]:
            report.error(where, "no Meaning")
        row["args"] = format_placeholders(row["Arguments"])
        catalogue[token] = row
    return catalogue


def load_ini_catalogue(path, report):
    columns = ["Section", "Key", "Default", "Access", "ReadBy", "Meaning", "MaxLen", "AccelGroup"]
    catalogue = []
    seen = set()
    for line, row in read_tsv(path, columns, report):
        where = f"{path}:{line}"
        ident = (row["Section"].upper(), row["Key"].upper())
        if ident in seen:
            report.error(where, f"[{row['Section']}] {row['Key']} catalogued twice")
        seen.add(ident)
        if row["Access"] not in ACCESSES:
            report.error(where, f"Access {row['Access']!r} is not one of {sorted(ACCESSES)}")
        if row["MaxLen"] and not row["MaxLen"].isdigit():
            report.error(where, f"MaxLen {row['MaxLen']!r} is not a number")
        catalogue.append(row)
    return catalogue


# --- language files -------------------------------------------------------------

def parse_token_list(path, report):
    """Token number -> text, read the way the program reads a token list."""
    tokens = {}
    for number, raw in enumerate(read_lines(path), start=1):
        where = f"{path}:{number}"
        if raw == "" or raw.startswith(";"):
            continue
        line = raw.strip(" \t")
        if line.startswith(";"):
            report.error(where, "';' after blanks: only a line that begins with ';' is a comment")
            continue
        if "=" not in line:
            report.error(where, "line without '=' (the program would ignore it)")
            continue
        key, text = line.split("=", 1)
        key = key.strip(" \t")
        if not key.isdigit():
            report.error(where, f"token number {key!r} is not a decimal number")
            continue
        token = int(key)
        if not 1 <= token <= MAX_TOKEN:
            report.error(where, f"token number {token} is outside 1 to {MAX_TOKEN}")
            continue
        if token in tokens:
            report.error(where, f"token {token} occurs twice")
        text = text.strip(" \t")
        if text.startswith('"') and (len(text) < 2 or not text.endswith('"')):
            report.error(where, "text opens a double quote but does not close it")
        tokens[token] = unquote(text)
    return tokens


def parse_ini(path, report):
    """Returns (sections, dictionary).

    sections: upper-cased section -> upper-cased key -> (key, raw value, line).
    dictionary: upper-cased key -> (section, value), first occurrence kept,
    built line by line as the program builds its language dictionary.
    """
    sections = {}
    dictionary = {}
    current = None
    for number, raw in enumerate(read_lines(path), start=1):
        where = f"{path}:{number}"
        if raw.startswith("["):
            if not raw.endswith("]"):
                report.error(where, "section line without ']'")
            current = raw[1:-1] if raw.endswith("]") else raw[1:]
            if current.upper() in sections:
                report.error(where, f"section [{current}] occurs twice")
            sections.setdefault(current.upper(), {})
            continue
        if raw.strip() == "":
            continue
        if raw.startswith(";"):
            if "=" in raw:
                report.error(where, "comment holds '=' (the dictionary would read it as a key)")
            continue
        if "=" not in raw:
            report.error(where, "line without '='")
            continue
        key, value = raw.split("=", 1)
        if key != key.strip() or (value != value.lstrip() and not value.startswith('"')):
            report.error(where, "blank around '='")
        if current is None:
            report.error(where, "key before the first section")
            continue
        keys = sections[current.upper()]
        if key.upper() in keys:
            report.error(where, f"key {key} occurs twice in [{current}]")
        keys[key.upper()] = (key, value, number)
        if value.startswith('"') and (len(value) < 2 or not value.endswith('"')):
            report.error(where, "value opens a double quote but does not close it")
        dict_value = value[:DICTIONARY_VALUE_LIMIT]
        if dict_value.startswith('"'):
            dict_value = dict_value[1:-1]
        dictionary.setdefault(key.upper(), (current, dict_value))
    return sections, dictionary


def read_tips(path, report):
    lines = read_lines(path)
    if lines and lines[-1] == "":
        lines = lines[:-1]
    for number, line in enumerate(lines, start=1):
        if line.strip() == "":
            report.error(f"{path}:{number}", "empty line")
        if "\t" in line:
            report.error(f"{path}:{number}", "tab in a tip")
    tips = [l for l in lines if l.strip()]
    for tip, count in Counter(tips).items():
        if count > 1:
            report.error(path, f"tip occurs {count} times: {tip[:60]}")
    if len(tips) < MIN_TIPS:
        report.error(path, f"{len(tips)} tips, at least {MIN_TIPS} needed")
    return tips


# --- checks -------------------------------------------------------------------------

def check_text(where, text, reference, max_len, expected_args, report):
    """Checks shared by token texts and INI values."""
    if max_len and visible_length(text) > int(max_len):
        report.error(where, f"{visible_length(text)} characters, at most {max_len}: {text!r}")
    args = format_placeholders(text)
    if expected_args is not None and args != expected_args:
        report.error(where, f"placeholders {sorted(args)} but the catalogue lists {sorted(expected_args)}")
    if reference is not None:
        if args != format_placeholders(reference):
            report.error(where, f"placeholders {sorted(args)} differ from {REFERENCE} {sorted(format_placeholders(reference))}")
        if text_placeholders(text) != text_placeholders(reference):
            report.error(where, f"interpretation placeholders {sorted(text_placeholders(text))} differ from "
                                f"{REFERENCE} {sorted(text_placeholders(reference))}")
        if len(access_letters(text)) != len(access_letters(reference)):
            report.error(where, f"{len(access_letters(text))} '&' access letters, {REFERENCE} has "
                                f"{len(access_letters(reference))}: {text!r}")
    if len(access_letters(text)) > 1:
        report.error(where, f"more than one '&' access letter: {text!r}")


def check_tokens(code, path, tokens, catalogue, reference, groups, report):
    for token in sorted(set(tokens) - set(catalogue)):
        report.error(path, f"token {token} is not in the catalogue")
    for token, row in sorted(catalogue.items()):
        where = f"{path}: token {token}"
        text = tokens.get(token, "")
        need = row["Need"]
        if need == "empty":
            if text:
                report.error(where, f"must stay empty, holds {text!r}")
            continue
        if not text:
            if need == "required":
                report.error(where, "missing or empty")
            continue
        ref = None if reference is None else reference.get(token, "")
        check_text(where, text, ref or None, row["MaxLen"], row["args"] if code == REFERENCE else None, report)
        if row["AccelGroup"]:
            groups[row["AccelGroup"]].append((f"token {token}", text))
    letters = {t: tokens.get(t, "") for t in (168, 169, 170, 171)}
    if letters[168] == letters[169] or letters[170] == letters[171]:
        report.error(path, f"hemisphere letters not distinct: {letters}")
    weekdays = tokens.get(204, "")
    if len(weekdays.split()) != 7 or len(weekdays) > 120:
        report.error(f"{path}: token 204", "needs seven blank-separated names within 120 characters")


def check_ini(code, path, sections, dictionary, catalogue, reference, groups, report):
    listed = defaultdict(set)
    for row in catalogue:
        sec, key = row["Section"], row["Key"]
        listed[sec.upper()].add(key.upper())
        where = f"{path}: [{sec}] {key}"
        entry = sections.get(sec.upper(), {}).get(key.upper())
        if entry is None:
            report.error(where, "missing")
            continue
        written_key, raw, _ = entry
        if written_key != key:
            report.error(where, f"key written as {written_key!r}")
        access = row["Access"]
        if access == "section" and raw.startswith('"'):
            report.error(where, "a value read by section must not be quoted")
        value = raw if access == "section" else unquote(raw)
        if not value:
            report.error(where, "empty")
            continue
        if access != "section" and len(raw) > DICTIONARY_VALUE_LIMIT:
            report.error(where, f"longer than the dictionary's {DICTIONARY_VALUE_LIMIT} characters")
        winner = dictionary.get(key.upper(), ("", ""))[0]
        if access == "dictionary" and winner.upper() != sec.upper():
            report.error(where, f"the dictionary reads this key from [{winner}] first")
        if access == "dictionary-shadowed" and winner.upper() == sec.upper():
            report.error(where, "marked shadowed but the dictionary reads it from here")
        ref = None
        if reference is not None:
            ref_entry = reference.get(sec.upper(), {}).get(key.upper())
            ref = None if ref_entry is None else (ref_entry[1] if access == "section" else unquote(ref_entry[1]))
        check_text(where, value, ref, row["MaxLen"], format_placeholders(row["Default"]) if code == REFERENCE else None, report)
        if row["AccelGroup"]:
            groups[row["AccelGroup"]].append((f"[{sec}] {key}", value))
    for sec_upper, keys in sections.items():
        for key_upper, (key, _, line) in keys.items():
            if key_upper not in listed.get(sec_upper, set()):
                report.error(f"{path}:{line}", f"key {key} of [{sec_upper}] is not in the catalogue")


def check_groups(code, groups, report):
    for group, entries in sorted(groups.items()):
        seen = defaultdict(list)
        for name, text in entries:
            for letter in access_letters(text):
                seen[letter.casefold()].append(name)
        for letter, names in seen.items():
            if len(names) > 1:
                report.error(f"{code}: {group}", f"access letter {letter!r} used by {', '.join(names)}")


def main():
    base = os.path.abspath(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
    report = Report()
    token_catalogue = load_token_catalogue(os.path.join(base, "tokens.tsv"), report)
    ini_catalogue = load_ini_catalogue(os.path.join(base, "ini_keys.tsv"), report)

    needs = Counter(row["Need"] for row in token_catalogue.values())
    formats = sorted(t for t, row in token_catalogue.items() if row["args"])
    accesses = Counter(row["Access"] for row in ini_catalogue)
    print(f"catalogue: {len(token_catalogue)} tokens ({needs['required']} required, "
          f"{needs['optional']} optional, {needs['empty']} reserved empty); "
          f"{len(formats)} take arguments: {', '.join(map(str, formats))}")
    print(f"catalogue: {len(ini_catalogue)} INI keys in "
          f"{len({r['Section'].upper() for r in ini_catalogue})} sections "
          f"({accesses['section']} read by section, "
          f"{accesses['dictionary'] + accesses['dictionary-shadowed']} through the dictionary)")

    codes = sorted(d for d in os.listdir(base)
                   if re.fullmatch(r"[A-Z]{2}", d) and os.path.isdir(os.path.join(base, d)))
    if REFERENCE not in codes:
        report.error(base, f"no {REFERENCE} folder")
    codes.sort(key=lambda c: c != REFERENCE)  # the reference first
    reference_tokens = reference_ini = None
    for code in codes:
        folder = os.path.join(base, code)
        paths = {name: os.path.join(folder, name) for name in ("tokens.txt", f"{code}.INI", "tips.txt")}
        missing = [name for name, p in paths.items() if not os.path.isfile(p)]
        if missing:
            report.error(folder, f"missing {', '.join(missing)}")
            continue
        before = len(report.errors)
        groups = defaultdict(list)
        tokens = parse_token_list(paths["tokens.txt"], report)
        check_tokens(code, paths["tokens.txt"], tokens, token_catalogue, reference_tokens, groups, report)
        sections, dictionary = parse_ini(paths[f"{code}.INI"], report)
        check_ini(code, paths[f"{code}.INI"], sections, dictionary, ini_catalogue, reference_ini, groups, report)
        check_groups(code, groups, report)
        tips = read_tips(paths["tips.txt"], report)
        with_text = sum(1 for t in token_catalogue if tokens.get(t))
        keys = sum(len(k) for k in sections.values())
        status = "ok" if len(report.errors) == before else f"{len(report.errors) - before} errors"
        print(f"{code}: {with_text} tokens with text, {keys} INI keys in {len(sections)} sections, "
              f"{len(dictionary)} dictionary entries, {len(tips)} tips, "
              f"{sum(len(v) for v in groups.values())} access letters in {len(groups)} groups: {status}")
        if code == REFERENCE:
            reference_tokens, reference_ini = tokens, sections

    for line in report.errors:
        print("ERROR " + line)
    print(f"{len(codes)} languages checked, {len(report.errors)} errors")
    return 1 if report.errors else 0


if __name__ == "__main__":
    sys.exit(main())
