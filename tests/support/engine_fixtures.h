#pragma once
// Engine result pages from tests/fixtures/engine, byte for byte as the engine
// sends them (GBK), with the link-host placeholders filled in from this
// build's endpoint values.
#include <string>

#include "text/text.h"

namespace tumbrix::testing {

// "source2_full.html" and the like; empty when there is no such file.
Bytes engine_fixture(const std::string& name);

}  // namespace tumbrix::testing
