#!/usr/bin/python3
"""Builds the symbol fonts VYNS.TTF and VYNSS.TTF of the family "VYN Sans Serif".

The fonts are DejaVu Sans (regular and bold) with every symbol byte b of the
program's character tables added as the character U+F000 + b, so that text in
the same font stays ordinary.  Astrological symbols are also mapped at their
own Unicode points.  Symbols DejaVu Sans lacks come from Symbola, scaled,
centred and weighted to match DejaVu's own symbols; angle labels are composed
of DejaVu's letters.  In the bold face every symbol is heavier than in
the regular one by the same stroke increment: where DejaVu Sans Bold draws a
symbol no heavier, a widened copy takes its place.

Also writes symbol_bytes.tsv (the table below) and the licence texts of the
source fonts.  The output is reproducible: the same sources give the same
bytes.

Needs Debian's python3-fonttools, fonts-dejavu-core and fonts-symbola; only
regeneration needs them, the build uses the committed files.

    tools/fonts/make_symbol_fonts.py [--out DIR]     (default: content/fonts)
"""

import argparse
import math
import os
import statistics
import sys
from dataclasses import dataclass

from fontTools.pens.areaPen import AreaPen
from fontTools.pens.boundsPen import BoundsPen
from fontTools.pens.perimeterPen import PerimeterPen
from fontTools.pens.recordingPen import DecomposingRecordingPen
from fontTools.pens.transformPen import TransformPen
from fontTools.pens.ttGlyphPen import TTGlyphPen
from fontTools.ttLib import TTFont
from fontTools.ttLib.tables._g_l_y_f import flagOverlapSimple

DEJAVU_DIR = "/usr/share/fonts/truetype/dejavu"
SYMBOLA_FILE = "/usr/share/fonts/truetype/ancient-scripts/Symbola_hint.ttf"
SYMBOLA_COPYRIGHT = "/usr/share/doc/fonts-symbola/copyright"
SOURCES = {  # file: the Debian package that installs it
    os.path.join(DEJAVU_DIR, "DejaVuSans.ttf"): "fonts-dejavu-core",
    os.path.join(DEJAVU_DIR, "DejaVuSans-Bold.ttf"): "fonts-dejavu-core",
    SYMBOLA_FILE: "fonts-symbola",
    SYMBOLA_COPYRIGHT: "fonts-symbola",
}

FAMILY = "VYN Sans Serif"
POSTSCRIPT_FAMILY = "VYNSansSerif"
PRIVATE_BASE = 0xF000
SYMBOLA_NAME = "Symbola"
LETTERS_SOURCE = "DejaVu Sans letters"


@dataclass(frozen=True)
class Face:
    file_name: str      # output file
    base_file: str      # DejaVu source
    style: str          # name table subfamily
    bold: bool


FACES = [
    Face("VYNS.TTF", "DejaVuSans.ttf", "Regular", False),
    Face("VYNSS.TTF", "DejaVuSans-Bold.ttf", "Bold", True),
]


@dataclass(frozen=True)
class Symbol:
    byte: int           # symbol byte of the character tables
    table: str          # body, sign, aspect, angle, mark
    index: str          # index (or indexes) in that table
    code: str           # body, sign or angle code; aspect angle in degrees
    meaning: str
    glyph: object       # a Unicode code point, or the letters to compose

    @property
    def private_point(self):
        return PRIVATE_BASE + self.byte


def _table(table, codes, names, glyphs, bytes_):
    return [Symbol(b, table, str(i), c, n, g)
            for i, (b, c, n, g) in enumerate(zip(bytes_, codes, names, glyphs))]


BODIES = _table(
    "body",
    "SU MO ME VE MA JU SA UR NE PL NN SN".split(),
    ["Sun", "Moon", "Mercury", "Venus", "Mars", "Jupiter", "Saturn",
     "Uranus", "Neptune", "Pluto", "North Node", "South Node"],
    [0x2609, 0x263D, 0x263F, 0x2640, 0x2642, 0x2643, 0x2644, 0x2645,
     0x2646, 0x2647, 0x260A, 0x260B],
    [0xB8, 0x9B, 0xBE, 0xB1, 0xA1, 0xA5, 0x97, 0x86, 0x87, 0x88, 0xA8, 0x82])

