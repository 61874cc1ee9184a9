#include "design/Selezione.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vilmor;

namespace {

// Picture x = plan x, picture y = 500 - plan y.
struct VistaProva {
    StatoVista vecchia = Vista;
    VistaProva() {
        Vista.FinestraVista = {0, 500, 0, 1000};
        Vista.Scala = 1;
        Vista.AltezzaVideo = 500;
    }
    ~VistaProva() { Vista = vecchia; }
};

struct EditProva {
    EditZone vecchio = Edit;
    ~EditProva() { Edit = vecchio; }
};

}  // namespace

TEST(Selezione, VicinoSegmento) {
    VistaProva v;
    struct Caso {
        float x1, y1, x2, y2, px, py;
        int atteso;
        const char* cosa;
    };
    const Caso casi[] = {
        {0, 0, 100, 0, 50, 503, -1, "horizontal, 3 px below"},
        {0, 0, 100, 0, 50, 497, -1, "horizontal, 3 px above"},
        {0, 0, 100, 0, 50, 504, 0, "horizontal, 4 px: not below the tolerance"},
        {0, 0, 100, 0, 50, 505, 0, "horizontal, outside the box"},
        {0, 0, 100, 0, 100, 500, 0, "horizontal, level with the end"},
        {0, 0, 100, 0, 0, 500, 0, "horizontal, level with the start"},
        {0, 0, 100, 0, 102, 500, 0, "horizontal, beyond the end"},
        {100, 0, 0, 0, 99, 501, -1, "horizontal, ends reversed"},
        {0, 0, 0, 100, 3, 450, -1, "vertical, 3 px right"},
        {0, 0, 0, 100, -3, 450, -1, "vertical, 3 px left"},
        {0, 0, 0, 100, 5, 450, 0, "vertical, outside the box"},
        {0, 0, 0, 100, 0, 400, 0, "vertical, level with the end"},
        {0, 100, 0, 0, 0, 500, 0, "vertical, level with the start"},
        {0, 100, 0, 0, 1, 401, -1, "vertical, ends reversed"},
        {10, 10, 10, 10, 10, 490, 0, "zero length"},
        // steep: the horizontal distance (3 and 4.5 px) decides, the vertical one is 30 px and more
        {0, 0, 10, 100, 8, 450, -1, "steep, 3 px across"},
        {0, 0, 10, 100, 9.5f, 450, 0, "steep, 4.5 px across"},
        // flat: the vertical distance decides
        {0, 0, 100, 10, 50, 491.5f, -1, "flat, 3.5 px above"},
        {0, 0, 100, 10, 50, 490.5f, 0, "flat, 4.5 px above"},
        // at 45 degrees 3.5 px off the line is 4.95 px along either axis
        {0, 0, 100, 100, 52.47f, 452.47f, 0, "diagonal, axis distances 4.95 px"},
        {0, 0, 100, 100, 51.5f, 451.5f, -1, "diagonal, axis distances 3 px"},
        {0, 0, 100, 100, 102, 398, -1, "diagonal, beyond the end on the line"},
        {0, 0, 100, 100, 105, 395, 0, "diagonal, outside the box"},
    };
    for (const Caso& c : casi)
        EXPECT_EQ(VicinoSegmento(c.px, c.py, c.x1, c.y1, c.x2, c.y2, 4), c.atteso) << c.cosa;
}

TEST(Selezione, TrovaLato) {
    VistaProva v;
    Modello m;
    GeometriaSoletta& g = m.Soletta;
    Vista.LatoEvidenziato = 7;
    EXPECT_EQ(TrovaLato(m, 0, 500), -1);  // no slab
    EXPECT_EQ(Vista.LatoEvidenziato, 7);

    g.Contorno = {{0, 0}, {200, 0}, {200, 200}, {0, 200}, {0, 0}};
    g.NumVertContorno = 4;
    // Opening 0 far from the cursor, opening 1 with its first side 2 cm from the outline's.
    g.NumFori = 2;
    g.NumVertForo = {3, 4};
    g.InizioForo = {0, 3};
    g.XFori = {150, 180, 150, 10, 50, 50, 10};
    g.YFori = {150, 150, 180, 2, 2, 20, 20};

    struct Caso {
        float px, py;
        int lato, poligono;
    };
    const Caso casi[] = {
        {30, 499, 0, -1},    // near both: the outline wins
        {30, 495, 0, 1},     // the opening's first side alone
        {12, 489, 3, 1},     // its closing side, last vertex back to vertex 0
        {100, 301, 2, -1},   // the outline's top side
        {1, 400, 3, -1},     // the outline's last side
        {167, 335, 1, 0},    // the oblique side of opening 0, 2 px off
        {100, 400, -1, -2},  // nothing: LatoEvidenziato keeps the last value
    };
    int ultimo = 7;
    for (const Caso& c : casi) {
        EXPECT_EQ(TrovaLato(m, c.px, c.py), c.lato) << c.px << ", " << c.py;
        if (c.poligono != -2) ultimo = c.poligono;
        EXPECT_EQ(Vista.LatoEvidenziato, ultimo) << c.px << ", " << c.py;
    }
}

