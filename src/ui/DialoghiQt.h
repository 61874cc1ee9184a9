// The file dialogs of the engine on Qt's QFileDialog.
#pragma once

#include <QStringList>
#include <memory>
#include <optional>
#include <string>

#include "base/Piattaforma.h"

class QFileDialog;
class QWidget;

namespace vilmor {

// "description|pattern[|description|pattern...]" as Qt name filters; each pattern matches its
// extension in both letter cases: "File dati (*.QVR)|*.QVR" -> "File dati (*.QVR *.qvr)".
QStringList FiltriQt(const std::string& filtro);

// The dialog of a request, ready to be shown: initial folder, title, filters, initial name (a
// wildcard name only filters, it is not proposed), default suffix. Open mode takes existing
// files only; save mode takes any name and asks nothing itself about replacing a file.
std::unique_ptr<QFileDialog> CreaDialogoFile(const RichiestaFile& r, bool salva, QWidget* padre = nullptr);

class DialoghiQt : public DialoghiFile {
public:
    explicit DialoghiQt(QWidget* padre = nullptr) : padre_(padre) {}
    std::optional<std::string> Apri(const RichiestaFile& r) override { return Mostra(r, false); }
    std::optional<std::string> Salva(const RichiestaFile& r) override { return Mostra(r, true); }
    std::optional<int32_t> ScegliColore(int32_t iniziale) override;

private:
    std::optional<std::string> Mostra(const RichiestaFile& r, bool salva);
    QWidget* padre_;
};

}  // namespace vilmor
