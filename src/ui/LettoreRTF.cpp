#include "ui/LettoreRTF.h"

#include <QAbstractTextDocumentLayout>
#include <QGuiApplication>
#include <QPaintDevice>
#include <QScreen>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextTable>
#include <algorithm>
#include <array>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "base/Testo1252.h"

namespace vilmor {
namespace {

// Bounds that keep absurd numbers in damaged input from building absurd layouts.
constexpr int TwipMassimi = 63360;  // 44 inches
constexpr int ColonneMassime = 63;
constexpr int TabMassime = 64;
constexpr int MezziPuntiPredefiniti = 24;
constexpr size_t ProfonditaMassima = 1000;  // nested groups kept; deeper ones share a state

const std::array<char16_t, 256>& Tabella1252() {
    static const std::array<char16_t, 256> t = [] {
        std::array<char16_t, 256> a{};
        for (int b = 0; b < 256; ++b) {
            const QString s = QString::fromStdString(DaWindows1252(std::string(1, static_cast<char>(b))));
            a[b] = s.isEmpty() ? u'?' : s.at(0).unicode();
        }
        return a;
    }();
    return t;
}

enum class Destinazione { Testo, Font, Colori, Salta };

// Character state: scoped by groups.
struct Stato {
    Destinazione Dest = Destinazione::Testo;
    int Font = 0;
    int MezziPunti = MezziPuntiPredefiniti;
    int Colore = 0;
    bool Grassetto = false;
    bool Corsivo = false;
    bool Sottolineato = false;
    int Uc = 1;  // characters that stand in for a \u character
};

struct FontRtf {
    QString Nome;
    QFont::StyleHint Famiglia = QFont::AnyStyle;
};

struct Run {
    QString Testo;
    QTextCharFormat Formato;
};
struct Paragrafo {
    QTextBlockFormat Formato;
    std::vector<Run> Pezzi;
};
struct Cella {
    std::vector<Paragrafo> Paragrafi;
};
using Riga = std::vector<Cella>;

struct DefinizioneRiga {
    std::vector<int> Bordi;  // right edges of the cells, twips
    int Gap = 0;             // half the space between cells, twips
    bool operator==(const DefinizioneRiga&) const = default;
};

class Lettore {
public:
    Lettore(std::string_view byte, QTextDocument& doc) : in_(byte), doc_(doc) {}

    void Leggi() {
        allineamento_ = doc_.defaultTextOption().alignment();
        doc_.clear();
        QTextOption opzione = doc_.defaultTextOption();
        opzione.setTabStopDistance(Px(720));
        doc_.setDefaultTextOption(opzione);
        cursore_ = QTextCursor(&doc_);
        QTextCursor blocco(&doc_);
        blocco.beginEditBlock();
        AzzeraParagrafo();
        stati_.push_back(Stato{});
        while (pos_ < in_.size()) {
            const unsigned char c = static_cast<unsigned char>(in_[pos_]);
            if (c == '{') {
                ++pos_;
                Scarica();
                salta_ = 0;
                if (stati_.size() < ProfonditaMassima)
                    stati_.push_back(stati_.back());
                else
                    ++oltre_;
            } else if (c == '}') {
                ++pos_;
                Scarica();
                salta_ = 0;
                if (oltre_ > 0)
                    --oltre_;
                else
                    ChiudiGruppo();
            } else if (c == '\\') {
                ++pos_;
                Controllo();
            } else {
                ++pos_;
                Byte(c);
            }
        }
        Scarica();
        EmettiTabella();
        cursore_.setBlockFormat(paragrafo_);
        blocco.endEditBlock();
    }

private:
    Stato& S() { return stati_.back(); }

    double Px(double twip) const { return PixelDaTwip(doc_, twip); }

    void ChiudiGruppo() {
        if (stati_.size() <= 1) return;  // a stray brace closes nothing
        if (S().Dest == Destinazione::Font) ChiudiFont();
        stati_.pop_back();
    }

    // ---- characters ----

    void Byte(unsigned char c) {
        if (c == '\r' || c == '\n') return;
        if (c == '\t') {
            Carattere(u'\t');
            return;
        }
        if (c < 0x20) return;
        Carattere(Tabella1252()[c]);
    }

