#include "ui/clsRichTextJustify.h"

#include <QTextCursor>
#include <QTextDocument>
#include <QTextEdit>
#include <algorithm>

namespace vilmor {

void clsRichTextJustify::JUSTIFY(QTextEdit* editor, int primo, int ultimo) {
    if (!editor) return;
    QTextDocument* doc = editor->document();
    if (doc->isEmpty()) {
        // Readers of a new text take their paragraphs' alignment from here.
        QTextOption opzione = doc->defaultTextOption();
        opzione.setAlignment(Qt::AlignJustify);
        doc->setDefaultTextOption(opzione);
    }
    const int fine = std::max(0, doc->characterCount() - 1);
    if (primo > ultimo) std::swap(primo, ultimo);
    QTextCursor c(doc);
    c.setPosition(std::clamp(primo, 0, fine));
    c.setPosition(std::clamp(ultimo, 0, fine), QTextCursor::KeepAnchor);
    QTextBlockFormat f;
    f.setAlignment(Qt::AlignJustify);
    c.mergeBlockFormat(f);
}

clsRichTextJustify& Giustificatore() {
    static clsRichTextJustify giustificatore;
    return giustificatore;
}

}  // namespace vilmor
