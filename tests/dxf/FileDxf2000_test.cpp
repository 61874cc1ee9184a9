// A drawing pass through the DXF sink into a whole DXF 2000 file: what the screen draws is what
// the file holds, nothing of the export stays behind, the old file survives a failure.
#include "dxf/FileDxf2000.h"

#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <clocale>
#include <cstdlib>
#include <filesystem>
#include <locale>
#include <optional>
#include <stdexcept>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "base/Primitive.h"
#include "base/Testo1252.h"
#include "drawing/Ridisegna.h"
#include "dxf/EsportazioneProva.h"
#include "dxf/LettoriProva.h"
#include "model/Impostazioni.h"
#include "model/Resource.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "support/UscitaDxfRegistrata.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// Lines on every layer with every style code, circles, and texts over every pair of alignment
// codes and every text kind at 0 and 90 degrees, some with the diameter sign.
void DisegnoProva(int uscita, int ripetizioni = 1) {
    for (int k = 0; k < ripetizioni; ++k) {
        for (int i = 0; i < 200; ++i) {
            const float x = -300.5f + 7.25f * i, y = 40.0f * (i % 13) - 250.125f;
            DisLinea(x, y, x + 50 + i % 7, y - 30.5f + i % 11, i % NumLayer, i % 5, uscita);
        }
        for (int i = 0; i < 20; ++i)
            DisCerchio(100.0f * i - 950.75f, 60.5f * (i % 4), 2.5f + i, (i * 7) % NumLayer, i % 5, uscita);
        for (int i = 0; i < 40; ++i) {
            std::string t = "T" + std::to_string(i);
            if (i % 3 == 0) t += " " + std::string(SegnoDiametro) + " 12";
            DisTesto(50.0f * i - 1000, 25.5f * (i % 5) + 0.5f, t, i % 4, (i * 3) % NumLayer, i % 3, (i / 3) % 3,
                     (i / 9) % 2 ? 90.0f : 0.0f, uscita);
        }
    }
}

// The drawing state of a DXF pass, given back at the end.
struct Banco {
    GlobaliProva stato;
    PiattaformaProva p;
    explicit Banco(float fattore = 2, float unita = 1, float offset = 1500) {
        ImpostaDefault();
        Strati.VisLayerCorr.fill(1);  // a pass that draws every layer
        ImpostaColori();
        Imp.FattoreDxf = fattore;
        Imp.UnitaPerCm = unita;
        EsportaDxf.OffsetDxfX = offset;
        EsportaDxf.OffsetDxfY = 0;
        EsportaDxf.FormatoR12 = 0;
    }
};

// The screen record as the checker reads it.
std::string RecordSchermo(const std::vector<Entita>& e) {
    std::string j = "{\"offset\":" + JsonNumero(EsportaDxf.OffsetDxfX) + ",\"F\":" + JsonNumero(Imp.FattoreDxf) +
                    ",\"U\":" + JsonNumero(Imp.UnitaPerCm) + ",\"nomi\":[";
    for (int i = 0; i < NumLayer; ++i) j += (i ? "," : "") + Json(Strati.NomiLayer[i]);
    j += "],\"entita\":[";
    for (size_t i = 0; i < e.size(); ++i) {
        j += (i ? ",[" : "[") + Json(e[i].Tipo);
        for (double v : e[i].Num) j += "," + JsonNumero(v);
        if (e[i].Tipo == "Testo") j += "," + Json(e[i].Testo);
        j += "]";
    }
    return j + "]}";
}

// The system's temporary folder points elsewhere for the life of the object.
class TmpdirProva {
public:
    explicit TmpdirProva(const std::string& cartella) {
        if (const char* v = std::getenv("TMPDIR")) vecchio_ = v;
        ::setenv("TMPDIR", cartella.c_str(), 1);
    }
    ~TmpdirProva() {
        if (vecchio_) ::setenv("TMPDIR", vecchio_->c_str(), 1);
        else ::unsetenv("TMPDIR");
    }

private:
    std::optional<std::string> vecchio_;
};

struct SenzaGuasti {
    ~SenzaGuasti() { Piatt.GuastoScritturaProva = nullptr; }
};

