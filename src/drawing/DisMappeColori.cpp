#include "drawing/DisMappeColori.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdint>
#include <utility>
#include <vector>

#include "base/Piattaforma.h"
#include "base/TriangoloPixel.h"
#include "design/AccessoriNodi.h"
#include "design/ColoreFascia.h"
#include "design/MappeColori.h"
#include "design/TagliaFasce.h"
#include "drawing/LegendeMappa.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

// Satisfied, within the tolerance or not verified, from the node's balance and requirement.
int32_t ColoreNodo(float b, float r) {
    if (b < 0.009f) return Rgb(88, 88, 88);
    const bool tollerato = Imp.ModoTolleranza == 0
                               ? Imp.TolleranzaPerc > 0 && b - Imp.TolleranzaPerc * r / 100 <= 0
                               : Imp.TolleranzaFissa > 0 && b - Imp.TolleranzaFissa <= 0;
    return tollerato ? ColorePalette(7) : ColorePalette(12);
}

// The pieces of a map on the plan picture, in pixels rounded half to even.
//
// Where the four triangles of a quadrilateral about its centre come whole and in one band, as
// most do, the quadrilateral is filled once: in pixels, when the corners turn about the centre
// all the same way, the triangles tile it, and a fill paints the same pixels as the four.
//
// The pieces are painted band by band: each goes to its colour's batch, and a batch is filled
// at once, with one brush. Pieces that tile the plan paint the same pixels in any order; one
// that the rounding to pixels folds or bends may overlap its neighbours, so it is painted on its
// own, in its turn, after every piece before it (where such a fold makes two of its neighbours
// overlap, the few pixels they share may take either's colour). One whose corners the rounding
// lines up paints nothing.
//
// A picture that bands triangles itself, pixel by pixel, gets each triangle whole instead, and
// none of the above applies: it paints just the pixels a fill of the triangle paints, so the
// triangles tile the plan as the pieces do; the lines between bands may lie a pixel off.
class Pittura : public UscitaFasce {
    using TriangoloPiano = std::array<std::pair<double, double>, 3>;  // plan centimetres

public:
    Pittura() : video_(Piatt.Ctrl_Vid) {
        for (size_t k = 0; k < colori_.size(); ++k) colori_[k] = ColoreFascia(static_cast<int>(k) - 1);
        PuntiPoligono.reserve(MaxVerticiFascia);
        // How a clockwise turn of the plan turns in pixels.
        const double ax = XSchermo(0), ay = YSchermo(0), bx = XSchermo(0), by = YSchermo(1000), cx = XSchermo(1000),
                     cy = YSchermo(0);
        const double croce = (bx - ax) * (cy - by) - (by - ay) * (cx - bx);
        orario_ = croce > 0 ? 1 : croce < 0 ? -1 : 0;
    }

    // A triangle whole, banded pixel by pixel by the picture where it can: the bands of triangles
    // of a few pixels are not worth cutting. Corners far off or without a number, and anything
    // the clipper would refuse, come in pieces as always.
    bool Triangolo(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c,
                   const std::array<double, 21>& livelli, float minimo, float massimo) override {
        if (!video_ || !pixelInFasce_) return false;
        if (&livelli != livelli_) {
            livelli_ = &livelli;
            livelliBuoni_ = true;
            for (size_t k = 0; k < static_cast<size_t>(NumLivelliMappa); ++k)
                livelliBuoni_ = livelliBuoni_ && std::isfinite(livelli[k]) && (k == 0 || livelli[k - 1] <= livelli[k]);
        }
        if (!livelliBuoni_) return false;
        const double doppia = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
        if (doppia == 0 || !std::isfinite(doppia)) return false;
        TriangoloFasce& t = triangolo_;
        size_t k = 0;
        for (const VerticeMappa* v : {&a, &b, &c}) {
            const Punto q = Pixel(v->X, v->Y);
            constexpr float limite = LimiteTriangoloPixel;
            if (!(std::fabs(q.X) <= limite && std::fabs(q.Y) <= limite)) return false;
            t.X[k] = static_cast<int>(q.X);
            t.Y[k] = static_cast<int>(q.Y);
            t.Valori[k] = static_cast<double>(v->V) * 100;
            if (!std::isfinite(t.Valori[k])) return false;
            ++k;
        }
        t.Livelli = livelli.data();
        t.Minimo = static_cast<double>(minimo) * 100;
        t.Massimo = static_cast<double>(massimo) * 100;
        if (!video_->DipingiFasce(t, colori_)) {
            pixelInFasce_ = false;
            return false;
        }
        veloce_ = true;
        // Its highest band painted is its last piece's.
        const double alto = std::min(std::max({t.Valori[0], t.Valori[1], t.Valori[2]}), t.Massimo);
        ultimo_ = colori_[static_cast<size_t>(std::upper_bound(t.Livelli, t.Livelli + NumLivelliMappa, alto) - t.Livelli)];
        return true;
    }

