#include "TextField.h"

#include <cstdlib>
#include <cstring>

namespace {

// The longest number field of an entry is the 12-digit fix time.
constexpr size_t kLongestField = 16;

struct TerminatedCopy {
    char text[kLongestField + 1] = {};

    TerminatedCopy(const uint8_t* source, size_t length) {
        std::memcpy(text, source, length < kLongestField ? length : kLongestField);
    }
};

}  // namespace

double TextToDouble(const uint8_t* text, size_t length) {
    const TerminatedCopy copy(text, length);
    return std::strtod(copy.text, nullptr);
}

long TextToLong(const uint8_t* text, size_t length) {
    const TerminatedCopy copy(text, length);
    return std::strtol(copy.text, nullptr, 10);
}
