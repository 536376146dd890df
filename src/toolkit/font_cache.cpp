#include "toolkit/font_cache.h"

#include <utility>

#include "toolkit/shared_object_cache.h"

namespace tockly {

SharedFont AcquireFont(const FontSpec& wanted) {
    static SharedObjectCache<FontSpec, SharedFontObject> cache;
    return cache.Acquire(wanted, [&wanted]() -> SharedFont {
        UniqueFont font(::CreateFontW(wanted.height, 0, 0, 0, wanted.weight,
                                      wanted.italic ? TRUE : FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                                      OUT_TT_PRECIS, CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY,
                                      DEFAULT_PITCH, wanted.face.c_str()));
        if (!font) {
            return nullptr;
        }
        return std::make_shared<const SharedFontObject>(std::move(font));
    });
}

}  // namespace tockly
