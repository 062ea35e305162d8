#include "framework/Component.h"

#include <algorithm>

namespace fw {

Component::Component(Component* owner)
{
    if (owner) {
        owner->InsertComponent(this);
        loading_ = owner->IsLoading();
    }
}

Component::~Component()
{
    destroying_ = true;
    UnlinkFreeNotifications();  // step 5
    while (!components_.empty()) {  // step 6
        Component* last = components_.back();
        components_.pop_back();
        last->owner_ = nullptr;
        delete last;
    }
    if (owner_)  // step 7
        owner_->RemoveComponent(this);
}

void Component::FreeNotification(Component* other)
{
    if (!other || other == this)
        return;
    if (std::find(freeNotifies_.begin(), freeNotifies_.end(), other) == freeNotifies_.end())
        freeNotifies_.push_back(other);
    if (std::find(other->freeNotifies_.begin(), other->freeNotifies_.end(), this) == other->freeNotifies_.end())
        other->freeNotifies_.push_back(this);
}

void Component::UnlinkFreeNotifications()
{
    while (!freeNotifies_.empty()) {
        Component* other = freeNotifies_.back();
        freeNotifies_.pop_back();
        auto& back = other->freeNotifies_;
        back.erase(std::remove(back.begin(), back.end(), this), back.end());
        other->Notification(this);
    }
}

Component* Component::FindComponent(const std::string& name) const
{
    for (Component* c : components_)
        if (c->name_ == name)
            return c;
    return nullptr;
}

void Component::InsertComponent(Component* component)
{
    if (component->owner_)
        component->owner_->RemoveComponent(component);
    components_.push_back(component);
    component->owner_ = this;
}

void Component::RemoveComponent(Component* component)
{
    auto it = std::find(components_.begin(), components_.end(), component);
    if (it != components_.end()) {
        components_.erase(it);
        component->owner_ = nullptr;
    }
}

void Component::BeginLoading()
{
    loading_ = true;
    for (Component* c : components_)
        c->BeginLoading();
}

void Component::CollectLoading(std::vector<Component*>& out)
{
    for (Component* c : components_)
        c->CollectLoading(out);
    if (loading_)
        out.push_back(this);
}

void Component::EndLoading()
{
    std::vector<Component*> loaded;
    CollectLoading(loaded);
    for (Component* c : loaded)
        c->loading_ = false;
    for (Component* c : loaded)
        c->Loaded();
}

void Component::CancelLoading()
{
    std::vector<Component*> loading;
    CollectLoading(loading);
    for (Component* c : loading)
        c->loading_ = false;
}

}  // namespace fw
