#include "model/Titolo.h"

#include <gtest/gtest.h>

#include "model/definizioni.h"
#include "support/Registrazioni.h"

using namespace vilmor;

TEST(Titolo, NomeFile) {
    struct Caso {
        const char* percorso;
        const char* atteso;
    } casi[] = {
        {"/lavori/Sol12.qvr", "Sol12.qvr"},
        {"Sol12.qvr", "Sol12.qvr"},
        {"C:\\LAVORI\\SOL12.QVR", "SOL12.QVR"},
        {"", "Anonimo"},
        {"/lavori/", ""},
    };
    for (const auto& c : casi) EXPECT_EQ(NomeFile(c.percorso), c.atteso) << c.percorso;
}

TEST(Titolo, TestoDelTitolo) {
    struct Caso {
        const char* percorso;
        const char* atteso;
    } casi[] = {
        {"/lavori/Sol12.qvr", "MERANTO Solette C.A. -  [ SOL12.QVR ]"},
        {"", "MERANTO Solette C.A. -  [ Anonimo ]"},
        {"Anonimo", "MERANTO Solette C.A. -  [ Anonimo ]"},
        {"Sol12.qvr", "MERANTO Solette C.A. -  [ SOL12.QVR ]"},
        {"/lavori/più piani.qvr", "MERANTO Solette C.A. -  [ PIÙ PIANI.QVR ]"},
    };
    for (const auto& c : casi) EXPECT_EQ(TestoTitolo(c.percorso), c.atteso) << c.percorso;
}

TEST(Titolo, AggiornaTitoloDalPercorsoSoletta) {
    prova::PiattaformaProva p;
    const std::string vecchio = M.Progetto.PercorsoSoletta;
    M.Progetto.PercorsoSoletta = "/lavori/Sol12.qvr";
    AggiornaTitolo();
    EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ SOL12.QVR ]");
    EXPECT_EQ(M.Progetto.PercorsoSoletta, "/lavori/Sol12.qvr");  // the path keeps its case
    M.Progetto.PercorsoSoletta = "";
    AggiornaTitolo();
    EXPECT_EQ(p.Finestra.Titolo, "MERANTO Solette C.A. -  [ Anonimo ]");
    M.Progetto.PercorsoSoletta = vecchio;
}
