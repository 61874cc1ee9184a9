#include "app/Evidenzia.h"

#include <cmath>
#include <cstddef>

#include "base/Piattaforma.h"
#include "design/Selezione.h"
#include "drawing/Quote.h"
#include "model/Poligoni.h"
#include "model/Vista.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

const int32_t Giallo = Rgb(255, 255, 0);
const int32_t Magenta = Rgb(255, 0, 255);

// Steps 2 and 3 shared by every mark: false when nothing is to be drawn.
bool Prepara(int i) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (Vista.ElementoEvidenziato != -1 && Vista.ElementoEvidenziato != i) PulisciTransitorio();
    return i >= 0 && v;
}

void Fine(int i) {
    Piatt.Ctrl_Vid->SpessorePenna(1);
    Vista.ElementoEvidenziato = i;
}

void LineaGialla(float x1, float y1, float x2, float y2, int penna) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    v->DisegnoPersistente(false);
    v->SpessorePenna(penna);
    v->Linea(XSchermo(x1), YSchermo(y1), XSchermo(x2), YSchermo(y2), Giallo, false);
}

void Cerchio(float x, float y, float raggioCm) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    v->DisegnoPersistente(false);
    v->SpessorePenna(2);
    v->Cerchio(XSchermo(x), YSchermo(y), raggioCm * Vista.Scala, Giallo, false);
}

bool Valido(size_t i, size_t n) { return i < n; }

}  // namespace

void EvidenziaCerchio(float x, float y, bool cordoli) {
    const bool rif = Vista.CodiceVista >= 14;
    int i = rif ? TrovaZonaLato(x, y) : TrovaZona(x, y);
    if (!cordoli && i >= 0 && Valido(size_t(i), M.Zone.Zone.size()) && M.Zone.Zone[size_t(i)].Tipo == 2) i = -1;
    if (!Prepara(i) || !Valido(size_t(i), M.Zone.Zone.size())) return;
    const Zona& z = M.Zone.Zone[size_t(i)];
    if (rif) {
        Cerchio(z.XRif, z.YRif, 14);
    } else {
        Cerchio(z.XMarca, z.YMarca, 20);
    }
    Fine(i);
}

void EvidenziaLato(float x, float y) {
    const int i = TrovaLato(x, y);
    if (!Prepara(i)) return;
    const int h = Vista.LatoEvidenziato;
    const GeometriaSoletta& g = M.Soletta;
    if (h < 0) {
        if (!Valido(size_t(i) + 1, g.Contorno.size())) return;
        const Punto& a = g.Contorno[size_t(i)];
        const Punto& b = g.Contorno[size_t(i) + 1];
        LineaGialla(a.X, a.Y, b.X, b.Y, 3);
    } else {
        if (!Valido(size_t(h), g.NumVertForo.size())) return;
        const int n = g.NumVertForo[size_t(h)];
        if (i >= n) return;
        const int j = i == n - 1 ? 0 : i + 1;
        LineaGialla(PoliX(h, i), PoliY(h, i), PoliX(h, j), PoliY(h, j), 3);
    }
    Fine(i);
}

void EvidenziaQuota(float x, float y) {
    const int i = TrovaQuota(M, x, y);
    if (!Prepara(i) || !Valido(size_t(i), M.SezQuote.Quote.size())) return;
    const Quota& q = M.SezQuote.Quote[size_t(i)];
    LineaGialla(q.X1, q.Y1, q.X2, q.Y2, 2);
    Fine(i);
}

void EvidenziaPos(float x, float y) {
    int i = TrovaZonaLato(x, y);
    // The clear follows the first pick alone.
    Prepara(i);
    if (i >= 0 && Piatt.Ctrl_Vid && Valido(size_t(i), M.Zone.Zone.size())) {
        const Zona& z = M.Zone.Zone[size_t(i)];
        Cerchio(z.XRif, z.YRif, 14);
        Fine(i);
        return;
    }
    i = TrovaZonaBordo(x, y);
    if (i < 0 || !Piatt.Ctrl_Vid || !Valido(size_t(i), M.Zone.Zone.size())) return;
    const Zona& z = M.Zone.Zone[size_t(i)];
    // A stud zone has no representative bar to move.
    if (z.Tipo >= 3) return;
    LineaGialla(z.XBarra1, z.YBarra1, z.XBarra2, z.YBarra2, 2);
    Fine(i);
}

void EvidenziaSez(float x, float y) {
    const int i = TrovaSezione(x, y);
    if (!Prepara(i) || !Valido(size_t(i), M.SezQuote.Sezioni.size())) return;
    const Sezione& s = M.SezQuote.Sezioni[size_t(i)];
    LineaGialla(s.X1, s.Y1, s.X2, s.Y2, 2);
    Fine(i);
}

void EvidenziaNodo(float x, float y) {
    const int i = TrovaNodo(x, y);
    if (!Prepara(i) || !Valido(size_t(i), M.Analisi.Nodi.size())) return;
    const Nodo& n = M.Analisi.Nodi[size_t(i)];
    const int px = static_cast<int>(std::nearbyint(XSchermo(n.X)));
    const int py = static_cast<int>(std::nearbyint(YSchermo(n.Y)));
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    v->DisegnoPersistente(false);
    v->SpessorePenna(2);
    v->Rettangolo(px - 3, py - 3, px + 3, py + 3, Magenta);
    Fine(i);
}

}  // namespace vilmor
