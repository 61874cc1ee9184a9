#include "model/FileImpostazioni.h"

#include <array>
#include <cmath>
#include <string>
#include <vector>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "model/Impostazioni.h"
#include "model/IntervalliFile.h"
#include "model/ModMateriali.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

// The plan of the colour maps, beside the plans 0 .. 5.
constexpr int PiantaMappe = 9999;

// Everything the file carries, read over the defaults and applied only when the file is whole.
struct ValoriIni {
    Impostazioni Imp;
    std::array<std::string, NumLayer> NomiLayer;
    std::array<int, NumLayer> AciLayer;
    std::array<int32_t, NumLayer> ColoriLayer;
    std::array<int, 9> OsnapQuote;
    int IndiceCls, IndiceAcciaio;
    int CodiceVista, PiantaCorrente;
    int DescrizioneCompleta;
};

ValoriIni ValoriPresenti() {
    return {Imp,
            Strati.NomiLayer,
            Strati.AciLayer,
            Strati.ColoriLayer,
            Strati.OsnapQuote,
            Mat.IndiceCls,
            Mat.IndiceAcciaio,
            Vista.CodiceVista,
            Vista.PiantaCorrente,
            Edit.DescrizioneCompleta};
}

// False for a newer version, which is ignored; throws ErroreLettura on a malformed file.
bool Leggi(LettoreTesto& f, ValoriIni& v) {
    const int versione = f.LeggiI();
    if (versione > VersioneIni) return false;

    Impostazioni& s = v.Imp;
    for (int i = 0; i < NumLayer; ++i) {
        v.NomiLayer[i] = f.LeggiRiga();
        v.AciLayer[i] = f.LeggiI();
        if (v.AciLayer[i] == 0) v.AciLayer[i] = 7;
        v.ColoriLayer[i] = f.LeggiL();
    }
    for (int& o : v.OsnapQuote) o = f.LeggiI();

    s.DiamMaxSup = f.LeggiI();
    s.DiamMaxInf = f.LeggiI();
    s.DiamMinSup = f.LeggiI();
    s.DiamMinInf = f.LeggiI();
    s.PassoMaxSup = f.LeggiI();
    s.PassoMaxInf = f.LeggiI();
    s.PassoMinSup = f.LeggiI();
    s.PassoMinInf = f.LeggiI();
    s.ProgettaPasso = f.LeggiI();
    s.CoperturaMin = f.LeggiI();
    s.PassoCavalletti1Def = f.LeggiS();
    s.PassoCavalletti2Def = f.LeggiS();
    s.DiamCavallettiDef = f.LeggiI();
    s.LargStaffaCordolo = f.LeggiS();
    s.DiamReggistaffeCordolo = f.LeggiI();
    s.DiamStaffeCordolo = f.LeggiI();
    s.DiamPioli = f.LeggiI();
    s.PassoMaxPioli = f.LeggiS();
    s.PassoStaffeCordolo = f.LeggiS();
    (void)f.LeggiS();  // `PassoMaxPioli` written a second time
    s.PassoMaxIntegrativa = f.LeggiS();
    v.IndiceCls = f.LeggiI();
    v.IndiceAcciaio = f.LeggiI();
    s.AncoraggioMin = f.LeggiI();
    s.AncoraggioMax = f.LeggiI();
    s.LungMaxFerri = f.LeggiS();
    s.DecimaliQuote = f.LeggiI();
    s.QuoteInMetri = f.LeggiI();
    v.CodiceVista = f.LeggiI();
    v.PiantaCorrente = f.LeggiI();

    if (versione > 1) {
        s.ScalaUnita = f.LeggiS();
        s.ScalaMm = f.LeggiS();
    }

    if (versione > 2) {
        s.ParamRiserva1 = f.LeggiI();
        s.ParamRiserva2 = f.LeggiS();
        s.ParamRiserva3 = f.LeggiI();
    }
    if (versione > 3) {
        s.ModoTolleranza = f.LeggiI();
        s.TolleranzaPerc = f.LeggiS();
        s.TolleranzaFissa = f.LeggiS();
    }
    if (versione > 4) v.DescrizioneCompleta = f.LeggiI();
    if (versione > 5) s.PassoBasePioli = f.LeggiI();
    s.IconeGrandi = versione > 6 ? f.LeggiI() : 0;
    return true;
}

