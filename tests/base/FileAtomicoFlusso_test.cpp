#include <sys/stat.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <ostream>
#include <stdexcept>

#include "base/FileTesto.h"
#include "support/Registrazioni.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// Small writes and writes larger than the stream's buffer, in turn.
std::string Contenuto() {
    std::string s;
    for (int i = 0; i < 40000; ++i) s += std::to_string(i) + "\r\n";
    s += std::string(700000, 'x');
    s += "fine";
    return s;
}

}  // namespace

TEST(ScriviFileAtomicoFlusso, RiuscitaOFileDiPrimaIntatto) {
    enum class Modo { Riuscita, ScritturaRifiutata, GuastoDelDisco, Eccezione };
    const std::string atteso = Contenuto();
    for (Modo modo : {Modo::Riuscita, Modo::ScritturaRifiutata, Modo::GuastoDelDisco, Modo::Eccezione}) {
        SCOPED_TRACE(static_cast<int>(modo));
        PiattaformaProva p;
        CartellaTemp t;
        const std::string file = t / "uscita.dxf";
        ScriviTutto(file, "prima");
        if (modo == Modo::GuastoDelDisco) Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
        auto scrivi = [&](std::ostream& os) {
            for (int i = 0; i < 40000; ++i) os << i << "\r\n";
            os.write(atteso.data() + atteso.size() - 700004, 700004);
            if (modo == Modo::Eccezione) throw std::runtime_error("interrotto");
            return modo != Modo::ScritturaRifiutata;
        };
        bool ok = false;
        if (modo == Modo::Eccezione) EXPECT_THROW(ScriviFileAtomicoFlusso(file, scrivi), std::runtime_error);
        else ok = ScriviFileAtomicoFlusso(file, scrivi);
        Piatt.GuastoScritturaProva = nullptr;
        EXPECT_EQ(ok, modo == Modo::Riuscita);
        EXPECT_EQ(LeggiTutto(file), modo == Modo::Riuscita ? atteso : "prima");
        EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.Percorso()), {}), 1) << "no temporary file left";
        const bool avviso = modo == Modo::ScritturaRifiutata || modo == Modo::GuastoDelDisco;
        ASSERT_EQ(p.Msg.Visti.size(), avviso ? 1u : 0u);
        if (avviso) {
            EXPECT_EQ(p.Msg.Visti[0].Testo,
                      "Impossibile scrivere il file:\n" + file + "\nIl file esistente non \xC3\xA8 stato modificato.");
            EXPECT_EQ(p.Msg.Visti[0].Titolo, "Attenzione!");
        }
    }
}

TEST(ScriviFileAtomicoFlusso, CartellaInesistente) {
    PiattaformaProva p;
    CartellaTemp t;
    bool chiamato = false;
    EXPECT_FALSE(ScriviFileAtomicoFlusso(t / "manca/uscita.dxf", [&](std::ostream&) { return chiamato = true; }));
    EXPECT_FALSE(chiamato) << "nothing is produced for a file that cannot be written";
    EXPECT_EQ(p.Msg.Visti.size(), 1u);
}

// A file nobody may write stays as it is whoever runs the program: root passes every access
// check, so the file's own bits decide.
TEST(ScriviFileAtomicoFlusso, FileCheNessunoPuoScrivere) {
    PiattaformaProva p;
    CartellaTemp t;
    const std::string file = t / "uscita.dxf";
    ScriviTutto(file, "prima");
    ASSERT_EQ(::chmod(file.c_str(), 0444), 0);
    bool chiamato = false;
    EXPECT_FALSE(ScriviFileAtomicoFlusso(file, [&](std::ostream&) { return chiamato = true; }));
    EXPECT_FALSE(chiamato);
    EXPECT_EQ(LeggiTutto(file), "prima");
    struct stat st {};
    ASSERT_EQ(::stat(file.c_str(), &st), 0);
    EXPECT_EQ(st.st_mode & 07777, 0444u);
    EXPECT_EQ(std::distance(std::filesystem::directory_iterator(t.Percorso()), {}), 1) << "no temporary file left";
    ASSERT_EQ(p.Msg.Visti.size(), 1u);
    EXPECT_EQ(p.Msg.Visti[0].Testo, MessaggioSolaLettura(file));
}
