// The settings dialog "Impostazioni": the settings in its panel, in force as soon as an edit is
// accepted, and beside it the layer table, background, toolbar icons and map tolerance, applied
// by "&Ok" and "Salva impostazioni". The window only shows the controls; every value and button
// is here.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "base/Piattaforma.h"
#include "model/Impostazioni.h"

namespace vilmor {

inline constexpr int32_t IdImpAncMin = 1, IdImpAncMax = 2, IdImpDiamCav = 4, IdImpPassoCav1 = 5, IdImpPassoCav2 = 6;
inline constexpr int32_t IdImpDiamStaffe = 7, IdImpLargStaffa = 8, IdImpPassoStaffe = 9, IdImpDiamPioli = 10;
inline constexpr int32_t IdImpPassoPioli = 11, IdImpPassoBasePioli = 12, IdImpDiamInt = 13, IdImpPassoInt = 14;
inline constexpr int32_t IdImpDiamReggi = 15, IdImpLungMax = 20, IdImpCopriferro = 25, IdImpDescrizione = 35;
inline constexpr int32_t IdImpGrigliaX = 90, IdImpGrigliaY = 91, IdImpPiega = 95;

inline constexpr int RigheLayer = 24;
inline constexpr int RigheOsnap = 9;

// The controls beside the panel. An option group with no button selected is -1.
struct ControlliImpostazioni {
    std::array<std::string, RigheLayer> Nomi{};
    std::array<int32_t, RigheLayer> Colori{};  // the working copy of the swatches
    std::array<int, RigheLayer> Visibili{};
    std::array<int, RigheOsnap> Osnap{};
    int Sfondo = -1;      // "Nero", "Bianco"
    int Tolleranza = -1;  // "In percentuale", "Fissa (cmq/m)"
    int Icone = -1;       // "Icone 16x16", "Icone 24x24"
    std::string TestoPerc, TestoFissa;
};

class DialogoImpostazioni {
public:
    explicit DialogoImpostazioni(PannelloProprieta& griglia);
    ~DialogoImpostazioni();
    DialogoImpostazioni(const DialogoImpostazioni&) = delete;
    DialogoImpostazioni& operator=(const DialogoImpostazioni&) = delete;

    static constexpr const char* Titolo = "Impostazioni";

    // The window shows `Controlli` again after the engine changed them, and hands the user's
    // changes over before the engine reads them.
    std::function<void()> MostraControlli;
    std::function<void()> LeggiControlli;
    ControlliImpostazioni Controlli;

    void Apri();
    void PannelloSetting();
    void AggiornaForm2();
    void LeggiF();

    std::string DopoModifica(int32_t id, const std::string& testo);
    void ValoreCambiato(int32_t id, int valore);
    // A swatch: the colour dialog on the row's working colour.
    void Label8_Click(int riga);
    // A click on an icon option (already selected in `Controlli`).
    void Option2_Click();

    void Ok();
    // "&Annulla", also the close box and Escape.
    void Annulla();
    void SalvaImpostazioni();
    void ResetImpostazioni();
    void ColoriDefault();

private:
    std::string ValoreAttuale(int32_t id) const;

    PannelloProprieta& griglia_;
    Impostazioni aperto_;         // the settings as the dialog found them
    int diamIntegrativaAperto_ = 0;  // the one snapshot setting kept with the project
    int piegaAperta_ = 0;            // the project's bend flag, changed only by "&Ok"
    bool iconeCliccate_ = false;
};

}  // namespace vilmor
