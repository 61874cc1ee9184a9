#include "drawing/TitoloVista.h"

#include <algorithm>
#include <string>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "drawing/LegendeMappa.h"

namespace vilmor {
namespace {

constexpr int LayerTesti = 19;

// The plain form of a number without its leading blank.
template <typename T>
std::string Ridotto(T v) {
    std::string s = Str(v);
    return !s.empty() && s[0] == ' ' ? s.substr(1) : s;
}

void Testo(float x, float y, const std::string& t, int tipo, int oriz, int vert, int uscita) {
    DisTesto(x, y, t, tipo, LayerTesti, oriz, vert, 0, uscita);
}

// Five strokes 50 cm long and 10 apart about (cx, cy) along the direction (c, s).
void Simbolo(float cx, float cy, double c, double s, int layer, int uscita) {
    const float dx = static_cast<float>(25 * c), dy = static_cast<float>(25 * s);
    const float x1 = cx - dx, y1 = cy - dy, x2 = cx + dx, y2 = cy + dy;
    DisLinea(x1, y1, x2, y2, layer, 0, uscita);
    for (float d : {10.0f, 20.0f}) {
        for (int lato : {1, 0}) {
            float ox1 = 0, oy1 = 0, ox2 = 0, oy2 = 0;
            ScostaSegmento(x1, y1, x2, y2, ox1, oy1, ox2, oy2, d, lato);
            DisLinea(ox1, oy1, ox2, oy2, layer, 0, uscita);
        }
    }
}

void LegendaDiffusa(const Modello& m, float X, float Y, float k, bool superiore, int uscita) {
    const MagliaDiffusa& g = m.Diffusa;
    struct Dir {
        float xSimbolo, xTesti;
        double c, s;
        int layer, diam;
        float passo, area;
        const char* nome;
    };
    const Dir dirs[2] = {
        {30, 70, m.Progetto.CosDir1, m.Progetto.SinDir1, 20, superiore ? g.DiamDiffSup1 : g.DiamDiffInf1,
         superiore ? g.PassoDiffSup1 : g.PassoDiffInf1, superiore ? g.AreaDiffSup1 : g.AreaDiffInf1, "dir. 1"},
        {210, 250, m.Progetto.CosDir2, m.Progetto.SinDir2, 21, superiore ? g.DiamDiffSup2 : g.DiamDiffInf2,
         superiore ? g.PassoDiffSup2 : g.PassoDiffInf2, superiore ? g.AreaDiffSup2 : g.AreaDiffInf2, "dir. 2"},
    };
    for (const Dir& d : dirs) {
        Simbolo(X + d.xSimbolo, Y - 70, d.c, d.s, d.layer, uscita);
        Testo(X + d.xTesti, Y - 45 * k, d.nome, 1, 0, 2, uscita);
        Testo(X + d.xTesti, Y - 65 * k, std::string("1") + SegnoDiametro + Str(d.diam) + "/" + Str(d.passo), 0, 0, 2,
              uscita);
        Testo(X + d.xTesti, Y - 85 * k, FormatNum(d.area, 1) + " cmq/m", 0, 0, 2, uscita);
    }
}

void LegendaCavalletti(const Modello& m, float X, float Y, float k, int uscita) {
    const MagliaDiffusa& g = m.Diffusa;
    if (!(g.PassoCavalletti1 > 0 && g.PassoCavalletti2 > 0 && g.DiamCavalletti != 0)) return;
    const float Yc = Y - 140 * k;
    static constexpr float Schizzo[10][2] = {{-10, -95}, {28, -71}, {30, -67}, {30, -2}, {32, -1},
                                             {58, -19},  {60, -23}, {60, -88}, {62, -89}, {100, -65}};
    for (int i = 0; i < 9; ++i)
        DisLinea(X + Schizzo[i][0], Yc + Schizzo[i][1], X + Schizzo[i + 1][0], Yc + Schizzo[i + 1][1], 10, 0, uscita);
    static constexpr struct {
        const char* t;
        float x, y;
    } Lettere[] = {{"a", 18, -75}, {"h", 37, -28}, {"b", 48, 11}, {"h", 67, -45}, {"a", 78, -75}};
    for (const auto& l : Lettere) Testo(X + l.x, Yc + l.y, l.t, 1, 1, 2, uscita);

    const int D = g.DiamCavalletti;
    const int a = std::max(15, 2 * D);
    const int b = std::max(10, static_cast<int>(ArrotondaPari(1.5 * D, 0)));
    const double hReale = static_cast<double>(m.Progetto.Spessore) - 2.0 * m.Progetto.Copriferro -
                          (g.DiamDiffSup1 + g.DiamDiffInf1) / 10.0;
    const int h = static_cast<int>(ArrotondaPari(hReale, 0));
    Testo(X + 115, Yc - 20 * k, std::string("Assonometria cavalletti distanziatori ") + SegnoDiametro + Str(D), 0, 0,
          0, uscita);
    Testo(X + 115, Yc - 40 * k,
          "a=" + Ridotto(a) + " cm,  b=" + Ridotto(b) + "cm,  h=" + Ridotto(h) + " cm", 0, 0, 0, uscita);
    Testo(X + 115, Yc - 60 * k,
          "1/" + Ridotto(g.PassoCavalletti1) + " dir.1,  1/" + Ridotto(g.PassoCavalletti2) + " dir.2", 0, 0, 0,
          uscita);
}

void TabellaZone(const Modello& m, float X, float Y, float k, int faccia, int uscita) {
    auto regola = [&](float y) { DisLinea(X, y, X + 220 * k, y, 9, 0, uscita); };
    Testo(X + 10 * k, Y - 25 * k, "Pos.", 0, 0, 0, uscita);
    Testo(X + 63 * k, Y - 25 * k, "Dir.", 0, 0, 0, uscita);
    Testo(X + 115 * k, Y - 25 * k, "Diam./Passo", 0, 0, 0, uscita);
    regola(Y - 5 * k);
    regola(Y - 25 * k);

    const ZoneArmatura& za = m.Zone;
    const int ultima = std::min(za.UltimaZona, static_cast<int>(za.Zone.size()) - 1);
    int r = 0;
    for (int i = 0; i <= ultima; ++i) {
        const Zona& z = za.Zone[static_cast<size_t>(i)];
        if (z.Tipo != faccia) continue;
        const float y = Y - k * static_cast<float>(20 * r + 45);
        Testo(X + 25 * k, y, Ridotto(i + 1), 0, 1, 0, uscita);
        Testo(X + 71 * k, y, Str(z.Direzione + 1), 0, 1, 0, uscita);
        Testo(X + 115 * k, y, SegnoDiametro + Str(z.Diametro) + " /" + FormatNumVar(z.Passo, 1), 0, 0, 0, uscita);
        regola(Y - k * static_cast<float>(20 * r + 25));
        ++r;
    }
    const float fondo = Y - k * static_cast<float>(20 * r + 25);
    regola(fondo);
    for (float x : {0.0f, 50.0f, 100.0f, 220.0f}) DisLinea(X + x * k, Y - 5 * k, X + x * k, fondo, 9, 0, uscita);
}

void NoteTaglio(float X, float Y, float k, int uscita) {
    static constexpr struct {
        float dy;
        const char* t;
    } Righe[] = {
        {25, "Armatura per punzonamento (misure in mm):"},
        {50, nullptr},
        {70, "N - numero complessivo di listelli"},
        {90, "D - diametro dei pioli con testa a martello"},
        {110, "L - lunghezza dei pioli"},
        {130, "n - numero dei pioli per listello"},
        {150, "d1 - distanza del primo piolo dal bordo pilastro"},
        {170, "d2 - distanza tra i successivi pioli per num. di pioli rimanenti"},
    };
    for (const auto& r : Righe) {
        const std::string t = r.t ? r.t : std::string("N x ") + SegnoDiametro + "D - L / n (d1+d2)";
        Testo(X, Y - r.dy * k, t, 0, 0, 0, uscita);
    }
}

}  // namespace

void DisTitoloVista(const Modello& m, float X, float Y, int Pianta, int uscita) {
    const float k = Vista.Scala50Corrente != 0 ? 1.0f : 2.0f;
    const std::string suffisso = m.Progetto.MagliaUnica == 0 ? " lato inferiore" : "";
    switch (Pianta) {
        case 0:
            Testo(X, Y + 24 * k, "Soletta " + Str(m.Progetto.NumeroSoletta), 2, 0, 0, uscita);
            Testo(X, Y, "Armatura diffusa lato superiore", 1, 0, 0, uscita);
            LegendaDiffusa(m, X, Y, k, true, uscita);
            LegendaCavalletti(m, X, Y, k, uscita);
            break;
        case 1:
            Testo(X, Y, "Armatura diffusa" + suffisso, 1, 0, 0, uscita);
            LegendaDiffusa(m, X, Y, k, false, uscita);
            break;
        case 2:
        case 3:
            Testo(X, Y, Pianta == 2 ? std::string("Armatura integrativa lato superiore") : "Armatura integrativa" + suffisso,
                  1, 0, 0, uscita);
            if (m.Zone.UltimaZona >= 0) TabellaZone(m, X, Y, k, Pianta - 2, uscita);
            break;
        case 4:
            Testo(X, Y, "Armatura a taglio", 1, 0, 0, uscita);
            NoteTaglio(X, Y, k, uscita);
            break;
        default:
            break;
    }
}

}  // namespace vilmor
