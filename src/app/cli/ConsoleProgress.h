#pragma once

#include "print/Progress.h"

class QTextStream;

// The progress of a long export on standard error: one line rewritten in
// place on a terminal, else a line at every tenth of the pages, so a log
// stays short. Ctrl+C (or a polite kill) while it runs cancels the job, so
// the unfinished file is dropped instead of left beside the output.
class ConsoleProgressFactory : public IProgressFactory
{
public:
    ConsoleProgressFactory(QTextStream &err, bool terminal) : m_err(err), m_terminal(terminal) {}
    std::unique_ptr<IProgress> start(int totalPages, JobKind kind) override;

private:
    QTextStream &m_err;
    bool m_terminal;
};
