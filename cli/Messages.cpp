#include "cli/Messages.h"

#include <cstddef>
#include <iterator>

namespace cli {

namespace {

struct Entry {
    Message message;
    std::string_view english;
    std::string_view russian;
};

// In the order of the enumeration.
constexpr Entry kEntries[] = {
    {Message::AppDescription,
     "Shows the experience table a Baldur's Gate 2 or BGT game pays from, and the stored templates.",
     "Показывает таблицу опыта, по которой платит игра Baldur's Gate 2 или BGT, и встроенные шаблоны."},
    {Message::HelpFlag, "Print this help and exit", "Показать эту справку и выйти"},
    {Message::VersionFlag, "Print the version and exit", "Показать версию и выйти"},
    {Message::ShowDescription,
     "Show the table the game uses: where it comes from, what it pays level by level, what is wrong with it",
     "Показать таблицу, которую использует игра: откуда она взята, сколько опыта даёт на каждом уровне, что в ней не так"},
    {Message::PathDescription, "A game folder (the one with chitin.key) or a .2da file",
     "Каталог игры (тот, где chitin.key) или файл .2da"},
    {Message::ShowJsonFlag, "Print one JSON object", "Вывести один объект JSON"},
    {Message::TemplatesDescription, "List the 18 stored templates", "Перечислить 18 встроенных шаблонов"},
    {Message::TemplatesJsonFlag, "Print a JSON array", "Вывести массив JSON"},
    {Message::UsageHint, "Run 'xptable --help' for help.", "Справка: xptable --help"},
    {Message::UnknownCommand, "unknown command", "неизвестная команда"},
    {Message::MissingArgument, "a command or a required argument is missing",
     "не указана команда или обязательный аргумент"},
    {Message::ExtraArguments, "unexpected arguments", "лишние аргументы"},
    {Message::BadArguments, "wrong arguments", "неверные аргументы"},
    {Message::NotGameData, "neither a game folder nor a .2da file", "не каталог игры и не файл .2da"},
    {Message::NoSuchPath, "no such file or folder", "нет такого файла или каталога"},
    {Message::Offset, "offset", "смещение"},
    {Message::Unexpected, "unexpected failure", "непредвиденный сбой"},
    {Message::SourceOverride, "Source: override file", "Источник: файл в override"},
    {Message::SourceArchive, "Source: archive", "Источник: архив"},
    {Message::SourceFile, "Source: file", "Источник: файл"},
    {Message::SourceNone, "Source: none, the game has no table and pays the default",
     "Источник: нет, таблицы в игре нет, везде значение по умолчанию"},
    {Message::Through, "listed in", "по списку"},
    {Message::NotCompressed, "not compressed", "без сжатия"},
    {Message::Compressed, "compressed", "сжатие"},
    {Message::Cap, "Level cap", "Предел уровня"},
    {Message::Default, "Default", "Значение по умолчанию"},
    {Message::Row, "row", "ряд"},
    {Message::Label, "label", "метка"},
    {Message::MissingRow, "missing", "нет"},
    {Message::Template, "template", "шаблон"},
    {Message::Custom, "custom", "пользовательская"},
    {Message::Findings, "Findings:", "Замечания:"},
    {Message::NoFindings, "No findings.", "Замечаний нет."},
    {Message::Line, "line", "строка"},
    {Message::Level, "level", "уровень"},
    {Message::Identifier, "identifier", "обозначение"},
};

constexpr bool InOrder()
{
    for (size_t i = 0; i < std::size(kEntries); ++i)
        if (static_cast<size_t>(kEntries[i].message) != i)
            return false;
    return std::size(kEntries) == static_cast<size_t>(Message::Identifier) + 1;
}
static_assert(InOrder(), "one entry per message, in the enumeration's order");

}  // namespace

std::string_view Say(Message message, Language language)
{
    const Entry& entry = kEntries[static_cast<int>(message)];
    return language == Language::Russian ? entry.russian : entry.english;
}

}  // namespace cli
