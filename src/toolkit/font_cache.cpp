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

SharedFont AcquireFont(const FontSpec& wanted) {
    FontCache& cache = Cache();
    CriticalSectionLock hold(cache.lock);
    if (auto found = cache.entries.find(wanted); found != cache.entries.end()) {
        if (SharedFont live = found->second.lock()) {
            return live;
        }
    }
    UniqueFont font(::CreateFontW(wanted.height, 0, 0, 0, wanted.weight,
                                  wanted.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                  OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                  DEFAULT_PITCH, wanted.face.c_str()));
    if (!font) {
        return nullptr;
    }
    auto shared = std::make_shared<const SharedFontObject>(std::move(font));
    std::erase_if(cache.entries, [](const auto& entry) { return entry.second.expired(); });
    cache.entries[wanted] = shared;
    return shared;
}

}  // namespace tockly
