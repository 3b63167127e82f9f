#include "operations/documents/print_layout.h"

#include <algorithm>

#include "operations/procedures/procedure_frame.h"

namespace {

constexpr int kHeadingX = 0;
constexpr int kHeadingY = -24;
constexpr int kFirstRowY = -48;
constexpr int kRowSpacing = 18;
constexpr int kRowLeftMargin = 5;

// Rows whose text still ends above the page's bottom edge; at least one, so
// every page makes progress.
int RowsPerPage(const PageMetrics& metrics) {
    const int room = metrics.height + kFirstRowY - PrintFont().height;
    return room < 0 ? 1 : 1 + room / kRowSpacing;
}

PrintedPage NewPage(const std::string& heading, const PageMetrics& metrics) {
    PrintedPage page;
    page.frameWidth = metrics.width;
    page.frameHeight = metrics.height;
    page.texts.push_back({kHeadingX, kHeadingY, heading});
    return page;
}

class BlockLayout {
  public:
    BlockLayout(const NEWMAT::Matrix& matrix, const PrintFormat& format, const PageMetrics& metrics)
        : rows_(matrix.Nrows()), columns_(matrix.Ncols()), metrics_(metrics) {
        texts_.reserve(static_cast<std::size_t>(rows_) * columns_);
        for (int i = 1; i <= rows_; ++i)
            for (int j = 1; j <= columns_; ++j)
                texts_.push_back(FormatReportedValue(matrix(i, j), format.width, format.decimals,
                                                     format.exponential));
        width_ = format.width;
    }

    // The column after the last one of the block that starts at `first`
    // (0-based): columns are added while every row's element still ends
    // inside the right edge; the first column is always taken.
    int BlockEnd(int first) const {
        std::vector<long long> x(static_cast<std::size_t>(rows_), kRowLeftMargin);
        int end = first;
        while (end < columns_) {
            bool fits = true;
            for (int i = 0; i < rows_ && fits; ++i)
                fits = x[i] + metrics_.textWidth(Text(i, end)) <= metrics_.width;
            if (!fits && end > first) break;
            for (int i = 0; i < rows_; ++i)
                x[i] += Advance(Text(i, end));
            ++end;
        }
        return end;
    }

    // Appends row `i` (0-based) of the columns [first, end) at height y.
    void AddRow(PrintedPage& page, int i, int first, int end, int y) const {
        long long x = kRowLeftMargin;
        for (int j = first; j < end; ++j) {
            page.texts.push_back({static_cast<int>(x), y, Text(i, j)});
            x += Advance(Text(i, j));
        }
    }

  private:
    const std::string& Text(int i, int j) const {
        return texts_[static_cast<std::size_t>(i) * columns_ + j];
    }
    long long Advance(const std::string& text) const {
        return (static_cast<long long>(text.size()) + width_) * metrics_.averageCharWidth;
    }

    int rows_;
    int columns_;
    int width_ = 0;
    const PageMetrics& metrics_;
    std::vector<std::string> texts_;
};

} // namespace

const PageFont& PrintFont() {
    static const PageFont font{"Arial", 12};
    return font;
}

std::vector<PrintedPage> LayOutPrintedPages(const NEWMAT::Matrix& matrix,
                                            const std::string& heading, const PrintFormat& format,
                                            const PageMetrics& metrics) {
    std::vector<PrintedPage> pages;
    const int rows = matrix.Nrows();
    const int columns = matrix.Ncols();
    if (rows == 0 || columns == 0) {
        pages.push_back(NewPage(heading, metrics));
        return pages;
    }
    const BlockLayout layout(matrix, format, metrics);
    const int rowsPerPage = RowsPerPage(metrics);
    for (int first = 0; first < columns;) {
        const int end = layout.BlockEnd(first);
        for (int top = 0; top < rows; top += rowsPerPage) {
            PrintedPage page = NewPage(heading, metrics);
            const int last = std::min(rows, top + rowsPerPage);
            for (int i = top; i < last; ++i)
                layout.AddRow(page, i, first, end, kFirstRowY - (i - top) * kRowSpacing);
            pages.push_back(std::move(page));
        }
        first = end;
    }
    return pages;
}
