// ArrangeCard on large lists: it runs on every add, so it must stay cheap.
// ArrangeShownCells beside it: a print job runs it for every card.
#include "BenchUtil.h"
#include "card/ArrangeCard.h"
#include "card/RandomSource.h"

#include <QStringList>

int main()
{
    ClockRandomSource random;
    for (int n : {1000, 10000, 100000}) {
        QStringList words;
        for (int i = 0; i < n; ++i)
            words.append(QStringLiteral("entry number %1").arg(i));
        QStringList cells;
        const double ms = medianMs(15, [&] { ArrangeCard(words, 1, true, cells, random); });
        std::printf("ArrangeCard, %6d entries: median %.3f ms (target for 100000: < 20 ms)\n", n, ms);
        // What a print job does for every card but its last.
        const double shown = medianMs(2001, [&] { ArrangeShownCells(words, 1, true, cells, random); });
        std::printf("ArrangeShownCells, %6d entries: median %.4f ms\n", n, shown);
    }
    QStringList numbers;
    for (int i = 1; i <= 75; ++i)
        numbers.append(QString::number(i));
    QStringList cells;
    const double ms = medianMs(2001, [&] { ArrangeCard(numbers, 1, true, cells, random); });
    std::printf("ArrangeCard, 75 numbers (column rule): median %.4f ms\n", ms);
    return 0;
}
