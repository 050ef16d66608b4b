#pragma once

#include <QImage>
#include <QObject>
#include <QRect>
#include <QString>
#include <QTemporaryDir>

#include <functional>

#include <gtest/gtest.h>

class QWidget;

namespace quindle::test {

// The control of that object name under root; the test fails without one.
template <typename T>
T* Named(const QObject* root, const char* name)
{
    T* found = root->findChild<T*>(QString::fromLatin1(name));
    EXPECT_NE(found, nullptr) << name;
    return found;
}

// What the widget shows on its container: the container's pixels under the
// widget's rectangle, so see-through parts show the container.
QImage GrabOnParent(QWidget* w);

// A press and release of `button` in the middle of the widget.
void Click(QWidget* w, Qt::MouseButton button = Qt::LeftButton);

// A fresh empty folder that is the current directory for the object's
// lifetime, where the game looks for its cues and clip.
class TempCurrentDir {
public:
    TempCurrentDir();
    ~TempCurrentDir();
    TempCurrentDir(const TempCurrentDir&) = delete;
    TempCurrentDir& operator=(const TempCurrentDir&) = delete;

    bool Valid() const { return FDir.isValid(); }
    QString Path() const { return FDir.path(); }
    QString FilePath(const QString& name) const { return FDir.filePath(name); }
    // Copies a file of the game's assets folder in under the same name.
    bool CopyAsset(const QString& name) const;

private:
    QTemporaryDir FDir;
    QString FOldDir;
};

// Runs `answer` from inside the modal loop of the first modal widget that
// `match` accepts (any modal widget without one). When no such dialog has
// come within `timeoutMs`, or by the end of the test, the test fails; a
// different modal widget still up then is closed, so the test goes on
// instead of hanging.
void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000);
void WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> answer, int timeoutMs = 5000);
// The same for one particular window, and for the next message box.
void WhenModal(QWidget* window, std::function<void(QWidget*)> answer, int timeoutMs = 5000);
void WhenMessageBox(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

// Fails the running test for every answer still waiting for its dialog and
// drops them, so none can answer a later test's dialog. The test main calls
// it at the end of each test.
void FailUnansweredModals();

} // namespace quindle::test
