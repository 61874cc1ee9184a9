// Shear-stud schedule (zones of kind 3) and punching schedule (the records of the columns and
// nodes with radial studs that the punching view draws).
#include <cmath>

#include "base/NumeriAngoli.h"
#include "drawing/DisegnoZone.h"
#include "model/Impostazioni.h"
#include "report/Computo.h"
#include "report/TabelleComputo.h"

namespace vilmor {

using namespace computo;

namespace {

// A stud runs through the slab between the two covers.
double LunghezzaPiolo(const DatiProgetto& p) {
    return NonNegativo(static_cast<double>(p.Spessore - 2 * p.Copriferro));
}

bool Dentro(int i, int num, size_t dimensione) { return i >= 0 && i < num && static_cast<size_t>(i) < dimensione; }

// A whole count of rails from a real one, halves to even; 0 for what is no count.
int Listelli(double v) {
    if (!(std::fabs(v) < 1.0e9)) return 0;
    return static_cast<int>(std::nearbyint(v));
}

}  // namespace

std::vector<RigaPioli> RighePioli(const Modello& m) {
    std::vector<RigaPioli> righe;
    const double lunghezza = LunghezzaPiolo(m.Progetto);
    const int ultima = UltimaZonaValida(m.Zone);
    for (int z = 0; z <= ultima; ++z) {
        const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
        if (zona.Tipo != 3) continue;
        RigaPioli r;
        r.Zona = z;
        // The grid of the plan, so that the schedule and the drawing count alike.
        r.Pioli = ContaPioli(m, z);
        r.Diametro = zona.Diametro;
        r.Passo = zona.Passo;
        r.Passo2 = zona.Passo2;
        r.Peso = PesoFerri(r.Diametro, r.Pioli * lunghezza);
        righe.push_back(r);
    }
    return righe;
}

std::vector<RigaPunz> RighePunz(const Modello& m) {
    std::vector<RigaPunz> righe;
    const ModelloAnalisi& a = m.Analisi;
    const GeometriaSoletta& g = m.Soletta;
    const float Ls = ArrotondaMezzo(static_cast<float>(LunghezzaPiolo(m.Progetto)));
    const int num = std::min(a.NumPunzonamenti, static_cast<int>(a.Punzonamenti.size()));
    for (int p = 0; p < num; ++p) {
        const Punzonamento& P = a.Punzonamenti[static_cast<size_t>(p)];
        // Only what the punching view draws is charged: states 0 and 1 need no studs, and a
        // negative state could not be computed.
        if (P.TipoPunz != 0 || P.StatoPunz < 2) continue;
        const bool pilastro = P.IndicePilastro != -1;
        const bool nodo = Dentro(P.IndiceNodo, a.NumNodi, a.Nodi.size());
        // A record that names no column or node of this model has nothing to report.
        if (pilastro ? !Dentro(P.IndicePilastro, g.NumPilastri, g.Pilastri.size()) : !nodo) continue;
        RigaPunz base;
        base.Record = p;
        base.Pilastro = pilastro;
        base.Numero = pilastro ? g.Pilastri[static_cast<size_t>(P.IndicePilastro)].Numero
                               : a.Nodi[static_cast<size_t>(P.IndiceNodo)].Numero;
        base.PioliListello = P.PioliListello;
        auto riga = [&](int n, int d) {
            RigaPunz r = base;
            r.Listelli = n;
            r.Diametro = d;
            r.Peso = PesoFerri(d, static_cast<double>(P.PioliListello) * n * Ls);
            righe.push_back(r);
        };
        if (P.NumTratti > 0) {
            // Each stretch of the control perimeter takes the record's rails in proportion to
            // the angle it sweeps clockwise as seen from the node.
            if (P.PioliListello <= 0 || !nodo) continue;
            const Nodo& N = a.Nodi[static_cast<size_t>(P.IndiceNodo)];
            const int tratti = std::min({P.NumTratti, static_cast<int>(P.TrattoIniz.size()),
                                         static_cast<int>(P.TrattoFine.size())});
            for (int t = 0; t < tratti; ++t) {
                const Punto& i = P.TrattoIniz[static_cast<size_t>(t)];
                const Punto& f = P.TrattoFine[static_cast<size_t>(t)];
                const double a1 = AngoloRadianti(N.X, N.Y, i.X, i.Y);
                const double a2 = AngoloRadianti(N.X, N.Y, f.X, f.Y);
                const double settore = a2 < a1 ? a1 - a2 : 6.28318530717959 - (a2 - a1);
                const int n = Listelli(P.NumListelli * settore / 6.283185);
                if (n <= 1) continue;
                const float area = static_cast<float>(P.AreaTotPioli / (static_cast<double>(n) * P.PioliListello));
                riga(n, DiametroDaArea(area, Imp.DiamPioli));
            }
        } else if (P.NumListelli > 0) {
            riga(P.NumListelli, DiametroDaArea(P.AreaPiolo, Imp.DiamPioli));
        }
    }
    return righe;
}

std::string TestoPioli(const std::vector<RigaPioli>& righe) {
    std::string s = "\\par Armatura a taglio:\\par " +
                    InizioTabella({1050, 2100, 3400, 4700, 6000},
                                  "Pos.\\cell  Num.pioli\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  Peso (kg)");
    for (const RigaPioli& r : righe) {
        s += "\\intbl  " + TrimStr(r.Zona + 1) + Cella + Str(r.Pioli) + Cella + SegnoDiametro + " " +
             TrimStr(r.Diametro) + Cella + FormatNumVar(r.Passo, 1) + " x " + FormatNumVar(r.Passo2, 1) + Cella +
             FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

std::string TestoPunz(const std::vector<RigaPunz>& righe) {
    std::string s = "\\par Armatura a punzonamento:\\par " +
                    InizioTabella({1050, 2100, 3400, 4700, 6000},
                                  "Pilastro\\cell  Num.listelli\\cell  Pioli x listello\\cell  Diam.(mm)\\cell  Peso (kg)");
    for (const RigaPunz& r : righe) {
        const std::string etichetta = (r.Pilastro ? " P" : " N") + TrimStr(r.Numero);
        s += "\\intbl  " + etichetta + Cella + TrimStr(r.Listelli) + Cella + TrimStr(r.PioliListello) + Cella +
             SegnoDiametro + " " + TrimStr(r.Diametro) + Cella + FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

std::string ComputaPioli(StatoRelazione& r, const Modello& m) {
    const auto righe = RighePioli(m);
    for (const RigaPioli& p : righe) r.PesoSoletta += p.Peso;
    return TestoPioli(righe);
}

std::string ComputaPunz(StatoRelazione& r, const Modello& m) {
    const auto righe = RighePunz(m);
    for (const RigaPunz& p : righe) r.PesoSoletta += p.Peso;
    return TestoPunz(righe);
}

}  // namespace vilmor
