// SPDX-License-Identifier: GPL-3.0-or-later
// TletterImage: the letter tag of a place, a picture with the place's letter drawn on it.
#include "targets/letter_image.h"

#include "platform/file_lookup.h"
#include "platform/picture_loader.h"
#include "platform/text_case.h"
#include "platform/text_measurer.h"
#include "platform/timer_service.h"

#include <algorithm>
#include <cstdint>

namespace {
constexpr int kBlinkMs = 200;
}

TletterImage::TletterImage(TimerService& timers, std::function<void()> changed)
    : changed_(std::move(changed)) {
  BlinkTimer = timers.CreateTimer(kBlinkMs, [this] { BlinkTick(); });
}

TletterImage::~TletterImage() { BlinkTimer->SetEnabled(false); }

int TletterImage::PixelSize(int points) {
  // Points at 96 dots per inch, rounded. The letter is measured and drawn at this one size, so
  // it is kept to what a font can be: at least 1 pixel, at most kMaxPixelSize.
  const int64_t pixels = (int64_t{points} * 96 + 36) / 72;
  return static_cast<int>(std::clamp<int64_t>(pixels, 1, kMaxPixelSize));
}

void TletterImage::Prepare(PictureLoader& pictures, TextMeasurer& text) {
  if (!FileExistsNoCase(BitmapFile)) return;
  Picture = pictures.LoadBitmap(BitmapFile);
  FontColor = LColor;
  Letter = ToUpperUtf8(Letter);
  const TextSize size = text.MeasureBold(Letter, PixelSize(Lsize));
  TextX = Lx != -1 ? Lx : Width() / 2 - size.width / 2;
  TextY = Ly != -1 ? Ly : Height() / 2 - size.height / 2;
  if (changed_) changed_();
}

void TletterImage::ShowWord(const std::string& word, int textWidth, int textHeight, int left, int top) {
  Letter = word;
  Typed = 0;
  PlaqueWidth = std::max(std::max(textWidth, 0) + 2 * kPlaqueMargin, Picture ? Picture->width : 1);
  TextX = (PlaqueWidth - std::max(textWidth, 0)) / 2;
  TextY = Ly != -1 ? Ly : Height() / 2 - textHeight / 2;
  Left = left;
  Top = top;
  if (changed_) changed_();
}

void TletterImage::ClearWord() {
  PlaqueWidth = 0;
  Typed = 0;
  Left = HomeLeft;
  Top = HomeTop;
}

void TletterImage::StartBlink() { BlinkTimer->SetEnabled(true); }

void TletterImage::StopBlink() {
  BlinkTimer->SetEnabled(false);
  FontColor = LColor;
  if (changed_) changed_();
}

bool TletterImage::Blinking() const { return BlinkTimer->Enabled(); }

void TletterImage::BlinkTick() {
  BlinkTimer->SetEnabled(false);
  FontColor = FontColor == LColor ? LHLColor : LColor;
  if (changed_) changed_();
  BlinkTimer->SetEnabled(true);
}
