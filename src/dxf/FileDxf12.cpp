#include "dxf/FileDxf12.h"

#include <array>
#include <charconv>
#include <ostream>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "drawing/SinkDxf.h"
#include "drawing/VociDisegno.h"
#include "dxf/FileDxf2000.h"
#include "dxf/IntestazioneDxf.h"
#include "dxf/ScrittoriDxf.h"
#include "dxf/SezioniDxf.h"
#include "dxf/TratteggioDxf.h"

namespace vilmor {

namespace {

// Values the header takes from the drawing: its extents, the limits and view around them.
enum class Misura12 { No, EstMin, EstMax, LimMin, LimMax, VistaCentro, VistaAltezza };

// One header variable: group code and values (one for a scalar, two or three for a point), or
// the measure it takes them from.
struct VariabileDxf12 {
    const char* Nome;
    int Codice;  // 10 for a point
    const char* Valori[3];
    Misura12 Da = Misura12::No;
};

const VariabileDxf12 VariabiliDxf12[] = {
    {"$ACADVER", 1, {"AC1009"}},
    {"$INSBASE", 10, {"0.0", "0.0", "0.0"}},
    {"$EXTMIN", 10, {"", "", "0.0"}, Misura12::EstMin},
    {"$EXTMAX", 10, {"", "", "0.0"}, Misura12::EstMax},
    {"$LIMMIN", 10, {"", ""}, Misura12::LimMin},
    {"$LIMMAX", 10, {"", ""}, Misura12::LimMax},
    // The view a reader opens on: centred on the extents, tall enough to show them.
    {"$VIEWCTR", 10, {"", ""}, Misura12::VistaCentro},
    {"$VIEWSIZE", 40, {""}, Misura12::VistaAltezza},
    {"$ORTHOMODE", 70, {"1"}},
    {"$REGENMODE", 70, {"1"}},
    {"$FILLMODE", 70, {"1"}},
    {"$QTEXTMODE", 70, {"0"}},
    {"$MIRRTEXT", 70, {"0"}},
    {"$DRAGMODE", 70, {"2"}},
    {"$LTSCALE", 40, {"1.0"}},
    {"$OSMODE", 70, {"135"}},
    {"$ATTMODE", 70, {"1"}},
    {"$TEXTSIZE", 40, {"2.5"}},
    {"$TRACEWID", 40, {"1.0"}},
    {"$TEXTSTYLE", 7, {"STANDARD"}},
    {"$CLAYER", 8, {"0"}},
    {"$CELTYPE", 6, {"BYLAYER"}},
    {"$CECOLOR", 62, {"256"}},
    {"$DIMSCALE", 40, {"1.0"}},
    {"$DIMASZ", 40, {"2.5"}},
    {"$DIMEXO", 40, {"0.625"}},
    {"$DIMDLI", 40, {"3.75"}},
    {"$DIMRND", 40, {"0.0"}},
    {"$DIMDLE", 40, {"0.0"}},
    {"$DIMEXE", 40, {"1.25"}},
    {"$DIMTP", 40, {"0.0"}},
    {"$DIMTM", 40, {"0.0"}},
    {"$DIMTXT", 40, {"2.5"}},
    {"$DIMCEN", 40, {"2.5"}},
    {"$DIMTSZ", 40, {"0.0"}},
    {"$DIMTOL", 70, {"0"}},
    {"$DIMLIM", 70, {"0"}},
    {"$DIMTIH", 70, {"0"}},
    {"$DIMTOH", 70, {"0"}},
    {"$DIMSE1", 70, {"0"}},
    {"$DIMSE2", 70, {"0"}},
    {"$DIMTAD", 70, {"1"}},
    {"$DIMZIN", 70, {"8"}},
    {"$DIMBLK", 1, {""}},
    {"$DIMASO", 70, {"1"}},
    {"$DIMSHO", 70, {"1"}},
    {"$DIMPOST", 1, {""}},
    {"$DIMAPOST", 1, {""}},
    {"$DIMALT", 70, {"0"}},
    {"$DIMALTD", 70, {"3"}},
    {"$DIMALTF", 40, {"0.2"}},
    {"$DIMLFAC", 40, {"1.0"}},
    {"$DIMTOFL", 70, {"1"}},
    {"$DIMTVP", 40, {"0.0"}},
    {"$DIMTIX", 70, {"0"}},
    {"$DIMSOXD", 70, {"0"}},
    {"$DIMSAH", 70, {"0"}},
    {"$DIMBLK1", 1, {""}},
    {"$DIMBLK2", 1, {""}},
    {"$DIMSTYLE", 2, {"ISO-25"}},
    {"$DIMCLRD", 70, {"0"}},
    {"$DIMCLRE", 70, {"0"}},
    {"$DIMCLRT", 70, {"0"}},
    {"$DIMTFAC", 40, {"1.0"}},
    {"$DIMGAP", 40, {"0.625"}},
    {"$LUNITS", 70, {"2"}},
    {"$LUPREC", 70, {"4"}},
    {"$SKETCHINC", 40, {"1.0"}},
    {"$FILLETRAD", 40, {"0.0"}},
    {"$AUNITS", 70, {"0"}},
    {"$AUPREC", 70, {"0"}},
    {"$MENU", 1, {"."}},
    {"$ELEVATION", 40, {"0.0"}},
    {"$PELEVATION", 40, {"0.0"}},
    {"$THICKNESS", 40, {"0.0"}},
    {"$LIMCHECK", 70, {"0"}},
    {"$BLIPMODE", 70, {"0"}},
    {"$CHAMFERA", 40, {"0.0"}},
    {"$CHAMFERB", 40, {"0.0"}},
    {"$SKPOLY", 70, {"0"}},
    {"$TDCREATE", 40, {"2456345.7033636812"}},
    {"$USRTIMER", 70, {"1"}},
    {"$ANGBASE", 50, {"0.0"}},
    {"$ANGDIR", 70, {"0"}},
    {"$PDMODE", 70, {"0"}},
    {"$PDSIZE", 40, {"0.0"}},
    {"$PLINEWID", 40, {"0.0"}},
    {"$COORDS", 70, {"0"}},
    {"$SPLFRAME", 70, {"0"}},
    {"$SPLINETYPE", 70, {"6"}},
    {"$SPLINESEGS", 70, {"8"}},
    {"$ATTDIA", 70, {"0"}},
    {"$ATTREQ", 70, {"1"}},
    // No record carries a handle, so none are declared.
    {"$HANDLING", 70, {"0"}},
    {"$SURFTAB1", 70, {"6"}},
    {"$SURFTAB2", 70, {"6"}},
    {"$SURFTYPE", 70, {"6"}},
    {"$SURFU", 70, {"6"}},
    {"$SURFV", 70, {"6"}},
    {"$UCSNAME", 2, {""}},
    {"$UCSORG", 10, {"0.0", "0.0", "0.0"}},
    {"$UCSXDIR", 10, {"1.0", "0.0", "0.0"}},
    {"$UCSYDIR", 10, {"0.0", "1.0", "0.0"}},
    {"$PUCSNAME", 2, {""}},
    {"$PUCSORG", 10, {"0.0", "0.0", "0.0"}},
    {"$PUCSXDIR", 10, {"1.0", "0.0", "0.0"}},
    {"$PUCSYDIR", 10, {"0.0", "1.0", "0.0"}},
    {"$USERI1", 70, {"0"}},
    {"$USERI2", 70, {"0"}},
    {"$USERI3", 70, {"0"}},
    {"$USERI4", 70, {"0"}},
    {"$USERI5", 70, {"0"}},
    {"$USERR1", 40, {"0.0"}},
    {"$USERR2", 40, {"0.0"}},
    {"$USERR3", 40, {"0.0"}},
    {"$USERR4", 40, {"0.0"}},
    {"$USERR5", 40, {"0.0"}},
    {"$WORLDVIEW", 70, {"1"}},
    {"$SHADEDGE", 70, {"3"}},
    {"$SHADEDIF", 70, {"70"}},
    {"$TILEMODE", 70, {"1"}},
    {"$MAXACTVP", 70, {"64"}},
    {"$PLIMCHECK", 70, {"0"}},
    {"$PEXTMIN", 10, {"0.0", "0.0", "0.0"}},
    {"$PEXTMAX", 10, {"0.0", "0.0", "0.0"}},
    {"$PLIMMIN", 10, {"0.0", "0.0"}},
    // An A3 sheet, as the limits of DXF 2000: a 12 x 9 sheet prints as a stamp.
    {"$PLIMMAX", 10, {"420.0", "297.0"}},
    {"$UNITMODE", 70, {"0"}},
    {"$VISRETAIN", 70, {"1"}},
    {"$PLINEGEN", 70, {"0"}},
    {"$PSLTSCALE", 70, {"1"}},
};

// An integer as the print form writes it: a blank for the sign, the digits, a blank.
std::string StampaIntero(int v) {
    char buf[16];
    // The magnitude unsigned: the least int has no positive counterpart.
    const unsigned m = v < 0 ? 0u - static_cast<unsigned>(v) : static_cast<unsigned>(v);
    auto r = std::to_chars(buf, buf + sizeof buf, m);
    return std::string(v < 0 ? "-" : " ") + std::string(buf, r.ptr) + " ";
}

struct TipoLinea12 {
    const char* Nome;
    const char* Descrizione;
    const char* Numero;
    const char* Totale;
    std::array<const char*, 4> Elementi;
};

const TipoLinea12 TipiLinea12[] = {
    {"CONTINUOUS", "Solid Line", "0", "0.0", {}},
    {"DOT", "...............................................", "2", "0.75", {"0.0", "-0.75"}},
    {"DASHDOT", "__ . __ . __ . __ . __ . __ . __ . __ . __ . __", "4", "1.0",
     {"0.5", "-0.25", "0.0", "-0.25"}},
    {"DASHED2", "_ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _ _", "2", "17.5", {"10.0", "-7.5"}},
    {"DASHED", "__ __ __ __ __ __ __ __ __ __ __ __ __ __ __ __", "2", "40.0", {"25", "-15"}},
};

void Tabella(std::ostream& os, const char* nome, const std::string& numero) {
    GruppoDxf(os, 0, "TABLE");
    GruppoDxf(os, 2, nome);
    GruppoDxf(os, 70, numero);
}

}  // namespace

int NumVariabiliHeaderDxf12() { return static_cast<int>(std::size(VariabiliDxf12)); }

void HeaderDxf12(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    const Ingombro& e = c.Estensione;
    const InquadraturaDxf q = Inquadratura(e, AspettoVistaDxf);
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "HEADER");
    for (const VariabileDxf12& v : VariabiliDxf12) {
        GruppoDxf(os, 9, v.Nome);
        std::string x = v.Valori[0] ? v.Valori[0] : "", y = v.Valori[1] ? v.Valori[1] : "";
        // An empty drawing has the sheet for its extents.
        switch (v.Da) {
            case Misura12::EstMin:
                x = NumeroLiberoDxf(e.Vuoto ? q.LimMinX : e.XMin);
                y = NumeroLiberoDxf(e.Vuoto ? q.LimMinY : e.YMin);
                break;
            case Misura12::EstMax:
                x = NumeroLiberoDxf(e.Vuoto ? q.LimMaxX : e.XMax);
                y = NumeroLiberoDxf(e.Vuoto ? q.LimMaxY : e.YMax);
                break;
            case Misura12::LimMin: x = NumeroLiberoDxf(q.LimMinX), y = NumeroLiberoDxf(q.LimMinY); break;
            case Misura12::LimMax: x = NumeroLiberoDxf(q.LimMaxX), y = NumeroLiberoDxf(q.LimMaxY); break;
            case Misura12::VistaCentro: x = NumeroLiberoDxf(q.CentroX), y = NumeroLiberoDxf(q.CentroY); break;
            case Misura12::VistaAltezza: x = NumeroLiberoDxf(q.Altezza); break;
            case Misura12::No: break;
        }
        if (v.Codice == 10) {
            GruppoDxf(os, 10, x);
            GruppoDxf(os, 20, y);
            if (v.Valori[2]) GruppoDxf(os, 30, v.Valori[2]);
        } else {
            GruppoDxf(os, v.Codice, x);
        }
    }
    GruppoDxf(os, 0, "ENDSEC");
}

