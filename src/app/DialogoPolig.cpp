#include "app/DialogoPolig.h"

#include <algorithm>
#include <cmath>

#include "app/EditPerimetro.h"
#include "app/PosaSezioni.h"
#include "app/Undo.h"
#include "app/ZoneDopoPerimetro.h"
#include "app/ValoriGriglia.h"
#include "base/Formati.h"
#include "base/NumeriAngoli.h"
#include "design/BarreZone.h"
#include "design/ContorniArmatura.h"
#include "drawing/PoligonoEdit.h"
#include "drawing/Ridisegna.h"
#include "model/AreaLavoro.h"
#include "model/Estensioni.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

// Twice the signed area, y up: negative for a clockwise ring.
double AreaDoppia(const std::vector<Punto>& p) {
    double a = 0;
    for (size_t i = 0, n = p.size(); i < n; ++i) {
        const Punto& u = p[i];
        const Punto& v = p[(i + 1) % n];
        a += double(u.X) * v.Y - double(v.X) * u.Y;
    }
    return a;
}

double Croce(const Punto& o, const Punto& a, const Punto& b) {
    return (double(a.X) - o.X) * (double(b.Y) - o.Y) - (double(a.Y) - o.Y) * (double(b.X) - o.X);
}

int Segno(double v, double scala) {
    const double eps = 1e-9 * scala;
    return v > eps ? 1 : v < -eps ? -1 : 0;
}

bool SuSegmento(const Punto& a, const Punto& b, const Punto& p) {
    return std::min(a.X, b.X) <= p.X && p.X <= std::max(a.X, b.X) && std::min(a.Y, b.Y) <= p.Y && p.Y <= std::max(a.Y, b.Y);
}

// Whether segments a-b and c-d cross or touch (ends included).
bool Toccano(const Punto& a, const Punto& b, const Punto& c, const Punto& d, double scala) {
    const int o1 = Segno(Croce(a, b, c), scala), o2 = Segno(Croce(a, b, d), scala);
    const int o3 = Segno(Croce(c, d, a), scala), o4 = Segno(Croce(c, d, b), scala);
    if (o1 * o2 < 0 && o3 * o4 < 0) return true;
    return (o1 == 0 && SuSegmento(a, b, c)) || (o2 == 0 && SuSegmento(a, b, d)) || (o3 == 0 && SuSegmento(c, d, a)) ||
           (o4 == 0 && SuSegmento(c, d, b));
}

}  // namespace

std::string ControllaPerimetro(std::vector<Punto>& anello) {
    const std::string fine = "\nIl perimetro non è stato modificato.";
    // Consecutive coincident vertices count as one for the test.
    std::vector<Punto> p;
    for (const Punto& q : anello)
        if (p.empty() || std::fabs(p.back().X - q.X) >= 0.0001f || std::fabs(p.back().Y - q.Y) >= 0.0001f) p.push_back(q);
    while (p.size() > 1 && std::fabs(p.back().X - p.front().X) < 0.0001f && std::fabs(p.back().Y - p.front().Y) < 0.0001f)
        p.pop_back();
    double scala = 1;
    for (const Punto& q : p) scala = std::max({scala, std::fabs(double(q.X)), std::fabs(double(q.Y))});
    scala *= scala;
    bool piano = true;
    for (size_t i = 2; i < p.size() && piano; ++i) piano = Segno(Croce(p[0], p[1], p[i]), scala) == 0;
    if (p.size() < 3 || piano) return "Perimetro non valido: servono almeno tre vertici non allineati." + fine;
    const size_t n = p.size();
    for (size_t i = 0; i < n; ++i) {
        const Punto &a = p[i], &b = p[(i + 1) % n];
        // A side folding back over the one before it.
        const Punto& prima = p[(i + n - 1) % n];
        if (Segno(Croce(prima, a, b), scala) == 0 &&
            (double(a.X) - prima.X) * (double(b.X) - a.X) + (double(a.Y) - prima.Y) * (double(b.Y) - a.Y) < 0)
            return "Perimetro non valido: alcuni lati si intersecano." + fine;
        for (size_t j = i + 2; j < n; ++j) {
            if (i == 0 && j == n - 1) continue;  // neighbours through the closing side
            if (Toccano(a, b, p[j], p[(j + 1) % n], scala)) return "Perimetro non valido: alcuni lati si intersecano." + fine;
        }
    }
    if (AreaDoppia(p) > 0) std::reverse(anello.begin() + 1, anello.end());
    return {};
}

