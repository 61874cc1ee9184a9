// A report-like RTF document written with the program's builders: the report's tab stops, a
// bold title, a bordered table of six columns with a header and four rows.
#pragma once

#include <string>
#include <vector>

#include "base/Testo1252.h"
#include "report/Mod_RTF.h"

namespace vilmor::prova {

// Cell texts as a reader shows them: the blank after a control word is its delimiter.
inline std::vector<std::vector<std::string>> CelleDocumentoRTF() {
    const std::string d = std::string(" ") + SegnoDiametro + " ";
    return {{" Lato", " Dir.", " Diam.(mm)", " Passo (cm)", " L.tot.(cm)", " Peso (kg)"},
            {" sup.", " 1", d + "12", " 20.0", " 1234.5", " 10.9"},
            {" sup.", " 2", d + "10", " 22.5", " 980.0", " 6.0"},
            {" inf.", " 1", d + "14", " 15.0", " 1500.2", " 18.1"},
            {" inf.", " 2", d + "16", " 25.0", " 760.8", " 12.0"}};
}

// `fineRiga` closes every row: "\cell\row " as the report writes it, or "\row " right after
// the last cell's text.
inline std::string DocumentoRTF(const std::string& fineRiga = "\\cell\\row ") {
    std::string s = InizioRTF() + TabCentro(2.0f);
    for (float t : {5.0f, 7.5f, 10.5f, 13.0f, 15.0f, 17.0f}) s += TabDestra(t);
    s += TestoNero("Soletta in c.a. n. 7", 24, 0, 1) + "\\par ";
    s += TestoNero("Armatura diffusa:", 20, 0, 0) + "\\par ";
    s += "\\fs18 " + InizioRiga();
    for (int bordo : {1050, 2100, 3400, 4700, 6000, 7300}) s += BordoCella(bordo);
    const auto celle = CelleDocumentoRTF();
    for (size_t r = 0; r < celle.size(); ++r) {
        s += r == 0 ? "\\intbl\\nowidctlpar " : "\\intbl ";
        for (size_t c = 0; c < celle[r].size(); ++c) {
            if (c > 0) s += "\\cell ";
            s += celle[r][c];
        }
        s += fineRiga;
    }
    s += "\\pard\\fs20 ";
    return s + FineRTF();
}

}  // namespace vilmor::prova
