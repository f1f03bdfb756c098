#pragma once

#include "FakeCallerWindows.h"
#include "FakeFontCatalogue.h"
#include "FakePrintService.h"
#include "FakeProgress.h"
#include "FakePrompts.h"
#include "FakeShellOpener.h"
#include "SequenceRandom.h"
#include "app/MainServices.h"

// Every fake a main window needs in a test, in one place. Window tests build
// TFrmMain from services(); add new fakes here so every window test gets them.
struct TestServices
{
    FakePrompts prompts;
    SequenceRandom random;
    FakeShellOpener shell;
    FakeFontCatalogue fonts;
    FakePrintService printService;
    FakeProgressFactory progress;
    FakeCallerWindows callers;

    MainServices services()
    {
        MainServices s;
        s.prompts = &prompts;
        s.random = &random;
        s.shell = &shell;
        s.fonts = &fonts;
        s.printService = &printService;
        s.progress = &progress;
        s.callers = &callers;
        return s;
    }
};
