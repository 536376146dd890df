#pragma once
// The seam between Tockly and the computer it runs on. Everything that acts on the computer or
// reads the world goes through these interfaces: the program builds the real ones once at
// start-up and hands this bundle down; tests hand in recording fakes instead.

#include "platform/autostart_registry.h"
#include "platform/clock.h"
#include "platform/program_environment.h"

namespace tockly {

struct OutsideWorld {
    ProgramEnvironment& program;
    AutostartRegistry& autostart;
    Clock& clock;
};

}  // namespace tockly
