// SPDX-License-Identifier: GPL-3.0-or-later
// TbotImage: a target actor, enemy or civilian, with its pictures, sounds and five timers.
#pragma once
#include "platform/image.h"

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class Timer;
class TletterImage;
struct Services;

class TbotImage {
public:
  // changed(left, top, width, height) is called with the old and the new box whenever the actor
  // must be drawn again.
  using ChangedFn = std::function<void(int, int, int, int)>;
  TbotImage(Services& services, ChangedFn changed);
  ~TbotImage();
  TbotImage(const TbotImage&) = delete;
  TbotImage& operator=(const TbotImage&) = delete;

  // Copies a template's kind and state (not its position, letter tag, dump time left,
  // transparency or running timers).
  void Assign(const TbotImage& source);
  // False, and nothing stored, when the picture is missing or not of the face picture's size.
  // Throws GameError("Invalid image size") for a picture smaller than 64 by 64.
  bool SetPicture(int slot, const ImagePtr& picture);
  bool ShowPicture(int slot);
  void AddSound(const std::string& file, const std::string& key);
  void PlayKeyedSound(const std::string& key);
  void Appear(int side);
  void Hit();
  void Suspend(bool suspend);

  // Timer handlers and internal steps, public for tests.
  void AppearTick();
  void LifeTick();
  void RetreatTick();
  void DeathTick();
  void DumpTick();
  void BeginAction();
  void BeginDump();

  // Published fields.
  int32_t Life = 0;
  int32_t MaxLife = 0;
  bool Dump = false;
  bool Deadly = false;
  bool Appearing = false;
  bool Deathing = false;
  bool Activity = false;
  uint8_t Side = 0;
  int32_t DumpTime = 0;
  int32_t DumpInterval = 0;
  int32_t DumpLeft = 0;
  int PicWidth = 64;
  int PicHeight = 64;
  int BoxWidth = 64;
  int BoxHeight = 64;
  uint8_t Character = 0;
  bool Acted = false;
  TletterImage* LetterTag = nullptr;

  // The control.
  int Left = 0;
  int Top = 0;
  int Width = 0;
  int Height = 0;
  bool Visible = false;
  bool Transparent = false;   // drawn with the bottom-left pixel's colour as a colour key
  ImagePtr Shown;             // stretched to Width by Height when drawn

  const std::vector<ImagePtr>& Pictures() const { return pictures_; }
  bool AnyTimerRunning() const;

private:
  int GrowStep(bool horizontal) const;
  void Sink(Timer& timer, bool clearActivity);
  void Changed(int oldLeft, int oldTop, int oldWidth, int oldHeight);

  Services& services_;
  ChangedFn changed_;
  ImagePtr blankPicture_;
  std::vector<ImagePtr> pictures_;
  std::vector<std::string> soundKeys_;
  std::vector<std::string> soundFiles_;
  std::unique_ptr<Timer> AppearTimer;
  std::unique_ptr<Timer> DeathTimer;
  std::unique_ptr<Timer> RetreatTimer;
  std::unique_ptr<Timer> LifeTimer;
  std::unique_ptr<Timer> DumpTimer;
};