    void Carattere(char16_t u) {
        if (salta_ > 0) {
            --salta_;
            return;
        }
        switch (S().Dest) {
            case Destinazione::Testo: sospeso_.append(QChar(u)); break;
            case Destinazione::Font:
                if (u == u';')
                    ChiudiFont();
                else
                    nomeFont_.append(QChar(u));
                break;
            case Destinazione::Colori:
                if (u == u';') {
                    colori_.push_back(coloreInCorso_);
                    coloreInCorso_.reset();
                }
                break;
            case Destinazione::Salta: break;
        }
    }

    void ChiudiFont() {
        if (fontInCorso_ < 0) return;
        FontRtf& f = font_[fontInCorso_];
        f.Nome = nomeFont_.trimmed();
        f.Famiglia = famigliaInCorso_;
        fontInCorso_ = -1;
        nomeFont_.clear();
    }

    // ---- control words ----

    void Controllo() {
        if (pos_ >= in_.size()) return;  // a trailing backslash
        const char c = in_[pos_];
        if (!IsLettera(c)) {
            ++pos_;
            Simbolo(c);
            return;
        }
        const size_t inizio = pos_;
        while (pos_ < in_.size() && IsLettera(in_[pos_]) && pos_ - inizio < 32) ++pos_;
        const std::string_view parola = in_.substr(inizio, pos_ - inizio);
        std::optional<int> param;
        bool negativo = false;
        if (pos_ < in_.size() && in_[pos_] == '-' && pos_ + 1 < in_.size() && IsCifra(in_[pos_ + 1])) {
            negativo = true;
            ++pos_;
        }
        if (pos_ < in_.size() && IsCifra(in_[pos_])) {
            long long v = 0;
            while (pos_ < in_.size() && IsCifra(in_[pos_])) {
                if (v < 100000000000LL) v = v * 10 + (in_[pos_] - '0');
                ++pos_;
            }
            if (negativo) v = -v;
            param = static_cast<int>(std::clamp<long long>(v, -2147483647LL, 2147483647LL));
        }
        if (pos_ < in_.size() && in_[pos_] == ' ') ++pos_;  // the delimiter belongs to the word
        Parola(parola, param);
    }

    static bool IsLettera(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }
    static bool IsCifra(char c) { return c >= '0' && c <= '9'; }
    static int Esadecimale(char c) {
        if (c >= '0' && c <= '9') return c - '0';
        if (c >= 'a' && c <= 'f') return c - 'a' + 10;
        if (c >= 'A' && c <= 'F') return c - 'A' + 10;
        return -1;
    }

    void Simbolo(char c) {
        switch (c) {
            case '\'': {
                int v = 0, n = 0;
                while (n < 2 && pos_ < in_.size() && Esadecimale(in_[pos_]) >= 0) {
                    v = v * 16 + Esadecimale(in_[pos_]);
                    ++pos_;
                    ++n;
                }
                if (n == 2) Carattere(Tabella1252()[v]);
                return;
            }
            case '\\':
            case '{':
            case '}': Carattere(static_cast<char16_t>(c)); return;
            case '~': Carattere(u'\u00A0'); return;
            case '_': Carattere(u'\u2011'); return;
            case '-': return;  // optional hyphen
            case '*':
                Scarica();
                S().Dest = Destinazione::Salta;
                return;
            case '\r':
            case '\n':
                Scarica();
                FineParagrafo();
                return;
            default: return;
        }
    }

