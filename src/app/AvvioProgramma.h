// The life of a program run without its windows: the slab path of the command line, the
// settings and identifiers of the start, the opening of the first project, the window's
// rectangle and side column, and the questions and saves of the exit.
#pragma once

#include <string>

namespace vilmor {

// The command line as one text: the arguments after the program's name, joined by blanks.
std::string RigaComando(int argc, const char* const* argv);

// Removes one enclosing pair of double quotes; `Testo` itself changes and is returned. A
// closing quote goes only when it is the first quote left, so a quote inside the text keeps it.
std::string FiltraApici(std::string& Testo);

// The slab path of a command line: the quotes off, then the path cut just after the first
// ".QVR" of its file name (any letter case, the letters kept), so a backup copy "A.QVR.BAK"
// names "A.QVR". "" when there is no ".QVR". A relative path is made absolute against the current
// folder, the one the program started in.
std::string PercorsoSolettaDaRiga(const std::string& riga);

// Twips per pixel of a screen of that logical resolution, as a whole number (15 at 96 dpi).
int TwipsPerPixelDaDpi(double dpi);

// Start-up after the folders and the plan picture: the snapshot folders left by killed runs
// removed, the recent list, an empty outline, the defaults and colours, the settings file over
// them, the command identifiers.
void PreparaAvvio();

// The first project: the slab of the command line when there is one (the load reports a
// missing file as any open does), then the caption, the extents, the view on them and the bar
// layout when nothing was opened. Returns the load's status (0 also when there was no path).
int ApriProgettoIniziale(const std::string& percorso);

// ---- The window's rectangle (twips) ----
struct RettangoloFinestra {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
// 200 twips smaller than the available screen each way, centred on it.
RettangoloFinestra RettangoloIniziale(int schermoLeft, int schermoTop, int schermoWidth, int schermoHeight);
// "MainLeft", "MainTop", "MainWidth", "MainHeight" of the key "Vilmor\Settings", each over its
// value when present and a number; never written.
void LeggiRettangoloFinestra(RettangoloFinestra& r);

// ---- The right-hand column (twips) ----
inline constexpr int LarghezzaColonna = 3795;  // the property panel's width
inline constexpr int AltezzaFrame2 = 1095;     // side and direction options
inline constexpr int AltezzaPicture2 = 3015;   // legend
inline constexpr int AltezzaRichText = 3915;   // information panel
inline constexpr int AltezzaLabel1 = 795;      // prompt line
inline constexpr int AltezzaMinPannello = 401;
inline constexpr int AltezzaMinInfo = 900;     // what the information panel keeps when it gives way

struct Riquadro {
    int Left = 0, Top = 0, Width = 0, Height = 0;
};
struct DisposizioneColonna {
    Riquadro Piano, Frame2, Picture2, RichTextBox1, PropertyGrid1, Label1;
};
// The column at the right of the client rectangle (L, T, R, B), in whatever unit the numbers
// are given; the plan takes the rest. The property panel gets what the fixed panels leave,
// never less than `minPannello`; when that is less than the height of its rows (`altezzaVoci`),
// the information panel gives up what it has beyond `minInfo` until the rows show.
DisposizioneColonna DisponiColonna(int L, int T, int R, int B, int larghezza, int hF, int hP, int hR, int hL,
                                   int minPannello, int altezzaVoci = 0, int minInfo = 0);

// ---- Exit ----
inline constexpr char DomandaUscita[] = "Vuoi salvare prima di uscire?";
inline constexpr char TitoloUscita[] = "Uscita dal programma";

// The exit sequence: the question (Yes, No, Cancel); on Yes the save (save-as when untitled,
// which refuses); then the recent list and the undo snapshots. False on Cancel (Escape and the
// close box of the question count as Cancel) and when the save of an open slab did not happen:
// then nothing else ran and the window stays.
bool ChiusuraProgramma();

}  // namespace vilmor
