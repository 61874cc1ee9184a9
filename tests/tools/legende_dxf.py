#!/usr/bin/python3
"""The diffuse legends of a DXF drawing against the areas the dump tool printed for the slab.

Usage: legende_dxf.py FILE.dxf DUMP.txt SHEETS
DUMP.txt holds the tool's "name = value" lines; every sheet of the drawing (SHEETS of them, one
slab each) must write the areas AreaDiffSup1, AreaDiffSup2, AreaDiffInf1 and AreaDiffInf2 in
its four legends, one decimal and " cmq/m", in that order. Exit 0 when they do, 1 otherwise."""

import decimal
import re
import sys

import ezdxf


def aree_dump(percorso):
    with open(percorso, encoding="utf-8") as f:
        testo = f.read()
    aree = []
    for nome in ("AreaDiffSup1", "AreaDiffSup2", "AreaDiffInf1", "AreaDiffInf2"):
        m = re.search(r"^" + nome + r" = (\S+)$", testo, re.M)
        if not m:
            raise SystemExit(f"{percorso}: manca {nome}")
        # One decimal, halves away from zero, as the program writes it.
        valore = decimal.Decimal(m.group(1)).quantize(decimal.Decimal("0.1"), decimal.ROUND_HALF_UP)
        aree.append(f"{valore} cmq/m")
    return aree


def main():
    dxf, dump, fogli = sys.argv[1], sys.argv[2], int(sys.argv[3])
    doc = ezdxf.readfile(dxf)
    legende = [e.dxf.text for e in doc.modelspace().query("TEXT") if e.dxf.text.endswith(" cmq/m")]
    attese = aree_dump(dump) * fogli
    print(f"dxf {legende}\ndump {attese}")
    return 0 if legende == attese else 1


if __name__ == "__main__":
    sys.exit(main())
