// Non-visual component base: owner, name, owned components freed with their owner,
// and the loading state during which nothing reacts.
#pragma once

#include <exception>
#include <string>
#include <vector>

namespace fw {

// Teardown. Freeing a component runs these steps in this order; each destructor does
// the steps of its own class and names them by number.
//  1. ~Form: the form leaves the application's form list, then step 2 runs early so
//     the window goes before the icons it shows.
//  2. ~WinControl (DestroyHandle): every window of the control and of its windowed
//     children is marked as going, so no handler of theirs runs any more, then all are
//     destroyed in one call while the children are still listed. Child windows must
//     never run handlers against a parent that is half destroyed.
//  3. ~WinControl: the children are unlisted (their parent cleared); they live on until
//     their owner frees them.
//  4. ~Control: the control leaves its parent's lists (children, Tab order, capture,
//     hover).
//  5. ~Component: components linked by FreeNotification forget this one.
//  6. ~Component: the owned components are freed, the last created first.
//  7. ~Component: the component leaves its owner's list.
class Component {
public:
    explicit Component(Component* owner = nullptr);
    virtual ~Component();
    Component(const Component&) = delete;
    Component& operator=(const Component&) = delete;

    // The class name used in messages ("Cannot assign a %s to a %s").
    virtual std::string ClassName() const { return "TComponent"; }

    Component* Owner() const { return owner_; }
    const std::string& Name() const { return name_; }
    void SetName(std::string name) { name_ = std::move(name); }
    int Tag() const { return tag_; }
    void SetTag(int tag) { tag_ = tag; }

    int ComponentCount() const { return static_cast<int>(components_.size()); }
    Component* Components(int index) const { return components_.at(static_cast<size_t>(index)); }
    Component* FindComponent(const std::string& name) const;

    // Takes over or gives up ownership (the owner frees what it owns).
    void InsertComponent(Component* component);
    void RemoveComponent(Component* component);

    // Asks to be told through Notification when `other` is freed (either may go first).
    void FreeNotification(Component* other);

    bool IsLoading() const { return loading_; }
    bool IsDestroying() const { return destroying_; }

    // Puts this component and everything it owns into the loading state. Components
    // created with a loading owner start loading too.
    void BeginLoading();
    // Leaves the loading state and runs Loaded once for each component that was loading,
    // owned components first, in creation order, then this one.
    void EndLoading();
    // Leaves the loading state without running Loaded (the description failed).
    void CancelLoading();

protected:
    // Runs once when loading ends; override to apply the loaded settings.
    virtual void Loaded() {}
    // `component`, which this one asked about with FreeNotification, is being freed:
    // forget every pointer to it.
    virtual void Notification(Component* component) { (void)component; }

private:
    void CollectLoading(std::vector<Component*>& out);
    void UnlinkFreeNotifications();

    Component* owner_ = nullptr;
    std::string name_;
    int tag_ = 0;
    std::vector<Component*> components_;
    std::vector<Component*> freeNotifies_;  // kept on both sides of each link
    bool loading_ = false;
    bool destroying_ = false;
};

// Runs a form's or component's description inside the loading state.
class LoadingScope {
public:
    explicit LoadingScope(Component& root) : root_(root), uncaught_(std::uncaught_exceptions())
    {
        root_.BeginLoading();
    }
    ~LoadingScope() noexcept(false)
    {
        if (std::uncaught_exceptions() > uncaught_)
            root_.CancelLoading();
        else
            root_.EndLoading();
    }
    LoadingScope(const LoadingScope&) = delete;
    LoadingScope& operator=(const LoadingScope&) = delete;

private:
    Component& root_;
    int uncaught_;
};

}  // namespace fw
