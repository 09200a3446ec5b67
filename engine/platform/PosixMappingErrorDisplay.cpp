#include <cstdio>
#include <cstring>

#include "MappingErrorReporter.h"

void ShowMappingErrorToUser(uint32_t systemError) {
    std::fprintf(stderr, "Error Message: %s\n", std::strerror(static_cast<int>(systemError)));
}
