#include "core/catalogue.h"

#include <cstring>
#include <stdexcept>

const CatalogueRow &catalogueRow(const char *control)
{
    for (const CatalogueRow &row : kCatalogue) {
        if (std::strcmp(row.control, control) == 0)
            return row;
    }
    throw std::out_of_range(control);
}
