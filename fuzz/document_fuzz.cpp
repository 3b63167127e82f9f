// Matrix documents from anywhere. A document that reads is written and read
// again: the same matrix, and the same bytes when written a second time.

#include "operations/documents/document_format.h"
#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"

#include <sstream>
#include <string>

namespace {

DocumentReadResult ReadDocument(const std::string& text, NEWMAT::Matrix& matrix) {
    std::istringstream in(text);
    return ReadMatrixDocumentText(in, text.size(), matrix);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    NEWMAT::Matrix read;
    if (ReadDocument(text, read) != DocumentReadResult::Ok) return 0;
    const std::string written = MatrixDocumentText(read);
    NEWMAT::Matrix reread;
    CheckInvariant(ReadDocument(written, reread) == DocumentReadResult::Ok,
                   "a document written from a matrix reads");
    CheckInvariant(SameMatrix(read, reread), "a document written and read is the same matrix");
    CheckInvariant(MatrixDocumentText(reread) == written,
                   "a document written twice is the same bytes");
    return 0;
}
