// A recording DXF writer and the process-wide drawing state that the drawing tests change.
#pragma once

#include <string>
#include <vector>

#include "drawing/SinkDxf.h"
#include "model/Impostazioni.h"
#include "model/definizioni.h"

namespace vilmor::prova {

struct EntitaDxf {
    std::string Tipo;  // "Linea", "Cerchio", "Testo", "Quota"
    std::vector<double> Num;
    std::string Layer, Testo;
};

class UscitaDxfRegistrata : public UscitaDxf {
public:
    std::vector<EntitaDxf> Entita;
    void LineaDxf(float X1, float Y1, float X2, float Y2, const std::string& l, int stile) override {
        Entita.push_back({"Linea", {X1, Y1, X2, Y2, double(stile)}, l, {}});
    }
    void CerchioDxf(float X, float Y, float r, const std::string& l, int stile) override {
        Entita.push_back({"Cerchio", {X, Y, r, double(stile)}, l, {}});
    }
    void TestoDxf(const std::string& l, const std::string& t, float X, float Y, float h, float a, int o,
                  int v) override {
        Entita.push_back({"Testo", {X, Y, h, a, double(o), double(v)}, l, t});
    }
    void QuotaDxf(const std::string& lq, const std::string& lt, const EntitaQuota& q) override {
        Entita.push_back({"Quota", {q.X1, q.Y1, q.X2, q.Y2, q.XP1, q.YP1, q.XP2, q.YP2, double(q.Tipo)}, lq + "|" + lt,
                          q.Stile});
    }
};

// Saves the view, the settings, the layers and the DXF state, and gives them back at the end.
class StatoDisegnoSalvato {
public:
    StatoDisegnoSalvato() : vista_(Vista), imp_(Imp), strati_(Strati), dxf_(EsportaDxf), edit_(Edit) {}
    ~StatoDisegnoSalvato() {
        Vista = vista_;
        Imp = imp_;
        Strati = strati_;
        EsportaDxf = dxf_;
        Edit = edit_;
    }

private:
    StatoVista vista_;
    Impostazioni imp_;
    StratiDisegno strati_;
    StatoDxf dxf_;
    EditZone edit_;
};

}  // namespace vilmor::prova
