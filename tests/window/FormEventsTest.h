#pragma once

#include <QObject>

// Playing: clicks, wins and reloads, losses, the File menu and what goes wrong with files.
class FormEventsTest : public QObject {
    Q_OBJECT

private Q_SLOTS:
    void aWinIsReportedThenReloadsWithTheTallyRaised();
    void aLossReportsTheWordThenEnds();
    void piecesAppearOnePerMiss();
    void shortcutsRunTheFileCommandsAndLettersDoNothing();
    void openingAWordFileMidRoundStartsAFreshRound();
    void aWinAfterOpeningKeepsTheOpenedFile();
    void cancellingTheOpenDialogChangesNothing();
    void aFileThatCannotGiveARoundLeavesTheRoundAsItWas();
    void aMissingDefaultFileStartsTheBuiltInListSilently();
    void everyLoadRereadsTheFileAndTellsOfABadOneOnce();
    void aCaptionIsShownExactlyAsTheCategoryHoldsIt();
    void anUnexpectedFailureIsReportedAndEndsWithAnError();
};
