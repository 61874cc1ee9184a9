#!/usr/bin/env python3
"""Write the sample slab folder samples/solaio1/.

A 12 m x 9 m L-shaped flat slab, 25 cm thick, on a wall, seven columns
and a pile, with its analysis results inline on a 100 x 75 cm mesh, and
the column archive ARCHIMPA.AI0 that its steel columns refer to.

Plain Python 3, standard library only. Run from anywhere:
    python3 samples/make_sample.py
The output is deterministic: running it twice gives the same bytes.
"""

import math
import os

HERE = os.path.dirname(os.path.abspath(__file__))
OUT = os.path.join(HERE, "solaio1")

SLAB_FILE = "SOL1.QVR"
ARCHIVE_FILE = "ARCHIMPA.AI0"
# Named at the end of the slab file; never opened, the results are inline.
DESIGN_DATA_NAME = "SOL1.DAT"

VERSION = 4
SLAB_NUMBER = 1
RESULTS_INLINE = 1
# The drawing program's frame origin. Geometry is written with it added,
# the inline mesh is written relative to it (the reader shifts only the
# geometry). Halves are exact in 4-byte floats, so the shift is exact.
ORIGIN = (1520.5, 812.5)

THICKNESS = 25.0
COVER = 3.0
# Base mesh (spacing cm, diameter mm): every layer different on purpose,
# so a swapped layer shows at once.
MESH_UP1 = (20.0, 10)   # 3.93 cm2/m
MESH_UP2 = (25.0, 10)   # 3.14 cm2/m
MESH_LO1 = (25.0, 12)   # 4.52 cm2/m
MESH_LO2 = (20.0, 10)   # 3.93 cm2/m
DIAM_EXTRA = 14
ANGLE_DIR1 = 0.0
ANGLE_DIR2 = 90.0

# --- plan geometry, slab frame (cm, y up) ---------------------------------

# L shape: the top-right 300 x 300 corner is cut away. Written
# counter-clockwise, so the reader has to turn it clockwise.
OUTLINE = [(0, 0), (1200, 0), (1200, 600), (900, 600), (900, 900), (0, 900)]

# 100 x 150 cm shaft, on mesh lines; counter-clockwise as drawn.
OPENING = [(300, 600), (400, 600), (400, 750), (300, 750)]

# Columns: (kind, number, hatched, centre, data)
#   kind 0: data = (archive type, angle)   steel profile of the archive
#   kind 1: data = radius                  round
#   kind k >= 3: data = k vertices         polygon, clockwise
COLUMNS = [
    (0, 1, 0, (600, 20), (1, 0.0)),     # HEB 200 on the lower edge
    (0, 2, 0, (600, 450), (2, 90.0)),   # HEB 240, interior, turned
    (1, 3, 1, (600, 875), 20.0),        # round, upper edge
    (4, 4, 1, (1185, 15),
     [(1170, 30), (1200, 30), (1200, 0), (1170, 0)]),
    (4, 5, 1, (1185, 450),
     [(1170, 475), (1200, 475), (1200, 425), (1170, 425)]),
    # L-shaped column hugging the re-entrant corner
    (6, 6, 1, (895, 595),
     [(870, 630), (900, 630), (900, 600), (930, 600), (930, 570),
      (870, 570)]),
    (1, 7, 1, (880, 880), 20.0),        # round, corner of the upper edge
]

# Walls and upstand beams: (code, x1, y1, x2, y2)
WALLS = [(1, 0, 0, 0, 900)]             # along the left edge
BEAMS = [(1, 930, 585, 1200, 585)]      # along the edge of the cut corner

# Piles: (x, y, radius)
PILES = [(300, 300, 30.0)]

# Archive column types, 1-based in file order. Shape codes of the I/H
# families: 1 IPE, 2 HEA, 3 HEB, 4 HEM, 5 IPN; the section number is the
# nominal height in mm.
ARCHIVE_VERSION = 5
ARCHIVE_TYPES = [
    # (kind, shape, values)
    (1, 3, [200]),                      # 1: HEB 200
    (1, 3, [240]),                      # 2: HEB 240
    (0, 1, [30, 30, 0, 0, 0, 0]),       # 3: 30 x 30 rectangle, unused here
]
ARCHIVE_TEXTS = [
    (1, "HEB 200 - acciaio S275"),
    (2, "HEB 240 - acciaio S275"),
    (3, "Rettangolare 30x30 - calcestruzzo qualità C25/30"),
]

