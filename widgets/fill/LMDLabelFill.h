// The filled label as window descriptions use it. Every setting of its bases is already
// public here, so this class only names itself.
#pragma once

#include <string>

#include "widgets/fill/LMDCustomLabelFill.h"

class TLMDLabelFill : public TLMDCustomLabelFill {
public:
    explicit TLMDLabelFill(fw::Component* owner = nullptr) : TLMDCustomLabelFill(owner) {}
    std::string ClassName() const override { return "TLMDLabelFill"; }
};
