#include "app/ContainerTemplates.h"

#include <gtest/gtest.h>

#include "app/TemplateStore.h"
#include "framework/Exceptions.h"
#include "widgets/fill/LMDStringList.h"

namespace app {
namespace {

TEST(ContainerTemplates, TheStoredItemsAreTheBuiltInTemplates)
{
    TLMDStringList container;
    LoadTemplateContainer(container);
    ContainerTemplates stored(container);
    BuiltInTemplates builtIn;
    for (int position = 0; position < kTemplateCount; ++position) {
        SCOPED_TRACE(BuiltInTemplates::Identifier(position));
        EXPECT_EQ(stored.Lines(position), builtIn.Lines(position));
    }
    try {
        stored.Lines(18);
        FAIL() << "position 18 does not exist";
    } catch (const fw::EListError& e) {
        EXPECT_EQ(e.Message(), "List index out of bounds (18)");
    }
}

TEST(ContainerTemplates, ChoicesCopyFromTheContainer)
{
    TLMDStringList container;
    LoadTemplateContainer(container);
    ContainerTemplates stored(container);
    CellTable cells;
    ApplyChoice(stored, kLocksColumn, 0, cells);
    EXPECT_EQ(cells.Cell(kLocksColumn, 1), "10");
    EXPECT_EQ(cells.Cell(kLocksColumn, 40), "62");
}

}  // namespace
}  // namespace app