    void Pezzi(const PezziFascia& p, bool intero) override {
        if (ventaglio_) {
            if (intero && p.Num == 1 && p.NumVertici[0] == 3 && (inAttesa_ == 0 || p.Fascia[0] == fasciaAttesa_)) {
                fasciaAttesa_ = p.Fascia[0];
                TriangoloPiano& t = attesa_[static_cast<size_t>(inAttesa_++)];
                for (size_t v = 0; v < 3; ++v) t[v] = {p.X[20 * v], p.Y[20 * v]};
                return;
            }
            Svuota();
        }
        for (size_t k = 0; k < static_cast<size_t>(p.Num); ++k) {
            Pixel(PuntiPoligono, p, k);
            Riempi(ColoreFascia(p.Fascia[k] - 1), orario_);
        }
    }

    void Intero(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) override {
        PuntiPoligono.clear();
        for (const VerticeMappa* v : {&a, &b, &c}) PuntiPoligono.push_back(Pixel(v->X, v->Y));
        const double croce = (b.X - a.X) * (c.Y - a.Y) - (b.Y - a.Y) * (c.X - a.X);
        Riempi(ColoreFascia(0), croce < 0 ? orario_ : croce > 0 ? -orario_ : 0);
    }

    void Ventaglio(const std::array<VerticeMappa, 4>& angoli, const VerticeMappa& centro) override {
        // Banded pixel by pixel, a quadrilateral costs no more in four triangles.
        if (veloce_) return;
        ventaglio_ = true;
        inAttesa_ = 0;
        for (size_t k = 0; k < 4; ++k) angoli_[k] = Pixel(angoli[k].X, angoli[k].Y);
        centro_ = Pixel(centro.X, centro.Y);
        double area = 0;
        for (size_t k = 0; k < 4; ++k) {
            const VerticeMappa &a = angoli[k], &b = angoli[(k + 1) % 4];
            area += a.X * b.Y - b.X * a.Y;
        }
        versoAngoli_ = area < 0 ? orario_ : area > 0 ? -orario_ : 0;
    }

    void FineVentaglio() override {
        if (ventaglio_ && inAttesa_ == 4 && Tassellato()) {
            ventaglio_ = false;
            PuntiPoligono.assign(angoli_.begin(), angoli_.end());
            Riempi(ColoreFascia(fasciaAttesa_ - 1), versoAngoli_, true);
            return;
        }
        Svuota();
    }

    void Fine() override {
        for (Lotto& l : lotti_) Dipingi(l);
        // The picture's foreground ends as the last piece's colour, as if painted in order.
        if (ultimo_ != -1) Colore(ultimo_);
    }

private:
    // The pieces of one colour waiting to be filled.
    struct Lotto {
        int32_t Colore = -1;
        std::vector<Punto> Punti;
        std::vector<int> Vertici;
    };
    // Filled at once when so many points wait.
    static constexpr size_t PuntiLotto = 1 << 15;
    // Pixels farther than this are left to the picture's own handling, piece by piece.
    static constexpr float LimitePixel = 1 << 22;

