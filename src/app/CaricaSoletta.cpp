#include "app/CaricaSoletta.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <system_error>

#include "base/FileTesto.h"
#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "design/AccessoriNodi.h"
#include "design/BarreZone.h"
#include "design/ContorniArmatura.h"
#include "design/ContorniPunzonamento.h"
#include "design/PerimetriPunzonamento.h"
#include "design/Residui.h"
#include "model/Estensioni.h"
#include "model/FileArmature.h"
#include "model/FileDatiProgetto.h"
#include "model/Impostazioni.h"
#include "model/LetturaArchivio.h"
#include "model/LetturaSoletta.h"
#include "model/ModuloDir.h"
#include "model/Statistiche.h"
#include "model/Titolo.h"

namespace vilmor {

namespace fs = std::filesystem;

namespace {

int Ferma(int stato) {
    ErroreOperazione = stato;
    return stato;
}

bool Leggibile(const std::string& percorso) {
    if (!EsisteFile(percorso)) return false;
    std::ifstream f(percorso, std::ios::binary);
    return f.good();
}

// The same slab file: the same file on disk, or the same path when the file has gone since the
// slab was opened.
bool StessaSoletta(const std::string& a, const std::string& b) {
    if (a.empty() || b.empty()) return false;
    std::error_code e1, e2;
    if (fs::equivalent(a, b, e1) && !e1) return true;
    const fs::path pa = fs::weakly_canonical(a, e1), pb = fs::weakly_canonical(b, e2);
    return !e1 && !e2 && pa == pb;
}

bool MagliaUnicaDa(const Modello& m) {
    if (m.Analisi.NumNodi <= 0 || m.Analisi.Nodi.empty()) return false;
    const Nodo& n = m.Analisi.Nodi[0];
    return n.RichSup1 < 1e-8f && n.RichSup2 < 1e-8f;
}

}  // namespace

std::string TestoCopertura(const Modello& m) {
    const int n = m.Analisi.NumNodi;
    if (n <= 0) return {};
    const std::string lato = m.Progetto.MagliaUnica ? "" : " lato -";
    const std::string righe[4] = {"Armatura lato + dir. 1: nodi con armatura ok < 20%",
                                  "Armatura" + lato + " dir. 1: nodi con armatura ok < 20%",
                                  "Armatura lato + dir. 2: nodi con armatura ok < 20%",
                                  "Armatura" + lato + " dir. 2: nodi con armatura ok < 20%"};
    std::string testo;
    for (int strato = 0; strato < 4; ++strato) {
        const float P = AreaStrato(static_cast<int>(LeggiDiamDiff(m, strato)), LeggiPassoDiff(m, strato));
        int coperti = 0;
        for (int i = 0; i < n; ++i)
            if (RichiestaNodo(m, strato, i) - P <= 0.005f) ++coperti;
        if (static_cast<double>(coperti) / n * 100 < 20) testo += righe[strato] + "\n";
    }
    return testo;
}

int CaricaSoletta(const std::string& percorso, int domanda, Modello& dest, FinestraPrincipale* finestra) {
    ErroreOperazione = 0;
    if (percorso.empty() || MaiuscoloUtf8(percorso) == "ANONIMO") return 0;
    if (!Leggibile(percorso)) {
        // The file test has already reported a bad path or a refused folder.
        if (ErroreOperazione != 0) return ErroreOperazione;
        Avviso("File della soletta:\n" + percorso + "\nnon trovato.");
        return Ferma(1);
    }
    Modello nuovo;
    // One read of the slab file serves the version check and, after the archive, the full read.
    auto byte = ApriFileIntero(percorso);
    if (!byte) return Ferma(1);
    if (!ControllaVersioneSolettaDaByte(*byte, percorso)) return Ferma(1);
    LeggiArchivio(percorso, nuovo);
    if (ErroreOperazione != 0) return ErroreOperazione;
    TestataSoletta testata;
    if (!LeggiSolettaDaByte(*byte, percorso, nuovo, &testata)) return Ferma(1);
    byte.reset();
    CalcolaPerimetroEsterno(nuovo);
    nuovo.Progetto.DataSoletta = DataFile(percorso);
    if (testata.FlagRisultati == 0) {
        const std::string& dati = nuovo.Progetto.PercorsoDatiProgetto;
        const std::string trovato = TrovaDatiProgetto(dati);
        if (trovato.empty()) {
            Avviso("File dati di progetto armature:\n" + dati + "\nnon trovato.");
            return Ferma(1);
        }
        if (!LeggiDatiProgetto(nuovo, trovato)) return Ferma(1);
        VerificaPerimetriPunzonamento(nuovo);
    }
    CalcContorniPunz(nuovo);

    auto& g = nuovo.Soletta;
    if (g.NumVertContorno > 0) {
        float lim[4] = {g.Contorno[0].X, g.Contorno[0].Y, g.Contorno[0].X, g.Contorno[0].Y};
        for (int i = 0; i < g.NumVertContorno; ++i) {
            lim[0] = std::min(lim[0], g.Contorno[i].X), lim[1] = std::min(lim[1], g.Contorno[i].Y);
            lim[2] = std::max(lim[2], g.Contorno[i].X), lim[3] = std::max(lim[3], g.Contorno[i].Y);
        }
        g.LimitiContorno = {lim[0], lim[1], lim[2], lim[3]};
    }
    nuovo.Diffusa.DiamCavalletti = Imp.DiamCavallettiDef;
    nuovo.Diffusa.PassoCavalletti1 = Imp.PassoCavalletti1Def;
    nuovo.Diffusa.PassoCavalletti2 = Imp.PassoCavalletti2Def;
    CalcolaDirezioni(nuovo);
    nuovo.Progetto.PercorsoSoletta = percorso;
    nuovo.Progetto.CartellaLavoro = CartellaDaPercorso(percorso);
    if (CaricaArmature(percorso, domanda, nuovo) == EsitoArmature::Letto) DetraiArmatureNodi(-1, nuovo);
    CalcolaContornoArmatura(nuovo);

    const bool unica = MagliaUnicaDa(nuovo);
    nuovo.Progetto.MagliaUnica = unica ? -1 : 0;
    dest = std::move(nuovo);
    if (finestra) {
        if (unica) finestra->SelezionaLato(1);
        finestra->MostraLati(!unica);
        finestra->MostraMagliaUnica(unica);
    }
    std::string avviso = TestoCopertura(dest);
    if (!avviso.empty()) Avviso(avviso + "Si consiglia la riprogettazione dell'armatura diffusa.");
    ErroreOperazione = 0;
    return 0;
}

int CaricaSoletta(const std::string& percorso, int domanda) {
    return CaricaSoletta(percorso, domanda, M, Piatt.Finestra);
}

int CaricaSolettaProgetto(const std::string& percorso, int domanda, Modello& dest, FinestraPrincipale* finestra) {
    int stato = CaricaSoletta(percorso, domanda, dest, finestra);
    if (stato != 0 || percorso.empty() || MaiuscoloUtf8(percorso) == "ANONIMO") return stato;
    CalcAreeDiffuse(dest);
    if (dest.Analisi.NumNodi > 0) {
        CalcStatNodi(dest);
        DetraiArmatureNodi(-1, dest);
    }
    CalcolaArmature(dest);
    return 0;
}

int CaricaSolettaProgetto(const std::string& percorso) { return CaricaSolettaProgetto(percorso, 1, M, Piatt.Finestra); }

Modello* SolettaElencata(const std::string& percorso, Modello* aperto, std::unique_ptr<Modello>& caricato) {
    if (aperto && aperto->Soletta.NumVertContorno > 0 && StessaSoletta(percorso, aperto->Progetto.PercorsoSoletta))
        return aperto;
    caricato = std::make_unique<Modello>();
    if (CaricaSolettaProgetto(percorso, 0, *caricato, nullptr) != 0) {
        caricato.reset();
        return nullptr;
    }
    return caricato.get();
}

}  // namespace vilmor