void LayerDxf12(ContestoDxf& c, const std::string& nome, int aci, const std::string& tipoLinea) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "LAYER");
    GruppoDxf(os, 2, nome);
    GruppoDxf(os, 70, StampaIntero(0));
    GruppoDxf(os, 62, StampaIntero(aci));
    GruppoDxf(os, 6, tipoLinea);
}

void TabelleDxf12(ContestoDxf& c, int numLayer, const StratiDisegno& strati) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "TABLES");

    Tabella(os, "LTYPE", "  5");
    for (const TipoLinea12& t : TipiLinea12) {
        GruppoDxf(os, 0, "LTYPE");
        GruppoDxf(os, 2, t.Nome);
        GruppoDxf(os, 70, "    64");
        GruppoDxf(os, 3, t.Descrizione);
        GruppoDxf(os, 72, "    65");
        GruppoDxf(os, 73, std::string(6 - std::char_traits<char>::length(t.Numero), ' ') + t.Numero);
        GruppoDxf(os, 40, t.Totale);
        for (const char* e : t.Elementi)
            if (e) GruppoDxf(os, 49, e);
    }
    GruppoDxf(os, 0, "ENDTAB");

    GruppoDxf(os, 0, "TABLE");
    GruppoDxf(os, 2, "LAYER");
    GruppoIntDxf(os, 70, numLayer + 3);
    LayerDxf12(c, "0", 7, "Continuous");
    LayerDxf12(c, "Defpoints", 7, "Continuous");
    for (int i = 0; i < numLayer; ++i)
        LayerDxf12(c, strati.NomiLayer[i], strati.AciLayer[i], i == 0 ? "DASHED2" : "Continuous");
    GruppoDxf(os, 0, "ENDTAB");

    Tabella(os, "STYLE", "  2");
    for (const auto& [nome, font] : {std::pair{"STANDARD", "arial.ttf"}, std::pair{"ANNOTATIVA", "Txt"}}) {
        GruppoDxf(os, 0, "STYLE");
        GruppoDxf(os, 2, nome);
        GruppoDxf(os, 70, "     0");
        GruppoDxf(os, 40, "0.0");
        GruppoDxf(os, 41, "1.0");
        GruppoDxf(os, 50, "0.0");
        GruppoDxf(os, 71, "     0");
        GruppoDxf(os, 42, "2.5");
        GruppoDxf(os, 3, font);
        GruppoDxf(os, 4, "");
    }
    GruppoDxf(os, 0, "ENDTAB");
    GruppoDxf(os, 0, "ENDSEC");
}

