// The Caller window of a small game with Play on Phones turned on (a game of
// tickets when the first argument is "tickets"), driven by lines on its
// standard input, for the browser test of the phone page:
//   mark <card> <shown cells, comma-separated>   calls those cells of the card
//   queue                                         prints the claims waiting
//   decide <yes|no>                               decides the first of them
//   held                                          prints who holds which card
// Every answer ends with a line "OK".
#include "FakePrompts.h"
#include "FakeSpeaker.h"
#include "PlayFixtures.h"

#include "app/caller/UnitFrmCaller.h"
#include "app/play/PlayPanel.h"
#include "app/play/PlayServer.h"
#include "play/Room.h"

#include <QAction>
#include <QApplication>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QSocketNotifier>
#include <QTemporaryDir>

#include <cstdio>
#include <iostream>
#include <string>

namespace {

void say(const QString &line)
{
    std::cout << line.toStdString() << std::endl;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QTemporaryDir dir;
    const bool tickets = argc > 1 && qstrcmp(argv[1], "tickets") == 0;
    auto game = openedGame(dir.path(), tickets ? 12 : 20, 4242, tickets ? CardKind::Tickets90 : CardKind::WordCards);
    const QString path = game->path();
    game.reset();

    FakePrompts prompts;
    prompts.answers.enqueue(true); // yes, listen on the network
    CallerServices services;
    FakeSpeaker speaker;
    services.prompts = &prompts;
    services.speaker = &speaker;
    TFrmCaller caller(services);
    if (!caller.openGame(path))
        return 1;
    caller.show();
    caller.MnuPlayOnPhones->trigger();
    if (!caller.PnlPlay) {
        say(QStringLiteral("FAILED ") + prompts.texts().join(QLatin1Char(' ')));
        return 1;
    }
    say(QStringLiteral("PORT %1").arg(caller.PnlPlay->server().port()));

    QSocketNotifier input(fileno(stdin), QSocketNotifier::Read);
    QObject::connect(&input, &QSocketNotifier::activated, [&] {
        std::string raw;
        if (!std::getline(std::cin, raw)) {
            app.quit();
            return;
        }
        const QStringList words = QString::fromStdString(raw).split(QLatin1Char(' '), Qt::SkipEmptyParts);
        const QString command = words.value(0);
        PlayPanel *panel = caller.PnlPlay;
        if (command == QLatin1String("mark") && words.size() == 3) {
            CalledGame &g = const_cast<CalledGame &>(*caller.game());
            const QStringList cells = g.cards()->cells(words.at(1).toULongLong());
            for (const QString &k : words.at(2).split(QLatin1Char(','))) {
                const int item = g.session().board().itemOf(cells.value(k.toInt()));
                if (item >= 0 && !g.session().isCalled(item))
                    caller.BoardItemClick(item);
            }
        } else if (command == QLatin1String("queue")) {
            for (QFrame *row : panel->PnlClaims->findChildren<QFrame *>(QStringLiteral("ClaimRow")))
                say(QStringLiteral("CLAIM %1 | %2")
                        .arg(row->findChild<QLabel *>(QStringLiteral("LblClaimName"))->text(),
                             row->findChild<QLabel *>(QStringLiteral("LblClaimVerdict"))->text()));
        } else if (command == QLatin1String("decide") && words.size() == 2) {
            const auto rows = panel->PnlClaims->findChildren<QFrame *>(QStringLiteral("ClaimRow"));
            if (!rows.isEmpty())
                rows.first()
                    ->findChild<QPushButton *>(words.at(1) == QLatin1String("yes") ? QStringLiteral("BtnConfirmClaim")
                                                                                   : QStringLiteral("BtnRejectClaim"))
                    ->click();
        } else if (command == QLatin1String("held")) {
            for (const HeldCard *h : panel->room().heldCards())
                say(QStringLiteral("HELD %1 | %2").arg(h->card).arg(h->name));
        } else if (command == QLatin1String("quit")) {
            app.quit();
        }
        say(QStringLiteral("OK"));
    });
    return app.exec();
}
