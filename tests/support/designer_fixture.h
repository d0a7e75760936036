#pragma once

#include "frame/form1.h"
#include "support/handler_log.h"
#include "support/scripted_services.h"

#include <gtest/gtest.h>

// A main window with scripted message boxes, its first cell-data template built, and a log of the
// designer's handlers that starts empty after the build.
class DesignerTest : public ::testing::Test
{
protected:
    ScriptedMessages messages;
    Services services{&messages};
    Form1 f{services};
    HandlerLog log{f, &messages};
    void SetUp() override
    {
        f.BuildRowTemplate();
        log.clear();
    }
};
