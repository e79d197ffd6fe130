#include "WindowFixture.h"
#include "platform/qtgdi/QtFontEngine.h"
#include "platform/qtwindow/HostWidget.h"
#include "platform/qtwindow/QtMessageBoxes.h"
#include "platform/window/BitmapButton.h"
#include "platform/window/Cursor.h"
#include "platform/window/EditControl.h"
#include "platform/window/StaticControl.h"

#include <QAbstractButton>
#include <QApplication>
#include <QBuffer>
#include <QKeyEvent>
#include <QMessageBox>
#include <QTest>
#include <QTimer>
#include <QWidget>

namespace lumet::test {
namespace {

using HostWindowTest = WindowTest;

std::vector<std::uint8_t> PngOf(const QImage& image) {
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "PNG");
    return std::vector<std::uint8_t>(png.begin(), png.end());
}

std::vector<std::uint8_t> HandPng() {
    QImage image(32, 32, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    for (int y = 0; y < 20; ++y) {
        image.setPixel(7, y, 0xFF000000u);
    }
    return PngOf(image);
}

TEST_F(HostWindowTest, MovesAndResizesKeepingTheTopLeftCorner) {
    window.MoveTo(Point{100, 80});
    window.SetClientHeight(416, true);
    EXPECT_EQ(window.WindowRect(), (Rect{100, 80, 460, 496}));
    window.SetClientHeight(1000, false);
    EXPECT_EQ(window.ClientHeight(), 416);
    window.SetClientHeight(5, false);
    EXPECT_EQ(window.WindowRect(), (Rect{100, 80, 460, 196}));
}

TEST_F(HostWindowTest, TitleAndIconReachTheQtWindow) {
    window.SetWindowText("3 Ping");
    EXPECT_EQ(window.GetWindowText(), "3 Ping");
    EXPECT_EQ(HostWidget::Of(window).windowTitle(), QStringLiteral("3 Ping"));
    QImage image(16, 16, QImage::Format_RGB32);
    image.fill(Qt::red);
    const std::vector<std::uint8_t> png = PngOf(image);
    window.SetIcon({png});
    EXPECT_EQ(HostWidget::Of(window).windowIcon().availableSizes(), QList<QSize>{QSize(16, 16)});
}

// A caption strip: a press on it drags the window.
class Caption final : public StaticControl {
public:
    using StaticControl::StaticControl;
    void OnLeftButtonDown(Point point) override {
        Window()->StartSystemMove();
        StaticControl::OnLeftButtonDown(point);
    }
};

TEST_F(HostWindowTest, APressWhoseButtonIsAlreadyUpStartsNoMove) {
    // The window system's word on the button beats the input handled so far.
    struct Row {
        const char* fault;
        std::optional<bool> heldNow;
        bool moves;
    };
    const Row rows[] = {
        {"a stale press glues the window to the pointer", false, false},
        {"a held button does not drag", true, true},
        {"without the system's word the press itself does not count", std::nullopt, true},
    };
    Caption strip(1016, Rect{48, 0, 280, 24}, true);
    window.AddControl(strip);
    HostWidget::Of(window).show();
    for (const Row& row : rows) {
        SCOPED_TRACE(row.fault);
        window.SetPointerQuery([&row] { return row.heldNow; });
        window.DeliverMouse(InputKind::LeftButtonDown, Point{60, 10}, Point{260, 160});
        EXPECT_EQ(window.IsManualMoveActive(), row.moves);
        window.DeliverMouse(InputKind::LeftButtonUp, Point{60, 10}, Point{260, 160});
    }
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, TheCaptionDragMovesTheWindowByHandWhenTheSystemCannot) {
    Caption strip(1016, Rect{48, 0, 280, 24}, true);
    window.AddControl(strip);
    window.MoveTo(Point{200, 150});
    HostWidget::Of(window).show();
    window.DeliverMouse(InputKind::LeftButtonDown, Point{60, 10}, Point{260, 160});
    ASSERT_TRUE(window.IsManualMoveActive());
    window.DeliverMouse(InputKind::MouseMove, Point{70, 15}, Point{270, 165});
    window.DeliverMouse(InputKind::MouseMove, Point{60, 10}, Point{300, 190});
    window.DeliverMouse(InputKind::LeftButtonUp, Point{60, 10}, Point{300, 190});
    EXPECT_FALSE(window.IsManualMoveActive());
    EXPECT_EQ(window.WindowRect().left, 240);
    EXPECT_EQ(window.WindowRect().top, 180);
    // The click itself still reached the caption; the drag's messages did not.
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1016 clicked"}));
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, TheDialogChoosesTheCursorOverItselfAndOverPlainControls) {
    EditControl field(1000, Rect{12, 62, 314, 94});
    window.AddControl(field);
    const Cursor hand = Cursor::FromPng(HandPng(), Point{7, 1});
    std::vector<std::string> asked;
    handler.setCursor = [&](Point client, int controlId) {
        asked.push_back(RecordingHandler::Text(client) + " " + std::to_string(controlId));
        if (client.y > 65 && client.y < 100) {
            window.SetCursor(hand);
            return true;
        }
        return false;
    };
    Move(Point{5, 5});
    EXPECT_EQ(HostWidget::Of(window).cursor().shape(), Qt::ArrowCursor);
    Move(Point{100, 70});
    EXPECT_TRUE(window.CurrentCursor().SameAs(hand));
    EXPECT_EQ(HostWidget::Of(window).cursor().hotSpot(), QPoint(7, 1));
    Move(Point{100, 63});
    EXPECT_EQ(HostWidget::Of(window).cursor().shape(), Qt::IBeamCursor);
    EXPECT_EQ(asked, (std::vector<std::string>{"5,5 0", "100,70 1000", "100,63 1000"}));
}

TEST_F(HostWindowTest, AControlCanSetItsOwnCursorWithoutAskingTheDialog) {
    class HandButton final : public BitmapButton {
    public:
        using BitmapButton::BitmapButton;
        bool OnSetCursor() override {
            Window()->SetCursor(Cursor::FromPng(HandPng(), Point{0, 6}));
            return true;
        }
    };
    HandButton run(1010, Rect{334, 34, 359, 46}, "RUN");
    window.AddControl(run);
    int asked = 0;
    handler.setCursor = [&](Point, int) {
        ++asked;
        return false;
    };
    Move(Point{340, 40});
    EXPECT_EQ(asked, 0);
    EXPECT_EQ(window.CurrentCursor().HotSpot(), (Point{0, 6}));
}

TEST_F(HostWindowTest, NoCursorQueryWhileAControlHoldsTheCapture) {
    StaticControl target(9, Rect{0, 0, 10, 10}, true);
    window.AddControl(target);
    HostWidget::Of(window).show();
    target.SetCapture();
    int asked = 0;
    handler.setCursor = [&](Point, int) {
        ++asked;
        return false;
    };
    Move(Point{100, 100});
    EXPECT_EQ(asked, 0);
    target.ShowWindow(false);
    EXPECT_EQ(window.GetCapture(), nullptr);
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, QtInputReachesTheControlsThroughTheWidget) {
    EditControl field(1000, Rect{12, 62, 314, 94}, ControlStyle{true, false, true});
    field.SetFont(Font::Create(QtFontEngine{}, "Arial", 21));
    window.AddControl(field);
    HostWidget::Of(window).show();
    QTest::mouseClick(&HostWidget::Of(window), Qt::LeftButton, {}, QPoint(100, 70));
    EXPECT_TRUE(field.HasFocus());
    QTest::keyClicks(&HostWidget::Of(window), QStringLiteral("ab.C"));
    QTest::keyClick(&HostWidget::Of(window), Qt::Key_Backspace);
    QTest::keyClick(&HostWidget::Of(window), Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(field.GetWindowText(), "ab.");
    EXPECT_EQ(field.SelectionStart(), 2);
    EXPECT_EQ(field.SelectionEnd(), 3);
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, QtDoubleClickReachesTheDialog) {
    HostWidget::Of(window).show();
    QTest::mouseDClick(&HostWidget::Of(window), Qt::LeftButton, {}, QPoint(150, 80));
    EXPECT_EQ(handler.Lines("double"), (std::vector<std::string>{"double 150,80"}));
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, AltF4IsACloseRequest) {
    HostWidget::Of(window).show();
    QTest::keyClick(&HostWidget::Of(window), Qt::Key_F4, Qt::AltModifier);
    EXPECT_EQ(handler.Lines("cancel").size(), 1u);
    EXPECT_TRUE(window.HasEnded());
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, AHeldSpaceClicksOnceWhenReleased) {
    BitmapButton run(1010, Rect{0, 0, 10, 10}, "RUN", ControlStyle{true, false, true});
    window.AddControl(run);
    HostWidget::Of(window).show();
    run.SetFocus();
    QTest::keyPress(&HostWidget::Of(window), Qt::Key_Space);
    QKeyEvent repeatRelease(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                            true);
    QApplication::sendEvent(&HostWidget::Of(window), &repeatRelease);
    QTest::keyPress(&HostWidget::Of(window), Qt::Key_Space);
    EXPECT_TRUE(handler.Lines("command").empty());
    QTest::keyRelease(&HostWidget::Of(window), Qt::Key_Space);
    EXPECT_EQ(handler.Lines("command"), (std::vector<std::string>{"command 1010 clicked"}));
    HostWidget::Of(window).hide();
}

TEST_F(HostWindowTest, HighDensityScreensGetEverySurfacePixelScaledWithoutSmoothing) {
    {
        ClientDc dc(window);
        dc->FillRect(Rect{0, 0, 360, 116}, Brush::Solid(Color{10, 20, 30}));
        dc->FillRect(Rect{100, 40, 101, 41}, Brush::Solid(Color{250, 128, 1}));
    }
    QImage screen(720, 232, QImage::Format_RGB32);
    screen.setDevicePixelRatio(2.0);
    screen.fill(Qt::white);
    HostWidget::Of(window).render(&screen);
    for (const QPoint device :
         {QPoint(200, 80), QPoint(201, 80), QPoint(200, 81), QPoint(201, 81)}) {
        EXPECT_EQ(Color::FromPixel(screen.pixel(device)), (Color{250, 128, 1}));
    }
    for (const QPoint device :
         {QPoint(199, 80), QPoint(202, 81), QPoint(200, 79), QPoint(201, 82)}) {
        EXPECT_EQ(Color::FromPixel(screen.pixel(device)), (Color{10, 20, 30}));
    }
    EXPECT_EQ(Color::FromPixel(screen.pixel(719, 231)), (Color{10, 20, 30}));
}

struct ShownBox {
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::NoIcon;
    bool hasParent = false;
};

// Answers the next modal message box with OK and tells what it showed.
ShownBox AnswerNextBox(const std::function<void()>& show) {
    ShownBox shown;
    QTimer::singleShot(0, [&shown] {
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr) {
            return;
        }
        shown = ShownBox{box->windowTitle(), box->text(), box->icon(), box->parent() != nullptr};
        box->button(QMessageBox::Ok)->click();
    });
    show();
    return shown;
}

TEST(QtMessageBoxesTest, ApplicationMessagesCarryTheApplicationNameAndTheWarningIcon) {
    QWidget owner;
    QtMessageBoxes boxes(QStringLiteral("lumet"));
    boxes.SetOwner(&owner);
    const ShownBox shown =
        AnswerNextBox([&] { boxes.ShowApplicationMessage("Please enter a positive integer."); });
    EXPECT_EQ(shown.title, QStringLiteral("lumet"));
    EXPECT_EQ(shown.text, QStringLiteral("Please enter a positive integer."));
    EXPECT_EQ(shown.icon, QMessageBox::Warning);
    EXPECT_TRUE(shown.hasParent);
}

TEST(QtMessageBoxesTest, OtherMessagesHaveTheirCaptionAndIconAndNoOwner) {
    QtMessageBoxes boxes(QStringLiteral("lumet"));
    const ShownBox shown = AnswerNextBox(
        [&] { boxes.ShowMessage("Lumet Notice", MessageIcon::Information, "Done."); });
    EXPECT_EQ(shown.title, QStringLiteral("Lumet Notice"));
    EXPECT_EQ(shown.text, QStringLiteral("Done."));
    EXPECT_EQ(shown.icon, QMessageBox::Information);
    EXPECT_FALSE(shown.hasParent);
}

TEST(CursorTest, AHotSpotOutsideThePictureIsMovedOntoIt) {
    const Cursor cursor = Cursor::FromPng(HandPng(), Point{40, -3});
    EXPECT_EQ(cursor.GetShape(), Cursor::Shape::Picture);
    EXPECT_EQ(cursor.HotSpot(), (Point{31, 0}));
    EXPECT_FALSE(cursor.SameAs(Cursor::Arrow()));
    EXPECT_TRUE(Cursor::Arrow().SameAs(Cursor::Arrow()));
}

TEST(CursorTest, OnlyAPngFileOfACursorsSizeMakesAPicture) {
    const std::vector<std::uint8_t> hand = HandPng();
    std::vector<std::uint8_t> badSignature = hand;
    badSignature[1] = 'Q';
    std::vector<std::uint8_t> noHeader = hand;
    noHeader[12] = 'X';
    const std::vector<std::uint8_t> huge = PngOf(QImage(300, 20, QImage::Format_ARGB32));
    const std::vector<std::uint8_t> truncated(hand.begin(), hand.begin() + 20);
    const struct {
        const char* fault;
        std::span<const std::uint8_t> bytes;
        Cursor::Shape shape;
    } rows[] = {
        {"a PNG cursor refused", hand, Cursor::Shape::Picture},
        {"any bytes taken for a picture", badSignature, Cursor::Shape::Arrow},
        {"a file without its header chunk read for a size", noHeader, Cursor::Shape::Arrow},
        {"a picture no system shows as a cursor accepted", huge, Cursor::Shape::Arrow},
        {"a header read past the end of the bytes", truncated, Cursor::Shape::Arrow},
        {"nothing taken for a picture", {}, Cursor::Shape::Arrow},
    };
    for (const auto& row : rows) {
        const Cursor cursor = Cursor::FromPng(row.bytes, Point{0, 0});
        EXPECT_EQ(cursor.GetShape(), row.shape) << row.fault;
        EXPECT_EQ(cursor.Png().size(), row.shape == Cursor::Shape::Picture ? hand.size() : 0)
            << row.fault;
    }
}

} // namespace
} // namespace lumet::test
