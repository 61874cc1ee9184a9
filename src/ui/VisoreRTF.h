// The rich-text box of the report window, the information panel and the zone and curb
// dialogs: shows, read-only, an RTF document made by the program's builders.
#pragma once

#include <QTextEdit>
#include <string>
#include <string_view>

namespace vilmor {

class VisoreRTF : public QTextEdit {
    Q_OBJECT
public:
    explicit VisoreRTF(QWidget* parent = nullptr);

    // A document as the builders made it: shown from the very bytes a save writes.
    void ImpostaTestoRTF(std::string_view documento);
    // The bytes of an RTF file (Windows-1252).
    void ImpostaByteRTF(std::string byte);
    const std::string& Byte() const { return byte_; }
    // Writes the bytes shown; on failure shows the message naming the file.
    bool Salva(const std::string& percorso) const;

private:
    std::string byte_;
};

}  // namespace vilmor
