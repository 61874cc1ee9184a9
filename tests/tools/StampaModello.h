// The model as "name = value" lines with the code's names: the output of vilmor_dump, and a
// way for tests to compare two models whole.
#pragma once

#include <array>
#include <charconv>
#include <string>
#include <vector>

#include "design/BarreDiffuse.h"
#include "model/Poligoni.h"
#include "model/definizioni.h"

namespace vilmor::dump {

// Shortest text that reads back to the same value; a point whatever the locale.
inline std::string Num(double v) {
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}
inline std::string Num(float v) {
    char b[32];
    auto r = std::to_chars(b, b + sizeof b, v);
    return std::string(b, r.ptr);
}
inline std::string Num(int v) { return std::to_string(v); }

template <class T> std::string Lista(const T& valori) {
    std::string s;
    for (const auto& v : valori) {
        if (!s.empty()) s += ", ";
        s += Num(v);
    }
    return s;
}

class Stampa {
public:
    template <class T> void Voce(const std::string& nome, const T& v) { Riga(nome, Num(v)); }
    void Riga(const std::string& nome, const std::string& valore) { testo_ += nome + " = " + valore + "\n"; }
    void Testo(const std::string& nome, const std::string& valore) { Riga(nome, "\"" + valore + "\""); }
    const std::string& Risultato() const { return testo_; }

private:
    std::string testo_;
};

inline std::string I(const std::string& nome, size_t i) { return nome + "(" + std::to_string(i) + ")"; }

// Which parts to print: nodes and elements can be many.
struct OpzioniStampa {
    bool Nodi = true;
    bool Elementi = true;
    // The items the last bar-layout pass of the model left out.
    bool Saltati = false;
};

inline std::string StampaModello(const Modello& m, OpzioniStampa o = {}) {
    Stampa s;
    const DatiProgetto& p = m.Progetto;
    s.Testo("PercorsoSoletta", p.PercorsoSoletta);
    s.Voce("NumeroSoletta", p.NumeroSoletta);
    s.Voce("OrigineX", p.OrigineX);
    s.Voce("OrigineY", p.OrigineY);
    s.Voce("Spessore", p.Spessore);
    s.Voce("Copriferro", p.Copriferro);
    s.Testo("PercorsoDatiProgetto", p.PercorsoDatiProgetto);
    s.Voce("MagliaUnica", p.MagliaUnica);
    s.Voce("PiegaAncoraggio", p.PiegaAncoraggio);
    s.Testo("CartellaLavoro", p.CartellaLavoro);
    s.Riga("LimitiContorno", Lista(m.Soletta.LimitiContorno));

    const GeometriaSoletta& g = m.Soletta;
    s.Voce("NumVertContorno", g.NumVertContorno);
    for (size_t i = 0; i < g.Contorno.size(); ++i)
        s.Riga(I("Contorno", i), Num(g.Contorno[i].X) + ", " + Num(g.Contorno[i].Y));
    s.Voce("NumFori", g.NumFori);
    for (int f = 0; f < g.NumFori; ++f) {
        size_t fi = static_cast<size_t>(f);
        s.Voce(I("NumVertForo", fi), g.NumVertForo[fi]);
        s.Voce(I("InizioForo", fi), g.InizioForo[fi]);
        for (int k = 0; k < g.NumVertForo[fi]; ++k)
            s.Riga("PoliX, PoliY(" + std::to_string(f) + ", " + std::to_string(k) + ")",
                   Num(PoliX(g, f, k)) + ", " + Num(PoliY(g, f, k)));
    }
    s.Voce("NumPilastri", g.NumPilastri);
    for (int c = 0; c < g.NumPilastri; ++c) {
        const Pilastro& x = g.Pilastri[static_cast<size_t>(c)];
        std::string n = I("Pilastri", static_cast<size_t>(c));
        s.Voce(n + ".NumVertici", x.NumVertici);
        s.Voce(n + ".Numero", x.Numero);
        s.Voce(n + ".Tratteggio", x.Tratteggio);
        s.Riga(n + ".X, Y", Num(x.X) + ", " + Num(x.Y));
        s.Voce(n + ".Tipo", x.Tipo);
        s.Voce(n + ".Angolo", x.Angolo);
        s.Riga(n + ".VX", Lista(x.VX));
        s.Riga(n + ".VY", Lista(x.VY));
        s.Riga(n + ".XMin, YMin, XMax, YMax",
               Num(x.XMin) + ", " + Num(x.YMin) + ", " + Num(x.XMax) + ", " + Num(x.YMax));
    }
    auto segmenti = [&](const char* nome, const char* conteggio, const std::vector<Segmento>& v, int num) {
        s.Voce(conteggio, num);
        for (int i = 0; i < num; ++i) {
            const Segmento& x = v[static_cast<size_t>(i)];
            std::string n = I(nome, static_cast<size_t>(i));
            s.Voce(n + ".Codice", x.Codice);
            s.Riga(n + ".X1, Y1, X2, Y2", Num(x.X1) + ", " + Num(x.Y1) + ", " + Num(x.X2) + ", " + Num(x.Y2));
        }
    };
    segmenti("Setti", "NumSetti", g.Setti, g.NumSetti);
    segmenti("Travi", "NumTravi", g.Travi, g.NumTravi);
    s.Voce("NumPali", g.NumPali);
    for (int i = 0; i < g.NumPali; ++i) {
        const Palo& x = g.Pali[static_cast<size_t>(i)];
        s.Riga(I("Pali", static_cast<size_t>(i)) + ".X, Y, Raggio",
               Num(x.X) + ", " + Num(x.Y) + ", " + Num(x.Raggio));
    }

    const MagliaDiffusa& d = m.Diffusa;
    s.Voce("DiamDiffSup1", d.DiamDiffSup1);
    s.Voce("PassoDiffSup1", d.PassoDiffSup1);
    s.Voce("DiamDiffSup2", d.DiamDiffSup2);
    s.Voce("PassoDiffSup2", d.PassoDiffSup2);
    s.Voce("DiamDiffInf1", d.DiamDiffInf1);
    s.Voce("PassoDiffInf1", d.PassoDiffInf1);
    s.Voce("DiamDiffInf2", d.DiamDiffInf2);
    s.Voce("PassoDiffInf2", d.PassoDiffInf2);
    s.Voce("DiamCavalletti", d.DiamCavalletti);
    s.Voce("PassoCavalletti1", d.PassoCavalletti1);
    s.Voce("PassoCavalletti2", d.PassoCavalletti2);
    s.Voce("AreaDiffSup1", d.AreaDiffSup1);
    s.Voce("AreaDiffSup2", d.AreaDiffSup2);
    s.Voce("AreaDiffInf1", d.AreaDiffInf1);
    s.Voce("AreaDiffInf2", d.AreaDiffInf2);
    s.Voce("AreaCavalletti", d.AreaCavalletti);
    s.Voce("LungDiffSup1", d.LungDiffSup1);
    s.Voce("LungDiffSup2", d.LungDiffSup2);
    s.Voce("LungDiffInf1", d.LungDiffInf1);
    s.Voce("LungDiffInf2", d.LungDiffInf2);
    s.Voce("PesoDiffSup1", d.PesoDiffSup1);
    s.Voce("PesoDiffSup2", d.PesoDiffSup2);
    s.Voce("PesoDiffInf1", d.PesoDiffInf1);
    s.Voce("PesoDiffInf2", d.PesoDiffInf2);
    s.Voce("DiamIntegrativa", m.Zone.DiamIntegrativa);
    s.Voce("AngoloDir1Gradi", p.AngoloDir1Gradi);
    s.Voce("AngoloDir1", p.AngoloDir1);
    s.Voce("AngoloDir2Gradi", p.AngoloDir2Gradi);
    s.Voce("AngoloDir2", p.AngoloDir2);

    const ModelloAnalisi& a = m.Analisi;
    s.Voce("NumNodi", a.NumNodi);
    if (o.Nodi) {
        for (int i = 0; i < a.NumNodi; ++i) {
            const Nodo& x = a.Nodi[static_cast<size_t>(i)];
            std::string n = I("Nodi", static_cast<size_t>(i));
            s.Voce(n + ".Numero", x.Numero);
            s.Riga(n + ".X, Y", Num(x.X) + ", " + Num(x.Y));
            s.Riga(n + ".RichSup1, RichSup2, RichInf1, RichInf2",
                   Lista(std::array<float, 4>{x.RichSup1, x.RichSup2, x.RichInf1, x.RichInf2}));
            s.Riga(n + ".RichTaglio1, RichTaglio2", Num(x.RichTaglio1) + ", " + Num(x.RichTaglio2));
            s.Riga(n + ".ResSup1, ResSup2, ResInf1, ResInf2",
                   Lista(std::array<float, 4>{x.ResSup1, x.ResSup2, x.ResInf1, x.ResInf2}));
            s.Voce(n + ".ResTaglio", x.ResTaglio);
        }
    }
    s.Voce("NumElementi", a.NumElementi);
    if (o.Elementi) {
        for (int i = 0; i < a.NumElementi; ++i) {
            const Elemento& x = a.Elementi[static_cast<size_t>(i)];
            std::string n = I("Elementi", static_cast<size_t>(i));
            s.Voce(n + ".Numero", x.Numero);
            s.Voce(n + ".Triangolo", x.Triangolo);
            s.Riga(n + ".NodoNum", Lista(x.NodoNum));
            s.Riga(n + ".NodoIdx", Lista(x.NodoIdx));
            s.Riga(n + ".RichSup1", Lista(x.RichSup1));
            s.Riga(n + ".RichSup2", Lista(x.RichSup2));
            s.Riga(n + ".RichInf1", Lista(x.RichInf1));
            s.Riga(n + ".RichInf2", Lista(x.RichInf2));
            s.Riga(n + ".RichTaglio1", Lista(x.RichTaglio1));
            s.Riga(n + ".RichTaglio2", Lista(x.RichTaglio2));
        }
    }
    s.Voce("NumPunzonamenti", a.NumPunzonamenti);
    for (int i = 0; i < a.NumPunzonamenti; ++i) {
        const Punzonamento& x = a.Punzonamenti[static_cast<size_t>(i)];
        std::string n = I("Punzonamenti", static_cast<size_t>(i));
        s.Riga(n + ".X, Y", Num(x.X) + ", " + Num(x.Y));
        s.Riga(n + ".CoeffPerimetro, AreaTotPioli, AreaPiolo",
               Num(x.CoeffPerimetro) + ", " + Num(x.AreaTotPioli) + ", " + Num(x.AreaPiolo));
        s.Riga(n + ".PioliListello, NumListelli, TipoPunz, StatoPunz",
               std::to_string(x.PioliListello) + ", " + std::to_string(x.NumListelli) + ", " +
                   std::to_string(x.TipoPunz) + ", " + std::to_string(x.StatoPunz));
        s.Riga(n + ".IndicePilastro, IndiceNodo", std::to_string(x.IndicePilastro) + ", " + std::to_string(x.IndiceNodo));
        s.Voce(n + ".NumTratti", x.NumTratti);
        s.Voce(n + ".NumVertici", x.NumVertici);
        for (int k = 0; k < x.NumVertici && k < static_cast<int>(x.VertX.size()); ++k)
            s.Riga(n + ".Vert(" + std::to_string(k) + ")", Num(x.VertX[k]) + ", " + Num(x.VertY[k]));
    }
    s.Voce("UltimaZona", m.Zone.UltimaZona);
    for (int i = 0; i <= m.Zone.UltimaZona && i < static_cast<int>(m.Zone.Zone.size()); ++i) {
        const Zona& z = m.Zone.Zone[static_cast<size_t>(i)];
        std::string n = I("Zone", static_cast<size_t>(i));
        s.Riga(n + ".Tipo, Direzione, Diametro, Diametro2",
               std::to_string(z.Tipo) + ", " + std::to_string(z.Direzione) + ", " + std::to_string(z.Diametro) +
                   ", " + std::to_string(z.Diametro2));
        s.Riga(n + ".Passo, Passo2, NumBracci", Num(z.Passo) + ", " + Num(z.Passo2) + ", " + std::to_string(z.NumBracci));
        s.Riga(n + ".XMin, YMin, XMax, YMax", Lista(std::array<float, 4>{z.XMin, z.YMin, z.XMax, z.YMax}));
        for (int k = 0; k < 4; ++k)
            s.Riga(n + ".Angoli(" + std::to_string(k) + ")", Num(z.Angoli[k].X) + ", " + Num(z.Angoli[k].Y));
        s.Riga(n + ".XMarca, YMarca", Num(z.XMarca) + ", " + Num(z.YMarca));
        s.Riga(n + ".XBarra1, YBarra1, XBarra2, YBarra2",
               Lista(std::array<float, 4>{z.XBarra1, z.YBarra1, z.XBarra2, z.YBarra2}));
        s.Riga(n + ".XRif, YRif", Num(z.XRif) + ", " + Num(z.YRif));
        s.Riga(n + ".XMin1, YMin1, XMax1, YMax1", Lista(std::array<float, 4>{z.XMin1, z.YMin1, z.XMax1, z.YMax1}));
        s.Riga(n + ".XMin2, YMin2, XMax2, YMax2", Lista(std::array<float, 4>{z.XMin2, z.YMin2, z.XMax2, z.YMax2}));
        s.Riga(n + ".Angolo, Copriferro", Num(z.Angolo) + ", " + Num(z.Copriferro));
        s.Riga(n + ".LatoCordolo, PoligonoCordolo", std::to_string(z.LatoCordolo) + ", " + std::to_string(z.PoligonoCordolo));
        s.Voce(n + ".LungTotale", z.LungTotale);
        s.Voce(n + ".UltVertice", z.UltVertice);
        const auto& riga = m.Zone.VerticiZone[static_cast<size_t>(i)];
        for (int k = 0; k <= z.UltVertice && k < static_cast<int>(riga.size()); ++k)
            s.Riga("VerticiZone(" + std::to_string(i) + ", " + std::to_string(k) + ")", Num(riga[k].X) + ", " + Num(riga[k].Y));
    }
    // The working outlines, every point held.
    const ContorniLavoro& c = m.Contorni;
    s.Voce("UltVertContornoArm", c.UltVertContornoArm);
    for (size_t k = 0; k < c.ContornoArmatura.size(); ++k)
        s.Riga(I("ContornoArmatura", k), Num(c.ContornoArmatura[k].X) + ", " + Num(c.ContornoArmatura[k].Y));
    s.Voce("NumForiArm", static_cast<int>(c.ContornoForiArm.size()));
    for (size_t f = 0; f < c.ContornoForiArm.size(); ++f)
        for (size_t k = 0; k < c.ContornoForiArm[f].size(); ++k)
            s.Riga("ContornoForiArm(" + std::to_string(f) + ", " + std::to_string(k) + ")",
                   Num(c.ContornoForiArm[f][k].X) + ", " + Num(c.ContornoForiArm[f][k].Y));
    s.Riga("LimitiArmDir1", Lista(c.LimitiArmDir1));
    s.Riga("LimitiArmDir2", Lista(c.LimitiArmDir2));
    s.Voce("UltVertPerimetroEst", c.UltVertPerimetroEst);
    for (size_t k = 0; k < c.PerimetroEsterno.size(); ++k)
        s.Riga(I("PerimetroEsterno", k), Num(c.PerimetroEsterno[k].X) + ", " + Num(c.PerimetroEsterno[k].Y));
    s.Voce("UltimaSezione", m.SezQuote.UltimaSezione);
    for (int i = 0; i <= m.SezQuote.UltimaSezione && i < static_cast<int>(m.SezQuote.Sezioni.size()); ++i) {
        const Sezione& x = m.SezQuote.Sezioni[static_cast<size_t>(i)];
        std::string n = I("Sezioni", static_cast<size_t>(i));
        s.Riga(n + ".X1, Y1, X2, Y2", Lista(std::array<float, 4>{x.X1, x.Y1, x.X2, x.Y2}));
        s.Voce(n + ".Direzione", x.Direzione);
    }
    s.Voce("UltimaQuota", m.SezQuote.UltimaQuota);
    for (int i = 0; i <= m.SezQuote.UltimaQuota && i < static_cast<int>(m.SezQuote.Quote.size()); ++i) {
        const Quota& x = m.SezQuote.Quote[static_cast<size_t>(i)];
        std::string n = I("Quote", static_cast<size_t>(i));
        s.Riga(n + ".X1, Y1, X2, Y2", Lista(std::array<float, 4>{x.X1, x.Y1, x.X2, x.Y2}));
        s.Riga(n + ".XP1, YP1, XP2, YP2", Lista(std::array<float, 4>{x.XP1, x.YP1, x.XP2, x.YP2}));
        s.Voce(n + ".Pianta", x.Pianta);
        s.Testo(n + ".Testo", x.Testo);
    }
    s.Riga("MediaRichiesta", Lista(a.MediaRichiesta));
    s.Riga("MaxRichiesta", Lista(a.MaxRichiesta));
    s.Riga("MinRichiesta", Lista(a.MinRichiesta));
    if (o.Saltati) {
        s.Voce("ElementiSaltati", static_cast<int>(m.ElementiSaltati.size()));
        for (size_t i = 0; i < m.ElementiSaltati.size(); ++i)
            s.Testo(I("ElementiSaltati", i), DescriviSaltato(m.ElementiSaltati[i]));
    }
    return s.Risultato();
}

}  // namespace vilmor::dump
