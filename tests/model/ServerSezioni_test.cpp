#include "model/ServerSezioni.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <string>
#include <vector>

#include "model/LetturaArchivio.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// Answers every call with the values set in it and records what it was given.
class ServerFinto : public ServerSezioni {
public:
    bool Raggiungibile = true;
    bool Eccezione = false;
    int32_t Id1 = 41, Id2 = 42;
    DimensioniServer Dim{};
    ProprietaServer Prop{};
    std::string Nome = "FINTO";
    std::vector<int32_t> Errori;  // error code of each data call in turn; 0 once used up
    std::vector<std::string> Chiamate;
    double Indice9Entrata = -1;

    bool NewID(int32_t& forma, int32_t& numero, int32_t& id1, int32_t& id2) override {
        Chiamate.push_back("NewID " + std::to_string(forma) + " " + std::to_string(numero) + " " +
                           std::to_string(id1) + " " + std::to_string(id2));
        if (Eccezione) throw std::runtime_error("rotto");
        if (!Raggiungibile) return false;
        id1 = Id1;
        id2 = Id2;
        return true;
    }
    bool DatiSezione(int32_t& id1, int32_t& id2, DimensioniServer& dim, std::string& nome, int32_t&,
                     ProprietaServer& prop, int32_t& errore) override {
        Chiamate.push_back("DatiSezione " + std::to_string(id1) + " " + std::to_string(id2));
        return Rispondi(dim, nome, prop, errore);
    }
    bool DatiComposte(int32_t& forma, int32_t& id2, DimensioniServer& dim, std::string& nome,
                      ProprietaServer& prop, int32_t& errore) override {
        Chiamate.push_back("DatiComposte " + std::to_string(forma) + " " + std::to_string(id2));
        Indice9Entrata = dim[9];
        return Rispondi(dim, nome, prop, errore);
    }

private:
    bool Rispondi(DimensioniServer& dim, std::string& nome, ProprietaServer& prop, int32_t& errore) {
        if (!Raggiungibile) return false;
        errore = 0;
        if (!Errori.empty()) {
            errore = Errori.front();
            Errori.erase(Errori.begin());
        }
        if (errore == 0) {
            dim = Dim;
            prop = Prop;
            nome = Nome;
        }
        return true;
    }
};

class Server : public ::testing::Test {
protected:
    void SetUp() override {
        Piatt.Sezioni = &finto;
        finto.Dim[0] = 300;
        finto.Dim[1] = 150;
        finto.Dim[2] = 7.1;
        finto.Dim[3] = 10.7;
        finto.Dim[4] = 15;
        finto.Prop[32] = 50;
        finto.Prop[33] = 100;
        a.NumTipiPilastro = 3;
        a.SezioniPilastro.resize(4);
    }
    PiattaformaProva p;  // restores Piatt.Sezioni at the end
    ServerFinto finto;
    ArchivioPilastri a;
};

void AttesoUnoPerUno(const SezionePilastro& s) {
    EXPECT_EQ(s.Nome, "");
    EXPECT_EQ(s.Dim0, 1);
    EXPECT_EQ(s.Dim1, 1);
    EXPECT_EQ(s.Dim2, 0);
    EXPECT_EQ(s.Dim3, 0);
    EXPECT_EQ(s.Dim4, 0);
    EXPECT_EQ(s.EccBaricentro1, 0);
    EXPECT_EQ(s.EccBaricentro2, 0);
}

}  // namespace

