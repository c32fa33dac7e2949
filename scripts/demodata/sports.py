"""Sports-area demo project: a floodlit five-a-side pitch with glare ratings of several observers
toward its towers, light pollution and the plan view."""

import os

from .common import PROJECTS
from .pictures import INK, Canvas, Plan, caption, write_png
from .projectxml import el, image_data, write_project
from .quality import glare_grid_data, light_pollution_data, single_glare_data

PITCH_L, PITCH_W, TOWER_H = 40.0, 20.0, 12.0
TOWERS = [(-3.0, -3.0), (PITCH_L + 3.0, -3.0), (PITCH_L + 3.0, PITCH_W + 3.0), (-3.0, PITCH_W + 3.0)]
OBSERVERS = [(5.0, 5.0), (20.0, 5.0), (35.0, 5.0), (5.0, 15.0), (20.0, 15.0), (35.0, 15.0)]
# Directions toward towers 1 to 3 and toward luminaire 7 on the fourth tower.
TARGETS = [(1, TOWERS[0]), (2, TOWERS[1]), (3, TOWERS[2]), (-7, TOWERS[3])]


def draw_pitch_plan(path):
    c = Canvas(800, 480)
    caption(c, "PLAN VIEW - FIVE-A-SIDE PITCH 40 X 20 M")
    plan = Plan(c, PITCH_L + 8.0, PITCH_W + 8.0, margin=50)
    plan.x0 += 4 * plan.scale
    plan.y0 -= 4 * plan.scale
    plan.rect(-4, -4, PITCH_L + 4, PITCH_W + 4, (150, 150, 150), fill=(70, 140, 70))
    plan.rect(0, 0, PITCH_L, PITCH_W, (255, 255, 255), width=2)
    plan.line(PITCH_L / 2, 0, PITCH_L / 2, PITCH_W, (255, 255, 255), width=2)
    cx, cy = plan.p(PITCH_L / 2, PITCH_W / 2)
    c.circle(cx, cy, int(3 * plan.scale), (255, 255, 255), width=2)
    for k, (x, y) in enumerate(TOWERS):
        px, py = plan.p(x, y)
        c.circle(px, py, 8, INK, fill=(250, 220, 80))
        c.text(px + 12, py - 6, "T%d" % (k + 1), (255, 255, 255), scale=2)
    for k, (x, y) in enumerate(OBSERVERS):
        px, py = plan.p(x, y)
        c.circle(px, py, 5, INK, fill=(40, 90, 200))
        c.text(px + 8, py - 6, "O%d" % (k + 1), (255, 255, 255), scale=2)
    write_png(path, c)


def rating(i, j):
    # The observer nearest a tower is not rated toward it (inside the calculation's exclusion).
    if (i, j) in ((0, 0), (2, 1), (5, 2)):
        return -1
    return 34.0 + 3.1 * j + 1.7 * (i % 3) - 0.9 * (i // 3)


def write_sports_project():
    folder = os.path.join(PROJECTS, "sports")
    draw_pitch_plan(os.path.join(folder, "PlantView.png"))
    directions = []
    for number, (x, y) in TARGETS:
        directions.append((number, (x, y, TOWER_H), None))
    observers = [(x, y, 1.5) for x, y in OBSERVERS]
    project = [
        ("ProjectName", "Centro sportivo «Le Betulle» – campo 2"),
        ("ProjectCode", "SPT-2025-009"),
        ("ProjectClient", "Comune di Lurago d'Erba"),
        ("ProjectNotes", "Calcetto, allenamento e gare amatoriali, classe II"),
        ("Comune", "Comune di Lurago d'Erba"),
        ("Ubicazione", "Via dello Sport 3"),
        ("Apparecchio", "Proiettore LED 500 W, 4 torri da 12 m"),
        ("Ambito", "Illuminazione sportiva – EN 12193"),
        ("Compilatore", "Ing. Marta Colombo"),
        ("Ditta", "Studio Luce Colombo"),
        ("Data", "18/04/2025"),
        ("RifProtocollo", "Prot. n. 2025/0356"),
        ("ProjectMode", "0"),
    ]
    calc = [("Type", "0"), ("Accuracy", "2"), ("UsingSun", "0")]
    elements = [
        ("class_summaryResult", 0, "Summary of the calculation surfaces", []),
        ("class_abbCsGr", 0, "Glare rating GR, goalkeeper",
         single_glare_data((2.0, PITCH_W / 2, 1.5), (PITCH_L, PITCH_W / 2, 1.0), 41.3, 0.0)),
        ("class_abbCss", 0, "Glare rating GR toward the towers",
         glare_grid_data(True, observers, directions, rating)),
        ("class_inqLum", 0, "Light pollution", light_pollution_data(2.8, 1.9)),
        ("class_plantView", 0, "Plan view", image_data("PlantView.png")),
    ]
    write_project(os.path.join(folder, "sports.xml"), "18/04/2025", project, calc, elements)
