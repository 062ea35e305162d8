// Text-file output buffered in 128-byte blocks: a full block goes to the file at once,
// the rest when the file is closed. Every failing call raises EInOutError with its code.
#pragma once

#include <windows.h>

#include <functional>
#include <string>
#include <string_view>

namespace fw {

class TextFile {
public:
    static constexpr size_t kBlockSize = 128;

    // Writes one block; returns false with the platform's last error set on failure.
    // Replaceable so that a test can make the disk fail at a chosen block.
    using BlockWriter = std::function<bool(HANDLE file, const char* data, DWORD size, DWORD* written)>;

    TextFile();
    ~TextFile();  // closes the file if still open, without writing what is buffered
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Opens the file for writing. `disposition` and `shareMode` as for CreateFileW.
    void Open(const std::wstring& path, DWORD disposition, DWORD shareMode);
    void Write(std::string_view text);
    void WriteLine(std::string_view text);  // the text, then CR LF
    // Writes the buffered rest and closes; the handle is closed even when that fails.
    void Close();
    bool IsOpen() const { return handle_ != INVALID_HANDLE_VALUE; }

    void SetBlockWriter(BlockWriter writer) { blockWriter_ = std::move(writer); }

private:
    void Flush();

    HANDLE handle_ = INVALID_HANDLE_VALUE;
    char buffer_[kBlockSize];
    size_t used_ = 0;
    BlockWriter blockWriter_;
};

}  // namespace fw
