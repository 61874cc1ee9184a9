#include "drawing/Ridisegna.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "design/BarreDiffuse.h"
#include "design/BarreZone.h"
#include "drawing/DisGeometria.h"
#include "drawing/DisSezioni.h"
#include "drawing/DisegnoZone.h"
#include "drawing/LegendaDiffusa.h"
#include "drawing/PrimitiveDisegno.h"
#include "drawing/RettArmatura.h"
#include "drawing/SinkDxf.h"
#include "drawing/TitoloVista.h"
#include "drawing/VociDisegno.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

// The grips of the zone being edited: its four corners and its centre.
void Maniglie(const Modello& m) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const RettangoloSelezione& r = Vista.RettSelezione;
    DisRettArmatura(m, r.X1, r.Y1, r.X2, r.Y2, 14);
    const int colore = Imp.SfondoBianco == 0 ? 13 : 4;
    const Zona& z = Edit.ZonaCorrente;
    // Corners that fall off any picture (broken or far-off values) have no grips to show.
    for (const Punto& a : z.Angoli)
        if (!(std::fabs(XSchermo(a.X)) < 1e9f) || !(std::fabs(YSchermo(a.Y)) < 1e9f)) return;
    auto px = [](float x) { return static_cast<int>(XSchermo(x)); };
    auto py = [](float y) { return static_cast<int>(YSchermo(y)); };
    for (const Punto& a : z.Angoli) v->RettangoloPieno(px(a.X) - 3, py(a.Y) - 3, px(a.X) + 3, py(a.Y) + 3, colore);
    const int cx = px((z.Angoli[0].X + z.Angoli[2].X) / 2), cy = py((z.Angoli[0].Y + z.Angoli[2].Y) / 2);
    v->LineaPalette(cx, cy - 12, cx, cy + 12, 15);
    v->LineaPalette(cx - 12, cy, cx + 12, cy, 15);
    v->Rettangolo(cx - 4, cy - 4, cx + 4, cy + 4, ColorePalette(15));
    v->RettangoloPieno(cx - 3, cy - 3, cx + 3, cy + 3, colore);
}

// What a drawing of the sheet draws apart: a view with its title block, or the sections.
enum class Parte { Tutto, Vista, Titolo };

// A view of the sheet: with `parte` Vista its structure, dimensions and section traces; with
// Titolo its title block alone, moved left by `spostamento` from its place; with Tutto both.
void VistaTavola(Modello& m, float X, float Y, int Pianta, float spostamento, Parte parte, int uscita) {
    if (parte != Parte::Titolo) {
        DisGeometria(m, X, Y, Pianta, uscita);
        DisQuote(m, X, Y, Pianta, uscita);
        if (m.SezQuote.UltimaSezione > -1) DisTracceSez(m, X, Y, uscita);
    }
    if (parte == Parte::Vista) return;
    const float t = Vista.Scala50Corrente == 0 ? 1.0f : 0.0f;
    DisTitoloVista(m, X + Vista.LimitiPianta[0] - 300 * t - spostamento, Y + Vista.LimitiPianta[3], Pianta, uscita);
}

// One panel of a column of the sheet: what it draws at x = X (its parts as asked, its title
// block moved left by the spacing given), whether it has a title block.
struct Pannello {
    std::function<void(float X, float spostamento, Parte parte, int uscita)> Disegna;
    bool Titolo = true;
};

