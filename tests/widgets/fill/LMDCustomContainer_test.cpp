#include "widgets/fill/LMDCustomContainer.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/Exceptions.h"
#include "widgets/fill/LMDStringList.h"

namespace {

// Counts how many items are alive, so frees can be seen.
struct CountedItem : TLMDStringListItem {
    explicit CountedItem(int& alive, fw::Component* owner = nullptr) : TLMDStringListItem(owner), alive_(alive)
    {
        ++alive_;
    }
    ~CountedItem() override { --alive_; }
    int& alive_;
};

// A container of another family line: neither descends from the other.
struct OtherContainer : TLMDCustomContainer {
    std::string ClassName() const override { return "TLMDOtherContainer"; }
    bool InheritsFrom(const std::string& name) const override
    {
        return name == "TLMDOtherContainer" || TLMDCustomContainer::InheritsFrom(name);
    }
};

TLMDStringListItem* AddItem(TLMDStringList& list, const std::string& description, std::uint16_t ident,
                            std::vector<std::string> lines)
{
    auto* item = list.StringItem(list.Add());
    item->SetDescription(description);
    item->SetIdent(ident);
    item->Items().Assign(lines);
    return item;
}

std::string AssignError(TLMDCustomComponent& target, const fw::Component& source)
{
    try {
        target.Assign(source);
    } catch (const fw::EConvertError& e) {
        return e.Message();
    }
    return "no error";
}

}  // namespace

TEST(StringListContainer, AddCreatesOwnedItemsOfTheItemClass)
{
    TLMDStringList list;
    EXPECT_TRUE(list.IsEmpty());
    EXPECT_EQ(list.Add(), 0);
    EXPECT_EQ(list.Add(), 1);
    EXPECT_EQ(list.Count(), 2);
    EXPECT_EQ(list.Item(1)->ClassName(), "TLMDStringListItem");
    EXPECT_EQ(list.Item(1)->Owner(), &list);
    EXPECT_EQ(list.Item(1)->Container(), &list);

    TLMDCustomContainer base;
    base.Add();
    EXPECT_EQ(base.Item(0)->ClassName(), "TLMDListItem");

    for (int index : {-1, 2}) {
        SCOPED_TRACE(index);
        try {
            list.Item(index);
            ADD_FAILURE() << "no error";
        } catch (const fw::EListError& e) {
            EXPECT_EQ(e.Message(), "List index out of bounds (" + std::to_string(index) + ")");
        }
    }
}

TEST(StringListContainer, ItemsAreFreedOnceWhateverRemovesThem)
{
    int alive = 0;
    {
        TLMDStringList list;
        list.Add(new CountedItem(alive, &list));
        list.Add(new CountedItem(alive, &list));
        list.ClearItems();
        EXPECT_EQ(alive, 0);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(list.ComponentCount(), 0);

        // An item freed directly leaves the list.
        auto* a = new CountedItem(alive, &list);
        auto* b = new CountedItem(alive, &list);
        list.Add(a);
        list.Add(b);
        delete a;
        ASSERT_EQ(list.Count(), 1);
        EXPECT_EQ(list.Item(0), b);

        // An item added again, or to another container, is listed only once.
        TLMDStringList other;
        list.Add(b);
        EXPECT_EQ(list.Count(), 1);
        other.Add(b);
        EXPECT_EQ(list.Count(), 0);
        EXPECT_EQ(other.Count(), 1);
        other.ClearItems();
        EXPECT_EQ(alive, 0);

        list.Add(new CountedItem(alive, &list));
        EXPECT_EQ(alive, 1);
    }
    EXPECT_EQ(alive, 0) << "the container frees the items it owns";

    // A listed item owned elsewhere outlives the container, no longer listed.
    TLMDStringList owner;
    auto* foreign = new CountedItem(alive, &owner);
    {
        TLMDStringList list;
        list.Add(foreign);
    }
    EXPECT_EQ(alive, 1);
    EXPECT_EQ(foreign->Container(), nullptr);
}

TEST(StringListContainer, ChangeTellsOnChangeThenEachLink)
{
    TLMDStringList list;
    std::vector<std::string> calls;
    list.SetOnChange([&](fw::Component* s) { calls.push_back(s == &list ? "event" : "wrong sender"); });
    TLMDChangeLink first, second;
    first.SetOnChange([&](fw::Component* s) { calls.push_back(s == &list ? "first" : "wrong sender"); });
    second.SetOnChange([&](fw::Component* s) { calls.push_back(s == &list ? "second" : "wrong sender"); });
    list.RegisterChangeLink(&first);
    list.RegisterChangeLink(&second);
    list.RegisterChangeLink(&first);
    EXPECT_EQ(list.LinkCount(), 2);
    EXPECT_EQ(first.Sender(), &list);

    list.Add();
    EXPECT_EQ(calls, (std::vector<std::string>{"event", "first", "second"}));

    struct Step {
        const char* name;
        std::function<void()> action;
        int notifications;
    };
    const Step steps[] = {
        {"ClearItems", [&] { list.ClearItems(); }, 1},
        {"updating", [&] { list.BeginUpdate(); list.Add(); list.Add(); }, 0},
        {"EndUpdate(false)", [&] { list.EndUpdate(false); }, 0},
        {"BeginUpdate twice, one EndUpdate(true)",
         [&] { list.BeginUpdate(); list.BeginUpdate(); list.Add(); list.EndUpdate(true); }, 1},
        {"not updating after one EndUpdate", [&] { list.Change(); }, 1},
        {"loading", [&] { fw::LoadingScope loading(list); list.Add(); list.Add(); }, 0},
    };
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        calls.clear();
        step.action();
        EXPECT_EQ(calls.size(), static_cast<std::size_t>(3 * step.notifications));
    }
}

