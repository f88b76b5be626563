// Writes the game's icon for the icon theme: a PNG of every size, and the SVG.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "Icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir folder(QString::fromLocal8Bit(argv[1]));
    for (const int size : kIconSizes) {
        const QString path = folder.filePath(QString("scaffle-%1.png").arg(size));
        if (!iconImage(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(folder.filePath("scaffle.svg"));
    if (!svg.open(QIODevice::WriteOnly) || svg.write(iconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
