#include "model/FileArmature.h"

#include <sys/stat.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <limits>
#include <new>
#include <optional>
#include <thread>
#include <utility>

#include "base/FileTesto.h"
#include "base/ImprontaFile.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "model/AreaLavoro.h"
#include "model/FileVerifica.h"
#include "model/IntervalliFile.h"
#include "model/ModuloDir.h"
#include "model/Statistiche.h"

namespace vilmor {

namespace {

// A last index (-1 = none) whose elements, of `byteMinimi` bytes each, the rest of the file
// can hold.
int UltimoIndice(LettoreTesto& l, int byteMinimi) {
    int u = l.LeggiI();
    if (u < -1 || u == std::numeric_limits<int>::max())
        throw ErroreLettura(CausaLettura::ConteggioNonValido, l.RigaValore());
    l.ControllaConteggio(u + 1, byteMinimi);
    return u;
}

// What a reinforcement file holds, parsed whole before anything reaches the model.
struct DatiArmatura : TestataArmature {
    int Versione = 0;
    int UltimaZona = -1;
    std::vector<Zona> Zone;
    std::vector<std::vector<Punto>> Vertici;
    int UltimaSezione = -1;
    std::vector<Sezione> Sezioni;
    int UltimaQuota = -1;
    std::vector<Quota> Quote;
    bool HaContorno = false;
    int NumVertContorno = 0;
    std::vector<Punto> Contorno;
};

// Every block holds at least one value of two bytes for each element it announces. The outline
// replaces the slab's: it must be a polygon, or none only for a slab that has none
// (`solettaSenzaContorno`). Every plan point lies where work may stand on slab `g`.
void LeggiTutto(LettoreTesto& l, DatiArmatura& d, const GeometriaSoletta& g, bool solettaSenzaContorno) {
    const int v = d.Versione;
    const AreaPianta lavoro = AreaLavoro(g);
    auto x = [&] { return LeggiEntro(l, lavoro.XMin, lavoro.XMax); };
    auto y = [&] { return LeggiEntro(l, lavoro.YMin, lavoro.YMax); };
    LeggiTestataArmature(l, v, d);

    LeggiZoneArmature(l, v, d.UltimaZona, d.Zone, d.Vertici, lavoro, LarghezzaMassimaCordolo(g));

    d.UltimaSezione = UltimoIndice(l, 2 * 13);
    for (int i = 0; i <= d.UltimaSezione; ++i) {
        Sezione s;
        s.X1 = x(), s.Y1 = y(), s.X2 = x(), s.Y2 = y();
        s.X3 = x(), s.Y3 = y(), s.X4 = x(), s.Y4 = y();
        s.X5 = x(), s.Y5 = y(), s.X6 = x(), s.Y6 = y();
        s.Direzione = LeggiDirezione(l);
        d.Sezioni.push_back(s);
    }

    d.UltimaQuota = UltimoIndice(l, 2 * 5);
    for (int i = 0; i <= d.UltimaQuota; ++i) {
        Quota q;
        q.X1 = x(), q.Y1 = y(), q.X2 = x(), q.Y2 = y();
        if (v >= 2) {
            q.XP1 = x(), q.YP1 = y(), q.XP2 = x(), q.YP2 = y();
        } else {
            q.XP1 = q.X1, q.YP1 = q.Y1, q.XP2 = q.X2, q.YP2 = q.Y2;
        }
        q.Pianta = l.LeggiI();
        q.Testo = l.LeggiRiga();
        d.Quote.push_back(q);
    }

    if (v >= 3) {
        d.HaContorno = true;
        d.NumVertContorno = l.LeggiConteggio(4);
        if (d.NumVertContorno < 3 && !(d.NumVertContorno == 0 && solettaSenzaContorno))
            throw ErroreLettura(CausaLettura::ConteggioNonValido, l.RigaValore());
        d.Contorno.resize(static_cast<size_t>(d.NumVertContorno) + 1);
        const AreaPianta contorno = AreaContorno(g);
        for (int i = 0; i < d.NumVertContorno; ++i) {
            d.Contorno[i].X = LeggiEntro(l, contorno.XMin, contorno.XMax);
            d.Contorno[i].Y = LeggiEntro(l, contorno.YMin, contorno.YMax);
        }
        // The closing line repeats the first vertex; it is taken from memory, not the file.
        d.Contorno[static_cast<size_t>(d.NumVertContorno)] = d.Contorno[0];
    }
}

// Moves what was read into the model: nothing is allocated once the file has been read whole.
void Applica(DatiArmatura&& d, Modello& m) {
    if (d.UltimaZona >= 0 && m.Zone.VerticiZone.size() < static_cast<size_t>(MaxZone)) m.Zone.VerticiZone.resize(MaxZone);
    if (d.Piega) m.Progetto.PiegaAncoraggio = *d.Piega;
    auto& f = m.Diffusa;
    f.DiamDiffSup1 = d.DiamDiffSup1, f.DiamDiffInf1 = d.DiamDiffInf1;
    f.DiamDiffSup2 = d.DiamDiffSup2, f.DiamDiffInf2 = d.DiamDiffInf2;
    f.PassoDiffSup1 = d.PassoDiffSup1, f.PassoDiffInf1 = d.PassoDiffInf1;
    f.PassoDiffSup2 = d.PassoDiffSup2, f.PassoDiffInf2 = d.PassoDiffInf2;
    f.DiamCavalletti = d.DiamCavalletti;
    f.PassoCavalletti1 = d.PassoCavalletti1, f.PassoCavalletti2 = d.PassoCavalletti2;

    m.Zone.UltimaZona = d.UltimaZona;
    if (d.UltimaZona >= 0) {
        m.Zone.Zone = std::move(d.Zone);
        for (int i = 0; i <= d.UltimaZona; ++i) m.Zone.VerticiZone[i] = std::move(d.Vertici[i]);
    }
    m.SezQuote.UltimaSezione = d.UltimaSezione;
    if (d.UltimaSezione >= 0) m.SezQuote.Sezioni = std::move(d.Sezioni);
    m.SezQuote.UltimaQuota = d.UltimaQuota;
    if (d.UltimaQuota >= 0) m.SezQuote.Quote = std::move(d.Quote);
    if (d.HaContorno) {
        m.Soletta.Contorno = std::move(d.Contorno);
        m.Soletta.NumVertContorno = d.NumVertContorno;
    }
}

void AvvisoNonLetto(const std::string& percorso, const std::string& motivo) {
    Avviso("Il file delle armature\n" + percorso + "\n" + motivo);
}

// "dd/MM/yyyy HH:mm[:ss]" into year, month, day, hour, minute.
bool ParteData(const std::string& s, int out[5]) {
    int g, me, a, h, mi;
    char c1, c2, c3;
    int letti = std::sscanf(s.c_str(), "%d%c%d%c%d %d%c%d", &g, &c1, &me, &c2, &a, &h, &c3, &mi);
    if (letti != 8 || c1 != '/' || c2 != '/' || c3 != ':') return false;
    if (me < 1 || me > 12 || g < 1 || g > 31 || h < 0 || h > 23 || mi < 0 || mi > 59) return false;
    out[0] = a, out[1] = me, out[2] = g, out[3] = h, out[4] = mi;
    return true;
}

void Normalizza(std::string& s) {
    if (s.find('.') == std::string::npos) return;
    auto sp = s.find(' ');
    std::string data = sp == std::string::npos ? s : s.substr(0, sp);
    std::string ora = s.size() >= 8 ? s.substr(s.size() - 8) : s;
    for (auto& c : data)
        if (c == '.') c = '/';
    for (auto& c : ora)
        if (c == '.') c = ':';
    s = data + " " + ora;
}

}  // namespace

void LeggiTestataArmature(LettoreTesto& l, int v, TestataArmature& t) {
    if (v >= 4) t.Stamp = l.LeggiRiga();
    t.Numero = l.LeggiI();
    if (v >= 7) t.Piega = LeggiInterruttore(l);
    l.LeggiS();  // the origin stays the slab file's
    l.LeggiS();
    t.DiamDiffSup1 = l.LeggiIntervallo(0, DiamMassimoFile);
    t.DiamDiffInf1 = l.LeggiIntervallo(0, DiamMassimoFile);
    t.DiamDiffSup2 = l.LeggiIntervallo(0, DiamMassimoFile);
    t.DiamDiffInf2 = l.LeggiIntervallo(0, DiamMassimoFile);
    t.PassoDiffSup1 = LeggiPasso(l);
    t.PassoDiffInf1 = LeggiPasso(l);
    t.PassoDiffSup2 = LeggiPasso(l);
    t.PassoDiffInf2 = LeggiPasso(l);
    // The chairs are bars too: their count per square metre divides by both steps.
    t.DiamCavalletti = l.LeggiIntervallo(0, DiamMassimoFile);
    t.PassoCavalletti1 = LeggiPasso(l);
    t.PassoCavalletti2 = LeggiPasso(l);
}

void LeggiZoneArmature(LettoreTesto& l, int v, int& ultimaZona, std::vector<Zona>& zone,
                       std::vector<std::vector<Punto>>& vertici, const AreaPianta& area, float larghezzaCordolo) {
    zone.clear();
    vertici.clear();
    // Values of one zone block before its outline, by version.
    const int valoriZona = v >= 6 ? 40 : v == 5 ? 38 : 36;
    ultimaZona = UltimoIndice(l, 2 * valoriZona);
    if (ultimaZona >= MaxZone) throw ErroreLettura(CausaLettura::ConteggioNonValido, l.RigaValore());
    for (int i = 0; i <= ultimaZona; ++i) {
        Zona z;
        auto x = [&] { return LeggiEntro(l, area.XMin, area.XMax); };
        auto y = [&] { return LeggiEntro(l, area.YMin, area.YMax); };
        z.XMin = x(), z.YMin = y(), z.XMax = x(), z.YMax = y();
        for (auto& a : z.Angoli) a.X = x(), a.Y = y();
        z.XBarra1 = x(), z.YBarra1 = y(), z.XBarra2 = x(), z.YBarra2 = y();
        z.XRif = x(), z.YRif = y();
        z.Passo = LeggiPassoZona(l), z.XMarca = x(), z.YMarca = y();
        z.XMin1 = x(), z.YMin1 = y(), z.XMax1 = x(), z.YMax1 = y();
        z.XMin2 = x(), z.YMin2 = y(), z.XMax2 = x(), z.YMax2 = y();
        z.Diametro = l.LeggiIntervallo(0, DiamMassimoFile), z.Diametro2 = l.LeggiIntervallo(0, DiamMassimoFile);
        // The enumerations index tables and print as they are: only their own values.
        z.Direzione = LeggiDirezione(l);
        z.Tipo = l.LeggiIntervallo(0, 3), z.NumBracci = l.LeggiI();
        // A curb's stirrups have the two or four legs its dialog offers; its width is that of a
        // strip along a side of the slab.
        if (z.Tipo == 2) l.ControllaValore(z.NumBracci == 2 || z.NumBracci == 4);
        z.Passo2 = LeggiPassoZona(l);
        if (z.Tipo == 2) l.ControllaValore(z.Passo2 <= larghezzaCordolo);
        z.UltVertice = l.LeggiI();
        const int rigaVert = l.RigaValore();
        if (z.UltVertice < -1 || z.UltVertice == std::numeric_limits<int>::max())
            throw ErroreLettura(CausaLettura::ConteggioNonValido, rigaVert);
        if (v >= 5) {
            // -1 the outline, else an opening; the side is an index into that polygon.
            z.PoligonoCordolo = l.LeggiIntervallo(-1, std::numeric_limits<int>::max());
            z.LatoCordolo = l.LeggiIntervallo(0, std::numeric_limits<int>::max());
        } else {
            z.PoligonoCordolo = -1;
            z.LatoCordolo = 0;
        }
        if (v >= 6) {
            z.Angolo = LeggiValido(l, AngoloRadiantiValido);
            z.Copriferro = LeggiValido(l, CopriferroValido);
        }
        try {
            l.ControllaConteggio(z.UltVertice + 1, 4);
        } catch (ErroreLettura&) {
            throw ErroreLettura(CausaLettura::ConteggioNonValido, rigaVert);
        }
        std::vector<Punto> vert(static_cast<size_t>(z.UltVertice + 1));
        for (auto& p : vert) p.X = x(), p.Y = y();
        zone.push_back(z);
        vertici.push_back(std::move(vert));
    }
}

std::string NomeFileArmature(const std::string& percorsoSoletta) {
    const std::string& p = percorsoSoletta;
    if (p.size() >= 4 && MaiuscoloAscii(p.substr(p.size() - 4)) == ".QVR") return p.substr(0, p.size() - 4) + ".QV0";
    return p + ".QV0";
}

std::string TrovaFileArmature(const std::string& percorsoSoletta) {
    std::string nome = NomeFileArmature(percorsoSoletta);
    auto sep = nome.find_last_of('/');
    std::string cartella = sep == std::string::npos ? "." : (sep == 0 ? "/" : nome.substr(0, sep));
    std::string trovato = TrovaFileCompagno(cartella, nome.substr(sep == std::string::npos ? 0 : sep + 1));
    return trovato.empty() ? nome : trovato;
}

std::string TestoArmature(const Modello& m) {
    ScrittoreTesto w;
    const auto& f = m.Diffusa;
    w.Intero(VersioneArmature), w.FineRiga();
    w.Testo(m.Progetto.DataSoletta);
    w.Intero(m.Progetto.NumeroSoletta), w.FineRiga();
    w.Intero(m.Progetto.PiegaAncoraggio), w.FineRiga();
    w.Numero(m.Progetto.OrigineX, 3), w.Numero(m.Progetto.OrigineY, 3), w.FineRiga();
    w.Intero(f.DiamDiffSup1), w.Intero(f.DiamDiffInf1), w.Intero(f.DiamDiffSup2), w.Intero(f.DiamDiffInf2);
    w.FineRiga();
    w.Numero(f.PassoDiffSup1, 2), w.Numero(f.PassoDiffInf1, 2), w.Numero(f.PassoDiffSup2, 2);
    w.Numero(f.PassoDiffInf2, 2), w.FineRiga();
    w.Intero(f.DiamCavalletti), w.Numero(f.PassoCavalletti1, 2), w.Numero(f.PassoCavalletti2, 2), w.FineRiga();

    auto quattro = [&](float a, float b, float c, float d) {
        w.Numero(a, 3), w.Numero(b, 3), w.Numero(c, 3), w.Numero(d, 3), w.FineRiga();
    };
    w.Intero(m.Zone.UltimaZona), w.FineRiga();
    for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
        const Zona& z = m.Zone.Zone[i];
        quattro(z.XMin, z.YMin, z.XMax, z.YMax);
        for (const auto& a : z.Angoli) w.Numero(a.X, 3), w.Numero(a.Y, 3), w.FineRiga();
        quattro(z.XBarra1, z.YBarra1, z.XBarra2, z.YBarra2);
        w.Numero(z.XRif, 3), w.Numero(z.YRif, 3), w.FineRiga();
        w.Numero(z.Passo, 3), w.Numero(z.XMarca, 3), w.Numero(z.YMarca, 3), w.FineRiga();
        quattro(z.XMin1, z.YMin1, z.XMax1, z.YMax1);
        quattro(z.XMin2, z.YMin2, z.XMax2, z.YMax2);
        w.Intero(z.Diametro), w.Intero(z.Diametro2), w.Intero(z.Direzione), w.FineRiga();
        w.Intero(z.Tipo), w.Intero(z.NumBracci), w.Numero(z.Passo2, 1), w.Intero(z.UltVertice), w.FineRiga();
        w.Intero(z.PoligonoCordolo), w.Intero(z.LatoCordolo), w.FineRiga();
        w.Numero(z.Angolo, 6), w.Numero(z.Copriferro, 2), w.FineRiga();
        const auto& riga = m.Zone.VerticiZone[i];
        for (int j = 0; j <= z.UltVertice; ++j) w.Numero(riga[j].X, 3), w.Numero(riga[j].Y, 3), w.FineRiga();
    }
    w.Intero(m.SezQuote.UltimaSezione), w.FineRiga();
    for (int i = 0; i <= m.SezQuote.UltimaSezione; ++i) {
        const Sezione& s = m.SezQuote.Sezioni[i];
        quattro(s.X1, s.Y1, s.X2, s.Y2);
        quattro(s.X3, s.Y3, s.X4, s.Y4);
        quattro(s.X5, s.Y5, s.X6, s.Y6);
        w.Intero(s.Direzione), w.FineRiga();
    }
    w.Intero(m.SezQuote.UltimaQuota), w.FineRiga();
    for (int i = 0; i <= m.SezQuote.UltimaQuota; ++i) {
        const Quota& q = m.SezQuote.Quote[i];
        quattro(q.X1, q.Y1, q.X2, q.Y2);
        quattro(q.XP1, q.YP1, q.XP2, q.YP2);
        w.Intero(q.Pianta), w.FineRiga();
        w.Testo(q.Testo);
    }
    const auto& g = m.Soletta;
    w.Intero(g.NumVertContorno), w.FineRiga();
    for (int i = 0; i <= g.NumVertContorno && i < static_cast<int>(g.Contorno.size()); ++i)
        w.Numero(g.Contorno[i].X, 1), w.Numero(g.Contorno[i].Y, 1), w.FineRiga();
    return w.ByteFinali();
}