void BlocchiDxf12(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "BLOCKS");
    CopiaRigheDxf(c.Blocchi, os);
    GruppoDxf(os, 0, "ENDSEC");
}

bool AssemblaDxf12(ContestoDxf& c, int numLayer, const StratiDisegno& strati,
                   std::ostream& destinazione) {
    c.Sezione = &destinazione;
    HeaderDxf12(c);
    TabelleDxf12(c, numLayer, strati);
    BlocchiDxf12(c);
    EntitaDxf(c);
    FineFileDxf(c);
    destinazione.flush();
    const bool letti = !(c.Entita && c.Entita->bad()) && !(c.Blocchi && c.Blocchi->bad());
    return letti && static_cast<bool>(destinazione);
}

namespace {

class SinkInstallato12 {
public:
    explicit SinkInstallato12(SinkDisegno* s) : vecchio_(Piatt.SinkDxf) { Piatt.SinkDxf = s; }
    ~SinkInstallato12() { Piatt.SinkDxf = vecchio_; }
    SinkInstallato12(const SinkInstallato12&) = delete;
    SinkInstallato12& operator=(const SinkInstallato12&) = delete;

private:
    SinkDisegno* vecchio_;
};

class TratteggioInstallato12 {
public:
    TratteggioInstallato12() : proprio_(TratteggioDxf == nullptr) {
        if (proprio_) InstallaTratteggioDxf();
    }
    ~TratteggioInstallato12() {
        if (proprio_) TratteggioDxf = nullptr;
    }
    TratteggioInstallato12(const TratteggioInstallato12&) = delete;
    TratteggioInstallato12& operator=(const TratteggioInstallato12&) = delete;

private:
    bool proprio_;
};

}  // namespace

bool SalvaDxf12(const std::string& percorso, const std::function<void()>& disegna, bool avvisa,
                int* errore) {
    auto scrivi = [&](std::ostream& destinazione) {
        FlussoTemporaneo entita("vilmor-entita-"), blocchi("vilmor-blocchi-");
        if (!entita.Aperto() || !blocchi.Aperto()) return false;
        ContestoDxf c;
        InizializzaDxf(c);
        c.Entita = &entita;
        c.Blocchi = &blocchi;
        ScrittoreDxf scrittore(c, true);
        SinkDxf sink(&scrittore);
        {
            SinkInstallato12 installato(&sink);
            TratteggioInstallato12 tratteggio;
            disegna();
        }
        entita.flush();
        blocchi.flush();
        if (!entita || !blocchi) return false;
        return AssemblaDxf12(c, NumLayer, Strati, destinazione);
    };
    return ScriviFileAtomicoFlusso(percorso, scrivi, avvisa, errore);
}

}  // namespace vilmor
