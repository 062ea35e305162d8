#include "framework/StringList.h"

#include "framework/Exceptions.h"

namespace fw {

int StringList::Add(std::string line)
{
    lines_.push_back(std::move(line));
    return Count() - 1;
}

const std::string& StringList::Strings(int index) const
{
    if (index < 0 || index >= Count())
        throw EListError::IndexOutOfBounds(index);
    return lines_[static_cast<std::size_t>(index)];
}

}  // namespace fw
