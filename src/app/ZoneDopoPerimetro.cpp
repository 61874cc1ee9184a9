#include "app/ZoneDopoPerimetro.h"

#include <algorithm>
#include <cmath>

#include "app/DialogoCordoli.h"
#include "base/Formati.h"
#include "design/ArchivioZone.h"
#include "design/BarreZone.h"
#include "design/ContornoZona.h"
#include "design/PuntoInPoligono.h"
#include "design/Residui.h"

namespace vilmor {

namespace {

// Less than this (cm2) more outside is the arithmetic's, not the outline's.
constexpr double AreaTrascurabile = 1.0;
// A point this close to a line (cm) lies on it.
constexpr double TolLinea = 0.1;

// The ring without a last point that repeats the first.
std::vector<Punto> Anello(std::vector<Punto> v) {
    if (v.size() > 1 && std::fabs(v.front().X - v.back().X) < 1e-4f && std::fabs(v.front().Y - v.back().Y) < 1e-4f)
        v.pop_back();
    return v;
}

std::vector<Punto> Selezione(const Zona& z) { return {z.Angoli.begin(), z.Angoli.end()}; }

std::vector<Punto> Striscia(const ZoneArmatura& za, int i) {
    const std::vector<Punto>& riga = za.VerticiZone[static_cast<size_t>(i)];
    const int n = std::clamp(za.Zone[static_cast<size_t>(i)].UltVertice + 1, 0, static_cast<int>(riga.size()));
    return Anello(std::vector<Punto>(riga.begin(), riga.begin() + n));
}

// The side of `nuovo` (index j: vertex j to vertex j + 1) that lies along a-b and shares the
// longest stretch of it; -1 when none does.
int LatoSullaRetta(const std::vector<Punto>& nuovo, const Punto& a, const Punto& b) {
    const double dx = static_cast<double>(b.X) - a.X, dy = static_cast<double>(b.Y) - a.Y;
    const double L = std::hypot(dx, dy);
    if (!(L > TolLinea)) return -1;
    const double ux = dx / L, uy = dy / L;
    auto lungo = [&](const Punto& p) { return (p.X - a.X) * ux + (p.Y - a.Y) * uy; };
    auto fuori = [&](const Punto& p) { return std::fabs(-(p.X - a.X) * uy + (p.Y - a.Y) * ux); };
    int migliore = -1;
    double comune = TolLinea;
    const size_t n = nuovo.size();
    for (size_t j = 0; j < n; ++j) {
        const Punto &c = nuovo[j], &d = nuovo[(j + 1) % n];
        if (fuori(c) > TolLinea || fuori(d) > TolLinea) continue;
        const double tc = lungo(c), td = lungo(d);
        if (!(td > tc)) continue;  // the same line run the other way is another side
        const double tratto = std::min(td, L) - std::max(tc, 0.0);
        if (tratto > comune) comune = tratto, migliore = static_cast<int>(j);
    }
    return migliore;
}

std::vector<Vertice> Vertici(const std::vector<Punto>& v) {
    std::vector<Vertice> r;
    for (const Punto& p : v) r.push_back({p.X, p.Y, 0});
    return r;
}

std::string Numeri(const std::vector<int>& v, int piu) {
    std::string s;
    for (int x : v) s += (s.empty() ? "" : ", ") + std::to_string(x + piu);
    return s;
}

}  // namespace

ControlliPerimetro RidisponiZone(Modello& m, const std::vector<Punto>& vecchio) {
    ControlliPerimetro c;
    const std::vector<Punto> prima = Anello(vecchio);
    const GeometriaSoletta& g = m.Soletta;
    const std::vector<Punto> dopo =
        Anello(std::vector<Punto>(g.Contorno.begin(), g.Contorno.begin() + std::min<size_t>(g.Contorno.size(),
                                                                                           g.NumVertContorno + 1)));
    ZoneArmatura& za = m.Zone;
    const int ultima = std::min(za.UltimaZona, static_cast<int>(za.Zone.size()) - 1);
    for (int i = 0; i <= ultima; ++i) {
        const Zona zona = za.Zone[static_cast<size_t>(i)];
        const bool cordolo = zona.Tipo == 2;
        // What of the zone lay outside the old outline: only what more lies outside the new one counts.
        const std::vector<Punto> regionePrima = cordolo ? Striscia(za, i) : Selezione(zona);
        const double fuoriPrima = AreaFuoriContorno(regionePrima, prima);

        EditZone e;
        e.ZonaCorrente = zona;
        e.ZonaSelezionata = i;
        e.MantieniRiferimento = 0;
        bool rifatta = false;
        bool latoPerso = false;
        if (cordolo) {
            if (zona.PoligonoCordolo < 0) {
                const int k = zona.LatoCordolo;
                const int n = static_cast<int>(prima.size());
                const int j = k >= 0 && k < n ? LatoSullaRetta(dopo, prima[k], prima[(k + 1) % n]) : -1;
                if (j < 0) latoPerso = true;
                else e.ZonaCorrente.LatoCordolo = j;
            }
            rifatta = !latoPerso && CalcParalle(m, e);
        } else {
            rifatta = ContornoZona(m, e) != 0;
        }
        if (rifatta) RiponiZona(m, e, i);

        if (latoPerso) {
            c.LatiPersi.push_back(i);
            continue;
        }
        const std::vector<Punto> regioneDopo = cordolo ? Striscia(za, i) : Selezione(za.Zone[static_cast<size_t>(i)]);
        if (AreaFuoriContorno(regioneDopo, dopo) <= fuoriPrima + AreaTrascurabile) continue;
        if (cordolo) c.Cordoli.push_back(i);
        else if (zona.Tipo == 3) c.Pioli.push_back(i);
        else c.Integrative.push_back(i);
    }

    // Columns: a centre inside the old outline and outside the new one.
    const std::vector<Vertice> vPrima = Vertici(prima), vDopo = Vertici(dopo);
    const int np = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    for (int p = 0; p < np; ++p) {
        const Pilastro& q = g.Pilastri[static_cast<size_t>(p)];
        if (PuntoInPoligono(vPrima, q.X, q.Y) && !PuntoInPoligono(vDopo, q.X, q.Y)) c.Pilastri.push_back(q.Numero);
    }

    DetraiArmatureNodi(-1, m);
    CalcolaArmature(m);
    return c;
}

std::string MsgControlliPerimetro(const ControlliPerimetro& c) {
    if (c.Vuoto()) return {};
    std::string s = "Dopo la modifica del perimetro controllare:";
    auto riga = [&](const std::vector<int>& v, const std::string& cosa, const std::string& prefisso, int piu) {
        if (!v.empty()) s += "\n- " + cosa + ": " + prefisso + Numeri(v, piu);
    };
    riga(c.Integrative, "armature integrative fuori dal perimetro", "pos. ", 1);
    riga(c.Cordoli, "cordoli fuori dal perimetro", "pos. ", 1);
    riga(c.LatiPersi, "cordoli il cui lato non \xC3\xA8 pi\xC3\xB9 sul perimetro", "pos. ", 1);
    riga(c.Pioli, "armature a taglio fuori dal perimetro", "pos. ", 1);
    riga(c.Pilastri, "pilastri fuori dal perimetro", "", 0);
    return s;
}

}  // namespace vilmor
