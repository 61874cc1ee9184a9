// The curb dialog "Cordolo perimetrale": the stirrups, bars, cover and width of a curb laid along
// one side of the slab outline or of an opening, with the strip built along that side and its
// shear check. The window only shows it; every value and button is here.
//
// It works on `Edit.ZonaCorrente` (kind 2, its side `LatoCordolo` of `PoligonoCordolo`) stored at
// `ZonaSelezionata`. Only "Ok" touches the zones: it stores the curb with its strip and renews
// every node's residuals. The dialog leaves `ErroreOperazione` and `ZonaConfermata` alone.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Piattaforma.h"
#include "model/definizioni.h"

namespace vilmor {

inline constexpr int32_t IdCordDiametro = 1, IdCordPasso = 2, IdCordBracci = 3, IdCordCopriferro = 4;
inline constexpr int32_t IdCordDiametro2 = 5, IdCordLarghezza = 6;

// The strip of the curb of e.ZonaCorrente along its side: the search quadrilateral (5 cm outside
// the side to cover plus width inside it, 5 cm beyond both ends) into `Angoli` with its box, the
// strip S, S', E', E, S into ContornoZonaCorr (UltVertZonaCorr 4), its direction into `Angolo`,
// and into RichiestaMaxSel the largest shear residual of the nodes inside the quadrilateral
// (never below 0). False, with nothing changed, when the side does not exist.
bool CalcParalle(const Modello& m, EditZone& e);
bool CalcParalle();

class DialogoCordoli {
public:
    // `griglia` is the dialog's own panel; the dialog installs its handlers there while it lives.
    DialogoCordoli(PannelloProprieta& griglia, Modello& m);
    explicit DialogoCordoli(PannelloProprieta& griglia);
    ~DialogoCordoli();
    DialogoCordoli(const DialogoCordoli&) = delete;
    DialogoCordoli& operator=(const DialogoCordoli&) = delete;

    // The information box `RichTextBox1`: receives each new RTF document.
    std::function<void(const std::string& rtf)> MostraInfo;
    static constexpr const char* Titolo = "Cordolo perimetrale";

    // Opening: the panel, the strip, the information.
    void Apri();
    void PanelCord();
    void infoST();
    const std::string& TestoInfo() const { return info_; }

    std::string DopoModifica(int32_t id, const std::string& testo);
    void ValoreCambiato(int32_t id, int valore);

    // "Ok" stores the curb and closes; a store refused (the message says why) changes nothing and
    // keeps the dialog as the user left it: false. "Annulla" (also the close box and Escape)
    // stores nothing and closes.
    bool Ok();
    void Annulla() {}

private:
    std::string ValoreAttuale(int32_t id) const;

    PannelloProprieta& griglia_;
    Modello& m_;
    std::string info_;
};

// Shows the dialog through the main window; nothing happens without one.
void ApriFrmCordoli();

}  // namespace vilmor