void DialogoPolig::Apri() {
    Vista.EditPerimetro = 1;
    StatoEditSez& e = EditSez;
    e.PoolVertici.clear();
    e.NumVerticiPool = 0;
    const GeometriaSoletta& g = M.Soletta;
    const int n = std::min(g.NumVertContorno, static_cast<int>(g.Contorno.size()));
    e.UbOrdineVertici = n - 1;
    e.OrdineVertici.assign(static_cast<size_t>(std::max(n, 0)), 0);
    for (int i = 0; i < n; ++i) {
        const Punto& q = g.Contorno[static_cast<size_t>(i)];
        e.OrdineVertici[static_cast<size_t>(i)] = RegistraVertice(q.X, q.Y);
    }
    Piatt.FrmPolig = this;
    AggiornaNodi();
    Controlli.Griglia = e.GrigliaAttiva != 0;
    Controlli.Osnap = e.OsnapAttivo != 0;
    e.VerticeSelez = 0;
    List1_Click(0);
    PulisciTransitorio();
    Vista.ModoComando = 0;
}

void DialogoPolig::AggiornaNodi() {
    Controlli.Righe.clear();
    for (int i = 0; i <= EditSez.UbOrdineVertici; ++i) {
        const Punto& q = VerticeEdit(i);
        Controlli.Righe.push_back((i < 9 ? " " : "") + Str(i + 1) + " - X = " + FormatNum(q.X, 1) + "    Y = " +
                                  FormatNum(q.Y, 1));
    }
    Mostra();
}

void DialogoPolig::List1_Click(int riga) {
    Controlli.RigaSelezionata = riga;
    if (riga >= 0 && riga <= EditSez.UbOrdineVertici) {
        const Punto& q = VerticeEdit(riga);
        Controlli.Testi = {FormatNum(q.X, 1), FormatNum(q.Y, 1)};
        Controlli.Colori = {ColorePalette(0), ColorePalette(0)};
        Controlli.Vertice = "Vertice " + Str(riga + 1) + ":";
        EditSez.VerticeSelez = riga;
    }
    Mostra();
    Ridisegna(0);
}

void DialogoPolig::Check1_Click(int indice) {
    Riprendi();
    if (indice == 0) {
        EditSez.GrigliaAttiva = Controlli.Griglia ? 1 : 0;
        Ridisegna(0);
    } else {
        EditSez.OsnapAttivo = Controlli.Osnap ? 1 : 0;
    }
}

void DialogoPolig::Command1_Click(int indice) {
    Riprendi();
    // Without an outline under edit only the two ways out remain.
    if (indice <= 2 && (!ContornoEditCoerente() || EditSez.VerticeSelez < 0 || EditSez.VerticeSelez > EditSez.UbOrdineVertici)) {
        Ridisegna(0);
        return;
    }
    switch (indice) {
        case 0: Elimina(); break;
        case 1: Inserisci(); break;
        case 2: AssegnaCoordinate(); break;
        case 3: AssegnaPerimetro(); return;
        case 4: Esci(); return;
        default: return;
    }
    Ridisegna(0);
}

void DialogoPolig::Elimina() {
    StatoEditSez& e = EditSez;
    if (e.UbOrdineVertici <= 2) return;
    const std::string n = std::to_string(e.VerticeSelez + 1);
    if (MostraMessaggio("Vuoi eliminare il vertice " + n + "?", IconaMsg::Nessuna, PulsantiMsg::SiNo, TitoloAttenzione()) ==
        RispostaMsg::Si) {
        e.OrdineVertici.erase(e.OrdineVertici.begin() + e.VerticeSelez);
        --e.UbOrdineVertici;
    }
    e.VerticeSelez = std::max(e.VerticeSelez - 1, 0);
    AggiornaNodi();
    List1_Click(e.VerticeSelez);
}

