#pragma once
// The values under the current user's "Run" key, which start programs at log-on.

#include <string_view>

namespace tockly {

class AutostartRegistry {
public:
    virtual ~AutostartRegistry() = default;

    // Creates the key when needed and sets `name` to `data` as REG_SZ.
    virtual bool SetRunValue(std::u16string_view name, std::u16string_view data) = 0;
    virtual bool DeleteRunValue(std::u16string_view name) = 0;
};

}  // namespace tockly