TEST_F(Server, ConversioniEUnita) {
    EXPECT_EQ(AggiungiSezionePilastro(a, 1, 3, 300), 0);
    EXPECT_EQ(AggiungiSezionePilastro(a, 2, 11, 300), 1);
    EXPECT_EQ(a.NumSezioniPilastro, 2);
    EXPECT_EQ(finto.Chiamate, (std::vector<std::string>{"NewID 3 300 0 0", "DatiSezione 41 42", "NewID 11 300 0 0",
                                                        "DatiComposte 11 42"}));
    EXPECT_EQ(finto.Indice9Entrata, 10);
    for (int k = 0; k < 2; ++k) {
        const SezionePilastro& s = a.SezioniPilastro[k];
        EXPECT_EQ(s.Nome, "FINTO");
        EXPECT_FLOAT_EQ(s.Dim0, 30);
        EXPECT_FLOAT_EQ(s.Dim1, 15);
        EXPECT_FLOAT_EQ(s.Dim2, 0.71f);
        EXPECT_FLOAT_EQ(s.Dim3, 1.07f);
        EXPECT_FLOAT_EQ(s.Dim4, 15);
        EXPECT_FLOAT_EQ(s.EccBaricentro1, 2.5);
        EXPECT_FLOAT_EQ(s.EccBaricentro2, 5);
        EXPECT_EQ(s.Sigla, "");
        EXPECT_EQ(s.Descrizione, "");
    }
}

// A section the server does not know is kept as an unnamed 1 x 1 cm section, never with the
// size of the section fetched before it.
TEST_F(Server, ErroreDelServer) {
    finto.Errori = {0, 7, 0, 3};
    EXPECT_EQ(AggiungiSezionePilastro(a, 1, 3, 200), 0);
    EXPECT_EQ(AggiungiSezionePilastro(a, 1, 3, 999), 1);
    EXPECT_EQ(AggiungiSezionePilastro(a, 2, 7, 200), 2);
    EXPECT_EQ(AggiungiSezionePilastro(a, 2, 7, 999), 3);
    EXPECT_EQ(a.NumSezioniPilastro, 4);
    EXPECT_EQ(a.SezioniPilastro[0].Nome, "FINTO");
    AttesoUnoPerUno(a.SezioniPilastro[1]);
    EXPECT_EQ(a.SezioniPilastro[2].Nome, "FINTO");
    AttesoUnoPerUno(a.SezioniPilastro[3]);
}

TEST_F(Server, NonRaggiungibile) {
    for (bool eccezione : {false, true}) {
        SCOPED_TRACE(eccezione ? "eccezione" : "chiamata fallita");
        finto.Raggiungibile = eccezione;
        finto.Eccezione = eccezione;
        EXPECT_EQ(AggiungiSezionePilastro(a, 1, 3, 200), -1);
        EXPECT_EQ(a.NumSezioniPilastro, 0);
    }
    // The archive read stops with its message.
    finto.Eccezione = false;
    finto.Raggiungibile = false;
    CartellaTemp c;
    ScriviTutto(c / "ARCHIMPA.AI0", "ARCHIMPA 7\r\nT\r\n2\r\n0 1 1 1 0 0 0 0\r\n1 3 200\r\nX\r\n0\r\nP\r\n0\r\nC\r\n0\r\nQ\r\n0\r\n");
    ArchivioPilastri letto;
    LeggiArchivio(c / "SOL.QVR", letto);
    EXPECT_EQ(ErroreOperazione, -1);
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, "Archivio dei profili in acciaio non disponibile.");
    EXPECT_EQ(p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
    EXPECT_EQ(letto.NumTipiPilastro, 20);
    EXPECT_EQ(letto.NumSezioniPilastro, 0);
    ErroreOperazione = 0;
}

TEST(ServerLocale, InstallatoQuandoNessunAltro) {
    PiattaformaProva p;
    Piatt.Sezioni = nullptr;
    EXPECT_EQ(&ServerAttivo(), &ServerLocale());
}

