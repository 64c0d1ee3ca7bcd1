// Digit groups for display and the cleaning of typed numbers.

#include "Spaces.h"
#include "core/IntegerText.h"
#include "core/DigitGroups.h"
#include "core/TypedNumbers.h"
#include "core/Generation.h"

#include <QTest>

class TestNumberText : public QObject
{
    Q_OBJECT

private slots:
    void groupsAreCountedFromTheRight_data()
    {
        QTest::addColumn<qint32>("n");
        QTest::addColumn<QString>("shown");
        QTest::newRow("single digit") << 7 << "7";
        QTest::newRow("zero") << 0 << "0";
        QTest::newRow("three digits need no blank") << 999 << "999";
        QTest::newRow("thousand") << 1000 << "1 000";
        QTest::newRow("ten thousand") << 10000 << "10 000";
        QTest::newRow("two full groups") << 123456 << "123 456";
        QTest::newRow("million") << 1000000 << "1 000 000";
        QTest::newRow("minus sign belongs to the first group") << -1234 << "-1 234";
        QTest::newRow("minus sign alone in a group") << -123 << "- 123";
        QTest::newRow("minus thousand") << -1000 << "-1 000";
        QTest::newRow("largest") << 2147483647 << "2 147 483 647";
        QTest::newRow("smallest") << qint32(-2147483647 - 1) << "-2 147 483 648";
    }
    void groupsAreCountedFromTheRight()
    {
        QFETCH(qint32, n);
        QFETCH(QString, shown);
        QCOMPARE(FormatGrouped(n), shown);
    }

    void typedNumbersAreCleanedBeforeComparing_data()
    {
        QTest::addColumn<QString>("typed");
        QTest::addColumn<QString>("cleaned");
        QTest::newRow("plus and blanks") << "+ 1 000" << "1000";
        QTest::newRow("parentheses") << "(250)" << "250";
        QTest::newRow("leading zeros") << "007" << "7";
        QTest::newRow("lone zero stays") << "0" << "0";
        QTest::newRow("zero before comma stays") << "00,50" << "0,5";
        QTest::newRow("zero fraction dropped") << "12,0" << "12";
        QTest::newRow("trailing comma") << "3," << "3";
        QTest::newRow("plus before minus") << "+-5" << "-5";
        QTest::newRow("plus before minus inside") << "12 + -3" << "12-3";
        QTest::newRow("trailing zeros of a fraction") << "1,500" << "1,5";
        QTest::newRow("zeros of a whole number stay") << "100" << "100";
        QTest::newRow("full stop is no comma") << "1.000" << "1.000";
        QTest::newRow("lone plus stays") << "+" << "+";
        QTest::newRow("plus zero") << "+0" << "0";
        QTest::newRow("zero comma zero") << "0,0" << "0";
        QTest::newRow("comma first") << ",5" << ",5";
        QTest::newRow("empty") << "" << "";
        QTest::newRow("only blanks") << "   " << "";
        QTest::newRow("one pass does not look back") << "1++-" << "1+-";
        QTest::newRow("comma never becomes a point") << "1,25" << "1,25";
    }
    void typedNumbersAreCleanedBeforeComparing()
    {
        QFETCH(QString, typed);
        QFETCH(QString, cleaned);
        QCOMPARE(NormalizeNumberText(typed), cleaned);
    }

    void smallHelpersHandleTheirEdges()
    {
        QCOMPARE(Spaces(3), QStringLiteral("   "));
        QVERIFY(Spaces(0).isEmpty());
        QVERIFY(Spaces(-52).isEmpty());
        QCOMPARE(MaxOf(3, 3), 3);
        QCOMPARE(MaxOf(-2, 5), 5);
        QCOMPARE(MaxOf(6, 4), 6);
        QCOMPARE(RemoveChars(QStringLiteral(" (a)) b( "), QStringLiteral(" ()")), QStringLiteral("ab"));
        QVERIFY(ContainsComma(QStringLiteral("1,5")));
        QVERIFY(!ContainsComma(QStringLiteral("1.5")));
    }

    void wholeNumbersAreReadLikeTheEarlierVersions_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::addColumn<qint32>("value");
        QTest::newRow("plain") << "1000" << true << 1000;
        QTest::newRow("negative") << "-3" << true << -3;
        QTest::newRow("plus sign") << "+12" << true << 12;
        QTest::newRow("hex with dollar") << "$1F" << true << 31;
        QTest::newRow("hex with x") << "x10" << true << 16;
        QTest::newRow("hex with 0x") << "0x10" << true << 16;
        QTest::newRow("largest") << "2147483647" << true << 2147483647;
        QTest::newRow("smallest") << "-2147483648" << true << qint32(-2147483647 - 1);
        QTest::newRow("too large") << "2147483648" << false << 0;
        QTest::newRow("far too large") << "99999999999999999999" << false << 0;
        QTest::newRow("empty") << "" << false << 0;
        QTest::newRow("sign alone") << "-" << false << 0;
        QTest::newRow("words") << "fuenf" << false << 0;
        QTest::newRow("decimal comma") << "1,5" << false << 0;
        QTest::newRow("hex prefix alone") << "$" << false << 0;
        QTest::newRow("hex digit without prefix") << "1F" << false << 0;
    }
    void wholeNumbersAreReadLikeTheEarlierVersions()
    {
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QFETCH(qint32, value);
        const auto result = TextToInteger(text);
        QCOMPARE(result.has_value(), valid);
        if (valid)
            QCOMPARE(*result, value);
    }
};

QTEST_GUILESS_MAIN(TestNumberText)
#include "tst_numbertext.moc"