std::vector<std::string> NomiIn(const std::string& cartella) {
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(cartella)) r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

std::string MessaggioScrittura(const std::string& percorso) {
    return "Impossibile scrivere il file:\n" + percorso + "\nIl file esistente non \xC3\xA8 stato modificato.";
}

// A 1000 x 500 slab with a column and a section: a sheet with plan views and texts.
Modello SolettaProva() {
    Modello m;
    m.Soletta.Contorno = {{0, 0}, {0, 500}, {1000, 500}, {1000, 0}, {0, 0}};
    m.Soletta.NumVertContorno = 4;
    m.Soletta.LimitiContorno = {0, 0, 1000, 500};
    Pilastro c;
    c.Numero = 1;
    c.NumVertici = 4;
    c.VX = {480, 520, 520, 480};
    c.VY = {230, 230, 270, 270};
    m.Soletta.Pilastri.push_back(c);
    m.Soletta.NumPilastri = 1;
    return m;
}

}  // namespace

TEST(SalvaDxf2000, IlFileTieneCioCheLoSchermoDisegna) {
    CartellaTemp t;
    struct Caso {
        const char* nome;
        float fattore, unita;
    } casi[] = {{"f2.dxf", 2, 1}, {"f05.dxf", 0.5f, 0.25f}};
    std::vector<std::string> voci;
    for (const Caso& c : casi) {
        Banco b(c.fattore, c.unita);
        DisegnoProva(0);
        const auto schermo = b.p.SinkVideo.Entita_;
        ASSERT_EQ(schermo.size(), 260u);
        ASSERT_TRUE(SalvaDxf2000(t / c.nome, [] { DisegnoProva(1); }));
        EXPECT_TRUE(b.p.Msg.Visti.empty());
        EXPECT_EQ(Piatt.SinkDxf, &b.p.SinkDxf) << "the DXF sink of before is back";
        EXPECT_TRUE(b.p.SinkDxf.Entita_.empty()) << "the pass went to the file only";
        voci.push_back(VoceElenco(t / c.nome, Strati, Imp.UnitaPerCm, RecordSchermo(schermo)));
    }
    {
        // A real sheet pass of a model that is not the open project.
        Banco b(2, 1, 0);
        Modello m = SolettaProva();
        Vista.LarghezzaPianta = 1000;
        Vista.AltezzaPianta = 500;
        Vista.PiantaCorrente = 5;
        ASSERT_TRUE(SalvaDxf2000(t / "tavola.dxf", [&] { Ridisegna(m, 1); }));
        EXPECT_GT(RecordDi(SezioneDi(Voci(LeggiTutto(t / "tavola.dxf")), "ENTITIES"), "LINE").size(), 20u);
        voci.push_back(VoceElenco(t / "tavola.dxf", Strati, Imp.UnitaPerCm));
    }
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t, voci, rapporto), 0) << rapporto;
}

TEST(SalvaDxf2000, LibreCadLoDisegna) {
    if (!std::filesystem::exists("/usr/bin/librecad")) GTEST_SKIP() << "LibreCAD non installato";
    CartellaTemp t;
    Banco b;
    ASSERT_TRUE(SalvaDxf2000(t / "prova.dxf", [] { DisegnoProva(1); }));
    const std::string casa = "HOME='" + t.Percorso() + "' XDG_CONFIG_HOME='" + t.Percorso() + "' ";
    const std::string converti = "cd '" + t.Percorso() + "' && " + casa +
                                 "QT_QPA_PLATFORM=offscreen timeout 60 librecad dxf2pdf -a -t '" + t.Percorso() +
                                 "' '" + (t / "prova.dxf") + "'";
    ASSERT_EQ(Esegui(converti, t / "librecad.txt"), 0) << LeggiTutto(t / "librecad.txt");
    ASSERT_TRUE(LeggiTutto(t / "prova.pdf").starts_with("%PDF")) << LeggiTutto(t / "librecad.txt");
    if (!std::filesystem::exists("/usr/bin/pdftoppm")) GTEST_SKIP() << "pdftoppm non installato";
    ASSERT_EQ(Esegui("pdftoppm -gray -scale-to 800 -f 1 -l 1 '" + (t / "prova.pdf") + "' '" + (t / "pagina") + "'",
                     t / "pdftoppm.txt"),
              0)
        << LeggiTutto(t / "pdftoppm.txt");
    std::string pgm;
    for (const auto& n : NomiIn(t.Percorso()))
        if (n.ends_with(".pgm")) pgm = LeggiTutto(t / n);
    ASSERT_TRUE(pgm.starts_with("P5")) << "no grey page";
    // The header is four blank-separated fields; the pixels follow.
    size_t pos = 0;
    for (int campo = 0; campo < 4; ++campo) {
        pos = pgm.find_first_not_of(" \t\r\n", pos);
        pos = pgm.find_first_of(" \t\r\n", pos);
    }
    const std::string pixel = pgm.substr(pos + 1);
    const auto scuri = std::count_if(pixel.begin(), pixel.end(), [](char c) { return static_cast<unsigned char>(c) < 200; });
    EXPECT_GT(scuri, 500) << "the page is blank";
}

