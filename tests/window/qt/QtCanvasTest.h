#pragma once

#include <QObject>

// Qt's primitives put down exactly the pixels the game's drawing decides.
class QtCanvasTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void putsDownTheDrawingsGallowsAndKeyEdgesPixelForPixel();
};
