#include "widgets/shell/ElUrlScheme.h"

std::string WithUrlScheme(const std::string& text)
{
    if (text.find(':') != std::string::npos)
        return text;
    if (text.rfind("www", 0) == 0)
        return "http://" + text;
    if (text.rfind("ftp", 0) == 0)
        return "ftp://" + text;
    if (text.find('@', 1) != std::string::npos)
        return "mailto:" + text;
    return text;
}
