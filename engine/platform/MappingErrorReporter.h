#pragma once

#include <cstdint>
#include <functional>

#include "ReplaceableHook.h"

// A view that cannot be mapped is shown to the user with the system's text
// for the error, in a box captioned "Error Message". Tests replace the
// reporter so that no box can block them, and record the calls.
using MappingErrorReporter = std::function<void(uint32_t systemError)>;

void ReportMappingError(uint32_t systemError);

ReplaceableHook<MappingErrorReporter>& MappingErrorReporterHook();

class ScopedMappingErrorReporter : public ScopedHookReplacement<MappingErrorReporter> {
public:
    explicit ScopedMappingErrorReporter(MappingErrorReporter reporter)
        : ScopedHookReplacement(MappingErrorReporterHook(), std::move(reporter)) {}
};

// The platform's own display of the error.
void ShowMappingErrorToUser(uint32_t systemError);
