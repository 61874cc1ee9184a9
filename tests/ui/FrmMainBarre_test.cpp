// The menu bar, the "Standard" toolbar and their icons.
#include <gtest/gtest.h>

#include <QAction>
#include <QApplication>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "app/AvvioProgramma.h"
#include "app/BarreComandi.h"
#include "app/CaricaProgetto.h"
#include "model/FileImpostazioni.h"
#include "model/Resource.h"
#include "ui/Banco.h"
#include "ui/FrmMain.h"
#include "ui/Icone.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

// The entries of a menu or bar as text: a separator is "|", a hidden entry is "(caption)".
std::vector<std::string> Voci(const QList<QAction*>& azioni) {
    std::vector<std::string> r;
    for (QAction* a : azioni) {
        if (a->isSeparator()) r.push_back("|");
        else if (!a->isVisible()) r.push_back("(" + a->text().toStdString() + ")");
        else r.push_back(a->text().toStdString());
    }
    return r;
}

struct Finestra {
    StatoProcesso stato;
    ConfigProva config;
    MessaggiRegistrati msg;
    DialoghiRegistrati dialoghi;
    std::unique_ptr<FrmMain> f;
    void Avvia(const std::string& riga = {}) {
        f = std::make_unique<FrmMain>(riga, nullptr, ServiziFinestra{&msg, &dialoghi});
        f->Avvia();
        QCoreApplication::processEvents();
        QTest::qWait(10);
    }
};

}  // namespace

TEST(FrmMainBarre, MenuFileEBarraDeiMenu) {
    Finestra w;
    w.Avvia();
    FrmMain& f = *w.f;
    const std::vector<std::string> file = {"&Apri", "&Salva", "Importa armature aggiuntive", "|", "&Impostazioni",
                                           "|",     "()",     "()",                          "()", "()",
                                           "|",     "&Esci"};
    EXPECT_EQ(Voci(f.MenuFile()->actions()), file);
    const auto barra = f.menuBar()->actions();
    ASSERT_EQ(barra.size(), 3);
    EXPECT_EQ(barra[0]->menu(), f.MenuFile());
    EXPECT_EQ(barra[0]->text(), "&File");
    EXPECT_EQ(barra[1]->text(), "&Genera file DXF");
    EXPECT_EQ(barra[1]->data().toInt(), 506);
    EXPECT_EQ(barra[2]->text(), "&Informazioni su...");
    EXPECT_EQ(barra[2]->data().toInt(), 507);

    // Identifiers and icons: a command's entry shows its button's image, the others none.
    std::vector<int> ids;
    for (QAction* a : f.MenuFile()->actions())
        if (!a->isSeparator()) ids.push_back(a->data().toInt());
    EXPECT_EQ(ids, (std::vector<int>{1100, 1101, 1102, 1113, 502, 503, 504, 505, 1103}));
    for (QAction* a : f.MenuFile()->actions()) {
        if (a->isSeparator()) continue;
        const int id = a->data().toInt();
        EXPECT_EQ(a->icon().isNull(), id < 1000) << id;
    }
    EXPECT_TRUE(barra[1]->icon().isNull());
    EXPECT_TRUE(barra[2]->icon().isNull());
}

TEST(FrmMainBarre, RecentiAggiornati) {
    Finestra w;
    CartellaTemp dir;
    const std::string a = CopiaCampione(dir.Percorso(), "A.QVR");
    const std::string b = CopiaCampione(dir.Percorso(), "B.QVR");
    w.Avvia(a);
    FrmMain& f = *w.f;
    ASSERT_EQ(M.Progetto.PercorsoSoletta, a);
    QAction* primo = f.Azioni(502).value(0);
    ASSERT_NE(primo, nullptr);
    EXPECT_TRUE(primo->isVisible());
    EXPECT_EQ(primo->text(), "A.QVR");
    EXPECT_EQ(primo->statusTip().toStdString(), a);
    EXPECT_FALSE(f.Azioni(503).value(0)->isVisible());

    // Another open: the menu follows the list when it opens.
    ASSERT_EQ(CaricaProgetto(b), 0);
    emit f.MenuFile()->aboutToShow();
    EXPECT_EQ(Voci(f.MenuFile()->actions())[6], "B.QVR");
    EXPECT_EQ(Voci(f.MenuFile()->actions())[7], "A.QVR");
    // The second entry opens the first slab again.
    f.Azioni(503).value(0)->trigger();
    EXPECT_EQ(M.Progetto.PercorsoSoletta, a);
    EXPECT_EQ(f.windowTitle().toStdString(), "MERANTO Solette C.A. -  [ A.QVR ]");
    EXPECT_EQ(f.Azioni(502).value(0)->text(), "A.QVR") << "renewed after the command";
    EXPECT_TRUE(w.msg.Visti.empty());
}

