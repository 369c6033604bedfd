#pragma once
// FluidSynth, opened the first time something is to sound, not linked in:
// it brings the sound-system libraries along.

#include "model/SharedLibrary.h"

#include <fluidsynth.h>

namespace sorn {

#define SORN_FLUID_FUNCTIONS(X)                                                                    \
    X(fluid_set_log_function)                                                                      \
    X(new_fluid_settings)                                                                          \
    X(delete_fluid_settings)                                                                       \
    X(fluid_settings_setstr)                                                                       \
    X(fluid_settings_setint)                                                                       \
    X(fluid_settings_setnum)                                                                       \
    X(fluid_settings_getnum)                                                                       \
    X(fluid_settings_foreach_option)                                                               \
    X(new_fluid_synth)                                                                             \
    X(delete_fluid_synth)                                                                          \
    X(fluid_synth_sfload)                                                                          \
    X(fluid_synth_process)                                                                         \
    X(fluid_synth_write_float)                                                                     \
    X(fluid_synth_program_change)                                                                  \
    X(fluid_synth_noteon)                                                                          \
    X(fluid_synth_noteoff)                                                                         \
    X(fluid_synth_get_active_voice_count)                                                          \
    X(new_fluid_player)                                                                            \
    X(delete_fluid_player)                                                                         \
    X(fluid_player_add)                                                                            \
    X(fluid_player_play)                                                                           \
    X(fluid_player_stop)                                                                           \
    X(fluid_player_seek)                                                                           \
    X(fluid_player_get_status)                                                                     \
    X(fluid_player_get_current_tick)                                                               \
    X(new_fluid_audio_driver)                                                                      \
    X(new_fluid_audio_driver2)                                                                     \
    X(delete_fluid_audio_driver)

// The functions the program calls, under their own names.
struct FluidLibrary {
    SORN_FLUID_FUNCTIONS(SORN_FUNCTION_POINTER)
};

// Opens the library once, with its log quietened (errors to stderr, the
// rest dropped); null when it or one of its functions is missing, and
// then `FluidLibraryError` says why.
const FluidLibrary* OpenFluidLibrary();
const char* FluidLibraryError();

// While quiet, FluidSynth's errors are expected (probing outputs that may
// be missing) and are not printed.
void SetFluidErrorsQuiet(bool quiet);

} // namespace sorn
