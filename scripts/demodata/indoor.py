"""Indoor demo project: pictures and project file."""

import math
import os

from .common import PROJECTS
from .pictures import *  # noqa: F401,F403
from .projectxml import *  # noqa: F401,F403
from .quality import *  # noqa: F401,F403


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


def draw_wall_false_colours(path, title, stats, value, unit, decimals=0):
    """The north wall in false colours of value(x, z), scaled to the statistics' min and max."""
    lo, hi = stats[0], stats[1]
    c = Canvas(800, 420)
    caption(c, title)
    el = Plan(c, ROOM_W + 1.6, ROOM_H, margin=40)
    x0, y1 = el.p(0, ROOM_H)
    x1, y0 = el.p(ROOM_W, 0)
    for py in range(y1, y0):
        for px in range(x0, x1):
            mx, mz = (px - el.x0) / el.scale, (el.y0 - py) / el.scale
            c.set(px, py, false_colour((value(mx, mz) - lo) / (hi - lo)))
    el.rect(0, 0, ROOM_W, ROOM_H, WALL, width=2)
    legend(c, x1 + 30, y1 + 30, y0 - y1 - 40, lo, hi, unit, decimals=decimals)
    write_png(path, c)


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
    draw_wall_false_colours(os.path.join(folder, "result2_falsecolours.png"),
                            "ILLUMINANCE ON NORTH WALL - FALSE COLOURS - LX", stats[-1],
                            office_wall_illuminance, "LX")

    # 3: luminance of the north wall (reflectance 0.60) seen from the first desk, false colours
    def wall_luminance(x, z):
        return 0.6 * office_wall_illuminance(x, z) / math.pi

    stats.append(statistics([wall_luminance(x, z) for x in wall_xs for z in wall_zs]))
    draw_wall_false_colours(os.path.join(folder, "result3_luminance.png"),
                            "LUMINANCE OF NORTH WALL - OBSERVER AT DESK 1 - CD/M2", stats[-1],
                            wall_luminance, "CD/M2", decimals=1)
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


