#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <random>

#include <QList>
#include <QStringList>
#include <QString>

#include "core/Conv.h"
#include "core/FieldRanges.h"

// The range check and the encoders read a field's number apart (FieldRanges::Number, ValInt). A
// field the check accepts must read as the same value in the encoders, or a project the check
// calls sound sends another byte to the panel.
TEST(FieldRangesNumber, EveryAcceptedFieldReadsTheSameInTheEncoders)
{
    const QList<QChar> alphabet = {u'0', u'1', u'5', u'9', u' ', u'\t', u'\r', u'\n', QChar(0x00A0),
                                   QChar(0x2003), QChar(0x000B), QChar(0x000C), QChar(0x0085), u'-',
                                   u'+', u'.', u'&', u'H', u'E', u'x'};
    std::mt19937 rng(1255);
    std::uniform_int_distribution<int> length(0, 6), pick(0, int(alphabet.size()) - 1);
    int accepted = 0;
    for (int i = 0; i < 200000; ++i) {
        QString text;
        for (int n = length(rng); n > 0; --n) text.append(alphabet[pick(rng)]);
        const auto v = FieldRanges::Number(text, 0, 999999);
        if (!v) continue;
        ++accepted;
        ASSERT_EQ(*v, ValInt(text)) << "field \"" << text.toStdString() << "\" (code points "
                                    << [&] {
                                           QString s;
                                           for (QChar c : text) s += QString::number(c.unicode(), 16) + ' ';
                                           return s.toStdString();
                                       }()
                                    << ")";
    }
    EXPECT_GT(accepted, 1000) << "the alphabet gives too few fields a reading accepts";
}

TEST(FieldRangesNumber, OnlyTheEncodersBlanksAreTrimmed)
{
    struct Case {
        QString text;
        bool accepted;
    };
    const Case cases[] = {
        {" 5", true},     {"5\t", true},   {"\r\n05 ", true},  {QString(QChar(0x00A0)) + "5", false},
        {"5" + QString(QChar(0x2003)), false}, {QString(QChar(0x000B)) + "5", false},
        {"", false},      {"  ", false},   {"5 5", false},     {"+5", false},
    };
    for (const Case& c : cases)
        EXPECT_EQ(FieldRanges::Number(c.text, 0, 99).has_value(), c.accepted) << c.text.toStdString();
}

// ValInt reads a text of digits and blanks without the general parse: every text must still give
// what the general reading (Val, rounded) gives, whatever it holds.
TEST(ValIntReading, EveryTextReadsAsValRoundedReadsIt)
{
    const QList<QChar> alphabet = {u'0', u'1', u'7', u'9', u' ', u'\t', u'\r', u'\n', QChar(0x00A0), u'-',
                                   u'.', u'&', u'H', u'E', u'x', u'5'};
    std::mt19937 rng(2101);
    std::uniform_int_distribution<int> length(0, 22), pick(0, int(alphabet.size()) - 1);
    // Long runs of digits, where a double no longer holds every integer, come rarely at random.
    const QStringList longOnes = {"123456789012345", "1234567890123456", " 99999999999999999 ",
                                  "9007199254740993", "12 345 678 901 234 567 890", "000000000000000000001"};
    for (int i = 0; i < 200000 + int(longOnes.size()); ++i) {
        QString text;
        if (i < longOnes.size()) text = longOnes[i];
        else
            for (int n = length(rng); n > 0; --n) text.append(alphabet[pick(rng)]);
        const double v = std::nearbyint(Val(text));
        const long long expected = std::isnan(v)                   ? 0
                                   : v >= 9223372036854775808.0    ? std::numeric_limits<long long>::max()
                                   : v < -9223372036854775808.0    ? std::numeric_limits<long long>::min()
                                                                   : static_cast<long long>(v);
        ASSERT_EQ(ValInt(text), expected) << "text \"" << text.toStdString() << "\"";
    }
}
