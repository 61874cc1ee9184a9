// Recording stand-ins for the windows: messages with scripted answers, drawn primitives as data.
#pragma once

#include <array>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "base/Primitive.h"

namespace vilmor::prova {

struct MessaggioVisto {
    std::string Testo;
    IconaMsg Icona;
    PulsantiMsg Pulsanti;
    std::string Titolo;
    std::optional<RispostaMsg> Predefinita;  // the button Enter presses, when the caller named it
};

// A question (Yes/No buttons) takes the next scripted answer; one without an answer fails the test.
class MessaggiRegistrati : public Messaggi {
public:
    std::vector<MessaggioVisto> Visti;
    std::deque<RispostaMsg> Risposte;
    RispostaMsg Mostra(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                       const std::string& titolo) override;
    RispostaMsg MostraConPredefinito(const std::string& testo, IconaMsg icona, PulsantiMsg pulsanti,
                                     const std::string& titolo, RispostaMsg predefinita) override;
};

struct ChiamataVideo {
    std::string Op;  // "Pulisci", "Linea", "TestoRuotato", ...
    std::vector<double> Num;
    std::string Testo;
};

class VideoRegistrato : public SuperficieVideo {
public:
    std::vector<ChiamataVideo> Chiamate;
    int L = 800, H = 600;
    int32_t Primo = 0;
    void Pulisci() override { Chiamate.push_back({"Pulisci", {}, {}}); }
    void PuntatoreAttesa(bool a) override { Chiamate.push_back({"PuntatoreAttesa", {double(a)}, {}}); }
    void ColoreTesto(int32_t c) override { Chiamate.push_back({"ColoreTesto", {double(c)}, {}}); }
    void ColoreSfondo(int32_t c) override { Chiamate.push_back({"ColoreSfondo", {double(c)}, {}}); }
    void ColorePrimoPiano(int32_t c) override {
        Primo = c;
        Chiamate.push_back({"ColorePrimoPiano", {double(c)}, {}});
    }
    int32_t PrimoPiano() const override { return Primo; }
    void DisegnoPersistente(bool a) override { Chiamate.push_back({"DisegnoPersistente", {double(a)}, {}}); }
    int Larghezza() const override { return L; }
    int Altezza() const override { return H; }
    void LineaPalette(int x1, int y1, int x2, int y2, int c) override {
        Chiamate.push_back({"LineaPalette", {double(x1), double(y1), double(x2), double(y2), double(c)}, {}});
    }
    void RettangoloPieno(int x1, int y1, int x2, int y2, int c) override {
        Chiamate.push_back({"RettangoloPieno", {double(x1), double(y1), double(x2), double(y2), double(c)}, {}});
    }
    void Linea(float x1, float y1, float x2, float y2, int32_t rgb, bool p) override {
        Chiamate.push_back({"Linea", {x1, y1, x2, y2, double(rgb), double(p)}, {}});
    }
    void Cerchio(float x, float y, float r, int32_t rgb, bool p) override {
        Chiamate.push_back({"Cerchio", {x, y, r, double(rgb), double(p)}, {}});
    }
    void PoligonoPieno(const std::vector<Punto>& pts, int32_t rgb) override {
        ChiamataVideo c{"PoligonoPieno", {double(rgb)}, {}};
        for (auto& p : pts) {
            c.Num.push_back(p.X);
            c.Num.push_back(p.Y);
        }
        Chiamate.push_back(c);
    }
    void TestoRuotato(int x, int y, int h, int w, int a, const std::string& t) override {
        Chiamate.push_back({"TestoRuotato", {double(x), double(y), double(h), double(w), double(a)}, t});
    }
    void SpessorePenna(int px) override { Chiamate.push_back({"SpessorePenna", {double(px)}, {}}); }
    void Rettangolo(int x1, int y1, int x2, int y2, int32_t rgb) override {
        Chiamate.push_back({"Rettangolo", {double(x1), double(y1), double(x2), double(y2), double(rgb)}, {}});
    }
    void RettangoloPienoRgb(int x1, int y1, int x2, int y2, int32_t rgb) override {
        Chiamate.push_back({"RettangoloPienoRgb", {double(x1), double(y1), double(x2), double(y2), double(rgb)}, {}});
    }
    void RettangoloFocus(int x1, int y1, int x2, int y2) override {
        Chiamate.push_back({"RettangoloFocus", {double(x1), double(y1), double(x2), double(y2)}, {}});
    }
    void CerchioPieno(float x, float y, float r, int32_t pieno, int32_t bordo) override {
        Chiamate.push_back({"CerchioPieno", {x, y, r, double(pieno), double(bordo)}, {}});
    }
    void PoligonoBordato(const std::vector<Punto>& pts, int32_t pieno, int32_t bordo) override {
        ChiamataVideo c{"PoligonoBordato", {double(pieno), double(bordo)}, {}};
        for (auto& p : pts) {
            c.Num.push_back(p.X);
            c.Num.push_back(p.Y);
        }
        Chiamate.push_back(c);
    }
    // The calls named op, in order.
    std::vector<ChiamataVideo> Di(const std::string& op) const {
        std::vector<ChiamataVideo> r;
        for (const auto& c : Chiamate)
            if (c.Op == op) r.push_back(c);
        return r;
    }
};

// The legend panel: every call in order, coordinates in twips.
class LegendaRegistrata : public PannelloLegenda {
public:
    std::vector<ChiamataVideo> Chiamate;
    void DisegnoPersistente(bool a) override { Chiamate.push_back({"DisegnoPersistente", {double(a)}, {}}); }
    void Pulisci() override { Chiamate.push_back({"Pulisci", {}, {}}); }
    void ColoreTesto(int32_t c) override { Chiamate.push_back({"ColoreTesto", {double(c)}, {}}); }
    void StileRiempimento(int s) override { Chiamate.push_back({"StileRiempimento", {double(s)}, {}}); }
    void SpessoreLinea(int px) override { Chiamate.push_back({"SpessoreLinea", {double(px)}, {}}); }
    void Testo(float x, float y, const std::string& t) override { Chiamate.push_back({"Testo", {x, y}, t}); }
    void Linea(float x1, float y1, float x2, float y2, int32_t c) override {
        Chiamate.push_back({"Linea", {x1, y1, x2, y2, double(c)}, {}});
    }
    void Rettangolo(float x1, float y1, float x2, float y2, int32_t c) override {
        Chiamate.push_back({"Rettangolo", {x1, y1, x2, y2, double(c)}, {}});
    }
    void RettangoloPieno(float x1, float y1, float x2, float y2, int32_t c) override {
        Chiamate.push_back({"RettangoloPieno", {x1, y1, x2, y2, double(c)}, {}});
    }
    std::vector<ChiamataVideo> Di(const std::string& op) const {
        std::vector<ChiamataVideo> r;
        for (const auto& c : Chiamate)
            if (c.Op == op) r.push_back(c);
        return r;
    }
};

struct Entita {
    std::string Tipo;  // "Linea", "Cerchio", "Testo"
    std::vector<double> Num;
    std::string Testo;
};

class SinkRegistrato : public SinkDisegno {
public:
    std::vector<Entita> Entita_;
    void Linea(float X1, float Y1, float X2, float Y2, int layer, int stile) override {
        Entita_.push_back({"Linea", {X1, Y1, X2, Y2, double(layer), double(stile)}, {}});
    }
    void Cerchio(float X, float Y, float r, int layer, int stile) override {
        Entita_.push_back({"Cerchio", {X, Y, r, double(layer), double(stile)}, {}});
    }
    void Testo(float X, float Y, const std::string& t, int tipo, int layer, int oriz, int vert,
               float angolo) override {
        Entita_.push_back({"Testo", {X, Y, double(tipo), double(layer), double(oriz), double(vert), angolo}, t});
    }
    void Quota(const EntitaQuota& q) override {
        Entita_.push_back({"Quota",
                           {double(q.LayerQuota), double(q.LayerTesto), double(q.Decimali), q.AltezzaTesto, q.Fattore,
                            double(q.Tipo), q.X1, q.Y1, q.X2, q.Y2, q.XP1, q.YP1, q.XP2, q.YP2, q.FattoreCoordinate,
                            double(q.Divisore)},
                           q.Stile});
    }
};

enum class GenereVoce { Testo, Casella, Lista };

// A check box's value is "1" ticked or "0" clear; a list's the data value shown.
struct VoceVista {
    int Categoria;
    std::string Titolo, Valore;
    int32_t Id;
    GenereVoce Genere = GenereVoce::Testo;
    std::vector<PannelloProprieta::Scelta> Scelte = {};
};

class PannelloRegistrato : public PannelloProprieta {
public:
    std::vector<std::string> Categorie;
    std::vector<VoceVista> Voci;
    std::vector<int> Espanse;
    void Pulisci() override {
        Categorie.clear();
        Voci.clear();
        Espanse.clear();
    }
    int AggiungiCategoria(const std::string& t) override {
        Categorie.push_back(t);
        return static_cast<int>(Categorie.size()) - 1;
    }
    void Espandi(int c) override { Espanse.push_back(c); }
    void AggiungiVoce(int c, const std::string& t, const std::string& v, int32_t id) override {
        Voci.push_back({c, t, v, id});
    }
    void ImpostaValore(int32_t id, const std::string& v) override {
        for (auto& x : Voci)
            if (x.Id == id) x.Valore = v;
    }
    void AggiungiCasella(int c, const std::string& t, bool spuntata, int32_t id) override {
        Voci.push_back({c, t, spuntata ? "1" : "0", id, GenereVoce::Casella});
    }
    void AggiungiLista(int c, const std::string& t, const std::vector<Scelta>& scelte, int valore,
                       int32_t id) override {
        Voci.push_back({c, t, std::to_string(valore), id, GenereVoce::Lista, scelte});
    }
    double Divisore = 0;
    void PosizioneDivisore(double quota) override { Divisore = quota; }
    std::string TitoloVoce(int32_t id) const override {
        const VoceVista* v = Voce(id);
        return v ? v->Titolo : std::string();
    }
    // The items selected for the user to type again, in order.
    std::vector<int32_t> Selezionate;
    void SelezionaVoce(int32_t id) override { Selezionate.push_back(id); }

