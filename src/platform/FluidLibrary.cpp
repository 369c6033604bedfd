#include "platform/FluidLibrary.h"

#include "model/SharedLibrary.h"

#include <atomic>
#include <cstdio>

namespace sorn {
namespace {

std::atomic<bool> quietErrors{false};

void LogError(int level, const char* message, void*) {
    if (level <= FLUID_ERR && !quietErrors.load())
        std::fprintf(stderr, "fluidsynth: %s\n", message);
}

SharedLibrary& Library() {
    static SharedLibrary library(SORN_FLUIDSYNTH_SONAME);
    return library;
}

const FluidLibrary* Load() {
    SharedLibrary& library = Library();
    static FluidLibrary table;
    SORN_FLUID_FUNCTIONS(SORN_RESOLVE_FUNCTION)
    if (!library.Complete()) return nullptr;
    table.fluid_set_log_function(FLUID_PANIC, LogError, nullptr);
    table.fluid_set_log_function(FLUID_ERR, LogError, nullptr);
    table.fluid_set_log_function(FLUID_WARN, nullptr, nullptr);
    table.fluid_set_log_function(FLUID_INFO, nullptr, nullptr);
    table.fluid_set_log_function(FLUID_DBG, nullptr, nullptr);
    return &table;
}

} // namespace

const FluidLibrary* OpenFluidLibrary() {
    static const FluidLibrary* const table = Load();
    return table;
}

const char* FluidLibraryError() {
    OpenFluidLibrary();
    return Library().Error().c_str();
}

void SetFluidErrorsQuiet(bool quiet) {
    quietErrors = quiet;
}

} // namespace sorn
