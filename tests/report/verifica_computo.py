#!/usr/bin/python3
"""Opens a saved quantities report (computo.rtf of a folder) with LibreOffice, to PDF and to
HTML, and checks what a reader gets: the conversion succeeds, every table of the document is
there with its header and its rows, every row has as many cells as its header, and the totals
are written.

With --ricalcolo the figures of the report of the slab in tests/data/computo are computed again
from LibreOffice's HTML alone and the slab's own data (below): every weight from the cells of
its row, the stirrups, studs and punching studs from their rules, the chairs, the slab's area,
the total, the volume and the incidence.

Exit 0 when all holds, 77 when LibreOffice is missing, 1 otherwise."""

import html.parser
import math
import os
import re
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from lettori_rtf import controlla_font, pagine_mediabox, pagine_pdf, piano, tabelle, unrtf_testo  # noqa: E402

# The slab of tests/data/computo (cm, mm).
SPESSORE = 25.0
COPRIFERRO = 3.0
CONTORNO = [(0, 0), (1000, 0), (1000, 600), (0, 600)]
FORI = [[(400, 250), (600, 250), (600, 350), (400, 350)]]
# Curbs by position: length, stirrup spacing, width, legs.
CORDOLI = {5: (500.0, 20.0, 30.0, 2), 6: (500.0, 25.0, 40.0, 4)}
# Stud zones by position: width along the bars, height across, spacing along, spacing across.
PIOLI = {7: (200.0, 100.0, 20.0, 25.0)}
# Punching rows by label: the area of one stud, or the total area shared by the rails of a
# stretch of the control perimeter.
PUNZONAMENTO = {"P1": ("piolo", 1.13), "N19": ("totale", 30.0)}
DIAM_PIOLI = 12  # the smallest stud of the settings

errori = []


def controlla(condizione, messaggio):
    if not condizione:
        errori.append(messaggio)
    return condizione


def area_barra(d):
    return (d / 20.0) ** 2 * math.pi


def peso(d, lunghezza):
    return area_barra(d) * 0.00785 * lunghezza


def vicino(stampato, calcolato, unita=0.1):
    return abs(stampato - calcolato) <= unita + 1e-9


def numero(testo):
    m = re.search(r"-?\d+(?:\.\d+)?", testo)
    if not m:
        raise ValueError(f"nessun numero in {testo!r}")
    return float(m.group(0))


def diametro(testo):
    return int(numero(testo.replace("St.", "")))


def area_anello(punti):
    s = 0.0
    for k in range(len(punti)):
        x0, y0 = punti[k]
        x1, y1 = punti[(k + 1) % len(punti)]
        s += (y0 * x1 - y1 * x0) / 2
    return abs(s)


def arrotonda_mezzo(x):
    """The nearest multiple of 0.5 cm by the hundredths: 26..74 take the half, 75 up the next."""
    base = math.floor(x)
    centesimi = round((x - base) * 100)
    return base + (0.5 if 26 <= centesimi <= 74 else 1.0 if centesimi >= 75 else 0.0)


def diametro_da_area(area, minimo):
    """The even bar diameter (mm) whose area is not below the given one, at least 8 and minimo."""
    dr = 20 * math.sqrt(max(area, 0) / math.pi)
    d = round(dr)
    if dr - d > 1e-5:
        d += 1
    if d % 2:
        d += 1
    return max(d, 8, minimo)


