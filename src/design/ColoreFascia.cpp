#include "design/ColoreFascia.h"

#include <array>

#include "base/Piattaforma.h"

namespace vilmor {

int32_t ColoreFascia(int indice) {
    static constexpr std::array<std::array<int, 3>, 12> tabella{{{0, 0, 200},
                                                                 {0, 0, 200},
                                                                 {0, 40, 255},
                                                                 {0, 160, 255},
                                                                 {0, 255, 170},
                                                                 {0, 255, 0},
                                                                 {255, 255, 0},
                                                                 {255, 210, 0},
                                                                 {255, 120, 0},
                                                                 {255, 0, 0},
                                                                 {200, 0, 0},
                                                                 {200, 0, 0}}};
    if (indice < -1 || indice > 10) return 0;
    const auto& c = tabella[static_cast<size_t>(indice + 1)];
    return Rgb(c[0], c[1], c[2]);
}

}  // namespace vilmor
