// The run's settings and "rowcard.ini", the file that sets them: table name,
// field separator and the ordered columns with their placeholder names.
#pragma once

#include <string>
#include <vector>

namespace rowcard {

// One column of the table, in the order of the table's fields.
struct column_spec {
    std::string name;        // placeholder name: upper case, possibly empty
    bool mandatory = false;  // the name ends in '%': a blank value drops the record
};

// Everything a run is told; the defaults stand where "rowcard.ini" is silent.
struct conversion_settings {
    std::string input_base = "import";   // the table is input_base + ".csv"
    std::string output_base = "import";  // the cards go to output_base + ".vcf"
    char separator = ',';
    std::vector<column_spec> columns;
};

}  // namespace rowcard
