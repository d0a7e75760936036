#pragma once

#include "frame/form1.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

// A main window whose side windows are recorded in a WindowLog instead of being shown.
struct WindowLogTest : ::testing::Test
{
    WindowLog windows;
    Services services = [this] {
        Services s;
        s.windows = &windows;
        return s;
    }();
    Form1 f{services};
};
