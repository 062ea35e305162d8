// The POSIX side of SystemErrorText: errno in the words a Linux user reads from every other
// program. Russian comes from a table of our own, not from the C library's catalogue, which
// needs a generated ru_RU locale and the process's locale set to it.
#include <cerrno>
#include <cstring>

#include "cli/SystemErrorText.h"

namespace cli {

namespace {

struct RussianText {
    int error;
    const char* text;
};

// The errors a user meets writing a game's files, as the C library's Russian says them.
constexpr RussianText kRussian[] = {
    {EPERM, "Операция не позволена"},
    {ENOENT, "Нет такого файла или каталога"},
    {EINTR, "Прерван системный вызов"},
    {EIO, "Ошибка ввода/вывода"},
    {ENXIO, "Нет такого устройства или адреса"},
    {EBADF, "Неправильный дескриптор файла"},
    {EAGAIN, "Ресурс временно недоступен"},
    {ENOMEM, "Невозможно выделить память"},
    {EACCES, "Отказано в доступе"},
    {EBUSY, "Устройство или ресурс занято"},
    {EEXIST, "Файл существует"},
    {EXDEV, "Неверная ссылка между устройствами"},
    {ENODEV, "Нет такого устройства"},
    {ENOTDIR, "Это не каталог"},
    {EISDIR, "Это каталог"},
    {EINVAL, "Недопустимый аргумент"},
    {ENFILE, "Слишком много открытых файлов в системе"},
    {EMFILE, "Слишком много открытых файлов"},
    {ETXTBSY, "Текстовый файл занят"},
    {EFBIG, "Файл слишком велик"},
    {ENOSPC, "На устройстве не осталось свободного места"},
    {EROFS, "Файловая система доступна только для чтения"},
    {EMLINK, "Слишком много ссылок"},
    {EPIPE, "Обрыв канала"},
    {ENAMETOOLONG, "Слишком длинное имя файла"},
    {ENOTEMPTY, "Каталог не пуст"},
    {ELOOP, "Слишком много уровней символьных ссылок"},
    {EOPNOTSUPP, "Неподдерживаемая операция"},
    {EDQUOT, "Превышена дисковая квота"},
    {ESTALE, "Устаревший дескриптор файла"},
};

}  // namespace

std::string SystemErrorText(int error, Language language)
{
    // The command never sets the process's locale, so the C library speaks its C locale:
    // English, every errno known.
    const std::string english = std::strerror(error);
    if (language == Language::English)
        return english;
    for (const RussianText& each : kRussian)
        if (each.error == error)
            return each.text;
    return "ошибка " + std::to_string(error) + " (" + english + ")";
}

}  // namespace cli
