#include "game/GameCode.h"

#include "card/SeededRandom.h"

namespace {

constexpr char Alphabet[] = "0123456789ABCDEFGHJKMNPQRSTVWXYZ";
constexpr int CodeLength = 6;
// Keeps the code's hash apart from the card streams, which mix the seed too.
constexpr std::uint64_t CodeSalt = 0xC0DE5A17C0DE5A17ULL;

} // namespace

QString gameCode(std::uint64_t seed)
{
    std::uint64_t bits = SeededRandomSource::mix64(seed ^ CodeSalt) >> (64 - 5 * CodeLength);
    QString code(CodeLength, QLatin1Char('0'));
    for (int i = CodeLength - 1; i >= 0; --i) {
        code[i] = QLatin1Char(Alphabet[bits & 31]);
        bits >>= 5;
    }
    return code;
}

bool isGameCode(const QString &text)
{
    if (text.size() != CodeLength)
        return false;
    const QLatin1StringView alphabet(Alphabet);
    for (QChar c : text)
        if (!alphabet.contains(c))
            return false;
    return true;
}