SIGNS = _table(
    "sign",
    "AR TA GE CN LE VI LI SC SG CP AQ PI".split(),
    ["Aries", "Taurus", "Gemini", "Cancer", "Leo", "Virgo", "Libra",
     "Scorpio", "Sagittarius", "Capricorn", "Aquarius", "Pisces"],
    list(range(0x2648, 0x2654)),
    [0xF7, 0x9A, 0xD0, 0x98, 0xAC, 0xAA, 0xAB, 0x85, 0x7D, 0x83, 0x8B, 0x8A])

# Aspect glyphs by aspect index (the aspect angle in steps of 15 degrees).
# Indexes 1, 5, 7 and 11 are no aspects and share "#"; index 13 (195
# degrees) is no aspect either and is drawn with the same mark.
ASPECTS = [
    Symbol(0xB4, "aspect", "0", "0", "conjunction", 0x260C),
    Symbol(0x23, "aspect", "1,5,7,11", "15,75,105,165", "no aspect", 0x0023),
    Symbol(0xDE, "aspect", "2", "30", "semi-sextile", 0x26BA),
    Symbol(0xBC, "aspect", "3", "45", "semi-square", 0x2220),
    Symbol(0xB5, "aspect", "4", "60", "sextile", 0x26B9),
    Symbol(0xB9, "aspect", "6", "90", "square", 0x25A1),
    Symbol(0xBA, "aspect", "8", "120", "trine", 0x25B3),
    Symbol(0xA4, "aspect", "9", "135", "sesquiquadrate", 0x26BC),
    Symbol(0xAD, "aspect", "10", "150", "quincunx", 0x26BB),
    Symbol(0xAF, "aspect", "12", "180", "opposition", 0x260D),
    Symbol(0x8D, "aspect", "13", "195", "no aspect", 0x0023),
]

# Angle glyphs by cusp number; their bytes are brackets and a bar in plain
# text, so the symbols are the usual abbreviations.
ANGLES = [
    Symbol(0x7C, "angle", "1", "AS", "Ascendant", "AC"),
    Symbol(0x5D, "angle", "4", "IC", "Imum Coeli", "IC"),
    Symbol(0xFE, "angle", "7", "DS", "Descendant", "DC"),
    Symbol(0x5B, "angle", "10", "MC", "Midheaven", "MC"),
]

# Marks of the symbol index 37 and 38.
MARKS = [
    Symbol(0xB6, "mark", "37", "", "retrograde", 0x211E),
    Symbol(0x3E, "mark", "38", "", "further mark", 0x003E),
]

SYMBOLS = BODIES + SIGNS + ASPECTS + ANGLES + MARKS

# Symbols that both DejaVu Sans and Symbola have: they fix the scale,
# centre line and stroke weight that glyphs taken from Symbola get.
REFERENCE_POINTS = [s.glyph for s in BODIES + SIGNS] + [0x260C, 0x260D]


def check_sources():
    missing = [f"{path} (package {package})" for path, package in SOURCES.items()
               if not os.path.isfile(path)]
    if missing:
        raise SystemExit("missing source files:\n  " + "\n  ".join(missing))


def check_table(symbols):
    """Each byte once, and none below the blank."""
    seen = {}
    for s in symbols:
        if s.byte in seen:
            raise SystemExit(f"byte {s.byte:02X} twice: {seen[s.byte]} and {s.meaning}")
        if not 0x20 <= s.byte <= 0xFF:
            raise SystemExit(f"byte {s.byte:02X} of {s.meaning} is outside 20..FF")
        seen[s.byte] = s.meaning


# --- outline measures -------------------------------------------------------

def record(glyph_set, name):
    pen = DecomposingRecordingPen(glyph_set)
    glyph_set[name].draw(pen)
    return pen


def measure(glyph_set, name, pen_class):
    pen = pen_class(glyph_set)
    glyph_set[name].draw(pen)
    return pen