// Every numeric setting within its range: one outside it takes its default (its value in `d`,
// read before the file) and its key is listed, in file order. The view's keys count only when
// the file's view is taken.
std::vector<std::string> Ripristina(ValoriIni& v, const ValoriIni& d, AmbitoIni ambito) {
    std::vector<std::string> chiavi;
    auto tieni = [&](bool valido, const std::string& chiave, auto& x, auto predefinito) {
        if (valido) return;
        x = predefinito;
        chiavi.push_back(chiave);
    };
    auto intero = [&](const std::string& chiave, int& x, int predefinito, int minimo, int massimo) {
        tieni(x >= minimo && x <= massimo, chiave, x, predefinito);
    };
    // A switch the program reads as on whenever it is not 0: kept as 1.
    auto interruttore = [](int& x) { x = x != 0 ? 1 : 0; };
    auto voce = [](const char* nome, size_t i) { return std::string(nome) + "(" + std::to_string(i) + ")"; };
    for (size_t i = 0; i < NumLayer; ++i) {
        intero(voce("AciLayer", i), v.AciLayer[i], d.AciLayer[i], 1, 255);
        intero(voce("ColoriLayer", i), v.ColoriLayer[i], d.ColoriLayer[i], 0, 0xFFFFFF);
    }
    for (size_t i = 0; i < v.OsnapQuote.size(); ++i) intero(voce("OsnapQuote", i), v.OsnapQuote[i], d.OsnapQuote[i], 0, 1);

    Impostazioni& s = v.Imp;
    const Impostazioni& t = d.Imp;
    // Bar diameters as the files take them; spacings as whole centimetres up to 10 m. A design
    // criterion whose minimum exceeds its maximum admits no mesh (the design dialog refuses
    // one): both take their defaults.
    {
        struct Criterio {
            const char* Chiave;
            int& X;
            int Predefinito, Massimo;
            bool Ripristinato = false;
        };
        Criterio c[] = {{"DiamMaxSup", s.DiamMaxSup, t.DiamMaxSup, DiamMassimoFile},
                        {"DiamMaxInf", s.DiamMaxInf, t.DiamMaxInf, DiamMassimoFile},
                        {"DiamMinSup", s.DiamMinSup, t.DiamMinSup, DiamMassimoFile},
                        {"DiamMinInf", s.DiamMinInf, t.DiamMinInf, DiamMassimoFile},
                        {"PassoMaxSup", s.PassoMaxSup, t.PassoMaxSup, PassoMassimoProgetto},
                        {"PassoMaxInf", s.PassoMaxInf, t.PassoMaxInf, PassoMassimoProgetto},
                        {"PassoMinSup", s.PassoMinSup, t.PassoMinSup, PassoMassimoProgetto},
                        {"PassoMinInf", s.PassoMinInf, t.PassoMinInf, PassoMassimoProgetto}};
        auto ripristina = [](Criterio& k) { k.X = k.Predefinito, k.Ripristinato = true; };
        for (Criterio& k : c)
            if (k.X < 1 || k.X > k.Massimo) ripristina(k);
        // Each maximum, and its minimum two places on.
        for (size_t m : {0, 1, 4, 5})
            if (c[m + 2].X > c[m].X) ripristina(c[m]), ripristina(c[m + 2]);
        for (const Criterio& k : c)
            if (k.Ripristinato) chiavi.push_back(k.Chiave);
    }
    interruttore(s.ProgettaPasso);
    intero("CoperturaMin", s.CoperturaMin, t.CoperturaMin, 0, 100);
    // The chairs every loaded slab gets: what its reinforcement file would take back.
    tieni(PassoValido(s.PassoCavalletti1Def), "PassoCavalletti1Def", s.PassoCavalletti1Def, t.PassoCavalletti1Def);
    tieni(PassoValido(s.PassoCavalletti2Def), "PassoCavalletti2Def", s.PassoCavalletti2Def, t.PassoCavalletti2Def);
    intero("DiamCavallettiDef", s.DiamCavallettiDef, t.DiamCavallettiDef, 0, DiamMassimoFile);
    tieni(s.LargStaffaCordolo > 0 && LunghezzaValida(s.LargStaffaCordolo), "LargStaffaCordolo", s.LargStaffaCordolo,
          t.LargStaffaCordolo);
    intero("DiamReggistaffeCordolo", s.DiamReggistaffeCordolo, t.DiamReggistaffeCordolo, 1, DiamMassimoFile);
    intero("DiamStaffeCordolo", s.DiamStaffeCordolo, t.DiamStaffeCordolo, 1, DiamMassimoFile);
    intero("DiamPioli", s.DiamPioli, t.DiamPioli, 1, DiamMassimoFile);
    auto passo = [&](const char* chiave, float& x, float predefinito) {
        tieni(x >= PassoMinimoFile && x <= LimitePianta, chiave, x, predefinito);
    };
    passo("PassoMaxPioli", s.PassoMaxPioli, t.PassoMaxPioli);
    passo("PassoStaffeCordolo", s.PassoStaffeCordolo, t.PassoStaffeCordolo);
    passo("PassoMaxIntegrativa", s.PassoMaxIntegrativa, t.PassoMaxIntegrativa);
    intero("IndiceCls", v.IndiceCls, d.IndiceCls, 0, NumCls - 1);
    intero("IndiceAcciaio", v.IndiceAcciaio, d.IndiceAcciaio, 0, NumAcciai - 1);
    // Laps in bar diameters; the longest bar.
    intero("AncoraggioMin", s.AncoraggioMin, t.AncoraggioMin, 0, AncoraggioMassimoFile);
    intero("AncoraggioMax", s.AncoraggioMax, t.AncoraggioMax, 0, AncoraggioMassimoFile);
    passo("LungMaxFerri", s.LungMaxFerri, t.LungMaxFerri);
    // The dimension texts have at most two decimals.
    intero("DecimaliQuote", s.DecimaliQuote, t.DecimaliQuote, 0, 2);
    intero("QuoteInMetri", s.QuoteInMetri, t.QuoteInMetri, 0, 1);
    if (ambito == AmbitoIni::Tutto) {
        intero("CodiceVista", v.CodiceVista, d.CodiceVista, 0, 17);
        tieni((v.PiantaCorrente >= 0 && v.PiantaCorrente <= 5) || v.PiantaCorrente == PiantaMappe, "PiantaCorrente",
              v.PiantaCorrente, d.PiantaCorrente);
    }
    tieni(ScalaValida(s.ScalaUnita), "ScalaUnita", s.ScalaUnita, t.ScalaUnita);
    tieni(ScalaValida(s.ScalaMm), "ScalaMm", s.ScalaMm, t.ScalaMm);
    interruttore(s.ModoTolleranza);
    tieni(TolleranzaPercValida(s.TolleranzaPerc), "TolleranzaPerc", s.TolleranzaPerc, t.TolleranzaPerc);
    tieni(TolleranzaFissaValida(s.TolleranzaFissa), "TolleranzaFissa", s.TolleranzaFissa, t.TolleranzaFissa);
    interruttore(v.DescrizioneCompleta);
    intero("PassoBasePioli", s.PassoBasePioli, t.PassoBasePioli, 0, 1);
    intero("IconeGrandi", s.IconeGrandi, t.IconeGrandi, 0, 1);
    return chiavi;
}

