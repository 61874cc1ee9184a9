// The DXF export dialog offscreen, opened from the main window's command and driven as a user
// does: swatches through the real colour picker, names and ratio typed, folders and lists, the
// export and the report; the open project is the same afterwards.
#include <gtest/gtest.h>

#include <QAction>
#include <QCheckBox>
#include <QFileSystemModel>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QProcess>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <filesystem>
#include <sstream>

#include "app/BarreComandi.h"
#include "app/ComandiFile.h"
#include "app/SelettoreColore.h"
#include "app/MouseVideo.h"
#include "app/RelazioneComputo.h"
#include "app/Undo.h"
#include "dxf/ColoriACI.h"
#include "model/definizioni.h"
#include "support/GlobaliProva.h"
#include "tools/StampaModello.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/Form5.h"
#include "ui/FormSelettoreColore.h"
#include "ui/FrmMain.h"
#include "ui/FrmRelazione.h"

using namespace vilmor;
using namespace vilmor::prova;
namespace fs = std::filesystem;

namespace {

QPoint CentroCella(int indice) {
    for (const CellaSelettore& k : CelleSelettore())
        if (k.Indice == indice) return {(k.Left + k.Right) / 2, (k.Top + k.Bottom) / 2};
    return {};
}

QColor Pixel(QWidget* w) { return w->grab().toImage().pixelColor(w->width() / 2, 3); }

// The first lines that differ, for a readable failure.
std::string Diverse(const std::string& a, const std::string& b) {
    std::istringstream x(a), y(b);
    std::string r, p, q;
    int n = 0;
    for (;;) {
        const bool da = static_cast<bool>(std::getline(x, p)), db = static_cast<bool>(std::getline(y, q));
        if (!da && !db) break;
        if (!da) p.clear();
        if (!db) q.clear();
        if (p != q && n++ < 5) r += p + " | " + q + "\n";
    }
    return r;
}

void Scrivi(QLineEdit* e, const QString& testo) {
    e->selectAll();
    QTest::keyClicks(e, testo);
}

}  // namespace

