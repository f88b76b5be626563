#pragma once

#include <QObject>

// What the Qt controls do with the player's input: clicks, keys, the reload in place.
class FormEventsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWinsNewRoundIsShownInTheSameWindowWithNothingTornDown();
    void shortcutsRunTheFileCommandsArrowsMoveAndLettersDoNothing();
    void aCaptionIsShownExactlyAsTheCategoryHoldsIt();
    void aLongWordIsShownWholeInASmallerSize();
    void aHugeMaskedWordIsPainted();
};
