#include "toolkit/font_cache.h"

#include <map>

#include "support/critical_section.h"

namespace tockly {
namespace {

struct FontCache {
    CriticalSection lock;
    std::map<FontSpec, std::weak_ptr<const SharedFontObject>> entries;
};

FontCache& Cache() {
    static FontCache cache;
    return cache;
}

}  // namespace

SharedFont AcquireFont(const FontSpec& spec) {
    FontCache& cache = Cache();
    CriticalSectionLock hold(cache.lock);
    if (auto found = cache.entries.find(spec); found != cache.entries.end()) {
        if (SharedFont live = found->second.lock()) {
            return live;
        }
    }
    UniqueFont font(::CreateFontW(spec.height, 0, 0, 0, spec.weight, spec.italic ? TRUE : FALSE,
                                  FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS,
                                  CLEARTYPE_QUALITY, DEFAULT_PITCH, spec.face.c_str()));
    if (!font) {
        return nullptr;
    }
    auto shared = std::make_shared<const SharedFontObject>(std::move(font));
    std::erase_if(cache.entries, [](const auto& entry) { return entry.second.expired(); });
    cache.entries[spec] = shared;
    return shared;
}

}  // namespace tockly
