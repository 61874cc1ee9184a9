// The process-wide settings, the current materials and the command identifiers. Their
// instances `Imp`, `Mat` and `Comandi` are listed with every process-wide group in
// definizioni.h.
//
// The settings carry their program defaults here; `ImpostaDefault` (Resource.h) puts them back
// by resetting `Imp` to its initialisers, so a member added to `Impostazioni` needs its default
// as initialiser, and a value that must survive the reset belongs elsewhere.
// Settings that belong to the project or to the view (`MagliaUnica`, `PiegaAncoraggio`,
// `LatoScelto`, `CodiceVista`, ...) live with the model and the view in definizioni.h; the layer
// table and the screen colours in `Strati`.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vilmor {

struct Calcestruzzo {
    std::string Nome;
    std::string ClassiEsposizione;
    double Rck = 0, Fck = 0, Fctm = 0, Ecm = 0, EcmCalcolo = 0;
    double Poisson = 0, Poisson2 = 0, Dilatazione = 0, G = 0, Densita = 0, FckNominale = 0;
};

struct Acciaio {
    std::string Nome;
    std::string Descrizione;
    double TensAmmissibile = 0;
    int32_t AderenzaMigliorata = 0;
    double Fyk = 0, Ftk = 0, Allungamento = 0, E = 0, G = 0, Poisson = 0, Dilatazione = 0, Densita = 0;
};

struct Impostazioni {
    // Limits of the diffuse-mesh design (diameters mm, spacings cm).
    int DiamMaxSup = 28, DiamMaxInf = 28;
    int DiamMinSup = 6, DiamMinInf = 6;
    int PassoMaxSup = 50, PassoMaxInf = 50;
    int PassoMinSup = 5, PassoMinInf = 5;
    int ProgettaPasso = 0;   // the design varies 0 the diameter, 1 the spacing
    int CoperturaMin = 60;   // share of nodes (%) a diffuse layer must satisfy
    int IncrDiametro = 2;
    float IncrPasso = 1.0f;
    int SceltaIncrDiam = 1, SceltaIncrPasso = 1;

    // Chairs given to each loaded slab.
    int DiamCavallettiDef = 12;
    float PassoCavalletti1Def = 50.0f, PassoCavalletti2Def = 50.0f;

    // Curbs, studs, integrative bars.
    int DiamStaffeCordolo = 8;
    int DiamReggistaffeCordolo = 14;
    float LargStaffaCordolo = 30.0f;
    float PassoStaffeCordolo = 20.0f;
    int DiamPioli = 12;
    float PassoMaxPioli = 30.0f;
    int PassoBasePioli = 0;
    float PassoMaxIntegrativa = 30.0f;
    float CopriferroCordolo = 6.0f;

    // Kept in the settings file and shown in the settings dialog; nothing computes with them.
    int ParamRiserva1 = 18;
    float ParamRiserva2 = 15.0f;
    int ParamRiserva3 = 2;

    // Anchorage in bar diameters; longest single bar (cm).
    int AncoraggioMin = 20, AncoraggioMax = 104;
    float LungMaxFerri = 600.0f;

    // Dimensions.
    int DecimaliQuote = 1;
    int QuoteInMetri = 0;

    // Tolerance of the steel provided: 0 percent of the required area, else fixed cm2/m.
    int ModoTolleranza = 1;
    float TolleranzaPerc = 0, TolleranzaFissa = 0;

    // DXF: `ScalaMm` mm on paper = `ScalaUnita` drawing units.
    float ScalaMm = 1.0f, ScalaUnita = 10.0f;
    float UnitaPerCm = 1.0f;  // ScalaUnita x 0.1 / ScalaMm
    float FattoreDxf = 2.0f;  // 2 x UnitaPerCm at 1:50
    int ScalaDxf50 = 1;

    int IconeGrandi = 0;  // 0 16-pixel toolbar icons, 1 24-pixel
    int PassoGrigliaX = 10, PassoGrigliaY = 10;

    // Drawing background: 0 black, non-zero white. Not a default and not in the settings file:
    // every run starts on black, and resetting the defaults keeps the user's choice.
    int SfondoBianco = 0;
};

// Steel grades and concrete classes: the selection and the current records.
struct Materiali {
    int IndiceAcciaio = 4;  // 0 .. 4, B450C
    int IndiceCls = 4;      // 0 .. 10, C25/30
    Acciaio AcciaioCorrente;
    Calcestruzzo ClsCorrente;
    std::array<std::string, 9> NomiAcciai{};
    std::array<std::string, 12> NomiCls{};
};

// Identifiers of the toolbar and menu commands: n x 1000 + k, n = 1 small icons, 2 large.
// An identifier is also the tag of the command's icon.
struct IdentificatoriComandi {
    int32_t IdApri = 0, IdSalva = 0, IdImportaArmature = 0, IdEsci = 0;
    int32_t IdAnnulla = 0, IdRipeti = 0;
    int32_t IdZoom = 0, IdVistaPrecedente = 0, IdVistaTotale = 0, IdAvvicina = 0, IdAllontana = 0,
            IdTrascina = 0;
    int32_t IdImpostazioni = 0, IdOttimizzaDiffusa = 0, IdDisponiIntegrative = 0;
    int32_t IdMappaCalcolo = 0, IdEccedenza = 0;
    int32_t IdVisDiffusa = 0, IdVisIntegrativa = 0, IdVisTavola = 0;
    int32_t IdInsIntegrativa = 0, IdArmPilastri = 0, IdArmPali = 0, IdRete = 0, IdCordoli = 0;
    int32_t IdPunzonamento = 0, IdArmTaglio = 0;
    int32_t IdCopia = 0, IdCopiaLato = 0, IdSposta = 0, IdCancellaArm = 0, IdInfoNodi = 0;
    int32_t IdPerimetro = 0;
    int32_t IdSezione1 = 0, IdSezione2 = 0, IdSpostaSez = 0, IdCancellaSez = 0;
    int32_t IdRiferimento = 0;
    int32_t IdQuotaOrizz = 0, IdQuotaVert = 0, IdQuotaAllin = 0, IdCancellaQuota = 0,
            IdQuotaContinua = 0, IdSpostaQuota = 0, IdVisQuota = 0, IdQuotaAuto = 0;
    int32_t IdComputo = 0;
};

}  // namespace vilmor
