#include "gui/widgets/PickEdit.h"

#include <QAction>
#include <QKeyEvent>
#include <QPainter>
#include <QPixmap>

namespace {

// The usual "…" of a button that opens a chooser, drawn in the box's text colour.
QIcon ellipsisIcon(const QColor &colour) {
    QPixmap pixmap(16, 16);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colour);
    for (int x : {3, 7, 11})
        painter.drawEllipse(QRectF(x, 10, 2.2, 2.2));
    return QIcon(pixmap);
}

bool isPickKey(const QKeyEvent *event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    return (event->key() == Qt::Key_F4 && modifiers == Qt::NoModifier) ||
           (event->key() == Qt::Key_Down && modifiers == Qt::AltModifier);
}

} // namespace

PickEdit::PickEdit(QWidget *parent)
    : QLineEdit(parent), m_pick(new QAction(ellipsisIcon(palette().color(QPalette::Text)),
                                            tr("选择"), this)) {
    m_pick->setObjectName(QStringLiteral("actPick"));
    m_pick->setToolTip(tr("选择 (F4)"));
    addAction(m_pick, QLineEdit::TrailingPosition);
    connect(m_pick, &QAction::triggered, this, &PickEdit::pickRequested);
}

void PickEdit::setPickEnabled(bool enabled) { m_pick->setEnabled(enabled); }

bool PickEdit::isPickEnabled() const { return m_pick->isEnabled(); }

void PickEdit::keyPressEvent(QKeyEvent *event) {
    if (isPickKey(event)) {
        m_pick->trigger();
        event->accept();
        return;
    }
    QLineEdit::keyPressEvent(event);
}
