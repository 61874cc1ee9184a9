#include "design/ProgettoDiffusa.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <limits>
#include <vector>

#include "base/Piattaforma.h"
#include "design/AccessoriNodi.h"
#include "design/Residui.h"
#include "model/Statistiche.h"

namespace vilmor {

namespace {

// Far more pairs than any sensible pair of limits gives (the defaults give about 600), few
// enough to end in well under a second.
constexpr long long MaxCoppie = 1LL << 24;

// The share of nodes covered only grows with the covered count, so a pair reaches the target
// exactly when its area is at least the requirement of the k-th node in increasing order, k the
// least count whose share reaches it. One comparison per pair instead of a pass over the nodes.
class Copertura {
public:
    Copertura(const Modello& m, int strato, int coperturaMin, int n, bool conteggi) {
        // For any other requirement r - A <= 0 in float is r <= A; one that is not a number or
        // is +infinity is never covered.
        valori_.reserve(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i) {
            const float r = RichiestaNodo(m, strato, i);
            if (r < std::numeric_limits<float>::infinity()) valori_.push_back(r);
        }
        if (conteggi) std::sort(valori_.begin(), valori_.end());
        auto quota = [n](int k) { return static_cast<double>(k) / n * 100; };
        if (!(quota(n) >= coperturaMin)) return;  // beyond all the nodes
        int k = static_cast<int>(std::ceil(static_cast<double>(coperturaMin) * n / 100));
        k = std::clamp(k, 1, n);
        while (k > 1 && quota(k - 1) >= coperturaMin) --k;
        while (quota(k) < coperturaMin) ++k;
        if (static_cast<size_t>(k) > valori_.size()) return;
        bastanti_ = k;
        const auto kesimo = valori_.begin() + (k - 1);
        if (!conteggi) std::nth_element(valori_.begin(), kesimo, valori_.end());
        soglia_ = *kesimo;
        raggiungibile_ = true;
    }

    bool Raggiunta(float A) const { return raggiungibile_ && A >= soglia_; }

