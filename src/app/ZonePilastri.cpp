#include "app/ZonePilastri.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "app/Undo.h"
#include "base/Formati.h"
#include "design/Ancoraggio.h"
#include "design/ArchivioZone.h"
#include "design/ContornoZona.h"
#include "design/DirezioniZona.h"
#include "design/Residui.h"
#include "design/SelezioneZona.h"
#include "model/Vista.h"

namespace vilmor {

namespace {

// Elements closer than this in x and in y to one already taken share its zones.
constexpr float DistanzaMinima = 80;
// Half side of the yellow mark, pixels, and its palette colour.
constexpr int MezzoLatoMarca = 5;
constexpr int ColoreMarca = 14;

struct Posizione {
    float X, Y;
};

std::vector<Posizione> Raccogli(const GeometriaSoletta& g, float x1, float y1, float x2, float y2, int kind) {
    std::vector<Posizione> lista;
    auto prova = [&](float X, float Y) {
        if (!(x1 < X && X < x2 && y1 < Y && Y < y2)) return;
        for (const Posizione& p : lista)
            if (std::fabs(X - p.X) < DistanzaMinima && std::fabs(Y - p.Y) < DistanzaMinima) return;
        lista.push_back({X, Y});
    };
    if (kind == 0) {
        const int n = std::min(g.NumPilastri, static_cast<int>(g.Pilastri.size()));
        for (int i = 0; i < n; ++i) prova(g.Pilastri[i].X, g.Pilastri[i].Y);
    } else {
        const int n = std::min(g.NumPali, static_cast<int>(g.Pali.size()));
        for (int i = 0; i < n; ++i) prova(g.Pali[i].X, g.Pali[i].Y);
    }
    return lista;
}

int Pixel(float v) {
    if (!std::isfinite(v)) return 0;
    return static_cast<int>(std::clamp(static_cast<double>(std::nearbyint(v)), -1.0e9, 1.0e9));
}

// The marks stay in the picture until it is next cleared.
void Marca(const std::vector<Posizione>& lista) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    v->DisegnoPersistente(true);
    for (const Posizione& p : lista) {
        const int sx = Pixel(XSchermo(p.X)), sy = Pixel(YSchermo(p.Y));
        v->RettangoloPieno(sx - MezzoLatoMarca, sy - MezzoLatoMarca, sx + MezzoLatoMarca, sy + MezzoLatoMarca,
                           ColoreMarca);
    }
    v->DisegnoPersistente(false);
}

struct DatiDirezione {
    int Diametro;
    int NumFerri;
    float Passo;
    float Lunghezza;
};

DatiDirezione Dati(int dir) {
    if (dir == 0)
        return {AggMulti.DiamMulti1, AggMulti.NumFerriMulti1, AggMulti.PassoMulti1, AggMulti.LungMulti1};
    return {AggMulti.DiamMulti2, AggMulti.NumFerriMulti2, AggMulti.PassoMulti2, AggMulti.LungMulti2};
}

}  // namespace

std::string MsgDatiMulti(int direzione) {
    return "I ferri in direzione " + std::to_string(direzione) +
           " richiedono almeno 2 ferri, un passo di almeno 1 cm e un diametro di almeno 4 mm.\nOperazione annullata.";
}

std::string MsgLunghezzaCorta(int direzione, float lunghezza, int ancoraggio) {
    return "La lunghezza dei ferri in direzione " + std::to_string(direzione) + " (" + FormatNumVar(lunghezza, 1) +
           " cm) deve superare il doppio dell'ancoraggio (" + std::to_string(2 * ancoraggio) + " cm).";
}

std::string MsgLunghezzaMulti(int direzione, float lunghezza, int ancoraggio) {
    return MsgLunghezzaCorta(direzione, lunghezza, ancoraggio) + "\nOperazione annullata.";
}

