#include "tests/support/TestSupport.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>
#include <QWidget>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace quindle::test {

QImage GrabOnParent(QWidget* w)
{
    QWidget* parent = w->parentWidget() ? w->parentWidget() : w;
    const QRect r = parent == w ? w->rect() : w->geometry();
    return parent->grab(r).toImage().convertToFormat(QImage::Format_RGB32);
}

void Click(QWidget* w, Qt::MouseButton button)
{
    QTest::mouseClick(w, button, {}, w->rect().center());
}

TempCurrentDir::TempCurrentDir() : FOldDir(QDir::currentPath())
{
    if (FDir.isValid())
        QDir::setCurrent(FDir.path());
}

TempCurrentDir::~TempCurrentDir()
{
    QDir::setCurrent(FOldDir);
}

bool TempCurrentDir::CopyAsset(const QString& name) const
{
    return QFile::copy(QStringLiteral(QUINDLE_ASSETS_DIR "/") + name, FDir.filePath(name));
}

namespace {

struct Waiting {
    QPointer<QTimer> timer;
    QString what;
};

std::vector<Waiting>& WaitingAnswers()
{
    static std::vector<Waiting> waiting;
    return waiting;
}

void Forget(QTimer* timer)
{
    auto& waiting = WaitingAnswers();
    std::erase_if(waiting, [timer](const Waiting& w) { return w.timer == timer || w.timer.isNull(); });
    timer->stop();
    timer->deleteLater();
}

QString Describe(const QWidget* w)
{
    if (!w)
        return QStringLiteral("none");
    const QString title = w->windowTitle().isEmpty() ? QString() : QStringLiteral(" \"%1\"").arg(w->windowTitle());
    return QString::fromUtf8(w->metaObject()->className()) + title;
}

void Await(const QString& what, std::function<bool(QWidget*)> match, std::function<void(QWidget*)> answer,
           int timeoutMs)
{
    auto* timer = new QTimer(qApp);
    WaitingAnswers().push_back({timer, what});
    auto clock = std::make_shared<QElapsedTimer>();
    clock->start();
    QObject::connect(timer, &QTimer::timeout, timer, [timer, what, match, answer, clock, timeoutMs]() {
        QWidget* modal = QApplication::activeModalWidget();
        if (modal && modal->isVisible() && match(modal)) {
            Forget(timer);
            answer(modal);
        } else if (clock->elapsed() > timeoutMs) {
            Forget(timer);
            ADD_FAILURE() << "waited " << timeoutMs << " ms for " << what.toStdString()
                          << " to come up; the modal window up now: " << Describe(modal).toStdString();
            if (modal)
                modal->close();
        }
    });
    timer->start(5);
}

} // namespace

void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs)
{
    Await(QStringLiteral("a modal window"), [](QWidget*) { return true; }, std::move(answer), timeoutMs);
}

void WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> answer, int timeoutMs)
{
    Await(QStringLiteral("a matching modal window"), std::move(match), std::move(answer), timeoutMs);
}

void WhenModal(QWidget* window, std::function<void(QWidget*)> answer, int timeoutMs)
{
    Await(Describe(window), [window](QWidget* w) { return w == window; }, std::move(answer), timeoutMs);
}

void WhenMessageBox(std::function<void(QWidget*)> answer, int timeoutMs)
{
    Await(QStringLiteral("a message box"), [](QWidget* w) { return qobject_cast<QMessageBox*>(w) != nullptr; },
          std::move(answer), timeoutMs);
}

void FailUnansweredModals()
{
    auto waiting = std::move(WaitingAnswers());
    WaitingAnswers().clear();
    for (Waiting& w : waiting) {
        if (w.timer.isNull())
            continue;
        ADD_FAILURE() << "the test ended while an answer still waited for " << w.what.toStdString();
        w.timer->stop();
        w.timer->deleteLater();
    }
}

} // namespace quindle::test
