#include "unitsimoptions.h"

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

UnitSimOptions parse(const QStringList &arguments)
{
    return UnitSimOptions::parse(QStringList{u"vk-unit-sim"_s} + arguments);
}

TEST(UnitSimOptions, DefaultsAreTheUnitsOwn)
{
    const UnitSimOptions options = parse({});
    EXPECT_TRUE(options.error.isEmpty());
    EXPECT_EQ(options.unit.discoveryPort, 10004);
    EXPECT_EQ(options.unit.replyPort, 10008);
    EXPECT_EQ(options.unit.linkPort, 10006);
    EXPECT_TRUE(options.unit.master);
    EXPECT_EQ(options.unit.bindAddress, QHostAddress(QHostAddress::AnyIPv4));
    EXPECT_FALSE(options.secondUnit.has_value());
}

TEST(UnitSimOptions, ReadsEveryOption)
{
    const UnitSimOptions options = parse({u"--bind"_s,
                                          u"127.0.0.2"_s,
                                          u"--discovery-port"_s,
                                          u"20004"_s,
                                          u"--reply-port"_s,
                                          u"20008"_s,
                                          u"--link-port"_s,
                                          u"20006"_s,
                                          u"--role"_s,
                                          u"s"_s,
                                          u"--mac"_s,
                                          u"00:1b:2C 3d-4e5f"_s.replace(u'-', u' '),
                                          u"--unit-name"_s,
                                          u"Stage A"_s,
                                          u"--device"_s,
                                          u"VE-3"_s,
                                          u"--drop"_s,
                                          u"0.25"_s,
                                          u"--seed"_s,
                                          u"7"_s,
                                          u"--drop-nth"_s,
                                          u"3"_s,
                                          u"--duplicate"_s,
                                          u"--delay-ms"_s,
                                          u"40"_s,
                                          u"--silent-after"_s,
                                          u"9"_s,
                                          u"--serial"_s,
                                          u"--slave-bind"_s,
                                          u"127.0.0.3"_s});
    ASSERT_TRUE(options.error.isEmpty()) << options.error.toStdString();
    const UnitConfig &unit = options.unit;
    EXPECT_EQ(unit.bindAddress, QHostAddress(u"127.0.0.2"_s));
    EXPECT_EQ(unit.discoveryPort, 20004);
    EXPECT_EQ(unit.replyPort, 20008);
    EXPECT_EQ(unit.linkPort, 20006);
    EXPECT_FALSE(unit.master);
    EXPECT_EQ(unit.mac, QByteArray::fromHex("001B2C3D4E5F"));
    EXPECT_EQ(unit.unitName, u"Stage A"_s);
    EXPECT_EQ(unit.device, u"VE-3"_s);
    EXPECT_DOUBLE_EQ(unit.faults.dropFraction, 0.25);
    EXPECT_EQ(unit.faults.seed, 7u);
    EXPECT_EQ(unit.faults.dropNth, 3);
    EXPECT_TRUE(unit.faults.duplicate);
    EXPECT_EQ(unit.faults.delayMs, 40);
    EXPECT_EQ(unit.faults.silentAfter, 9);
    EXPECT_TRUE(options.serial);
    ASSERT_TRUE(options.secondUnit.has_value());
    EXPECT_TRUE(options.secondUnit->master) << "the second unit takes the other role";
    EXPECT_EQ(options.secondUnit->bindAddress, QHostAddress(u"127.0.0.3"_s));
    EXPECT_EQ(options.secondUnit->mac, QByteArray::fromHex("001B2C3D4E60"));
}

TEST(UnitSimOptions, BadValuesAreRefusedInOneLine)
{
    const QList<QStringList> refused{
        {u"--bogus"_s},
        {u"--link-port"_s, u"0"_s},
        {u"--reply-port"_s, u"70000"_s},
        {u"--discovery-port"_s, u"ten"_s},
        {u"--role"_s, u"X"_s},
        {u"--mac"_s, u"00 11 22"_s},
        {u"--mac"_s, u"00 11 22 33 44 GG"_s},
        {u"--drop"_s, u"1.5"_s},
        {u"--drop-nth"_s, u"0"_s},
        {u"--delay-ms"_s, u"-1"_s},
        {u"--bind"_s, u"nowhere"_s},
        {u"--bind"_s, u"::1"_s},
        {u"--bind"_s, u"127.0.0.2"_s, u"--slave-bind"_s, u"127.0.0.2"_s},
        {u"stray"_s},
    };
    for (const QStringList &arguments : refused) {
        const UnitSimOptions options = parse(arguments);
        EXPECT_FALSE(options.error.isEmpty()) << arguments.join(u' ').toStdString();
        EXPECT_FALSE(options.error.contains(u'\n'));
    }
    EXPECT_TRUE(parse({u"--help"_s}).help);
}

} // namespace
