// Full justification of a rich-text box.
#pragma once

class QTextEdit;

namespace vilmor {

class clsRichTextJustify {
public:
    // Justifies the paragraphs that the character range [primo, ultimo] touches. On an empty
    // editor the text loaded next is justified too. A null editor is left alone.
    void JUSTIFY(QTextEdit* editor, int primo, int ultimo);
};

// The one justifier of the program, made by its first user.
clsRichTextJustify& Giustificatore();

}  // namespace vilmor
