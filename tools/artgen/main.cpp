#include "tools/artgen/ArtFonts.h"
#include "tools/artgen/ArtSet.h"
#include "tools/artgen/CursorArt.h"
#include "tools/artgen/IconArt.h"
#include "tools/artgen/PanelArt.h"
#include "tools/artgen/Preview.h"
#include "tools/artgen/SkinArt.h"
#include "tools/artgen/WordArt.h"

#include <QGuiApplication>
#include <QStringList>
#include <cstdio>

namespace {

void Usage() {
    std::fputs("usage: lumet-artgen [--out <res-dir>] [--preview <file.png>]\n"
               "Writes every picture of the skin, the cursors, the icon and lumet.qrc into\n"
               "<res-dir> (default: the source tree's res/).\n",
               stderr);
}

} // namespace

int main(int argc, char** argv) {
    // Font outlines need a GUI application object; no display is needed.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
    }
    QGuiApplication application(argc, argv);

    QString outDir = QStringLiteral(LUMET_ARTGEN_RES_DIR);
    QString previewFile;
    const QStringList arguments = QGuiApplication::arguments();
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString& argument = arguments[i];
        if (argument == QStringLiteral("--out") && i + 1 < arguments.size()) {
            outDir = arguments[++i];
        } else if (argument == QStringLiteral("--preview") && i + 1 < arguments.size()) {
            previewFile = arguments[++i];
        } else {
            Usage();
            return 2;
        }
    }

    const lumet::art::ArtFonts fonts;
    for (const lumet::art::OutlineFont* font : {&fonts.bold, &fonts.condensedBold}) {
        if (!font->IsValid()) {
            std::fprintf(stderr, "lumet-artgen: cannot load %s (install fonts-dejavu-core)\n",
                         qPrintable(font->FileName()));
            return 1;
        }
    }

    lumet::art::ArtSet art;
    lumet::art::SkinArt::Build(art, fonts);
    lumet::art::PanelArt::Build(art, fonts);
    lumet::art::WordArt::Build(art, fonts);
    lumet::art::CursorArt::Build(art);
    lumet::art::IconArt::Build(art);

    if (const QString error = art.WriteAll(outDir); !error.isEmpty()) {
        std::fprintf(stderr, "lumet-artgen: %s\n", qPrintable(error));
        return 1;
    }
    if (!previewFile.isEmpty() &&
        !lumet::art::Preview::Render(art, fonts).save(previewFile, "png")) {
        std::fprintf(stderr, "lumet-artgen: cannot write %s\n", qPrintable(previewFile));
        return 1;
    }
    return 0;
}
