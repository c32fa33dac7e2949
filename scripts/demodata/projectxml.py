"""Project XML files: the element tree, escaping and the data blocks both projects share."""

from .common import CRLF, write_bytes

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


def type_emitters(t):
    """The emitters of a luminaire type: its "emitters" list, or one built from its own fields."""
    if "emitters" in t:
        return t["emitters"]
    return [dict(ril_name=t["ril_name"], ril_code=t["ril_code"], flux=t["flux"], power=t["power"],
                 current=t["current"], spectrum=t["spectrum"], kelvin=t["kelvin"], lamps=[t["lamp"]],
                 steps=t["steps"], count=t["count"])]


def luminaire_types_data(types):
    sets = []
    for t in types:
        maker = t.get("maker", MAKER)
        emitters, regulations = [], []
        for e in type_emitters(t):
            emitters.append(el("Emitter", [
                el("RilName", e["ril_name"]), el("RilCode", e["ril_code"]), el("Flux", "%.0f" % e["flux"]),
                el("Power", "%.1f" % e["power"]), el("Current", "%.3f" % e["current"]),
                el("Spectrum", e["spectrum"]), el("SpectrumKelvin", str(e["kelvin"])),
                el("Lamps", [el("Lamp", [el("LampTypeID", str(lamp)), el("Count", "1")]) for lamp in e["lamps"]]),
            ]))
            # A step below zero is one the luminaire cannot dim to.
            regulations.append(el("EmitterRegulations", [
                el("Regulation", [el("Current", "%.3f" % (e["current"] * abs(f))),
                                  el("Flux", "%.0f" % (e["flux"] * abs(f))),
                                  el("Power", "%.1f" % (e["power"] * abs(f))), el("Dimmer", "%.2f" % f),
                                  el("Count", str(e.get("count", t["count"])))])
                for f in e["steps"]]))
        extra = [el("EmbeddedImageFilename", t["embedded"])] if "embedded" in t else []
        sets.append(el("LightSet", [
            el("LightTypeID", str(t["id"])), el("LightTypeStringID", t["label"]), el("Name", t["name"]),
            el("Code", t["code"]), el("Family", t["family"]), el("ManufacturerName", maker[0]),
            el("ManufacturerShortName", maker[1]), el("ManufacturerCode", maker[2]),
            el("Count", str(t["count"])),
        ] + extra + [el("EmitterList", emitters + regulations)]))
    return sets


def lamp_types_data(lamps):
    return [el("Lamp", [
        el("LampTypeID", str(l["id"])), el("Name", l["name"]), el("Code", l["code"]), el("Family", "LED"),
        el("ManufacturerName", MAKER[0]), el("ManufacturerCode", MAKER[2]),
        el("ManufacturerShortName", MAKER[1]), el("Flux", "%.0f" % l["flux"]), el("Power", "%.1f" % l["power"]),
        el("Current", "%.3f" % l["current"]), el("Kelvin", str(l["kelvin"])), el("Count", str(l["count"])),
    ]) for l in lamps]


def luminaire_list_data(lights):
    """lights: (type dict, label, parent structure, position, aiming point, rotation), optionally
    followed by the dimmer and the on flag."""
    out = []
    for light in lights:
        t, label, parent, pos, aim, rot = light[:6]
        dimmer = light[6] if len(light) > 6 else 1.0
        on = light[7] if len(light) > 7 else True
        maker = t.get("maker", MAKER)
        emitter = type_emitters(t)[0]
        out.append(el("Light", [
            el("LightTypeID", str(t["id"])), el("LightTypeStringID", t["label"]), el("LightStringID", label),
            el("LightParentStructName", parent), el("Name", t["name"]), el("Code", t["code"]),
            el("Family", t["family"]), el("ManufacturerName", maker[0]),
            el("ManufacturerShortName", maker[1]), el("ManufacturerCode", maker[2]),
            el("UserName", label), el("isOn", "TRUE" if on else "FALSE"), el("Pos", triple(*pos)),
            el("Rot", triple(*rot)), el("Pnt", triple(*aim)), el("PntRotZ", "0.00"),
            el("EmitterList", [el("Emitter", [
                el("RilName", emitter["ril_name"]), el("RilCode", emitter["ril_code"]),
                el("Flux", "%.0f" % (emitter["flux"] * max(dimmer, 0.0))),
                el("Power", "%.1f" % (emitter["power"] * max(dimmer, 0.0))),
                el("Current", "%.3f" % (emitter["current"] * max(dimmer, 0.0))),
                el("Spectrum", emitter["spectrum"]), el("Manut", "0.80"), el("Dimmer", "%.2f" % dimmer),
                el("Pos", triple(*pos)), el("Rot", triple(*rot)),
            ])]),
        ]))
    return out


MAKER = ("Luci Lariane S.p.A.", "LLA", "LLA-01")
# Makers of the demo product database (the suite's Db/Products.mdb): a type of theirs whose code
# the database knows shows the product's picture.
ACME = ("Acme Lighting", "ACME", "ACM-7")
LUMIE = ("Lumière Éclairage", "LUMIE", "LUM-3")

PANEL = dict(id=0, label="A", name="Quadra LED 600", code="QD600-36-840", family="Quadra",
             ril_name="Ottica microprismatica UGR<19", ril_code="MPR19", flux=3600, power=36.0,
             current=0.9, spectrum="1 0.96 0.9", kelvin=4000, lamp=0, count=6, steps=(1.0, 0.5))
DOWNLIGHT = dict(id=1, label="B", name="Lux 100 downlight", code="LX-100", family="Lux", maker=ACME,
                 count=16, emitters=[
                     dict(ril_name="Riflettore 60°", ril_code="R60", flux=2400, power=22.0, current=0.5,
                          spectrum="1 0.92 0.8", kelvin=3000, lamps=[1, 1], steps=(1.0, 0.75, 0.5, 0.25)),
                     dict(ril_name="Emergenza 1 h", ril_code="EM1", flux=180, power=1.5, current=0.05,
                          spectrum="1 1 1", kelvin=6000, lamps=[2], steps=(-1.0,), count=4),
                 ])
PENDANT = dict(id=2, label="C", name="Lumière suspension Ø 120", code="LM-1", family="Lumière",
               maker=LUMIE, count=2, emitters=[
                   dict(ril_name="Diretta", ril_code="D", flux=5200, power=42.0, current=1.05,
                        spectrum="1 0.9 0.75", kelvin=2700, lamps=[3, 3, 3], steps=(1.0, 0.6)),
                   dict(ril_name="Indiretta", ril_code="I", flux=2100, power=18.0, current=0.45,
                        spectrum="1 0.9 0.75", kelvin=2700, lamps=[3], steps=()),
               ])
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