bool ScriviArmature(const std::string& percorso, const Modello& m, bool avvisa) {
    return ScriviFileAtomico(percorso, TestoArmature(m), avvisa);
}

EsitoArmature LeggiArmature(const std::string& percorso, int domanda, Modello& m, ImprontaFile* letta) {
    auto byte = LeggiFileIntero(percorso);
    if (!byte) {
        Avviso("Impossibile leggere il file:\n" + percorso);
        return EsitoArmature::Ignorato;
    }
    if (letta) *letta = ImprontaDi(*byte);
    LettoreTesto l(*byte);
    DatiArmatura d;
    try {
        d.Versione = l.LeggiI();
        if (d.Versione >= 8) {
            AvvisoNonLetto(percorso, "\xC3\xA8 di una versione pi\xC3\xB9 recente e non \xC3\xA8 stato letto.");
            return EsitoArmature::Ignorato;
        }
        if (d.Versione < 1) throw ErroreLettura(CausaLettura::NumeroNonValido, 1);
        LeggiTutto(l, d, m.Soletta, m.Soletta.NumVertContorno <= 0);
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return EsitoArmature::Ignorato;
    } catch (const std::bad_alloc&) {
        SegnalaErroreLettura(percorso, ErroreLettura(CausaLettura::MemoriaInsufficiente, l.Riga()));
        return EsitoArmature::Ignorato;
    }
    if (d.Numero != m.Progetto.NumeroSoletta) {
        AvvisoNonLetto(percorso, "appartiene alla soletta " + std::to_string(d.Numero) + " e non \xC3\xA8 stato letto.");
        return EsitoArmature::Ignorato;
    }
    if (d.Versione >= 4 && domanda > 0 && !ConfrontaData(d.Stamp, m.Progetto.DataSoletta)) {
        auto r = MostraMessaggio("File " + percorso +
                                     "\nE' stata rilevata la presenza di una precedente armatura.\n"
                                     "L'armatura potrebbe non essere compatibile con l'attuale soletta.\n"
                                     "Vuoi conservarla?",
                                 IconaMsg::Nessuna, PulsantiMsg::SiNo, "Attenzione!");
        if (r != RispostaMsg::Si) return EsitoArmature::NonConservato;
    }
    Applica(std::move(d), m);
    CalcAreeDiffuse(m);
    return EsitoArmature::Letto;
}

