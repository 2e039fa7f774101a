// A tone through ALSA: a sine wave written in blocking mode, drained, and
// then the rest of its length waited out, so a device that swallows samples
// at once (ALSA's "null") still gives the caller a beep of the right length.
#include "platform/sound/alsa_beep.h"

#include <alsa/asoundlib.h>

#include <chrono>
#include <cmath>
#include <cstdlib>
#include <thread>
#include <vector>

namespace platform::sound {

namespace {

constexpr unsigned kRateHz = 48000;
constexpr unsigned kLatencyUs = 50000;
constexpr double kAmplitude = 0.3 * 32767;
// Short ramps at both ends keep the speaker from clicking.
constexpr unsigned kRampFrames = kRateHz / 200;
constexpr snd_pcm_uframes_t kChunkFrames = 1024;
constexpr double kPi = 3.14159265358979323846;

// ALSA prints its complaints (no card, an unknown device) to standard error;
// a clock without a sound card is normal, so they are silenced.
void IgnoreAlsaMessage(const char*, int, const char*, int, const char*, ...) {}

void SilenceAlsaMessages() {
  static const bool silenced = [] {
    snd_lib_error_set_handler(IgnoreAlsaMessage);
    return true;
  }();
  (void)silenced;
}

double Envelope(unsigned frame, unsigned totalFrames) {
  const unsigned fromEnd = totalFrames - frame;
  const unsigned edge = frame < fromEnd ? frame : fromEnd;
  return edge >= kRampFrames ? 1.0 : static_cast<double>(edge) / kRampFrames;
}

// Writes every frame, recovering once from an underrun or a suspend; false
// when the device stops taking samples.
bool WriteTone(snd_pcm_t* pcm, unsigned frequencyHz, unsigned totalFrames) {
  // A tone above half the sample rate cannot be made; it would only alias.
  const double hz = frequencyHz < kRateHz / 2 ? frequencyHz : kRateHz / 2 - 1;
  const double step = 2 * kPi * hz / kRateHz;
  std::vector<short> chunk(kChunkFrames);
  unsigned frame = 0;
  while (frame < totalFrames) {
    const unsigned count = totalFrames - frame < kChunkFrames ? totalFrames - frame : kChunkFrames;
    for (unsigned i = 0; i < count; ++i) {
      const unsigned at = frame + i;
      chunk[i] = static_cast<short>(kAmplitude * Envelope(at, totalFrames) * std::sin(step * at));
    }
    unsigned written = 0;
    while (written < count) {
      snd_pcm_sframes_t done = snd_pcm_writei(pcm, chunk.data() + written, count - written);
      if (done < 0) done = snd_pcm_recover(pcm, static_cast<int>(done), 1);
      if (done < 0) return false;
      written += static_cast<unsigned>(done);
    }
    frame += count;
  }
  return true;
}

}  // namespace

const char* ToneDevice() {
  const char* named = std::getenv("HORATICK_SOUND_DEVICE");
  return named != nullptr && named[0] != '\0' ? named : "default";
}

bool PlayTone(unsigned frequencyHz, unsigned durationMs, const char* device) {
  SilenceAlsaMessages();
  snd_pcm_t* pcm = nullptr;
  // Opened without waiting, so a card that another program holds gives the
  // bell at once instead of holding the clock; the writes then block as usual.
  if (snd_pcm_open(&pcm, device != nullptr ? device : ToneDevice(), SND_PCM_STREAM_PLAYBACK, SND_PCM_NONBLOCK) < 0) {
    return false;
  }
  snd_pcm_nonblock(pcm, 0);
  if (snd_pcm_set_params(pcm, SND_PCM_FORMAT_S16, SND_PCM_ACCESS_RW_INTERLEAVED, 1, kRateHz, 1, kLatencyUs) < 0) {
    snd_pcm_close(pcm);
    return false;
  }
  const auto start = std::chrono::steady_clock::now();
  const unsigned totalFrames = static_cast<unsigned>(static_cast<unsigned long long>(durationMs) * kRateHz / 1000);
  if (WriteTone(pcm, frequencyHz, totalFrames)) {
    snd_pcm_drain(pcm);
  } else {
    snd_pcm_drop(pcm);
  }
  snd_pcm_close(pcm);
  std::this_thread::sleep_until(start + std::chrono::milliseconds(durationMs));
  return true;
}

}  // namespace platform::sound
