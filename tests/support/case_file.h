#pragma once
// Case tables kept as data: tests/<module>/data/*.tsv, one case a line, cells separated by tabs.
// Lines starting with '#' and blank lines are skipped. In a cell \t \r \n \\ and \xHH are escapes,
// and a cell holding only "" is an empty text, so that no line needs trailing tabs.

#include <fstream>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace ondrell::cases {

// "a,b,,c" split on ',' gives four parts; an empty text gives one empty part.
inline std::vector<std::string> Split(std::string_view text, char by) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t at = text.find(by, start);
        parts.emplace_back(text.substr(start, at - start));
        if (at == std::string_view::npos)
            return parts;
        start = at + 1;
    }
}

struct Row {
    std::string where; // "file:line"
    std::vector<std::string> cells;

    const std::string &operator[](std::size_t i) const { return cells.at(i); }
    std::size_t size() const { return cells.size(); }
    friend void PrintTo(const Row &row, std::ostream *os) { *os << row.where; }
};

inline std::string Unescape(std::string_view cell) {
    if (cell == "\"\"")
        return {};
    std::string out;
    for (std::size_t i = 0; i < cell.size(); ++i) {
        if (cell[i] != '\\' || i + 1 == cell.size()) {
            out += cell[i];
            continue;
        }
        const char c = cell[++i];
        if (c == 'x' && i + 2 < cell.size()) {
            out += static_cast<char>(std::stoi(std::string(cell.substr(i + 1, 2)), nullptr, 16));
            i += 2;
        } else {
            out += c == 't' ? '\t' : c == 'r' ? '\r' : c == 'n' ? '\n' : c;
        }
    }
    return out;
}

// The rows of tests/<relative>; rows whose first cell is not `only` are left out when it is given.
inline std::vector<Row> Load(const std::string &relative, std::string_view only = {}) {
    const std::string path = std::string(ONDRELL_TEST_DATA) + "/" + relative;
    std::ifstream in(path, std::ios::binary);
    if (!in)
        throw std::runtime_error("cannot open the case table " + path);
    std::vector<Row> rows;
    std::string line;
    for (int number = 1; std::getline(in, line); ++number) {
        if (line.empty() || line[0] == '#')
            continue;
        Row row{relative.substr(relative.rfind('/') + 1) + ":" + std::to_string(number), {}};
        for (std::size_t start = 0;;) {
            const std::size_t tab = line.find('\t', start);
            row.cells.push_back(Unescape(std::string_view(line).substr(start, tab - start)));
            if (tab == std::string::npos)
                break;
            start = tab + 1;
        }
        if (only.empty() || row.cells[0] == only)
            rows.push_back(std::move(row));
    }
    return rows;
}

} // namespace ondrell::cases
