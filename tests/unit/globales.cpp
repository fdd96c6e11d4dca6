// The process-wide objects the game's classes rely on, as the game defines them.
#include "mixer.h"
#include "settings.h"

AudioMixer amixer;
Settings currentSettings;
