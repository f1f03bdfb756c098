#pragma once

#include "print/Progress.h"

#include <QList>

#include <functional>

// Records every progress shown; can cancel after a chosen page and run a
// callback at every update (to start a second command mid-job).
class FakeProgressFactory : public IProgressFactory
{
public:
    struct Record
    {
        int total = 0;
        JobKind kind = JobKind::Print;
        QList<int> updates;
    };
    QList<Record> started;
    int cancelAfterPage = -1; // never
    std::function<void(int)> onUpdate;

    std::unique_ptr<IProgress> start(int totalPages, JobKind kind) override
    {
        Record record;
        record.total = totalPages;
        record.kind = kind;
        started.append(record);
        return std::make_unique<Progress>(*this, int(started.size()) - 1);
    }

private:
    class Progress : public IProgress
    {
    public:
        Progress(FakeProgressFactory &owner, int index) : m_owner(owner), m_index(index) {}
        void setPagesDone(int done) override
        {
            m_owner.started[m_index].updates.append(done);
            m_done = done;
            if (m_owner.onUpdate)
                m_owner.onUpdate(done);
        }
        bool cancelled() override { return m_owner.cancelAfterPage >= 0 && m_done >= m_owner.cancelAfterPage; }

    private:
        FakeProgressFactory &m_owner;
        int m_index;
        int m_done = 0;
    };
};
