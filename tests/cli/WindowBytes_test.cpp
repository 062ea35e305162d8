// The command's write and the window's write button make the same file for the same choices.
#include <windows.h>

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <memory>

#include "../framework/BoxWatcher.h"
#include "../framework/GuiTestUtil.h"
#include "app/Unit1.h"
#include "cli/WriteChoice.h"

namespace {

std::string ReadAll(const std::wstring& path)
{
    std::ifstream in(path.c_str(), std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), {});
}

void TypeInCell(fw::StringGrid& grid, int col, int row, const std::string& text)
{
    fwtest::ClickCell(grid, col, row);  // select
    fwtest::ClickCell(grid, col, row);  // then open the editor
    ASSERT_TRUE(grid.EditorMode());
    fwtest::Type(text);
}

TEST(CommandAndWindow, WriteTheSameBytesForTheSameChoices)
{
    fwtest::ScratchFolder dir;
    auto form = std::make_unique<TForm1>();
    form->Show();
    form->SCButtonEdit1->SetText(dir.Narrow());
    fwtest::Drain();
    fwtest::StepList(*form->ComboBox1, 3);  // traps
    fwtest::StepList(*form->ComboBox2, 0);  // locks
    fwtest::StepList(*form->ComboBox3, 5);  // scrolls, then custom to type over it
    fwtest::StepList(*form->ComboBox3, 6);
    TypeInCell(*form->StringGrid1, 3, 1, "1234");
    TypeInCell(*form->StringGrid1, 3, 2, "7");
    {
        testing_support::BoxWatcher watcher({form->Handle()});
        RECT b = form->SpeedButton1->BoundsRect();
        fwtest::Click(form->Handle(), (b.left + b.right) / 2, (b.top + b.bottom) / 2);
        fwtest::Drain();
        ASSERT_TRUE(watcher.Seen().found);
    }

    std::array<cli::Choice, 3> choices;  // locks, traps, scrolls: --locks 0 --traps 3 --scrolls 5:1234,7
    ASSERT_FALSE(cli::ParseChoice("0", 40, choices[0]));
    ASSERT_FALSE(cli::ParseChoice("3", 40, choices[1]));
    ASSERT_FALSE(cli::ParseChoice("5:1234,7", 9, choices[2]));
    std::string window = ReadAll(dir.Path() + L"\\override\\xpbonus.2da");
    ASSERT_FALSE(window.empty());
    EXPECT_EQ(window, cli::TableBytes(choices, nullptr));
}

}  // namespace
