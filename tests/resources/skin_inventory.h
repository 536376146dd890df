#pragma once
// The skin's inventory (resources/skin/inventory.txt) as the tests read it: kind, name and size of
// every bitmap and icon.

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

namespace tockly::testing {

struct InventoryEntry {
    std::string kind;  // "res", "file" or "icon"
    std::string name;  // resource name or path under the program's folder, UTF-8
    int width = 0;
    int height = 0;
    std::vector<int> iconSizes;
};

inline std::vector<InventoryEntry> ReadInventory() {
    const char* source = std::getenv("TOCKLY_SOURCE_DIR");
    std::ifstream file(std::string(source ? source : ".") + "/resources/skin/inventory.txt");
    std::vector<InventoryEntry> entries;
    for (std::string line; std::getline(file, line);) {
        std::istringstream columns(line.substr(0, line.find('#')));
        InventoryEntry entry;
        std::string size;
        if (!(columns >> entry.kind >> entry.name >> size)) {
            continue;
        }
        std::istringstream numbers(size);
        for (std::string number; std::getline(numbers, number, entry.kind == "icon" ? ',' : 'x');) {
            entry.iconSizes.push_back(std::stoi(number));
        }
        if (entry.kind != "icon") {
            entry.width = entry.iconSizes.at(0);
            entry.height = entry.iconSizes.at(1);
            entry.iconSizes.clear();
        }
        entries.push_back(entry);
    }
    return entries;
}

}  // namespace tockly::testing
