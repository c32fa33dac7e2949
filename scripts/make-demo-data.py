#!/usr/bin/env python3
"""Writes the demo suite and the two demo projects under examples/.

Everything is generated from the tables in this file with the standard library only, so
the English and Italian language files stay in step and the pictures can be remade:

    python3 scripts/make-demo-data.py

The output is committed; run the script again after changing a table. It is deterministic.
"""

import math
import os
import struct
import unicodedata
import zlib

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
EXAMPLES = os.path.join(ROOT, "examples")
SUITE = os.path.join(EXAMPLES, "suite")
PROJECTS = os.path.join(EXAMPLES, "projects")

CRLF = "\r\n"

# ---------------------------------------------------------------------------------------
# Language strings: (number, English, Italian). Menu items carry their mnemonic '&' and the
# accelerator hint after an escaped tab; formats keep their printf conversions.

STRINGS = [
    # string 0 stands in for "no text" in tables and unlabelled dialog lines: left empty
    (0, "", ""),
    # names of the languages offered for printing
    (5, "English", "Inglese"),
    (6, "Italian", "Italiano"),
    (7, "French", "Francese"),
    (8, "German", "Tedesco"),
    (9, "Spanish", "Spagnolo"),
    (10, "Portuguese", "Portoghese"),
    (11, "Dutch", "Olandese"),
    (12, "Swedish", "Svedese"),
    (13, "Danish", "Danese"),
    (14, "Norwegian", "Norvegese"),
    (15, "Finnish", "Finlandese"),
    (16, "Greek", "Greco"),
    (17, "Polish", "Polacco"),
    (18, "Czech", "Ceco"),
    (19, "Hungarian", "Ungherese"),
    (20, "Russian", "Russo"),
    (21, "Turkish", "Turco"),
    (22, "Slovenian", "Sloveno"),
    (23, "Croatian", "Croato"),
    (24, "Romanian", "Rumeno"),
    (6188, "Chinese", "Cinese"),
    (7085, "Slovak", "Slovacco"),
    (7097, "Japanese", "Giapponese"),
    (7488, "Bulgarian", "Bulgaro"),
    (7490, "Estonian", "Estone"),
    # units
    (39, "m", "m"),
    (44, "m²", "m²"),
    (47, "fc", "fc"),
    (49, "cd/ft²", "cd/ft²"),
    (7503, "ft", "ft"),
    (7505, "ft²", "ft²"),
    # button words
    (50, "OK", "OK"),
    (51, "Cancel", "Annulla"),
    (52, "Close", "Chiudi"),
    # main menu and side bar
    (53, "&File", "&File"),
    (6753, "Customize", "Personalizza"),
    (1317, "Report contents", "Contenuto del rapporto"),
    (271, "&Print...\\tCtrl+P", "S&tampa...\\tCtrl+P"),
    (6274, "Print Pre&view", "Anteprima di sta&mpa"),
    (57, "P&rint Setup...", "Imp&osta stampante..."),
    (65, "E&xit", "&Esci"),
    (748, "&View", "&Visualizza"),
    (4584, "&Toolbar", "&Barra degli strumenti"),
    (4588, "&Status Bar", "Barra di &stato"),
    (204, "&Help", "&Guida"),
    (3793, "&About Zentyra...", "&Informazioni su Zentyra..."),
    (56, "Project information", "Informazioni progetto"),
    (926, "Project name", "Nome progetto"),
    (927, "Installation notes", "Note installazione"),
    (928, "Client", "Cliente"),
    (929, "Project code", "Codice progetto"),
    (3490, "Date", "Data"),
    (1318, "Print language", "Lingua di stampa"),
    (6746, "Cover picture", "Immagine di copertina"),
    (6747, "Click the frame or drop a picture here", "Clicca sul riquadro oppure trascina un'immagine"),
    (6748, "Remove picture", "Rimuovi immagine"),
    (933, "Set as default", "Imposta come predefinito"),
    # customize dialog
    (680, "Customize report", "Personalizza rapporto"),
    (6461, "Name", "Nome"),
    (682, "Address", "Indirizzo"),
    (683, "Tel. - Fax", "Tel. - Fax"),
    (3392, "Notes", "Note"),
    (4989, "Warnings", "Avvertenze"),
    (684, "Unit of measure", "Unità di misura"),
    (685, "Metres", "Metri"),
    (686, "Feet", "Piedi"),
    (687, "Printer margins", "Margini stampante"),
    (688, "Left", "Sinistro"),
    (689, "Right", "Destro"),
    (690, "Top", "Superiore"),
    (691, "Bottom", "Inferiore"),
    (692, "Logo position", "Posizione logo"),
    (693, "Do not print", "Non stampare"),
    (694, "Left", "Sinistra"),
    (695, "Centred", "Centrato"),
    (696, "Right", "Destra"),
    (704, "Choose print logo", "Scelta logo di stampa"),
    (698, "Print German reports", "Stampa rapporti tedeschi"),
    # cover page
    (4986, "Designer", "Progettista"),
    (4987, "Address", "Indirizzo"),
    # page footer
    (5074, "Page %d", "Pagina %d"),
    # chapters
    (4990, "Project summary", "Riepilogo progetto"),
    (5054, "Views", "Viste"),
    (5019, "Luminaire summary", "Riepilogo apparecchi"),
    (1340, "Results", "Risultati"),
    (155, "Screenshots", "Schermate"),
    (1343, "Rendering", "Rendering"),
    (1348, "Electric lines", "Linee elettriche"),
    (154, "Economic calculation", "Calcolo economico"),
    # pieces
    (8714, "Cover page", "Copertina"),
    (5091, "Site description", "Descrizione dell'ambiente"),
    (584, "Road installation", "Installazione stradale"),
    (5841, "Energy assessment", "Valutazione energetica"),
    (5060, "Lighting quality", "Qualità dell'impianto"),
    (5055, "Plan view", "Vista in pianta"),
    (4943, "Side view", "Vista laterale"),
    (4944, "Front view", "Vista frontale"),
    (6708, "Luminaire labels", "Etichette apparecchi"),
    (1335, "Luminaire data", "Dati apparecchi"),
    (1336, "Lamp data", "Dati lampade"),
    (5038, "Luminaire positions", "Posizioni apparecchi"),
    (1338, "Luminaire aiming", "Puntamento apparecchi"),
    (1344, "Contents", "Indice"),
    # result titles: quantity name, then the result's description
    (8371, "%s on %s - numeric values", "%s su %s - valori numerici"),
    (8372, "%s on %s - isolines", "%s su %s - isolinee"),
    (8373, "%s on %s - false colours", "%s su %s - falsi colori"),
    (7683, "%s on %s - value curves", "%s su %s - curve dei valori"),
    (8603, "%s on %s - numeric values with gradients", "%s su %s - valori numerici con gradienti"),
    (8604, "%s on %s - numeric values (variant M)", "%s su %s - valori numerici (variante M)"),
    # quantity names, visible light
    (1780, "Illuminance", "Illuminamento"),
    (1781, "Vertical illuminance +X", "Illuminamento verticale +X"),
    (1782, "Vertical illuminance -X", "Illuminamento verticale -X"),
    (1783, "Vertical illuminance +Y", "Illuminamento verticale +Y"),
    (1784, "Vertical illuminance -Y", "Illuminamento verticale -Y"),
    (1785, "Cylindrical illuminance", "Illuminamento cilindrico"),
    (1786, "Semi-cylindrical illuminance", "Illuminamento semicilindrico"),
    (6512, "Luminance", "Luminanza"),
    (1787, "Vertical illuminance towards the camera", "Illuminamento verticale verso la telecamera"),
    (1134, "Luminance coefficient", "Coefficiente di luminanza"),
    (1163, "Value", "Valore"),
    (7352, "Hemispherical illuminance", "Illuminamento emisferico"),
    # quantity names, photosynthetic
    (8349, "Photosynthetic photon flux density", "Densità di flusso fotonico fotosintetico"),
    (8350, "Vertical photon flux density +X", "Densità di flusso fotonico verticale +X"),
    (8351, "Vertical photon flux density -X", "Densità di flusso fotonico verticale -X"),
    (8352, "Vertical photon flux density +Y", "Densità di flusso fotonico verticale +Y"),
    (8353, "Vertical photon flux density -Y", "Densità di flusso fotonico verticale -Y"),
    (8354, "Cylindrical photon flux density", "Densità di flusso fotonico cilindrica"),
    (8355, "Semi-cylindrical photon flux density", "Densità di flusso fotonico semicilindrica"),
    (8356, "Hemispherical photon flux density", "Densità di flusso fotonico emisferica"),
    # quantity names, radiometric
    (8357, "Irradiance", "Irradianza"),
    (8358, "Vertical irradiance +X", "Irradianza verticale +X"),
    (8359, "Vertical irradiance -X", "Irradianza verticale -X"),
    (8360, "Vertical irradiance +Y", "Irradianza verticale +Y"),
    (8361, "Vertical irradiance -Y", "Irradianza verticale -Y"),
    (8362, "Cylindrical irradiance", "Irradianza cilindrica"),
    (8363, "Semi-cylindrical irradiance", "Irradianza semicilindrica"),
    (8364, "Hemispherical irradiance", "Irradianza emisferica"),
    # observers
    (1091, "Observer", "Osservatore"),
    (1157, "Camera", "Telecamera"),
    (1685, "Obs.", "Oss."),
    # result statistics table and notes
    (6380, "Quantity", "Grandezza"),
    (5008, "Mean", "Medio"),
    (4849, "Minimum", "Minimo"),
    (4354, "Maximum", "Massimo"),
    (5009, "Min/Mean", "Min/Medio"),
    (1170, "Min/Max", "Min/Max"),
    (5011, "Mean/Max", "Medio/Max"),
    (5852, "Specific power", "Potenza specifica"),
    (1779, "Calculation", "Calcolo"),
    (5014, "Direct light only", "Solo luce diretta"),
    (5015, "Direct and reflected light", "Luce diretta e riflessa"),
    (6294, "accuracy", "accuratezza"),
]

STRING_COUNT = 9000

LANGUAGES = [
    # (language id = number of the string naming it, file name, encoding with its mark)
    (5, "Ing.Lng", "utf-8-sig"),
    (6, "Ita.Lng", "utf-16"),  # written as FF FE and little-endian units
]


def language_lines(column):
    lines = [""] * STRING_COUNT
    seen = set()
    for entry in STRINGS:
        number, text = entry[0], entry[column]
        assert 0 <= number < STRING_COUNT, number
        assert number not in seen, "string %d listed twice" % number
        assert "\r" not in text and "\n" not in text, number
        seen.add(number)
        lines[number] = text
    return lines


