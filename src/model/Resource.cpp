#include "model/Resource.h"

#include "base/Piattaforma.h"
#include "model/ModMateriali.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

enum class Colore { Rosso, Verde, Magenta, Grigio, Giallo, Ciano, Blu, Tratteggio };

struct RigaLayer {
    const char* Nome;
    int Aci;
    Colore Video;
};

// Layers 0 .. 23; layer 24 is the upper-face copy of layer 2.
constexpr RigaLayer TabLayer[24] = {
    {"ARM_INTEGR1", 1, Colore::Rosso},       {"ARM_INTEGR2", 3, Colore::Verde},
    {"PERIM_PILASTRI", 2, Colore::Magenta},  {"PILASTRI_ACCIAIO", 5, Colore::Magenta},
    {"PERIM_SETTI", 6, Colore::Magenta},     {"PERIM_SOLETTE", 2, Colore::Grigio},
    {"ARM_TAGLIO", 5, Colore::Giallo},       {"TRAVI_ESTRADOSSO", 2, Colore::Giallo},
    {"QUOTE", 4, Colore::Ciano},             {"POS_INTEGRATIVA", 4, Colore::Ciano},
    {"ARMATURA_SEZ", 5, Colore::Rosso},      {"LINEE_SEZIONI", 3, Colore::Blu},
    {"TESTO_TITOLI", 3, Colore::Verde},      {"TESTO_ARM_TAGLIO", 3, Colore::Verde},
    {"TESTO_PILASTRI", 3, Colore::Verde},    {"TESTO_SETTI", 3, Colore::Verde},
    {"TESTO_SOLETTE", 3, Colore::Verde},     {"TESTO_TRAVI", 3, Colore::Verde},
    {"TESTO_QUOTE", 3, Colore::Verde},       {"TESTO_FERRI", 3, Colore::Verde},
    {"ARM_DIFFUSA1", 1, Colore::Rosso},      {"ARM_DIFFUSA2", 3, Colore::Verde},
    {"TRATTEGGI", 9, Colore::Tratteggio},    {"PERIM_SEZIONI", 7, Colore::Grigio},
};

using IC = IdentificatoriComandi;
constexpr std::array<VoceComando, NumComandi> TabComandi = {{
    {100, &IC::IdApri, "IdApri", "&Apri"},
    {101, &IC::IdSalva, "IdSalva", "&Salva"},
    {102, &IC::IdImportaArmature, "IdImportaArmature", "Importa armature aggiuntive"},
    {103, &IC::IdEsci, "IdEsci", "&Esci"},
    {105, &IC::IdAnnulla, "IdAnnulla", "Annulla"},
    {106, &IC::IdRipeti, "IdRipeti", "Ripeti"},
    {107, &IC::IdZoom, "IdZoom", "Zoom"},
    {108, &IC::IdVistaPrecedente, "IdVistaPrecedente", "Vista precedente"},
    {109, &IC::IdVistaTotale, "IdVistaTotale", "Vista totale"},
    {110, &IC::IdAvvicina, "IdAvvicina", "Avvicina"},
    {111, &IC::IdAllontana, "IdAllontana", "Allontana"},
    {112, &IC::IdTrascina, "IdTrascina", "Trascina"},
    {113, &IC::IdImpostazioni, "IdImpostazioni", "&Impostazioni"},
    {114, &IC::IdOttimizzaDiffusa, "IdOttimizzaDiffusa", "Ottimizza armatura flessionale diffusa"},
    {115, &IC::IdDisponiIntegrative, "IdDisponiIntegrative", "Disponi armature integrative"},
    {116, &IC::IdMappaCalcolo, "IdMappaCalcolo", "Mappa armatura da calcolo"},
    {117, &IC::IdEccedenza, "IdEccedenza", "Eccedenza area di armatura"},
    {118, &IC::IdVisDiffusa, "IdVisDiffusa", "Visualizza armatura diffusa"},
    {119, &IC::IdVisIntegrativa, "IdVisIntegrativa", "Visualizza armatura integrativa"},
    {120, &IC::IdVisTavola, "IdVisTavola", "Visualizza anteprima della tavola"},
    {121, &IC::IdInsIntegrativa, "IdInsIntegrativa", "Inserisci armatura integrativa"},
    {122, &IC::IdArmPilastri, "IdArmPilastri", "Inserisci armatura aggiuntiva nelle zone dei pilastri"},
    {123, &IC::IdArmPali, "IdArmPali", "Inserisci armatura aggiuntiva nelle zone dei pali"},
    {124, &IC::IdRete, "IdRete", ""},
    {125, &IC::IdCordoli, "IdCordoli", "Inserisci cordoli perimetrali"},
    {126, &IC::IdPunzonamento, "IdPunzonamento", ""},
    {127, &IC::IdArmTaglio, "IdArmTaglio", "Inserisci armatura a taglio"},
    {128, &IC::IdCopia, "IdCopia", "Copia armatura"},
    {129, &IC::IdCopiaLato, "IdCopiaLato", "Copia armatura sul lato opposto"},
    {130, &IC::IdSposta, "IdSposta", "Sposta armatura"},
    {131, &IC::IdCancellaArm, "IdCancellaArm", "Cancella armatura integrativa"},
    {132, &IC::IdInfoNodi, "IdInfoNodi", "Informazioni armature nodi"},
    {133, &IC::IdPerimetro, "IdPerimetro", "Modifica perimetro esterno"},
    {134, &IC::IdSezione1, "IdSezione1", "Nuova sezione direzione 1"},
    {135, &IC::IdSezione2, "IdSezione2", "Nuova sezione direzione 2"},
    {136, &IC::IdSpostaSez, "IdSpostaSez", "Sposta sezione"},
    {137, &IC::IdCancellaSez, "IdCancellaSez", "Cancella sezione"},
    {138, &IC::IdRiferimento, "IdRiferimento", "Sposta riferimento posizione"},
    {139, &IC::IdQuotaOrizz, "IdQuotaOrizz", "Quota orizzontale"},
    {140, &IC::IdQuotaVert, "IdQuotaVert", "Quota verticale"},
    {141, &IC::IdQuotaAllin, "IdQuotaAllin", "Quota allineata"},
    {142, &IC::IdCancellaQuota, "IdCancellaQuota", "Cancella quota"},
    {143, &IC::IdQuotaContinua, "IdQuotaContinua", "Quotatura continua"},
    {144, &IC::IdSpostaQuota, "IdSpostaQuota", "Sposta quota"},
    {145, &IC::IdVisQuota, "IdVisQuota", "Visibilità quota"},
    {146, &IC::IdQuotaAuto, "IdQuotaAuto", "Quotatura automatica"},
    {147, &IC::IdComputo, "IdComputo", "Computo"},
}};

