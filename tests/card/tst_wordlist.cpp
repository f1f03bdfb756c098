#include "FakePrompts.h"
#include "SequenceRandom.h"
#include "card/EntryRules.h"
#include "card/WordList.h"

#include <QTest>

class TestWordList : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void keepsSortedOrder_data()
    {
        QTest::addColumn<QStringList>("added");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("numbers as text") << QStringList{"2", "10"} << QStringList{"10", "2"};
        QTest::newRow("teens") << QStringList{"2", "19", "1", "11", "20", "10"}
                               << QStringList{"1", "10", "11", "19", "2", "20"};
        QTest::newRow("ignores case") << QStringList{"banana", "Cherry", "apple"}
                                      << QStringList{"apple", "banana", "Cherry"};
        QTest::newRow("kept as typed") << QStringList{" cat", "cat "} << QStringList{" cat", "cat "};
    }
    void keepsSortedOrder()
    {
        QFETCH(QStringList, added);
        QFETCH(QStringList, order);
        WordList list;
        for (const QString &s : added)
            list.insert(s);
        QCOMPARE(list.items(), order);
    }

    void bulkLoadMatchesOneByOne()
    {
        QStringList entries;
        SequenceRandom random(17);
        const QStringList stems{"cat", "Cat", "CAT", "dog", "10", "2", "Émile", "emile", "zebra", "a b"};
        for (int i = 0; i < 3000; ++i)
            entries.append(stems[random.below(stems.size())]
                           + (random.below(3) == 0 ? QString() : QString::number(random.below(50))));
        WordList one;
        for (const QString &e : entries)
            one.insert(e);
        WordList bulk;
        bulk.insertMany(entries.mid(0, 1000));
        bulk.insertMany(entries.mid(1000));
        QCOMPARE(bulk.items(), one.items());
    }

    void removesByIndex()
    {
        WordList list;
        list.insertMany({"b", "a", "c"});
        list.removeAt(1);
        QCOMPARE(list.items(), QStringList({"a", "c"}));
        QCOMPARE(list.countExact(QStringLiteral("a")), qsizetype(1));
    }

    void confirmNewEntry_data()
    {
        QTest::addColumn<QStringList>("list");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QList<bool>>("answers");
        QTest::addColumn<bool>("accepted");
        QTest::addColumn<int>("questions");
        QTest::addColumn<int>("messages");
        QTest::newRow("blanks only") << QStringList{} << "   " << QList<bool>{} << false << 0 << 1;
        QTest::newRow("controls only") << QStringList{} << "\t\r" << QList<bool>{} << false << 0 << 1;
        QTest::newRow("empty") << QStringList{} << "" << QList<bool>{} << false << 0 << 1;
        QTest::newRow("new word") << QStringList{"dog"} << "cat" << QList<bool>{} << true << 0 << 0;
        QTest::newRow("leading blank differs") << QStringList{"cat"} << " cat" << QList<bool>{} << true << 0 << 0;
        QTest::newRow("case differs") << QStringList{"cat"} << "Cat" << QList<bool>{} << true << 0 << 0;
        QTest::newRow("twice, yes yes") << QStringList{"cat", "cat"} << "cat" << QList<bool>{true, true} << true << 2
                                        << 0;
        QTest::newRow("twice, yes no") << QStringList{"cat", "cat"} << "cat" << QList<bool>{true, false} << false << 2
                                       << 0;
        QTest::newRow("twice, no") << QStringList{"cat", "cat"} << "cat" << QList<bool>{false} << false << 1 << 0;
    }
    void confirmNewEntry()
    {
        QFETCH(QStringList, list);
        QFETCH(QString, text);
        QFETCH(QList<bool>, answers);
        QFETCH(bool, accepted);
        QFETCH(int, questions);
        QFETCH(int, messages);
        WordList words;
        words.insertMany(list);
        FakePrompts prompts;
        for (bool a : answers)
            prompts.answers.enqueue(a);
        QCOMPARE(::confirmNewEntry(text, words, prompts), accepted);
        QCOMPARE(prompts.count(FakePrompts::Kind::Question), questions);
        QCOMPARE(prompts.count(FakePrompts::Kind::Information), messages);
        if (messages)
            QCOMPARE(prompts.shown[0].text, QStringLiteral("Please don't add an empty string."));
        if (questions) {
            QCOMPARE(
                prompts.shown[0].text,
                QStringLiteral("The word 'cat' has already been added into the list, do you want to add it again?"));
            QCOMPARE(prompts.shown[0].defaultButton, DefaultButton::No);
        }
    }
};

QTEST_APPLESS_MAIN(TestWordList)
#include "tst_wordlist.moc"
