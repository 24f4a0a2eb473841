#pragma once
// Helpers shared by the window tests.

// The controls the tests look up by id come with it.
#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <initializer_list>

#include "gui/app/my_mdi_frame.h"
#include "core/records/records.h"
#include "gui/common/file_dialogs.h"

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

// Answers the next file dialog with `path`, or cancels it when `path` is empty, and notes its
// caption and filters. The name is typed rather than selected: selectFile() leaves the name
// field alone once it has the focus, and the list may not hold the file yet.
inline void whenFileDialog(const QString& path, QString* title = nullptr,
                           QStringList* filters = nullptr) {
    whenModal<QFileDialog>([=](QFileDialog* chooser) {
        if (title) *title = chooser->windowTitle();
        if (filters) *filters = chooser->nameFilters();
        auto* name = chooser->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        if (path.isEmpty() || !name) return chooser->reject();
        name->setText(path);
        static_cast<QDialog*>(chooser)->accept();  // QFileDialog::accept is protected
    });
}

// A dialog's control by its numeric id (the object name); a missing one ends the run.
template <typename T>
T* control(const QObject* parent, int id) {
    T* w = parent->findChild<T*>(QString::number(id));
    if (!w) qFatal("control %d missing", id);
    return w;
}

// A program that reads and writes everything inside `dir`.
inline qv::gui::AppEnvironment environmentIn(const QTemporaryDir& dir) {
    qv::gui::AppEnvironment env;
    env.programDir = dir.path();
    env.settingsPath = dir.filePath(QStringLiteral("quorvan.ini"));
    env.dataDir = dir.path();
    return env;
}

// The shared state and a main frame over it, as the application makes them.
struct FrameFixture {
    qv::gui::ApplicationState state;
    qv::gui::TMyMDIFrame frame;
    explicit FrameFixture(const qv::gui::AppEnvironment& env) : state(env), frame(state) {}
};

// While it lives, stands in for the database windows' file chooser and message boxes: notes
// each request and message, and answers every request with `answer`.
struct DialogHooks {
    QList<qv::gui::FileRequest> requests;
    QString answer;
    QStringList problems;
    QStringList questions;  // the Yes/No questions asked
    bool yes = false;       // their answer
    DialogHooks() {
        qv::gui::setQuestionSink([this](QWidget*, const QString&, const QString& t) {
            questions << t;
            return yes;
        });
        qv::gui::setFileChooser([this](QWidget*, const qv::gui::FileRequest& r) {
            requests << r;
            return answer;
        });
        qv::gui::setMessageSink(
            [this](QWidget*, const QString&, const QString& t) { problems << t; });
    }
    ~DialogHooks() {
        qv::gui::setQuestionSink({});
        qv::gui::setFileChooser({});
        qv::gui::setMessageSink({});
    }
};

// A ticket or draw with these numbers and bonus numbers.
inline qv::TicketType ticket(std::initializer_list<int> numbers,
                             std::initializer_list<int> bonus = {}) {
    qv::TicketType t;
    std::size_t k = 0;
    for (int n : numbers) t.numbers[k++] = static_cast<std::int16_t>(n);
    k = 0;
    for (int n : bonus) t.bonus[k++] = static_cast<std::int16_t>(n);
    return t;
}

inline void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    QVERIFY2(f.open(QIODevice::WriteOnly), qPrintable(path));
    f.write(bytes);
}

}  // namespace qv::test
