#include "app/InfoArmature.h"

#include <algorithm>
#include <cmath>

#include "base/Formati.h"
#include "base/Geometria.h"
#include "base/Piattaforma.h"
#include "base/Testo1252.h"
#include "design/AccessoriNodi.h"
#include "design/AreeCordolo.h"
#include "report/Mod_RTF.h"

namespace vilmor {
namespace {

constexpr int Dim = 18;  // 9 pt

std::string Nero(const std::string& t, int grassetto) { return TestoNero(t, Dim, 0, grassetto); }
std::string Rosso(const std::string& t, int grassetto) { return TestoRosso(t, Dim, 0, grassetto); }
std::string Blu(const std::string& t, int grassetto) { return TestoBlu(t, Dim, 0, grassetto); }
std::string Grigio(const std::string& t, int grassetto) { return TestoGrigio(t, Dim, 0, grassetto); }

const std::string Phi = SegnoDiametro;

// A zone's figures come from a file that may hold a spacing, width or leg count of 0: a line
// whose divisor is not above 0 is written without its area, so no inf or NaN reaches the text.
bool Divisore(double d) { return std::isfinite(d) && d > 0; }

std::string LineaDiffusa(const char* prefisso, int diam, float passo, float area) {
    return std::string(prefisso) + Str(diam) + "/" + Str(passo) + "  (Af=" + FormatNum(area, 1) + ")\\par ";
}

void GruppoIntegrative(std::string& s, const Modello& m, const char* titolo, int tipo) {
    s += Nero(titolo, 1) + Nero("\\par ", 0);
    bool trovata = false;
    for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
        const Zona& z = m.Zone.Zone[static_cast<size_t>(i)];
        if (z.Tipo != tipo) continue;
        trovata = true;
        s += " Pos." + Str(i + 1) + " dir " + Str(z.Direzione + 1) + ":\\tab 1" + Phi + Str(z.Diametro) + "/" +
             FormatNumVar(z.Passo, 1);
        if (Divisore(z.Passo)) s += "  (Af=" + FormatNum(AreaBarra(z.Diametro) * 100 / z.Passo, 1) + ")";
        s += "\\par ";
    }
    if (!trovata) s += " non presente\\par ";
}

void Cordoli(std::string& s, const Modello& m) {
    s += Nero("\\par  Cordoli:", 1) + Nero("\\par ", 0);
    bool trovato = false;
    for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
        const Zona& z = m.Zone.Zone[static_cast<size_t>(i)];
        if (z.Tipo != 2) continue;
        trovato = true;
        // The figures of the curb's own dialog, from the one computation both use.
        const AreeCordolo aree = CalcolaAreeCordolo(m.Progetto, z);
        const bool quattro = aree.Bracci > 2;
        s += " Cordolo" + Str(i + 1) + ":\\tab " + (quattro ? "4+4" : "2+2") + " " + Phi + Str(z.Diametro2) + ", " +
             (quattro ? "2" : "") + "St. " + Phi + Str(z.Diametro) + "/" + Str(z.Passo) + "\\par ";
        if (aree.Dir1 > 0.00001f) s += "\\tab\\tab (A sup/inf dir.1=" + FormatNum(aree.Dir1, 2) + ")\\par ";
        if (aree.Dir2 > 0.00001f) s += "\\tab\\tab (A sup/inf dir.2=" + FormatNum(aree.Dir2, 2) + ")\\par ";
        if (aree.Staffe) s += "\\tab\\tab (A.St=" + FormatNum(*aree.Staffe, 2) + ")\\par ";
    }
    if (!trovato) s += " non presenti\\par ";
}

void Pioli(std::string& s, const Modello& m) {
    s += Nero("\\par  Armatura a taglio (pioli):", 1) + Nero("\\par ", 0);
    bool trovato = false;
    for (int i = 0; i <= m.Zone.UltimaZona; ++i) {
        const Zona& z = m.Zone.Zone[static_cast<size_t>(i)];
        if (z.Tipo != 3) continue;
        trovato = true;
        s += " Pos." + Str(i + 1) + ":\\tab 1 " + Phi + Str(z.Diametro) + "/" + FormatNumVar(z.Passo, 1) + "x" +
             FormatNumVar(z.Passo2, 1);
        if (Divisore(z.Passo) && Divisore(z.Passo2))
            s += "  (Af=" + FormatNum(AreaBarra(z.Diametro) * (100 / z.Passo) * (100 / z.Passo2), 1) + ")";
        s += "\\par ";
    }
    if (!trovato) s += " non presente\\par ";
}

void Mostra(const std::string& rtf) {
    if (Piatt.Finestra) Piatt.Finestra->MostraInfoRtf(rtf);
}

}  // namespace

std::string F2(float x, char separatore) {
    std::string s = FormatNum(x, 2);
    for (char& c : s)
        if (c == '.') c = separatore;
    return s;
}

