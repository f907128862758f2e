// Exact-pixel comparison of a rendered surface with a reference PNG kept beside the tests
// (tests/unit/<module>/golden/<name>.png). QB_UPDATE_GOLDEN=1 rewrites the references
// instead of comparing; a mismatch writes <name>_err.png in the working folder.
#pragma once

#include <string>

namespace platform {
class Surface;
}

namespace testing_support {

// `folder` is the module's test folder below tests/unit (e.g. "platform").
void ExpectMatchesGolden(const platform::Surface& rendered, const std::string& folder,
                         const std::string& name);

}  // namespace testing_support