// What `disegna` draws, measured as the DXF at the pass's scale draws it with every layer on:
// plan cm, texts as wide as the DXF's font writes them, whatever the output of the pass and its
// layer switches. The screen's sheet is so laid out as its 1:50 drawing, and a layer switched
// off moves nothing else. The outputs and the settings are back as they were afterwards.
Ingombro MisuraDxfPannello(const std::function<void()>& disegna) {
    MisuraDxf misura;
    SinkDxf sink(&misura);
    struct Scambio {
        SinkDisegno* sink = Piatt.SinkDxf;
        float unita = Imp.UnitaPerCm, fattore = Imp.FattoreDxf;
        float ox = EsportaDxf.OffsetDxfX, oy = EsportaDxf.OffsetDxfY;
        std::array<int, NumLayer> visibili = Strati.VisLayerCorr;
        ~Scambio() {
            Piatt.SinkDxf = sink;
            Imp.UnitaPerCm = unita, Imp.FattoreDxf = fattore;
            EsportaDxf.OffsetDxfX = ox, EsportaDxf.OffsetDxfY = oy;
            Strati.VisLayerCorr = visibili;
        }
    } scambio;
    Piatt.SinkDxf = &sink;
    Strati.VisLayerCorr.fill(1);
    // One unit per cm at 1:100: a plan centimetre is F units.
    const float F = Vista.Scala50Corrente != 0 ? 2.0f : 1.0f;
    Imp.UnitaPerCm = 1;
    Imp.FattoreDxf = F;
    EsportaDxf.OffsetDxfX = EsportaDxf.OffsetDxfY = 0;
    disegna();
    Ingombro box;
    if (!misura.Box.Vuoto) {
        box.Aggiungi(misura.Box.XMin / F, misura.Box.YMin / F);
        box.Aggiungi(misura.Box.XMax / F, misura.Box.YMax / F);
    }
    return box;
}

bool Sovrapposti(const Ingombro& a, const Ingombro& b) {
    return !a.Vuoto && !b.Vuoto && a.YMin < b.YMax && b.YMin < a.YMax;
}

// The sheet: its columns of panels side by side, `P` apart unless what a column draws would come
// nearer than `distacco` to what the one before draws; a title block that would reach its view
// moves left, clear of it by as much.
void Tavola(Modello& m, float k, int uscita) {
    const float mx = uscita == 1 ? m.Soletta.LimitiContorno[0] : 0;
    const float P = k * 150 + Vista.LarghezzaPianta;
    const float R = -(Vista.AltezzaPianta + 150);
    const bool sezioni = m.SezQuote.UltimaSezione > -1;
    // Panels stay a plain text's height apart (20 at 1:100, 10 at 1:50).
    const float distacco = Vista.Scala50Corrente != 0 ? 10.0f : 20.0f;

    auto vista = [&m](int pianta, float Y, auto prima, auto dopo) {
        return Pannello{[&m, pianta, Y, prima, dopo](float X, float s, Parte parte, int u) {
            if (parte != Parte::Titolo) prima(X, Y, u);
            VistaTavola(m, X, Y, pianta, s, parte, u);
            if (parte != Parte::Titolo) dopo(X, Y, u);
        }};
    };
    auto niente = [](float, float, int) {};
    auto diffusa = [&m](int lato) { return [&m, lato](float X, float Y, int u) { ComputaDiffusa(m, X, Y, lato, u); }; };
    auto zone = [&m](int lato) { return [&m, lato](float X, float Y, int u) { CalcolaFerriZone(m, X, Y, lato, u); }; };
    auto sezioniA = [&m](float Y) {
        return Pannello{[&m, Y](float X, float, Parte parte, int u) {
                            if (parte != Parte::Titolo) DisSezioni(m, X, Y, u);
                        },
                        false};
    };

    std::vector<std::vector<Pannello>> colonne;
    if (m.Progetto.MagliaUnica == 0) {
        colonne.push_back({vista(0, 0, diffusa(0), niente), vista(1, R, diffusa(1), niente)});
        colonne.push_back({vista(2, 0, zone(0), niente), vista(3, R, zone(1), niente)});
        colonne.push_back({vista(4, 0, [&m](float X, float Y, int u) { DisegnaCordoli(m, X, Y, u); },
                                 [&m](float X, float Y, int u) {
                                     DisPunzonamento(m, X, Y, u);
                                     DisegnaPioli(m, X, Y, u);
                                 })});
        if (sezioni) colonne.back().push_back(sezioniA(-150));
    } else {
        colonne.push_back({vista(1, 0, diffusa(1), niente)});
        colonne.push_back({vista(3, 0, zone(1), niente)});
        if (sezioni) colonne.push_back({sezioniA(0)});
    }

    // Each panel measured where the columns P apart put it: its title block's shift, the
    // column's reach on both sides.
    std::vector<std::vector<float>> spostamenti(colonne.size());
    std::vector<Ingombro> estensioni(colonne.size());
    for (size_t c = 0; c < colonne.size(); ++c) {
        const float X = static_cast<float>(c) * P - mx;
        for (const Pannello& p : colonne[c]) {
            const Ingombro v = MisuraDxfPannello([&] { p.Disegna(X, 0, Parte::Vista, 1); });
            Ingombro t;
            if (p.Titolo) t = MisuraDxfPannello([&] { p.Disegna(X, 0, Parte::Titolo, 1); });
            const float s = Sovrapposti(t, v) ? std::max(0.0f, t.XMax + distacco - v.XMin) : 0.0f;
            spostamenti[c].push_back(s);
            Ingombro& e = estensioni[c];
            if (!v.Vuoto) e.Aggiungi(v.XMin, v.YMin), e.Aggiungi(v.XMax, v.YMax);
            if (!t.Vuoto) e.Aggiungi(t.XMin - s, t.YMin), e.Aggiungi(t.XMax - s, t.YMax);
        }
    }
    // How far each column moves right of its place, the moves of the columns before it included.
    float spinta = 0;
    for (size_t c = 0; c < colonne.size(); ++c) {
        if (c > 0 && !estensioni[c].Vuoto && !estensioni[c - 1].Vuoto)
            spinta += std::max(0.0f, estensioni[c - 1].XMax + distacco - estensioni[c].XMin);
        const float X = static_cast<float>(c) * P - mx + spinta;
        for (size_t i = 0; i < colonne[c].size(); ++i)
            colonne[c][i].Disegna(X, spostamenti[c][i], Parte::Tutto, uscita);
    }
}

