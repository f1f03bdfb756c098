#pragma once

#include "play/CardFace.h"
#include "play/ClaimCheck.h"
#include "play/RoomJournal.h"

#include <QHash>
#include <QString>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class CalledGame;

// A card in a player's hands: who holds it, by which token, and what they
// dabbed. The token is the card's only key from outside; it is random and
// says nothing of the card's number or the game's code.
struct HeldCard
{
    std::uint64_t card = 0;
    QString token;
    QString name;
    QString phone; // empty for a card handed out as a link
    std::vector<bool> dabs;
    qint64 claimAfterMs = 0;
};

struct RoomClaim
{
    enum State { Pending, Confirmed, Rejected };
    int id = 0;
    std::uint64_t card = 0;
    QString token;
    QString name;
    int callCount = 0; // calls made when the claim came
    qint64 madeMs = 0; // when it came, by the room's clock
    ClaimCheck check;  // the card against those calls
    State state = Pending;
};

// The players' side of a game called on the desktop: who holds which card,
// their dabs and their claims. Every claim is checked against the card as
// the game makes it and the calls made, never against what a phone says it
// dabbed. Everything a phone may do (join, dab, claim) and everything only
// the caller may do (open or close the room, decide a claim) are separate
// functions; the web server reaches only the former.
class Room
{
public:
    struct Services
    {
        std::function<qint64()> clockMs;
        // 128 random bits as 32 hex digits.
        std::function<QString()> newToken;
    };
    // Counted from the false claim, not from the caller's answer: a caller
    // who takes a while to decide does not lengthen the wait.
    static constexpr qint64 FalseClaimWaitMs = 10000;

    // Keeps its events in the journal, when there is one, and takes back
    // those already kept there. Throws MorvaneError when the journal
    // cannot be read.
    Room(CalledGame &game, std::unique_ptr<RoomJournal> journal, Services services);
    ~Room();

    const CalledGame &game() const { return m_game; }
    const RoomJournal *journal() const { return m_journal.get(); }

    // Caller side.
    bool isOpen() const { return m_open; }
    void setOpen(bool open);
    int cardsPerPhone() const { return m_cardsPerPhone; }
    void setCardsPerPhone(int cards) { m_cardsPerPhone = std::max(1, cards); }
    // The token of the card, made now when no one holds it yet.
    QString linkCard(std::uint64_t card, const QString &name = QString());
    // False for a claim that is not pending.
    bool decide(int claimId, bool confirm);
    std::vector<const RoomClaim *> pendingClaims() const;
    // "wins Any Line at call 34", "not yet: 2 numbers missing".
    QString verdictText(const RoomClaim &claim) const;
    // Every held card, by card number.
    std::vector<const HeldCard *> heldCards() const;

    // Phone side.
    enum class JoinStatus { Ok, Closed, NoCardsLeft, PhoneFull };
    struct Joined
    {
        JoinStatus status = JoinStatus::Closed;
        QString token;
    };
    Joined join(const QString &name, const QString &phone);
    const HeldCard *held(const QString &token) const;
    CardFace face(const HeldCard &held) const;
    bool dab(const QString &token, int cell, bool on);
    enum class ClaimStatus { Queued, Pending, Wait, Unknown };
    struct ClaimAnswer
    {
        ClaimStatus status = ClaimStatus::Unknown;
        int claimId = 0;
        int waitSeconds = 0;
    };
    ClaimAnswer claim(const QString &token);
    // The latest claim of the card, if any.
    const RoomClaim *latestClaim(std::uint64_t card) const;

private:
    HeldCard &hold(std::uint64_t card, const QString &token, const QString &name, const QString &phone);
    void replay(const QJsonObject &event);
    RoomClaim *pendingClaim(int claimId);
    // The decision, once kept or read back.
    void settle(int claimId, bool confirm);
    void keep(const QJsonObject &event, bool sync);

    CalledGame &m_game;
    std::unique_ptr<RoomJournal> m_journal;
    Services m_services;
    bool m_open = true;
    int m_cardsPerPhone = 1;
    std::uint64_t m_nextFree = 1;
    QHash<QString, HeldCard> m_byToken;
    QHash<std::uint64_t, QString> m_tokenOfCard;
    QHash<QString, int> m_cardsOfPhone;
    std::vector<RoomClaim> m_claims;
    mutable QHash<std::uint64_t, CardFace> m_faces;
};

// 128 bits of the system's secure source as 32 hex digits.
QString secureToken();