TEST(Form5, RigheSelettoreELettura) {
    GlobaliProva g;
    FinestraProva w;
    w.Avvia();
    Form5 f(w.f.get());
    f.show();
    EXPECT_EQ(f.windowTitle(), QStringLiteral("Disegno DXF"));
    SalvaPng(f.grab().toImage(), "form5");
    for (int i = 0; i < RigheDxf; ++i) {
        const size_t k = static_cast<size_t>(i);
        EXPECT_EQ(f.Text1(i)->text().toStdString(), Strati.NomiLayer[k]);
        EXPECT_EQ(f.Label5(i)->text(), QString::number(Strati.AciLayer[k]));
        EXPECT_EQ(f.Check2(i)->isChecked(), Strati.VisLayerDxf[k] != 0);
    }
    EXPECT_EQ(Pixel(f.Label5(1)), CtrlVid::Colore(RgbACI(Strati.AciLayer[1])));
    EXPECT_TRUE(f.Option2(1)->isChecked());
    EXPECT_EQ(f.Text2(1)->text(), QStringLiteral("10"));

    // Swatch 5: its name box highlighted while the picker is up; the picker answers 30.
    const int prima = Strati.AciLayer[5];
    bool fatto = false;
    QuandoAperto<Form_Selettore_Colore>(
        [&](Form_Selettore_Colore& s) {
            EXPECT_EQ(s.Stato().Corrente(), prima);
            SalvaPng(s.grab().toImage(), "selettore_colore");
            EXPECT_TRUE(f.Text1(5)->styleSheet().contains(QStringLiteral("rgb(0, 0, 128)")));
            QTest::mouseClick(s.Picture1(), Qt::LeftButton, {}, CentroCella(30));
            QTest::mouseClick(s.Command1(0), Qt::LeftButton);
        },
        &fatto);
    QTest::mouseClick(f.Label5(5), Qt::LeftButton);
    EXPECT_TRUE(fatto);
    EXPECT_EQ(f.Label5(5)->text(), QStringLiteral("30"));
    EXPECT_EQ(Pixel(f.Label5(5)), QColor(255, 127, 0));
    EXPECT_TRUE(f.Text1(5)->styleSheet().contains(QStringLiteral("white")));
    EXPECT_EQ(f.Logica().Controlli.AciRighe[5], 30);
    EXPECT_EQ(Strati.AciLayer[5], prima);

    // Typed names and ratio reach the settings with "Salva impostazioni".
    Scrivi(f.Text1(3), QStringLiteral("A B C"));
    Scrivi(f.Text2(1), QStringLiteral("5"));
    QTest::mouseClick(f.Option2(0), Qt::LeftButton);
    QTest::mouseClick(f.Check2(4), Qt::LeftButton);
    QTest::mouseClick(f.Command(7), Qt::LeftButton);
    EXPECT_EQ(Strati.NomiLayer[3], "A_B C");
    EXPECT_EQ(f.Text1(3)->text(), QStringLiteral("A_B C"));
    EXPECT_EQ(Strati.AciLayer[5], 30);
    EXPECT_EQ(Strati.VisLayerDxf[4], 0);
    EXPECT_FLOAT_EQ(Imp.UnitaPerCm, 0.5f);
    EXPECT_FLOAT_EQ(Imp.FattoreDxf, 0.5f);
    EXPECT_TRUE(fs::exists(w.config.Cartella() + "/Vilmor.ini"));

    // "Impostazioni di default" puts the rows back.
    QTest::mouseClick(f.Command(8), Qt::LeftButton);
    EXPECT_EQ(f.Text1(3)->text().toStdString(), Strati.NomiLayer[3]);
    EXPECT_NE(f.Text1(3)->text(), QStringLiteral("A_B C"));
    EXPECT_EQ(f.Text2(1)->text(), QStringLiteral("10"));

    // "?" and "&Esci".
    QTest::mouseClick(f.Command(10), Qt::LeftButton);
    ASSERT_FALSE(w.msg.Visti.empty());
    EXPECT_EQ(w.msg.Visti.back().Titolo, "Guida stampa");
    QTest::mouseClick(f.Command(2), Qt::LeftButton);
    EXPECT_FALSE(f.isVisible());
}

namespace {

// The sample open from a folder three levels down, which holds one folder of its own.
struct SolettaInProfondita {
    GlobaliProva g;
    FinestraProva w;
    CartellaTemp dir;
    const std::string Dati = dir / "progetti/2026/solaio";
    SolettaInProfondita() {
        fs::create_directories(Dati + "/vecchi");
        w.Avvia(CopiaCampione(Dati, "A.QVR"));
    }
};

}  // namespace

