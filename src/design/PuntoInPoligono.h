// Point-in-polygon tests on zone quadrilaterals, slab outlines and vertex lists, the walk
// along the slab outlines, and the editing of tagged-vertex lists.
//
// The tests count the crossings of a ray from the point towards a far point to the left of
// the polygon (even-odd rule). A ray through a vertex counts by the half-open rule, so a
// boundary that crosses the ray there counts once and one that only touches it does not
// change the parity. A side on which the point itself lies (within 0.01 cm) is not counted:
// a point on the boundary reads inside or outside as the other sides decide.
#pragma once

#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// Inside the selection quadrilateral of the zone being edited.
bool PuntoInSelezione(const EditZone& e, float Px, float Py);
bool PuntoInSelezione(float Px, float Py);
// Inside the selection quadrilateral of stored zone k (False for an index outside the table).
bool NodoInZona(const Modello& m, int k, float Px, float Py);
bool NodoInZona(int k, float Px, float Py);
// The same test for many points against one quadrilateral: what depends on the zone alone is
// worked out once. It reads `z` at every test, so `z` must outlive it unchanged.
class QuadrilateroPronto {
public:
    explicit QuadrilateroPronto(const Zona& z);
    bool Contiene(float Px, float Py) const;

private:
    const Zona* z_;
    bool convesso_ = false;
    double nx_[4]{}, ny_[4]{}, d_[4]{};  // a convex one's sides: unit normals inwards, offsets
};
// Inside the outer perimeter (the slab outline 15 cm inside).
bool PuntoInPerimetro(const Modello& m, float Px, float Py);
bool PuntoInPerimetro(float Px, float Py);
// Inside outline p: -1 the slab outline, 0 or more the opening of that index. Only that
// outline is tested, so a point in an opening is inside the slab outline as well.
bool PuntoInContorno(const Modello& m, float Px, float Py, int p);
bool PuntoInContorno(float Px, float Py, int p);
// The same tests for many points against one outline: its vertices, box and far point are
// taken once, when it is made; it does not follow later changes of the model.
class ContornoPronto {
public:
    // As PuntoInPerimetro.
    static ContornoPronto Perimetro(const Modello& m);
    // As PuntoInContorno for outline p.
    static ContornoPronto Contorno(const Modello& m, int p);
    bool Contiene(float Px, float Py) const;

private:
    ContornoPronto(std::vector<Punto> vertici, double ox, double oy);
    std::vector<Punto> V_;
    float XMin_, YMin_, XMax_, YMax_;
    float Rx_, Ry_;  // the far point
};
// Inside the polygon V (zero-based, its last vertex not repeating the first).
bool PuntoInPoligono(const std::vector<Vertice>& V, float Px, float Py);
// The same test for many points against one polygon: its box and far point are worked out
// once. It reads V at every test, so V must outlive it unchanged.
class PoligonoPronto {
public:
    explicit PoligonoPronto(const std::vector<Vertice>& V);
    bool Contiene(float Px, float Py) const;

private:
    const std::vector<Vertice>* V_;
    float XMin_, YMin_, XMax_, YMax_;
    float Rx_, Ry_;  // the far point
};
// Inside the ring of the points of V (a last point repeating the first adds nothing), counted
// along the ray from the point towards the far point (Rx, Ry).
bool PuntoInAnelloPunti(const std::vector<Punto>& V, float Px, float Py, float Rx, float Ry);

// The vertex before (VerticeContorno) and after (VerticeAdiacente) vertex k of outline p,
// with wrap-around; the outputs stay as they were for an outline without vertices.
void VerticeContorno(const Modello& m, int k, int p, float& X, float& Y);
void VerticeContorno(int k, int p, float& X, float& Y);
void VerticeAdiacente(const Modello& m, int k, int p, float& X, float& Y);
void VerticeAdiacente(int k, int p, float& X, float& Y);

// Removes element k of V; nothing for k outside V or when V holds a single element.
void RimuoviVertice(int k, std::vector<Vertice>& V);
// Puts v at index k of V, moving the elements from k on up by one; the caller has already
// lengthened V by one element at its end. Nothing for k outside V.
void InserisciVertice(int k, std::vector<Vertice>& V, const Vertice& v);

}  // namespace vilmor
