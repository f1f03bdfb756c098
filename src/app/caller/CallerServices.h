#pragma once

class IPrompts;
class IPrintService;
class IProgressFactory;
class IRandomSource;
class ISpeaker;

// The platform services the caller window works through; none is owned by
// the window. Leave one out and the window makes its own Qt adapter, over
// itself where it shows something: message boxes and the progress dialog
// then stand above the caller even in full screen. The print service is
// the program's one; without it the window cannot print.
struct CallerServices
{
    IPrompts *prompts = nullptr;
    IPrintService *printService = nullptr;
    IProgressFactory *progress = nullptr;
    ISpeaker *speaker = nullptr;
    // The draws of "Call Next"; by default the system's secure source.
    IRandomSource *random = nullptr;
};
