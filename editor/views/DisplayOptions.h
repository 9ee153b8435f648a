#pragma once

namespace sentrel::views {

// The display options that decide which property rows a full refresh lists.
struct DisplayOptions {
    bool showVersion = true;  // "Show &version properties"
    bool showSystem = false;  // "Show system &properties"
};

}  // namespace sentrel::views
