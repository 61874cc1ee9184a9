// The ranges a number read from a file (or from the settings) must lie in. Beyond them a
// number is a fault of the file, not a slab: the reader refuses it at its line rather than
// carry it into a drawing or a report.
#pragma once

#include "base/FileTesto.h"

namespace vilmor {

// How far a plan point may lie from the slab's origin, and the longest length or radius, in
// cm: 100 km.
inline constexpr float LimitePianta = 10'000'000.0f;
// The least spacing of bars or chairs (cm); 0 stands for none.
inline constexpr float PassoMinimoFile = 1.0f;
// The least spacing of a zone: the one proposed from a requirement steps down by half a
// centimetre.
inline constexpr float PassoMinimoZona = 0.5f;
// A diffuse spacing of an analysis file below PassoMinimoFile is no mesh: it stands for this.
inline constexpr float PassoDiffusoSostituto = 20.0f;
// The thickest slab (cm); no cover can be larger.
inline constexpr float SpessoreMassimo = 1000;
// Ten turns either way, in degrees: more than any drawing or analysis writes.
inline constexpr float AngoloMassimoGradi = 3600;
inline constexpr float AngoloMassimoRadianti = AngoloMassimoGradi * 3.14159265358979f / 180;
// The range of the files' 16-bit fields.
inline constexpr int MinimoIntero16 = -32768;
inline constexpr int MassimoIntero16 = 32767;
// The largest steel requirement or residual of a node either way (cm2/m; cm2/m2 for shear).
inline constexpr float RichiestaMassima = 100'000.0f;

// NaN fails every test.
inline bool CoordinataValida(float v) { return v >= -LimitePianta && v <= LimitePianta; }
inline bool LunghezzaValida(float v) { return v >= 0 && v <= LimitePianta; }
inline bool PassoValido(float v) { return v == 0 || (v >= PassoMinimoFile && v <= LimitePianta); }
inline bool PassoZonaValido(float v) { return v == 0 || (v >= PassoMinimoZona && v <= LimitePianta); }
// Before the replacement of a small one.
inline bool PassoDiffusoValido(float v) { return v <= LimitePianta; }
inline float PassoDiffuso(float letto) { return letto < PassoMinimoFile ? PassoDiffusoSostituto : letto; }
inline bool RichiestaValida(float v) { return v >= -RichiestaMassima && v <= RichiestaMassima; }
inline bool CopriferroValido(float v) { return v >= 0 && v <= SpessoreMassimo; }
inline bool AngoloGradiValido(float v) { return v >= -AngoloMassimoGradi && v <= AngoloMassimoGradi; }
inline bool AngoloRadiantiValido(float v) { return v >= -AngoloMassimoRadianti && v <= AngoloMassimoRadianti; }

// A value read and refused at its line unless `valido` takes it.
inline float LeggiValido(LettoreTesto& l, bool (*valido)(float)) {
    const float v = l.LeggiS();
    l.ControllaValore(valido(v));
    return v;
}
// A value refused at its line unless within minimo .. massimo.
inline float LeggiEntro(LettoreTesto& l, float minimo, float massimo) {
    const float v = l.LeggiS();
    l.ControllaValore(v >= minimo && v <= massimo);
    return v;
}
inline float LeggiCoordinata(LettoreTesto& l) { return LeggiValido(l, CoordinataValida); }
inline float LeggiLunghezza(LettoreTesto& l) { return LeggiValido(l, LunghezzaValida); }
inline float LeggiPasso(LettoreTesto& l) { return LeggiValido(l, PassoValido); }
inline float LeggiPassoZona(LettoreTesto& l) { return LeggiValido(l, PassoZonaValido); }
// A diffuse spacing of an analysis file.
inline float LeggiPassoDiffuso(LettoreTesto& l) { return PassoDiffuso(LeggiValido(l, PassoDiffusoValido)); }
inline float LeggiRichiesta(LettoreTesto& l) { return LeggiValido(l, RichiestaValida); }
inline int LeggiIntero16(LettoreTesto& l) { return l.LeggiIntervallo(MinimoIntero16, MassimoIntero16); }
// A direction flag: 0 is bar direction 1, any other value of its 16 bits direction 2, kept as 1.
inline int LeggiDirezione(LettoreTesto& l) { return LeggiIntero16(l) != 0 ? 1 : 0; }
// A switch: any value but 0 is on, kept as 1.
inline int LeggiInterruttore(LettoreTesto& l) { return l.LeggiI() != 0 ? 1 : 0; }

}  // namespace vilmor