    void Parola(std::string_view p, std::optional<int> n) {
        if (p == "u") {
            if (!n) return;
            const int v = *n < 0 ? *n + 65536 : *n;
            salta_ = 0;
            Carattere(static_cast<char16_t>(v & 0xFFFF));
            salta_ = S().Uc;
            return;
        }
        Scarica();
        salta_ = 0;
        if (p == "bin") {  // raw bytes, whatever they hold
            pos_ += std::min<size_t>(std::max(n.value_or(0), 0), in_.size() - pos_);
            return;
        }
        Stato& s = S();
        if (s.Dest == Destinazione::Salta) return;
        const int v = n.value_or(1);
        // Destinations and their contents.
        if (p == "fonttbl") {
            s.Dest = Destinazione::Font;
            return;
        }
        if (p == "colortbl") {
            s.Dest = Destinazione::Colori;
            coloreInCorso_.reset();
            return;
        }
        if (s.Dest == Destinazione::Font) {
            if (p == "f") {
                ChiudiFont();
                fontInCorso_ = v;
                famigliaInCorso_ = QFont::AnyStyle;
            } else if (p == "fswiss") {
                famigliaInCorso_ = QFont::SansSerif;
            } else if (p == "froman") {
                famigliaInCorso_ = QFont::Serif;
            } else if (p == "fmodern") {
                famigliaInCorso_ = QFont::TypeWriter;
            } else if (p == "fscript") {
                famigliaInCorso_ = QFont::Cursive;
            } else if (p == "fdecor") {
                famigliaInCorso_ = QFont::Decorative;
            } else if (p == "panose" || p == "falt" || p == "fname") {
                s.Dest = Destinazione::Salta;
            }
            return;
        }
        if (s.Dest == Destinazione::Colori) {
            const int canale = std::clamp(v, 0, 255);
            if (p == "red" || p == "green" || p == "blue") {
                if (!coloreInCorso_) coloreInCorso_ = QColor(0, 0, 0);
                if (p == "red") coloreInCorso_->setRed(canale);
                if (p == "green") coloreInCorso_->setGreen(canale);
                if (p == "blue") coloreInCorso_->setBlue(canale);
            }
            return;
        }
        if (IsDestinazioneIgnota(p)) {
            s.Dest = Destinazione::Salta;
            return;
        }

        // Character formatting.
        if (p == "plain") {
            s.Font = deff_;
            s.MezziPunti = MezziPuntiPredefiniti;
            s.Colore = 0;
            s.Grassetto = s.Corsivo = s.Sottolineato = false;
        } else if (p == "f") {
            s.Font = v;
        } else if (p == "fs") {
            s.MezziPunti = n && *n > 0 ? std::min(*n, 3276) : MezziPuntiPredefiniti;
        } else if (p == "cf") {
            s.Colore = v;
        } else if (p == "b") {
            s.Grassetto = v != 0;
        } else if (p == "i") {
            s.Corsivo = v != 0;
        } else if (p == "ul") {
            s.Sottolineato = v != 0;
        } else if (p == "ulnone") {
            s.Sottolineato = false;
        } else if (p == "uc") {
            s.Uc = std::clamp(v, 0, 10);
        } else if (p == "deff") {
            deff_ = v;
        } else if (p == "deftab") {
            if (n && *n > 0) {
                QTextOption opzione = doc_.defaultTextOption();
                opzione.setTabStopDistance(Px(std::min(*n, TwipMassimi)));
                doc_.setDefaultTextOption(opzione);
            }
        }
        // Paragraphs.
        else if (p == "par" || p == "sect" || p == "page") {
            FineParagrafo();
        } else if (p == "pard") {
            AzzeraParagrafo();
        } else if (p == "tab") {
            Carattere(u'\t');
        } else if (p == "line") {
            Carattere(u'\u2028');
        } else if (p == "tqr") {
            tipoTab_ = QTextOption::RightTab;
        } else if (p == "tqc") {
            tipoTab_ = QTextOption::CenterTab;
        } else if (p == "tqdec") {
            tipoTab_ = QTextOption::DelimiterTab;
        } else if (p == "tx") {
            AggiungiTab(v);
        } else if (p == "ql") {
            paragrafo_.setAlignment(Qt::AlignLeft);
        } else if (p == "qr") {
            paragrafo_.setAlignment(Qt::AlignRight);
        } else if (p == "qc") {
            paragrafo_.setAlignment(Qt::AlignHCenter);
        } else if (p == "qj") {
            paragrafo_.setAlignment(Qt::AlignJustify);
        }
        // Tables.
        else if (p == "trowd") {
            definizione_ = DefinizioneRiga{};
        } else if (p == "trgaph") {
            definizione_.Gap = std::clamp(v, 0, TwipMassimi);
        } else if (p == "cellx") {
            if (static_cast<int>(definizione_.Bordi.size()) < ColonneMassime)
                definizione_.Bordi.push_back(std::clamp(v, 0, TwipMassimi));
        } else if (p == "intbl") {
            inTabella_ = true;
        } else if (p == "cell") {
            AssicuraRiga();
            if (cella_ + 1 < colonne_) {
                ++cella_;
                righe_.back()[cella_].Paragrafi.front().Formato = paragrafo_;
            }
        } else if (p == "row") {
            rigaAperta_ = false;
        }
        // Anything else (\rtf, \ansi, \nowidctlpar, borders, ...) needs nothing here.
    }

