#include "ui/VisoreRTF.h"

#include <gtest/gtest.h>

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <string>
#include <vector>

#include "report/Mod_RTF.h"
#include "support/DocumentoRTF.h"
#include "support/Registrazioni.h"
#include "ui/LettoreRTF.h"
#include "ui/clsRichTextJustify.h"

using namespace vilmor;
using namespace vilmor::prova;

namespace {

std::vector<QTextTable*> Tabelle(QTextDocument& doc) {
    std::vector<QTextTable*> t;
    for (QTextFrame* f : doc.rootFrame()->childFrames())
        if (auto* tab = qobject_cast<QTextTable*>(f)) t.push_back(tab);
    return t;
}

std::vector<std::vector<std::string>> Celle(QTextTable* t) {
    std::vector<std::vector<std::string>> celle(t->rows());
    for (int r = 0; r < t->rows(); ++r)
        for (int c = 0; c < t->columns(); ++c) {
            QTextCursor cc = t->cellAt(r, c).firstCursorPosition();
            cc.setPosition(t->cellAt(r, c).lastCursorPosition().position(), QTextCursor::KeepAnchor);
            celle[r].push_back(cc.selectedText().toStdString());
        }
    return celle;
}

// The format of the character at the start of `testo`.
QTextCharFormat FormatoDi(QTextDocument& doc, const QString& testo) {
    QTextCursor c = doc.find(testo);
    EXPECT_FALSE(c.isNull()) << testo.toStdString();
    c.setPosition(c.selectionStart() + 1);
    return c.charFormat();
}

}  // namespace

TEST(LettoreRTF, TabellaDelComputo) {
    QTextDocument doc;
    LeggiRTF(ByteRTF(DocumentoRTF()), doc);
    auto t = Tabelle(doc);
    ASSERT_EQ(t.size(), 1u);
    EXPECT_EQ(t[0]->rows(), 5);
    EXPECT_EQ(t[0]->columns(), 6);
    EXPECT_EQ(Celle(t[0]), CelleDocumentoRTF());

    // Column widths follow the cell edges, the borders are one pixel.
    const QTextTableFormat f = t[0]->format();
    const std::vector<double> larghezze{1050, 1050, 1300, 1300, 1300, 1300};
    ASSERT_EQ(f.columnWidthConstraints().size(), 6);
    for (int c = 0; c < 6; ++c) {
        EXPECT_EQ(f.columnWidthConstraints()[c].type(), QTextLength::FixedLength);
        EXPECT_DOUBLE_EQ(f.columnWidthConstraints()[c].rawValue(), larghezze[c] / 15) << c;
    }
    EXPECT_EQ(f.border(), 1);
    EXPECT_EQ(f.cellSpacing(), 0);

    // The table follows its heading directly, the text after it starts a new paragraph.
    QTextBlock prima = t[0]->firstCursorPosition().block().previous();
    EXPECT_EQ(prima.text(), "Armatura diffusa:");
    EXPECT_EQ(prima.previous().text(), "Soletta in c.a. n. 7");
    EXPECT_FALSE(prima.previous().previous().isValid());
    QTextBlock dopo = t[0]->lastCursorPosition().block().next();
    ASSERT_TRUE(dopo.isValid());
    EXPECT_EQ(QTextCursor(dopo).currentTable(), nullptr);
    EXPECT_EQ(dopo.text(), "");
}

// The empty paragraph after a table ("\pard\fs20 \par ") is a blank line on screen, and the
// text after it comes below it.
TEST(LettoreRTF, RigaVuotaDopoLaTabella) {
    std::string rtf = DocumentoRTF();
    rtf.resize(rtf.size() - FineRTF().size());
    rtf += "\\par Peso totale\\par }";
    QTextDocument doc;
    doc.setTextWidth(600);
    QAbstractTextDocumentLayout* layout = doc.documentLayout();
    LeggiRTF(ByteRTF(rtf), doc);
    auto t = Tabelle(doc);
    ASSERT_EQ(t.size(), 1u);
    auto fondo = [&](QTextTable* tab) { return layout->blockBoundingRect(tab->lastCursorPosition().block()).bottom(); };
    const double fondoTabella = fondo(t[0]);
    const QTextBlock peso = doc.find("Peso totale").block();
    EXPECT_GT(layout->blockBoundingRect(peso).top(), fondoTabella + 10);
    // Text right after the table stands right under it.
    rtf = DocumentoRTF();
    rtf.resize(rtf.size() - FineRTF().size());
    rtf += "Peso totale\\par }";
    LeggiRTF(ByteRTF(rtf), doc);
    t = Tabelle(doc);
    ASSERT_EQ(t.size(), 1u);
    const QTextBlock subito = doc.find("Peso totale").block();
    EXPECT_GE(layout->blockBoundingRect(subito).top(), fondo(t[0]));
    EXPECT_LT(layout->blockBoundingRect(subito).top(), fondo(t[0]) + 10);
}

