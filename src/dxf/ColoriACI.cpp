#include "dxf/ColoriACI.h"

#include <array>
#include <cmath>

namespace vilmor {

namespace {

constexpr std::array<ColoreRGB, 9> Fissi{{{255, 0, 0},
                                          {255, 255, 0},
                                          {0, 255, 0},
                                          {0, 255, 255},
                                          {0, 0, 255},
                                          {255, 0, 255},
                                          {255, 255, 255},
                                          {128, 128, 128},
                                          {192, 192, 192}}};
constexpr std::array<int16_t, 6> Grigi{0, 51, 91, 132, 173, 214};
constexpr std::array<double, 5> Valori{255, 204, 153, 127, 76};

// One channel of the hue wheel: full within 60° of its peak, nothing from 120° on.
int16_t Canale(double tinta, double picco, double v, double fondo) {
    double d = std::fabs(tinta - picco);
    if (d > 180) d = 360 - d;
    const double w = d <= 60 ? 1.0 : d >= 120 ? 0.0 : (120 - d) / 60;
    return static_cast<int16_t>(std::floor(fondo + (v - fondo) * w));
}

}  // namespace

void ColoreACI(int32_t indice, ColoreRGB& colore) {
    if (indice >= 1 && indice <= 9) {
        colore = Fissi[static_cast<size_t>(indice - 1)];
    } else if (indice >= 250 && indice <= 255) {
        const int16_t g = Grigi[static_cast<size_t>(indice - 250)];
        colore = {g, g, g};
    } else if (indice >= 10 && indice <= 249) {
        const int h = (indice - 10) / 10, d = (indice - 10) % 10;
        const double tinta = 15.0 * h;
        const double v = Valori[static_cast<size_t>(d / 2)];
        const double fondo = d % 2 == 0 ? 0.0 : v / 2;
        colore = {Canale(tinta, 0, v, fondo), Canale(tinta, 120, v, fondo), Canale(tinta, 240, v, fondo)};
    }
}

int32_t RgbACI(int32_t indice) {
    ColoreRGB c;
    ColoreACI(indice, c);
    return c.R + 256 * c.G + 65536 * c.B;
}

int32_t CellaACI(int32_t cella, int32_t& indice, int32_t& colore) {
    indice = 0;
    if (cella >= 0 && cella < 240) {
        const int blocco = cella / 120, riga = (cella % 120) / 24, colonna = cella % 24;
        const int e = blocco == 0 ? 8 - 2 * riga : 1 + 2 * riga;
        indice = 10 * (colonna + 1) + e;
    } else if (cella >= 240 && cella <= 248) {
        indice = cella - 239;
    } else if (cella >= 249 && cella <= 254) {
        indice = cella + 1;
    }
    colore = RgbACI(indice);
    return colore;
}

}  // namespace vilmor
