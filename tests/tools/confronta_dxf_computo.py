#!/usr/bin/python3
"""The diffuse mesh a DXF sheet labels against the one its quantities report lists.

Usage: confronta_dxf_computo.py FILE.dxf FILE.rtf
Prints the pairs (diameter, spacing) of both, in order (upper face directions 1 and 2, lower face
directions 1 and 2); exit 0 when they are the same four, 1 otherwise."""

import re
import sys

import ezdxf


def dal_dxf(percorso):
    doc = ezdxf.readfile(percorso)
    coppie = []
    for e in doc.modelspace().query("TEXT"):
        m = re.fullmatch(r"1\u00d8 (\d+)/ ([\d.]+)", e.dxf.text)
        if m:
            coppie.append((int(m.group(1)), float(m.group(2))))
    return coppie


def dal_computo(percorso):
    with open(percorso, encoding="cp1252") as f:
        testo = f.read()
    righe = re.findall(r"\\intbl  (?:sup|inf)\.\\cell  [12]\\cell  \\'d8 (\d+)\\cell  ([\d.]+)\\cell", testo)
    return [(int(d), float(p)) for d, p in righe]


def main():
    dxf, rtf = dal_dxf(sys.argv[1]), dal_computo(sys.argv[2])
    print(f"dxf {dxf}\ncomputo {rtf}")
    return 0 if len(dxf) == 4 and dxf == rtf else 1


if __name__ == "__main__":
    sys.exit(main())