TEST(SalvaDxf2000, NessunFileDellEsportazioneResta) {
    enum class Esito { Riuscita, GuastoNelPassaggio, Eccezione, GuastoDelFile, SenzaCartellaTemporanea };
    const struct Caso {
        const char* nome;
        Esito esito;
    } casi[] = {
        {"riuscita", Esito::Riuscita},
        {"guasto a metà del disegno", Esito::GuastoNelPassaggio},
        {"eccezione dal disegno", Esito::Eccezione},
        {"guasto del file finale", Esito::GuastoDelFile},
        {"cartella temporanea mancante", Esito::SenzaCartellaTemporanea},
    };
    const std::vector<std::string> propri = {"DXFtmp.tmp", "blk.tmp", "enties.tmp"};
    for (const Caso& k : casi) {
        SCOPED_TRACE(k.nome);
        CartellaTemp t;
        std::filesystem::create_directory(t / "dati");
        std::filesystem::create_directory(t / "tmp");
        for (const auto& n : propri) ScriviTutto(t / ("dati/" + n), "file dell'utente " + n);
        const std::string destinazione = t / "dati/tavola.dxf";
        ScriviTutto(destinazione, "disegno di prima");
        TmpdirProva tmpdir(k.esito == Esito::SenzaCartellaTemporanea ? t / "manca" : t / "tmp");
        SenzaGuasti senza;
        bool guasto = false;
        if (k.esito == Esito::GuastoNelPassaggio)
            Piatt.GuastoScritturaProva = [&](const std::string& p) { return guasto && p.starts_with(t / "tmp/"); };
        if (k.esito == Esito::GuastoDelFile)
            Piatt.GuastoScritturaProva = [&](const std::string& p) { return p == destinazione; };
        Banco b;
        auto disegna = [&] {
            // Enough to pass through the write buffers several times.
            DisegnoProva(1, 40);
            EXPECT_TRUE(NomiIn(t / "tmp").empty()) << "temporary files have no name in the folder";
            if (k.esito == Esito::GuastoNelPassaggio) guasto = true;
            if (k.esito == Esito::Eccezione) throw std::runtime_error("disegno interrotto");
            DisegnoProva(1, 40);
        };
        if (k.esito == Esito::Eccezione) {
            EXPECT_THROW(SalvaDxf2000(destinazione, disegna), std::runtime_error);
            EXPECT_EQ(Piatt.SinkDxf, &b.p.SinkDxf);
        } else {
            EXPECT_EQ(SalvaDxf2000(destinazione, disegna), k.esito == Esito::Riuscita);
        }
        EXPECT_TRUE(NomiIn(t / "tmp").empty());
        EXPECT_EQ(NomiIn(t / "dati"), (std::vector<std::string>{"DXFtmp.tmp", "blk.tmp", "enties.tmp", "tavola.dxf"}));
        for (const auto& n : propri) EXPECT_EQ(LeggiTutto(t / ("dati/" + n)), "file dell'utente " + n);
        const std::string scritto = LeggiTutto(destinazione);
        if (k.esito == Esito::Riuscita) {
            EXPECT_TRUE(scritto.starts_with("  0\r\nSECTION\r\n  2\r\nHEADER\r\n"));
            EXPECT_TRUE(scritto.ends_with("  0\r\nEOF\r\n"));
            EXPECT_EQ(RecordDi(SezioneDi(Voci(scritto), "ENTITIES"), "TEXT").size(), 80 * 40u);
            EXPECT_TRUE(b.p.Msg.Visti.empty());
        } else {
            EXPECT_EQ(scritto, "disegno di prima");
        }
        if (k.esito == Esito::Eccezione) {
            EXPECT_TRUE(b.p.Msg.Visti.empty()) << "the caller handles the exception";
        } else if (k.esito != Esito::Riuscita) {
            ASSERT_EQ(b.p.Msg.Visti.size(), 1u);
            EXPECT_EQ(b.p.Msg.Visti[0].Testo, MessaggioScrittura(destinazione));
            EXPECT_EQ(b.p.Msg.Visti[0].Icona, IconaMsg::Esclamazione);
            EXPECT_EQ(b.p.Msg.Visti[0].Titolo, "Attenzione!");
        }
    }
}

