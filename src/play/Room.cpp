#include "play/Room.h"

#include "card/CardKind.h"
#include "card/SecureSeed.h"
#include "game/CalledGame.h"

#include <QCoreApplication>

#include <algorithm>

namespace {

const QString EventKey = QStringLiteral("e");

} // namespace

QString secureToken()
{
    return QStringLiteral("%1%2")
        .arg(secureSeed(), 16, 16, QLatin1Char('0'))
        .arg(secureSeed(), 16, 16, QLatin1Char('0'));
}

Room::Room(CalledGame &game, std::unique_ptr<RoomJournal> journal, Services services)
    : m_game(game),
      m_journal(std::move(journal)),
      m_services(std::move(services))
{
    if (!m_services.clockMs)
        m_services.clockMs = [] { return qint64(0); };
    if (!m_services.newToken)
        m_services.newToken = secureToken;
    if (m_journal)
        for (const QJsonObject &event : m_journal->read())
            replay(event);
}

Room::~Room() = default;

void Room::keep(const QJsonObject &event, bool sync)
{
    if (m_journal)
        m_journal->append(event, sync);
}

void Room::replay(const QJsonObject &event)
{
    const QString kind = event.value(EventKey).toString();
    const auto card = std::uint64_t(std::max(0.0, event.value(QLatin1String("card")).toDouble()));
    const QString token = event.value(QLatin1String("token")).toString();
    if (kind == QLatin1String("card")) {
        if (card < 1 || card > m_game.record().cards || m_tokenOfCard.contains(card) || m_byToken.contains(token)
            || token.size() != 32)
            return;
        hold(card, token, event.value(QLatin1String("name")).toString(),
             event.value(QLatin1String("phone")).toString());
    } else if (kind == QLatin1String("room")) {
        m_open = event.value(QLatin1String("open")).toBool();
    } else if (kind == QLatin1String("dab")) {
        auto it = m_byToken.find(token);
        const int cell = event.value(QLatin1String("cell")).toInt(-1);
        if (it != m_byToken.end() && cell >= 0 && cell < int(it->dabs.size()))
            it->dabs[std::size_t(cell)] = event.value(QLatin1String("on")).toBool();
    } else if (kind == QLatin1String("claim")) {
        if (!m_tokenOfCard.contains(card))
            return;
        RoomClaim claim;
        claim.id = event.value(QLatin1String("id")).toInt();
        claim.card = card;
        claim.callCount = event.value(QLatin1String("calls")).toInt();
        claim.madeMs = qint64(event.value(QLatin1String("made")).toDouble());
        claim.token = m_tokenOfCard.value(card);
        claim.name = m_byToken.value(claim.token).name;
        if (const QJsonValue confirmed = event.value(QLatin1String("confirmed")); confirmed.isBool()) {
            // A claim kept only once decided, with its winning call alone.
            claim.state = confirmed.toBool() ? RoomClaim::Confirmed : RoomClaim::Rejected;
            claim.check.wonAtCall = event.value(QLatin1String("won")).toInt();
            claim.check.won = claim.check.wonAtCall > 0;
        } else {
            claim.check = claimCheckFromJson(event.value(QLatin1String("check")).toObject());
        }
        m_claims.push_back(claim);
    } else if (kind == QLatin1String("decided")) {
        settle(event.value(QLatin1String("id")).toInt(), event.value(QLatin1String("confirmed")).toBool());
    }
}

HeldCard &Room::hold(std::uint64_t card, const QString &token, const QString &name, const QString &phone)
{
    HeldCard h;
    h.card = card;
    h.token = token;
    h.name = name;
    h.phone = phone;
    h.dabs.assign(std::size_t(face(h).cellCount()), false);
    m_tokenOfCard.insert(card, token);
    if (!phone.isEmpty())
        ++m_cardsOfPhone[phone];
    return *m_byToken.insert(token, h);
}

void Room::setOpen(bool open)
{
    if (open == m_open)
        return;
    keep({{EventKey, QStringLiteral("room")}, {QStringLiteral("open"), open}}, true);
    m_open = open;
}

QString Room::linkCard(std::uint64_t card, const QString &name)
{
    if (card < 1 || card > m_game.record().cards)
        return {};
    if (const auto it = m_tokenOfCard.constFind(card); it != m_tokenOfCard.cend())
        return *it;
    const QString token = m_services.newToken();
    // Kept before anyone can be given the address.
    keep({{EventKey, QStringLiteral("card")},
          {QStringLiteral("card"), double(card)},
          {QStringLiteral("token"), token},
          {QStringLiteral("name"), name},
          {QStringLiteral("phone"), QString()}},
         true);
    hold(card, token, name, QString());
    return token;
}

Room::Joined Room::join(const QString &name, const QString &phone)
{
    Joined joined;
    if (!m_open)
        return joined;
    if (m_cardsOfPhone.value(phone) >= m_cardsPerPhone) {
        joined.status = JoinStatus::PhoneFull;
        return joined;
    }
    while (m_nextFree <= m_game.record().cards && m_tokenOfCard.contains(m_nextFree))
        ++m_nextFree;
    if (m_nextFree > m_game.record().cards) {
        joined.status = JoinStatus::NoCardsLeft;
        return joined;
    }
    const std::uint64_t card = m_nextFree;
    const QString token = m_services.newToken();
    keep({{EventKey, QStringLiteral("card")},
          {QStringLiteral("card"), double(card)},
          {QStringLiteral("token"), token},
          {QStringLiteral("name"), name},
          {QStringLiteral("phone"), phone}},
         true);
    hold(card, token, name, phone);
    joined.status = JoinStatus::Ok;
    joined.token = token;
    return joined;
}