def write_indoor_project():
    folder = os.path.join(PROJECTS, "indoor")
    draw_office_views(folder)
    stats = draw_office_results(os.path.join(folder, "Results"))
    draw_office_rendering(os.path.join(folder, "Rendering.png"))
    draw_office_screenshots(folder)
    (min0, max0, med0), (min1, max1, med1), (min2, max2, med2), (min3, max3, med3) = stats
    draw_luminaire_picture(os.path.join(folder, "LUM_A.BMP"), "panel")
    draw_luminaire_picture(os.path.join(folder, "LUM_B.BMP"), "downlight")
    draw_energy_class(os.path.join(folder, "EnergyClass.png"), "LENI ENERGY CLASS - OFFICE 2ND FLOOR",
                      "B", "11.6 KWH/M2")
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
    # The corridor and the stairwell outside the office, dimmed at night; one downlight is off.
    lights += [(DOWNLIGHT, "B%d" % (i + 1), "Corridoio", (x, ROOM_D + 1.0, ROOM_H), (x, ROOM_D + 1.0, 0.0),
                (0, 0, 0), 0.5 if i % 4 else 1.0, i != 5)
               for i, x in enumerate(0.5 + 1.0 * k for k in range(16))]
    lights += [(PENDANT, "C%d" % (i + 1), "Scala", (x, ROOM_D + 3.0, 4.20), (x, ROOM_D + 3.0, 0.0), (0, 0, 45))
               for i, x in enumerate((2.0, 6.0))]
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
        ("class_luminaireInfo", 0, "Luminaire types", luminaire_types_data([PANEL, DOWNLIGHT, PENDANT])),
        ("class_lampInfo", 0, "Lamp types", lamp_types_data([
            dict(id=0, name="Modulo LED 36 W 840", code="LM36-840", flux=3600, power=36.0, current=0.9,
                 kelvin=4000, count=6),
            dict(id=1, name="Modulo LED 11 W 830", code="LM11-830", flux=1200, power=11.0, current=0.25,
                 kelvin=3000, count=32),
            dict(id=2, name="Kit emergenza 1,5 W", code="EM15", flux=180, power=1.5, current=0.05,
                 kelvin=6000, count=16),
            dict(id=3, name="Modulo LED 20 W 827", code="LM20-827", flux=2400, power=20.0, current=0.5,
                 kelvin=2700, count=8)])),
        ("class_luminaireList", 0, "Luminaire positions and aiming", luminaire_list_data(lights)),
        ("class_summaryResult", 0, "Summary of the calculation surfaces", empty),
        ("class_visualComfort", 0, "Visual comfort (UGR)", visual_comfort_data([
            (1, "Desk 1", (1.6, 1.5, 1.2), (8.0, 1.5, 1.2), 78.4, 17.6, 14.2),
            (2, "Desk 2", (4.0, 1.5, 1.2), (4.0, 6.0, 1.2), 81.0, 16.9, 13.5),
            (3, "Desk 5", (4.0, 4.5, 1.2), (0.0, 4.5, 1.2), 76.2, 18.3, 15.0),
            (4, "Door", (7.0, 0.5, 1.6), (0.0, 6.0, 1.6), 72.5, 18.9, 15.8),
        ])),
        ("class_energeticCalc", 0, "Energy calculation (LENI)", energetic_calc_data(
            "EN 15193-1", "EnergyClass.png")),
        ("class_EPI", 0, "Energy performance indicators", epi_data(
            [("Quadra LED 600 (A)", "36.0", "6")],
            [("Ufficio", "48.00", "%.0f" % med0)],
            ("216.0", "6.5", "222.5"), ("2500", "0.0091", "11589"),
            [("Inverno", "90", [("08-13", "5", "0.90", "1.00", "0.60", "0.80", "0.50", "0.0091"),
                                ("13-18", "5", "0.85", "1.00", "0.60", "0.80", "0.50", "0.0091"),
                                ("18-20", "2", "0.40", "0.70", "0.40", "0.50", "0.30", "0.0064")]),
             ("Primavera", "92", [("08-13", "5", "0.90", "0.80", "0.50", "0.60", "0.40", "0.0073"),
                                  ("13-18", "5", "0.85", "0.80", "0.50", "0.60", "0.40", "0.0073")]),
             ("Estate", "92", [("08-13", "5", "0.80", "0.60", "0.40", "0.50", "0.30", "0.0055"),
                               ("13-18", "5", "0.75", "0.60", "0.40", "0.50", "0.30", "0.0055")]),
             ("Autunno", "91", [("08-13", "5", "0.90", "0.90", "0.50", "0.70", "0.40", "0.0082"),
                                ("13-18", "5", "0.85", "0.90", "0.50", "0.70", "0.40", "0.0082"),
                                ("18-20", "2", "0.40", "0.70", "0.40", "0.50", "0.30", "0.0064")])],
            ("2456", "8790"))),
        ("class_placeEnergetic", 0, "Room energy table", place_energetic_data(
            [("Piano di lavoro", "kSurfType_wpRoom", med0, 48.0, 216.0, 222.5),
             ("Pavimento", "kSurfType_floor", med1, 48.0, 216.0, 222.5)], used=216.0, installed=222.5)),
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
        ("class_result", 3, "North wall luminance, observer 1", result_info([
            ("Type", "Luminance"), ("DisplayType", "pseudoColor"), ("e_surfType", "kSurfType_wall"),
            ("Description", "Parete nord"), ("Min", fmt(min3)), ("Max", fmt(max3)),
            ("Med", fmt(med3)), ("NumDecimals", "2"), ("ObserverIndex", "1"),
            ("ObserverName", "Osservatore scrivania 1"), ("ObserverNameShort", "scrivania 1"),
        ], "Results\\result3_luminance.png")),
        ("class_result", 4, "Desk 1, cylindrical illuminance", result_info([
            ("Type", "CylIlluminance"), ("DisplayType", "numeric_Grad"), ("e_surfType", "kSurfType_wpCyl"),
            ("Description", "Scrivania 1"), ("Min", fmt(0.55 * min0)), ("Max", fmt(0.55 * max0)),
            ("Med", fmt(0.55 * med0)), ("NumDecimals", "1"), ("PotSpecificaIlluminotecnica", "0"),
        ], "Results\\result0_numeric.png")),
        ("class_screenShot", 0, "3D view", [el("Filename", complete_name("indoor", "Screenshot1.png"))]),
        ("class_screenShot", 1, "Calculation window",
         [el("Filename", complete_name("indoor", "Screenshot2.png"))]),
        ("class_rendering", 0, "Rendering of the office",
         [el("Filename", complete_name("indoor", "Rendering.png"))]),
        ("class_electricLines", 0, "Electric lines", empty),
        ("class_economicCalc", 0, "Economic calculation", empty),
    ]
    write_project(os.path.join(folder, "indoor.xml"), "12/03/2025", project, calc, elements)
