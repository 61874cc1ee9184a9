"""Times ezdxf building and saving the entities of ScrittoriDxf_bench.cpp as a DXF 2000 file:
100,000 LINE, 10,000 CIRCLE and 10,000 TEXT on 25 layers, the same coordinates, line types and
texts. Run with Debian's Python: /usr/bin/python3 bench/ezdxf_confronto.py
Prints the seconds and the bytes per second, to set beside the benchmark's real time.
"""

import os
import tempfile
import time

import ezdxf

LINEE, CERCHI, TESTI = 100000, 10000, 10000
NOMI = [f"LAYER_{i:02d}" for i in range(25)]
TIPI = {1: "DASHED", 2: "Continuous", 3: "DASHED2"}


def f32(v):
    import struct
    return struct.unpack("f", struct.pack("f", v))[0]


def x(i):
    return f32(1500.25 + 0.5 * (i % 5000))


def y(i):
    return f32(-820.75 + 1.25 * (i // 5000))


def attributi(i):
    a = {"layer": NOMI[i % 25]}
    if i % 5 in TIPI:
        a["linetype"] = TIPI[i % 5]
    return a


def main():
    inizio = time.perf_counter()
    doc = ezdxf.new("R2000", setup=["linetypes"])
    for n in NOMI:
        doc.layers.add(n)
    if "DASHED2" not in doc.linetypes:
        doc.linetypes.add("DASHED2", pattern=[17.5, 10.0, -7.5])
    msp = doc.modelspace()
    for i in range(LINEE):
        msp.add_line((x(i), y(i)), (x(i) + 37.5, y(i) - 12.125), dxfattribs=attributi(i))
    for i in range(CERCHI):
        msp.add_circle((x(i), y(i)), 2.5 + i % 7, dxfattribs=attributi(i))
    for i in range(TESTI):
        p = (x(i), y(i))
        msp.add_text(f"P{i} \u00d8 12/20", dxfattribs={
            "layer": NOMI[i % 25], "insert": p, "align_point": p, "height": 20,
            "rotation": (i % 2) * 90.0, "halign": i % 3, "valign": 1 + i % 3})
    with tempfile.TemporaryDirectory() as cartella:
        file = os.path.join(cartella, "tavola.dxf")
        doc.saveas(file, encoding="cp1252")
        byte = os.path.getsize(file)
    secondi = time.perf_counter() - inizio
    print(f"ezdxf: {secondi:.2f} s, {byte / secondi / 1e6:.1f} MB/s ({byte} byte)")


if __name__ == "__main__":
    main()
