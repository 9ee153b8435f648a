#include "detect/tool/DetectCommand.h"

#include <istream>
#include <ostream>

#include "detect/BrowserObj.h"
#include "detect/DetectError.h"

namespace sentrel::detect {

namespace {

// Values are printed one per line: line breaks inside a value become blanks.
std::string oneLine(std::string text) {
    for (char& c : text) {
        if (c == '\r' || c == '\n') c = ' ';
    }
    return text;
}

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
           "  --help                show this text\n";
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
        onlyProperties_.push_back(value);
        ok = !value.empty();
    } else {
        err << "sentrel-detect: unknown option " << option << "\n";
        return false;
    }
    if (!ok) err << "sentrel-detect: " << option << " needs NAME=VALUE, not \"" << value << "\"\n";
    return ok;
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
    if (positional.empty()) {
        err << "sentrel-detect: no BDD file given\n";
        return false;
    }
    dataFile_ = positional.front();
    agents_.assign(positional.begin() + 1, positional.end());
    return true;
}

void DetectCommand::printResult(const BrowserObj& browser, const std::string& agent,
                                std::ostream& out) const {
    if (onlyProperties_.size() == 1) {
        out << oneLine(browser.value(onlyProperties_.front())) << "\n";
        return;
    }
    out << "# " << oneLine(agent) << "\n";
    std::vector<std::string> names = onlyProperties_;
    if (names.empty()) {
        for (const char* name : BrowserObj::kSystemProperties) names.emplace_back(name);
        for (const auto& property : browser.definitions()->properties()) {
            names.push_back(property.name);
        }
    }
    for (const std::string& name : names)
        out << name << ": " << oneLine(browser.value(name)) << "\n";
    out << "\n";
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
        for (const std::string& name : onlyProperties_) {
            browser.Initialize("");
            if (!browser.hasProperty(name)) {
                err << "sentrel-detect: the BDD has no property \"" << name << "\"\n";
                return kUsageError;
            }
        }
        const auto detect = [&](const std::string& agent) {
            request_.userAgent = agent;
            browser.Initialize(request_);
            printResult(browser, agent, out);
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
