#include "app/EditPerimetro.h"

#include <algorithm>
#include <cmath>

#include "app/AgganciaOggetti.h"
#include "base/Formati.h"
#include "base/Piattaforma.h"
#include "drawing/PoligonoEdit.h"
#include "drawing/Ridisegna.h"
#include "model/Vista.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

constexpr float Raggio = 4;

// The first step index k (from 0) at which `pos(base + k passo)` enters the open interval
// (c - 4, c + 4), for a position that moves monotonically with k; -1 when none does. The test
// is the scan's own expression at each candidate, so the answer is the scan's.
template <class Pos> long long PrimoEntro(long long base, long long n, int passo, float c, Pos pos) {
    if (n < 0) return -1;
    auto entro = [&](long long k) {
        const float p = pos(static_cast<float>(base + k * passo));
        return std::fabs(c - p) < Raggio;
    };
    // Where the position is nearest the cursor, by the inverse of the view; then the scan's own
    // test over a few neighbours in order.
    const float a = pos(static_cast<float>(base)), b = pos(static_cast<float>(base + passo));
    const double d = double(b) - a;
    long long k0 = 0;
    if (d != 0) k0 = static_cast<long long>(std::floor((double(c) - Raggio - a) / d));
    if (d < 0) k0 = static_cast<long long>(std::floor((double(c) + Raggio - a) / d));
    k0 = std::clamp<long long>(k0 - 2, 0, n);
    for (long long k = k0; k <= n && k <= k0 + 8; ++k)
        if (entro(k)) return k;
    return -1;
}

}  // namespace

int RegistraVertice(float x, float y) {
    StatoEditSez& e = EditSez;
    const int n = std::min(e.NumVerticiPool, static_cast<int>(e.PoolVertici.size()));
    for (int i = 0; i < n; ++i) {
        const Punto& p = e.PoolVertici[static_cast<size_t>(i)];
        if (std::fabs(p.X - x) < 0.0001f && std::fabs(p.Y - y) < 0.0001f) return i;
    }
    e.PoolVertici.resize(static_cast<size_t>(n) + 1);
    e.PoolVertici[static_cast<size_t>(n)] = {x, y};
    e.NumVerticiPool = n + 1;
    return n;
}

int CercaVertice(float x, float y) {
    if (!ContornoEditCoerente()) return -1;
    for (int i = 0; i <= EditSez.UbOrdineVertici; ++i) {
        const Punto& p = VerticeEdit(i);
        if (EntroAggancio(x, y, XSchermo(p.X), YSchermo(p.Y))) return i;
    }
    return -1;
}

void InizioAggancio() {
    PulisciTransitorio();
    if (SuperficieVideo* v = Piatt.Ctrl_Vid) v->SpessorePenna(3);
}

void MarcaAggancio(float px, float py, int semilato, bool cerchio) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const int32_t magenta = ColorePalette(13);
    v->SpessorePenna(3);
    if (cerchio) {
        v->Cerchio(px, py, static_cast<float>(semilato), magenta, false);
    } else {
        v->Rettangolo(static_cast<int>(std::nearbyint(px - semilato)), static_cast<int>(std::nearbyint(py - semilato)),
                      static_cast<int>(std::nearbyint(px + semilato)), static_cast<int>(std::nearbyint(py + semilato)),
                      magenta);
    }
}

void Agganciato(float px, float py, int commit) {
    if (commit != 0) {
        Vista.XAggancio = px;
        Vista.YAggancio = py;
        Vista.StatoAggancio = 1;
    } else {
        MarcaAggancio(px, py, 2, false);
        Vista.StatoAggancio = -1;
    }
    if (SuperficieVideo* v = Piatt.Ctrl_Vid) v->SpessorePenna(1);
}

void NessunAggancio() {
    Vista.StatoAggancio = 0;
    if (SuperficieVideo* v = Piatt.Ctrl_Vid) v->SpessorePenna(1);
}

void AgganciaGriglia(float x, float y, int commit) {
    InizioAggancio();
    const GrigliaVista g = GrigliaInVista();
    const long long nx = g.X1 >= g.X0 ? (g.X1 - g.X0) / g.PassoX : -1;
    const long long ny = g.Y1 >= g.Y0 ? (g.Y1 - g.Y0) / g.PassoY : -1;
    // The scan's first hit: the y test does not depend on the column, so it is the first
    // column within reach with the first row within reach.
    const long long kx = PrimoEntro(g.X0, nx, g.PassoX, x, [](float v) { return XSchermo(v); });
    const long long ky = PrimoEntro(g.Y0, ny, g.PassoY, y, [](float v) { return YSchermo(v); });
    if (kx < 0 || ky < 0) {
        NessunAggancio();
        return;
    }
    Agganciato(XSchermo(static_cast<float>(g.X0 + kx * g.PassoX)), YSchermo(static_cast<float>(g.Y0 + ky * g.PassoY)),
               commit);
}

void ClickPoligEdit(int button, float x, float y) {
    if (Vista.EditPerimetro == 0) return;
    const int i = CercaVertice(x, y);
    if (i != -1) {
        EditSez.VerticeSelez = i;
        if (Piatt.FrmPolig) Piatt.FrmPolig->SelezionaVertice(i);
        return;
    }
    float px = XDaSchermo(x), py = YDaSchermo(y);
    if (EditSez.GrigliaAttiva != 0 || EditSez.OsnapAttivo != 0) {
        // The objects before the grid here (a move tries the grid first).
        Vista.StatoAggancio = 0;
        if (EditSez.OsnapAttivo != 0) AgganciaOggetti(x, y, 1, button);
        if (Vista.StatoAggancio == 0 && EditSez.GrigliaAttiva != 0) AgganciaGriglia(x, y, button);
        if (Vista.StatoAggancio != 1) return;
        px = XDaSchermo(Vista.XAggancio);
        py = YDaSchermo(Vista.YAggancio);
    }
    if (EditorContorno* ed = Piatt.FrmPolig) {
        ed->ImpostaCoordinata(0, FormatNum(px, 1), ColorePalette(12));
        ed->ImpostaCoordinata(1, FormatNum(py, 1), ColorePalette(12));
    }
    Ridisegna(0);
}

std::string TitoloAttenzione() { return "Attenzione!"; }

}  // namespace vilmor
