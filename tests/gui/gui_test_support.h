#pragma once
// Helpers shared by the window tests.

#include <QApplication>
#include <QTimer>
#include <functional>

namespace qv::test {

// Acts on the next modal dialog of type D once it is up (a modal dialog blocks the test until
// it closes, so the answer has to be queued first). Gives up after about two seconds.
template <typename D>
void whenModal(std::function<void(D*)> act, int triesLeft = 200) {
    QTimer::singleShot(10, qApp, [act, triesLeft] {
        if (auto* d = qobject_cast<D*>(QApplication::activeModalWidget())) {
            act(d);
        } else if (triesLeft > 0) {
            whenModal<D>(act, triesLeft - 1);
        }
    });
}

}  // namespace qv::test
