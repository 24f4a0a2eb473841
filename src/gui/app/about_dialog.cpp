#include "gui/app/about_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QLabel>
#include <QMessageBox>
#include <QPainter>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "gui/common/app_paths.h"

// The build may name the version; otherwise the project's own.
#ifndef QV_VERSION
#define QV_VERSION "0.1.0"
#endif

namespace qv::gui {

TStatic256::TStatic256(const QString& resource, QWidget* parent, bool stretch)
    : QWidget(parent), picture_(resource), stretch_(stretch) {
    if (picture_.isNull()) {
        QMessageBox::warning(parent, QApplication::applicationName(),
                             tr("Cannot access bitmap resource"), QMessageBox::Ok);
    }
    if (!stretch_ && !picture_.isNull()) setMinimumSize(picture_.size());
}

QSize TStatic256::sizeHint() const {
    return picture_.isNull() ? QSize(0, 0) : picture_.size();
}

void TStatic256::paintEvent(QPaintEvent*) {
    if (picture_.isNull()) return;
    QPainter painter(this);
    if (stretch_) {
        painter.drawPixmap(rect(), picture_);
    } else {
        painter.drawPixmap(0, 0, picture_);
    }
}

QString TMyAboutDialog::version() {
    return QStringLiteral(QV_VERSION);
}

TMyAboutDialog::TMyAboutDialog(QWidget* parent) : QDialog(parent) {
    initAppResources();
    setWindowTitle(tr("About Quorvantile"));

    picture_ = new TStatic256(QStringLiteral(":/app/images/splash_997.png"), this);
    picture_->setObjectName(QString::number(kPicture));

    auto* product = new QLabel(tr("Quorvantile"));
    QFont big = product->font();
    big.setPointSizeF(big.pointSizeF() * 1.6);
    big.setBold(true);
    product->setFont(big);
    auto* lines = new QLabel(tr("Version %1\n"
                                "Lottery statistics, wheeling tables and tickets.\n"
                                "For help and support, choose Help > Index.")
                                 .arg(version()));
    lines->setObjectName(QStringLiteral("lines"));
    for (QLabel* label : {product, lines}) {
        label->setAlignment(Qt::AlignHCenter);
        label->setTextFormat(Qt::PlainText);
    }

    auto* buttons = new QDialogButtonBox;
    QPushButton* ok = buttons->addButton(tr("&OK"), QDialogButtonBox::AcceptRole);
    ok->setObjectName(QString::number(kOk));
    ok->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    ok->setDefault(true);
    buttons->setCenterButtons(true);
    connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(picture_, 0, Qt::AlignHCenter);
    layout->addSpacing(6);
    layout->addWidget(product);
    layout->addWidget(lines);
    layout->addSpacing(6);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    ok->setFocus();
}

}  // namespace qv::gui
