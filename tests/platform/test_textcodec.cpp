#include <gtest/gtest.h>

#include <set>

#include "platform/TextCodec.h"

namespace {

QByteArray AllBytes()
{
    QByteArray bytes;
    for (int b = 0; b < 256; ++b)
        bytes.append(static_cast<char>(b));
    return bytes;
}

}  // namespace

TEST(TextCodec, EveryByteSurvivesARoundTrip)
{
    const QByteArray bytes = AllBytes();
    const QString text = TextCodec::FromCp1255(bytes);
    ASSERT_EQ(text.size(), 256);
    EXPECT_EQ(TextCodec::ToCp1255(text), bytes);
    std::set<char16_t> distinct;
    for (QChar c : text)
        distinct.insert(c.unicode());
    EXPECT_EQ(distinct.size(), 256u) << "two bytes decode to the same character";
    for (int b = 0; b < 256; ++b)
        EXPECT_EQ(TextCodec::CodeOf(text[b]), b);
}

TEST(TextCodec, BytesDecodeToTheCodePagesCharacters)
{
    const struct {
        unsigned char byte;
        char16_t unicode;
    } cases[] = {
        {0x41, u'A'},   {0x0D, u'\r'},  {0x80, 0x20AC}, {0x82, 0x201A}, {0x96, 0x2013},
        {0xA4, 0x20AA}, {0xAA, 0x00D7}, {0xBA, 0x00F7}, {0xC0, 0x05B0}, {0xCA, 0x05BA},
        {0xD3, 0x05C3}, {0xD4, 0x05F0}, {0xD8, 0x05F4}, {0xE0, 0x05D0}, {0xFA, 0x05EA},
        {0xFD, 0x200E}, {0xFE, 0x200F},
        // undefined bytes: private characters
        {0x81, 0xF781}, {0x8A, 0xF78A}, {0x90, 0xF790}, {0x9F, 0xF79F}, {0xD9, 0xF7D9},
        {0xDF, 0xF7DF}, {0xFB, 0xF7FB}, {0xFC, 0xF7FC}, {0xFF, 0xF7FF},
    };
    for (const auto& c : cases) {
        const QString text = TextCodec::FromCp1255(QByteArray(1, static_cast<char>(c.byte)));
        ASSERT_EQ(text.size(), 1);
        EXPECT_EQ(text[0].unicode(), c.unicode) << "byte " << int(c.byte);
    }
}

TEST(TextCodec, HebrewLettersAreE0ToFA)
{
    QString alefBet;
    for (char16_t u = 0x05D0; u <= 0x05EA; ++u)
        alefBet.append(QChar(u));
    const QByteArray bytes = TextCodec::ToCp1255(alefBet);
    ASSERT_EQ(bytes.size(), 27);
    for (int i = 0; i < bytes.size(); ++i)
        EXPECT_EQ(static_cast<unsigned char>(bytes[i]), 0xE0 + i);
    EXPECT_EQ(TextCodec::ToCp1255(QStringLiteral("גלאי 12")), QByteArray("\xE2\xEC\xE0\xE9 12"));
}

TEST(TextCodec, CharacterWithoutCodeBecomesQuestionMark)
{
    const QString outside[] = {
        QStringLiteral("Ж"), QStringLiteral("中"), QString(QChar(0x05C7)),  // no byte in the page
        QString(QChar(0xF7E0)),  // private, but 0xE0 is a letter: not ours to map back
        QString(QChar(0xFFFD)),
    };
    for (const QString& s : outside) {
        EXPECT_EQ(TextCodec::ToCp1255(s), QByteArray("?")) << s.toStdString();
        EXPECT_EQ(TextCodec::CodeOf(s[0]), -1) << s.toStdString();
    }
    // A character outside the basic plane is two UTF-16 units: one "?" each, lengths agree.
    EXPECT_EQ(TextCodec::ToCp1255(QStringLiteral("a\U0001F525b")), QByteArray("a??b"));
}

// The places given as lost are exactly those of the characters without a code, whatever the
// text around them: a "?" of the text itself is none.
TEST(TextCodec, LostPlacesAreThoseOfTheCharactersWithoutACode)
{
    const QString kept = QStringLiteral("a?Z 9") + QString::fromUtf8("אגת\u05B7\u20AA\u00A0");
    const QString none = QString::fromUtf8("\u00C9\u0416\u05C7\u4E2D\u0301");  // É Ж, a point, 中, an accent
    uint32_t seed = 7;
    for (int run = 0; run < 200; ++run) {
        QString text;
        QList<qsizetype> expected;
        for (int i = 0; i < run % 23; ++i) {
            seed = seed * 1103515245u + 12345u;
            const uint32_t pick = (seed >> 16) % uint32_t(kept.size() + none.size());
            if (pick >= uint32_t(kept.size())) expected << text.size();
            text += pick < uint32_t(kept.size()) ? kept[pick] : none[pick - kept.size()];
        }
        QList<qsizetype> lost;
        const QByteArray bytes = TextCodec::ToCp1255(text, &lost);
        EXPECT_EQ(lost, expected) << text.toStdString();
        EXPECT_EQ(bytes, TextCodec::ToCp1255(text));
        for (const qsizetype at : lost) EXPECT_EQ(bytes[at], '?');
    }
}

// Whether a file is UTF-8 is decided over whole words of eight bytes and the bytes left after
// them: non-ASCII bytes in the last one to seven bytes, at every alignment, still count.
TEST(TextCodec, NonAsciiBytesOnlyAtTheEndStillReadAsUtf8)
{
    // Two to seven bytes of UTF-8; with every length of ASCII before them, the file's last one to
    // seven bytes (and the bytes that straddle a word) are all that is not ASCII.
    const QString tails[] = {
        QStringLiteral(u"ד"), QStringLiteral(u"€"), QStringLiteral(u"דל"), QStringLiteral(u"😀"),
        QStringLiteral(u"ד€"), QStringLiteral(u"דלת"), QStringLiteral(u"ד😀"), QStringLiteral(u"ד€ל"),
        QStringLiteral(u"😀€"),
    };
    for (int ascii = 0; ascii <= 64; ++ascii) {
        for (const QString& tail : tails) {
            const QString text = QStringLiteral("5,").repeated(32).left(ascii) + tail;  // "5,דל" at 2
            const QByteArray utf8 = text.toUtf8();
            SCOPED_TRACE(utf8.toStdString());
            ASSERT_TRUE(TextCodec::Utf8Text(utf8).has_value());
            EXPECT_EQ(TextCodec::FromFileBytes(utf8), text);
            // The same text in Windows-1255 is no UTF-8, wherever its Hebrew letters stand.
            if (TextCodec::ToCp1255(text).contains('?')) continue;
            EXPECT_EQ(TextCodec::FromFileBytes(TextCodec::ToCp1255(text)), text);
        }
    }
}
