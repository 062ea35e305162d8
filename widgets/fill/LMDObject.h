// Base of a component's sub-objects (bevel, caption effects, fill, gradient): a persistent
// object that holds part of its owner's settings and tells the owner about changes through
// one event. Not a component: it is never loading, so its changes are never held back.
#pragma once

#include <functional>
#include <string>

class TLMDObject;

using TLMDObjectEvent = std::function<void(TLMDObject* sender)>;

class TLMDObject {
public:
    TLMDObject() = default;
    virtual ~TLMDObject() = default;
    // Sub-objects are copied by value through Assign, never as C++ objects.
    TLMDObject(const TLMDObject&) = delete;
    TLMDObject& operator=(const TLMDObject&) = delete;

    // The class name used in messages ("Cannot assign a %s to a %s").
    virtual std::string ClassName() const { return "TLMDObject"; }

    // Copies another object's settings; the base accepts nothing and throws
    // EConvertError ("Cannot assign a %s to a %s").
    virtual void Assign(const TLMDObject& source);

    // A flag, not a counter: one EndUpdate ends any number of BeginUpdate calls.
    void BeginUpdate() { updating_ = true; }
    void EndUpdate(bool notify);
    bool Updating() const { return updating_; }

    // Fires OnChange unless updating.
    virtual void Change();

    const TLMDObjectEvent& OnChange() const { return onChange_; }
    void SetOnChange(TLMDObjectEvent handler) { onChange_ = std::move(handler); }

protected:
    // The common Assign: copies from a source of class T (or a descendant) inside one update,
    // so exactly one Change results; refuses any other source as the base does.
    template <typename T, typename Copy>
    void AssignAs(const TLMDObject& source, Copy copy)
    {
        const auto* other = dynamic_cast<const T*>(&source);
        if (!other) {
            TLMDObject::Assign(source);
            return;
        }
        BeginUpdate();
        copy(*other);
        EndUpdate(true);
    }

    // The common setter: an unchanged value is ignored, a new one is stored and announced.
    template <typename T>
    void SetProperty(T& field, const T& value)
    {
        if (field == value)
            return;
        field = value;
        Change();
    }

private:
    bool updating_ = false;
    TLMDObjectEvent onChange_;
};
