#include "qt/qt_regional.h"

#include <QDate>
#include <QLocale>
#include <QRegularExpression>
#include <QTime>

namespace qt {

std::string QtRegional::decimalSeparator() const { return QLocale::system().decimalPoint().toStdString(); }

std::string QtRegional::dateTimeText(const platform::LocalDateTime& t) const
{
    QLocale locale = QLocale::system();
    // Qt's long time format names the time zone; the system's time text does not.
    QString timeFormat = locale.timeFormat(QLocale::LongFormat);
    timeFormat.remove(QRegularExpression(QStringLiteral("\\s*\\bt+\\b\\s*")));
    QString date = locale.toString(QDate(t.year, t.month, t.day), QLocale::ShortFormat);
    QString time = locale.toString(QTime(t.hour, t.minute, t.second), timeFormat.trimmed());
    return (date + QLatin1Char(' ') + time).toStdString();
}

}  // namespace qt
