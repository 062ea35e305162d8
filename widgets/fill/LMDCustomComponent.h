// Base of the non-visual components of this family: an update flag and one change event.
#pragma once

#include <functional>
#include <string>

#include "framework/Component.h"

using TNotifyEvent = std::function<void(fw::Component* sender)>;

class TLMDCustomComponent : public fw::Component {
public:
    explicit TLMDCustomComponent(fw::Component* owner = nullptr) : fw::Component(owner) {}

    std::string ClassName() const override { return "TLMDCustomComponent"; }
    // True when this object's class is the named class or descends from it.
    virtual bool InheritsFrom(const std::string& className) const;

    // Copies another object's settings; the base accepts nothing and throws
    // EConvertError ("Cannot assign a %s to a %s").
    virtual void Assign(const fw::Component& source);

    // A flag, not a counter: one EndUpdate ends any number of BeginUpdate calls.
    void BeginUpdate() { updating_ = true; }
    void EndUpdate(bool notify);
    bool Updating() const { return updating_; }

    // Fires OnChange unless updating or loading.
    virtual void Change();

    const TNotifyEvent& OnChange() const { return onChange_; }
    void SetOnChange(TNotifyEvent handler) { onChange_ = std::move(handler); }

protected:
    bool ChangeSuppressed() const { return updating_ || IsLoading(); }

private:
    bool updating_ = false;
    TNotifyEvent onChange_;
};
