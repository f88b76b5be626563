#pragma once

#include <QFileDialog>
#include <QString>
#include <QStringList>
#include <span>

#include "Form1.h"

// Qt's own open dialog, with the game's filter and the sample word files one click away.
QFileDialog* wordFileDialog(QWidget* parent);

// Where the sample word files are: installed beside the game, or in data/ beside the build
// folder that programFolder is.
QStringList sampleFolders(const QString& programFolder);

// The open dialog's filter in Qt's form: "Scaffle files (*.scf);;All files (*)".
QString qtFileFilter(std::span<const FileType> filter);
