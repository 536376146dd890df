#include "toolkit/guarded_heap.h"

#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <cstdio>
#include <cstdlib>
#include <new>

namespace tockly::testing {
namespace {

constexpr SIZE_T kRegionBytes = SIZE_T{1} << 30;
constexpr SIZE_T kPage = 4096;
constexpr SIZE_T kHeader = 16;  // the block's size, and the alignment of what follows
constexpr unsigned kAccessViolation = 0xC0000005;

// Blocks are laid out one after the other with an untouched page between them and never reused.
struct Region {
    char* start = nullptr;
    SIZE_T used = 0;
    std::atomic<int> guards = 0;  // open GuardedAllocations scopes
    int freed = 0;
    const char* what = "";  // the objects of the last scope
    CRITICAL_SECTION lock;
    bool ready = false;
};

Region& TheRegion() {
    static Region region;
    return region;
}

bool InRegion(const void* address) {
    const Region& region = TheRegion();
    const char* byte = static_cast<const char*>(address);
    return region.start != nullptr && byte >= region.start && byte < region.start + kRegionBytes;
}

LONG CALLBACK ReportUseAfterDelete(EXCEPTION_POINTERS* exception) {
    const EXCEPTION_RECORD* record = exception->ExceptionRecord;
    if (record->ExceptionCode != kAccessViolation || record->NumberParameters < 2) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const auto* address = reinterpret_cast<const void*>(record->ExceptionInformation[1]);
    if (!InRegion(address)) {
        return EXCEPTION_CONTINUE_SEARCH;
    }
    const ::testing::TestInfo* test = ::testing::UnitTest::GetInstance()->current_test_info();
    std::fprintf(stderr, "\n%s.%s: %s: memory touched after it was deleted (%p)\n",
                 test != nullptr ? test->test_suite_name() : "?",
                 test != nullptr ? test->name() : "?", TheRegion().what, address);
    std::fflush(stderr);
    std::fflush(stdout);
    ::TerminateProcess(::GetCurrentProcess(), 3);
    return EXCEPTION_CONTINUE_SEARCH;
}

void* GuardedAllocate(std::size_t size) {
    Region& region = TheRegion();
    const SIZE_T bytes = (kHeader + size + kPage - 1) / kPage * kPage;
    ::EnterCriticalSection(&region.lock);
    char* block = nullptr;
    if (region.used + bytes + kPage <= kRegionBytes) {
        block = region.start + region.used;
        region.used += bytes + kPage;
    }
    ::LeaveCriticalSection(&region.lock);
    if (block == nullptr || ::VirtualAlloc(block, bytes, MEM_COMMIT, PAGE_READWRITE) == nullptr) {
        throw std::bad_alloc();
    }
    *reinterpret_cast<SIZE_T*>(block) = bytes;
    return block + kHeader;
}

void GuardedFree(void* pointer) {
    char* block = static_cast<char*>(pointer) - kHeader;
    const SIZE_T bytes = *reinterpret_cast<const SIZE_T*>(block);
    DWORD previous = 0;
    ::VirtualProtect(block, bytes, PAGE_NOACCESS, &previous);
    Region& region = TheRegion();
    ::EnterCriticalSection(&region.lock);
    ++region.freed;
    ::LeaveCriticalSection(&region.lock);
}

}  // namespace

GuardedAllocations::GuardedAllocations(const char* what) {
    Region& region = TheRegion();
    if (!region.ready) {
        ::InitializeCriticalSection(&region.lock);
        region.start =
            static_cast<char*>(::VirtualAlloc(nullptr, kRegionBytes, MEM_RESERVE, PAGE_NOACCESS));
        ::AddVectoredExceptionHandler(1, &ReportUseAfterDelete);
        region.ready = true;
    }
    region.what = what;
    ++region.guards;
}

GuardedAllocations::~GuardedAllocations() {
    --TheRegion().guards;
}

int GuardedBlocksFreed() {
    Region& region = TheRegion();
    if (!region.ready) {
        return 0;
    }
    ::EnterCriticalSection(&region.lock);
    const int freed = region.freed;
    ::LeaveCriticalSection(&region.lock);
    return freed;
}

}  // namespace tockly::testing

// The program's heap: guarded blocks while a scope is open, the C heap otherwise.
void* operator new(std::size_t size) {
    using namespace tockly::testing;
    Region& region = TheRegion();
    if (region.ready && region.start != nullptr && region.guards > 0) {
        return GuardedAllocate(size);
    }
    if (void* memory = std::malloc(size != 0 ? size : 1)) {
        return memory;
    }
    throw std::bad_alloc();
}

void operator delete(void* pointer) noexcept {
    if (pointer == nullptr) {
        return;
    }
    if (tockly::testing::InRegion(pointer)) {
        tockly::testing::GuardedFree(pointer);
        return;
    }
    std::free(pointer);
}

void operator delete(void* pointer, std::size_t) noexcept {
    operator delete(pointer);
}
