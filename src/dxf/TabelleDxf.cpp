#include "dxf/TabelleDxf.h"

#include <algorithm>
#include <ostream>
#include <vector>

#include "base/Formati.h"
#include "dxf/IntestazioneDxf.h"
#include "dxf/ScrittoriDxf.h"

namespace vilmor {
namespace {

// Head of a table up to its entry count. The counts of some tables are not their record
// counts; readers go by the records.
void TestaTabella(std::ostream& os, const char* nome, const char* handle, int conteggio) {
    GruppoDxf(os, 0, "TABLE");
    GruppoDxf(os, 2, nome);
    GruppoDxf(os, 5, handle);
    GruppoDxf(os, 330, "0");
    GruppoDxf(os, 100, "AcDbSymbolTable");
    GruppoIntDxf(os, 70, conteggio);
}

void FineTabella(std::ostream& os) { GruppoDxf(os, 0, "ENDTAB"); }

void TestaRecord(std::ostream& os, const char* tipo, const std::string& handle,
                 const char* tabella, const char* sottoclasse) {
    GruppoDxf(os, 0, tipo);
    GruppoDxf(os, 5, handle);
    GruppoDxf(os, 330, tabella);
    GruppoDxf(os, 100, "AcDbSymbolTableRecord");
    GruppoDxf(os, 100, sottoclasse);
}

struct TipoLinea {
    const char* Nome;
    const char* Descrizione;
    int Elementi;
    const char* Lunghezza;
    const char* Tratti[2];
};

constexpr TipoLinea TipiLinea[] = {
    {"ByBlock", "", 0, "0.0", {}},
    {"ByLayer", "", 0, "0.0", {}},
    {"Continuous", "Solid Line", 0, "0.0", {}},
    {"DASHED2", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", 2, "17.5", {"10.0", "-7.5"}},
    {"DASHED", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __", 2, "40.0", {"25.0", "-15.0"}},
};

constexpr const char* NomiAppId[] = {
    "ACAD", "ACAD_PSEXT", "ACADANNOPO", "ACADANNOTATIVE", "ACAD_DSTYLE_DIMJAG",
    "ACAD_DSTYLE_DIMTALN", "ACAD_MLEADERVER", "ACAD_NAV_VCDISPLAY", "ACAD_EXEMPT_FROM_CAD_STAND",
};

void TipiLineaDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    TestaTabella(os, "LTYPE", "5", 3);
    for (const TipoLinea& t : TipiLinea) {
        TestaRecord(os, "LTYPE", NuovoHandle(c), "5", "AcDbLinetypeTableRecord");
        GruppoDxf(os, 2, t.Nome);
        GruppoIntDxf(os, 70, 0);
        GruppoDxf(os, 3, t.Descrizione);
        GruppoIntDxf(os, 72, 65);
        GruppoIntDxf(os, 73, t.Elementi);
        GruppoDxf(os, 40, t.Lunghezza);
        for (int i = 0; i < t.Elementi; ++i) {
            GruppoDxf(os, 49, t.Tratti[i]);
            GruppoIntDxf(os, 74, 0);
        }
    }
    FineTabella(os);
}

void StileTestoDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    TestaTabella(os, "STYLE", "3", 1);
    TestaRecord(os, "STYLE", c.HandleStile, "3", "AcDbTextStyleTableRecord");
    GruppoDxf(os, 2, "Standard");
    GruppoIntDxf(os, 70, 0);
    GruppoDxf(os, 40, "0.0");
    GruppoDxf(os, 41, "1.0");
    GruppoDxf(os, 50, "0.0");
    GruppoIntDxf(os, 71, 0);
    GruppoDxf(os, 42, "2.5");
    GruppoDxf(os, 3, "arial.ttf");
    GruppoDxf(os, 4, "");
    GruppoDxf(os, 1001, "ACAD");
    GruppoDxf(os, 1000, "Arial");
    GruppoIntDxf(os, 1071, 34);
    FineTabella(os);
}

void BloccoRecord(std::ostream& os, const std::string& nome, const std::string& handle,
                  const std::string& layout) {
    GruppoDxf(os, 0, "BLOCK_RECORD");
    GruppoDxf(os, 5, handle);
    GruppoDxf(os, 330, "1");
    GruppoDxf(os, 100, "AcDbSymbolTableRecord");
    GruppoDxf(os, 100, "AcDbBlockTableRecord");
    GruppoDxf(os, 2, nome);
    GruppoDxf(os, 340, layout);
}

}  // namespace

void VportDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    TestaTabella(os, "VPORT", "8", 1);
    TestaRecord(os, "VPORT", c.HandleVport, "8", "AcDbViewportTableRecord");
    GruppoDxf(os, 2, "*Active");
    GruppoIntDxf(os, 70, 0);
    // The view a reader opens on frames the entities written (their extents are complete: the
    // tables follow the drawing pass).
    const InquadraturaDxf q = Inquadratura(c.Estensione, AspettoVistaDxf);
    static const std::pair<int, const char*> angoli[] = {{10, "0.0"}, {20, "0.0"}, {11, "1.0"}, {21, "1.0"}};
    for (const auto& [codice, valore] : angoli) GruppoDxf(os, codice, valore);
    GruppoDxf(os, 12, NumeroLiberoDxf(q.CentroX));
    GruppoDxf(os, 22, NumeroLiberoDxf(q.CentroY));
    static const std::pair<int, const char*> griglia[] = {
        {13, "0.0"}, {23, "0.0"}, {14, "0.5"}, {24, "0.5"}, {15, "0.5"}, {25, "0.5"}, {16, "0.0"},
        {26, "0.0"}, {36, "1.0"}, {17, "0.0"}, {27, "0.0"}, {37, "0.0"},
    };
    for (const auto& [codice, valore] : griglia) GruppoDxf(os, codice, valore);
    GruppoDxf(os, 40, NumeroLiberoDxf(q.Altezza));
    GruppoDxf(os, 41, "1.491463414634146");
    static const std::pair<int, const char*> resto[] = {{42, "50.0"}, {43, "0.0"}, {44, "0.0"}, {50, "0.0"}, {51, "0.0"}};
    for (const auto& [codice, valore] : resto) GruppoDxf(os, codice, valore);
    GruppoIntDxf(os, 71, 16);
    GruppoIntDxf(os, 72, 100);
    GruppoIntDxf(os, 73, 1);
    GruppoIntDxf(os, 74, 3);
    for (int codice = 75; codice <= 78; ++codice) GruppoIntDxf(os, codice, 0);
    GruppoIntDxf(os, 281, 0);
    GruppoIntDxf(os, 65, 1);
    static const std::pair<int, const char*> ucs[] = {
        {110, "0.0"}, {120, "0.0"}, {130, "0.0"}, {111, "1.0"}, {121, "0.0"},
        {131, "0.0"}, {112, "0.0"}, {122, "1.0"}, {132, "0.0"},
    };
    for (const auto& [codice, valore] : ucs) GruppoDxf(os, codice, valore);
    GruppoIntDxf(os, 79, 0);
    GruppoDxf(os, 146, "0.0");
    FineTabella(os);
}

