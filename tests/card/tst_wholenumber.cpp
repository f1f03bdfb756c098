#include "card/Error.h"
#include "card/Trim.h"
#include "card/WholeNumber.h"

#include <QTest>

class TestWholeNumber : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void converts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<int>("value");
        QTest::newRow("decimal") << "42" << true << 42;
        QTest::newRow("leading blanks") << "   7" << true << 7;
        QTest::newRow("plus") << "+13" << true << 13;
        QTest::newRow("minus") << "-5" << true << -5;
        QTest::newRow("dollar hex") << "$1F" << true << 31;
        QTest::newRow("x hex") << "x10" << true << 16;
        QTest::newRow("X hex") << "X10" << true << 16;
        QTest::newRow("0x hex") << "0x18" << true << 24;
        QTest::newRow("0X hex") << "0Xff" << true << 255;
        QTest::newRow("negative hex") << "-$10" << true << -16;
        QTest::newRow("max") << "2147483647" << true << 2147483647;
        QTest::newRow("min") << "-2147483648" << true << int(-2147483648LL);
        QTest::newRow("hex max") << "0x7FFFFFFF" << true << 2147483647;
        QTest::newRow("zero") << "0" << true << 0;
        QTest::newRow("leading zeros") << "007" << true << 7;
        QTest::newRow("above max") << "2147483648" << false << 0;
        QTest::newRow("below min") << "-2147483649" << false << 0;
        QTest::newRow("hex above max") << "0x80000000" << false << 0;
        QTest::newRow("huge") << "99999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("blanks only") << "   " << false << 0;
        QTest::newRow("sign only") << "-" << false << 0;
        QTest::newRow("prefix only") << "0x" << false << 0;
        QTest::newRow("dollar only") << "$" << false << 0;
        QTest::newRow("trailing blank") << "12 " << false << 0;
        QTest::newRow("decimal point") << "1.5" << false << 0;
        QTest::newRow("letters") << "abc" << false << 0;
        QTest::newRow("trailing letters") << "12a" << false << 0;
        QTest::newRow("hex digit in decimal") << "1f" << false << 0;
        QTest::newRow("blank after sign") << "- 5" << false << 0;
        QTest::newRow("leading tab") << "\t5" << false << 0;
        QTest::newRow("double sign") << "--5" << false << 0;
    }
    void converts()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(int, value);
        const auto result = tryStrToInt(text);
        QCOMPARE(result.has_value(), valid);
        if (valid)
            QCOMPARE(*result, value);
        QCOMPARE(strToIntDef(text, -777), valid ? value : -777);
    }

    void strToIntThrowsWithTheFieldText()
    {
        try {
            strToInt(QStringLiteral("12x"));
            QFAIL("no exception");
        } catch (const MorvaneError &e) {
            QCOMPARE(e.message(), QStringLiteral("'12x' is not a valid integer value"));
        }
        try {
            strToInt(QString());
            QFAIL("no exception");
        } catch (const MorvaneError &e) {
            QCOMPARE(e.message(), QStringLiteral("'' is not a valid integer value"));
        }
    }

    void errorBoxFullStop_data()
    {
        QTest::addColumn<QString>("message");
        QTest::addColumn<QString>("shown");
        QTest::newRow("letter") << "File not found"
                                << "File not found.";
        QTest::newRow("digit") << "I/O error 5"
                               << "I/O error 5.";
        QTest::newRow("full stop") << "Done."
                                   << "Done.";
        QTest::newRow("parenthesis") << "Failed (code)"
                                     << "Failed (code)";
        QTest::newRow("quote") << "'' is not a valid integer value"
                               << "'' is not a valid integer value.";
        QTest::newRow("ends in quote") << "Unable to write to 'x'"
                                       << "Unable to write to 'x'";
        QTest::newRow("slash sorts after dot") << "Unable to write to /tmp/"
                                               << "Unable to write to /tmp/.";
        QTest::newRow("empty") << ""
                               << "";
    }
    void errorBoxFullStop()
    {
        QFETCH(QString, message);
        QFETCH(QString, shown);
        QCOMPARE(errorBoxText(message), shown);
    }

    void trims_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("trimmed");
        QTest::newRow("blanks") << "  cat  "
                                << "cat";
        QTest::newRow("controls") << QString::fromLatin1("\t\x01\r cat\n\x1f") << "cat";
        QTest::newRow("inner kept") << " a  b "
                                    << "a  b";
        QTest::newRow("only controls") << QString::fromLatin1(" \t\x00 ", 4) << "";
        QTest::newRow("nbsp kept") << QString(QChar(0xA0)) + "x" << QString(QChar(0xA0)) + "x";
    }
    void trims()
    {
        QFETCH(QString, text);
        QFETCH(QString, trimmed);
        QCOMPARE(trimBlanks(text), trimmed);
    }
};

QTEST_APPLESS_MAIN(TestWholeNumber)
#include "tst_wholenumber.moc"
