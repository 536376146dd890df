#pragma once
// Recording fakes of the interfaces through which tasks act on the computer
// (platform/system_actions.h). Every call goes into one shared log, in the order made and with
// its arguments, and answers what the test sets; nothing acts on the computer and no pause
// waits. The log may be written from a worker thread while the test reads it.

#include <chrono>
#include <cstdint>
#include <cstdio>
#include <mutex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "platform/system_actions.h"
#include "support/utf16.h"

namespace tockly::testing {

class CallLog {
public:
    void Add(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    void Clear() {
        std::lock_guard lock(mutex_);
        calls_.clear();
    }

private:
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
};

inline std::string Hex(std::uint32_t value) {
    char text[16];
    std::snprintf(text, sizeof text, "0x%X", static_cast<unsigned>(value));
    return text;
}

inline const char* OnOff(bool value) {
    return value ? "on" : "off";
}

// A fake of `Interface` that writes its calls into a shared log.
template <typename Interface>
class Recording : public Interface {
public:
    explicit Recording(CallLog& log) : log_(log) {}

protected:
    CallLog& log_;
};

class RecordingSessionPower : public Recording<SessionPower> {
public:
    using Recording::Recording;

    bool Lock() override {
        log_.Add("Lock");
        return result;
    }
    bool ExitSession(std::uint32_t flags, std::uint32_t reason) override {
        log_.Add("ExitSession flags " + Hex(flags) + " reason " + Hex(reason));
        return result;
    }
    bool Suspend(bool hibernate, bool force, bool wakeupEventsDisabled) override {
        log_.Add(std::string("Suspend hibernate ") + OnOff(hibernate) + " force " + OnOff(force) +
                 " wake-up events disabled " + OnOff(wakeupEventsDisabled));
        return result;
    }
    bool AdjustShutdownPrivilege(bool enable) override {
        log_.Add(std::string("ShutdownPrivilege ") + OnOff(enable));
        return privilegeResult;
    }

    bool result = true;  // what Lock, ExitSession and Suspend answer
    bool privilegeResult = true;
};

class RecordingProcessControl : public Recording<ProcessControl> {
public:
    using Recording::Recording;

    bool StartProgram(const ProgramStart& start) override {
        log_.Add("StartProgram " + ToUtf8(start.application) + " | " +
                 (start.commandLine ? ToUtf8(*start.commandLine) : "(none)") + " | " +
                 (start.folder ? ToUtf8(*start.folder) : "(none)"));
        return result;
    }
    bool EndProcess(std::uint32_t processId) override {
        log_.Add("EndProcess " + std::to_string(processId));
        return result;
    }

    bool result = true;
};

class RecordingScreenCapture : public Recording<ScreenCapture> {
public:
    using Recording::Recording;

    bool SaveScreenshot(std::u16string_view path, ScreenshotFormat format) override {
        static constexpr const char* kNames[] = {"png", "jpeg", "bmp"};
        log_.Add("SaveScreenshot " + ToUtf8(path) + " as " + kNames[static_cast<int>(format)]);
        return result;
    }

    bool result = true;
};

class RecordingDialUp : public Recording<DialUp> {
public:
    using Recording::Recording;

    std::vector<PhoneBookEntry> Entries() override {
        log_.Add("Entries");
        return entries;
    }
    void StartDial(std::u16string_view entryName) override {
        log_.Add("StartDial " + ToUtf8(entryName));
    }
    void StartHangUp(std::u16string_view entryName) override {
        log_.Add("StartHangUp " + ToUtf8(entryName));
    }

    std::vector<PhoneBookEntry> entries;
};

class RecordingSoundPlayer : public Recording<SoundPlayer> {
public:
    using Recording::Recording;

    bool Play(std::u16string_view file) override {
        log_.Add("Play " + ToUtf8(file));
        return result;
    }
    bool PlayToEnd(std::u16string_view file) override {
        log_.Add("PlayToEnd " + ToUtf8(file));
        return result;
    }
    bool PlayLooping(std::u16string_view file) override {
        log_.Add("PlayLooping " + ToUtf8(file));
        return result;
    }
    void Stop() override { log_.Add("StopSound"); }

    bool result = true;
};

class RecordingPause : public Recording<Pause> {
public:
    using Recording::Recording;

    void Wait(std::chrono::milliseconds duration) override {
        log_.Add("Pause " + std::to_string(duration.count()) + " ms");
    }
};

// `actions` refers to the members above it, so the bundle stays where it was made.
struct FakeSystemActions {
    FakeSystemActions() = default;
    FakeSystemActions(const FakeSystemActions&) = delete;
    FakeSystemActions& operator=(const FakeSystemActions&) = delete;

    CallLog log;
    RecordingSessionPower session{log};
    RecordingProcessControl processes{log};
    RecordingScreenCapture screen{log};
    RecordingDialUp dialUp{log};
    RecordingSoundPlayer sound{log};
    RecordingPause pause{log};
    SystemActions actions{session, processes, screen, dialUp, sound, pause};
};

}  // namespace tockly::testing
