#include "design/BarreDiffuse.h"

#include <algorithm>
#include <charconv>
#include <cmath>

#include "base/Geometria.h"
#include "base/Primitive.h"
#include "base/ScansioneRighe.h"
#include "design/DirezioniZona.h"
#include "design/FerriSezione.h"
#include "model/Impostazioni.h"

namespace vilmor {

namespace {

const char* NomeStrato(int strato) {
    switch (strato) {
        case 0: return "Armatura diffusa superiore direzione 1";
        case 1: return "Armatura diffusa inferiore direzione 1";
        case 2: return "Armatura diffusa superiore direzione 2";
        case 3: return "Armatura diffusa inferiore direzione 2";
        default: return "Armatura diffusa";
    }
}

}  // namespace

LavoroStrato PreparaLavoro(const Modello& m, int direzione) {
    const int dir = direzione == 0 ? 0 : 1;
    LavoroStrato l;
    const ContorniLavoro& c = m.Contorni;
    const int n = std::max(0, std::min(c.UltVertContornoArm + 1, static_cast<int>(c.ContornoArmatura.size())));
    std::vector<Punto>& P = l.PoligonoLavoro;
    P.resize(static_cast<size_t>(n));
    for (int i = 0; i < n; ++i) {
        const Punto& v = c.ContornoArmatura[static_cast<size_t>(i)];
        P[static_cast<size_t>(i)] = RuotaDirArmatura(m.Progetto, dir, v.X, v.Y);
    }
    const GeometriaSoletta& g = m.Soletta;
    const int fori = std::max(0, std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()),
                                           static_cast<int>(c.ContornoForiArm.size())}));
    l.ForiLavoro.resize(static_cast<size_t>(fori));
    for (int j = 0; j < fori; ++j) {
        const std::vector<Punto>& riga = c.ContornoForiArm[static_cast<size_t>(j)];
        const int nv = std::max(0, std::min(g.NumVertForo[static_cast<size_t>(j)] + 1, static_cast<int>(riga.size())));
        std::vector<Punto>& F = l.ForiLavoro[static_cast<size_t>(j)];
        F.resize(static_cast<size_t>(nv));
        for (int k = 0; k < nv; ++k) {
            const Punto& v = riga[static_cast<size_t>(k)];
            F[static_cast<size_t>(k)] = RuotaDirArmatura(m.Progetto, dir, v.X, v.Y);
        }
    }
    return l;
}

std::string TestoValore(float v) {
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}

std::string DescriviSaltato(const ElementoSaltato& s) {
    std::string voce = s.Genere == GenereSaltato::StratoDiffuso ? NomeStrato(s.Indice)
                                                                 : "Pos. " + std::to_string(s.Indice + 1);
    return voce + ": " + s.Motivo;
}

