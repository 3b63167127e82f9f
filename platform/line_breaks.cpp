#include "platform/line_breaks.h"

#include <cstring>

namespace {

const char* Find(const char* from, const char* end, char c) {
    return static_cast<const char*>(std::memchr(from, c, std::size_t(end - from)));
}

} // namespace

// Only CR needs work: a lone LF is already one break.
// Appended line by line into reserved room: a megabyte text is not first
// filled with zeros.
std::string LineFeedText(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    AppendLineFeedText(out, text);
    return out;
}

void AppendLineFeedText(std::string& out, std::string_view text) {
    const char* from = text.data();
    const char* const end = from + text.size();
    while (from < end) {
        const char* found = Find(from, end, '\r');
        const char* cr = found ? found : end;
        out.append(from, cr);
        if (cr == end) break;
        out += '\n';
        from = cr + 1;
        if (from < end && *from == '\n') ++from;
    }
}

std::string CrLfText(std::string_view text) {
    std::string out;
    out.reserve(text.size() + text.size() / 16);
    const char* p = text.data();
    const char* const end = p + text.size();
    // The next LF is looked for again only once it has been passed: a text
    // of lone CRs would otherwise be searched to its end at every CR.
    const char* lf = nullptr;
    while (p < end) {
        if (!lf || lf < p) {
            lf = Find(p, end, '\n');
            if (!lf) lf = end;
        }
        const char* cr = Find(p, lf, '\r');
        const char* brk = cr ? cr : lf;
        out.append(p, brk);
        if (brk == end) break;
        out += "\r\n";
        // A CR LF pair is one break.
        p = brk + (cr && cr + 1 == lf ? 2 : 1);
    }
    return out;
}

// Each line is searched for a LF just after it was searched for its CR,
// while it is still in the cache, so a long text is read from memory once.
bool HasOnlyCrLf(std::string_view text) {
    const char* p = text.data();
    const char* const end = p + text.size();
    while (p < end) {
        const char* cr = Find(p, end, '\r');
        if (Find(p, cr ? cr : end, '\n')) return false;
        if (!cr) break;
        if (cr + 1 == end || cr[1] != '\n') return false;
        p = cr + 2;
    }
    return true;
}