def bounds(glyph_set, name):
    return measure(glyph_set, name, BoundsPen).bounds


def stroke_width(glyph_set, name):
    """Mean stroke width: twice the inked area over the outline length."""
    area = abs(measure(glyph_set, name, AreaPen).value)
    length = measure(glyph_set, name, PerimeterPen).value
    return 2.0 * area / length


def median_symbol_stroke(font):
    glyph_set, cmap = font.getGlyphSet(), font.getBestCmap()
    return statistics.median(stroke_width(glyph_set, cmap[p]) for p in REFERENCE_POINTS)


def letter_stroke(font):
    glyph_set = font.getGlyphSet()
    cmap = font.getBestCmap()
    return statistics.median(stroke_width(glyph_set, cmap[ord(c)]) for c in "lIHn")


# --- building glyphs --------------------------------------------------------

# Emboldening is the union of copies of the outline shifted around a small
# circle: for each stroke this widens it by twice the radius, and overlapping
# contours fill as one under the non-zero rule of TrueType.
EMBOLDEN_DIRECTIONS = 16


def offsets(radius):
    if radius <= 0:
        return [(0.0, 0.0)]
    steps = [(radius * math.cos(2 * math.pi * k / EMBOLDEN_DIRECTIONS),
              radius * math.sin(2 * math.pi * k / EMBOLDEN_DIRECTIONS))
             for k in range(EMBOLDEN_DIRECTIONS)]
    return [(0.0, 0.0)] + steps


def draw_outline(recording, scale, dx, dy, widen):
    """A simple glyph of the recorded outline, scaled, moved and widened."""
    pen = TTGlyphPen(None)
    for ox, oy in offsets(widen / 2.0):
        recording.replay(TransformPen(pen, (scale, 0, 0, scale, dx + ox, dy + oy)))
    glyph = pen.glyph()
    if widen > 0 and glyph.numberOfContours > 0:
        glyph.flags[0] |= flagOverlapSimple
    return glyph


def set_glyph(font, name, glyph, advance):
    glyf = font["glyf"]
    if name not in glyf.glyphs:
        font.setGlyphOrder(font.getGlyphOrder() + [name])
    glyf[name] = glyph
    glyph.recalcBounds(glyf)
    font["hmtx"][name] = (int(round(advance)), getattr(glyph, "xMin", 0))


def map_point(font, point, name):
    for table in font["cmap"].tables:
        if table.isUnicode() and (point <= 0xFFFF or table.format in (12, 13)):
            table.cmap[point] = name


@dataclass
class Fit:
    """How Symbola's outlines are placed in the base font."""
    scale: float        # Symbola units to base units
    centre: float       # vertical centre line of the base font's symbols
    widen: float        # stroke widening to reach the face's symbol weight


def fit_symbola(reference, symbola, target_stroke):
    base_set, sym_set = reference.getGlyphSet(), symbola.getGlyphSet()
    base_cmap, sym_cmap = reference.getBestCmap(), symbola.getBestCmap()
    pairs = [(base_cmap[p], sym_cmap[p]) for p in REFERENCE_POINTS]
    heights = [(bounds(base_set, b)[3] - bounds(base_set, b)[1]) /
               (bounds(sym_set, s)[3] - bounds(sym_set, s)[1]) for b, s in pairs]
    scale = statistics.median(heights)
    centre = statistics.median((bounds(base_set, b)[1] + bounds(base_set, b)[3]) / 2
                               for b, _ in pairs)
    stroke = statistics.median(stroke_width(sym_set, s) for _, s in pairs) * scale
    return Fit(scale, centre, max(0.0, target_stroke - stroke))


def import_symbola(font, symbola, point, fit):
    """Adds Symbola's glyph for the point, placed by the fit; returns its name."""
    sym_set = symbola.getGlyphSet()
    source = symbola.getBestCmap()[point]
    _, y_min, _, y_max = bounds(sym_set, source)
    dy = fit.centre - (y_min + y_max) / 2 * fit.scale
    advance = symbola["hmtx"][source][0] * fit.scale + fit.widen
    glyph = draw_outline(record(sym_set, source), fit.scale, fit.widen / 2, dy, fit.widen)
    name = f"uni{point:04X}"
    set_glyph(font, name, glyph, advance)
    return name


