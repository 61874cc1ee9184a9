// The sheet of a slab loaded beside the open project, exported to DXF 2000: the real readers
// open it, and the project in memory is not touched.
#include <gtest/gtest.h>

#include "app/CaricaSoletta.h"
#include "drawing/Ridisegna.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/FileDxf2000.h"
#include "dxf/LettoriProva.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

TEST(TavolaDxf, SolettaCaricataAParteSiEsporta) {
    GlobaliProva stato;
    PiattaformaProva p;
    CartellaTemp t;
    ImpostaDefault();
    ImpostaColori();
    const Modello progetto = M;
    Modello m;
    ASSERT_EQ(CaricaSoletta(std::string(VILMOR_ESEMPI) + "/solaio1/SOL1.QVR", 0, m, nullptr), 0);
    SettaLimiti(m, Vista);
    Vista.PiantaCorrente = 5;
    for (int scala50 : {1, 0}) {
        Imp.ScalaDxf50 = scala50;
        Imp.FattoreDxf = scala50 ? 2.0f : 1.0f;
        const std::string file = t / ("tavola" + std::to_string(scala50) + ".dxf");
        ASSERT_TRUE(SalvaDxf2000(file, [&] { Ridisegna(m, 1); }));
        const auto entita = Record(SezioneDi(Voci(LeggiTutto(file)), "ENTITIES"));
        EXPECT_GT(entita.size(), 100u);
    }
    EXPECT_EQ(M.Soletta.NumVertContorno, progetto.Soletta.NumVertContorno);
    EXPECT_EQ(M.Analisi.NumNodi, progetto.Analisi.NumNodi);
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t,
                          {VoceElenco(t / "tavola1.dxf", Strati, Imp.UnitaPerCm),
                           VoceElenco(t / "tavola0.dxf", Strati, Imp.UnitaPerCm)},
                          rapporto),
              0)
        << rapporto;
}