def write_language_files(directory):
    os.makedirs(directory, exist_ok=True)
    for column, (_, name, encoding) in enumerate(LANGUAGES, start=1):
        lines = [str(STRING_COUNT)] + language_lines(column)
        text = CRLF.join(lines) + CRLF
        if encoding == "utf-16":
            data = b"\xff\xfe" + text.encode("utf-16-le")
        else:
            data = text.encode(encoding)
        write_bytes(os.path.join(directory, name), data)
    # Language list: count, then "<id>, <file name>" (two separator characters).
    listing = [str(len(LANGUAGES))] + ["%d, %s" % (lid, name) for lid, name, _ in LANGUAGES]
    write_bytes(os.path.join(directory, "files.inf"), (CRLF.join(listing) + CRLF).encode("ascii"))


# ---------------------------------------------------------------------------------------
# Suite configuration files (Windows profile files: ANSI, CRLF).

INSTALL_INI = [
    # Directories relative to the folder holding INSTALL.INI, so the suite works wherever the
    # repository is checked out; the program root itself is left to its default (that folder).
    ("languageDir", "Lng\\"),
    ("languageName", "Ing.Lng"),
    ("tmpDir", "Tmp\\"),
    ("cfgDir", "Cfg\\"),
    ("prjWorkDir", "..\\projects\\"),
    ("prjDir", "..\\projects\\"),
    ("prjImpExpDir", "..\\projects\\"),
]

ORV_INI = [
    ("OrvCfg_Common", [
        ("Sistema di misura", "0"),
        ("Printer Margin Left", "150"),
        ("Printer Margin Right", "100"),
        ("Printer Margin Top", "50"),
        ("Printer Margin Bottom", "150"),
        ("Logo Alignment", "1"),
        ("Address1", "Studio Luce Colombo"),
        ("Address2", "Via Garibaldi 12, 22063 Cantù (CO)"),
        ("Address3", "Tel. +39 031 712345"),
        ("Address4", "Fax +39 031 712346"),
        ("Address5", "info@studioluce-colombo.example"),
        ("Address6", "www.studioluce-colombo.example"),
    ]),
    ("OrvCfg_Common_Path", [
        ("programLanguageName", "Ing.Lng"),
        ("printerLanguageName", "Ing.Lng"),
    ]),
]


def profile_text(sections):
    out = []
    for section, keys in sections:
        out.append("[%s]" % section)
        out.extend("%s=%s" % kv for kv in keys)
        out.append("")
    return CRLF.join(out)


def write_suite_configuration():
    write_bytes(os.path.join(SUITE, "INSTALL.INI"),
                profile_text([("OrvantaInstallCfg", INSTALL_INI)]).encode("ascii"))
    cfg = os.path.join(SUITE, "Cfg")
    os.makedirs(cfg, exist_ok=True)
    write_bytes(os.path.join(cfg, "ORV.INI"), profile_text(ORV_INI).encode("cp1252"))
    # The print logo keeps the suite's file name but is a plain 24-bit BMP.
    write_bmp(os.path.join(cfg, "Zada_S.Msg"), draw_logo(), bits=24)


# ---------------------------------------------------------------------------------------
# A small raster canvas with a 5x7 bitmap font.

