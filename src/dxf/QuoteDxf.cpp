#include "dxf/QuoteDxf.h"

#include <cmath>
#include <istream>
#include <ostream>
#include <utility>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "drawing/PosaQuotaDxf.h"
#include "drawing/PrimitiveDisegno.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/TabelleDxf.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

struct PuntoDxf2 {
    float X = 0, Y = 0;
};

// An arrow block placed at an end of the dimension line; its code lines carry no leading
// blanks but the layer's.
void InserisciFreccia(ContestoDxf& c, const std::string& freccia, PuntoDxf2 p, float scala, float gradi,
                      const std::string& layer, const std::string& owner) {
    std::ostream& os = *c.Blocchi;
    CoppiaDxf(os, "0", "INSERT");
    CoppiaDxf(os, "5", NuovoHandle(c));
    CoppiaDxf(os, "330", owner);
    CoppiaDxf(os, "100", "AcDbEntity");
    GruppoDxf(os, 8, layer);
    CoppiaDxf(os, "62", "     0");
    CoppiaDxf(os, "370", "    -2");
    CoppiaDxf(os, "100", "AcDbBlockReference");
    CoppiaDxf(os, "2", freccia);
    CoppiaDxf(os, "10", FormatNum(p.X, 8));
    CoppiaDxf(os, "20", FormatNum(p.Y, 8));
    CoppiaDxf(os, "30", "0.0");
    CoppiaDxf(os, "41", FormatNum(scala, 8));
    CoppiaDxf(os, "42", FormatNum(scala, 8));
    CoppiaDxf(os, "43", FormatNum(scala, 8));
    CoppiaDxf(os, "50", FormatNum(gradi, 8));
}

// What the block and the entity share.
struct GeometriaQuota {
    PuntoDxf2 P0, P1, Q0, Q1, Q2;
    float Angolo = 0;  // radians
    int Tipo = 0;      // 1 aligned, 0 rotated
    bool Frecce = true;
    std::string Testo;
    std::string Nome, HandleEntita, HandleBlocco;
};

// The block: dimension line (arrows only), the two arrow inserts, the measure (unless its
// layer is off), the definition points.
void BloccoQuotaDxf(ContestoDxf& c, const GeometriaQuota& g, const EntitaQuota& q,
                    const std::string& layerQuota, const std::string& layerTesto) {
    const float k = Imp.UnitaPerCm;
    const float s = k * q.Fattore;
    const float seno = static_cast<float>(std::sin(g.Angolo)), coseno = static_cast<float>(std::cos(g.Angolo));
    const float gradi = RadiantiGradi(g.Angolo);
    const std::string& h = g.HandleBlocco;

    BloccoDxf(c, 1, g.Nome, layerQuota, h);
    if (g.Frecce)
        LineaBloccoDxf(c, g.P0.X + s * coseno, g.P0.Y + s * seno, g.P1.X - s * coseno, g.P1.Y - s * seno, 0, 1,
                       layerQuota, h);
    const std::string freccia = g.Frecce ? "_FRECCIAMERANTO" : "_None";
    InserisciFreccia(c, freccia, g.P0, s, Angolo180(gradi), layerQuota, h);
    InserisciFreccia(c, freccia, g.P1, s, gradi, layerQuota, h);

    // What a reader draws of the block: its line and arrows, its text, its points.
    Ingombro& e = c.Estensione;
    if (!layerTesto.empty()) {
        MTestoDxf(c, g.Q2.X, g.Q2.Y, g.Testo, gradi, q.AltezzaTesto, 1, g.Frecce ? 8 : 5, layerTesto, h);
        EstendiTestoDxf(c, g.Q2.X, g.Q2.Y, g.Testo, q.AltezzaTesto, gradi, 1, g.Frecce ? 1 : 2);
    }
    for (const PuntoDxf2& p : {g.P0, g.P1, g.Q0, g.Q1, g.Q2}) e.Aggiungi(p.X, p.Y);
    if (g.Frecce) {
        // The arrow block reaches 15 units from its point.
        e.AggiungiIntorno(g.P0.X, g.P0.Y, 15 * s);
        e.AggiungiIntorno(g.P1.X, g.P1.Y, 15 * s);
    }
    PuntoDxf(c, Punto{g.Q0.X, g.Q0.Y}, h);
    PuntoDxf(c, Punto{g.Q1.X, g.Q1.Y}, h);
    PuntoDxf(c, Punto{g.P1.X, g.P1.Y}, h);
    FineBloccoDxf(c, h);
}

// The middle of the measure: readers that draw the dimension again centre its text there. With
// arrows the text stands on its point Q2 (bottom centre), so its middle is half its height further
// off the line; without arrows Q2 is its middle.
PuntoDxf2 MezzoTesto(const GeometriaQuota& g, float altezza) {
    if (!g.Frecce) return g.Q2;
    const float seno = static_cast<float>(std::sin(g.Angolo)), coseno = static_cast<float>(std::cos(g.Angolo));
    return {g.Q2.X - altezza / 2 * seno, g.Q2.Y + altezza / 2 * coseno};
}

