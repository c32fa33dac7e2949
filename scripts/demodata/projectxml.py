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
