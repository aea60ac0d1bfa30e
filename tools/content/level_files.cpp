// Level files: curriculum, Map.ini and Script.ini, and layout checks.
#include "level_files.h"

#include <algorithm>
#include <set>
#include <sstream>
#include <stdexcept>

#include "actor_kinds.h"
#include "det_random.h"

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

// One kind of actor in a script, with its life relative to the level's base life.
struct Cast {
  std::string_view key;
  int lifeOffset;
  int firstLevel;
  int copies;  // entries in the template list: how often it is drawn
};

const Cast kCast[] = {
    {"rustler", 0, 1, 2},      {"outlaw", 300, 1, 1},     {"desperado", -200, 2, 1}, {"bottle", -700, 2, 1},
    {"townswoman", 0, 3, 1},   {"kid", -500, 4, 1},       {"prospector", 200, 5, 1}, {"blackbart", -300, 6, 1},
};

int BaseLife(int level) { return 4000 - (level - 1) * 110; }

struct Wave {
  int ms, dumpTime, dumpInterval, target;
};

std::vector<Wave> Waves(int level) {
  const int count = 4 + (level - 1) / 5;  // 4 to 7 waves
  const int peak = std::min(6, 2 + (level - 1) / 3);
  std::vector<Wave> waves;
  for (int i = 0; i < count; ++i) {
    const double progress = count == 1 ? 1.0 : static_cast<double>(i) / (count - 1);
    Wave w;
    w.ms = (15000 + level * 300 + (i == count - 1 ? 4000 : 0)) / 100 * 100;
    w.target = std::max(1, static_cast<int>(1 + progress * (peak - 1) + 0.5));
    w.dumpTime = std::max(600, (2200 - level * 80 - static_cast<int>(progress * 600)) / 100 * 100);
    w.dumpInterval = w.dumpTime / 2 / 100 * 100;
    waves.push_back(w);
  }
  return waves;
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

std::string MapIniText(int level, const std::vector<PlaceSpec>& places) {
  std::ostringstream s;
  const int easyLife = level <= 8 ? 1500 : 1200;
  const int hardLife = level <= 4 ? -600 : -800;
  s << "[Map]\r\n"
    << "Easy=0:500:" << easyLife << ":1000:2000\r\n"
    << "Normal=0:0:0:2000:3000\r\n"
    << "Hard=1:-300:" << hardLife << ":2000:3000\r\n"
    // Letters dark brown on the light plaque, flashing red: 0x00BBGGRR.
    << "LColor=" << ((10 << 16) | (22 << 8) | 40) << "\r\n"
    << "LHLColor=" << ((24 << 16) | (30 << 8) | 214) << "\r\n"
    << "Lsize=12\r\n"
    << "LBMP=Tag.bmp\r\n\r\n"
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
  std::ostringstream s;
  int step = 0;
  for (const Cast& c : kCast) {
    if (c.firstLevel > level) continue;
    for (int k = 0; k < c.copies; ++k) {
      s << "[Step" << ++step << "]\r\ncommand=1\r\nparam1=" << c.key << "\r\nparam2="
        << (BaseLife(level) + c.lifeOffset) / 100 * 100 << "\r\n\r\n";
    }
  }
  for (const Wave& w : Waves(level)) {
    s << "[Step" << ++step << "]\r\ncommand=2\r\nparam1=" << w.ms << "\r\nparam2=" << w.dumpTime << ":"
      << w.dumpInterval << ":" << w.target << "\r\n\r\n";
  }
  return s.str();
}

int ScriptWaveMs(int level) {
  int total = 0;
  for (const Wave& w : Waves(level)) total += w.ms;
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
