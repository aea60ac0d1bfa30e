// The audio device the voice plays on: one sink, paused whenever nothing sounds.
#pragma once
#include <QObject>
#include <QtMultimedia/qaudio.h>
#include <memory>

#include "platform/sound_output.h"

class QAudioSink;
class VoiceDevice;

class QtSoundOutput : public QObject, public SoundOutput {
public:
  // Length of the sink's buffer: the longest an old sound can go on after a new one is asked
  // for; shorter buffers make the sound server wake the game more often.
  static constexpr int kBufferMs = 60;

  QtSoundOutput();
  ~QtSoundOutput() override;

  std::optional<PcmFormat> Open(PcmFormat wanted) override;
  void Wake(SoundVoice& voice) override;

  // The sink's state, for tests; StoppedState before the first sound.
  QAudio::State State() const;

private:
  void OnStateChanged(QAudio::State state);

  PcmFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  std::unique_ptr<VoiceDevice> device_;
  SoundVoice* voice_ = nullptr;
};
