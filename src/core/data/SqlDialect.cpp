#include "core/data/SqlDialect.h"

const SqlDialect &SqlDialect::sqlite() {
    static const SqliteDialect dialect;
    return dialect;
}
