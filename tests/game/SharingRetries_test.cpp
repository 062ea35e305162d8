// The Windows layer against a table another program holds open, whatever sharing it asked
// for: 32 after the retries, and through once the holder lets go during them. Sharing is
// checked per handle, so a handle of the test's own is the holder; the pause is counted,
// never timed, and is where the holder lets go.
#include <windows.h>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "../framework/InOutCode.h"
#include "TempFolder.h"
#include "game/FileSystem.h"
#include "game/TableWriter.h"
#include "game/TransientRetry.h"

namespace {

namespace fs = std::filesystem;

// The other program's handle, let go in the first pause when asked to.
struct Holder {
    HANDLE held;
    bool letGo;
    int pauses = 0;
    static void Pause(unsigned, void* context)
    {
        auto& self = *static_cast<Holder*>(context);
        if (++self.pauses == 1 && self.letGo)
            CloseHandle(std::exchange(self.held, INVALID_HANDLE_VALUE));
    }
};

// The writer's write and removal, then the layer's own replace and removal, past its check.
enum class Step { Write, Remove, Replace, RemoveFile };

TEST(SharingRetries, AHeldTableSays32AfterTheRetriesAndGoesThroughOnceLetGo)
{
    for (Step step : {Step::Write, Step::Remove, Step::Replace, Step::RemoveFile})
        for (DWORD sharing : {0, 1, 3, 7})  // none, read, read and write, and delete too
            for (bool letGo : {false, true}) {
                SCOPED_TRACE(std::to_string(int(step)) + " " + std::to_string(sharing) + " " + std::to_string(letGo));
                gametest::TempFolder game;
                const fs::path table = game.Path() / "override" / "xpbonus.2da", other = table.parent_path() / "n.tmp";
                fs::create_directories(table.parent_path());
                std::ofstream(table) << "old";
                std::ofstream(other) << "new";
                Holder holder{CreateFileW(table.c_str(), GENERIC_READ, sharing, nullptr, OPEN_EXISTING, 0, nullptr), letGo};
                ASSERT_NE(holder.held, INVALID_HANDLE_VALUE);
                auto files = game::Win32FilesPausing(&Holder::Pause, &holder);
                game::WriteOptions options;
                options.files = files.get();
                int code = fwtest::InOutCodeOf([&] {
                    step == Step::Write     ? void(game::WriteTable(game.Path(), "new", options))
                    : step == Step::Remove  ? void(game::RemoveTable(game.Path(), options))
                    : step == Step::Replace ? files->Replace(other, table)
                                            : files->RemoveFile(table);
                });
                if (holder.held != INVALID_HANDLE_VALUE)
                    CloseHandle(holder.held);
                // Windows removes a file held with delete sharing at once.
                bool atOnce = step == Step::RemoveFile && (sharing & FILE_SHARE_DELETE);
                EXPECT_EQ(code, letGo || atOnce ? 0 : 32);
                EXPECT_EQ(holder.pauses, atOnce ? 0 : letGo ? 1 : game::kTransientRetries);
            }
}

}  // namespace
