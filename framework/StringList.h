// An unsorted list of single-byte text lines; duplicates are kept.
#pragma once

#include <string>
#include <vector>

namespace fw {

class StringList {
public:
    StringList() = default;
    explicit StringList(std::vector<std::string> lines) : lines_(std::move(lines)) {}

    int Count() const { return static_cast<int>(lines_.size()); }
    // Returns the new line's index.
    int Add(std::string line);
    void Clear() { lines_.clear(); }

    // Throws EListError ("List index out of bounds (%d)") outside 0..Count-1.
    const std::string& Strings(int index) const;
    const std::string& operator[](int index) const { return Strings(index); }

    void Assign(const StringList& source) { lines_ = source.lines_; }
    void Assign(const std::vector<std::string>& lines) { lines_ = lines; }

    const std::vector<std::string>& lines() const { return lines_; }

private:
    std::vector<std::string> lines_;
};

}  // namespace fw
