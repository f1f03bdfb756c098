#pragma once

#include <memory>

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
    virtual std::unique_ptr<IProgress> start(int totalPages) = 0;
};
