// The main window: the menu bar and the "Standard" toolbar, the plan picture, and the column at
// its right (side and direction options, legend with the range box, information panel,
// property panel, prompt line).
#pragma once

#include <QMainWindow>
#include <QPointer>
#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "base/Piattaforma.h"
#include "drawing/SinkVideo.h"
#include "ui/CtrlVid.h"
#include "ui/DialoghiQt.h"
#include "ui/LegendaQt.h"
#include "ui/MessaggiQt.h"
#include "ui/PannelloQt.h"
#include "ui/VisoreRTF.h"

class QAction;
class QButtonGroup;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPushButton;
class QRadioButton;
class QTextEdit;
class QToolBar;

namespace vilmor {

class FrmPolig;

// The message boxes and file dialogs to use instead of the window's own (a test's recorders).
struct ServiziFinestra {
    Messaggi* Msg = nullptr;
    DialoghiFile* Dialoghi = nullptr;
};

class FrmMain : public QMainWindow, public FinestraPrincipale {
    Q_OBJECT
public:
    // `rigaComando`: the program's command line, which may name the slab to open.
    explicit FrmMain(const std::string& rigaComando = {}, QWidget* parent = nullptr, ServiziFinestra servizi = {});
    ~FrmMain() override;

    // Shows the window and, from the event loop, opens the command line's slab: the start of a run.
    void Avvia();
    // Opens the slab named on the command line (none: the untitled project), once the window is shown.
    void ApriRigaComando();
    const std::string& PercorsoRigaComando() const { return percorsoRigaComando_; }

    CtrlVid* PianoVideo() const { return ctrlVid_; }
    // Side choice: 0 "Lato +", 1 "Lato -", 2 "Taglio"; direction 0 "Direzione 1", 1 "Direzione 2".
    QRadioButton* OpzioneLato(int indice) const { return lati_.at(indice); }
    QRadioButton* OpzioneDirezione(int indice) const { return direzioni_.at(indice); }
    QLabel* EtichettaMagliaUnica() const { return magliaUnica_; }  // `Label3`
    PannelloQt* Pannello() const { return pannello_; }            // `PropertyGrid1`
    QFrame* Frame2() const { return frame2_; }
    LegendaQt* Picture2() const { return picture2_; }  // the legend panel
    QGroupBox* Frame1() const { return frame1_; }
    QLineEdit* Text1(int indice) const { return text1_.at(indice); }
    QPushButton* Command1(int indice) const { return command1_.at(indice); }
    QTextEdit* RichTextBox1() const { return richTextBox1_; }
    QLabel* Label1() const { return label1_; }
    QMenu* MenuFile() const { return menuFile_; }
    QToolBar* BarraStandard() const { return standard_; }
    // Every control (menu entry or button) of that identifier.
    QList<QAction*> Azioni(int32_t id) const;

    // What a control's trigger calls with its identifier: the command bars' Execute event.
    std::function<void(int32_t)> Esegui;
    // Brings every control up to date with the program's state: enabled and selected as the
    // availability rules say, and the recent-file entries.
    void AggiornaComandi();

    // Main-window hooks of the engine.
    void ImpostaTitolo(const std::string& titolo) override;
    void SelezionaLato(int indice) override;
    void MostraLati(bool visibili) override;
    void MostraMagliaUnica(bool visibile) override;
    void MostraFrame1(bool visibile) override;
    void ImpostaPrompt(const std::string& testo) override;
    void Chiudi() override;
    void MostraInformazioni() override;
    void MostraComputo() override;
    void MostraFrmAggiuntiva() override;
    void MostraFrmCordoli() override;
    void MostraFrmProg() override;
    void MostraEsportazioneDxf() override;
    void MostraForm2() override;
    void MostraFrmPolig() override;
    void ChiudiFrmPolig() override;
    void MostraFrmPropQuote() override;
    // The outline editor while it is open, else null.
    FrmPolig* EditorPerimetro() const;
    // The text of the prompt line `Label1`.
    std::string Prompt() const;
    void SelezionaDirezione(int indice) override;
    void MostraInfoRtf(const std::string& rtf) override;
    void AbilitaDirezioni(bool abilitate) override;
    std::string TestoRange(int indice) const override;
    void ImpostaTestoRange(int indice, const std::string& testo) override;
    // The wheel over the parts of the window that do not scroll zooms the plan: `Hook`
    // filters this window's wheel events (a second call does nothing), `Unhook` stops it.
    void Hook();
    void Unhook();

protected:
    void closeEvent(QCloseEvent* e) override;
    void resizeEvent(QResizeEvent* evento) override;
    bool eventFilter(QObject* oggetto, QEvent* evento) override;

private:
    bool agganciato_ = false;
    bool aggiornamentoInCoda_ = false;  // one queued AggiornaComandi after input events
    // Runs a handler of the side column, then brings the controls up to date.
    void Colonna(const std::function<void()>& f);
    int ruota_ = 0;  // wheel angle not yet a whole step
    void CreaColonna(QWidget* client);
    void CreaFrame1();
    void CreaBarreComandi();
    // The toolbar's groups of buttons in as many rows as the window's width asks.
    void DisponiBarra();
    // Lays out the column and the plan in the client area left by the bars.
    void CommandBars_Resize();
    // What the column's texts need, measured once: every legend the panel can draw and the
    // diffuse-mesh panel with two meshes.
    void MisuraColonna();
    // The column's width: its least, or what its widest text needs.
    int LarghezzaColonnaTesti() const;
    void Comando(int32_t id);
    int Px(int twips) const;

    QWidget* client_ = nullptr;
    QPointer<FrmPolig> frmPolig_;
    CtrlVid* ctrlVid_ = nullptr;
    QFrame* frame2_ = nullptr;
    QFrame* frame3_ = nullptr;
    QFrame* frame4_ = nullptr;
    std::array<QRadioButton*, 3> lati_{};
    std::array<QRadioButton*, 2> direzioni_{};
    QButtonGroup* gruppoLati_ = nullptr;
    QButtonGroup* gruppoDirezioni_ = nullptr;
    QLabel* magliaUnica_ = nullptr;
    LegendaQt* picture2_ = nullptr;
    QGroupBox* frame1_ = nullptr;
    std::array<QLineEdit*, 2> text1_{};
    std::array<QPushButton*, 2> command1_{};
    VisoreRTF* richTextBox1_ = nullptr;
    PannelloQt* pannello_ = nullptr;
    QLabel* label1_ = nullptr;
    QMenu* menuFile_ = nullptr;
    std::array<QAction*, 4> recenti_{};
    QToolBar* standard_ = nullptr;
    // The toolbar's buttons by group with the width of each in a row; the rows below the first,
    // and the row of each group as laid out.
    struct GruppoBarra {
        QList<QAction*> Azioni;
        int Larghezza = 0;
    };
    std::vector<GruppoBarra> gruppi_;
    int separatore_ = 0, margineBarra_ = 0;
    std::vector<QPointer<QToolBar>> altreRighe_;
    std::vector<int> righeGruppi_;
    SinkVideo sinkVideo_;
    std::unique_ptr<DialogoAggMulti> aggMulti_;
    std::unique_ptr<MessaggiQt> messaggi_;
    std::unique_ptr<DialoghiQt> dialoghi_;
    Messaggi* msg_ = nullptr;  // the ones installed: the window's own or those it was given
    DialoghiFile* dialoghiUsati_ = nullptr;
    std::string percorsoRigaComando_;
    int larghezzaLegenda_ = 0, altezzaLegenda_ = 0, larghezzaPannello_ = 0;  // pixels
};

}  // namespace vilmor