    // To the nearest whole pixel, halves to even, as std::nearbyint: below 2^22 by the sum
    // that drops the fraction, inline.
    static float Tondo(float v) {
        if (!(std::fabs(v) < 0x1p22f)) return std::nearbyint(v);
        constexpr float Magico = 0x1.8p23f;
        return std::copysign((v + Magico) - Magico, v);
    }
    static Punto Pixel(double x, double y) {
        return {Tondo(XSchermo(static_cast<float>(x))), Tondo(YSchermo(static_cast<float>(y)))};
    }
    // Piece k of p in pixels.
    static void Pixel(std::vector<Punto>& pixel, const PezziFascia& p, size_t k) {
        pixel.clear();
        for (size_t v = 0; v < static_cast<size_t>(p.NumVertici[k]); ++v)
            pixel.push_back(Pixel(p.X[k + 20 * v], p.Y[k + 20 * v]));
    }

    // The four triangles about the centre turn all the same way, none flat: they tile the
    // quadrilateral.
    bool Tassellato() const {
        int positivi = 0, negativi = 0;
        for (size_t k = 0; k < 4; ++k) {
            const Punto& a = angoli_[k];
            const Punto& b = angoli_[(k + 1) % 4];
            const double croce = (static_cast<double>(a.X) - centro_.X) * (static_cast<double>(b.Y) - centro_.Y) -
                                 (static_cast<double>(a.Y) - centro_.Y) * (static_cast<double>(b.X) - centro_.X);
            positivi += croce > 0;
            negativi += croce < 0;
        }
        return positivi == 4 || negativi == 4;
    }

    // The triangles held so far, each on its own, in their order.
    void Svuota() {
        for (size_t i = 0; i < static_cast<size_t>(inAttesa_); ++i) {
            PuntiPoligono.clear();
            for (const auto& [x, y] : attesa_[i]) PuntiPoligono.push_back(Pixel(x, y));
            Riempi(ColoreFascia(fasciaAttesa_ - 1), orario_);
        }
        inAttesa_ = 0;
        ventaglio_ = false;
    }

    // What the rounding made of the piece in PuntiPoligono, whose plan shape turns `verso` in
    // pixels: 0 its corners lie on one line, 1 it still turns that way, convex (or, for a
    // quadrilateral filled whole, as a whole), -1 anything else.
    int Forma(int verso, bool quadrilatero) const {
        const Punto* q = PuntiPoligono.data();
        const size_t n = PuntiPoligono.size();
        if (n < 3) return 0;
        for (size_t k = 0; k < n; ++k)
            // Far off or no number: as it always was, on its own.
            if (!(std::fabs(q[k].X) < LimitePixel && std::fabs(q[k].Y) < LimitePixel)) return -1;
        // Whole pixels: the products are exact.
        auto croce = [](const Punto& a, const Punto& b, const Punto& c) {
            return (static_cast<double>(b.X) - a.X) * (static_cast<double>(c.Y) - b.Y) -
                   (static_cast<double>(b.Y) - a.Y) * (static_cast<double>(c.X) - b.X);
        };
        bool positivo = false, negativo = false;
        for (size_t k = 0, i = n - 2, j = n - 1; k < n; i = j, j = k++) {
            const double c = croce(q[i], q[j], q[k]);
            positivo |= c > 0;
            negativo |= c < 0;
        }
        if (!positivo && !negativo) return 0;
        if (verso == 0) return -1;
        if (quadrilatero) {
            double area = 0;
            for (size_t k = 0, j = n - 1; k < n; j = k++)
                area += static_cast<double>(q[j].X) * q[k].Y - static_cast<double>(q[k].X) * q[j].Y;
            return (area > 0 ? 1 : area < 0 ? -1 : 0) == verso ? 1 : -1;
        }
        if (positivo && negativo) return -1;
        return (positivo ? 1 : -1) == verso ? 1 : -1;
    }

    // The piece in its band's colour, which the foreground follows. The pieces of neighbouring
    // triangles share their vertices, so they tile the mesh and no mesh line shows.
    void Riempi(int32_t c, int verso, bool quadrilatero = false) {
        if (!video_) return;
        ultimo_ = c;
        const int forma = Forma(verso, quadrilatero);
        if (forma == 0) return;
        if (forma < 0) {
            for (Lotto& l : lotti_) Dipingi(l);
            Colore(c);
            video_->PoligonoPieno(PuntiPoligono, c);
            return;
        }
        Lotto* l = nullptr;
        for (Lotto& x : lotti_)
            if (x.Colore == c || x.Colore == -1) {
                l = &x;
                break;
            }
        if (!l) {
            // More colours than batches: the fullest goes first.
            l = &*std::max_element(lotti_.begin(), lotti_.end(),
                                   [](const Lotto& a, const Lotto& b) { return a.Punti.size() < b.Punti.size(); });
            Dipingi(*l);
        }
        l->Colore = c;
        l->Punti.insert(l->Punti.end(), PuntiPoligono.begin(), PuntiPoligono.end());
        l->Vertici.push_back(static_cast<int>(PuntiPoligono.size()));
        if (l->Punti.size() >= PuntiLotto) Dipingi(*l);
    }

