// The diffuse mesh of the loaded slab in the main window's property panel.
#pragma once

#include <cstdint>
#include <string>

namespace vilmor {

// Item identifiers: the edit handler writes back by them, whatever the number of meshes.
inline constexpr int32_t IdDiamDiffSup1 = 1, IdPassoDiffSup1 = 2, IdDiamDiffSup2 = 3, IdPassoDiffSup2 = 4;
inline constexpr int32_t IdDiamDiffInf1 = 5, IdPassoDiffInf1 = 6, IdDiamDiffInf2 = 7, IdPassoDiffInf2 = 8;
inline constexpr int32_t IdDiamCavalletti = 10, IdPassoCavalletti1 = 11, IdPassoCavalletti2 = 12;

// Rebuilds `Piatt.PropertyGrid1` from `M`: the category "Armatura diffusa" with the eight
// diameters and spacings (two meshes) or the four of the lower face (one central mesh), and
// for two meshes the chairs' category. Diameters as integers, spacings with one decimal.
void PanelDiff();

// The edit of a panel item: a diameter or spacing of the mesh, or of the diffuse shear links,
// checked by the panel's rule and stored, then residuals, view, bars, plan and node panel
// brought up to date. Returns the text the item keeps: the stored value, or the old one when
// the edit is refused.
std::string PropertyGrid1_AfterEdit(int32_t id, const std::string& testo);

}  // namespace vilmor
