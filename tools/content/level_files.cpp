// SPDX-License-Identifier: GPL-3.0-or-later
// Level files: curriculum, Map.ini and Script.ini, and layout checks.
#include "level_files.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

#include "actor_kinds.h"
#include "det_random.h"
#include "level_tuning.h"

namespace {

const std::vector<std::vector<std::string>> kCurriculum = {
    {"f", "j", "d", "k"}, {"s", "l", "a", ";"}, {"g", "h"}, {"e", "i"}, {"r", "u"}, {"t", "y"},
    {"w", "o"},           {"q", "p"},           {"v", "m"}, {"c", ","}, {"x", "."}, {"z", "/"},
    {"b", "n"},           {"1", "2", "3", "4", "5"},        {"6", "7", "8", "9", "0"}, {}};

struct Rect {
  int x, y, w, h;
  bool Overlaps(const Rect& o) const { return x < o.x + o.w && o.x < x + w && y < o.y + o.h && o.y < y + h; }
};

// Where the game draws its labels: score ticker, level time, counters.
const Rect kLabelAreas[] = {{16, 400, 106, 74}, {271, 424, 99, 56}, {568, 408, 72, 63}};

Rect TagRect(const PlaceSpec& p) { return {p.x + p.w / 2 - kTagWidth / 2, p.y + p.h + 3, kTagWidth, kTagHeight}; }

std::string Describe(const PlaceSpec& p, size_t i) {
  std::ostringstream s;
  s << "place " << i + 1 << " (" << p.x << "," << p.y << ")";
  return s.str();
}

}  // namespace

std::vector<std::string> NewKeys(int level) {
  if (level < 1 || level > kLevelCount) throw std::runtime_error("bad level");
  return kCurriculum[static_cast<size_t>(level - 1)];
}

std::vector<std::string> LettersForLevel(int level, int count) {
  std::vector<std::string> letters = NewKeys(level);
  DetRandom rng(77 + static_cast<uint64_t>(level));
  if (level == kLevelCount) {
    // The final level mixes the whole keyboard: a few keys from every lesson.
    std::vector<std::string> all;
    for (int l = 1; l < kLevelCount; ++l)
      for (const std::string& k : NewKeys(l)) all.push_back(k);
    for (size_t i = all.size(); i > 1; --i) std::swap(all[i - 1], all[static_cast<size_t>(rng.Below(static_cast<int>(i)))]);
    all.resize(static_cast<size_t>(count));
    letters = all;
  } else {
    // Earlier keys, one from each earlier lesson in turn, the latest lessons first.
    std::vector<std::vector<std::string>> pools;
    for (int l = level - 1; l >= 1; --l) {
      std::vector<std::string> pool = NewKeys(l);
      for (size_t i = pool.size(); i > 1; --i) std::swap(pool[i - 1], pool[static_cast<size_t>(rng.Below(static_cast<int>(i)))]);
      pools.push_back(pool);
    }
    for (size_t round = 0; static_cast<int>(letters.size()) < count; ++round) {
      bool took = false;
      for (auto& pool : pools) {
        if (static_cast<int>(letters.size()) >= count) break;
        if (round < pool.size()) {
          letters.push_back(pool[round]);
          took = true;
        }
      }
      if (!took) throw std::runtime_error("not enough keys for level " + std::to_string(level));
    }
    if (static_cast<int>(letters.size()) > count) throw std::runtime_error("too few places for the new keys");
  }
  for (size_t i = letters.size(); i > 1; --i) std::swap(letters[i - 1], letters[static_cast<size_t>(rng.Below(static_cast<int>(i)))]);
  return letters;
}

namespace {
std::string RowText(const DifficultyRow& r) {
  std::ostringstream s;
  s << r.extraActors << ":" << r.extraDumpTime << ":" << r.extraMaxLife << ":" << r.missPenaltyMs << ":"
    << r.civilianPenaltyMs;
  return s.str();
}
}  // namespace

