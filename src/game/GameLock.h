#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

// A recorded game is called by one caller window at a time, in this program
// or another copy of it: the caller holds an advisory lock on a small hidden
// file beside the game for as long as the game is open, and the system drops
// it when the program ends, however it ends. The lock file says which
// program holds it, so a refusal can say where the game is being called.
class GameLock
{
public:
    // Takes the lock of the game file at path. Throws MorvaneError, naming
    // the program and computer that hold it, when another caller has it.
    // Where no lock can be made (a folder that takes no new file, a file
    // system without locks) the game opens unlocked: its saves fail, or
    // succeed, on their own.
    static std::unique_ptr<GameLock> take(const QString &gamePath);
    ~GameLock();
    GameLock(const GameLock &) = delete;
    GameLock &operator=(const GameLock &) = delete;

private:
    GameLock(int fd, QByteArray lockPath) : m_fd(fd), m_lockPath(std::move(lockPath)) {}

    int m_fd = -1;
    QByteArray m_lockPath;
};
