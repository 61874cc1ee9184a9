#include "drawing/PoligonoEdit.h"

#include <cmath>
#include <string>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

// Whole pixels, halves to even.
int Px(float v) { return static_cast<int>(std::nearbyint(v)); }

long long CmIntero(float v) { return static_cast<long long>(std::nearbyint(v)); }

struct Pixel {
    int X, Y;
};

Pixel Posizione(const Punto& p) { return {Px(XSchermo(p.X)), Px(YSchermo(p.Y))}; }

}  // namespace

const Punto& VerticeEdit(int i) {
    const StatoEditSez& e = EditSez;
    return e.PoolVertici[static_cast<size_t>(e.OrdineVertici[static_cast<size_t>(i)])];
}

bool ContornoEditCoerente() {
    const StatoEditSez& e = EditSez;
    if (e.UbOrdineVertici < 0 || static_cast<size_t>(e.UbOrdineVertici) >= e.OrdineVertici.size()) return false;
    for (int i = 0; i <= e.UbOrdineVertici; ++i) {
        const int k = e.OrdineVertici[static_cast<size_t>(i)];
        if (k < 0 || static_cast<size_t>(k) >= e.PoolVertici.size()) return false;
    }
    return true;
}

GrigliaVista GrigliaInVista() {
    GrigliaVista g;
    g.PassoX = Imp.PassoGrigliaX > 0 ? Imp.PassoGrigliaX : 1;
    g.PassoY = Imp.PassoGrigliaY > 0 ? Imp.PassoGrigliaY : 1;
    const auto& f = Vista.FinestraVista;
    g.X0 = CmIntero(f[2]) / g.PassoX * g.PassoX;
    g.X1 = CmIntero(f[3]) / g.PassoX * g.PassoX;
    g.Y0 = CmIntero(f[0]) / g.PassoY * g.PassoY;
    g.Y1 = CmIntero(f[1]) / g.PassoY * g.PassoY;
    return g;
}

void DisegnaGriglia() {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const GrigliaVista g = GrigliaInVista();
    // Dots closer than 4 pixels make a grey smear and would take millions of lines.
    if (!(g.PassoX * Vista.Scala >= 4) || !(g.PassoY * Vista.Scala >= 4)) return;
    const int32_t grigio = ColorePalette(8);
    for (long long gx = g.X0; gx <= g.X1; gx += g.PassoX)
        for (long long gy = g.Y0; gy <= g.Y1; gy += g.PassoY) {
            const int x = Px(XSchermo(static_cast<float>(gx))), y = Px(YSchermo(static_cast<float>(gy)));
            v->Linea(static_cast<float>(x), static_cast<float>(y), static_cast<float>(x + 1), static_cast<float>(y),
                     grigio, false);
        }
}

void DisegnaPoligEdit(const Modello&) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const StatoEditSez& e = EditSez;
    if (e.GrigliaAttiva != 0) DisegnaGriglia();
    if (!ContornoEditCoerente()) return;
    const int ub = e.UbOrdineVertici;
    const int32_t giallo = ColorePalette(14), rosso = ColorePalette(12), grigio = ColorePalette(7);
    for (int i = 0; i <= ub; ++i) {
        const Pixel p = Posizione(VerticeEdit(i));
        const int32_t c = i == e.VerticeSelez ? giallo : rosso;
        v->ColorePrimoPiano(c);
        v->RettangoloPienoRgb(p.X - 2, p.Y - 2, p.X + 2, p.Y + 2, c);
        v->TestoRuotato(p.X, p.Y, 24, 10, 0, Str(i + 1));
        const Pixel q = Posizione(VerticeEdit(i < ub ? i + 1 : 0));
        v->Linea(static_cast<float>(p.X), static_cast<float>(p.Y), static_cast<float>(q.X), static_cast<float>(q.Y),
                 grigio, true);
    }

    // The point typed in the editor, and its lines to the selected vertex's neighbours.
    EditorContorno* ed = Piatt.FrmPolig;
    const float tx = ValNumero(ed ? ed->Coordinata(0) : std::string()), ty = ValNumero(ed ? ed->Coordinata(1) : std::string());
    const Pixel t = Posizione({tx, ty});
    v->RettangoloPienoRgb(t.X - 2, t.Y - 2, t.X + 2, t.Y + 2, giallo);
    const int sel = e.VerticeSelez;
    if (sel < 0 || sel > ub) return;
    const Pixel s = Posizione(VerticeEdit(sel));
    if (t.X == s.X || t.Y == s.Y) return;
    for (const int k : {sel < ub ? sel + 1 : 0, sel > 0 ? sel - 1 : ub}) {
        const Pixel q = Posizione(VerticeEdit(k));
        v->Linea(static_cast<float>(t.X), static_cast<float>(t.Y), static_cast<float>(q.X), static_cast<float>(q.Y),
                 giallo, true);
    }
}

}  // namespace vilmor