void DialogoPolig::Inserisci() {
    StatoEditSez& e = EditSez;
    const std::string n = std::to_string(e.VerticeSelez + 1);
    if (MostraMessaggio("Vuoi inserire un nuovo vertice dopo il vertice " + n + "?", IconaMsg::Nessuna, PulsantiMsg::SiNo,
                        TitoloAttenzione()) != RispostaMsg::Si)
        return;
    const int sel = e.VerticeSelez;
    const Punto a = VerticeEdit(sel), b = VerticeEdit(sel < e.UbOrdineVertici ? sel + 1 : 0);
    e.OrdineVertici.insert(e.OrdineVertici.begin() + sel, e.OrdineVertici[static_cast<size_t>(sel)]);
    ++e.UbOrdineVertici;
    const int k = RegistraVertice((a.X + b.X) / 2, (a.Y + b.Y) / 2);
    e.VerticeSelez = sel + 1;
    e.OrdineVertici[static_cast<size_t>(e.VerticeSelez)] = k;
    AggiornaNodi();
    List1_Click(e.VerticeSelez);
}

void DialogoPolig::AssegnaCoordinate() {
    StatoEditSez& e = EditSez;
    const std::optional<float> x = ValoreGriglia(Controlli.Testi[0], -SenzaLimite);
    const std::optional<float> y = ValoreGriglia(Controlli.Testi[1], -SenzaLimite);
    if (!x || !y) {
        // A box that holds no number shows the vertex's value again; the vertex stays.
        const Punto& q = VerticeEdit(e.VerticeSelez);
        if (!x) Controlli.Testi[0] = FormatNum(q.X, 1), Controlli.Colori[0] = ColorePalette(0);
        if (!y) Controlli.Testi[1] = FormatNum(q.Y, 1), Controlli.Colori[1] = ColorePalette(0);
        Mostra();
        return;
    }
    e.OrdineVertici[static_cast<size_t>(e.VerticeSelez)] = RegistraVertice(*x, *y);
    AggiornaNodi();
    List1_Click(e.VerticeSelez);
}

void DialogoPolig::AssegnaPerimetro() {
    const StatoEditSez& e = EditSez;
    std::vector<Punto> anello;
    for (int i = 0; i <= e.UbOrdineVertici; ++i) anello.push_back(VerticeEdit(i));
    if (const std::string rifiuto = ControllaPerimetro(anello); !rifiuto.empty()) {
        Avviso(rifiuto);
        return;
    }
    // Where the reinforcement file takes an outline back.
    if (!ContornoNellArea(M.Soletta, anello)) {
        Avviso("Perimetro non valido: un vertice \xC3\xA8 troppo lontano dalla soletta.\n"
               "Il perimetro non \xC3\xA8 stato modificato.");
        return;
    }
    // One undo step for the whole change: the outline, the sections and every zone.
    SalvaStatoUndo();
    GeometriaSoletta& g = M.Soletta;
    const std::vector<Punto> vecchio(g.Contorno.begin(),
                                     g.Contorno.begin() + std::min<size_t>(g.Contorno.size(), g.NumVertContorno + 1));
    g.Contorno = anello;
    g.Contorno.push_back(anello.front());
    g.NumVertContorno = static_cast<int>(anello.size());
    SettaLimiti(M, Vista);
    CalcolaContornoArmatura(M);
    RicalcolaSezioni(M);
    // The zones follow the new outline as after an edit of each; the bars with them.
    const ControlliPerimetro controlli = RidisponiZone(M, vecchio);
    Esci();
    if (const std::string testo = MsgControlliPerimetro(controlli); !testo.empty()) Avviso(testo);
}

void DialogoPolig::Esci() {
    Vista.EditPerimetro = 0;
    if (Chiudi) Chiudi();
    Scarica();
}

void DialogoPolig::Scarica() {
    Vista.EditPerimetro = 0;
    if (Piatt.FrmPolig == this) Piatt.FrmPolig = nullptr;
    Ridisegna(0);
}

std::string DialogoPolig::Coordinata(int i) const {
    if (i < 0 || i > 1) return {};
    return Controlli.Testi[static_cast<size_t>(i)];
}

void DialogoPolig::ImpostaCoordinata(int i, const std::string& testo, int32_t rgb) {
    if (i < 0 || i > 1) return;
    Riprendi();
    Controlli.Testi[static_cast<size_t>(i)] = testo;
    Controlli.Colori[static_cast<size_t>(i)] = rgb;
    Mostra();
}

void DialogoPolig::SelezionaVertice(int i) { List1_Click(i); }

}  // namespace vilmor
