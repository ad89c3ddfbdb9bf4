#pragma once
// Parameterised tests over case tables (case_file.h). A row names a function first; the module's
// test maps that name to an adapter that takes a fixed number of input cells and returns the output
// cells, compared with the rest of the row.

#include "support/case_file.h"

#include <gtest/gtest.h>

#include <cctype>
#include <charconv>
#include <cmath>
#include <functional>
#include <map>

namespace ondrell::cases {

// Parameterised test names: the table's name and the line.
inline std::string Name(const ::testing::TestParamInfo<Row> &info) {
    std::string name;
    for (char c : info.param.where)
        name += std::isalnum(static_cast<unsigned char>(c)) ? c : '_';
    return name;
}

inline std::string Flag(bool b) {
    return b ? "1" : "0";
}
inline std::string Number(double value) {
    char text[32];
    return std::string(text, std::to_chars(text, text + sizeof text, value).ptr);
}
inline double ToNumber(const std::string &cell) {
    return std::stod(cell);
}

using Out = std::vector<std::string>;

struct Adapter {
    int inputs; // cells after the function name
    std::function<std::vector<std::string>(const Row &)> run;
};
using Adapters = std::map<std::string, Adapter, std::less<>>;

// Whether a text is the expected one where each "{lo..hi}" of it stands for a number in [lo, hi).
inline bool Like(std::string_view text, std::string_view expected) {
    const std::size_t open = expected.find('{'), dots = expected.find("..", open),
                      close = expected.find('}', open);
    if (close == std::string_view::npos || dots > close)
        return text == expected;
    if (text.size() < open || text.substr(0, open) != expected.substr(0, open))
        return false;
    double n = 0;
    const auto [end, ec] = std::from_chars(text.data() + open, text.data() + text.size(), n);
    return ec == std::errc() && n >= ToNumber(std::string(expected.substr(open + 1, dots - open - 1))) &&
           n < ToNumber(std::string(expected.substr(dots + 2, close - dots - 2))) &&
           Like(text.substr(end - text.data()), expected.substr(close + 1));
}

// Runs the row's function and compares its outputs with the cells after its inputs. An expected
// cell "~x" is a number compared within a millionth, "like:x" a text with numbers in ranges (Like).
inline void ExpectRow(const Row &row, const Adapters &adapters) {
    const auto it = adapters.find(row[0]);
    ASSERT_NE(it, adapters.end()) << row.where << ": no function " << row[0];
    const std::vector<std::string> out = it->second.run(row);
    const std::vector<std::string> expected(
        row.cells.begin() + std::min<std::size_t>(row.size(), 1 + it->second.inputs), row.cells.end());
    ASSERT_EQ(out.size(), expected.size()) << row.where << ": " << ::testing::PrintToString(out);
    for (std::size_t i = 0; i < out.size(); ++i) {
        if (expected[i].starts_with("~"))
            EXPECT_NEAR(ToNumber(out[i]), ToNumber(expected[i].substr(1)),
                        1e-6 * std::abs(ToNumber(expected[i].substr(1))))
                << row.where << " output " << i + 1;
        else if (expected[i].starts_with("like:"))
            EXPECT_TRUE(Like(out[i], expected[i].substr(5)))
                << row.where << " output " << i + 1 << ": " << out[i];
        else
            EXPECT_EQ(out[i], expected[i]) << row.where << " output " << i + 1;
    }
}

// Every row of the tables, in order.
inline std::vector<Row> LoadAll(std::initializer_list<std::string> tables) {
    std::vector<Row> rows;
    for (const auto &table : tables)
        for (auto &row : Load(table))
            rows.push_back(std::move(row));
    return rows;
}

} // namespace ondrell::cases

// A parameterised suite that runs every row of the tables through the adapters.
#define ONDRELL_CASE_TABLES(suite, adapters, ...)                                                            \
    struct suite : ::testing::TestWithParam<::ondrell::cases::Row> {};                                       \
    TEST_P(suite, GivesTheTabledResults) {                                                                   \
        ::ondrell::cases::ExpectRow(GetParam(), adapters);                                                   \
    }                                                                                                        \
    INSTANTIATE_TEST_SUITE_P(Tables, suite, ::testing::ValuesIn(::ondrell::cases::LoadAll({__VA_ARGS__})),   \
                             ::ondrell::cases::Name)
