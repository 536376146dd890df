// Saves the task store over and over through the program's own writer, switching between two
// sets of tasks, until it is killed. The killing test gives the data folder and the name of an
// event to set once the first save is done.

#include <windows.h>

#include <string>

#include "shell/app_settings.h"
#include "support/fake_outside_world.h"
#include "support/wide_text.h"
#include "task_samples.h"
#include "tasks/win32_task_store_file.h"

int wmain(int argc, wchar_t** argv) {
    if (argc != 3) {
        return 2;
    }
    tockly::testing::FakeOutsideWorld fake;
    fake.program.appDataFolder = tockly::FromWide(argv[1]);
    tockly::AppSettings settings(fake.world);
    const tockly::TaskStore stores[] = {tockly::testing::SampleStore(),
                                        tockly::testing::ManyTasks(40)};
    HANDLE started = ::OpenEventW(EVENT_MODIFY_STATE, FALSE, argv[2]);
    for (unsigned long long round = 0;; ++round) {
        if (!tockly::WriteTaskStoreFile(settings, stores[round % 2])) {
            return 3;
        }
        if (round == 0 && started) {
            ::SetEvent(started);
        }
    }
}
