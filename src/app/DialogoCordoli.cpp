#include "app/DialogoCordoli.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/Undo.h"
#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Testi.h"
#include "base/Testo1252.h"
#include "design/AccessoriNodi.h"
#include "design/AreeCordolo.h"
#include "design/ArchivioZone.h"
#include "design/PuntoInPoligono.h"
#include "design/Residui.h"
#include "design/SelezioneZona.h"
#include "model/AreaLavoro.h"
#include "model/IntervalliFile.h"
#include "model/Poligoni.h"
#include "model/definizioni.h"
#include "report/Mod_RTF.h"

namespace vilmor {

namespace {

constexpr int Dim = 16;  // every run of the information box, half-points

// The stirrups have at least two legs, whatever a file brought.
int Bracci(const Zona& z) { return std::max(z.NumBracci, 2); }

// The side of the curb and its two neighbours: vertices p -> P1 -> P2 -> q.
struct Lato {
    Punto P, P1, P2, Q;
    float Distanza = 0;  // how far inside the neighbouring sides' parallels lie
};

bool LatoCordolo(const Modello& m, const Zona& z, Lato& l) {
    const GeometriaSoletta& g = m.Soletta;
    const int k = z.LatoCordolo;
    if (z.PoligonoCordolo < 0) {
        // The outline repeats its first vertex at its closing index n.
        const int n = g.NumVertContorno;
        if (n < 3 || static_cast<int>(g.Contorno.size()) <= n || k < 0 || k >= n) return false;
        l.P1 = g.Contorno[k];
        l.P2 = g.Contorno[k + 1];
        l.P = g.Contorno[k == 0 ? n - 1 : k - 1];
        l.Q = g.Contorno[k + 1 == n ? 1 : k + 2];
        l.Distanza = z.Copriferro;
        return true;
    }
    const int f = z.PoligonoCordolo;
    if (f >= g.NumFori || f >= static_cast<int>(g.NumVertForo.size())) return false;
    const int n = g.NumVertForo[f];
    if (n < 3 || k < 0 || k >= n) return false;
    auto vertice = [&](int j) { return Punto{PoliX(g, f, j % n), PoliY(g, f, j % n)}; };
    // The signs of the parallels put the strip into the slab for an opening walked
    // counter-clockwise; one stored clockwise is walked the other way along the same side.
    std::vector<Punto> anello;
    for (int j = 0; j <= n; ++j) anello.push_back(vertice(j));
    if (!OrarioPunti(anello)) {
        l.P1 = vertice(k);
        l.P2 = vertice(k + 1);
        l.P = vertice(k == 0 ? n - 1 : k - 1);
        l.Q = vertice(k + 2);
    } else {
        l.P1 = vertice(k + 1);
        l.P2 = vertice(k);
        l.P = vertice(k + 2);
        l.Q = vertice(k == 0 ? n - 1 : k - 1);
    }
    // An opening's neighbouring sides keep the slab's cover.
    l.Distanza = m.Progetto.Copriferro;
    return true;
}

// Where the neighbouring side's parallel A meets the inner line Ms-Me. Lines that meet outside
// the segments are taken 25 cm further from `lontano`; a neighbour parallel or in line with the
// side (a vertex on a straight edge) has no meeting point: the corner is the inner line's point
// abreast of the vertex.
Punto Angolo(const Punto& A1, const Punto& A2, const Punto& Ms, const Punto& Me, const Punto& lontano,
             const Punto& abreast) {
    Punto r{};
    int codice = IntParallele;
    float xj = 0, yj = 0;
    Intersezione(A1.X, A1.Y, A2.X, A2.Y, Ms.X, Ms.Y, Me.X, Me.Y, r.X, r.Y, codice, xj, yj);
    switch (codice) {
        case IntParallele:
        case IntSovrapposte:
        case IntAllineateDisgiunte:
        case IntQuasiParallele: return abreast;
        case IntEsterna: PuntoADistanza(r.X, r.Y, lontano.X, lontano.Y, r.X, r.Y, -25); return r;
        default: return r;
    }
}

}  // namespace

bool CalcParalle(const Modello& m, EditZone& e) {
    Zona& z = e.ZonaCorrente;
    Lato l;
    if (!LatoCordolo(m, z, l)) return false;

    // Search quadrilateral.
    Punto Q1, Q2, E0, E1, F0, F1;
    ParallelaSegmento(l.P1.X, l.P1.Y, l.P2.X, l.P2.Y, Q1.X, Q1.Y, Q2.X, Q2.Y, 5);
    PuntoADistanza(Q1.X, Q1.Y, Q2.X, Q2.Y, E0.X, E0.Y, -5);
    PuntoADistanza(Q2.X, Q2.Y, Q1.X, Q1.Y, E1.X, E1.Y, -5);
    ParallelaSegmento(E0.X, E0.Y, E1.X, E1.Y, F0.X, F0.Y, F1.X, F1.Y, -(z.Copriferro + z.Passo2 + 5));
    z.Angoli = {E0, F0, F1, E1};
    LimitiSelezione(z);

    // Inner line, 100 cm longer at each end.
    Punto M1, M2, Ms, Me;
    ParallelaSegmento(l.P1.X, l.P1.Y, l.P2.X, l.P2.Y, M1.X, M1.Y, M2.X, M2.Y, -z.Copriferro);
    PuntoADistanza(M1.X, M1.Y, M2.X, M2.Y, Ms.X, Ms.Y, -100);
    PuntoADistanza(M2.X, M2.Y, M1.X, M1.Y, Me.X, Me.Y, -100);

    // Start and end corners on the neighbouring sides' parallels.
    Punto A1, A2;
    ParallelaSegmento(l.P.X, l.P.Y, l.P1.X, l.P1.Y, A1.X, A1.Y, A2.X, A2.Y, -l.Distanza);
    const Punto S = Angolo(A1, A2, Ms, Me, Me, M1);
    ParallelaSegmento(l.P2.X, l.P2.Y, l.Q.X, l.Q.Y, A1.X, A1.Y, A2.X, A2.Y, -l.Distanza);
    const Punto E = Angolo(A1, A2, Ms, Me, Ms, M2);

    Punto S1, E1s;
    ParallelaSegmento(S.X, S.Y, E.X, E.Y, S1.X, S1.Y, E1s.X, E1s.Y, -z.Passo2);
    if (e.ContornoZonaCorr.size() < 5) e.ContornoZonaCorr.resize(5);
    e.ContornoZonaCorr[0] = S;
    e.ContornoZonaCorr[1] = S1;
    e.ContornoZonaCorr[2] = E1s;
    e.ContornoZonaCorr[3] = E;
    e.ContornoZonaCorr[4] = S;
    e.UltVertZonaCorr = 4;
    z.Angolo = InclinazioneSegmento(S.X, S.Y, E.X, E.Y);

    // The largest shear residual along the side.
    e.RichiestaMaxSel = 0;
    const ModelloAnalisi& a = m.Analisi;
    const int n = std::min(a.NumNodi, static_cast<int>(a.Nodi.size()));
    const QuadrilateroPronto selezione(e.ZonaCorrente);
    for (int i = 0; i < n; ++i) {
        const float b = BilancioNodo(m, 4, i);
        if (b > e.RichiestaMaxSel && selezione.Contiene(a.Nodi[i].X, a.Nodi[i].Y)) e.RichiestaMaxSel = b;
    }
    return true;
}

bool CalcParalle() { return CalcParalle(M, Edit); }

DialogoCordoli::DialogoCordoli(PannelloProprieta& griglia, Modello& m) : griglia_(griglia), m_(m) {
    griglia_.DopoModifica = [this](int32_t id, const std::string& testo) { return DopoModifica(id, testo); };
    griglia_.ValoreCambiato = [this](int32_t id, int valore) { ValoreCambiato(id, valore); };
}

DialogoCordoli::DialogoCordoli(PannelloProprieta& griglia) : DialogoCordoli(griglia, M) {}

DialogoCordoli::~DialogoCordoli() {
    griglia_.DopoModifica = nullptr;
    griglia_.ValoreCambiato = nullptr;
}

void DialogoCordoli::Apri() {
    PanelCord();
    CalcParalle(m_, Edit);
    infoST();
}

void DialogoCordoli::PanelCord() {
    Zona& z = Edit.ZonaCorrente;
    griglia_.Pulisci();
    griglia_.PosizioneDivisore(0.7);
    const int c = griglia_.AggiungiCategoria("Dati cordolo");
    griglia_.Espandi(c);
    griglia_.AggiungiVoce(c, "Diametro staffe [mm]", ValoreAttuale(IdCordDiametro), IdCordDiametro);
    griglia_.AggiungiVoce(c, "Passo staffe [cm]", ValoreAttuale(IdCordPasso), IdCordPasso);
    z.NumBracci = Bracci(z);
    griglia_.AggiungiLista(c, "Numero di bracci", {{"2", 2}, {"4", 4}}, z.NumBracci, IdCordBracci);
    griglia_.AggiungiVoce(c, "Copriferro [cm]", ValoreAttuale(IdCordCopriferro), IdCordCopriferro);
    griglia_.AggiungiVoce(c, "Diametro correnti [mm]", ValoreAttuale(IdCordDiametro2), IdCordDiametro2);
    griglia_.AggiungiVoce(c, "Larghezza cordolo [cm]", ValoreAttuale(IdCordLarghezza), IdCordLarghezza);
}

std::string DialogoCordoli::ValoreAttuale(int32_t id) const {
    const Zona& z = Edit.ZonaCorrente;
    switch (id) {
        case IdCordDiametro: return Str(z.Diametro);
        case IdCordPasso: return FormatNumVar(z.Passo, 1);
        case IdCordCopriferro: return FormatNum(z.Copriferro, 1);
        case IdCordDiametro2: return Str(z.Diametro2);
        case IdCordLarghezza: return FormatNumVar(z.Passo2, 1);
        default: return {};
    }
}

void DialogoCordoli::infoST() {
    const Zona& z = Edit.ZonaCorrente;
    const AreeCordolo aree = CalcolaAreeCordolo(m_.Progetto, z);
    const int bracci = aree.Bracci;
    const float richMax = Edit.RichiestaMaxSel;
    std::string t = InizioRTF() + TestoNero(" Area armature a taglio:\\par ", Dim, 0, 0) +
                    TestoNero(" Staffatura n." + Str(Edit.ZonaSelezionata + 1) + ", ", Dim, 0, 0) + "\\par ";
    t += std::string(" St.") + SegnoDiametro + Str(z.Diametro) + "/" + FormatNumVar(z.Passo, 1) + "   (" +
         Str(bracci) + " bracci )\\par ";
    if (aree.Staffe) t += " Area staffe = " + FormatNum(*aree.Staffe, 2) + " cmq/mq\\par ";
    t += " Richiesta max: " + FormatNum(richMax, 1) + " cmq/mq\\par ";
    if (aree.Staffe) {
        const float d = *aree.Staffe - richMax;
        if (d <= 0) t += TestoRosso(" Mancano: " + FormatNum(-d, 1), Dim, 0, 1) + " cmq/mq";
        else t += " In eccesso: " + FormatNum(d, 2) + " cmq/mq";
    }
    t += "\\par\\par ";
    // As many bars on each face as the stirrups have legs.
    t += TestoNero(" Contributo ferri correnti: ", Dim, 0, 0) + Str(bracci) + " +" + Str(bracci) + " " +
         SegnoDiametro + Rifilato(Str(z.Diametro2)) + "\\par ";
    if (aree.Dir1 > 0.00001f) t += " Area = " + FormatNum(aree.Dir1, 2) + " cmq/m (sup. e inf. dir. 1)\\par ";
    if (aree.Dir2 > 0.00001f) t += " Area = " + FormatNum(aree.Dir2, 2) + " cmq/m (sup. e inf. dir. 2)\\par ";
    t += FineRTF();
    info_ = t;
    if (MostraInfo) MostraInfo(info_);
}

std::string DialogoCordoli::DopoModifica(int32_t id, const std::string& testo) {
    Zona& z = Edit.ZonaCorrente;
    switch (id) {
        case IdCordDiametro:
            if (auto v = InteroVoce(griglia_, id, testo, 6, DiamMassimoFile)) z.Diametro = *v;
            break;
        case IdCordPasso:
            if (auto v = ValoreVoce(griglia_, id, testo, 4, 50)) z.Passo = *v;
            break;
        case IdCordCopriferro:
            if (auto v = ValoreVoce(griglia_, id, testo, 2, SpessoreMassimo)) z.Copriferro = *v;
            break;
        case IdCordDiametro2:
            if (auto v = InteroVoce(griglia_, id, testo, 2, DiamMassimoFile)) z.Diametro2 = *v;
            break;
        case IdCordLarghezza:
            if (auto v = ValoreVoce(griglia_, id, testo, 10, LarghezzaMassimaCordolo(m_.Soletta))) z.Passo2 = *v;
            break;
        default: break;
    }
    infoST();
    return ValoreAttuale(id);
}

void DialogoCordoli::ValoreCambiato(int32_t id, int valore) {
    if (id != IdCordBracci) return;
    Edit.ZonaCorrente.NumBracci = valore;
    infoST();
}

bool DialogoCordoli::Ok() {
    // A curb whose side is gone (a damaged file) has no strip to store.
    if (!CalcParalle(m_, Edit)) return true;
    // A store refused (it says why) changes nothing and keeps the dialog; one that changes
    // nothing takes no step.
    FotoModello prima = FotografaModello();
    const bool memorizzata = MemorizzaZona(m_, Edit);
    if (memorizzata) DetraiArmatureNodi(-1, m_);
    RegistraModifica(prima);
    return memorizzata;
}

void ApriFrmCordoli() {
    if (Piatt.Finestra) Piatt.Finestra->MostraFrmCordoli();
}

}  // namespace vilmor
