#include "cli/ReadErrorText.h"

#include <iterator>
#include <string_view>

#include "cli/Messages.h"
#include "cli/SystemErrorText.h"
#include "game/FileSystem.h"

namespace cli {

namespace {

using game::ReadPart;
using game::ReadProblem;

struct Wording {
    ReadProblem problem;
    std::string_view english;
    std::string_view russian;
};

// In the order of the enumeration. {part} and the numbers are the error's values; {size-bytes}
// and {end-bytes} are the number with the word for bytes that agrees with it.
constexpr Wording kWordings[] = {
    {ReadProblem::PastEnd, "{part} lies past the end of the file ({size} bytes)",
     "файл ({size-bytes}) кончается раньше {part}"},
    {ReadProblem::EndedEarly, "the file ended early while reading {part}", "файл оборвался при чтении {part}"},
    {ReadProblem::EntriesPastEnd, "{count} {part} would end at byte {end}, past the end of the file ({size} bytes)",
     "таблица {part} (всего {count}) кончалась бы на байте {end}, за концом файла ({size-bytes})"},
    {ReadProblem::KeyTruncated, "truncated header: a KEY file starts with 24 bytes",
     "заголовок обрезан: файл KEY начинается с заголовка в 24 байта"},
    {ReadProblem::NotAKey, "not a KEY V1 file (no \"KEY V1\" signature)", "не файл KEY V1 (нет сигнатуры «KEY V1»)"},
    {ReadProblem::KeyTooLarge, "too large: a KEY file over 64 MiB is not read",
     "слишком большой: файл KEY больше 64 МиБ не читается"},
    {ReadProblem::ArchiveIndexTooHigh, "the resource names archive {index}, but the KEY lists {count} archives",
     "ресурс ссылается на архив {index}, а архивов в KEY всего {count}"},
    {ReadProblem::ArchiveNamePastEnd, "the archive name lies past the end of the file", "имя архива выходит за конец файла"},
    {ReadProblem::ArchiveNameEmpty, "the archive name is empty", "имя архива пустое"},
    {ReadProblem::NameIsNetworkPath, "the archive name \"{name}\" is refused: it is a network or device path",
     "имя архива «{name}» отклонено: это сетевой путь или путь устройства"},
    {ReadProblem::NameHasDriveLetter, "the archive name \"{name}\" is refused: it starts with a drive letter",
     "имя архива «{name}» отклонено: оно начинается с буквы диска"},
    {ReadProblem::NameIsAbsolute, "the archive name \"{name}\" is refused: it is an absolute path",
     "имя архива «{name}» отклонено: это абсолютный путь"},
    {ReadProblem::NameHasEmptyPart, "the archive name \"{name}\" is refused: it has an empty part",
     "имя архива «{name}» отклонено: в нём есть пустая часть"},
    {ReadProblem::NameClimbsOut, "the archive name \"{name}\" is refused: it climbs out of the game folder with \"..\"",
     "имя архива «{name}» отклонено: оно выходит из каталога игры через «..»"},
    {ReadProblem::NameHasOddCharacter,
     "the archive name \"{name}\" is refused: it holds a character no file name of the game uses",
     "имя архива «{name}» отклонено: в нём есть знак, которого нет в именах файлов игры"},
    {ReadProblem::NameIsDevice, "the archive name \"{name}\" is refused: \"{detail}\" is a device name",
     "имя архива «{name}» отклонено: «{detail}» — имя устройства"},
    {ReadProblem::ArchiveNotFound, "the archive \"{name}\" is in none of the folders tried: {tried}",
     "архива «{name}» нет ни в одном из просмотренных каталогов: {tried}"},
    {ReadProblem::NotAnArchive, "not an archive: the file starts with none of BIFF V1, BIFC V1.0, BIF V1.0",
     "не архив: файл не начинается ни с BIFF V1, ни с BIFC V1.0, ни с BIF V1.0"},
    {ReadProblem::NotABiff, "not a BIFF V1 archive (no \"BIFFV1\" signature)", "не архив BIFF V1 (нет сигнатуры «BIFFV1»)"},
    {ReadProblem::TooManyEntries, "too large: the archive claims {count} entries, more than 1,000,000",
     "слишком большой: архив заявляет больше 1 000 000 записей ({count})"},
    {ReadProblem::NoEntry, "no entry with file index {index} among the archive's {count} entries",
     "среди записей архива (всего {count}) нет файла с индексом {index}"},
    {ReadProblem::EntryTooLarge, "too large: the table's entry holds {size} bytes, more than 1 MiB",
     "слишком большой: запись таблицы больше 1 МиБ ({size-bytes})"},
    {ReadProblem::PastDecompressedEnd,
     "{part} lies past the end of the decompressed archive ({size} bytes declared; offset {offset} is in the "
     "decompressed data)",
     "распакованный архив (заявлено {size-bytes}) кончается раньше {part}; смещение {offset} — в распакованных данных"},
    {ReadProblem::BlockShort, "the block gives fewer bytes than its header says",
     "блок даёт меньше байт, чем сказано в его заголовке"},
    {ReadProblem::BlockPastEnd, "the block's compressed data lies past the end of the file",
     "сжатые данные блока выходят за конец файла"},
    {ReadProblem::CompressedPastEnd, "the compressed data ({size} bytes) lies past the end of the file",
     "сжатые данные ({size-bytes}) выходят за конец файла"},
    {ReadProblem::StreamShort, "the zlib stream ends after {end} bytes, before the declared {size}",
     "поток zlib даёт только {end-bytes} из заявленных {size}"},
    {ReadProblem::ZlibStart, "zlib could not start", "не удалось запустить zlib"},
    {ReadProblem::ZlibEndsEarly, "the zlib stream ends early", "поток zlib обрывается раньше времени"},
    {ReadProblem::ZlibDamaged, "damaged zlib data: {detail}", "повреждённые данные zlib: {detail}"},
    {ReadProblem::TableTooLarge, "too large: a table over 1 MiB is not read",
     "слишком большой: таблица больше 1 МиБ не читается"},
    {ReadProblem::NotAGameFolder, "not a game folder: it has neither chitin.key nor override/xpbonus.2da",
     "не каталог игры: в нём нет ни chitin.key, ни override/xpbonus.2da"},
    {ReadProblem::CannotOpen, "cannot open the file: {system}", "не удаётся открыть файл: {system}"},
    {ReadProblem::CannotRead, "cannot read the file: {system}", "не удаётся прочитать файл: {system}"},
    {ReadProblem::NotRegularFile, "not a regular file", "не обычный файл"},
};

constexpr bool InOrder()
{
    for (std::size_t i = 0; i < std::size(kWordings); ++i)
        if (static_cast<std::size_t>(kWordings[i].problem) != i)
            return false;
    return std::size(kWordings) == game::kReadProblemCount;
}
static_assert(InOrder(), "one wording per problem, in the enumeration's order");

// The part being read; in Russian as it follows "раньше" or "при чтении".
constexpr struct {
    std::string_view english, russian;
} kParts[] = {
    {"the data", "данных"},
    {"the KEY header", "заголовка KEY"},
    {"the KEY file", "файла KEY"},
    {"archive entries", "записей архивов"},
    {"resource entries", "записей ресурсов"},
    {"the BIFF header", "заголовка BIFF"},
    {"the entry table", "таблицы записей"},
    {"the table's data", "данных таблицы"},
    {"the BIFC header", "заголовка BIFC"},
    {"a block header (the archive ends before its declared size)",
     "заголовка блока (архив кончается раньше заявленного размера)"},
    {"the name length", "длины имени"},
    {"the sizes after the name", "размеров после имени"},
    {"the archive's signature", "сигнатуры архива"},
    {"the compressed data", "сжатых данных"},
    {"the table", "таблицы"},
};
static_assert(std::size(kParts) == static_cast<std::size_t>(ReadPart::Table) + 1, "one name per part");

// "2 байта", "5 байт".
std::string Bytes(std::uint64_t n, Language language)
{
    if (language == Language::English)
        return std::to_string(n) + " bytes";
    const bool few = n % 10 >= 2 && n % 10 <= 4 && (n % 100 < 12 || n % 100 > 14);
    return std::to_string(n) + (few ? " байта" : " байт");
}

std::string Value(std::string_view key, const game::ReadError& error, Language language)
{
    const game::ReadValues& v = error.Values();
    auto number = [](std::uint64_t n) { return std::to_string(n); };
    if (key == "part") {
        const auto& part = kParts[static_cast<std::size_t>(v.part)];
        return std::string(language == Language::Russian ? part.russian : part.english);
    }
    if (key == "count") return number(v.count);
    if (key == "index") return number(v.index);
    if (key == "size") return number(v.size);
    if (key == "end") return number(v.end);
    if (key == "offset") return number(error.Offset().value_or(0));
    if (key == "size-bytes") return Bytes(v.size, language);
    if (key == "end-bytes") return Bytes(v.end, language);
    if (key == "name") return v.name;
    if (key == "detail") return v.detail;
    if (key == "system") return SystemErrorText(v.systemError, language);
    if (key != "tried")
        return "{" + std::string(key) + "}";
    std::string tried;
    for (const game::Path& folder : v.tried)
        tried += (tried.empty() ? "" : ", ") + game::ToUtf8(folder);
    return tried;
}

}  // namespace

std::string ReadErrorText(const game::ReadError& error, Language language)
{
    std::string text = game::ToUtf8(error.File());
    if (error.Offset())
        text += (language == Language::Russian ? ", смещение " : " at offset ") + std::to_string(*error.Offset());
    text += ": ";
    const Wording& wording = kWordings[static_cast<std::size_t>(error.Problem())];
    std::string_view pattern = language == Language::Russian ? wording.russian : wording.english;
    // One pass: a value is never read as a pattern.
    for (std::size_t at = 0; at < pattern.size();) {
        std::size_t open = pattern.find('{', at);
        std::size_t close = open == std::string_view::npos ? open : pattern.find('}', open);
        if (close == std::string_view::npos) {
            text += pattern.substr(at);
            break;
        }
        text += pattern.substr(at, open - at);
        text += Value(pattern.substr(open + 1, close - open - 1), error, language);
        at = close + 1;
    }
    return text;
}

}  // namespace cli