void Applica(const ValoriIni& v, AmbitoIni ambito) {
    Imp = v.Imp;
    Strati.NomiLayer = v.NomiLayer;
    Strati.AciLayer = v.AciLayer;
    Strati.ColoriLayer = v.ColoriLayer;
    Strati.OsnapQuote = v.OsnapQuote;
    Edit.DescrizioneCompleta = v.DescrizioneCompleta;
    // An index out of the tables keeps the default material, so index and record agree.
    if (v.IndiceAcciaio >= 0 && v.IndiceAcciaio < NumAcciai) {
        Mat.IndiceAcciaio = v.IndiceAcciaio;
        SettaAcciaio(Mat.IndiceAcciaio);
    }
    if (v.IndiceCls >= 0 && v.IndiceCls < NumCls) {
        Mat.IndiceCls = v.IndiceCls;
        SettaCls(Mat.IndiceCls);
    }
    if (ambito == AmbitoIni::Tutto) {
        Vista.CodiceVista = v.CodiceVista;
        Vista.PiantaCorrente = v.PiantaCorrente;
    }
}

// A line break in a layer name would shift every line after it.
std::string RigaUnica(std::string t) {
    for (char& c : t)
        if (c == '\r' || c == '\n') c = ' ';
    return t;
}

}  // namespace

std::string FileImpostazioni() { return Dir.CartellaImpostazioni + "/Vilmor.ini"; }

