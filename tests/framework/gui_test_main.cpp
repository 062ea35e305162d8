// Test runner for the tests that need windows: the UI thread is set up as the program does it.
#include <gtest/gtest.h>

#include "framework/Application.h"

int main(int argc, char** argv)
{
    testing::InitGoogleTest(&argc, argv);
    fw::Application::Instance().Initialize();
    return RUN_ALL_TESTS();
}
