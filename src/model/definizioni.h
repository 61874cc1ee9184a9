// Shared records and the global state of one project.
//
// Types: every 4-byte real of the program stays `float` (results and files depend on its
// rounding), every 8-byte real `double`; counts and indexes are `int` so that no counter
// overflows on a large slab. Arrays are zero-based std::vector with their count or last
// index beside them, named as everywhere else in the program.
#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "base/Geometria.h"
#include "base/ImprontaFile.h"
#include "model/ArchivioPilastri.h"
#include "model/Impostazioni.h"
#include "model/ModelloAnalisi.h"

namespace vilmor {

// A zone table row count kept for file compatibility: 601 zones, indices 0 .. 600.
inline constexpr int MaxZone = 601;

struct Vertice {
    float X = 0;
    float Y = 0;
    int Segno = 0;  // clipping tag: -1 inside, -99 outside, >= 0 index of the side that produced it
};

struct Sezione {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    float X3 = 0, Y3 = 0, X4 = 0, Y4 = 0;
    float X5 = 0, Y5 = 0, X6 = 0, Y6 = 0;
    int Direzione = 0;  // 0 = direction 1
};

struct Zona {
    float XMin = 0, YMin = 0, XMax = 0, YMax = 0;
    std::array<Punto, 4> Angoli{};
    int Diametro = 0;
    int Diametro2 = 0;
    float Passo = 0;
    int Direzione = 0;
    int Tipo = 0;  // 0 upper face, 1 lower face, 2 curb, 3 shear studs
    float Angolo = 0;
    float XBarra1 = 0, YBarra1 = 0, XBarra2 = 0, YBarra2 = 0;
    float XRif = 0, YRif = 0;
    int NumBracci = 0;
    float Passo2 = 0;
    int LatoCordolo = 0;
    int PoligonoCordolo = 0;
    float LungTotale = 0;
    int UltVertice = -1;
    float XMin1 = 0, YMin1 = 0, XMax1 = 0, YMax1 = 0;
    float XMin2 = 0, YMin2 = 0, XMax2 = 0, YMax2 = 0;
    float XMarca = 0, YMarca = 0;
    float Copriferro = 0;
};

struct Quota {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    std::string Testo;
    int Pianta = -1;  // -1 = every plan
    float XP1 = 0, YP1 = 0, XP2 = 0, YP2 = 0;
};

struct Segmento {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0;
    int Codice = 0;
};

struct Palo {
    float X = 0, Y = 0;
    float Raggio = 0;
};

struct Pilastro {
    int Numero = 0;
    int Tratteggio = 0;
    int NumVertici = 0;  // kind: 0 archive type, 1 or 2 round, 3 or more polygon
    float X = 0, Y = 0;
    int Tipo = 0;        // kind 0: 1-based archive type
    float Angolo = 0;    // kind 0: degrees
    std::vector<float> VX, VY;
    float XMin = 0, YMin = 0, XMax = 0, YMax = 0;
};

struct SezionePilastro {
    std::string Sigla;
    std::string Descrizione;
    std::string Nome;
    float Dim0 = 0, Dim1 = 0, Dim2 = 0, Dim3 = 0;
    float EccBaricentro1 = 0, EccBaricentro2 = 0;
    float Dim4 = 0;
};

// An item the bar-layout pass could not lay out: it contributes nothing to the totals.
enum class GenereSaltato { StratoDiffuso, Zona };
struct ElementoSaltato {
    GenereSaltato Genere = GenereSaltato::Zona;
    // StratoDiffuso: the layer (0 upper face direction 1, 1 lower face direction 1, 2 upper
    // face direction 2, 3 lower face direction 2); Zona: the zone's index.
    int Indice = 0;
    // Runs of a diffuse layer left out (the rest of the layer is measured); 0: the whole item.
    int Tratti = 0;
    std::string Motivo;
};

struct RECT {
    int32_t left = 0, top = 0, right = 0, bottom = 0;
};

// ---- Per-project groups: a load builds a fresh Modello and commits it only on success. ----

struct DatiProgetto {
    std::string PercorsoSoletta;
    std::string PercorsoDatiProgetto;
    std::string DataSoletta;
    int NumeroSoletta = 0;
    std::string CartellaLavoro;
    float OrigineX = 0, OrigineY = 0;
    float Spessore = 0;
    float Copriferro = 0;
    float AngoloDir1 = 0, AngoloDir2 = 0;
    float AngoloDir1Gradi = 0, AngoloDir2Gradi = 0;
    double CosDir1 = 1, SinDir1 = 0, CosDir2 = 1, SinDir2 = 0;
    double CosInvDir1 = 1, SinInvDir1 = 0, CosInvDir2 = 1, SinInvDir2 = 0;
    int MagliaUnica = 0;
    int PiegaAncoraggio = 0;  // non-zero: the single mesh ends in bent anchorages (kept in the .QV0)
    // A reinforcement file found at load that could not be read: never replaced unasked.
    std::string FileArmatureNonLetto;
    // The reinforcement file of the slab `ArmatureVisteDi` (NomeFileArmature of the slab path)
    // as this program last read or wrote it: a save asks before replacing what another program
    // wrote there since. Empty: none seen.
    std::string ArmatureVisteDi;
    ImprontaFile ArmatureViste;
};

struct GeometriaSoletta {
    // Two points at the origin until a slab is loaded, so the extents find no outline.
    std::vector<Punto> Contorno = std::vector<Punto>(2);
    int NumVertContorno = 0;  // > 0 means a slab is loaded
    std::array<float, 4> LimitiContorno{};  // XMin, YMin, XMax, YMax
    int NumFori = 0;
    std::vector<int> NumVertForo;
    std::vector<int> InizioForo;
    std::vector<float> XFori, YFori;
    std::vector<Pilastro> Pilastri;
    int NumPilastri = 0;
    std::vector<Segmento> Setti;
    int NumSetti = 0;
    std::vector<Segmento> Travi;
    int NumTravi = 0;
    std::vector<Palo> Pali;
    int NumPali = 0;
    // The box of what the slab file places, as read: where work may stand is measured from it
    // (model/AreaLavoro.h), whatever outline the reinforcement file brings.
    Ingombro EstensioneFile;
};

struct MagliaDiffusa {
    int DiamDiffSup1 = 0, DiamDiffSup2 = 0, DiamDiffInf1 = 0, DiamDiffInf2 = 0;
    float PassoDiffSup1 = 0, PassoDiffSup2 = 0, PassoDiffInf1 = 0, PassoDiffInf2 = 0;
    int DiamCavalletti = 0;
    float PassoCavalletti1 = 0, PassoCavalletti2 = 0;
    float AreaDiffSup1 = 0, AreaDiffSup2 = 0, AreaDiffInf1 = 0, AreaDiffInf2 = 0;
    float AreaCavalletti = 0;
    float LungDiffSup1 = 0, LungDiffSup2 = 0, LungDiffInf1 = 0, LungDiffInf2 = 0;
    float PesoDiffSup1 = 0, PesoDiffSup2 = 0, PesoDiffInf1 = 0, PesoDiffInf2 = 0;
};

// Largest bar diameter (mm) a file may give for the diffuse mesh or the integrative bars (the
// default one and those of the zones); 0 is allowed where the file means none or the default.
inline constexpr int DiamMassimoFile = 100;

struct ZoneArmatura {
    std::vector<Zona> Zone;
    int UltimaZona = -1;
    // Row z is the outline of zone z; 601 rows, each grown as needed.
    std::vector<std::vector<Punto>> VerticiZone = std::vector<std::vector<Punto>>(MaxZone);
    int DiamIntegrativa = 0;
};

struct ContorniLavoro {
    std::vector<Punto> ContornoArmatura;
    int UltVertContornoArm = -1;
    std::vector<std::vector<Punto>> ContornoForiArm;
    std::array<float, 4> LimitiArmDir1{}, LimitiArmDir2{};
    std::vector<Punto> PerimetroEsterno;
    int UltVertPerimetroEst = -1;
};

struct SezioniQuote {
    std::vector<Sezione> Sezioni;
    int UltimaSezione = -1;
    std::vector<Quota> Quote;
    int UltimaQuota = -1;
};

struct Modello {
    DatiProgetto Progetto;
    GeometriaSoletta Soletta;
    ArchivioPilastri Archivio;
    ModelloAnalisi Analisi;
    MagliaDiffusa Diffusa;
    ZoneArmatura Zone;
    ContorniLavoro Contorni;
    SezioniQuote SezQuote;
    // What the last bar layout of this model left out, in the order met.
    std::vector<ElementoSaltato> ElementiSaltati;
};

// ---- Process-wide groups. ----

// The zone being edited and the switches of the zone commands.
struct EditZone {
    Zona ZonaCorrente;
    std::vector<Punto> ContornoZonaCorr;
    int UltVertZonaCorr = -1;
    int ZonaSelezionata = 0;
    int MantieniRiferimento = 0;
    int EntrambiLati = 0;
    int LatoMulti = 0;
    float RichiestaMaxSel = 0;
    float RichiestaMediaSel = 0;  // mean balance of the nodes inside the selection (may be negative)
    int DescrizioneCompleta = 0;
    int ZonaConfermata = 0;  // -1: the zone dialog was confirmed and its checks passed
    // The kind and bar direction the zone command under way gives a new zone, fixed when the
    // command starts: no redraw or view change alters them.
    int TipoNuovaZona = 0;
    int DirezioneNuovaZona = 0;
    std::vector<Punto> PoligonoLavoro;  // scratch: holds nothing between operations
    // The punching control perimeter clipped to the slab: the last RiduciPerimetro's result.
    std::vector<Punto> PerimetroRidotto;
    int NumVertPerimetroRidotto = 0;
};

// The dimension being placed or moved: its two points (picture pixels while they are picked or
// while a line is moved, plan cm whenever a record is appended), the cosine and sine of its
// placement angle, and the record being moved.
struct EditQuote {
    float XQuota1 = 0, YQuota1 = 0, XQuota2 = 0, YQuota2 = 0;
    float CosQuota = 1, SinQuota = 0;
    int QuotaSelezionata = -1;
};

// The outline under edit in the outline editor: distinct points (plan cm) and the outline as
// indexes into them, the closing side implied. Points only enter the pool; it is emptied each
// time the editor opens. The snap switches keep their values from one opening to the next.
struct StatoEditSez {
    std::vector<Punto> PoolVertici;
    int NumVerticiPool = 0;
    std::vector<int> OrdineVertici;
    int UbOrdineVertici = -1;
    int VerticeSelez = 0;
    int GrigliaAttiva = 0;
    int OsnapAttivo = 0;
};

inline constexpr int NumLayer = 25;

struct StratiDisegno {
    std::array<std::string, NumLayer> NomiLayer{};
    std::array<int, NumLayer> AciLayer{};
    std::array<int32_t, NumLayer> ColoriLayer{};
    std::array<int, NumLayer> VisLayerVideo{};
    std::array<int, NumLayer> VisLayerDxf{};
    std::array<int, NumLayer> VisLayerCorr{};
    std::array<int, 9> OsnapQuote{};
    int32_t ColoreContrasto = 0, ColoreGiallo = 0, ColoreRosso = 0, ColoreCiano = 0;
    int32_t ColoreVerde = 0, ColoreBlu = 0, ColoreMagenta = 0, ColoreGrigio = 0;
};

// The rubber band dragged on the plan picture: anchor (X0, Y0), current corner (X1, Y1),
// whole pixels, y down; X0 = -1 while no anchor is set.
struct RettangoloTrascina {
    int32_t X0 = -1, X1 = 0, Y0 = 0, Y1 = 0;
};

// The zone rectangle placed or dragged on the plan picture: two opposite corners and the
// centre, picture pixels.
struct RettangoloSelezione {
    float X1 = 0, Y1 = 0, X2 = 0, Y2 = 0, XC = 0, YC = 0;
};

struct StatoVista {
    int TwipsPerPixel = 15;
    float AltezzaVideo = 0;
    float Scala = 1;
    std::array<float, 4> FinestraVista{};       // YMin, YMax, XMin, XMax
    std::array<float, 4> FinestraPrecedente{};  // same order
    std::array<float, 4> LimitiPianta{};
    std::array<float, 4> EstensionePianta{};
    std::array<float, 4> EstensioneTavola{};
    std::array<float, 4> EstensioneCorrente{};
    float LarghezzaPianta = 0, AltezzaPianta = 0, LarghezzaTavola = 0;
    int ModoComando = 0;
    int ModoPrecedente = 0;
    int32_t UltimoComando = 0;
    int ModoInfo = 0;
    int VistaScelta = 0;
    int LatoScelto = 0;
    int DirezioneScelta = 0;
    int CodiceVista = 0;
    int PiantaCorrente = 0;
    int TipoMappa = 0;
    int DirezioneAttiva = 0;
    int TipoZonaAttivo = 0;
    // The decimal separator of the user's regional settings, read once by the window; the
    // panel's balance figures use it.
    char SeparatoreDecimale = '.';
    RECT RettFocus;
    RettangoloTrascina RettTrascina;
    int LatoEvidenziato = -1;  // polygon of the side last picked: -1 the outline, else the opening
    RettangoloSelezione RettSelezione;
    int Scala50Corrente = 1;  // scale style of the drawing pass: non-zero 1:50, 0 1:100
    int MostraManiglie = 0;   // draw the zone grips at the next redraw
    int EditPerimetro = 0;    // 1 while the outline editor is open
    // The section being placed: its direction (0 direction 1, else direction 2) and the record
    // the placement writes.
    int DirezioneSezione = 0;
    int IndiceSezione = 0;
    int AvvisoPunzMostrato = 0;  // one-time warning of the punching view: shown only while 0
    // Pointing: the node picked in the information mode, the last press of a button other than
    // the right one (picture pixels), the cursor at the last move (plan cm), the object last
    // highlighted (-1 none: the first hover of a picking mode draws its mark).
    int NodoSelezionato = -1;
    float XClic = 0, YClic = 0;
    float XCursore = 0, YCursore = 0;
    int ElementoEvidenziato = 0;
    // Result of the grid and object snaps (picture pixels).
    float XAggancio = 0, YAggancio = 0;
    int StatoAggancio = 0;
};

// Where the DXF pass under way writes: the R12 form, and the slab's place in the drawing (cm).
struct StatoDxf {
    int FormatoR12 = 0;
    float OffsetDxfX = 0, OffsetDxfY = 0;
    std::string PercorsoDxf;  // the last export's target, proposed again at the next
    int32_t ColoreACIScelto = 0;  // the colour picker's index, handed in and back
};

// Range and levels of the colour map on display: set by the map range controls, read by the
// colour maps and the punching map.
struct ScalaMappe {
    float ScalaMin = 0;
    float ScalaMax = 0;
    std::array<double, 21> LivelliMappa{};
};

// The values of the multiple-insertion dialog; the face is `Edit.LatoMulti`. The dialog resets
// them at every opening.
struct DatiAggMulti {
    std::array<bool, 2> ApplicaDirMulti{true, true};  // bars in direction 1, in direction 2
    int DiamMulti1 = 12, DiamMulti2 = 12;              // mm
    int NumFerriMulti1 = 6, NumFerriMulti2 = 6;
    float PassoMulti1 = 10, PassoMulti2 = 10;          // cm
    float LungMulti1 = 240, LungMulti2 = 240;          // bar length, cm
};

struct Cartelle {
    std::string CartellaProgramma;     // folder of the running program
    std::string CartellaImpostazioni;  // folder of the settings and recent-files files
};

inline constexpr int MaxRecenti = 4;

// Entries 0 .. NumRecenti - 1 are in use, distinct without regard to case; entry 0 is the
// most recent. "Anonimo" and the empty text are never entered.
struct ListaRecenti {
    std::array<std::string, MaxRecenti> ElencoRecenti{};
    int NumRecenti = 0;
};

// Undo and redo on whole-model snapshots, each a reinforcement file in the program's own
// snapshot folder (app/Undo.h).
struct StatoUndo {
    int UndoPrimo = 0;     // oldest snapshot kept
    int UndoCorrente = 0;  // state shown now
    int UndoUltimo = 0;    // newest state redo can reach
    bool ScritturaSegnalata = false;  // a failed snapshot write is reported once per project
    // The state last loaded or saved, by its snapshot number; -1 once no undo or redo can reach
    // it again. A change whose snapshot could not be written marks the project changed too.
    int UndoSalvato = 0;
    bool ModificaSenzaStoria = false;
    // Moves on every snapshot, undo, redo and clean-up: the panels follow the model when it moves.
    unsigned Versione = 0;
    unsigned VersionePannelli = ~0u;  // the version the panels were last built from
};

// The slab files listed for the DXF export or for the report of several slabs, and the name the
// report's save proposes.
struct ElencoSolette {
    int ComputoMultiplo = 0;  // 0: the report covers the open project; else the listed files
    int NumFileDxf = 0;
    std::vector<std::string> ElencoFileDxf;  // whole file names as listed, without folder
    std::string PercorsoComputo;             // "" until something sets it
};

// Entries of the drawing subsystem that the project model calls after a load, an undo or a
// change of the diffuse mesh. The drawing code installs them; until then nothing is drawn.
struct ServiziDisegno {
    void (*ZoomEstensione)() = nullptr;
    void (*Ridisegna)(int uscita) = nullptr;
    // The automatic dimensions of a slab without a reinforcement file.
    void (*QuotaturaAutomatica)(Modello& m) = nullptr;
    // The representative bar of a curb of m; DisFerroInt when none is installed (tests record it).
    void (*FerroIntCordolo)(const Modello& m, float offsetX, float offsetY, int zona, const std::string& etichetta1,
                            const std::string& etichetta2, int uscita) = nullptr;
};

// ---- Every process-wide instance. ----
// The platform's (message boxes, windows, drawing sinks, test seams) is `Piatt`
// (base/Piattaforma.h); every other one is here. Tests save and restore them all with one
// guard (tests/support/GlobaliProva.h): a group added here goes there too.

// Outcome of the last load step, file test or dialog: 0 ok, 1 a file refused, -1 archive
// missing, file-system error, or a dialog cancelled. Callers stop when it is not 0.
inline int ErroreOperazione = 0;

inline Modello M;  // the project in memory
inline EditZone Edit;
inline EditQuote Quotatura;
inline StatoEditSez EditSez;
inline StratiDisegno Strati;
inline StatoVista Vista;
inline Impostazioni Imp;
inline Materiali Mat;
inline IdentificatoriComandi Comandi;
inline Cartelle Dir;
inline ListaRecenti Recenti;
inline StatoUndo Undo;
inline ScalaMappe Mappa;
inline DatiAggMulti AggMulti;
inline ServiziDisegno Disegno;
inline SezionePilastro SezioneCorrente;  // the working record the section-server calls fill
inline StatoDxf EsportaDxf;
inline ElencoSolette Elenco;

}  // namespace vilmor