    void Dipingi(Lotto& l) {
        if (!l.Vertici.empty()) {
            Colore(l.Colore);
            video_->PoligoniPieni(l.Punti, l.Vertici, l.Colore);
        }
        l.Punti.clear();
        l.Vertici.clear();
    }

    void Colore(int32_t c) {
        if (c != colore_) {
            video_->ColorePrimoPiano(c);
            colore_ = c;
        }
    }

    SuperficieVideo* video_;
    // Triangles banded by the picture: while it can, and once it has.
    bool pixelInFasce_ = true;
    bool veloce_ = false;
    const std::array<double, 21>* livelli_ = nullptr;
    bool livelliBuoni_ = false;
    std::array<int32_t, 12> colori_{};  // band k's colour
    TriangoloFasce triangolo_;
    std::vector<Punto> PuntiPoligono;  // picture vertices of the polygon being filled
    int32_t colore_ = -1;              // the picture's foreground, once set
    int32_t ultimo_ = -1;              // the colour of the last piece
    std::array<Lotto, 16> lotti_{};
    // How a clockwise piece of the plan turns in pixels (0 when the picture flattens the plan),
    // and how the quadrilateral under way turns.
    int orario_ = 0;
    int versoAngoli_ = 0;
    // The quadrilateral about its centre under way: its corners and centre in pixels, and its
    // triangles held while each comes whole in the same band.
    bool ventaglio_ = false;
    std::array<Punto, 4> angoli_{};
    Punto centro_{};
    int inAttesa_ = 0;
    int32_t fasciaAttesa_ = 0;
    std::array<TriangoloPiano, 4> attesa_{};
};

