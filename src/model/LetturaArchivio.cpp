#include "model/LetturaArchivio.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "model/ModuloDir.h"
#include "model/ServerSezioni.h"

namespace vilmor {

int IndiceSezionePilastro(const ArchivioPilastri& a, int t) {
    if (t < 0 || t >= static_cast<int>(a.TipoSezPilastro.size()) ||
        t >= static_cast<int>(a.FormaPilastro.size()) || t >= static_cast<int>(a.DimPilastro.size()))
        return -1;
    int tipo = a.TipoSezPilastro[t];
    if (tipo != 1 && tipo != 2) return -1;
    double v = std::nearbyint(static_cast<double>(a.DimPilastro[t][2]));
    if (!(v >= 0) || v >= a.NumSezioniPilastro || v >= static_cast<double>(a.SezioniPilastro.size())) return -1;
    return static_cast<int>(v);
}

namespace {

const char* const MarcaPlintoZoppo = "/Indice plinto - zoppo";

// Version of the header line; at most two characters stand for version 0.
int VersioneArchivio(const std::string& riga) {
    std::string s = Rifilato(riga);
    if (s.size() <= 2) return 0;
    size_t i = 8;
    while (i < s.size() && (s[i] == ' ' || s[i] == '\t')) ++i;
    bool negativo = false;
    if (i < s.size() && (s[i] == '+' || s[i] == '-')) negativo = s[i++] == '-';
    long long v = 0;
    for (; i < s.size() && s[i] >= '0' && s[i] <= '9'; ++i) {
        v = v * 10 + (s[i] - '0');
        if (v > 1000000) break;  // far beyond any version
    }
    return static_cast<int>(negativo ? -v : v);
}

void RiempiTipi(ArchivioPilastri& a, int n) {
    a.NumTipiPilastro = n;
    a.TipoSezPilastro.assign(n + 1, 0);
    a.FormaPilastro.assign(n + 1, 0);
    a.DimPilastro.assign(n + 1, {});
    a.SezioniPilastro.assign(n + 1, SezionePilastro{});
}

// The tables a failed read leaves: 20 types of kind 0 with no dimensions.
void Fallimento(ArchivioPilastri& destinazione) {
    ArchivioPilastri a;
    RiempiTipi(a, 20);
    destinazione = std::move(a);
    ErroreOperazione = -1;
}

// The section number of a library type: an exact half goes to the even neighbour; a number
// no profile can have becomes 0, which the server does not know.
int NumeroSezione(float v) {
    double r = std::nearbyint(static_cast<double>(v));
    if (r < std::numeric_limits<int32_t>::min() || r > std::numeric_limits<int32_t>::max()) return 0;
    return static_cast<int>(r);
}

void MessaggioVersione(bool recente) {
    std::string t = recente ? "File dati incompatibile!\n"
                              "Aggiornare MERANTO DISEGNO CARPENTERIE ad una versione pi\xC3\xB9 recente.\n"
                            : "Meranto Disegno Impalcati \xC3\xA8 utilizzabile con\n"
                              "Ortavis v.132 o superiore.\n";
    t += std::string("Download: ") + SitoProduttore + "\nPer informazioni: " + PostaProduttore;
    Avviso(t);
}

// Reads one footing's values after its kind, by the layout of that kind: a number is a value,
// X two items dropped, D one item dropped, / a line read.
void LeggiValoriPlinto(LettoreTesto& r, PlintoArchivio& p) {
    const float k = p.Tipo;
    const char* schema = nullptr;
    if (k == 0 || k == 1)
        schema = "1 2 / 3 4 / 5 6 / 7 8 / X / 9";
    else if (k == 2)
        schema = "1 2 / 3 4 / 5 6 / 10 11 / 7 8 / X / 9";
    else if (k == 3)
        schema = "1 2 / X / D";
    else if (k == 4)
        schema = "1 2 / 3 4 / X / D";
    else if (k == 7 || k == 8 || k == 10)
        schema = "1 2 / 3 4 / 6 7 / X / D 5";
    else if (k >= 5 && k <= 10)
        schema = "1 2 / 3 4 / 6 / X / D 5";
    if (!schema) return;
    for (const char* c = schema; *c;) {
        if (*c == ' ') {
            ++c;
        } else if (*c == '/') {
            r.LeggiRiga();
            ++c;
        } else if (*c == 'X') {
            r.LeggiS();
            r.LeggiS();
            ++c;
        } else if (*c == 'D') {
            r.LeggiS();
            ++c;
        } else {
            int n = 0;
            while (*c >= '0' && *c <= '9') n = n * 10 + (*c++ - '0');
            p.Valori[n] = r.LeggiS();
        }
    }
}

// Least text one record of each table takes, for the count checks: every item is at least
// one character and a separator (the file's very last item may lack it), a line read at least
// its line end. The tables grow as their records are read, so that memory follows what the
// file holds, never the count it announces.
constexpr int ByteTipo = 3;          // a negative kind alone: "-1" and its separator
constexpr int ByteVoce = 3;          // a code and an empty line
constexpr int BytePlinto = 5;        // an empty line, a kind without values ("11"), the line after it
constexpr int BytePlintoIndice = 9;  // version 4 on: the index pair and its line too; a footing after a
                                     // marker does without the empty line
constexpr int ByteCinquina = 10;     // five values, a further table follows
constexpr int ByteQuaterna = 7;      // four values, the last of the file

// The body of the archive after its header. False when the section server could not be
// reached (already reported); malformed input throws ErroreLettura.
bool LeggiSezioni(LettoreTesto& r, int versione, ArchivioPilastri& a) {
    // Column types.
    r.LeggiT();
    const int numTipi = r.LeggiConteggio(ByteTipo);
    a.NumTipiPilastro = numTipi;
    a.TipoSezPilastro.clear();
    a.FormaPilastro.clear();
    a.DimPilastro.clear();
    a.SezioniPilastro.clear();
    for (int t = 0; t < numTipi; ++t) {
        int tipo = r.LeggiI();
        int forma = 0;
        std::array<float, 6> d{};
        if (tipo >= 0) {
            forma = r.LeggiI();
            if (tipo == 0) {
                for (float& v : d) v = r.LeggiS();
            } else if (tipo == 1 || tipo == 2) {
                d[0] = r.LeggiS();
                if (tipo == 2) d[1] = r.LeggiS();
                int k = AggiungiSezionePilastro(a, tipo, forma, NumeroSezione(d[0]));
                if (k < 0) {
                    Avviso("Archivio dei profili in acciaio non disponibile.");
                    return false;
                }
                d[2] = static_cast<float>(k);
            }
        }
        a.TipoSezPilastro.push_back(tipo);
        a.FormaPilastro.push_back(forma);
        a.DimPilastro.push_back(d);
    }
    a.TipoSezPilastro.push_back(0);
    a.FormaPilastro.push_back(0);
    a.DimPilastro.push_back({});
    if (a.SezioniPilastro.size() < static_cast<size_t>(numTipi) + 1) a.SezioniPilastro.resize(static_cast<size_t>(numTipi) + 1);

    // Coded texts: a count of 0 or less lists none.
    r.LeggiT();
    {
        int n = r.LeggiI();
        if (n > 0) r.ControllaConteggio(n, ByteVoce);
        a.NumVociArchivio = n;
        a.VociArchivio.clear();
        for (int j = 0; j < n; ++j) {
            VoceArchivio v;
            v.Codice = r.LeggiI();
            v.Testo = r.LeggiRiga();
            a.VociArchivio.push_back(std::move(v));
        }
        a.VociArchivio.emplace_back();
    }

    // Footings. A footing that ends at the marker line has already taken the line that a
    // version 4 archive puts before the next footing's index.
    r.LeggiT();
    a.NumPlintiArchivio = r.LeggiConteggio(versione >= 4 ? BytePlintoIndice : BytePlinto);
    a.PlintiArchivio.clear();
    bool marca = false;
    for (int i = 0; i < a.NumPlintiArchivio; ++i) {
        PlintoArchivio& p = a.PlintiArchivio.emplace_back();
        if (versione >= 4) {
            if (!marca) r.LeggiRiga();
            r.LeggiS();
            p.Indice = r.LeggiI();
        }
        r.LeggiRiga();
        p.Tipo = r.LeggiS();
        if (Rifilato(r.LeggiRiga()) == MarcaPlintoZoppo) {
            marca = true;
            continue;
        }
        marca = false;
        LeggiValoriPlinto(r, p);
        if (versione >= 5 && p.Tipo > 2) {
            int righe = versione == 5 ? 6 : 8;
            for (int k = 0; k < righe; ++k) r.LeggiRiga();
        }
    }
    a.PlintiArchivio.emplace_back();

    r.LeggiT();
    a.NumCinquineArchivio = r.LeggiConteggio(ByteCinquina);
    a.CinquineArchivio.clear();
    for (int i = 0; i < a.NumCinquineArchivio; ++i)
        for (float& v : a.CinquineArchivio.emplace_back()) v = r.LeggiS();
    a.CinquineArchivio.emplace_back();

    r.LeggiT();
    a.NumQuaterneArchivio = r.LeggiConteggio(ByteQuaterna);
    a.QuaterneArchivio.clear();
    for (int i = 0; i < a.NumQuaterneArchivio; ++i)
        for (float& v : a.QuaterneArchivio.emplace_back()) v = r.LeggiS();
    a.QuaterneArchivio.emplace_back();
    return true;
}

}  // namespace

void LeggiArchivio(const std::string& percorsoSoletta, ArchivioPilastri& archivio) {
    ErroreOperazione = 0;
    std::string percorso = TrovaFileCompagno(CartellaDaPercorso(percorsoSoletta), NomeFileArchivio);
    std::optional<std::string> byte;
    if (!percorso.empty()) byte = LeggiFileIntero(percorso);
    if (!byte) {
        Avviso("File archivio 'ARCHIMPA.AI0' non trovato.");
        Fallimento(archivio);
        return;
    }
    ArchivioPilastri nuovo;
    LettoreTesto r(*byte);
    try {
        std::string intestazione = r.LeggiRiga();
        int versione = VersioneArchivio(intestazione);
        bool corta = Rifilato(intestazione).size() <= 2;
        if (versione > 7 || (versione < 2 && !corta)) {
            MessaggioVersione(versione > 7);
            Fallimento(archivio);
            return;
        }
        if (!LeggiSezioni(r, versione, nuovo)) {
            Fallimento(archivio);
            return;
        }
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        Fallimento(archivio);
        return;
    } catch (const std::bad_alloc&) {
        SegnalaErroreLettura(percorso, ErroreLettura(CausaLettura::MemoriaInsufficiente, r.Riga()));
        Fallimento(archivio);
        return;
    }
    archivio = std::move(nuovo);
    ErroreOperazione = 0;
}

void LeggiArchivio(const std::string& percorsoSoletta, Modello& m) { LeggiArchivio(percorsoSoletta, m.Archivio); }

}  // namespace vilmor
