// The sheet's dimensions in readers that draw dimensions again from the entity and the header,
// as LibreCAD does: they must print the figures the program computed, at either scale and at
// any print ratio, and the sheet's texts must not run into one another.
#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "../dxf/LettoriProva.h"
#include "app/CaricaSoletta.h"
#include "app/EsportaSoletteDxf.h"
#include "app/PosaSezioni.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct QuoteTavola : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello campione, sezioni;

    void SetUp() override {
        ImpostaDefault();
        ImpostaColori();
        Piatt.PauseAttive = false;
        Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
        ASSERT_EQ(CaricaSoletta(std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR", 0, campione, nullptr), 0);
        sezioni = campione;
        // A section along each bar direction through the plan point (450, 300): their bars are
        // dimensioned by bar-length dimensions.
        CalcolaDirezioni(sezioni);
        SettaLimiti(sezioni, Vista);
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 1000, 0, 2000};
        Vista.AltezzaVideo = 1000;
        for (int d : {0, 1}) {
            Vista.DirezioneSezione = d;
            Vista.IndiceSezione = d;
            AssegnaSez(sezioni, XSchermo(450), YSchermo(300));
        }
        sezioni.SezQuote.UltimaSezione = 1;
        ASSERT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    }

    // The sheet of `m` at the scale and print ratio given, into `nome`.
    std::string Esporta(Modello& m, int scala50, float unitaPerCm, const std::string& nome) {
        Imp.ScalaDxf50 = scala50;
        Imp.UnitaPerCm = unitaPerCm;
        Imp.FattoreDxf = (scala50 ? 2 : 1) * unitaPerCm;
        EsportaDxf.FormatoR12 = 0;
        const std::string file = dir / nome;
        EXPECT_TRUE(EsportaModelloDxf(m, file));
        return file;
    }
};

}  // namespace

// Every dimension carries its block's text and the header the settings of the dimensions' style:
// at 1:50, at 1:100, at 1 mm = 100 units, with sections and their bar lengths. No text covers
// another: the sheet's panels stand clear of one another.
TEST_F(QuoteTavola, LeQuoteRidisegnateScrivonoLeMisureDelProgramma) {
    const struct Caso {
        const char* file;
        bool sezioni;
        int scala50;
        float unitaPerCm;
    } casi[] = {
        {"50.dxf", false, 1, 1},         {"100.dxf", false, 0, 1},
        {"50-mm100.dxf", false, 1, 10},  {"100-mm100.dxf", false, 0, 10},
        {"sezioni50.dxf", true, 1, 1},   {"sezioni100.dxf", true, 0, 1},
    };
    std::vector<std::string> voci;
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.file);
        const std::string file = Esporta(k.sezioni ? sezioni : campione, k.scala50, k.unitaPerCm, k.file);
        // The bar lengths of the sections are dimensions too.
        if (k.sezioni) {
            EXPECT_NE(LeggiTutto(file).find("Ferri"), std::string::npos);
        }
        // At every scale no text of the sheet covers another.
        std::string voce = VoceElenco(file, Strati, k.unitaPerCm);
        voce.insert(voce.size() - 1, ",\"testi_separati\":true");
        voci.push_back(voce);
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(dir, voci, rapporto), 0) << rapporto;
}

// LibreCAD draws the 1:100 sheet's dimensions again: its page is the one it draws when it
// measures each dimension itself with the header's settings, so every figure, 900 among them,
// is the measure in centimetres; and a figure changed in the file changes the page.
TEST_F(QuoteTavola, LibreCadStampaLeMisureA1a100) {
    if (!std::filesystem::exists("/usr/bin/librecad")) GTEST_SKIP() << "LibreCAD non installato";
    if (!std::filesystem::exists("/usr/bin/pdftoppm")) GTEST_SKIP() << "pdftoppm non installato";
    const std::string file = Esporta(campione, 0, 1, "tavola.dxf");
    const std::string scritto = LeggiTutto(file);
    // Copies of the file whose dimensions lack their text ("misurate": the reader writes its own
    // measure), or whose 900 reads 450.
    std::string misurate, sbagliata;
    size_t da = 0;
    int novecento = 0;
    for (size_t i = scritto.find("DIMENSION\r\n"); i != std::string::npos; i = scritto.find("DIMENSION\r\n", i + 1)) {
        const size_t testo = scritto.find("\r\n  1\r\n", i);
        const size_t fine = scritto.find("\r\n", testo + 7);
        ASSERT_NE(testo, std::string::npos);
        misurate += scritto.substr(da, testo - da);
        sbagliata += scritto.substr(da, fine - da);
        if (scritto.substr(testo + 7, fine - testo - 7) == "900") {
            ++novecento;
            sbagliata.replace(sbagliata.size() - 3, 3, "450");
        }
        da = fine;
    }
    misurate += scritto.substr(da);
    sbagliata += scritto.substr(da);
    ASSERT_GE(novecento, 1);
    ScriviTutto(dir / "misurate.dxf", misurate);
    ScriviTutto(dir / "sbagliata.dxf", sbagliata);

    auto pagina = [&](const std::string& nome) {
        std::string errore;
        const long scuri = PixelScuriLibreCad(dir, dir / nome, errore);
        EXPECT_GT(scuri, 500) << nome << ": " << errore;
        for (const auto& e : std::filesystem::directory_iterator(dir / ("librecad-" + nome.substr(0, nome.size() - 4))))
            if (e.path().extension() == ".pgm") return LeggiTutto(e.path().string());
        return std::string();
    };
    const std::string tavola = pagina("tavola.dxf");
    ASSERT_FALSE(tavola.empty());
    EXPECT_TRUE(tavola == pagina("misurate.dxf")) << "LibreCAD's own measures differ from the file's figures";
    EXPECT_FALSE(tavola == pagina("sbagliata.dxf")) << "the page does not show the dimensions' figures";
}

// The screen's preview of the sheet is laid out as its drawing at 1:50: the title blocks that move
// clear of their views in the DXF move alike on the screen.
TEST_F(QuoteTavola, LAnteprimaHaLaDisposizioneDelDisegnoA1a50) {
    SettaLimiti(campione, Vista);
    Vista.PiantaCorrente = 5;
    Vista.CodiceVista = 17;
    Imp.ScalaDxf50 = 1;
    Imp.UnitaPerCm = 1;
    Imp.FattoreDxf = 2;
    // Where the title blocks stand: the first text of each.
    auto titoli = [](const std::vector<Entita>& e) {
        std::vector<std::pair<std::string, double>> r;
        for (const Entita& x : e)
            if (x.Tipo == "Testo" && x.Testo.starts_with("Armatura")) r.push_back({x.Testo, x.Num[0]});
        return r;
    };
    Ridisegna(campione, 0);
    Ridisegna(campione, 1);
    const auto schermo = titoli(p.SinkVideo.Entita_), dxf = titoli(p.SinkDxf.Entita_);
    ASSERT_EQ(schermo.size(), 6u);
    EXPECT_EQ(schermo, dxf);
    // The shear notes would reach their view at their place: they stand further left.
    const float P = 150 + Vista.LarghezzaPianta;
    const auto taglio =
        std::find_if(schermo.begin(), schermo.end(), [](const auto& t) { return t.first == "Armatura a taglio"; });
    ASSERT_NE(taglio, schermo.end());
    EXPECT_LT(taglio->second, 2 * P + Vista.LimitiPianta[0] - 10);
}