std::string MsgSenzaZona(int kind, int n) {
    return std::string(kind == 0 ? "Pilastri" : "Pali") + " senza armatura aggiuntiva: " + std::to_string(n) +
           ".\nLa zona cade fuori dalla soletta o risulta divisa in più parti.";
}

void InserisciZonePilastri(float x1, float y1, float x2, float y2, int kind) {
    const std::vector<Posizione> lista = Raccogli(M.Soletta, x1, y1, x2, y2, kind);
    if (lista.empty()) {
        Avviso(kind == 0 ? MsgNessunPilastro : MsgNessunPalo);
        return;
    }
    Marca(lista);

    // Without a dialog there are no bar data: as a cancel.
    ErroreOperazione = -1;
    if (Piatt.FrmAggMulti) Piatt.FrmAggMulti->Mostra();
    if (ErroreOperazione != 0) return;

    // Everything that could stop the operation is checked before the first change.
    int ticked = 0;
    for (int dir = 0; dir <= 1; ++dir) {
        if (!AggMulti.ApplicaDirMulti[dir]) continue;
        ++ticked;
        const DatiDirezione d = Dati(dir);
        if (!(d.Passo >= 1 && std::isfinite(d.Passo)) || d.NumFerri < 2 || d.Diametro < 4) {
            Avviso(MsgDatiMulti(dir + 1));
            return;
        }
        // A bar not longer than its two anchorages would turn the zone inside out.
        const int A = CalcAncoraggio(d.Diametro);
        if (!(d.Lunghezza > static_cast<float>(2 * A))) {
            Avviso(MsgLunghezzaMulti(dir + 1, d.Lunghezza, A));
            return;
        }
    }
    if (ticked == 0) return;
    if (!SpazioZone(M.Zone, static_cast<int>(lista.size()) * ticked)) {
        AvvisoLimiteZone();
        return;
    }

    // These zones lie on one face only: no copy on the other face.
    const int entrambiLati = Edit.EntrambiLati;
    Edit.EntrambiLati = 0;
    bool snapshot = false;
    int senzaZona = 0;
    for (const Posizione& p : lista) {
        bool mancante = false;
        for (int dir = 0; dir <= 1; ++dir) {
            if (!AggMulti.ApplicaDirMulti[dir]) continue;
            const DatiDirezione d = Dati(dir);
            Edit.ZonaCorrente = Zona{};
            Zona& z = Edit.ZonaCorrente;
            Edit.ZonaSelezionata = M.Zone.UltimaZona + 1;
            Edit.MantieniRiferimento = -1;
            z.Direzione = dir;
            z.Tipo = Edit.LatoMulti;
            z.Passo = d.Passo;
            z.Diametro = d.Diametro;

            const int A = CalcAncoraggio(d.Diametro);
            const float mezzaLung = (d.Lunghezza - static_cast<float>(2 * A)) / 2;
            const float mezzaLarg = static_cast<float>(d.NumFerri - 1) * d.Passo / 2;
            float c1x, c1y, c2x, c2y;
            RettangoloRuotato(dir, mezzaLung, mezzaLarg, p.X, p.Y, c1x, c1y, c2x, c2y);
            ImpostaSelezioneDir(c1x, c1y, c2x, c2y);
            OrdinaZonaOraria();
            if (ContornoZona() == 0) {
                mancante = true;
                continue;
            }
            if (!snapshot) {
                SalvaStatoUndo();
                snapshot = true;
            }
            // A zone too far out counts among those the final message reports.
            if (!MemorizzaZona(M, Edit, false)) {
                mancante = true;
                continue;
            }
        }
        if (mancante) ++senzaZona;
    }
    Edit.EntrambiLati = entrambiLati;
    Edit.MantieniRiferimento = 0;
    if (snapshot) DetraiArmatureNodi(-1);
    if (senzaZona > 0) Avviso(MsgSenzaZona(kind, senzaZona));
}

}  // namespace vilmor