TEST(FrmMainBarre, BarraStandard) {
    for (int grandi : {0, 1}) {
        SCOPED_TRACE(grandi);
        Finestra w;
        ImpostaCartelle();
        ImpostaDefault();
        ImpostaColori();
        Imp.IconeGrandi = grandi;
        ASSERT_TRUE(SalvaIni());
        Imp.IconeGrandi = 0;
        w.Avvia();
        FrmMain& f = *w.f;
        const int lato = grandi ? 24 : 16;
        EXPECT_EQ(f.BarraStandard()->windowTitle(), "Standard");
        EXPECT_EQ(f.BarraStandard()->iconSize(), QSize(lato, lato));

        // 43 buttons in the table's order, a separator before each group.
        std::vector<int> separatori;
        int n = 0;
        const auto& tab = TabellaPulsanti();
        for (QAction* a : f.BarraStandard()->actions()) {
            if (a->isSeparator()) {
                separatori.push_back(n + 1);
                continue;
            }
            ASSERT_LT(n, NumPulsanti);
            const PulsanteBarra& b = tab[static_cast<size_t>(n)];
            EXPECT_EQ(a->text().toStdString(), b.Titolo);
            EXPECT_EQ(a->toolTip().toStdString(), SenzaMnemonico(b.Titolo));
            EXPECT_EQ(a->data().toInt(), (grandi + 1) * 1000 + b.K);
            EXPECT_FALSE(a->icon().isNull()) << b.Titolo;
            EXPECT_TRUE(a->icon().availableSizes().contains(QSize(lato, lato))) << b.Titolo;
            ++n;
        }
        EXPECT_EQ(n, 43);
        EXPECT_EQ(separatori, (std::vector<int>{3, 5, 11, 12, 19, 29, 30, 35, 43}));
        EXPECT_EQ(f.Azioni(IdDaOffset(113)).size(), 2) << "menu entry and button";

        // A click on a button runs the command bars' Execute once with its identifier.
        std::vector<int32_t> eseguiti;
        f.Esegui = [&](int32_t id) {
            eseguiti.push_back(id);
            CommandBars_Execute(id);
        };
        QAction* zoom = f.Azioni(IdDaOffset(107)).value(0);
        ASSERT_NE(zoom, nullptr);
        QWidget* pulsante = f.BarraStandard()->widgetForAction(zoom);
        ASSERT_NE(pulsante, nullptr);
        QTest::mouseClick(pulsante, Qt::LeftButton);
        EXPECT_EQ(eseguiti, (std::vector<int32_t>{(grandi + 1) * 1000 + 107}));
    }
}

TEST(FrmMainBarre, IconeDiverseENonVuote) {
    for (int lato : {16, 24}) {
        std::vector<QImage> immagini;
        for (int k : OffsetIcone()) {
            const QImage img = ImmagineIcona(k, lato);
            ASSERT_FALSE(img.isNull()) << k;
            EXPECT_EQ(img.size(), QSize(lato, lato));
            EXPECT_EQ(ImmagineIconaNome(NomeIcona(k, lato == 24), lato == 24), img) << NomeIcona(k, lato == 24);
            // Something is drawn, and not over the whole square.
            int pieni = 0;
            for (int y = 0; y < lato; ++y)
                for (int x = 0; x < lato; ++x) pieni += qAlpha(img.pixel(x, y)) > 0;
            EXPECT_GT(pieni, lato * lato / 10) << k;
            for (size_t j = 0; j < immagini.size(); ++j)
                EXPECT_NE(img, immagini[j]) << k << " and " << OffsetIcone()[j] << " at " << lato;
            immagini.push_back(img);
        }
    }
    EXPECT_TRUE(IconaDaTag(1104).isNull());
    EXPECT_TRUE(IconaDaTag(502).isNull());
    EXPECT_TRUE(IconaDaTag(507).isNull());
    EXPECT_FALSE(IconaDaTag(2126).isNull());

    // The sheet of every image against its reference: a change of a drawing shows here.
    for (int lato : {16, 24}) {
        QImage foglio(12 * (lato + 4), 4 * (lato + 4), QImage::Format_ARGB32);
        foglio.fill(Qt::white);
        QPainter p(&foglio);
        int i = 0;
        for (int k : OffsetIcone()) {
            p.drawImage((i % 12) * (lato + 4) + 2, (i / 12) * (lato + 4) + 2, ImmagineIcona(k, lato));
            ++i;
        }
        p.end();
        const std::string nome = "icone" + std::to_string(lato);
        SalvaPng(foglio, nome);
        EXPECT_LE(QuotaDiversi(foglio, Riferimento(nome), 8), 0.01) << nome;
    }
}

