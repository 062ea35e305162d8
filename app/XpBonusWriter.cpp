#include "app/XpBonusWriter.h"

#include <windows.h>

#include "app/XpBonusTable.h"
#include "framework/Application.h"
#include "framework/Cp1251.h"
#include "framework/Cp1251Literal.h"
#include "framework/Exceptions.h"

namespace app {

using namespace fw::literals;

namespace {

const wchar_t kFileName[] = L"xpbonus.2da";

[[noreturn]] void RaiseInvalidName()
{
    throw fw::EInOutError(fw::kIoInvalidFilename);
}

[[noreturn]] void RaiseLastError()
{
    DWORD code = GetLastError();
    throw fw::EInOutError(code ? static_cast<int>(code) : fw::kIoInvalidFilename);
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

// The long-path form lets paths past 259 characters through.
std::wstring LongPathForm(const std::wstring& fullPath)
{
    if (fullPath.rfind(L"\\\\", 0) == 0)
        return L"\\\\?\\UNC\\" + fullPath.substr(2);
    return L"\\\\?\\" + fullPath;
}

std::wstring FullPath(const std::wstring& path)
{
    DWORD n = GetFullPathNameW(path.c_str(), 0, nullptr, nullptr);
    if (n == 0)
        RaiseInvalidName();
    std::wstring full(n, L'\0');
    n = GetFullPathNameW(path.c_str(), n, full.data(), nullptr);
    if (n == 0 || n >= full.size())
        RaiseInvalidName();
    full.resize(n);
    return full;
}

bool IsDirectory(const std::wstring& path)
{
    DWORD attributes = GetFileAttributesW(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY);
}

// Creates every missing folder of a long-path form, outermost first. Failures are left
// for the file creation that follows to report.
void CreateFolders(const std::wstring& folder)
{
    if (IsDirectory(folder))
        return;
    // Skip the root: "\\?\C:\" or "\\?\UNC\server\share\".
    size_t pos;
    if (folder.rfind(L"\\\\?\\UNC\\", 0) == 0) {
        pos = folder.find(L'\\', 8);
        pos = pos == std::wstring::npos ? pos : folder.find(L'\\', pos + 1);
    } else {
        pos = folder.find(L'\\', 4);
    }
    while (pos != std::wstring::npos) {
        pos = folder.find(L'\\', pos + 1);
        std::wstring part = folder.substr(0, pos);
        if (!IsDirectory(part))
            CreateDirectoryW(part.c_str(), nullptr);
    }
}

// Deletes the temporary file unless it has been moved into place.
class TemporaryFile {
public:
    TemporaryFile() = default;
    ~TemporaryFile()
    {
        if (!path_.empty())
            DeleteFileW(path_.c_str());
    }
    TemporaryFile(const TemporaryFile&) = delete;
    TemporaryFile& operator=(const TemporaryFile&) = delete;
    void Set(std::wstring path) { path_ = std::move(path); }
    const std::wstring& Path() const { return path_; }
    void Release() { path_.clear(); }

private:
    std::wstring path_;
};

// Opens a fresh temporary file beside the target, named so that no other run collides.
std::wstring OpenTemporary(fw::TextFile& file, const std::wstring& folder)
{
    static unsigned counter = 0;
    for (int attempt = 0;; ++attempt) {
        // Narrow digits widened: std::to_wstring would bring the C library's wide printf along.
        std::wstring path = folder + L"\\" + kFileName + L"." + fw::Widen(std::to_string(GetCurrentProcessId())) +
                            L"." + fw::Widen(std::to_string(++counter)) + L".tmp";
        try {
            file.Open(path, CREATE_NEW, 0);
            return path;
        } catch (const fw::EInOutError& e) {
            if (e.ErrorCode() != ERROR_FILE_EXISTS || attempt > 100)
                throw;
        }
    }
}

// The existing file must be one we may replace: write access, and nobody else writing it.
void CheckExistingTarget(const std::wstring& target)
{
    HANDLE h = CreateFileW(target.c_str(), GENERIC_WRITE, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                           FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE) {
        if (GetLastError() == ERROR_FILE_NOT_FOUND)
            return;
        RaiseLastError();
    }
    CloseHandle(h);
}

}  // namespace

std::wstring OverrideFolderFor(const std::string& gameFolder)
{
    std::wstring base = fw::Widen(gameFolder);
    if (!IsAbsoluteWindowsPath(base))
        RaiseInvalidName();
    if (!IsSeparator(base.back()))
        base += L'\\';
    std::wstring full = FullPath(base + L"override");
    return LongPathForm(full);
}

std::wstring WriteXpBonusFile(const std::string& gameFolder, CellAccess& cells, const WriteOptions& options)
{
    std::wstring folder = OverrideFolderFor(gameFolder);
    CreateFolders(folder);
    std::wstring target = folder + L"\\" + kFileName;
    CheckExistingTarget(target);

    // Declared before the file, so the file is closed before the temporary is deleted.
    TemporaryFile temporary;
    fw::TextFile file;
    if (options.blockWriter)
        file.SetBlockWriter(options.blockWriter);
    temporary.Set(OpenTemporary(file, folder));
    for (RowBuilder build : XpBonusLineBuilders())
        file.WriteLine(build(cells));
    file.Close();

    if (!MoveFileExW(temporary.Path().c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH))
        RaiseLastError();
    temporary.Release();
    return target;
}

void ShowWriteSuccess()
{
    // Owned by the application's hidden window; the main window stays enabled.
    fw::Application::Instance().ShowMessageBox(std::string("Файл таблицы опыта успешно создан!"_cp1251), "",
                                               MB_OK | MB_ICONINFORMATION, fw::Application::BoxOthers::Enabled);
}

void WriteXpBonus(const std::string& gameFolder, CellAccess& cells)
{
    WriteXpBonusFile(gameFolder, cells);
    ShowWriteSuccess();
}

}  // namespace app