// The two lists under their captions, and the folder tree opened down to the open slab's folder,
// which is selected and in view.
TEST(Form5, DidascalieECartellaDeiDatiAperta) {
    SolettaInProfondita s;
    const std::string& dati = s.Dati;
    Form5 f(s.w.f.get());
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));

    EXPECT_EQ(f.label3()->text(), QStringLiteral("File dati disponibili"));
    EXPECT_EQ(f.Label4()->text(), QStringLiteral("File dati per generazione DXF"));
    for (auto [didascalia, lista] : {std::pair<QWidget*, QWidget*>{f.label3(), f.Dir1()}, {f.Label4(), f.List1()}}) {
        EXPECT_TRUE(didascalia->isVisible());
        EXPECT_LE(didascalia->geometry().bottom(), lista->geometry().top());
        EXPECT_EQ(didascalia->geometry().left(), lista->geometry().left());
    }
    EXPECT_LE(f.Dir1()->geometry().bottom(), f.File1()->geometry().top());

    QTreeView* t = f.Dir1();
    auto* m = static_cast<QFileSystemModel*>(t->model());
    const QModelIndex corrente = t->currentIndex();
    ASSERT_TRUE(corrente.isValid());
    EXPECT_EQ(m->filePath(corrente).toStdString(), dati);
    EXPECT_TRUE(t->selectionModel()->isSelected(corrente));
    for (QModelIndex su = corrente.parent(); su.isValid(); su = su.parent())
        EXPECT_TRUE(t->isExpanded(su)) << m->filePath(su).toStdString();
    EXPECT_TRUE(t->isExpanded(corrente));
    // In view once the folders above it have loaded.
    const bool inVista = QTest::qWaitFor([&] {
        const QRect r = t->visualRect(t->currentIndex());
        return r.isValid() && t->viewport()->rect().contains(r) && m->rowCount(corrente) == 1;
    }, 5000);
    EXPECT_TRUE(inVista) << t->visualRect(t->currentIndex()).y();
    EXPECT_EQ(m->fileName(m->index(0, 0, corrente)).toStdString(), "vecchi");
    SalvaPng(f.grab().toImage(), "form5-cartella");
    f.close();
}

// As the program opens it, the folders may have loaded before the window shows: the data
// folder still comes into view once it does, and stays so until the user scrolls the tree.
TEST(Form5, CartellaInVistaFinoAQuandoLUtenteScorre) {
    SolettaInProfondita s;
    const std::string& dati = s.Dati;
    Form5 f(s.w.f.get());
    QTreeView* t = f.Dir1();
    auto* m = static_cast<QFileSystemModel*>(t->model());
    const QModelIndex corrente = t->currentIndex();
    ASSERT_TRUE(corrente.isValid());
    ASSERT_TRUE(QTest::qWaitFor([&] { return m->rowCount(corrente) == 1 && m->rowCount(m->index("/")) > 3; }, 5000));
    QTest::qWait(300);
    f.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&f));
    const bool inVista = QTest::qWaitFor([&] {
        const QRect r = t->visualRect(t->currentIndex());
        return r.isValid() && t->viewport()->rect().contains(r);
    }, 5000);
    EXPECT_TRUE(inVista) << t->visualRect(t->currentIndex()).y();

    // Once the user has scrolled the tree, a folder that changes on disk leaves it where it is.
    QScrollBar* barra = t->verticalScrollBar();
    ASSERT_GT(barra->maximum(), 0);
    barra->triggerAction(QAbstractSlider::SliderToMinimum);
    ASSERT_EQ(barra->value(), 0);
    fs::create_directories(dati + "/nuovi");
    EXPECT_TRUE(QTest::qWaitFor([&] { return m->rowCount(corrente) == 2; }, 5000));
    QTest::qWait(100);
    EXPECT_EQ(barra->value(), 0);
    f.close();
}

