// A tone on the sound card, with no toolkit behind it, so that both the
// desktop clock and the terminal clock can sound their beeps the same way.
#pragma once

namespace platform::sound {

// The device a tone goes to: $HORATICK_SOUND_DEVICE when it is set and not
// empty (ALSA's "null" device lets tests run without a card), else "default".
const char* ToneDevice();

// Plays a sine tone of frequencyHz for durationMs on the device and returns
// when it has been heard out. false when the device cannot be opened or
// refuses the format: then nothing was played and no time has passed, so the
// caller can fall back to another signal and wait the time itself.
bool PlayTone(unsigned frequencyHz, unsigned durationMs, const char* device);

}  // namespace platform::sound
