#include "operations/documents/print_layout.h"

#include <gtest/gtest.h>

#include <map>
#include <random>

namespace {

// A page of width x height units whose characters are charWidth units wide.
PageMetrics Metrics(int width, int height, int charWidth) {
    PageMetrics metrics;
    metrics.width = width;
    metrics.height = height;
    metrics.averageCharWidth = charWidth;
    metrics.textWidth = [charWidth](const std::string& text) {
        return charWidth * static_cast<int>(text.size());
    };
    return metrics;
}

NEWMAT::Matrix Numbered(int rows, int columns) {
    NEWMAT::Matrix m(rows, columns);
    for (int i = 1; i <= rows; ++i)
        for (int j = 1; j <= columns; ++j)
            m(i, j) = i * 1000 + j; // every element's text is unique
    return m;
}

} // namespace

// Matrices large and empty on several page sizes: every element is printed exactly
// once, inside the frame, blocks of columns one after another with their
// rows in order, each page repeating the heading and starting at -48.
TEST(PrintLayout, TallAndWideMatricesContinueOnFurtherPages) {
    struct Case {
        int rows, columns, width, height, charWidth, expectedPages;
    };
    const Case cases[] = {
        {200, 40, 800, 1050, 8, 24},                         // 56 rows and 7 columns a page
        {56, 8, 800, 1050, 8, 1},                            // exactly one page
        {57, 13, 800, 1050, 8, 4},   {3, 5, 100, 70, 8, 15}, // one row and one column a page
        {1, 1, 10, 10, 8, 1}, // smaller than one element: printed anyway
        {0, 0, 800, 1050, 8, 1},   {0, 5, 800, 1050, 8, 1}, // the heading alone
    };
    for (const Case& c : cases) {
        const NEWMAT::Matrix m = Numbered(c.rows, c.columns);
        const PageMetrics metrics = Metrics(c.width, c.height, c.charWidth);
        const auto pages = LayOutPrintedPages(m, "big.mtx", {4, 2, false}, metrics);
        EXPECT_EQ(int(pages.size()), c.expectedPages) << c.rows << "x" << c.columns;
        std::map<std::string, int> printed;
        std::pair<int, int> last{0, 0}; // (first column, row) in print order
        for (const PrintedPage& page : pages) {
            ASSERT_FALSE(page.texts.empty());
            EXPECT_EQ(page.texts[0].text, "big.mtx");
            EXPECT_EQ(page.texts[0].y, -24);
            if (page.texts.size() > 1) {
                EXPECT_EQ(page.texts[1].y, -48);
            }
            int rowY = 0;
            for (std::size_t k = 1; k < page.texts.size(); ++k) {
                const PageText& t = page.texts[k];
                ++printed[t.text];
                const double value = std::stod(t.text);
                const int row = int(value) / 1000;
                const int column = int(value) % 1000;
                if (t.x == 5) {
                    // A row starts: blocks never go back, rows go down.
                    EXPECT_TRUE(std::make_pair(column, row) > last) << t.text;
                    last = {column, row};
                    EXPECT_LT(t.y, rowY == 0 ? -47 : rowY);
                    rowY = t.y;
                }
                EXPECT_EQ(t.y, rowY);
                if (c.width >= 100) {
                    EXPECT_LE(t.x + metrics.textWidth(t.text), c.width) << t.text;
                    EXPECT_GE(t.y - 12, -c.height) << t.text;
                }
            }
        }
        EXPECT_EQ(int(printed.size()), c.rows * c.columns);
        for (const auto& [text, count] : printed)
            EXPECT_EQ(count, 1) << text;
    }
}