int32_t ColoreDi(Colore c, int32_t tratteggio) {
    switch (c) {
        case Colore::Rosso: return Strati.ColoreRosso;
        case Colore::Verde: return Strati.ColoreVerde;
        case Colore::Magenta: return Strati.ColoreMagenta;
        case Colore::Grigio: return Strati.ColoreGrigio;
        case Colore::Giallo: return Strati.ColoreGiallo;
        case Colore::Ciano: return Strati.ColoreCiano;
        case Colore::Blu: return Strati.ColoreBlu;
        case Colore::Tratteggio: return tratteggio;
    }
    return 0;
}

}  // namespace

const std::array<VoceComando, NumComandi>& TabellaComandi() { return TabComandi; }

void ImpostaDefaultImpostazioni() {
    StratiDisegno& s = Strati;
    for (int i = 0; i < 24; ++i) {
        s.NomiLayer[i] = TabLayer[i].Nome;
        s.AciLayer[i] = TabLayer[i].Aci;
    }
    s.NomiLayer[24] = s.NomiLayer[2] + "_SUP";
    s.AciLayer[24] = s.AciLayer[2];
    for (int i = 0; i < 24; ++i) s.VisLayerDxf[i] = 1;
    s.VisLayerDxf[24] = s.VisLayerDxf[2];

    const int sfondo = Imp.SfondoBianco;
    Imp = Impostazioni{};
    Imp.SfondoBianco = sfondo;
    Imp.FattoreDxf = 2 * Imp.UnitaPerCm;

    ElencoCls();
    ElencoAcciai();
    Mat.IndiceCls = 4;
    Mat.IndiceAcciaio = 4;
    SettaAcciaio(Mat.IndiceAcciaio);
    SettaCls(Mat.IndiceCls);
}

void ImpostaDefault() {
    Vista.DirezioneScelta = 0;
    Vista.LatoScelto = 0;
    Vista.VistaScelta = 0;
    ImpostaDefaultImpostazioni();
    Vista.CodiceVista = 0;
    Vista.PiantaCorrente = 0;
    M.Progetto.MagliaUnica = 0;
    M.Progetto.PiegaAncoraggio = 0;
    if (Piatt.Finestra) {
        Piatt.Finestra->MostraLati(true);
        Piatt.Finestra->MostraMagliaUnica(false);
    }
}

int32_t ColoreSfondoVideo() { return Imp.SfondoBianco == 0 ? Rgb(0, 0, 0) : ColorePalette(15); }
int32_t ColorePrimoPianoVideo() { return Imp.SfondoBianco == 0 ? ColorePalette(15) : Rgb(0, 0, 0); }

void ImpostaColori() {
    StratiDisegno& s = Strati;
    int32_t tratteggio;
    if (Imp.SfondoBianco == 0) {
        s.ColoreBlu = ColorePalette(9);
        s.ColoreVerde = ColorePalette(10);
        s.ColoreCiano = ColorePalette(11);
        s.ColoreRosso = ColorePalette(12);
        s.ColoreMagenta = ColorePalette(13);
        s.ColoreGiallo = ColorePalette(14);
        s.ColoreContrasto = ColorePalette(15);
        s.ColoreGrigio = ColorePalette(7);
        tratteggio = ColorePalette(8);
    } else {
        s.ColoreBlu = ColorePalette(1);
        s.ColoreVerde = Rgb(0, 215, 0);
        s.ColoreCiano = ColorePalette(3);
        s.ColoreRosso = Rgb(215, 0, 0);
        s.ColoreMagenta = ColorePalette(5);
        s.ColoreGiallo = ColorePalette(6);
        s.ColoreContrasto = ColorePalette(0);
        s.ColoreGrigio = ColorePalette(8);
        tratteggio = ColorePalette(7);
    }
    for (int i = 0; i < 24; ++i) s.ColoriLayer[i] = ColoreDi(TabLayer[i].Video, tratteggio);
    s.ColoriLayer[24] = s.ColoriLayer[2];

    for (int i = 0; i < 24; ++i) s.VisLayerVideo[i] = 1;
    s.VisLayerVideo[22] = 0;  // hatching is not drawn on the screen by default
    s.OsnapQuote.fill(1);

    if (Piatt.Ctrl_Vid) {
        Piatt.Ctrl_Vid->ColoreSfondo(ColoreSfondoVideo());
        Piatt.Ctrl_Vid->ColorePrimoPiano(ColorePrimoPianoVideo());
    }
}

void SettaIdComandi(int n) {
    if (n != 1 && n != 2) n = 1;
    for (const VoceComando& v : TabComandi) Comandi.*(v.Id) = n * 1000 + v.K;
}

}  // namespace vilmor