TEST(LettoreRTF, RigaChiusaSenzaCellaComeConCella) {
    QTextDocument lunga, corta;
    LeggiRTF(ByteRTF(DocumentoRTF("\\cell\\row ")), lunga);
    LeggiRTF(ByteRTF(DocumentoRTF("\\row ")), corta);
    auto a = Tabelle(lunga), b = Tabelle(corta);
    ASSERT_EQ(a.size(), 1u);
    ASSERT_EQ(b.size(), 1u);
    EXPECT_EQ(b[0]->rows(), a[0]->rows());
    EXPECT_EQ(b[0]->columns(), a[0]->columns());
    EXPECT_EQ(Celle(b[0]), Celle(a[0]));
    EXPECT_EQ(corta.toPlainText(), lunga.toPlainText());
}

TEST(LettoreRTF, FormatiDeiCaratteri) {
    const std::string doc = InizioRTF() + TestoNero("Titolo", 24, 0, 1) + "\\par " +
                            TestoRosso("Mancano", 20, 0, 1) + TestoNero(" 9 punti", 18, 0, 0) +
                            TestoBlu(" blu", 20, 1, 0) + TestoGrigio(" grigio", 20, 0, 0) + FineRTF();
    QTextDocument d;
    LeggiRTF(ByteRTF(doc), d);
    EXPECT_EQ(d.toPlainText().toStdString(), "Titolo\nMancano 9 punti blu grigio\n");

    const QTextCharFormat titolo = FormatoDi(d, "Titolo");
    EXPECT_EQ(titolo.fontWeight(), QFont::Bold);
    EXPECT_EQ(titolo.fontPointSize(), 12);
    // Font 3 is not declared: the runs take the default font of the table.
    EXPECT_EQ(titolo.fontFamilies().toStringList(), QStringList{"Arial"});

    const QTextCharFormat rosso = FormatoDi(d, "Mancano");
    EXPECT_EQ(rosso.foreground().color(), QColor(255, 0, 0));
    EXPECT_EQ(rosso.fontWeight(), QFont::Bold);
    EXPECT_FALSE(rosso.fontUnderline());

    const QTextCharFormat nove = FormatoDi(d, "9 punti");
    EXPECT_EQ(nove.fontPointSize(), 9);
    EXPECT_EQ(nove.fontWeight(), QFont::Normal);
    EXPECT_EQ(nove.foreground().color(), QColor(0, 0, 0));

    const QTextCharFormat blu = FormatoDi(d, "blu");
    EXPECT_EQ(blu.foreground().color(), QColor(0, 0, 255));
    EXPECT_TRUE(blu.fontUnderline());
    EXPECT_EQ(FormatoDi(d, "grigio").foreground().color(), QColor(126, 126, 126));
}

TEST(LettoreRTF, TabulazioniInPixel) {
    QTextDocument d;
    LeggiRTF(ByteRTF(DocumentoRTF()), d);
    const QList<QTextOption::Tab> tab = d.firstBlock().blockFormat().tabPositions();
    ASSERT_EQ(tab.size(), 7);
    EXPECT_EQ(tab[0], QTextOption::Tab(1136.0 / 15, QTextOption::CenterTab));
    EXPECT_EQ(tab[2], QTextOption::Tab(284, QTextOption::RightTab));
    EXPECT_EQ(tab[6], QTextOption::Tab(9656.0 / 15, QTextOption::RightTab));
    // The stops hold for the next paragraph too; without stops, one every 720 twips.
    EXPECT_EQ(d.firstBlock().next().blockFormat().tabPositions().size(), 7);
    EXPECT_DOUBLE_EQ(d.defaultTextOption().tabStopDistance(), 48);

    QTextDocument t;
    LeggiRTF("{\\rtf1 \\tqr\\tx4260 a\\tab b\\par \\pard c\\par }", t);
    EXPECT_EQ(t.firstBlock().text(), "a\tb");
    EXPECT_EQ(t.firstBlock().blockFormat().tabPositions().size(), 1);
    EXPECT_EQ(t.firstBlock().next().text(), "c");
    EXPECT_TRUE(t.firstBlock().next().blockFormat().tabPositions().isEmpty());
}

TEST(LettoreRTF, SegnoDiametro) {
    for (const std::string& rtf : {std::string("{\\rtf1 \\'d8 12}"), std::string("{\\rtf1 \xD8 12}"),
                                   std::string("{\\rtf1 \\'D8 12}")}) {
        QTextDocument d;
        LeggiRTF(rtf, d);
        EXPECT_EQ(d.toPlainText().toStdString(), "\xC3\x98 12") << rtf;
    }
}

