#include "operations/documents/print_command.h"

#include "calculator/calculator.h"
#include "operations/documents/document_commands.h"
#include "operations/documents/print_layout.h"

namespace {
constexpr char kPrintFailed[] = " User Canceled or Problems Printing";
constexpr char kPrintFailedCaption[] = "Print Status";
constexpr char kPrinted[] = "Printed successfully";
constexpr char kPrintedCaption[] = "Print status";
} // namespace

bool PrintMatrix(Calculator& calculator) {
    const std::unique_ptr<PrinterDevice> printer = calculator.Host().PrintDialog();
    if (!printer) return false;
    const PageFont& font = PrintFont();
    PageMetrics metrics;
    metrics.width = printer->PrintableWidth();
    metrics.height = printer->PrintableHeight();
    metrics.averageCharWidth = printer->AverageCharWidth(font);
    metrics.textWidth = [&](const std::string& text) { return printer->TextWidth(font, text); };
    const PrintFormat format{calculator.Width(), calculator.Decimals(), calculator.ExponentFlag()};
    const std::vector<PrintedPage> pages = LayOutPrintedPages(
        calculator.GetCurrentMatrix(), DocumentName(calculator), format, metrics);
    return printer->PrintPages(pages, font);
}

void OnFilePrint(Calculator& calculator) {
    if (PrintMatrix(calculator))
        calculator.Host().MessageBox(kPrinted, kPrintedCaption, MB_OK);
    else
        calculator.Host().MessageBox(kPrintFailed, kPrintFailedCaption, MB_OK);
}
