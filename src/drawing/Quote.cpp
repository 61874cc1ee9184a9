#include "drawing/Quote.h"

#include <algorithm>
#include <cmath>
#include <string>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "design/Selezione.h"
#include "drawing/Ridisegna.h"
#include "model/AreaLavoro.h"
#include "model/Impostazioni.h"
#include "model/Vista.h"

namespace vilmor {
namespace {

int UltimaValida(const SezioniQuote& sq) {
    return std::min(sq.UltimaQuota, static_cast<int>(sq.Quote.size()) - 1);
}

// The dimension line through Q along the picked direction, met with the perpendiculars through
// the two measured points (picture pixels in `Quotatura`): the new line ends, plan cm.
void LineaAllineata(float xq, float yq, float c, float s, float& x1, float& y1, float& x2, float& y2) {
    const float xa = xq - 10 * c, ya = yq + 10 * s;
    auto estremo = [&](float px, float py, float& xe, float& ye) {
        const float mx = XDaSchermo(px), my = YDaSchermo(py);
        int codice = 0;
        float xj = 0, yj = 0;
        // The two lines are perpendicular: they always meet.
        Intersezione(xq, yq, xa, ya, mx, my, mx - 10 * s, my - 10 * c, xe, ye, codice, xj, yj);
    };
    estremo(Quotatura.XQuota1, Quotatura.YQuota1, x1, y1);
    estremo(Quotatura.XQuota2, Quotatura.YQuota2, x2, y2);
}

// Written with a point whatever the machine, so the saved file reads the same everywhere.
std::string TestoQuota(float L) {
    if (Imp.QuoteInMetri == 1) L = L / 100;
    const int n = Imp.DecimaliQuote;
    if (n < 0 || n > 2) return {};
    return FormatNum(L, n);
}

}  // namespace

int TrovaQuota(const Modello& m, float x, float y) {
    const SezioniQuote& sq = m.SezQuote;
    for (int i = 0; i <= UltimaValida(sq); ++i) {
        const Quota& q = sq.Quote[static_cast<size_t>(i)];
        if (q.Pianta != Vista.PiantaCorrente && q.Pianta != -1) continue;
        if (VicinoSegmento(x, y, q.X1, q.Y1, q.X2, q.Y2, TolQuota)) return i;
    }
    return -1;
}

bool AgganciaEstremoQuota(const Modello& m, float x, float y, float& xq, float& yq) {
    const float px = XDaSchermo(x), py = YDaSchermo(y);
    const SezioniQuote& sq = m.SezQuote;
    for (int i = 0; i <= UltimaValida(sq); ++i) {
        const Quota& q = sq.Quote[static_cast<size_t>(i)];
        if (!VicinoSegmento(x, y, q.X1, q.Y1, q.X2, q.Y2, TolQuota)) continue;
        const float d1 = std::fabs(py - q.Y1) + std::fabs(px - q.X1);
        const float d2 = std::fabs(py - q.Y2) + std::fabs(px - q.X2);
        if (d2 <= d1) xq = q.X2, yq = q.Y2;
        else xq = q.X1, yq = q.Y1;
        return true;
    }
    xq = px, yq = py;
    return false;
}

void AngoloQuota(float x1, float y1, float x2, float y2, float& c, float& s) {
    float a = 1.5707964f;
    if (std::fabs(x2 - x1) > 0.001f) a = static_cast<float>(std::atan(static_cast<double>((y2 - y1) / (x2 - x1))));
    if (a < -1.04f) a = a + 3.14159265f;
    c = static_cast<float>(std::cos(static_cast<double>(a)));
    s = static_cast<float>(std::sin(static_cast<double>(a)));
}

void EvidQuotaCursore(const Modello& m, float x, float y) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v || m.SezQuote.UltimaQuota < 0) return;
    float xe = 0, ye = 0;
    if (!AgganciaEstremoQuota(m, x, y, xe, ye)) return;
    const int px = static_cast<int>(std::lround(XSchermo(xe)));
    const int py = static_cast<int>(std::lround(YSchermo(ye)));
    v->SpessorePenna(3);
    v->Rettangolo(px - 6, py - 6, px + 6, py + 6, ColorePalette(14));
    v->SpessorePenna(1);
}

