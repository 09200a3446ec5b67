#pragma once

#include <cstddef>
#include <cstdint>

// Number fields of the data section are unterminated text. Each is read from
// a terminated copy of exactly its own bytes, so a field never runs into the
// one after it. Text that is not a number reads as 0.
double TextToDouble(const uint8_t* text, size_t length);
long TextToLong(const uint8_t* text, size_t length);
