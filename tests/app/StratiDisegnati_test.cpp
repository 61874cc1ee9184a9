// The 24 "Disegna" switches of the export dialog, and the screen's own: each layer switched off
// in turn leaves that layer empty and every other layer as it was, in DXF 2000, in R12 and on
// the screen. Two sheets between them draw on every layer a drawer uses: the quantities slab
// (zones of every kind, a round column, punching records, stored dimensions) and the sample
// slab (hatched and steel columns, walls, beams, piles, automatic dimensions), each with two
// sections.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "../dxf/EsportazioneProva.h"
#include "../dxf/LettoriProva.h"
#include "app/CaricaSoletta.h"
#include "app/EsportaSoletteDxf.h"
#include "app/PosaSezioni.h"
#include "base/Piattaforma.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "drawing/SinkVideo.h"
#include "model/Estensioni.h"
#include "model/Resource.h"
#include "model/Vista.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

// What a layer holds: one line per drawn record, its kind and the values a reader draws it
// from (no handles, no block names, which follow the records written before).
using Contenuto = std::map<std::string, std::multiset<std::string>>;

Contenuto DelFile(const std::string& file) {
    static const std::set<std::string> tipi = {"LINE", "CIRCLE", "TEXT", "MTEXT", "INSERT", "DIMENSION"};
    static const std::set<std::string> codici = {" 10", " 20", " 11", " 21", " 13", " 23", " 14", " 24",
                                                 " 40", "  1", " 50", "10", "20", "41", "50"};
    const auto voci = Voci(LeggiTutto(file));
    Contenuto c;
    for (const char* sezione : {"ENTITIES", "BLOCKS"})
        for (const auto& rec : Record(SezioneDi(voci, sezione))) {
            if (!tipi.count(rec[0].Valore)) continue;
            std::string layer, firma = rec[0].Valore;
            for (const Voce& v : rec) {
                if (v.Codice == "  8") layer = v.Valore;
                // A dimension without its text layer suppresses its measure: the rest is the same.
                else if (codici.count(v.Codice) && !(rec[0].Valore == "DIMENSION" && v.Codice == "  1"))
                    firma += " " + v.Valore;
            }
            c[layer].insert(firma);
        }
    return c;
}

// The screen by colour: every layer has its own, the other calls keep theirs.
Contenuto DelloSchermo(const VideoRegistrato& v) {
    Contenuto c;
    int32_t primo = 0;
    auto n = [](double x) { return std::to_string(std::lround(x * 100)); };
    for (const ChiamataVideo& k : v.Chiamate) {
        if (k.Op == "ColorePrimoPiano") primo = static_cast<int32_t>(k.Num[0]);
        std::string firma = k.Op;
        int32_t colore;
        if (k.Op == "Linea") {
            colore = static_cast<int32_t>(k.Num[4]);
            firma += " " + n(k.Num[0]) + " " + n(k.Num[1]) + " " + n(k.Num[2]) + " " + n(k.Num[3]);
        } else if (k.Op == "Cerchio") {
            colore = static_cast<int32_t>(k.Num[3]);
            firma += " " + n(k.Num[0]) + " " + n(k.Num[1]) + " " + n(k.Num[2]);
        } else if (k.Op == "TestoRuotato") {
            colore = primo;
            firma += " " + n(k.Num[0]) + " " + n(k.Num[1]) + " " + k.Testo;
        } else {
            continue;
        }
        c[std::to_string(colore)].insert(firma);
    }
    return c;
}

// The differences between two contents, for a readable failure.
std::string Differenze(const Contenuto& a, const Contenuto& b) {
    std::string r;
    std::set<std::string> layer;
    for (const auto& [l, _] : a) layer.insert(l);
    for (const auto& [l, _] : b) layer.insert(l);
    for (const std::string& l : layer) {
        const auto ia = a.find(l), ib = b.find(l);
        const size_t na = ia == a.end() ? 0 : ia->second.size(), nb = ib == b.end() ? 0 : ib->second.size();
        if (ia == a.end() || ib == b.end() || ia->second != ib->second)
            r += l + ": " + std::to_string(na) + " / " + std::to_string(nb) + "\n";
    }
    return r;
}

