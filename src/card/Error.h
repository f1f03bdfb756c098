#pragma once

#include <QByteArray>
#include <QString>
#include <exception>

// A failure that ends the running command. The command guard shows its
// message in the general error box; nothing else ever catches it.
class MorvaneError : public std::exception
{
public:
    explicit MorvaneError(QString message);
    const QString &message() const { return m_message; }
    const char *what() const noexcept override { return m_utf8.constData(); }

private:
    QString m_message;
    QByteArray m_utf8;
};

// The text of the general error box: the failure's message, with a full stop
// added when its last character sorts after "." (a letter or a digit).
QString errorBoxText(const QString &message);
