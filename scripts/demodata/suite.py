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
    (5443, "Luminaire", "Apparecchio"),
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
    (112, "Number", "Numero"),
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
    # lighting quality: room-results summary, light pollution, visual comfort, glare
    (8780, "Room results summary", "Riepilogo dei risultati dell'ambiente"),
    (1120, "Light pollution", "Inquinamento luminoso"),
    (1202, "Upward flux ratio Rn", "Rapporto di flusso verso l'alto Rn"),
    (1204, "Visual comfort", "Comfort visivo"),
    (1125, "Position [m]", "Posizione [m]"),
    (1683, "Looks at [m]", "Punto osservato [m]"),
    (1689, "VCP", "VCP"),
    (1690, "UGR", "UGR"),
    (1694, "CGI", "CGI"),
    (5220, "Glare rating (GR)", "Indice di abbagliamento (GR)"),
    (5212, "Tower (%.1lf; %.1lf)", "Torre (%.1lf; %.1lf)"),
    (1687, "Luminaire (%.1lf; %.1lf)", "Apparecchio (%.1lf; %.1lf)"),
    # phrases of road observer names
    (7514, "lane", "corsia"),
    (4383, "left", "sinistra"),
    (7515, "right", "destra"),
    (7516, "centre", "centro"),
    (7582, "direction", "direzione"),
    # energy: calculation by norm
    (7316, "Energy calculation", "Calcolo energetico"),
    (7372, "Municipality", "Comune"),
    (7373, "Location", "Ubicazione"),
    (593, "Luminaire", "Apparecchio"),
    (7374, "Scope", "Ambito"),
    (7375, "Designer", "Progettista"),
    (7376, "Company", "Ditta"),
    (7377, "Date", "Data"),
    (7378, "Protocol ref.", "Rif. protocollo"),
    (7839, "Power density indicator Dp", "Indicatore di densità di potenza Dp"),
    (7862, "Pedestrian areas not included in the indicator", "Aree pedonali escluse dall'indicatore"),
    (7950, "Pedestrian areas included in the indicator", "Aree pedonali incluse nell'indicatore"),
    # energy performance indicators; a line break splits a column heading
    (7715, "Installed power", "Potenza installata"),
    (7716, "Luminaire group", "Gruppo di apparecchi"),
    (7717, "Power", "Potenza"),
    (5026, "Number", "Numero"),
    (7719, "Additional power", "Potenza aggiuntiva"),
    (7720, "System power", "Potenza di sistema"),
    (7721, "Lit areas", "Aree illuminate"),
    (7722, "Zone", "Zona"),
    (7723, "Area", "Superficie"),
    (7724, "Mean illuminance", "Illuminamento medio"),
    (38, "lx", "lx"),
    (7714, "Energy performance indicators", "Indicatori di prestazione energetica"),
    (7740, "simple method", "metodo semplificato"),
    (7739, "detailed method", "metodo dettagliato"),
    (7726, "Operating hours per year", "Ore di funzionamento annue"),
    (7729, "PDI", "PDI"),
    (7730, "AECI", "AECI"),
    (7731, "Season", "Stagione"),
    (7733, "Days", "Giorni"),
    (7732, "Time slot", "Fascia oraria"),
    (7734, "Hours", "Ore"),
    (29, "-", "-"),
    (7728, "Detection\\nprobability", "Probabilità di\\nrilevamento"),
    (7735, "k high\\nweekday", "k alto\\nferiale"),
    (7737, "k high\\nholiday", "k alto\\nfestivo"),
    (7736, "k low\\nweekday", "k basso\\nferiale"),
    (7738, "k low\\nholiday", "k basso\\nfestivo"),
    # energy of the room surfaces
    (1949, "[%s]", "[%s]"),
    (4663, "Surface", "Superficie"),
    (2203, "Area", "Area"),
    (5075, "Mean illuminance", "Illuminamento medio"),
    (7641, "Used power", "Potenza utilizzata"),
    (5851, "Power density", "Densità di potenza"),
    (5853, "Energy efficiency", "Efficienza energetica"),
    (8679, "/ installed", "/ installata"),
    # room surfaces table
    (4996, "Reflectance", "Riflettanza"),
    (4998, "[%]", "[%]"),
    # tunnel section
    (7591, "Entrance zone luminance by the L20 method", "Luminanza della zona d'entrata con il metodo L20"),
    (7593, "Cross-section", "Sezione trasversale"),
    (7594, "Rectangular", "Rettangolare"),
    (7595, "Vault on side walls", "Volta su piedritti"),
    (7596, "Flat vault", "Volta ribassata"),
    (7597, "Circular", "Circolare"),
    (7599, "Width", "Larghezza"),
    (7600, "Height", "Altezza"),
    (7638, "Height of the centre", "Altezza del centro"),
    (7601, "Side wall height", "Altezza piedritto"),
    (7602, "Diameter", "Diametro"),
    (7748, "Height of the painted walls", "Altezza pareti verniciate"),
    (7749, "Walls", "Pareti"),
    (7750, "Ceiling", "Volta"),
    # road zones table
    (1927, "Zone", "Zona"),
    (633, "Type", "Tipo"),
    (1929, "Sub-zone", "Sottozona"),
    (629, "Direction", "Direzione"),
    (575, "Width", "Larghezza"),
    (1947, "[%s]", "[%s]"),
    (1891, "Start", "Inizio"),
    (1892, "End", "Fine"),
    (4892, "Points", "Punti"),
    (1953, "zone", "zona"),
    (1955, "sub-zone", "sottozona"),
    (1956, "Height", "Altezza"),
    (1957, "[%s]", "[%s]"),
    (1896, "R table", "Tabella R"),
    (616, "Q0", "Q0"),
    (532, "coeff.", "coeff."),
    (1911, "Carriageway", "Carreggiata"),
    (1912, "Sidewalk", "Marciapiede"),
    (6596, "Cycle lane", "Pista ciclabile"),
    # road installation table
    (648, "Row", "Fila"),
    (4917, "Pole X", "Palo X"),
    (4918, "[%s]", "[%s]"),
    (4919, "Pole Y", "Palo Y"),
    (4920, "[%s]", "[%s]"),
    (6522, "Lum. X", "App. X"),
    (8680, "[%s]", "[%s]"),
    (6523, "Lum. Y", "App. Y"),
    (8681, "[%s]", "[%s]"),
    (4921, "Height", "Altezza"),
    (4922, "[%s]", "[%s]"),
    (4923, "Poles", "Pali"),
    (4924, "[n]", "[n]"),
    (558, "Spacing", "Interdistanza"),
    (4926, "[%s]", "[%s]"),
    (4928, "[%s]", "[%s]"),
    (1907, "Tilt", "Inclinazione"),
    (4930, "[%s]", "[%s]"),
    (1908, "Arm rot.", "Rot. braccio"),
    (4932, "[%s]", "[%s]"),
    (7493, "Lum. rot.", "Rot. app."),
    (1909, "Side tilt", "Incl. laterale"),
    (4934, "[%s]", "[%s]"),
    (7603, "Layer", "Strato"),
    (7604, "Increment", "Incremento"),
    (7605, "Section", "Sezione"),
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
