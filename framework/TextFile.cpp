#include "framework/TextFile.h"

#include "framework/Exceptions.h"

namespace fw {

namespace {

[[noreturn]] void RaiseLastError()
{
    DWORD code = GetLastError();
    throw EInOutError(code ? static_cast<int>(code) : kIoDiskFull);
}

bool PlatformWrite(HANDLE file, const char* data, DWORD size, DWORD* written)
{
    return WriteFile(file, data, size, written, nullptr) != FALSE;
}

}  // namespace

TextFile::TextFile() : blockWriter_(PlatformWrite) {}

TextFile::~TextFile()
{
    if (handle_ != INVALID_HANDLE_VALUE)
        CloseHandle(handle_);
}

void TextFile::Open(const std::wstring& path, DWORD disposition, DWORD shareMode)
{
    if (IsOpen())
        throw EInOutError(kIoTooManyOpenFiles);
    handle_ = CreateFileW(path.c_str(), GENERIC_WRITE, shareMode, nullptr, disposition, FILE_ATTRIBUTE_NORMAL,
                          nullptr);
    if (handle_ == INVALID_HANDLE_VALUE)
        RaiseLastError();
    used_ = 0;
}

void TextFile::Flush()
{
    if (used_ == 0)
        return;
    DWORD written = 0;
    SetLastError(0);
    if (!blockWriter_(handle_, buffer_, static_cast<DWORD>(used_), &written))
        RaiseLastError();
    if (written != used_)
        throw EInOutError(kIoDiskFull);  // a short write means the disk is full
    used_ = 0;
}

void TextFile::Write(std::string_view text)
{
    if (!IsOpen())
        throw EInOutError(103);  // file not open
    while (!text.empty()) {
        size_t n = kBlockSize - used_;
        if (n > text.size())
            n = text.size();
        text.copy(buffer_ + used_, n);
        used_ += n;
        text.remove_prefix(n);
        if (used_ == kBlockSize)
            Flush();
    }
}

void TextFile::WriteLine(std::string_view text)
{
    Write(text);
    Write("\r\n");
}

void TextFile::Close()
{
    if (!IsOpen())
        throw EInOutError(103);
    HANDLE handle = handle_;
    try {
        Flush();
    } catch (...) {
        handle_ = INVALID_HANDLE_VALUE;
        CloseHandle(handle);
        throw;
    }
    handle_ = INVALID_HANDLE_VALUE;
    if (!CloseHandle(handle))
        RaiseLastError();
}

}  // namespace fw
