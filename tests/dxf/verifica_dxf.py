"""Reads DXF 2000 files written by the engine tests back with ezdxf and with a walk of our own.

Usage: verifica_dxf.py ELENCO.json
ELENCO lists the files with what each must show:
  [{"file": path, "k": units per cm, "layer": [[name, aci], ...], "disegno": {...}}, ...]
"disegno", when present, is what the same drawing routine drew on the screen, with the DXF
settings of the export: {"offset": cm, "F": DXF units per cm, "U": units per cm at 1:100,
"nomi": [layer names], "entita": [["Linea", x1, y1, x2, y2, layer, style],
["Cerchio", x, y, r, layer, style], ["Testo", x, y, kind, layer, horiz, vert, angle, text]]};
the entities of the file must be those, in order, placed and scaled as the DXF output does.
"quote", when present, lists the texts of the file's dimensions in order: each must read its
text in its block, and that text must be the dimension's measurement in cm under the text rule.
"tratteggi", when present, is {"offset": [cm x, cm y], "F": DXF units per cm, "layer": name,
"pezzi": [[[x1, y1, x2, y2], ...], ...]}: one list of plan lines per hatch INSERT, in order;
each line of the inserted block, moved by the INSERT point, must be that line in DXF units.
Every DXF 2000 file: each DIMENSION carries its block's text, and the header's dimension
variables are those of the style its dimensions use.
"testi_separati": true, no two texts of the file cover one another: the lines of their
capitals, each as wide as its font writes it.
"r12": true reads an R12 file with the three loaders and checks its extents only; without
"layer" the walk, the loaders and the extents check run, the header, tables and layers are not
compared. The extents check: every point a reader draws (texts as wide as their font writes
them) lies within $EXTMIN-$EXTMAX, which frame
the points closely, the limits enclose them, the initial view shows them, the paper is at least A4.
Prints every fault found and exits 1 when there is one, 0 otherwise.
"""

import json
import logging
import math
import sys

import os

import ezdxf
from ezdxf import recover
from ezdxf.math import Vec3

sys.path.insert(0, os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "..", "tools"))
import larghezze_font  # noqa: E402

FONT = larghezze_font.Font()

difetti = []


def difetto(nome, testo):
    difetti.append(f"{nome}: {testo}")


class Avvisi(logging.Handler):
    """Collects what ezdxf reports at warning level or above while it reads."""

    def __init__(self):
        super().__init__(logging.WARNING)
        self.righe = []

    def emit(self, record):
        self.righe.append(record.getMessage())


avvisi = Avvisi()
logging.getLogger("ezdxf").addHandler(avvisi)

# Group codes whose value is text or a handle; every other value is a number.
def testuale(codice):
    return (
        0 <= codice <= 9
        or codice in (100, 102, 105, 999)
        or 300 <= codice <= 369
        or 390 <= codice <= 399
        or 410 <= codice <= 419
        or 430 <= codice <= 439
        or 470 <= codice <= 479
        or 1000 <= codice <= 1009
    )


RIFERIMENTI = {330, 340, 341, 342, 350, 360, 390}


def coppie(nome, byte):
    """The (code, value) items of the file, checking the line form on the way."""
    if not byte.endswith(b"\r\n"):
        difetto(nome, "l'ultima riga non finisce con CR LF")
    righe = byte.split(b"\r\n")[:-1]
    for i, r in enumerate(righe):
        if b"\r" in r or b"\n" in r:
            difetto(nome, f"riga {i + 1} senza CR LF")
            break
    if len(righe) % 2:
        difetto(nome, "numero di righe dispari")
    testo = [r.decode("cp1252") for r in righe]
    risultato = []
    for i in range(0, len(testo) - 1, 2):
        try:
            codice = int(testo[i])
        except ValueError:
            difetto(nome, f"riga {i + 1}: codice non numerico {testo[i]!r}")
            return []
        risultato.append((codice, testo[i + 1]))
    return risultato


