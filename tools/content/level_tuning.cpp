// SPDX-License-Identifier: GPL-3.0-or-later
// Level balance: how long actors stand, how busy the waves are, and what each difficulty changes.
#include "level_tuning.h"

#include <algorithm>

#include "actor_kinds.h"

namespace {

// One kind of actor in a script, with its life relative to the level's base life.
struct Cast {
  const char* key;
  int lifeOffset;
  int firstLevel;
  int copies;  // entries in the template list: how often it is drawn
};

// The bonus bottle is not here: it joins only for the last wave (see below).
const Cast kCast[] = {
    {"rustler", 0, 1, 2},      {"outlaw", 300, 1, 1}, {"desperado", -200, 2, 1},
    {"townswoman", 0, 3, 1},   {"kid", -400, 4, 1},   {"oldminer", 200, 5, 1},
    {"blackbart", -300, 6, 1},
};

constexpr size_t kBottleOdds = 16;

bool IsEnemy(const std::string& key) {
  for (const ActorKind& kind : kActorKinds)
    if (kind.key == key) return kind.character == 0;
  return false;
}

int Round100(int ms) { return ms / 100 * 100; }

int BaseLife(int level) { return 4000 - (level - 1) * 110; }

// Easy gives every actor more time; Hard less, and less the further the player has come.
int EasyExtraLife(int level) { return level <= 8 ? 1000 : 800; }
int HardExtraLife(int level) {
  if (level <= 4) return -600;
  if (level <= 8) return -800;
  return -800 - (level - 7) / 2 * 100;  // -900 at levels 9 and 10, down to -1200 at 15 and 16
}

std::vector<WaveStep> Waves(int level) {
  const int count = std::min(6, 4 + (level - 1) / 5);  // 4 to 6 waves
  const int peak = std::min(6, 2 + (level - 1) / 3);
  std::vector<WaveStep> waves;
  for (int i = 0; i < count; ++i) {
    const double progress = count == 1 ? 1.0 : static_cast<double>(i) / (count - 1);
    WaveStep w;
    w.ms = Round100(14000 + level * 150 + (i == count - 1 ? 4000 : 0));
    w.target = std::max(1, static_cast<int>(1 + progress * (peak - 1) + 0.5));
    w.dumpTime = std::max(600, Round100(2200 - level * 80 - static_cast<int>(progress * 600)));
    w.dumpInterval = Round100(w.dumpTime / 2);
    waves.push_back(w);
  }
  return waves;
}

}  // namespace

LevelTuning TuningFor(int level) {
  LevelTuning t;
  for (const Cast& c : kCast) {
    if (c.firstLevel > level) continue;
    for (int k = 0; k < c.copies; ++k)
      t.templates.push_back({c.key, Round100(BaseLife(level) + c.lifeOffset)});
  }
  t.waves = Waves(level);
  // From level 2 on a bottle may turn up in the last wave. It is a bonus: it counts in the score
  // but not in what the score is measured against, so it must stay rare and short (400 ms on
  // Hard) or it lifts good runs above 100 percent. More enemies of the level's own mix join with
  // it, so that it is one draw in kBottleOdds in that wave.
  if (level >= 2) {
    std::vector<TemplateStep> enemies;
    for (const TemplateStep& known : t.templates)
      if (IsEnemy(known.key)) enemies.push_back(known);
    std::vector<TemplateStep>& joining = t.waves.back().newTemplates;
    for (size_t i = 0; t.templates.size() + joining.size() + 1 < kBottleOdds; ++i)
      joining.push_back(enemies[i % enemies.size()]);
    joining.push_back({"bottle", Round100(400 - HardExtraLife(level))});
  }
  t.easy = {0, 500, EasyExtraLife(level), 1000, 2000};
  t.normal = {0, 0, 0, 2000, 3000};
  t.hard = {1, -300, HardExtraLife(level), 2000, 3000};
  return t;
}
