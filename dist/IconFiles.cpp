// Writes the game's icon as an icon theme: a PNG of every size, and the SVG, each in the folder
// where a desktop looks for it.
#include <QDir>
#include <QFile>
#include <cstdio>

#include "Icon.h"

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FOLDER\n", argv[0]);
        return 2;
    }
    const QDir theme(QString::fromLocal8Bit(argv[1]));
    for (const int size : kIconSizes) {
        const QString apps = QString("%1x%1/apps").arg(size);
        const QString path = theme.filePath(apps + "/scaffle.png");
        if (!theme.mkpath(apps) || !iconImage(size).save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
    }
    QFile svg(theme.filePath("scalable/apps/scaffle.svg"));
    if (!theme.mkpath("scalable/apps") || !svg.open(QIODevice::WriteOnly) ||
        svg.write(iconSvg().toUtf8()) < 0) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(svg.fileName()));
        return 1;
    }
    return 0;
}
