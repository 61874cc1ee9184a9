#include "dxf/BlocchiFissiDxf.h"

#include <ostream>

namespace vilmor {
namespace {

void TestaEntita(ContestoDxf& c, const char* tipo, const std::string& owner) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, tipo);
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, owner);
    GruppoDxf(os, 100, "AcDbEntity");
}

void InizioBlocco(ContestoDxf& c, const std::string& nome, const std::string& layer,
                  const std::string& owner, const std::string& percorso) {
    std::ostream& os = *c.Sezione;
    TestaEntita(c, "BLOCK", owner);
    GruppoDxf(os, 8, layer);
    GruppoDxf(os, 100, "AcDbBlockBegin");
    GruppoDxf(os, 2, nome);
    GruppoIntDxf(os, 70, 0);
    GruppoDxf(os, 10, "0.0");
    GruppoDxf(os, 20, "0.0");
    GruppoDxf(os, 30, "0.0");
    GruppoDxf(os, 3, nome);
    GruppoDxf(os, 1, percorso);
}

}  // namespace

void BloccoFissoDxf(ContestoDxf& c, const std::string& nome, const std::string& layer,
                    const std::string& owner) {
    InizioBlocco(c, nome, layer, owner, nome);
}

void LineaFissaDxf(ContestoDxf& c, float x1, float y1, float x2, float y2,
                   const std::string& layer, const std::string& owner) {
    std::ostream& os = *c.Sezione;
    TestaEntita(c, "LINE", owner);
    GruppoDxf(os, 8, layer);
    GruppoIntDxf(os, 62, 0);
    GruppoDxf(os, 100, "AcDbLine");
    GruppoRealeDxf(os, 10, x1);
    GruppoRealeDxf(os, 20, y1);
    GruppoDxf(os, 30, "0.0");
    GruppoRealeDxf(os, 11, x2);
    GruppoRealeDxf(os, 21, y2);
    GruppoDxf(os, 31, "0.0");
}

void CerchioFissoDxf(ContestoDxf& c, float x, float y, float raggio, const std::string& layer,
                     const std::string& owner) {
    std::ostream& os = *c.Sezione;
    TestaEntita(c, "CIRCLE", owner);
    GruppoDxf(os, 8, layer);
    GruppoIntDxf(os, 62, 0);
    GruppoDxf(os, 100, "AcDbCircle");
    GruppoRealeDxf(os, 10, x);
    GruppoRealeDxf(os, 20, y);
    GruppoDxf(os, 30, "0.0");
    GruppoRealeDxf(os, 40, raggio);
}

void FineBloccoFissoDxf(ContestoDxf& c, const std::string& layer, const std::string& owner) {
    std::ostream& os = *c.Sezione;
    TestaEntita(c, "ENDBLK", owner);
    GruppoDxf(os, 8, layer);
    GruppoDxf(os, 100, "AcDbBlockEnd");
}

void BloccoNoneDxf(ContestoDxf& c, const std::string& layer, const std::string& owner) {
    InizioBlocco(c, "_None", "0", owner, "");
    FineBloccoFissoDxf(c, layer, owner);
}

void BlocchiFissiDxf(ContestoDxf& c, const std::string& layer) {
    const std::string freccia = c.HandleFreccia;
    BloccoFissoDxf(c, "_FRECCIAMERANTO", layer, freccia);
    LineaFissaDxf(c, 0, 15, 0, -15, layer, freccia);
    LineaFissaDxf(c, -1, 0, 0, 0, layer, freccia);
    CerchioFissoDxf(c, 0, 0, 1.5f, layer, freccia);
    FineBloccoFissoDxf(c, layer, freccia);

    const std::string noFreccia = c.HandleNoFreccia;
    BloccoFissoDxf(c, "_NOFRECCIA", layer, noFreccia);
    LineaFissaDxf(c, -1, 0, 0, 0, layer, noFreccia);
    FineBloccoFissoDxf(c, layer, noFreccia);

    BloccoNoneDxf(c, layer, c.HandleNone);
}

}  // namespace vilmor