// On a narrow window the buttons that do not fit one row go to rows below it, which push the
// plan and the column down: every button is there to click, none covers the side options, and
// no overflow opens over them. Wide again, one row.
TEST(FrmMainBarre, RigheSuFinestraStretta) {
    for (int grandi : {0, 1}) {
        SCOPED_TRACE(grandi);
        Finestra w;
        ImpostaCartelle();
        ImpostaDefault();
        ImpostaColori();
        Imp.IconeGrandi = grandi;
        ASSERT_TRUE(SalvaIni());
        Imp.IconeGrandi = 0;
        w.Avvia();
        FrmMain& f = *w.f;
        auto barre = [&] { return f.findChildren<QToolBar*>(); };
        auto globale = [](const QWidget* x) { return QRect(x->mapToGlobal(QPoint(0, 0)), x->size()); };
        for (int larghezza : {1024, 800}) {
            SCOPED_TRACE(larghezza);
            f.resize(larghezza, 700);
            ASSERT_TRUE(QTest::qWaitFor([&] { return f.width() == larghezza; }, 2000));
            QApplication::processEvents();
            const QRect opzioni = globale(f.Frame2());
            int pulsanti = 0;
            for (const PulsanteBarra& b : TabellaPulsanti()) {
                QWidget* pulsante = nullptr;
                for (QToolBar* t : barre())
                    for (QAction* a : t->actions())
                        if (a->data().toInt() == (grandi + 1) * 1000 + b.K) pulsante = t->widgetForAction(a);
                ASSERT_NE(pulsante, nullptr) << b.Titolo;
                EXPECT_TRUE(pulsante->isVisible()) << b.Titolo;
                EXPECT_TRUE(globale(&f).contains(globale(pulsante))) << b.Titolo;
                EXPECT_FALSE(globale(pulsante).intersects(opzioni)) << b.Titolo;
                ++pulsanti;
            }
            EXPECT_EQ(pulsanti, NumPulsanti);
            for (QToolBar* t : barre()) {
                if (!t->isVisible()) continue;
                EXPECT_FALSE(globale(t).intersects(opzioni));
                // An overflow, opened, must not cover the options either.
                for (auto* piu : t->findChildren<QToolButton*>(QStringLiteral("qt_toolbar_ext_button")))
                    if (piu->isVisible()) {
                        QTest::mouseClick(piu, Qt::LeftButton);
                        QApplication::processEvents();
                        EXPECT_FALSE(globale(t).intersects(opzioni)) << "overflow over the side options";
                        for (QWidget* menu : QApplication::topLevelWidgets())
                            if (menu->isVisible() && qobject_cast<QMenu*>(menu)) {
                                EXPECT_FALSE(globale(menu).intersects(opzioni)) << "overflow menu";
                                menu->hide();
                            }
                    }
            }
        }
        f.resize(1500, 900);
        ASSERT_TRUE(QTest::qWaitFor([&] { return f.width() == 1500; }, 2000));
        QApplication::processEvents();
        int visibili = 0;
        for (QToolBar* t : barre()) visibili += t->isVisible() && !t->actions().isEmpty();
        EXPECT_EQ(visibili, 1);
        EXPECT_EQ(f.BarraStandard()->actions().size(), NumPulsanti + 9);
    }
}
