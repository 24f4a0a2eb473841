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
#include <deque>
#include <functional>
#include <initializer_list>

#include "core/records/records.h"
#include "gui/app/my_mdi_frame.h"
#include "gui/common/application_state.h"
#include "gui/common/sound_player.h"
#include "gui/common/user_interaction.h"

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

// The window showing the open document of `slot`, nullptr when none is open or it is shown
// in a window of another kind.
template <typename Window>
Window* documentWindow(const qv::gui::ApplicationState& state, qv::gui::DocumentSlot slot) {
    const qv::gui::Document* document = state.document(slot);
    if (!document || !document->view()) return nullptr;
    return qobject_cast<Window*>(document->view()->widget());
}

// The open ticket file's window, whichever its kind.
template <typename Window>
Window* ticketWindowOf(const qv::gui::ApplicationState& state) {
    const qv::gui::TicketDocument* document = state.ticketDocument();
    return document ? documentWindow<Window>(state, document->slot()) : nullptr;
}

// A program that reads and writes everything inside `dir`.
inline qv::gui::AppEnvironment environmentIn(const QTemporaryDir& dir) {
    qv::gui::AppEnvironment env;
    env.programDir = dir.path();
    env.settingsPath = dir.filePath(QStringLiteral("quorvan.ini"));
    env.dataDir = dir.path();
    return env;
}

// Stands in for the user and the desktop once attached to the application state (or handed
// to a dialog): notes every file request, message, program and address, and answers from
// what the test set. Sounds still go to the state's sound player, whose signals tell them.
struct FakeInteraction : qv::gui::UserInteraction {
    QList<qv::gui::FileRequest> requests;
    QStringList files;         // the answers to the next file requests, in turn
    QString answer;            // the answer to every file request once `files` has run out
    QStringList problems;      // the text of every message that is not a question
    QStringList messages;      // every message and question as "caption | text"
    QStringList questions;     // the text of every question
    QList<bool> yesDefaults;   // for every question, whether Enter would answer Yes
    std::deque<bool> answers;  // the answers to the next questions; No when they run out
    std::function<void(QWidget*)> onQuestion;
    QStringList programs;  // the programs started
    bool programsStart = true;
    QList<QUrl> urls;  // the addresses opened
    bool urlsOpen = true;
    qv::gui::SoundPlayer* sounds = nullptr;

    FakeInteraction() = default;
    explicit FakeInteraction(qv::gui::ApplicationState& state) { attach(state); }
    void attach(qv::gui::ApplicationState& state) {
        state.setInteraction(this);
        sounds = state.soundPlayer();
    }

    QString chooseFile(QWidget*, const qv::gui::FileRequest& request) override {
        requests << request;
        return files.isEmpty() ? answer : files.takeFirst();
    }
    bool showMessage(QWidget* parent, const qv::gui::UserMessage& message) override {
        messages << message.caption + QStringLiteral(" | ") + message.text;
        if (!message.question) {
            problems << message.text;
            return false;
        }
        questions << message.text;
        yesDefaults << message.yesByDefault;
        if (onQuestion) onQuestion(parent);
        if (answers.empty()) return false;
        const bool yes = answers.front();
        answers.pop_front();
        return yes;
    }
    void playSound(qv::EventSound sound) override {
        if (sounds) sounds->playEvent(sound);
    }
    bool startProgram(const QString& program) override {
        programs << program;
        return programsStart;
    }
    bool openUrl(const QUrl& url) override {
        urls << url;
        return urlsOpen;
    }
};

// The shared state and a main frame over it, as the application makes them; with a fake in
// place of the user when one is given.
struct FrameFixture {
    qv::gui::ApplicationState state;
    qv::gui::TMyMDIFrame frame;
    explicit FrameFixture(const qv::gui::AppEnvironment& env) : state(env), frame(state) {}
    FrameFixture(const qv::gui::AppEnvironment& env, FakeInteraction& fake)
        : state(env), frame((fake.attach(state), state)) {}
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
