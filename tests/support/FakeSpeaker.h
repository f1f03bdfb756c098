#pragma once

#include "game/Speaker.h"

#include <QStringList>

// Keeps what it was asked to say instead of saying it. A speaker that does
// not answer keeps the texts and never says it has taken them.
class FakeSpeaker : public ISpeaker
{
public:
    explicit FakeSpeaker(bool available = true, bool answers = true) : m_available(available), m_answers(answers) {}
    void start(std::function<void(bool)> found) override { found(m_available); }
    void say(const QString &text, std::function<void()> answered) override
    {
        said.append(text);
        if (m_answers)
            answered();
    }
    QStringList said;

private:
    bool m_available;
    bool m_answers;
};