def emboldened_copy(font, name, widen):
    """Adds an emboldened copy of the glyph (others may use it as a component)."""
    outline = record(font.getGlyphSet(), name)
    advance = font["hmtx"][name][0] + widen
    copy = name + ".vynbold"
    set_glyph(font, copy, draw_outline(outline, 1.0, widen / 2, 0.0, widen), advance)
    return copy


def compose_letters(font, letters):
    """A composite glyph of the letters side by side; returns its name."""
    cmap = font.getBestCmap()
    pen = TTGlyphPen(font.getGlyphSet())
    x = 0
    for letter in letters:
        component = cmap[ord(letter)]
        pen.addComponent(component, (1, 0, 0, 1, x, 0))
        x += font["hmtx"][component][0]
    name = "vyn." + letters
    set_glyph(font, name, pen.glyph(), x)
    return name


# Bold symbols are the regular ones with strokes heavier by one increment.
# DejaVu Sans Bold draws a few symbols heavier and takes the others over from
# the regular face; each gets what its strokes lack of the increment, unless
# that is less than this share of it.  Text characters (below FIRST_SYMBOL)
# keep DejaVu Sans Bold's own design.
MIN_SHORTFALL = 0.2
FIRST_SYMBOL = 0x2000


def bold_shortfall(bold, regular, point, increment):
    if point < FIRST_SYMBOL:
        return 0.0
    gained = (stroke_width(bold.getGlyphSet(), bold.getBestCmap()[point]) -
              stroke_width(regular.getGlyphSet(), regular.getBestCmap()[point]))
    shortfall = increment - gained
    return shortfall if shortfall >= MIN_SHORTFALL * increment else 0.0


# --- names ------------------------------------------------------------------

def points_text(points):
    return ", ".join(f"U+{p:04X}" for p in sorted(points))


def rename(font, face, base, symbola, symbola_points):
    name = font["name"]
    taken = points_text(symbola_points)
    version = base["name"].getDebugName(5)
    copyright_ = (base["name"].getDebugName(0).strip() +
                  "\nBitstream Vera is a trademark of Bitstream, Inc." +
                  f"\nSymbols {taken}: " + symbola["name"].getDebugName(0) + ".")
    licence = (base["name"].getDebugName(13).strip() + "\n\n" +
               f"Symbola (symbols {taken} and their private copies): " +
               symbola_licence_line())
    full = FAMILY if not face.bold else f"{FAMILY} {face.style}"
    postscript = POSTSCRIPT_FAMILY + ("-" + face.style if face.bold else "")
    records = {
        0: copyright_,
        1: FAMILY,
        2: face.style,
        3: f"{full}; {version}; VYN symbols",
        4: full,
        5: f"{version}; VYN symbols",
        6: postscript,
        7: "Bitstream Vera is a trademark of Bitstream, Inc.",
        10: (f"{FAMILY}: {base['name'].getDebugName(4)} {version.split()[-1]} with the "
             f"astrological symbols of VYN at U+F000 + symbol byte; minor aspect "
             f"symbols from {SYMBOLA_NAME} {symbola['name'].getDebugName(5).split()[-1]}."),
        13: licence,
        14: base["name"].getDebugName(14),
    }
    name.names = []
    for name_id, text in records.items():
        name.setName(text, name_id, 3, 1, 0x409)
    font["head"].macStyle = 1 if face.bold else 0


def symbola_licence_line():
    with open(SYMBOLA_COPYRIGHT, encoding="utf-8") as f:
        text = f.read()
    start = text.index("License:") + len("License:")
    end = text.index("The Debian packaging")
    return " ".join(text[start:end].split())


# --- one face ---------------------------------------------------------------

