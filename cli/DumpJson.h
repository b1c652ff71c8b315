#pragma once

// The whole database as JSON: the document settings by member name and one
// array per top-level container, items with their class and fields.

#include <nlohmann/json.hpp>

class CTournelDoc;

nlohmann::ordered_json DumpDocument(const CTournelDoc& doc);