namespace {
// True when the reinforcement file `nome` of the slab holds bytes other than those this program
// last read or wrote there (or was absent then and is there now). A file now gone loses nothing;
// one that cannot be read cannot be told from a changed one.
bool ScrittoDaAltri(const std::string& percorsoSoletta, const std::string& nome, const DatiProgetto& p) {
    if (p.ArmatureVisteDi.empty() || p.ArmatureVisteDi != NomeFileArmature(percorsoSoletta)) return false;
    const std::optional<ImprontaFile> ora = ImprontaSuDisco(nome);
    return !ora || (ora->Presente && *ora != p.ArmatureViste);
}
}  // namespace

EsitoArmature CaricaArmature(const std::string& percorsoSoletta, int domanda, Modello& m) {
    m.SezQuote.Quote.assign(1, Quota{});
    m.SezQuote.Sezioni.assign(1, Sezione{});
    std::string nome = TrovaFileArmature(percorsoSoletta);
    m.Progetto.ArmatureVisteDi = NomeFileArmature(percorsoSoletta);
    m.Progetto.ArmatureViste = {};
    if (!EsisteFile(nome)) {
        m.SezQuote.UltimaQuota = -1;
        if (Disegno.QuotaturaAutomatica) Disegno.QuotaturaAutomatica(m);
        return EsitoArmature::Ignorato;
    }
    // The slab's own file that could not be read is never replaced without asking.
    EsitoArmature esito = LeggiArmature(nome, domanda, m, &m.Progetto.ArmatureViste);
    if (esito == EsitoArmature::Ignorato) m.Progetto.FileArmatureNonLetto = nome;
    return esito;
}