EsitoStrato CalcolaBarreDirezione(const Modello& m, LavoroStrato& lavoro, float offsetX, float offsetY, int direzione,
                                  float passo, int diametro, int uscita) {
    EsitoStrato esito;
    const int dir = direzione == 0 ? 0 : 1;
    const std::array<float, 4>& lim = dir == 0 ? m.Contorni.LimitiArmDir1 : m.Contorni.LimitiArmDir2;
    // Lines from 1 cm above the lower extent, strictly below the upper one; the first always.
    const double y0 = static_cast<double>(lim[1]) + 1;
    if (!(passo > 0) || !std::isfinite(passo)) {
        esito.PassoValido = false;
        return esito;
    }
    if (!std::isfinite(y0) || !std::isfinite(lim[3])) {
        esito.ContornoValido = false;
        return esito;
    }
    int64_t righe = NumeroRighe(y0, passo, lim[3], true);
    if (righe < 0) {  // so small a spacing would never finish
        esito.PassoValido = false;
        return esito;
    }
    righe = std::max<int64_t>(righe, 1);

    ScansioneRighe scan;
    scan.AggiungiAnello(lavoro.PoligonoLavoro, -1, ScansioneRighe::Ruolo::Pieno);
    const GeometriaSoletta& g = m.Soletta;
    const int fori =
        std::min({g.NumFori, static_cast<int>(g.NumVertForo.size()), static_cast<int>(lavoro.ForiLavoro.size())});
    for (int j = 0; j < fori; ++j) {
        const std::vector<Punto>& F = lavoro.ForiLavoro[static_cast<size_t>(j)];
        const int nv = std::min(g.NumVertForo[static_cast<size_t>(j)] + 1, static_cast<int>(F.size()));
        if (nv > 0) scan.AggiungiAnello(F, nv, ScansioneRighe::Ruolo::Vuoto);
    }

    const ParametriFerriSez parametri = ParametriFerriSezione(m);
    const int layer = dir == 0 ? 20 : 21;
    std::vector<Tratto> tratti;
    for (int64_t k = 0; k < righe; ++k) {
        const float y = static_cast<float>(RigaScansione(y0, passo, k));
        scan.Tratti(y, tratti);
        for (const Tratto& t : tratti) {
            const float x0 = static_cast<float>(t.X0), x1 = static_cast<float>(t.X1);
            if (uscita >= 0) {
                Punto a = RuotaDirArmaturaInv(m.Progetto, dir, x0, y);
                Punto b = RuotaDirArmaturaInv(m.Progetto, dir, x1, y);
                DisLinea(a.X + offsetX, a.Y + offsetY, b.X + offsetX, b.Y + offsetY, layer, 0, uscita);
            } else if (uscita == -1) {
                bool saltato = false;
                const int lung = MisuraFerriSez(parametri, 0, 0, x0, x1, diametro, 1, 1, &saltato);
                if (saltato) ++esito.TrattiSaltati;
                lavoro.LungTotFerri += static_cast<float>(lung);
            }
        }
    }
    return esito;
}

void ComputaDiffusa(Modello& m, float offsetX, float offsetY, int lato, int uscita,
                    std::vector<ElementoSaltato>* saltati) {
    MagliaDiffusa& d = m.Diffusa;
    const bool sup = lato == 0;
    for (int dir = 0; dir <= 1; ++dir) {
        LavoroStrato lavoro = PreparaLavoro(m, dir);
        const int strato = (sup ? 0 : 1) + 2 * dir;
        const int diametro = dir == 0 ? (sup ? d.DiamDiffSup1 : d.DiamDiffInf1) : (sup ? d.DiamDiffSup2 : d.DiamDiffInf2);
        const float passo = dir == 0 ? (sup ? d.PassoDiffSup1 : d.PassoDiffInf1) : (sup ? d.PassoDiffSup2 : d.PassoDiffInf2);
        EsitoStrato esito = CalcolaBarreDirezione(m, lavoro, offsetX, offsetY, dir, passo, diametro, uscita);
        if (uscita != -1) continue;

        const float lung = esito.PassoValido && esito.ContornoValido ? lavoro.LungTotFerri : 0;
        const float peso = static_cast<float>(static_cast<double>(AreaBarra(diametro)) * 0.00785 * lung);
        float& L = dir == 0 ? (sup ? d.LungDiffSup1 : d.LungDiffInf1) : (sup ? d.LungDiffSup2 : d.LungDiffInf2);
        float& P = dir == 0 ? (sup ? d.PesoDiffSup1 : d.PesoDiffInf1) : (sup ? d.PesoDiffSup2 : d.PesoDiffInf2);
        L = lung;
        P = peso;

        if (!saltati) continue;
        if (!esito.PassoValido) {
            saltati->push_back({GenereSaltato::StratoDiffuso, strato, 0,
                                "passo non valido (" + TestoValore(passo) + "): armatura non computata"});
        } else if (!esito.ContornoValido) {
            saltati->push_back({GenereSaltato::StratoDiffuso, strato, 0,
                                "contorno di lavoro non valido: armatura non computata"});
        } else if (esito.TrattiSaltati > 0) {
            const int n = esito.TrattiSaltati;
            saltati->push_back({GenereSaltato::StratoDiffuso, strato, n,
                                std::to_string(n) + (n == 1 ? " tratto non suddivisibile" : " tratti non suddivisibili") +
                                    " in barre di lunghezza massima " + TestoValore(Imp.LungMaxFerri) +
                                    " cm (sovrapposizione troppo lunga): non computati"});
        }
    }
}

void ComputaDiffusa(float offsetX, float offsetY, int lato, int uscita) {
    ComputaDiffusa(M, offsetX, offsetY, lato, uscita, nullptr);
}

}  // namespace vilmor
