#include "gui/entry/past_performance_dialog.h"

#include <QDialogButtonBox>
#include <QFileInfo>
#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QStyle>
#include <QVBoxLayout>

#include "core/database/draw_database.h"
#include "core/entry/past_performance.h"
#include "core/tickets/ticket_file.h"
#include "gui/common/application_state.h"
#include "gui/common/busy_dialog.h"
#include "gui/common/user_interaction.h"

namespace qv::gui {

QStringList calculatorPrograms() {
    return {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"),
            QStringLiteral("galculator"),       QStringLiteral("mate-calc"),
            QStringLiteral("qalculate-gtk"),    QStringLiteral("xcalc")};
}

QString findCalculator() {
    for (const QString& name : calculatorPrograms()) {
        const QString path = QStandardPaths::findExecutable(name);
        if (!path.isEmpty()) return path;
    }
    return QString();
}

TMyPastPerformanceDialog::TMyPastPerformanceDialog(UserInteraction& ui, const QString& text,
                                                   QWidget* parent)
    : QDialog(parent), ui_(ui) {
    setWindowTitle(tr("Total Winnings"));

    text_ = new QLabel(text.left(500));
    text_->setObjectName(QString::number(kText));
    // The totals are lined up by their field widths.
    text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    text_->setTextInteractionFlags(Qt::TextSelectableByMouse);
    text_->setMargin(6);

    auto* buttons = new QDialogButtonBox;
    auto* ok = buttons->addButton(tr("OK"), QDialogButtonBox::AcceptRole);
    auto* calculator = buttons->addButton(tr("Calculator"), QDialogButtonBox::ActionRole);
    ok->setObjectName(QString::number(kOk));
    calculator->setObjectName(QString::number(kCalculator));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    calculator->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::accepted, this, &TMyPastPerformanceDialog::accept);
    connect(calculator, &QPushButton::clicked, this, &TMyPastPerformanceDialog::startCalculator);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

void TMyPastPerformanceDialog::startCalculator() {
    const QString program = findCalculator();
    if (program.isEmpty()) {
        ui_.showProblem(this, tr("Calculator"),
                        tr("No calculator was found. Install one of these programs: %1.")
                            .arg(calculatorPrograms().join(QStringLiteral(", "))));
        return;
    }
    if (!ui_.startProgram(program)) {
        ui_.showProblem(
            this, tr("Calculator"),
            tr("The calculator %1 could not be started.").arg(QFileInfo(program).fileName()));
    }
}

void showPastPerformance(ApplicationState& state, QWidget* window, int entry) {
    const qv::TicketFile* tickets = state.ticketFile();
    const qv::DrawDatabase* database = state.database();
    if (!tickets || !database || entry < 0 || std::size_t(entry) >= database->entryCount()) return;

    qv::PastPerformance result;
    {
        BusyDialog busy(window);
        TranslatedProgress progress(busy,
                                    TMyPastPerformanceDialog::tr("Checking database entries..."));
        result = qv::checkPastPerformance(database->entries(), tickets->tickets, std::size_t(entry),
                                          &progress);
    }
    qv::PastPerformanceTexts texts;
    texts.heading = TMyPastPerformanceDialog::tr(
                        "For the last %d entries (up to and including %d/%d/%d)\n"
                        "the open ticket file returned the following results:\n\n")
                        .toStdString();
    texts.level = TMyPastPerformanceDialog::tr("%d/%d = %4d").toStdString();
    texts.bonus = TMyPastPerformanceDialog::tr(" +Bonus =  %2d").toStdString();
    TMyPastPerformanceDialog dialog(state.interaction(),
                                    QString::fromStdString(qv::pastPerformanceText(result, texts)),
                                    window);
    dialog.exec();
}

}  // namespace qv::gui