    static bool IsDestinazioneIgnota(std::string_view p) {
        static constexpr std::string_view elenco[] = {
            "info", "stylesheet", "pict", "object", "header", "headerl", "headerr", "headerf",
            "footer", "footerl", "footerr", "footerf", "footnote", "listtable", "listoverridetable",
            "rsidtbl", "generator", "xmlnstbl", "themedata", "colorschememapping", "datastore",
            "latentstyles", "fldinst", "bkmkstart", "bkmkend", "revtbl", "filetbl"};
        return std::find(std::begin(elenco), std::end(elenco), p) != std::end(elenco);
    }

    void AggiungiTab(int twip) {
        QTextOption::Tab t(Px(std::clamp(twip, 0, TwipMassimi)), tipoTab_,
                           tipoTab_ == QTextOption::DelimiterTab ? QChar(u'.') : QChar());
        tipoTab_ = QTextOption::LeftTab;
        QList<QTextOption::Tab> tab = paragrafo_.tabPositions();
        if (tab.size() >= TabMassime) return;
        tab.append(t);
        paragrafo_.setTabPositions(tab);
    }

    void AzzeraParagrafo() {
        paragrafo_ = QTextBlockFormat();
        paragrafo_.setAlignment(allineamento_);
        tipoTab_ = QTextOption::LeftTab;
        inTabella_ = false;
    }

    QTextCharFormat FormatoCarattere() const {
        const Stato& s = stati_.back();
        QTextCharFormat f;
        auto trovato = font_.find(s.Font);
        if (trovato == font_.end()) trovato = font_.find(deff_);  // an undeclared font: the default one
        if (trovato != font_.end() && !trovato->second.Nome.isEmpty()) {
            f.setFontFamilies({trovato->second.Nome});
            f.setFontStyleHint(trovato->second.Famiglia);
        }
        f.setFontPointSize(s.MezziPunti / 2.0);
        if (s.Colore >= 0 && s.Colore < static_cast<int>(colori_.size()) && colori_[s.Colore])
            f.setForeground(*colori_[s.Colore]);
        f.setFontWeight(s.Grassetto ? QFont::Bold : QFont::Normal);
        f.setFontItalic(s.Corsivo);
        f.setFontUnderline(s.Sottolineato);
        return f;
    }

    // ---- output ----

    // Hands the text read since the last control word to the document or to the table.
    void Scarica() {
        if (sospeso_.isEmpty()) return;
        if (inTabella_) {
            AssicuraRiga();
            righe_.back()[cella_].Paragrafi.back().Pezzi.push_back({sospeso_, FormatoCarattere()});
        } else {
            EmettiTabella();
            cursore_.insertText(sospeso_, FormatoCarattere());
        }
        sospeso_.clear();
    }

    void FineParagrafo() {
        if (inTabella_) {
            AssicuraRiga();
            auto& paragrafi = righe_.back()[cella_].Paragrafi;
            paragrafi.back().Formato = paragrafo_;
            paragrafi.push_back({paragrafo_, {}});
            return;
        }
        EmettiTabella();
        cursore_.setBlockFormat(paragrafo_);
        cursore_.insertBlock(paragrafo_, FormatoCarattere());
    }

    // A table row receives text: opens the row, and the table when none is open or when the
    // row definition has changed.
    void AssicuraRiga() {
        if (rigaAperta_) return;
        if (!righe_.empty() && !(definizione_ == tabella_)) EmettiTabella();
        if (righe_.empty()) {
            tabella_ = definizione_;
            colonne_ = std::max<int>(1, static_cast<int>(tabella_.Bordi.size()));
        }
        righe_.push_back(Riga(colonne_, Cella{{Paragrafo{paragrafo_, {}}}}));
        cella_ = 0;
        rigaAperta_ = true;
    }