void LayerDxf(ContestoDxf& c, const std::string& nome, int aci, const std::string& tipoLinea) {
    std::ostream& os = *c.Sezione;
    TestaRecord(os, "LAYER", NuovoHandle(c), "2", "AcDbLayerTableRecord");
    GruppoDxf(os, 2, nome);
    if (nome == "Defpoints") CoppiaDxf(os, " 290", FormatIntDxf(0));
    GruppoIntDxf(os, 70, 0);
    GruppoIntDxf(os, 62, aci);
    GruppoDxf(os, 6, tipoLinea);
    GruppoIntDxf(os, 370, -3);
    GruppoDxf(os, 390, c.HandlePlotStyle);
}

void AppIdDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    TestaTabella(os, "APPID", "9", 9);
    for (const char* nome : NomiAppId) {
        TestaRecord(os, "APPID", NuovoHandle(c), "9", "AcDbRegAppTableRecord");
        GruppoDxf(os, 2, nome);
        GruppoIntDxf(os, 70, 0);
    }
    FineTabella(os);
}

namespace {

// The six dimension styles: "SC" general dimensions (text above the line, one decimal, the arrow
// block), "Ferri" bar lengths (centred text, no decimals, no dimension lines, the empty block);
// the length factor turns DXF units back into centimetres at the scale the name gives.
struct StileQuotaDxf {
    const char* Nome;
    int PosizioneTesto;
    float FattoreLunghezza;
    int Decimali;
    int Sopprimi;
};

constexpr StileQuotaDxf StiliQuota[] = {
    {"SC50", 1, 0.5f, 1, 0},    {"SC25", 1, 0.25f, 1, 0},    {"SC100", 1, 1.0f, 1, 0},
    {"Ferri50", 0, 0.5f, 0, 1}, {"Ferri25", 0, 0.25f, 0, 1}, {"Ferri100", 0, 1.0f, 0, 1},
};

const StileQuotaDxf* StileQuota(const std::string& nome) {
    for (const StileQuotaDxf& s : StiliQuota)
        if (nome == s.Nome) return &s;
    return nullptr;
}

std::vector<VariabileQuotaDxf> Variabili(int posizioneTesto, float fattoreLunghezza, int coloreTesto, int decimali,
                                         int sopprimi1, int sopprimi2, float unitaPerCm) {
    const float k = unitaPerCm;
    return {
        {41, "$DIMASZ", FormatNum(k, 4)},
        {42, "$DIMEXO", "60.0"},
        {44, "$DIMEXE", "16.0"},
        {73, "$DIMTIH", FormatIntDxf(0)},
        {74, "$DIMTOH", FormatIntDxf(0)},
        {75, "$DIMSE1", FormatIntDxf(1)},
        {76, "$DIMSE2", FormatIntDxf(1)},
        {77, "$DIMTAD", FormatIntDxf(posizioneTesto)},
        {78, "$DIMZIN", FormatIntDxf(8)},
        {140, "$DIMTXT", FormatNum(20 * k, 8)},
        {144, "$DIMLFAC", FormatNum(fattoreLunghezza / k, 8)},
        {147, "$DIMGAP", FormatNum(5 * k, 8)},
        {172, "$DIMTOFL", FormatIntDxf(1)},
        {174, "$DIMTIX", FormatIntDxf(1)},
        {178, "$DIMCLRT", FormatIntDxf(coloreTesto)},
        {271, "$DIMDEC", FormatIntDxf(decimali)},
        {272, "$DIMTDEC", FormatIntDxf(1)},
        {281, "$DIMSD1", FormatIntDxf(sopprimi1)},
        {282, "$DIMSD2", FormatIntDxf(sopprimi2)},
        {284, "$DIMTZIN", FormatIntDxf(8)},
        {289, "$DIMATFIT", FormatIntDxf(0)},
    };
}

}  // namespace

