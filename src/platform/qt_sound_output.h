// The audio device the voice plays on: one sink, given a whole sound at once, stopped when idle.
#pragma once
#include <QObject>
#include <QTimer>
#include <QtMultimedia/qaudio.h>
#include <memory>
#include <vector>

#include "platform/sound_output.h"

class QAudioSink;
class QIODevice;

class QtSoundOutput : public QObject, public SoundOutput {
public:
  // Length of the sink's buffer. Every sound of the game fits, so a sound costs one write and
  // the game is not woken while it plays once the stream takes it.
  static constexpr int kBufferMs = 4000;
  // While the stream cannot take the rest of a sound yet (it is just starting, or the sound is
  // longer than the buffer), it is offered again this often.
  static constexpr int kTopUpMs = 40;

  QtSoundOutput();
  ~QtSoundOutput() override;

  std::optional<PcmFormat> Open(PcmFormat wanted) override;
  void Wake(SoundVoice& voice) override;

  // The sink's state, for tests; StoppedState before the first sound and whenever idle.
  QAudio::State State() const;

private:
  void Feed();
  void OnStateChanged(QAudio::State state);

  PcmFormat format_;
  std::unique_ptr<QAudioSink> sink_;
  QIODevice* io_ = nullptr;  // owned by the sink while it runs
  SoundVoice* voice_ = nullptr;
  std::vector<int16_t> block_;
  QTimer topUp_;
};
