// The audio device the voice plays on: one sink, given a whole sound at once, stopped when idle.
#include "platform/qt_sound_output.h"

#include <QAudioDevice>
#include <QAudioFormat>
#include <QAudioSink>
#include <QMediaDevices>

#include "platform/sound_voice.h"

QtSoundOutput::QtSoundOutput() {
  topUp_.setSingleShot(true);
  connect(&topUp_, &QTimer::timeout, this, &QtSoundOutput::Feed);
}

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
  // Queued: the sink reports idle from inside its own callbacks, where stopping it is not safe.
  connect(sink_.get(), &QAudioSink::stateChanged, this, &QtSoundOutput::OnStateChanged,
          Qt::QueuedConnection);
  return format_;
}

void QtSoundOutput::Wake(SoundVoice& voice) {
  if (!sink_) return;
  voice_ = &voice;
  // Stopping drops what the stream still holds of the old sound, so nothing stale is heard; the
  // new stream starts with the new sound.
  sink_->stop();
  io_ = sink_->start();
  Feed();
}

void QtSoundOutput::Feed() {
  if (!io_ || !voice_ || sink_->state() == QAudio::StoppedState) return;
  const qint64 frameBytes = qint64{format_.channels} * qint64{sizeof(int16_t)};
  const qint64 frames = sink_->bytesFree() / frameBytes;
  if (frames > 0) {
    block_.resize(static_cast<size_t>(frames) * static_cast<size_t>(format_.channels));
    const auto got = static_cast<qint64>(voice_->Read(block_.data(), static_cast<size_t>(frames)));
    if (got > 0) io_->write(reinterpret_cast<const char*>(block_.data()), got * frameBytes);
  }
  if (voice_->Sounding()) topUp_.start(kTopUpMs);
}

void QtSoundOutput::OnStateChanged(QAudio::State state) {
  // Idle means the stream has played everything it was given; with the voice silent too, the
  // stream is closed, so a game with nothing to say costs nothing.
  if (state == QAudio::IdleState && sink_->state() == QAudio::IdleState && voice_ && !voice_->Sounding()) {
    topUp_.stop();
    sink_->stop();
    io_ = nullptr;
  }
}

QAudio::State QtSoundOutput::State() const { return sink_ ? sink_->state() : QAudio::StoppedState; }