# --- analysis mesh --------------------------------------------------------

DX, DY = 100, 75
NX, NY = 12, 12                         # elements of the full grid


def in_cut_corner(x, y):
    return x > 900 and y > 600


def element_removed(i, j):
    x0, y0 = i * DX, j * DY
    cx, cy = x0 + DX / 2, y0 + DY / 2
    if in_cut_corner(cx, cy):
        return True
    return 300 < cx < 400 and 600 < cy < 750     # the shaft


# The quad whose corner is the re-entrant corner is split in two triangles.
SPLIT_QUAD = (8, 8)


def build_mesh():
    """Nodes and elements; numbers follow the full grid, so they have gaps."""
    nodes = []              # (number, x, y)
    index = {}
    for j in range(NY + 1):
        for i in range(NX + 1):
            x, y = i * DX, j * DY
            if in_cut_corner(x, y):
                continue
            index[(i, j)] = len(nodes)
            nodes.append((j * (NX + 1) + i + 1, x, y))
    elements = []           # (number, triangle flag, [(i, j) x 4])
    extra = NX * NY
    for j in range(NY):
        for i in range(NX):
            if element_removed(i, j):
                continue
            num = j * NX + i + 1
            a, b, c, d = (i, j), (i + 1, j), (i + 1, j + 1), (i, j + 1)
            if (i, j) == SPLIT_QUAD:
                extra += 1
                elements.append((num, 1, [a, b, c, a]))
                elements.append((extra, 1, [a, c, d, a]))
            else:
                elements.append((num, 0, [a, b, c, d]))
    return nodes, index, elements


# --- required steel -------------------------------------------------------

# Hogging peaks (cm2/m, upper face) at the supports; the interior column
# carries the most.
PEAKS = {1: 7.5, 2: 11.5, 3: 7.0, 4: 5.0, 5: 7.0, 6: 9.0, 7: 5.0}
PILE_PEAK = 6.5
WALL_PEAK = 2.6


def supports():
    pts = [(c[3], PEAKS[c[1]]) for c in COLUMNS]
    pts += [((p[0], p[1]), PILE_PEAK) for p in PILES]
    return pts


def gauss(dx, dy, rx, ry):
    return math.exp(-(dx / rx) ** 2 - (dy / ry) ** 2)


def requirements(x, y):
    """(up1, up2, lo1, lo2, shear1, shear2) at a point, cm2/m and cm2/m2."""
    up1 = WALL_PEAK * math.exp(-(x / 120.0) ** 2)
    up2 = 0.25 * WALL_PEAK * math.exp(-(x / 120.0) ** 2)
    dmin = float(x)                                  # the wall at x = 0
    for (cx, cy), peak in supports():
        up1 += peak * gauss(x - cx, y - cy, 110.0, 90.0)
        up2 += 0.9 * peak * gauss(x - cx, y - cy, 90.0, 110.0)
        dmin = min(dmin, math.hypot(x - cx, y - cy))
    # Sagging grows away from every support.
    span = 1.0 - math.exp(-(dmin / 200.0) ** 2)
    lo1 = 3.1 * span
    lo2 = 2.7 * span
    # Shear steel only around the most loaded columns.
    sh1 = sh2 = 0.0
    for num, peak1, peak2 in ((2, 3.2, 2.8), (6, 2.0, 1.6)):
        cx, cy = COLUMNS[num - 1][3]
        g = gauss(x - cx, y - cy, 70.0, 70.0)
        sh1 += peak1 * g
        sh2 += peak2 * g
    vals = [up1, up2, lo1, lo2, sh1, sh2]
    vals = [round(v, 2) for v in vals]
    vals[4] = vals[4] if vals[4] >= 0.05 else 0.0
    vals[5] = vals[5] if vals[5] >= 0.05 else 0.0
    return vals


def bar_area(d):
    return (d / 20.0) ** 2 * 3.141592654


def mesh_area(layer):
    spacing, diam = layer
    return bar_area(diam) * 100.0 / spacing


# --- writing --------------------------------------------------------------

def num(v):
    """Plain decimal with a point, no exponent, integral values bare."""
    v = round(float(v), 4)
    if v == int(v):
        return str(int(v))
    return ("%.4f" % v).rstrip("0")


def row(*vals):
    return ",".join(num(v) for v in vals)