GLYPHS = {
    "A": [" ### ", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "B": ["#### ", "#   #", "#   #", "#### ", "#   #", "#   #", "#### "],
    "C": [" ### ", "#   #", "#    ", "#    ", "#    ", "#   #", " ### "],
    "D": ["#### ", "#   #", "#   #", "#   #", "#   #", "#   #", "#### "],
    "E": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#####"],
    "F": ["#####", "#    ", "#    ", "#### ", "#    ", "#    ", "#    "],
    "G": [" ### ", "#   #", "#    ", "# ###", "#   #", "#   #", " ####"],
    "H": ["#   #", "#   #", "#   #", "#####", "#   #", "#   #", "#   #"],
    "I": [" ### ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "J": ["  ###", "   # ", "   # ", "   # ", "   # ", "#  # ", " ##  "],
    "K": ["#   #", "#  # ", "# #  ", "##   ", "# #  ", "#  # ", "#   #"],
    "L": ["#    ", "#    ", "#    ", "#    ", "#    ", "#    ", "#####"],
    "M": ["#   #", "## ##", "# # #", "# # #", "#   #", "#   #", "#   #"],
    "N": ["#   #", "#   #", "##  #", "# # #", "#  ##", "#   #", "#   #"],
    "O": [" ### ", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "P": ["#### ", "#   #", "#   #", "#### ", "#    ", "#    ", "#    "],
    "Q": [" ### ", "#   #", "#   #", "#   #", "# # #", "#  # ", " ## #"],
    "R": ["#### ", "#   #", "#   #", "#### ", "# #  ", "#  # ", "#   #"],
    "S": [" ####", "#    ", "#    ", " ### ", "    #", "    #", "#### "],
    "T": ["#####", "  #  ", "  #  ", "  #  ", "  #  ", "  #  ", "  #  "],
    "U": ["#   #", "#   #", "#   #", "#   #", "#   #", "#   #", " ### "],
    "V": ["#   #", "#   #", "#   #", "#   #", "#   #", " # # ", "  #  "],
    "W": ["#   #", "#   #", "#   #", "# # #", "# # #", "# # #", " # # "],
    "X": ["#   #", "#   #", " # # ", "  #  ", " # # ", "#   #", "#   #"],
    "Y": ["#   #", "#   #", " # # ", "  #  ", "  #  ", "  #  ", "  #  "],
    "Z": ["#####", "    #", "   # ", "  #  ", " #   ", "#    ", "#####"],
    "0": [" ### ", "#   #", "#  ##", "# # #", "##  #", "#   #", " ### "],
    "1": ["  #  ", " ##  ", "  #  ", "  #  ", "  #  ", "  #  ", " ### "],
    "2": [" ### ", "#   #", "    #", "   # ", "  #  ", " #   ", "#####"],
    "3": ["#####", "   # ", "  #  ", "   # ", "    #", "#   #", " ### "],
    "4": ["   # ", "  ## ", " # # ", "#  # ", "#####", "   # ", "   # "],
    "5": ["#####", "#    ", "#### ", "    #", "    #", "#   #", " ### "],
    "6": ["  ## ", " #   ", "#    ", "#### ", "#   #", "#   #", " ### "],
    "7": ["#####", "    #", "   # ", "  #  ", " #   ", " #   ", " #   "],
    "8": [" ### ", "#   #", "#   #", " ### ", "#   #", "#   #", " ### "],
    "9": [" ### ", "#   #", "#   #", " ####", "    #", "   # ", " ##  "],
    " ": ["     "] * 7,
    ".": ["     "] * 5 + ["  ## ", "  ## "],
    ",": ["     "] * 4 + ["  ## ", "  ## ", " #   "],
    "-": ["     "] * 3 + [" ### "] + ["     "] * 3,
    ":": ["     ", "  ## ", "  ## ", "     ", "  ## ", "  ## ", "     "],
    "/": ["    #", "    #", "   # ", "  #  ", " #   ", "#    ", "#    "],
    "(": ["   # ", "  #  ", " #   ", " #   ", " #   ", "  #  ", "   # "],
    ")": [" #   ", "  #  ", "   # ", "   # ", "   # ", "  #  ", " #   "],
    "+": ["     ", "  #  ", "  #  ", "#####", "  #  ", "  #  ", "     "],
    "=": ["     ", "     ", "#####", "     ", "#####", "     ", "     "],
    "%": ["##  #", "##  #", "   # ", "  #  ", " #   ", "#  ##", "#  ##"],
    "°": [" ##  ", "#  # ", " ##  ", "     ", "     ", "     ", "     "],
    "'": ["  #  ", "  #  ", "     ", "     ", "     ", "     ", "     "],
    "²": [" ##  ", "   # ", "  #  ", " ### ", "     ", "     ", "     "],
}


def glyph(ch):
    if ch in GLYPHS:
        return GLYPHS[ch]
    base = unicodedata.normalize("NFD", ch)[0].upper()
    return GLYPHS.get(base, ["#####", "#   #", "#   #", "#   #", "#   #", "#   #", "#####"])


class Canvas:
    def __init__(self, width, height, colour=(255, 255, 255)):
        self.width, self.height = width, height
        self.pixels = bytearray(bytes(colour) * (width * height))

    def set(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            i = 3 * (y * self.width + x)
            self.pixels[i:i + 3] = bytes(colour)

    def get(self, x, y):
        i = 3 * (y * self.width + x)
        return tuple(self.pixels[i:i + 3])

    def fill_rect(self, x0, y0, x1, y1, colour):
        x0, x1 = max(0, min(x0, x1)), min(self.width, max(x0, x1))
        y0, y1 = max(0, min(y0, y1)), min(self.height, max(y0, y1))
        if x0 >= x1:
            return
        row = bytes(colour) * (x1 - x0)
        for y in range(y0, y1):
            i = 3 * (y * self.width + x0)
            self.pixels[i:i + len(row)] = row

    def rect(self, x0, y0, x1, y1, colour, width=1):
        self.fill_rect(x0, y0, x1, y0 + width, colour)
        self.fill_rect(x0, y1 - width, x1, y1, colour)
        self.fill_rect(x0, y0, x0 + width, y1, colour)
        self.fill_rect(x1 - width, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour, width=1, dash=None):
        x0, y0, x1, y1 = int(round(x0)), int(round(y0)), int(round(x1)), int(round(y1))
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx, sy = (1 if x0 < x1 else -1), (1 if y0 < y1 else -1)
        err, step = dx + dy, 0
        half = width // 2
        while True:
            if dash is None or (step // dash) % 2 == 0:
                if width == 1:
                    self.set(x0, y0, colour)
                else:
                    self.fill_rect(x0 - half, y0 - half, x0 - half + width, y0 - half + width, colour)
            if x0 == x1 and y0 == y1:
                break
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy
            step += 1

    def circle(self, cx, cy, r, colour, fill=None, width=1):
        for y in range(int(cy - r - width), int(cy + r + width) + 1):
            for x in range(int(cx - r - width), int(cx + r + width) + 1):
                d = math.hypot(x - cx, y - cy)
                if fill is not None and d <= r:
                    self.set(x, y, fill)
                if colour is not None and r - width / 2 <= d <= r + width / 2:
                    self.set(x, y, colour)

    def polygon(self, points, colour):
        ys = [p[1] for p in points]
        for y in range(max(0, int(min(ys))), min(self.height, int(max(ys)) + 1)):
            yc = y + 0.5
            xs = []
            for (xa, ya), (xb, yb) in zip(points, points[1:] + points[:1]):
                if (ya <= yc < yb) or (yb <= yc < ya):
                    xs.append(xa + (yc - ya) * (xb - xa) / (yb - ya))
            xs.sort()
            for a, b in zip(xs[0::2], xs[1::2]):
                self.fill_rect(int(round(a)), y, int(round(b)), y + 1, colour)

    def text(self, x, y, s, colour, scale=2, anchor="left"):
        w = text_width(s, scale)
        if anchor == "centre":
            x -= w // 2
        elif anchor == "right":
            x -= w
        for ch in s:
            rows = glyph(ch)
            for gy, row in enumerate(rows):
                for gx, bit in enumerate(row):
                    if bit == "#":
                        self.fill_rect(x + gx * scale, y + gy * scale,
                                       x + (gx + 1) * scale, y + (gy + 1) * scale, colour)
            x += 6 * scale
        return x

    def shade(self, function):
        """Multiplies every pixel by function(x, y) (clamped to 0..255)."""
        for y in range(self.height):
            for x in range(self.width):
                f = function(x, y)
                i = 3 * (y * self.width + x)
                for c in range(3):
                    self.pixels[i + c] = max(0, min(255, int(self.pixels[i + c] * f)))


def text_width(s, scale=2):
    return len(s) * 6 * scale - scale


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def false_colour(t):
    """Blue - cyan - green - yellow - red for t in 0..1."""
    stops = [(0, 0, 160), (0, 170, 255), (0, 200, 80), (255, 230, 0), (230, 30, 0)]
    t = max(0.0, min(1.0, t)) * (len(stops) - 1)
    i = min(int(t), len(stops) - 2)
    return mix(stops[i], stops[i + 1], t - i)


# ---------------------------------------------------------------------------------------
# Picture file writers: PNG (truecolour), BMP (8-bit palette or 24-bit).

def write_bytes(path, data):
    os.makedirs(os.path.dirname(path), exist_ok=True)
    with open(path, "wb") as f:
        f.write(data)


def write_png(path, canvas):
    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

    stride = 3 * canvas.width
    raw = bytearray()
    for y in range(canvas.height):
        raw.append(0)
        raw += canvas.pixels[y * stride:(y + 1) * stride]
    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, 2, 0, 0, 0)
    data = (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))
    write_bytes(path, data)


def write_bmp(path, canvas, bits=None):
    """Writes an 8-bit palette BMP when the picture has few colours, else 24-bit (or as told)."""
    w, h = canvas.width, canvas.height
    colours = {}
    for i in range(0, len(canvas.pixels), 3):
        c = bytes(canvas.pixels[i:i + 3])
        if c not in colours:
            colours[c] = len(colours)
            if len(colours) > 256:
                break
    if bits is None:
        bits = 8 if len(colours) <= 256 else 24
    if bits == 8:
        bits = 8
        stride = (w + 3) & ~3
        palette = b"".join(bytes((c[2], c[1], c[0], 0)) for c in colours)
        rows = []
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                i = 3 * (y * w + x)
                row[x] = colours[bytes(canvas.pixels[i:i + 3])]
            rows.append(bytes(row))
    else:
        stride = (3 * w + 3) & ~3
        palette = b""
        rows = []
        for y in range(h - 1, -1, -1):
            row = bytearray(stride)
            for x in range(w):
                i = 3 * (y * w + x)
                row[3 * x:3 * x + 3] = bytes((canvas.pixels[i + 2], canvas.pixels[i + 1], canvas.pixels[i]))
            rows.append(bytes(row))
    pixels = b"".join(rows)
    offset = 14 + 40 + len(palette)
    file_header = b"BM" + struct.pack("<IHHI", offset + len(pixels), 0, 0, offset)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, bits, 0, len(pixels), 2835, 2835,
                       len(palette) // 4, 0)
    write_bytes(path, file_header + info + palette + pixels)


# ---------------------------------------------------------------------------------------
# Drawings.

INK = (30, 30, 30)
GRID = (215, 222, 230)
WALL = (60, 60, 70)
LUMINAIRE = (250, 190, 30)
DESK = (190, 160, 120)
DIM = (90, 90, 160)


def draw_logo():
    """The studio's print logo: a wide strip (the page header gives it the full width and 20 mm)."""
    c = Canvas(1000, 100)
    blue, amber, grey = (30, 70, 130), (240, 160, 0), (110, 115, 125)
    # lamp: shade, bulb and rays
    c.polygon([(38, 12), (72, 12), (84, 42), (26, 42)], blue)
    c.circle(55, 52, 9, None, fill=LUMINAIRE)
    for angle in range(210, 331, 30):
        a = math.radians(angle)
        c.line(55 - 15 * math.cos(a), 52 - 15 * math.sin(a), 55 - 25 * math.cos(a),
               52 - 25 * math.sin(a), amber, width=3)
    c.text(120, 12, "STUDIO LUCE COLOMBO", blue, scale=5)
    c.text(122, 58, "PROGETTAZIONE ILLUMINOTECNICA", grey, scale=2)
    c.text(985, 58, "WWW.STUDIOLUCE-COLOMBO.EXAMPLE", grey, scale=2, anchor="right")
    # the coloured band along the foot of the strip
    for x in range(c.width):
        c.fill_rect(x, 84, x + 1, 94, mix(blue, amber, x / (c.width - 1)))
    return c


def draw_luminaire_picture(path, kind):
    """Type picture of a luminaire (LUM_<label>.BMP beside the project)."""
    c = Canvas(200, 200)
    if kind == "panel":
        c.polygon([(30, 80), (150, 60), (175, 95), (55, 120)], (225, 228, 232))
        c.polygon([(55, 120), (175, 95), (175, 105), (55, 130)], (150, 155, 165))
        c.polygon([(30, 80), (55, 120), (55, 130), (30, 90)], (175, 180, 190))
        c.polygon([(42, 82), (146, 65), (166, 94), (60, 114)], (255, 250, 225))
        c.text(100, 160, "LED 600X600", INK, scale=2, anchor="centre")
    elif kind == "street":
        c.fill_rect(40, 60, 46, 190, (90, 90, 95))
        c.line(43, 62, 120, 52, (90, 90, 95), width=5)
        c.polygon([(105, 45), (175, 40), (180, 58), (110, 66)], (70, 75, 85))
        c.polygon([(112, 60), (176, 55), (172, 62), (115, 67)], (255, 240, 170))
        c.text(100, 170, "STRADALE", INK, scale=2, anchor="left")
    else:
        c.polygon([(40, 70), (160, 70), (170, 130), (30, 130)], (120, 125, 135))
        c.fill_rect(45, 85, 155, 120, (255, 240, 190))
        for x in range(55, 150, 12):
            c.fill_rect(x, 85, x + 2, 120, (200, 190, 150))
        c.text(100, 160, "GALLERIA", INK, scale=2, anchor="centre")
    write_bmp(path, c)


class Plan:
    """Maps metres to pixels for a plan or elevation drawing (y of the drawing grows upwards)."""

    def __init__(self, canvas, width_m, height_m, margin=50):
        self.c = canvas
        self.scale = min((canvas.width - 2 * margin) / width_m, (canvas.height - 2 * margin - 20) / height_m)
        self.x0 = (canvas.width - width_m * self.scale) / 2
        self.y0 = (canvas.height + 20 + height_m * self.scale) / 2
        self.width_m, self.height_m = width_m, height_m

    def p(self, x, y):
        return int(round(self.x0 + x * self.scale)), int(round(self.y0 - y * self.scale))

    def rect(self, x0, y0, x1, y1, colour, fill=None, width=1):
        (ax, ay), (bx, by) = self.p(x0, y1), self.p(x1, y0)
        if fill is not None:
            self.c.fill_rect(ax, ay, bx, by, fill)
        if colour is not None:
            self.c.rect(ax, ay, bx + 1, by + 1, colour, width)

    def line(self, x0, y0, x1, y1, colour, width=1, dash=None):
        a, b = self.p(x0, y0), self.p(x1, y1)
        self.c.line(a[0], a[1], b[0], b[1], colour, width, dash)

    def grid(self, step=1.0):
        n = int(self.width_m / step + 1e-9)
        for i in range(n + 1):
            self.line(i * step, 0, i * step, self.height_m, GRID)
        n = int(self.height_m / step + 1e-9)
        for i in range(n + 1):
            self.line(0, i * step, self.width_m, i * step, GRID)

    def dimension_x(self, x0, x1, y, label):
        self.line(x0, y, x1, y, DIM)
        for x in (x0, x1):
            a = self.p(x, y)
            self.c.line(a[0], a[1] - 5, a[0], a[1] + 5, DIM)
        a, b = self.p(x0, y), self.p(x1, y)
        self.c.text((a[0] + b[0]) // 2, a[1] + 8, label, DIM, scale=2, anchor="centre")

    def dimension_y(self, y0, y1, x, label):
        self.line(x, y0, x, y1, DIM)
        for y in (y0, y1):
            a = self.p(x, y)
            self.c.line(a[0] - 5, a[1], a[0] + 5, a[1], DIM)
        a, b = self.p(x, y0), self.p(x, y1)
        self.c.text(a[0] - 8, (a[1] + b[1]) // 2 - 7, label, DIM, scale=2, anchor="right")


def caption(canvas, text):
    canvas.fill_rect(0, 0, canvas.width, 30, (235, 238, 242))
    canvas.fill_rect(0, 30, canvas.width, 31, (180, 185, 195))
    canvas.text(10, 8, text, INK, scale=2)


def legend(canvas, x, y, height, lo, hi, unit, decimals=0):
    steps = 100
    for i in range(steps):
        canvas.fill_rect(x, y + height - (i + 1) * height // steps, x + 18,
                         y + height - i * height // steps, false_colour(i / (steps - 1)))
    canvas.rect(x, y, x + 18, y + height, INK)
    for k in range(5):
        value = lo + (hi - lo) * k / 4
        ty = y + height - k * height // 4
        canvas.line(x + 18, ty, x + 24, ty, INK)
        canvas.text(x + 28, ty - 6, "%.*f" % (decimals, value), INK, scale=2)
    canvas.text(x, y - 22, unit, INK, scale=2)


# Indoor project: an 8 m x 6 m office, ceiling 3.00 m, six recessed LED panels.

ROOM_W, ROOM_D, ROOM_H, WORK_PLANE = 8.0, 6.0, 3.0, 0.8
OFFICE_LUMINAIRES = [(x, y) for y in (1.5, 4.5) for x in (4.0 / 3, 4.0, 8.0 - 4.0 / 3)]
OFFICE_DESKS = [(0.8, 0.8, 2.4, 2.2), (3.2, 0.8, 4.8, 2.2), (5.6, 0.8, 7.2, 2.2),
                (0.8, 3.8, 2.4, 5.2), (3.2, 3.8, 4.8, 5.2), (5.6, 3.8, 7.2, 5.2)]


def office_illuminance(x, y, z):
    """Direct illuminance on a horizontal plane at height z, plus a constant reflected part."""
    h = ROOM_H - z
    e = 0.0
    for lx, ly in OFFICE_LUMINAIRES:
        d2 = (x - lx) ** 2 + (y - ly) ** 2 + h * h
        cos_g = h / math.sqrt(d2)
        e += 2600.0 * cos_g ** 2 / d2 * cos_g  # I(gamma) = I0 cos(gamma), lambertian panel
    return e + 95.0


def office_wall_illuminance(x, z):
    """Vertical illuminance on the north wall (y = ROOM_D), x along the wall, z height."""
    e = 0.0
    for lx, ly in OFFICE_LUMINAIRES:
        dy = ROOM_D - ly
        dz = ROOM_H - z
        d2 = (x - lx) ** 2 + dy * dy + dz * dz
        d = math.sqrt(d2)
        e += 2600.0 * (dz / d) * (dy / d) / d2
    return e + 70.0


def grid_points(width, depth, step):
    xs = [step / 2 + i * step for i in range(int(round(width / step)))]
    ys = [step / 2 + j * step for j in range(int(round(depth / step)))]
    return xs, ys


def statistics(values):
    return min(values), max(values), sum(values) / len(values)


def office_plan(canvas, label_luminaires=False, with_grid=True):
    plan = Plan(canvas, ROOM_W, ROOM_D, margin=60)
    if with_grid:
        plan.grid(1.0)
    for x0, y0, x1, y1 in OFFICE_DESKS:
        plan.rect(x0, y0, x1, y1, (140, 110, 80), fill=DESK)
    plan.rect(0, 0, ROOM_W, ROOM_D, WALL, width=5)
    # door in the south wall, windows in the east wall
    a, b = plan.p(6.6, 0), plan.p(7.5, 0)
    canvas.fill_rect(a[0], a[1] - 3, b[0], a[1] + 3, (255, 255, 255))
    r = b[0] - a[0]
    for k in range(0, 91, 3):
        t = math.radians(k)
        canvas.set(int(a[0] + r * math.cos(t)), int(a[1] - r * math.sin(t)), WALL)
    canvas.line(a[0], a[1], a[0], a[1] - r, WALL, width=2)
    for y0, y1 in ((0.8, 2.6), (3.4, 5.2)):
        a, b = plan.p(ROOM_W, y0), plan.p(ROOM_W, y1)
        canvas.fill_rect(a[0] - 3, b[1], a[0] + 4, a[1], (200, 230, 250))
        canvas.line(a[0], b[1], a[0], a[1], (80, 140, 200))
    for i, (lx, ly) in enumerate(OFFICE_LUMINAIRES):
        plan.rect(lx - 0.3, ly - 0.3, lx + 0.3, ly + 0.3, INK, fill=LUMINAIRE, width=2)
        plan.line(lx - 0.3, ly - 0.3, lx + 0.3, ly + 0.3, INK)
        plan.line(lx - 0.3, ly + 0.3, lx + 0.3, ly - 0.3, INK)
        if label_luminaires:
            px, py = plan.p(lx + 0.35, ly + 0.55)
            canvas.fill_rect(px - 2, py - 2, px + 40, py + 18, (255, 255, 255))
            canvas.rect(px - 2, py - 2, px + 40, py + 18, (200, 40, 40))
            canvas.text(px + 3, py + 1, "A%d" % (i + 1), (200, 40, 40), scale=2)
    return plan


def draw_office_views(folder):
    c = Canvas(800, 600)
    caption(c, "PLAN VIEW - OFFICE 2ND FLOOR")
    plan = office_plan(c)
    plan.dimension_x(0, ROOM_W, -0.35, "8.00 M")
    plan.dimension_y(0, ROOM_D, -0.3, "6.00")
    write_png(os.path.join(folder, "PlantView.png"), c)

    for name, title, length, items in (
            ("LateralView.png", "SIDE VIEW", ROOM_W, [x for x, _ in OFFICE_LUMINAIRES[:3]]),
            ("FrontView.png", "FRONT VIEW", ROOM_D, [y for _, y in OFFICE_LUMINAIRES[::3]])):
        c = Canvas(800, 400)
        caption(c, title)
        el = Plan(c, length, ROOM_H, margin=60)
        el.grid(0.5)
        el.rect(0, -0.15, length, 0, None, fill=(170, 170, 170))
        el.line(0, 0, length, 0, WALL, width=4)
        el.line(0, ROOM_H, length, ROOM_H, WALL, width=4)
        el.line(0, 0, 0, ROOM_H, WALL, width=4)
        el.line(length, 0, length, ROOM_H, WALL, width=4)
        el.line(0, WORK_PLANE, length, WORK_PLANE, (80, 160, 80), dash=6)
        for pos in items:
            el.rect(pos - 0.8, 0, pos - 0.75, 0.72, None, fill=(140, 110, 80))
            el.rect(pos + 0.75, 0, pos + 0.8, 0.72, None, fill=(140, 110, 80))
            el.rect(pos - 0.8, 0.72, pos + 0.8, 0.76, None, fill=(140, 110, 80))
            el.rect(pos - 0.3, ROOM_H - 0.08, pos + 0.3, ROOM_H, INK, fill=LUMINAIRE)
            for k in (-1, 1):
                el.line(pos + 0.25 * k, ROOM_H - 0.1, pos + 1.1 * k, WORK_PLANE + 0.1, (240, 170, 40), dash=5)
        el.dimension_y(0, ROOM_H, -0.25, "3.00")
        el.dimension_y(0, WORK_PLANE, length + 0.9, "0.80")
        write_png(os.path.join(folder, name), c)

    c = Canvas(800, 600)
    caption(c, "LUMINAIRE LABELS - A: LED PANEL 600X600 36 W")
    office_plan(c, label_luminaires=True, with_grid=False)
    write_bmp(os.path.join(folder, "LabelsView.bmp"), c)


def draw_office_results(folder):
    """Writes the three result pictures and returns their (min, max, mean)."""
    stats = []
    step = 0.5
    xs, ys = grid_points(ROOM_W, ROOM_D, step)

    # 0: numeric values on the work plane
    values = {(x, y): office_illuminance(x, y, WORK_PLANE) for x in xs for y in ys}
    stats.append(statistics(list(values.values())))
    c = Canvas(800, 600)
    caption(c, "ILLUMINANCE ON WORK PLANE (0.80 M) - LX")
    plan = Plan(c, ROOM_W, ROOM_D, margin=40)
    plan.grid(step)
    plan.rect(0, 0, ROOM_W, ROOM_D, WALL, width=3)
    for (x, y), e in values.items():
        px, py = plan.p(x, y)
        c.text(px, py - 7, "%d" % round(e), INK, scale=2, anchor="centre")
    write_png(os.path.join(folder, "result0_numeric.png"), c)

    # 1: isolines on the floor
    floor = [[office_illuminance(plan_x, plan_y, 0.0) for plan_x in xs] for plan_y in ys]
    stats.append(statistics([e for row in floor for e in row]))
    c = Canvas(800, 600)
    caption(c, "ILLUMINANCE ON FLOOR - ISOLINES - LX")
    plan = Plan(c, ROOM_W, ROOM_D, margin=40)
    plan.grid(1.0)
    levels = [200, 250, 300, 350, 400, 450, 500]
    x0, y1 = plan.p(0, ROOM_D)
    x1, y0 = plan.p(ROOM_W, 0)
    field = {}
    for py in range(y1, y0 + 1):
        for px in range(x0, x1 + 1):
            mx, my = (px - plan.x0) / plan.scale, (plan.y0 - py) / plan.scale
            field[px, py] = office_illuminance(mx, my, 0.0)
    def band(e):
        return sum(1 for level in levels if e >= level)
    for py in range(y1, y0):
        for px in range(x0, x1):
            b = band(field[px, py])
            if b != band(field[px + 1, py]) or b != band(field[px, py + 1]):
                c.set(px, py, false_colour(b / len(levels)))
                c.set(px + 1, py, false_colour(b / len(levels)))
    for level in levels:
        # label each level once, where its line crosses the room's middle row
        my = ROOM_D / 2 + 0.25
        for px in range(x0, (x0 + x1) // 2):
            mx = (px - plan.x0) / plan.scale
            if office_illuminance(mx, my, 0.0) < level <= office_illuminance(mx + 1 / plan.scale, my, 0.0):
                py = plan.p(0, my)[1]
                c.fill_rect(px + 3, py - 9, px + 3 + text_width(str(level)), py + 7, (255, 255, 255))
                c.text(px + 3, py - 8, str(level), INK, scale=2)
                break
    plan.rect(0, 0, ROOM_W, ROOM_D, WALL, width=3)
    write_png(os.path.join(folder, "result1_isolines.png"), c)

    # 2: false colours on the north wall
    wall_xs, wall_zs = grid_points(ROOM_W, ROOM_H, 0.25)
    stats.append(statistics([office_wall_illuminance(x, z) for x in wall_xs for z in wall_zs]))
    lo, hi = stats[-1][0], stats[-1][1]
    c = Canvas(800, 420)
    caption(c, "ILLUMINANCE ON NORTH WALL - FALSE COLOURS - LX")
    el = Plan(c, ROOM_W + 1.6, ROOM_H, margin=40)
    x0, y1 = el.p(0, ROOM_H)
    x1, y0 = el.p(ROOM_W, 0)
    for py in range(y1, y0):
        for px in range(x0, x1):
            mx, mz = (px - el.x0) / el.scale, (el.y0 - py) / el.scale
            c.set(px, py, false_colour((office_wall_illuminance(mx, mz) - lo) / (hi - lo)))
    el.rect(0, 0, ROOM_W, ROOM_H, WALL, width=2)
    legend(c, x1 + 30, y1 + 30, y0 - y1 - 40, lo, hi, "LX")
    write_png(os.path.join(folder, "result2_falsecolours.png"), c)
    return stats


def project_point(x, y, z, eye, focal, cx, cy):
    """Simple perspective: camera at eye looking along +y."""
    dy = y - eye[1]
    return cx + focal * (x - eye[0]) / dy, cy - focal * (z - eye[2]) / dy


def draw_office_rendering(path):
    w, h = 640, 480
    c = Canvas(w, h, (0, 0, 0))
    eye, focal = (4.0, -3.2, 1.6), 420

    def pt(x, y, z):
        return project_point(x, y, z, eye, focal, w / 2, h / 2 + 10)

    floor = [pt(0, 0, 0), pt(ROOM_W, 0, 0), pt(ROOM_W, ROOM_D, 0), pt(0, ROOM_D, 0)]
    ceiling = [pt(0, 0, ROOM_H), pt(ROOM_W, 0, ROOM_H), pt(ROOM_W, ROOM_D, ROOM_H), pt(0, ROOM_D, ROOM_H)]
    back = [pt(0, ROOM_D, 0), pt(ROOM_W, ROOM_D, 0), pt(ROOM_W, ROOM_D, ROOM_H), pt(0, ROOM_D, ROOM_H)]
    left = [pt(0, 0, 0), pt(0, ROOM_D, 0), pt(0, ROOM_D, ROOM_H), pt(0, 0, ROOM_H)]
    right = [pt(ROOM_W, 0, 0), pt(ROOM_W, ROOM_D, 0), pt(ROOM_W, ROOM_D, ROOM_H), pt(ROOM_W, 0, ROOM_H)]
    c.polygon(ceiling, (225, 225, 220))
    c.polygon(left, (205, 200, 190))
    c.polygon(right, (215, 210, 200))
    c.polygon(back, (235, 230, 220))
    c.polygon(floor, (150, 120, 90))
    # windows in the right wall
    for y0, y1 in ((0.8, 2.6), (3.4, 5.2)):
        c.polygon([pt(ROOM_W, y0, 0.9), pt(ROOM_W, y1, 0.9), pt(ROOM_W, y1, 2.4), pt(ROOM_W, y0, 2.4)],
                  (170, 210, 245))
    # desks: top and front face
    for x0, y0, x1, y1 in OFFICE_DESKS:
        if y0 < 0.5:
            continue
        c.polygon([pt(x0, y0, 0.75), pt(x1, y0, 0.75), pt(x1, y0, 0.0), pt(x0, y0, 0.0)], (120, 95, 70))
        c.polygon([pt(x0, y0, 0.75), pt(x1, y0, 0.75), pt(x1, y1, 0.75), pt(x0, y1, 0.75)], (200, 170, 130))
    for lx, ly in OFFICE_LUMINAIRES:
        c.polygon([pt(lx - 0.3, ly - 0.3, ROOM_H), pt(lx + 0.3, ly - 0.3, ROOM_H),
                   pt(lx + 0.3, ly + 0.3, ROOM_H), pt(lx - 0.3, ly + 0.3, ROOM_H)], (255, 255, 250))
    spots = [pt(lx, ly, 0.75) for lx, ly in OFFICE_LUMINAIRES]

    def light(px, py):
        f = 0.75
        for sx, sy in spots:
            f += 0.35 * math.exp(-((px - sx) ** 2 + (py - sy) ** 2) / 9000.0)
        return f

    c.shade(light)
    write_png(path, c)


def draw_office_screenshots(folder):
    # 1: the design application's 3D wireframe view
    c = Canvas(800, 600, (60, 64, 72))
    c.fill_rect(0, 0, 800, 28, (40, 90, 160))
    c.text(10, 7, "ZENTYRA DESIGN - OFFICE 2ND FLOOR - 3D VIEW", (255, 255, 255), scale=2)
    c.fill_rect(0, 28, 800, 60, (230, 232, 236))
    for i in range(12):
        c.rect(8 + i * 34, 33, 36 + i * 34, 56, (150, 150, 160))
        c.fill_rect(14 + i * 34, 39, 30 + i * 34, 50, false_colour(i / 11))
    eye, focal = (11.0, -6.0, 7.0), 520

    def pt(x, y, z):
        # rotate the room a little so that the view is oblique
        a = math.radians(25)
        rx, ry = x * math.cos(a) - y * math.sin(a), x * math.sin(a) + y * math.cos(a)
        return project_point(rx, ry, z, eye, focal, 330, 300)

    def edge(p, q, colour, width=1):
        a, b = pt(*p), pt(*q)
        c.line(a[0], a[1], b[0], b[1], colour, width)

    for i in range(int(ROOM_W) + 1):
        edge((i, 0, 0), (i, ROOM_D, 0), (90, 96, 108))
    for j in range(int(ROOM_D) + 1):
        edge((0, j, 0), (ROOM_W, j, 0), (90, 96, 108))
    corners = [(0, 0), (ROOM_W, 0), (ROOM_W, ROOM_D), (0, ROOM_D)]
    for (xa, ya), (xb, yb) in zip(corners, corners[1:] + corners[:1]):
        edge((xa, ya, 0), (xb, yb, 0), (230, 230, 230), 2)
        edge((xa, ya, ROOM_H), (xb, yb, ROOM_H), (230, 230, 230), 2)
        edge((xa, ya, 0), (xa, ya, ROOM_H), (230, 230, 230), 2)
    for x0, y0, x1, y1 in OFFICE_DESKS:
        box = [(x0, y0), (x1, y0), (x1, y1), (x0, y1)]
        for (xa, ya), (xb, yb) in zip(box, box[1:] + box[:1]):
            edge((xa, ya, 0.75), (xb, yb, 0.75), (200, 170, 130))
    for lx, ly in OFFICE_LUMINAIRES:
        sq = [(lx - 0.3, ly - 0.3), (lx + 0.3, ly - 0.3), (lx + 0.3, ly + 0.3), (lx - 0.3, ly + 0.3)]
        c.polygon([pt(x, y, ROOM_H) for x, y in sq], LUMINAIRE)
        top, foot = pt(lx, ly, ROOM_H), pt(lx, ly, 0.75)
        c.line(top[0], top[1], foot[0], foot[1], (240, 200, 80), dash=4)
    c.fill_rect(620, 60, 800, 600, (230, 232, 236))
    c.text(630, 75, "PROPERTIES", INK, scale=2)
    for k, row in enumerate(["ROOM 8.00 X 6.00", "HEIGHT 3.00", "LUMINAIRES 6", "TYPE A", "36 W 4000 K"]):
        c.text(630, 105 + 24 * k, row, (70, 70, 80), scale=1)
    write_png(os.path.join(folder, "Screenshot1.png"), c)

    # 2: the calculation window with the false-colour plan
    c = Canvas(800, 600, (230, 232, 236))
    c.fill_rect(0, 0, 800, 28, (40, 90, 160))
    c.text(10, 7, "ZENTYRA DESIGN - CALCULATION RESULTS", (255, 255, 255), scale=2)
    plan = Plan(c, ROOM_W + 2.0, ROOM_D, margin=50)
    x0, y1 = plan.p(0, ROOM_D)
    x1, y0 = plan.p(ROOM_W, 0)
    lo, hi = 150.0, 700.0
    for py in range(y1, y0):
        for px in range(x0, x1):
            mx, my = (px - plan.x0) / plan.scale, (plan.y0 - py) / plan.scale
            c.set(px, py, false_colour((office_illuminance(mx, my, WORK_PLANE) - lo) / (hi - lo)))
    plan.rect(0, 0, ROOM_W, ROOM_D, WALL, width=3)
    for lx, ly in OFFICE_LUMINAIRES:
        plan.rect(lx - 0.3, ly - 0.3, lx + 0.3, ly + 0.3, INK, width=2)
    legend(c, x1 + 40, y1 + 30, y0 - y1 - 40, lo, hi, "LX")
    write_png(os.path.join(folder, "Screenshot2.png"), c)


# Road project: a two-lane road (2 x 3.75 m) with sidewalks, entering a tunnel at x = 40 m.

ROAD_LEN, LANE_W, WALK_W, TUNNEL_X = 60.0, 3.75, 1.5, 40.0
ROAD_W = 2 * LANE_W
POLES = [(0.0, -0.8), (20.0, ROAD_W + 0.8), (30.0, -0.8)]  # staggered 10 m poles before the tunnel
POLE_H = 10.0
TUNNEL_LIGHTS = [(x, ROAD_W + 0.3) for x in (42.5, 47.5, 52.5, 57.5)]  # wall-mounted, 5.2 m


def road_illuminance(x, y):
    e = 0.0
    for px, py in POLES:
        h = POLE_H
        d2 = (x - px) ** 2 + (y - py) ** 2 + h * h
        cos_g = h / math.sqrt(d2)
        e += 9000.0 * cos_g ** 3 / d2 * (0.4 + 0.6 * math.exp(-((x - px) ** 2) / 400.0))
    for px, py in TUNNEL_LIGHTS:
        h = 5.2
        d2 = (x - px) ** 2 + (y - py) ** 2 + h * h
        cos_g = h / math.sqrt(d2)
        e += 2400.0 * cos_g ** 3 / d2
    return e + (6.0 if x > TUNNEL_X else 1.0)


def road_luminance(x, y):
    return 0.075 * road_illuminance(x, y) * (1.0 + 0.15 * math.cos(y))


def road_plan(canvas, margin=40):
    plan = Plan(canvas, ROAD_LEN, ROAD_W + 2 * WALK_W + 2, margin=margin)
    plan.y0 -= (WALK_W + 1) * plan.scale

    def rect(x0, y0, x1, y1, colour, fill=None, width=1):
        plan.rect(x0, y0, x1, y1, colour, fill, width)

    rect(0, -WALK_W - 1, ROAD_LEN, ROAD_W + WALK_W + 1, None, fill=(200, 225, 180))
    rect(0, -WALK_W, ROAD_LEN, 0, None, fill=(205, 205, 205))
    rect(0, ROAD_W, ROAD_LEN, ROAD_W + WALK_W, None, fill=(205, 205, 205))
    rect(0, 0, ROAD_LEN, ROAD_W, None, fill=(110, 110, 115))
    for x in range(0, int(ROAD_LEN), 6):
        rect(x, LANE_W - 0.08, x + 3, LANE_W + 0.08, None, fill=(255, 255, 255))
    plan.line(0, 0.15, ROAD_LEN, 0.15, (255, 255, 255))
    plan.line(0, ROAD_W - 0.15, ROAD_LEN, ROAD_W - 0.15, (255, 255, 255))
    # tunnel walls and portal
    rect(TUNNEL_X, -WALK_W - 0.6, ROAD_LEN, -WALK_W, WALL, fill=(120, 110, 100))
    rect(TUNNEL_X, ROAD_W + WALK_W, ROAD_LEN, ROAD_W + WALK_W + 0.6, WALL, fill=(120, 110, 100))
    plan.line(TUNNEL_X, -WALK_W - 0.6, TUNNEL_X, ROAD_W + WALK_W + 0.6, WALL, width=3)
    return plan


def draw_road_views(folder):
    c = Canvas(900, 360)
    caption(c, "PLAN VIEW - SP 32 AND TUNNEL ENTRANCE")
    plan = road_plan(c, margin=45)
    for px, py in POLES:
        a = plan.p(px, py)
        c.circle(a[0], a[1], 4, INK, fill=(80, 80, 80))
        b = plan.p(px, py + (1.8 if py < 0 else -1.8))
        c.line(a[0], a[1], b[0], b[1], INK, width=2)
        c.circle(b[0], b[1], 6, INK, fill=LUMINAIRE)
    for px, py in TUNNEL_LIGHTS:
        a = plan.p(px, py + 1.2)
        c.fill_rect(a[0] - 8, a[1] - 4, a[0] + 8, a[1] + 4, LUMINAIRE)
        c.rect(a[0] - 8, a[1] - 4, a[0] + 8, a[1] + 4, INK)
    a = plan.p(TUNNEL_X + 1, ROAD_W + WALK_W + 0.6)
    c.text(a[0], a[1] - 20, "TUNNEL", INK, scale=2)
    plan.dimension_x(0, TUNNEL_X, -WALK_W - 1.0, "40.00 M")
    write_png(os.path.join(folder, "PlantView.png"), c)

    c = Canvas(900, 300)
    caption(c, "SIDE VIEW")
    el = Plan(c, ROAD_LEN, 12.0, margin=40)
    el.rect(0, -0.4, ROAD_LEN, 0, None, fill=(110, 110, 115))
    el.rect(TUNNEL_X, 0, ROAD_LEN, 7.5, None, fill=(225, 218, 205))
    el.rect(TUNNEL_X, 6.5, ROAD_LEN, 7.5, WALL, fill=(140, 130, 115))
    el.line(TUNNEL_X, 0, TUNNEL_X, 7.5, WALL, width=3)
    for px, _ in POLES:
        el.line(px, 0, px, POLE_H, (70, 70, 70), width=3)
        el.line(px, POLE_H, px + 1.8, POLE_H, (70, 70, 70), width=3)
        el.rect(px + 1.3, POLE_H - 0.35, px + 2.3, POLE_H, INK, fill=LUMINAIRE)
    for px, _ in TUNNEL_LIGHTS:
        el.rect(px - 0.6, 5.0, px + 0.6, 5.4, INK, fill=LUMINAIRE)
    el.dimension_y(0, POLE_H, -1.0, "10.00")
    write_png(os.path.join(folder, "LateralView.png"), c)

    # tunnel cross-section: a tall picture
    c = Canvas(420, 520)
    caption(c, "FRONT VIEW - SECTION")
    el = Plan(c, ROAD_W + 2 * WALK_W + 1.0, 8.5, margin=40)
    ox = 0.5 + WALK_W
    el.rect(0, -0.5, ROAD_W + 2 * WALK_W + 1.0, 0, None, fill=(150, 140, 125))
    radius = ROAD_W / 2 + WALK_W
    cx, cz = ox + ROAD_W / 2, 3.0
    outline = [el.p(cx - radius, 0)]
    for k in range(0, 181, 5):
        t = math.radians(180 - k)
        outline.append(el.p(cx + radius * math.cos(t), cz + radius * math.sin(t)))
    outline.append(el.p(cx + radius, 0))
    c.polygon(outline, (228, 222, 210))
    for (xa, ya), (xb, yb) in zip(outline, outline[1:]):
        c.line(xa, ya, xb, yb, WALL, width=4)
    el.rect(ox, 0, ox + ROAD_W, 0.05, None, fill=(90, 90, 95))
    el.rect(ox - WALK_W, 0, ox, 0.25, INK, fill=(200, 200, 200))
    el.rect(ox + ROAD_W, 0, ox + ROAD_W + WALK_W, 0.25, INK, fill=(200, 200, 200))
    lx = ox + ROAD_W + 0.3
    el.rect(lx - 0.25, 5.0, lx + 0.2, 5.4, INK, fill=LUMINAIRE)
    el.line(lx - 0.2, 5.0, ox + 0.5, 0.05, (240, 170, 40), dash=6)
    el.line(lx - 0.2, 5.0, ox + ROAD_W, 0.05, (240, 170, 40), dash=6)
    el.dimension_x(ox, ox + ROAD_W, -0.35, "7.50")
    write_png(os.path.join(folder, "FrontView.png"), c)

    c = Canvas(900, 360)
    caption(c, "LUMINAIRE LABELS - A: STREET LIGHT  B: TUNNEL LIGHT")
    plan = road_plan(c, margin=45)
    labels = [("A%d" % (i + 1), p, 1.8) for i, p in enumerate(POLES)]
    labels += [("B%d" % (i + 1), p, 1.2) for i, p in enumerate(TUNNEL_LIGHTS)]
    for text, (px, py), arm in labels:
        side = 1 if py > ROAD_W / 2 else -1
        a = plan.p(px, py)
        c.circle(a[0], a[1], 5, INK, fill=LUMINAIRE)
        b = plan.p(px, py + side * (arm + 0.8))
        c.fill_rect(b[0] - 2, b[1] - 9, b[0] + 38, b[1] + 11, (255, 255, 255))
        c.rect(b[0] - 2, b[1] - 9, b[0] + 38, b[1] + 11, (200, 40, 40))
        c.text(b[0] + 3, b[1] - 6, text, (200, 40, 40), scale=2)
    write_bmp(os.path.join(folder, "LabelsView.bmp"), c)


def draw_road_results(folder):
    stats = []
    # 0: numeric illuminance on the roadway, 20 points along (3 m) by 6 across
    xs = [1.5 + 3.0 * i for i in range(20)]
    ys = [LANE_W / 6 + LANE_W / 3 * j for j in range(6)]
    values = {(x, y): road_illuminance(x, y) for x in xs for y in ys}
    stats.append(statistics(list(values.values())))
    c = Canvas(900, 360)
    caption(c, "ILLUMINANCE ON ROADWAY - LX")
    plan = road_plan(c, margin=45)
    for (x, y), e in values.items():
        px, py = plan.p(x, y)
        c.text(px, py - 5, "%.1f" % e, (255, 255, 255), scale=1, anchor="centre")
    write_png(os.path.join(folder, "result0_numeric.png"), c)

    # 1: false-colour luminance for the observer of lane 1
    lum = [road_luminance(x, y) for x in xs for y in ys]
    stats.append(statistics(lum))
    lo, hi = 0.0, max(lum)
    c = Canvas(900, 360)
    caption(c, "LUMINANCE - OBSERVER 1 - CD/M2")
    plan = Plan(c, ROAD_LEN + 9.0, ROAD_W + 2 * WALK_W + 2, margin=45)
    plan.y0 -= (WALK_W + 1) * plan.scale
    x0, y1 = plan.p(0, ROAD_W)
    x1, y0 = plan.p(ROAD_LEN, 0)
    for py in range(y1, y0):
        for px in range(x0, x1):
            mx, my = (px - plan.x0) / plan.scale, (plan.y0 - py) / plan.scale
            c.set(px, py, false_colour((road_luminance(mx, my) - lo) / (hi - lo)))
    plan.rect(0, 0, ROAD_LEN, ROAD_W, INK, width=2)
    plan.line(TUNNEL_X, -0.6, TUNNEL_X, ROAD_W + 0.6, WALL, width=3)
    legend(c, x1 + 40, 70, 230, lo, hi, "CD/M2", decimals=1)
    write_png(os.path.join(folder, "result1_falsecolours.png"), c)

    # 2: isolines of the semi-cylindrical illuminance on the sidewalk
    walk_xs = [1.5 + 3.0 * i for i in range(20)]
    semicyl = [0.45 * road_illuminance(x, -0.75) for x in walk_xs]
    stats.append(statistics(semicyl))
    c = Canvas(900, 360)
    caption(c, "SEMI-CYLINDRICAL ILLUMINANCE ON SIDEWALK - ISOLINES - LX")
    plan = road_plan(c, margin=45)
    levels = [1, 2, 3, 5, 8, 12]
    x0, y1 = plan.p(0, ROAD_W + WALK_W)
    x1, y0 = plan.p(ROAD_LEN, -WALK_W)

    def semi(px, py):
        mx, my = (px - plan.x0) / plan.scale, (plan.y0 - py) / plan.scale
        return 0.45 * road_illuminance(mx, my)

    def band(e):
        return sum(1 for level in levels if e >= level)

    previous_row = [band(semi(px, y1)) for px in range(x0, x1 + 1)]
    for py in range(y1 + 1, y0):
        row = [band(semi(px, py)) for px in range(x0, x1 + 1)]
        for i in range(len(row) - 1):
            if row[i] != row[i + 1] or row[i] != previous_row[i]:
                c.set(x0 + i, py, false_colour(row[i] / len(levels)))
        previous_row = row
    write_png(os.path.join(folder, "result2_isolines.png"), c)
    return stats


def draw_road_rendering(path):
    w, h = 640, 480
    c = Canvas(w, h)
    horizon, vx = 200, 360
    for y in range(horizon):
        c.fill_rect(0, y, w, y + 1, mix((70, 120, 190), (190, 215, 235), y / horizon))
    c.polygon([(0, horizon), (w, horizon), (w, h), (0, h)], (95, 130, 70))
    # hill with the tunnel portal
    c.polygon([(180, horizon), (260, 120), (420, 95), (560, 140), (640, 170), (640, horizon)], (80, 110, 60))
    c.polygon([(300, horizon + 2), (300, 150), (420, 150), (420, horizon + 2)], (150, 140, 125))
    arch = [(318, horizon + 2)]
    for k in range(0, 181, 10):
        t = math.radians(180 - k)
        arch.append((vx + 42 * math.cos(t), 172 - 28 * math.sin(t)))
    arch.append((402, horizon + 2))
    c.polygon(arch, (25, 22, 20))
    for k in range(6):
        r = 1.0 / (1 + k * 0.6)
        c.fill_rect(int(vx + 26 * r) - 2, int(168 + 6 * (1 - r)), int(vx + 26 * r) + 2,
                    int(168 + 6 * (1 - r)) + 2, (255, 220, 150))
    # road and sidewalks in perspective towards the portal
    c.polygon([(320, horizon), (400, horizon), (w + 200, h), (-200, h)], (150, 150, 150))
    c.polygon([(326, horizon), (394, horizon), (w + 80, h), (-80, h)], (70, 70, 75))
    for k in range(9):
        t0, t1 = (k / 9) ** 1.6, ((k + 0.5) / 9) ** 1.6
        ya, yb = horizon + (h - horizon) * t0, horizon + (h - horizon) * t1
        c.polygon([(vx - 1 - 3 * t0, ya), (vx + 1 + 3 * t0, ya), (vx + 1 + 3 * t1, yb), (vx - 1 - 3 * t1, yb)],
                  (240, 240, 240))
    # street lights
    for side, base_x, base_y, height in ((-1, 90, 420, 300), (1, 560, 330, 170), (-1, 250, 255, 80)):
        c.fill_rect(base_x - 3, base_y - height, base_x + 3, base_y, (60, 60, 60))
        arm = base_x - side * height // 5
        c.line(base_x, base_y - height, arm, base_y - height, (60, 60, 60), width=4)
        c.circle(arm, base_y - height + 6, max(4, height // 30), None, fill=(255, 240, 190))
    write_png(path, c)


def draw_road_screenshot(path):
    c = Canvas(800, 600, (60, 64, 72))
    c.fill_rect(0, 0, 800, 28, (40, 90, 160))
    c.text(10, 7, "ZENTYRA DESIGN - SP 32 - ROAD VIEW", (255, 255, 255), scale=2)
    sub = Canvas(760, 320)
    plan = road_plan(sub, margin=20)
    for px, py in POLES + TUNNEL_LIGHTS:
        a = plan.p(px, py)
        sub.circle(a[0], a[1], 6, INK, fill=LUMINAIRE)
    for y in range(sub.height):
        i = 3 * y * sub.width
        j = 3 * ((y + 60) * c.width + 20)
        c.pixels[j:j + 3 * sub.width] = sub.pixels[i:i + 3 * sub.width]
    c.fill_rect(0, 400, 800, 600, (230, 232, 236))
    c.text(20, 415, "LUMINAIRES", INK, scale=2)
    for k, row in enumerate(["A1-A3  STREET LIGHT 10.00 M  LED 96 W",
                             "B1-B4  TUNNEL LIGHT 5.20 M  LED 48 W",
                             "ROADWAY 2 X 3.75 M  SIDEWALKS 1.50 M"]):
        c.text(20, 450 + 30 * k, row, (70, 70, 80), scale=2)
    write_png(path, c)


# ---------------------------------------------------------------------------------------
# Project files.

def xml_escape(text):
    return text.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def xml_lines(node, depth=0):
    """node: (name, attributes, children-or-text)."""
    name, attributes, content = node
    pad = "\t" * depth
    attrs = "".join(' %s="%s"' % (k, xml_escape(str(v)).replace('"', "&quot;")) for k, v in attributes)
    if isinstance(content, str):
        return [pad + "<%s%s>%s</%s>" % (name, attrs, xml_escape(content), name)]
    if not content:
        return [pad + "<%s%s />" % (name, attrs)]
    lines = [pad + "<%s%s>" % (name, attrs)]
    for child in content:
        lines.extend(xml_lines(child, depth + 1))
    lines.append(pad + "</%s>" % name)
    return lines


def el(name, content="", **attributes):
    return (name, list(attributes.items()), content)


def image_data(path):
    return [el("Image", [el("Path", path)])]


def result_info(info, picture):
    fields = [el(k, str(v)) for k, v in info]
    return [el("ResultInfo", fields)] + image_data(picture)


def fmt(v):
    return "%.2f" % v


def complete_name(project, name):
    # Real projects name screenshots and renderings by a complete path. A checked-out demo
    # cannot know where it lives, so it gives the bare name, which the report printer looks for
    # beside the project.
    del project
    return name


def triple(x, y, z):
    return "%.2f %.2f %.2f" % (x, y, z)


def surfaces_data(surfaces):
    """surfaces: (name, colour text, reflectance, min, max, mean)."""
    return [el("Surface", [el("Name", name), el("Color", colour), el("Reflectance", "%.2f" % rho),
                           el("MinIllum", fmt(lo)), el("MaxIllum", fmt(hi)), el("MeanIllum", fmt(mean))])
            for name, colour, rho, lo, hi, mean in surfaces]


def luminaire_types_data(types):
    sets = []
    for t in types:
        emitter = el("Emitter", [
            el("RilName", t["ril_name"]), el("RilCode", t["ril_code"]), el("Flux", "%.0f" % t["flux"]),
            el("Power", "%.1f" % t["power"]), el("Current", "%.3f" % t["current"]),
            el("Spectrum", t["spectrum"]), el("SpectrumKelvin", str(t["kelvin"])),
            el("Lamps", [el("Lamp", [el("LampTypeID", str(t["lamp"])), el("Count", "1")])]),
        ])
        steps = el("EmitterRegulations", [
            el("Regulation", [el("Current", "%.3f" % (t["current"] * f)), el("Flux", "%.0f" % (t["flux"] * f)),
                              el("Power", "%.1f" % (t["power"] * f)), el("Dimmer", "%.2f" % f),
                              el("Count", str(t["count"]))])
            for f in t["steps"]])
        sets.append(el("LightSet", [
            el("LightTypeID", str(t["id"])), el("LightTypeStringID", t["label"]), el("Name", t["name"]),
            el("Code", t["code"]), el("Family", t["family"]), el("ManufacturerName", MAKER[0]),
            el("ManufacturerShortName", MAKER[1]), el("ManufacturerCode", MAKER[2]),
            el("Count", str(t["count"])), el("EmitterList", [emitter, steps]),
        ]))
    return sets


def lamp_types_data(lamps):
    return [el("Lamp", [
        el("LampTypeID", str(l["id"])), el("Name", l["name"]), el("Code", l["code"]), el("Family", "LED"),
        el("ManufacturerName", MAKER[0]), el("ManufacturerCode", MAKER[2]),
        el("ManufacturerShortName", MAKER[1]), el("Flux", "%.0f" % l["flux"]), el("Power", "%.1f" % l["power"]),
        el("Current", "%.3f" % l["current"]), el("Kelvin", str(l["kelvin"])), el("Count", str(l["count"])),
    ]) for l in lamps]


def luminaire_list_data(lights):
    """lights: (type dict, label, parent structure, position, aiming point, rotation)."""
    out = []
    for t, label, parent, pos, aim, rot in lights:
        out.append(el("Light", [
            el("LightTypeID", str(t["id"])), el("LightTypeStringID", t["label"]), el("LightStringID", label),
            el("LightParentStructName", parent), el("Name", t["name"]), el("Code", t["code"]),
            el("Family", t["family"]), el("ManufacturerName", MAKER[0]),
            el("ManufacturerShortName", MAKER[1]), el("ManufacturerCode", MAKER[2]),
            el("UserName", label), el("isOn", "TRUE"), el("Pos", triple(*pos)), el("Rot", triple(*rot)),
            el("Pnt", triple(*aim)), el("PntRotZ", "0.00"),
            el("EmitterList", [el("Emitter", [
                el("RilName", t["ril_name"]), el("RilCode", t["ril_code"]), el("Flux", "%.0f" % t["flux"]),
                el("Power", "%.1f" % t["power"]), el("Current", "%.3f" % t["current"]),
                el("Spectrum", t["spectrum"]), el("Manut", "0.80"), el("Dimmer", "1.00"),
                el("Pos", triple(*pos)), el("Rot", triple(*rot)),
            ])]),
        ]))
    return out


MAKER = ("Luci Lariane S.p.A.", "LLA", "LLA-01")

PANEL = dict(id=0, label="A", name="Quadra LED 600", code="QD600-36-840", family="Quadra",
             ril_name="Ottica microprismatica UGR<19", ril_code="MPR19", flux=3600, power=36.0,
             current=0.9, spectrum="1 0.96 0.9", kelvin=4000, lamp=0, count=6, steps=(1.0, 0.5))
STREET = dict(id=0, label="A", name="Strada LED 96", code="ST96-740-T2", family="Strada",
              ril_name="Ottica stradale asimmetrica", ril_code="T2M", flux=12400, power=96.0,
              current=0.7, spectrum="1 0.93 0.82", kelvin=3000, lamp=0, count=3, steps=(1.0, 0.7, 0.5))
TUNNEL = dict(id=1, label="B", name="Galleria LED 48", code="GL48-740-CB", family="Galleria",
              ril_name="Controflusso", ril_code="CB", flux=6200, power=48.0, current=0.5,
              spectrum="1 0.97 0.92", kelvin=4000, lamp=1, count=4, steps=(1.0, 0.6))


def write_project(path, general, project, calc, elements):
    root = el("Zentyra", [
        el("GeneralInfo", [el("Date", general)]),
        el("ProjectInfo", [el(k, v) for k, v in project]),
        el("CalcInfo", [el(k, v) for k, v in calc]),
        el("AvailableElementsList", [
            el("PrintElement", [el("Description", desc), el("CustomClassData", data)],
               **{"class": key, "id": str(ident)})
            for key, ident, desc, data in elements]),
    ])
    text = CRLF.join(['<?xml version="1.0" encoding="UTF-8"?>'] + xml_lines(root)) + CRLF
    write_bytes(path, text.encode("utf-8"))


def write_indoor_project():
    folder = os.path.join(PROJECTS, "indoor")
    draw_office_views(folder)
    stats = draw_office_results(os.path.join(folder, "Results"))
    draw_office_rendering(os.path.join(folder, "Rendering.png"))
    draw_office_screenshots(folder)
    (min0, max0, med0), (min1, max1, med1), (min2, max2, med2) = stats
    draw_luminaire_picture(os.path.join(folder, "LUM_A.BMP"), "panel")
    surfaces = surfaces_data([
        ("Pavimento", "153,128,102", 0.30, min1, max1, med1),
        ("Soffitto", "242,242,236", 0.80, 88.0, 131.0, 104.0),
        ("Parete nord", "230,225,210", 0.60, min2, max2, med2),
        ("Parete sud", "230,225,210", 0.60, min2, max2, med2),
        ("Parete est", "230,225,210", 0.50, 101.0, 219.0, 158.0),
        ("Parete ovest", "230,225,210", 0.60, 101.0, 219.0, 158.0),
    ])
    lights = [(PANEL, "A%d" % (i + 1), "Soffitto", (x, y, ROOM_H), (x, y, WORK_PLANE), (0, 0, 0))
              for i, (x, y) in enumerate(OFFICE_LUMINAIRES)]
    project = [
        ("ProjectName", "Ufficio al 2° piano"),
        ("ProjectCode", "PRJ-2025-017"),
        ("ProjectClient", "Tessiture Brianza S.r.l."),
        ("ProjectNotes", "Illuminazione generale degli uffici, compito visivo: scrittura e lettura"),
        ("Comune", "Comune di Cantù"),
        ("Ubicazione", "Via Milano 45, 2° piano"),
        ("Apparecchio", "Pannello LED 600×600 mm, 36 W, 4000 K"),
        ("Ambito", "Illuminazione interna – uffici"),
        ("Compilatore", "Ing. Marta Colombo"),
        ("Ditta", "Studio Luce Colombo"),
        ("Data", "12/03/2025"),
        ("RifProtocollo", "Prot. n. 2025/0147"),
        ("ProjectMode", "0"),
    ]
    calc = [("Type", "1"), ("Accuracy", "3"), ("UsingSun", "0")]
    empty = []
    elements = [
        ("class_placeInfo", 0, "Office room, 8.00 x 6.00 x 3.00 m", surfaces),
        ("class_luminaireInfo", 0, "Luminaire types", luminaire_types_data([PANEL])),
        ("class_lampInfo", 0, "Lamp types", lamp_types_data([
            dict(id=0, name="Modulo LED 36 W 840", code="LM36-840", flux=3600, power=36.0, current=0.9,
                 kelvin=4000, count=6)])),
        ("class_luminaireList", 0, "Luminaire positions and aiming", luminaire_list_data(lights)),
        ("class_summaryResult", 0, "Summary of the calculation surfaces", empty),
        ("class_abbCss", 0, "Glare by CSS method", empty),
        ("class_abbCsGr", 0, "Glare rating GR", empty),
        ("class_inqLum", 0, "Light pollution", empty),
        ("class_visualComfort", 0, "Visual comfort (UGR)", empty),
        ("class_energeticCalc", 0, "Energy calculation (LENI)", empty),
        ("class_EPI", 0, "Energy performance indicators", empty),
        ("class_placeEnergetic", 0, "Room energy table", empty),
        ("class_plantView", 0, "Plan view", image_data("PlantView.png")),
        ("class_lateralView", 0, "Side view", image_data("LateralView.png")),
        ("class_frontView", 0, "Front view", image_data("FrontView.png")),
        ("class_labelsView", 0, "Luminaire labels", image_data("LabelsView.bmp")),
        ("class_result", 0, "Work plane, numeric values", result_info([
            ("Type", "Illuminance"), ("DisplayType", "numeric"), ("e_surfType", "kSurfType_wpRoom"),
            ("Description", "Piano di lavoro h 0,80 m"), ("Min", fmt(min0)), ("Max", fmt(max0)),
            ("Med", fmt(med0)), ("NumDecimals", "0"), ("PotSpecificaIlluminotecnica", "2.35"),
        ], "Results\\result0_numeric.png")),
        ("class_result", 1, "Floor, isolines", result_info([
            ("Type", "Illuminance"), ("DisplayType", "isoSurf"), ("e_surfType", "kSurfType_floor"),
            ("Description", "Pavimento"), ("Min", fmt(min1)), ("Max", fmt(max1)),
            ("Med", fmt(med1)), ("NumDecimals", "1"),
        ], "Results\\result1_isolines.png")),
        ("class_result", 2, "North wall, false colours", result_info([
            ("Type", "Illuminance"), ("DisplayType", "pseudoColor"), ("e_surfType", "kSurfType_wall"),
            ("Description", "Parete nord"), ("Min", fmt(min2)), ("Max", fmt(max2)),
            ("Med", fmt(med2)), ("NumDecimals", "0"),
        ], "Results\\result2_falsecolours.png")),
        ("class_screenShot", 0, "3D view", [el("Filename", complete_name("indoor", "Screenshot1.png"))]),
        ("class_screenShot", 1, "Calculation window",
         [el("Filename", complete_name("indoor", "Screenshot2.png"))]),
        ("class_rendering", 0, "Rendering of the office",
         [el("Filename", complete_name("indoor", "Rendering.png"))]),
        ("class_electricLines", 0, "Electric lines", empty),
        ("class_economicCalc", 0, "Economic calculation", empty),
    ]
    write_project(os.path.join(folder, "indoor.xml"), "12/03/2025", project, calc, elements)


def write_road_project():
    folder = os.path.join(PROJECTS, "road")
    draw_road_views(folder)
    stats = draw_road_results(os.path.join(folder, "Results"))
    draw_road_rendering(os.path.join(folder, "Rendering.png"))
    draw_road_screenshot(os.path.join(folder, "Screenshot1.png"))
    (min0, max0, med0), (min1, max1, med1), (min2, max2, med2) = stats
    draw_luminaire_picture(os.path.join(folder, "LUM_A.BMP"), "street")
    draw_luminaire_picture(os.path.join(folder, "LUM_B.BMP"), "tunnel")
    road = [
        el("Norm", "UNI 11248 / EN 13201-2"), el("DriverAge", "60"), el("Length", fmt(ROAD_LEN)),
        el("PtCalcX", "20"), el("UseWiz", "0"), el("IsTunnel", "1"),
        el("RoadTun", [
            el("Tun_LumCalcMode", "0"), el("Tun_LumCalcModeStrId", "0"), el("Tun_coverType", "1"),
            el("Tun_tunWidth", fmt(ROAD_W + 2 * WALK_W)), el("Tun_tunHeight", "7.50"),
            el("Tun_tunHeightHO", "0.00"), el("Tun_tunPiedritto", "3.00"), el("Tun_tunDiameter", "0.00"),
            el("Tun_h_walls", "2.50"), el("Tun_color_walls", "0.9 0.87 0.82"),
            el("Tun_coefRif_walls", "0.50"), el("Tun_color_ceil", "0.55 0.52 0.48"),
            el("Tun_coefRif_ceil", "0.20"),
        ]),
        el("Zone", [
            el("Name", "Carreggiata"), el("Type", "0"), el("Width", fmt(ROAD_W)), el("Y1", "0.00"),
            el("Y2", fmt(ROAD_W)), el("PtCalcY", "6"), el("Height", "0.00"), el("Color", "0.3 0.3 0.32"),
            el("RTable", "C2"), el("Q0CRif", "0.07"),
            el("SubZone", [el("Name", "Corsia 1"), el("Direction", "Est"), el("Width", fmt(LANE_W)),
                           el("Y1", "0.00"), el("Y2", fmt(LANE_W)), el("PtCalcY", "3")]),
            el("SubZone", [el("Name", "Corsia 2"), el("Direction", "Ovest"), el("Width", fmt(LANE_W)),
                           el("Y1", fmt(LANE_W)), el("Y2", fmt(ROAD_W)), el("PtCalcY", "3")]),
        ]),
        el("Zone", [
            el("Name", "Marciapiede sud"), el("Type", "1"), el("Width", fmt(WALK_W)), el("Y1", fmt(-WALK_W)),
            el("Y2", "0.00"), el("PtCalcY", "2"), el("Height", "0.15"), el("Color", "0.8 0.8 0.8"),
            el("RTable", "R3"), el("Q0CRif", "0.08"),
        ]),
        el("Zone", [
            el("Name", "Marciapiede nord"), el("Type", "1"), el("Width", fmt(WALK_W)), el("Y1", fmt(ROAD_W)),
            el("Y2", fmt(ROAD_W + WALK_W)), el("PtCalcY", "2"), el("Height", "0.15"),
            el("Color", "0.8 0.8 0.8"), el("RTable", "R3"), el("Q0CRif", "0.08"),
        ]),
    ]
    for name, (x, y), count, spacing, height, t, virtual in (
            ("Fila pali sud", POLES[0], 2, 30.0, POLE_H, STREET, "0"),
            ("Fila pali nord", POLES[1], 1, 0.0, POLE_H, STREET, "0"),
            ("Galleria parete nord", TUNNEL_LIGHTS[0], 4, 5.0, 5.2, TUNNEL, "1")):
        road.append(el("Line", [
            el("Name", name), el("PosX", fmt(x)), el("PosY", fmt(y)), el("Height", fmt(height)),
            el("LumPosX", fmt(x + (1.8 if t is STREET else 0.0))), el("LumPosY", fmt(y)),
            el("VirtualRow", virtual), el("PostNum", str(count)), el("Interdistance", fmt(spacing)),
            el("ArmLength", "1.80" if t is STREET else "0.00"), el("LumLC", "0.00"),
            el("LumTilting", "5.00" if t is STREET else "15.00"), el("ArmRotation", "0.00"),
            el("LumRotation", "0.00"), el("LatLumIncl", "0.00"), el("Layer", "1"), el("Increm", "1.00"),
            el("Section", fmt(x)), el("LumMaintCoeff", "0.80"), el("LightCode", t["code"]),
            el("LightFlux", "%.0f" % t["flux"]), el("LightTypeID", str(t["id"])),
            el("LightTypeStringID", t["label"]),
        ]))
    lights = [(STREET, "A%d" % (i + 1), "Palo %d" % (i + 1), (x, y, POLE_H), (x, LANE_W, 0.0), (0, 5, 0))
              for i, (x, y) in enumerate(POLES)]
    lights += [(TUNNEL, "B%d" % (i + 1), "Galleria", (x, y, 5.2), (x, LANE_W, 0.0), (0, 15, 180))
               for i, (x, y) in enumerate(TUNNEL_LIGHTS)]
    project = [
        ("ProjectName", "SP 32 – galleria «San Fermo»"),
        ("ProjectCode", "STR-2025-004"),
        ("ProjectClient", "Provincia di Como – Settore Viabilità"),
        ("ProjectNotes", "Tratto di accesso e zona di entrata della galleria, categoria M3"),
        ("Comune", "Comune di Erba"),
        ("Ubicazione", "SP 32, km 4+200 – 4+260"),
        ("Apparecchio", "Armatura stradale LED 96 W; proiettore da galleria LED 48 W"),
        ("Ambito", "Illuminazione stradale – UNI 11248 / EN 13201"),
        ("Compilatore", "Ing. Marta Colombo"),
        ("Ditta", "Studio Luce Colombo"),
        ("Data", "02/04/2025"),
        ("RifProtocollo", "Prot. n. 2025/0311"),
        ("ProjectMode", "0"),
    ]
    calc = [("Type", "0"), ("Accuracy", "2"), ("UsingSun", "0")]
    empty = []
    elements = [
        ("class_roadInfo", 0, "Road and tunnel geometry", road),
        ("class_luminaireInfo", 0, "Luminaire types", luminaire_types_data([STREET, TUNNEL])),
        ("class_lampInfo", 0, "Lamp types", lamp_types_data([
            dict(id=0, name="Modulo LED 96 W 730", code="LM96-730", flux=12400, power=96.0, current=0.7,
                 kelvin=3000, count=3),
            dict(id=1, name="Modulo LED 48 W 740", code="LM48-740", flux=6200, power=48.0, current=0.5,
                 kelvin=4000, count=4)])),
        ("class_luminaireList", 0, "Luminaire positions and aiming", luminaire_list_data(lights)),
        ("class_roadResults", 0, "Road lighting results by zone", empty),
        ("class_summaryResult", 0, "Summary of the calculation surfaces", empty),
        ("class_abbCss", 0, "Glare by CSS method", empty),
        ("class_abbCsGr", 0, "Glare rating GR", empty),
        ("class_inqLum", 0, "Light pollution", empty),
        ("class_visualComfort", 0, "Visual comfort", empty),
        ("class_energeticCalc", 0, "Energy calculation", empty),
        ("class_EPI", 0, "Energy performance indicators", empty),
        ("class_placeEnergetic", 0, "Energy by area", empty),
        ("class_plantView", 0, "Plan view", image_data("PlantView.png")),
        ("class_lateralView", 0, "Side view", image_data("LateralView.png")),
        ("class_frontView", 0, "Tunnel section", image_data("FrontView.png")),
        ("class_labelsView", 0, "Luminaire labels", image_data("LabelsView.bmp")),
        ("class_result", 0, "Roadway, numeric values", result_info([
            ("Type", "Illuminance"), ("DisplayType", "numeric"), ("e_surfType", "kSurf_RoadLane"),
            ("Description", "Carreggiata"), ("Min", fmt(min0)), ("Max", fmt(max0)),
            ("Med", fmt(med0)), ("NumDecimals", "1"), ("PotSpecificaIlluminotecnica", "1.12"),
        ], "Results\\result0_numeric.png")),
        ("class_result", 1, "Luminance, observer 1", result_info([
            ("Type", "Luminance"), ("DisplayType", "pseudoColor"), ("e_surfType", "kSurf_RoadLane"),
            ("Description", "Corsia 1"), ("Min", fmt(min1)), ("Max", fmt(max1)),
            ("Med", fmt(med1)), ("NumDecimals", "2"), ("ObserverIndex", "1"),
            ("ObserverName", "Osservatore corsia 1"), ("ObserverNameShort", "corsia 1"),
        ], "Results\\result1_falsecolours.png")),
        ("class_result", 2, "Sidewalk, semi-cylindrical illuminance", result_info([
            ("Type", "SemiCylIlluminance"), ("DisplayType", "isoSurf"),
            ("e_surfType", "kSurf_RoadVirtualZone"), ("Description", "Marciapiede sud"),
            ("Min", fmt(min2)), ("Max", fmt(max2)), ("Med", fmt(med2)), ("NumDecimals", "1"),
            ("ObserverName", "direzione 0°"),
        ], "Results\\result2_isolines.png")),
        ("class_screenShot", 0, "Road view", [el("Filename", complete_name("road", "Screenshot1.png"))]),
        ("class_rendering", 0, "Tunnel entrance by night",
         [el("Filename", complete_name("road", "Rendering.png"))]),
        ("class_electricLines", 0, "Electric lines", empty),
        ("class_economicCalc", 0, "Economic calculation", empty),
    ]
    write_project(os.path.join(folder, "road.xml"), "02/04/2025", project, calc, elements)


def main():
    write_language_files(os.path.join(SUITE, "Lng"))
    write_suite_configuration()
    write_indoor_project()
    write_road_project()


if __name__ == "__main__":
    main()
