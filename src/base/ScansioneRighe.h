// Scan lines across a set of closed rings: the crossings of a horizontal line of a frame with
// the rings' sides, and the stretches of that line lying in the material. Bar layouts (diffuse
// mesh, zone bars) and every other row of parallel lines laid inside outlines use it.
//
// A side counts when exactly one of its ends lies strictly above the line (half-open rule), so
// a line through a vertex counts a boundary that crosses there once and one that only touches
// it twice or not at all: each ring always gives an even number of crossings.
#pragma once

#include <cstdint>
#include <vector>

#include "base/Punto.h"

namespace vilmor {

// A stretch [X0, X1] of a scan line, X0 < X1.
struct Tratto {
    double X0 = 0;
    double X1 = 0;
};

class ScansioneRighe {
public:
    // Inside a full ring is material, inside an empty ring (an opening) is not.
    enum class Ruolo { Pieno, Vuoto };

    void Svuota();
    // Adds the ring of the first n points of v (n < 0 or beyond v: all of them); the side from the
    // last point back to the first closes it, so a last point repeating the first adds nothing.
    // Sides of the same ring that coincide (the two edges of a slit joining a hole to the ring)
    // cancel out. A vertex that is not a finite number is passed over.
    void AggiungiAnello(const std::vector<Punto>& v, int n = -1, Ruolo ruolo = Ruolo::Pieno);

    int NumAnelli() const { return static_cast<int>(ruoli_.size()); }

    // The crossings of the line at height y, in increasing x.
    void Incroci(double y, std::vector<double>& x) const;
    // The stretches of the line at height y inside at least one full ring and outside every empty
    // ring, in increasing x. Where a line only touches an opening at one point the stretches on
    // its two sides stay separate; stretches of no length are left out.
    void Tratti(double y, std::vector<Tratto>& t) const;

private:
    struct Lato {
        double Xa, Ya, Xb, Yb;  // Ya < Yb
        int Anello;
    };
    struct Incrocio {
        double X;
        int Anello;
    };
    void Incroci(double y, std::vector<Incrocio>& out) const;

    std::vector<Lato> lati_;
    std::vector<Ruolo> ruoli_;
    mutable std::vector<Incrocio> lavoro_;
    mutable std::vector<uint8_t> dentro_;
};

// Rows of lines y0 + k x passo, k = 0, 1, ...: each line is placed from y0 afresh, never by adding
// the spacing to the line before.
inline double RigaScansione(double y0, double passo, int64_t k) { return y0 + static_cast<double>(k) * passo; }

// Most lines one row may have; a row that would need more is refused like a spacing of 0.
inline constexpr int64_t MaxRigheScansione = 2000000;

// The number of lines of the row from y0 at spacing passo that lie strictly below yFine (stretto)
// or not above it. -1 when passo is not a positive finite number, y0 or yFine is not finite, or
// the row would have more than MaxRigheScansione lines.
int64_t NumeroRighe(double y0, double passo, double yFine, bool stretto);

// The lines of a row of `righe` lines from y0 at spacing passo that lie in [lo, hi]: those with
// prima <= k < oltre. None when the interval is empty or not a number, or the spacing is not a
// positive number; an infinite end reaches the end of the row.
void IntervalloRighe(double y0, double passo, int64_t righe, double lo, double hi, int64_t& prima, int64_t& oltre);

}  // namespace vilmor
