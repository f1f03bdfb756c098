#pragma once

#include "card/Prompts.h"

class QTextStream;

// The message boxes of a run without a window: every text goes to standard
// error, and a question takes the answer given on the command line, since
// nobody is there to click.
class ConsolePrompts : public IPrompts
{
public:
    ConsolePrompts(QTextStream &err, bool answerYes) : m_err(err), m_answerYes(answerYes) {}

    void information(const QString &text) override;
    bool question(const QString &text, DefaultButton defaultButton) override;
    void error(const QString &text) override;
    std::optional<QString> saveFileName(const FileDialogSpec &) override { return std::nullopt; }
    std::optional<QString> openFileName(const FileDialogSpec &) override { return std::nullopt; }

private:
    QTextStream &m_err;
    bool m_answerYes;
};

// How the command-line modes write a message: after the program's name, as
// other tools on the terminal do.
void writeMessage(QTextStream &err, const QString &text);