bool LeggiIni(AmbitoIni ambito) {
    if (ambito == AmbitoIni::Tutto) ImpostaDefault();
    else ImpostaDefaultImpostazioni();

    const std::string percorso = FileImpostazioni();
    auto byte = ApriFileIntero(percorso);
    if (!byte) return false;
    const ValoriIni predefiniti = ValoriPresenti();
    ValoriIni v = predefiniti;
    try {
        LettoreTesto f(*byte);
        if (!Leggi(f, v)) return true;
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return false;
    }
    // Reset in memory only: the file changes when the user saves the settings.
    if (const std::vector<std::string> chiavi = Ripristina(v, predefiniti, ambito); !chiavi.empty()) {
        std::string elenco;
        for (const std::string& c : chiavi) elenco += (elenco.empty() ? "" : ", ") + c;
        Avviso("Impostazioni non valide, ripristinati i valori predefiniti: " + elenco + ".");
    }
    // The DXF units per centimetre, whatever the version.
    Impostazioni& s = v.Imp;
    s.UnitaPerCm = static_cast<float>(static_cast<double>(s.ScalaUnita) * 0.1 / s.ScalaMm);
    Applica(v, ambito);
    return true;
}

bool SalvaIni() {
    const Impostazioni& s = Imp;
    ScrittoreTesto w;
    w.Intero(VersioneIni);
    w.FineRiga();
    for (int i = 0; i < NumLayer; ++i) {
        w.Testo(RigaUnica(Strati.NomiLayer[i]));
        w.Intero(Strati.AciLayer[i]);
        w.FineRiga();
        w.Intero(Strati.ColoriLayer[i]);
        w.FineRiga();
    }
    for (int o : Strati.OsnapQuote) {
        w.Intero(o);
        w.FineRiga();
    }
    w.Intero(s.DiamMaxSup);
    w.Intero(s.DiamMaxInf);
    w.Intero(s.DiamMinSup);
    w.Intero(s.DiamMinInf);
    w.FineRiga();
    w.Intero(s.PassoMaxSup);
    w.Intero(s.PassoMaxInf);
    w.Intero(s.PassoMinSup);
    w.Intero(s.PassoMinInf);
    w.FineRiga();
    w.Intero(s.ProgettaPasso);
    w.Intero(s.CoperturaMin);
    w.FineRiga();
    w.Numero(s.PassoCavalletti1Def, 3);
    w.Numero(s.PassoCavalletti2Def, 3);
    w.FineRiga();
    w.Intero(s.DiamCavallettiDef);
    w.Numero(s.LargStaffaCordolo, 3);
    w.Intero(s.DiamReggistaffeCordolo);
    w.Intero(s.DiamStaffeCordolo);
    w.Intero(s.DiamPioli);
    w.FineRiga();
    w.Numero(s.PassoMaxPioli, 3);
    w.Numero(s.PassoStaffeCordolo, 3);
    w.Numero(s.PassoMaxPioli, 3);
    w.Numero(s.PassoMaxIntegrativa, 3);
    w.FineRiga();
    w.Intero(Mat.IndiceCls);
    w.Intero(Mat.IndiceAcciaio);
    w.Intero(s.AncoraggioMin);
    w.Intero(s.AncoraggioMax);
    w.Numero(s.LungMaxFerri, 0);
    w.FineRiga();
    w.Intero(s.DecimaliQuote);
    w.Intero(s.QuoteInMetri);
    w.Intero(Vista.CodiceVista);
    w.Intero(Vista.PiantaCorrente);
    w.FineRiga();
    w.Numero(s.ScalaUnita, 3);
    w.Numero(s.ScalaMm, 3);
    w.FineRiga();
    w.Intero(s.ParamRiserva1);
    w.Numero(s.ParamRiserva2, 3);
    w.Intero(s.ParamRiserva3);
    w.FineRiga();
    w.Intero(s.ModoTolleranza);
    w.Numero(s.TolleranzaPerc, 5);
    w.Numero(s.TolleranzaFissa, 5);
    w.FineRiga();
    w.Intero(Edit.DescrizioneCompleta);
    w.FineRiga();
    w.Intero(s.PassoBasePioli);
    w.FineRiga();
    w.Intero(s.IconeGrandi);
    w.FineRiga();

    CreaCartellaImpostazioni();
    return w.Salva(FileImpostazioni());
}

}  // namespace vilmor
