#include "app/adapters/QtSpeaker.h"

#include <QMetaObject>
#include <QMutex>
#include <QObject>
#include <QThread>

#include <atomic>

#ifdef MORVANE_HAVE_SPEECH
#include <QTextToSpeech>
#include <QVoice>
#endif

// What the window's side and the speech thread's side both reach. The
// replies object is cleared, under the lock, when the speaker goes, so the
// thread never posts to an object that is gone.
struct QtSpeaker::Shared
{
    QMutex lock;
    QObject *replies = nullptr;
    std::atomic<quint64> latest{0};
    // Speech thread only.
    bool started = false;
    bool canSpeak = false;
#ifdef MORVANE_HAVE_SPEECH
    QTextToSpeech *engine = nullptr; // a child of the worker
#endif

    template <typename F>
    void reply(F &&f)
    {
        const QMutexLocker locker(&lock);
        if (replies)
            QMetaObject::invokeMethod(replies, std::forward<F>(f), Qt::QueuedConnection);
    }

    // On the speech thread: makes the engine once, which may take long.
    void startEngine(QObject *worker)
    {
        if (started)
            return;
        started = true;
#ifdef MORVANE_HAVE_SPEECH
        if (!QTextToSpeech::availableEngines().isEmpty())
            engine = new QTextToSpeech(worker);
        // speech-dispatcher without an output module reports no voice: it
        // would accept every text and say nothing.
        canSpeak = engine && engine->state() != QTextToSpeech::Error && !engine->availableVoices().isEmpty();
#else
        Q_UNUSED(worker);
#endif
    }
};

QtSpeaker::QtSpeaker() : m_shared(std::make_shared<Shared>())
{
    m_replies = new QObject;
    m_shared->replies = m_replies;
    m_thread = new QThread;
    m_thread->setObjectName(QStringLiteral("Speech"));
    m_worker = new QObject;
    m_worker->moveToThread(m_thread);
    QObject::connect(m_thread, &QThread::finished, m_worker, &QObject::deleteLater);
    QObject::connect(m_thread, &QThread::finished, m_thread, &QObject::deleteLater);
    m_thread->start();
}

QtSpeaker::~QtSpeaker()
{
    {
        const QMutexLocker locker(&m_shared->lock);
        m_shared->replies = nullptr;
    }
    delete m_replies;
    // Not waited for: a thread stuck in a call to the service ends with the
    // program, and cleans up after itself if the call ever returns.
    m_thread->quit();
}

void QtSpeaker::start(std::function<void(bool canSpeak)> found)
{
    std::shared_ptr<Shared> shared = m_shared;
    QObject *worker = m_worker;
    QMetaObject::invokeMethod(m_worker, [shared, worker, found = std::move(found)] {
        shared->startEngine(worker);
        const bool canSpeak = shared->canSpeak;
        shared->reply([found, canSpeak] { found(canSpeak); });
    });
}

void QtSpeaker::say(const QString &text, std::function<void()> answered)
{
    std::shared_ptr<Shared> shared = m_shared;
    QObject *worker = m_worker;
    const quint64 serial = ++m_shared->latest;
    QMetaObject::invokeMethod(m_worker, [shared, worker, text, serial, answered = std::move(answered)] {
        shared->startEngine(worker);
        // Texts that waited behind a slow one are out of date: only the
        // latest call is said.
#ifdef MORVANE_HAVE_SPEECH
        if (shared->canSpeak && serial == shared->latest.load()) {
            shared->engine->stop();
            shared->engine->say(text);
            // A service whose process has ended refuses the text at once:
            // left without an answer, it is told as one that does not
            // answer, and speech is turned off instead of going quiet.
            if (shared->engine->state() == QTextToSpeech::Error)
                return;
        }
#else
        Q_UNUSED(text);
        Q_UNUSED(serial);
#endif
        shared->reply(answered);
    });
}