// The screen shows a colour map of the nodes instead of the plan views.
bool MappaInVista() { return Vista.CodiceVista >= 2 && Vista.CodiceVista <= 13; }

}  // namespace

void DisQuote(const Modello& m, float X, float Y, int Pianta, int uscita) {
    const SezioniQuote& sq = m.SezQuote;
    // Lines and texts each follow their own layer's switch.
    if ((!LayerVisibile(8) && !LayerVisibile(18)) || sq.UltimaQuota < 0) return;
    if (Piatt.Ctrl_Vid) Piatt.Ctrl_Vid->ColorePrimoPiano(ColorePalette(14));
    for (int i = 0; i <= sq.UltimaQuota && i < static_cast<int>(sq.Quote.size()); ++i) {
        const Quota& q = sq.Quote[static_cast<size_t>(i)];
        if (q.Pianta != Pianta && q.Pianta != -1) continue;
        DisQuotaLin(q.X1 + X, q.Y1 + Y, q.X2 + X, q.Y2 + Y, q.XP1 + X, q.YP1 + Y, q.XP2 + X, q.YP2 + Y,
                    Vista.Scala50Corrente, uscita);
    }
}

void DisTracceSez(const Modello& m, float X, float Y, int uscita) {
    if (!LayerVisibile(11)) return;
    const SezioniQuote& sq = m.SezQuote;
    for (int i = 0; i <= sq.UltimaSezione && i < static_cast<int>(sq.Sezioni.size()); ++i) {
        const Sezione& s = sq.Sezioni[static_cast<size_t>(i)];
        DisLinea(s.X3 + X, s.Y3 + Y, s.X4 + X, s.Y4 + Y, 11, 0, uscita);
        DisLinea(s.X4 + X, s.Y4 + Y, s.X1 + X, s.Y1 + Y, 11, 0, uscita);
        DisLinea(s.X1 + X, s.Y1 + Y, s.X2 + X, s.Y2 + Y, 11, 1, uscita);
        DisLinea(s.X2 + X, s.Y2 + Y, s.X5 + X, s.Y5 + Y, 11, 0, uscita);
        DisLinea(s.X5 + X, s.Y5 + Y, s.X6 + X, s.Y6 + Y, 11, 0, uscita);
        const std::string nome = std::to_string(i + 1);
        DisTesto(s.X1 + X - 10, s.Y1 + Y - 10, nome, 1, 11, 1, 1, 0, uscita);
        if (s.Direzione == 0) DisTesto(s.X2 + X - 10, s.Y2 + Y + 10, nome, 1, 11, 1, 1, 0, uscita);
        else DisTesto(s.X2 + X + 10, s.Y2 + Y - 10, nome, 1, 11, 1, 1, 0, uscita);
    }
}

