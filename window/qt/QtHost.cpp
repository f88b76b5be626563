#include "QtHost.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QSettings>
#include <QStandardPaths>
#include <QStringList>
#include <QTemporaryDir>
#include <QUrl>

namespace {

// Room for a title bar's own buttons (close, maximise, minimise) and margins.
constexpr int kTitleBarButtons = 120;

}  // namespace

void QtHost::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
    // A window manager shortens a title that is wider than its box ("W..." for "Winner!"):
    // the box is made wide enough for the whole title, with room for the frame's buttons.
    if (auto* grid = qobject_cast<QGridLayout*>(box.layout())) {
        const int titleWidth =
            QFontMetrics(QApplication::font()).horizontalAdvance(box.windowTitle());
        grid->addItem(new QSpacerItem(titleWidth + kTitleBarButtons, 0, QSizePolicy::Minimum),
                      grid->rowCount(), 0, 1, grid->columnCount());
    }
    box.exec();
}

std::optional<WordFile> QtHost::chooseWordFile(std::span<const FileType> filter) {
    // The game writes nothing: the dialog keeps its history in a folder of its own that goes
    // with it, not in the settings every Qt program shares.
    const QTemporaryDir dialogSettings;
    QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, dialogSettings.path());
    return chooseIn(filter);
}

std::optional<WordFile> QtHost::chooseIn(std::span<const FileType> filter) {
    QFileDialog dialog(QApplication::activeWindow(), QString(), QString(), qtFileFilter(filter));
    // Qt's own dialog on every desktop: a desktop's native one, as GTK's, would go without the
    // title "Open" and the sample folders, and keep the chosen file among its recent ones.
    dialog.setOption(QFileDialog::DontUseNativeDialog);
    // The sample word files are one click away; the dialog still opens where it always does.
    QList<QUrl> places = dialog.sidebarUrls();
    for (const QString& folder : sampleFolders(QCoreApplication::applicationDirPath())) {
        places.append(QUrl::fromLocalFile(folder));
    }
    dialog.setSidebarUrls(places);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return WordFile::atPath(QFile::encodeName(dialog.selectedFiles().first()).toStdString());
}

void QtHost::end(int status) {
    QCoreApplication::exit(status);
}

void QtHost::afterThisEvent(std::function<void()> task) {
    // Queued calls run in the event loop, once the event that asked for them is handled.
    QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
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
