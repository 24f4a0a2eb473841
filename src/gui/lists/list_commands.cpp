#include "gui/lists/list_commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "core/app/commands.h"
#include "core/options/number_list.h"
#include "gui/common/application_state.h"
#include "gui/common/save_paths.h"
#include "gui/common/user_interaction.h"
#include "gui/lists/number_list_dialog.h"

namespace qv::gui {

namespace {

QString tr(const char* text) {
    return QCoreApplication::translate("qv::gui::ListCommands", text);
}

FileRequest listRequest(FileRequest::Mode mode, const QString& selected) {
    FileRequest request = FileRequest::of(mode, tr("Saved Number List"),
                                          tr("Saved List Files (*.lst)"), QStringLiteral("lst"));
    request.selected = selected;
    return request;
}

void forgetList(ApplicationState& state) {
    state.updateSettings([](qv::Settings& settings) { settings.usingNumberList = false; });
    state.setNumberListState(false, state.flags().numberListDialogOpen);
}

}  // namespace

bool selectNumberList(ApplicationState& state, const QString& path) {
    const QString absolute = QDir::toNativeSeparators(QFileInfo(path).absoluteFilePath());
    std::vector<int> numbers = state.myNumbers();
    if (path.isEmpty() || !qv::loadNumberList(absolute.toStdString(), numbers)) {
        forgetList(state);
        return false;
    }
    state.setMyNumbers(std::move(numbers));
    state.updateSettings([&](qv::Settings& settings) {
        settings.usingNumberList = true;
        settings.lastNumberList = absolute.toStdString();
    });
    state.setNumberListState(true, state.flags().numberListDialogOpen);
    return true;
}

void createNumberList(ApplicationState& state, QWidget* parent) {
    std::vector<int> numbers;
    {
        TMyNumberList editor(state, numbers, tr("New List"), parent);
        if (editor.exec() != QDialog::Accepted) return;
    }
    const QString path = state.interaction().chooseFile(
        parent, listRequest(FileRequest::Mode::Save,
                            suggestedSavePath(
                                folderOf(QString::fromStdString(state.settings().lastNumberList)),
                                QString(), QStringLiteral("numbers"), QStringLiteral("lst"))));
    if (path.isEmpty()) return;
    if (const qv::IoResult saved = qv::saveNumberList(path.toStdString(), numbers); !saved)
        state.interaction().showProblem(
            parent, tr("Saved Number List"),
            tr("The list could not be saved as %1:\n%2")
                .arg(QDir::toNativeSeparators(path), QString::fromStdString(saved.message)));
}

void chooseNumberList(ApplicationState& state, QWidget* parent) {
    const QString current = QString::fromStdString(state.settings().lastNumberList);
    const QString path =
        state.interaction().chooseFile(parent, listRequest(FileRequest::Mode::Open, current));
    if (!path.isEmpty()) selectNumberList(state, path);
}

void editNumberList(ApplicationState& state, QWidget* parent) {
    if (!state.flags().numberListInUse) return;
    const QString name = QString::fromStdString(state.settings().lastNumberList);
    std::vector<int> numbers = state.myNumbers();
    {
        TMyNumberList editor(state, numbers, name, parent);
        if (editor.exec() != QDialog::Accepted) return;
    }
    state.setMyNumbers(numbers);
    if (const qv::IoResult saved = qv::saveNumberList(name.toStdString(), numbers); !saved)
        state.interaction().showProblem(
            parent, tr("Saved Number List"),
            tr("The list could not be saved as %1:\n%2")
                .arg(QDir::toNativeSeparators(name), QString::fromStdString(saved.message)));
}

void installListCommands(ApplicationState& state, QWidget* parent,
                         const ListCommandRegistrar& setHandler) {
    setHandler(qv::cmd::kCreateList, [&state, parent] { createNumberList(state, parent); });
    setHandler(qv::cmd::kSelectList, [&state, parent] { chooseNumberList(state, parent); });
    setHandler(qv::cmd::kEditCurrentList, [&state, parent] { editNumberList(state, parent); });

    const qv::Settings& settings = state.settings();
    if (settings.usingNumberList && !settings.lastNumberList.empty()) {
        selectNumberList(state, QString::fromStdString(settings.lastNumberList));
    } else {
        state.setNumberListState(false, false);
    }
}

}  // namespace qv::gui
