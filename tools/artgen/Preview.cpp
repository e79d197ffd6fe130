#include "tools/artgen/Preview.h"

#include "res/ResourceIds.h"
#include "tools/artgen/ArtPalette.h"
#include "tools/artgen/Chrome.h"
#include "tools/artgen/Coverage.h"
#include "tools/artgen/CursorArt.h"
#include "tools/artgen/IconArt.h"
#include "tools/artgen/PixelFont.h"
#include "tools/artgen/SkinLayout.h"
#include "tools/artgen/WordArt.h"

#include <QPainter>
#include <QRegularExpression>
#include <algorithm>
#include <string_view>

namespace lumet::art {

namespace {

namespace l = layout;
namespace p = palette;

enum class Rop { Copy, And, Xor, Or };

void Blit(QImage& target, QPoint at, const QImage& source, Rop rop, QRect from = QRect()) {
    const QImage src = source.convertToFormat(QImage::Format_RGB32);
    if (from.isNull()) {
        from = src.rect();
    }
    for (int y = 0; y < from.height(); ++y) {
        for (int x = 0; x < from.width(); ++x) {
            const QPoint to = at + QPoint(x, y);
            const QPoint s = from.topLeft() + QPoint(x, y);
            if (!target.rect().contains(to) || !src.rect().contains(s)) {
                continue;
            }
            const QRgb a = target.pixel(to) & 0xffffffu;
            const QRgb b = src.pixel(s) & 0xffffffu;
            QRgb out = b;
            if (rop == Rop::And) {
                out = a & b;
            } else if (rop == Rop::Xor) {
                out = a ^ b;
            } else if (rop == Rop::Or) {
                out = a | b;
            }
            target.setPixel(to, out | 0xff000000u);
        }
    }
}

void Text(QImage& image, const OutlineFont& font, const QString& text, qreal pixelSize, QPoint at,
          QRgb colour) {
    QPainterPath path = font.Path(text, pixelSize);
    path.translate(at);
    Coverage coverage = Coverage::Render(path, image.size());
    coverage.Quantize(2);
    coverage.Blend(image, QPoint(0, 0), colour);
}

struct Faces {
    const char* run = "RUNU";
    const char* rnd = "RNDU";
    const char* sta = "STAU";
    const char* set = "SETU";
    const char* rep = "REPU";
};

QImage Window(const ArtSet& art, const Faces& faces, int height = 116) {
    QImage window(360, height, QImage::Format_RGB32);
    window.fill(p::kBlack);
    Blit(window, QPoint(0, 0), art.Bitmap(QString::number(ResourceId::kSkin)), Rop::Copy);
    Blit(window, l::kQuit, art.Bitmap(QStringLiteral("QTU")), Rop::Copy);
    Blit(window, l::kMinimise, art.Bitmap(QStringLiteral("MIU")), Rop::Copy);
    Blit(window, l::kHelp, art.Bitmap(QStringLiteral("QMU")), Rop::Copy);
    const std::pair<int, const char*> modes[] = {{l::kRunY, faces.run},
                                                 {l::kRandomY, faces.rnd},
                                                 {l::kStayAliveY, faces.sta},
                                                 {l::kSetupY, faces.set},
                                                 {l::kReportY, faces.rep}};
    for (const auto& [y, face] : modes) {
        Blit(window, QPoint(l::kModeButtonX, y), art.Bitmap(QString::fromLatin1(face)), Rop::Copy);
    }
    return window;
}

// The address field: dotted addresses in the large font, host names in the small one.
void Address(QImage& window, const ArtFonts& fonts, const QString& address) {
    const bool name = address.contains(QRegularExpression(QStringLiteral("[a-z-]")));
    const QPoint origin = l::kAddressField.topLeft() + (name ? QPoint(10, 26) : QPoint(12, 32));
    Text(window, fonts.bold, address, name ? 17 : 34, origin, p::kCyan);
}

// A run in progress: live bar and markers in the upper band, graph and status line below.
void RunDisplay(QImage& window, const ArtSet& art, const ArtFonts& fonts) {
    const QImage scale = window.copy(QRect(l::kDisplay.topLeft(), QSize(320, 24)));
    QImage upper = scale;
    const int barEnd = 112;
    for (int y = 8; y <= 21; ++y) {
        for (int x = 3; x <= barEnd - 2; ++x) {
            upper.setPixel(x, y, (upper.pixel(x, y) ^ p::kCyan) | 0xff000000u);
        }
    }
    const auto flag = [&upper](int x0, int x1, QRgb fill) {
        for (int y = 1; y <= 6; ++y) {
            for (int x = x0; x <= x1; ++x) {
                const bool edge = y == 1 || y == 6 || x == x0 || x == x1;
                upper.setPixel(x, y, edge ? p::kCyan : fill);
            }
        }
    };
    flag(38, 42, 0xff007f00);
    flag(55, 61, 0xffff0000);
    flag(118, 122, 0xffcc7f00);
    Blit(window, l::kDisplay.topLeft(), upper, Rop::Copy);

    QImage graph(316, 42, QImage::Format_RGB32);
    graph.fill(p::kBlack);
    quint32 state = 7;
    for (int i = 1; i <= 103; ++i) {
        state = state * 1103515245u + 12345u;
        const int v = 40 + static_cast<int>((state >> 16) % 120) + (i % 17 == 0 ? 500 : 0);
        const bool failed = i == 71;
        const int h = failed ? 29 : std::min(29, v * 35 / 1000);
        const int x = 3 * i + 4;
        for (int y = 29 - h; y <= 28; ++y) {
            graph.setPixel(x, y, failed ? p::kRed : p::kCyan);
            graph.setPixel(x + 1, y, failed ? p::kRed : p::kCyan);
        }
    }
    Chrome::Fill(graph, QRect(240, 31, 18, 9), 0xff00ff00);
    Chrome::Fill(graph, QRect(280, 31, 18, 9), 0xffffff00);
    PixelFont::Draw(graph, 245, 32, QStringLiteral("047"), p::kBlack);
    PixelFont::Draw(graph, 285, 32, QStringLiteral("651"), p::kBlack);
    Blit(window, l::kGraphOrigin, graph, Rop::Or);

    Blit(window, QPoint(9, 57), art.Bitmap(QString::number(ResourceId::kCaptionRun)), Rop::Copy,
         QRect(0, 0, 155, 10));
    Text(window, fonts.bold, QStringLiteral("localhost"), 9, QPoint(168, 65), p::kCyan);
    Text(window, fonts.bold, QStringLiteral("042"), 9, QPoint(309, 65), p::kCaption);
}

void HoverWord(QImage& window, const ArtSet& art, int picture, int mask) {
    const QPoint word = l::kHoverWord - l::kLowerBand;
    QImage composite = window.copy(QRect(l::kLowerBand, QSize(320, 54)));
    Blit(composite, word, art.Bitmap(QString::number(mask)), Rop::And);
    Blit(composite, word, art.Bitmap(QString::number(picture)), Rop::Xor);
    Blit(window, l::kLowerBand, composite, Rop::Copy);
}

QImage Enlarged(const QImage& image, int factor) {
    return image.scaled(image.size() * factor, Qt::IgnoreAspectRatio, Qt::FastTransformation);
}

} // namespace

QImage Preview::Render(const ArtSet& art, const ArtFonts& fonts) {
    const int gap = 12;
    QImage sheet(360 * 2 + gap * 4 + 96, 116 * 2 + 416 + gap * 7 + 54 * 3, QImage::Format_RGB32);
    sheet.fill(0xff5a6466);
    const auto place = [&sheet](const QImage& image, int x, int y) {
        Blit(sheet, QPoint(x, y), image, Rop::Copy);
    };
    const int left = gap;
    const int right = gap * 2 + 360;
    const auto row = [gap](int index) { return gap + index * (116 + gap); };

    // Idle, with the address shown and READY in the status line.
    QImage idle = Window(art, Faces{});
    Address(idle, fonts, QStringLiteral("127.0.0.1"));
    Blit(idle, l::kCaption, art.Bitmap(QString::number(ResourceId::kCaptionReady)), Rop::Copy,
         QRect(0, 0, 155, 10));
    place(idle, left, row(0));

    // A run, hover word STOP over the lower band.
    Faces running;
    running.run = "RUNR";
    running.rnd = "RNDX";
    running.sta = "STAX";
    running.rep = "REPX";
    QImage run = Window(art, running);
    RunDisplay(run, art, fonts);
    place(run, left, row(1));
    QImage hover = run;
    HoverWord(hover, art, ResourceId::kHoverStop, ResourceId::kHoverStopMask);
    place(hover, left, row(2));

    // A failed probe: the error icon and a status text.
    QImage failed = run;
    Blit(failed, l::kErrorIcon, art.Bitmap(QString::number(ResourceId::kErrorIcon)), Rop::Copy);
    Chrome::Fill(failed, QRect(21, 56, 140, 10), p::kBlack);
    Text(failed, fonts.bold, QStringLiteral("Request timed out."), 9, QPoint(22, 65), p::kCyan);
    place(failed, left, row(3));

    // WRONG ADDRESS over the restored idle display.
    QImage wrong = Window(art, Faces{});
    Address(wrong, fonts, QStringLiteral("no.such.host"));
    Blit(wrong, l::kBanner, art.Bitmap(QString::number(ResourceId::kWrongAddressBanner)), Rop::Or);
    place(wrong, left, row(4));

    // Settings panel with its fields, and the about panel.
    Faces settingsFaces;
    settingsFaces.run = "RUNX";
    settingsFaces.rnd = "RNDX";
    settingsFaces.sta = "STAX";
    settingsFaces.set = "SETR";
    settingsFaces.rep = "REPX";
    QImage settings = Window(art, settingsFaces);
    Blit(settings, l::kPanelArea.topLeft(), art.Bitmap(QString::number(ResourceId::kSettingsPanel)),
         Rop::Copy);
    const std::pair<QRect, const char*> fields[] = {
        {l::kPingLimitField, "32"},   {l::kIntervalField, "1"}, {l::kStayAliveField, "10"},
        {l::kPacketSizeField, "248"}, {l::kTtlField, "32"},     {l::kTimeOutField, "1000"}};
    for (const auto& [field, value] : fields) {
        const QRect onWindow = field.translated(l::kPanelArea.topLeft());
        Chrome::Frame(settings, onWindow, 0xff808080);
        Text(settings, fonts.bold, QString::fromLatin1(value), 10,
             QPoint(onWindow.right() - 3 - 6 * static_cast<int>(std::string_view(value).size()),
                    onWindow.bottom() - 3),
             p::kCyan);
    }
    Blit(settings, l::kResetButton.topLeft() + l::kPanelArea.topLeft(),
         art.Bitmap(QStringLiteral("RESETU")), Rop::Copy);
    place(settings, right, row(0));

    QImage about = Window(art, Faces{});
    Blit(about, l::kPanelArea.topLeft(), art.Bitmap(QString::number(ResourceId::kAboutPanel)),
         Rop::Copy);
    place(about, right, row(1));

    // The extended window with the report panel and its export buttons.
    QImage extended = Window(art, Faces{}, 416);
    Address(extended, fonts, QStringLiteral("127.0.0.1"));
    Blit(extended, l::kReportPanelOrigin, art.Bitmap(QString::number(ResourceId::kReportPanel)),
         Rop::Copy);
    const QPoint panel = l::kReportPanelOrigin;
    for (const QRect& box :
         {QRect(30, 116, 130, 160), QRect(30, 136, 130, 21), QRect(30, 186, 130, 20),
          QRect(120, 186, 40, 90), QRect(120, 231, 40, 20)}) {
        Chrome::Frame(extended, box.translated(panel), p::kCyan);
        Chrome::Frame(extended, box.translated(panel).adjusted(1, 1, -1, -1), p::kCyan);
    }
    for (int k = 0; k < 64; ++k) {
        const int h = 3 + (k * 7919) % 11;
        Chrome::VLine(extended, panel.x() + 156 - 2 * k, panel.y() + 185 - h, panel.y() + 184,
                      p::kCyan);
    }
    const std::pair<QPoint, const char*> labels[] = {{{30, 10}, "LUMET REPORT"},
                                                     {{30, 36}, "test performed on"},
                                                     {{30, 56}, "your connection to"},
                                                     {{30, 76}, "is rated: "},
                                                     {{40, 120}, "PING SENT"},
                                                     {{40, 140}, "RETURNED"},
                                                     {{40, 190}, "LATENCY (ms)"},
                                                     {{40, 255}, "AVERAGE RTT"},
                                                     {{180, 166}, "Jitter"},
                                                     {{180, 178}, "Lost Packets"},
                                                     {{180, 202}, "Frequency:"},
                                                     {{180, 214}, "Timeout:"},
                                                     {{180, 226}, "TTL:"},
                                                     {{180, 238}, "Packet Size:"},
                                                     {{270, 238}, "8"},
                                                     {{270, 214}, "1000 ms"},
                                                     {{114, 36}, "Sat Dec  7 07:23:05 2024 UTC"}};
    for (const auto& [at, text] : labels) {
        Text(extended, fonts.bold, QString::fromLatin1(text), 9, panel + at + QPoint(0, 9),
             p::kCyan);
    }
    Text(extended, fonts.bold, QStringLiteral("127.0.0.1"), 15, panel + QPoint(120, 66), p::kCyan);
    Text(extended, fonts.bold, QStringLiteral("PERFECT"), 30, panel + QPoint(70, 104), p::kCyan);
    const std::pair<QPoint, const char*> exports[] = {
        {l::kEmailButton, "EMAILU"}, {l::kCopyButton, "COPYD"}, {l::kPrintButton, "PRINTU"}};
    for (const auto& [at, face] : exports) {
        Blit(extended, at + l::kReportPanelOrigin, art.Bitmap(QString::fromLatin1(face)),
             Rop::Copy);
    }
    place(extended, right, row(2));

    // Hover words over a dark band; cursors (hot spot in magenta) and icons at the side.
    const int bottom = row(2) + 416 + gap;
    for (std::size_t i = 0; i < std::size(WordArt::kHoverWords); ++i) {
        const auto& word = WordArt::kHoverWords[i];
        QImage band(320, 54, QImage::Format_RGB32);
        band.fill(0xff203030);
        Blit(band, QPoint(0, 6), art.Bitmap(QString::number(word.mask)), Rop::And);
        Blit(band, QPoint(0, 6), art.Bitmap(QString::number(word.picture)), Rop::Xor);
        const int index = static_cast<int>(i);
        place(band, left + (index % 2) * (360 + gap), bottom + (index / 2) * (54 + gap));
    }
    const int side = right + 360 + gap;
    int y = gap;
    for (const auto& cursor : CursorArt::kCursors) {
        QImage tile(32, 32, QImage::Format_RGB32);
        tile.fill(0xff8899aa);
        QPainter painter(&tile);
        painter.drawImage(0, 0, art.Image(QStringLiteral("cursors/%1.png").arg(cursor.number)));
        painter.end();
        tile.setPixel(cursor.hotSpot, 0xffff00ff);
        place(Enlarged(tile, 3), side, y);
        y += 96 + gap;
    }
    for (const int size : IconArt::kSizes) {
        if (size > 64) {
            continue;
        }
        QImage tile(size, size, QImage::Format_RGB32);
        tile.fill(0xff8899aa);
        QPainter painter(&tile);
        painter.drawImage(0, 0, art.Image(QStringLiteral("icons/128-%1.png").arg(size)));
        painter.end();
        place(tile, side, y);
        y += size + gap;
    }
    return Enlarged(sheet, 2);
}

} // namespace lumet::art
