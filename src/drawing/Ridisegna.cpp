#include "drawing/Ridisegna.h"

#include <cmath>
#include <string>

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

void Tavola(Modello& m, float k, int uscita) {
    const float mx = uscita == 1 ? m.Soletta.LimitiContorno[0] : 0;
    const float P = k * 150 + Vista.LarghezzaPianta;
    const float R = -(Vista.AltezzaPianta + 150);
    const bool sezioni = m.SezQuote.UltimaSezione > -1;
    if (m.Progetto.MagliaUnica == 0) {
        ComputaDiffusa(m, -mx, 0, 0, uscita);
        DisVista(m, -mx, 0, 0, uscita);
        ComputaDiffusa(m, -mx, R, 1, uscita);
        DisVista(m, -mx, R, 1, uscita);
        CalcolaFerriZone(m, P - mx, 0, 0, uscita);
        DisVista(m, P - mx, 0, 2, uscita);
        CalcolaFerriZone(m, P - mx, R, 1, uscita);
        DisVista(m, P - mx, R, 3, uscita);
        DisegnaCordoli(m, 2 * P - mx, 0, uscita);
        DisVista(m, 2 * P - mx, 0, 4, uscita);
        DisPunzonamento(m, 2 * P - mx, 0, uscita);
        DisegnaPioli(m, 2 * P - mx, 0, uscita);
        if (sezioni) DisSezioni(m, 2 * P - mx, -150, uscita);
    } else {
        ComputaDiffusa(m, -mx, 0, 1, uscita);
        DisVista(m, -mx, 0, 1, uscita);
        CalcolaFerriZone(m, P - mx, 0, 1, uscita);
        DisVista(m, P - mx, 0, 3, uscita);
        if (sezioni) DisSezioni(m, 2 * P - mx, 0, uscita);
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
    DisGeometria(m, X, Y, Pianta, uscita);
    DisQuote(m, X, Y, Pianta, uscita);
    if (m.SezQuote.UltimaSezione > -1) DisTracceSez(m, X, Y, uscita);
    const float t = Vista.Scala50Corrente == 0 ? 1.0f : 0.0f;
    DisTitoloVista(m, X + Vista.LimitiPianta[0] - 300 * t, Y + Vista.LimitiPianta[3], Pianta, uscita);
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

}  // namespace vilmor
