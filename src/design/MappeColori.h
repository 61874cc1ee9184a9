// The band computation of the colour maps of the node results over the analysis mesh: the
// steel required, missing and in excess per layer and for shear, in ten bands between eleven
// levels of a range. What a map's type shows, its range and levels, and every mesh element cut
// into the pieces that lie in one band; the drawing of the pieces is the drawers'.
#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

enum class GenereMappa { Richiesta, Punzonamento, Carenza, Eccedenza };

// What a map type shows: title, layer, and the active direction and face it sets.
struct VoceMappa {
    const char* Titolo;
    int Strato;
    int Direzione;
    int Lato;
};

// The map of type `tipo` (0 .. 14); nullptr for any other.
const VoceMappa* VoceMappaDi(int tipo);
GenereMappa GenereMappaDi(int tipo);

// The default range of an excess map of layer `strato`: the smallest and largest excess over
// the nodes, both at least 0 (0, 0 without nodes).
void LimitiEccedenza(const Modello& m, int strato, float& inferiore, float& superiore);

// Where v lies on a scale that runs from b at 0 to a at n; n + 1, beyond the scale, when a = b.
float IndiceFascia(float a, float b, float v, float n);
// The value at k on a scale that runs from a at 0 to b at n.
float ValoreLivello(double a, double b, float n, float k);

// Band of a stud area on the range inferiore .. superiore: 9 at the lower end, 0 at the upper,
// outside 0 .. 9 beyond the range; 9 when the range is 0.0001 or narrower.
int FasciaPunzonamento(float area, float inferiore, float superiore);

// The eleven levels of the range L .. U, times 100, into entries 0 .. 10 of `livelli`.
void CalcolaLivelli(float L, float U, std::array<double, 21>& livelli);

// A corner of a map triangle: its plan position and the map's value there.
struct VerticeMappa {
    double X, Y;
    float V;
};

// The pieces the band clipper cut from one triangle: piece p lies in band Fascia[p] and has
// NumVertici[p] vertices, vertex v at X[p + 20 v], Y[p + 20 v] (plan centimetres).
struct PezziFascia {
    int32_t Num = 0;
    std::array<int32_t, 21> Fascia{}, NumVertici{};
    std::array<double, 100> X{}, Y{};
};

// Where the cutting of a map puts what it cuts, element by element in index order.
class UscitaFasce {
public:
    virtual ~UscitaFasce() = default;
    // The pieces of one triangle; `intero` when the triangle was banded whole, not first cut to
    // the range.
    virtual void Pezzi(const PezziFascia& p, bool intero) = 0;
    // A triangle before it is cut, whose values are kept from `minimo` to `massimo` (both in),
    // banded by `livelli`: true when the output takes it as it is and bands it itself; false,
    // and it comes in pieces.
    virtual bool Triangolo(const VerticeMappa& /*a*/, const VerticeMappa& /*b*/, const VerticeMappa& /*c*/,
                           const std::array<double, 21>& /*livelli*/, float /*minimo*/, float /*massimo*/) {
        return false;
    }
    // Around the four triangles of a quadrilateral about its centre: triangle k runs from
    // corner k to corner k + 1 and the centre.
    virtual void Ventaglio(const std::array<VerticeMappa, 4>& /*angoli*/, const VerticeMappa& /*centro*/) {}
    virtual void FineVentaglio() {}
    // A triangle whole, in the colour of band 0 (the flat map).
    virtual void Intero(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c) = 0;
    // After the last element: what is held back goes out.
    virtual void Fine() {}
};

// One map's cutting: its kind, layer and range, and the raw value of every node (the
// requirement for the requirement maps, the balance for the others).
class FasceMappa {
public:
    FasceMappa(const Modello& m, GenereMappa genere, int strato);

    int Nodi() const { return nodi_; }
    float Grezzo(int i) const { return grezzi_[static_cast<size_t>(i)]; }
    // The range of the missing steel over the nodes: both ends at least 0; 0 .. 0 without nodes.
    void LimitiCarenza(float& L, float& U) const;
    // The range the requirement and excess maps are cut to.
    void Campo(float L, float U) {
        L_ = L;
        U_ = U;
    }

    // Every element in index order: whole in band 0 when `piatto`, otherwise cut to the range
    // and along `livelli` (the eleven levels times 100).
    void Maglia(bool piatto, const std::array<double, 21>& livelli, UscitaFasce& uscita);

private:
    // The map's value of a raw value: the missing steel keeps what is positive, the excess
    // turns what is negative into its size.
    float Valore(float v) const;
    void Elemento(const vilmor::Elemento& e, bool piatto);
    void Triangolo(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c);
    void Fasce(const VerticeMappa& a, const VerticeMappa& b, const VerticeMappa& c, bool intero);

    const Modello& m_;
    GenereMappa genere_;
    int strato_;
    float L_ = 0, U_ = 0;
    int nodi_ = 0;
    std::vector<float> grezzi_;
    // The pass under way.
    const std::array<double, 21>* livelli_ = nullptr;
    UscitaFasce* uscita_ = nullptr;
    std::array<double, 3> X_{}, Y_{}, Z_{};
    PezziFascia pezzi_;
};

}  // namespace vilmor
