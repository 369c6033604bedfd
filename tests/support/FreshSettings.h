#pragma once
// Each window or dialog under test starts from the remembered defaults.

#include "platform/EditorSettings.h"

namespace sorn::test {

struct FreshSettings {
    FreshSettings() { EditorSettings().clear(); }
};

} // namespace sorn::test
