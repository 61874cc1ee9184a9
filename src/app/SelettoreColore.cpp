#include "app/SelettoreColore.h"

#include "dxf/ColoriACI.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

constexpr int Lato = 20, Passo = 5, Blocco = 15, Grigi = 80, PerRiga = 24;

std::array<CellaSelettore, NumCelleACI> Costruisci() {
    std::array<CellaSelettore, NumCelleACI> t{};
    int x = Passo, y = Passo;
    for (int c = 0; c < NumCelleACI; ++c) {
        if (c == 120 || c == 240) {
            x = Passo;
            y += Lato + Blocco;
        } else if (c > 0 && c < 240 && c % PerRiga == 0) {
            x = Passo;
            y += Lato + Passo;
        } else if (c == 249) {
            x += Grigi - Passo;
        }
        CellaSelettore& k = t[static_cast<size_t>(c)];
        k.Left = x, k.Top = y, k.Right = x + Lato, k.Bottom = y + Lato;
        CellaACI(c, k.Indice, k.Colore);
        x = k.Right + Passo;
    }
    return t;
}

int CellaDiIndice(int32_t indice) {
    const auto& t = CelleSelettore();
    for (size_t c = 0; c < t.size(); ++c)
        if (t[c].Indice == indice) return static_cast<int>(c);
    return -1;
}

}  // namespace

const std::array<CellaSelettore, NumCelleACI>& CelleSelettore() {
    static const std::array<CellaSelettore, NumCelleACI> tabella = Costruisci();
    return tabella;
}

int CellaSotto(int x, int y) {
    const auto& t = CelleSelettore();
    for (size_t c = 0; c < t.size(); ++c)
        if (t[c].Left <= x && x <= t[c].Right && t[c].Top <= y && y <= t[c].Bottom) return static_cast<int>(c);
    return -1;
}

Cornice CorniceCella(int cella) {
    if (cella < 0 || cella >= NumCelleACI) return {};
    const CellaSelettore& k = CelleSelettore()[static_cast<size_t>(cella)];
    return {k.Left - 2, k.Top - 2, k.Right + 3, k.Bottom + 3};
}

void StatoSelettore::Apri() {
    int32_t i = EsportaDxf.ColoreACIScelto;
    if (i == 0) i = 7;
    // An index the picker does not show counts as the default white.
    if (CellaDiIndice(i) < 0) i = 7;
    corrente_ = iniziale_ = i;
    selezionata_ = CellaDiIndice(i);
    evidenziata_ = -1;
    indiceColore_ = "Indice colore: " + std::to_string(i);
}

bool StatoSelettore::Muovi(int x, int y) {
    const int c = CellaSotto(x, y);
    if (c < 0) return false;
    indiceColore_ = "Indice colore: " + std::to_string(CelleSelettore()[static_cast<size_t>(c)].Indice);
    evidenziata_ = c == selezionata_ ? -1 : c;
    return true;
}

bool StatoSelettore::Rilascia(int x, int y) {
    const int c = CellaSotto(x, y);
    if (c < 0) return false;
    selezionata_ = c;
    if (evidenziata_ == c) evidenziata_ = -1;
    corrente_ = CelleSelettore()[static_cast<size_t>(c)].Indice;
    indiceColore_ = "Indice colore: " + std::to_string(corrente_);
    return true;
}

void StatoSelettore::Ok() { EsportaDxf.ColoreACIScelto = corrente_; }

void StatoSelettore::Annulla() { EsportaDxf.ColoreACIScelto = iniziale_; }

std::string StatoSelettore::Label1() const { return "id colore =  " + std::to_string(corrente_); }

std::array<std::string, 3> StatoSelettore::Label2() const {
    ColoreRGB c;
    ColoreACI(corrente_, c);
    return {"R = " + std::to_string(c.R), "G = " + std::to_string(c.G), "B = " + std::to_string(c.B)};
}

}  // namespace vilmor
