// The command bars of the main window as data: the "&File" menu, the two buttons of the menu
// bar, the "Standard" toolbar with its icon names, and the routine every control's trigger
// calls with its identifier. The windows build their menus and buttons from these tables.
#pragma once

#include <array>
#include <cstdint>
#include <string>

namespace vilmor {

// Identifiers of the controls that carry no command identifier.
inline constexpr int32_t IdRecente0 = 502;  // 502 .. 505: entries 0 .. 3 of the recent list
inline constexpr int32_t IdGeneraDxf = 506;
inline constexpr int32_t IdInformazioni = 507;

// One toolbar button: offset of its command, caption, icon names at 16 and 24 pixels, and
// whether a separator goes before it.
struct PulsanteBarra {
    int K;
    const char* Titolo;
    const char* Icona16;
    const char* Icona24;
    bool InizioGruppo;
};
inline constexpr int NumPulsanti = 43;
const std::array<PulsanteBarra, NumPulsanti>& TabellaPulsanti();

// One entry of the "&File" menu: the offset of its command, or 0 and a fixed identifier.
struct VoceFile {
    int K;
    int32_t IdFisso;
    const char* Titolo;  // "" for the recent entries, whose caption is the file's name
    bool InizioGruppo;
};
inline constexpr int NumVociFile = 9;
const std::array<VoceFile, NumVociFile>& TabellaMenuFile();

// The two buttons of the menu bar after "&File".
struct VoceBarraMenu {
    int32_t Id;
    const char* Titolo;
};
const std::array<VoceBarraMenu, 2>& TabellaBarraMenu();

// The identifier of the command of offset k (`Comandi`, set by `SettaIdComandi`); 0 when no
// command has that offset.
int32_t IdDaOffset(int k);
// The identifier of a File entry: its command's, or its fixed one.
int32_t IdVoceFile(const VoceFile& v);

// The image names of the commands: every offset of the command table has one per size, also
// those no button carries. Null for an offset without a command.
const char* NomeIcona(int k, bool grande);
// Offsets 100 .. 147 that have an image (47 of them), in order.
const std::array<int, 47>& OffsetIcone();

// A recent-file entry as the menu shows it: the file's name, its path as secondary text,
// visible only when the list holds an entry at that place.
struct VoceRecente {
    std::string Titolo;
    std::string Percorso;
    bool Visibile = false;
};
VoceRecente VoceRecenteMenu(int k);

// The caption without its mnemonic marks: "&Apri" -> "Apri", "&&" -> "&".
std::string SenzaMnemonico(const std::string& titolo);

// The Execute event of the command bars: runs the command of a control by its identifier,
// tried as a file command, a repeatable drawing command, then a direct command.
void CommandBars_Execute(int32_t id);

}  // namespace vilmor
