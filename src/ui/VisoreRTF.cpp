#include "ui/VisoreRTF.h"

#include "base/FileTesto.h"
#include "report/Mod_RTF.h"
#include "ui/LettoreRTF.h"

namespace vilmor {

VisoreRTF::VisoreRTF(QWidget* parent) : QTextEdit(parent) {
    setReadOnly(true);
    setUndoRedoEnabled(false);
}

void VisoreRTF::ImpostaTestoRTF(std::string_view documento) { ImpostaByteRTF(ByteRTF(documento)); }

void VisoreRTF::ImpostaByteRTF(std::string byte) {
    byte_ = std::move(byte);
    LeggiRTF(byte_, *document());
}

bool VisoreRTF::Salva(const std::string& percorso) const { return ScriviFileAtomico(percorso, byte_); }

}  // namespace vilmor
