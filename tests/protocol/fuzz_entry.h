#pragma once

#include <cstddef>
#include <cstdint>

// Runs one input through the frame reader and every packet reader. Malformed data
// must be refused with decode_error; a packet that decodes must encode back to the very
// same bytes, and cutting the input in two must give the same frames. A broken rule
// aborts, so that the fuzzer keeps the input.
void fuzzProtocolInput(const std::uint8_t *data, std::size_t size);
