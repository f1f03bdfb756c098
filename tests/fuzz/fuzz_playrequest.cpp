// The requests a phone can send the room: the first line of the input is a
// method and a path, the rest a body, taken as a join, a WebSocket message
// and a line of the room file.
#include "play/PlayRequest.h"
#include "play/RoomJournal.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size)
{
    const QByteArrayView input(reinterpret_cast<const char *>(data), qsizetype(size));
    const qsizetype newline = input.indexOf('\n');
    const QByteArrayView head = newline < 0 ? input : input.first(newline);
    const QByteArrayView body = newline < 0 ? QByteArrayView() : input.sliced(newline + 1);
    const qsizetype space = head.indexOf(' ');
    const RoutedRequest routed =
        routeRequest(space < 0 ? head : head.first(space), space < 0 ? QByteArrayView() : head.sliced(space + 1));
    if (!routed.token.isEmpty() && !isTokenText(routed.token))
        __builtin_trap();
    const JoinRequest join = parseJoin(body);
    if (join.ok && (join.name.isEmpty() || join.name.size() > MaxPlayerName || !isPhoneId(join.phone)))
        __builtin_trap();
    const ClientMessage message = parseClientMessage(body);
    if (message.kind == ClientMessage::Hello && !isTokenText(message.token))
        __builtin_trap();
    if (message.kind == ClientMessage::Dab && (message.cell < 0 || message.cell >= 1024))
        __builtin_trap();
    const QString name = cleanPlayerName(QString::fromUtf8(body));
    if (name.size() > MaxPlayerName || cleanPlayerName(name) != name)
        __builtin_trap();
    RoomJournal::parseLine(body);
    return 0;
}
