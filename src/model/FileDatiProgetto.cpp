#include "model/FileDatiProgetto.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <new>
#include <utility>

#include "base/FileTesto.h"
#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "model/FusioneNodi.h"
#include "model/IntervalliFile.h"
#include "model/LetturaArchivio.h"  // SitoProduttore
#include "model/LetturaSoletta.h"   // CoordinataPianta
#include "model/ModuloDir.h"

namespace vilmor {

namespace {

// Length of the tag before the version on the first line.
constexpr size_t LunghezzaEtichetta = 8;
// An integrative diameter of 0 stands for this one.
constexpr int DiamIntegrativaDefault = 12;
// Starting values of the stud-area range, overtaken by the first punching line.
constexpr float MinimoIniziale = 9999999.0f;
constexpr float MassimoIniziale = -9999999.0f;

bool Rifiuta() {
    ErroreOperazione = 1;
    return false;
}

// The header values, applied to the model only when the whole file has been read.
struct Testata {
    float Copriferro = 0;
    int DiamDiffSup1 = 0, DiamDiffSup2 = 0, DiamDiffInf1 = 0, DiamDiffInf2 = 0;
    float PassoDiffSup1 = 0, PassoDiffSup2 = 0, PassoDiffInf1 = 0, PassoDiffInf2 = 0;
    int Integrativa1 = 0, Integrativa2 = 0;
    float AngoloDir1Gradi = 0, AngoloDir1 = 0, AngoloDir2Gradi = 0, AngoloDir2 = 0;
};

// The values of one header line, read from that line alone: what follows them (a comment) is
// left, and a line that lacks a value is refused with its own line number.
class RigaTestata {
public:
    explicit RigaTestata(LettoreTesto& l) : riga_(l.Riga()), testo_(l.LeggiRiga()), l_(testo_) {}
    int I() {
        try {
            return l_.LeggiI();
        } catch (const ErroreLettura& e) {
            throw ErroreLettura(e.Causa, riga_);
        }
    }
    float S() {
        try {
            return l_.LeggiS();
        } catch (const ErroreLettura& e) {
            throw ErroreLettura(e.Causa, riga_);
        }
    }
    // A value refused at this line unless `valido` takes it.
    float S(bool (*valido)(float)) {
        const float v = S();
        if (!valido(v)) throw ErroreLettura(CausaLettura::ValoreFuoriIntervallo, riga_);
        return v;
    }
    // A bar diameter (mm).
    int Diametro() {
        try {
            return l_.LeggiIntervallo(0, DiamMassimoFile);
        } catch (const ErroreLettura& e) {
            throw ErroreLettura(e.Causa, riga_);
        }
    }

private:
    int riga_;
    std::string testo_;
    LettoreTesto l_;  // reads testo_
};

// Line 1: a text value whose characters after the eighth give the version, a whole number of
// 1 or more.
int LeggiVersione(LettoreTesto& l) {
    const int riga = l.Riga();
    std::string t = l.LeggiRiga();
    size_t i = t.find_first_not_of(" \t");
    if (i == std::string::npos) i = t.size();
    size_t fine;
    if (i < t.size() && t[i] == '"') {
        ++i;
        fine = t.find('"', i);
    } else {
        fine = t.find(',', i);
    }
    if (fine == std::string::npos) fine = t.size();
    std::string valore = t.substr(i, fine - i);
    // Eight characters, counted in UTF-8 as the text is held.
    size_t pos = 0;
    for (size_t n = 0; n < LunghezzaEtichetta && pos < valore.size(); ++n) {
        ++pos;
        while (pos < valore.size() && (static_cast<unsigned char>(valore[pos]) & 0xC0) == 0x80) ++pos;
    }
    std::string numero = valore.substr(pos);
    numero = Rifilato(numero);
    const char* p = numero.data();
    const char* e = p + numero.size();
    if (p != e && *p == '+') ++p;
    double v = 0;
    auto [q, ec] = std::from_chars(p, e, v, std::chars_format::fixed);
    if (numero.empty() || ec != std::errc() || q != e || !std::isfinite(v) || v != std::floor(v) || v < 1)
        throw ErroreLettura(CausaLettura::NumeroNonValido, riga);
    return v > 1e9 ? 1000000000 : static_cast<int>(v);
}

void LeggiTestata(LettoreTesto& l, Testata& t) {
    for (int i = 0; i < 3; ++i) RigaTestata(l).I();  // lines 2 to 4: not used
    t.Copriferro = RigaTestata(l).S(CopriferroValido);
    t.PassoDiffSup1 = RigaTestata(l).S(PassoDiffusoValido);
    t.DiamDiffSup1 = RigaTestata(l).Diametro();
    t.PassoDiffSup2 = RigaTestata(l).S(PassoDiffusoValido);
    t.DiamDiffSup2 = RigaTestata(l).Diametro();
    t.Integrativa1 = RigaTestata(l).Diametro();
    t.Integrativa2 = RigaTestata(l).Diametro();
    t.AngoloDir1Gradi = RiduciAngolo180(static_cast<double>(RigaTestata(l).S(AngoloGradiValido)));
    t.AngoloDir1 = GradiRadianti(t.AngoloDir1Gradi);
    t.AngoloDir2Gradi = RiduciAngolo180(static_cast<double>(RigaTestata(l).S(AngoloGradiValido)));
    t.AngoloDir2 = GradiRadianti(t.AngoloDir2Gradi);
    {
        // The diameters again, with the lower face and both integrative ones: these stay.
        RigaTestata r(l);
        t.DiamDiffSup1 = r.Diametro();
        t.DiamDiffSup2 = r.Diametro();
        t.Integrativa1 = r.Diametro();
        t.DiamDiffInf1 = r.Diametro();
        t.DiamDiffInf2 = r.Diametro();
        t.Integrativa2 = r.Diametro();
    }
    {
        RigaTestata r(l);
        t.PassoDiffSup1 = r.S(PassoDiffusoValido);
        t.PassoDiffSup2 = r.S(PassoDiffusoValido);
        t.PassoDiffInf1 = r.S(PassoDiffusoValido);
        t.PassoDiffInf2 = r.S(PassoDiffusoValido);
    }
    for (float* p : {&t.PassoDiffSup1, &t.PassoDiffSup2, &t.PassoDiffInf1, &t.PassoDiffInf2}) *p = PassoDiffuso(*p);
    l.LeggiRiga();  // lines 16 and 17: captions
    l.LeggiRiga();
}

// Least bytes of an element's four corner lines: fifteen values of a digit and a separator.
constexpr size_t ByteMinimiElemento = 4 * 15 * 2;

// Room for the elements and nodes still to come, made once, so that the tables do not move
// what they hold while they are read: an element for every four lines left (a corner stands on
// a line of its own), never more than the bytes left could hold; the nodes of a mesh of
// quadrilaterals over them (its inner nodes shared by four elements, its outline up to some
// fourteen times longer than wide).
void RiservaTabelle(const LettoreTesto& l, ModelloAnalisi& an) {
    const std::string_view resto = l.Resto();
    const size_t righe = static_cast<size_t>(std::count(resto.begin(), resto.end(), '\n')) + 1;
    const size_t elementi = std::min(righe / 4, resto.size() / ByteMinimiElemento) + 1;
    an.Elementi.reserve(an.Elementi.size() + elementi);
    const size_t lato = static_cast<size_t>(std::sqrt(static_cast<double>(elementi)));
    RiservaNodi(an, an.Nodi.size() + elementi + 4 * lato + 16);
}

// A mesh of triangles has fewer nodes than elements: the room left over is given back.
void RestituisciSpazio(ModelloAnalisi& an) {
    if (an.Nodi.capacity() - an.Nodi.size() > an.Nodi.size() / 4 + 64) an.Nodi.shrink_to_fit();
}

// The corner lines, four to an element, until only blanks and line ends remain. After the
// values of a corner the rest of their last line is left, or the whole next line when the last
// value ended its line; at the end of the file that line may be missing. A position that lies,
// less the slab's origin (ox, oy), beyond LimitePianta either way is refused at its line, as is
// a node number with no predecessor (the verification file writes it less one).
void LeggiElementi(LettoreTesto& l, int versione, float ox, float oy, ModelloAnalisi& an, bool& nonRadiale) {
    auto inPianta = [](float v, float origine) { return CoordinataValida(v - origine); };
    Punzonamento w;  // the working punching record, refilled at every corner
    RiservaTabelle(l, an);
    while (!l.SoloSpaziFinali()) {
        Elemento& e = an.Elementi.emplace_back();
        for (size_t k = 0; k < 4; ++k) {
            e.Numero = l.LeggiL();
            e.NodoNum[k] = l.LeggiL();
            l.ControllaValore(e.NodoNum[k] > std::numeric_limits<int32_t>::min());
            float x = l.LeggiS();
            l.ControllaValore(inPianta(CoordinataPianta(x, 0.0f), ox));
            float y = l.LeggiS();
            l.ControllaValore(inPianta(CoordinataPianta(y, 0.0f), oy));
            l.LeggiS();  // not used
            e.RichInf1[k] = LeggiRichiesta(l);
            e.RichInf2[k] = LeggiRichiesta(l);
            e.RichSup1[k] = LeggiRichiesta(l);
            e.RichSup2[k] = LeggiRichiesta(l);
            e.RichTaglio1[k] = LeggiRichiesta(l);
            e.RichTaglio2[k] = LeggiRichiesta(l);
            // The punching values feed the perimeters, the stud map's legend and the schedule's
            // counts: bound as the requirements are, the counts to their 16 bits.
            w.CoeffPerimetro = LeggiRichiesta(l);
            w.AreaTotPioli = LeggiRichiesta(l);
            w.AreaPiolo = LeggiRichiesta(l);
            w.PioliListello = LeggiIntero16(l);
            w.NumListelli = versione >= 2 ? LeggiIntero16(l) : 0;
            w.TipoPunz = versione >= 2 ? LeggiIntero16(l) : 0;
            // Negative: not computable; 2: computed; any other value of its 16 bits: none needed,
            // kept as 1 so that every drawing and the schedule read it alike.
            w.StatoPunz = versione >= 3 ? LeggiIntero16(l) : 0;
            if (w.StatoPunz > 2) w.StatoPunz = 1;
            if (!l.FineFile()) l.LeggiRiga();
            if (w.TipoPunz > 0) nonRadiale = true;

            // Positions merge at 0.1 cm, in the frame of the analysis.
            float xr = CoordinataPianta(x, 0.0f);
            float yr = CoordinataPianta(y, 0.0f);
            int indice = 0;
            AggiungiNodo(an, xr, yr, e.NodoNum[k], e.RichSup1[k], e.RichSup2[k], e.RichInf1[k], e.RichInf2[k],
                         e.RichTaglio1[k], e.RichTaglio2[k], indice);
            e.NodoIdx[k] = indice;
            if (w.PioliListello > 0 || w.StatoPunz != 0) {
                AggiungiPunzonamento(an, xr, yr, indice, w);
                an.MinRichiesta[5] = std::min(an.MinRichiesta[5], w.AreaTotPioli);
                an.MaxRichiesta[5] = std::max(an.MaxRichiesta[5], w.AreaTotPioli);
            }
        }
        e.Triangolo = e.NodoIdx[0] == e.NodoIdx[3] ? 1 : 0;
        ++an.NumElementi;
    }
    RestituisciSpazio(an);
}

// Nodes into the plan frame (not rounded); each punching record into it at 0.1 cm, attached to
// the first column whose box, grown by 1 cm, holds it strictly, with the stretches of its
// control perimeter.
void CompletaPunzonamenti(Modello& m) {
    ModelloAnalisi& an = m.Analisi;
    const float ox = m.Progetto.OrigineX, oy = m.Progetto.OrigineY;
    for (int i = 0; i < an.NumNodi; ++i) {
        Nodo& n = an.Nodi[static_cast<size_t>(i)];
        n.X = n.X - ox;
        n.Y = n.Y - oy;
    }
    const GeometriaSoletta& g = m.Soletta;
    const int numPilastri = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
    for (int j = 0; j < an.NumPunzonamenti; ++j) {
        Punzonamento& r = an.Punzonamenti[static_cast<size_t>(j)];
        r.X = CoordinataPianta(r.X, ox);
        r.Y = CoordinataPianta(r.Y, oy);
        r.IndicePilastro = -1;
        for (int p = 0; p < numPilastri; ++p) {
            const Pilastro& c = g.Pilastri[static_cast<size_t>(p)];
            if (c.XMin - 1 < r.X && r.X < c.XMax + 1 && c.YMin - 1 < r.Y && r.Y < c.YMax + 1) {
                r.IndicePilastro = p;
                break;
            }
        }
    }
    // The positions moved: the merge indexes no longer describe them.
    InvalidaIndiciPosizione(an);
}

}  // namespace

std::string TrovaDatiProgetto(const std::string& percorso) {
    if (percorso.empty()) return {};
    size_t barra = percorso.find_last_of('/');
    std::string nome = barra == std::string::npos ? percorso : percorso.substr(barra + 1);
    std::string cartella = barra == std::string::npos ? std::string() : percorso.substr(0, std::max<size_t>(barra, 1));
    if (nome.empty()) return {};
    return TrovaFileCompagno(cartella, nome);
}

bool LeggiDatiProgetto(Modello& m) { return LeggiDatiProgetto(m, TrovaDatiProgetto(m.Progetto.PercorsoDatiProgetto)); }

bool LeggiDatiProgetto(Modello& m, const std::string& trovato) {
    ErroreOperazione = 0;
    const std::string& percorso = m.Progetto.PercorsoDatiProgetto;
    std::optional<std::string> byte = ApriFileIntero(trovato.empty() ? percorso : trovato, percorso);
    if (!byte) return Rifiuta();
    return LeggiDatiProgettoDaByte(*byte, percorso, m);
}

bool LeggiDatiProgettoDaByte(std::string_view byte, const std::string& percorso, Modello& m) {
    ErroreOperazione = 0;
    Testata t;
    ModelloAnalisi an;
    // The statistics of the faces stay until the caller recomputes them.
    an.MediaRichiesta = m.Analisi.MediaRichiesta;
    an.MaxRichiesta = m.Analisi.MaxRichiesta;
    an.MinRichiesta = m.Analisi.MinRichiesta;
    an.MinRichiesta[5] = MinimoIniziale;
    an.MaxRichiesta[5] = MassimoIniziale;
    bool nonRadiale = false;
    LettoreTesto l(byte);
    try {
        int versione = LeggiVersione(l);
        if (versione > VersioneDatiProgettoMax) {
            Avviso(std::string("Versione del file non compatibile.\nAggiornare il modulo: ") + SitoProduttore);
            return Rifiuta();
        }
        LeggiTestata(l, t);
        LeggiElementi(l, versione, m.Progetto.OrigineX, m.Progetto.OrigineY, an, nonRadiale);
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return Rifiuta();
    } catch (const std::bad_alloc&) {
        SegnalaErroreLettura(percorso, ErroreLettura(CausaLettura::MemoriaInsufficiente, l.Riga()));
        return Rifiuta();
    }

    // The whole file is good: from here on nothing can fail.
    m.Analisi = std::move(an);
    DatiProgetto& p = m.Progetto;
    p.Copriferro = t.Copriferro;
    p.AngoloDir1Gradi = t.AngoloDir1Gradi;
    p.AngoloDir1 = t.AngoloDir1;
    p.AngoloDir2Gradi = t.AngoloDir2Gradi;
    p.AngoloDir2 = t.AngoloDir2;
    MagliaDiffusa& d = m.Diffusa;
    d.DiamDiffSup1 = t.DiamDiffSup1;
    d.DiamDiffSup2 = t.DiamDiffSup2;
    d.DiamDiffInf1 = t.DiamDiffInf1;
    d.DiamDiffInf2 = t.DiamDiffInf2;
    d.PassoDiffSup1 = t.PassoDiffSup1;
    d.PassoDiffSup2 = t.PassoDiffSup2;
    d.PassoDiffInf1 = t.PassoDiffInf1;
    d.PassoDiffInf2 = t.PassoDiffInf2;
    CompletaPunzonamenti(m);
    int i1 = t.Integrativa1 == 0 ? DiamIntegrativaDefault : t.Integrativa1;
    int i2 = t.Integrativa2 == 0 ? DiamIntegrativaDefault : t.Integrativa2;
    m.Zone.DiamIntegrativa = std::max(i1, i2);
    if (nonRadiale) Avviso("Attualmente l'armatura a punzonamento viene disegnata solo se di tipo radiale.");
    return true;
}

}  // namespace vilmor
