"""The demo suite: language strings and files, INSTALL.INI, ORV.INI and the print logo."""

import os

from .common import CRLF, ROOT, SUITE, write_bytes
from .pictures import draw_logo, write_bmp

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), "assets")

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
    # luminaire, lamp, position and aiming tables
    (5443, "Type", "Tipo"),
    (613, "Colour", "Colore"),
    (840, "Luminaire count", "N. apparecchi"),
    (5000, "Lamps", "Lampade"),
    (6484, "Manufacturer", "Produttore"),
    (1223, "Product", "Prodotto"),
    (597, "Optic", "Ottica"),
    (1224, "Code", "Codice"),
    (3409, "Optic code", "Codice ottica"),
    (4999, "Lamp ", "Lampada "),
    (6488, "Dimming", "Regolazione"),
    (874, "Flux", "Flusso"),
    (5897, "Current", "Corrente"),
    (1238, "Power", "Potenza"),
    (112, "Quantity", "Quantità"),
    (36, "lm", "lm"),
    (1688, "[pcs]", "[pz]"),
    (892, "Code", "Codice"),
    (4954, "W", "W"),
    (7510, "K", "K"),
    (8164, "Lamps per luminaire", "Lampade per apparecchio"),
    (8415, "State", "Stato"),
    (5064, "Maint.", "Manut."),
    (5065, "factor", "fattore"),
    (5041, "Position", "Posizione"),
    (5042, "Rotation", "Rotazione"),
    (25, "X", "X"),
    (26, "Y", "Y"),
    (27, "Z", "Z"),
    (1307, "RX", "RX"),
    (1308, "RY", "RY"),
    (1309, "RZ", "RZ"),
    (7495, "°", "°"),
    (5176, "Structure", "Struttura"),
    (5179, "Aiming point", "Punto di puntamento"),
    (5180, "Aiming rot.", "Rot. puntamento"),
    (916, "On", "Acceso"),
    (915, "Off", "Spento"),
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
    ("dbDir", "Db\\"),
    ("dbName", "Products.mdb"),
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
    write_product_database()


def write_product_database():
    """The product database: the Jet file of the tests (written once by a Jet writer; the standard
    library has none) and the pictures of the products the demo projects use, each in its
    producer's folder."""
    db = os.path.join(SUITE, "Db")
    with open(os.path.join(ROOT, "tests", "data", "productdb", "productdb.mdb"), "rb") as f:
        write_bytes(os.path.join(db, "Products.mdb"), f.read())
    for producer, name in (("ACME", "lx100.jpg"), ("LUMIE", "lumière_1.jpg")):
        with open(os.path.join(ASSETS, producer, name), "rb") as f:
            write_bytes(os.path.join(db, producer, name), f.read())
