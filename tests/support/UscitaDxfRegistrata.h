// A recording DXF writer: the entities as data, layers by name.
#pragma once

#include <string>
#include <vector>

#include "drawing/SinkDxf.h"

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

}  // namespace vilmor::prova
