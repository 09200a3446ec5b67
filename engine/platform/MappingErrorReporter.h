#pragma once

#include <cstdint>
#include <functional>

// A view that cannot be mapped is shown to the user with the system's text
// for the error, in a box captioned "Error Message". Tests replace the
// reporter so that no box can block them, and record the calls.
using MappingErrorReporter = std::function<void(uint32_t systemError)>;

void ReportMappingError(uint32_t systemError);

class ScopedMappingErrorReporter {
public:
    explicit ScopedMappingErrorReporter(MappingErrorReporter reporter);
    ~ScopedMappingErrorReporter();
    ScopedMappingErrorReporter(const ScopedMappingErrorReporter&) = delete;
    ScopedMappingErrorReporter& operator=(const ScopedMappingErrorReporter&) = delete;

private:
    MappingErrorReporter previous_;
};

// The platform's own display of the error.
void ShowMappingErrorToUser(uint32_t systemError);
