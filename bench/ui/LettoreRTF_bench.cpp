#include <benchmark/benchmark.h>

#include <QApplication>
#include <QAbstractTextDocumentLayout>
#include <QTextDocument>
#include <string>

#include "report/Mod_RTF.h"
#include "ui/LettoreRTF.h"

// The report of a slab with a full zone table (601 rows of 7 cells) is read into the text
// document it is shown from; Qt's own HTML import of the same table is the yardstick.
namespace {

using namespace vilmor;

constexpr int Righe = 601;

std::string Cella(int r, int c) {
    switch (c) {
        case 0: return " " + std::to_string(r + 1);
        case 1: return r % 2 ? " inf." : " sup.";
        case 2: return r % 3 ? " 1" : " 2";
        case 3: return " \xC3\x98 " + std::to_string(8 + 2 * (r % 10));
        case 4: return " 20";
        case 5: return " " + std::to_string(100 + r) + ".5";
        default: return " " + std::to_string(r % 50) + ".3";
    }
}

std::string DocumentoRtf() {
    std::string s = InizioRTF() + TabCentro(2.0f);
    for (float t : {5.0f, 7.5f, 10.5f, 13.0f, 15.0f, 17.0f}) s += TabDestra(t);
    s += TestoNero("Soletta in c.a. n. 1", 24, 0, 1) + "\\par \\par Armatura integrativa:\\par \\fs18 " + InizioRiga();
    for (int bordo : {700, 1400, 2100, 3400, 4700, 6000, 7300}) s += BordoCella(bordo);
    s += "\\intbl\\nowidctlpar  Pos.\\cell  Lato\\cell  Dir.\\cell  Diam.(mm)\\cell  Passo (cm)\\cell  L.tot. (cm)\\cell  Peso (kg)\\cell\\row ";
    for (int r = 0; r < Righe; ++r) {
        s += "\\intbl";
        for (int c = 0; c < 7; ++c) s += (c ? "\\cell " : " ") + Cella(r, c);
        s += "\\cell\\row ";
    }
    return ByteRTF(s + "\\pard\\fs20 " + FineRTF());
}

std::string DocumentoHtml() {
    std::string s = "<html><body><p><b>Soletta in c.a. n. 1</b></p><p>Armatura integrativa:</p>"
                    "<table border=\"1\" cellspacing=\"0\" style=\"font-size:9pt\"><tr>";
    for (const char* t : {" Pos.", " Lato", " Dir.", " Diam.(mm)", " Passo (cm)", " L.tot. (cm)", " Peso (kg)"})
        s += std::string("<td width=\"47\">") + t + "</td>";
    s += "</tr>";
    for (int r = 0; r < Righe; ++r) {
        s += "<tr>";
        for (int c = 0; c < 7; ++c) s += "<td>" + Cella(r, c) + "</td>";
        s += "</tr>";
    }
    return s + "</table><p></p></body></html>";
}

// Reading alone: the goal is at most twice Qt's HTML import.
void LeggiRtf(benchmark::State& stato) {
    const std::string rtf = DocumentoRtf();
    for (auto _ : stato) {
        QTextDocument doc;
        LeggiRTF(rtf, doc);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(LeggiRtf)->Unit(benchmark::kMillisecond);

void ImportaHtml(benchmark::State& stato) {
    const QString html = QString::fromStdString(DocumentoHtml());
    for (auto _ : stato) {
        QTextDocument doc;
        doc.setHtml(html);
        benchmark::DoNotOptimize(doc.characterCount());
    }
}
BENCHMARK(ImportaHtml)->Unit(benchmark::kMillisecond);

// As shown: a document with a layout lays the table out as it is read. The one-pixel
// collapsed borders of the report's tables cost Qt's layout more than the HTML's.
void LeggiRtfImpaginato(benchmark::State& stato) {
    const std::string rtf = DocumentoRtf();
    for (auto _ : stato) {
        QTextDocument doc;
        doc.setTextWidth(780);
        doc.documentLayout();
        LeggiRTF(rtf, doc);
        benchmark::DoNotOptimize(doc.size());
    }
}
BENCHMARK(LeggiRtfImpaginato)->Unit(benchmark::kMillisecond);

void ImportaHtmlImpaginato(benchmark::State& stato) {
    const QString html = QString::fromStdString(DocumentoHtml());
    for (auto _ : stato) {
        QTextDocument doc;
        doc.setTextWidth(780);
        doc.documentLayout();
        doc.setHtml(html);
        benchmark::DoNotOptimize(doc.size());
    }
}
BENCHMARK(ImportaHtmlImpaginato)->Unit(benchmark::kMillisecond);

}  // namespace
