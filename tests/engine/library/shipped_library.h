// The library as shipped in resources/library, read once for the tests that look at it.
#pragma once

#include "parts_library.h"

namespace velkor::library::testing {

inline const PartsLibrary& Shipped() {
    static const PartsLibrary library = PartsLibrary::Load(VELKOR_SOURCE_DIR "/resources/library");
    return library;
}

// The shape a name finds, failing the test when there is none.
inline const CoreShape& ShapeNamed(const char* name) {
    static const CoreShape none;
    const CoreShape* shape = Shipped().FindShape(name);
    return shape != nullptr ? *shape : none;
}

} // namespace velkor::library::testing
