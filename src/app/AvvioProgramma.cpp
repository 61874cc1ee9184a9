#include "app/AvvioProgramma.h"
#include "app/SceltaVista.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <filesystem>
#include <limits>
#include <optional>

#include "app/CaricaProgetto.h"
#include "app/ComandiFile.h"
#include "app/Undo.h"
#include "base/Piattaforma.h"
#include "base/Testi.h"
#include "design/BarreZone.h"
#include "model/Estensioni.h"
#include "model/FileImpostazioni.h"
#include "model/FileRecenti.h"
#include "model/Impostazioni.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"
#include "model/Titolo.h"

namespace vilmor {

namespace {

// A whole text that is a number within the range of a window coordinate.
std::optional<int> NumeroFinestra(const std::string& testo) {
    const std::string t = Rifilato(testo);
    if (t.empty()) return std::nullopt;
    double v = 0;
    const char* fine = t.data() + t.size();
    auto [p, ec] = std::from_chars(t.data(), fine, v);
    if (ec != std::errc() || p != fine || !std::isfinite(v)) return std::nullopt;
    v = std::nearbyint(v);
    if (v < std::numeric_limits<int>::min() || v > std::numeric_limits<int>::max()) return std::nullopt;
    return static_cast<int>(v);
}

// The path against the folder the program started in: a relative one would name another file,
// or none, once the working folder or the recent list takes it elsewhere. "." and ".." go when
// the shorter path names the same file (a ".." after a link would not).
std::string PercorsoAssoluto(const std::string& percorso) {
    namespace fs = std::filesystem;
    std::error_code ec;
    const fs::path assoluto = fs::absolute(fs::path(percorso), ec);
    if (ec) return percorso;
    const fs::path normale = assoluto.lexically_normal();
    if (normale != assoluto && fs::exists(assoluto, ec) && !fs::equivalent(assoluto, normale, ec)) return assoluto.string();
    return normale.string();
}

bool SenzaTitolo() {
    const std::string& p = M.Progetto.PercorsoSoletta;
    return p.empty() || MaiuscoloUtf8(p) == "ANONIMO";
}

}  // namespace

std::string RigaComando(int argc, const char* const* argv) {
    std::string riga;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) riga += ' ';
        riga += argv[i];
    }
    return riga;
}

std::string FiltraApici(std::string& Testo) {
    if (!Testo.empty() && Testo.front() == '"') Testo.erase(0, 1);
    if (Testo.empty()) return {};
    const auto q = Testo.find('"');
    if (q != std::string::npos && q == Testo.size() - 1) Testo.pop_back();
    return Testo;
}

std::string PercorsoSolettaDaRiga(const std::string& riga) {
    std::string p = riga;
    FiltraApici(p);
    // Only the file's name is searched: a folder called "x.qvr" is no slab file.
    const auto barra = p.find_last_of('/');
    const size_t inizio = barra == std::string::npos ? 0 : barra + 1;
    const auto q = MaiuscoloAscii(p).find(".QVR", inizio);
    if (q == std::string::npos) return {};
    return PercorsoAssoluto(p.substr(0, q + 4));
}

int TwipsPerPixelDaDpi(double dpi) {
    if (!(dpi > 0) || !std::isfinite(dpi)) return 15;
    return std::max(1, static_cast<int>(std::lround(1440.0 / dpi)));
}

void PreparaAvvio() {
    // The undo history of a program killed before its end.
    PulisciCartelleUndoOrfane();
    LeggiMEM();
    M.Soletta.Contorno.assign(2, Punto{});
    ImpostaDefault();
    ImpostaColori();
    // The settings file holds the layer colours and snap switches too: it comes after the
    // colour tables, so its values stand.
    if (EsisteFile(FileImpostazioni())) LeggiIni();
    SettaIdComandi(1 + Imp.IconeGrandi);
}

int ApriProgettoIniziale(const std::string& percorso) {
    int stato = 0;
    if (!percorso.empty()) {
        stato = CaricaProgetto(percorso);
        // A load that went through has set the caption, the extents, the view and the bars; the
        // side and direction then show it as a load from the menu does.
        if (stato == 0) {
            LatoEDirezione();
            return 0;
        }
    }
    AggiornaTitolo();
    SettaLimiti();
    if (Disegno.ZoomEstensione) Disegno.ZoomEstensione();
    CalcolaArmature();
    return stato;
}

RettangoloFinestra RettangoloIniziale(int schermoLeft, int schermoTop, int schermoWidth, int schermoHeight) {
    RettangoloFinestra r;
    r.Height = schermoHeight - 200;
    r.Width = schermoWidth - 200;
    r.Top = schermoTop + (schermoHeight - r.Height) / 2;
    r.Left = schermoLeft + (schermoWidth - r.Width) / 2;
    return r;
}

void LeggiRettangoloFinestra(RettangoloFinestra& r) {
    const std::string chiave = "Vilmor\\Settings";
    auto leggi = [&](const char* nome, int& valore) {
        const ValoreChiave v = LeggiChiave(chiave, nome);
        if (!v.Testo) return;
        if (auto n = NumeroFinestra(*v.Testo)) valore = *n;
    };
    leggi("MainLeft", r.Left);
    leggi("MainTop", r.Top);
    leggi("MainWidth", r.Width);
    leggi("MainHeight", r.Height);
}

DisposizioneColonna DisponiColonna(int L, int T, int R, int B, int larghezza, int hF, int hP, int hR, int hL,
                                   int minPannello, int altezzaVoci, int minInfo) {
    DisposizioneColonna d;
    const int x = R - larghezza;
    int hG = (B - T) - hF - hP - hR - hL;
    if (altezzaVoci > 0 && hG < altezzaVoci) {
        const int ceduta = std::clamp(altezzaVoci - hG, 0, std::max(0, hR - minInfo));
        hR -= ceduta;
        hG += ceduta;
    }
    hG = std::max(minPannello, hG);
    d.Frame2 = {x, T, larghezza, hF};
    d.Picture2 = {x, T + hF, larghezza, hP};
    d.RichTextBox1 = {x, T + hF + hP, larghezza, hR};
    d.PropertyGrid1 = {x, T + hF + hP + hR, larghezza, hG};
    d.Label1 = {x, T + hF + hP + hR + hG, larghezza, hL};
    d.Piano = {L, T, std::max(0, (R - L) - larghezza), B - T};
    return d;
}

bool ChiusuraProgramma() {
    const RispostaMsg r = MostraMessaggio(DomandaUscita, IconaMsg::Nessuna, PulsantiMsg::SiNoAnnulla, TitoloUscita);
    // "Annulla", Escape and the close box: the program goes on as it was.
    if (r != RispostaMsg::Si && r != RispostaMsg::No) return false;
    if (r == RispostaMsg::Si) {
        if (SenzaTitolo()) {
            // Nothing to save: the refusal is shown and the exit goes on.
            SalvaConNome("Salva");
        } else if (!SalvaArmatureAperte()) {
            // The edits the user asked to keep are not on disk: the window stays.
            return false;
        }
    }
    SalvaMEM();
    PulisciUndo();
    return true;
}

}  // namespace vilmor