bool SalvaArmature(const std::string& percorsoSoletta, Modello& m) {
    m.Progetto.DataSoletta = DataFile(percorsoSoletta);
    std::string nome = TrovaFileArmature(percorsoSoletta);
    if (!m.Progetto.FileArmatureNonLetto.empty() && m.Progetto.FileArmatureNonLetto == nome && EsisteFile(nome)) {
        auto r = MostraMessaggio("Il file delle armature\n" + nome +
                                     "\nnon \xC3\xA8 stato letto all'apertura della soletta.\nVuoi sostituirlo?",
                                 IconaMsg::Esclamazione, PulsantiMsg::SiNo, "Attenzione!");
        if (r != RispostaMsg::Si) return false;
    } else if (ScrittoDaAltri(percorsoSoletta, nome, m.Progetto)) {
        // Another program on the same slab: its work is not replaced unasked. The verification
        // file goes with the reinforcement it is made from.
        auto r = MostraMessaggio("Il file " + nome +
                                     " \xC3\xA8 stato modificato da un altro programma dopo l'apertura. Sostituirlo?",
                                 IconaMsg::Esclamazione, PulsantiMsg::SiNo, "Attenzione!", RispostaMsg::No);
        if (r != RispostaMsg::Si) return false;
    }
    // Both files are written before either replaces its old one, so a failed write never
    // leaves a new reinforcement file beside an old verification file.
    FileInSostituzione armature, verifica;
    const std::string testo = TestoArmature(m);
    if (!PreparaFileAtomico(armature, nome, testo)) return false;
    Pausa(300);
    const std::string nomeSet = NomeFileVerifica(m.Progetto.NumeroSoletta, m);
    if (!nomeSet.empty() && !PreparaFileAtomico(verifica, nomeSet, TestoVerifica(m))) return false;
    if (!ConfermaFileAtomico(armature)) return false;
    m.Progetto.FileArmatureNonLetto.clear();
    m.Progetto.ArmatureVisteDi = NomeFileArmature(percorsoSoletta);
    m.Progetto.ArmatureViste = ImprontaDi(testo);
    // A slab number that names no verification file: the reinforcement is saved (no old
    // verification file can pair with it) and SalvaSet reports the failure.
    const bool ok = nomeSet.empty() ? SalvaSet(m.Progetto.NumeroSoletta, m) : ConfermaFileAtomico(verifica);
    Pausa(100);
    return ok;
}

bool ConfrontaData(std::string& stamp, std::string& dataSoletta) {
    Normalizza(dataSoletta);
    Normalizza(stamp);
    int a[5], b[5] = {0, 0, 0, 0, 0};
    if (!ParteData(dataSoletta, a)) return false;
    if (!stamp.empty() && !ParteData(stamp, b)) return false;
    return a[0] == b[0] && a[1] == b[1] && a[2] == b[2] && a[4] == b[4] && std::abs(a[3] - b[3]) <= 1;
}

std::string DataFile(const std::string& percorso) {
    struct stat st {};
    if (::stat(percorso.c_str(), &st) != 0) return {};
    std::tm t{};
    ::localtime_r(&st.st_mtime, &t);
    char buf[80];
    std::snprintf(buf, sizeof buf, "%02d/%02d/%04d %02d:%02d:%02d", t.tm_mday, t.tm_mon + 1, t.tm_year + 1900,
                  t.tm_hour, t.tm_min, t.tm_sec);
    return buf;
}

void Pausa(int ms) {
    if (Piatt.PauseAttive && ms > 0) std::this_thread::sleep_for(std::chrono::milliseconds(ms));
}

}  // namespace vilmor
