#include <gtest/gtest.h>

#include <random>

#include <QList>
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
