// The report of one slab: title, diffuse mesh, integrative zones, curbs, studs, punching,
// chairs, steel weight, concrete volume and incidence.
#include <cmath>

#include "design/BarreZone.h"
#include "model/Poligoni.h"
#include "report/Computo.h"
#include "report/TabelleComputo.h"

namespace vilmor {

using namespace computo;

namespace {

// Rounded to the nearest whole number, halves to even; 0 for what is no number.
int Arrotondato(double v) {
    if (!(std::fabs(v) < 1.0e9)) return 0;
    return static_cast<int>(std::nearbyint(v));
}

// The area enclosed by a ring of n vertices, the vertex after the last being the first.
template <class X, class Y> double AreaAnello(int n, X x, Y y) {
    double s = 0;
    for (int k = 0; k < n; ++k) {
        const int k1 = k + 1 < n ? k + 1 : 0;
        s += (static_cast<double>(y(k)) * x(k1) - static_cast<double>(y(k1)) * x(k)) / 2;
    }
    return std::fabs(s);
}

void CalcolaDistanziatori(ComputoSoletta& c, const Modello& m) {
    const MagliaDiffusa& d = m.Diffusa;
    const DatiProgetto& p = m.Progetto;
    Distanziatori& k = c.Cavalletti;
    k.Diametro = d.DiamCavalletti;
    k.Passo1 = d.PassoCavalletti1;
    k.Passo2 = d.PassoCavalletti2;
    // Feet and top in cm from the diameter in mm; the height fills the space between the two
    // direction-1 layers.
    const int piede = std::max(2 * k.Diametro, 15);
    const int sommita = std::max(Arrotondato(1.5 * k.Diametro), 10);
    const int altezza = std::max(Arrotondato(static_cast<double>(p.Spessore - 2 * p.Copriferro) -
                                             (d.DiamDiffInf1 + d.DiamDiffSup1) / 10.0),
                                 0);
    k.Lunghezza = 2 * piede + sommita + 2 * altezza;
    const double perMetroQuadro = (100.0 / k.Passo1) * (100.0 / k.Passo2);
    k.Peso = PesoFerri(k.Diametro, perMetroQuadro * k.Lunghezza * c.Superficie);
}

std::string TestoDiffusa(const ComputoSoletta& c) {
    std::string s = TestoNero("Armatura diffusa:", 20, 0, 0) + "\\par ";
    const char* aperture[4] = {"\\intbl  sup.\\cell  1", "\\intbl  sup.\\cell  2", "\\intbl  inf.\\cell  1",
                               "\\intbl  inf.\\cell  2"};
    const char* apertureUnica[2] = {"\\intbl  1", "\\intbl  2"};
    if (!c.MagliaUnica) {
        s += InizioTabella({1050, 2100, 3400, 4700, 6000, 7300},
                           "Lato\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot.(cm)\\cell  Peso (kg)");
    } else {
        s += InizioTabella({1400, 2700, 4000, 5300, 6600},
                           "Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)");
    }
    for (size_t i = 0; i < c.Diffusa.size() && i < (c.MagliaUnica ? 2u : 4u); ++i) {
        const RigaDiffusa& r = c.Diffusa[i];
        s += std::string(c.MagliaUnica ? apertureUnica[i] : aperture[i]) + Cella + SegnoDiametro + " " +
             TrimStr(r.Diametro) + Cella + FormatNum(r.Passo, 1) + Cella + FormatNum(r.LungTotale, 1) + Cella +
             FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

std::string TestoIntegrative(const ComputoSoletta& c) {
    std::string s = "\\par Armatura integrativa:\\par ";
    if (!c.MagliaUnica) {
        s += InizioTabella({700, 1400, 2100, 3400, 4700, 6000, 7300},
                           "Pos.\\cell  Lato\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)");
    } else {
        s += InizioTabella({700, 1400, 2700, 4000, 5300, 6600},
                           "Pos.\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)");
    }
    for (const RigaIntegrativa& r : c.Integrative) {
        s += "\\intbl  " + TrimStr(r.Zona + 1);
        if (!c.MagliaUnica) s += r.Tipo == 0 ? "\\cell  sup." : "\\cell  inf.";
        // The two-mesh table drops a spacing's zero decimal, the central-mesh one keeps it.
        const std::string passo = c.MagliaUnica ? FormatNum(r.Passo, 1) : FormatNumVar(r.Passo, 1);
        s += Cella + Str(r.Direzione + 1) + Cella + SegnoDiametro + " " + TrimStr(r.Diametro) + Cella + passo + Cella +
             FormatNum(r.LungTotale, 1) + Cella + FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

}  // namespace

float SuperficieSoletta(const Modello& m) {
    const GeometriaSoletta& g = m.Soletta;
    const int n = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    double area = AreaAnello(
        n, [&](int k) { return g.Contorno[static_cast<size_t>(k)].X; },
        [&](int k) { return g.Contorno[static_cast<size_t>(k)].Y; });
    const int fori = std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()), static_cast<int>(g.InizioForo.size())});
    for (int j = 0; j < fori; ++j) {
        const int inizio = g.InizioForo[static_cast<size_t>(j)];
        const int nv = g.NumVertForo[static_cast<size_t>(j)];
        if (inizio < 0 || nv <= 0 || static_cast<size_t>(inizio) + static_cast<size_t>(nv) > g.XFori.size() ||
            static_cast<size_t>(inizio) + static_cast<size_t>(nv) > g.YFori.size())
            continue;
        area -= AreaAnello(nv, [&](int k) { return PoliX(g, j, k); }, [&](int k) { return PoliY(g, j, k); });
    }
    return static_cast<float>(area / 10000);
}

ComputoSoletta CalcolaComputo(const Modello& m) {
    ComputoSoletta c;
    const MagliaDiffusa& d = m.Diffusa;
    const DatiProgetto& p = m.Progetto;
    c.NumeroSoletta = p.NumeroSoletta;
    c.MagliaUnica = p.MagliaUnica != 0;
    const RigaDiffusa sup1{d.DiamDiffSup1, d.PassoDiffSup1, d.LungDiffSup1, d.PesoDiffSup1};
    const RigaDiffusa sup2{d.DiamDiffSup2, d.PassoDiffSup2, d.LungDiffSup2, d.PesoDiffSup2};
    const RigaDiffusa inf1{d.DiamDiffInf1, d.PassoDiffInf1, d.LungDiffInf1, d.PesoDiffInf1};
    const RigaDiffusa inf2{d.DiamDiffInf2, d.PassoDiffInf2, d.LungDiffInf2, d.PesoDiffInf2};
    // A central mesh is made of the lower layers; the upper ones are neither listed nor weighed.
    c.Diffusa = c.MagliaUnica ? std::vector<RigaDiffusa>{inf1, inf2} : std::vector<RigaDiffusa>{sup1, sup2, inf1, inf2};
    c.PesoSoletta = d.PesoDiffInf1 + d.PesoDiffInf2;
    if (!c.MagliaUnica) c.PesoSoletta = c.PesoSoletta + d.PesoDiffSup1 + d.PesoDiffSup2;

    const ZoneArmatura& za = m.Zone;
    const int ultima = UltimaZonaValida(za);
    for (int z = 0; z <= ultima; ++z) {
        const int tipo = za.Zone[static_cast<size_t>(z)].Tipo;
        if (tipo == 0 || tipo == 1) c.ConIntegrative = true;
        else if (tipo == 2) c.ConCordoli = true;
        else if (tipo > 2) c.ConPioli = true;
    }
    if (c.ConIntegrative) {
        // Upper face first, then lower face, each in zone order; a central mesh has no upper.
        for (int tipo = c.MagliaUnica ? 1 : 0; tipo <= 1; ++tipo) {
            for (int z = 0; z <= ultima; ++z) {
                const Zona& zona = za.Zone[static_cast<size_t>(z)];
                if (zona.Tipo != tipo) continue;
                RigaIntegrativa r{z, zona.Tipo, zona.Direzione, zona.Diametro, zona.Passo, zona.LungTotale, 0};
                r.Peso = PesoFerri(zona.Diametro, zona.LungTotale);
                c.Integrative.push_back(r);
                c.PesoSoletta += r.Peso;
            }
        }
    }
    if (c.ConCordoli) {
        c.Correnti = RigheCorrenti(m);
        c.Staffe = RigheStaffe(m);
        for (const RigaCorrenti& r : c.Correnti) c.PesoSoletta += r.Peso;
        for (const RigaStaffe& r : c.Staffe) c.PesoSoletta += r.Peso;
    }
    if (c.ConPioli) {
        c.Pioli = RighePioli(m);
        for (const RigaPioli& r : c.Pioli) c.PesoSoletta += r.Peso;
    }
    c.ConPunzonamento = m.Analisi.NumPunzonamenti > 0;
    if (c.ConPunzonamento) {
        c.Punzonamento = RighePunz(m);
        for (const RigaPunz& r : c.Punzonamento) c.PesoSoletta += r.Peso;
    }

    c.Superficie = SuperficieSoletta(m);
    // Chairs hold an upper mesh, so a central mesh has none.
    c.ConDistanziatori = !c.MagliaUnica && d.PassoCavalletti1 > 0 && d.PassoCavalletti2 > 0 && d.DiamCavalletti > 0;
    if (c.ConDistanziatori) {
        CalcolaDistanziatori(c, m);
        c.PesoSoletta += c.Cavalletti.Peso;
    }

    c.Volume = static_cast<float>(static_cast<double>(p.Spessore) * c.Superficie / 100);
    if (c.Volume > 0) {
        const float incidenza = c.PesoSoletta / c.Volume;
        c.ConIncidenza = std::isfinite(incidenza);
        if (c.ConIncidenza) c.Incidenza = incidenza;
    }
    return c;
}

std::string TestoComputo(const ComputoSoletta& c) {
    std::string s = TestoNero("Soletta in c.a. n." + Str(c.NumeroSoletta), 24, 0, 1) + "\\par ";
    s += TestoDiffusa(c);
    if (c.ConIntegrative) s += TestoIntegrative(c);
    if (c.ConCordoli) s += TestoCorrenti(c.Correnti) + TestoStaffe(c.Staffe);
    if (c.ConPioli) s += TestoPioli(c.Pioli);
    if (c.ConPunzonamento) s += TestoPunz(c.Punzonamento);
    if (c.ConDistanziatori) {
        const Distanziatori& k = c.Cavalletti;
        s += "\\par Distanziatori " + std::string(SegnoDiametro) + TrimStr(k.Diametro) + ", L = " +
             FormatNum(static_cast<float>(k.Lunghezza), 1) + " cm\\par ";
        s += "1/" + TrimStr(k.Passo1) + " dir.1,  1/" + TrimStr(k.Passo2) + " dir.2\\par ";
        s += "Superficie soletta = " + FormatNum(c.Superficie, 1) + " mq\\par ";
        s += "Peso totale distanziatori = " + FormatNum(k.Peso, 1) + " kg\\par ";
    }
    s += "\\par Peso totale dei ferri = " + FormatNum(c.PesoSoletta, 1) + " kg\\par ";
    s += "Volume calcestruzzo = " + FormatNum(c.Volume, 1) + " mc\\par ";
    // Without a volume there is no incidence to give.
    if (c.ConIncidenza) s += "Incidenza = " + FormatNum(c.Incidenza, 1) + " kg/mc\\par ";
    return s;
}

void ScriviComputo(StatoRelazione& r, const Modello& m) {
    const ComputoSoletta c = CalcolaComputo(m);
    r.TestoRtf += TestoComputo(c);
    r.PesoSoletta = c.PesoSoletta;
    r.PesoTotale += c.PesoSoletta;
    r.VolumeTotale += c.Volume;
}

void CopuRTF(StatoRelazione& r, Modello& m) {
    CalcolaArmature(m);
    ScriviComputo(r, m);
}

void IniziaRelazione(StatoRelazione& r) {
    r = StatoRelazione{};
    r.TestoRtf = InizioRTF() + PaginaRelazione + TabCentro(2.0f);
    for (float t : {5.0f, 7.5f, 10.5f, 13.0f, 15.0f, 17.0f}) r.TestoRtf += TabDestra(t);
}

void RiepilogoRelazione(StatoRelazione& r, int solette) {
    r.TestoRtf += TestoNero("Riepilogo:", 18, 0, 1) + TestoNero("\\par ", 18, 0, 0);
    r.TestoRtf += "Solette computate: " + Str(solette) + "\\par ";
    r.TestoRtf += "Peso totale dei ferri = " + FormatNum(r.PesoTotale, 1) + " kg\\par ";
    r.TestoRtf += "Volume calcestruzzo = " + FormatNum(r.VolumeTotale, 1) + " mc\\par ";
    // Without a volume there is no incidence to give, as for one slab.
    if (r.VolumeTotale > 0) {
        const float incidenza = r.PesoTotale / r.VolumeTotale;
        if (std::isfinite(incidenza)) r.TestoRtf += "Incidenza = " + FormatNum(incidenza, 1) + " kg/mc\\par ";
    }
}

std::string DocumentoComputo(Modello& m) {
    StatoRelazione r;
    IniziaRelazione(r);
    CopuRTF(r, m);
    return r.TestoRtf + FineRTF();
}

}  // namespace vilmor
