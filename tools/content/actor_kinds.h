// SPDX-License-Identifier: GPL-3.0-or-later
// The actor kinds the game ships: their folders, characters and the keys levels use for them.
#pragma once
#include <array>
#include <string_view>

enum class ActorLook { Rustler, Outlaw, Desperado, BlackBart, Kid, Townswoman, OldMiner, Bottle };

struct ActorKind {
  ActorLook look;
  std::string_view folder;  // folder under Objects/
  std::string_view key;     // key in a level's [Objects] section
  int character;            // 0 enemy, 1 civilian, 2 bonus
};

inline constexpr std::array<ActorKind, 8> kActorKinds{{
    {ActorLook::Rustler, "Rustler", "rustler", 0},
    {ActorLook::Outlaw, "Outlaw", "outlaw", 0},
    {ActorLook::Desperado, "Desperado", "desperado", 0},
    {ActorLook::BlackBart, "BlackBart", "blackbart", 0},
    {ActorLook::Kid, "Kid", "kid", 0},
    {ActorLook::Townswoman, "Townswoman", "townswoman", 1},
    {ActorLook::OldMiner, "OldMiner", "oldminer", 1},
    {ActorLook::Bottle, "Bottle", "bottle", 2},
}};

// Every actor picture has this size.
inline constexpr int kActorWidth = 64;
inline constexpr int kActorHeight = 80;
