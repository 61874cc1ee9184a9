#!/usr/bin/python3
"""Opens the RTF files a.rtf (empty document) and b.rtf (one table) of a folder with real
readers: unrtf, and LibreOffice converting to HTML and to PDF. celle.tsv holds b's cell texts.
Exit 0 when every reader sees what was written, 77 when a reader is missing, 1 otherwise."""

import html.parser
import os
import re
import shutil
import subprocess
import sys


class Tabelle(html.parser.HTMLParser):
    """Tables of an HTML page as lists of rows of cell texts (outer tables only)."""

    def __init__(self):
        super().__init__(convert_charrefs=True)
        self.tabelle = []
        self.livello = 0
        self.cella = None

    def handle_starttag(self, tag, attrs):
        if tag == "table":
            self.livello += 1
            if self.livello == 1:
                self.tabelle.append([])
        elif self.livello == 1 and tag == "tr":
            self.tabelle[-1].append([])
        elif self.livello == 1 and tag in ("td", "th"):
            self.cella = []

    def handle_endtag(self, tag):
        if tag == "table":
            self.livello -= 1
        elif self.livello == 1 and tag in ("td", "th") and self.cella is not None:
            self.tabelle[-1][-1].append("".join(self.cella))
            self.cella = None

    def handle_data(self, data):
        if self.cella is not None:
            self.cella.append(data)


def tabelle(percorso):
    p = Tabelle()
    with open(percorso, encoding="utf-8", errors="replace") as f:
        p.feed(f.read())
    return p.tabelle


def piano(testo):
    return " ".join(testo.split())


errori = []


def controlla(condizione, messaggio):
    if not condizione:
        errori.append(messaggio)
    return condizione


def confronta_tabella(lettore, tabella, attese, esatte):
    righe = len(attese) if esatte else min(len(tabella), len(attese))
    if not controlla(len(tabella) >= len(attese) and (not esatte or len(tabella) == len(attese)),
                     f"{lettore}: {len(tabella)} righe invece di {len(attese)}"):
        return
    for r in range(righe):
        viste = [piano(c) for c in tabella[r]]
        controlla(viste == attese[r], f"{lettore}: riga {r + 1} {viste!r} invece di {attese[r]!r}")


def controlla_font(percorso, controlla):
    """Every font word \\fN of the file names a font its font table declares."""
    with open(percorso, encoding="cp1252") as f:
        testo = f.read()
    nome = os.path.basename(percorso)
    inizio = testo.find("{\\fonttbl")
    fine = testo.find("}}", inizio)
    if controlla(inizio >= 0 and fine > inizio, f"{nome}: manca la tabella dei font"):
        dichiarati = set(re.findall(r"\{\\f(\d+)\\", testo[inizio:fine + 1]))
        usati = set(re.findall(r"\\f(\d+)(?![0-9])", testo[fine:]))
        controlla(usati <= dichiarati,
                  f"{nome}: font usati {sorted(usati)}, dichiarati {sorted(dichiarati)}")


def unrtf_testo(unrtf, percorso):
    """The plain text unrtf reads, decoded from the document's code page."""
    r = subprocess.run([unrtf, "--text", percorso], capture_output=True, timeout=60)
    return r.returncode, r.stdout.decode("cp1252", errors="replace")


def pagine_pdf(percorso):
    with open(percorso, "rb") as f:
        return len(re.findall(rb"/Type\s*/Page(?![a-zA-Z])", f.read()))


def pagine_mediabox(percorso):
    """The (width, height) in points of every page box a PDF gives."""
    with open(percorso, "rb") as f:
        caselle = re.findall(rb"/MediaBox\s*\[\s*([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s+([-\d.]+)\s*\]", f.read())
    return [(float(c) - float(a), float(d) - float(b)) for a, b, c, d in caselle]


def main():
    cartella = sys.argv[1]
    unrtf = shutil.which("unrtf")
    soffice = shutil.which("soffice")
    if not unrtf or not soffice:
        print("mancano unrtf o soffice (tools/setup.sh li installa)")
        return 77
    with open(os.path.join(cartella, "celle.tsv"), encoding="utf-8") as f:
        attese = [[piano(c) for c in riga.split("\t")] for riga in f.read().splitlines()]

    # Every font a run selects is declared in the font table.
    for nome in ("a", "b"):
        controlla_font(os.path.join(cartella, nome + ".rtf"), controlla)

    # unrtf reads only \'hh escapes beyond ASCII: every such byte is written so.
    for nome in ("a", "b"):
        r = subprocess.run([unrtf, "--html", os.path.join(cartella, nome + ".rtf")],
                           capture_output=True, timeout=60)
        controlla(r.returncode == 0, f"unrtf {nome}.rtf: uscita {r.returncode}")
        with open(os.path.join(cartella, nome + ".unrtf.html"), "wb") as f:
            f.write(r.stdout)
    t = tabelle(os.path.join(cartella, "b.unrtf.html"))
    if controlla(len(t) == 1, f"unrtf: {len(t)} tabelle in b.rtf"):
        confronta_tabella("unrtf", t[0], attese, esatte=False)
    stato, testo = unrtf_testo(unrtf, os.path.join(cartella, "b.rtf"))
    controlla(stato == 0 and "\u00d8 12" in testo, f"unrtf --text: manca il segno del diametro\n{testo}")
    controlla(tabelle(os.path.join(cartella, "a.unrtf.html")) == [], "unrtf: tabella in a.rtf")

    # One LibreOffice run per format for both files, with a profile folder of this check only.
    profilo = "file://" + os.path.abspath(os.path.join(cartella, "profilo"))
    uscita = os.path.join(cartella, "lo")
    for formato in ("html", "pdf"):
        r = subprocess.run(["timeout", "120", soffice, "-env:UserInstallation=" + profilo, "--headless",
                            "--convert-to", formato, "--outdir", uscita,
                            os.path.join(cartella, "a.rtf"), os.path.join(cartella, "b.rtf")],
                           capture_output=True, timeout=150)
        controlla(r.returncode == 0, f"soffice {formato}: uscita {r.returncode} {r.stderr!r}")
    for nome in ("a", "b"):
        pdf = os.path.join(uscita, nome + ".pdf")
        if controlla(os.path.exists(pdf), f"soffice: manca {nome}.pdf"):
            controlla(pagine_pdf(pdf) == 1, f"soffice: {nome}.pdf di {pagine_pdf(pdf)} pagine")
    b = os.path.join(uscita, "b.html")
    a = os.path.join(uscita, "a.html")
    if controlla(os.path.exists(b) and os.path.exists(a), "soffice: manca l'HTML"):
        t = tabelle(b)
        if controlla(len(t) == 1, f"soffice: {len(t)} tabelle in b.rtf"):
            confronta_tabella("soffice", t[0], attese, esatte=True)
            controlla(all(len(riga) == len(attese[0]) for riga in t[0]), "soffice: righe di lunghezza diversa")
        controlla(tabelle(a) == [], "soffice: tabella in a.rtf")
        # The runs' font is the declared Arial, not a replacement.
        with open(b, encoding="utf-8", errors="replace") as f:
            facce = set(re.findall(r'face="([^",]*)', f.read()))
        controlla(facce == {"Arial"}, f"soffice: caratteri {sorted(facce)} invece di Arial")

    for e in errori:
        print(e)
    return 1 if errori else 0


if __name__ == "__main__":
    sys.exit(main())
