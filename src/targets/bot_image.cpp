// SPDX-License-Identifier: GPL-3.0-or-later
// TbotImage: a target actor, enemy or civilian, with its pictures, sounds and five timers.
#include "targets/bot_image.h"

#include "core/services.h"
#include "platform/game_error.h"
#include "platform/text_case.h"
#include "targets/letter_image.h"
#include "core/level_counters.h"

#include <cmath>
#include <cstdlib>

namespace {
constexpr int kAnimationMs = 55;
constexpr int kCountdownMs = 100;
constexpr int kCell = 64;
constexpr uint8_t kEnemy = 0;

ImagePtr MakeBlank() {
  auto blank = std::make_shared<Image>();
  blank->width = kCell;
  blank->height = kCell;
  blank->pixels.assign(static_cast<size_t>(kCell) * kCell, 0);
  return blank;
}

bool HasWavExtension(const std::string& file) {
  const size_t dot = file.find_last_of('.');
  const size_t slash = file.find_last_of("/\\");
  if (dot == std::string::npos || (slash != std::string::npos && dot < slash)) return false;
  return EqualsNoCaseAscii(file.substr(dot), ".wav");
}
}  // namespace

TbotImage::TbotImage(Services& services, ChangedFn changed)
    : services_(services), changed_(std::move(changed)), blankPicture_(MakeBlank()) {
  AppearTimer = services.timers.CreateTimer(kAnimationMs, [this] { AppearTick(); });
  DeathTimer = services.timers.CreateTimer(kAnimationMs, [this] { DeathTick(); });
  RetreatTimer = services.timers.CreateTimer(kAnimationMs, [this] { RetreatTick(); });
  LifeTimer = services.timers.CreateTimer(kCountdownMs, [this] { LifeTick(); });
  DumpTimer = services.timers.CreateTimer(kCountdownMs, [this] { DumpTick(); });
  services.random.ReseedFromClock();
}

TbotImage::~TbotImage() = default;

void TbotImage::Assign(const TbotImage& source) {
  const int oldLeft = Left, oldTop = Top, oldWidth = Width, oldHeight = Height;
  Dump = source.Dump;
  MaxLife = source.MaxLife;
  Shown = source.Shown;
  soundKeys_ = source.soundKeys_;
  soundFiles_ = source.soundFiles_;
  Width = source.Width;
  Height = source.Height;
  Visible = source.Visible;
  Appearing = source.Appearing;
  Activity = source.Activity;
  Side = source.Side;
  DumpTime = source.DumpTime;
  DumpInterval = source.DumpInterval;
  Life = source.Life;
  Deadly = source.Deadly;
  Deathing = source.Deathing;
  pictures_ = source.pictures_;
  PicWidth = source.PicWidth;
  PicHeight = source.PicHeight;
  BoxWidth = source.BoxWidth;
  BoxHeight = source.BoxHeight;
  Character = source.Character;
  Acted = source.Acted;
  Changed(oldLeft, oldTop, oldWidth, oldHeight);
}

bool TbotImage::SetPicture(int slot, const ImagePtr& picture) {
  if (!picture || picture->width != PicWidth || picture->height != PicHeight) return false;
  if (picture->width < kCell || picture->height < kCell) throw GameError("Invalid image size");
  if (slot < 0 || slot > 255) return false;
  while (static_cast<int>(pictures_.size()) <= slot) pictures_.push_back(blankPicture_);
  pictures_[slot] = picture;
  return true;
}

bool TbotImage::ShowPicture(int slot) {
  const bool exists = slot >= 0 && slot < static_cast<int>(pictures_.size());
  Shown = exists ? pictures_[slot] : (pictures_.empty() ? nullptr : pictures_[0]);
  Changed(Left, Top, Width, Height);
  return exists;
}

void TbotImage::AddSound(const std::string& file, const std::string& key) {
  if (!HasWavExtension(file)) return;
  soundKeys_.push_back(key);
  soundFiles_.push_back(file);
}

void TbotImage::PlayKeyedSound(const std::string& key) {
  for (size_t i = 0; i < soundKeys_.size(); ++i) {
    if (EqualsNoCaseAscii(soundKeys_[i], key)) {
      services_.sound.Play(soundFiles_[i]);
      return;
    }
  }
}

int TbotImage::GrowStep(bool horizontal) const {
  // A box under 5 pixels would step by 0 and never finish; it steps by 1 instead.
  const int step = (horizontal ? BoxWidth : BoxHeight) / 5;
  return step > 0 ? step : 1;
}

void TbotImage::Appear(int side) {
  services_.random.ReseedFromClock();
  Side = static_cast<uint8_t>(side >= 0 && side <= 3 ? side : 0);
  if (Side == 0) Side = static_cast<uint8_t>(services_.random.Between(1, 3));
  if (Dump) return;
  const int oldLeft = Left, oldTop = Top, oldWidth = Width, oldHeight = Height;
  ShowPicture(0);
  Width = BoxWidth;
  Height = BoxHeight;
  // Level data may put a place anywhere: positions wrap like the counters instead of overflowing.
  if (Side == 2) Left = WrapAdd(Left, BoxWidth);
  if (Side == 3) Top = WrapAdd(Top, BoxHeight);
  if (Side == 1 || Side == 2) Width = 0;
  if (Side == 3) Height = 0;
  if (LetterTag && Character == kEnemy) LetterTag->StartBlink();
  Visible = true;
  Appearing = true;
  Life = MaxLife;
  Changed(oldLeft, oldTop, oldWidth, oldHeight);
  PlayKeyedSound("SND_APPEAR");
  AppearTimer->SetEnabled(true);
}

