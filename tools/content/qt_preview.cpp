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
}  // namespace

void WritePreviews(const QString& root, const QString& outDir) {
  QDir().mkpath(outDir);
  ActorSheet(outDir);
  for (int level = 1; level <= kLevelCount; ++level) LevelShot(root, level, outDir);
}
