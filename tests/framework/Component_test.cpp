#include "framework/Component.h"

#include <gtest/gtest.h>

#include <vector>

namespace fw {
namespace {

std::vector<std::string> g_log;

class Probe : public Component {
public:
    Probe(Component* owner, std::string name) : Component(owner) { SetName(std::move(name)); }
    ~Probe() override { g_log.push_back("free " + Name()); }
    bool loadingAtCreation = IsLoading();

protected:
    void Loaded() override { g_log.push_back("loaded " + Name() + (IsLoading() ? " (still loading)" : "")); }
};

TEST(Component, OwnerFreesWhatItOwnsLastCreatedFirst)
{
    g_log.clear();
    auto* root = new Probe(nullptr, "root");
    new Probe(root, "a");
    auto* b = new Probe(root, "b");
    new Probe(b, "b1");
    EXPECT_EQ(root->ComponentCount(), 2);
    EXPECT_EQ(root->FindComponent("b"), b);
    delete root;
    // Each destructor body runs before its owned parts go; the last created goes first.
    EXPECT_EQ(g_log, (std::vector<std::string>{"free root", "free b", "free b1", "free a"}));
}

TEST(Component, FreeingAnOwnedComponentLeavesTheOwner)
{
    g_log.clear();
    Probe root(nullptr, "root");
    auto* a = new Probe(&root, "a");
    delete a;
    EXPECT_EQ(root.ComponentCount(), 0);
}

TEST(Component, LoadedRunsOncePerComponentWhenLoadingEnds)
{
    g_log.clear();
    Probe root(nullptr, "form");
    Probe* first;
    {
        LoadingScope loading(root);
        first = new Probe(&root, "first");
        new Probe(first, "inner");
        EXPECT_TRUE(first->loadingAtCreation);
        EXPECT_TRUE(root.IsLoading());
        EXPECT_TRUE(g_log.empty());
    }
    EXPECT_FALSE(root.IsLoading());
    EXPECT_FALSE(first->IsLoading());
    EXPECT_EQ(g_log, (std::vector<std::string>{"loaded inner", "loaded first", "loaded form"}));
    g_log.clear();
    new Probe(&root, "later");
    EXPECT_TRUE(g_log.empty());
}

TEST(Component, AFailedDescriptionEndsLoadingWithoutLoaded)
{
    g_log.clear();
    Probe root(nullptr, "form");
    try {
        LoadingScope loading(root);
        new Probe(&root, "x");
        throw std::runtime_error("bad description");
    } catch (const std::runtime_error&) {
    }
    EXPECT_FALSE(root.IsLoading());
    EXPECT_TRUE(g_log.empty());
}

}  // namespace
}  // namespace fw
