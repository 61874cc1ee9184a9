// The quantities report of one slab: the bar schedules of the diffuse mesh and of the
// integrative zones, the curb bars and stirrups, the shear studs and the punching studs, the
// chairs, the steel weight, the concrete volume and the incidence.
//
// Every figure is computed from the model apart from its text: the `Righe*` functions and
// `CalcolaComputo` give the numbers, the `Testo*` functions write them. Weights are the bar area
// x 0.00785 x the length (kg, lengths in cm). Each routine works on the model it is handed.
#pragma once

#include <string>
#include <vector>

#include "model/definizioni.h"

namespace vilmor {

// What a report keeps while it is built: the document and the running weights and volumes.
struct StatoRelazione {
    std::string TestoRtf;
    float PesoSoletta = 0;   // kg, steel of the slab being reported
    float PesoTotale = 0;    // kg, over the slabs reported
    float VolumeTotale = 0;  // m3, over the slabs reported
};

// One layer of the diffuse mesh.
struct RigaDiffusa {
    int Diametro = 0;
    float Passo = 0, LungTotale = 0, Peso = 0;
};

// A face zone (kind 0 upper face, 1 lower face).
struct RigaIntegrativa {
    int Zona = 0;  // index in the zones; the plan shows it + 1
    int Tipo = 0, Direzione = 0, Diametro = 0;
    float Passo = 0, LungTotale = 0, Peso = 0;
};

// The longitudinal bars of a curb: 2+2, or 4+4 with more than two stirrup legs.
struct RigaCorrenti {
    int Zona = 0;
    int NumFerri = 4;
    int Diametro = 0;
    float Lunghezza = 0;  // the curb's length
    float LungTotale = 0, Peso = 0;
};

// The stirrups of a curb.
struct RigaStaffe {
    int Zona = 0;
    int Numero = 0;
    int Diametro = 0;
    float Lunghezza = 0;  // one stirrup, hooks included
    float LungTotale = 0, Peso = 0;
};

// A shear-stud zone (kind 3).
struct RigaPioli {
    int Zona = 0;
    int Pioli = 0;
    int Diametro = 0;
    float Passo = 0, Passo2 = 0;
    float Peso = 0;
};

// The rails of a punching record, or of one stretch of its control perimeter.
struct RigaPunz {
    int Record = 0;
    bool Pilastro = true;  // a column's record; else a node's
    int Numero = 0;        // the column's or the node's number
    int Listelli = 0, PioliListello = 0, Diametro = 0;
    float Peso = 0;
};

// The chairs that hold the upper mesh.
struct Distanziatori {
    int Diametro = 0;
    int Lunghezza = 0;  // one chair, cm
    float Passo1 = 0, Passo2 = 0;
    float Peso = 0;
};

struct ComputoSoletta {
    int NumeroSoletta = 0;
    bool MagliaUnica = false;
    // Upper direction 1 and 2, lower direction 1 and 2; only the lower ones for a central mesh.
    std::vector<RigaDiffusa> Diffusa;
    // The zone kinds present (any kind above 2 counts as studs) and the punching records.
    bool ConIntegrative = false, ConCordoli = false, ConPioli = false, ConPunzonamento = false;
    std::vector<RigaIntegrativa> Integrative;  // kind 0 in zone order, then kind 1
    std::vector<RigaCorrenti> Correnti;
    std::vector<RigaStaffe> Staffe;
    std::vector<RigaPioli> Pioli;
    std::vector<RigaPunz> Punzonamento;
    bool ConDistanziatori = false;
    Distanziatori Cavalletti;
    float Superficie = 0;   // m2, the outline less the openings
    float PesoSoletta = 0;  // kg, every row above
    float Volume = 0;       // m3
    bool ConIncidenza = false;  // only for a volume above 0
    float Incidenza = 0;        // kg/m3
};

// Rows of the curbs (kind 2), the stud zones (kind 3) and the punching records, in order.
std::vector<RigaCorrenti> RigheCorrenti(const Modello& m);
std::vector<RigaStaffe> RigheStaffe(const Modello& m);
std::vector<RigaPioli> RighePioli(const Modello& m);
std::vector<RigaPunz> RighePunz(const Modello& m);
// The outline's area less the openings', m2.
float SuperficieSoletta(const Modello& m);

// The figures of the report from the bar layout as it stands in m (nothing is laid out again).
ComputoSoletta CalcolaComputo(const Modello& m);

// The schedules' texts, each from its heading to its closing "\pard\fs20 ".
std::string TestoCorrenti(const std::vector<RigaCorrenti>& righe);
std::string TestoStaffe(const std::vector<RigaStaffe>& righe);
std::string TestoPioli(const std::vector<RigaPioli>& righe);
std::string TestoPunz(const std::vector<RigaPunz>& righe);
// The whole text of one slab, from its title to the incidence.
std::string TestoComputo(const ComputoSoletta& c);

// The stud and punching schedules: their text, their weights added to r.PesoSoletta.
std::string ComputaPioli(StatoRelazione& r, const Modello& m);
std::string ComputaPunz(StatoRelazione& r, const Modello& m);
// Both curb schedules appended to r.TestoRtf, their weights added to r.PesoSoletta.
void ComputaCordoli(StatoRelazione& r, const Modello& m);

// The report of m from the bar layout as it stands: appended to r.TestoRtf; r.PesoSoletta is
// the slab's steel, and the slab's weight and volume are added to the totals.
void ScriviComputo(StatoRelazione& r, const Modello& m);
// Lays the bars of m out again (CalcolaArmature), then ScriviComputo.
void CopuRTF(StatoRelazione& r, Modello& m);

// The report's page: A4 (11906 x 16838 twips) with margins of 1125 twips all round, so that
// the text is as wide as the last tab stop (17 cm of 568 twips) and centred on the sheet.
inline constexpr const char* PaginaRelazione = "\\paperw11906\\paperh16838\\margl1125\\margr1125\\margt1125\\margb1125 ";

// A new report: the document head, the page, the tab stops of its first paragraph (centred at
// 2 cm, right-aligned at 5, 7.5, 10.5, 13, 15 and 17), the totals at 0.
void IniziaRelazione(StatoRelazione& r);
// The summary that closes the report of several slabs, `solette` of them reported: count,
// weight, volume and, with a volume above 0, the incidence.
void RiepilogoRelazione(StatoRelazione& r, int solette);
// The whole document of the report of m alone: head, CopuRTF and tail, nothing in between.
std::string DocumentoComputo(Modello& m);

}  // namespace vilmor