    // The item of that id, or null.
    const VoceVista* Voce(int32_t id) const {
        for (const auto& x : Voci)
            if (x.Id == id) return &x;
        return nullptr;
    }
    std::vector<std::string> Titoli() const {
        std::vector<std::string> t;
        for (const auto& x : Voci) t.push_back(x.Titolo);
        return t;
    }
    // A finished edit as the panel hands it on: the handler's answer is what the item keeps.
    // The text the item shows afterwards ("<nessuna>" when the item is gone).
    std::string Modifica(int32_t id, const std::string& testo) {
        if (DopoModifica) ImpostaValore(id, DopoModifica(id, testo));
        const VoceVista* v = Voce(id);
        return v ? v->Valore : "<nessuna>";
    }
    // A tick or a choice: the item shows the new value, then the handler hears of it.
    void Cambia(int32_t id, int valore) {
        for (auto& x : Voci)
            if (x.Id == id) x.Valore = std::to_string(valore);
        if (ValoreCambiato) ValoreCambiato(id, valore);
    }
};

// A cancel (no scripted name) returns no path.
class DialoghiRegistrati : public DialoghiFile {
public:
    std::vector<RichiestaFile> Richieste;
    std::deque<std::optional<std::string>> Scelte;
    std::optional<std::string> Apri(const RichiestaFile& r) override { return Prossima(r); }
    std::optional<std::string> Salva(const RichiestaFile& r) override { return Prossima(r); }
    // The colour dialog: the initial colours it was opened on, the answers it gives in turn.
    std::vector<int32_t> ColoriIniziali;
    std::deque<std::optional<int32_t>> ColoriScelti;
    std::optional<int32_t> ScegliColore(int32_t iniziale) override {
        ColoriIniziali.push_back(iniziale);
        if (ColoriScelti.empty()) return std::nullopt;
        auto c = ColoriScelti.front();
        ColoriScelti.pop_front();
        return c;
    }

private:
    std::optional<std::string> Prossima(const RichiestaFile& r) {
        Richieste.push_back(r);
        if (Scelte.empty()) return std::nullopt;
        auto s = Scelte.front();
        Scelte.pop_front();
        return s;
    }
};

class FinestraRegistrata : public FinestraPrincipale {
public:
    std::string Titolo;
    int Lato = -1;
    bool LatiVisibili = true;
    bool MagliaUnicaVisibile = false;
    bool Frame1Visibile = false;
    // Every hook called, by name, in order.
    std::vector<std::string> Chiamate;
    void ImpostaTitolo(const std::string& t) override {
        Titolo = t;
        Chiamate.push_back("ImpostaTitolo");
    }
    void SelezionaLato(int i) override {
        Lato = i;
        Chiamate.push_back("SelezionaLato");
    }
    void MostraLati(bool v) override {
        LatiVisibili = v;
        Chiamate.push_back("MostraLati");
    }
    void MostraMagliaUnica(bool v) override {
        MagliaUnicaVisibile = v;
        Chiamate.push_back("MostraMagliaUnica");
    }
    void MostraFrame1(bool v) override {
        Frame1Visibile = v;
        Chiamate.push_back("MostraFrame1");
    }
    void MostraComputo() override { Chiamate.push_back("MostraComputo"); }
    std::string Prompt;
    int Chiusure = 0, Informazioni = 0;
    void ImpostaPrompt(const std::string& t) override { Prompt = t; }
    void Chiudi() override { ++Chiusure; }
    void MostraInformazioni() override { ++Informazioni; }
    // Each dialog shown runs its script, if any, as the user would act on it.
    int AperteAggiuntiva = 0, AperteCordoli = 0;
    std::function<void()> CopioneAggiuntiva, CopioneCordoli;
    void MostraFrmAggiuntiva() override {
        ++AperteAggiuntiva;
        Chiamate.push_back("MostraFrmAggiuntiva");
        if (CopioneAggiuntiva) CopioneAggiuntiva();
    }
    void MostraFrmCordoli() override {
        ++AperteCordoli;
        Chiamate.push_back("MostraFrmCordoli");
        if (CopioneCordoli) CopioneCordoli();
    }
    int Direzione = -1;
    void SelezionaDirezione(int i) override { Direzione = i; }
    std::string InfoRtf;
    void MostraInfoRtf(const std::string& rtf) override { InfoRtf = rtf; }
    // What the export dialog does while it is up; counted.
    int EsportazioniDxf = 0;
    std::function<void()> EsportazioneDxf;
    void MostraEsportazioneDxf() override {
        ++EsportazioniDxf;
        if (EsportazioneDxf) EsportazioneDxf();
    }
    int ApertePropQuote = 0;
    std::function<void()> CopionePropQuote;
    void MostraFrmPropQuote() override {
        ++ApertePropQuote;
        if (CopionePropQuote) CopionePropQuote();
    }
    int AperteForm2 = 0;
    std::function<void()> CopioneForm2;
    void MostraForm2() override {
        ++AperteForm2;
        if (CopioneForm2) CopioneForm2();
    }
    int AperteProg = 0;
    std::function<void()> CopioneProg;
    void MostraFrmProg() override {
        ++AperteProg;
        if (CopioneProg) CopioneProg();
    }
    bool DirezioniAbilitate = true;
    void AbilitaDirezioni(bool a) override { DirezioniAbilitate = a; }
    std::array<std::string, 2> Range{"0", "0"};  // "Max.", "Min."
    std::string TestoRange(int i) const override { return Range.at(static_cast<size_t>(i)); }
    void ImpostaTestoRange(int i, const std::string& t) override { Range.at(static_cast<size_t>(i)) = t; }
};

// Installs every recording stand-in for the life of a test and restores the previous ones.
// The outline editor's boxes and list as the plan reaches them.
class EditorRegistrato : public EditorContorno {
public:
    std::array<std::string, 2> Testi{};
    std::array<int32_t, 2> Colori{};
    std::vector<int> Selezionati;
    std::string Coordinata(int i) const override { return Testi[static_cast<size_t>(i)]; }
    void ImpostaCoordinata(int i, const std::string& t, int32_t rgb) override {
        Testi[static_cast<size_t>(i)] = t;
        Colori[static_cast<size_t>(i)] = rgb;
    }
    void SelezionaVertice(int i) override { Selezionati.push_back(i); }
};

class PiattaformaProva {
public:
    EditorRegistrato Polig;
    MessaggiRegistrati Msg;
    VideoRegistrato Video;
    PannelloRegistrato Pannello;
    DialoghiRegistrati Dialoghi;
    FinestraRegistrata Finestra;
    LegendaRegistrata Legenda;
    SinkRegistrato SinkVideo, SinkDxf;
    PiattaformaProva();
    ~PiattaformaProva();

private:
    Piattaforma vecchia_;
};

// A fresh temporary folder, removed with its contents at the end of the test.
class CartellaTemp {
public:
    CartellaTemp();
    ~CartellaTemp();
    const std::string& Percorso() const { return p_; }
    std::string operator/(const std::string& nome) const { return p_ + "/" + nome; }

private:
    std::string p_;
};

std::string LeggiTutto(const std::string& percorso);
void ScriviTutto(const std::string& percorso, const std::string& byte);

// Removes the undo snapshots earlier tests of this process left in its snapshot folder, for a
// test that looks at which snapshots exist.
void SvuotaCartellaUndo();

}  // namespace vilmor::prova
