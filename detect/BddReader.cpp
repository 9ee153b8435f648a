#include "detect/BddReader.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <memory>

#include "detect/BddParser.h"
#include "detect/DetectError.h"
#include "detect/Scramble.h"

namespace sentrel::detect {

namespace {

constexpr std::string_view kXmlStart = "<?xml";
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view withoutByteOrderMark(std::string_view text) {
    if (text.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
        text.remove_prefix(kByteOrderMark.size());
    }
    return text;
}

bool looksLikeXml(std::string_view text) {
    return withoutByteOrderMark(text).substr(0, kXmlStart.size()) == kXmlStart;
}

std::string quoted(const std::string& path) {
    return "\"" + path + "\"";
}

[[noreturn]] void failOpen(const std::string& path, int error) {
    if (error == ENOENT || error == ENOTDIR) {
        throw DetectError(DetectError::kFileNotFound,
                          "The data file " + quoted(path) + " does not exist.");
    }
    if (error == EACCES || error == EPERM) {
        throw DetectError(DetectError::kPermissionDenied,
                          "Permission denied reading the data file " + quoted(path) + ".");
    }
    throw DetectError(DetectError::kPathFileAccess, "Unable to read the data file " + quoted(path) +
                                                        ": " + std::strerror(error) + ".");
}

std::string readWholeFile(const std::string& path) {
    errno = 0;
    std::unique_ptr<std::FILE, int (*)(std::FILE*)> file(std::fopen(path.c_str(), "rb"),
                                                         &std::fclose);
    if (!file) failOpen(path, errno);
    std::string bytes;
    char buffer[1 << 16];
    size_t got = 0;
    while ((got = std::fread(buffer, 1, sizeof buffer, file.get())) > 0) bytes.append(buffer, got);
    if (std::ferror(file.get())) failOpen(path, errno != 0 ? errno : EIO);
    return bytes;
}

}  // namespace

std::string BddReader::plainText(std::string_view bytes) {
    if (looksLikeXml(bytes)) return std::string(bytes);
    std::string text;
    const int error = UnscrambleBytes(bytes, text, true);
    if (error != 0) throw DetectError(error, "Out of memory unscrambling the data file.");
    return text;
}

BddContent BddReader::readBytes(std::string_view bytes, const std::string& origin) {
    const std::string notBdd =
        "The file " + quoted(origin) + " is not a browser definition data file (BDD)";
    if (bytes.empty()) throw DetectError(DetectError::kNotADataFile, notBdd + ": it is empty.");
    const std::string text = plainText(bytes);
    if (!looksLikeXml(text)) {
        throw DetectError(DetectError::kNotADataFile,
                          notBdd + ": it does not hold the scrambled XML text of one.");
    }
    try {
        return BddParser::parse(withoutByteOrderMark(text));
    } catch (const DetectError& error) {
        throw DetectError(error.number(), notBdd + ". " + error.description());
    }
}

BddContent BddReader::readFile(const std::string& path) {
    return readBytes(readWholeFile(path), path);
}

}  // namespace sentrel::detect