def cammino(nome, byte):
    """Handles, references, sections and numbers of the tag stream."""
    items = coppie(nome, byte)
    sezione = None
    handles = {}
    riferimenti = []
    seme = None
    variabile = None
    for codice, valore in items:
        if codice == 0 and valore in ("SECTION", "ENDSEC", "EOF"):
            sezione = None if valore != "SECTION" else ""
        elif codice == 2 and sezione == "":
            sezione = valore
        if not testuale(codice) and "," in valore:
            difetto(nome, f"virgola nel valore numerico {codice} {valore!r}")
        if sezione == "HEADER":
            if codice == 9:
                variabile = valore
            elif variabile == "$HANDSEED" and codice == 5:
                seme = int(valore, 16)
            continue
        if codice in (5, 105):
            h = valore.upper()
            if h in handles:
                difetto(nome, f"handle {h} ripetuto")
            handles[h] = True
        elif codice in RIFERIMENTI:
            riferimenti.append((codice, valore.upper()))
    if seme is None:
        difetto(nome, "manca $HANDSEED")
    else:
        for h in handles:
            if int(h, 16) >= seme:
                difetto(nome, f"handle {h} non sotto $HANDSEED {seme:X}")
    for codice, h in riferimenti:
        if h != "0" and h not in handles:
            difetto(nome, f"il gruppo {codice} punta a {h}, che non esiste")
    if items and items[-1] != (0, "EOF"):
        difetto(nome, "il file non finisce con EOF")


def letture(nome, percorso):
    """The strict loader, the audit and the recover loader: no error, no fix, no warning."""
    avvisi.righe.clear()
    try:
        doc = ezdxf.readfile(percorso)
    except Exception as e:  # the strict loader refuses a broken structure
        difetto(nome, f"ezdxf.readfile: {type(e).__name__}: {e}")
        return None
    try:
        verifica = doc.audit()
        for e in verifica.errors:
            difetto(nome, f"audit, errore: {e.message}")
        for f in verifica.fixes:
            difetto(nome, f"audit, correzione: {f.message}")
    except Exception as e:
        difetto(nome, f"audit: {type(e).__name__}: {e}")
    try:
        _, verifica_r = recover.readfile(percorso)
        for e in verifica_r.errors:
            difetto(nome, f"recover, errore: {e.message}")
        for f in verifica_r.fixes:
            difetto(nome, f"recover, correzione: {f.message}")
    except Exception as e:
        difetto(nome, f"recover.readfile: {type(e).__name__}: {e}")
    for r in avvisi.righe:
        difetto(nome, f"avviso di ezdxf: {r}")
    return doc


def contenuto(nome, doc, atteso):
    h = doc.header
    attesi = {
        "$ACADVER": "AC1015",
        "$DWGCODEPAGE": "ANSI_1252",
    }
    for var, v in attesi.items():
        if h.get(var) != v:
            difetto(nome, f"{var} = {h.get(var)!r}, atteso {v!r}")
    v = tuple(h.get("$PLIMMAX", (None, None)))[:2]
    if v != (420.0, 297.0):
        difetto(nome, f"$PLIMMAX = {v}, atteso (420, 297)")

    nomi = sorted(doc.layouts.names())
    if nomi != ["Foglio 1", "Model"]:
        difetto(nome, f"layout {nomi}")
    db = doc.entitydb
    for layout, blocco in (("1A", "19"), ("1C", "1B")):
        lo, br = db.get(layout), db.get(blocco)
        if lo is None or br is None:
            difetto(nome, f"manca {layout} o {blocco}")
            continue
        if lo.dxf.get("block_record_handle") != blocco or br.dxf.get("layout") != layout:
            difetto(nome, f"{layout} e {blocco} non si indicano a vicenda")
    if db.get("1A") is not None and db["1A"].dxf.get("name") != "Model":
        difetto(nome, "1A non è il layout Model")

    layer = [(l.dxf.name, l.dxf.color) for l in doc.layers]
    atteso_layer = [("0", 7), ("Defpoints", 7)] + [tuple(x) for x in atteso["layer"]]
    if layer != atteso_layer:
        difetto(nome, f"layer {layer}")

    k = atteso["k"]
    stili = {s.dxf.name: s for s in doc.dimstyles}
    for stile, s in (("SC50", 0.5), ("SC25", 0.25), ("SC100", 1.0),
                     ("Ferri50", 0.5), ("Ferri25", 0.25), ("Ferri100", 1.0)):
        if stile not in stili:
            difetto(nome, f"manca lo stile di quota {stile}")
            continue
        d = stili[stile].dxf
        if abs(d.dimlfac - s / k) > 1e-7 or abs(d.dimtxt - 20 * k) > 1e-5:
            difetto(nome, f"{stile}: dimlfac {d.dimlfac}, dimtxt {d.dimtxt}")
        # No extension lines: the screen draws none.
        if d.get("dimse1") != 1 or d.get("dimse2") != 1:
            difetto(nome, f"{stile}: dimse1 {d.get('dimse1')}, dimse2 {d.get('dimse2')}")


