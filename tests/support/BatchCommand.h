#pragma once
// One batch command run in the test's own process: its exit code, and what
// it wrote to stderr when asked for.

#include "app/Batch.h"

#include <sstream>
#include <string>
#include <vector>

namespace sorn::test {

inline int Batch(std::vector<std::string> args, std::string* err = nullptr) {
    std::ostringstream out, errors;
    const int code = RunBatch(args, out, errors);
    if (err) *err = errors.str();
    return code;
}

} // namespace sorn::test
