#include "MappingErrorReporter.h"

ReplaceableHook<MappingErrorReporter>& MappingErrorReporterHook() {
    static ReplaceableHook<MappingErrorReporter> hook;
    return hook;
}

void ReportMappingError(uint32_t systemError) {
    const MappingErrorReporter reporter = MappingErrorReporterHook().Current();
    if (reporter) {
        reporter(systemError);
    } else {
        ShowMappingErrorToUser(systemError);
    }
}
