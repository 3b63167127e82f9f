#include "operations/documents/print_command.h"

#include "calculator/calculator_dlg.h"
#include "operations/documents/document_commands.h"
#include "operations/documents/print_layout.h"

namespace {
constexpr char kPrintFailed[] = " User Canceled or Problems Printing";
constexpr char kPrintFailedCaption[] = "Print Status";
constexpr char kPrinted[] = "Printed successfully";
constexpr char kPrintedCaption[] = "Print status";
} // namespace

bool PrintMatrix(CCalculatorDlg& dlg) {
    const std::unique_ptr<CPrinterDC> printer = dlg.Host().PrintDialog();
    if (!printer) return false;
    const PageFont& font = PrintFont();
    PageMetrics metrics;
    metrics.width = printer->PrintableWidth();
    metrics.height = printer->PrintableHeight();
    metrics.averageCharWidth = printer->AverageCharWidth(font);
    metrics.textWidth = [&](const std::string& text) { return printer->TextWidth(font, text); };
    const PrintFormat format{dlg.Width(), dlg.Decimals(), dlg.ExponentFlag()};
    const std::vector<PrintedPage> pages =
        LayOutPrintedPages(dlg.GetCurrentMatrix(), DocumentName(dlg), format, metrics);
    return printer->PrintPages(pages, font);
}

void OnFilePrint(CCalculatorDlg& dlg) {
    if (PrintMatrix(dlg))
        dlg.Host().MessageBox(kPrinted, kPrintedCaption, MB_OK);
    else
        dlg.Host().MessageBox(kPrintFailed, kPrintFailedCaption, MB_OK);
}
