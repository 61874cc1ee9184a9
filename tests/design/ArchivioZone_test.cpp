#include "design/ArchivioZone.h"

#include <gtest/gtest.h>

#include <cstring>
#include <type_traits>

#include "model/Estensioni.h"
#include "support/Registrazioni.h"

namespace vilmor {
namespace {

static_assert(std::is_trivially_copyable_v<Zona>);
bool Uguali(const Zona& a, const Zona& b) { return std::memcmp(&a, &b, sizeof(Zona)) == 0; }

// A project with the bar directions along the plan axes and an empty zone table.
struct Tavola {
    Modello m;
    EditZone e;
    Tavola() {
        m.Progetto.AngoloDir1 = 0;
        m.Progetto.AngoloDir2 = 1.5707963f;
        CalcolaDirezioni(m);
    }
    // Prepares a zone of kind/direction whose outline is a square at x0 with `lati` extra
    // vertices along its top side; `etichetta` goes to Diametro to tell the zones apart.
    void Prepara(int tipo, int direzione, int etichetta, float x0, int extra = 0) {
        e.ZonaCorrente = Zona{};
        e.ZonaCorrente.Tipo = tipo;
        e.ZonaCorrente.Direzione = direzione;
        e.ZonaCorrente.Diametro = etichetta;
        e.ContornoZonaCorr = {{x0, 0}, {x0, 100}};
        for (int k = 1; k <= extra; ++k) e.ContornoZonaCorr.push_back({x0 + 100.0f * k / (extra + 1), 100});
        e.ContornoZonaCorr.push_back({x0 + 100, 100});
        e.ContornoZonaCorr.push_back({x0 + 100, 0});
        e.UltVertZonaCorr = static_cast<int>(e.ContornoZonaCorr.size()) - 1;
        e.ContornoZonaCorr.push_back({0, 0});  // the spare element the clipping leaves
        e.MantieniRiferimento = -1;
    }
    bool Nuova(int tipo, int direzione, int etichetta, float x0, int extra = 0) {
        Prepara(tipo, direzione, etichetta, x0, extra);
        e.ZonaSelezionata = m.Zone.UltimaZona + 1;
        return MemorizzaZona(m, e);
    }
    std::vector<int> Etichette() const {
        std::vector<int> v;
        for (int i = 0; i <= m.Zone.UltimaZona; ++i) v.push_back(m.Zone.Zone[i].Diametro);
        return v;
    }
    // Every record's outline starts at the x its label was given (label x 1000).
    void ControllaContorni() const {
        for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
            const Zona& z = m.Zone.Zone[i];
            const auto& riga = m.Zone.VerticiZone[i];
            ASSERT_GE(static_cast<int>(riga.size()), z.UltVertice + 1) << "zona " << i;
            EXPECT_EQ(riga[0].X, 1000.0f * z.Diametro) << "zona " << i;
            EXPECT_EQ(riga[z.UltVertice].X, 1000.0f * z.Diametro + 100) << "zona " << i;
        }
    }
};

TEST(ArchivioZone, OrdineDelloScambio) {
    // Upper face direction 2 (key 1) and direction 1 (key 0). The exchange sort carries zones
    // past others of their key: these are the position numbers of the drawings.
    struct Caso {
        std::vector<int> chiavi;
        std::vector<int> atteso;
    } casi[] = {
        {{1, 1, 0}, {3, 2, 1}},
        {{1, 1, 1, 0}, {4, 2, 3, 1}},
        {{5, 2, 4, 0, 3}, {4, 2, 5, 3, 1}},
    };
    for (const auto& c : casi) {
        Tavola t;
        int etichetta = 1;
        for (int k : c.chiavi) {
            int tipo = k / 2 == 2 ? 3 : k / 2;
            ASSERT_TRUE(t.Nuova(tipo, k % 2, etichetta, 1000.0f * etichetta));
            ++etichetta;
        }
        EXPECT_EQ(t.Etichette(), c.atteso);
        t.ControllaContorni();
        for (int i = 1; i <= t.m.Zone.UltimaZona; ++i)
            EXPECT_LE(ClasseZona(t.m.Zone, i - 1), ClasseZona(t.m.Zone, i));
    }
}

TEST(ArchivioZone, ClasseZona) {
    const int attese[4][2] = {{0, 1}, {2, 3}, {4, 5}, {4, 5}};
    for (int tipo = 0; tipo < 4; ++tipo)
        for (int dir = 0; dir < 2; ++dir) {
            Zona z;
            z.Tipo = tipo;
            z.Direzione = dir == 0 ? 0 : 1;
            EXPECT_EQ(ClasseZona(z), attese[tipo][dir]);
        }
}

TEST(ArchivioZone, DopoLaMemorizzazioneLaZonaCorrenteEQuellaMemorizzata) {
    Tavola t;
    ASSERT_TRUE(t.Nuova(1, 0, 1, 1000));
    ASSERT_TRUE(t.Nuova(1, 1, 2, 2000));
    ASSERT_TRUE(t.Nuova(0, 0, 3, 3000));  // moves in front of the lower-face zones
    EXPECT_EQ(t.Etichette(), (std::vector<int>{3, 1, 2}));
    // The derived geometry was set, the record stored is the current one, the outline untouched.
    EXPECT_FLOAT_EQ(t.e.ZonaCorrente.XMarca, 3050);
    EXPECT_EQ(t.e.ZonaCorrente.UltVertice, 3);
    EXPECT_TRUE(Uguali(t.e.ZonaCorrente, t.m.Zone.Zone[0]));
    EXPECT_EQ(t.e.ContornoZonaCorr[0].X, 3000.0f);
    EXPECT_EQ(t.e.UltVertZonaCorr, 3);
    EXPECT_EQ(t.e.MantieniRiferimento, 0);
    // Curbs and studs take their geometry in their own angle.
    ASSERT_TRUE(t.Nuova(3, 0, 4, 4000));
    EXPECT_FLOAT_EQ(t.e.ZonaCorrente.XBarra1, 4050);
    EXPECT_FLOAT_EQ(t.e.ZonaCorrente.YRif, -30);
}

TEST(ArchivioZone, SostituzioneSpostaLaZonaConIlSuoContorno) {
    Tavola t;
    ASSERT_TRUE(t.Nuova(0, 0, 1, 1000, 2));  // 6 vertices
    ASSERT_TRUE(t.Nuova(1, 0, 2, 2000));
    // Zone 0 becomes a lower-face direction-2 zone with a shorter outline: it sorts behind.
    t.Prepara(1, 1, 1, 1000);
    t.e.ZonaSelezionata = 0;
    ASSERT_TRUE(MemorizzaZona(t.m, t.e));
    EXPECT_EQ(t.m.Zone.UltimaZona, 1);
    EXPECT_EQ(t.Etichette(), (std::vector<int>{2, 1}));
    const Zona& z = t.m.Zone.Zone[1];
    EXPECT_EQ(z.Tipo, 1);
    EXPECT_EQ(z.UltVertice, 3);
    const auto& riga = t.m.Zone.VerticiZone[1];
    ASSERT_GE(riga.size(), 4u);
    const Punto attesi[] = {{1000, 0}, {1000, 100}, {1100, 100}, {1100, 0}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(riga[k].X, attesi[k].X) << k;
        EXPECT_EQ(riga[k].Y, attesi[k].Y) << k;
    }
    t.ControllaContorni();
}

TEST(ArchivioZone, CopiaSullAltraFaccia) {
    Tavola t;
    ASSERT_TRUE(t.Nuova(1, 0, 1, 1000));
    t.Prepara(0, 0, 2, 2000);
    t.e.ZonaSelezionata = t.m.Zone.UltimaZona + 1;
    t.e.EntrambiLati = 1;
    t.e.LatoMulti = 1;
    ASSERT_TRUE(MemorizzaZona(t.m, t.e));
    EXPECT_EQ(t.e.EntrambiLati, 1);  // the copy is the next call's
    ASSERT_TRUE(DuplicaZonaFaccia(t.m.Zone, t.e));
    EXPECT_EQ(t.e.EntrambiLati, 0);
    ASSERT_EQ(t.m.Zone.UltimaZona, 2);
    // Last, on the other face, with every derived value and the same outline.
    const Zona& copia = t.m.Zone.Zone[2];
    EXPECT_EQ(copia.Tipo, 1);
    Zona atteso = t.m.Zone.Zone[0];
    atteso.Tipo = 1;
    EXPECT_TRUE(Uguali(copia, atteso));
    EXPECT_EQ(t.m.Zone.VerticiZone[2].size(), 4u);
    EXPECT_EQ(t.m.Zone.VerticiZone[2][3].X, 2100.0f);
    EXPECT_EQ(t.Etichette(), (std::vector<int>{2, 1, 2}));
    // Without the flag nothing happens.
    ASSERT_TRUE(DuplicaZonaFaccia(t.m.Zone, t.e));
    EXPECT_EQ(t.m.Zone.UltimaZona, 2);
    // The next store sorts the copy into place.
    ASSERT_TRUE(t.Nuova(0, 1, 3, 3000));
    EXPECT_EQ(t.Etichette(), (std::vector<int>{2, 3, 2, 1}));
    t.ControllaContorni();
}

TEST(ArchivioZone, Cancellazione) {
    Tavola t;
    ASSERT_TRUE(t.Nuova(0, 0, 1, 1000, 1));
    ASSERT_TRUE(t.Nuova(0, 0, 2, 2000, 3));
    ASSERT_TRUE(t.Nuova(0, 0, 3, 3000));
    ZoneArmatura prima = t.m.Zone;

    // Outside the table: nothing changes.
    for (int n : {-1, 3, 100}) {
        EXPECT_FALSE(CancellaZona(t.m.Zone, n)) << n;
        EXPECT_EQ(t.m.Zone.UltimaZona, 2) << n;
    }
    EXPECT_EQ(t.Etichette(), (std::vector<int>{1, 2, 3}));

    EXPECT_TRUE(CancellaZona(t.m.Zone, 0));
    EXPECT_EQ(t.m.Zone.UltimaZona, 1);
    EXPECT_EQ(t.Etichette(), (std::vector<int>{2, 3}));
    EXPECT_EQ(t.m.Zone.Zone[0].UltVertice, 6);
    t.ControllaContorni();
    EXPECT_TRUE(t.m.Zone.VerticiZone[2].empty());

    EXPECT_TRUE(CancellaZona(t.m.Zone, 1));  // the last one
    EXPECT_EQ(t.Etichette(), (std::vector<int>{2}));
    EXPECT_TRUE(Uguali(t.m.Zone.Zone[0], prima.Zone[1]));
    EXPECT_TRUE(CancellaZona(t.m.Zone, 0));
    EXPECT_EQ(t.m.Zone.UltimaZona, -1);
    EXPECT_FALSE(CancellaZona(t.m.Zone, 0));
    EXPECT_EQ(t.m.Zone.UltimaZona, -1);
}

TEST(ArchivioZone, CercaCordolo) {
    ZoneArmatura z;
    auto aggiungi = [&](int tipo, int lato, int poligono) {
        Zona c;
        c.Tipo = tipo, c.LatoCordolo = lato, c.PoligonoCordolo = poligono;
        z.Zone.push_back(c);
        z.UltimaZona += 1;
    };
    aggiungi(0, 2, -1);   // a face zone never counts
    aggiungi(2, 3, -1);
    aggiungi(2, 2, 0);    // same side of an opening
    aggiungi(2, 2, -1);
    aggiungi(2, 2, -1);
    Zona cerca;
    cerca.LatoCordolo = 2, cerca.PoligonoCordolo = -1;
    EXPECT_EQ(CercaCordolo(z, cerca), 3);
    cerca.PoligonoCordolo = 0;
    EXPECT_EQ(CercaCordolo(z, cerca), 2);
    cerca.LatoCordolo = 7;
    EXPECT_EQ(CercaCordolo(z, cerca), -1);
    EXPECT_EQ(CercaCordolo(ZoneArmatura{}, cerca), -1);
}

// A table of n zones of one key, filled directly.
void Riempi(Tavola& t, int n) {
    t.m.Zone.Zone.assign(static_cast<size_t>(n), Zona{});
    for (int i = 0; i < n; ++i) {
        t.m.Zone.Zone[i].UltVertice = 0;
        t.m.Zone.Zone[i].Diametro = i;
        t.m.Zone.VerticiZone[i] = {{float(i), 0}};
    }
    t.m.Zone.UltimaZona = n - 1;
}

TEST(ArchivioZone, LimiteDelleZone) {
    struct Caso {
        int zone;         // zones already stored
        bool sostituisce; // store at index 0 instead of appending
        int entrambi;
        bool accetta;
    } casi[] = {
        {601, false, 0, false},
        {601, true, 0, true},
        {601, true, 1, false},
        {600, false, 0, true},
        {600, false, 1, false},
        {599, false, 1, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(testing::Message() << c.zone << " " << c.sostituisce << " " << c.entrambi);
        prova::PiattaformaProva p;
        Tavola t;
        Riempi(t, c.zone);
        t.Prepara(0, 0, 9999, 5000);
        t.e.ZonaSelezionata = c.sostituisce ? 0 : t.m.Zone.UltimaZona + 1;
        t.e.EntrambiLati = c.entrambi;
        t.e.LatoMulti = 1;
        const ZoneArmatura prima = t.m.Zone;
        const EditZone ePrima = t.e;

        bool ok = MemorizzaZona(t.m, t.e);
        EXPECT_EQ(ok, c.accetta);
        if (ok) {
            EXPECT_TRUE(p.Msg.Visti.empty());
            EXPECT_EQ(t.m.Zone.UltimaZona, c.zone - (c.sostituisce ? 1 : 0));
            continue;
        }
        ASSERT_EQ(p.Msg.Visti.size(), 1u);
        EXPECT_EQ(p.Msg.Visti[0].Testo,
                  "Raggiunto il numero massimo di 601 posizioni di armatura.\nOperazione annullata.");
        EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
        EXPECT_EQ(p.Msg.Visti[0].Pulsanti, PulsantiMsg::Ok);
        // Nothing changed: table, outlines, the current zone and its switches.
        ASSERT_EQ(t.m.Zone.UltimaZona, prima.UltimaZona);
        ASSERT_EQ(t.m.Zone.Zone.size(), prima.Zone.size());
        for (size_t i = 0; i < prima.Zone.size(); ++i) {
            EXPECT_TRUE(Uguali(t.m.Zone.Zone[i], prima.Zone[i])) << i;
            ASSERT_EQ(t.m.Zone.VerticiZone[i].size(), prima.VerticiZone[i].size()) << i;
            EXPECT_EQ(t.m.Zone.VerticiZone[i][0].X, prima.VerticiZone[i][0].X) << i;
        }
        EXPECT_TRUE(Uguali(t.e.ZonaCorrente, ePrima.ZonaCorrente));
        EXPECT_EQ(t.e.ContornoZonaCorr.size(), ePrima.ContornoZonaCorr.size());
        EXPECT_EQ(t.e.UltVertZonaCorr, ePrima.UltVertZonaCorr);
        EXPECT_EQ(t.e.EntrambiLati, ePrima.EntrambiLati);
        EXPECT_EQ(t.e.MantieniRiferimento, ePrima.MantieniRiferimento);
    }
}

TEST(ArchivioZone, CopiaRifiutataATabellaPiena) {
    prova::PiattaformaProva p;
    Tavola t;
    Riempi(t, 601);
    t.Prepara(0, 0, 9999, 5000);
    t.e.EntrambiLati = 1;
    t.e.LatoMulti = 1;
    EXPECT_FALSE(DuplicaZonaFaccia(t.m.Zone, t.e));
    EXPECT_EQ(t.m.Zone.UltimaZona, 600);
    EXPECT_EQ(t.m.Zone.Zone.size(), 601u);
    EXPECT_EQ(t.e.EntrambiLati, 1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, MsgLimiteZone);
}

TEST(ArchivioZone, IndiceNegativoRifiutato) {
    prova::PiattaformaProva p;
    Tavola t;
    ASSERT_TRUE(t.Nuova(0, 0, 1, 1000));
    t.Prepara(0, 0, 2, 2000);
    t.e.ZonaSelezionata = -1;
    EXPECT_FALSE(MemorizzaZona(t.m, t.e));
    EXPECT_EQ(t.Etichette(), (std::vector<int>{1}));
}

}  // namespace
}  // namespace vilmor
