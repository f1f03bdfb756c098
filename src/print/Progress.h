#pragma once

#include <memory>

// What the pages are being drawn for, as the progress names it.
enum class JobKind { Print, Export };

// The progress of one long print job, shown while its pages are drawn.
class IProgress
{
public:
    virtual ~IProgress() = default;
    // Also lets the user reach the Cancel button.
    virtual void setPagesDone(int done) = 0;
    virtual bool cancelled() = 0;
};

class IProgressFactory
{
public:
    virtual ~IProgressFactory() = default;
    virtual std::unique_ptr<IProgress> start(int totalPages, JobKind kind) = 0;
};
