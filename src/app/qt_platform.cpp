// SPDX-License-Identifier: GPL-3.0-or-later
// The real platform services of the running game, gathered for the application to hand down.
#include "app/qt_platform.h"

#include <QDateTime>
#include <cstdio>

namespace {
uint64_t WallClockMs() { return static_cast<uint64_t>(QDateTime::currentMSecsSinceEpoch()); }
}  // namespace

void SaySoundTrouble(const std::string& why) {
  std::fprintf(stderr, "keyslinger: %s; the game goes on without sound\n", why.c_str());
}

QtPlatform::QtPlatform() {
  random.SetClock(WallClockMs);
  random.ReseedFromClock();
}
