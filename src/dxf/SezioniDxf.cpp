#include "dxf/SezioniDxf.h"

#include <array>
#include <istream>
#include <ostream>
#include <string>

#include "dxf/BlocchiFissiDxf.h"
#include "dxf/IntestazioneDxf.h"
#include "dxf/TabelleDxf.h"

namespace vilmor {
namespace {

void VoceDizionario(std::ostream& os, const char* chiave, const std::string& handle) {
    GruppoDxf(os, 3, chiave);
    GruppoDxf(os, 350, handle);
}

void TestaDizionario(std::ostream& os, const char* tipo, const std::string& handle) {
    CoppiaDxf(os, "0", tipo);
    GruppoDxf(os, 5, handle);
    GruppoDxf(os, 330, "C");
    GruppoDxf(os, 100, "AcDbDictionary");
    GruppoDxf(os, 281, "1");
}

// One layout object; the model's and the sheet's differ in name, tab order and block record.
void Layout(std::ostream& os, const std::string& handle, const std::string& dizionario,
            const char* nome, const char* ordine, const std::string& bloccoRecord) {
    CoppiaDxf(os, "0", "LAYOUT");
    GruppoDxf(os, 5, handle);
    GruppoDxf(os, 330, dizionario);
    GruppoDxf(os, 100, "AcDbPlotSettings");
    GruppoDxf(os, 1, "");
    GruppoDxf(os, 2, "none_device");
    GruppoDxf(os, 4, "");
    GruppoDxf(os, 6, "");
    for (int codice = 40; codice <= 49; ++codice) GruppoDxf(os, codice, "0.0");
    GruppoDxf(os, 140, "0.0");
    GruppoDxf(os, 141, "0.0");
    GruppoDxf(os, 142, "1.0");
    GruppoDxf(os, 143, "1.0");
    GruppoDxf(os, 70, "688");
    GruppoDxf(os, 72, "0");
    GruppoDxf(os, 73, "0");
    GruppoDxf(os, 74, "5");
    GruppoDxf(os, 7, "");
    GruppoDxf(os, 75, "16");
    GruppoDxf(os, 147, "1.0");
    GruppoDxf(os, 148, "0.0");
    GruppoDxf(os, 149, "0.0");
    GruppoDxf(os, 100, "AcDbLayout");
    GruppoDxf(os, 1, nome);
    GruppoDxf(os, 70, "1");
    GruppoDxf(os, 71, ordine);
    static const std::pair<int, const char*> area[] = {
        {10, "0.0"}, {20, "0.0"}, {11, "0.0"}, {21, "0.0"}, {12, "0.0"}, {22, "0.0"},
        {32, "0.0"}, {14, "0.0"}, {24, "0.0"}, {34, "0.0"}, {15, "0.0"}, {25, "0.0"},
        {35, "0.0"}, {146, "0.0"}, {13, "0.0"}, {23, "0.0"}, {33, "0.0"}, {16, "1.0"},
        {26, "0.0"}, {36, "0.0"}, {17, "0.0"}, {27, "1.0"}, {37, "0.0"}, {76, "0"},
    };
    for (const auto& [codice, valore] : area) GruppoDxf(os, codice, valore);
    GruppoDxf(os, 330, bloccoRecord);
}

}  // namespace

void BlocchiDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "BLOCKS");

    GruppoDxf(os, 0, "BLOCK");
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, c.HandleModelSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 100, "AcDbBlockBegin");
    GruppoDxf(os, 2, "*Model_Space");
    GruppoIntDxf(os, 70, 0);
    GruppoDxf(os, 10, "0.0");
    GruppoDxf(os, 20, "0.0");
    GruppoDxf(os, 30, "0.0");
    GruppoDxf(os, 3, "*Model_Space");
    GruppoDxf(os, 1, "");
    GruppoDxf(os, 0, "ENDBLK");
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, c.HandleModelSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 100, "AcDbBlockEnd");

    CoppiaDxf(os, "0", "BLOCK");
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, c.HandlePaperSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    GruppoIntDxf(os, 67, 1);
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 100, "AcDbBlockBegin");
    GruppoDxf(os, 2, "*Paper_Space");
    GruppoIntDxf(os, 70, 0);
    GruppoDxf(os, 10, "0.0");
    GruppoDxf(os, 20, "0.0");
    GruppoDxf(os, 30, "0.0");
    GruppoDxf(os, 3, "*Paper_Space");
    GruppoDxf(os, 1, "");
    GruppoDxf(os, 0, "ENDBLK");
    GruppoDxf(os, 5, NuovoHandle(c));
    GruppoDxf(os, 330, c.HandlePaperSpace);
    GruppoDxf(os, 100, "AcDbEntity");
    GruppoDxf(os, 67, "1");
    GruppoDxf(os, 8, "0");
    GruppoDxf(os, 100, "AcDbBlockEnd");

    BlocchiFissiDxf(c, "0");
    CopiaRigheDxf(c.Blocchi, os);
    GruppoDxf(os, 0, "ENDSEC");
}

void EntitaDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "ENTITIES");
    CopiaRigheDxf(c.Entita, os);
    GruppoDxf(os, 0, "ENDSEC");
}

void OggettiDxf(ContestoDxf& c) {
    std::ostream& os = *c.Sezione;
    std::array<std::string, 20> H;  // H[1] .. H[19]
    for (int i = 1; i <= 19; ++i) H[i] = NuovoHandle(c);

    GruppoDxf(os, 0, "SECTION");
    GruppoDxf(os, 2, "OBJECTS");

    GruppoDxf(os, 0, "DICTIONARY");
    GruppoDxf(os, 5, "C");
    GruppoDxf(os, 330, "0");
    GruppoDxf(os, 100, "AcDbDictionary");
    GruppoIntDxf(os, 281, 1);
    VoceDizionario(os, "ACAD_DETAILVIEWSTYLE", H[3]);
    VoceDizionario(os, "ACAD_GROUP", H[1]);
    VoceDizionario(os, "ACAD_LAYOUT", H[2]);
    VoceDizionario(os, "ACAD_MLINESTYLE", H[4]);
    VoceDizionario(os, "ACAD_PLOTSETTINGS", H[5]);
    VoceDizionario(os, "ACAD_PLOTSTYLENAME", H[6]);
    VoceDizionario(os, "ACAD_SECTIONVIEWSTYLE", H[7]);
    VoceDizionario(os, "AcDbVariableDictionary", H[8]);
    VoceDizionario(os, "APPDATA", H[9]);
    VoceDizionario(os, "DimOffsetDictionary", H[10]);
    VoceDizionario(os, "DWGPROPS", H[19]);

    TestaDizionario(os, "DICTIONARY", H[3]);
    TestaDizionario(os, "DICTIONARY", H[1]);
    TestaDizionario(os, "DICTIONARY", H[2]);
    VoceDizionario(os, "Foglio 1", c.HandleLayoutPaper);
    // The model space has its own layout object: a reader needs it to open the file.
    VoceDizionario(os, "Model", c.HandleLayoutModel);
    TestaDizionario(os, "DICTIONARY", H[4]);
    VoceDizionario(os, "STANDARD", H[11]);
    TestaDizionario(os, "DICTIONARY", H[5]);
    TestaDizionario(os, "ACDBDICTIONARYWDFLT", H[6]);
    VoceDizionario(os, "Normal", c.HandlePlotStyle);
    GruppoDxf(os, 100, "AcDbDictionaryWithDefault");
    GruppoDxf(os, 340, c.HandlePlotStyle);
    TestaDizionario(os, "DICTIONARY", H[7]);
    TestaDizionario(os, "DICTIONARY", H[8]);
    VoceDizionario(os, "DIMASSOC", H[12]);
    VoceDizionario(os, "INDEXCTL", H[13]);
    VoceDizionario(os, "SORTENTS", H[14]);
    TestaDizionario(os, "DICTIONARY", H[9]);
    TestaDizionario(os, "DICTIONARY", H[10]);
    VoceDizionario(os, "DIMRAILANGLE", H[15]);
    VoceDizionario(os, "DIMRAILFIRSTOFFSET", H[16]);
    VoceDizionario(os, "DIMRAILOFFSET", H[17]);
    VoceDizionario(os, "DIMRAILSENABLED", H[18]);

    CoppiaDxf(os, "0", "XRECORD");
    GruppoDxf(os, 5, H[19]);
    GruppoDxf(os, 330, "C");
    GruppoDxf(os, 100, "AcDbXrecord");
    GruppoDxf(os, 280, "1");
    CoppiaDxf(os, "1", "DWGPROPS COOKIE");
    CoppiaDxf(os, "2", "");
    for (int codice : {3, 4, 6, 7}) GruppoDxf(os, codice, "");
    GruppoDxf(os, 8, "Utente");
    GruppoDxf(os, 9, "");
    for (int codice = 300; codice <= 309; ++codice) GruppoDxf(os, codice, "=");
    GruppoDxf(os, 40, "0.0");
    GruppoDxf(os, 41, "2456345.661697002");
    GruppoDxf(os, 42, "2457793.718763808");
    GruppoDxf(os, 1, "");
    GruppoDxf(os, 90, "0");

    Layout(os, c.HandleLayoutModel, H[2], "Model", "0", c.HandleModelSpace);
    Layout(os, c.HandleLayoutPaper, H[2], "Foglio 1", "1", c.HandlePaperSpace);

    CoppiaDxf(os, "0", "MLINESTYLE");
    GruppoDxf(os, 5, H[11]);
    GruppoDxf(os, 330, H[4]);
    GruppoDxf(os, 100, "AcDbMlineStyle");
    CoppiaDxf(os, "2", "STANDARD");
    GruppoDxf(os, 70, "0");
    GruppoDxf(os, 3, "");
    GruppoDxf(os, 62, "256");
    GruppoDxf(os, 51, "90.0");
    GruppoDxf(os, 52, "90.0");
    GruppoDxf(os, 71, "2");
    GruppoDxf(os, 49, "0.5");
    GruppoDxf(os, 62, "256");
    GruppoDxf(os, 6, "BYLAYER");
    GruppoDxf(os, 49, "-0.5");
    GruppoDxf(os, 62, "256");
    GruppoDxf(os, 6, "BYLAYER");

    CoppiaDxf(os, "0", "ACDBPLACEHOLDER");
    GruppoDxf(os, 5, c.HandlePlotStyle);
    GruppoDxf(os, 330, H[6]);

    struct Var {
        int H;
        int Owner;
        const char* Valore;
    };
    static constexpr Var variabili[] = {
        {12, 8, "1"}, {13, 8, "0"}, {14, 8, "127"}, {15, 10, "0.261799"},
        {16, 10, "0.400000"}, {17, 10, "0.250000"}, {18, 10, "1"},
    };
    for (const Var& v : variabili) {
        CoppiaDxf(os, "0", "DICTIONARYVAR");
        GruppoDxf(os, 5, H[v.H]);
        GruppoDxf(os, 330, H[v.Owner]);
        GruppoDxf(os, 100, "DictionaryVariables");
        GruppoDxf(os, 280, "0");
        GruppoDxf(os, 1, v.Valore);
    }

    GruppoDxf(os, 0, "ENDSEC");
}

void FineFileDxf(ContestoDxf& c) { GruppoDxf(*c.Sezione, 0, "EOF"); }

bool AssemblaDxf2000(ContestoDxf& c, int numLayer, const StratiDisegno& strati,
                     float unitaPerCm, std::iostream& corpo, std::ostream& destinazione) {
    c.Sezione = &corpo;
    TabelleDxf(c, numLayer, strati, unitaPerCm);
    BlocchiDxf(c);
    EntitaDxf(c);
    OggettiDxf(c);
    FineFileDxf(c);
    const bool corpoScritto = static_cast<bool>(corpo);
    c.Sezione = &destinazione;
    HeaderDxf(c, unitaPerCm);
    ClassiDxf(c);
    CopiaRigheDxf(&corpo, destinazione);
    destinazione.flush();
    const bool letti = !(c.Entita && c.Entita->bad()) && !(c.Blocchi && c.Blocchi->bad());
    return corpoScritto && letti && !corpo.bad() && static_cast<bool>(destinazione);
}

}  // namespace vilmor
