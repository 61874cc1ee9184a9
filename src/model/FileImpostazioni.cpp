#include "model/FileImpostazioni.h"

#include <array>
#include <cmath>

#include "base/FileTesto.h"
#include "base/Piattaforma.h"
#include "model/Impostazioni.h"
#include "model/ModMateriali.h"
#include "model/ModuloDir.h"
#include "model/Resource.h"
#include "model/definizioni.h"

namespace vilmor {
namespace {

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

    int rigaScala = f.Riga();
    if (versione > 1) {
        s.ScalaUnita = f.LeggiS();
        rigaScala = f.Riga();
        s.ScalaMm = f.LeggiS();
    }
    // The DXF units per centimetre divide by the millimetres of the print ratio.
    s.UnitaPerCm = static_cast<float>(static_cast<double>(s.ScalaUnita) * 0.1 / s.ScalaMm);
    if (!(s.ScalaMm > 0) || !std::isfinite(s.UnitaPerCm))
        throw ErroreLettura(CausaLettura::NumeroNonValido, rigaScala);

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
    ValoriIni v = ValoriPresenti();
    try {
        LettoreTesto f(*byte);
        if (!Leggi(f, v)) return true;
    } catch (const ErroreLettura& e) {
        SegnalaErroreLettura(percorso, e);
        return false;
    }
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