def shifted(x, y):
    return row(x + ORIGIN[0], y + ORIGIN[1])


def slab_lines():
    nodes, index, elements = build_mesh()
    req = {k: requirements(nodes[n][1], nodes[n][2]) for k, n in index.items()}
    areas = [mesh_area(MESH_UP1), mesh_area(MESH_UP2),
             mesh_area(MESH_LO1), mesh_area(MESH_LO2)]

    out = [row(VERSION), row(SLAB_NUMBER), row(RESULTS_INLINE),
           row(*ORIGIN)]

    # Inline results: three unused integers, then the design values.
    out += ["0", "0", "0", row(COVER)]
    for spacing, diam in (MESH_UP1, MESH_UP2, MESH_LO1, MESH_LO2):
        out += [row(spacing), row(diam)]
    out += [row(DIAM_EXTRA), row(ANGLE_DIR1), row(ANGLE_DIR2)]

    out.append(row(len(nodes)))
    by_index = {v: k for k, v in index.items()}
    for n, (number, x, y) in enumerate(nodes):
        r = req[by_index[n]]
        face = r[:4]
        res = [round(face[k] - areas[k], 2) for k in range(4)]
        out += [row(number, x, y), row(*face), row(r[4], r[5]),
                row(*res), row(r[4] + r[5])]

    out.append(row(len(elements)))
    for number, tri, corners in elements:
        out.append(row(number, tri))
        for ij in corners:
            n = index[ij]
            r = req[ij]
            out += [row(nodes[n][0], n), row(r[0], r[1]), row(r[2], r[3]),
                    row(r[4], r[5])]

    # Outline and openings.
    out.append(row(len(OUTLINE)))
    out += [shifted(x, y) for x, y in OUTLINE]
    out.append(row(len(OPENING)))
    out += [shifted(x, y) for x, y in OPENING]
    out.append("-1")

    # Columns.
    for kind, number, hatched, (cx, cy), data in COLUMNS:
        out += [row(kind), row(number, hatched), shifted(cx, cy)]
        if kind == 0:
            out.append(row(*data))
        elif kind in (1, 2):
            out.append(row(data))
        else:
            assert len(data) == kind
            out += [shifted(x, y) for x, y in data]
    out.append("-1")

    # Walls, then upstand beams: marker, code, then the ends one by one.
    for items in (WALLS, BEAMS):
        for code, x1, y1, x2, y2 in items:
            out += ["0", row(code), row(x1 + ORIGIN[0]), row(y1 + ORIGIN[1]),
                    row(x2 + ORIGIN[0]), row(y2 + ORIGIN[1])]
        out.append("-1")

    for x, y, radius in PILES:
        out += ["0", row(x + ORIGIN[0], y + ORIGIN[1], radius)]
    out.append("-1")

    out.append(row(THICKNESS))
    out.append('"%s"' % DESIGN_DATA_NAME)
    return out


def archive_lines():
    out = ["ARCHIVIO%d" % ARCHIVE_VERSION]
    out += ["Tipi pilastri", row(len(ARCHIVE_TYPES))]
    for kind, shape, values in ARCHIVE_TYPES:
        out.append(row(kind, shape, *values))
    out += ["Descrizioni", row(len(ARCHIVE_TEXTS))]
    out += ["%d,%s" % (code, text) for code, text in ARCHIVE_TEXTS]
    # One footing of kind 1. Every value line but the last carries a
    # trailing "/" comment: the reader takes it with a line read.
    out += ["Plinti", "1",
            "/Plinto 1",
            "0,1 /Indice plinto",
            "1 /Tipo plinto",
            "150,150 /Dimensioni base",
            "60,40 /Altezze",
            "40,40 /Colletto",
            "0,0 /Dati aggiuntivi",
            "0,0 /Non usati",
            "1"]
    out += ["Tabella 4", "0", "Tabella 5", "0"]
    return out


def write(name, lines):
    path = os.path.join(OUT, name)
    # Windows-1252 with CR LF, as the Windows programs that share the
    # folder expect.
    with open(path, "w", encoding="cp1252", newline="\r\n") as f:
        for line in lines:
            f.write(line + "\n")
    return path


def main():
    os.makedirs(OUT, exist_ok=True)
    for name, lines in ((SLAB_FILE, slab_lines()),
                        (ARCHIVE_FILE, archive_lines())):
        print(write(name, lines))


if __name__ == "__main__":
    main()
