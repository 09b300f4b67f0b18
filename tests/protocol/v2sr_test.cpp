#include "deviceprotocol.h"
#include "v2sr.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

TEST(V2sr, AppendsumAddsTheSumModulo256)
{
    const struct
    {
        QByteArray message;
        QByteArray framed;
    } cases[] = {
        {QByteArray::fromHex("C04A"), QByteArray::fromHex("C04A0A")},
        {QByteArray::fromHex("03B1021801"), QByteArray::fromHex("03B1021801CF")},
        {QByteArray(), QByteArray::fromHex("00")},
        {QByteArray::fromHex("FFFF"), QByteArray::fromHex("FFFFFE")},
        {QByteArray::fromHex("00000000"), QByteArray::fromHex("0000000000")},
    };
    for (auto testCase : cases) {
        const QByteArray input = testCase.message;
        v2sr::appendsum(testCase.message);
        EXPECT_EQ(testCase.message, testCase.framed) << input.toHex().toStdString();
    }
}

TEST(V2sr, ConfigurationWriteIsFramed)
{
    EXPECT_EQ(DeviceProtocol::configurationWrite(2, 24, 0), QByteArray::fromHex("03B1021800CE"));
    EXPECT_EQ(DeviceProtocol::configurationWrite(2, 24, 1), QByteArray::fromHex("03B1021801CF"));
}

TEST(V2sr, GetbyteReadsOneHexPair)
{
    const struct
    {
        QString text;
        quint8 value;
        QString rest;
    } cases[] = {
        {u"0A 1B"_s, 0x0A, u"1B"_s},  {u"ff"_s, 0xFF, QString()},  {QString(), 0, QString()},
        {u"zz 12"_s, 0, u"12"_s},     {u"4g 12"_s, 0x04, u"12"_s}, {u" 7 08"_s, 0x07, u"08"_s},
        {u"00:1b"_s, 0x00, u":1b"_s},
    };
    for (const auto &testCase : cases) {
        QString text = testCase.text;
        EXPECT_EQ(v2sr::getbyte(text), testCase.value) << testCase.text.toStdString();
        EXPECT_EQ(text, testCase.rest) << testCase.text.toStdString();
    }
}
