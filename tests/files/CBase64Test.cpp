#include "files/CBase64.h"

#include <gtest/gtest.h>

TEST(CBase64, EncodesTheStandardVectors)
{
    // RFC 4648, section 10.
    const std::pair<const char*, const char*> vectors[] = {
        {"", ""},         {"f", "Zg=="},         {"fo", "Zm8="},        {"foo", "Zm9v"},
        {"foob", "Zm9vYg=="}, {"fooba", "Zm9vYmE="}, {"foobar", "Zm9vYmFy"},
    };
    for (const auto& [plain, encoded] : vectors) {
        EXPECT_EQ(CBase64::Encode(QByteArray(plain)), QString::fromLatin1(encoded)) << plain;
        EXPECT_EQ(CBase64::Decode(QString::fromLatin1(encoded)), QByteArray(plain)) << encoded;
    }
    EXPECT_EQ(CBase64::Encode(QByteArray("\xfb\xff", 2)), QStringLiteral("+/8="));
}

TEST(CBase64, BreaksLongTextIntoMimeLinesOf76)
{
    const QByteArray one = QByteArray(57, 'a');  // exactly one line
    EXPECT_EQ(CBase64::Encode(one).size(), 76);
    const QString two = CBase64::Encode(one + "b");
    ASSERT_EQ(two.size(), 76 + 2 + 4);
    EXPECT_EQ(two.mid(76, 2), QStringLiteral("\r\n"));
    EXPECT_EQ(two.right(4), QStringLiteral("Yg=="));
    EXPECT_EQ(CBase64::Decode(two), one + "b");
}

TEST(CBase64, DecodingSkipsLineBreaksAndOtherCharactersOutsideTheAlphabet)
{
    EXPECT_EQ(CBase64::Decode(QStringLiteral("Zm9v\r\nYmFy")), QByteArray("foobar"));
    EXPECT_EQ(CBase64::Decode(QStringLiteral("Zm9v\nYmFy")), QByteArray("foobar"));  // a lone LF
    EXPECT_EQ(CBase64::Decode(QStringLiteral(" Zm 9v\tYm Fy ")), QByteArray("foobar"));
    EXPECT_EQ(CBase64::Decode(QString()), QByteArray());
}

TEST(CBase64, EveryByteSurvivesARoundTrip)
{
    QByteArray all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    EXPECT_EQ(CBase64::Decode(CBase64::Encode(all)), all);
}

TEST(CBase64, TextPassesAsOneByteACharacter)
{
    EXPECT_EQ(CBase64::Encode(QStringLiteral("Man")), QStringLiteral("TWFu"));
    EXPECT_EQ(CBase64::Decode2Str(QStringLiteral("TWFu")), QStringLiteral("Man"));
    EXPECT_EQ(CBase64::Scalar2BytArray(QStringLiteral("a\u00e9")), QByteArray("a\xe9"));
    EXPECT_EQ(CBase64::BytArray2Scalar(QByteArray("a\xe9\x00", 3)), QStringLiteral("a\u00e9") + QChar(0));
    EXPECT_EQ(CBase64::BytArray2Scalar(QByteArray()), QString());
    EXPECT_EQ(CBase64::Scalar2BytArray(QStringLiteral("\u20ac")), QByteArray("?"));  // no single-byte code
}