// Damaged input shows what was read and never crashes.
TEST(LettoreRTF, IngressiGuasti) {
    struct Caso {
        std::string rtf, testo;
    };
    const std::vector<Caso> casi{
        {"", ""},
        {"{\\rtf1 abc{", "abc"},
        {"{\\rtf1 abc\\", "abc"},
        {"{\\rtf1 abc\\fs", "abc"},
        {"{\\rtf1 a\\fs b\\fs}", "ab"},
        {"{\\rtf1 a{\\*\\foo x}b}", "ab"},
        {"{\\rtf1 \\u8364?}", "\xE2\x82\xAC"},
        {"{\\rtf1 \\uc0\\u8364?}", "\xE2\x82\xAC?"},
        {"{\\rtf1 \\u-4064?}", "\xEF\x80\xA0"},
        {"{\\rtf1 a}b}c", "abc"},
        {"}}}{", ""},
        {"{\\rtf1 \\\\ \\{ \\}}", "\\ { }"},
        {"{\\rtf1 \\'4", ""},
        {"{\\rtf1 \\'zz}", "zz"},
        {"{\\rtf1 a\\fs99999999999999999999 b}", "ab"},
        {"{\\rtf1 \\cf99 a\\f77 b\\unknownword c}", "abc"},
        {"{\\rtf1 {\\fonttbl{\\f0 Arial;}", ""},
        {"{\\rtf1 a{\\*\\pict\\bin4 }{\\}}b}", "ab"},
        {"{\\rtf1 a\\bin99", "a"},
        {std::string(5000, '{') + "a" + std::string(5000, '}') + "b", "ab"},
        {"{\\rtf1 \\trowd\\cellx1000\\cellx2000\\intbl a\\cell b", "a\nb"},
        {"{\\rtf1 \\intbl x\\cell\\row", "x"},
        {"{\\rtf1 \\trowd\\cellx999999999\\cellx-5\\intbl a\\cell b\\row\\pard c}", "a\nb\n\nc"},
    };
    for (const Caso& c : casi) {
        QTextDocument d;
        LeggiRTF(c.rtf, d);
        // A table is framed by paragraphs of its own: the line ends around the text do not count.
        EXPECT_EQ(d.toPlainText().trimmed().toStdString(), c.testo) << c.rtf;
    }
}

TEST(Giustificatore, VuotoPoiCaricato) {
    VisoreRTF v;
    Giustificatore().JUSTIFY(&v, 0, 0);
    v.ImpostaTestoRTF(DocumentoRTF());
    int blocchi = 0;
    for (QTextBlock b = v.document()->begin(); b.isValid(); b = b.next(), ++blocchi)
        EXPECT_EQ(b.blockFormat().alignment(), Qt::AlignJustify) << b.text().toStdString();
    EXPECT_GT(blocchi, 30);
    EXPECT_EQ(&Giustificatore(), &Giustificatore());
    Giustificatore().JUSTIFY(nullptr, 0, 0);
}

TEST(Giustificatore, SoloIParagrafiToccati) {
    VisoreRTF v;
    v.ImpostaTestoRTF(InizioRTF() + "uno\\par due\\par tre" + FineRTF());
    const int inizioDue = v.document()->firstBlock().next().position();
    Giustificatore().JUSTIFY(&v, inizioDue + 1, inizioDue + 2);
    QTextBlock b = v.document()->firstBlock();
    EXPECT_NE(b.blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_EQ(b.next().blockFormat().alignment(), Qt::AlignJustify);
    EXPECT_NE(b.next().next().blockFormat().alignment(), Qt::AlignJustify);
    // Positions beyond the text are the end of it.
    Giustificatore().JUSTIFY(&v, 100000, -5);
    EXPECT_EQ(b.blockFormat().alignment(), Qt::AlignJustify);
}

TEST(VisoreRTF, MostraESalvaGliStessiByte) {
    VisoreRTF v;
    EXPECT_TRUE(v.isReadOnly());
    const std::string doc = DocumentoRTF();
    v.ImpostaTestoRTF(doc);
    EXPECT_EQ(v.Byte(), ByteRTF(doc));
    EXPECT_EQ(Tabelle(*v.document()).size(), 1u);
    CartellaTemp t;
    PiattaformaProva p;
    ASSERT_TRUE(v.Salva(t / "computo.rtf"));
    EXPECT_EQ(LeggiTutto(t / "computo.rtf"), ByteRTF(doc));
    // A new document replaces the old one.
    v.ImpostaTestoRTF(InizioRTF() + FineRTF());
    EXPECT_TRUE(Tabelle(*v.document()).empty());
    EXPECT_EQ(v.toPlainText(), "\n");
}