TEST(Selezione, TrovaVerticeZona) {
    VistaProva v;
    EditProva e;
    Edit.ZonaCorrente.Angoli = {Punto{100, 200}, Punto{300, 200}, Punto{300, 100}, Punto{100, 100}};
    struct Caso {
        float px, py;
        int atteso;
    };
    const Caso casi[] = {
        {100, 300, 0}, {300, 300, 1}, {300, 400, 2}, {100, 400, 3}, {200, 350, 4},
        {205.9f, 350, 4}, {206, 350, -1}, {200, 344, -1}, {94.1f, 305.9f, 0}, {94, 300, -1},
    };
    for (const Caso& c : casi) EXPECT_EQ(TrovaVerticeZona(c.px, c.py), c.atteso) << c.px << ", " << c.py;
}

TEST(Selezione, TrovaNodoESezione) {
    VistaProva v;
    Modello m;
    EXPECT_EQ(TrovaNodo(m, 100, 400), -1);
    EXPECT_EQ(TrovaSezione(m, 100, 400), -1);

    m.Analisi.Nodi.resize(3);
    m.Analisi.Nodi[0].X = 500, m.Analisi.Nodi[0].Y = 500;
    m.Analisi.Nodi[1].X = 100, m.Analisi.Nodi[1].Y = 100;
    m.Analisi.Nodi[2].X = 103, m.Analisi.Nodi[2].Y = 100;
    m.Analisi.NumNodi = 3;
    struct Caso {
        float px, py;
        int atteso;
    };
    const Caso nodi[] = {
        {101, 400, 1}, {105.9f, 400, 1}, {106, 400, 2}, {108.9f, 400, 2}, {109, 400, -1},
        {100, 394, -1}, {100, 394.1f, 1}, {500, 0, 0},
    };
    for (const Caso& c : nodi) EXPECT_EQ(TrovaNodo(m, c.px, c.py), c.atteso) << c.px << ", " << c.py;
    m.Analisi.NumNodi = 2;  // only the counted nodes
    EXPECT_EQ(TrovaNodo(m, 108, 400), -1);

    m.SezQuote.Sezioni.resize(2);
    m.SezQuote.Sezioni[0] = Sezione{0, 100, 200, 100};
    m.SezQuote.Sezioni[1] = Sezione{100, 103, 300, 103};
    m.SezQuote.UltimaSezione = 1;
    const Caso sezioni[] = {
        {150, 398, 0}, {150, 405.9f, 0}, {150, 394.1f, 0}, {250, 397, 1}, {150, 392, 1}, {250, 390, -1},
    };
    for (const Caso& c : sezioni) EXPECT_EQ(TrovaSezione(m, c.px, c.py), c.atteso) << c.px << ", " << c.py;
}

namespace {

// A stored table in the sort order of the zone store: upper face direction 1 and 2, lower
// face direction 1 and 2, a curb, a stud zone. Every zone has its mark at (100, 100), its
// label point at (300, 100) and its line from (0, 300) to (400, 300); an absent zone is
// moved far away.
Modello TabellaZone(unsigned assenti) {
    Modello m;
    const int tipi[] = {0, 0, 1, 1, 2, 3};
    const int direzioni[] = {0, 1, 0, 1, 0, 0};
    for (int i = 0; i < 6; ++i) {
        Zona z;
        z.Tipo = tipi[i];
        z.Direzione = direzioni[i];
        const float d = (assenti >> i) & 1u ? 5000.0f : 0.0f;
        z.XMarca = 100 + d, z.YMarca = 100;
        z.XRif = 300 + d, z.YRif = 100;
        z.XBarra1 = 0 + d, z.YBarra1 = 300, z.XBarra2 = 400 + d, z.YBarra2 = 300;
        m.Zone.Zone.push_back(z);
    }
    m.Zone.UltimaZona = 5;
    return m;
}

}  // namespace

