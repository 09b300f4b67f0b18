#include "configstore.h"
#include "zrkey.h"

#include <QAccessible>
#include <QAccessibleActionInterface>
#include <QImage>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

#include <gtest/gtest.h>

using namespace Qt::StringLiterals;

namespace {

class ZrKeyTest : public ::testing::Test
{
protected:
    ZrKeyTest() { config.initconfig(u"vk-2"_s); }

    // A key of the given height, opened as its window would open it.
    std::unique_ptr<ZrKey> openKey(const QString &name, int index, int keyHeight = 22)
    {
        auto key = std::make_unique<ZrKey>(config, name, index);
        key->resize(80, keyHeight);
        key->open();
        return key;
    }

    QImage render(ZrKey &key) const
    {
        QImage image(key.size(), QImage::Format_RGB32);
        image.fill(Qt::black);
        key.render(&image);
        return image;
    }

    QTemporaryDir folder;
    ConfigStore config{folder.path()};
};

TEST_F(ZrKeyTest, OpeningReadsTheStoredCaptionAndRaisesOpen1)
{
    config.putstring(u"fmt3"_s, u"Atmos"_s);
    ZrKey key(config, u"fmt"_s, 3);
    key.resize(80, 28);
    QSignalSpy opened(&key, &ZrKey::open1);

    key.open();

    EXPECT_EQ(key.caption(), u"Atmos"_s);
    EXPECT_EQ(key.textsize(), 12) << "28 pixels high draws at 28 * 3 / 7 points";
    EXPECT_EQ(opened.count(), 1);
    EXPECT_EQ(key.settingsKey(), u"fmt3"_s);
}

TEST_F(ZrKeyTest, AKeyOutsideAGroupHasItsOwnSettingsKey)
{
    auto key = openKey(u"kcoms"_s, -1);
    key->setcaption(u"Connect"_s);
    EXPECT_EQ(config.getstring(u"kcoms-1"_s), u"Connect"_s);
    EXPECT_NE(key->settingsKey(), u"kcoms0"_s);
}

TEST_F(ZrKeyTest, SetcaptionStoresOnlyARealChange)
{
    auto key = openKey(u"kbank"_s, 1);
    key->setcaption(u"Bank"_s);
    EXPECT_EQ(config.getstring(u"kbank1"_s), u"Bank"_s);

    key->setcaption(u"BANK"_s);
    EXPECT_EQ(key->caption(), u"Bank"_s);
    EXPECT_EQ(config.getstring(u"kbank1"_s), u"Bank"_s);

    key->assignCaption(u"Shown only"_s);
    EXPECT_EQ(key->caption(), u"Shown only"_s);
    EXPECT_EQ(config.getstring(u"kbank1"_s), u"Bank"_s);

    key->settagnum(7);
    EXPECT_EQ(key->Tag(), 7);
    EXPECT_EQ(config.getstring(u"kbank1"_s), u"7"_s);
}

TEST_F(ZrKeyTest, StateAndSizeOperations)
{
    auto key = openKey(u"fmt"_s, 0);
    EXPECT_FALSE(key->lit());
    key->setlit(true);
    EXPECT_TRUE(key->lit());
    key->Togkey();
    EXPECT_FALSE(key->lit());
    key->Togglelit();
    EXPECT_TRUE(key->lit());

    key->setheight(28);
    EXPECT_EQ(key->height(), 28);
    EXPECT_EQ(key->textsize(), 16);

    key->setcolor(u"RED"_s);
    EXPECT_EQ(key->litcolor(), QColor(0xFF, 0x00, 0x00));
    key->setcolor(u"lime"_s);
    EXPECT_EQ(key->litcolor(), QColor(0x00, 0xFF, 0x00));
    key->setcolor(u"blue"_s);
    EXPECT_EQ(key->litcolor(), QColor(0x00, 0xFF, 0x00));
}

TEST_F(ZrKeyTest, PaintsFillAndRingFromItsState)
{
    auto key = openKey(u"fmt"_s, 0);
    const QPoint fill(10, key->height() / 2);
    const QPoint ring(key->width() / 2, 0);

    QImage image = render(*key);
    EXPECT_EQ(QColor(image.pixel(fill)), QColor(0x24, 0x4F, 0x6E));
    EXPECT_EQ(QColor(image.pixel(ring)), QColor(0x49, 0x83, 0xB1));

    key->setlit(true);
    QTest::mousePress(key.get(), Qt::LeftButton);
    image = render(*key);
    EXPECT_EQ(QColor(image.pixel(fill)), QColor(0x00, 0xFF, 0x40));
    EXPECT_EQ(QColor(image.pixel(ring)), QColor(0xFF, 0xFF, 0xFF));
    QTest::mouseRelease(key.get(), Qt::LeftButton);
}

TEST_F(ZrKeyTest, CaptionIsCentredOnItsBaseline)
{
    const struct
    {
        int width, height, textWidth, textSize;
        QPoint origin;
    } cases[] = {
        {80, 22, 30, 9, {25, 13}},
        {81, 22, 30, 9, {25, 13}},
        {80, 28, 20, 12, {30, 17}},
        {20, 22, 40, 9, {-10, 13}},
    };
    for (const auto &testCase : cases)
        EXPECT_EQ(ZrKey::captionOrigin(testCase.width, testCase.height, testCase.textWidth,
                                       testCase.textSize),
                  testCase.origin);
}

TEST_F(ZrKeyTest, MouseRaisesItsEventsInOrder)
{
    auto key = openKey(u"fmt"_s, 2);
    QStringList events;
    QObject::connect(key.get(), &ZrKey::mousedown1, [&](bool contextual) {
        events.append(contextual ? u"down contextual"_s : u"down"_s);
    });
    QObject::connect(key.get(), &ZrKey::action, [&] { events.append(u"action"_s); });
    QObject::connect(key.get(), &ZrKey::mouseup1,
                     [&](int x, int y) { events.append(u"up %1,%2"_s.arg(x).arg(y)); });

    QTest::mousePress(key.get(), Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_TRUE(key->kdown());
    QTest::mouseRelease(key.get(), Qt::RightButton, {}, QPoint(5, 6));
    EXPECT_FALSE(key->kdown());
    // A release far outside the key still acts.
    QTest::mousePress(key.get(), Qt::LeftButton, {}, QPoint(5, 6));
    QTest::mouseRelease(key.get(), Qt::LeftButton, {}, QPoint(300, 90));

    EXPECT_EQ(events, (QStringList{u"down contextual"_s, u"action"_s, u"up 5,6"_s, u"down"_s,
                                   u"action"_s, u"up 300,90"_s}));
}

TEST_F(ZrKeyTest, WorksFromTheKeyboardAndAssistiveTechnology)
{
    auto key = openKey(u"fmt"_s, 1);
    key->setcaption(u"Stereo"_s);
    QSignalSpy actions(key.get(), &ZrKey::action);

    QTest::keyClick(key.get(), Qt::Key_Space);
    QTest::keyClick(key.get(), Qt::Key_Return);
    QTest::keyClick(key.get(), Qt::Key_A);
    EXPECT_EQ(actions.count(), 2);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(key.get());
    ASSERT_NE(accessible, nullptr);
    EXPECT_EQ(accessible->role(), QAccessible::Button);
    EXPECT_EQ(accessible->text(QAccessible::Name), u"Stereo"_s);
    EXPECT_TRUE(accessible->state().focusable);
    QAccessibleActionInterface *actionInterface = accessible->actionInterface();
    ASSERT_NE(actionInterface, nullptr);
    EXPECT_TRUE(actionInterface->actionNames().contains(QAccessibleActionInterface::pressAction()));
    actionInterface->doAction(QAccessibleActionInterface::pressAction());
    EXPECT_EQ(actions.count(), 3);
}

} // namespace
