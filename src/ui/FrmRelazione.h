// The quantities report window "Computo": the report document in a read-only rich-text box,
// "Salva computo" and "Chiudi". Modal, of a fixed size.
#pragma once

#include <QDialog>
#include <string>

class QPushButton;

namespace vilmor {

class VisoreRTF;

class FrmRelazione : public QDialog {
    Q_OBJECT
public:
    // Builds the document once, as the window loads: the report of the project in memory, or
    // of the listed slab files found in `cartella` (the folder of the list that filled them).
    explicit FrmRelazione(const std::string& cartella = {}, QWidget* parent = nullptr);

    VisoreRTF* RichTextBox1() const { return richTextBox1_; }
    QPushButton* Command1() const { return command1_; }  // "Salva computo"
    QPushButton* Command2() const { return command2_; }  // "Chiudi"
    // The document shown, as the builders made it.
    const std::string& TestoRtf() const { return testoRtf_; }

private:
    void Command1_Click();
    void Command2_Click();

    VisoreRTF* richTextBox1_ = nullptr;
    QPushButton* command1_ = nullptr;
    QPushButton* command2_ = nullptr;
    std::string testoRtf_;
};

}  // namespace vilmor
