#include "dxf/IntestazioneDxf.h"

#include <charconv>
#include <limits>
#include <ostream>
#include <string_view>
#include <string>
#include <vector>

#include "base/Formati.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/TabelleDxf.h"

namespace vilmor {
namespace {

// Values the header takes from the file it heads.
enum class Dinamico { No, Seme, EstMinX, EstMinY, EstMaxX, EstMaxY, LimMinX, LimMinY, LimMaxX, LimMaxY };

struct GruppoFisso {
    std::string Codice;
    std::string Valore;
    Dinamico Da = Dinamico::No;
};

struct Variabile {
    const char* Nome;
    std::vector<GruppoFisso> Gruppi;
};

GruppoFisso I(int codice, int valore) { return {CodiceDxf(codice), FormatIntDxf(valore)}; }
GruppoFisso T(int codice, const char* testo) { return {CodiceDxf(codice), testo}; }
// A code line written without its leading blanks.
GruppoFisso N(const char* codice, const char* testo) { return {codice, testo}; }
const GruppoFisso SEME{"  5", "", Dinamico::Seme};
GruppoFisso D(int codice, Dinamico d) { return {CodiceDxf(codice), "", d}; }

const std::vector<Variabile>& Variabili() {
    static const std::vector<Variabile> v = {
        {"$ACADVER", {T(1, "AC1015")}},
        {"$ACADMAINTVER", {I(70, 20)}},
        {"$DWGCODEPAGE", {T(3, "ANSI_1252")}},
        {"$INSBASE", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        // The extents of the entities written and limits around them.
        {"$EXTMIN", {D(10, Dinamico::EstMinX), D(20, Dinamico::EstMinY), T(30, "0.0")}},
        {"$EXTMAX", {D(10, Dinamico::EstMaxX), D(20, Dinamico::EstMaxY), T(30, "0.0")}},
        {"$LIMMIN", {D(10, Dinamico::LimMinX), D(20, Dinamico::LimMinY)}},
        {"$LIMMAX", {D(10, Dinamico::LimMaxX), D(20, Dinamico::LimMaxY)}},
        {"$ORTHOMODE", {I(70, 1)}},
        {"$REGENMODE", {I(70, 1)}},
        {"$FILLMODE", {I(70, 1)}},
        {"$QTEXTMODE", {I(70, 0)}},
        {"$MIRRTEXT", {I(70, 0)}},
        {"$LTSCALE", {T(40, "1.0")}},
        {"$ATTMODE", {I(70, 1)}},
        {"$TEXTSIZE", {T(40, "2.5")}},
        {"$TRACEWID", {T(40, "1.0")}},
        {"$TEXTSTYLE", {N("7", "STANDARD")}},
        {"$CLAYER", {T(8, "QUOTE")}},
        {"$CELTYPE", {T(6, "ByLayer")}},
        {"$CECOLOR", {T(62, "256")}},
        {"$CELTSCALE", {T(40, "1.0")}},
        {"$DISPSILH", {I(70, 0)}},
        {"$DIMSCALE", {T(40, "1.0")}},
        {"$DIMASZ", {T(40, "1.0")}},
        {"$DIMEXO", {T(40, "60.0")}},
        {"$DIMDLI", {T(40, "0.38")}},
        {"$DIMRND", {T(40, "0.0")}},
        {"$DIMDLE", {T(40, "0.0")}},
        {"$DIMEXE", {T(40, "16.0")}},
        {"$DIMTP", {T(40, "0.0")}},
        {"$DIMTM", {T(40, "0.0")}},
        {"$DIMTXT", {T(40, "20.0")}},
        {"$DIMCEN", {T(40, "0.09")}},
        {"$DIMTSZ", {T(40, "0.0")}},
        {"$DIMTOL", {I(70, 0)}},
        {"$DIMLIM", {I(70, 0)}},
        {"$DIMTIH", {I(70, 0)}},
        {"$DIMTOH", {I(70, 0)}},
        {"$DIMSE1", {I(70, 1)}},
        {"$DIMSE2", {I(70, 1)}},
        {"$DIMTAD", {I(70, 1)}},
        {"$DIMZIN", {T(70, "8")}},
        {"$DIMBLK", {T(1, "_FRECCIAMERANTO")}},
        {"$DIMASO", {I(70, 1)}},
        {"$DIMSHO", {I(70, 1)}},
        {"$DIMPOST", {T(1, "")}},
        {"$DIMAPOST", {T(1, "")}},
        {"$DIMALT", {I(70, 0)}},
        {"$DIMALTD", {T(70, "  2")}},
        {"$DIMALTF", {T(40, "25.4")}},
        {"$DIMLFAC", {T(40, "0.5")}},
        {"$DIMTOFL", {I(70, 1)}},
        {"$DIMTVP", {T(40, "0.0")}},
        {"$DIMTIX", {I(70, 1)}},
        {"$DIMSOXD", {I(70, 0)}},
        {"$DIMSAH", {I(70, 0)}},
        {"$DIMBLK1", {T(1, "")}},
        {"$DIMBLK2", {T(1, "")}},
        {"$DIMSTYLE", {T(2, "SC50")}},
        {"$DIMCLRD", {I(70, 0)}},
        {"$DIMCLRE", {I(70, 0)}},
        {"$DIMCLRT", {I(70, 0)}},
        {"$DIMTFAC", {T(40, "1.0")}},
        {"$DIMGAP", {T(40, "5.0")}},
        {"$DIMJUST", {I(70, 0)}},
        {"$DIMSD1", {I(70, 0)}},
        {"$DIMSD2", {I(70, 0)}},
        {"$DIMTOLJ", {I(70, 1)}},
        {"$DIMTZIN", {I(70, 8)}},
        {"$DIMALTZ", {I(70, 0)}},
        {"$DIMALTTZ", {I(70, 0)}},
        {"$DIMUPT", {I(70, 0)}},
        {"$DIMDEC", {I(70, 1)}},
        {"$DIMTDEC", {I(70, 1)}},
        {"$DIMALTU", {I(70, 2)}},
        {"$DIMALTTD", {I(70, 2)}},
        {"$DIMTXSTY", {N("7", "STANDARD")}},
        {"$DIMAUNIT", {I(70, 0)}},
        {"$DIMADEC", {I(70, 0)}},
        {"$DIMALTRND", {T(40, "0.0")}},
        {"$DIMAZIN", {I(70, 0)}},
        {"$DIMDSEP", {I(70, 46)}},
        {"$DIMATFIT", {I(70, 3)}},
        {"$DIMFRAC", {I(70, 0)}},
        {"$DIMLDRBLK", {T(1, "None")}},
        {"$DIMLUNIT", {I(70, 2)}},
        {"$DIMLWD", {I(70, -2)}},
        {"$DIMLWE", {I(70, -2)}},
        {"$DIMTMOVE", {I(70, 0)}},
        {"$LUNITS", {I(70, 2)}},
        {"$LUPREC", {I(70, 4)}},
        {"$SKETCHINC", {T(40, "1.0")}},
        {"$FILLETRAD", {T(40, "0.0")}},
        {"$AUNITS", {I(70, 0)}},
        {"$AUPREC", {I(70, 0)}},
        {"$MENU", {T(1, ".")}},
        {"$ELEVATION", {T(40, "0.0")}},
        {"$PELEVATION", {T(40, "0.0")}},
        {"$THICKNESS", {T(40, "0.0")}},
        {"$LIMCHECK", {I(70, 0)}},
        {"$CHAMFERA", {T(40, "0.0")}},
        {"$CHAMFERB", {T(40, "0.0")}},
        {"$CHAMFERC", {T(40, "0.0")}},
        {"$CHAMFERD", {T(40, "0.0")}},
        {"$SKPOLY", {I(70, 0)}},
        {"$TDCREATE", {T(40, "2456345.703363681")}},
        {"$TDUCREATE", {T(40, "2456345.661697014")}},
        {"$TDUPDATE", {T(40, "2457790.468364074")}},
        {"$TDUUPDATE", {T(40, "2457790.426697408")}},
        {"$TDINDWG", {T(40, "0.0162000810")}},
        {"$TDUSRTIMER", {T(40, "2457788.601178449")}},
        {"$USRTIMER", {I(70, 1)}},
        {"$ANGBASE", {N("50", "0.0")}},
        {"$ANGDIR", {I(70, 0)}},
        {"$PDMODE", {I(70, 0)}},
        {"$PDSIZE", {T(40, "0.0")}},
        {"$PLINEWID", {T(40, "0.0")}},
        {"$SPLFRAME", {I(70, 0)}},
        {"$SPLINETYPE", {I(70, 6)}},
        {"$SPLINESEGS", {I(70, 8)}},
        {"$HANDSEED", {SEME}},
        {"$SURFTAB1", {I(70, 6)}},
        {"$SURFTAB2", {I(70, 6)}},
        {"$SURFTYPE", {I(70, 6)}},
        {"$SURFU", {I(70, 6)}},
        {"$SURFV", {I(70, 6)}},
        {"$UCSBASE", {T(2, "")}},
        {"$UCSNAME", {T(2, "")}},
        {"$UCSORG", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSXDIR", {T(10, "1.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSYDIR", {T(10, "0.0"), T(20, "1.0"), T(30, "0.0")}},
        {"$UCSORTHOREF", {T(2, "")}},
        {"$UCSORTHOVIEW", {I(70, 0)}},
        {"$UCSORGTOP", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSORGBOTTOM", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSORGLEFT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSORGRIGHT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSORGFRONT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$UCSORGBACK", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSBASE", {T(2, "")}},
        {"$PUCSNAME", {T(2, "")}},
        {"$PUCSORG", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSXDIR", {T(10, "1.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSYDIR", {T(10, "0.0"), T(20, "1.0"), T(30, "0.0")}},
        {"$PUCSORTHOREF", {T(2, "")}},
        {"$PUCSORTHOVIEW", {I(70, 0)}},
        {"$PUCSORGTOP", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSORGBOTTOM", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSORGLEFT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSORGRIGHT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSORGFRONT", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PUCSORGBACK", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$USERI1", {I(70, 0)}},
        {"$USERI2", {I(70, 0)}},
        {"$USERI3", {I(70, 0)}},
        {"$USERI4", {I(70, 0)}},
        {"$USERI5", {I(70, 0)}},
        {"$USERR1", {T(40, "0.0")}},
        {"$USERR2", {T(40, "0.0")}},
        {"$USERR3", {T(40, "0.0")}},
        {"$USERR4", {T(40, "0.0")}},
        {"$USERR5", {T(40, "0.0")}},
        {"$WORLDVIEW", {I(70, 1)}},
        {"$SHADEDGE", {I(70, 3)}},
        {"$SHADEDIF", {I(70, 70)}},
        {"$TILEMODE", {I(70, 1)}},
        {"$MAXACTVP", {I(70, 64)}},
        {"$PINSBASE", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PLIMCHECK", {I(70, 0)}},
        {"$PEXTMIN", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PEXTMAX", {T(10, "0.0"), T(20, "0.0"), T(30, "0.0")}},
        {"$PLIMMIN", {T(10, "0.0"), T(20, "0.0")}},
        // As $LIMMAX: a sheet of zero size is printed as a dot on an empty page.
        {"$PLIMMAX", {T(10, "420.0"), T(20, "297.0")}},
        {"$UNITMODE", {I(70, 0)}},
        {"$VISRETAIN", {I(70, 1)}},
        {"$PLINEGEN", {I(70, 0)}},
        {"$PSLTSCALE", {I(70, 1)}},
        {"$TREEDEPTH", {I(70, 3020)}},
        {"$CMLSTYLE", {T(2, "STANDARD")}},
        {"$CMLJUST", {I(70, 0)}},
        {"$CMLSCALE", {T(40, "1.0")}},
        {"$PROXYGRAPHICS", {I(70, 1)}},
        {"$MEASUREMENT", {I(70, 0)}},
        {"$CELWEIGHT", {I(370, -1)}},
        {"$ENDCAPS", {I(280, 0)}},
        {"$JOINSTYLE", {I(280, 0)}},
        {"$LWDISPLAY", {I(290, 0)}},
        {"$INSUNITS", {I(70, 0)}},
        {"$HYPERLINKBASE", {T(1, "")}},
        {"$STYLESHEET", {T(1, "")}},
        {"$XEDIT", {I(290, 1)}},
        {"$CEPSNTYPE", {I(380, 0)}},
        {"$PSTYLEMODE", {I(290, 1)}},
        {"$FINGERPRINTGUID", {T(2, "{62FF5D6E-9127-43A8-B05D-8F3A3F57DF89}")}},
        {"$VERSIONGUID", {T(2, "{50CCDE9C-BAF8-4722-A3D6-CF2A985BF43E}")}},
        {"$EXTNAMES", {I(290, 1)}},
        {"$PSVPSCALE", {T(40, "0.0")}},
        {"$OLESTARTUP", {I(290, 0)}},
    };
    return v;
}

struct Classe {
    const char* Record;
    const char* Nome;
    const char* Applicazione;
    int Proxy;
};

constexpr const char* Odbx = "ObjectDBX Classes";
constexpr const char* AppDimAssoc =
    "\"AcDbDimAssoc|Product Desc:     AcDim ARX App For Dimension|Company:          "
    "Autodesk, Inc.|WEB Address:      \"";

constexpr Classe Classi[] = {
    {"ACDBDICTIONARYWDFLT", "AcDbDictionaryWithDefault", Odbx, 0},
    {"ACDBPLACEHOLDER", "AcDbPlaceHolder", Odbx, 0},
    {"LAYOUT", "AcDbLayout", Odbx, 0},
    {"DICTIONARYVAR", "AcDbDictionaryVar", Odbx, 0},
    {"TABLESTYLE", "AcDbTableStyle", Odbx, 4095},
    {"MATERIAL", "AcDbMaterial", Odbx, 0},
    {"VISUALSTYLE", "AcDbVisualStyle", Odbx, 4095},
    {"DIMASSOC", "AcDbDimAssoc", AppDimAssoc, 0},
    {"SORTENTSTABLE", "AcDbSortentsTable", Odbx, 0},
    {"ACAD_EVALUATION_GRAPH", "AcDbEvalGraph", Odbx, 33921},
    {"ACAECUSTOBJ", "AcAeEditorObj", "AcAeEditorObj", 33792},
    {"ACDB_DYNAMICBLOCKPURGEPREVENTER_VERSION", "AcDbDynamicBlockPurgePreventer", Odbx, 33921},
};

std::string ValoreDinamico(ContestoDxf& c, const InquadraturaDxf& q, Dinamico d) {
    const Ingombro& e = c.Estensione;
    // An empty drawing has the sheet for its extents.
    switch (d) {
        case Dinamico::Seme: return NuovoHandle(c);
        case Dinamico::EstMinX: return NumeroLiberoDxf(e.Vuoto ? q.LimMinX : e.XMin);
        case Dinamico::EstMinY: return NumeroLiberoDxf(e.Vuoto ? q.LimMinY : e.YMin);
        case Dinamico::EstMaxX: return NumeroLiberoDxf(e.Vuoto ? q.LimMaxX : e.XMax);
        case Dinamico::EstMaxY: return NumeroLiberoDxf(e.Vuoto ? q.LimMaxY : e.YMax);
        case Dinamico::LimMinX: return NumeroLiberoDxf(q.LimMinX);
        case Dinamico::LimMinY: return NumeroLiberoDxf(q.LimMinY);
        case Dinamico::LimMaxX: return NumeroLiberoDxf(q.LimMaxX);
        case Dinamico::LimMaxY: return NumeroLiberoDxf(q.LimMaxY);
        case Dinamico::No: break;
    }
    return {};
}

// A value line read as a number, blanks around it ignored; NaN when it is none.
double LeggiReale(std::string_view t) {
    while (!t.empty() && t.front() == ' ') t.remove_prefix(1);
    double v = std::numeric_limits<double>::quiet_NaN();
    const auto [fine, errore] = std::from_chars(t.data(), t.data() + t.size(), v);
    return errore == std::errc() && fine == t.data() + t.size() ? v : std::numeric_limits<double>::quiet_NaN();
}

}  // namespace

void HeaderDxf(ContestoDxf& c, float unitaPerCm) {
    std::ostream& os = *c.Sezione;
    const InquadraturaDxf q = Inquadratura(c.Estensione, AspettoVistaDxf);
    const std::string stile = c.StileQuote.empty() ? c.StileQuoteScala : c.StileQuote;
    const std::vector<VariabileQuotaDxf> quota = VariabiliStileQuota(stile, unitaPerCm);
    // The value of a dimension variable: the style's, in the template's form where it is the same.
    auto valoreQuota = [&](const char* nome, const std::string& modello) {
        if (std::string_view(nome) == "$DIMSTYLE") return stile;
        // The style's arrow block serves its dimension lines and its leaders alike.
        if (std::string_view(nome) == "$DIMBLK" || std::string_view(nome) == "$DIMLDRBLK")
            return FrecciaStileQuota(stile);
        for (const VariabileQuotaDxf& v : quota)
            if (std::string_view(nome) == v.Nome)
                return LeggiReale(v.Valore) == LeggiReale(modello) ? modello : v.Valore;
        return modello;
    };
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "HEADER");
    for (const Variabile& v : Variabili()) {
        GruppoDxf(os, 9, v.Nome);
        for (const GruppoFisso& g : v.Gruppi)
            CoppiaDxf(os, g.Codice,
                      g.Da == Dinamico::No ? valoreQuota(v.Nome, g.Valore) : ValoreDinamico(c, q, g.Da));
    }
    GruppoDxf(os, 0, "ENDSEC");
}

void ClassiDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "CLASSES");
    for (const Classe& k : Classi) {
        GruppoDxf(os, 0, "CLASS");
        GruppoDxf(os, 1, k.Record);
        GruppoDxf(os, 2, k.Nome);
        GruppoDxf(os, 3, k.Applicazione);
        std::string proxy = std::to_string(k.Proxy);
        GruppoDxf(os, 90, std::string(9 - proxy.size(), ' ') + proxy);
        GruppoIntDxf(os, 280, 0);
        GruppoIntDxf(os, 281, 0);
    }
    GruppoDxf(os, 0, "ENDSEC");
}

}  // namespace vilmor