TEST(StringListContainer, LinksAndControllersMayGoInAnyOrder)
{
    auto list = std::make_unique<TLMDStringList>();
    TLMDChangeLink kept;
    int keptCalls = 0;
    kept.SetOnChange([&](fw::Component*) { ++keptCalls; });
    {
        TLMDChangeLink gone;
        list->RegisterChangeLink(&gone);
        EXPECT_EQ(list->LinkCount(), 1);
    }
    EXPECT_EQ(list->LinkCount(), 0);

    // A link that unregisters a later one while being told: the later one is skipped.
    auto later = std::make_unique<TLMDChangeLink>();
    TLMDChangeLink remover;
    remover.SetOnChange([&](fw::Component*) { later.reset(); });
    list->RegisterChangeLink(&remover);
    list->RegisterChangeLink(later.get());
    list->RegisterChangeLink(&kept);
    list->Change();
    EXPECT_EQ(list->LinkCount(), 2);
    EXPECT_EQ(keptCalls, 1);

    // Registering with another controller moves the link.
    TLMDStringList other;
    other.RegisterChangeLink(&kept);
    EXPECT_EQ(list->LinkCount(), 1);
    EXPECT_EQ(kept.Sender(), &other);

    list.reset();
    EXPECT_EQ(remover.Sender(), nullptr);
}

TEST(StringListContainer, AssignCopiesItemsInOneChange)
{
    TLMDStringList source;
    source.SetDefaultCompressed(true);
    AddItem(source, "one", 1, {"a", "b"});
    AddItem(source, "two", 0, {});

    TLMDStringList target;
    AddItem(target, "old", 5, {"x"});
    int changes = 0;
    target.SetOnChange([&](fw::Component*) { ++changes; });
    target.Assign(source);

    EXPECT_EQ(changes, 1);
    EXPECT_FALSE(target.Updating());
    EXPECT_TRUE(target.DefaultCompressed());
    ASSERT_EQ(target.Count(), 2);
    for (int i = 0; i < 2; ++i) {
        SCOPED_TRACE(i);
        TLMDStringListItem* copy = target.StringItem(i);
        TLMDStringListItem* original = source.StringItem(i);
        EXPECT_NE(copy, original);
        EXPECT_EQ(copy->Owner(), &target);
        EXPECT_EQ(copy->Description(), original->Description());
        EXPECT_EQ(copy->Ident(), original->Ident());
        EXPECT_EQ(copy->Items().lines(), original->Items().lines());
    }
    EXPECT_EQ(target.ComponentCount(), 2) << "the old item was freed";
    EXPECT_EQ(source.Count(), 2);

    target.Assign(target);
    EXPECT_EQ(target.Count(), 2) << "assigning a container to itself keeps its items";
}

TEST(StringListContainer, AssignAcceptsOnlyContainersOfOneLine)
{
    TLMDStringList list;
    TLMDCustomContainer base;
    OtherContainer other;
    TLMDBaseController controller;
    fw::Component component;
    TLMDStringListItem item;

    struct Case {
        const char* name;
        TLMDCustomComponent& target;
        const fw::Component& source;
        std::string error;
    };
    const Case cases[] = {
        {"base into descendant", list, base, "no error"},
        {"descendant into base", base, list, "no error"},
        {"sibling", list, other, "Cannot assign a TLMDOtherContainer to a TLMDStringList"},
        {"controller", list, controller, "Cannot assign a TLMDBaseController to a TLMDStringList"},
        {"component", list, component, "Cannot assign a TComponent to a TLMDStringList"},
        {"item", list, item, "Cannot assign a TLMDStringListItem to a TLMDStringList"},
        {"container into item", item, list, "Cannot assign a TLMDStringList to a TLMDStringListItem"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        EXPECT_EQ(AssignError(c.target, c.source), c.error);
    }

    // A base container's items cannot take string-list items: the error leaves it usable.
    AddItem(list, "one", 1, {"a"});
    int changes = 0;
    base.SetOnChange([&](fw::Component*) { ++changes; });
    EXPECT_EQ(AssignError(base, list), "Cannot assign a TLMDStringListItem to a TLMDListItem");
    EXPECT_FALSE(base.Updating());
    EXPECT_EQ(changes, 1);
}

TEST(StringListItem, AssignCopiesLinesOrTheWholeItem)
{
    TLMDStringListItem source;
    source.SetDescription("name");
    source.SetIdent(4);
    source.Items().Assign(std::vector<std::string>{"a", "a", ""});

    TLMDStringListItem fromLines;
    fromLines.SetDescription("own");
    fromLines.Assign(source.Items());
    EXPECT_EQ(fromLines.Description(), "own");
    EXPECT_EQ(fromLines.Ident(), 0);
    EXPECT_EQ(fromLines.Items().lines(), source.Items().lines());

    TLMDStringListItem whole;
    whole.Assign(static_cast<const fw::Component&>(source));
    EXPECT_EQ(whole.Description(), "name");
    EXPECT_EQ(whole.Ident(), 4);
    EXPECT_EQ(whole.Items().lines(), source.Items().lines());

    TLMDListItem base;
    EXPECT_EQ(AssignError(whole, base), "Cannot assign a TLMDListItem to a TLMDStringListItem");
}
