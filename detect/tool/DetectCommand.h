#pragma once

#include <iosfwd>
#include <string>
#include <vector>

#include "detect/Request.h"
#include "detect/tool/ResultWriter.h"

namespace sentrel::detect {

// The command-line program `sentrel-detect`, kept out of main() so that it can be run
// in-process:
//   sentrel-detect [OPTIONS] BDD [USERAGENT...]
// For every user agent (from the arguments, or with none one per line from standard input)
// it prints the detection result in one of ResultWriter's formats: by default a line
// "# " + user agent, then the detected entry's system properties and every property as
// "name: value" lines, then an empty line.
// Options: --cookie NAME=VALUE, --env NAME=VALUE, --cert FIELD=VALUE (repeatable, also
// written --cookie=NAME=VALUE), --property NAME (print only these properties, value alone
// when one is asked for), --fields NAME,... (one tab-separated line: entry and these
// properties), --json (one JSON object per line), --help; "--" ends the options. A property
// named by --property or --fields that the BDD lacks is a usage error.
// Exit codes: 0 success, 1 the BDD is missing or bad (message on standard error), 2 usage.
class DetectCommand {
  public:
    static constexpr int kSuccess = 0;
    static constexpr int kDataFileError = 1;
    static constexpr int kUsageError = 2;

    int run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
            std::ostream& err);

    static const char* usage();

  private:
    bool parse(const std::vector<std::string>& args, std::ostream& err);
    bool takeOption(const std::string& option, const std::string& value, std::ostream& err);
    bool takeFields(const std::string& list, std::ostream& err);
    ResultWriter::Format format() const;

    std::string dataFile_;
    std::vector<std::string> agents_;
    std::vector<std::string> chosen_;  // by --property or --fields
    Request request_;
    bool propertyGiven_ = false;
    bool fieldsGiven_ = false;
    bool json_ = false;
    bool help_ = false;
};

}  // namespace sentrel::detect
