#include "controls/ErrorBox.h"

#include <QApplication>
#include <QMessageBox>

namespace quindle {

QString ErrorBoxText(const QString& message)
{
    if (!message.isEmpty() && message.back() > QLatin1Char('.'))
        return message + QLatin1Char('.');
    return message;
}

void ShowErrorBox(const QString& message)
{
    QMessageBox box(QMessageBox::Critical, QCoreApplication::applicationName(),
                    ErrorBoxText(message), QMessageBox::Ok, QApplication::activeWindow());
    box.setObjectName(QStringLiteral("ErrorBox"));
    box.exec();
}

void HandleException(const std::exception& e) { ShowErrorBox(QString::fromLocal8Bit(e.what())); }

} // namespace quindle
