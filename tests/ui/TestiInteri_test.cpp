// Nothing the program writes on the screen is cut: the main window at its default size and at
// 1100 x 750, in the views whose legends hold the most text, and every dialog it opens; and every
// window fits the screen. These run on the tests' screen and on a laptop's 1366 x 768 one.
#include "ui/TestiInteri.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QColorDialog>
#include <QFileDialog>
#include <QScreen>
#include <QRadioButton>
#include <QTest>

#include "model/definizioni.h"
#include "ui/Banco.h"
#include "ui/DialoghiQt.h"
#include "ui/Form2.h"
#include "ui/Form5.h"
#include "ui/FormSelettoreColore.h"
#include "ui/FrmAggMulti.h"
#include "ui/FrmAggiuntiva.h"
#include "ui/FrmCordoli.h"
#include "ui/FrmPolig.h"
#include "ui/FrmProg.h"
#include "ui/FrmPropQuote.h"
#include "ui/FrmRelazione.h"
#include "ui/FrmSplash.h"
#include "ui/FrmMain.h"
#include "ui/LegendaQt.h"
#include "ui/PannelloQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

std::string ElencoTagliati(const std::vector<std::string>& r) {
    std::string t;
    for (const std::string& s : r) t += "\n  " + s;
    return t;
}

// The room a window has on the screen beside a desktop panel and under its title bar: 1366 x 700
// on a laptop's 1366 x 768 screen.
QSize Spazio(const QWidget& w) {
    const QSize s = w.screen()->availableGeometry().size();
    return {s.width(), s.height() - 68};
}

void Controlla(FrmMain& f, const std::string& dove) {
    QApplication::processEvents();
    const auto r = TestiTagliati(&f);
    EXPECT_TRUE(r.empty()) << dove << ElencoTagliati(r);
}

}  // namespace

TEST(TestiInteri, FinestraPrincipale) {
    FinestraProva w;
    CartellaTemp dir;
    w.Avvia(CopiaCampione(dir.Percorso()));
    FrmMain& f = *w.f;
    ASSERT_GT(M.Soletta.NumVertContorno, 0);
    // The window opens within the screen's work area and can be made as small as the room of any
    // window.
    EXPECT_TRUE(f.screen()->availableGeometry().contains(f.frameGeometry()));
    const QSize minima = f.minimumSizeHint().expandedTo(f.minimumSize());
    EXPECT_LE(minima.width(), Spazio(f).width());
    EXPECT_LE(minima.height(), Spazio(f).height());
    for (const QSize dimensione : {f.size(), QSize(1100, 750)}) {
        if (dimensione != f.size()) {
            f.resize(dimensione);
            ASSERT_TRUE(QTest::qWaitFor([&] { return f.size() == dimensione; }, 2000));
        }
        const std::string d = std::to_string(f.width()) + "x" + std::to_string(f.height());
        w.Clic(118);  // "Visualizza armatura diffusa"
        Controlla(f, d + " armatura diffusa");
        SalvaPng(f.grab().toImage(), "testi_interi_" + d);
        // The property panel shows its rows whole.
        PannelloQt& p = *f.Pannello();
        const QModelIndex ultima = p.model()->index(p.topLevelItemCount() - 1, 0);
        const QModelIndex ultimaVoce = p.model()->index(p.model()->rowCount(ultima) - 1, 0, ultima);
        EXPECT_LE(p.visualRect(ultimaVoce).bottom(), p.viewport()->height()) << d;
        w.Clic(116);  // "Mappa armatura da calcolo": scale and range box
        Controlla(f, d + " mappa");
        w.Clic(115);  // "Disponi armature integrative": the missing-steel markers
        Controlla(f, d + " carenza");
        SalvaPng(f.grab().toImage(), "testi_interi_carenza_" + d);
        QTest::mouseClick(f.OpzioneLato(2), Qt::LeftButton);  // "Taglio"
        w.Clic(116);  // the punching map
        Controlla(f, d + " punzonamento");
        QTest::mouseClick(f.OpzioneLato(0), Qt::LeftButton);
    }
}

// Every dialog as it opens on the sample slab: a bar zone, a curb and a stud zone for the zone
// dialogs.
TEST(TestiInteri, Dialoghi) {
    FinestraProva w;
    CartellaTemp dir;
    w.Avvia(CopiaCampione(dir.Percorso()));
    ASSERT_GT(M.Soletta.NumVertContorno, 0);
    auto controlla = [](QWidget& d, const std::string& nome) {
        d.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&d)) << nome;
        QApplication::processEvents();
        const auto r = TestiTagliati(&d);
        EXPECT_TRUE(r.empty()) << nome << ElencoTagliati(r);
        EXPECT_LE(d.width(), Spazio(d).width()) << nome;
        EXPECT_LE(d.height(), Spazio(d).height()) << nome;
        SalvaPng(d.grab().toImage(), "testi_interi_" + nome);
        d.hide();
    };
    const auto& lim = M.Soletta.LimitiContorno;
    const float x = (lim[0] + lim[2]) / 2, y = (lim[1] + lim[3]) / 2;
    const EditZone edit = Edit;
    for (int tipo : {0, 2, 3}) {
        Zona& z = Edit.ZonaCorrente;
        z = Zona{};
        z.Tipo = tipo;
        z.Diametro = tipo == 2 ? 8 : 12;
        z.Passo = 20;
        z.Passo2 = 30;
        z.NumBracci = 2;
        z.Diametro2 = 14;
        z.Copriferro = 6;
        z.LatoCordolo = 1;
        z.PoligonoCordolo = -1;
        z.Angoli = {Punto{x - 90, y + 50}, Punto{x + 90, y + 50}, Punto{x + 90, y - 50}, Punto{x - 90, y - 50}};
        Edit.ZonaSelezionata = 0;
        if (tipo == 2) {
            FrmCordoli d(w.f.get());
            controlla(d, "FrmCordoli");
        } else {
            FrmAggiuntiva d(w.f.get());
            controlla(d, "FrmAggiuntiva_" + std::to_string(tipo));
        }
    }
    Edit = edit;
    {
        Form2 d(w.f.get());
        controlla(d, "Form2");
    }
    {
        FrmProg d(w.f.get());
        controlla(d, "FrmProg");
    }
    {
        FrmAggMulti d(w.f.get());
        controlla(d, "FrmAggMulti");
    }
    {
        FrmPropQuote d(w.f.get());
        controlla(d, "FrmPropQuote");
    }
    {
        FrmPolig d(w.f.get());
        controlla(d, "FrmPolig");
    }
    {
        FrmSplash d(w.f.get());
        controlla(d, "FrmSplash");
    }
    {
        FrmRelazione d({}, w.f.get());
        controlla(d, "FrmRelazione");
    }
    {
        Form_Selettore_Colore d(w.f.get());
        controlla(d, "Form_Selettore_Colore");
    }
    {
        Form5 d(w.f.get());
        controlla(d, "Form5");
    }
    for (bool salva : {false, true}) {
        RichiestaFile r;
        r.Titolo = salva ? "Salva con nome" : "Apri";
        r.Filtro = "File dati (*.QVR)|*.QVR";
        auto d = CreaDialogoFile(r, salva, w.f.get());
        controlla(*d, salva ? "Salva" : "Apri");
    }
    {
        QColorDialog d(w.f.get());
        controlla(d, "QColorDialog");
    }
}
