#include "widgets/fill/LMDCustomContainer.h"

#include <algorithm>

#include "framework/Exceptions.h"
#include "widgets/fill/LMDStringList.h"

TLMDChangeLink::~TLMDChangeLink()
{
    if (sender_)
        sender_->UnRegisterChangeLink(this);
}

void TLMDChangeLink::Change(fw::Component* sender)
{
    if (TNotifyEvent handler = onChange_)
        handler(sender);
}

TLMDBaseController::~TLMDBaseController()
{
    for (TLMDChangeLink* link : links_)
        link->sender_ = nullptr;
    links_.clear();
}

bool TLMDBaseController::InheritsFrom(const std::string& className) const
{
    return className == "TLMDBaseController" || TLMDCustomComponent::InheritsFrom(className);
}

void TLMDBaseController::RegisterChangeLink(TLMDChangeLink* link)
{
    if (!link || link->sender_ == this)
        return;
    if (link->sender_)
        link->sender_->UnRegisterChangeLink(link);
    links_.push_back(link);
    link->sender_ = this;
}

void TLMDBaseController::UnRegisterChangeLink(TLMDChangeLink* link)
{
    auto it = std::find(links_.begin(), links_.end(), link);
    if (it == links_.end())
        return;
    links_.erase(it);
    link->sender_ = nullptr;
}

void TLMDBaseController::Change()
{
    if (ChangeSuppressed())
        return;
    TLMDCustomComponent::Change();
    // A handler may unregister links: walk a copy and skip those that left.
    std::vector<TLMDChangeLink*> links = links_;
    for (TLMDChangeLink* link : links)
        if (std::find(links_.begin(), links_.end(), link) != links_.end())
            link->Change(this);
}

namespace {
TLMDListItem* NewListItem(fw::Component* owner)
{
    return new TLMDListItem(owner);
}
}  // namespace

TLMDCustomContainer::TLMDCustomContainer(fw::Component* owner) : TLMDBaseController(owner), itemClass_(NewListItem) {}

TLMDCustomContainer::~TLMDCustomContainer()
{
    // The owned items are freed by the component base; they must not call back here.
    for (TLMDListItem* item : items_)
        item->container_ = nullptr;
    items_.clear();
}

bool TLMDCustomContainer::InheritsFrom(const std::string& className) const
{
    return className == "TLMDCustomContainer" || TLMDBaseController::InheritsFrom(className);
}

TLMDListItem* TLMDCustomContainer::Item(int index) const
{
    if (index < 0 || index >= Count())
        throw fw::EListError::IndexOutOfBounds(index);
    return items_[static_cast<std::size_t>(index)];
}

int TLMDCustomContainer::Add(TLMDListItem* item)
{
    if (!item)
        item = itemClass_(this);
    if (item->container_)
        item->container_->Detach(item);
    items_.push_back(item);
    item->container_ = this;
    int position = static_cast<int>(items_.size()) - 1;
    Change();
    return position;
}

void TLMDCustomContainer::ClearItems()
{
    std::vector<TLMDListItem*> items;
    items.swap(items_);
    for (TLMDListItem* item : items) {
        item->container_ = nullptr;
        delete item;
    }
    Change();
}

void TLMDCustomContainer::Assign(const fw::Component& source)
{
    // Only containers carry items; a related class that is no container is refused too.
    const auto* other = dynamic_cast<const TLMDCustomContainer*>(&source);
    if (!other || !(other->InheritsFrom(ClassName()) || InheritsFrom(other->ClassName())))
        throw fw::EConvertError::CannotAssign(source.ClassName(), ClassName());
    if (other == this)
        return;  // clearing first would lose every item
    BeginUpdate();
    try {
        ClearItems();
        defaultCompressed_ = other->defaultCompressed_;
        for (TLMDListItem* sourceItem : other->items_) {
            TLMDListItem* item = Item(Add());
            item->Assign(*sourceItem);
        }
    } catch (...) {
        // Never leave the flag set: later changes would go unreported.
        EndUpdate(true);
        throw;
    }
    EndUpdate(true);
}

void TLMDCustomContainer::Detach(TLMDListItem* item)
{
    auto it = std::find(items_.begin(), items_.end(), item);
    if (it != items_.end())
        items_.erase(it);
    item->container_ = nullptr;
}
