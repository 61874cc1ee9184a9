// The integrative zone dialog: the data of one zone of bars (upper or lower face) or of shear
// studs, confirmed or changed before the caller stores it, with the balance of the nodes inside
// its selection. The window only shows it; every value, check and button is here.
//
// It works on `Edit.ZonaCorrente`, whose corners, kind and bar direction the caller has set,
// with `ZonaSelezionata`, `Vista.ModoComando` and the requirements `RichiestaMaxSel` and
// `RichiestaMediaSel`. Afterwards `ErroreOperazione` 0 means "Ok" was accepted, and the zone may
// be stored only when `Edit.ZonaConfermata` is -1; a cancel, the close box or "Modifica
// perimetro" leave `ErroreOperazione` -1 and the zone unconfirmed. A bar strip's width is kept
// rounded to whole spacings as it is entered, and "Ok" stores exactly the centre, length and
// width shown.
#pragma once

#include <cstdint>
#include <functional>
#include <string>

#include "base/Piattaforma.h"
#include "design/ContornoZona.h"
#include "design/FigureZona.h"
#include "model/definizioni.h"

namespace vilmor {

// Item ids of the panel.
inline constexpr int32_t IdAggDiametro = 1, IdAggPasso = 2, IdAggPasso2 = 3;
inline constexpr int32_t IdAggXCentro = 10, IdAggYCentro = 11, IdAggLunghezza = 12, IdAggLarghezza = 13;
inline constexpr int32_t IdAggEntrambiLati = 14;

inline constexpr char MsgLarghezzaMinorePasso[] =
    "La larghezza del tratto di armatura integrativa è minore del passo!";
inline constexpr char PromptModificaPerimetro[] =
    "Trascina i vertici o trasla la selezione, poi premi il pulsante destro del mouse o Enter per "
    "concludere la modifica.";

// Why "Ok" refused the zone the values give (no outline on the slab).
std::string MsgZonaDialogo(EsitoContorno esito);

// A bar length typed that does not pass both anchorages of `ancoraggio` cm.
std::string MsgLunghezzaAncoraggi(const std::string& campo, int ancoraggio);

class DialogoAggiuntiva {
public:
    // `griglia` is the dialog's own panel; the dialog installs its handlers there while it lives.
    DialogoAggiuntiva(PannelloProprieta& griglia, Modello& m);
    explicit DialogoAggiuntiva(PannelloProprieta& griglia);
    ~DialogoAggiuntiva();
    DialogoAggiuntiva(const DialogoAggiuntiva&) = delete;
    DialogoAggiuntiva& operator=(const DialogoAggiuntiva&) = delete;

    // The information box `RichTextBox1`: receives each new RTF document.
    std::function<void(const std::string& rtf)> MostraInfo;

    // Opening: caption, flags, the working values of a face zone, the panel and the information.
    void Apri();
    const std::string& Titolo() const { return titolo_; }
    // Studs: the shorter panel and the taller information box.
    bool DisposizionePioli() const { return Edit.ZonaCorrente.Tipo >= 2; }

    void PanelAgg();
    void infoAA();
    const std::string& TestoInfo() const { return info_; }

    // The panel's handlers: the text the item keeps, and a tick of its check box.
    std::string DopoModifica(int32_t id, const std::string& testo);
    void ValoreCambiato(int32_t id, int valore);

    // The buttons; each but "Ricalcola passo" closes the dialog afterwards.
    void RicalcolaPasso();     // "Ricalcola passo"
    void ModificaPerimetro();  // "Modifica perimetro"
    void Annulla();            // "Annulla", the close box and Escape
    // "Ok": true when accepted (the dialog closes). A refusal is told, changes nothing and
    // names in VoceRifiutata the item to correct (-1 when no item can mend it); the dialog
    // stays open with every value as typed.
    bool Ok();
    int32_t VoceRifiutata = -1;

    // Working values of a face zone (cm): bar length, strip width across the bars, anchorage,
    // centre; the bar count as the information box last computed it.
    float L = 0, W = 0, XC = 0, YC = 0;
    int Ancoraggio = 0;
    int NumFerri = 0;

private:
    std::string ValoreAttuale(int32_t id) const;
    void Maniglie();

    PannelloProprieta& griglia_;
    Modello& m_;
    std::string titolo_;
    std::string info_;
};

// Shows the dialog through the main window; with no window it counts as cancelled.
void ApriFrmAggiuntiva();

}  // namespace vilmor
