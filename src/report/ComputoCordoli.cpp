// Curb schedules: the longitudinal bars and the stirrups of every curb (kind 2), in zone order.
#include <cmath>

#include "design/StaffeCordolo.h"
#include "report/Computo.h"
#include "report/TabelleComputo.h"

namespace vilmor {

using namespace computo;

std::vector<RigaCorrenti> RigheCorrenti(const Modello& m) {
    std::vector<RigaCorrenti> righe;
    const int ultima = UltimaZonaValida(m.Zone);
    for (int z = 0; z <= ultima; ++z) {
        const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
        if (zona.Tipo != 2) continue;
        RigaCorrenti r;
        r.Zona = z;
        r.Lunghezza = LunghezzaCordolo(m.Zone, z);
        r.NumFerri = zona.NumBracci <= 2 ? 4 : 8;
        r.Diametro = zona.Diametro2;
        r.LungTotale = static_cast<float>(r.NumFerri) * r.Lunghezza;
        r.Peso = PesoFerri(r.Diametro, static_cast<double>(r.NumFerri) * r.Lunghezza);
        righe.push_back(r);
    }
    return righe;
}

std::vector<RigaStaffe> RigheStaffe(const Modello& m) {
    std::vector<RigaStaffe> righe;
    const DatiProgetto& p = m.Progetto;
    const MagliaDiffusa& d = m.Diffusa;
    // Between the covers, less the direction-1 diffuse bars of both faces.
    const double altezza = NonNegativo(std::floor(static_cast<double>(p.Spessore - 2 * p.Copriferro) -
                                                  (d.DiamDiffInf1 + d.DiamDiffSup1) / 10.0));
    const int ultima = UltimaZonaValida(m.Zone);
    for (int z = 0; z <= ultima; ++z) {
        const Zona& zona = m.Zone.Zone[static_cast<size_t>(z)];
        if (zona.Tipo != 2) continue;
        RigaStaffe r;
        r.Zona = z;
        r.Diametro = zona.Diametro;
        // The two hooks together are twenty stirrup diameters: the diameter in mm as cm.
        const double ganci = 2.0 * zona.Diametro;
        // The stirrups the plan draws.
        r.Numero = PosizioniStaffe(m.Zone, z) * StaffePerPosizione(zona);
        double larghezza = zona.Passo2;
        // Two stirrups a position, each about two thirds of the width.
        if (zona.NumBracci > 2) larghezza = std::floor(0.66 * zona.Passo2);
        r.Lunghezza = static_cast<float>(2 * larghezza + 2 * altezza + ganci);
        r.LungTotale = static_cast<float>(r.Numero) * r.Lunghezza;
        r.Peso = PesoFerri(r.Diametro, static_cast<double>(r.Lunghezza) * r.Numero);
        righe.push_back(r);
    }
    return righe;
}

std::string TestoCorrenti(const std::vector<RigaCorrenti>& righe) {
    std::string s = "\\par Cordoli, ferri correnti:\\par " +
                    InizioTabella({1050, 2100, 3400, 4700, 6000, 7300},
                                  "Pos.\\cell  Num.\\cell  Diam.(mm)\\cell  Lungh.(cm)\\cell  L.tot. (cm)\\cell  Peso (kg)");
    for (const RigaCorrenti& r : righe) {
        s += "\\intbl  " + TrimStr(r.Zona + 1) + Cella + (r.NumFerri == 8 ? "4+4" : "2+2") + Cella + SegnoDiametro +
             " " + TrimStr(r.Diametro) + Cella + FormatNum(r.Lunghezza, 1) + Cella + FormatNum(r.LungTotale, 1) + Cella +
             FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

std::string TestoStaffe(const std::vector<RigaStaffe>& righe) {
    std::string s = "\\par Cordoli, staffe:\\par " +
                    InizioTabella({1050, 2100, 3400, 4700, 6000, 7300},
                                  "Pos.\\cell  Num.\\cell  Diam.(mm)\\cell  Lungh.St (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)");
    for (const RigaStaffe& r : righe) {
        s += "\\intbl  " + TrimStr(r.Zona + 1) + Cella + TrimStr(r.Numero) + Cella + "St. " + SegnoDiametro + " " +
             TrimStr(r.Diametro) + Cella + FormatNum(r.Lunghezza, 1) + Cella + FormatNum(r.LungTotale, 1) + Cella +
             FormatNum(r.Peso, 1) + FineRiga;
    }
    return s + FineTabella;
}

void ComputaCordoli(StatoRelazione& r, const Modello& m) {
    const auto correnti = RigheCorrenti(m);
    const auto staffe = RigheStaffe(m);
    for (const RigaCorrenti& c : correnti) r.PesoSoletta += c.Peso;
    for (const RigaStaffe& c : staffe) r.PesoSoletta += c.Peso;
    r.TestoRtf += TestoCorrenti(correnti) + TestoStaffe(staffe);
}

}  // namespace vilmor
