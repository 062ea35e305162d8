// Test runner for the tests that need windows: the UI thread is set up as the program does
// it, and every test runs under the guard against unexpected message boxes.
#include <gtest/gtest.h>

#include <memory>

#include "BoxWatcher.h"
#include "framework/Application.h"
#include "widgets/shell/ElHandPt.h"

namespace {

class GuardEveryTest : public testing::EmptyTestEventListener {
public:
    void OnTestStart(const testing::TestInfo&) override
    {
        guard_ = std::make_unique<testing_support::UnexpectedBoxGuard>();
    }
    void OnTestEnd(const testing::TestInfo&) override { guard_.reset(); }

private:
    std::unique_ptr<testing_support::UnexpectedBoxGuard> guard_;
};

}  // namespace

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    RegisterHandCursor();
    fw::Application::Instance().Initialize();
    testing::UnitTest::GetInstance()->listeners().Append(new GuardEveryTest);
    return RUN_ALL_TESTS();
}
