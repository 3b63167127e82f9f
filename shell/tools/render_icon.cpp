// Writes the program icon as a PNG: render_icon OUTPUT.png SIDE

#include "shell/artwork.h"

#include <QGuiApplication>

#include <cstdio>

int main(int argc, char* argv[]) {
    QGuiApplication app(argc, argv);
    if (argc != 3) {
        std::fprintf(stderr, "usage: %s OUTPUT.png SIDE\n", argv[0]);
        return 2;
    }
    const int side = QString::fromLocal8Bit(argv[2]).toInt();
    if (side < 16 || side > 1024 ||
        !zentabl::IconImage(side).save(QString::fromLocal8Bit(argv[1]))) {
        std::fprintf(stderr, "cannot write %s\n", argv[1]);
        return 1;
    }
    return 0;
}
