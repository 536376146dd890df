#pragma once
// A heap that makes a use after free fault at once, for the Win32 tests (Wine has no address
// sanitizer). While a GuardedAllocations scope is open, every `new` of the program gets pages of
// its own from one reserved region; `delete` of such a block does not give it back but makes its
// pages inaccessible, and its addresses are never used again. A later read or write of a deleted
// object therefore raises an access violation in the region, which ends the test program with a
// message naming the test, instead of reading whatever lies there now.
//
// Linked into one test program only: it replaces the global operator new and delete.

namespace tockly::testing {

class GuardedAllocations {
public:
    // `what` names the objects made in the scope in the report of a fault, until the next scope;
    // it must outlive them.
    explicit GuardedAllocations(const char* what);
    ~GuardedAllocations();
    GuardedAllocations(const GuardedAllocations&) = delete;
    GuardedAllocations& operator=(const GuardedAllocations&) = delete;
};

// How many guarded blocks have been deleted so far (to check that a test deleted what it meant to).
[[nodiscard]] int GuardedBlocksFreed();

}  // namespace tockly::testing
