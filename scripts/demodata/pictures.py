"""A small raster canvas with a 5x7 bitmap font, PNG and BMP writers, and shared drawings."""

import math
import struct
import unicodedata
import zlib

from .common import write_bytes

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


def _lzw_codes(indices, min_size):
    """GIF's variable-length LZW: (code, bit width) pairs, with a clear code when the table fills."""
    clear, end = 1 << min_size, (1 << min_size) + 1
    size = min_size + 1
    table = {bytes([i]): i for i in range(clear)}
    next_code = end + 1
    codes = [(clear, size)]
    word = b""
    for k in indices:
        longer = word + bytes([k])
        if longer in table:
            word = longer
            continue
        codes.append((table[word], size))
        if next_code < 4095:
            table[longer] = next_code
            next_code += 1
            # The decoder adds its entry one code later, so it widens when it reaches 2**size.
            if next_code > (1 << size) and size < 12:
                size += 1
        else:
            codes.append((clear, size))
            table = {bytes([i]): i for i in range(clear)}
            next_code, size = end + 1, min_size + 1
        word = bytes([k])
    if word:
        codes.append((table[word], size))
    codes.append((end, size))
    return codes


def write_gif(path, canvas):
    """Writes a GIF89a with a global palette of the picture's colours (at most 256)."""
    w, h = canvas.width, canvas.height
    palette = {}
    indices = bytearray(w * h)
    for i in range(w * h):
        c = bytes(canvas.pixels[3 * i:3 * i + 3])
        k = palette.setdefault(c, len(palette))
        assert k < 256, "a GIF holds at most 256 colours"
        indices[i] = k
    bits = max(2, (len(palette) - 1).bit_length())
    table = b"".join(sorted(palette, key=palette.get))
    table += b"\0" * (3 * (1 << bits) - len(table))
    stream, acc, filled = bytearray(), 0, 0
    for code, size in _lzw_codes(indices, bits):
        acc |= code << filled
        filled += size
        while filled >= 8:
            stream.append(acc & 0xFF)
            acc >>= 8
            filled -= 8
    if filled:
        stream.append(acc & 0xFF)
    blocks = b"".join(bytes([len(stream[i:i + 255])]) + bytes(stream[i:i + 255])
                      for i in range(0, len(stream), 255))
    data = (b"GIF89a" + struct.pack("<HHBBB", w, h, 0x80 | (bits - 1), 0, 0) + table
            + b"," + struct.pack("<HHHHB", 0, 0, w, h, 0) + bytes([bits]) + blocks + b"\0;")
    write_bytes(path, data)


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
    elif kind == "downlight":
        c.polygon([(40, 70), (160, 70), (150, 95), (50, 95)], (205, 208, 214))
        c.polygon([(60, 95), (140, 95), (130, 110), (70, 110)], (255, 246, 210))
        c.text(100, 160, "DOWNLIGHT", INK, scale=2, anchor="centre")
    else:
        c.polygon([(40, 70), (160, 70), (170, 130), (30, 130)], (120, 125, 135))
        c.fill_rect(45, 85, 155, 120, (255, 240, 190))
        for x in range(55, 150, 12):
            c.fill_rect(x, 85, x + 2, 120, (200, 190, 150))
        c.text(100, 160, "GALLERIA", INK, scale=2, anchor="centre")
    write_bmp(path, c)


def draw_product_picture(kind):
    """A catalogue photograph of a product, as the product database's pictures are. The suite
    keeps them as JPEG files, which the standard library cannot write: they are converted once and
    kept under scripts/demodata/assets/."""
    c = Canvas(240, 240, (246, 246, 248))
    c.shade(lambda x, y: 1.0 - 0.12 * y / 240.0)
    if kind == "downlight":
        c.circle(120, 110, 78, (150, 152, 160), fill=(196, 198, 206), width=3)
        c.circle(120, 110, 56, (120, 122, 130), fill=(255, 244, 200), width=2)
        c.circle(120, 110, 30, (240, 220, 150), fill=(255, 252, 235))
        c.text(120, 212, "LUX 100", INK, scale=2, anchor="centre")
    else:
        c.line(120, 0, 120, 80, (90, 90, 95), width=2)
        c.polygon([(60, 120), (180, 120), (150, 80), (90, 80)], (60, 64, 72))
        c.fill_rect(62, 120, 178, 128, (255, 236, 180))
        c.text(120, 212, "LUMIERE", INK, scale=2, anchor="centre")
    return c


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


def statistics(values):
    return min(values), max(values), sum(values) / len(values)