TEST(Selezione, FiltriZone) {
    VistaProva v;
    struct Caso {
        int codice, tipo, direzione;
        unsigned assenti;
        int marca, rif, lato, bordo;  // TrovaZona at the mark and at the label, TrovaZonaLato, TrovaZonaBordo
    };
    const Caso casi[] = {
        {0, 0, 0, 0, -1, -1, 0, 0},
        {1, 1, 1, 0, -1, -1, 2, 2},
        {16, 0, 0, 0, -1, -1, 4, 4},
        {16, 0, 0, 1u << 4, -1, -1, 5, -1},
        {17, 0, 0, 0, -1, -1, 0, 0},
        {12, 0, 0, 0, 4, -1, 0, 0},
        {13, 0, 0, 1u << 4, 5, -1, 0, 0},
        {14, 1, 0, 0, -1, 2, 2, 2},
        {15, 1, 0, 1u << 2, -1, 3, 3, 3},
        {14, 0, 0, 0b1111, -1, -1, 4, -1},
        {2, 1, 1, 0, 3, -1, 2, 2},
        {11, 1, 1, 1u << 3, 4, -1, 2, 2},
        {5, 0, 1, 1u << 1, 4, -1, 0, 0},
        {2, 3, 0, 1u << 4, 5, -1, 5, 5},
        {2, 0, 0, 0b111111, -1, -1, -1, -1},
    };
    for (const Caso& c : casi) {
        Modello m = TabellaZone(c.assenti);
        Vista.CodiceVista = c.codice;
        Vista.TipoZonaAttivo = c.tipo;
        Vista.DirezioneAttiva = c.direzione;
        const std::string cosa = "codice " + std::to_string(c.codice) + " tipo " + std::to_string(c.tipo) +
                                 " direzione " + std::to_string(c.direzione) + " assenti " +
                                 std::to_string(c.assenti);
        EXPECT_EQ(TrovaZona(m, 100, 400), c.marca) << cosa;
        EXPECT_EQ(TrovaZona(m, 300, 400), c.rif) << cosa;
        EXPECT_EQ(TrovaZonaLato(m, 300, 400), c.lato) << cosa;
        EXPECT_EQ(TrovaZonaBordo(m, 200, 200), c.bordo) << cosa;
        // The label point is no mark and the mark no label point.
        EXPECT_EQ(TrovaZonaLato(m, 100, 400), -1) << cosa;
    }
}

TEST(Selezione, TolleranzeZone) {
    VistaProva v;
    Modello m = TabellaZone(0);
    Vista.CodiceVista = 2;
    Vista.TipoZonaAttivo = 0;
    Vista.DirezioneAttiva = 0;
    struct Caso {
        float px, py;
        int marca, lato, bordo;
    };
    const Caso casi[] = {
        {109.9f, 400, 0, -1, -1}, {110, 400, -1, -1, -1}, {100, 390.1f, 0, -1, -1}, {90, 400, -1, -1, -1},
        {309.9f, 409.9f, -1, 0, -1}, {310, 400, -1, -1, -1},
        {200, 205.9f, -1, -1, 0}, {200, 206, -1, -1, -1}, {0, 200, -1, -1, -1}, {403, 195, -1, -1, -1},
    };
    for (const Caso& c : casi) {
        EXPECT_EQ(TrovaZona(m, c.px, c.py), c.marca) << c.px << ", " << c.py;
        EXPECT_EQ(TrovaZonaLato(m, c.px, c.py), c.lato) << c.px << ", " << c.py;
        EXPECT_EQ(TrovaZonaBordo(m, c.px, c.py), c.bordo) << c.px << ", " << c.py;
    }
    Modello vuoto;
    EXPECT_EQ(TrovaZona(vuoto, 100, 400), -1);
    EXPECT_EQ(TrovaZonaLato(vuoto, 300, 400), -1);
    EXPECT_EQ(TrovaZonaBordo(vuoto, 200, 200), -1);
}