TEST(Form5, CartelleEdElenco) {
    GlobaliProva g;
    FinestraProva w;
    w.Avvia();
    CartellaTemp c;
    for (const char* n : {"a.qvr", "B.QVR", "c.txt"}) ScriviTutto(c / n, "x");
    Form5 f(w.f.get());
    f.show();
    f.ScegliCartella(QString::fromStdString(c.Percorso()));
    ASSERT_EQ(f.File1()->count(), 2);
    EXPECT_EQ(f.File1()->item(0)->text(), QStringLiteral("a.qvr"));
    EXPECT_EQ(f.File1()->item(1)->text(), QStringLiteral("B.QVR"));
    for (int volta = 0; volta < 2; ++volta) {
        QListWidgetItem* v = f.File1()->item(0);
        const QPoint p = f.File1()->visualItemRect(v).center();
        QTest::mouseClick(f.File1()->viewport(), Qt::LeftButton, {}, p);
        QTest::mouseDClick(f.File1()->viewport(), Qt::LeftButton, {}, p);
    }
    EXPECT_EQ(f.List1()->count(), 1);
    QTest::mouseClick(f.Command(5), Qt::LeftButton);
    EXPECT_EQ(f.List1()->count(), 2);
    f.List1()->setCurrentRow(0);
    QTest::mouseClick(f.Command(4), Qt::LeftButton);
    ASSERT_EQ(f.List1()->count(), 1);
    EXPECT_EQ(f.List1()->item(0)->text(), QStringLiteral("B.QVR"));
    QTest::mouseClick(f.Command(6), Qt::LeftButton);
    EXPECT_EQ(f.List1()->count(), 0);

    QTest::mouseClick(f.Command(9), Qt::LeftButton);
    ASSERT_FALSE(w.msg.Visti.empty());
    EXPECT_EQ(w.msg.Visti.back().Testo, "Non sono stati selezionati i file dati.\nGenerazione del computo impossibile!");
    f.ScegliCartella(QString::fromStdString(c / "manca"));
    EXPECT_EQ(w.msg.Visti.back().Testo, "Errore di unità");
    EXPECT_EQ(f.File1()->count(), 2);
    f.close();
}

// With the sample slab open and an unsaved zone edit: another folder browsed, two of its slabs
// exported and reported; the project, its folder, its undo and its caption are as before.
TEST(Form5, IlProgettoApertoNonCambia) {
    GlobaliProva g;
    FinestraProva w;
    CartellaTemp dir, altra;
    const std::string a = CopiaCampione(dir.Percorso(), "A.QVR");
    CopiaCampione(altra.Percorso(), "X.QVR");
    CopiaCampione(altra.Percorso(), "Y.QVR");
    w.Avvia(a);
    ASSERT_EQ(M.Progetto.PercorsoSoletta, a);
    ASSERT_EQ(M.Zone.UltimaZona, -1);
    SalvaStatoUndo();
    Zona z;
    z.Angoli = {Punto{100, 300}, Punto{300, 300}, Punto{300, 100}, Punto{100, 100}};
    z.XMin = 100, z.YMin = 100, z.XMax = 300, z.YMax = 300;
    z.Diametro = 16, z.Passo = 15, z.PoligonoCordolo = -1, z.UltVertice = 3;
    M.Zone.Zone = {z};
    M.Zone.UltimaZona = 0;
    M.Zone.VerticiZone[0] = {z.Angoli.begin(), z.Angoli.end()};
    AggiornaDopoZona();
    const std::string modello = dump::StampaModello(M);
    const std::string titolo = w.f->windowTitle().toStdString();
    const std::string cartella = M.Progetto.CartellaLavoro;
    const std::string dxf = dir / "Tavole.v2.DXF";
    w.dialoghi.Scelte.push_back(dxf);

    bool visto = false, computo = false;
    QuandoAperto<Form5>(
        [&](Form5& f) {
            EXPECT_EQ(f.Logica().Controlli.Cartella, dir.Percorso());
            f.ScegliCartella(QString::fromStdString(altra.Percorso()));
            QTest::mouseClick(f.Command(5), Qt::LeftButton);
            QTest::mouseClick(f.Command(1), Qt::LeftButton);
            EXPECT_TRUE(fs::exists(dxf));
            QuandoAperto<FrmRelazione>(
                [&](FrmRelazione& r) {
                    EXPECT_EQ(r.TestoRtf(), DocumentoSoletteElencate(altra.Percorso(), {"X.QVR", "Y.QVR"}));
                    QTest::mouseClick(r.Command2(), Qt::LeftButton);
                },
                &computo);
            QTest::mouseClick(f.Command(9), Qt::LeftButton);
            EXPECT_EQ(Elenco.PercorsoComputo, dir / "Tavole.v2.rtf");
            QTest::mouseClick(f.Command(2), Qt::LeftButton);
        },
        &visto);
    QAction* voce = w.f->Azioni(IdGeneraDxf).value(0);
    ASSERT_NE(voce, nullptr);
    EXPECT_EQ(voce->text(), QStringLiteral("&Genera file DXF"));
    voce->trigger();
    EXPECT_TRUE(visto);
    EXPECT_TRUE(computo);
    EXPECT_EQ(Diverse(dump::StampaModello(M), modello), "");
    EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
    EXPECT_EQ(M.Progetto.CartellaLavoro, cartella);
    EXPECT_EQ(w.f->windowTitle().toStdString(), titolo);

    CommandBars_Execute(Comandi.IdAnnulla);
    EXPECT_EQ(M.Zone.UltimaZona, -1) << "undo takes the zone back";
    const auto elenco = [](const std::string& d) {
        std::vector<std::string> r;
        for (const auto& e : fs::directory_iterator(d)) r.push_back(e.path().filename().string());
        std::sort(r.begin(), r.end());
        return r;
    };
    const auto altraPrima = elenco(altra.Percorso());
    const auto dirPrima = elenco(dir.Percorso());
    ASSERT_EQ(Salva(), 0);
    EXPECT_EQ(elenco(altra.Percorso()), altraPrima);
    EXPECT_GT(elenco(dir.Percorso()).size(), dirPrima.size()) << "the verification file goes beside the slab";
}

