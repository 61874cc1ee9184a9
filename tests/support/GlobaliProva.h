// Process-wide state for the life of a test: every group listed in model/definizioni.h and the
// platform struct are saved when the guard is built and put back when it goes, so a test may
// change any of them freely and the next test starts from the same state.
#pragma once

#include <cstdlib>
#include <optional>
#include <string>

#include "base/Piattaforma.h"
#include "model/definizioni.h"

namespace vilmor::prova {

class GlobaliProva {
public:
    GlobaliProva() = default;
    GlobaliProva(const GlobaliProva&) = delete;
    GlobaliProva& operator=(const GlobaliProva&) = delete;
    ~GlobaliProva() {
        ErroreOperazione = erroreOperazione_;
        M = m_;
        Edit = edit_;
        Quotatura = quotatura_;
        EditSez = editSez_;
        Strati = strati_;
        Vista = vista_;
        Imp = imp_;
        Mat = mat_;
        Comandi = comandi_;
        Dir = dir_;
        Recenti = recenti_;
        Undo = undo_;
        Mappa = mappa_;
        AggMulti = aggMulti_;
        Disegno = disegno_;
        SezioneCorrente = sezioneCorrente_;
        EsportaDxf = esportaDxf_;
        Elenco = elenco_;
        Piatt = piatt_;
    }

private:
    int erroreOperazione_ = ErroreOperazione;
    Modello m_ = M;
    EditZone edit_ = Edit;
    EditQuote quotatura_ = Quotatura;
    StatoEditSez editSez_ = EditSez;
    StratiDisegno strati_ = Strati;
    StatoVista vista_ = Vista;
    Impostazioni imp_ = Imp;
    Materiali mat_ = Mat;
    IdentificatoriComandi comandi_ = Comandi;
    Cartelle dir_ = Dir;
    ListaRecenti recenti_ = Recenti;
    StatoUndo undo_ = Undo;
    ScalaMappe mappa_ = Mappa;
    DatiAggMulti aggMulti_ = AggMulti;
    ServiziDisegno disegno_ = Disegno;
    SezionePilastro sezioneCorrente_ = SezioneCorrente;
    StatoDxf esportaDxf_ = EsportaDxf;
    ElencoSolette elenco_ = Elenco;
    Piattaforma piatt_ = Piatt;
};

// An environment variable set for the life of a test (the settings folder, say), then put back
// as it was, unset when it was unset.
class AmbienteProva {
public:
    AmbienteProva(const std::string& nome, const std::string& valore) : nome_(nome) {
        if (const char* v = std::getenv(nome.c_str())) vecchio_ = v;
        ::setenv(nome.c_str(), valore.c_str(), 1);
    }
    AmbienteProva(const AmbienteProva&) = delete;
    AmbienteProva& operator=(const AmbienteProva&) = delete;
    ~AmbienteProva() {
        if (vecchio_) ::setenv(nome_.c_str(), vecchio_->c_str(), 1);
        else ::unsetenv(nome_.c_str());
    }

private:
    std::string nome_;
    std::optional<std::string> vecchio_;
};

}  // namespace vilmor::prova
