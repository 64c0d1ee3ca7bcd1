// German number words: the place rules, the shortened forms, the eins/eine/ein suffixes
// and the line break after the millions.

#include "generators/writing/NumberWords.h"
#include "core/TaskTypes.h"

#include <QtTest>

class NumberWordsTest : public QObject
{
    Q_OBJECT

private:
    static QString cr() { return QString(CarriageReturn); }

private slots:
    void wordsOfNumber_data();
    void wordsOfNumber();
    void wholeMillionsEndWithTheLineBreak_data();
    void wholeMillionsEndWithTheLineBreak();
    void numbersOutsideTheRangeGiveNoWords_data();
    void numbersOutsideTheRangeGiveNoWords();
};

void NumberWordsTest::wordsOfNumber_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<QString>("words");
    const QString cr = NumberWordsTest::cr();
    QTest::newRow("zehn") << 10 << "zehn";
    QTest::newRow("elf") << 11 << "elf";
    QTest::newRow("zwölf") << 12 << "zwölf";
    QTest::newRow("sechzehn shortened") << 16 << "sechzehn";
    QTest::newRow("siebzehn shortened") << 17 << "siebzehn";
    QTest::newRow("unit before tens") << 21 << "einundzwanzig";
    QTest::newRow("dreißig") << 30 << "dreißig";
    QTest::newRow("sechzig shortened") << 60 << "sechzig";
    QTest::newRow("siebzig shortened") << 70 << "siebzig";
    QTest::newRow("sechsundsechzig") << 66 << "sechsundsechzig";
    QTest::newRow("siebenundsiebzig") << 77 << "siebenundsiebzig";
    QTest::newRow("neunundneunzig") << 99 << "neunundneunzig";
    QTest::newRow("hundert carries its one") << 100 << "einhundert";
    QTest::newRow("eins at the end") << 101 << "einhunderteins";
    QTest::newRow("einhundertelf") << 111 << "einhundertelf";
    QTest::newRow("einhundertsechzehn") << 116 << "einhundertsechzehn";
    QTest::newRow("zweihundert") << 200 << "zweihundert";
    QTest::newRow("einundzwanzig at the end has no s") << 221 << "zweihunderteinundzwanzig";
    QTest::newRow("eintausend") << 1000 << "eintausend";
    QTest::newRow("eintausendeins") << 1001 << "eintausendeins";
    QTest::newRow("eintausendzehn") << 1010 << "eintausendzehn";
    QTest::newRow("zehntausendeins") << 10001 << "zehntausendeins";
    QTest::newRow("einundzwanzigtausend") << 21000 << "einundzwanzigtausend";
    QTest::newRow("einhunderttausend") << 100000 << "einhunderttausend";
    QTest::newRow("ein before tausend") << 101000 << "einhunderteintausend";
    QTest::newRow("ein before tausend, rest") << 201001 << "zweihunderteintausendeins";
    QTest::newRow("one word below a million") << 45678
                                              << "fünfundvierzigtausendsechshundertachtundsiebzig";
    QTest::newRow("eine Million is singular")
        << 1000001 << QStringLiteral("eine Million") + cr + "eins";
    QTest::newRow("eine Million, rest")
        << 1200300 << QStringLiteral("eine Million") + cr + "zweihunderttausenddreihundert";
    QTest::newRow("elf Millionen elf") << 11000011 << QStringLiteral("elf Millionen") + cr + "elf";
    QTest::newRow("einundzwanzig Millionen has no e")
        << 21000000 << QStringLiteral("einundzwanzig Millionen") + cr;
    QTest::newRow("hundert one Millionen")
        << 101000000 << QStringLiteral("einhunderteine Millionen") + cr;
    QTest::newRow("largest writing task")
        << 98999999
        << QStringLiteral("achtundneunzig Millionen") + cr
               + "neunhundertneunundneunzigtausendneunhundertneunundneunzig";
    QTest::newRow("nine places")
        << 123456789
        << QStringLiteral("einhundertdreiundzwanzig Millionen") + cr
               + "vierhundertsechsundfünfzigtausendsiebenhundertneunundachtzig";
    QTest::newRow("largest number")
        << 999999999
        << QStringLiteral("neunhundertneunundneunzig Millionen") + cr
               + "neunhundertneunundneunzigtausendneunhundertneunundneunzig";
}

void NumberWordsTest::wordsOfNumber()
{
    QFETCH(qint32, n);
    QFETCH(QString, words);
    QCOMPARE(NumberToWords(n), words);
}

void NumberWordsTest::wholeMillionsEndWithTheLineBreak_data()
{
    QTest::addColumn<qint32>("n");
    QTest::addColumn<QString>("millionsLine");
    QTest::newRow("zwei") << 2000000 << "zwei Millionen";
    QTest::newRow("zehn") << 10000000 << "zehn Millionen";
    QTest::newRow("siebzehn") << 17000000 << "siebzehn Millionen";
    QTest::newRow("neunhundert") << 900000000 << "neunhundert Millionen";
}

void NumberWordsTest::wholeMillionsEndWithTheLineBreak()
{
    QFETCH(qint32, n);
    QFETCH(QString, millionsLine);
    QCOMPARE(NumberToWords(n), millionsLine + cr());
}

void NumberWordsTest::numbersOutsideTheRangeGiveNoWords_data()
{
    QTest::addColumn<qint32>("n");
    QTest::newRow("nine") << 9;
    QTest::newRow("zero") << 0;
    QTest::newRow("negative") << -25;
    QTest::newRow("smallest") << std::numeric_limits<qint32>::min();
    QTest::newRow("ten digits") << 1000000000;
    QTest::newRow("largest") << std::numeric_limits<qint32>::max();
}

void NumberWordsTest::numbersOutsideTheRangeGiveNoWords()
{
    QFETCH(qint32, n);
    QVERIFY(NumberToWords(n).isEmpty());
}

QTEST_GUILESS_MAIN(NumberWordsTest)
#include "tst_numberwords.moc"
