// The reinforcement file ".QV0" beside the slab file: diffuse mesh, zones with their outlines,
// sections, dimensions and the outline as edited. The undo snapshots use the same format.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "model/AreaLavoro.h"
#include "model/definizioni.h"

namespace vilmor {

class LettoreTesto;

inline constexpr int VersioneArmature = 7;

// The slab path with its ".QVR" extension (any case) turned into ".QV0", real case kept.
std::string NomeFileArmature(const std::string& percorsoSoletta);
// The reinforcement file of a slab as found on disk (exact name, then any case); the plain
// name when none exists.
std::string TrovaFileArmature(const std::string& percorsoSoletta);

// The whole model in the current format, as bytes of the file.
std::string TestoArmature(const Modello& m);
// Writes the whole model in the current format; false (after the message) when it failed.
bool ScriviArmature(const std::string& percorso, const Modello& m, bool avvisa = true);

enum class EsitoArmature {
    Letto,          // read and committed
    NonConservato,  // the user chose not to keep the reinforcement of a changed slab
    Ignorato,       // newer version, another slab's file or malformed: reported, nothing read
};

// Reads a reinforcement file into the model. With `domanda` > 0 a changed slab file asks
// whether to keep the reinforcement. The file is parsed whole and committed only when good.
// The node residuals are the caller's to bring up to date. Its plan points must lie where work
// may stand on the model's slab (model/AreaLavoro.h), the edited outline within AreaContorno.
// `letta`, when given, receives the fingerprint of the bytes read, whatever became of them.
EsitoArmature LeggiArmature(const std::string& percorso, int domanda, Modello& m, ImprontaFile* letta = nullptr);

// The header that follows the version line of a file of version v: the slab's time stamp
// (from version 4), its number, the bent-anchorage switch (from version 7, any value but 0 read
// as 1), the diffuse mesh and the chairs; the origin is skipped. Throws ErroreLettura on a
// malformed value, on a diameter (chairs too) beyond DiamMassimoFile and on a spacing or chair
// step that is neither 0 nor within PassoMinimoFile .. LimitePianta.
struct TestataArmature {
    std::string Stamp;
    int Numero = 0;
    std::optional<int> Piega;
    int DiamDiffSup1 = 0, DiamDiffInf1 = 0, DiamDiffSup2 = 0, DiamDiffInf2 = 0;
    float PassoDiffSup1 = 0, PassoDiffInf1 = 0, PassoDiffSup2 = 0, PassoDiffInf2 = 0;
    int DiamCavalletti = 0;
    float PassoCavalletti1 = 0, PassoCavalletti2 = 0;
};
void LeggiTestataArmature(LettoreTesto& l, int v, TestataArmature& t);

// The zone list of a file of version v: line Z0, then every zone block with its outline.
// Throws ErroreLettura on a malformed or truncated list, more than MaxZone zones, a zone
// whose kind is none of its values, a direction beyond 16 bits (any other value but 0 is read
// as 1), a curb of other than 2 or 4 legs or wider than `larghezzaCordolo`, a point outside
// `area`, a spacing neither 0 nor within PassoMinimoZona .. LimitePianta, or a cover outside
// 0 .. SpessoreMassimo.
void LeggiZoneArmature(LettoreTesto& l, int v, int& ultimaZona, std::vector<Zona>& zone,
                       std::vector<std::vector<Punto>>& vertici, const AreaPianta& area = {},
                       float larghezzaCordolo = LimitePianta);

// Load step: the reinforcement file beside the slab, or the automatic dimensions when none
// (Ignorato then too). Records what the file held (or that there was none) for the next save.
EsitoArmature CaricaArmature(const std::string& percorsoSoletta, int domanda, Modello& m);

// Save of the reinforcement and of the verification file: both are written to temporary
// files first and replace the old ones only when both are written. False when nothing or
// not all was written. A reinforcement file that another program wrote since this one last
// read or wrote it is replaced only on the user's "Sì" (default "No"); the load and each save
// record what the file held.
bool SalvaArmature(const std::string& percorsoSoletta, Modello& m);

// True when the stamp agrees with `DataSoletta` (same day and minute, hours within 1).
bool ConfrontaData(std::string& stamp, std::string& dataSoletta);
// Date and time of the last change of a file, "dd/MM/yyyy HH:mm:ss"; "" when unknown.
std::string DataFile(const std::string& percorso);

// A pause of the save sequence, unless `Piatt.PauseAttive` is off.
void Pausa(int ms);


}  // namespace vilmor
