#pragma once

#include "core/data/SqlStatement.h"

#include <QDate>
#include <QString>

#include <optional>

// What the advanced query dialog holds when the user runs the query. Texts are taken as typed;
// the statement trims them and leaves out the blank ones.
struct AdvancedQueryInput {
    enum class Usage { All, InUse, Stopped };

    // A date range with its own tick box: ignored unless ticked; an absent end is left open.
    struct DateRange {
        bool ticked = false;
        std::optional<QDate> from;
        std::optional<QDate> to;
    };

    QString code;      // begins with
    QString name;      // contains
    QString jsCode;    // begins with
    QString type;      // contains
    QString spec;      // contains
    QString factory;   // contains
    QString address;   // contains
    QString useDept;   // begins with
    QString useStatus; // begins with
    QString useEmp;    // begins with
    QString operEmp;   // begins with
    QString memo1;     // contains
    QString memo2;     // contains
    Usage usage = Usage::All;
    DateRange buyDate;
    DateRange beginDate;
};

// "select * from SETs where (1=1) " followed by one "and …" condition for each value given, in
// the order of the fields in the dialog, without an order. The user's text matches literally.
SqlStatement AdvancedQueryStatement(const AdvancedQueryInput &input);