const HeldCard *Room::held(const QString &token) const
{
    const auto it = m_byToken.constFind(token);
    return it == m_byToken.cend() ? nullptr : &*it;
}

CardFace Room::face(const HeldCard &held) const
{
    auto it = m_faces.constFind(held.card);
    if (it == m_faces.cend()) {
        GameCards *cards = const_cast<CalledGame &>(m_game).cards();
        const QStringList shown = cards ? cards->cells(held.card) : QStringList();
        it = m_faces.insert(held.card, cardFace(m_game.record().settings, shown));
    }
    return *it;
}

bool Room::dab(const QString &token, int cell, bool on)
{
    auto it = m_byToken.find(token);
    if (it == m_byToken.end() || !face(*it).dabbable(cell))
        return false;
    if (it->dabs[std::size_t(cell)] == on)
        return true;
    // A dab lost to a crash costs the player a tap; it is not worth a sync.
    keep({{EventKey, QStringLiteral("dab")},
          {QStringLiteral("token"), token},
          {QStringLiteral("cell"), cell},
          {QStringLiteral("on"), on}},
         false);
    it->dabs[std::size_t(cell)] = on;
    return true;
}

Room::ClaimAnswer Room::claim(const QString &token)
{
    ClaimAnswer answer;
    const auto it = m_byToken.constFind(token);
    if (it == m_byToken.cend())
        return answer;
    const std::uint64_t card = it->card;
    if (const RoomClaim *latest = latestClaim(card); latest && latest->state == RoomClaim::Pending) {
        answer.status = ClaimStatus::Pending;
        answer.claimId = latest->id;
        return answer;
    }
    const qint64 now = m_services.clockMs();
    if (now < it->claimAfterMs) {
        answer.status = ClaimStatus::Wait;
        answer.waitSeconds = int((it->claimAfterMs - now + 999) / 1000);
        return answer;
    }
    RoomClaim claim;
    claim.id = m_claims.empty() ? 1 : m_claims.back().id + 1;
    claim.card = card;
    claim.token = token;
    claim.name = it->name;
    claim.callCount = m_game.session().callCount();
    claim.madeMs = now;
    claim.check = checkClaim(m_game, card);
    // Kept before the phone hears it is queued, so a restart shows the same
    // queue.
    keep({{EventKey, QStringLiteral("claim")},
          {QStringLiteral("id"), claim.id},
          {QStringLiteral("card"), double(card)},
          {QStringLiteral("calls"), claim.callCount},
          {QStringLiteral("made"), double(now)},
          {QStringLiteral("check"), claimCheckJson(claim.check)}},
         true);
    m_claims.push_back(claim);
    answer.status = ClaimStatus::Queued;
    answer.claimId = claim.id;
    return answer;
}

const RoomClaim *Room::latestClaim(std::uint64_t card) const
{
    for (auto it = m_claims.rbegin(); it != m_claims.rend(); ++it)
        if (it->card == card)
            return &*it;
    return nullptr;
}

RoomClaim *Room::pendingClaim(int claimId)
{
    const auto it = std::find_if(m_claims.begin(), m_claims.end(), [&](const RoomClaim &c) { return c.id == claimId; });
    return it == m_claims.end() || it->state != RoomClaim::Pending ? nullptr : &*it;
}

void Room::settle(int claimId, bool confirm)
{
    RoomClaim *claim = pendingClaim(claimId);
    if (!claim)
        return;
    claim->state = confirm ? RoomClaim::Confirmed : RoomClaim::Rejected;
    if (!confirm && !claim->check.won)
        if (const auto held = m_byToken.find(claim->token); held != m_byToken.end())
            held->claimAfterMs = claim->madeMs + FalseClaimWaitMs;
}

bool Room::decide(int claimId, bool confirm)
{
    if (!pendingClaim(claimId))
        return false;
    keep({{EventKey, QStringLiteral("decided")},
          {QStringLiteral("id"), claimId},
          {QStringLiteral("confirmed"), confirm}},
         true);
    settle(claimId, confirm);
    return true;
}

std::vector<const RoomClaim *> Room::pendingClaims() const
{
    std::vector<const RoomClaim *> pending;
    for (const RoomClaim &c : m_claims)
        if (c.state == RoomClaim::Pending)
            pending.push_back(&c);
    return pending;
}

std::vector<const HeldCard *> Room::heldCards() const
{
    std::vector<const HeldCard *> cards;
    cards.reserve(std::size_t(m_byToken.size()));
    for (const HeldCard &h : m_byToken)
        cards.push_back(&h);
    std::sort(cards.begin(), cards.end(), [](const HeldCard *a, const HeldCard *b) { return a->card < b->card; });
    return cards;
}

QString Room::verdictText(const RoomClaim &claim) const
{
    if (claim.check.won)
        return QCoreApplication::translate("Room", "wins %1 at call %2")
            .arg(claim.check.prize)
            .arg(claim.check.wonAtCall);
    const bool numbers = m_game.session().board().numbered() || m_game.record().settings.kind == CardKind::Tickets90;
    return numbers
               ? QCoreApplication::translate("Room", "not yet: %n numbers missing", nullptr, claim.check.cellsShort)
               : QCoreApplication::translate("Room", "not yet: %n entries missing", nullptr, claim.check.cellsShort);
}