void DimensionDxf(ContestoDxf& c, const GeometriaQuota& g, const EntitaQuota& q, const std::string& layerQuota,
                  bool senzaTesto) {
    std::ostream& os = *c.Entita;
    GruppoDxf(os, 0, "DIMENSION");
    CoppiaDxf(os, "5", g.HandleEntita);
    GruppoDxf(os, 330, c.HandleModelSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    GruppoDxf(os, 8, layerQuota);
    GruppoDxf(os, 100, "AcDbDimension");
    GruppoDxf(os, 2, g.Nome);
    GruppoRealeDxf(os, 10, g.P1.X);
    GruppoRealeDxf(os, 20, g.P1.Y);
    GruppoDxf(os, 30, "0.0");
    const PuntoDxf2 mezzo = MezzoTesto(g, q.AltezzaTesto);
    GruppoRealeDxf(os, 11, mezzo.X);
    GruppoRealeDxf(os, 21, mezzo.Y);
    GruppoDxf(os, 31, "0.0");
    GruppoIntDxf(os, 70, g.Tipo + 32);
    GruppoDxf(os, 71, "     5");
    // The measure as the block writes it: readers that make the text again from the header's
    // dimension settings would otherwise print their own figure. A blank suppresses it.
    GruppoDxf(os, 1, senzaTesto ? std::string(" ") : g.Testo);
    GruppoDxf(os, 3, q.Stile);
    GruppoDxf(os, 100, "AcDbAlignedDimension");
    GruppoRealeDxf(os, 13, g.Q0.X);
    GruppoRealeDxf(os, 23, g.Q0.Y);
    GruppoDxf(os, 33, "0.0");
    GruppoRealeDxf(os, 14, g.Q1.X);
    GruppoRealeDxf(os, 24, g.Q1.Y);
    GruppoDxf(os, 34, "0.0");
    if (g.Tipo == 0) {
        // Without its angle a reader measures a rotated dimension along x.
        GruppoRealeDxf(os, 50, RadiantiGradi(g.Angolo));
        GruppoDxf(os, 100, "AcDbRotatedDimension");
    }
}

}  // namespace

void QuotaDxf(ContestoDxf& c, const std::string& layerQuota, const std::string& layerTesto, const EntitaQuota& q) {
    if (!c.Entita || !c.Blocchi) return;
    PosaQuotaDxf p;
    if (!PosaQuota(q, p)) return;

    GeometriaQuota g;
    g.Frecce = p.Frecce;
    g.P0 = {p.X0, p.Y0};
    g.P1 = {p.X1, p.Y1};
    g.Q0 = {p.XP0, p.YP0};
    g.Q1 = {p.XP1, p.YP1};
    g.Angolo = p.Angolo;
    g.Testo = p.Testo;
    g.Q2 = {p.XT, p.YT};

    // Aligned only when both measured points stand at the same offset on the same side of the
    // line: equal distances on opposite sides would make a reader measure the slanted span.
    const double co = std::cos(g.Angolo), se = std::sin(g.Angolo);
    const double d0 = Distanza(g.P0.X, g.P0.Y, g.Q0.X, g.Q0.Y), d1 = Distanza(g.P1.X, g.P1.Y, g.Q1.X, g.Q1.Y);
    const double s0 = co * (g.Q0.Y - g.P0.Y) - se * (g.Q0.X - g.P0.X);
    const double s1 = co * (g.Q1.Y - g.P1.Y) - se * (g.Q1.X - g.P1.X);
    g.Tipo = std::fabs(d1 - d0) < 0.0001 && std::fabs(s1 - s0) < 0.0001 ? 1 : 0;
    // The measured points are written where the dimension line ends. Readers that draw a
    // dimension again from its points (LibreCAD) draw extension lines whatever the style
    // suppresses; there they have no length, as on the screen. The measure along the line is
    // the same: the length of the line.
    g.Q0 = g.P0;
    g.Q1 = g.P1;

    if (layerQuota.empty()) {
        // Its lines' layer is off: the measure alone, the text the block would hold.
        if (!layerTesto.empty()) {
            const float gradi = RadiantiGradi(g.Angolo);
            MTestoEntitaDxf(c, g.Q2.X, g.Q2.Y, g.Testo, gradi, q.AltezzaTesto, 1, g.Frecce ? 8 : 5, layerTesto);
            c.Estensione.Aggiungi(g.Q2.X, g.Q2.Y);
            EstendiTestoDxf(c, g.Q2.X, g.Q2.Y, g.Testo, q.AltezzaTesto, gradi, 1, g.Frecce ? 1 : 2);
        }
        return;
    }

    g.Nome = NomeBloccoQuota(c);
    g.HandleEntita = NuovoHandle(c);
    g.HandleBlocco = NuovoHandle(c);
    c.HandleBlocchiD.push_back(g.HandleBlocco);

    // The header names the general dimensions' style, else the bar lengths'.
    if (c.StileQuote.empty() || (g.Frecce && FrecciaStileQuota(c.StileQuote) == "_None")) c.StileQuote = q.Stile;
    BloccoQuotaDxf(c, g, q, layerQuota, layerTesto);
    DimensionDxf(c, g, q, layerQuota, layerTesto.empty());
}

}  // namespace vilmor
