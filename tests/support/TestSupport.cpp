#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTimer>
#include <QWidget>

#include <memory>

namespace quindle::test {

QImage GrabOnParent(QWidget* w)
{
    QWidget* parent = w->parentWidget() ? w->parentWidget() : w;
    const QRect r = parent == w ? w->rect() : w->geometry();
    return parent->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
}

void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs)
{
    WhenModal([](QWidget*) { return true; }, std::move(answer), timeoutMs);
}

void WhenModal(QWidget* window, std::function<void(QWidget*)> answer, int timeoutMs)
{
    WhenModal([window](QWidget* w) { return w == window; }, std::move(answer), timeoutMs);
}

void WhenMessageBox(std::function<void(QWidget*)> answer, int timeoutMs)
{
    WhenModal([](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; }, std::move(answer), timeoutMs);
}

void WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> answer, int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, match, answer, clock, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && match(modal)) {
            timer->stop();
            timer->deleteLater();
            answer(modal);
        } else if (clock->elapsed() > timeoutMs) {
            timer->stop();
            timer->deleteLater();
        }
    });
    timer->start(5);
}

} // namespace quindle::test