std::vector<VariabileQuotaDxf> VariabiliStileQuota(const std::string& nome, float unitaPerCm) {
    const StileQuotaDxf* s = StileQuota(nome);
    if (!s) return {};
    return Variabili(s->PosizioneTesto, s->FattoreLunghezza, 0, s->Decimali, s->Sopprimi, s->Sopprimi, unitaPerCm);
}

std::string FrecciaStileQuota(const std::string& nome) {
    const StileQuotaDxf* s = StileQuota(nome);
    return s && s->Sopprimi ? "_None" : "_FRECCIAMERANTO";
}

void RecordDimStyle(ContestoDxf& c, const std::string& nome, const std::string& handle,
                    int posizioneTesto, float fattoreLunghezza, int coloreTesto, int decimali,
                    int sopprimi1, int sopprimi2, const std::string& freccia, float unitaPerCm) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "DIMSTYLE");
    GruppoDxf(os, 105, handle);
    GruppoDxf(os, 330, "A");
    GruppoDxf(os, 100, "AcDbSymbolTableRecord");
    GruppoDxf(os, 100, "AcDbDimStyleTableRecord");
    GruppoDxf(os, 2, nome);
    GruppoIntDxf(os, 70, 0);
    for (const VariabileQuotaDxf& v :
         Variabili(posizioneTesto, fattoreLunghezza, coloreTesto, decimali, sopprimi1, sopprimi2, unitaPerCm))
        GruppoDxf(os, v.Codice, v.Valore);
    GruppoDxf(os, 340, c.HandleStile);
    GruppoDxf(os, 341, freccia);
    GruppoDxf(os, 342, freccia);
}

