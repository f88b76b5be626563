#include "QtHost.h"

#include <QApplication>
#include <QFile>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>

void QtHost::message(const std::string& text, const std::string& title) {
    QMessageBox box(QMessageBox::NoIcon, QString::fromStdString(title),
                    QString::fromStdString(text), QMessageBox::Ok, QApplication::activeWindow());
    box.setTextFormat(Qt::PlainText);
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
