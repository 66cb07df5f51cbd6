// Any bytes must read without a crash, hang or runaway memory, and whatever the reader
// makes of them must survive a write and a second read unchanged; reading only the shown text
// must give the text the model shows.

#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"
#include "core/richtext/TextFinder.h"

#include <cstdint>
#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    const richtext::RichDocument document = richtext::RtfReader::read(input);
    const std::string written = richtext::RtfWriter::write(document);
    for (const char c : written) {
        if (static_cast<unsigned char>(c) >= 0x80) {
            std::fprintf(stderr, "writer produced an 8-bit byte\n");
            std::abort();
        }
    }
    if (!(richtext::RtfReader::read(written) == document)) {
        std::fprintf(stderr, "write and re-read changed the model:\n%s\n", written.c_str());
        std::abort();
    }
    const QString shown = richtext::controlText(document);
    if (richtext::RtfReader::readControlText(input) != shown) {
        std::fprintf(stderr, "the text-only reading differs from the model's text\n");
        std::abort();
    }
    (void)richtext::streamOutPlainText(document);
    (void)richtext::findText(shown, QStringLiteral("e"), false, true);
    return 0;
}
