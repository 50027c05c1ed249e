#include "qt/unhandled.h"

#include <QApplication>
#include <QMessageBox>
#include <cstdio>

#include "platform/error.h"

namespace qt {
namespace {

void report(const QString& title, const QString& text)
{
    std::fprintf(stderr, "%s: %s\n", title.toLocal8Bit().constData(), text.toLocal8Bit().constData());
    // One box at a time: a timer that keeps failing must not stack boxes.
    static bool showing = false;
    if (showing || !qobject_cast<QApplication*>(QCoreApplication::instance()))
        return;
    showing = true;
    QMessageBox::critical(QApplication::activeWindow(), title, text);
    showing = false;
}

}  // namespace

void guarded(const std::function<void()>& reaction)
{
    try {
        reaction();
    } catch (const platform::Error& e) {
        report(QStringLiteral("Error#%1").arg(e.number()), QString::fromStdString(e.description()));
    } catch (const std::exception& e) {
        report(QStringLiteral("Error"), QString::fromStdString(e.what()));
    }
}

}  // namespace qt
