// The voice as a Qt I/O device an audio sink pulls its samples from.
#pragma once
#include <QIODevice>

class SoundVoice;

class VoiceDevice : public QIODevice {
public:
  // After a sound ends, tailFrames frames of silence follow before the device reports it has
  // nothing: by then the sink's buffer holds only silence, so pausing it freezes nothing audible.
  VoiceDevice(SoundVoice& voice, qint64 tailFrames);

  bool isSequential() const override { return true; }
  qint64 bytesAvailable() const override;
  // The sound starts again: the tail of silence is owed anew once it ends.
  void Restart() { tailLeft_ = tailFrames_; }

protected:
  qint64 readData(char* data, qint64 maxSize) override;
  qint64 writeData(const char*, qint64) override { return -1; }

private:
  SoundVoice& voice_;
  qint64 tailFrames_;
  qint64 tailLeft_ = 0;
};