TEST(SalvaDxf2000, DueEsportazioniInsiemeNellaStessaCartella) {
    CartellaTemp t;
    std::filesystem::create_directory(t / "tmp");
    TmpdirProva tmpdir(t / "tmp");
    Banco b;
    // Both children wait on the pipe, so that they start together.
    int via[2];
    ASSERT_EQ(::pipe(via), 0);
    pid_t figli[2];
    for (int i = 0; i < 2; ++i) {
        figli[i] = ::fork();
        ASSERT_GE(figli[i], 0);
        if (figli[i] == 0) {
            ::close(via[1]);
            char c;
            (void)!::read(via[0], &c, 1);
            const bool ok = SalvaDxf2000(t / ("tavola" + std::to_string(i) + ".dxf"), [] { DisegnoProva(1, 30); }, false);
            ::_exit(ok ? 0 : 1);
        }
    }
    ::close(via[0]);
    ::close(via[1]);
    for (pid_t f : figli) {
        int stato = 0;
        ASSERT_EQ(::waitpid(f, &stato, 0), f);
        EXPECT_TRUE(WIFEXITED(stato) && WEXITSTATUS(stato) == 0);
    }
    EXPECT_TRUE(NomiIn(t / "tmp").empty());
    const std::string a = LeggiTutto(t / "tavola0.dxf"), c = LeggiTutto(t / "tavola1.dxf");
    EXPECT_EQ(a, c);
    ASSERT_TRUE(SalvaDxf2000(t / "sola.dxf", [] { DisegnoProva(1, 30); }));
    EXPECT_EQ(LeggiTutto(t / "sola.dxf"), a) << "each is the file an export alone writes";
    std::string rapporto;
    EXPECT_EQ(VerificaDxf(t, {VoceElenco(t / "tavola0.dxf", Strati, Imp.UnitaPerCm)}, rapporto), 0) << rapporto;
}

TEST(SalvaDxf2000, StessiByteDueVolteEConLaVirgolaDecimale) {
    CartellaTemp t;
    Banco b(0.5f, 0.25f);
    ASSERT_TRUE(SalvaDxf2000(t / "c1.dxf", [] { DisegnoProva(1); }));
    ASSERT_TRUE(SalvaDxf2000(t / "c2.dxf", [] { DisegnoProva(1); }));
    const std::string salvato = std::setlocale(LC_ALL, nullptr);
    ASSERT_NE(std::setlocale(LC_ALL, "it_IT.UTF-8"), nullptr) << "manca il locale it_IT.UTF-8";
    std::locale vecchio = std::locale::global(std::locale("it_IT.UTF-8"));
    const bool ok = SalvaDxf2000(t / "it.dxf", [] { DisegnoProva(1); });
    std::locale::global(vecchio);
    std::setlocale(LC_ALL, salvato.c_str());
    ASSERT_TRUE(ok);
    const std::string c1 = LeggiTutto(t / "c1.dxf");
    EXPECT_EQ(LeggiTutto(t / "c2.dxf"), c1);
    EXPECT_EQ(LeggiTutto(t / "it.dxf"), c1);
    EXPECT_NE(c1.find("\r\n  1\r\nT0 \xD8 12\r\n"), std::string::npos);
}
