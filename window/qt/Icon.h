#pragma once

#include <QIcon>
#include <QImage>
#include <QString>

// The game's icon: the window's gallows with every piece shown, on a white key edged in the
// letters' yellow. One drawing gives the window's icon, the installed PNGs and the SVG, so
// they cannot drift apart.
QImage iconImage(int size);
QIcon gameIcon();
QString iconSvg();

// The sizes a desktop looks for in the icon theme.
inline constexpr int kIconSizes[] = {16, 24, 32, 48, 64, 128, 256};
