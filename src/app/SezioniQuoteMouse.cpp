#include "app/SezioniQuoteMouse.h"

#include <cmath>
#include <string>

#include "app/AgganciaOggetti.h"
#include "app/MouseVideo.h"
#include "app/PosaSezioni.h"
#include "app/Undo.h"
#include "base/Geometria.h"
#include "base/NumeriAngoli.h"
#include "base/Piattaforma.h"
#include "design/OrdinaSezioni.h"
#include "design/Selezione.h"
#include "drawing/Quote.h"
#include "drawing/Ridisegna.h"
#include "model/Vista.h"
#include "model/definizioni.h"

namespace vilmor {

namespace {

void Fine() {
    Vista.ModoComando = Modo::Idle;
    Ridisegna(0);
}

// A picked point's cross, kept until the next full redraw.
void SegnaPunto(float x, float y) {
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const int32_t c = ColorePalette(13);
    v->DisegnoPersistente(true);
    v->Linea(x - 6, y, x + 6, y, c, false);
    v->Linea(x, y - 6, x, y + 6, c, false);
    v->DisegnoPersistente(false);
}

// The dotted preview of the dimension line through the cursor, with its ticks.
void Anteprima(float X, float Y) {
    PulisciTransitorio();
    SuperficieVideo* v = Piatt.Ctrl_Vid;
    if (!v) return;
    const EditQuote& e = Quotatura;
    const int32_t c = ColorePalette(11);
    const float t = 10 * Vista.Scala;
    auto linea = [&](float x1, float y1, float x2, float y2) { v->Linea(x1, y1, x2, y2, c, true); };
    const int modo = Vista.ModoComando;
    if (modo == ModoInsQuotaOrizz) {
        linea(e.XQuota1, Y, e.XQuota2, Y);
        linea(e.XQuota1, Y + t, e.XQuota1, Y - t);
        linea(e.XQuota2, Y + t, e.XQuota2, Y - t);
    } else if (modo == ModoInsQuotaVert) {
        linea(X, e.YQuota1, X, e.YQuota2);
        linea(X + t, e.YQuota1, X - t, e.YQuota1);
        linea(X + t, e.YQuota2, X - t, e.YQuota2);
    } else {
        const float cq = e.CosQuota, sq = e.SinQuota;
        float x1 = 0, y1 = 0, x2 = 0, y2 = 0;
        const bool a = IncontroRette(X, Y, X + 10 * cq, Y + 10 * sq, e.XQuota1, e.YQuota1, e.XQuota1 + 10 * sq,
                                     e.YQuota1 - 10 * cq, x1, y1);
        const bool b = IncontroRette(X, Y, X + 10 * cq, Y + 10 * sq, e.XQuota2, e.YQuota2, e.XQuota2 + 10 * sq,
                                     e.YQuota2 - 10 * cq, x2, y2);
        if (a && b) {
            linea(x1, y1, x2, y2);
            linea(x1 + t * sq, y1 - t * cq, x1 - t * sq, y1 + t * cq);
            linea(x2 + t * sq, y2 - t * cq, x2 - t * sq, y2 + t * cq);
        }
    }
    EvidQuotaCursore(M, X, Y);
}

bool Agganciato(int Button, float X, float Y) {
    AgganciaOggetti(X, Y, 0, Button);
    return Vista.StatoAggancio == 1;
}

void PremiSezione(float X, float Y) {
    const int modo = Vista.ModoComando;
    if (modo == Modo::NuovaSez1 || modo == Modo::NuovaSez2) {
        Vista.ModoComando = Modo::PosaSez;
        Vista.IndiceSezione = M.SezQuote.UltimaSezione + 1;
        Vista.DirezioneSezione = modo == Modo::NuovaSez1 ? 0 : 1;
        DisSezTmp(X, Y);
        return;
    }
    const int s = TrovaSezione(X, Y);
    if (s < 0) return;
    if (modo == Modo::SpostaSez) {
        Vista.IndiceSezione = s;
        Vista.ModoComando = Modo::PosaSezSpostata;
        Vista.DirezioneSezione = M.SezQuote.Sezioni[static_cast<size_t>(s)].Direzione;
        return;
    }
    if (MostraMessaggio("Vuoi cancellare la sez. n. " + std::to_string(s + 1) + " ?", IconaMsg::Domanda,
                        PulsantiMsg::SiNo, "Attenzione!") == RispostaMsg::Si) {
        SalvaStatoUndo();
        EliminaSez(s);
    }
    Fine();
}

void PremiQuota(int Button, float X, float Y) {
    EditQuote& e = Quotatura;
    const int modo = Vista.ModoComando;
    switch (modo) {
        case Modo::QuotaOrizz:
        case Modo::QuotaVert:
        case Modo::QuotaAllineata:
            if (!Agganciato(Button, X, Y)) return;
            e.XQuota1 = Vista.XAggancio, e.YQuota1 = Vista.YAggancio;
            SegnaPunto(e.XQuota1, e.YQuota1);
            Vista.ModoComando = modo + 1;
            return;
        case Modo::QuotaOrizz + 1:
        case Modo::QuotaVert + 1:
        case Modo::QuotaAllineata + 1:
            if (!Agganciato(Button, X, Y)) return;
            e.XQuota2 = Vista.XAggancio, e.YQuota2 = Vista.YAggancio;
            AngoloQuota(e.XQuota1, e.YQuota1, e.XQuota2, e.YQuota2, e.CosQuota, e.SinQuota);
            SegnaPunto(e.XQuota2, e.YQuota2);
            Vista.ModoComando = modo + 1;
            return;
        case ModoInsQuotaOrizz:
        case ModoInsQuotaVert:
        case ModoInsQuotaAllin: {
            // The model changes only here: a dimension of no length changes nothing.
            FotoModello prima = FotografaModello();
            InserisciQuota(M, X, Y);
            RegistraModifica(prima);
            return;
        }
        case Modo::QuotaCatena: {
            e.QuotaSelezionata = TrovaQuota(M, X, Y);
            if (e.QuotaSelezionata < 0) {
                Vista.ModoComando = Modo::Idle;
                return;
            }
            const Quota& q = M.SezQuote.Quote[static_cast<size_t>(e.QuotaSelezionata)];
            e.XQuota1 = q.XP1, e.YQuota1 = q.YP1;
            Vista.ModoComando = Modo::QuotaCatenaPunto;
            return;
        }
        case Modo::QuotaCatenaPunto: {
            if (!Agganciato(Button, X, Y)) return;
            // Each point of the chain is a step of its own.
            FotoModello prima = FotografaModello();
            AggiungiQuotaCatena(XDaSchermo(Vista.XAggancio), YDaSchermo(Vista.YAggancio));
            RegistraModifica(prima);
            Ridisegna(0);
            return;
        }
        case Modo::EliminaQuota: {
            const int q = TrovaQuota(M, X, Y);
            if (q >= 0) {
                SalvaStatoUndo();
                SezioniQuote& sq = M.SezQuote;
                for (int i = q; i < sq.UltimaQuota; ++i)
                    sq.Quote[static_cast<size_t>(i)] = sq.Quote[static_cast<size_t>(i + 1)];
                --sq.UltimaQuota;
            }
            Fine();
            return;
        }
        case Modo::SpostaQuota: {
            e.QuotaSelezionata = TrovaQuota(M, X, Y);
            if (e.QuotaSelezionata < 0) {
                Vista.ModoComando = Modo::Idle;
                return;
            }
            Vista.ModoComando = Modo::PosaQuotaSpostata;
            const Quota& q = M.SezQuote.Quote[static_cast<size_t>(e.QuotaSelezionata)];
            e.XQuota1 = XSchermo(q.X1), e.YQuota1 = YSchermo(q.Y1);
            e.XQuota2 = XSchermo(q.X2), e.YQuota2 = YSchermo(q.Y2);
            AngoloQuota(e.XQuota1, e.YQuota1, e.XQuota2, e.YQuota2, e.CosQuota, e.SinQuota);
            return;
        }
        case Modo::PosaQuotaSpostata: {
            FotoModello prima = FotografaModello();
            SpostaQuota(M, X, Y);
            RegistraModifica(prima);
            return;
        }
        case Modo::VisibilitaQuota:
            e.QuotaSelezionata = TrovaQuota(M, X, Y);
            if (e.QuotaSelezionata < 0) {
                Vista.ModoComando = Modo::Idle;
                return;
            }
            if (Piatt.Finestra) Piatt.Finestra->MostraFrmPropQuote();
            return;
        default:
            return;
    }
}

bool ModoQuota(int m) {
    return (m >= Modo::QuotaOrizz && m <= ModoInsQuotaOrizz) || (m >= Modo::QuotaVert && m <= ModoInsQuotaVert) ||
           (m >= Modo::QuotaAllineata && m <= ModoInsQuotaAllin) || m == Modo::QuotaCatena ||
           m == Modo::QuotaCatenaPunto || m == Modo::EliminaQuota || m == Modo::SpostaQuota ||
           m == Modo::PosaQuotaSpostata || m == Modo::VisibilitaQuota;
}

bool ModoSezione(int m) {
    return m == Modo::NuovaSez1 || m == Modo::NuovaSez2 || m == Modo::EliminaSez || m == Modo::SpostaSez ||
           m == Modo::PosaSez || m == Modo::PosaSezSpostata;
}

}  // namespace

void AggiungiQuotaCatena(float x, float y) {
    EditQuote& e = Quotatura;
    SezioniQuote& sq = M.SezQuote;
    const int i = e.QuotaSelezionata;
    if (i < 0 || i > sq.UltimaQuota || static_cast<size_t>(i) >= sq.Quote.size()) return;
    const Quota q = sq.Quote[static_cast<size_t>(i)];
    float c = 1, s = 0;
    AngoloQuota(q.X1, q.Y1, q.X2, q.Y2, c, s);
    const float px = static_cast<float>(ArrotondaPari(x, 2)), py = static_cast<float>(ArrotondaPari(y, 2));
    e.XQuota2 = px, e.YQuota2 = py;
    float fx = 0, fy = 0;
    if (!IncontroRette(q.X1, q.Y1, q.X2, q.Y2, px, py, px + 10 * s, py - 10 * c, fx, fy)) return;
    const bool secondo = std::fabs(q.X2 - fx) + std::fabs(q.Y2 - fy) <= std::fabs(q.X1 - fx) + std::fabs(q.Y1 - fy);
    const float sx = secondo ? q.X2 : q.X1, sy = secondo ? q.Y2 : q.Y1;
    const int prima = sq.UltimaQuota;
    AggiungiQuota(M, sx, sy, fx, fy, Vista.PiantaCorrente);
    // Only a dimension that was added carries the chain on.
    if (sq.UltimaQuota != prima) e.QuotaSelezionata = sq.UltimaQuota;
}

bool PremiSezioniQuote(int Button, float X, float Y) {
    const int m = Vista.ModoComando;
    if (ModoSezione(m)) {
        if (Button == 1 && m != Modo::PosaSez && m != Modo::PosaSezSpostata) PremiSezione(X, Y);
        return true;
    }
    if (!ModoQuota(m)) return false;
    if (Button == 1) PremiQuota(Button, X, Y);
    return true;
}

bool MuoviSezioniQuote(int Button, float X, float Y) {
    const int m = Vista.ModoComando;
    if (m == Modo::PosaSez || m == Modo::PosaSezSpostata) {
        DisSezTmp(X, Y);
        return true;
    }
    if ((m >= Modo::QuotaOrizz && m <= Modo::QuotaOrizz + 1) || (m >= Modo::QuotaVert && m <= Modo::QuotaVert + 1) ||
        (m >= Modo::QuotaAllineata && m <= Modo::QuotaAllineata + 1) || m == Modo::QuotaCatenaPunto) {
        AgganciaOggetti(X, Y, 0, Button);
        return true;
    }
    if (m == ModoInsQuotaOrizz || m == ModoInsQuotaVert || m == ModoInsQuotaAllin || m == Modo::PosaQuotaSpostata) {
        Anteprima(X, Y);
        return true;
    }
    if (m == Modo::QuotaCatena) {
        PulisciTransitorio();
        EvidQuotaCursore(M, X, Y);
        return true;
    }
    return false;
}

bool RilasciaSezioniQuote(int /*Button*/, float X, float Y) {
    const int m = Vista.ModoComando;
    if (m != Modo::PosaSez && m != Modo::PosaSezSpostata) return false;
    // The model changes only here: a section that misses the slab changes nothing.
    FotoModello prima = FotografaModello();
    AssegnaSez(X, Y);
    if (m == Modo::PosaSez && ErroreOperazione == 0) {
        M.SezQuote.UltimaSezione = Vista.IndiceSezione;
        OrdinaSezioni(M);
    }
    RegistraModifica(prima);
    Fine();
    return true;
}

}  // namespace vilmor
