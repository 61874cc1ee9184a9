// Real readers on exported files: ezdxf (strict loader, audit, recover mode) through Debian's
// Python, and LibreCAD's PDF conversion when it is installed.
#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "base/FileTesto.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/LettoriProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

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
    std::vector<std::string> voci;
    for (const FileProva& f : casi) {
        ASSERT_TRUE(ScriviFileAtomico(t / f.Nome, Esporta(f.Strati, f.K), false));
        voci.push_back(VoceElenco(t / f.Nome, f.Strati, f.K));
    }
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t, voci, rapporto), 0) << rapporto;
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