void DimStyleDxf(ContestoDxf& c, float unitaPerCm) {
    std::ostream& os = *c.Sezione;
    const std::string primo = NuovoHandle(c);
    GruppoDxf(os, 0, "TABLE");
    CoppiaDxf(os, "2", "DIMSTYLE");
    GruppoDxf(os, 5, "A");
    GruppoDxf(os, 330, "0");
    GruppoDxf(os, 100, "AcDbSymbolTable");
    GruppoIntDxf(os, 70, 4);
    GruppoDxf(os, 100, "AcDbDimStyleTable");
    GruppoIntDxf(os, 71, 0);
    GruppoDxf(os, 340, primo);
    for (const StileQuotaDxf& s : StiliQuota)
        RecordDimStyle(c, s.Nome, &s == StiliQuota ? primo : NuovoHandle(c), s.PosizioneTesto, s.FattoreLunghezza, 0,
                       s.Decimali, s.Sopprimi, s.Sopprimi, s.Sopprimi ? c.HandleNone : c.HandleFreccia, unitaPerCm);
    FineTabella(os);
}

void BlockRecordDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "TABLE");
    CoppiaDxf(os, "2", "BLOCK_RECORD");
    GruppoDxf(os, 5, "1");
    GruppoDxf(os, 330, "0");
    GruppoDxf(os, 100, "AcDbSymbolTable");
    CoppiaDxf(os, "70", FormatIntDxf(c.NumBlocchiX + c.NumBlocchiD + 6));
    BloccoRecord(os, "*Model_Space", c.HandleModelSpace, c.HandleLayoutModel);
    BloccoRecord(os, "*Paper_Space", c.HandlePaperSpace, c.HandleLayoutPaper);
    BloccoRecord(os, "_FRECCIAMERANTO", c.HandleFreccia, "0");
    BloccoRecord(os, "_NOFRECCIA", c.HandleNoFreccia, "0");
    BloccoRecord(os, "_None", c.HandleNone, "0");
    for (int n = 0; n < c.NumBlocchiX; ++n)
        BloccoRecord(os, "*X" + std::to_string(n), c.HandleBlocchiX.at(n), "0");
    for (int n = 0; n < c.NumBlocchiD; ++n)
        BloccoRecord(os, "*D" + std::to_string(n), c.HandleBlocchiD.at(n), "0");
    FineTabella(os);
}

void TabelleDxf(ContestoDxf& c, int numLayer, const StratiDisegno& strati, float unitaPerCm) {
    std::ostream& os = *c.Sezione;
    numLayer = std::clamp(numLayer, 0, NumLayer);
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "TABLES");
    VportDxf(c);
    TipiLineaDxf(c);
    TestaTabella(os, "LAYER", "2", numLayer + 3);
    LayerDxf(c, "0", 7, "Continuous");
    LayerDxf(c, "Defpoints", 7, "Continuous");
    for (int i = 0; i < numLayer; ++i) LayerDxf(c, strati.NomiLayer[i], strati.AciLayer[i], "Continuous");
    FineTabella(os);
    StileTestoDxf(c);
    TestaTabella(os, "VIEW", "6", 0);
    FineTabella(os);
    TestaTabella(os, "UCS", "7", 0);
    FineTabella(os);
    AppIdDxf(c);
    DimStyleDxf(c, unitaPerCm);
    BlockRecordDxf(c);
    GruppoDxf(os, 0, "ENDSEC");
}

}  // namespace vilmor
