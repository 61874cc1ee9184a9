// Real readers on exported files: ezdxf (strict loader, audit, recover mode) through Debian's
// Python, and LibreCAD's PDF conversion when it is installed.
#include <gtest/gtest.h>

#include <sys/wait.h>

#include <cstdlib>
#include <filesystem>
#include <string>

#include "base/FileTesto.h"
#include "dxf/EsportazioneProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

const std::string Script = std::string(VILMOR_DATI_PROVA) + "/../dxf/verifica_dxf.py";

std::string Json(const std::string& s) {
    std::string r = "\"";
    for (char c : s) {
        if (c == '"' || c == '\\') r += '\\';
        r += c;
    }
    return r + "\"";
}

// Exit status of a shell command; its output goes to `uscita`.
int Esegui(const std::string& comando, const std::string& uscita) {
    int s = std::system((comando + " >'" + uscita + "' 2>&1").c_str());
    return WIFEXITED(s) ? WEXITSTATUS(s) : -1;
}

struct FileProva {
    std::string Nome;
    StratiDisegno Strati;
    float K;
};

}  // namespace

TEST(LettoriDxf, EzdxfApreSenzaErroriNeCorrezioni) {
    CartellaTemp t;
    StratiDisegno rinominati = StratiDefault();
    rinominati.NomiLayer[3] = "PILASTRI_\xC3\x98_citt\xC3\xA0";  // UTF-8 here, 1252 on disk
    rinominati.AciLayer[3] = 200;
    const FileProva casi[] = {
        {"vuota.dxf", StratiDefault(), 1.0f},
        {"unita10.dxf", rinominati, 10.0f},
    };
    std::string elenco = "[";
    for (const FileProva& f : casi) {
        ASSERT_TRUE(ScriviFileAtomico(t / f.Nome, Esporta(f.Strati, f.K), false));
        if (elenco.size() > 1) elenco += ",";
        elenco += "{\"file\":" + Json(t / f.Nome) + ",\"k\":" + std::to_string(f.K) + ",\"layer\":[";
        for (int i = 0; i < NumLayer; ++i) {
            elenco += (i ? ",[" : "[") + Json(f.Strati.NomiLayer[i]) + "," +
                      std::to_string(f.Strati.AciLayer[i]) + "]";
        }
        elenco += "]}";
    }
    elenco += "]";
    ScriviTutto(t / "elenco.json", elenco);

    const int esito = Esegui("/usr/bin/python3 '" + Script + "' '" + (t / "elenco.json") + "'",
                             t / "uscita.txt");
    EXPECT_EQ(esito, 0) << LeggiTutto(t / "uscita.txt");
}

TEST(LettoriDxf, LibreCadLoConverteInPdf) {
    if (!std::filesystem::exists("/usr/bin/librecad")) GTEST_SKIP() << "LibreCAD non installato";
    CartellaTemp t;
    ASSERT_TRUE(ScriviFileAtomico(t / "vuota.dxf", Esporta(StratiDefault(), 1.0f), false));
    // A damaged file can make the converter hang: it gets a minute. Its settings stay in the
    // temporary folder.
    const std::string comando = "cd '" + t.Percorso() + "' && HOME='" + t.Percorso() +
                                "' XDG_CONFIG_HOME='" + t.Percorso() +
                                "' QT_QPA_PLATFORM=offscreen timeout 60 librecad dxf2pdf -o '" +
                                (t / "vuota.pdf") + "' '" + (t / "vuota.dxf") + "'";
    EXPECT_EQ(Esegui(comando, t / "uscita.txt"), 0) << LeggiTutto(t / "uscita.txt");
    EXPECT_TRUE(LeggiTutto(t / "vuota.pdf").starts_with("%PDF")) << LeggiTutto(t / "uscita.txt");
}
