// Writes the game's icon as a Windows .ico file: every size the icon is drawn at, each kept
// as a PNG inside, as Windows reads them since Vista.
#include <QBuffer>
#include <QFile>
#include <QtEndian>
#include <cstdio>

#include "Icon.h"

namespace {

void append16(QByteArray& bytes, quint16 value) {
    const quint16 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

void append32(QByteArray& bytes, quint32 value) {
    const quint32 little = qToLittleEndian(value);
    bytes.append(reinterpret_cast<const char*>(&little), sizeof little);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s FILE.ico\n", argv[0]);
        return 2;
    }
    QList<QByteArray> pngs;
    for (const int size : kIconSizes) {
        QByteArray png;
        QBuffer buffer(&png);
        buffer.open(QIODevice::WriteOnly);
        iconImage(size).save(&buffer, "PNG");
        pngs.append(png);
    }
    constexpr int kHeader = 6;
    constexpr int kEntry = 16;
    QByteArray ico;
    append16(ico, 0);  // reserved
    append16(ico, 1);  // an icon
    append16(ico, static_cast<quint16>(pngs.size()));
    quint32 offset = kHeader + kEntry * static_cast<quint32>(pngs.size());
    for (qsizetype i = 0; i < pngs.size(); ++i) {
        const int size = kIconSizes[i];
        ico.append(static_cast<char>(size == 256 ? 0 : size));  // 0 stands for 256
        ico.append(static_cast<char>(size == 256 ? 0 : size));
        ico.append('\0');  // no palette
        ico.append('\0');
        append16(ico, 1);   // planes
        append16(ico, 32);  // bits a pixel
        append32(ico, static_cast<quint32>(pngs[i].size()));
        append32(ico, offset);
        offset += static_cast<quint32>(pngs[i].size());
    }
    for (const QByteArray& png : pngs) {
        ico.append(png);
    }
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::WriteOnly) || file.write(ico) != ico.size()) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