// Every node's marker: on the missing-steel maps its state's colour, a black dot elsewhere.
//
// Markers closer on the screen than three marker widths bury the map's bands. Where a node has
// another that close, the missing-steel maps mark it only when it falls short, and then one node
// to a square of three marker widths, the other maps not at all; the legend says so. Zoomed in
// until no two crowd, every node is marked.
void Marcatori(const Modello& m, const FasceMappa& f, GenereMappa genere, int strato) {
    SuperficieVideo* video = Piatt.Ctrl_Vid;
    if (!video) return;
    const bool carenza = genere == GenereMappa::Carenza;
    const int64_t passo = 3 * (carenza ? 4 : 2);
    const size_t n = static_cast<size_t>(f.Nodi());

    // Each node's pixel, and the nodes sorted by the square of `passo` pixels they fall in.
    // Pixels beyond any picture are held at a distance, where they crowd only each other.
    std::vector<std::array<int64_t, 2>> px(n);
    std::vector<std::pair<uint64_t, size_t>> ordine(n);  // square, node
    auto quadro = [passo](int64_t v) { return v >= 0 ? v / passo : -((-v + passo - 1) / passo); };
    auto chiave = [](int64_t cx, int64_t cy) {
        return (static_cast<uint64_t>(static_cast<uint32_t>(cx)) << 32) | static_cast<uint32_t>(cy);
    };
    for (size_t i = 0; i < n; ++i) {
        const Nodo& nodo = m.Analisi.Nodi[i];
        for (size_t k = 0; k < 2; ++k) {
            const double v = std::nearbyint(k == 0 ? XSchermo(nodo.X) : YSchermo(nodo.Y));
            px[i][k] = static_cast<int64_t>(std::isnan(v) ? 0.0 : std::clamp(v, -1e9, 1e9));
        }
        ordine[i] = {chiave(quadro(px[i][0]), quadro(px[i][1])), i};
    }
    std::sort(ordine.begin(), ordine.end());

    // A node crowds when another lies closer than `passo`: in its square or one about it.
    std::vector<bool> affollato(n);
    std::vector<size_t> quadrato(n);  // where its square begins in `ordine`
    for (size_t a = 0; a < n;) {
        size_t b = a;
        while (b < n && ordine[b].first == ordine[a].first) ++b;
        const size_t i0 = ordine[a].second;
        const int64_t cx = quadro(px[i0][0]), cy = quadro(px[i0][1]);
        std::array<std::pair<size_t, size_t>, 9> vicini{};
        size_t nv = 0;
        for (int64_t dx = -1; dx <= 1; ++dx)
            for (int64_t dy = -1; dy <= 1; ++dy) {
                const uint64_t k = chiave(cx + dx, cy + dy);
                const auto r = std::equal_range(ordine.begin(), ordine.end(), std::pair<uint64_t, size_t>{k, 0},
                                                [](const auto& x, const auto& y) { return x.first < y.first; });
                if (r.first != r.second)
                    vicini[nv++] = {static_cast<size_t>(r.first - ordine.begin()),
                                    static_cast<size_t>(r.second - ordine.begin())};
            }
        for (size_t q = a; q < b; ++q) {
            const size_t i = ordine[q].second;
            quadrato[i] = a;
            bool trovato = false;
            for (size_t v = 0; v < nv && !trovato; ++v)
                for (size_t t = vicini[v].first; t < vicini[v].second && !trovato; ++t) {
                    const size_t j = ordine[t].second;
                    const int64_t dx = px[j][0] - px[i][0], dy = px[j][1] - px[i][1];
                    trovato = j != i && dx * dx + dy * dy < passo * passo;
                }
            affollato[i] = trovato;
        }
        a = b;
    }

    bool diradati = false;
    std::vector<bool> segnato(n);  // a square that already has a marker of a crowded node
    for (size_t i = 0; i < n; ++i) {
        const int x = static_cast<int>(px[i][0]), y = static_cast<int>(px[i][1]);
        const int ii = static_cast<int>(i);
        const int32_t colore = carenza ? ColoreNodo(f.Grezzo(ii), RichiestaNodo(m, strato, ii)) : 0;
        if (affollato[i]) {
            diradati = true;
            const bool nonVerificato = colore == ColorePalette(12);
            if (!carenza || !nonVerificato || segnato[quadrato[i]]) continue;
            segnato[quadrato[i]] = true;
        }
        if (carenza)
            video->RettangoloPienoRgb(x - 1, y - 1, x + 2, y + 2, colore);
        else
            video->Rettangolo(x, y, x + 1, y + 1, 0);
    }
    if (diradati && carenza) LegendaNodiDiradati();
}

}  // namespace

void DisegnaMappaColori(Modello& m) {
    const VoceMappa* voce = VoceMappaDi(Vista.TipoMappa);
    if (!voce) return;
    const GenereMappa genere = GenereMappaDi(Vista.TipoMappa);
    if (genere == GenereMappa::Punzonamento) {
        if (DisegnaMappaPunz) DisegnaMappaPunz(m, Mappa.ScalaMin, Mappa.ScalaMax, voce->Titolo, 0);
        return;
    }

    FasceMappa f(m, genere, voce->Strato);
    float L = Mappa.ScalaMin, U = Mappa.ScalaMax;
    if (genere == GenereMappa::Carenza) f.LimitiCarenza(L, U);
    f.Campo(L, U);

    Pittura p;
    if (std::fabs(L) <= 0.009f && std::fabs(U) <= 0.009f) {
        // Nothing to tell apart: the whole mesh in the colour of band 0.
        LegendaMappa(m, U, L, voce->Titolo, voce->Direzione, voce->Lato);
        f.Maglia(true, Mappa.LivelliMappa, p);
    } else {
        CalcolaLivelli(L, U, Mappa.LivelliMappa);
        LegendaMappa(m, U, L, voce->Titolo, voce->Direzione, voce->Lato);
        // A range that falls has no bands to paint; legend and markers still show.
        if (!(U < L)) f.Maglia(false, Mappa.LivelliMappa, p);
    }
    Marcatori(m, f, genere, voce->Strato);
}

}  // namespace vilmor