    // The covered nodes as the search counts them, node by node: up to the target when the pair
    // reaches it, else all of them. Needs the values sorted (conteggi).
    int Coperti(float A, bool raggiunta) const {
        if (raggiunta) return bastanti_;
        return static_cast<int>(std::upper_bound(valori_.begin(), valori_.end(), A) - valori_.begin());
    }

private:
    std::vector<float> valori_;
    float soglia_ = 0;
    int bastanti_ = 0;
    bool raggiungibile_ = false;
};

}  // namespace

std::string NomeStratoDiffusa(int strato) {
    switch (strato) {
        case 0: return "Arm. sup. dir. 1";
        case 1: return "Arm. inf. dir. 1";
        case 2: return "Arm. sup. dir. 2";
        case 3: return "Arm. inf. dir. 2";
        default: return {};
    }
}

bool CriteriProgettoValidi(const Impostazioni& imp) {
    return imp.PassoMinSup > 0 && imp.PassoMinInf > 0 && imp.IncrDiametro > 0 && imp.IncrPasso > 0;
}

std::string CriteriRovesciati(const Impostazioni& imp) {
    if (imp.DiamMinSup > imp.DiamMaxSup) return CoppiaCriteri("Diam. minimo sup.", "Diam. massimo sup.");
    if (imp.DiamMinInf > imp.DiamMaxInf) return CoppiaCriteri("Diam. minimo inf.", "Diam. massimo inf.");
    if (imp.PassoMinSup > imp.PassoMaxSup) return CoppiaCriteri("Passo minimo sup.", "Passo massimo sup.");
    if (imp.PassoMinInf > imp.PassoMaxInf) return CoppiaCriteri("Passo minimo inf.", "Passo massimo inf.");
    return {};
}

std::string CoppiaCriteri(const std::string& minimo, const std::string& massimo) {
    return "\"" + minimo + "\" non pu\xC3\xB2 superare \"" + massimo + "\".";
}

bool OttimizzaStrato(Modello& m, const Impostazioni& imp, int strato, const RegistroCoppie& registro) {
    const int n = std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size()));
    if (n <= 0 || strato < 0 || strato > 3) return false;
    const bool sup = strato == 0 || strato == 2;
    const int DMax = sup ? imp.DiamMaxSup : imp.DiamMaxInf;
    const int DMin = sup ? imp.DiamMinSup : imp.DiamMinInf;
    const float PMax = static_cast<float>(sup ? imp.PassoMaxSup : imp.PassoMaxInf);
    const float PMin = static_cast<float>(sup ? imp.PassoMinSup : imp.PassoMinInf);
    const bool perPasso = imp.ProgettaPasso != 0;

    // Whatever the mesh before the design (a value typed in the panel, a file), every pair tried
    // and stored lies within the face's limits.
    auto passoEntro = [&](float v) { return std::isfinite(v) ? std::clamp(v, PMin, PMax) : PMax; };
    auto diamEntro = [&](double v) {
        return std::isfinite(v) ? std::clamp(static_cast<long long>(std::nearbyint(v)), static_cast<long long>(DMin),
                                             static_cast<long long>(DMax))
                                : static_cast<long long>(DMin);
    };
    auto entro = [&](long long dd, float ss) { return dd >= DMin && dd <= DMax && ss >= PMin && ss <= PMax; };

    // No node lacking steel: start from the sparsest mesh the face allows.
    float B = BilancioNodo(m, strato, 0);
    for (int i = 1; i < n; ++i) B = std::max(B, BilancioNodo(m, strato, i));
    if (B < 0) {
        if (perPasso) SettaPassoDiff(m, strato, passoEntro(PMax > 30 ? 30.0f : PMax));
        else SettaDiamDiff(m, strato, DMin);
    }

    long long d;  // wide: a step past the largest int ends the diameters instead of wrapping
    float s;
    if (perPasso) {
        d = diamEntro(LeggiDiamDiff(m, strato));
        s = PMax;
    } else {
        d = DMin;
        s = passoEntro(LeggiPassoDiff(m, strato));
    }

    bool riuscito = true;
    if (imp.CoperturaMin > 0) {
        riuscito = false;
        const Copertura copertura(m, strato, imp.CoperturaMin, n, static_cast<bool>(registro));
        for (long long prove = 0; prove < MaxCoppie; ++prove) {
            // Step first, then test: the starting pair is never tried.
            if (!perPasso) {
                if (d < DMax && d <= INT_MAX - imp.IncrDiametro) {
                    d += imp.IncrDiametro;
                } else {
                    s -= imp.IncrPasso;
                    if (s < PMin) break;
                    d = DMin;
                }
            } else {
                if (s > PMin) {
                    s -= imp.IncrPasso;
                } else {
                    d += imp.IncrDiametro;
                    if (d > DMax) break;
                    s = passoEntro(LeggiPassoDiffVar(m, strato).value_or(PMax));
                }
            }
            // The last step of a run may fall beyond a limit by less than a step: not a pair
            // of these criteria.
            if (!entro(d, s)) continue;
            // A spacing of 0 or less gives no real mesh: it covers nothing.
            const float A = s > 0 ? AreaStrato(static_cast<int>(d), s) : 0;
            const bool raggiunta = s > 0 && copertura.Raggiunta(A);
            if (registro)
                registro({strato, static_cast<int>(d), s, s > 0 ? copertura.Coperti(A, raggiunta) : 0});
            if (raggiunta) {
                riuscito = true;
                break;
            }
        }
        if (!riuscito) {
            d = DMax;
            s = PMin;
            Avviso(NomeStratoDiffusa(strato) + "\nImpossible raggiungere la percentuale di nodi coperti." +
                   "\nAumentare il diam. max o diminuire il passo min.");
        }
    }
    SettaDiamDiff(m, strato, static_cast<int>(d));
    SettaPassoDiff(m, strato, s);
    return riuscito;
}

bool ProgettaDiffusa(Modello& m, const Impostazioni& imp, const RegistroCoppie& registro) {
    if (std::min(m.Analisi.NumNodi, static_cast<int>(m.Analisi.Nodi.size())) <= 0) {
        Avviso("La soletta non contiene nodi di calcolo.\nProgetto dell'armatura diffusa non eseguito.");
        return false;
    }
    if (!CriteriProgettoValidi(imp)) {
        Avviso("Criteri di progetto non validi: incrementi e passi minimi devono essere maggiori di zero.\n"
               "Progetto dell'armatura diffusa non eseguito.");
        return false;
    }
    // Criteria read from a settings file may hold a minimum above its maximum: no mesh lies
    // within them. Both faces count: every layer is designed.
    if (const std::string r = CriteriRovesciati(imp); !r.empty()) {
        Avviso("Criteri di progetto non validi: " + r + "\nProgetto dell'armatura diffusa non eseguito.");
        return false;
    }
    // The residuals change only at the end: every layer reads those from before the run.
    for (int strato = 0; strato < 4; ++strato) OttimizzaStrato(m, imp, strato, registro);
    CalcAreeDiffuse(m);
    DetraiArmatureNodi(-1, m);
    return true;
}

}  // namespace vilmor