def riquadro(p, testo, altezza, gradi, oriz, vert, maiuscole=False):
    """The corners of the box a text covers: as wide as the font the files name writes it (the
    advance widths of Liberation Sans, read from the font file, at the height of the capitals),
    from its descenders' foot to above its capitals, or with `maiuscole` from its baseline to the
    top of its capitals; horizontal 0 left, 1 centre, 2 right; vertical 0 baseline, 1 bottom,
    2 middle, 3 top."""
    h = abs(altezza)
    w = FONT.larghezza(testo.encode("cp1252", "replace").decode("cp1252")) * h / FONT.altezza_maiuscole
    x0 = {1: -w / 2, 2: -w}.get(oriz, 0)
    if maiuscole:
        y0, y1 = {1: (0.25 * h, 1.25 * h), 2: (-0.5 * h, 0.5 * h), 3: (-h, 0)}.get(vert, (0, h))
    else:
        y0, y1 = {1: (0, 1.25 * h), 2: (-0.6 * h, 0.6 * h), 3: (-1.25 * h, 0)}.get(vert, (-0.25 * h, h))
    a = math.radians(gradi)
    c, s = math.cos(a), math.sin(a)
    return [Vec3(p.x + u * c - v * s, p.y + u * s + v * c) for u in (x0, x0 + w) for v in (y0, y1)]


def punto_testo(e):
    """The point a TEXT stands on: its alignment point unless it is aligned left on its baseline."""
    if (e.dxf.halign or e.dxf.valign) and e.dxf.hasattr("align_point"):
        return Vec3(e.dxf.align_point)
    return Vec3(e.dxf.insert)


