// The stud sequence in the real main window: the arrangement view on "Taglio", "Inserisci
// armatura a taglio", a rectangle refused, a valid one, "Ok" in the stud dialog, "Salva": the
// reinforcement file holds a stud zone (kind 3) with its count.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QRadioButton>
#include <QTest>
#include <regex>
#include <string>

#include "app/DialogoAggiuntiva.h"
#include "model/FileArmature.h"
#include "model/definizioni.h"
#include "ui/Banco.h"
#include "ui/CtrlVid.h"
#include "ui/FrmAggiuntiva.h"
#include "ui/FrmMain.h"
#include "ui/PannelloQt.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

struct Finestra : FinestraProva {
    CartellaTemp dir;
    std::string soletta;
    ~Finestra() { f.reset(); }  // before its folder goes
    void Avvia() {
        soletta = CopiaCampione(dir.Percorso());
        FinestraProva::Avvia(soletta);
    }
};

void Trascina(QWidget* w, float x0, float y0, float x1, float y1) {
    Premi(w, x0, y0);
    Muovi(w, (x0 + x1) / 2, (y0 + y1) / 2, Qt::LeftButton);
    Muovi(w, x1, y1, Qt::LeftButton);
    Rilascia(w, x1, y1);
}

}  // namespace

TEST(PioliFinestra, SequenzaSalvata) {
    Finestra w;
    w.Avvia();
    w.Clic(115);  // "Disponi armature integrative"
    QTest::mouseClick(w.f->OpzioneLato(2), Qt::LeftButton);  // "Taglio"
    QApplication::processEvents();
    w.Clic(127);  // "Inserisci armatura a taglio"
    // In the notch of the slab: no node inside, refused with its message.
    Trascina(w.f->PianoVideo(), 1120, 630, 1150, 670);
    ASSERT_EQ(w.msg.Visti.size(), 1u);
    EXPECT_EQ(w.msg.Visti[0].Testo, "La selezione deve contenere almeno un nodo");
    std::string voci;
    QuandoAperto<FrmAggiuntiva>([&](FrmAggiuntiva& d) {
        PannelloQt& p = *d.PropertyGrid1();
        for (int i = 0; i < p.topLevelItem(0)->childCount(); ++i)
            voci += p.topLevelItem(0)->child(i)->text(0).toStdString() + "|";
        QTest::mouseClick(d.Command2(), Qt::LeftButton);
    });
    Trascina(w.f->PianoVideo(), 630, 265, 840, 475);
    EXPECT_EQ(voci, "Diametro [mm]|Passo dir. 1 [cm]|Passo dir. 2 [cm]|") << "the stud dialog, not the curb's";
    w.Clic(101);  // "Salva"
    const std::string testo = LeggiTutto(NomeFileArmature(w.soletta));
    ASSERT_EQ(M.Zone.UltimaZona, 0);
    EXPECT_EQ(M.Zone.Zone[0].Tipo, 3);
    EXPECT_TRUE(std::regex_search(testo, std::regex("\\r\\n 3 +" + std::to_string(M.Zone.Zone[0].NumBracci) + " ")))
        << "kind 3 and its stud count in the file";
    EXPECT_GT(M.Zone.Zone[0].NumBracci, 0);
}
