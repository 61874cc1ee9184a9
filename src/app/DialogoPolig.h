// The outline editor "Modifica perimetro": the vertex list of the outline under edit, the
// selected vertex's coordinates, deleting, inserting and moving vertices, the grid and object
// snap switches, and applying the edited outline to the slab in one undo step. The window only
// shows the controls; every value and button is here. It is also what the plan's clicks reach
// while it is open.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "base/Piattaforma.h"

namespace vilmor {

struct ControlliPolig {
    std::vector<std::string> Righe;  // `List1`
    int RigaSelezionata = -1;
    std::array<std::string, 2> Testi{};  // X, Y
    std::array<int32_t, 2> Colori{};     // black for the vertex's own values, light red for a proposal
    std::string Vertice;                 // `Label2`(2)
    bool Griglia = false, Osnap = false;
};

class DialogoPolig : public EditorContorno {
public:
    static constexpr const char* Titolo = "Modifica perimetro";

    // The window shows `Controlli` again after the engine changed them, and hands the user's
    // edits (the boxes, the toggles) over before the engine reads them; it keeps `Testi` in
    // step with the boxes as they are typed in, since the plan reads them at every redraw.
    // `Chiudi` closes it.
    std::function<void()> MostraControlli;
    std::function<void()> LeggiControlli;
    std::function<void()> Chiudi;
    ControlliPolig Controlli;

    // Load: the outline under edit from `Contorno`, vertex 1 selected, mode 0.
    void Apri();
    void AggiornaNodi();
    // A line of the list selected (-1: none).
    void List1_Click(int riga);
    // 0 "Grid", 1 "Osnap".
    void Check1_Click(int indice);
    // 0 "Elimina vertice", 1 "Inserisci vertice", 2 "Assegna coordinate al vertice",
    // 3 "Assegna perimetro", 4 "Annulla".
    void Command1_Click(int indice);
    // Unload (also the close box): the mode ends, the plan is redrawn.
    void Scarica();

    std::string Coordinata(int i) const override;
    void ImpostaCoordinata(int i, const std::string& testo, int32_t rgb) override;
    void SelezionaVertice(int i) override;

private:
    void Mostra() {
        if (MostraControlli) MostraControlli();
    }
    void Riprendi() {
        if (LeggiControlli) LeggiControlli();
    }
    void Elimina();
    void Inserisci();
    void AssegnaCoordinate();
    void AssegnaPerimetro();
    void Esci();
};

// The ring as the slab must hold it: an empty text when it is fit (a counter-clockwise ring is
// turned clockwise in place, vertex 0 kept), else the message that refuses it. Coincident
// consecutive vertices are merged for the test only.
std::string ControllaPerimetro(std::vector<Punto>& anello);

}  // namespace vilmor
