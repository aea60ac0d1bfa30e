// SPDX-License-Identifier: GPL-3.0-or-later
// TletterImage: the letter tag of a place, a picture with the place's letter drawn on it.
#pragma once
#include "platform/image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

class Timer;
class TimerService;
class PictureLoader;
class TextMeasurer;

class TletterImage {
public:
  // changed is called whenever the tag must be drawn again.
  TletterImage(TimerService& timers, std::function<void()> changed);
  ~TletterImage();
  TletterImage(const TletterImage&) = delete;
  TletterImage& operator=(const TletterImage&) = delete;

  // Loads the bitmap and places the letter; a missing bitmap leaves the tag empty and invisible.
  // A bitmap that exists but cannot be read throws GameError.
  void Prepare(PictureLoader& pictures, TextMeasurer& text);
  // Turns the tag into a plaque that carries word (lower-case UTF-8, written as it is): the
  // picture stretched to the text's width plus kPlaqueMargin on each side, never narrower than the
  // picture, at left/top. ClearWord makes it the place's tag again at its own spot.
  void ShowWord(const std::string& word, int textWidth, int textHeight, int left, int top);
  void ClearWord();
  static constexpr int kPlaqueMargin = 6;
  void StartBlink();
  void StopBlink();
  void BlinkTick();
  bool Blinking() const;
  void SetChanged(std::function<void()> changed) { changed_ = std::move(changed); }

  // Fields, as the level file sets them before Prepare.
  std::string BitmapFile;
  uint32_t LColor = 0;          // toolkit colour 0x00BBGGRR
  uint32_t LHLColor = 0xFFFFFF;
  int Lx = -1;
  int Ly = -1;
  int TextX = 0;
  int TextY = 0;
  int Lsize = 14;               // points
  std::string Letter;           // upper-cased by Prepare

  // The control.
  int Left = 0;
  int Top = 0;
  bool Visible = false;
  ImagePtr Picture;             // null when the bitmap was missing
  uint32_t FontColor = 0;       // colour the letter is drawn in now
  // A plaque with a word: its width (0 for a tag with a letter), the word's letters typed so far
  // (marked on the plaque), and where the tag stands when it carries its letter.
  int PlaqueWidth = 0;
  size_t Typed = 0;
  int HomeLeft = 0;
  int HomeTop = 0;
  bool HasWord() const { return PlaqueWidth > 0; }
  int Width() const { return PlaqueWidth > 0 ? PlaqueWidth : Picture ? Picture->width : 0; }
  int Height() const { return Picture ? Picture->height : 0; }
  // Letter size in pixels for a size in points, as the screen draws it (96 dots per inch).
  // Always 1 to kMaxPixelSize, whatever the level file says.
  static int PixelSize(int points);
  static constexpr int kMaxPixelSize = 2048;

private:
  std::unique_ptr<Timer> BlinkTimer;
  std::function<void()> changed_;
};
