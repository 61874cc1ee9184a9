#include "drawing/PrimitiveDisegno.h"

#include <cmath>
#include <string>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Primitive.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor {

float DxfX(float X) { return (X + EsportaDxf.OffsetDxfX) * Imp.FattoreDxf; }
float DxfY(float Y) { return (Y + EsportaDxf.OffsetDxfY) * Imp.FattoreDxf; }

float AltezzaTesto(int tipo, int uscita) {
    float base;
    if (uscita != 0) base = Imp.UnitaPerCm;
    else base = Vista.Scala50Corrente != 0 ? 1.0f : 2.0f;
    switch (tipo) {
        case 0: return base * 20;
        case 1: return base * 25;
        case 2: return base * 42;
        case 3: return base * 22;
        default: return 0;
    }
}

void DisQuotaLin(float X1, float Y1, float X2, float Y2, float XP1, float YP1, float XP2, float YP2, int scala,
                 int uscita) {
    const float h = AltezzaTesto(0, uscita);
    if (uscita != 0 && EsportaDxf.FormatoR12 == 0) {
        EntitaQuota q;
        q.LayerQuota = 8;
        q.LayerTesto = 18;
        q.Decimali = 1;
        q.AltezzaTesto = h;
        q.Fattore = 1;
        q.Tipo = 0;
        q.X1 = X1, q.Y1 = Y1, q.X2 = X2, q.Y2 = Y2;
        q.XP1 = XP1, q.YP1 = YP1, q.XP2 = XP2, q.YP2 = YP2;
        q.FattoreCoordinate = Imp.FattoreDxf;
        q.Divisore = 1;
        q.Stile = scala != 0 ? "SC50" : "SC100";
        DisQuotaEntita(q, uscita);
        return;
    }
    QuotaDxf12(X1, Y1, X2, Y2, h, 8, 18, scala, uscita);
}

int DisQuotaFerri(float X1, float Y1, float X2, float Y2, int lato, int layerLinea, int layerTesto, int uscita) {
    const int n = static_cast<int>(std::nearbyint(Distanza(X1, Y1, X2, Y2)));
    if (uscita == -1 || n == 0) return n;
    const std::string testo = std::to_string(n);
    DisLinea(X1, Y1, X2, Y2, layerLinea, 0, uscita);
    if (uscita == 0 || EsportaDxf.FormatoR12 != 0) {
        DisTesto((X1 + X2) / 2, (Y1 + Y2) / 2, testo, 0, layerTesto, 1, lato != 0 ? 0 : 2, AngoloGradi(X1, Y1, X2, Y2),
                 uscita);
        return n;
    }
    const float h = AltezzaTesto(0, uscita);
    float ax = X1, ay = Y1, bx = X2, by = Y2;
    const bool scambia = std::fabs(X1 - X2) > 0.0001f ? X1 > X2 : Y1 > Y2;
    if (scambia) std::swap(ax, bx), std::swap(ay, by);
    const bool scala50 = Vista.Scala50Corrente != 0;
    const float f = scala50 ? 1.0f : 2.0f;
    EntitaQuota q;
    ParallelaSegmento(ax, ay, bx, by, q.X1, q.Y1, q.X2, q.Y2, (lato != 0 ? h : -h) * 0.35f * f);
    q.LayerQuota = q.LayerTesto = layerTesto;
    q.Decimali = 1;
    q.AltezzaTesto = h;
    q.Fattore = 1;
    q.Tipo = 1;
    q.XP1 = X1, q.YP1 = Y1, q.XP2 = X2, q.YP2 = Y2;
    q.FattoreCoordinate = Imp.FattoreDxf;
    q.Divisore = 1;
    q.Stile = scala50 ? "Ferri50" : "Ferri100";
    DisQuotaEntita(q, uscita);
    return n;
}

void DisSegnoNodo(float X, float Y, float raggio, int uscita) {
    DisLinea(X - 2, Y, X + 2, Y, 8, 0, uscita);
    DisLinea(X, Y - 2, X, Y + 2, 8, 0, uscita);
    DisCerchio(X, Y, raggio, 20, 0, uscita);
}

void QuotaDxf12(float X1, float Y1, float X2, float Y2, float altezza, int layerQuota, int layerTesto, int scala,
                int uscita) {
    const float L = Distanza(X1, Y1, X2, Y2);
    if (!(L >= 0.001f)) return;
    const float f = L - std::trunc(L);
    const std::string testo = (f >= 0.1f && f <= 0.9f) ? FormatNum(L, 1) : FormatNum(L, 0);
    float ax = X1, ay = Y1, bx = X2, by = Y2;
    const bool scambia = std::fabs(X1 - X2) > 0.0001f ? X1 > X2 : Y1 > Y2;
    if (scambia) std::swap(ax, bx), std::swap(ay, by);
    float gradi = 0, s = 0, c = 1;
    AngoloSenCos(ax, ay, bx, by, gradi, s, c);
    DisLinea(ax, ay, bx, by, layerQuota, 2, uscita);
    for (const auto& [x, y] : {std::pair{ax, ay}, std::pair{bx, by}}) {
        DisLinea(x + 8 * s, y - 8 * c, x - 8 * s, y + 8 * c, layerQuota, 2, uscita);
        DisCerchio(x, y, 1.2f, layerQuota, 2, uscita);
    }
    float xm = (ax + bx) / 2, ym = (ay + by) / 2;
    if (L < 8.0f * static_cast<float>(testo.size())) xm -= 7 * s, ym += 7 * c;
    (void)altezza, (void)scala;
    DisTesto(xm, ym, testo, 0, layerTesto, 1, 0, gradi, uscita);
}

}  // namespace vilmor
