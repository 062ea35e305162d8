// The command's own messages in English and Russian (UTF-8). Findings stay in English, as
// the reader gives them; its errors are worded in cli/ReadErrorText.cpp.
#pragma once

#include <string>
#include <string_view>

#include "cli/Language.h"

namespace cli {

enum class Message {
    AppDescription, HelpFlag, VersionFlag, ShowDescription, PathDescription, ShowJsonFlag,
    TemplatesDescription, TemplatesJsonFlag,
    UsageHint, UnknownCommand, MissingArgument, ExtraArguments, BadArguments, NotGameData, NoSuchPath, Unexpected,
    SourceOverride, SourceArchive, SourceFile, SourceNone, Through, NotCompressed, Compressed,
    Cap, Default, Row, Label, MissingRow, Template, Custom, Findings, NoFindings, Line, Level,
    Identifier,
    WriteDescription, GameDescription, ChoiceDescription, DryRunFlag, BackupsDescription, BackupsJsonFlag,
    RestoreDescription, BackupNameDescription,
    NotAChoice, EmptyValue, NotDigits, TooLong, TooMany, CurrentRefused, GiveChoice, NotAFolder,
    NotABackupName, NoBackup, Written, KeptIn, KeptMarker, Unchanged, Restored, Removed, NoTable, NoBackups,
    NotAGame, NotRegular, AFolder, ALink, APipeOrDevice, NotRestored, EmptyBackupName, RowsLeftOut, AndWord, MoreWord,
    BackupKeepsThem, FlushWarning, OutputFailed, WriterBusy, ReplaceWarning, KeptDespite,
};

std::string_view Say(Message message, Language language);

// A failed file operation's reason with the window's full stop: "I/O error 32." in English.
std::string InOutErrorText(int code, Language language);

}  // namespace cli
