#include "design/ContornoZona.h"

#include <polyclipping/clipper.hpp>

#include <algorithm>
#include <cmath>
#include <map>
#include <utility>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "design/Ancoraggio.h"
#include "design/DirezioniZona.h"
#include "design/SelezioneZona.h"

namespace vilmor {

namespace cl = ClipperLib;

void AvvisoZonaDivisa() { Avviso(MsgZonaDivisa); }

namespace {

// The clipping works in whole thousandths of a centimetre.
constexpr double Unita = 1000.0;
// Pieces and holes smaller than 1 cm² are crumbs of the arithmetic, not parts of the zone.
constexpr double AreaMinima = 1.0 * Unita * Unita;
// A result vertex this close to a side of the zone (0.005 cm) lies on it.
constexpr double TolBordo = 5.0;
// Farther than this (cm) from the origin a coordinate is not a plan position.
constexpr double CoordMax = 1e9;

bool Rappresentabile(float v) { return std::isfinite(v) && std::fabs(v) <= CoordMax; }

cl::cInt Intero(float v) { return static_cast<cl::cInt>(std::llround(static_cast<double>(v) * Unita)); }

// Where the line through A and B meets the line through C and D; false for parallel lines.
bool IncontroRette(double ax, double ay, double bx, double by, double cx, double cy, double dx, double dy,
                   double& x, double& y) {
    double ux = bx - ax, uy = by - ay, vx = dx - cx, vy = dy - cy;
    double det = ux * vy - uy * vx;
    double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
    if (lu == 0 || lv == 0 || !(std::fabs(det) > 1e-9 * lu * lv)) return false;
    double t = ((cx - ax) * vy - (cy - ay) * vx) / det;
    x = ax + t * ux;
    y = ay + t * uy;
    return std::isfinite(x) && std::isfinite(y);
}

double Vettoriale(double ax, double ay, double bx, double by) { return ax * by - ay * bx; }

// A quadrilateral with a shape: plan coordinates, sides of at least 0.01 cm, no two consecutive
// sides parallel, opposite sides apart (no bow tie) and some area.
bool QuadrilateroProprio(const std::vector<Vertice>& V) {
    if (V.size() != 4) return false;
    for (const Vertice& v : V)
        if (!Rappresentabile(v.X) || !Rappresentabile(v.Y)) return false;
    auto lato = [&](int i, double& x, double& y) {
        const Vertice& a = V[static_cast<size_t>(i % 4)];
        const Vertice& b = V[static_cast<size_t>((i + 1) % 4)];
        x = static_cast<double>(b.X) - a.X;
        y = static_cast<double>(b.Y) - a.Y;
    };
    for (int i = 0; i < 4; ++i) {
        double ux, uy, vx, vy;
        lato(i, ux, uy);
        lato(i + 1, vx, vy);
        double lu = std::hypot(ux, uy), lv = std::hypot(vx, vy);
        if (lu < 0.01) return false;
        if (std::fabs(Vettoriale(ux, uy, vx, vy)) <= 1e-4 * lu * lv) return false;
    }
    auto orient = [&](int a, int b, int c) {
        const Vertice &A = V[static_cast<size_t>(a)], &B = V[static_cast<size_t>(b)], &C = V[static_cast<size_t>(c)];
        double s = Vettoriale(static_cast<double>(B.X) - A.X, static_cast<double>(B.Y) - A.Y,
                              static_cast<double>(C.X) - A.X, static_cast<double>(C.Y) - A.Y);
        return s > 0 ? 1 : (s < 0 ? -1 : 0);
    };
    // Sides 0-1 and 2-3, sides 1-2 and 3-0.
    for (int i = 0; i < 2; ++i) {
        int a = i, b = i + 1, c = i + 2, d = (i + 3) % 4;
        if (orient(a, b, c) * orient(a, b, d) <= 0 && orient(c, d, a) * orient(c, d, b) <= 0) return false;
    }
    double area = 0;
    for (int i = 0; i < 4; ++i) {
        const Vertice &a = V[static_cast<size_t>(i)], &b = V[static_cast<size_t>((i + 1) % 4)];
        area += Vettoriale(a.X, a.Y, b.X, b.Y);
    }
    return std::fabs(area / 2) >= 0.01;
}

double Area2(const cl::Path& p) { return cl::Area(p); }

// Squared distance (units²) from P to segment A-B and the position of its foot along A -> B (0 .. 1).
double DistanzaSegmento(const cl::IntPoint& P, double ax, double ay, double bx, double by, double& t) {
    double ux = bx - ax, uy = by - ay;
    double px = static_cast<double>(P.X) - ax, py = static_cast<double>(P.Y) - ay;
    double l2 = ux * ux + uy * uy;
    t = l2 > 0 ? std::clamp((px * ux + py * uy) / l2, 0.0, 1.0) : 0.0;
    double dx = px - t * ux, dy = py - t * uy;
    return dx * dx + dy * dy;
}

double Distanza2(const cl::IntPoint& a, const cl::IntPoint& b) {
    double dx = static_cast<double>(a.X - b.X), dy = static_cast<double>(a.Y - b.Y);
    return dx * dx + dy * dy;
}

// Clockwise with y up (Clipper's positive area turns counter-clockwise).
void Orario(cl::Path& p) {
    if (Area2(p) > 0) cl::ReversePath(p);
}

// An opening as the clipping sees it: its stored vertices and their units.
struct Foro {
    int Indice;
    std::vector<Punto> Vertici;
    cl::Path Anello;
};

// A hole of the result, as it will be written after the ring.
struct Buco {
    int Chiave;  // opening index that places it
    std::vector<Punto> Vertici;
};

}  // namespace

bool EstendiSelAncoraggio(const DatiProgetto& pr, int Direzione, std::vector<Vertice>& V, float L) {
    if (V.size() < 4) return false;
    const float b = RiduciAngolo180(Direzione == 0 ? static_cast<double>(pr.AngoloDir1Gradi)
                                                   : static_cast<double>(pr.AngoloDir1Gradi) + pr.AngoloDir2Gradi);

    // Side i runs from corner i - 1 to corner i (side 0 from corner 3).
    struct Lato {
        float x1, y1, x2, y2;
    } lati[4];
    for (int i = 0; i < 4; ++i) {
        const Vertice& s = V[static_cast<size_t>((i + 3) % 4)];
        const Vertice& e = V[static_cast<size_t>(i)];
        float dx = e.X - s.X, dy = e.Y - s.Y;
        float rad = std::fabs(dx) > 0.001f ? static_cast<float>(std::atan(static_cast<double>(dy) / dx))
                                           : static_cast<float>(1.5707963267949);
        float a = RiduciAngolo180(RadiantiGradi(rad));
        // Directions are lines: 179.8 and 0 degrees are 0.2 degrees apart.
        float scarto = std::fmod(std::fabs(a - b), 180.0f);
        scarto = std::min(scarto, 180.0f - scarto);
        Lato& l = lati[i];
        l = {s.X, s.Y, e.X, e.Y};
        if (scarto > 1) ParallelaSegmento(s.X, s.Y, e.X, e.Y, l.x1, l.y1, l.x2, l.y2, L);
    }

    bool tutti = true;
    for (int k = 0; k < 4; ++k) {
        const Lato& p = lati[k];
        const Lato& q = lati[(k + 1) % 4];
        double x, y;
        Vertice& v = V[static_cast<size_t>(k)];
        if (IncontroRette(p.x1, p.y1, p.x2, p.y2, q.x1, q.y1, q.x2, q.y2, x, y)) {
            v.X = static_cast<float>(x);
            v.Y = static_cast<float>(y);
        } else {
            v.X = p.x2;
            v.Y = p.y2;
            tutti = false;
        }
    }
    return tutti;
}

bool EstendiSelAncoraggio(std::vector<Vertice>& V, float L) {
    return EstendiSelAncoraggio(M.Progetto, Edit.ZonaCorrente.Direzione, V, L);
}

int ContornoZona(const Modello& m, EditZone& e, EsitoContorno* esito) {
    auto nessuno = [&](EsitoContorno r) {
        if (esito) *esito = r;
        return 0;
    };

    Zona z = e.ZonaCorrente;
    bool faccia = z.Tipo < 2;
    if (faccia) LimitiSelezione(e.ZonaCorrente);

    std::vector<Vertice> Z(4);
    auto angoli = [&] {
        for (size_t k = 0; k < 4; ++k) Z[k] = {z.Angoli[k].X, z.Angoli[k].Y, 0};
    };
    angoli();
    if (!QuadrilateroProprio(Z)) return nessuno(EsitoContorno::Degenere);
    // The growth moves sides to their left and the ring starts from corner 0: work on a clockwise
    // copy; the stored corners keep their order.
    OrdinaZonaOraria(z);
    angoli();
    if (faccia) {
        float L = static_cast<float>(CalcAncoraggio(z.Diametro));
        if (!EstendiSelAncoraggio(m.Progetto, z.Direzione, Z, L) || !QuadrilateroProprio(Z))
            return nessuno(EsitoContorno::Degenere);
    }

    // Every vertex given to the clipping, by its units: a result vertex that is one of them comes
    // back with its own coordinates, not their rounding.
    std::map<std::pair<cl::cInt, cl::cInt>, Punto> originali;
    auto punto = [&](float x, float y) {
        cl::IntPoint p(Intero(x), Intero(y));
        originali.emplace(std::make_pair(p.X, p.Y), Punto{x, y});
        return p;
    };
    auto reale = [&](const cl::IntPoint& p) {
        auto it = originali.find({p.X, p.Y});
        if (it != originali.end()) return it->second;
        return Punto{static_cast<float>(static_cast<double>(p.X) / Unita),
                     static_cast<float>(static_cast<double>(p.Y) / Unita)};
    };

    cl::Path quad;
    for (const Vertice& v : Z) quad.push_back(punto(v.X, v.Y));

    const ContorniLavoro& c = m.Contorni;
    int nw = std::min(c.UltVertContornoArm, static_cast<int>(c.ContornoArmatura.size()));
    if (nw < 3) return nessuno(EsitoContorno::NienteInComune);
    cl::Path contorno;
    for (int k = 0; k < nw; ++k) {
        const Punto& p = c.ContornoArmatura[static_cast<size_t>(k)];
        if (!Rappresentabile(p.X) || !Rappresentabile(p.Y)) return nessuno(EsitoContorno::NienteInComune);
        contorno.push_back(punto(p.X, p.Y));
    }

    std::vector<Foro> fori;
    cl::Paths anelliFori;
    int nf = std::min(m.Soletta.NumFori, static_cast<int>(c.ContornoForiArm.size()));
    for (int f = 0; f < nf; ++f) {
        const std::vector<Punto>& riga = c.ContornoForiArm[static_cast<size_t>(f)];
        int nv = f < static_cast<int>(m.Soletta.NumVertForo.size()) ? m.Soletta.NumVertForo[static_cast<size_t>(f)] : 0;
        nv = std::min(nv, static_cast<int>(riga.size()));
        if (nv < 3) continue;
        Foro foro{f, std::vector<Punto>(riga.begin(), riga.begin() + nv), {}};
        bool buono = true;
        for (const Punto& p : foro.Vertici) buono = buono && Rappresentabile(p.X) && Rappresentabile(p.Y);
        if (!buono) continue;
        for (const Punto& p : foro.Vertici) foro.Anello.push_back(punto(p.X, p.Y));
        // All turning one way, so that the non-zero rule takes the union of overlapping openings.
        cl::Path a = foro.Anello;
        Orario(a);
        anelliFori.push_back(std::move(a));
        fori.push_back(std::move(foro));
    }

    cl::PolyTree albero;
    try {
        cl::Paths sezione;
        cl::Clipper taglio;
        taglio.AddPath(quad, cl::ptSubject, true);
        taglio.AddPath(contorno, cl::ptClip, true);
        taglio.Execute(cl::ctIntersection, sezione, cl::pftEvenOdd, cl::pftEvenOdd);
        cl::Clipper sottrazione;
        // Pieces that touch at one point come out apart, and count as separate pieces.
        sottrazione.StrictlySimple(true);
        sottrazione.AddPaths(sezione, cl::ptSubject, true);
        sottrazione.AddPaths(anelliFori, cl::ptClip, true);
        sottrazione.Execute(cl::ctDifference, albero, cl::pftNonZero, cl::pftNonZero);
    } catch (const cl::clipperException&) {
        return nessuno(EsitoContorno::NienteInComune);
    }

    const cl::PolyNode* pezzo = nullptr;
    int pezzi = 0;
    for (const cl::PolyNode* n = albero.GetFirst(); n; n = n->GetNext()) {
        if (n->IsHole() || std::fabs(Area2(n->Contour)) < AreaMinima) continue;
        ++pezzi;
        pezzo = n;
    }
    if (pezzi == 0) return nessuno(EsitoContorno::NienteInComune);
    if (pezzi > 1) return nessuno(EsitoContorno::PiuParti);

    // The ring, clockwise, from the first of its vertices met walking the zone's sides from
    // corner 0; the working outline's element 0 (or the vertex nearest it) when none lies on them.
    cl::Path anello = pezzo->Contour;
    Orario(anello);
    int na = static_cast<int>(anello.size());
    int inizio = -1;
    for (int k = 0; k < 4 && inizio < 0; ++k) {
        const Vertice &A = Z[static_cast<size_t>(k)], &B = Z[static_cast<size_t>((k + 1) % 4)];
        double ax = A.X * Unita, ay = A.Y * Unita, bx = B.X * Unita, by = B.Y * Unita;
        double tMin = 2;
        for (int i = 0; i < na; ++i) {
            double t;
            if (DistanzaSegmento(anello[static_cast<size_t>(i)], ax, ay, bx, by, t) <= TolBordo * TolBordo &&
                t < tMin) {
                tMin = t;
                inizio = i;
            }
        }
    }
    if (inizio < 0) {
        double migliore = 0;
        for (int i = 0; i < na; ++i) {
            double d = Distanza2(anello[static_cast<size_t>(i)], contorno[0]);
            if (inizio < 0 || d < migliore) migliore = d, inizio = i;
        }
    }
    std::rotate(anello.begin(), anello.begin() + inizio, anello.end());

    // Holes: an opening wholly inside is written as stored from its element 0; a hole made by
    // openings that overlap, clockwise from its lowest-left vertex, in the place of the first of them.
    std::vector<Buco> buchi;
    for (const cl::PolyNode* h : pezzo->Childs) {
        if (!h->IsHole() || std::fabs(Area2(h->Contour)) < AreaMinima) continue;
        const cl::Path& hc = h->Contour;
        auto tocca = [&](const Foro& f) {
            for (const cl::IntPoint& p : hc)
                for (const cl::IntPoint& q : f.Anello)
                    if (Distanza2(p, q) <= 4) return true;
            return false;
        };
        auto uguale = [&](const Foro& f) {
            for (const cl::IntPoint& p : hc) {
                bool trovato = false;
                for (const cl::IntPoint& q : f.Anello) trovato = trovato || Distanza2(p, q) <= 4;
                if (!trovato) return false;
            }
            return std::fabs(std::fabs(Area2(hc)) - std::fabs(Area2(f.Anello))) <= 1e3;
        };
        Buco b{static_cast<int>(m.Soletta.NumFori), {}};
        for (const Foro& f : fori) {
            if (uguale(f)) {
                b.Chiave = f.Indice;
                b.Vertici = f.Vertici;
                if (Area2(f.Anello) > 0) std::reverse(b.Vertici.begin() + 1, b.Vertici.end());
                break;
            }
        }
        if (b.Vertici.empty()) {
            cl::Path ring = hc;
            Orario(ring);
            auto basso = std::min_element(ring.begin(), ring.end(), [](const cl::IntPoint& a, const cl::IntPoint& q) {
                return a.Y != q.Y ? a.Y < q.Y : a.X < q.X;
            });
            std::rotate(ring.begin(), basso, ring.end());
            for (const cl::IntPoint& p : ring) b.Vertici.push_back(reale(p));
            for (const Foro& f : fori) {
                if (tocca(f)) {
                    b.Chiave = f.Indice;
                    break;
                }
            }
        }
        buchi.push_back(std::move(b));
    }
    std::stable_sort(buchi.begin(), buchi.end(), [](const Buco& a, const Buco& b) { return a.Chiave < b.Chiave; });

    // Each hole is joined through a slit: from the ring's last vertex round the hole, closed on
    // its first vertex, and back to the ring's last vertex.
    std::vector<Punto> W;
    for (const cl::IntPoint& p : anello) W.push_back(reale(p));
    Punto ultimo = W.back();
    for (const Buco& b : buchi) {
        W.insert(W.end(), b.Vertici.begin(), b.Vertici.end());
        W.push_back(b.Vertici.front());
        W.push_back(ultimo);
    }

    int n = static_cast<int>(W.size()) - 1;
    e.ContornoZonaCorr.assign(static_cast<size_t>(n) + 2, Punto{});
    std::copy(W.begin(), W.end(), e.ContornoZonaCorr.begin());
    e.UltVertZonaCorr = n;
    if (esito) *esito = EsitoContorno::Ottenuto;
    return -1;
}

int ContornoZona(EsitoContorno* esito) { return ContornoZona(M, Edit, esito); }

double AreaFuoriContorno(const std::vector<Punto>& regione, const std::vector<Punto>& contorno) {
    auto percorso = [](const std::vector<Punto>& v) {
        cl::Path p;
        for (const Punto& q : v)
            if (Rappresentabile(q.X) && Rappresentabile(q.Y)) p.emplace_back(Intero(q.X), Intero(q.Y));
        return p;
    };
    const cl::Path a = percorso(regione), b = percorso(contorno);
    if (a.size() < 3) return 0;
    cl::Paths fuori;
    try {
        cl::Clipper c;
        c.AddPath(a, cl::ptSubject, true);
        if (b.size() >= 3) c.AddPath(b, cl::ptClip, true);
        c.Execute(cl::ctDifference, fuori, cl::pftNonZero, cl::pftNonZero);
    } catch (const cl::clipperException&) {
        return 0;
    }
    double area = 0;
    for (const cl::Path& p : fuori) area += cl::Area(p);
    return std::fabs(area) / (Unita * Unita);
}

}  // namespace vilmor
