"""Data blocks of the lighting-quality and energy elements, shared by the demo projects, and
the energy picture the design application writes beside a project."""

import math

from .pictures import INK, Canvas, caption, mix, text_width, write_png
from .projectxml import el, fmt, image_data, triple


def road_results_data(rows):
    """rows: (zone, observer, LAv, Uo, Ul, Ti, Sr), the figures as the design application
    formats them."""
    return [el("RoadRaw", [el("Zona", zone), el("Osservatore", observer), el("LAv", lav),
                           el("Uo", uo), el("Ul", ul), el("Ti", ti), el("Sr", sr)])
            for zone, observer, lav, uo, ul, ti, sr in rows]


def light_pollution_data(rn, intensity):
    return [el("InqLum", [el("InqLumRn", "%.2f" % rn), el("InqLumIntMax", "%.1f" % intensity)])]


def single_glare_data(observer, look, gr, ti):
    return [el("CsGr", [
        el("CsGrObs", triple(*observer)), el("CsGrLook", triple(*look)),
        el("CsGrLumVelGr", "0.41"), el("CsGrLumVelTi", "0.38"), el("CsGrGr", fmt(gr)),
        el("CsGrTi", fmt(ti)), el("CsGrUsedAngleGr", "2.00"), el("CsGrUsedAngleTi", "1.50")])]


def glare_grid_data(toward_targets, observers, directions, rating):
    """observers: positions; directions: (tower number, target point, angle) per direction, an
    angle of None pointing from each observer toward the target; rating(i, j): the GR of
    observer i in direction j, -1 when not computed."""
    records = []
    for i, obs in enumerate(observers):
        for j, (tower, target, fixed) in enumerate(directions):
            angle = fixed
            if angle is None:
                angle = math.degrees(math.atan2(target[1] - obs[1], target[0] - obs[0])) % 360.0
            records.append(el("AbbCs", [
                el("Gr", fmt(rating(i, j))), el("NumTow", str(tower)), el("Baric", triple(*target)),
                el("BetaDir", fmt(angle)), el("Obs", triple(*obs)), el("LumVel", "0.35")]))
    return [el("AbbCsOssDirToAppa", "TRUE" if toward_targets else "FALSE"),
            el("AbbCsNumOss", str(len(observers))), el("AbbCsNumDirez", str(len(directions)))] + records


def visual_comfort_data(observers):
    """observers: (number, name, position, look-at point, VCP, UGR, CGI)."""
    return [el("Observer", [
        el("ObsNum", str(n)), el("ObsName", name), el("ObsNameExt", name + " (UGR)"),
        el("ObsPos", triple(*pos)), el("ObsLook", triple(*look)), el("ObsVCP", fmt(vcp)),
        el("ObsUGR", fmt(ugr)), el("ObsCGI", fmt(cgi))]) for n, name, pos, look, vcp, ugr, cgi in observers]


def energetic_calc_data(norm, picture, indicator=None, without_pedestrian=True):
    data = [el("Norm", norm), el("Tipo_inst", "0"), el("Classe", "A")]
    if indicator is not None:
        data += [el("DpIpeiStar", "%.4f" % indicator),
                 el("DpIpeiStarWithoutPedestrian", "TRUE" if without_pedestrian else "FALSE")]
    return data + image_data(picture)


def epi_data(groups, areas, totals, simple, seasons=(), detailed=None):
    """groups: (name, power, count); areas: (name, area, mean illuminance); totals: operational,
    additional and system power; simple: hours, PDI, AECI; seasons: (name, days, slots) with
    slots (name, hours, detection probability, kHiW, kHiF, kLoW, kLoF, PDI); detailed: hours and
    AECI. All values are texts, as the design application writes them."""
    data = [el("AppPowerList", [el("AppPowerElem", [el("name", n), el("potAppa", p), el("num", c)])
                                for n, p, c in groups])]
    data += [el(k, v) for k, v in zip(("OperationalPower", "AdditionalPower", "SystemPower"), totals)]
    data.append(el("AreaList", [el("AreaElem", [el("name", n), el("area", a), el("eMed", e)])
                                for n, a, e in areas]))
    data.append(el("AreaTot", "%.2f" % sum(float(a) for _, a, _ in areas)))
    data += [el(k, v) for k, v in zip(("HoursPerYear_Simple", "PDI_Simple", "AECI_Simple"), simple)]
    if seasons:
        slot_names = ("name", "oreFascia", "detectionProbability", "kRidHiW", "kRidHiF", "kRidLoW",
                      "kRidLoF", "PDI")
        data.append(el("SeasonList", [
            el("SeasonElem", [el("name", name), el("numDay", days), el("TimeSlotList", [
                el("TimeSlotElem", [el(k, v) for k, v in zip(slot_names, slot)]) for slot in slots])])
            for name, days, slots in seasons]))
        data += [el("HoursPerYear_Prof", detailed[0]), el("AECI_Prof", detailed[1])]
    return data


def place_energetic_data(surfaces, used, installed):
    """surfaces: (name, type, mean illuminance, area, used W, installed W); the specific figures
    are worked out here as the design application does; used and installed are the room's
    totals."""
    data = [el("UsedWatt", fmt(used)), el("InstalledWatt", fmt(installed))]
    for name, kind, illum, area, used, installed in surfaces:
        specific = used / area
        data.append(el("Surface", [
            el("Name", name), el("Type", kind), el("MeanIllum", fmt(illum)), el("SurfaceArea", fmt(area)),
            el("UsedWatt", fmt(used)), el("InstalledWatt", fmt(installed)),
            el("PotSpecifica", "%.3f" % specific),
            el("PotSpecificaIlluminotecnica", "%.3f" % (specific * 100.0 / illum)),
            el("RendimentoEnergetico", "%.3f" % (illum * area / used))]))
    return data


ENERGY_CLASSES = ["A++", "A+", "A", "B", "C", "D", "E", "F", "G"]


def draw_energy_class(path, title, chosen, value_text):
    """A class scale in the manner of energy labels, the project's class marked."""
    c = Canvas(800, 470)
    caption(c, title)
    for k, name in enumerate(ENERGY_CLASSES):
        y = 50 + k * 44
        colour = mix((0, 150, 70), (220, 30, 30), k / (len(ENERGY_CLASSES) - 1))
        width = 200 + 40 * k
        c.polygon([(40, y), (40 + width, y), (62 + width, y + 18), (40 + width, y + 36), (40, y + 36)], colour)
        c.text(56, y + 11, name, (255, 255, 255), scale=2)
        if name == chosen:
            c.polygon([(760, y), (560, y), (538, y + 18), (560, y + 36), (760, y + 36)], INK)
            c.text(760 - 12 - text_width(value_text), y + 11, value_text, (255, 255, 255), scale=2)
    write_png(path, c)