class Testo(html.parser.HTMLParser):
    """The text of a page outside its tables, paragraph by paragraph."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tabella = 0
        self.righe = [""]

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.tabella += 1
        elif tag in ("p", "br", "div", "h1", "h2", "h3"):
            self.righe.append("")

    def handle_endtag(self, tag):
        if tag == "table":
            self.tabella -= 1
            self.righe.append("")

    def handle_data(self, data):
        if not self.tabella:
            self.righe[-1] += data


def righe_testo(percorso):
    p = Testo()
    with open(percorso, encoding="utf-8", errors="replace") as f:
        p.feed(f.read())
    return [piano(r) for r in p.righe if piano(r)]


def tabelle_rtf(percorso):
    """Header cells and data-row count of every table of the document."""
    with open(percorso, "rb") as f:
        testo = f.read().decode("cp1252")
    risultato = []
    for blocco in re.split(r"\\trowd", testo)[1:]:
        blocco = blocco.split("\\pard", 1)[0]
        intestazione = re.search(r"\\intbl\\nowidctlpar (.*?)\\cell\\row ", blocco)
        if not controlla(intestazione is not None, "tabella senza intestazione nel documento"):
            continue
        celle = [piano(c) for c in intestazione.group(1).split("\\cell ")]
        dati = len(re.findall(r"\\intbl (?!\\nowidctlpar)", blocco))
        risultato.append((celle, dati))
    return risultato


def valore(righe, modello):
    for r in righe:
        m = re.fullmatch(modello, r)
        if m:
            return m
    return None


def controlla_struttura(attese, viste):
    if not controlla(len(viste) == len(attese), f"{len(viste)} tabelle lette invece di {len(attese)}"):
        return
    for i, ((intestazione, dati), t) in enumerate(zip(attese, viste)):
        celle = [[piano(c) for c in riga] for riga in t]
        nome = " | ".join(intestazione)
        if not controlla(celle and celle[0] == intestazione, f"tabella {i + 1}: intestazione {celle[:1]!r} invece di {intestazione!r}"):
            continue
        controlla(len(celle) == dati + 1, f"tabella {nome}: {len(celle) - 1} righe invece di {dati}")
        for r, riga in enumerate(celle):
            controlla(len(riga) == len(intestazione),
                      f"tabella {nome}, riga {r}: {len(riga)} celle invece di {len(intestazione)}: {riga!r}")


def ricalcola(viste, righe):
    """Every figure of the report from the cells and lines read, within one unit of its last decimal."""
    # Rows of another width are the structure check's to report.
    per_intestazione = {tuple(piano(c) for c in t[0]): [[piano(c) for c in r] for r in t[1:] if len(r) == len(t[0])]
                        for t in viste if t}

    def tabella(*intestazione):
        return per_intestazione.get(tuple(intestazione))

    pesi = []  # every weight recomputed, unrounded

    diffusa = tabella("Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot.(cm)", "Peso (kg)")
    diam_diffusa = {}
    if controlla(diffusa is not None and len(diffusa) == 4, "manca la tabella dell'armatura diffusa"):
        for lato, direzione, d, passo, ltot, p in diffusa:
            calcolato = peso(diametro(d), numero(ltot))
            controlla(vicino(numero(p), calcolato), f"diffusa {lato} {direzione}: peso {p} invece di {calcolato:.2f}")
            diam_diffusa[(lato, direzione)] = diametro(d)
            pesi.append(calcolato)

    integrativa = tabella("Pos.", "Lato", "Dir.", "Diam.(mm)", "Passo (cm)", "L.tot. (cm)", "Peso (kg)")
    if controlla(integrativa, "manca la tabella dell'armatura integrativa"):
        for pos, lato, direzione, d, passo, ltot, p in integrativa:
            calcolato = peso(diametro(d), numero(ltot))
            controlla(vicino(numero(p), calcolato), f"integrativa {pos}: peso {p} invece di {calcolato:.2f}")
            pesi.append(calcolato)

    correnti = tabella("Pos.", "Num.", "Diam.(mm)", "Lungh.(cm)", "L.tot. (cm)", "Peso (kg)")
    if controlla(correnti and len(correnti) == len(CORDOLI), "manca la tabella dei ferri correnti dei cordoli"):
        for pos, num, d, lungh, ltot, p in correnti:
            lunghezza, _, _, bracci = CORDOLI[int(numero(pos))]
            n = 4 if bracci <= 2 else 8
            controlla(num == ("2+2" if n == 4 else "4+4"), f"cordolo {pos}: {num} ferri")
            controlla(vicino(numero(lungh), lunghezza), f"cordolo {pos}: lunghezza {lungh} invece di {lunghezza}")
            controlla(vicino(numero(ltot), n * lunghezza), f"cordolo {pos}: L.tot. {ltot} invece di {n * lunghezza}")
            calcolato = peso(diametro(d), n * lunghezza)
            controlla(vicino(numero(p), calcolato), f"cordolo {pos}: peso {p} invece di {calcolato:.2f}")
            pesi.append(calcolato)

    staffe = tabella("Pos.", "Num.", "Diam.(mm)", "Lungh.St (cm)", "L.tot. (cm)", "Peso (kg)")
    if controlla(staffe and len(staffe) == len(CORDOLI) and diam_diffusa, "manca la tabella delle staffe dei cordoli"):
        altezza = math.floor(SPESSORE - 2 * COPRIFERRO -
                             (diam_diffusa[("inf.", "1")] + diam_diffusa[("sup.", "1")]) / 10)
        for pos, num, d, lungh, ltot, p in staffe:
            lunghezza, passo, larghezza, bracci = CORDOLI[int(numero(pos))]
            dst = diametro(d)
            N = max(1, math.floor(lunghezza / passo))  # one at least, as the plan draws it
            if bracci <= 2:
                S = 2 * larghezza + 2 * altezza + 2 * dst
            else:
                S = 2 * math.floor(0.66 * larghezza) + 2 * altezza + 2 * dst
                N *= 2
            controlla(int(numero(num)) == N, f"staffe {pos}: {num} invece di {N}")
            controlla(vicino(numero(lungh), S), f"staffe {pos}: lunghezza {lungh} invece di {S}")
            controlla(vicino(numero(ltot), N * S), f"staffe {pos}: L.tot. {ltot} invece di {N * S}")
            calcolato = peso(dst, N * S)
            controlla(vicino(numero(p), calcolato), f"staffe {pos}: peso {p} invece di {calcolato:.2f}")
            pesi.append(calcolato)

    pioli = tabella("Pos.", "Num.pioli", "Diam.(mm)", "Passo (cm)", "Peso (kg)")
    if controlla(pioli and len(pioli) == len(PIOLI), "manca la tabella dei pioli"):
        for pos, num, d, passo, p in pioli:
            larghezza, altezza, p1, p2 = PIOLI[int(numero(pos))]
            attesi = (math.floor(larghezza / p1) + 1) * (math.floor(altezza / p2) + 1)
            controlla(int(numero(num)) == attesi, f"pioli {pos}: {num} invece di {attesi}")
            controlla(passo == f"{p1:g} x {p2:g}", f"pioli {pos}: passo {passo}")
            calcolato = int(numero(num)) * (SPESSORE - 2 * COPRIFERRO) * area_barra(diametro(d)) * 0.00785
            controlla(vicino(numero(p), calcolato), f"pioli {pos}: peso {p} invece di {calcolato:.2f}")
            pesi.append(calcolato)

    punz = tabella("Pilastro", "Num.listelli", "Pioli x listello", "Diam.(mm)", "Peso (kg)")
    if controlla(punz and len(punz) == len(PUNZONAMENTO), "manca la tabella del punzonamento"):
        Ls = arrotonda_mezzo(SPESSORE - 2 * COPRIFERRO)
        for etichetta, listelli, per_listello, d, p in punz:
            n, k = int(numero(listelli)), int(numero(per_listello))
            genere, area = PUNZONAMENTO[etichetta]
            atteso = diametro_da_area(area if genere == "piolo" else area / (n * k), DIAM_PIOLI)
            controlla(diametro(d) == atteso, f"punzonamento {etichetta}: diametro {d} invece di {atteso}")
            calcolato = area_barra(diametro(d)) * k * n * Ls * 0.00785
            controlla(vicino(numero(p), calcolato), f"punzonamento {etichetta}: peso {p} invece di {calcolato:.2f}")
            pesi.append(calcolato)

    superficie = (area_anello(CONTORNO) - sum(area_anello(f) for f in FORI)) / 10000
    cav = valore(righe, r"Distanziatori Ø(\d+), L = ([\d.]+) cm")
    passi = valore(righe, r"1/([\d.]+) dir\.1, 1/([\d.]+) dir\.2")
    sup = valore(righe, r"Superficie soletta = ([\d.]+) mq")
    peso_cav = valore(righe, r"Peso totale distanziatori = ([\d.]+) kg")
    if controlla(cav and passi and sup and peso_cav and diam_diffusa, f"mancano le righe dei distanziatori in {righe!r}"):
        d = int(cav.group(1))
        altezza = round(SPESSORE - 2 * COPRIFERRO - (diam_diffusa[("inf.", "1")] + diam_diffusa[("sup.", "1")]) / 10)
        L = 2 * max(2 * d, 15) + max(round(1.5 * d), 10) + 2 * altezza
        controlla(vicino(float(cav.group(2)), L), f"distanziatori: L = {cav.group(2)} invece di {L}")
        controlla(vicino(float(sup.group(1)), superficie), f"superficie {sup.group(1)} invece di {superficie}")
        per_mq = (100 / float(passi.group(1))) * (100 / float(passi.group(2)))
        calcolato = area_barra(d) * per_mq * 0.00785 * L * superficie
        controlla(vicino(float(peso_cav.group(1)), calcolato), f"distanziatori: peso {peso_cav.group(1)} invece di {calcolato:.2f}")
        pesi.append(calcolato)

    totale = valore(righe, r"Peso totale dei ferri = ([\d.]+) kg")
    volume = valore(righe, r"Volume calcestruzzo = ([\d.]+) mc")
    incidenza = valore(righe, r"Incidenza = ([\d.]+) kg/mc")
    if controlla(totale and volume and incidenza, f"mancano i totali in {righe!r}"):
        controlla(vicino(float(totale.group(1)), sum(pesi)), f"peso totale {totale.group(1)} invece di {sum(pesi):.2f}")
        v = SPESSORE * superficie / 100
        controlla(vicino(float(volume.group(1)), v), f"volume {volume.group(1)} invece di {v}")
        i = float(totale.group(1)) / v
        controlla(vicino(float(incidenza.group(1)), i), f"incidenza {incidenza.group(1)} invece di {i:.2f}")


def main():
    cartella = sys.argv[1]
    ricalcolo = "--ricalcolo" in sys.argv[2:]
    soffice = shutil.which("soffice")
    if not soffice:
        print("manca soffice (tools/setup.sh lo installa)")
        return 77
    rtf = os.path.join(cartella, "computo.rtf")
    profilo = "file://" + os.path.abspath(os.path.join(cartella, "profilo"))
    uscita = os.path.join(cartella, "lo")
    for formato in ("pdf", "html"):
        r = subprocess.run(["timeout", "120", soffice, "-env:UserInstallation=" + profilo, "--headless",
                            "--convert-to", formato, "--outdir", uscita, rtf],
                           capture_output=True, timeout=150)
        controlla(r.returncode == 0, f"soffice {formato}: uscita {r.returncode} {r.stderr!r}")
    pdf = os.path.join(uscita, "computo.pdf")
    if controlla(os.path.exists(pdf), "soffice: manca computo.pdf"):
        controlla(pagine_pdf(pdf) >= 1, "soffice: computo.pdf senza pagine")
        # A4, 595.3 x 841.9 points, as the document declares it.
        pagine = pagine_mediabox(pdf)
        controlla(pagine and all(abs(w - 595.3) < 1 and abs(h - 841.9) < 1 for w, h in pagine),
                  f"soffice: computo.pdf su carta {pagine} invece di A4")
    # The page and its margins in the document's head, before its first paragraph.
    with open(rtf, encoding="cp1252") as f:
        testa = f.read().split("\\par", 1)[0]
    pagina_rtf = {k: int(v) for k, v in re.findall(r"\\(paperw|paperh|margl|margr|margt|margb)(\d+)", testa)}
    controlla(pagina_rtf.get("paperw") == 11906 and pagina_rtf.get("paperh") == 16838,
              f"computo.rtf: carta {pagina_rtf} invece di A4")
    # The text is as wide as the report's last tab stop (17 cm of 568 twips).
    controlla(11906 - pagina_rtf.get("margl", 1800) - pagina_rtf.get("margr", 1800) >= 17 * 568,
              f"computo.rtf: margini {pagina_rtf} piu' larghi dell'ultima tabulazione")
    pagina = os.path.join(uscita, "computo.html")
    if controlla(os.path.exists(pagina), "soffice: manca computo.html"):
        viste = tabelle(pagina)
        righe = righe_testo(pagina)
        controlla_struttura(tabelle_rtf(rtf), viste)
        for modello in (r"Peso totale dei ferri = [\d.]+ kg", r"Volume calcestruzzo = [\d.]+ mc",
                        r"Incidenza = [\d.]+ kg/mc"):
            controlla(valore(righe, modello), f"manca la riga {modello!r} in {righe!r}")
        if ricalcolo:
            ricalcola(viste, righe)
    # The diameter sign reaches a reader that takes only escapes, and the runs' font is declared.
    controlla_font(rtf, controlla)
    unrtf = shutil.which("unrtf")
    if controlla(unrtf, "manca unrtf"):
        stato, testo = unrtf_testo(unrtf, rtf)
        controlla(stato == 0 and re.search(r"Distanziatori \u00d8\d+", testo),
                  f"unrtf --text: manca il segno del diametro\n{testo}")
        # unrtf keeps no page; the page words leave nothing in its text, which starts with the title.
        corpo = [r for r in testo.splitlines() if r.strip() and not r.startswith("###") and not r.startswith("---")]
        controlla(corpo and corpo[0].startswith("Soletta in c.a. n."), f"unrtf --text: inizio {corpo[:2]}")
    if os.path.exists(pagina):
        controlla(valore(righe_testo(pagina), r"Distanziatori \u00d8\d+.*"), "soffice: manca il segno del diametro")
    for e in errori:
        print(e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
