#include "app/cli/ConsoleProgress.h"

#include "app/cli/CommandLineText.h"

#include <QTextStream>

#include <csignal>
#include <signal.h>

namespace {

// A signal handler can only leave a mark where the job will look; this flag
// is that mark, and lives only while a progress does.
volatile std::sig_atomic_t g_interrupted = 0;

extern "C" void markInterrupted(int)
{
    g_interrupted = 1;
}

class ConsoleProgress : public IProgress
{
public:
    ConsoleProgress(QTextStream &err, bool terminal, int total) : m_err(err), m_terminal(terminal), m_total(total)
    {
        g_interrupted = 0;
        catchSignal(SIGINT, m_previousInt);
        catchSignal(SIGTERM, m_previousTerm);
        show(0);
    }

    ~ConsoleProgress() override
    {
        sigaction(SIGINT, &m_previousInt, nullptr);
        sigaction(SIGTERM, &m_previousTerm, nullptr);
        if (m_terminal) {
            m_err << '\n';
            m_err.flush();
        }
    }

    void setPagesDone(int done) override
    {
        if (m_terminal || tenth(done) != tenth(m_shown) || done == m_total)
            show(done);
    }

    bool cancelled() override { return g_interrupted != 0; }

private:
    static void catchSignal(int signal, struct sigaction &previous)
    {
        sigaction(signal, nullptr, &previous);
        // A signal the shell told us to ignore (nohup, a background job) stays ignored.
        if (previous.sa_handler == SIG_IGN)
            return;
        struct sigaction action = {};
        action.sa_handler = markInterrupted;
        sigemptyset(&action.sa_mask);
        sigaction(signal, &action, nullptr);
    }

    int tenth(int done) const { return int(qint64(done) * 10 / m_total); }

    void show(int done)
    {
        const QString text = CommandLineText::tr("Printing: %1 of %n page(s)", nullptr, m_total).arg(done);
        if (m_terminal)
            m_err << '\r' << text;
        else
            m_err << text << '\n';
        m_err.flush();
        m_shown = done;
    }

    QTextStream &m_err;
    bool m_terminal;
    int m_total;
    int m_shown = 0;
    struct sigaction m_previousInt = {};
    struct sigaction m_previousTerm = {};
};

} // namespace

std::unique_ptr<IProgress> ConsoleProgressFactory::start(int totalPages, JobKind)
{
    return std::make_unique<ConsoleProgress>(m_err, m_terminal, totalPages);
}
