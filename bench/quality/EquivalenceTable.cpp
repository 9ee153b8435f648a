#include "EquivalenceTable.h"

#include <fstream>
#include <sstream>
#include <stdexcept>
#include <vector>

namespace sentrel::detect::quality {

namespace {

std::vector<std::string> cellsOf(const std::string& line) {
    std::vector<std::string> cells;
    std::stringstream stream(line);
    for (std::string cell; std::getline(stream, cell, '\t');) cells.push_back(cell);
    cells.resize(4);
    return cells;
}

}  // namespace

std::map<std::string, Equivalent> loadEquivalenceTable(const std::string& path) {
    std::ifstream in(path);
    if (!in) throw std::runtime_error(path + ": cannot be read");
    std::map<std::string, Equivalent> table;
    int number = 0;
    for (std::string line; std::getline(in, line);) {
        ++number;
        if (line.empty() || line[0] == '#') continue;
        const std::vector<std::string> cells = cellsOf(line);
        const std::string where = path + ":" + std::to_string(number) + ": ";
        if (cells[1].empty()) throw std::runtime_error(where + "no value");
        Equivalent equivalent{cells[1], {}, {}, cells[3] == "major"};
        if (const size_t equals = cells[2].find('='); equals != std::string::npos) {
            equivalent.conditionProperty = cells[2].substr(0, equals);
            equivalent.conditionValue = cells[2].substr(equals + 1);
        }
        if (!table.emplace(cells[0], equivalent).second) {
            throw std::runtime_error(where + "the family \"" + cells[0] + "\" is listed twice");
        }
    }
    return table;
}

}  // namespace sentrel::detect::quality
