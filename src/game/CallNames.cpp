#include "game/CallNames.h"

#include <array>

namespace {

// Not translated on purpose: these are the English rhymes of the bingo hall,
// said as they are wherever English bingo is played; a translation would be
// a different game's calls. Index 0 is number 1.
constexpr std::array<const char *, 90> Names{
    "Kelly's eye",
    "One little duck",
    "Cup of tea",
    "Knock at the door",
    "Man alive",
    "Tom Mix",
    "Lucky seven",
    "Garden gate",
    "Doctor's orders",
    "Cock and hen",
    "Legs eleven",
    "One dozen",
    "Unlucky for some",
    "Valentine's Day",
    "Young and keen",
    "Sweet sixteen",
    "Dancing queen",
    "Coming of age",
    "Goodbye teens",
    "One score",
    "Key of the door",
    "Two little ducks",
    "Thee and me",
    "Two dozen",
    "Duck and dive",
    "Pick and mix",
    "Gateway to heaven",
    "Overweight",
    "Rise and shine",
    "Dirty Gertie",
    "Get up and run",
    "Buckle my shoe",
    "All the threes",
    "Ask for more",
    "Jump and jive",
    "Three dozen",
    "More than eleven",
    "Christmas cake",
    "Steps",
    "Naughty forty",
    "Time for fun",
    "Winnie the Pooh",
    "Down on your knees",
    "Droopy drawers",
    "Halfway there",
    "Up to tricks",
    "Four and seven",
    "Four dozen",
    "PC",
    "Half a century",
    "Tweak of the thumb",
    "Danny La Rue",
    "Stuck in the tree",
    "Clean the floor",
    "Snakes alive",
    "Was she worth it?",
    "Heinz varieties",
    "Make them wait",
    "Brighton line",
    "Five dozen",
    "Baker's bun",
    "Tickety-boo",
    "Tickle me",
    "Red raw",
    "Old age pension",
    "Clickety click",
    "Stairway to heaven",
    "Saving grace",
    "Either way up",
    "Three score and ten",
    "Bang on the drum",
    "Six dozen",
    "Queen bee",
    "Candy store",
    "Strive and strive",
    "Trombones",
    "Sunset strip",
    "Heaven's gate",
    "One more time",
    "Eight and blank",
    "Stop and run",
    "Straight on through",
    "Time for tea",
    "Seven dozen",
    "Staying alive",
    "Between the sticks",
    "Torquay in Devon",
    "Two fat ladies",
    "Nearly there",
    "Top of the shop",
};

} // namespace

QString callName(const QString &label)
{
    if (label.isEmpty() || label.size() > 2 || !label.front().isDigit() || !label.back().isDigit())
        return {};
    const int number = label.toInt();
    if (number < 1 || number > int(Names.size()) || label.front() == QLatin1Char('0'))
        return {};
    return QString::fromUtf8(Names[std::size_t(number - 1)]);
}
