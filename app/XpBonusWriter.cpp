#include "app/XpBonusWriter.h"

#include <windows.h>

#include "table/XpBonusTable.h"
#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"
#include "game/Paths.h"

namespace app {

using namespace fw::literals;

namespace {

[[noreturn]] void RaiseInvalidName()
{
    throw fw::EInOutError(fw::kIoInvalidFilename);
}

bool IsSeparator(wchar_t c) { return c == L'\\' || c == L'/'; }

// An absolute drive path ("C:\...") or a network path ("\\server\share..."), with no
// character the file system refuses. A name that did not fit the code page arrives
// with '?' in it and is refused here, before anything is created.
bool IsAbsoluteWindowsPath(const std::wstring& path)
{
    size_t rest;
    if (path.size() >= 3 && ((path[0] >= L'A' && path[0] <= L'Z') || (path[0] >= L'a' && path[0] <= L'z')) &&
        path[1] == L':' && IsSeparator(path[2]))
        rest = 3;
    else if (path.size() >= 5 && IsSeparator(path[0]) && IsSeparator(path[1]) && !IsSeparator(path[2])) {
        // A network path needs a server and a share: "\\server\share".
        size_t share = path.find_first_of(L"\\/", 2);
        if (share == std::wstring::npos || share + 1 >= path.size() || IsSeparator(path[share + 1]))
            return false;
        rest = 2;
    } else
        return false;
    for (size_t i = rest; i < path.size(); ++i) {
        wchar_t c = path[i];
        if (c < 32 || c == L'<' || c == L'>' || c == L':' || c == L'"' || c == L'|' || c == L'?' || c == L'*')
            return false;
    }
    return true;
}

// The game folder made full once, as it comes in; every name is joined to that.
game::Path GameFolderFor(const std::string& gameFolder)
{
    std::wstring base = fw::Widen(gameFolder);
    if (!IsAbsoluteWindowsPath(base))
        RaiseInvalidName();
    return game::FullPath(game::Path(base));
}

}  // namespace

std::wstring OverrideFolderFor(const std::string& gameFolder)
{
    return (GameFolderFor(gameFolder) / game::kOverrideFolderName).native();
}

game::WriteResult WriteXpBonusFile(const std::string& gameFolder, CellAccess& cells, game::FileSystem& files)
{
    game::Path game = GameFolderFor(gameFolder);
    // Each line is built as the file takes it, so a failure leaves the rows after it untouched.
    const std::vector<RowBuilder>& builders = XpBonusLineBuilders();
    std::size_t next = 0;
    auto lines = [&]() -> std::optional<std::string> {
        if (next == builders.size())
            return std::nullopt;
        return builders[next++](cells) + "\r\n";
    };
    game::WriteOptions options;
    options.files = &files;
    // Once the table is replaced the write has succeeded, even if its folder could not be
    // flushed afterwards: the success box says what the player needs to know.
    return game::WriteTable(game, lines, options);
}

fw::EInOutError WindowFailure(const fw::EInOutError& failure)
{
    if (dynamic_cast<const game::WriterBusy*>(&failure))
        return fw::EInOutError(failure.ErrorCode(), std::string("Таблицу опыта этой игры сейчас записывает другая "
                                                                "программа; ничего не изменено, повторите чуть позже"_cp1251));
    if (const auto* unsure = dynamic_cast<const game::ReplaceUnsure*>(&failure))
        return fw::EInOutError(failure.ErrorCode(),
                               fw::FailureBoxText(failure.Message()) +
                                   std::string(" Заменена ли таблица, узнать нельзя; прежняя таблица сохранена в: "_cp1251) +
                                   fw::Narrow(unsure->Backup().native()));
    return failure;
}

void ShowWriteSuccess(bool replaceWarning)
{
    std::string_view text = replaceWarning ? "Файл таблицы опыта успешно создан!\r\nСистема сообщила о сбое при "
                                             "замене, но файл заменён."_cp1251
                                           : "Файл таблицы опыта успешно создан!"_cp1251;
    // Owned by the application's hidden window; the main window stays enabled.
    fw::Application::Instance().ShowMessageBox(std::string(text), "",
                                               MB_OK | (replaceWarning ? MB_ICONWARNING : MB_ICONINFORMATION),
                                               fw::Application::BoxOthers::Enabled);
}

void WriteXpBonus(const std::string& gameFolder, CellAccess& cells, game::FileSystem& files)
{
    bool warning = false;
    try {
        warning = WriteXpBonusFile(gameFolder, cells, files).replaceWarning.has_value();
    } catch (const fw::EInOutError& e) {
        throw WindowFailure(e);  // the failure box shows only the text
    }
    ShowWriteSuccess(warning);
}

}  // namespace app