std::string TestoInfoArm(const Modello& m) {
    if (m.Analisi.NumNodi <= 0) return {};
    const MagliaDiffusa& d = m.Diffusa;
    const bool unica = m.Progetto.MagliaUnica != 0;
    std::string s = InizioRTF() + Nero(" Aree armatura (cmq/m):\\par ", 1) + " Armatura diffusa:" + Nero("\\par ", 0);
    const std::string tab = "\\tab 1" + Phi;
    if (!unica) {
        s += LineaDiffusa((" Lato sup dir 1:" + tab).c_str(), d.DiamDiffSup1, d.PassoDiffSup1, d.AreaDiffSup1);
        s += LineaDiffusa((" Lato sup dir 2:" + tab).c_str(), d.DiamDiffSup2, d.PassoDiffSup2, d.AreaDiffSup2);
        s += LineaDiffusa((" Lato inf dir 1:" + tab).c_str(), d.DiamDiffInf1, d.PassoDiffInf1, d.AreaDiffInf1);
        s += LineaDiffusa((" Lato inf dir 2:" + tab).c_str(), d.DiamDiffInf2, d.PassoDiffInf2, d.AreaDiffInf2);
    } else {
        s += LineaDiffusa((" Dir 1:" + tab).c_str(), d.DiamDiffInf1, d.PassoDiffInf1, d.AreaDiffInf1);
        s += LineaDiffusa((" Dir 2:" + tab).c_str(), d.DiamDiffInf2, d.PassoDiffInf2, d.AreaDiffInf2);
    }
    if (m.Zone.UltimaZona >= 0) {
        if (!unica) {
            GruppoIntegrative(s, m, "\\par  Armatura integrativa lato superiore:", 0);
            GruppoIntegrative(s, m, "\\par  Armatura integrativa lato inferiore:", 1);
            Cordoli(s, m);
            Pioli(s, m);
        } else {
            GruppoIntegrative(s, m, "\\par  Armatura integrativa:", 1);
        }
    }
    return s + FineRTF();
}

std::string TestoInfoNodo(const Modello& m, int n, int tipoMappa, int tipoZonaAttivo, int direzioneAttiva,
                          char sep) {
    const Nodo& N = m.Analisi.Nodi[static_cast<size_t>(n)];
    std::string s = InizioRTF();
    if (tipoMappa == 4 || tipoMappa == 9) {
        const float r = RichiestaNodo(m, 4, n), b = BilancioNodo(m, 4, n);
        s += Nero(" Armatura a taglio nel nodo: ", 1) + Str(N.Numero) + Nero("\\par ", 0) + "\\par ";
        s += " - progetto:" + F2(r, sep) + " cmq/mq\\par ";
        s += " - presenti: " + F2(r - b, sep) + " cmq/mq\\par ";
        if (b >= 0.0009f) s += Rosso(" - mancanti: ", 0) + F2(b, sep) + " cmq/mq" + Grigio("\\par ", 0);
        else s += " - in eccesso: " + F2(-b, sep) + " cmq/mq" + Grigio("\\par ", 0);
        return s + FineRTF();
    }
    s += Nero(" Area ferri nel nodo: ", 1) + Str(N.Numero) + Nero("\\par  (x=", 0) + FormatNum(N.X, 1) +
         ", y=" + FormatNum(N.Y, 1) + ")\\par " + "\\par ";
    const bool unica = m.Progetto.MagliaUnica != 0;
    const int attivo = (tipoZonaAttivo == 0 ? 0 : 2) + (direzioneAttiva == 0 ? 0 : 1);
    auto blocco = [&](const std::string& titolo, float r, float e, bool a) {
        s += a ? Blu(titolo, 1) : Grigio(titolo, 0);
        s += " - progetto:" + F2(r, sep) + " cmq/m\\par ";
        s += " - presenti: " + F2(r - e, sep) + " cmq/m\\par ";
        if (e >= 0.009f) s += Rosso(" - mancanti: ", a ? 1 : 0) + F2(e, sep) + " cmq/m" + Grigio("\\par ", 0);
        else s += " - in eccesso: " + F2(-e, sep) + " cmq/m" + Grigio("\\par ", 0);
    };
    const std::string inf = unica ? "" : " lato inf";
    if (!unica) {
        blocco(" Direzione 1 lato sup:\\par ", N.RichSup1, N.ResSup1, attivo == 0);
        s += "\\par ";
        blocco(" Direzione 2 lato sup:\\par ", N.RichSup2, N.ResSup2, attivo == 1);
    }
    s += "\\par ";
    blocco(" Direzione 1" + inf + " :\\par ", N.RichInf1, N.ResInf1, attivo == 2);
    s += "\\par ";
    blocco(" Direzione 2" + inf + " :\\par ", N.RichInf2, N.ResInf2, attivo == 3);
    return s + FineRTF();
}

void InfoArm() { Mostra(TestoInfoArm(M)); }

void InfoNodo(int n) {
    if (n < 0 || n >= static_cast<int>(M.Analisi.Nodi.size())) return;
    const StatoVista& v = Vista;
    Mostra(TestoInfoNodo(M, n, v.TipoMappa, v.TipoZonaAttivo, v.DirezioneAttiva, v.SeparatoreDecimale));
}

}  // namespace vilmor
