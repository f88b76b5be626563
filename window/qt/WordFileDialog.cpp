#include "WordFileDialog.h"

#include <QAbstractItemView>
#include <QCompleter>
#include <QCoreApplication>
#include <QDir>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QUrl>

QFileDialog* wordFileDialog(QWidget* parent) {
    // The game writes nothing: the dialog keeps its history in a folder of its own that goes
    // with it, not in the settings every Qt program shares.
    static const QTemporaryDir dialogSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dialogSettings.path());
    auto* dialog = new QFileDialog(parent, QString(), QString(), qtFileFilter(wordFileFilter()));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    dialog->setFileMode(QFileDialog::ExistingFile);
    // Qt's own dialog on every desktop: a desktop's native one, as GTK's, would go without the
    // title "Open" and the sample folders, and keep the chosen file among its recent ones.
    dialog->setOption(QFileDialog::DontUseNativeDialog);
    // The sample word files are one click away; the dialog still opens where it always does.
    QList<QUrl> places = dialog->sidebarUrls();
    for (const QString& folder : sampleFolders(QCoreApplication::applicationDirPath())) {
        places.append(QUrl::fromLocalFile(folder));
    }
    dialog->setSidebarUrls(places);
    // With a screen reader listening, Qt may hand the Return that picks a file straight to the
    // name field while its completion list is still open. A list left open makes Qt pass over
    // the game's window becoming active again, and the letters then show and say no focus: the
    // list goes with the dialog.
    QObject::connect(dialog, &QDialog::finished, dialog, [dialog] {
        if (const auto* completion = dialog->findChild<QCompleter*>()) {
            completion->popup()->hide();
        }
    });
    return dialog;
}

QStringList sampleFolders(const QString& programFolder) {
    QStringList folders = QStandardPaths::locateAll(QStandardPaths::GenericDataLocation, "scaffle",
                                                    QStandardPaths::LocateDirectory);
    // A game run from its build folder, inside the source tree.
    const QDir data(programFolder + "/../data");
    if (data.exists("scaffle.scf")) {
        folders.append(data.canonicalPath());
    }
    return folders;
}

QString qtFileFilter(std::span<const FileType> filter) {
    QStringList entries;
    for (const FileType& type : filter) {
        // "*.*" means every file to a player, but on this system it misses names without a dot.
        const QString pattern = QString(type.pattern) == "*.*" ? "*" : type.pattern;
        const QString description(type.description);
        entries << (description.endsWith("(" + pattern + ")") ? description
                                                              : description + " (" + pattern + ")");
    }
    return entries.join(";;");
}
