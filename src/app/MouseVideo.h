// The mouse on the plan picture: one state machine over `Vista.ModoComando` receives every
// press, move and release (picture pixels, y down; buttons 1 left, 2 right, 4 middle, a move
// passes the held ones summed), and the wheel zooms about the cursor.
#pragma once

namespace vilmor {

// Every command mode of the plan picture.
namespace Modo {
inline constexpr int Idle = 0;
inline constexpr int ZoomFinestra = 2, ZoomSecondoAngolo = 3;
inline constexpr int Pan = 4, PanTemporaneo = 5;
inline constexpr int NuovaIntegrativa = 32, RettIntegrativa = 33, ZonaAperta = 34;
inline constexpr int Cordoli = 42, NuovaTaglio = 52, RettTaglio = 53;
inline constexpr int EditZona = 200, AngoloZona = 201, CentroZona = 202;
inline constexpr int SpostaRif = 300, SpostaRifLibero = 301, SpostaRifDir = 302;
inline constexpr int NuovaSez1 = 400, PosaSez = 401, NuovaSez2 = 403;
inline constexpr int EliminaSez = 408, SpostaSez = 410, PosaSezSpostata = 411;
inline constexpr int EliminaZona = 420, CopiaZona = 430, SpostaZona = 440, CopiaZonaFaccia = 450;
inline constexpr int ZonePilastri = 490, ZonePilastri2 = 491, ZonePali = 492, ZonePali2 = 493;
inline constexpr int QuotaOrizz = 2000, QuotaVert = 3000, QuotaAllineata = 4000;
inline constexpr int QuotaCatena = 5000, QuotaCatenaPunto = 5001;
inline constexpr int EliminaQuota = 6000, SpostaQuota = 7000, PosaQuotaSpostata = 7001;
inline constexpr int VisibilitaQuota = 7005;
}  // namespace Modo

// After a zone changed: every node's residuals, the bar layout and the plan.
void AggiornaDopoZona();

// The zone being edited stored at `ZonaSelezionata` (MemorizzaZona), with its copy on the other
// face when `altraFaccia` and the dialog asked for both: one undo step when it changed the
// model, none when refused or when nothing changed.
bool MemorizzaZonaConUndo(bool altraFaccia = false);

// Concludes the zone being edited (mode 200): the size and node checks, the zone dialog, the
// zone stored when confirmed, then residuals, bars and plan.
void ChiudiPoliAgg();

// The plan picture's own events: the right press repeats the last repeatable command (or
// closes the zone being edited); other presses store `XClic`, `YClic`; a move stores the
// cursor in plan cm.
void Picture1_MouseDown(int Button, float X, float Y);
void Picture1_MouseMove(int Button, float X, float Y);
// A right release is not handed on: a right click that repeats "Trascina" must not end the
// pan it has just started.
void Picture1_MouseUp(int Button, float X, float Y);

void Ctrl_Vid_MouseDown(int Button, float X, float Y);
void Ctrl_Vid_MouseMove(int Button, float X, float Y);
void Ctrl_Vid_MouseUp(int Button, float X, float Y);

// One wheel step about the last cursor position: forward (Delta >= 0) 90 % of the spans,
// backward 110 %. The previous window is set first in any case. A window without a span, or
// a step in past 5 cm or out past 1e7 cm of width, changes nothing more.
void MouseWheel(int Delta);
// Wheel turns as the windows report them (eighths of a degree, 120 a notch): `resto` keeps
// what falls short of a notch between calls; each whole notch is one MouseWheel step.
void RuotaAccumulata(int& resto, int delta);

// The picture's own pan: a move of (dx, dy) pixels that moves the view and shows it, and the
// end of a drag that redraws. Without them the view moves and the plan is redrawn each move.
void ImpostaPan(void (*mossa)(int dx, int dy), void (*fine)());

}  // namespace vilmor
