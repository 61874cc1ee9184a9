// The few services the engine needs from the windows. The Qt program implements them;
// headless tools and tests install their own.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Punto.h"

namespace vilmor {

// ---- Message boxes ----
enum class IconaMsg { Nessuna, Critica, Domanda, Esclamazione, Informazione };
enum class PulsantiMsg { Ok, OkAnnulla, SiNo, SiNoAnnulla };
enum class RispostaMsg { Ok, Annulla, Si, No };

class Messaggi {
public:
    virtual ~Messaggi() = default;
    virtual RispostaMsg Mostra(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                               const std::string& titolo) = 0;
    // The same with the button that Enter presses named by the caller: a question whose usual
    // first button would discard work offers the safe one. By default the box's own.
    virtual RispostaMsg MostraConPredefinito(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                                             const std::string& titolo, RispostaMsg predefinita) {
        (void)predefinita;
        return Mostra(testo, icona, pulsanti, titolo);
    }
};

// The usual warning of the program: exclamation icon, title "Attenzione!".
RispostaMsg Avviso(const std::string& testo);
RispostaMsg MostraMessaggio(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                            const std::string& titolo);
RispostaMsg MostraMessaggio(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                            const std::string& titolo, RispostaMsg predefinita);

// A triangle of a colour map in pixels (base/TriangoloPixel.h).
struct TriangoloFasce;

// ---- The plan picture `Ctrl_Vid` ----
// Pixel coordinates: x right, y down from the top-left corner. Colours are RGB
// (red + 256 green + 65536 blue); palette colours 0..15 by `ColorePalette`.
class SuperficieVideo {
public:
    virtual ~SuperficieVideo() = default;
    // With persistent drawing on, clears the whole picture; off, only the transient drawing.
    virtual void Pulisci() = 0;
    virtual void PuntatoreAttesa(bool attesa) = 0;
    virtual void ColoreTesto(int32_t rgb) = 0;
    virtual void ColoreSfondo(int32_t rgb) = 0;
    virtual void ColorePrimoPiano(int32_t rgb) = 0;
    virtual int32_t PrimoPiano() const = 0;
    virtual void DisegnoPersistente(bool attivo) = 0;
    virtual int Larghezza() const = 0;
    virtual int Altezza() const = 0;
    // Line and filled rectangle in a colour of the 16-colour palette.
    virtual void LineaPalette(int x1, int y1, int x2, int y2, int colore) = 0;
    virtual void RettangoloPieno(int x1, int y1, int x2, int y2, int colore) = 0;
    // Drawing in RGB with a solid or dotted pen.
    virtual void Linea(float x1, float y1, float x2, float y2, int32_t rgb, bool punteggiata) = 0;
    virtual void Cerchio(float x, float y, float raggio, int32_t rgb, bool punteggiata) = 0;
    // Filled in one colour edge to edge, without an outline: polygons that share their edges
    // tile the picture without gap or overlap.
    virtual void PoligonoPieno(const std::vector<Punto>& pixel, int32_t rgb) = 0;
    // Many polygons in one colour at once, as PoligonoPieno on each in turn: polygon k has the
    // next `vertici[k]` points of `pixel`.
    virtual void PoligoniPieni(const std::vector<Punto>& pixel, const std::vector<int>& vertici, int32_t rgb) {
        std::vector<Punto> uno;
        size_t i = 0;
        for (int n : vertici) {
            const auto da = pixel.begin() + static_cast<std::ptrdiff_t>(i);
            uno.assign(da, da + n);
            PoligonoPieno(uno, rgb);
            i += static_cast<size_t>(n);
        }
    }
    // One triangle of a colour map painted pixel by pixel in its bands, band k in colori[k]
    // (base/TriangoloPixel.h), its pixels those PoligonoPieno fills for it; the foreground
    // stays. False when the picture cannot: then nothing is painted, and the map comes as
    // polygons.
    virtual bool DipingiFasce(const TriangoloFasce& t, const std::array<int32_t, 12>& colori) {
        (void)t, (void)colori;
        return false;
    }
    // Pen width in pixels of the lines, outlines and circles that follow.
    virtual void SpessorePenna(int pixel) = 0;
    // Rectangle between two corner pixels, both included (+-3 about a point is 7 x 7 pixels).
    virtual void Rettangolo(int x1, int y1, int x2, int y2, int32_t rgb) = 0;
    virtual void RettangoloPienoRgb(int x1, int y1, int x2, int y2, int32_t rgb) = 0;
    // Filled in one colour, outlined in another.
    virtual void CerchioPieno(float x, float y, float raggio, int32_t riempimento, int32_t bordo) = 0;
    virtual void PoligonoBordato(const std::vector<Punto>& pixel, int32_t riempimento, int32_t bordo) = 0;
    // One line of text at a pixel position, font "Arial" of the given height and width,
    // turned by the angle (degrees), in the picture's current foreground colour.
    virtual void TestoRuotato(int x, int y, int altezza, int larghezza, int angolo,
                              const std::string& testo) = 0;
    // The width in pixels of that text as `TestoRuotato` writes it, before the turn; by default
    // every character as wide as the width asked.
    virtual float LarghezzaTesto(int altezza, int larghezza, const std::string& testo) const {
        (void)altezza;
        return LarghezzaTestoStimata(larghezza, testo);
    }
    static float LarghezzaTestoStimata(int larghezza, const std::string& testo) {
        size_t n = 0;
        for (unsigned char c : testo)
            if ((c & 0xC0) != 0x80) ++n;
        return static_cast<float>(n) * static_cast<float>(larghezza);
    }
    // Dotted exclusive-or rectangle on the transient drawing between two corner pixels:
    // drawing it again at the same place erases it.
    virtual void RettangoloFocus(int /*x1*/, int /*y1*/, int /*x2*/, int /*y2*/) {}
};

int32_t ColorePalette(int n);
// Clears the transient drawing of the plan picture (rubber bands, previews, hover marks) and
// shows the lasting image again; nothing without a picture.
void PulisciTransitorio();
inline int32_t Rgb(int r, int g, int b) { return r + 256 * g + 65536 * b; }

// ---- The legend panel `Picture2` ----
// The small picture beside the plan that explains what the plan shows. Coordinates in twips
// from its top-left corner, y down; colours RGB. Texts are written in the panel's font with
// their top-left corner at the point, in the text colour.
class PannelloLegenda {
public:
    virtual ~PannelloLegenda() = default;
    // What is drawn while it is on stays as the panel's picture through repaints.
    virtual void DisegnoPersistente(bool attivo) = 0;
    virtual void Pulisci() = 0;
    virtual void ColoreTesto(int32_t rgb) = 0;
    // 0 solid, 1 transparent.
    virtual void StileRiempimento(int stile) = 0;
    virtual void SpessoreLinea(int pixel) = 0;
    virtual void Testo(float x, float y, const std::string& testo) = 0;
    virtual void Linea(float x1, float y1, float x2, float y2, int32_t rgb) = 0;
    virtual void Rettangolo(float x1, float y1, float x2, float y2, int32_t rgb) = 0;
    virtual void RettangoloPieno(float x1, float y1, float x2, float y2, int32_t rgb) = 0;
};

// ---- Property panel ----
class PannelloProprieta {
public:
    virtual ~PannelloProprieta() = default;
    virtual void Pulisci() = 0;
    // Returns the category's handle for the items that follow.
    virtual int AggiungiCategoria(const std::string& titolo) = 0;
    virtual void Espandi(int categoria) = 0;
    virtual void AggiungiVoce(int categoria, const std::string& titolo, const std::string& valore,
                              int32_t id) = 0;
    virtual void ImpostaValore(int32_t id, const std::string& valore) = 0;
    // A check box item, ticked or clear.
    virtual void AggiungiCasella(int categoria, const std::string& titolo, bool spuntata, int32_t id) = 0;
    // A list item: its choices (caption, data value) and the data value shown.
    struct Scelta {
        std::string Titolo;
        int Dato = 0;
    };
    virtual void AggiungiLista(int categoria, const std::string& titolo, const std::vector<Scelta>& scelte,
                               int valore, int32_t id) = 0;
    // The caption column's share of the panel's width (0.6 or 0.7).
    virtual void PosizioneDivisore(double quota) = 0;
    // The caption of the item of that id ("" when there is none).
    virtual std::string TitoloVoce(int32_t id) const = 0;
    // The item of that id selected, the keyboard on it, so that the user can type it again.
    virtual void SelezionaVoce(int32_t id) = 0;
    // Called with the item's id and the edited text; it may rebuild the panel. Its answer is
    // the text the item keeps (the old one to refuse the edit).
    std::function<std::string(int32_t id, const std::string& testo)> DopoModifica;
    // Called once per tick of a check box (1 ticked, 0 clear) or choice of a list (its data
    // value); it may rebuild the panel.
    std::function<void(int32_t id, int valore)> ValoreCambiato;
};

// ---- File dialogs ----
struct RichiestaFile {
    std::string Cartella;
    std::string Titolo;
    std::string Filtro;       // "description|pattern"
    std::string NomeIniziale;
    std::string Estensione;   // default extension
};

class DialoghiFile {
public:
    virtual ~DialoghiFile() = default;
    // No value when the user cancelled.
    virtual std::optional<std::string> Apri(const RichiestaFile& r) = 0;
    virtual std::optional<std::string> Salva(const RichiestaFile& r) = 0;
    // The colour dialog opened on `iniziale` (RGB): the colour chosen, none when cancelled.
    virtual std::optional<int32_t> ScegliColore(int32_t iniziale) {
        (void)iniziale;
        return std::nullopt;
    }
};

// ---- The outline vertex editor, as the plan and its clicks reach it ----
class EditorContorno {
public:
    virtual ~EditorContorno() = default;
    // The text of coordinate box i (0 X, 1 Y).
    virtual std::string Coordinata(int i) const = 0;
    // Box i shows `testo` in the colour `rgb`.
    virtual void ImpostaCoordinata(int i, const std::string& testo, int32_t rgb) = 0;
    // Selects line i of the vertex list, which runs the list's click.
    virtual void SelezionaVertice(int i) = 0;
};

// ---- Main-window hooks ----
class FinestraPrincipale {
public:
    virtual ~FinestraPrincipale() = default;
    virtual void ImpostaTitolo(const std::string& titolo) = 0;
    virtual void SelezionaLato(int indice) = 0;            // 0 "Lato +", 1 "Lato -", 2 "Taglio"
    virtual void MostraLati(bool visibili) = 0;
    virtual void MostraMagliaUnica(bool visibile) = 0;     // "Armatura a maglia unica centrale"
    virtual void MostraFrame1(bool visibile) = 0;          // the range box of the colour maps
    virtual void ImpostaPrompt(const std::string& testo) = 0;  // the prompt line `Label1`
    // Closes the main window: its exit sequence runs and may keep it open.
    virtual void Chiudi() = 0;
    // Shows the about box modally.
    virtual void MostraInformazioni() = 0;
    // The quantities report window "Computo", modal.
    virtual void MostraComputo() = 0;
    // The zone dialogs, shown modally (app/DialogoAggiuntiva.h, app/DialogoCordoli.h).
    virtual void MostraFrmAggiuntiva() = 0;
    virtual void MostraFrmCordoli() = 0;
    // Direction choice: 0 "Direzione 1", 1 "Direzione 2".
    virtual void SelezionaDirezione(int indice) { (void)indice; }
    // Puts a whole RTF document of the builders into the information panel `RichTextBox1`.
    virtual void MostraInfoRtf(const std::string& rtf) { (void)rtf; }
    // Shows the DXF export dialog modally.
    virtual void MostraEsportazioneDxf() {}
    // The diffuse-mesh design dialog, modal (app/DialogoProgettoDiffusa.h).
    virtual void MostraFrmProg() {}
    // The settings dialog, modal (app/DialogoImpostazioni.h).
    virtual void MostraForm2() {}
    // The outline editor: opened, or brought to the top when open; closed as its "Annulla".
    virtual void MostraFrmPolig() {}
    virtual void ChiudiFrmPolig() {}
    // The dimension visibility dialog, modal, for `Quotatura.QuotaSelezionata`.
    virtual void MostraFrmPropQuote() {}
    // The direction options, disabled while the shear side is chosen.
    virtual void AbilitaDirezioni(bool abilitate) { (void)abilitate; }
    // The range boxes of the colour maps: 0 "Max.", 1 "Min.".
    virtual std::string TestoRange(int indice) const {
        (void)indice;
        return {};
    }
    virtual void ImpostaTestoRange(int indice, const std::string& testo) { (void)indice, (void)testo; }
};

// The section server of the steel profiles (model/ServerSezioni.h); when none is installed
// the program's own table answers.
class ServerSezioni;

// The multiple-insertion dialog of the zones around columns and piles (app/ZonePilastri.h).
class DialogoAggMulti;

// The output of the drawing primitives (base/Primitive.h).
class SinkDisegno;

// The installed implementations; null until the program or a test installs one.
// A missing message box writes "[title] text" to stderr and gives the safe answer: No to a
// Yes/No question, Cancel where there is one.
// The process-wide state of the layers above is listed in model/definizioni.h.
struct Piattaforma {
    Messaggi* Msg = nullptr;
    SuperficieVideo* Ctrl_Vid = nullptr;
    PannelloProprieta* PropertyGrid1 = nullptr;
    DialoghiFile* Dialoghi = nullptr;
    FinestraPrincipale* Finestra = nullptr;
    ServerSezioni* Sezioni = nullptr;
    DialogoAggMulti* FrmAggMulti = nullptr;
    SinkDisegno* SinkVideo = nullptr;  // output selector 0
    SinkDisegno* SinkDxf = nullptr;    // any selector but 0 and -1
    // Pauses of the save sequence; tests and tools switch them off.
    bool PauseAttive = true;
    // Test seam: when set and it returns true the write fails as if the disk had refused it.
    std::function<bool(const std::string& percorso)> GuastoScritturaProva;
    // Test seam: when set and it returns an errno, creating a file beside `percorso` fails
    // with it (a read-only or busy place that tests running as root cannot make).
    std::function<int(const std::string& percorso)> ErroreCreazioneProva;
    PannelloLegenda* Picture2 = nullptr;
    EditorContorno* FrmPolig = nullptr;  // while the outline editor exists
};
inline Piattaforma Piatt;

}  // namespace vilmor
