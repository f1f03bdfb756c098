#pragma once

#include <QString>

// Where Morvane's users find the product and its support.
inline QString productWebPage()
{
    return QStringLiteral("https://morvane.example.org/");
}

inline QString supportEmailAddress()
{
    return QStringLiteral("support@morvane.example.org");
}

// A new message to the support address (RFC 6068).
inline QString supportMailto()
{
    return QStringLiteral("mailto:") + supportEmailAddress();
}
