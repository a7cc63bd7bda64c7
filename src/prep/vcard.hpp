// Inside rowcard-prep: the vCard versions the cards can be written in, and the
// words each version writes for a phone's, an e-mail's or an address's type.
#pragma once

#include <string>
#include <string_view>

namespace rowcard {

// A vCard version of the starter card: 3.0 unless the user asks for another.
enum class vcard_version { v21, v30, v40 };

// Returns the version named `name` ("2.1", "3.0", "4.0") in `out`; false for any other name.
bool version_by_name(std::string_view name, vcard_version& out);

// Returns the name of `version` as its VERSION line writes it: "2.1", "3.0" or "4.0".
std::string_view version_name(vcard_version version);

// Returns the type word `type` (CELL, WORK, POSTAL, ...) as `version` writes
// it: 2.1 and 3.0 in upper case, 4.0 in lower case; in 4.0, which has no
// POSTAL or INTERNET type, empty. A word no table knows stays as it is.
std::string_view type_word(vcard_version version, std::string_view type);

}  // namespace rowcard