    void EmettiTabella() {
        if (righe_.empty()) return;
        rigaAperta_ = false;
        // The paragraph the table starts in is the table's own: an empty one is not kept in
        // front of it, since RTF readers show none there.
        if (cursore_.block().length() == 1 && cursore_.block().previous().isValid()) {
            QTextCursor precedente(cursore_.block().previous());
            if (!precedente.currentTable()) cursore_.deletePreviousChar();
        }
        QTextTableFormat f;
        f.setBorder(1);
        f.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
        f.setBorderBrush(QColor(0, 0, 0));
        f.setCellSpacing(0);
        f.setCellPadding(Px(tabella_.Gap));
        f.setMargin(0);
        f.setAlignment(Qt::AlignLeft);
        QList<QTextLength> larghezze;
        int sinistra = 0;
        for (int c = 0; c < colonne_; ++c) {
            const int destra = c < static_cast<int>(tabella_.Bordi.size()) ? tabella_.Bordi[c] : sinistra + 1440;
            larghezze.append(QTextLength(QTextLength::FixedLength, Px(std::max(destra - sinistra, 15))));
            sinistra = std::max(sinistra, destra);
        }
        f.setColumnWidthConstraints(larghezze);
        const int n = static_cast<int>(righe_.size());
        QTextTable* t = cursore_.insertTable(n, colonne_, f);
        for (int r = 0; r < n; ++r) {
            for (int c = 0; c < colonne_; ++c) {
                QTextCursor cc = t->cellAt(r, c).firstCursorPosition();
                const auto& paragrafi = righe_[r][c].Paragrafi;
                for (size_t k = 0; k < paragrafi.size(); ++k) {
                    if (k == 0)
                        cc.setBlockFormat(paragrafi[k].Formato);
                    else
                        cc.insertBlock(paragrafi[k].Formato);
                    for (const Run& run : paragrafi[k].Pezzi) cc.insertText(run.Testo, run.Formato);
                }
            }
        }
        // Qt lays an empty paragraph right after a table over the table's last row: the text
        // that follows gets a paragraph of its own, so that an empty one there is seen.
        cursore_ = t->lastCursorPosition();
        cursore_.movePosition(QTextCursor::NextBlock);
        cursore_.setBlockFormat(paragrafo_);
        cursore_.insertBlock(paragrafo_, FormatoCarattere());
        righe_.clear();
    }

    std::string_view in_;
    size_t pos_ = 0;
    QTextDocument& doc_;
    QTextCursor cursore_;
    std::vector<Stato> stati_;
    size_t oltre_ = 0;  // groups opened beyond the deepest kept
    QString sospeso_;
    int salta_ = 0;

    int deff_ = 0;
    std::map<int, FontRtf> font_;
    int fontInCorso_ = -1;
    QFont::StyleHint famigliaInCorso_ = QFont::AnyStyle;
    QString nomeFont_;
    std::vector<std::optional<QColor>> colori_;
    std::optional<QColor> coloreInCorso_;

    Qt::Alignment allineamento_ = Qt::AlignLeft;
    QTextBlockFormat paragrafo_;
    QTextOption::TabType tipoTab_ = QTextOption::LeftTab;
    bool inTabella_ = false;

    DefinizioneRiga definizione_;  // the last \trowd read
    DefinizioneRiga tabella_;      // the open table's
    int colonne_ = 1;
    std::vector<Riga> righe_;      // rows of the open table, written out when it ends
    bool rigaAperta_ = false;
    int cella_ = 0;
};

}  // namespace

double PixelDaTwip(const QTextDocument& doc, double twip) {
    double dpi = 96;
    // Asking the document for its layout would make one, and with it a layout after every edit.
    const auto* layout = doc.findChild<QAbstractTextDocumentLayout*>(QString(), Qt::FindDirectChildrenOnly);
    if (const QPaintDevice* d = layout ? layout->paintDevice() : nullptr)
        dpi = d->logicalDpiX();
    else if (const QScreen* s = QGuiApplication::primaryScreen())
        dpi = qRound(s->logicalDotsPerInchX());
    return twip * dpi / 1440.0;
}

void LeggiRTF(std::string_view byte, QTextDocument& doc) {
    const bool undo = doc.isUndoRedoEnabled();
    doc.setUndoRedoEnabled(false);
    Lettore(byte, doc).Leggi();
    doc.setUndoRedoEnabled(undo);
}

}  // namespace vilmor
