"""Road demo project: pictures and project file."""

import math
import os

from .common import PROJECTS
from .pictures import *  # noqa: F401,F403
from .projectxml import *  # noqa: F401,F403
from .quality import *  # noqa: F401,F403


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
# Legends the design application writes beside a road project (GIF, few flat colours).

ASPHALT, WALKWAY, CYCLE, SOIL = (110, 110, 115), (200, 200, 200), (190, 90, 80), (200, 225, 180)


def draw_tunnel_legend(path):
    """Cross-section of a vault on side walls with the letters of the tunnel block's lines."""
    c = Canvas(360, 240)
    left, right, floor, wall_top = 60, 300, 210, 120
    cx, radius = (left + right) // 2, (right - left) // 2
    outline = [(left, floor), (left, wall_top)]
    for k in range(0, 181, 5):
        t = math.radians(180 - k)
        outline.append((cx + radius * math.cos(t), wall_top - 0.6 * radius * math.sin(t)))
    outline += [(right, wall_top), (right, floor)]
    c.polygon(outline, (235, 228, 215))
    c.fill_rect(left, floor - 60, left + 6, floor, (250, 235, 150))
    c.fill_rect(right - 6, floor - 60, right, floor, (250, 235, 150))
    for (xa, ya), (xb, yb) in zip(outline, outline[1:]):
        c.line(xa, ya, xb, yb, WALL, width=3)
    c.fill_rect(left, floor, right, floor + 6, ASPHALT)
    c.line(left, floor + 18, right, floor + 18, DIM)
    c.text(cx, floor + 22 - 18, "W", DIM, scale=2, anchor="centre")
    c.line(right + 20, floor, right + 20, int(wall_top - 0.6 * radius), DIM)
    c.text(right + 26, 90, "H", DIM, scale=2)
    c.line(left - 20, floor, left - 20, wall_top, DIM)
    c.text(left - 40, 160, "P", DIM, scale=2)
    c.text(left + 12, floor - 76, "HW", DIM, scale=2)
    write_gif(path, c)


