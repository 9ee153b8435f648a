#pragma once

#include "reporting/webdirs/NamedCollection.h"

namespace sentrel::webdirs {

class WebServer;

// The sites of the web service, keyed by name.
class WebServers : public NamedCollection<WebServer> {};

}  // namespace sentrel::webdirs
