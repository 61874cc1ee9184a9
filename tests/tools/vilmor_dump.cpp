// Test tool: reads a slab file as the program does, without drawing, and prints the model as
// "name = value" lines. Not a feature of the program.
#include <cstdio>
#include <cstring>
#include <string>

#include "StampaModello.h"
#include "model/LetturaSoletta.h"
#include "model/Piattaforma.h"

namespace {

const char* Aiuto =
    "uso: vilmor_dump [opzioni] FILE.QVR\n"
    "\n"
    "Legge il file della soletta e stampa il modello, una riga \"nome = valore\" per voce,\n"
    "con i nomi del codice:\n"
    "  PercorsoSoletta, NumeroSoletta, OrigineX, OrigineY, Spessore, Copriferro,\n"
    "  PercorsoDatiProgetto, MagliaUnica\n"
    "  NumVertContorno, Contorno(i) = X, Y (anello chiuso, in senso orario)\n"
    "  NumFori, NumVertForo(f), InizioForo(f), PoliX, PoliY(f, k) = X, Y\n"
    "  NumPilastri, Pilastri(i).NumVertici/.Numero/.Tratteggio/.X, Y/.Tipo/.Angolo/.VX/.VY/\n"
    "    .XMin, YMin, XMax, YMax\n"
    "  NumSetti, Setti(i).Codice/.X1, Y1, X2, Y2; NumTravi, Travi(i) come i setti\n"
    "  NumPali, Pali(i).X, Y, Raggio\n"
    "  DiamDiff*, PassoDiff*, DiamCavalletti, PassoCavalletti1/2, AreaDiff*, AreaCavalletti,\n"
    "  DiamIntegrativa, AngoloDir1Gradi, AngoloDir1, AngoloDir2Gradi, AngoloDir2\n"
    "  NumNodi, Nodi(i).Numero/.X, Y/.RichSup1, RichSup2, RichInf1, RichInf2/\n"
    "    .RichTaglio1, RichTaglio2/.ResSup1, ResSup2, ResInf1, ResInf2/.ResTaglio\n"
    "  NumElementi, Elementi(i).Numero/.Triangolo/.NodoNum/.NodoIdx/.RichSup1 ... (4 angoli)\n"
    "  NumPunzonamenti, MediaRichiesta, MaxRichiesta, MinRichiesta\n"
    "I numeri sono scritti col punto decimale, nella forma piu' corta che li rilegge uguali.\n"
    "\n"
    "opzioni:\n"
    "  --senza-nodi      non stampa i nodi uno per uno\n"
    "  --senza-elementi  non stampa gli elementi uno per uno\n"
    "  --help            questo aiuto\n"
    "\n"
    "I messaggi del programma vanno su stderr come \"[titolo] testo\".\n"
    "Stato di uscita: 0 letto, 1 file rifiutato, 2 uso errato.\n";

// Message boxes become lines on stderr; the first button answers.
class MessaggiStderr : public vilmor::Messaggi {
public:
    vilmor::RispostaMsg Mostra(const std::string& testo, vilmor::IconaMsg, vilmor::PulsantiMsg pulsanti,
                               const std::string& titolo) override {
        std::fprintf(stderr, "[%s] %s\n", titolo.c_str(), testo.c_str());
        switch (pulsanti) {
            case vilmor::PulsantiMsg::SiNo:
            case vilmor::PulsantiMsg::SiNoAnnulla: return vilmor::RispostaMsg::Si;
            default: return vilmor::RispostaMsg::Ok;
        }
    }
};

}  // namespace

int main(int argc, char** argv) {
    std::string file;
    vilmor::dump::OpzioniStampa opzioni;
    for (int i = 1; i < argc; ++i) {
        if (std::strcmp(argv[i], "--help") == 0 || std::strcmp(argv[i], "-h") == 0) {
            std::fputs(Aiuto, stdout);
            return 0;
        } else if (std::strcmp(argv[i], "--senza-nodi") == 0) {
            opzioni.Nodi = false;
        } else if (std::strcmp(argv[i], "--senza-elementi") == 0) {
            opzioni.Elementi = false;
        } else if (argv[i][0] == '-' || !file.empty()) {
            std::fputs(Aiuto, stderr);
            return 2;
        } else {
            file = argv[i];
        }
    }
    if (file.empty()) {
        std::fputs(Aiuto, stderr);
        return 2;
    }

    MessaggiStderr msg;
    vilmor::Piatt.Msg = &msg;
    vilmor::Modello& m = vilmor::M;
    if (!vilmor::ControllaVersioneSoletta(file, m) || !vilmor::LeggiSoletta(file, m)) return 1;
    std::fputs(vilmor::dump::StampaModello(m, opzioni).c_str(), stdout);
    return 0;
}
