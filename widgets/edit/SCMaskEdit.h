// The edit with an input mask. This program's fields have none, and with an empty
// EditMask the mask layer does nothing: the settings are kept, masks are not applied.
#pragma once

#include <memory>
#include <string>

#include "widgets/edit/SCEdits.h"

class TSCCustomMaskEdit : public TSCCustomEdit {
public:
    explicit TSCCustomMaskEdit(fw::Component* owner = nullptr) : TSCCustomEdit(owner) {}
    std::string ClassName() const override { return "TSCCustomMaskEdit"; }

    const std::string& EditMask() const { return editMask_; }
    void SetEditMask(std::string value) { editMask_ = std::move(value); }
    // Whether leaving a field that does not fit its mask raises an error (besides the beep).
    bool RaiseMaskError() const { return raiseMaskError_; }
    void SetRaiseMaskError(bool value) { raiseMaskError_ = value; }

protected:
    TSCCustomMaskEdit(fw::Component* owner, std::unique_ptr<TSCEditColors> colors)
        : TSCCustomEdit(owner, std::move(colors))
    {
    }

private:
    std::string editMask_;
    bool raiseMaskError_ = true;
};
