#pragma once
// One fuzz target per reader of outside bytes, each calling the entry points
// the player uses. Built with VELTO_FUZZ, each file is a libFuzzer program;
// built into the tests (VELTO_FUZZ_REPLAY), the same function is registered by
// name and the tests replay the target's seed corpus through it.
#include <QGuiApplication>

#include <cstddef>
#include <cstdint>
#include <map>
#include <string>

namespace velto::fuzz {

using Target = int (*)(const uint8_t* data, size_t size);

inline std::map<std::string, Target>& Targets() {
    static std::map<std::string, Target> targets;
    return targets;
}

inline bool Register(const char* name, Target target) {
    Targets()[name] = target;
    return true;
}

// Pictures and masks need a QGuiApplication; a fuzzer has none of its own.
inline void EnsureGuiApplication() {
    if (QGuiApplication::instance()) return;
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char name[] = "velto-fuzz";
    static char* argv[] = {name, nullptr};
    static QGuiApplication app(argc, argv);
}

// A folder that does not exist: pictures a fuzzed skin names are never read.
inline const char* const kNoFolder = "/nonexistent-velto-fuzz/";

} // namespace velto::fuzz

#ifdef VELTO_FUZZ_REPLAY
#define VELTO_FUZZ_TARGET(name)                                                                    \
    static int FuzzOne_##name(const uint8_t* data, size_t size);                                   \
    [[maybe_unused]] static const bool kRegistered_##name =                                        \
        ::velto::fuzz::Register(#name, FuzzOne_##name);                                            \
    static int FuzzOne_##name(const uint8_t* data, size_t size)
#else
#define VELTO_FUZZ_TARGET(name)                                                                    \
    extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
#endif
