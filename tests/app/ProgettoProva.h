// The bench of the command tests: the sample slab copied into two folders of a temporary
// place ("A" and "B"), the settings folder there too, recorded windows and messages, and the
// process state put back afterwards.
#pragma once

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <string>

#include "app/CaricaProgetto.h"
#include "app/Undo.h"
#include "drawing/QuotaturaAutomatica.h"
#include "drawing/Ridisegna.h"
#include "drawing/Zoom.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"

namespace vilmor::prova {

namespace fs = std::filesystem;

inline const std::string Campione = std::string(VILMOR_ESEMPI) + "/solaio1";

// A 1000 x 1000 slab with one node per requirement set and no upper requirement at all: a
// slab with one central mesh.
inline std::string SolettaMagliaUnica() {
    std::string s = "4\r\n5\r\n1\r\n0,0\r\n0\r\n0\r\n0\r\n3\r\n20\r\n12\r\n20\r\n12\r\n25\r\n12\r\n25\r\n12\r\n14\r\n0\r\n90\r\n";
    s += "3\r\n";
    for (int k = 0; k < 3; ++k) {
        char riga[200];
        std::snprintf(riga, sizeof riga, "%d,%d,%d\r\n0,0,1,1\r\n0,0\r\n0,0,0,0\r\n0\r\n", k + 1, 50 + 10 * k, 50);
        s += riga;
    }
    s += "0\r\n4\r\n0,0\r\n0,1000\r\n1000,1000\r\n1000,0\r\n-1\r\n-1\r\n-1\r\n-1\r\n-1\r\n25\r\n\"X.DAT\"\r\n";
    return s;
}

// A face zone over nodes of the sample slab (box x0..x1, y0..y1).
inline void AggiungiZona(Modello& m, int tipo, float x0, float y0, float x1, float y1) {
    Zona z;
    z.Tipo = tipo;
    z.Angoli = {Punto{x0, y1}, Punto{x1, y1}, Punto{x1, y0}, Punto{x0, y0}};
    z.XMin = x0, z.YMin = y0, z.XMax = x1, z.YMax = y1;
    z.Diametro = 16, z.Passo = 15;
    z.XBarra1 = x0, z.YBarra1 = y0, z.XBarra2 = x1, z.YBarra2 = y0;
    z.XRif = x0, z.YRif = y0;
    z.XMin1 = x0, z.YMin1 = y0, z.XMax1 = x1, z.YMax1 = y1;
    z.XMin2 = x0, z.YMin2 = y0, z.XMax2 = x1, z.YMax2 = y1;
    z.PoligonoCordolo = -1;
    z.UltVertice = 3;
    ZoneArmatura& za = m.Zone;
    ++za.UltimaZona;
    za.Zone.resize(static_cast<size_t>(za.UltimaZona) + 1);
    za.Zone.back() = z;
    za.VerticiZone[static_cast<size_t>(za.UltimaZona)] = {z.Angoli.begin(), z.Angoli.end()};
}

struct EseguiProva : ::testing::Test {
    GlobaliProva globali;
    PiattaformaProva p;
    CartellaTemp dir;
    AmbienteProva xdg{"XDG_CONFIG_HOME", dir / "config"};
    std::string a, b;
    void SetUp() override {
        M = Modello{};
        ImpostaCartelle();
        ImpostaDefault();
        SettaIdComandi(1);
        Recenti = ListaRecenti{};
        Undo = StatoUndo{};
        Piatt.PauseAttive = false;
        Disegno = ServiziDisegno{};
        Disegno.Ridisegna = [](int u) { Ridisegna(u); };
        Disegno.ZoomEstensione = [] { ZoomEstensione(); };
        Disegno.QuotaturaAutomatica = QuotaturaAutomatica;
        a = Copia("A");
        b = Copia("B");
    }
    void TearDown() override { PulisciUndo(); }
    // A new start: b opened, then a, so that the recent list holds a, then b.
    void ApriBPoiA() {
        M = Modello{};
        PulisciUndo();
        Recenti = ListaRecenti{};
        ASSERT_EQ(CaricaProgetto(b), 0);
        ASSERT_EQ(CaricaProgetto(a), 0);
    }
    std::string Copia(const std::string& sotto) {
        fs::create_directories(dir / sotto);
        fs::copy_file(Campione + "/SOL1.QVR", dir / (sotto + "/SOL1.QVR"));
        fs::copy_file(Campione + "/ARCHIMPA.AI0", dir / (sotto + "/ARCHIMPA.AI0"));
        return dir / (sotto + "/SOL1.QVR");
    }
    // Full redraws of the plan: each starts with persistent drawing switched on.
    int Ridisegni() const {
        int n = 0;
        for (const auto& c : p.Video.Chiamate)
            if (c.Op == "DisegnoPersistente" && !c.Num.empty() && c.Num[0] != 0) ++n;
        return n;
    }
    // A half-finished mouse operation on the open slab.
    void StatoSporco() {
        Vista.ModoComando = 200;
        Vista.ModoPrecedente = 32;
        Vista.NodoSelezionato = 5;
        Vista.ElementoEvidenziato = 3;
        Vista.MostraManiglie = 1;
        Vista.RettTrascina = RettangoloTrascina{10, 20, 30, 40};
        Vista.RettFocus = RECT{1, 2, 3, 4};
        Quotatura.QuotaSelezionata = 2;
        Vista.ModoInfo = -1;
        Vista.UltimoComando = Comandi.IdCopia;
        p.Finestra.Prompt = "Seleziona l'armatura da copiare";
    }
    // Undo and redo are direct commands: they clear the repeat, the file commands keep it.
    void AttesoPulito(bool ripetizione) const {
        EXPECT_EQ(Vista.ModoComando, 0);
        EXPECT_EQ(Vista.ModoPrecedente, 0);
        EXPECT_EQ(Vista.NodoSelezionato, -1);
        EXPECT_EQ(Vista.ElementoEvidenziato, -1);
        EXPECT_EQ(Vista.MostraManiglie, 0);
        EXPECT_EQ(Vista.RettTrascina.X0, -1);
        EXPECT_EQ(Vista.RettFocus.left + Vista.RettFocus.top + Vista.RettFocus.right + Vista.RettFocus.bottom, 0);
        EXPECT_EQ(Quotatura.QuotaSelezionata, -1);
        EXPECT_EQ(p.Finestra.Prompt, "");
        EXPECT_EQ(Vista.ModoInfo, -1) << "the information mode stays";
        EXPECT_EQ(Vista.UltimoComando, ripetizione ? Comandi.IdCopia : 0);
    }
    void AttesoSporco() const {
        EXPECT_EQ(Vista.ModoComando, 200);
        EXPECT_EQ(Vista.NodoSelezionato, 5);
        EXPECT_EQ(Vista.ElementoEvidenziato, 3);
        EXPECT_EQ(Vista.RettTrascina.X0, 10);
        EXPECT_EQ(p.Finestra.Prompt, "Seleziona l'armatura da copiare");
    }
};

}  // namespace vilmor::prova