// "Genera File DXF" with the open slab (results in its design-data file, no reinforcement
// file) and a copy of it listed writes the file `vilmor_dump --elenco` writes for the same list.
TEST(Form5, GeneraDxfComeLoStrumento) {
    GlobaliProva g;
    FinestraProva w;
    CartellaTemp dir;
    const std::string dati = std::string(VILMOR_DATI_PROVA) + "/datiprogetto";
    for (const char* f : {"SOLDP.QVR", "SOLDP.DAT", "ARCHIMPA.AI0"}) fs::copy_file(dati + "/" + f, dir / f);
    fs::copy_file(dati + "/SOLDP.QVR", dir / "DP2.QVR");
    w.Avvia(dir / "SOLDP.QVR");
    ASSERT_EQ(M.Progetto.PercorsoSoletta, dir / "SOLDP.QVR");
    const std::string finestra = dir / "finestra.dxf", strumento = dir / "strumento.dxf";
    w.dialoghi.Scelte.push_back(finestra);
    bool visto = false;
    QuandoAperto<Form5>(
        [&](Form5& f) {
            EXPECT_EQ(f.Logica().Controlli.Cartella, dir.Percorso());
            QTest::mouseClick(f.Command(5), Qt::LeftButton);
            EXPECT_EQ(f.List1()->count(), 2);
            QTest::mouseClick(f.Command(1), Qt::LeftButton);
            QTest::mouseClick(f.Command(2), Qt::LeftButton);
        },
        &visto);
    w.f->Azioni(IdGeneraDxf).value(0)->trigger();
    ASSERT_TRUE(visto);
    ASSERT_TRUE(fs::exists(finestra));
    EXPECT_TRUE(w.msg.Visti.empty()) << w.msg.Visti[0].Testo;

    // The tool in the same settings folder, the list in the window's order.
    QProcess dump;
    dump.start(QStringLiteral(VILMOR_DUMP),
               {"--senza-nodi", "--senza-elementi", "--elenco", QString::fromStdString(dir / "DP2.QVR"), "--elenco",
                QString::fromStdString(dir / "SOLDP.QVR"), "--dxf", QString::fromStdString(strumento),
                QString::fromStdString(dir / "SOLDP.QVR")});
    ASSERT_TRUE(dump.waitForFinished(60000));
    EXPECT_EQ(dump.exitCode(), 0) << dump.readAllStandardError().toStdString();
    const std::string a = LeggiTutto(finestra), b = LeggiTutto(strumento);
    EXPECT_GT(a.size(), 10000u);
    EXPECT_EQ(Diverse(a, b), "");
}
