// The DXF export dialog "Disegno DXF": a folder of its own and its slab files, the list of slabs
// to export, the 24 layer rows (name, ACI colour, draw switch), the R12 switch, the drawing scale
// and the CAD print ratio, and its buttons. The window only shows the controls; every value and
// button is here. The open project, its data folder and its undo are never touched: the export
// and the report load the other listed slabs into models of their own and take the open
// project's slab from memory.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace vilmor {

inline constexpr int RigheDxf = 24;

struct ControlliDxf {
    std::string Cartella;                  // the dialog's folder (folder tree)
    std::vector<std::string> FileCartella;  // its slab files, whole names (file list)
    std::vector<std::string> Elenco;        // the export list
    std::array<std::string, RigheDxf> Nomi{};
    std::array<int32_t, RigheDxf> AciRighe{};  // the rows' colours until `Leggi`
    std::array<int, RigheDxf> Disegna{};
    int RigaEvidenziata = -1;  // the name box highlighted while its picker is up
    bool R12 = false;
    bool Scala50 = true;  // "1:50", else "1:100"
    std::string TestoMm, TestoUnita;
};

// The folder the dialog opens on: the open slab's, else the analysis program's drawings folder,
// else the current folder.
std::string CartellaAperturaDxf();

class DialogoDxf {
public:
    static constexpr const char* Titolo = "Disegno DXF";

    // The window shows `Controlli` again after the engine changed them, and hands the user's
    // edits over before the engine reads them.
    std::function<void()> MostraControlli;
    std::function<void()> LeggiControlli;
    // The colour picker, modal, on `EsportaDxf.ColoreACIScelto`.
    std::function<void()> SelettoreColore;
    // The report window, modal, on the listed slabs of a folder.
    std::function<void(const std::string& cartella)> MostraComputo;
    ControlliDxf Controlli;

    // Opening: the folder, the rows from the settings, the R12 switch.
    void Apri();
    // A folder chosen in the tree. One that cannot be read: "Errore di unità", the previous
    // folder stays; false.
    bool CambiaCartella(const std::string& cartella);

    // "Aggiungi  >>" and the double click: the selected files (indexes of the file list), in
    // list order, without two equal entries.
    void Aggiungi(const std::vector<int>& selezionati);
    // "Rimuovi <<": the entry at `selezionato` (-1: none).
    void Rimuovi(int selezionato);
    void AggiungiTutti();
    void RimuoviTutti();

    // A swatch: the picker on the row's colour while its name box is highlighted.
    void Label5_Click(int riga);

    void AggiornaFormDXF();
    // The rows and boxes into the settings. Layer names unfit for the file are refused with
    // the export's message and change nothing: false.
    bool Leggi();

    bool GeneraDxf();           // "Genera File &DXF": true when the file was written
    void SalvaImpostazioni();   // "Salva impostazioni"
    void ImpostazioniDefault(); // "Impostazioni di default"
    void VisualizzaComputo();   // "Visualizza computo"
    void Guida();               // "?"

private:
    void Riprendi() {
        if (LeggiControlli) LeggiControlli();
    }
    void Mostra() {
        if (MostraControlli) MostraControlli();
    }
};

}  // namespace vilmor
