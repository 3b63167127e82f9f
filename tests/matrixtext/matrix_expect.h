#pragma once

#include <gtest/gtest.h>
#include <newmat.h>

#include <vector>

// Expects `m` to be rows x columns holding `values` row by row.
inline void ExpectMatrix(const NEWMAT::Matrix& m, int rows, int columns,
                         const std::vector<double>& values) {
    ASSERT_EQ(m.Nrows(), rows);
    ASSERT_EQ(m.Ncols(), columns);
    ASSERT_EQ(values.size(), static_cast<std::size_t>(rows) * columns);
    for (int i = 0; i < rows * columns; ++i)
        EXPECT_EQ(m.Store()[i], values[i]) << "element " << i;
}
