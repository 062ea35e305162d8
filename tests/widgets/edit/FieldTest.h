// The fixture of the field's window tests: the field's window shown, the field at hand.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <memory>

#include "../../framework/GuiTestUtil.h"
#include "FieldForm.h"

namespace edittest {

class FieldTest : public testing::Test {
protected:
    void SetUp() override
    {
        form = std::make_unique<FieldForm>();
        form->Show();
        fwtest::Drain();
        field = form->field;
    }

    HWND Window() { return field->Handle(); }
    // The middle of the field's main button.
    POINT ButtonCentre() const
    {
        const TSCEditRect r = field->ButtonRect(field->Button());
        return POINT{(r.Left + r.Right) / 2, (r.Top + r.Bottom) / 2};
    }

    std::unique_ptr<FieldForm> form;
    TSCButtonEdit* field = nullptr;
};

}  // namespace edittest
