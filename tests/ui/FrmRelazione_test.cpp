#include "ui/FrmRelazione.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QPushButton>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextTable>
#include <QTimer>
#include <filesystem>
#include <string>

#include "app/CaricaSoletta.h"
#include "app/RelazioneComputo.h"
#include "design/SoletteBarre.h"
#include "report/Computo.h"
#include "report/Mod_RTF.h"
#include "support/GlobaliProva.h"
#include "support/Registrazioni.h"
#include "ui/FrmMain.h"
#include "ui/VisoreRTF.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

int Tabelle(QTextDocument& doc) {
    int n = 0;
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if (qobject_cast<QTextTable*>(f)) ++n;
    return n;
}

// The open project is slab 8 of tests/data/computo, with its reinforcement.
struct FrmRelazioneProva : ::testing::Test {
    AmbienteBarre amb;
    PiattaformaProva p;
    CartellaTemp dir;
    void SetUp() override {
        Piatt.PauseAttive = false;
        for (std::string f : {"SOL8.QVR", "SOL8.DAT", "SOL8.QV0", "ARCHIMPA.AI0"})
            fs::copy_file(std::string(VILMOR_DATI_PROVA) + "/computo/" + f, dir / f);
        ASSERT_EQ(CaricaSoletta(dir / "SOL8.QVR", 0, M, nullptr), 0);
        Elenco.ComputoMultiplo = 0;
        Elenco.PercorsoComputo.clear();
    }
};

}  // namespace

TEST_F(FrmRelazioneProva, FinestraDelComputo) {
    FrmRelazione f;
    EXPECT_EQ(f.windowTitle(), "Computo");
    EXPECT_TRUE(f.isModal());
    // Twips at 15 a pixel; no resizing.
    EXPECT_EQ(f.size(), QSize(782, 659));
    EXPECT_EQ(f.minimumSize(), f.maximumSize());
    EXPECT_EQ(f.RichTextBox1()->geometry(), QRect(4, 4, 773, 605));
    EXPECT_TRUE(f.RichTextBox1()->isReadOnly());
    EXPECT_EQ(f.Command1()->text(), "Salva computo");
    EXPECT_EQ(f.Command1()->geometry(), QRect(524, 620, 113, 25));
    EXPECT_EQ(f.Command2()->text(), "Chiudi");
    EXPECT_EQ(f.Command2()->geometry(), QRect(656, 620, 113, 25));
}

TEST_F(FrmRelazioneProva, MostraIlComputoDellaSoletta) {
    Modello copia = M;
    const std::string atteso = DocumentoComputo(copia);
    FrmRelazione f;
    EXPECT_EQ(f.TestoRtf(), atteso);
    EXPECT_EQ(f.RichTextBox1()->Byte(), ByteRTF(atteso));
    QTextDocument& doc = *f.RichTextBox1()->document();
    // Diffuse, integrative, curb bars and stirrups, studs, punching.
    EXPECT_EQ(Tabelle(doc), 6);
    EXPECT_EQ(doc.firstBlock().text(), "Soletta in c.a. n. 8");
    EXPECT_EQ(doc.firstBlock().blockFormat().alignment() & Qt::AlignHorizontal_Mask, Qt::AlignJustify);
    EXPECT_FALSE(doc.find("Peso totale dei ferri = ").isNull());
    EXPECT_TRUE(p.Msg.Visti.empty());
}

TEST_F(FrmRelazioneProva, ChiudiEOgniAperturaRicostruisce) {
    FrmRelazione f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    QTest::mouseClick(f.Command2(), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());

    // The next opening builds the document from the model as it is then.
    const std::string prima = f.TestoRtf();
    M.Diffusa.DiamDiffSup1 = 16;
    FrmRelazione g;
    EXPECT_NE(g.TestoRtf(), prima);
    EXPECT_NE(g.TestoRtf().find("\\intbl  sup.\\cell  1\\cell  \xC3\x98 16\\cell  "), std::string::npos);
    EXPECT_EQ(f.TestoRtf(), prima);
}

TEST_F(FrmRelazioneProva, SalvaComputo) {
    FrmRelazione f;
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const std::string file = dir / "computo.rtf";
    p.Dialoghi.Scelte.push_back(file);
    QTest::mouseClick(f.Command1(), Qt::LeftButton);
    ASSERT_EQ(p.Dialoghi.Richieste.size(), 1u);
    EXPECT_EQ(p.Dialoghi.Richieste[0].NomeIniziale, "ComputoSoletta.rtf");
    EXPECT_EQ(LeggiTutto(file), ByteRTF(f.TestoRtf()));

    // A write that fails: the message, the older file as it was, the window still open.
    const std::string vecchio = "{\\rtf1 vecchio}";
    ScriviTutto(file, vecchio);
    Piatt.GuastoScritturaProva = [](const std::string&) { return true; };
    p.Dialoghi.Scelte.push_back(file);
    p.Msg.Risposte.push_back(RispostaMsg::Si);
    QTest::mouseClick(f.Command1(), Qt::LeftButton);
    ASSERT_EQ(p.Msg.Visti.size(), 2u);
    EXPECT_EQ(p.Msg.Visti[0].Titolo, "Salva");
    EXPECT_NE(p.Msg.Visti[1].Testo.find(file), std::string::npos) << p.Msg.Visti[1].Testo;
    EXPECT_EQ(LeggiTutto(file), vecchio);
    EXPECT_TRUE(f.isVisible());
    EXPECT_EQ(p.Dialoghi.Richieste.back().NomeIniziale, "ComputoSoletta.rtf");
}

// The main window's hook shows the window modally; "Chiudi" gives control back.
TEST_F(FrmRelazioneProva, DallaFinestraPrincipale) {
    AmbienteProva config("XDG_CONFIG_HOME", dir / "config");
    const Modello aperto = M;
    FrmMain principale;
    M = aperto;
    Elenco.ComputoMultiplo = -1;
    std::string titolo, testo;
    // Waits for the modal window, then closes it (any other modal window is refused).
    QTimer attesa;
    attesa.setInterval(10);
    QObject::connect(&attesa, &QTimer::timeout, [&] {
        QWidget* modale = QApplication::activeModalWidget();
        if (!modale) return;
        if (auto* f = qobject_cast<FrmRelazione*>(modale)) {
            titolo = f->windowTitle().toStdString();
            testo = f->TestoRtf();
            QTest::mouseClick(f->Command2(), Qt::LeftButton);
        } else {
            modale->close();
        }
    });
    attesa.start();
    EXPECT_EQ(ComandoComputo(), 0);
    attesa.stop();
    EXPECT_EQ(titolo, "Computo");
    EXPECT_NE(testo.find("Soletta in c.a. n. 8"), std::string::npos);
    EXPECT_EQ(Elenco.ComputoMultiplo, 0);
}
