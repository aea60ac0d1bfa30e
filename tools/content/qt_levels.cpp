// SPDX-License-Identifier: GPL-3.0-or-later
// Writes the level folders: Map.jpg, Tag.bmp, Map.ini and Script.ini.
#include "qt_levels.h"

#include <QDir>
#include <QFile>
#include <QImageWriter>
#include <stdexcept>

#include "qt_bmp_file.h"
#include "qt_scenes.h"
#include "qt_tag_picture.h"

namespace {
void WriteText(const QString& path, const std::string& text) {
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) throw std::runtime_error("cannot write " + path.toStdString());
  file.write(text.data(), static_cast<qint64>(text.size()));
}

std::vector<PlaceSpec> PlacesOf(int level, const SceneResult& scene) {
  const std::vector<std::string> letters = LettersForLevel(level, static_cast<int>(scene.places.size()));
  std::vector<PlaceSpec> places;
  for (size_t i = 0; i < scene.places.size(); ++i) {
    const ScenePlace& s = scene.places[i];
    places.push_back({s.x, s.y, s.w, s.h, s.side, letters[i]});
  }
  return places;
}
}  // namespace

std::vector<PlaceSpec> LevelPlaces(int level) { return PlacesOf(level, PaintScene(level)); }

std::vector<LevelSummary> WriteLevels(const QString& mapsDir, std::vector<std::string>& problems) {
  std::vector<LevelSummary> summaries;
  for (int level = 1; level <= kLevelCount; ++level) {
    const QString dir = mapsDir + "/Level" + QString::number(level);
    QDir().mkpath(dir);
    const SceneResult scene = PaintScene(level);
    const std::vector<PlaceSpec> places = PlacesOf(level, scene);
    for (const std::string& p : CheckPlaces(level, places)) problems.push_back(p);

    QImageWriter writer(dir + "/Map.jpg", "jpg");
    writer.setQuality(85);
    writer.setOptimizedWrite(true);
    if (!writer.write(scene.map)) throw std::runtime_error("cannot write Map.jpg: " + writer.errorString().toStdString());
    SaveBmp24(DrawTagPlaque(level), dir + "/Tag.bmp");
    WriteText(dir + "/Map.ini", MapIniText(level, places));
    WriteText(dir + "/Script.ini", ScriptIniText(level));

    std::string letters;
    for (const PlaceSpec& p : places) letters += p.letter + " ";
    summaries.push_back({level, static_cast<int>(places.size()), letters, ScriptWaveMs(level)});
  }
  return summaries;
}
