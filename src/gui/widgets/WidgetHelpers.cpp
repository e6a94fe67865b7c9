#include "gui/widgets/WidgetHelpers.h"

#include "core/data/Database.h"

#include <QComboBox>
#include <QPainter>
#include <QVariant>

void FillComboBySQL(Database &dm, const SqlStatement &statement, QComboBox *combo) {
    const auto values = dm.PickListValues(statement);
    if (!values || !combo)
        return;
    const QString typed = combo->currentText();
    combo->clear();
    combo->addItems(*values);
    if (combo->isEditable())
        combo->setEditText(typed);
}

namespace {

QObject *findByName(QObject *form, const QString &name) {
    if (form->objectName().compare(name, Qt::CaseInsensitive) == 0)
        return form;
    const QList<QObject *> children = form->findChildren<QObject *>();
    for (QObject *child : children) {
        if (child->objectName().compare(name, Qt::CaseInsensitive) == 0)
            return child;
    }
    return nullptr;
}

} // namespace

void EnableNavButtons(QObject *form, bool enabled) {
    static const char *const names[] = {"tbFirst", "tbPrior", "tbNext",  "tbLast",
                                        "tbPrint", "tbSet",   "tbExpert"};
    if (!form)
        return;
    for (const char *name : names) {
        QObject *control = findByName(form, QLatin1String(name));
        if (!control)
            return;
        // Buttons and actions both carry the property, so either may stand under the name.
        control->setProperty("enabled", enabled);
    }
}

// The frame runs from (left, top) to (left + width, top + height) inclusive: the first colour
// from the top right corner along the top and down the left side, the second colour along the
// bottom and up the right side, each corner drawn once.
void DrawBevel(QPainter &canvas, int left, int top, int width, int height, int style) {
    const QColor white(255, 255, 255);
    const QColor grey(128, 128, 128);
    const int right = left + width;
    const int bottom = top + height;
    canvas.save();
    canvas.setRenderHint(QPainter::Antialiasing, false);
    canvas.setPen(QPen(style == 1 ? white : grey, 0));
    canvas.drawLine(right, top, left + 1, top);
    canvas.drawLine(left, top, left, bottom - 1);
    canvas.setPen(QPen(style == 1 ? grey : white, 0));
    canvas.drawLine(left, bottom, right - 1, bottom);
    canvas.drawLine(right, bottom, right, top + 1);
    canvas.restore();
}
