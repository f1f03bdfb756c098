#include "app/cli/ConsolePrompts.h"

#include "app/cli/CommandLineText.h"

#include <QTextStream>

void writeMessage(QTextStream &err, const QString &text)
{
    err << "morvane: " << text << '\n';
    err.flush();
}

void ConsolePrompts::information(const QString &text)
{
    writeMessage(m_err, text);
}

bool ConsolePrompts::question(const QString &text, DefaultButton)
{
    writeMessage(m_err, text + QLatin1Char(' ')
                            + (m_answerYes ? CommandLineText::tr("Yes (--force).")
                                           : CommandLineText::tr("No: --force answers Yes.")));
    return m_answerYes;
}

void ConsolePrompts::error(const QString &text)
{
    writeMessage(m_err, text);
}
