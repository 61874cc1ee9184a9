#!/usr/bin/python3
"""Opens a quantities report (computo.rtf of a folder) with LibreOffice, converting it to HTML,
and compares its tables with celle.tsv (rows of tab-separated cells, tables apart by an empty
line). Exit 0 when LibreOffice sees every table with every cell, 77 when it is missing, 1
otherwise."""

import os
import shutil
import subprocess
import sys

sys.dont_write_bytecode = True  # nothing written into the source tree
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from lettori_rtf import piano, tabelle  # noqa: E402


def main():
    cartella = sys.argv[1]
    soffice = shutil.which("soffice")
    if not soffice:
        print("manca soffice (tools/setup.sh lo installa)")
        return 77
    with open(os.path.join(cartella, "celle.tsv"), encoding="utf-8") as f:
        attese = [[[piano(c) for c in riga.split("\t")] for riga in blocco.splitlines()]
                  for blocco in f.read().split("\n\n") if blocco.strip()]
    profilo = "file://" + os.path.abspath(os.path.join(cartella, "profilo"))
    uscita = os.path.join(cartella, "lo")
    r = subprocess.run(["timeout", "120", soffice, "-env:UserInstallation=" + profilo, "--headless",
                        "--convert-to", "html", "--outdir", uscita, os.path.join(cartella, "computo.rtf")],
                       capture_output=True, timeout=150)
    html = os.path.join(uscita, "computo.html")
    if r.returncode != 0 or not os.path.exists(html):
        print(f"soffice: uscita {r.returncode} {r.stderr!r}")
        return 1
    viste = [[[piano(c) for c in riga] for riga in t] for t in tabelle(html)]
    if viste != attese:
        print(f"tabelle viste:\n{viste!r}\ninvece di:\n{attese!r}")
        return 1
    return 0


if __name__ == "__main__":
    sys.exit(main())
