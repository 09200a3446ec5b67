// Writes through a null pointer, as a faulty program would: the wrapper's
// test runs it to show that a crash under Wine ends the run at once, with a
// backtrace that names this function.
#include <cstdio>

namespace {

__attribute__((noinline)) void WriteThroughNull(volatile int* target) { *target = 1; }

}  // namespace

int main() {
    std::puts("writing through a null pointer");
    std::fflush(stdout);
    WriteThroughNull(nullptr);
    return 0;
}