TEST(ServerLocale, Profili) {
    PiattaformaProva p;
    Piatt.Sezioni = nullptr;
    struct {
        int tipo, forma, numero;
        std::string nome;
        float dim0, dim1, dim2, dim3, ecc1, ecc2;
    } casi[] = {
        {1, 1, 200, "IPE 200", 20, 10, 0.56f, 0.85f, 5, 10},
        {1, 2, 300, "HEA 300", 29, 30, 0.85f, 1.4f, 15, 14.5f},
        {1, 3, 240, "HEB 240", 24, 24, 1, 1.7f, 12, 12},
        {1, 4, 200, "HEM 200", 22, 20.6f, 1.5f, 2.5f, 10.3f, 11},
        {1, 5, 200, "IPN 200", 20, 9, 0.75f, 1.13f, 4.5f, 10},
        {1, 6, 28, "L 100x100x10", 10, 10, 1, 1, 2.82f, 2.82f},
        {1, 7, 18, "L 100x50x8", 10, 5, 0.8f, 0.8f, 1.13f, 3.6f},
        {1, 8, 200, "UPN 200", 20, 7.5f, 0.85f, 1.15f, 2.01f, 10},
        {1, 9, 17, "SHS 100x100x5", 10, 10, 0.5f, 0.5f, 5, 5},
        {1, 10, 18, "CHS 168.3x6.3", 16.83f, 16.83f, 0.63f, 0.63f, 8.415f, 8.415f},
        {2, 1, 28, "2 L 100x100x10", 10, 10, 1, 1, 2.82f, 2.82f},
        {2, 4, 18, "2 L 100x50x8", 5, 10, 0.8f, 0.8f, 3.6f, 1.13f},
        {2, 5, 28, "4 L 100x100x10", 10, 10, 1, 1, 2.82f, 2.82f},
        {2, 7, 200, "2 UPN 200", 20, 7.5f, 0.85f, 1.15f, 2.01f, 10},
        {2, 11, 240, "2 HEB 240", 24, 24, 1, 1.7f, 12, 12},
        {2, 16, 18, "CHS 168.3x6.3", 16.83f, 16.83f, 0.63f, 0.63f, 8.415f, 8.415f},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(c.nome);
        ArchivioPilastri a;
        ASSERT_EQ(AggiungiSezionePilastro(a, c.tipo, c.forma, c.numero), 0);
        const SezionePilastro& s = a.SezioniPilastro[0];
        EXPECT_EQ(s.Nome, c.nome);
        EXPECT_NEAR(s.Dim0, c.dim0, 1e-4);
        EXPECT_NEAR(s.Dim1, c.dim1, 1e-4);
        EXPECT_NEAR(s.Dim2, c.dim2, 1e-4);
        EXPECT_NEAR(s.Dim3, c.dim3, 1e-4);
        EXPECT_NEAR(s.EccBaricentro1, c.ecc1, 1e-4);
        EXPECT_NEAR(s.EccBaricentro2, c.ecc2, 1e-4);
    }
}

TEST(ServerLocale, CodiciDiErrore) {
    ServerSezioni& s = ServerLocale();
    struct {
        bool composta;
        int32_t forma, numero;
        bool errore;
    } casi[] = {
        {false, 1, 220, false}, {false, 1, 221, true}, {false, 0, 220, true},  {false, 11, 1, true},
        {false, 6, 0, true},    {false, 6, 41, true},  {true, 18, 200, true},  {true, 9, 220, false},
        {true, 0, 220, true},   {true, 14, 99, true},  {false, -3, 200, true},
    };
    for (const auto& c : casi) {
        SCOPED_TRACE(std::to_string(c.forma) + " " + std::to_string(c.numero));
        int32_t f = c.forma, n = c.numero, id1 = 0, id2 = 0, extra = 0, errore = 0;
        ASSERT_TRUE(s.NewID(f, n, id1, id2));
        DimensioniServer dim{};
        ProprietaServer prop{};
        std::string nome;
        ASSERT_TRUE(c.composta ? s.DatiComposte(f, id2, dim, nome, prop, errore)
                               : s.DatiSezione(id1, id2, dim, nome, extra, prop, errore));
        EXPECT_EQ(errore != 0, c.errore);
    }
}
