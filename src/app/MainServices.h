#pragma once

class IPrompts;
class IRandomSource;
class IPrintService;
class IShellOpener;
class IFontCatalogue;
class IProgressFactory;
class ICallerWindows;

// The platform services the main window works through. main() passes the
// real adapters; tests pass fakes. None is owned by the window.
struct MainServices
{
    IPrompts *prompts = nullptr;
    IRandomSource *random = nullptr;
    IPrintService *printService = nullptr;
    IShellOpener *shell = nullptr;
    IFontCatalogue *fonts = nullptr;
    IProgressFactory *progress = nullptr;
    ICallerWindows *callers = nullptr;
};
