// SPDX-License-Identifier: GPL-3.0-or-later
// Inspection pictures: every actor pose on one sheet, and each level with figures and tags.
#include "qt_preview.h"

#include <QDir>
#include <QPainter>

#include "actor_kinds.h"
#include "qt_actors.h"
#include "qt_levels.h"
#include "qt_tag_picture.h"

namespace {
void ActorSheet(const QString& outDir) {
  const int scale = 3;
  QImage sheet(3 * (kActorWidth * scale + 8), static_cast<int>(kActorKinds.size()) * (kActorHeight * scale + 8),
               QImage::Format_RGB32);
  sheet.fill(QColor(90, 110, 90));
  QPainter p(&sheet);
  for (size_t k = 0; k < kActorKinds.size(); ++k) {
    int col = 0;
    for (ActorPose pose : {ActorPose::Face, ActorPose::Active, ActorPose::Dead}) {
      const QImage img = DrawActor(kActorKinds[k].look, pose);
      p.drawImage(QRect(col * (kActorWidth * scale + 8), static_cast<int>(k) * (kActorHeight * scale + 8),
                        kActorWidth * scale, kActorHeight * scale),
                  img);
      ++col;
    }
  }
  sheet.save(outDir + "/actors.png");
}

// The level as the player sees it mid-wave: every other place occupied, all tags shown, the
// game's labels sketched in.
void LevelShot(const QString& root, int level, const QString& outDir) {
  const QString dir = root + "/content/Maps/Level" + QString::number(level);
  QImage shot(dir + "/Map.jpg");
  const QImage plaque(dir + "/Tag.bmp");
  QPainter p(&shot);
  const std::vector<PlaceSpec> places = LevelPlaces(level);
  for (size_t i = 0; i < places.size(); ++i) {
    const PlaceSpec& pl = places[i];
    const QImage tag = TagWithLetter(plaque, QString::fromStdString(pl.letter), 12, i % 2 ? QColor(214, 30, 24) : QColor(40, 22, 10));
    p.drawImage(pl.x + pl.w / 2 - tag.width() / 2, pl.y + pl.h + 3, tag);
  }
  for (size_t i = 0; i < places.size(); i += 2) {
    const PlaceSpec& pl = places[i];
    const ActorKind& kind = kActorKinds[(i / 2 + static_cast<size_t>(level)) % kActorKinds.size()];
    p.drawImage(QRect(pl.x, pl.y, pl.w, pl.h), DrawActor(kind.look, ActorPose::Face));
  }
  QFont f(QStringLiteral("Arial"));
  f.setBold(true);
  f.setPixelSize(48);
  p.setFont(f);
  p.setPen(QColor(253, 253, 0));
  p.drawText(QRect(271, 424, 98, 56), Qt::AlignCenter, QStringLiteral("1:25"));
  f.setPixelSize(13);
  p.setFont(f);
  p.drawText(568, 420, QStringLiteral("Point: 3"));
  p.setPen(Qt::red);
  p.drawText(568, 444, QStringLiteral("Miss: 1"));
  p.drawText(568, 468, QStringLiteral("Civilian: 0"));
  f.setPixelSize(16);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRect(16, 400, 105, 73), 0, QStringLiteral("+2300\n-2000\n+1800"));
  p.end();
  shot.save(outDir + QStringLiteral("/level%1.png").arg(level, 2, 10, QChar('0')));
}
QFont Arial(int px, bool bold = true, bool italic = false) {
  QFont f(QStringLiteral("Arial"));
  f.setPixelSize(px);
  f.setBold(bold);
  f.setItalic(italic);
  return f;
}

