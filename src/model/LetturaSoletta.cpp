#include "model/LetturaSoletta.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <new>
#include <utility>

#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/PagineGrandi.h"
#include "base/Piattaforma.h"
#include "model/AreaLavoro.h"
#include "model/IntervalliFile.h"
#include "model/LetturaArchivio.h"  // SitoProduttore
#include "model/ModuloDir.h"
#include "model/Poligoni.h"
#include "model/Statistiche.h"

namespace vilmor {

namespace {

// Least bytes one value takes in the file: a digit and its separator. A count is refused
// when the rest of the file could not hold that many records.
constexpr int ByteValore = 2;
constexpr int ValoriNodo = 14;
constexpr int ValoriElemento = 2 + 4 * 8;
constexpr int ValoriCoppia = 2;

void RifiutaVersioneNuova() {
    Avviso(std::string("Versione del file non compatibile.\nAggiornare il modulo: ") + SitoProduttore);
}

void RifiutaVersioneVecchia() {
    Avviso("File non compatibile con l'attuale versione\nAggiornare il modulo Meranto Disegno impalcati");
}

bool Rifiuta() {
    ErroreOperazione = 1;
    return false;
}

// A plan coordinate read from the file: one that lies, less the origin, beyond LimitePianta
// either way is refused at its line.
float Coordinata(LettoreTesto& l, float origine) {
    float v = CoordinataPianta(l.LeggiS(), origine);
    l.ControllaValore(CoordinataValida(v));
    return v;
}

// A number that is written less one (the node number in the verification file, the archive
// type of a column): the least 32-bit integer has no predecessor.
int LeggiConPredecessore(LettoreTesto& l) {
    int v = l.LeggiI();
    l.ControllaValore(v > std::numeric_limits<int>::min());
    return v;
}

float AngoloGradiRidotto(float letto) { return RiduciAngolo180(static_cast<double>(letto)); }

void LeggiRisultati(LettoreTesto& l, Modello& m) {
    for (int i = 0; i < 3; ++i) l.LeggiI();  // not used
    m.Progetto.Copriferro = LeggiValido(l, CopriferroValido);
    MagliaDiffusa& d = m.Diffusa;
    d.PassoDiffSup1 = LeggiPassoDiffuso(l);
    d.DiamDiffSup1 = l.LeggiIntervallo(0, DiamMassimoFile);
    d.PassoDiffSup2 = LeggiPassoDiffuso(l);
    d.DiamDiffSup2 = l.LeggiIntervallo(0, DiamMassimoFile);
    d.PassoDiffInf1 = LeggiPassoDiffuso(l);
    d.DiamDiffInf1 = l.LeggiIntervallo(0, DiamMassimoFile);
    d.PassoDiffInf2 = LeggiPassoDiffuso(l);
    d.DiamDiffInf2 = l.LeggiIntervallo(0, DiamMassimoFile);
    m.Zone.DiamIntegrativa = l.LeggiIntervallo(0, DiamMassimoFile);
    DatiProgetto& p = m.Progetto;
    p.AngoloDir1Gradi = AngoloGradiRidotto(LeggiValido(l, AngoloGradiValido));
    p.AngoloDir1 = GradiRadianti(p.AngoloDir1Gradi);
    p.AngoloDir2Gradi = AngoloGradiRidotto(LeggiValido(l, AngoloGradiValido));
    p.AngoloDir2 = GradiRadianti(p.AngoloDir2Gradi);

    // Each table is sized once from its count and each record written once, from its values
    // read, with one spare zero entry beyond the count, as every table of the model.
    ModelloAnalisi& a = m.Analisi;
    a.NumNodi = l.LeggiConteggio(ValoriNodo * ByteValore);
    a.Nodi.clear();
    a.Nodi.reserve(static_cast<size_t>(a.NumNodi) + 1);
    PagineGrandi(a.Nodi.data(), a.Nodi.capacity() * sizeof(Nodo));
    for (int i = 0; i < a.NumNodi; ++i) {
        Nodo n;
        n.Numero = LeggiConPredecessore(l);
        n.X = LeggiCoordinata(l);
        n.Y = LeggiCoordinata(l);
        n.RichSup1 = LeggiRichiesta(l);
        n.RichSup2 = LeggiRichiesta(l);
        n.RichInf1 = LeggiRichiesta(l);
        n.RichInf2 = LeggiRichiesta(l);
        n.RichTaglio1 = LeggiRichiesta(l);
        n.RichTaglio2 = LeggiRichiesta(l);
        n.ResSup1 = LeggiRichiesta(l);
        n.ResSup2 = LeggiRichiesta(l);
        n.ResInf1 = LeggiRichiesta(l);
        n.ResInf2 = LeggiRichiesta(l);
        n.ResTaglio = LeggiRichiesta(l);
        a.Nodi.push_back(n);
    }
    a.Nodi.emplace_back();

    a.NumElementi = l.LeggiConteggio(ValoriElemento * ByteValore);
    a.Elementi.clear();
    a.Elementi.reserve(static_cast<size_t>(a.NumElementi) + 1);
    PagineGrandi(a.Elementi.data(), a.Elementi.capacity() * sizeof(Elemento));
    for (int i = 0; i < a.NumElementi; ++i) {
        Elemento e;
        e.Numero = l.LeggiL();
        e.Triangolo = l.LeggiI();
        for (size_t k = 0; k < 4; ++k) {
            e.NodoNum[k] = l.LeggiL();
            e.NodoIdx[k] = l.LeggiI();
            // The maps index Nodi with it: a corner must name a node of the file.
            l.ControllaIndice(e.NodoIdx[k], a.NumNodi);
            e.RichSup1[k] = LeggiRichiesta(l);
            e.RichSup2[k] = LeggiRichiesta(l);
            e.RichInf1[k] = LeggiRichiesta(l);
            e.RichInf2[k] = LeggiRichiesta(l);
            e.RichTaglio1[k] = LeggiRichiesta(l);
            e.RichTaglio2[k] = LeggiRichiesta(l);
        }
        a.Elementi.push_back(e);
    }
    a.Elementi.emplace_back();
}

void LeggiPilastri(LettoreTesto& l, Modello& m) {
    GeometriaSoletta& g = m.Soletta;
    const float ox = m.Progetto.OrigineX, oy = m.Progetto.OrigineY;
    g.Pilastri.assign(1, Pilastro{});
    g.NumPilastri = 0;
    for (;;) {
        int k = l.LeggiI();
        if (k <= -1) break;
        // A polygon's vertex pairs must fit in what is left of the file.
        if (k >= 3) l.ControllaConteggio(k, ValoriCoppia * ByteValore);
        Pilastro p;
        p.NumVertici = k;
        p.Numero = l.LeggiI();
        p.Tratteggio = l.LeggiI();
        p.X = Coordinata(l, ox);
        p.Y = Coordinata(l, oy);
        if (k == 0) {
            p.Tipo = LeggiConPredecessore(l);
            p.Angolo = LeggiValido(l, AngoloGradiValido);
            p.XMin = p.X - 15;
            p.XMax = p.X + 15;
            p.YMin = p.Y - 15;
            p.YMax = p.Y + 15;
        } else if (k <= 2) {
            p.VX.assign(5, 0.0f);
            p.VY.assign(5, 0.0f);
            p.VX[0] = LeggiLunghezza(l);  // the radius, as read
            p.XMin = p.XMax = p.X;
            p.YMin = p.YMax = p.Y;
        } else {
            size_t n = static_cast<size_t>(std::max(k, 4)) + 1;
            p.VX.assign(n, 0.0f);
            p.VY.assign(n, 0.0f);
            for (int j = 0; j < k; ++j) {
                float x = Coordinata(l, ox);
                float y = Coordinata(l, oy);
                p.VX[static_cast<size_t>(j)] = x;
                p.VY[static_cast<size_t>(j)] = y;
                if (j == 0) {
                    p.XMin = p.XMax = x;
                    p.YMin = p.YMax = y;
                } else {
                    p.XMin = std::min(p.XMin, x);
                    p.XMax = std::max(p.XMax, x);
                    p.YMin = std::min(p.YMin, y);
                    p.YMax = std::max(p.YMax, y);
                }
            }
        }
        if (g.NumPilastri == 0) g.Pilastri[0] = std::move(p);
        else g.Pilastri.push_back(std::move(p));
        ++g.NumPilastri;
    }
}

// Walls and upstand beams: a marker, the code and the two ends, one value per read.
void LeggiSegmenti(LettoreTesto& l, const Modello& m, std::vector<Segmento>& lista, int& num) {
    const float ox = m.Progetto.OrigineX, oy = m.Progetto.OrigineY;
    lista.assign(1, Segmento{});
    num = 0;
    for (;;) {
        if (l.LeggiI() <= -1) break;
        Segmento s;
        s.Codice = l.LeggiI();
        s.X1 = Coordinata(l, ox);
        s.Y1 = Coordinata(l, oy);
        s.X2 = Coordinata(l, ox);
        s.Y2 = Coordinata(l, oy);
        if (num == 0) lista[0] = s;
        else lista.push_back(s);
        ++num;
    }
}

void LeggiPali(LettoreTesto& l, Modello& m) {
    GeometriaSoletta& g = m.Soletta;
    g.Pali.assign(1, Palo{});
    g.NumPali = 0;
    for (;;) {
        if (l.LeggiI() <= -1) break;
        Palo p;
        p.X = Coordinata(l, m.Progetto.OrigineX);
        p.Y = Coordinata(l, m.Progetto.OrigineY);
        p.Raggio = Coordinata(l, 0.0f);
        l.ControllaValore(LunghezzaValida(p.Raggio));
        if (g.NumPali == 0) g.Pali[0] = p;
        else g.Pali.push_back(p);
        ++g.NumPali;
    }
}

// The design-data file lies beside the slab file being read; a "\" of the name read is a
// folder separator.
std::string PercorsoDati(const std::string& percorsoSoletta, std::string nome) {
    std::replace(nome.begin(), nome.end(), '\\', '/');
    std::string cartella = CartellaDaPercorso(percorsoSoletta);
    if (!cartella.empty() && cartella.back() != '/') cartella += '/';
    return cartella + nome;
}

}  // namespace

float CoordinataPianta(float valore, float origine) {
    float d = valore - origine;
    return static_cast<float>(std::nearbyint(static_cast<double>(d) * 10.0) / 10.0);
}

void LeggiContorno(LettoreTesto& l, Modello& m) {
    GeometriaSoletta& g = m.Soletta;
    const float ox = m.Progetto.OrigineX, oy = m.Progetto.OrigineY;

    int n = l.LeggiConteggio(ValoriCoppia * ByteValore);
    if (n == 1 || n == 2) throw ErroreLettura(CausaLettura::ConteggioNonValido, l.RigaValore());
    g.NumVertContorno = n;
    g.Contorno.assign(static_cast<size_t>(n) + 1, Punto{});
    for (int i = 0; i < n; ++i) {
        g.Contorno[static_cast<size_t>(i)].X = Coordinata(l, ox);
        g.Contorno[static_cast<size_t>(i)].Y = Coordinata(l, oy);
    }
    g.Contorno[static_cast<size_t>(n)] = g.Contorno[0];
    if (!OrarioPunti(g.Contorno)) InvertiPunti(g.Contorno);

    g.NumVertForo.assign(1, 0);
    g.InizioForo.clear();
    g.XFori.clear();
    g.YFori.clear();
    g.NumFori = 0;
    for (;;) {
        int c = l.LeggiI();
        if (c <= -1) break;
        l.ControllaConteggio(c, ValoriCoppia * ByteValore);
        int p = g.NumFori;
        // Even an empty opening starts at the store's end, so the next one cannot overwrite it.
        IniziaForo(g, p);
        for (int j = 0; j < c; ++j) {
            float x = Coordinata(l, ox);
            float y = Coordinata(l, oy);
            AggiungiVerticePoli(g, p, j, x, y);
        }
        g.NumVertForo[static_cast<size_t>(p)] = c;
        ++g.NumFori;
    }
}

bool ControllaVersioneSoletta(const std::string& percorso, Modello& /*m*/) {
    ErroreOperazione = 0;
    auto byte = ApriFileIntero(percorso);
    if (!byte) return Rifiuta();
    return ControllaVersioneSolettaDaByte(*byte, percorso);
}

bool ControllaVersioneSolettaDaByte(std::string_view byte, const std::string& percorso) {
    ErroreOperazione = 0;
    try {
        LettoreTesto l(byte);
        if (l.LeggiI() > VersioneSolettaMax) {
            RifiutaVersioneNuova();
            return Rifiuta();
        }
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return Rifiuta();
    }
    return true;
}

bool LeggiSoletta(const std::string& percorso, Modello& m, TestataSoletta* testata) {
    ErroreOperazione = 0;
    auto byte = ApriFileIntero(percorso);
    if (!byte) return Rifiuta();
    return LeggiSolettaDaByte(*byte, percorso, m, testata);
}

bool LeggiSolettaDaByte(std::string_view byte, const std::string& percorso, Modello& m, TestataSoletta* testata) {
    ErroreOperazione = 0;
    Modello nuovo;
    TestataSoletta t;
    LettoreTesto l(byte);
    try {
        t.Versione = l.LeggiI();
        if (t.Versione > VersioneSolettaMax) {
            RifiutaVersioneNuova();
            return Rifiuta();
        }
        if (t.Versione < VersioneSolettaMin) {
            RifiutaVersioneVecchia();
            return Rifiuta();
        }
        DatiProgetto& p = nuovo.Progetto;
        p.NumeroSoletta = l.LeggiI();
        t.FlagRisultati = l.LeggiI();
        p.OrigineX = l.LeggiS();
        p.OrigineY = l.LeggiS();

        if (t.FlagRisultati > 0) {
            LeggiRisultati(l, nuovo);
            CalcAreeDiffuse(nuovo);
            if (nuovo.Analisi.NumNodi > 0) CalcStatNodi(nuovo);
        }

        LeggiContorno(l, nuovo);
        LeggiPilastri(l, nuovo);
        LeggiSegmenti(l, nuovo, nuovo.Soletta.Setti, nuovo.Soletta.NumSetti);
        LeggiSegmenti(l, nuovo, nuovo.Soletta.Travi, nuovo.Soletta.NumTravi);
        if (t.Versione >= 4) LeggiPali(l, nuovo);
        p.Spessore = l.LeggiS();
        l.ControllaValore(p.Spessore > 0 && p.Spessore <= SpessoreMassimo);
        p.PercorsoDatiProgetto = PercorsoDati(percorso, l.LeggiT());
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return Rifiuta();
    } catch (const std::bad_alloc&) {
        SegnalaErroreLettura(percorso, ErroreLettura(CausaLettura::MemoriaInsufficiente, l.Riga()));
        return Rifiuta();
    }

    // What the slab file does not describe comes from the destination.
    nuovo.Archivio = std::move(m.Archivio);
    nuovo.Progetto.CartellaLavoro = std::move(m.Progetto.CartellaLavoro);
    nuovo.Progetto.PercorsoSoletta = percorso;
    nuovo.Soletta.EstensioneFile = EstensioneSoletta(nuovo.Soletta);
    m = std::move(nuovo);
    if (testata) *testata = t;
    return true;
}

}  // namespace vilmor
