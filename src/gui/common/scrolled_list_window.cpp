#include "gui/common/scrolled_list_window.h"

#include <QAction>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWheelEvent>
#include <algorithm>

#include "core/view/database_view.h"
#include "gui/common/list_scrolling.h"

namespace qv::gui {

namespace {

QRect toRect(const qv::Box& b) {
    return QRect(b.x, b.y, std::max(0, b.width), std::max(0, b.height));
}

}  // namespace

TMyScrollBar::TMyScrollBar(int id, Qt::Orientation orientation, QWidget* parent)
    : QScrollBar(orientation, parent) {
    setObjectName(QString::number(id));
    connect(this, &QAbstractSlider::valueChanged, this, [this] {
        if (QWidget* p = parentWidget()) p->update(repaintRect_);
    });
}

TScrolledListWindow::TScrolledListWindow(QWidget* parent) : QWidget(parent) {
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    vertical_ = new TMyScrollBar(kVerticalBarId, Qt::Vertical, this);
    horizontal_ = new TMyScrollBar(kHorizontalBarId, Qt::Horizontal, this);
    vertical_->setFocusPolicy(Qt::NoFocus);
    horizontal_->setFocusPolicy(Qt::NoFocus);
    horizontal_->setRange(0, qv::kHorizontalScrollMaximum);
    menu_ = new QMenu(this);
}

QAction* TScrolledListWindow::addMenuCommand(int id, const QString& text) {
    QAction* a = menu_->addAction(text);
    a->setObjectName(QString::number(id));
    a->setData(id);
    connect(a, &QAction::triggered, this, [this, id] { emit commandChosen(id); });
    return a;
}

void TScrolledListWindow::measure() {
    const QFontMetrics fm(font());
    cw_ = std::max(1, fm.horizontalAdvance(QLatin1Char('W')));
    rowHeight_ = std::max(1, rowHeightFor(fm.height()));
    layOutBars();
}

int TScrolledListWindow::listHeight() const {
    return std::max(0, height() - qv::kScrollBarThickness);
}

void TScrolledListWindow::layOutBars() {
    const qv::ListScrollBars bars = qv::listScrollBars(width(), height(), rowHeight_);
    vertical_->setGeometry(toRect(bars.vertical));
    vertical_->setRepaintRect(toRect(bars.verticalRepaint));
    horizontal_->setGeometry(toRect(bars.horizontal));
    horizontal_->setRepaintRect(toRect(bars.horizontalRepaint));
    updateScrollRange();
}

void TScrolledListWindow::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    layOutBars();
}

void TScrolledListWindow::changeEvent(QEvent* event) {
    if (event->type() == QEvent::FontChange) measure();
    QWidget::changeEvent(event);
}

void TScrolledListWindow::keyPressEvent(QKeyEvent* event) {
    if (!scrollListByKey(event, vertical_, horizontal_)) {
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void TScrolledListWindow::wheelEvent(QWheelEvent* event) {
    scrollListByWheel(event, vertical_, horizontal_);
    event->accept();
}

void TScrolledListWindow::contextMenuEvent(QContextMenuEvent* event) {
    aboutToShowMenu();
    menu_->exec(event->globalPos());
}

}  // namespace qv::gui