void DisVista(Modello& m, float X, float Y, int Pianta, int uscita) {
    VistaTavola(m, X, Y, Pianta, 0, Parte::Tutto, uscita);
}

void DisPiano(Modello& m, int uscita) {
    if (uscita == 0 && MappaInVista()) {
        DisGeometria(m, 0, 0, -1, uscita);
        if (m.SezQuote.UltimaSezione > -1) DisTracceSez(m, 0, 0, uscita);
        return;
    }
    const float k = Vista.Scala50Corrente != 0 ? 1.0f : 2.8f;
    const int p = Vista.PiantaCorrente;
    bool singola = true;
    if (p == 0 || p == 1) {
        ComputaDiffusa(m, 0, 0, p, uscita);
        DisVista(m, 0, 0, p, uscita);
    } else if (p == 2 || p == 3) {
        CalcolaFerriZone(m, 0, 0, p - 2, uscita);
        DisVista(m, 0, 0, p, uscita);
    } else if (p == 4) {
        DisegnaCordoli(m, 0, 0, uscita);
        DisegnaPioli(m, 0, 0, uscita);
        DisPunzonamento(m, 0, 0, uscita);
        DisVista(m, 0, 0, 4, uscita);
    } else {
        singola = false;
        if (p == 5) Tavola(m, k, uscita);
    }
    if (singola && m.SezQuote.UltimaSezione > -1) DisSezioni(m, 0, Vista.EstensioneCorrente[1] - 100, uscita);
}

void Ridisegna(Modello& m, int uscita) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    const bool video = uscita == 0;
    // A screen pass with no picture has nothing to draw on.
    if (video && !v) return;
    if (video) {
        v->DisegnoPersistente(true);
        v->Pulisci();
        v->ColorePrimoPiano(ColorePalette(0));
        Strati.VisLayerCorr = Strati.VisLayerVideo;
        if (Piatt.Finestra)
            Piatt.Finestra->MostraFrame1(Vista.PiantaCorrente == 9999 && (Vista.TipoMappa < 4 || Vista.TipoMappa > 9));
        Vista.Scala50Corrente = 1;
    } else {
        Strati.VisLayerCorr = Strati.VisLayerDxf;
        Vista.Scala50Corrente = Imp.ScalaDxf50;
    }

    if (m.Soletta.NumVertContorno > 0 && Vista.EditPerimetro == 0) {
        if (video && MappaInVista()) DisegnaMappaColori(m);
        else if (video) DisLegenda(m);
        DisPiano(m, uscita);
    }

    if (!video) return;
    if (Vista.EditPerimetro != 0) {
        DisGeometria(m, 0, 0, -1, uscita);
        DisegnaPoligEdit(m);
    } else if (Vista.ModoComando == 200 || Vista.MostraManiglie != 0) {
        Maniglie(m);
        Vista.MostraManiglie = 0;
    }
    v->DisegnoPersistente(false);
}

void Ridisegna(int uscita) { Ridisegna(M, uscita); }

Ingombro MisuraDisegnoDxf(Modello& m) {
    const int scala = Vista.Scala50Corrente;
    Vista.Scala50Corrente = Imp.ScalaDxf50;
    Ingombro box;
    if (m.Soletta.NumVertContorno > 0) box = MisuraDxfPannello([&] { DisPiano(m, 1); });
    Vista.Scala50Corrente = scala;
    return box;
}

}  // namespace vilmor
