#include "ui/TitleStatic.h"

#include "tests/window/WindowFixture.h"

#include <tuple>

namespace lumet::test {
namespace {

class TitleStaticTest : public WindowTest {
protected:
    TitleStatic logo{1026, Rect{0, 0, 56, 24}};
    TitleStatic caption{1016, Rect{48, 0, 280, 24}};
    std::vector<std::tuple<int, std::uintptr_t, std::intptr_t>> sent;

    TitleStaticTest() {
        window.AddControl(logo);
        window.AddControl(caption);
        handler.message = [this](int message, std::uintptr_t wParam, std::intptr_t lParam) {
            sent.emplace_back(message, wParam, lParam);
            return std::intptr_t{1};
        };
        window.MoveTo(Point{200, 150});
        HostWidget::Of(window).show();
    }
    ~TitleStaticTest() override { HostWidget::Of(window).hide(); }

    void Down(Point client) {
        window.DeliverMouse(InputKind::LeftButtonDown, client,
                            Point{client.x + 200, client.y + 150});
    }
    void Up(Point client) {
        window.DeliverMouse(InputKind::LeftButtonUp, client, Point{client.x + 200, client.y + 150});
    }
    void DoubleClick(Point client) {
        Down(client);
        Up(client);
        window.DeliverMouse(InputKind::LeftButtonDoubleClick, client,
                            Point{client.x + 200, client.y + 150});
        Up(client);
    }
};

TEST_F(TitleStaticTest, PressingTheCaptionStripDragsTheWindow) {
    Down(Point{100, 10});
    ASSERT_TRUE(window.IsManualMoveActive());
    window.DeliverMouse(InputKind::MouseMove, Point{100, 10}, Point{330, 185});
    window.DeliverMouse(InputKind::LeftButtonUp, Point{100, 10}, Point{330, 185});
    EXPECT_FALSE(window.IsManualMoveActive());
    EXPECT_EQ(window.WindowRect().left, 230);
    EXPECT_EQ(window.WindowRect().top, 175);
    // The press still reports the click, as any notify static does.
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1016 clicked"}));
    EXPECT_TRUE(sent.empty());
}

TEST_F(TitleStaticTest, PressingTheLogoCornerDoesNotMoveTheWindow) {
    Down(Point{20, 10});
    EXPECT_FALSE(window.IsManualMoveActive());
    window.DeliverMouse(InputKind::MouseMove, Point{30, 12}, Point{330, 185});
    Up(Point{30, 12});
    EXPECT_EQ(window.WindowRect().left, 200);
    EXPECT_EQ(window.WindowRect().top, 150);
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1026 clicked"}));
}

TEST_F(TitleStaticTest, DoubleClickingTheLogoCornerSendsTheAboutToggle) {
    DoubleClick(Point{20, 10});
    ASSERT_EQ(sent.size(), 1u);
    EXPECT_EQ(std::get<0>(sent[0]), TitleStatic::kToggleAboutMessage);
    EXPECT_EQ(std::get<0>(sent[0]), kWmApp + 3);
    EXPECT_EQ(std::get<1>(sent[0]), 0u);
    EXPECT_EQ(std::get<2>(sent[0]), 0);
    // Sent before the static's own double-click report.
    EXPECT_EQ(handler.log.back(), "command 1026 double");
    const auto message = std::find(handler.log.begin(), handler.log.end(), "message 3");
    const auto report = std::find(handler.log.begin(), handler.log.end(), "command 1026 double");
    EXPECT_LT(message, report);
}

TEST_F(TitleStaticTest, DoubleClickingTheCaptionStripOpensNothing) {
    DoubleClick(Point{200, 10});
    EXPECT_TRUE(sent.empty());
    EXPECT_EQ(handler.Lines("command 1016 double").size(), 1u);
    EXPECT_FALSE(window.IsManualMoveActive());
}

} // namespace
} // namespace lumet::test
