#pragma once

#include "FakePrompts.h"
#include "SequenceRandom.h"
#include "app/MainServices.h"

// Every fake a main window needs in a test, in one place. Window tests build
// TFrmMain from services(); add new fakes here so every window test gets them.
struct TestServices
{
    FakePrompts prompts;
    SequenceRandom random;

    MainServices services()
    {
        MainServices s;
        s.prompts = &prompts;
        s.random = &random;
        return s;
    }
};
