#include "app/ValoriGriglia.h"

#include <algorithm>
#include <cmath>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "model/IntervalliFile.h"

namespace vilmor {

namespace {

bool Cifra(char c) { return c >= '0' && c <= '9'; }
bool Spazio(char c) { return c == ' ' || c == '\t'; }

// A text whose leading digits are not all zeros, yet read as 0: a number beyond a float's range.
bool FuoriScala(const std::string& testo) {
    size_t i = 0;
    while (i < testo.size() && (Spazio(testo[i]) || testo[i] == '+' || testo[i] == '-')) ++i;
    bool punto = false;
    for (; i < testo.size(); ++i) {
        const char c = testo[i];
        if (c >= '1' && c <= '9') return true;
        if ((c == '.' || c == ',') && !punto) punto = true;
        else if (c != '0' && !Spazio(c)) break;
    }
    return false;
}

}  // namespace

bool IniziaConNumero(const std::string& testo) {
    size_t i = 0;
    while (i < testo.size() && Spazio(testo[i])) ++i;
    if (i < testo.size() && (testo[i] == '+' || testo[i] == '-')) {
        ++i;
        while (i < testo.size() && Spazio(testo[i])) ++i;  // ValNumero reads "- 5" as -5
    }
    if (i >= testo.size()) return false;
    if (Cifra(testo[i])) return true;
    return (testo[i] == '.' || testo[i] == ',') && i + 1 < testo.size() && Cifra(testo[i + 1]);
}

std::optional<float> ValoreGriglia(const std::string& testo, float minimo, float massimo) {
    if (!IniziaConNumero(testo)) return std::nullopt;
    const float v = ValNumero(testo);
    if (v == 0 && FuoriScala(testo)) return std::nullopt;
    // Nothing typed goes beyond what the files take back, whatever the item's own limits.
    if (!std::isfinite(v) || v < minimo || v > massimo || std::fabs(v) > LimitePianta) return std::nullopt;
    return v;
}

std::optional<int> InteroGriglia(const std::string& testo, float minimo, float massimo) {
    const std::optional<float> v = ValoreGriglia(testo, minimo, massimo);
    if (!v) return std::nullopt;
    const double r = std::nearbyint(static_cast<double>(*v));
    if (r < -32768 || r > 32767) return std::nullopt;
    return static_cast<int>(r);
}

std::string MsgFuoriIntervallo(const std::string& campo, const std::string& testo, float minimo, float massimo) {
    // Whatever an item's own limits, nothing beyond the files' bound is taken.
    const float basso = std::max(minimo, -LimitePianta), alto = std::min(massimo, LimitePianta);
    const float v = IniziaConNumero(testo) ? ValNumero(testo) : 0;
    // An item without an upper limit of its own is told only its lower one, unless the value
    // passed the files' bound.
    const bool soloMinimo = !(massimo < LimitePianta) && basso > -LimitePianta && std::isfinite(v) && v <= LimitePianta;
    const std::string valori = soloMinimo ? "non inferiori a " + FormatNumVar(basso, 1)
                                          : "da " + FormatNumVar(basso, 1) + " a " + FormatNumVar(alto, 1);
    const std::string chi = campo.empty() ? "Il campo" : "\"" + campo + "\"";
    return chi + " accetta valori " + valori + ".\nValore non accettato.";
}

void RifiutaVoce(const std::string& messaggio) {
    ++RifiutiVoci;
    Avviso(messaggio);
}

std::optional<float> ValoreVoce(const PannelloProprieta& griglia, int32_t id, const std::string& testo, float minimo,
                                float massimo) {
    std::optional<float> v = ValoreGriglia(testo, minimo, massimo);
    if (!v) RifiutaVoce(MsgFuoriIntervallo(griglia.TitoloVoce(id), testo, minimo, massimo));
    return v;
}

std::optional<int> InteroVoce(const PannelloProprieta& griglia, int32_t id, const std::string& testo, float minimo,
                              float massimo) {
    std::optional<int> v = InteroGriglia(testo, minimo, massimo);
    if (!v) RifiutaVoce(MsgFuoriIntervallo(griglia.TitoloVoce(id), testo, minimo, massimo));
    return v;
}

}  // namespace vilmor
