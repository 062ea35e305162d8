// Named items of a container, the item that holds a list of lines, and the
// container of such items. Each item persists as one binary value ("Internal").
#pragma once

#include <cstdint>
#include <string>

#include "framework/StringList.h"
#include "widgets/fill/LMDCustomContainer.h"

namespace fw {
class Stream;
}

class TLMDListItem : public TLMDCustomComponent {
public:
    // Header flags of the stored value.
    enum : std::uint8_t { kFlagCompressed = 1, kFlagDescription = 2, kFlagIdent = 4, kFlagData = 8 };

    explicit TLMDListItem(fw::Component* owner = nullptr) : TLMDCustomComponent(owner) {}
    // Leaves its container's list.
    ~TLMDListItem() override;

    std::string ClassName() const override { return "TLMDListItem"; }
    bool InheritsFrom(const std::string& className) const override;

    const std::string& Description() const { return description_; }
    void SetDescription(std::string value) { description_ = std::move(value); }
    std::uint16_t Ident() const { return ident_; }
    void SetIdent(std::uint16_t value) { ident_ = value; }
    bool Compressed() const { return compressed_; }
    TLMDCustomContainer* Container() const { return container_; }

    virtual void ClearData() {}
    virtual bool IsEmpty() const { return false; }
    virtual void ReadData(fw::Stream& stream);
    virtual void WriteData(fw::Stream& stream);
    virtual std::uint8_t StreamFlags() const;

protected:
    struct Header {
        std::uint8_t flags = 0;
        std::string description;
        std::uint16_t ident = 0;
    };
    // A header cut short throws EReadError.
    static Header ReadHeader(fw::Stream& stream);
    void WriteHeader(fw::Stream& stream, std::uint8_t flags) const;
    void ApplyHeader(Header header);
    void SetCompressed(bool value) { compressed_ = value; }

private:
    friend class TLMDCustomContainer;
    std::string description_;
    std::uint16_t ident_ = 0;
    bool compressed_ = false;
    TLMDCustomContainer* container_ = nullptr;
};

class TLMDStringListItem : public TLMDListItem {
public:
    explicit TLMDStringListItem(fw::Component* owner = nullptr) : TLMDListItem(owner) {}

    std::string ClassName() const override { return "TLMDStringListItem"; }
    bool InheritsFrom(const std::string& className) const override;

    fw::StringList& Items() { return items_; }
    const fw::StringList& Items() const { return items_; }
    void SetItems(const fw::StringList& lines) { items_.Assign(lines); }

    // From a string list: the lines only. From another string-list item: Compressed,
    // Description, Ident and the lines. Anything else throws EConvertError.
    void Assign(const fw::Component& source) override;
    void Assign(const fw::StringList& source) { items_.Assign(source); }

    void ClearData() override { items_.Clear(); }
    bool IsEmpty() const override { return items_.Count() == 0; }
    // A value that is cut short, or whose text or chunks reach beyond it, throws
    // EReadError and leaves the item unchanged.
    void ReadData(fw::Stream& stream) override;
    void WriteData(fw::Stream& stream) override;
    std::uint8_t StreamFlags() const override;

    // Lines end at CR LF, a lone CR or a lone LF; a NUL ends the text; a final line
    // break adds no empty line.
    static void SplitLines(const unsigned char* text, std::size_t size, fw::StringList& lines);

private:
    fw::StringList items_;
};

class TLMDStringList : public TLMDCustomContainer {
public:
    explicit TLMDStringList(fw::Component* owner = nullptr);

    std::string ClassName() const override { return "TLMDStringList"; }
    bool InheritsFrom(const std::string& className) const override;

    // Item(index) as a string-list item; nullptr when an item of another class was added.
    TLMDStringListItem* StringItem(int index) const;
};
