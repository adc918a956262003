#pragma once
// Game paths of the files that more than one program reads.
namespace tervok {

inline constexpr const char* kParticleCataloguePath = "sprites\\particle.lst";
inline constexpr const char* kWeaponCataloguePath = "shots\\weapons.lst";
inline constexpr const char* kPlayerCataloguePath = "player\\player.lst";

}  // namespace tervok