struct StratiProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    Modello zone, campione;

    void SetUp() override {
        ImpostaDefault();
        Piatt.PauseAttive = false;
        const std::string computo = std::string(VILMOR_DATI_PROVA) + "/computo";
        for (const char* f : {"SOL8.QVR", "SOL8.DAT", "SOL8.QV0", "ARCHIMPA.AI0"})
            fs::copy_file(computo + "/" + f, dir / f);
        fs::create_directories(dir / "campione");
        for (const char* f : {"SOL1.QVR", "ARCHIMPA.AI0"})
            fs::copy_file(std::string(VILMOR_ESEMPI) + "/solaio1/" + f, dir / (std::string("campione/") + f));
        Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
        ASSERT_EQ(CaricaSoletta(dir / "SOL8.QVR", 0, zone, nullptr), 0);
        ASSERT_EQ(CaricaSoletta(dir / "campione/SOL1.QVR", 0, campione, nullptr), 0);
        DueSezioni(zone, 500, 450);
        DueSezioni(campione, 450, 450);
        ASSERT_TRUE(p.Msg.Visti.empty()) << p.Msg.Visti[0].Testo;
    }

    // A section along each bar direction through the plan point (x, y).
    static void DueSezioni(Modello& m, float x, float y) {
        CalcolaDirezioni(m);
        SettaLimiti(m, Vista);
        Vista.Scala = 1;
        Vista.FinestraVista = {0, 1000, 0, 2000};
        Vista.AltezzaVideo = 1000;
        for (int dir : {0, 1}) {
            Vista.DirezioneSezione = dir;
            Vista.IndiceSezione = dir;
            AssegnaSez(m, XSchermo(x), YSchermo(y));
        }
        m.SezQuote.UltimaSezione = 1;
    }

    Contenuto Esporta(Modello& m, int r12, const std::string& nome) {
        EsportaDxf.FormatoR12 = r12;
        const std::string f = dir / nome;
        EXPECT_TRUE(EsportaModelloDxf(m, f));
        return DelFile(f);
    }

    Contenuto Schermo(Modello& m) {
        Vista.PiantaCorrente = 5;
        SettaLimiti(m, Vista);
        Vista.Scala = 0.5f;
        Vista.FinestraVista = {-3000, 1000, -1000, 10000};
        Vista.AltezzaVideo = 2000;
        p.Video.Chiamate.clear();
        Ridisegna(m, 0);
        return DelloSchermo(p.Video);
    }
};

}  // namespace

TEST_F(StratiProva, OgniInterruttoreSpegneSoloIlSuoLayerNelDxf) {
    // Layers no drawer uses: the texts of studs, walls, slabs and beams, and layer 24.
    const std::set<int> vuoti = {13, 15, 16, 17};
    for (int r12 : {0, 1}) {
        SCOPED_TRACE(r12 ? "R12" : "2000");
        ImpostaDefault();
        const Contenuto baseZone = Esporta(zone, r12, "zone.dxf");
        const Contenuto baseCampione = Esporta(campione, r12, "campione.dxf");
        for (int i = 0; i < 24; ++i) {
            const std::string& nome = Strati.NomiLayer[static_cast<size_t>(i)];
            const bool usato = baseZone.count(nome) || baseCampione.count(nome);
            EXPECT_EQ(usato, !vuoti.count(i)) << nome;
        }
        for (int riga = 0; riga < 24; ++riga) {
            SCOPED_TRACE(Strati.NomiLayer[static_cast<size_t>(riga)]);
            Strati.VisLayerDxf.fill(1);
            Strati.VisLayerDxf[static_cast<size_t>(riga)] = 0;
            for (auto [m, base, nome] : {std::tuple{&zone, &baseZone, "z"}, std::tuple{&campione, &baseCampione, "c"}}) {
                Contenuto atteso = *base;
                atteso.erase(Strati.NomiLayer[static_cast<size_t>(riga)]);
                const std::string file = std::string(nome) + std::to_string(riga) + (r12 ? "-r12" : "") + ".dxf";
                const Contenuto visto = Esporta(*m, r12, file);
                EXPECT_TRUE(visto == atteso) << file << "\n" << Differenze(visto, atteso);
            }
        }
    }
    EXPECT_TRUE(p.Msg.Visti.empty());
    // Dimensions without their lines or without their texts still read well.
    std::vector<std::string> voci;
    for (const char* f : {"z8.dxf", "z18.dxf", "c8.dxf", "c18.dxf"}) voci.push_back(VoceElenco(dir / f, Strati, 1));
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(dir, voci, rapporto), 0) << rapporto;
}

TEST_F(StratiProva, OgniInterruttoreSpegneSoloIlSuoLayerSulloSchermo) {
    SinkVideo sink;
    Piatt.SinkVideo = &sink;
    // A colour of its own for each layer, apart from every other colour the screen uses.
    for (int i = 0; i < NumLayer; ++i) Strati.ColoriLayer[static_cast<size_t>(i)] = 0x700000 + 100 * i;
    Strati.VisLayerVideo.fill(1);
    const Contenuto baseZone = Schermo(zone), baseCampione = Schermo(campione);
    for (int riga = 0; riga < 24; ++riga) {
        SCOPED_TRACE(riga);
        Strati.VisLayerVideo.fill(1);
        Strati.VisLayerVideo[static_cast<size_t>(riga)] = 0;
        const std::string colore = std::to_string(0x700000 + 100 * riga);
        for (auto [m, base] : {std::pair{&zone, &baseZone}, std::pair{&campione, &baseCampione}}) {
            Contenuto atteso = *base;
            atteso.erase(colore);
            const Contenuto visto = Schermo(*m);
            EXPECT_TRUE(visto == atteso) << Differenze(visto, atteso);
        }
    }
}
