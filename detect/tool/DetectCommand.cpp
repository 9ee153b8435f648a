#include "detect/tool/DetectCommand.h"

#include <algorithm>
#include <istream>
#include <ostream>

#include "detect/BrowserObj.h"
#include "detect/DetectError.h"
#include "detect/TextCompare.h"

namespace sentrel::detect {

namespace {

bool splitAssignment(const std::string& text, Request::Fields& fields) {
    const size_t equals = text.find('=');
    if (equals == std::string::npos || equals == 0) return false;
    fields.emplace_back(text.substr(0, equals), text.substr(equals + 1));
    return true;
}

}  // namespace

const char* DetectCommand::usage() {
    return "Usage: sentrel-detect [OPTIONS] BDD [USERAGENT...]\n"
           "Detects the browser of each user agent (or of each line of standard input)\n"
           "with the definitions of a BDD file and prints every property.\n"
           "  --cookie NAME=VALUE   a cookie of the request (repeatable)\n"
           "  --env NAME=VALUE      a server variable of the request (repeatable)\n"
           "  --cert FIELD=VALUE    a client certificate field (repeatable)\n"
           "  --property NAME       print only this property (repeatable)\n"
           "  --fields NAME,...     print one line per user agent: the matched entry, then\n"
           "                        these properties in this order, separated by tabs;\n"
           "                        backslash, tab, line feed and carriage return in them\n"
           "                        are written \\\\, \\t, \\n and \\r\n"
           "  --json                print one JSON object per user agent and line:\n"
           "                        {\"agent\": ..., \"entry\": ..., \"properties\": {...}}\n"
           "                        with every property, or the --fields ones\n"
           "  --help                show this text\n"
           "A property named by --property or --fields that the BDD does not have is an\n"
           "error (exit status 2).\n";
}

bool DetectCommand::takeOption(const std::string& option, const std::string& value,
                               std::ostream& err) {
    bool ok = true;
    if (option == "--cookie") {
        ok = splitAssignment(value, request_.cookies);
    } else if (option == "--env") {
        ok = splitAssignment(value, request_.serverVariables);
    } else if (option == "--cert") {
        ok = splitAssignment(value, request_.certificateFields);
    } else if (option == "--property") {
        chosen_.push_back(value);
        propertyGiven_ = true;
        ok = !value.empty();
    } else if (option == "--fields") {
        fieldsGiven_ = true;
        return takeFields(value, err);
    } else {
        err << "sentrel-detect: unknown option " << option << "\n";
        return false;
    }
    if (!ok) err << "sentrel-detect: " << option << " needs NAME=VALUE, not \"" << value << "\"\n";
    return ok;
}

bool DetectCommand::takeFields(const std::string& list, std::ostream& err) {
    for (size_t start = 0;;) {
        const size_t comma = std::min(list.find(',', start), list.size());
        const std::string name = list.substr(start, comma - start);
        if (name.empty()) {
            err << "sentrel-detect: --fields needs NAME,..., not \"" << list << "\"\n";
            return false;
        }
        const auto same = [&](const std::string& other) { return equalsIgnoreCase(name, other); };
        if (std::any_of(chosen_.begin(), chosen_.end(), same)) {
            err << "sentrel-detect: --fields names \"" << name << "\" twice\n";
            return false;
        }
        chosen_.push_back(name);
        if (comma == list.size()) return true;
        start = comma + 1;
    }
}

bool DetectCommand::parse(const std::vector<std::string>& args, std::ostream& err) {
    bool optionsEnded = false;
    std::vector<std::string> positional;
    for (size_t i = 0; i < args.size(); ++i) {
        const std::string& arg = args[i];
        if (optionsEnded || arg.size() < 2 || arg.compare(0, 2, "--") != 0) {
            positional.push_back(arg);
        } else if (arg == "--") {
            optionsEnded = true;
        } else if (arg == "--help") {
            help_ = true;
        } else if (arg == "--json") {
            json_ = true;
        } else if (const size_t equals = arg.find('='); equals != std::string::npos) {
            if (!takeOption(arg.substr(0, equals), arg.substr(equals + 1), err)) return false;
        } else if (i + 1 < args.size()) {
            if (!takeOption(arg, args[++i], err)) return false;
        } else {
            err << "sentrel-detect: " << arg << " needs a value\n";
            return false;
        }
    }
    if (help_) return true;
    if (propertyGiven_ && (fieldsGiven_ || json_)) {
        err << "sentrel-detect: --property cannot be combined with --fields or --json\n";
        return false;
    }
    if (positional.empty()) {
        err << "sentrel-detect: no BDD file given\n";
        return false;
    }
    dataFile_ = positional.front();
    agents_.assign(positional.begin() + 1, positional.end());
    return true;
}

ResultWriter::Format DetectCommand::format() const {
    if (json_) return ResultWriter::Format::Json;
    return fieldsGiven_ ? ResultWriter::Format::Fields : ResultWriter::Format::Text;
}

int DetectCommand::run(const std::vector<std::string>& args, std::istream& in, std::ostream& out,
                       std::ostream& err) {
    if (!parse(args, err)) {
        err << usage();
        return kUsageError;
    }
    if (help_) {
        out << usage();
        return kSuccess;
    }
    try {
        BrowserObj browser;
        browser.DataFile(dataFile_);
        for (const std::string& name : chosen_) {
            browser.Initialize("");
            if (!browser.hasProperty(name)) {
                err << "sentrel-detect: the BDD has no property \"" << name << "\"\n";
                return kUsageError;
            }
        }
        const ResultWriter writer(format(), chosen_);
        const auto detect = [&](const std::string& agent) {
            request_.userAgent = agent;
            browser.Initialize(request_);
            writer.write(browser, agent, out);
        };
        for (const std::string& agent : agents_) detect(agent);
        if (agents_.empty()) {
            for (std::string line; std::getline(in, line);) {
                if (!line.empty() && line.back() == '\r') line.pop_back();
                if (!line.empty()) detect(line);
            }
        }
        out.flush();
        return kSuccess;
    } catch (const DetectError& error) {
        err << "sentrel-detect: Error #" << error.number() << ": " << error.description() << "\n";
        return kDataFileError;
    }
}

}  // namespace sentrel::detect