void TbotImage::AppearTick() {
  const int oldLeft = Left, oldTop = Top, oldWidth = Width, oldHeight = Height;
  const bool horizontal = Side != 3;
  int& size = horizontal ? Width : Height;
  const int full = horizontal ? BoxWidth : BoxHeight;
  if (size >= full) {
    Appearing = false;
    LifeTimer->SetEnabled(true);
    AppearTimer->SetEnabled(false);
    return;
  }
  const int step = GrowStep(horizontal);
  const int added = step <= full - size ? step : full - size;
  size += added;
  if (Side == 2) Left = WrapAdd(Left, -added);
  if (Side == 3) Top = WrapAdd(Top, -added);
  Changed(oldLeft, oldTop, oldWidth, oldHeight);
}

void TbotImage::LifeTick() {
  if (Life > 0) {
    Life -= 100;
    return;
  }
  AppearTimer->SetEnabled(false);
  LifeTimer->SetEnabled(false);
  Activity = true;
  BeginAction();
}

void TbotImage::BeginAction() {
  AppearTimer->SetEnabled(false);
  LifeTimer->SetEnabled(false);
  Activity = true;
  Acted = true;
  ShowPicture(2);
  PlayKeyedSound("SND_ACTIVE");
  RetreatTimer->SetEnabled(true);
  if (LetterTag && Character == kEnemy) LetterTag->StopBlink();
}

void TbotImage::Sink(Timer& timer, bool clearActivity) {
  const int oldLeft = Left, oldTop = Top, oldWidth = Width, oldHeight = Height;
  const int step = GrowStep(false);
  if (Height > 0) {
    if (Height < step) {
      Height = 0;
    } else {
      Height -= step;
      Top = WrapAdd(Top, step);
    }
    Changed(oldLeft, oldTop, oldWidth, oldHeight);
  }
  if (Height <= 0) {
    timer.SetEnabled(false);
    if (clearActivity) Activity = false;
    BeginDump();
  }
}

void TbotImage::RetreatTick() { Sink(*RetreatTimer, true); }

void TbotImage::DeathTick() { Sink(*DeathTimer, false); }

void TbotImage::Hit() {
  if (LetterTag && Character == kEnemy) LetterTag->StopBlink();
  AppearTimer->SetEnabled(false);
  LifeTimer->SetEnabled(false);
  Life = 0;
  Appearing = false;
  if (Activity) return;
  Deathing = true;
  Transparent = true;
  ShowPicture(1);
  PlayKeyedSound("SND_DEAD");
  DeathTimer->SetEnabled(true);
}

void TbotImage::BeginDump() {
  AppearTimer->SetEnabled(false);
  DeathTimer->SetEnabled(false);
  RetreatTimer->SetEnabled(false);
  LifeTimer->SetEnabled(false);
  DumpTimer->SetEnabled(false);
  Visible = false;
  Dump = true;
  Changed(Left, Top, Width, Height);
  const int64_t spread = std::llabs(static_cast<int64_t>(DumpInterval));
  int64_t r = 0;
  if (spread > 0) {
    // Uniform in [-spread, spread - 1].
    const uint64_t span = static_cast<uint64_t>(2 * spread);
    r = -spread + static_cast<int64_t>((static_cast<uint64_t>(services_.random.Next32()) * span) >> 32);
  }
  // Halves go to the even hundred.
  const double hundreds = std::nearbyint(static_cast<double>(DumpTime + r) / 100.0);
  DumpLeft = static_cast<int32_t>(static_cast<uint32_t>(static_cast<int64_t>(hundreds) * 100));
  DumpTimer->SetEnabled(true);
}

void TbotImage::DumpTick() {
  if (DumpLeft > 0) {
    DumpLeft -= 100;
    return;
  }
  Dump = false;
  DumpTimer->SetEnabled(false);
  Deadly = true;
}

void TbotImage::Suspend(bool suspend) {
  if (suspend) {
    LifeTimer->SetEnabled(false);
    if (Dump) {
      DumpTimer->SetEnabled(false);
    } else if (Appearing) {
      AppearTimer->SetEnabled(false);
    } else if (Deathing) {
      DeathTimer->SetEnabled(false);
    } else if (Activity) {
      RetreatTimer->SetEnabled(false);
    }
    return;
  }
  if (Appearing) {
    AppearTimer->SetEnabled(true);
  } else if (Deathing) {
    DeathTimer->SetEnabled(true);
  } else if (Activity) {
    RetreatTimer->SetEnabled(true);
  } else if (Dump) {
    DumpTimer->SetEnabled(true);
  } else {
    LifeTimer->SetEnabled(true);  // enabling a running timer keeps its period
  }
}

bool TbotImage::AnyTimerRunning() const {
  return AppearTimer->Enabled() || DeathTimer->Enabled() || RetreatTimer->Enabled() ||
         LifeTimer->Enabled() || DumpTimer->Enabled();
}

void TbotImage::Changed(int oldLeft, int oldTop, int oldWidth, int oldHeight) {
  if (!changed_) return;
  changed_(oldLeft, oldTop, oldWidth, oldHeight);
  changed_(Left, Top, Width, Height);
}
