#pragma once
// A cache of GDI objects that are shared while anyone uses them: it holds no reference itself,
// only a note of the live objects by key, so an object is deleted exactly once, when its last
// user lets go, and asking again for a key that is still in use hands out the same object.
// Locked: a widget's worker thread may ask too.

#include <cstddef>
#include <map>
#include <memory>

#include "support/critical_section.h"

namespace tockly {

template <typename Key, typename Object>
class SharedObjectCache {
public:
    using Shared = std::shared_ptr<const Object>;

    // The live object for `key`, or the one `make()` returns (a Shared, null when it fails; made
    // under the lock, so that two threads never make the same object twice).
    template <typename Make>
    Shared Acquire(const Key& key, Make make) {
        CriticalSectionLock hold(lock_);
        if (auto found = entries_.find(key); found != entries_.end()) {
            if (Shared live = found->second.lock()) {
                return live;
            }
        }
        Shared made = make();
        if (!made) {
            return nullptr;
        }
        std::erase_if(entries_, [](const auto& entry) { return entry.second.expired(); });
        entries_.insert_or_assign(key, made);
        return made;
    }

    std::size_t LiveCount() const {
        CriticalSectionLock hold(lock_);
        std::size_t live = 0;
        for (const auto& entry : entries_) {
            live += entry.second.expired() ? 0 : 1;
        }
        return live;
    }

private:
    mutable CriticalSection lock_;
    std::map<Key, std::weak_ptr<const Object>> entries_;
};

}  // namespace tockly
