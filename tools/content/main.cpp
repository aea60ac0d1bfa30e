// SPDX-License-Identifier: GPL-3.0-or-later
// keyslinger-content <repo root> [--preview <dir>]: writes every level, actor, sound and screen
// picture of the game and the desktop icons under the root; with --preview also writes
// inspection pictures to <dir>.
#include <QDir>
#include <QGuiApplication>
#include <cstdio>
#include <exception>

#include "actor_kinds.h"
#include "qt_actors.h"
#include "qt_icon.h"
#include "qt_levels.h"
#include "qt_preview.h"
#include "qt_screen_pictures.h"
#include "sound_recipes.h"

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QStringList args = app.arguments();
  if (args.size() < 2) {
    std::fprintf(stderr, "usage: keyslinger-content <repo root> [--preview <dir>]\n");
    return 2;
  }
  try {
    const QString root = QDir(args[1]).absolutePath();
    const QString content = root + "/content";
    QDir().mkpath(content + "/sounds");
    WriteSharedSounds((content + "/sounds").toStdString());
    for (const ActorKind& kind : kActorKinds) {
      const QString dir = content + "/Objects/" + QString::fromLatin1(kind.folder.data(), kind.folder.size());
      QDir().mkpath(dir);
      WriteActorFolder(kind, dir);
    }
    WriteScreenPictures(root);
    WriteIcons(root);
    std::vector<std::string> problems;
    const std::vector<LevelSummary> levels = WriteLevels(content + "/Maps", problems);
    for (const LevelSummary& l : levels)
      std::printf("Level%-2d %2d places  %5.1f s of waves  letters: %s\n", l.level, l.places, l.waveMs / 1000.0,
                  l.letters.c_str());
    const int previewAt = args.indexOf(QStringLiteral("--preview"));
    if (previewAt > 0 && previewAt + 1 < args.size()) WritePreviews(root, args[previewAt + 1]);
    for (const std::string& problem : problems) std::fprintf(stderr, "%s\n", problem.c_str());
    if (!problems.empty()) return 1;
  } catch (const std::exception& e) {
    std::fprintf(stderr, "keyslinger-content: %s\n", e.what());
    return 1;
  }
  return 0;
}
