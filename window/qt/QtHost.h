#pragma once

#include <QString>
#include <QStringList>

#include "Host.h"

class QtHost final : public Host {
public:
    void message(const std::string& text, const std::string& title) override;
    std::optional<WordFile> chooseWordFile(std::span<const FileType> filter) override;
    void end(int status) override;
    void afterThisEvent(std::function<void()> task) override;

private:
    // The dialog itself, which saves its settings when it goes.
    static std::optional<WordFile> chooseIn(std::span<const FileType> filter);
};

// Where the sample word files are: installed beside the game, or in data/ beside the build
// folder that programFolder is.
QStringList sampleFolders(const QString& programFolder);

// The open dialog's filter in Qt's form: "Scaffle files (*.scf);;All files (*)".
QString qtFileFilter(std::span<const FileType> filter);
