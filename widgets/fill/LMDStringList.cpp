#include "widgets/fill/LMDStringList.h"

#include <algorithm>
#include <cstring>
#include <vector>

#include "framework/Exceptions.h"
#include "framework/Stream.h"
#include "widgets/fill/LMDLzrw.h"

namespace {
constexpr std::size_t kMaxNameLength = 255;

TLMDListItem* NewStringListItem(fw::Component* owner)
{
    return new TLMDStringListItem(owner);
}
}  // namespace

// ---- TLMDListItem

TLMDListItem::~TLMDListItem()
{
    if (container_)
        container_->Detach(this);
}

bool TLMDListItem::InheritsFrom(const std::string& className) const
{
    return className == "TLMDListItem" || TLMDCustomComponent::InheritsFrom(className);
}

void TLMDListItem::ReadData(fw::Stream&) {}

void TLMDListItem::WriteData(fw::Stream&) {}

std::uint8_t TLMDListItem::StreamFlags() const
{
    std::uint8_t flags = 0;
    if (compressed_)
        flags |= kFlagCompressed;
    if (!description_.empty())
        flags |= kFlagDescription;
    if (ident_ != 0)
        flags |= kFlagIdent;
    return flags;
}

TLMDListItem::Header TLMDListItem::ReadHeader(fw::Stream& stream)
{
    Header header;
    header.flags = stream.ReadUInt8();
    if (header.flags & kFlagDescription) {
        header.description.resize(stream.ReadUInt8());
        stream.ReadBuffer(header.description.data(), header.description.size());
    }
    if (header.flags & kFlagIdent)
        header.ident = static_cast<std::uint16_t>(stream.ReadUInt32() & 0xFFFF);
    return header;
}

void TLMDListItem::WriteHeader(fw::Stream& stream, std::uint8_t flags) const
{
    stream.WriteUInt8(flags);
    if (flags & kFlagDescription) {
        // The length is one byte: a longer name is stored cut.
        std::size_t n = std::min(description_.size(), kMaxNameLength);
        stream.WriteUInt8(static_cast<std::uint8_t>(n));
        stream.WriteBuffer(description_.data(), n);
    }
    if (flags & kFlagIdent)
        stream.WriteUInt32(ident_);
}

void TLMDListItem::ApplyHeader(Header header)
{
    compressed_ = (header.flags & kFlagCompressed) != 0;
    description_ = std::move(header.description);
    ident_ = header.ident;
}

// ---- TLMDStringListItem

bool TLMDStringListItem::InheritsFrom(const std::string& className) const
{
    return className == "TLMDStringListItem" || TLMDListItem::InheritsFrom(className);
}

void TLMDStringListItem::Assign(const fw::Component& source)
{
    const auto* other = dynamic_cast<const TLMDStringListItem*>(&source);
    if (!other) {
        TLMDListItem::Assign(source);
        return;
    }
    SetCompressed(other->Compressed());
    SetDescription(other->Description());
    SetIdent(other->Ident());
    items_.Assign(other->items_);
}

std::uint8_t TLMDStringListItem::StreamFlags() const
{
    std::uint8_t flags = TLMDListItem::StreamFlags();
    if (!IsEmpty())
        flags |= kFlagData;
    return flags;
}

namespace {

const char* Find(const char* from, const char* end, char c)
{
    if (from == end)
        return end;
    const void* at = std::memchr(from, c, static_cast<std::size_t>(end - from));
    return at ? static_cast<const char*>(at) : end;
}

}  // namespace

// By whole searches, not byte by byte: a value of 32 KB can hold thousands of lines.
void TLMDStringListItem::SplitLines(const unsigned char* text, std::size_t size, fw::StringList& lines)
{
    std::vector<std::string> found;
    const char* p = reinterpret_cast<const char*>(text);
    const char* end = size == 0 ? p : Find(p, p + size, '\0');
    // Each line but the last ends at a break, so this many lines at most.
    found.reserve(static_cast<std::size_t>(std::count(p, end, '\r') + std::count(p, end, '\n')) + 1);
    const char* cr = Find(p, end, '\r');
    const char* lf = Find(p, end, '\n');
    while (p < end) {
        if (cr < p)
            cr = Find(p, end, '\r');
        if (lf < p)
            lf = Find(p, end, '\n');
        const char* stop = std::min(cr, lf);
        found.emplace_back(p, stop);
        p = stop;
        if (p < end && *p == '\r')
            ++p;
        if (p < end && *p == '\n')
            ++p;
    }
    lines = fw::StringList(std::move(found));
}

void TLMDStringListItem::ReadData(fw::Stream& stream)
{
    // Everything is read before anything changes, so a bad value leaves the item as it was.
    Header header = ReadHeader(stream);
    fw::StringList lines;
    if (header.flags & kFlagData) {
        std::vector<unsigned char> text;
        if (header.flags & kFlagCompressed) {
            lzrw::ReadChunked(stream, text);
        } else {
            std::uint32_t length = stream.ReadUInt32();
            if (length > stream.Remaining())
                throw fw::EReadError();
            text.resize(length);
            stream.ReadBuffer(text.data(), text.size());
        }
        SplitLines(text.data(), text.size(), lines);
    }
    ApplyHeader(std::move(header));
    items_ = std::move(lines);
}

void TLMDStringListItem::WriteData(fw::Stream& stream)
{
    std::uint8_t flags = StreamFlags();
    WriteHeader(stream, flags);
    if (!(flags & kFlagData))
        return;
    std::size_t size = 0;
    for (const std::string& line : items_.lines())
        size += line.size() + 2;
    std::string text;
    text.reserve(size);
    for (const std::string& line : items_.lines()) {
        text += line;
        text += "\r\n";
    }
    const auto* bytes = reinterpret_cast<const unsigned char*>(text.data());
    if (flags & kFlagCompressed) {
        lzrw::WriteChunked(stream, bytes, text.size());
        return;
    }
    stream.WriteUInt32(static_cast<std::uint32_t>(text.size()));
    stream.WriteBuffer(bytes, text.size());
}

// ---- TLMDStringList

TLMDStringList::TLMDStringList(fw::Component* owner) : TLMDCustomContainer(owner)
{
    SetItemClass(NewStringListItem);
}

bool TLMDStringList::InheritsFrom(const std::string& className) const
{
    return className == "TLMDStringList" || TLMDCustomContainer::InheritsFrom(className);
}

TLMDStringListItem* TLMDStringList::StringItem(int index) const
{
    return dynamic_cast<TLMDStringListItem*>(Item(index));
}
