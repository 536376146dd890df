#pragma once
// Processes a test makes up: the chooser lists exactly these, as often as it asks.

#include <string>
#include <vector>

#include "platform/process_enumerator.h"

namespace tockly::testing {

class FakeProcessEnumerator final : public ProcessEnumerator {
public:
    std::vector<RunningProcess> Enumerate() override {
        ++calls;
        return processes;
    }

    // `count` processes with ids 100, 104, 108 ... and images "process-1.exe" ...
    static std::vector<RunningProcess> Numbered(int count) {
        std::vector<RunningProcess> made;
        for (int i = 0; i < count; ++i) {
            const std::string name =
                "\\Device\\HarddiskVolume2\\Apps\\process-" + std::to_string(i + 1) + ".exe";
            made.push_back({static_cast<std::uint32_t>(100 + 4 * i),
                            std::u16string(name.begin(), name.end())});
        }
        return made;
    }

    std::vector<RunningProcess> processes;
    int calls = 0;
};

}  // namespace tockly::testing
