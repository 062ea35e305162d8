// Controllers that tell registered change links about their changes, and the
// container of list items built on them.
#pragma once

#include <string>
#include <vector>

#include "widgets/fill/LMDCustomComponent.h"

class TLMDBaseController;
class TLMDListItem;

// A client of a controller: fires its own event whenever the controller changes.
class TLMDChangeLink {
public:
    TLMDChangeLink() = default;
    // Leaves its controller's list.
    ~TLMDChangeLink();
    TLMDChangeLink(const TLMDChangeLink&) = delete;
    TLMDChangeLink& operator=(const TLMDChangeLink&) = delete;

    TLMDBaseController* Sender() const { return sender_; }
    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }
    void Change(fw::Component* sender);

private:
    friend class TLMDBaseController;
    TLMDBaseController* sender_ = nullptr;
    TNotifyEvent onChange_;
};

class TLMDBaseController : public TLMDCustomComponent {
public:
    explicit TLMDBaseController(fw::Component* owner = nullptr) : TLMDCustomComponent(owner) {}
    // Unregisters the links that are still registered.
    ~TLMDBaseController() override;

    std::string ClassName() const override { return "TLMDBaseController"; }
    bool InheritsFrom(const std::string& className) const override;

    // A link belongs to one controller at a time; registering moves it.
    void RegisterChangeLink(TLMDChangeLink* link);
    void UnRegisterChangeLink(TLMDChangeLink* link);
    int LinkCount() const { return static_cast<int>(links_.size()); }

    // OnChange, then each link, unless updating or loading.
    void Change() override;

private:
    std::vector<TLMDChangeLink*> links_;
};

class TLMDCustomContainer : public TLMDBaseController {
public:
    // Makes a new item of the container's item class with the given owner.
    using ItemFactory = TLMDListItem* (*)(fw::Component* owner);

    explicit TLMDCustomContainer(fw::Component* owner = nullptr);
    ~TLMDCustomContainer() override;

    std::string ClassName() const override { return "TLMDCustomContainer"; }
    bool InheritsFrom(const std::string& className) const override;

    virtual int Count() const { return static_cast<int>(items_.size()); }
    virtual bool IsEmpty() const { return items_.empty(); }
    // Throws EListError ("List index out of bounds (%d)") outside 0..Count-1.
    virtual TLMDListItem* Item(int index) const;

    // Appends the item, or a new item of the item class owned by the container when
    // none is given; returns its position. An item already listed in a container
    // leaves that list first, so it is never listed (and freed) twice.
    int Add(TLMDListItem* item = nullptr);
    // Frees every listed item and empties the list.
    void ClearItems();
    // Copies the items of a container of a related class.
    void Assign(const fw::Component& source) override;

    bool DefaultCompressed() const { return defaultCompressed_; }
    void SetDefaultCompressed(bool value) { defaultCompressed_ = value; }
    ItemFactory ItemClass() const { return itemClass_; }

protected:
    void SetItemClass(ItemFactory factory) { itemClass_ = factory; }

private:
    friend class TLMDListItem;
    // Called by an item that goes away on its own.
    void Detach(TLMDListItem* item);

    std::vector<TLMDListItem*> items_;
    ItemFactory itemClass_;
    bool defaultCompressed_ = false;
};
