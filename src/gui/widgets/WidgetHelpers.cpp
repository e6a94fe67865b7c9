#include "gui/widgets/WidgetHelpers.h"

#include "core/data/Database.h"

#include <QComboBox>

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
