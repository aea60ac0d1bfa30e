// The audio device the voice plays on: one sink, paused whenever nothing sounds.
#include "platform/qt_sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>
#include <QTimer>

#include "platform/qt_voice_device.h"
#include "platform/sound_voice.h"

QtSoundOutput::QtSoundOutput() = default;

QtSoundOutput::~QtSoundOutput() {
  if (sink_) sink_->stop();
}

std::optional<PcmFormat> QtSoundOutput::Open(PcmFormat wanted) {
  const QAudioDevice device = QMediaDevices::defaultAudioOutput();
  if (device.isNull()) return std::nullopt;
  QAudioFormat format;
  format.setSampleRate(wanted.rate);
  format.setChannelCount(wanted.channels);
  format.setSampleFormat(QAudioFormat::Int16);
  if (!device.isFormatSupported(format)) {
    format = device.preferredFormat();
    format.setSampleFormat(QAudioFormat::Int16);
    if (!device.isFormatSupported(format)) return std::nullopt;
  }
  format_ = {format.sampleRate(), format.channelCount()};
  sink_ = std::make_unique<QAudioSink>(device, format);
  sink_->setBufferSize(format.bytesForDuration(qint64{kBufferMs} * 1000));
  // Queued: the sink reports idle from inside its own read, where pausing it is not safe.
  connect(sink_.get(), &QAudioSink::stateChanged, this, &QtSoundOutput::OnStateChanged,
          Qt::QueuedConnection);
  return format_;
}

void QtSoundOutput::Wake(SoundVoice& voice) {
  if (!sink_) return;
  if (!device_ || voice_ != &voice) {
    sink_->stop();
    voice_ = &voice;
    device_ = std::make_unique<VoiceDevice>(voice, qint64{format_.rate} * kBufferMs / 1000 * 2);
    device_->open(QIODevice::ReadOnly);
  }
  device_->Restart();
  switch (sink_->state()) {
    case QAudio::StoppedState: sink_->start(device_.get()); break;
    case QAudio::SuspendedState: sink_->resume(); break;
    default: break;  // active or idle: the sink's next read finds the new sound
  }
}

void QtSoundOutput::OnStateChanged(QAudio::State state) {
  // Idle means the voice and its tail of silence are played out: pause the stream, so a game
  // with nothing to say costs nothing; a new sound resumes it.
  if (state == QAudio::IdleState && sink_->state() == QAudio::IdleState && voice_ && !voice_->Sounding()) {
    sink_->suspend();
  }
}

QAudio::State QtSoundOutput::State() const { return sink_ ? sink_->state() : QAudio::StoppedState; }
