#include "model/FileVerifica.h"

#include "base/FileTesto.h"
#include "base/Piattaforma.h"

namespace vilmor {

std::string NomeFileVerifica(int numero, const Modello& m) {
    if (numero < 0 || numero > 9999) return {};
    std::string n = std::to_string(numero);
    n.insert(0, 4 - n.size(), '0');
    return m.Progetto.CartellaLavoro + "/set" + n + ".SET";
}

std::string TestoVerifica(const Modello& m) {
    ScrittoreTesto w;
    w.Testo("VERSIONE 1");
    w.Testo("MERANTO");
    w.Testo("0             1            /<file solette ca>");
    w.Testo("VERIFICA");
    const auto& a = m.Analisi;
    w.Intero(a.NumNodi), w.FineRiga();
    const bool unica = m.Progetto.MagliaUnica != 0;
    for (int i = 0; i < a.NumNodi; ++i) {
        const Nodo& n = a.Nodi[i];
        w.Intero(n.Numero - 1);
        w.Numero(n.X, 6), w.Numero(n.Y, 6);
        w.Numero(n.RichInf1 - n.ResInf1, 6), w.Numero(n.RichInf2 - n.ResInf2, 6);
        if (unica) {
            w.Voce("0.000"), w.Voce("0.000");
        } else {
            w.Numero(n.RichSup1 - n.ResSup1, 6), w.Numero(n.RichSup2 - n.ResSup2, 6);
        }
        w.Voce("/<ret_armature>");
        w.FineRiga();
    }
    return w.ByteFinali();
}

bool SalvaSet(int numero, const Modello& m) {
    std::string nome = NomeFileVerifica(numero, m);
    if (nome.empty()) {
        Avviso("Numero di soletta non valido: il file di verifica non \xC3\xA8 stato scritto.");
        return false;
    }
    return ScriviFileAtomico(nome, TestoVerifica(m));
}

}  // namespace vilmor
