#pragma once

#include <QObject>

// Whatever file the player opens mid-round gives a playable round or a clear message, and
// a refused one leaves the round in progress exactly as it was.
class HostileFilesTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void filesThatAreNoWordFileAreRefusedWithTheirReason();
    void wordFilesWithoutAWordAreRefused();
    void anUnreadableFileIsRefused();
    void oddButReadableFilesGiveAPlayableRound_data();
    void oddButReadableFilesGiveAPlayableRound();
    void aHugeWordCanBePlayedToAWin();
};
