#pragma once

#include <QImage>
#include <QRect>

#include <functional>

class QWidget;

namespace quindle::test {

// What the widget shows on its container: the container's pixels under the
// widget's rectangle, so see-through parts show the container.
QImage GrabOnParent(QWidget* w);

// Runs `answer` from inside the modal loop of the first modal widget that
// `match` accepts (any modal widget without one). Gives up after `timeoutMs`.
void WhenModal(std::function<void(QWidget*)> answer, int timeoutMs = 5000);
void WhenModal(std::function<bool(QWidget*)> match, std::function<void(QWidget*)> answer, int timeoutMs = 5000);
// The same for one particular window, and for the next message box.
void WhenModal(QWidget* window, std::function<void(QWidget*)> answer, int timeoutMs = 5000);
void WhenMessageBox(std::function<void(QWidget*)> answer, int timeoutMs = 5000);

} // namespace quindle::test
