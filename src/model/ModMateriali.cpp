#include "model/ModMateriali.h"

#include <cmath>

#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

struct RigaAcciaio {
    const char* Nome;
    double TensAmmissibile;
    int32_t AderenzaMigliorata;
    double Fyk, Ftk, Allungamento;
};

constexpr RigaAcciaio TabAcciai[NumAcciai] = {
    {"FeB 22k", 1200, 0, 2150, 3350, 0.24},
    {"FeB 32k", 1600, 0, 3150, 4900, 0.23},
    {"FeB 38k", 2200, -1, 3750, 4500, 0.14},
    {"FeB 44k", 2600, -1, 4300, 5400, 0.12},
    {"B450C", 2600, -1, 4500, 5400, 0.075},
};

struct RigaCls {
    const char* Nome;
    const char* ClassiEsposizione;
    double Rck, FckNominale;
};

constexpr RigaCls TabCls[NumCls] = {
    {"C8/10", "Getti non armati", 100, 80},
    {"C12/15", "X0", 150, 120},
    {"C16/20", "X0", 200, 160},
    {"C20/25", "X0", 250, 200},
    {"C25/30", "XC2, XF3", 300, 250},
    {"C28/35", "XC3, XD1, XF4, XA1", 350, 280},
    {"C30/37", "XC3, XD1, XF4, XA1", 370, 300},
    {"C32/40", "XC4, XD2, XF1, XS1, XA2", 400, 320},
    {"C35/45", "XD3, XS2, XS3, XA3", 450, 350},
    {"C40/50", "XD3, XS2, XS3, XA3", 500, 400},
    {"C45/55", "XD3, XS2, XS3, XA3", 550, 450},
};

// n decimals, an exact half to the even neighbour.
double Arrotonda(double x, int n) {
    const double f = std::pow(10.0, n);
    return std::nearbyint(x * f) / f;
}

}  // namespace

void SettaAcciaio(int Indice) {
    Acciaio& a = Mat.AcciaioCorrente;
    if (Indice >= 0 && Indice < NumAcciai) {
        const RigaAcciaio& r = TabAcciai[Indice];
        a.Nome = r.Nome;
        a.TensAmmissibile = r.TensAmmissibile;
        a.AderenzaMigliorata = r.AderenzaMigliorata;
        a.Fyk = r.Fyk;
        a.Ftk = r.Ftk;
        a.Allungamento = r.Allungamento;
    }
    a.E = 2060000;
    a.G = 793100;
    a.Poisson = 0.3;
    a.Dilatazione = 1.2e-05;
    a.Densita = 7850;
}

void SettaCls(int Indice) {
    Calcestruzzo& c = Mat.ClsCorrente;
    if (Indice >= 0 && Indice < NumCls) {
        const RigaCls& r = TabCls[Indice];
        c.Nome = r.Nome;
        c.ClassiEsposizione = r.ClassiEsposizione;
        c.Rck = r.Rck;
        c.FckNominale = r.FckNominale;
    }
    c.Fck = Arrotonda(0.83 * c.Rck, 0);
    c.Poisson = 0.12;
    c.Poisson2 = 0.12;
    c.Dilatazione = 5e-05;
    c.Densita = 2500;
    // The exponent is the program's constant, not an exact two thirds.
    c.Fctm = Arrotonda(3.0 * std::pow(c.Fck / 10, 0.66667), 1);
    c.Ecm = Arrotonda(22000 * std::pow((c.Fck / 10 + 8) / 10, 0.3), 0) * 10;
    c.EcmCalcolo = c.Ecm;
    c.G = Arrotonda(c.Ecm / 2.24, 0);
}

void ElencoAcciai() {
    Mat.NomiAcciai.fill({});
    for (int i = 0; i < NumAcciai; ++i) {
        SettaAcciaio(i);
        Mat.NomiAcciai[i] = Mat.AcciaioCorrente.Nome;
    }
}

void ElencoCls() {
    Mat.NomiCls.fill({});
    for (int i = 0; i < NumCls; ++i) {
        SettaCls(i);
        Mat.NomiCls[i] = Mat.ClsCorrente.Nome;
    }
}

}  // namespace vilmor
