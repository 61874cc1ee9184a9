// The diffuse-mesh design dialog "Progetto amatura diffusa": the design criteria in its panel,
// "Progetta" and "Annulla". Every criterion is stored the moment its edit is accepted, whichever
// button closes the dialog. The window only shows it; every value and button is here.
#pragma once

#include <cstdint>
#include <string>

#include "base/Piattaforma.h"

namespace vilmor {

inline constexpr int32_t IdProgDiamMaxSup = 1, IdProgDiamMinSup = 2, IdProgDiamMaxInf = 3, IdProgDiamMinInf = 4;
inline constexpr int32_t IdProgPassoMaxSup = 5, IdProgPassoMinSup = 6, IdProgPassoMaxInf = 7, IdProgPassoMinInf = 8;
inline constexpr int32_t IdProgVariando = 9, IdProgCopertura = 10, IdProgIncrPasso = 11, IdProgIncrDiam = 12;

class DialogoProgettoDiffusa {
public:
    // `griglia` is the dialog's own panel; the dialog installs its handlers there while it lives.
    explicit DialogoProgettoDiffusa(PannelloProprieta& griglia);
    ~DialogoProgettoDiffusa();
    DialogoProgettoDiffusa(const DialogoProgettoDiffusa&) = delete;
    DialogoProgettoDiffusa& operator=(const DialogoProgettoDiffusa&) = delete;

    static constexpr const char* Titolo = "Progetto amatura diffusa";
    static constexpr const char* Nota =
        "Nota: in caso di modifica della maglia di base, per una perfetta corrispondenza tra gli esecutivi e la "
        "realazione di calcolo, è necessario aggiornare i criteri di progetto.";

    // Opening: the base-mesh warning, then the panel.
    void Apri();
    // "Progetta" can be pressed only with a slab loaded.
    bool ProgettaAbilitato() const;
    void Panne();

    std::string DopoModifica(int32_t id, const std::string& testo);
    void ValoreCambiato(int32_t id, int valore);

    // "Progetta": one undo snapshot, then the design with the criteria. "Annulla" (also the close
    // box and Escape) designs nothing; the criteria edited stay. Both close.
    void Progetta();
    void Annulla() {}

private:
    std::string ValoreAttuale(int32_t id) const;
    PannelloProprieta& griglia_;
};

}  // namespace vilmor
