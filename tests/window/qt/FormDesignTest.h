#pragma once

#include <QObject>

// The window as it stands after a load: keyboard, labels, drawing, fonts, menu, pixels.
class FormDesignTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void keyboardStandsInFourRowsAtItsDesignedPlaces_data();
    void keyboardStandsInFourRowsAtItsDesignedPlaces();
    void aLoadShowsTheFreshRoundOnAFixedWhiteWindow();
    void fontsFallBackToTheirMetricSubstitutes();
    void menuHoldsThreeCommandsWithTheirShortcuts();
    void labelsKeepTheirInkUnderADarkColourScheme();
    void everyControlHasANameAScreenReaderCanSay();
    void focusRunsThroughTheLettersAToZ();
};
