#include "QtHost.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>
#include <QStringList>

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

std::optional<std::string> QtHost::chooseWordFile(const std::string& filter) {
    const QString path = QFileDialog::getOpenFileName(QApplication::activeWindow(), QString(),
                                                      QString(), qtFileFilter(filter));
    if (path.isEmpty()) {
        return std::nullopt;
    }
    return QFile::encodeName(path).toStdString();
}

void QtHost::end(int status) {
    QCoreApplication::exit(status);
}

void QtHost::afterThisEvent(std::function<void()> task) {
    // Queued calls run in the event loop, once the event that asked for them is handled.
    QMetaObject::invokeMethod(qApp, std::move(task), Qt::QueuedConnection);
}

QString qtFileFilter(const std::string& filter) {
    const QStringList parts = QString::fromStdString(filter).split('|');
    QStringList entries;
    for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
        // "*.*" means every file to a player, but on this system it misses names without a dot.
        const QString pattern = parts[i + 1] == "*.*" ? QStringLiteral("*") : parts[i + 1];
        const QString& description = parts[i];
        entries << (description.endsWith("(" + pattern + ")") ? description
                                                              : description + " (" + pattern + ")");
    }
    return entries.join(";;");
}
