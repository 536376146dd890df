#include "execution/network_action.h"

namespace tockly {

void StartNetworkAction(DialUp& dialUp, std::u16string_view entryName, bool connect) {
    if (connect) {
        dialUp.StartDial(entryName);
    } else {
        dialUp.StartHangUp(entryName);
    }
}

ActionStep RunNetworkStep(DialUp& dialUp, Pause& pause, std::int64_t secondsRemaining,
                          const InternetTask& task) {
    if (secondsRemaining > 0) {
        return ActionStep::Continue;
    }
    const auto action = static_cast<NetworkAction>(task.action);
    if (action == NetworkAction::Connect || action == NetworkAction::Disconnect) {
        StartNetworkAction(dialUp, task.entryName, action == NetworkAction::Connect);
    }
    pause.Wait(kPauseAfterAction);
    return ActionStep::Done;
}

}  // namespace tockly
