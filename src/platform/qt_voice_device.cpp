// The voice as a Qt I/O device an audio sink pulls its samples from.
#include "platform/qt_voice_device.h"

#include <algorithm>
#include <cstring>

#include "platform/sound_voice.h"

VoiceDevice::VoiceDevice(SoundVoice& voice, qint64 tailFrames)
    : voice_(voice), tailFrames_(std::max<qint64>(tailFrames, 0)) {}

qint64 VoiceDevice::bytesAvailable() const {
  const qint64 frameBytes = voice_.Format().channels * qint64{sizeof(int16_t)};
  // A sink asks how much there is before it reads; a sounding voice always has a block ready.
  return (voice_.Sounding() ? 4096 : tailLeft_ * frameBytes) + QIODevice::bytesAvailable();
}

qint64 VoiceDevice::readData(char* data, qint64 maxSize) {
  const qint64 frameBytes = voice_.Format().channels * qint64{sizeof(int16_t)};
  if (frameBytes <= 0) return 0;
  const qint64 frames = maxSize / frameBytes;
  if (frames <= 0) return 0;
  // Samples are 16-bit aligned in the sink's buffer only by luck; read through a local block.
  int16_t block[1024];
  const qint64 blockFrames = static_cast<qint64>(std::size(block)) / voice_.Format().channels;
  qint64 done = 0;
  while (done < frames) {
    const qint64 want = std::min(frames - done, blockFrames);
    qint64 got = static_cast<qint64>(voice_.Read(block, static_cast<size_t>(want)));
    if (got == 0) {
      got = std::min(want, tailLeft_);
      if (got == 0) break;
      std::fill(block, block + got * voice_.Format().channels, int16_t{0});
      tailLeft_ -= got;
    } else if (got < want && !voice_.Sounding()) {
      // The sound ended inside this block: the silence that follows counts towards the tail.
      const qint64 pad = std::min(want - got, tailLeft_);
      std::fill(block + got * voice_.Format().channels, block + (got + pad) * voice_.Format().channels,
                int16_t{0});
      tailLeft_ -= pad;
      got += pad;
    }
    std::memcpy(data + done * frameBytes, block, static_cast<size_t>(got * frameBytes));
    done += got;
    if (got < want) break;
  }
  return done * frameBytes;
}
