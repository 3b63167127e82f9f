// Texts in other tools' notations, in real and complex mode. A text the
// matrix text format reads is never claimed; a text read becomes matrix
// text that SE reads; a fault lies within the text.

#include "fuzz/fuzz_target.h"
#include "fuzz/invariants.h"
#include "interchange/notation_reading.h"
#include "matrixtext/matrix_text.h"

#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    for (bool complexMode : {false, true}) {
        const NotationReading reading = ReadMatrixNotation(text, complexMode);
        if (ReadEntryText(text, complexMode).fault.index == kEntryValid)
            CheckInvariant(reading.outcome == NotationReading::Outcome::NotRecognised,
                           "valid matrix text is never claimed by a notation");
        if (reading.outcome == NotationReading::Outcome::Faulty)
            CheckInvariant(reading.fault <= text.size(), "a notation's fault lies within the text");
        if (reading.outcome != NotationReading::Outcome::Read) continue;
        const EntryReading entry = ReadEntryText(reading.matrixText, complexMode);
        CheckInvariant(entry.fault.index == kEntryValid && entry.matrix.Storage() > 0,
                       "a text read in a notation becomes matrix text SE reads");
    }
    return 0;
}
