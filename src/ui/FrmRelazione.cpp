#include "ui/FrmRelazione.h"

#include <QPushButton>

#include "app/RelazioneComputo.h"
#include "model/definizioni.h"
#include "ui/VisoreRTF.h"
#include "ui/clsRichTextJustify.h"

namespace vilmor {

namespace {

int Pixel(int twip) { return twip / (Vista.TwipsPerPixel > 0 ? Vista.TwipsPerPixel : 15); }

QRect Rettangolo(int x, int y, int larghezza, int altezza) {
    return {Pixel(x), Pixel(y), Pixel(larghezza), Pixel(altezza)};
}

}  // namespace

FrmRelazione::FrmRelazione(const std::string& cartella, QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("Computo"));
    setModal(true);
    setFixedSize(Pixel(11730), Pixel(9885));

    richTextBox1_ = new VisoreRTF(this);
    richTextBox1_->setObjectName(QStringLiteral("RichTextBox1"));
    richTextBox1_->setGeometry(Rettangolo(60, 60, 11595, 9075));
    command1_ = new QPushButton(QStringLiteral("Salva computo"), this);
    command1_->setGeometry(Rettangolo(7860, 9300, 1695, 375));
    command1_->setAutoDefault(false);
    command2_ = new QPushButton(QStringLiteral("Chiudi"), this);
    command2_->setGeometry(Rettangolo(9840, 9300, 1695, 375));
    command2_->setAutoDefault(false);
    connect(command1_, &QPushButton::clicked, this, &FrmRelazione::Command1_Click);
    connect(command2_, &QPushButton::clicked, this, &FrmRelazione::Command2_Click);

    // The box is justified before any text reaches it; the document is built once, here.
    Giustificatore().JUSTIFY(richTextBox1_, 0, 0);
    testoRtf_ = DocumentoFinestraComputo(cartella);
    richTextBox1_->ImpostaTestoRTF(testoRtf_);
}

void FrmRelazione::Command1_Click() { SalvaComputo(testoRtf_); }

void FrmRelazione::Command2_Click() { accept(); }

}  // namespace vilmor
