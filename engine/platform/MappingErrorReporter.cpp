#include "MappingErrorReporter.h"

#include <mutex>

namespace {

std::mutex g_reporterLock;
MappingErrorReporter g_reporter;

}  // namespace

void ReportMappingError(uint32_t systemError) {
    MappingErrorReporter reporter;
    {
        std::lock_guard<std::mutex> hold(g_reporterLock);
        reporter = g_reporter;
    }
    if (reporter) {
        reporter(systemError);
    } else {
        ShowMappingErrorToUser(systemError);
    }
}

ScopedMappingErrorReporter::ScopedMappingErrorReporter(MappingErrorReporter reporter) {
    std::lock_guard<std::mutex> hold(g_reporterLock);
    previous_ = std::move(g_reporter);
    g_reporter = std::move(reporter);
}

ScopedMappingErrorReporter::~ScopedMappingErrorReporter() {
    std::lock_guard<std::mutex> hold(g_reporterLock);
    g_reporter = std::move(previous_);
}
