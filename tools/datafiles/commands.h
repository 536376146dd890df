#pragma once
// The inspector's subcommands. Each takes the arguments after its name, prints its result on
// standard output and returns the exit status; wrong arguments throw UsageError.

#include <span>
#include <stdexcept>
#include <string_view>

namespace tockly::inspect {

inline constexpr int kExitOk = 0;
inline constexpr int kExitUsage = 2;

class UsageError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

using Arguments = std::span<const std::string_view>;

int InspectSettings(Arguments arguments);
int InspectLanguage(Arguments arguments);
int InspectStore(Arguments arguments);

}  // namespace tockly::inspect
