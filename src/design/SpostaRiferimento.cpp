#include "design/SpostaRiferimento.h"

#include "base/Geometria.h"
#include "model/AreaLavoro.h"
#include "model/Vista.h"

namespace vilmor {

void SpostaRiferimentoZona(Modello& m, int zona, float px, float py) {
    if (zona < 0 || zona > m.Zone.UltimaZona || zona >= static_cast<int>(m.Zone.Zone.size())) return;
    Zona& z = m.Zone.Zone[static_cast<size_t>(zona)];
    const DatiProgetto& p = m.Progetto;

    const float x = XDaSchermo(px), y = YDaSchermo(py);
    const float ox = z.XBarra1 - z.XRif, oy = z.YBarra1 - z.YRif;

    // The bars of a curb run in the other direction of the frame from a face zone's.
    const bool primaDirezione = z.Tipo == 2 ? z.Direzione == 1 : z.Direzione == 0;
    const float d1x = static_cast<float>(p.CosDir1), d1y = static_cast<float>(p.SinDir1);
    const float d2x = static_cast<float>(p.CosDir2), d2y = static_cast<float>(p.SinDir2);
    const float ux = primaDirezione ? d1x : d2x, uy = primaDirezione ? d1y : d2y;
    const float vx = primaDirezione ? d2x : d1x, vy = primaDirezione ? d2y : d1y;
    const float xMin = primaDirezione ? z.XMin1 : z.XMin2, yMin = primaDirezione ? z.YMin1 : z.YMin2;
    const float xMax = primaDirezione ? z.XMax1 : z.XMax2, yMax = primaDirezione ? z.YMax1 : z.YMax2;

    // The cross line through the cursor against the two bar-parallel lines of the box.
    float xb1 = 0, yb1 = 0, xb2 = 0, yb2 = 0;
    if (!TraversoBarre(x, y, vx, vy, xMin, yMin, ux, uy, xb1, yb1)) return;
    if (!TraversoBarre(x, y, vx, vy, xMax, yMax, ux, uy, xb2, yb2)) return;
    // The line slides along the bars no further than work may stand on the slab.
    const AreaPianta area = AreaLavoro(m.Soletta);
    if (!area.Contiene(xb1, yb1) || !area.Contiene(xb2, yb2) || !area.Contiene(xb1 - ox, yb1 - oy)) return;

    z.XBarra1 = xb1, z.YBarra1 = yb1;
    z.XBarra2 = xb2, z.YBarra2 = yb2;
    z.XRif = z.XBarra1 - ox;
    z.YRif = z.YBarra1 - oy;
}

void SpostaRiferimentoZona(float px, float py) { SpostaRiferimentoZona(M, Edit.ZonaSelezionata, px, py); }

}  // namespace vilmor