std::string MapIniText(int level, const std::vector<PlaceSpec>& places) {
  const LevelTuning tuning = TuningFor(level);
  std::ostringstream s;
  s << "[Map]\r\n"
    << "Easy=" << RowText(tuning.easy) << "\r\n"
    << "Normal=" << RowText(tuning.normal) << "\r\n"
    << "Hard=" << RowText(tuning.hard) << "\r\n"
    // Letters dark brown on the light plaque, flashing red: 0x00BBGGRR.
    << "LColor=" << ((10 << 16) | (22 << 8) | 40) << "\r\n"
    << "LHLColor=" << ((24 << 16) | (30 << 8) | 214) << "\r\n"
    << "Lsize=12\r\n"
    << "LBMP=Tag.bmp\r\n"
    // The letters name keys by their place on a US keyboard: every layout plays them by position.
    << "Layout=us\r\n\r\n"
    << "[Objects]\r\n";
  for (const ActorKind& kind : kActorKinds) s << kind.key << "=" << kind.folder << "\r\n";
  for (size_t i = 0; i < places.size(); ++i) {
    const PlaceSpec& p = places[i];
    s << "\r\n[Place" << i + 1 << "]\r\n"
      << "x=" << p.x << "\r\ny=" << p.y << "\r\nw=" << p.w << "\r\nh=" << p.h << "\r\nside=" << p.side
      << "\r\nletter=" << p.letter << "\r\n";
  }
  return s.str();
}

std::string ScriptIniText(int level) {
  const LevelTuning tuning = TuningFor(level);
  std::ostringstream s;
  int step = 0;
  auto define = [&](const TemplateStep& t) {
    s << "[Step" << ++step << "]\r\ncommand=1\r\nparam1=" << t.key << "\r\nparam2=" << t.maxLife << "\r\n\r\n";
  };
  for (const TemplateStep& t : tuning.templates) define(t);
  for (const WaveStep& w : tuning.waves) {
    for (const TemplateStep& t : w.newTemplates) define(t);
    s << "[Step" << ++step << "]\r\ncommand=2\r\nparam1=" << w.ms << "\r\nparam2=" << w.dumpTime << ":"
      << w.dumpInterval << ":" << w.target << "\r\n\r\n";
  }
  return s.str();
}

int ScriptWaveMs(int level) {
  int total = 0;
  for (const WaveStep& w : TuningFor(level).waves) total += w.ms;
  return total;
}

std::vector<std::string> CheckPlaces(int level, const std::vector<PlaceSpec>& places) {
  std::vector<std::string> problems;
  auto report = [&](const std::string& what) { problems.push_back("Level" + std::to_string(level) + ": " + what); };
  if (places.size() < 4 || places.size() > 14) report("needs 4 to 14 places, has " + std::to_string(places.size()));
  std::set<std::string> letters;
  for (size_t i = 0; i < places.size(); ++i) {
    const PlaceSpec& p = places[i];
    const Rect box{p.x, p.y, p.w, p.h}, tag = TagRect(p);
    for (const Rect& r : {box, tag})
      if (r.x < 0 || r.y < 0 || r.x + r.w > 640 || r.y + r.h > 480) report(Describe(p, i) + " leaves the screen");
    for (const Rect& label : kLabelAreas)
      if (box.Overlaps(label) || tag.Overlaps(label)) report(Describe(p, i) + " covers a label");
    if (!letters.insert(p.letter).second) report(Describe(p, i) + " repeats letter " + p.letter);
    for (size_t j = 0; j < places.size(); ++j) {
      if (j == i) continue;
      const PlaceSpec& q = places[j];
      const Rect otherBox{q.x, q.y, q.w, q.h};
      if (j > i && box.Overlaps(otherBox)) report(Describe(p, i) + " overlaps " + Describe(q, j));
      if (j > i && tag.Overlaps(TagRect(q))) report("tags of " + Describe(p, i) + " and " + Describe(q, j) + " overlap");
      if (tag.Overlaps(otherBox)) report("tag of " + Describe(p, i) + " lies under " + Describe(q, j));
    }
  }
  return problems;
}