def draw_zone_legend(path, bands):
    """The zones across the road, numbered as in the zone table. bands: (label, y1, y2, colour)."""
    c = Canvas(760, 190)
    lo, hi = min(b[1] for b in bands), max(b[2] for b in bands)
    scale = 150.0 / (hi - lo)
    for label, y1, y2, colour in bands:
        top, bottom = int(170 - (y2 - lo) * scale), int(170 - (y1 - lo) * scale)
        c.fill_rect(20, top, 420, bottom, colour)
        c.rect(20, top, 420, bottom, INK)
        c.text(440, (top + bottom) // 2 - 7, label, INK, scale=2)
    c.line(20, 180, 420, 180, DIM)
    c.text(220, 182 - 16, "X", DIM, scale=2, anchor="centre")
    write_gif(path, c)


def draw_light_legend(path):
    """A pole with its arm and luminaire: the quantities of the installation table."""
    c = Canvas(760, 170)
    ground = 150
    c.fill_rect(0, ground, 760, ground + 6, ASPHALT)
    for base in (80, 420):
        c.fill_rect(base - 3, 30, base + 3, ground, (80, 80, 85))
        c.line(base, 32, base + 70, 26, (80, 80, 85), width=4)
        c.polygon([(base + 60, 20), (base + 100, 24), (base + 98, 32), (base + 60, 30)], LUMINAIRE)
    c.line(60, ground, 60, 30, DIM)
    c.text(40, 80, "H", DIM, scale=2)
    c.line(80, 12, 150, 12, DIM)
    c.text(108, 0, "LC", DIM, scale=2)
    c.line(80, ground + 12, 420, ground + 12, DIM)
    c.text(250, ground - 6, "I", DIM, scale=2, anchor="centre")
    c.text(540, 60, "X Y  POLE", INK, scale=2)
    c.text(540, 84, "TILT  ROTATION", INK, scale=2)
    write_gif(path, c)


def write_road_project():
    folder = os.path.join(PROJECTS, "road")
    draw_road_views(folder)
    stats = draw_road_results(os.path.join(folder, "Results"))
    draw_road_rendering(os.path.join(folder, "Rendering.png"))
    draw_road_screenshot(os.path.join(folder, "Screenshot1.png"))
    (min0, max0, med0), (min1, max1, med1), (min2, max2, med2) = stats
    draw_luminaire_picture(os.path.join(folder, "LUM_A.BMP"), "street")
    draw_luminaire_picture(os.path.join(folder, "LUM_B.BMP"), "tunnel")
    draw_energy_class(os.path.join(folder, "Results", "EnergyClass.png"), "IPEI* ENERGY CLASS - SP 32",
                      "A+", "0.024")
    road = [
        el("Norm", "UNI 11248 / EN 13201-2"), el("DriverAge", "60"), el("Length", fmt(ROAD_LEN)),
        el("PtCalcX", "20"), el("UseWiz", "0"), el("IsTunnel", "1"),
        el("RoadTun", [
            el("Tun_LumCalcMode", "0"), el("Tun_LumCalcModeStrId", "7591"), el("Tun_coverType", "1"),
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
    # The approach beyond the drawn stretch: staggered poles every 30 m back to km 2+200, and the
    # tunnel's interior lights every 6 m, reduced at night; a long list, as roads have.
    approach = [(-15.0 * (k + 1), ROAD_W + 0.8 if k % 2 == 0 else -0.8) for k in range(130)]
    lights += [(STREET, "A%d" % (len(POLES) + i + 1), "Palo %d" % (len(POLES) + i + 1), (x, y, POLE_H),
                (x, LANE_W, 0.0), (0, 5, 180 if y > 0 else 0), 0.7)
               for i, (x, y) in enumerate(approach)]
    lights += [(TUNNEL, "B%d" % (len(TUNNEL_LIGHTS) + i + 1), "Galleria interno",
                (62.5 + 6.0 * i, ROAD_W + 0.3, 5.2), (62.5 + 6.0 * i, LANE_W, 0.0), (0, 15, 180), 0.6)
               for i in range(60)]
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
        ("class_roadResults", 0, "Road lighting results by zone", road_results_data([
            ("Carreggiata", "Obs. lane 1", "Lm = 1.12 cd/m²", "Uo = 0.45", "Ul = 0.71", "TI = 8 %", "SR = 0.62"),
            ("Carreggiata", "Obs. lane 2", "Lm = 1.09 cd/m²", "Uo = 0.44", "Ul = 0.68", "TI = 9 %", "SR = 0.62"),
            ("Corsia 1", "Obs. lane 1", "Lm = 1.15 cd/m²", "Uo = 0.47", "Ul = 0.73", "TI = 8 %", "SR = 0.63"),
            ("Corsia 2", "Obs. lane 2", "Lm = 1.06 cd/m²", "Uo = 0.43", "Ul = 0.66", "TI = 9 %", "SR = 0.61"),
        ])),
        ("class_summaryResult", 0, "Summary of the calculation surfaces", empty),
        ("class_abbCss", 0, "Glare rating at the lay-by", glare_grid_data(
            False, [(12.0, -1.0, 1.5), (24.0, -1.0, 1.5)],
            [(0, (0.0, 0.0, 0.0), a) for a in (0.0, 90.0, 180.0)],
            lambda i, j: -1 if (i, j) == (1, 1) else 31.4 + 4.2 * i + 2.6 * j)),
        ("class_abbCsGr", 0, "Glare rating GR", single_glare_data((5.0, 1.9, 1.5), (65.0, 1.9, 0.0), 38.2, 8.4)),
        ("class_inqLum", 0, "Light pollution", light_pollution_data(0.9, 0.49)),
        ("class_energeticCalc", 0, "Energy calculation", energetic_calc_data(
            "IPEI_STAR", "Results\\EnergyClass.png", 0.0236, True)),
        ("class_EPI", 0, "Energy performance indicators", epi_data(
            [("Strada LED 96 (A)", "96.0", "3"), ("Galleria LED 48 (B)", "48.0", "4")],
            [("Carreggiata", "450.00", "21.4"), ("Marciapiedi", "180.00", "9.2")],
            ("480.0", "9.6", "489.6"), ("4200", "0.043", "3264"))),
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
    draw_tunnel_legend(os.path.join(folder, "LegendFornice.gif"))
    draw_zone_legend(os.path.join(folder, "LegendRoadZone.gif"), [
        ("1. CARREGGIATA", 0.0, ROAD_W, ASPHALT), ("2. MARCIAPIEDE SUD", -WALK_W, 0.0, WALKWAY),
        ("3. MARCIAPIEDE NORD", ROAD_W, ROAD_W + WALK_W, WALKWAY)])
    draw_light_legend(os.path.join(folder, "LegendRoadLight.gif"))
    write_street_project()


# Street project: an open road (no tunnel) with a cycle lane, in the imperial habit of round
# feet: lanes of 3.048 m (10 ft), poles every 30.48 m (100 ft).

STREET_LANE, STREET_CYCLE, STREET_WALK = 3.048, 1.524, 1.8288


def write_street_project():
    folder = os.path.join(PROJECTS, "street")

    def fmt3(v):
        return "%.4f" % v

    carriage = 2 * STREET_LANE
    road = [
        el("Norm", "EN 13201-2"), el("DriverAge", "23"), el("Length", "91.44"), el("PtCalcX", "10"),
        el("UseWiz", "1"), el("IsTunnel", "0"),
        el("WizInfo", [el("Class", "M4")]),
        el("Zone", [
            el("Name", "Carreggiata"), el("Type", "0"), el("Width", fmt3(carriage)), el("Y1", "0.00"),
            el("Y2", fmt3(carriage)), el("PtCalcY", "6"), el("Height", "0.00"), el("Color", "0.3 0.3 0.32"),
            el("RTable", "R3"), el("Q0CRif", "0.07"),
            el("SubZone", [el("Name", "Corsia nord"), el("Direction", "Est"), el("Width", "%.3f" % STREET_LANE),
                           el("Y1", "0.00"), el("Y2", "%.3f" % STREET_LANE), el("PtCalcY", "3")]),
            el("SubZone", [el("Name", "Corsia sud"), el("Direction", "Ovest"), el("Width", "%.3f" % STREET_LANE),
                           el("Y1", "%.3f" % STREET_LANE), el("Y2", fmt3(carriage)), el("PtCalcY", "3")]),
        ]),
        el("Zone", [
            el("Name", "Ciclabile"), el("Type", "2"), el("Width", "%.3f" % STREET_CYCLE),
            el("Y1", fmt3(carriage)), el("Y2", fmt3(carriage + STREET_CYCLE)), el("PtCalcY", "3"),
            el("Height", "0.00"), el("Color", "0.75 0.35 0.3"), el("RTable", "R3"), el("Q0CRif", "0.0700"),
            el("SubZone", [el("Name", "Ciclabile bidirezionale"), el("Direction", "Est-Ovest"),
                           el("Width", "%.3f" % STREET_CYCLE), el("Y1", fmt3(carriage)),
                           el("Y2", fmt3(carriage + STREET_CYCLE)), el("PtCalcY", "3")]),
        ]),
        el("Zone", [
            el("Name", "Marciapiede"), el("Type", "1"), el("Width", "%.4f" % STREET_WALK),
            el("Y1", fmt3(-STREET_WALK)), el("Y2", "0.00"), el("PtCalcY", "2"), el("Height", "0.15"),
            el("Color", "0.8 0.8 0.8"), el("RTable", "R2"), el("Q0CRif", "0.08"),
        ]),
        el("Zone", [
            el("Name", "Banchina"), el("Type", "5"), el("Width", "0.50"), el("Y1", fmt3(-STREET_WALK - 0.5)),
            el("Y2", fmt3(-STREET_WALK)), el("PtCalcY", "1"), el("Height", "0.00"), el("RTable", "-"),
            el("Q0CRif", "0"),
        ]),
    ]
    for name, y, count, virtual, arm, tilt in (
            ("Fila pali sud", -STREET_WALK - 0.25, 4, "0", 1.5, 10.0),
            ("Fila pali nord", carriage + STREET_CYCLE + 0.5, 3, "0", 1.0, 5.0),
            ("Fila di calcolo", carriage / 2, 0, "1", 0.0, 0.0)):
        road.append(el("Line", [
            el("Name", name), el("PosX", "0.00"), el("PosY", fmt3(y)), el("Height", "9.144"),
            el("LumPosX", "0.00"), el("LumPosY", fmt3(y + (arm if y < 0 else -arm))),
            el("VirtualRow", virtual), el("PostNum", str(count)), el("Interdistance", "30.48"),
            el("ArmLength", fmt3(arm)), el("LumLC", fmt3(arm)), el("LumTilting", fmt3(tilt)),
            el("ArmRotation", "90.00" if y < 0 else "270.00"), el("LumRotation", "0.00"),
            el("LatLumIncl", "0.00"), el("Layer", "ignored"), el("Increm", "9.99"), el("Section", "9.99"),
            el("LumMaintCoeff", "0.85"), el("LightCode", STREET["code"]),
            el("LightFlux", "%.0f" % STREET["flux"]), el("LightTypeID", str(STREET["id"])),
            el("LightTypeStringID", STREET["label"]),
        ]))
    project = [
        ("ProjectName", "Viale dei Tigli – riqualificazione"),
        ("ProjectCode", "STR-2025-009"),
        ("ProjectClient", "Comune di Mariano Comense"),
        ("ProjectNotes", "Strada urbana con pista ciclabile, categoria M4"),
        ("Comune", "Comune di Mariano Comense"),
        ("Ubicazione", "Viale dei Tigli"),
        ("Apparecchio", "Armatura stradale LED 96 W"),
        ("Ambito", "Illuminazione stradale – EN 13201"),
        ("Compilatore", "Ing. Marta Colombo"),
        ("Ditta", "Studio Luce Colombo"),
        ("Data", "20/05/2025"),
        ("RifProtocollo", "Prot. n. 2025/0420"),
        ("ProjectMode", "0"),
    ]
    calc = [("Type", "1"), ("Accuracy", "2"), ("UsingSun", "0")]
    elements = [("class_roadInfo", 0, "Road geometry", road)]
    write_project(os.path.join(folder, "street.xml"), "20/05/2025", project, calc, elements)
    draw_zone_legend(os.path.join(folder, "LegendRoadZone.gif"), [
        ("1. CARREGGIATA", 0.0, carriage, ASPHALT),
        ("2. CICLABILE", carriage, carriage + STREET_CYCLE, CYCLE),
        ("3. MARCIAPIEDE", -STREET_WALK, 0.0, WALKWAY),
        ("4. BANCHINA", -STREET_WALK - 0.5, -STREET_WALK, SOIL)])
    draw_light_legend(os.path.join(folder, "LegendRoadLight.gif"))
