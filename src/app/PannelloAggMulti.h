// The dialog "Inserimento multiplo armature aggiuntive": the bar data of the zones laid around
// every column or pile of a window, per direction, and the face. Every opening starts from the
// defaults (the face excepted). The window only shows it; every value and button is here.
#pragma once

#include <cstdint>
#include <string>

#include "base/Piattaforma.h"

namespace vilmor {

inline constexpr int32_t IdMultiDir1 = 200, IdMultiDir2 = 201, IdMultiLato = 203;
inline constexpr int32_t IdMultiDiam1 = 2, IdMultiNum1 = 3, IdMultiPasso1 = 4, IdMultiLung1 = 5;
inline constexpr int32_t IdMultiDiam2 = 12, IdMultiNum2 = 13, IdMultiPasso2 = 14, IdMultiLung2 = 15;

class PannelloAggMulti {
public:
    // `griglia` is the dialog's own panel; the handlers are installed there while this lives.
    explicit PannelloAggMulti(PannelloProprieta& griglia);
    ~PannelloAggMulti();
    PannelloAggMulti(const PannelloAggMulti&) = delete;
    PannelloAggMulti& operator=(const PannelloAggMulti&) = delete;

    static constexpr const char* Titolo = "Inserimento multiplo armature aggiuntive";

    // Opening: the outcome cleared, the defaults, the panel.
    void Apri();
    void PanelAggMu();
    std::string DopoModifica(int32_t id, const std::string& testo);
    void ValoreCambiato(int32_t id, int valore);
    // "Ok" with no direction on counts as a cancel. Bars not longer than their two anchorages
    // are refused with a message, the dialog kept and VoceRifiutata their length's item: false.
    // "Annulla" (also Escape and the close box).
    bool Ok();
    int32_t VoceRifiutata = -1;
    void Annulla();

private:
    std::string ValoreAttuale(int32_t id) const;
    PannelloProprieta& griglia_;
};

}  // namespace vilmor