// The screen pictures with the texts the screens draw over them, side by side.
void ScreensSheet(const QString& root, const QString& outDir) {
  const QString dir = root + "/resources/pictures/";
  QImage sheet(1360, 900, QImage::Format_RGB32);
  sheet.fill(QColor(60, 60, 60));
  QPainter p(&sheet);
  // Main menu.
  p.drawImage(QRect(0, 0, 305, 361), QImage(dir + "menu_background.png"));
  p.drawImage(2, 11, QImage(dir + "menu_logo.png"));
  p.setFont(Arial(13));
  p.setPen(Qt::white);
  p.drawText(104, 3 + 13, QStringLiteral("Typing tutor:"));
  p.setFont(Arial(16));
  p.setPen(QColor(192, 192, 192));
  p.drawText(8, 64 + 16, QStringLiteral("Drifter:"));
  p.setFont(Arial(16, true, true));
  p.drawText(88, 64 + 16, QStringLiteral("player"));
  p.drawText(QRect(191, 64, 100, 20), Qt::AlignRight, QStringLiteral("level 3"));
  p.setFont(Arial(16));
  p.setPen(Qt::white);
  const char* buttons[] = {"START GAME", "CHANGE PROFILE", "SOUND ON", "ABOUT", "EXIT"};
  const int tops[] = {104, 144, 184, 224, 304};
  for (int i = 0; i < 5; ++i) p.drawText(QRect(8, tops[i], 289, 25), Qt::AlignCenter, QString::fromLatin1(buttons[i]));
  p.setFont(Arial(11));
  p.drawText(110, 336 + 11, QStringLiteral("keyslinger.example"));
  // Profiles.
  p.translate(320, 0);
  p.drawImage(0, 0, QImage(dir + "player_background.png"));
  p.fillRect(8, 32, 121, 121, Qt::black);
  p.fillRect(144, 32, 121, 121, Qt::black);
  p.fillRect(8, 160, 121, 27, Qt::black);
  p.setFont(Arial(16));
  p.setPen(QColor(192, 192, 192));
  p.drawText(40, 24, QStringLiteral("Players"));
  p.drawText(176, 24, QStringLiteral("Levels"));
  p.drawText(144, 184, QStringLiteral("level 2"));
  p.setPen(Qt::white);
  p.setFont(Arial(11));
  p.drawText(QRect(8, 200, 57, 22), Qt::AlignCenter, QStringLiteral("ADD"));
  p.drawText(QRect(72, 200, 57, 22), Qt::AlignCenter, QStringLiteral("DELETE"));
  p.drawText(QRect(144, 200, 121, 22), Qt::AlignCenter, QStringLiteral("OK"));
  // First start.
  p.translate(290, 0);
  p.drawImage(0, 0, QImage(dir + "first_start.png"));
  p.setFont(Arial(24, false));
  p.drawText(54, 48 + 24, QStringLiteral("Level of Difficulty"));
  p.setFont(Arial(11));
  p.drawText(QRect(8, 120, 81, 25), Qt::AlignCenter, QStringLiteral("EASY"));
  p.drawText(QRect(104, 120, 81, 25), Qt::AlignCenter, QStringLiteral("NORMAL"));
  p.drawText(QRect(200, 120, 81, 25), Qt::AlignCenter, QStringLiteral("HARD"));
  // Pause.
  p.translate(310, 0);
  p.drawImage(1, 1, QImage(dir + "pause.png"));
  p.setFont(Arial(19));
  p.drawText(72, 8 + 19, QStringLiteral("PAUSE"));
  p.setFont(Arial(11));
  p.drawText(QRect(60, 149, 97, 22), Qt::AlignCenter, QStringLiteral("RESTART"));
  p.drawText(QRect(8, 184, 97, 22), Qt::AlignCenter, QStringLiteral("CONTINUE"));
  p.drawText(QRect(112, 184, 97, 22), Qt::AlignCenter, QStringLiteral("MAIN MENU"));
  // Results.
  p.resetTransform();
  p.translate(0, 380);
  p.drawImage(0, 0, QImage(dir + "score_background.png"));
  p.setFont(Arial(21));
  p.drawText(127, 16 + 21, QStringLiteral("Score"));
  p.setFont(Arial(16));
  p.drawText(136, 40 + 16, QStringLiteral("Level3"));
  p.setPen(QColor(192, 192, 192));
  p.drawText(9, 56 + 16, QStringLiteral("player: 75%"));
  p.fillRect(8, 88, 297, 137, Qt::black);
  p.setPen(Qt::red);
  p.drawText(8, 248 + 16, QStringLiteral("Take more 60%"));
  p.setPen(Qt::white);
  p.setFont(Arial(11));
  p.drawText(QRect(8, 280, 90, 25), Qt::AlignCenter, QStringLiteral("CONTINUE"));
  p.drawText(QRect(112, 280, 90, 25), Qt::AlignCenter, QStringLiteral("TRY AGAIN"));
  p.drawText(QRect(216, 280, 90, 25), Qt::AlignCenter, QStringLiteral("MAIN MENU"));
  // End and help.
  p.translate(330, 0);
  p.drawImage(0, 0, QImage(dir + "the_end.png"));
  p.setPen(QPen(Qt::red, 1, Qt::DashLine));
  p.drawRect(8, 304, 385, 89);
  p.translate(510, 0);
  p.drawImage(0, 0, QImage(dir + "help_page.png"));
  p.end();
  sheet.save(outDir + "/screens.png");
}
}  // namespace

void WritePreviews(const QString& root, const QString& outDir) {
  QDir().mkpath(outDir);
  ActorSheet(outDir);
  ScreensSheet(root, outDir);
  for (int level = 1; level <= kLevelCount; ++level) LevelShot(root, level, outDir);
}