def punti_entita(e, punti, testi):
    """The points a reader draws of an entity, blocks followed into, the corners of the box of
    every text, and the (height, length) of every text."""
    t = e.dxftype()
    if t == "LINE":
        punti += [e.dxf.start, e.dxf.end]
    elif t == "CIRCLE":
        c, r = Vec3(e.dxf.center), e.dxf.radius
        punti += [c + Vec3(r, r), c - Vec3(r, r)]
    elif t == "TEXT":
        punti.append(e.dxf.insert)
        if e.dxf.hasattr("align_point"):
            punti.append(e.dxf.align_point)
        punti += riquadro(punto_testo(e), e.dxf.text, e.dxf.height, e.dxf.rotation, e.dxf.halign, e.dxf.valign)
        testi.append((e.dxf.height, len(e.dxf.text)))
    elif t == "MTEXT":
        punti.append(e.dxf.insert)
        attacco = e.dxf.get("attachment_point", 1) - 1
        punti += riquadro(Vec3(e.dxf.insert), e.text, e.dxf.char_height, e.dxf.get("rotation", 0),
                          attacco % 3, 3 - attacco // 3)
        testi.append((e.dxf.char_height, len(e.text)))
    elif t == "POINT":
        punti.append(e.dxf.location)
    elif t in ("INSERT", "DIMENSION"):
        if t == "INSERT":
            punti.append(e.dxf.insert)
        else:
            for campo in ("defpoint", "defpoint2", "defpoint3", "text_midpoint"):
                if e.dxf.hasattr(campo):
                    punti.append(e.dxf.get(campo))
        for v in e.virtual_entities():
            punti_entita(v, punti, testi)


def estensioni(nome, doc, r12):
    """Every point of the model space lies within $EXTMIN-$EXTMAX, which frame them closely; the
    limits enclose them; the view a reader opens on shows them; the paper is at least A4."""
    h = doc.header
    emin, emax = Vec3(h.get("$EXTMIN")), Vec3(h.get("$EXTMAX"))
    punti, testi = [], []
    for e in doc.modelspace():
        punti_entita(e, punti, testi)
    punti = [Vec3(p) for p in punti]
    if not punti:
        if (emin.x, emin.y, emax.x, emax.y) != (0, 0, 420, 297):
            difetto(nome, f"disegno vuoto con estensioni {emin}, {emax}")
        return
    tolleranza = 1e-6 * max(1.0, abs(emin.x), abs(emin.y), abs(emax.x), abs(emax.y))
    fuori = [p for p in punti if not (emin.x - tolleranza <= p.x <= emax.x + tolleranza
                                      and emin.y - tolleranza <= p.y <= emax.y + tolleranza)]
    if fuori:
        difetto(nome, f"{len(fuori)} punti fuori da $EXTMIN {emin} - $EXTMAX {emax}, per esempio {fuori[0]}")
    # Closely: no further out than the longest text or a tenth of the drawing.
    xs, ys = [p.x for p in punti], [p.y for p in punti]
    lato = max(max(xs) - min(xs), max(ys) - min(ys))
    gioco = max([0.1 * lato] + [a * n for a, n in testi])
    if emin.x < min(xs) - gioco or emin.y < min(ys) - gioco or emax.x > max(xs) + gioco or emax.y > max(ys) + gioco:
        difetto(nome, f"$EXTMIN {emin} - $EXTMAX {emax} lontane dai punti {min(xs)}, {min(ys)} - {max(xs)}, {max(ys)}")
    lmin, lmax = Vec3(h.get("$LIMMIN")), Vec3(h.get("$LIMMAX"))
    if not (lmin.x <= emin.x and lmin.y <= emin.y and lmax.x >= emax.x and lmax.y >= emax.y):
        difetto(nome, f"i limiti {lmin} - {lmax} non racchiudono le estensioni")
    carta = Vec3(h.get("$PLIMMAX", (0, 0)))
    if carta.x < 297 or carta.y < 210:
        difetto(nome, f"$PLIMMAX = {carta}: meno di un A4")
    if r12:
        centro, altezza, aspetto = Vec3(h.get("$VIEWCTR")), h.get("$VIEWSIZE"), 1.491463414634146
    else:
        vista = doc.viewports.get("*Active")
        vista = vista[0] if isinstance(vista, list) else vista
        centro, altezza, aspetto = Vec3(vista.dxf.center), vista.dxf.height, vista.dxf.aspect_ratio
    atteso = (emin + emax) / 2
    if abs(centro.x - atteso.x) > tolleranza + 1e-3 or abs(centro.y - atteso.y) > tolleranza + 1e-3:
        difetto(nome, f"vista centrata in {centro}, non al centro {atteso} delle estensioni")
    if altezza < emax.y - emin.y or altezza * aspetto < emax.x - emin.x:
        difetto(nome, f"vista alta {altezza} (larga {altezza * aspetto}) per estensioni {emax - emin}")


TIPI_LINEA = {1: "DASHED", 2: "Continuous", 3: "DASHED2"}
ALTEZZE = {0: 20, 1: 25, 2: 42, 3: 22}


def vicino(a, b):
    return abs(a - b) <= 1e-6 * max(1.0, abs(b))


def punto(nome, i, campo, letto, atteso):
    if not (vicino(letto[0], atteso[0]) and vicino(letto[1], atteso[1]) and letto[2] == 0):
        difetto(nome, f"entità {i}: {campo} {tuple(letto)}, atteso {atteso}")


def confronto(nome, doc, d):
    """The file's entities against the screen record, through the DXF transform."""
    F, off, U, nomi = d["F"], d["offset"], d["U"], d["nomi"]

    def dxf(x, y):
        return ((x + off) * F, y * F)

    entita = list(doc.modelspace())
    if len(entita) != len(d["entita"]):
        difetto(nome, f"{len(entita)} entità, attese {len(d['entita'])}")
    for i, (e, s) in enumerate(zip(entita, d["entita"])):
        tipo = s[0]
        atteso_tipo = {"Linea": "LINE", "Cerchio": "CIRCLE", "Testo": "TEXT"}[tipo]
        if e.dxftype() != atteso_tipo:
            difetto(nome, f"entità {i}: {e.dxftype()}, atteso {atteso_tipo}")
            continue
        layer = s[5] if tipo == "Linea" else s[4]
        if e.dxf.layer != nomi[layer]:
            difetto(nome, f"entità {i}: layer {e.dxf.layer!r}, atteso {nomi[layer]!r}")
        if tipo == "Linea":
            punto(nome, i, "inizio", e.dxf.start, dxf(s[1], s[2]))
            punto(nome, i, "fine", e.dxf.end, dxf(s[3], s[4]))
        elif tipo == "Cerchio":
            punto(nome, i, "centro", e.dxf.center, dxf(s[1], s[2]))
            if not vicino(e.dxf.radius, s[3] * F):
                difetto(nome, f"entità {i}: raggio {e.dxf.radius}, atteso {s[3] * F}")
        if tipo != "Testo":
            stile = s[-1]
            lt = e.dxf.get("linetype") if e.dxf.hasattr("linetype") else None
            if lt != TIPI_LINEA.get(stile):
                difetto(nome, f"entità {i}: tipo di linea {lt!r} per lo stile {stile}")
            continue
        _, x, y, kind, _, oriz, vert, angolo, testo = s
        px, py = dxf(x, y)
        if vert == 2:
            a = math.radians(angolo)
            px += 2 * F * math.sin(a)
            py -= 2 * F * math.cos(a)
        punto(nome, i, "inserimento", e.dxf.insert, (px, py))
        punto(nome, i, "allineamento", e.dxf.align_point, (px, py))
        if e.dxf.text != testo:
            difetto(nome, f"entità {i}: testo {e.dxf.text!r}, atteso {testo!r}")
        if not vicino(e.dxf.height, U * ALTEZZE.get(kind, 0)):
            difetto(nome, f"entità {i}: altezza {e.dxf.height} per il tipo {kind}")
        if not vicino(e.dxf.rotation, angolo):
            difetto(nome, f"entità {i}: rotazione {e.dxf.rotation}, attesa {angolo}")
        if e.dxf.halign != oriz or e.dxf.valign != vert + 1:
            difetto(nome, f"entità {i}: allineamento {e.dxf.halign}, {e.dxf.valign} per {oriz}, {vert}")


def testo_misura(cm, frecce):
    """The text of a measure in cm: with arrows one decimal when its figure is not zero, else
    the whole number; without arrows the whole number."""
    if not frecce:
        return str(round(cm))
    decimi = round(cm * 10)
    if decimi % 10:
        return f"{decimi // 10}.{decimi % 10}"
    return str(decimi // 10)


def quote(nome, doc, attesi):
    fattori = {s.dxf.name: s.dxf.dimlfac for s in doc.dimstyles}
    dimensioni = list(doc.modelspace().query("DIMENSION"))
    if len(dimensioni) != len(attesi):
        difetto(nome, f"{len(dimensioni)} quote, attese {len(attesi)}")
    for i, (e, atteso) in enumerate(zip(dimensioni, attesi)):
        blocco = doc.blocks.get(e.dxf.geometry)
        if blocco is None:
            difetto(nome, f"quota {i}: manca il blocco {e.dxf.geometry!r}")
            continue
        testi = [x.text for x in blocco if x.dxftype() == "MTEXT"]
        frecce = any(x.dxftype() == "INSERT" and x.dxf.name == "_FRECCIAMERANTO" for x in blocco)
        if len(testi) != 1:
            difetto(nome, f"quota {i}: {len(testi)} testi nel blocco")
            continue
        if e.dimtype == 1:
            # ezdxf measures an aligned dimension along x as if it were rotated by 0
            # (mozman/ezdxf#1415); CAD programs measure the span between its two points.
            misura = (Vec3(e.dxf.defpoint3) - Vec3(e.dxf.defpoint2)).magnitude
        else:
            misura = e.get_measurement()
        cm = misura * fattori.get(e.dxf.dimstyle, float("nan"))
        if testi[0] != testo_misura(cm, frecce):
            difetto(nome, f"quota {i}: il blocco scrive {testi[0]!r}, la misura è {cm}")
        if testi[0] != atteso:
            difetto(nome, f"quota {i}: testo {testi[0]!r}, atteso {atteso!r}")
        # The measured points lie on the dimension line, so that a reader drawing the dimension
        # again from them draws no extension line.
        p, a, b = Vec3(e.dxf.defpoint), Vec3(e.dxf.defpoint2), Vec3(e.dxf.defpoint3)
        direzione = Vec3.from_deg_angle(e.dxf.get("angle", 0)) if e.dimtype == 0 else (b - a).normalize()
        for q in (a, b):
            scarto = abs((q - p).cross(direzione).z)
            if scarto > 1e-6 * max(1.0, p.magnitude):
                difetto(nome, f"quota {i}: punto quotato {q} a {scarto} dalla linea di quota")


def quote_rigenerate(nome, doc):
    """What a reader that draws dimensions again from the entity and the header shows: every
    DIMENSION carries the text of its block (a blank where the block has none), and the header's
    dimension variables are those of the style the dimensions use, the general ones (with arrows)
    before the bar lengths."""
    stili = {s.dxf.name.upper(): s for s in doc.dimstyles}
    usati = {True: set(), False: set()}
    for i, e in enumerate(doc.modelspace().query("DIMENSION")):
        blocco = doc.blocks.get(e.dxf.geometry)
        if blocco is None:
            continue
        testi = [x.text for x in blocco if x.dxftype() == "MTEXT"]
        atteso = testi[0] if len(testi) == 1 else " "
        if e.dxf.get("text", "") != atteso:
            difetto(nome, f"quota {i}: il gruppo 1 è {e.dxf.get('text')!r}, il blocco scrive {atteso!r}")
        frecce = any(x.dxftype() == "INSERT" and x.dxf.name == "_FRECCIAMERANTO" for x in blocco)
        usati[frecce].add(e.dxf.dimstyle)
    h = doc.header
    stile = h.get("$DIMSTYLE", "")
    if stile.upper() not in stili:
        difetto(nome, f"$DIMSTYLE {stile!r} non è uno stile della tabella")
        return
    for frecce in (True, False):
        if len(usati[frecce]) > 1:
            difetto(nome, f"quote {'generali' if frecce else 'dei ferri'} in più stili: {sorted(usati[frecce])}")
    usato = sorted(usati[True] or usati[False])
    if usato and stile != usato[0]:
        difetto(nome, f"$DIMSTYLE = {stile!r}, le quote usano {usato[0]!r}")
    s = stili[stile.upper()].dxf
    for var in h.varnames():
        if not var.startswith("$DIM") or var == "$DIMSTYLE":
            continue
        attributo = var[1:].lower()
        if attributo in ("dimtxsty", "dimblk", "dimldrblk", "dimblk1", "dimblk2"):
            if attributo in ("dimblk", "dimldrblk") and h.get(var, "").upper() != s.get(attributo, "").upper():
                difetto(nome, f"{var} = {h.get(var)!r}, lo stile {stile} ha {s.get(attributo)!r}")
            continue
        # What the record sets; the overall scale, which no record sets, is 1 everywhere.
        if attributo == "dimscale":
            valore = s.get(attributo, 1.0)
        elif s.is_supported(attributo) and s.hasattr(attributo):
            valore = s.get(attributo)
        else:
            continue
        if isinstance(valore, str):
            continue
        if abs(float(h.get(var)) - float(valore)) > 1e-6 * max(1.0, abs(float(valore))):
            difetto(nome, f"{var} = {h.get(var)!r}, lo stile {stile} ha {valore!r}")


def riquadri_testi(doc):
    """(corners, text) of the line of capitals of every text a reader draws in the model space,
    dimensions' blocks followed into."""
    r = []

    def cammina(e):
        t = e.dxftype()
        if t == "TEXT":
            r.append((riquadro(punto_testo(e), e.dxf.text, e.dxf.height, e.dxf.rotation, e.dxf.halign,
                               e.dxf.valign, True), e.dxf.text))
        elif t == "MTEXT":
            attacco = e.dxf.get("attachment_point", 1) - 1
            r.append((riquadro(Vec3(e.dxf.insert), e.text, e.dxf.char_height, e.dxf.get("rotation", 0),
                               attacco % 3, 3 - attacco // 3, True), e.text))
        elif t == "DIMENSION":
            for v in e.virtual_entities():
                cammina(v)

    for e in doc.modelspace():
        cammina(e)
    return r


def separati(a, b):
    """Whether two convex quadrilaterals (corners in the order riquadro gives) touch at most."""
    ordine = (0, 1, 3, 2)
    pa, pb = [a[i] for i in ordine], [b[i] for i in ordine]
    for poligono in (pa, pb):
        for i in range(4):
            p, q = poligono[i], poligono[(i + 1) % 4]
            nx, ny = q.y - p.y, p.x - q.x
            if nx == 0 and ny == 0:
                continue
            sa = [nx * v.x + ny * v.y for v in pa]
            sb = [nx * v.x + ny * v.y for v in pb]
            tolleranza = 1e-6 * math.hypot(nx, ny)
            if max(sa) <= min(sb) + tolleranza or max(sb) <= min(sa) + tolleranza:
                return True
    return False


def testi_separati(nome, doc):
    """No two texts of the drawing cover one another: the lines of their capitals, each as wide
    as its font writes it."""
    riquadri = riquadri_testi(doc)
    scatole = [(min(v.x for v in c), min(v.y for v in c), max(v.x for v in c), max(v.y for v in c)) for c, _ in riquadri]
    ordine = sorted(range(len(riquadri)), key=lambda i: scatole[i][0])
    for n, i in enumerate(ordine):
        for j in ordine[n + 1:]:
            if scatole[j][0] >= scatole[i][2]:
                break
            if scatole[j][1] >= scatole[i][3] or scatole[i][1] >= scatole[j][3]:
                continue
            if not separati(riquadri[i][0], riquadri[j][0]):
                difetto(nome, f"il testo {riquadri[i][1]!r} copre il testo {riquadri[j][1]!r}")


def tratteggi(nome, doc, t):
    F, (ox, oy) = t["F"], t["offset"]
    inserti = [e for e in doc.modelspace().query("INSERT") if e.dxf.name.startswith("*X")]
    if len(inserti) != len(t["pezzi"]):
        difetto(nome, f"{len(inserti)} tratteggi, attesi {len(t['pezzi'])}")
    for i, (ins, attesi) in enumerate(zip(inserti, t["pezzi"])):
        if ins.dxf.layer != t["layer"]:
            difetto(nome, f"tratteggio {i}: layer {ins.dxf.layer!r}")
        blocco = doc.blocks.get(ins.dxf.name)
        linee = [x for x in blocco if x.dxftype() == "LINE"] if blocco is not None else []
        if len(linee) != len(attesi):
            difetto(nome, f"tratteggio {i}: {len(linee)} linee, attese {len(attesi)}")
            continue
        b = ins.dxf.insert
        for j, (linea, (x1, y1, x2, y2)) in enumerate(zip(linee, attesi)):
            for campo, p, q in (("inizio", linea.dxf.start, (x1, y1)), ("fine", linea.dxf.end, (x2, y2))):
                atteso = ((q[0] + ox) * F, (q[1] + oy) * F)
                if not (vicino(p.x + b.x, atteso[0]) and vicino(p.y + b.y, atteso[1])):
                    difetto(nome, f"tratteggio {i}, linea {j}: {campo} {(p.x + b.x, p.y + b.y)}, atteso {atteso}")
            if linea.dxf.layer != t["layer"]:
                difetto(nome, f"tratteggio {i}, linea {j}: layer {linea.dxf.layer!r}")


def main():
    with open(sys.argv[1], encoding="utf-8") as f:
        elenco = json.load(f)
    for atteso in elenco:
        percorso = atteso["file"]
        nome = percorso.rsplit("/", 1)[-1]
        r12 = atteso.get("r12", False)
        if not r12:
            with open(percorso, "rb") as f:
                cammino(nome, f.read())
        doc = letture(nome, percorso)
        if doc is not None:
            try:
                estensioni(nome, doc, r12)
            except Exception as e:
                difetto(nome, f"lettura delle estensioni: {type(e).__name__}: {e}")
        if doc is not None and not r12:
            try:
                quote_rigenerate(nome, doc)
                if "layer" in atteso:
                    contenuto(nome, doc, atteso)
                if "disegno" in atteso:
                    confronto(nome, doc, atteso["disegno"])
                if "quote" in atteso:
                    quote(nome, doc, atteso["quote"])
                if atteso.get("testi_separati"):
                    testi_separati(nome, doc)
                if "tratteggi" in atteso:
                    tratteggi(nome, doc, atteso["tratteggi"])
            except Exception as e:
                difetto(nome, f"lettura del contenuto: {type(e).__name__}: {e}")
    for d in difetti:
        print(d)
    return 1 if difetti else 0


if __name__ == "__main__":
    sys.exit(main())
