#include "play/PlayRequest.h"

#include <QJsonDocument>
#include <QJsonObject>
#include <QJsonParseError>

namespace {

// The body as a JSON object of at most a few keys; empty when it is none.
QJsonObject smallObject(QByteArrayView bytes)
{
    if (bytes.isEmpty() || bytes.size() > MaxPlayBody)
        return {};
    QJsonParseError error;
    const QJsonDocument doc = QJsonDocument::fromJson(bytes.toByteArray(), &error);
    if (error.error != QJsonParseError::NoError || !doc.isObject())
        return {};
    return doc.object();
}

} // namespace

RoutedRequest routeRequest(QByteArrayView method, QByteArrayView path)
{
    RoutedRequest routed;
    // The query string plays no part; a phone never sends one we need.
    if (const qsizetype q = path.indexOf('?'); q >= 0)
        path = path.first(q);
    const bool get = method == "GET";
    const bool post = method == "POST";
    const auto want = [&](PlayRoute route, bool methodFits) {
        routed.route = methodFits ? route : PlayRoute::BadMethod;
        return routed;
    };
    if (path == "/")
        return want(PlayRoute::Page, get);
    if (path == "/join")
        return want(PlayRoute::Join, post);
    if (path == "/ws")
        return want(PlayRoute::Socket, get);
    if (path.startsWith("/c/")) {
        const QString token = QString::fromLatin1(path.sliced(3));
        if (!isTokenText(token))
            return routed;
        routed.token = token;
        return want(PlayRoute::Page, get);
    }
    return routed;
}

bool isTokenText(QStringView text)
{
    if (text.size() != 32)
        return false;
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'f')))
            return false;
    return true;
}

bool isPhoneId(QStringView text)
{
    if (text.size() < 16 || text.size() > 64)
        return false;
    for (QChar c : text)
        if (!((c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z') || c == u'_'
              || c == u'-'))
            return false;
    return true;
}

QString cleanPlayerName(const QString &typed)
{
    QString name;
    for (QChar c : typed) {
        // Line breaks, bidirectional overrides and the like would let one
        // name rearrange the caller's queue.
        if (c.isSpace()) {
            name.append(QChar(u' '));
            continue;
        }
        const auto category = c.category();
        if (category == QChar::Other_Control || category == QChar::Other_Format || c.isNonCharacter())
            continue;
        name.append(c);
    }
    name = name.simplified();
    if (name.size() > MaxPlayerName) {
        name.truncate(MaxPlayerName);
        // Never end on half a surrogate pair.
        if (!name.isEmpty() && name.back().isHighSurrogate())
            name.chop(1);
        name = name.trimmed();
    }
    return name;
}

JoinRequest parseJoin(QByteArrayView body)
{
    const QJsonObject o = smallObject(body);
    JoinRequest join;
    const QJsonValue name = o.value(QLatin1String("name"));
    const QJsonValue phone = o.value(QLatin1String("phone"));
    if (!name.isString() || !phone.isString())
        return join;
    join.name = cleanPlayerName(name.toString());
    join.phone = phone.toString();
    join.ok = !join.name.isEmpty() && isPhoneId(join.phone);
    return join;
}

ClientMessage parseClientMessage(QByteArrayView message)
{
    const QJsonObject o = smallObject(message);
    ClientMessage m;
    const QString type = o.value(QLatin1String("t")).toString();
    if (type == QLatin1String("hello")) {
        const QString token = o.value(QLatin1String("token")).toString();
        if (isTokenText(token)) {
            m.kind = ClientMessage::Hello;
            m.token = token;
        }
    } else if (type == QLatin1String("dab")) {
        const QJsonValue cell = o.value(QLatin1String("cell"));
        const QJsonValue on = o.value(QLatin1String("on"));
        const double n = cell.toDouble(-1);
        if (cell.isDouble() && on.isBool() && n >= 0 && n < 1024 && n == double(int(n))) {
            m.kind = ClientMessage::Dab;
            m.cell = int(n);
            m.on = on.toBool();
        }
    } else if (type == QLatin1String("claim")) {
        m.kind = ClientMessage::Claim;
    }
    return m;
}
