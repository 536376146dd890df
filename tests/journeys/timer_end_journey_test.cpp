// A timer with an end message and a looping sound, running when the program starts (written into
// the store before the start): at its end the message view shows the message and its Stop button,
// a click on Stop ends the sound (the platform's own trace shows the loop started and stopped) and
// hides the button, and the timer's row on the timer page shows it stopped.
//
// Wine's PlaySoundW plays through the sound driver; without an audio device the asynchronous loop
// fails in its own thread, so what can be observed is what the program asked of the platform.

#include <cstring>

#include "journey.h"
#include "platform_trace.h"

namespace tockly::journeys {
namespace {

// Half a second of silence as an 8 kHz, 8-bit mono PCM wave file.
void WriteWave(const std::wstring& file) {
    const std::uint32_t samples = 4000;
    std::vector<std::uint8_t> bytes;
    const auto text = [&](const char* four) { bytes.insert(bytes.end(), four, four + 4); };
    const auto number = [&](std::uint32_t value, int size) {
        for (int i = 0; i < size; ++i) {
            bytes.push_back(static_cast<std::uint8_t>(value >> (8 * i)));
        }
    };
    text("RIFF");
    number(36 + samples, 4);
    text("WAVE");
    text("fmt ");
    number(16, 4);
    number(1, 2);     // PCM
    number(1, 2);     // mono
    number(8000, 4);  // samples a second
    number(8000, 4);  // bytes a second
    number(1, 2);     // block
    number(8, 2);     // bits
    text("data");
    number(samples, 4);
    bytes.insert(bytes.end(), samples, 128);
    testing::WriteFileBytes(file, bytes);
}

// The visible message view: the one widget of its size.
HWND MessageView(DWORD process) {
    for (const TopWindow& top : VisibleWidgets(process)) {
        if (top.width() == 315 && top.height() == 170) {
            return top.window;
        }
    }
    return nullptr;
}

TEST(TimerEndJourney, TheMessageViewShowsAtTheEndAndStopEndsTheLoopingSound) {
    ForgetEverything();
    const std::wstring sound = testing::MakeScratchFolder(L"journey-sound") + L"\\Tea is ready.wav";
    WriteWave(sound);
    TimerTask timer;
    timer.title = u"Tea";
    timer.duration = {0, 0, 0, 4};
    timer.remainingSeconds = 4;
    timer.showMessageAfterEnd = true;
    timer.messageText = u"The tea is ready.";
    timer.playSoundAfterEnd = true;
    timer.soundFile = std::u16string(sound.begin(), sound.end());
    timer.soundRepetition = kSoundRepeated;
    timer.shown = true;
    timer.running = true;
    timer.x = 40;
    timer.y = 40;
    TaskStore store;
    store.timer = {timer};
    WriteStore(store);
    PlatformTrace trace(L"winmm.PlaySoundW");
    ASSERT_TRUE(trace.available()) << "the journeys run under with_trace.sh";

    Person person;
    Tockly tockly;
    ASSERT_TRUE(tockly.started());
    HWND view = nullptr;
    ASSERT_TRUE(testing::WaitUntil([&] {
        view = MessageView(tockly.id());
        return view != nullptr;
    })) << "the message view is shown at the timer's end";
    HWND stop = nullptr;
    EXPECT_TRUE(testing::WaitUntil([&] {
        stop = FindVisibleControl(view, L"Stop");
        return stop != nullptr;
    })) << "Stop is shown while the sound loops";
    const std::vector<std::wstring> texts = VisibleTexts(view);
    EXPECT_NE(std::find(texts.begin(), texts.end(), L"The tea is ready."), texts.end());
    person.Shot("timer-end-message");
    // The file, the program's module, SND_FILENAME | SND_ASYNC | SND_LOOP.
    EXPECT_TRUE(testing::WaitUntil([&] { return trace.Calls("PlaySoundW", ",00020009)") == 1; }))
        << trace.Lines("PlaySoundW");
    ASSERT_NE(stop, nullptr);
    ASSERT_TRUE(person.ClickCentre(stop));
    EXPECT_TRUE(testing::WaitUntil([&] {
        return trace.Calls("PlaySoundW", "(00000000,00000000,00000000)") == 1;
    })) << "Stop ends the loop\n"
        << trace.Lines("PlaySoundW");
    EXPECT_TRUE(testing::WaitUntil([&] { return FindVisibleControl(view, L"Stop") == nullptr; }))
        << "Stop hides itself";
    ::Sleep(1000);
    EXPECT_EQ(trace.Calls("PlaySoundW"), 2) << "nothing plays after Stop";

    // The timer page: its row shows the timer stopped.
    ASSERT_TRUE(person.ClickTrayIcon());
    ASSERT_NE(tockly.ShownMainWindow(), nullptr);
    ASSERT_TRUE(person.ClickCentre(tockly.Control(L"Counting")));
    ASSERT_TRUE(person.ClickCentre(tockly.Control(L"Timer")));
    person.Shot("timer-end-row");
    ASSERT_TRUE(tockly.process().PostQuit());
    EXPECT_EQ(tockly.process().WaitForExit(), 0u);
    const std::optional<TaskStore> saved = SavedStore();
    ASSERT_TRUE(saved);
    ASSERT_EQ(saved->timer.size(), 1u);
    EXPECT_FALSE(saved->timer[0].running) << "the row's play toggle is off";
    EXPECT_EQ(saved->timer[0].remainingSeconds, 0);
}

}  // namespace
}  // namespace tockly::journeys