def add_symbol(font, base, regular_base, symbola, glyph, fit, increment):
    """The glyph name and source font of a symbol, mapped at its own point."""
    if isinstance(glyph, str):
        return compose_letters(font, glyph), LETTERS_SOURCE
    if glyph not in font.getBestCmap():
        name = import_symbola(font, symbola, glyph, fit)
        map_point(font, glyph, name)
        return name, SYMBOLA_NAME
    name = font.getBestCmap()[glyph]
    shortfall = bold_shortfall(base, regular_base, glyph, increment) if increment else 0.0
    if shortfall > 0:
        name = emboldened_copy(font, name, shortfall)
        map_point(font, glyph, name)
    return name, "DejaVu Sans"


def build_face(face, symbola, regular_base):
    base_path = os.path.join(DEJAVU_DIR, face.base_file)
    base = TTFont(base_path, recalcTimestamp=False)
    font = TTFont(base_path, recalcTimestamp=False)
    modified = base["head"].modified

    regular_stroke = median_symbol_stroke(regular_base)
    symbol_stroke = regular_stroke
    if face.bold:
        symbol_stroke *= letter_stroke(base) / letter_stroke(regular_base)
    fit = fit_symbola(regular_base, symbola, symbol_stroke)
    increment = symbol_stroke - regular_stroke if face.bold else 0.0
    sources, made = {}, {}
    for s in SYMBOLS:
        if s.glyph not in made:
            made[s.glyph] = add_symbol(font, base, regular_base, symbola, s.glyph, fit, increment)
        name, sources[s.byte] = made[s.glyph]
        map_point(font, s.private_point, name)

    rename(font, face, base, symbola,
           [s.glyph for s in SYMBOLS if sources[s.byte] == SYMBOLA_NAME])
    font["head"].modified = modified
    return font, fit, sources, increment


# --- outputs ----------------------------------------------------------------

def glyph_text(s):
    return s.glyph if isinstance(s.glyph, str) else f"U+{s.glyph:04X}"


def write_table(path, sources):
    rows = ["byte\tcode_point\ttable\tindex\tcode\tmeaning\tglyph\tsource"]
    for s in sorted(SYMBOLS, key=lambda s: s.byte):
        rows.append("\t".join([f"{s.byte:02X}", f"U+{s.private_point:04X}", s.table,
                               s.index, s.code, s.meaning, glyph_text(s), sources[s.byte]]))
    write_text(path, "\n".join(rows) + "\n")


def write_text(path, text):
    temporary = path + ".tmp"
    with open(temporary, "w", encoding="utf-8", newline="\n") as f:
        f.write(text)
    os.replace(temporary, path)


def write_font(path, font):
    temporary = path + ".tmp"
    font.save(temporary)
    os.replace(temporary, path)


def write_licences(out, regular_base):
    write_text(os.path.join(out, "LICENSE-DejaVu.txt"),
               regular_base["name"].getDebugName(13).strip() + "\n")
    with open(SYMBOLA_COPYRIGHT, encoding="utf-8") as f:
        write_text(os.path.join(out, "LICENSE-Symbola.txt"), f.read())


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(here, "..", "..", "content", "fonts"),
                        help="output folder (default: content/fonts)")
    out = os.path.normpath(parser.parse_args().out)
    os.makedirs(out, exist_ok=True)

    check_sources()
    check_table(SYMBOLS)
    symbola = TTFont(SYMBOLA_FILE)
    regular_base = TTFont(os.path.join(DEJAVU_DIR, FACES[0].base_file))
    for face in FACES:
        font, fit, sources, increment = build_face(face, symbola, regular_base)
        write_font(os.path.join(out, face.file_name), font)
        print(f"{face.file_name}: {FAMILY} {face.style}; Symbola glyphs scaled {fit.scale:.3f}, "
              f"centred at {fit.centre:.0f}, widened by {fit.widen:.0f} units; "
              f"DejaVu symbols widened by {increment:.0f} units")
    write_table(os.path.join(out, "symbol_bytes.tsv"), sources)
    write_licences(out, regular_base)
    print(f"{len(SYMBOLS)} symbol bytes, "
          f"{sum(1 for v in sources.values() if v == SYMBOLA_NAME)} from {SYMBOLA_NAME}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