void InserisciQuota(Modello& m, float x, float y) {
    EditQuote& e = Quotatura;
    float xq = 0, yq = 0;
    AgganciaEstremoQuota(m, x, y, xq, yq);
    float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
    switch (Vista.ModoComando) {
        case ModoInsQuotaOrizz:
            x1 = XDaSchermo(e.XQuota1), y1 = yq;
            x2 = XDaSchermo(e.XQuota2), y2 = yq;
            break;
        case ModoInsQuotaVert:
            x1 = xq, y1 = YDaSchermo(e.YQuota1);
            x2 = xq, y2 = YDaSchermo(e.YQuota2);
            break;
        case ModoInsQuotaAllin:
            AngoloQuota(e.XQuota1, e.YQuota1, e.XQuota2, e.YQuota2, e.CosQuota, e.SinQuota);
            LineaAllineata(xq, yq, e.CosQuota, e.SinQuota, x1, y1, x2, y2);
            break;
        default:
            break;  // both ends at the origin: nothing is appended
    }
    e.XQuota1 = XDaSchermo(e.XQuota1), e.YQuota1 = YDaSchermo(e.YQuota1);
    e.XQuota2 = XDaSchermo(e.XQuota2), e.YQuota2 = YDaSchermo(e.YQuota2);
    AggiungiQuota(m, x1, y1, x2, y2, Vista.PiantaCorrente);
    Vista.ModoComando = 0;
    Ridisegna(m, 0);
}

void SpostaQuota(Modello& m, float x, float y) {
    const EditQuote& e = Quotatura;
    const int i = e.QuotaSelezionata;
    if (i >= 0 && i <= UltimaValida(m.SezQuote)) {
        float xq = 0, yq = 0;
        AgganciaEstremoQuota(m, x, y, xq, yq);
        float c = 1, s = 0;
        AngoloQuota(e.XQuota1, e.YQuota1, e.XQuota2, e.YQuota2, c, s);
        Quota q = m.SezQuote.Quote[static_cast<size_t>(i)];
        LineaAllineata(xq, yq, c, s, q.X1, q.Y1, q.X2, q.Y2);
        if (QuotaNellArea(m.Soletta, q)) m.SezQuote.Quote[static_cast<size_t>(i)] = q;
        else Avviso(MsgQuotaFuoriArea);
    }
    Vista.ModoComando = 0;
    Ridisegna(m, 0);
}

void AggiungiQuota(Modello& m, float x1, float y1, float x2, float y2, int p) {
    const float L = Distanza(x1, y1, x2, y2);
    if (!(L > 0.009f)) return;
    Quota q;
    q.X1 = x1, q.Y1 = y1, q.X2 = x2, q.Y2 = y2;
    q.XP1 = Quotatura.XQuota1, q.YP1 = Quotatura.YQuota1;
    q.XP2 = Quotatura.XQuota2, q.YP2 = Quotatura.YQuota2;
    q.Testo = TestoQuota(L);
    q.Pianta = p;
    if (!QuotaNellArea(m.Soletta, q)) {
        Avviso(MsgQuotaFuoriArea);
        return;
    }
    SezioniQuote& sq = m.SezQuote;
    sq.UltimaQuota = std::max(sq.UltimaQuota, -1) + 1;
    sq.Quote.resize(static_cast<size_t>(sq.UltimaQuota) + 1);
    sq.Quote[static_cast<size_t>(sq.UltimaQuota)] = std::move(q);
}

void AggiungiQuota(float x1, float y1, float x2, float y2, int p) { AggiungiQuota(M, x1, y1, x2, y2, p); }

}  // namespace vilmor
