#include "cli/Messages.h"

#include <cstddef>
#include <iterator>

#include "framework/Exceptions.h"

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
    {Message::WriteDescription,
     "Write the game's table: per activity a template or the current values, with values typed over levels 1, 2, ...; "
     "the replaced table is kept",
     "Записать таблицу игры: для каждого действия шаблон или текущие значения, с введёнными значениями уровней 1, 2, …; "
     "заменяемая таблица сохраняется"},
    {Message::GameDescription, "The game folder (the one with chitin.key)", "Каталог игры (тот, где chitin.key)"},
    {Message::ChoiceDescription,
     "0-5 (the window's list for the activity) or current, then optionally :VALUE,VALUE,... for levels 1, 2, ...; "
     "current when not given",
     "0-5 (список окна для этого действия) или current, затем при желании :ЗНАЧЕНИЕ,ЗНАЧЕНИЕ,... для уровней 1, 2, …; "
     "по умолчанию current"},
    {Message::DryRunFlag, "Print the table that would be written and write nothing",
     "Показать таблицу, которая была бы записана, ничего не записывая"},
    {Message::BackupsDescription, "List the back-ups of the table, newest first, with what each holds",
     "Перечислить резервные копии таблицы, от новых к старым, и что в каждой"},
    {Message::BackupsJsonFlag, "Print a JSON array", "Вывести массив JSON"},
    {Message::RestoreDescription,
     "Put back the newest back-up, or the one named, keeping the table it replaces",
     "Вернуть последнюю резервную копию или названную, сохранив заменяемую таблицу"},
    {Message::BackupNameDescription, "A back-up's name as 'xptable backups' prints it",
     "Имя резервной копии, как его выводит xptable backups"},
    {Message::NotAChoice, "not a choice (0-5 or current)", "не выбор (0-5 или current)"},
    {Message::EmptyValue, "an empty value in", "пустое значение в"},
    {Message::NotDigits, "a value of other characters than digits", "значение не из одних цифр"},
    {Message::TooLong, "a value of more than four digits", "значение длиннее четырёх цифр"},
    {Message::TooMany, "more values than the column has levels, at", "значений больше, чем уровней в столбце, на"},
    {Message::CurrentRefused, "the game's current values cannot be written back as they are read",
     "текущие значения игры нельзя записать обратно так, как они прочитаны"},
    {Message::GiveChoice, "Give a template 0-5 for it", "Укажите для него шаблон 0-5"},
    {Message::NotAFolder, "not a folder", "не каталог"},
    {Message::NotABackupName, "not a back-up name", "не имя резервной копии"},
    {Message::NoBackup, "no back-up", "нет резервной копии"},
    {Message::Written, "Written:", "Записано:"},
    {Message::KeptIn, "The replaced table was kept in:", "Заменённая таблица сохранена в:"},
    {Message::KeptMarker, "There was no table in override; going back removes it again:",
     "В override таблицы не было; возврат снова удалит её:"},
    {Message::Unchanged, "already holds this table; nothing changed", "уже содержит эту таблицу; ничего не изменено"},
    {Message::Restored, "Restored", "Восстановлено"},
    {Message::Removed, "Removed:", "Удалено:"},
    {Message::NoTable, "no table", "нет таблицы"},
    {Message::NoBackups, "No back-ups.", "Резервных копий нет."},
    {Message::NotAGame, "not a game folder: it has no chitin.key", "не каталог игры: в нём нет chitin.key"},
    {Message::NotRegular, "not a regular file", "не обычный файл"},
    {Message::AFolder, "a folder", "каталог"},
    {Message::ALink, "a link", "ссылка"},
    {Message::APipeOrDevice, "a pipe or a device", "канал или устройство"},
    {Message::NotRestored, "not put back", "не восстановлено"},
    {Message::EmptyBackupName, "an empty back-up name", "пустое имя резервной копии"},
    {Message::RowsLeftOut, "The replaced table had rows past the third that this one lacks:",
     "В заменённой таблице были ряды после третьего, которых нет в этой:"},
    {Message::AndWord, "and", "и ещё"},
    {Message::MoreWord, "more", ""},
    {Message::BackupKeepsThem, "the back-up just made keeps them.", "они сохранены в только что сделанной резервной копии."},
    {Message::FlushWarning, "warning: the table is replaced, but its folder could not be flushed to the disk:",
     "предупреждение: таблица заменена, но её каталог не удалось сбросить на диск:"},
    {Message::OutputFailed, "cannot write the output", "не удаётся вывести результат"},
    {Message::WriterBusy, "another program is writing this game's table; nothing was changed, try again in a moment",
     "другая программа сейчас записывает таблицу этой игры; ничего не изменено, повторите чуть позже"},
    {Message::ReplaceWarning, "warning: the system reported a failure, yet the change was made:",
     "предупреждение: система сообщила о сбое, но изменение сделано:"},
    {Message::KeptDespite, "Whether the table was changed cannot be told; the table before this write is kept in:",
     "Изменена ли таблица, узнать нельзя; таблица, бывшая до этой записи, сохранена в:"},
};

constexpr bool InOrder()
{
    for (size_t i = 0; i < std::size(kEntries); ++i)
        if (static_cast<size_t>(kEntries[i].message) != i)
            return false;
    return std::size(kEntries) == static_cast<size_t>(Message::KeptDespite) + 1;
}
static_assert(InOrder(), "one entry per message, in the enumeration's order");

}  // namespace

std::string_view Say(Message message, Language language)
{
    const Entry& entry = kEntries[static_cast<int>(message)];
    return language == Language::Russian ? entry.russian : entry.english;
}

std::string InOutErrorText(int code, Language language)
{
    if (language == Language::English)
        return fw::FailureBoxText(fw::EInOutError::TextFor(code));
    switch (code) {
    case fw::kIoFileNotFound: return "Файл не найден.";
    case fw::kIoInvalidFilename: return "Недопустимое имя файла.";
    case fw::kIoTooManyOpenFiles: return "Слишком много открытых файлов.";
    case fw::kIoAccessDenied: return "Доступ к файлу запрещён.";
    case fw::kIoReadBeyondEnd: return "Чтение за концом файла.";
    case fw::kIoDiskFull: return "Диск заполнен.";
    case fw::kIoInvalidNumericInput: return "Неверный числовой ввод.";
    default: return "Ошибка ввода-вывода " + std::to_string(code) + ".";
    }
}

}  // namespace cli
