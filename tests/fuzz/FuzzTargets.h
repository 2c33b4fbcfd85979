#pragma once

#include <cstddef>
#include <cstdint>

// Entry points shared by the libFuzzer targets and the bounded random driver that ctest
// runs. Each must accept any bytes without crashing, hanging or growing without bound.
void fuzzRtfReader(const uint8_t* data, size_t size);
void fuzzVersionList(const uint8_t* data, size_t size);
