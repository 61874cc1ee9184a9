// The sheet of a slab loaded beside the open project, exported to DXF 2000: the real readers
// open it, the project in memory is not touched, and what the report charges is on it.
#include <gtest/gtest.h>

#include <cmath>
#include <set>

#include "app/CaricaSoletta.h"
#include "drawing/Ridisegna.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/FileDxf2000.h"
#include "dxf/LettoriProva.h"
#include "model/Estensioni.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "report/Computo.h"
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

// The sheet of the quantities slab (two curbs, a column's and a node's punching record) shows
// what the report charges: each curb's stirrup lines are the report's count, and each punching
// row's name is written on the punching view, on the layer of the records' names.
TEST(TavolaDxf, IlComputoSiRitrovaSullaTavola) {
    GlobaliProva stato;
    PiattaformaProva p;
    CartellaTemp t;
    ImpostaDefault();
    ImpostaColori();
    Modello m;
    ASSERT_EQ(CaricaSolettaProgetto(std::string(VILMOR_DATI_PROVA) + "/computo/SOL8.QVR", 0, m, nullptr), 0);
    const auto staffe = RigheStaffe(m);
    const auto punz = RighePunz(m);
    ASSERT_EQ(staffe.size(), 2u);
    ASSERT_EQ(punz.size(), 2u);
    SettaLimiti(m, Vista);
    Vista.PiantaCorrente = 5;
    for (int scala50 : {1, 0}) {
        SCOPED_TRACE(scala50);
        Imp.ScalaDxf50 = scala50;
        Imp.FattoreDxf = scala50 ? 2.0f : 1.0f;
        const double F = Imp.FattoreDxf;
        const std::string file = t / ("tavola" + std::to_string(scala50) + ".dxf");
        ASSERT_TRUE(SalvaDxf2000(file, [&] { Ridisegna(m, 1); }));
        const auto entita = SezioneDi(Voci(LeggiTutto(file)), "ENTITIES");

        // A stirrup: a line on layer 1 across the curb, two thirds of its width or all of it.
        for (const RigaStaffe& r : staffe) {
            const Zona& z = m.Zone.Zone[static_cast<size_t>(r.Zona)];
            const double ax = std::cos(z.Angolo), ay = std::sin(z.Angolo), larghezza = z.Passo2 * F;
            int linee = 0;
            for (const auto& rec : RecordDi(entita, "LINE")) {
                if (Valore(rec, "  8") != Strati.NomiLayer[1]) continue;
                const double dx = std::stod(Valore(rec, " 11")) - std::stod(Valore(rec, " 10"));
                const double dy = std::stod(Valore(rec, " 21")) - std::stod(Valore(rec, " 20"));
                const double l = std::hypot(dx, dy);
                if (std::abs(dx * ax + dy * ay) < 1e-3 * l && l > 0.6 * larghezza && l < larghezza + 1e-3) ++linee;
            }
            EXPECT_EQ(linee, r.Numero) << "curb " << r.Zona + 1;
        }

        std::set<std::string> nomi;
        for (const auto& rec : RecordDi(entita, "TEXT"))
            if (Valore(rec, "  8") == Strati.NomiLayer[14]) nomi.insert(Valore(rec, "  1"));
        for (const RigaPunz& r : punz) {
            const std::string nome = (r.Pilastro ? "P" : "N") + std::to_string(r.Numero);
            EXPECT_TRUE(nomi.count(nome)) << nome;
        }
    }
    EXPECT_EQ(staffe[0].Numero, 25);  // 500 cm at 20
    EXPECT_EQ(staffe[1].Numero, 40);  // 500 cm at 25, four legs
}
