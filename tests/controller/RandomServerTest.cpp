#include "tests/controller/ControllerFixture.h"

#include <gmock/gmock.h>
#include <set>

namespace lumet::test {
namespace {

using testing::ElementsAre;

class RandomServerTest : public ControllerTest {
protected:
    void LoadList(const std::string& content) {
        controller.LoadServerList(dir.Write("random.lst", content));
    }

    void ExpectIdleButtons() {
        EXPECT_EQ(controller.testState(), TestState::Idle);
        EXPECT_EQ(view.lamps[ControlId::Run], Lamp::Idle);
        EXPECT_EQ(view.lamps[ControlId::Random], Lamp::Idle);
        EXPECT_EQ(view.lamps[ControlId::StayAlive], Lamp::Idle);
        for (const ControlId id :
             {ControlId::Run, ControlId::Random, ControlId::StayAlive, ControlId::Settings}) {
            EXPECT_TRUE(view.IsControlEnabled(id)) << RecordingTestView::Name(id);
        }
        EXPECT_FALSE(timers.IsRunning(1));
    }

    TempDir dir;
};

TEST_F(RandomServerTest, ResolvableEntryStartsTheTestAfterTheShortPause) {
    LoadList("localhost\n");
    controller.OnRandom();
    EXPECT_EQ(clock.nowMs, 100u);
    EXPECT_THAT(view.pictures, ElementsAre(StatusPicture::SeekingTarget, StatusPicture::Run));
    EXPECT_THAT(view.Since(view.log.size() - 6),
                ElementsAre("status 1", "enable field", "field text 127.0.0.1", "disable field",
                            "restore", "capture"));
    EXPECT_EQ(controller.testState(), TestState::Random);
    EXPECT_EQ(target.domainName, "localhost");
    EXPECT_EQ(timers.calls.back(), (FakeTimers::Call{true, 1, 333, 100}));
    EXPECT_TRUE(view.told.empty());

    // RND again while the random test runs changes nothing.
    const std::size_t lookups = resolver.lookups.size();
    const std::size_t calls = timers.calls.size();
    controller.OnRandom();
    EXPECT_EQ(resolver.lookups.size(), lookups);
    EXPECT_EQ(timers.calls.size(), calls + 1); // only the blink timer's kill
    EXPECT_EQ(controller.testState(), TestState::Random);
}

TEST_F(RandomServerTest, RandomStartSetsTheButtonFacesInOrder) {
    LoadList("localhost\n");
    controller.OnRandom();
    EXPECT_THAT(std::vector(view.log.begin(), view.log.begin() + 17),
                ElementsAre("lamp REP idle", "close about", "close report", "disable RND",
                            "lamp RND lit", "enable RND", "disable RUN", "lamp RUN idle",
                            "enable RUN", "disable STA", "lamp STA idle", "enable STA",
                            "disable STA", "disable REP", "disable SET", "status 4", "paint"));
}

TEST_F(RandomServerTest, DeadOnlyEntryCostsOneNoticeThenTheListIsUsedUp) {
    LoadList("deadhost\n");
    controller.OnRandom();
    EXPECT_THAT(view.told, ElementsAre("dropped deadhost", "warn used-up list"));
    EXPECT_THAT(view.pictures, ElementsAre(StatusPicture::SeekingTarget, StatusPicture::Eliminated,
                                           StatusPicture::Ready));
    EXPECT_EQ(clock.nowMs, 1100u);
    EXPECT_TRUE(controller.serverList().empty());
    EXPECT_EQ(target.addressText, "127.0.0.1");
    ExpectIdleButtons();
}

TEST_F(RandomServerTest, TrailingBlanksAreKeptAndRefused) {
    LoadList("localhost \n");
    controller.OnRandom();
    EXPECT_THAT(resolver.lookups, ElementsAre("localhost "));
    ASSERT_FALSE(view.told.empty());
    EXPECT_EQ(view.told[0], "dropped localhost ");
}

TEST_F(RandomServerTest, DeadEntryIsDroppedOnTheWayToALiveOne) {
    std::set<std::size_t> noticeCounts;
    for (std::uint32_t seed = 1; seed <= 8; ++seed) {
        LoadList("deadhost\nlocalhost\n");
        view.told.clear();
        controller.randomGenerator().Seed(seed);
        controller.OnRandom();
        EXPECT_EQ(target.domainName, "localhost");
        EXPECT_EQ(controller.testState(), TestState::Random);
        EXPECT_EQ(controller.serverList().size(), 2 - view.told.size());
        noticeCounts.insert(view.told.size());
        controller.OnRun();
    }
    EXPECT_EQ(noticeCounts, (std::set<std::size_t>{0, 1}));
}

TEST_F(RandomServerTest, EveryEntryOfALongListCanBeDrawn) {
    std::string content;
    for (std::uint32_t i = 0; i < 300; ++i) {
        const std::string name = "h" + std::to_string(i);
        resolver.addresses[name] = 0x0A000000u + i;
        content += name + "\n";
    }
    LoadList(content);
    ASSERT_EQ(controller.serverList().size(), 300u);
    std::size_t beyond256 = 0;
    for (int draw = 0; draw < 40; ++draw) {
        controller.OnRandom();
        ASSERT_EQ(controller.testState(), TestState::Random);
        if (std::stoi(target.domainName.substr(1)) >= 256) {
            ++beyond256;
        }
        controller.OnRun();
    }
    EXPECT_GT(beyond256, 0u);
}

TEST_F(RandomServerTest, EmptyListGivesTheUsedUpWarningAtOnce) {
    controller.OnRandom();
    EXPECT_THAT(view.told, ElementsAre("warn used-up list"));
    EXPECT_EQ(clock.nowMs, 0u);
    ExpectIdleButtons();
}

TEST_F(RandomServerTest, RunDuringThePauseEndsTheSearch) {
    LoadList("deadhost\n");
    pump.queued.push_back([this] { controller.OnRun(); });
    controller.OnRandom();
    EXPECT_TRUE(resolver.lookups.empty());
    EXPECT_TRUE(view.told.empty());
    EXPECT_EQ(controller.serverList().size(), 1u);
    EXPECT_EQ(view.pictures.back(), StatusPicture::Ready);
    ExpectIdleButtons();
}

TEST_F(RandomServerTest, MissingListIsReportedAndStopsTheTest) {
    controller.LoadServerList(dir.path() / "random.lst");
    EXPECT_THAT(view.told, ElementsAre("warn unreadable list"));
    EXPECT_TRUE(Called({false, 1, 0, 0}));
    EXPECT_THAT(view.pictures, ElementsAre(StatusPicture::Ready));
}

TEST_F(RandomServerTest, ListWithoutEntriesIsReportedWithoutStopping) {
    LoadList("\n\r\n\n");
    EXPECT_THAT(view.told, ElementsAre("warn used-up list"));
    EXPECT_TRUE(timers.calls.empty());
    EXPECT_TRUE(view.log.empty());
}

} // namespace
} // namespace lumet::test
