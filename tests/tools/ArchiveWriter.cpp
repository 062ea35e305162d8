#include "tests/tools/ArchiveWriter.h"

#include <zlib.h>

#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "table/Templates.h"
#include "table/XpBonusTable.h"
#include "game/KeyFile.h"
#include "game/TwoDaText.h"

namespace gametools {

namespace {

void Put16(std::string& out, std::uint32_t v)
{
    out += static_cast<char>(v & 0xFF);
    out += static_cast<char>(v >> 8 & 0xFF);
}

void Put32(std::string& out, std::uint32_t v)
{
    Put16(out, v & 0xFFFF);
    Put16(out, v >> 16);
}

std::string Deflate(std::string_view plain)
{
    uLongf size = compressBound(static_cast<uLong>(plain.size()));
    std::string out(size, '\0');
    if (compress2(reinterpret_cast<Bytef*>(out.data()), &size, reinterpret_cast<const Bytef*>(plain.data()),
                  static_cast<uLong>(plain.size()), Z_DEFAULT_COMPRESSION) != Z_OK)
        throw std::runtime_error("zlib could not compress");
    out.resize(size);
    return out;
}

const std::uint16_t kTypes[] = {0x03EF /*ARE*/, 0x03ED /*ITM*/, 0x03F3 /*SPL*/, 0x03F4 /*2DA*/, 0x03F1 /*CRE*/};

}  // namespace

std::uint32_t MakeLocator(std::uint32_t archiveIndex, std::uint32_t fileIndex) { return archiveIndex << 20 | fileIndex; }

std::string MakeBiff(const std::vector<ArchivedResource>& resources, bool dataFirst)
{
    std::uint32_t table = 20;
    std::uint32_t at = dataFirst ? 20 : 20 + 16 * static_cast<std::uint32_t>(resources.size());
    std::string data, entries;
    for (const ArchivedResource& r : resources) {
        Put32(entries, r.locator);
        Put32(entries, at + static_cast<std::uint32_t>(data.size()));
        Put32(entries, static_cast<std::uint32_t>(r.data.size()));
        Put16(entries, r.type);
        Put16(entries, 0);
        data += r.data;
    }
    if (dataFirst)
        table = 20 + static_cast<std::uint32_t>(data.size());
    std::string out = "BIFFV1  ";
    Put32(out, static_cast<std::uint32_t>(resources.size()));
    Put32(out, 0);
    Put32(out, table);
    return out + (dataFirst ? data + entries : entries + data);
}

std::string MakeBifc(std::string_view biff, std::size_t blockSize)
{
    std::string out = "BIFCV1.0";
    Put32(out, static_cast<std::uint32_t>(biff.size()));
    for (std::size_t at = 0; at < biff.size(); at += blockSize) {
        std::string_view block = biff.substr(at, blockSize);
        std::string packed = Deflate(block);
        Put32(out, static_cast<std::uint32_t>(block.size()));
        Put32(out, static_cast<std::uint32_t>(packed.size()));
        out += packed;
    }
    return out;
}

std::string MakeBifV10(std::string_view biff, std::string_view name)
{
    std::string out = "BIF V1.0";
    Put32(out, static_cast<std::uint32_t>(name.size() + 1));
    out += name;
    out += '\0';
    std::string packed = Deflate(biff);
    Put32(out, static_cast<std::uint32_t>(biff.size()));
    Put32(out, static_cast<std::uint32_t>(packed.size()));
    return out + packed;
}

std::string MakeKey(const std::vector<IndexedArchive>& archives, const std::vector<IndexedResource>& resources)
{
    const std::uint32_t archiveOffset = 24;
    std::uint32_t names = archiveOffset + 12 * static_cast<std::uint32_t>(archives.size());
    std::string entries, nameBytes;
    for (const IndexedArchive& a : archives) {
        Put32(entries, a.length);
        Put32(entries, names + static_cast<std::uint32_t>(nameBytes.size()));
        Put16(entries, static_cast<std::uint32_t>(a.name.size() + 1));
        Put16(entries, a.location);
        nameBytes += a.name + '\0';
    }
    std::string out = "KEY V1  ";
    Put32(out, static_cast<std::uint32_t>(archives.size()));
    Put32(out, static_cast<std::uint32_t>(resources.size()));
    Put32(out, archiveOffset);
    Put32(out, names + static_cast<std::uint32_t>(nameBytes.size()));
    out += entries + nameBytes;
    for (const IndexedResource& r : resources) {
        std::string resref = r.resref.substr(0, 8);
        resref.resize(8, '\0');
        out += resref;
        Put16(out, r.type);
        Put32(out, r.locator);
    }
    return out;
}

std::string EncryptText(std::string_view text)
{
    // The XOR is its own inverse: decrypting a marked text encrypts it.
    bool encrypted = false;
    return "\xFF\xFF" + game::DecryptText("\xFF\xFF" + std::string(text), encrypted);
}

std::string StockTableText()
{
    app::CellTable cells;
    app::BuiltInTemplates templates;
    app::CopyColumn(templates.Lines(0), app::kTrapsColumn, cells);
    app::CopyColumn(templates.Lines(1), app::kLocksColumn, cells);
    app::CopyColumn(templates.Lines(2), app::kScrollsColumn, cells);
    return app::RenderXpBonusText(cells);
}

void WriteBytes(const Path& file, std::string_view bytes)
{
    if (file.has_parent_path())
        std::filesystem::create_directories(file.parent_path());
    std::ofstream out(file, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    if (!out.flush())
        throw std::runtime_error("cannot write " + file.string());
}

std::uint64_t WriteGameFolder(const Path& folder, const GameFolderPlan& plan)
{
    std::vector<IndexedArchive> archives;
    std::vector<IndexedResource> index;
    for (int a = 0; a < plan.archives; ++a) {
        std::string base = "Data" + std::to_string(a);
        std::vector<ArchivedResource> resources;
        for (int i = 0; i < plan.resourcesPerArchive; ++i) {
            bool table = a + 1 == plan.archives && i + 1 == plan.resourcesPerArchive;
            std::uint16_t type = table ? game::kTwoDaType : kTypes[i % 5];
            std::string resref = table ? "XPBONUS" : "R" + std::to_string(a) + "X" + std::to_string(i);
            std::uint32_t fileIndex = static_cast<std::uint32_t>(i) & 0x3FFF;
            resources.push_back({fileIndex, type, table ? plan.tableText : std::string(16 + i % 48, char('a' + i % 26))});
            index.push_back({resref, type, MakeLocator(static_cast<std::uint32_t>(a), fileIndex)});
        }
        std::string biff = MakeBiff(resources);
        std::string name = base + (plan.form == GameArchiveForm::Cbf ? ".cbf" : ".bif");
        std::string bytes = plan.form == GameArchiveForm::Biff ? biff
                            : plan.form == GameArchiveForm::Bifc ? MakeBifc(biff)
                                                                 : MakeBifV10(biff, name);
        WriteBytes(folder / "data" / name, bytes);
        archives.push_back({"data\\" + base + ".bif", static_cast<std::uint32_t>(bytes.size()), 1});
    }
    // The table's entry stands last in the KEY too, so a lookup scans the whole index.
    std::string key = MakeKey(archives, index);
    WriteBytes(folder / "chitin.key", key);
    return key.size();
}

}  // namespace gametools
