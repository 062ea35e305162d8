#include "cli/LevelRuns.h"

namespace cli {

std::string LevelRuns(std::span<const std::int32_t> values)
{
    std::string text;
    for (size_t first = 0; first < values.size();) {
        size_t last = first;
        while (last + 1 < values.size() && values[last + 1] == values[first])
            ++last;
        if (!text.empty())
            text += ", ";
        text += std::to_string(first + 1);
        if (last > first)
            text += "-" + std::to_string(last + 1);
        text += ": " + std::to_string(values[first]);
        first = last + 1;
    }
    return text;
}

}  // namespace cli
