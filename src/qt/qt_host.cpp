#include "qt/qt_host.h"

#include <QApplication>
#include <QDesktopServices>
#include <QFileDialog>
#include <QMessageBox>
#include <QStringList>
#include <QUrl>

namespace qt {
namespace {

QMessageBox::Icon iconOf(platform::MessageIcon icon)
{
    switch (icon) {
    case platform::MessageIcon::Critical: return QMessageBox::Critical;
    case platform::MessageIcon::Question: return QMessageBox::Question;
    case platform::MessageIcon::Exclamation: return QMessageBox::Warning;
    case platform::MessageIcon::Information: return QMessageBox::Information;
    default: return QMessageBox::NoIcon;
    }
}

}  // namespace

platform::MessageAnswer QtHost::messageBox(const std::string& text, const std::string& title,
                                           platform::MessageIcon icon, platform::MessageButtons buttons)
{
    QMessageBox box(iconOf(icon), QString::fromStdString(title), QString::fromStdString(text),
                    QMessageBox::NoButton, QApplication::activeWindow());
    if (buttons == platform::MessageButtons::YesNo) {
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::Yes);
        box.setEscapeButton(QMessageBox::No);
    } else {
        box.setStandardButtons(QMessageBox::Ok);
    }
    int answer = box.exec();
    if (buttons == platform::MessageButtons::YesNo)
        return answer == QMessageBox::Yes ? platform::MessageAnswer::Yes : platform::MessageAnswer::No;
    return platform::MessageAnswer::Ok;
}

QString QtHost::qtFilter(const std::string& filter)
{
    QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
    QStringList entries;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QString description = parts[i].trimmed();
        QString patterns = parts[i + 1].trimmed();
        if (description.isEmpty() && patterns.isEmpty())
            continue;
        patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
        entries << QStringLiteral("%1 (%2)").arg(description, patterns);
    }
    return entries.join(QStringLiteral(";;"));
}

std::optional<std::string> QtHost::fileDialog(const platform::FileDialogRequest& request)
{
    QWidget* parent = QApplication::activeWindow();
    QString title = QString::fromStdString(request.title);
    QString initial = QString::fromStdString(request.initialName);
    QString filter = qtFilter(request.filter);
    QString chosen;
    if (request.forSaving) {
        // The program decides itself what an existing file means.
        chosen = QFileDialog::getSaveFileName(parent, title, initial, filter, nullptr,
                                              QFileDialog::DontConfirmOverwrite);
    } else {
        chosen = QFileDialog::getOpenFileName(parent, title, initial, filter);
    }
    if (chosen.isEmpty())
        return std::nullopt;
    return chosen.toStdString();
}

void QtHost::openUrl(const std::string& url)
{
    QDesktopServices::openUrl(QUrl::fromUserInput(QString::fromStdString(url)));
}

void QtHost::quit()
{
    if (onQuit)
        onQuit();
    else
        QCoreApplication::exit(0);
}

}  // namespace qt
