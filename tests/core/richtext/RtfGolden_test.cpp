// Each folder under golden/: input.rtf, expected.txt (the model dump), optionally plain.txt
// (the plain-text stream-out); a missing or differing expected.txt gets actual.txt under the
// build tree (output/golden/<case>/).

#include "core/richtext/ModelDump.h"
#include "core/richtext/PlainText.h"
#include "core/richtext/RtfReader.h"
#include "core/richtext/RtfWriter.h"
#include "support/RawSqlite.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;
using namespace richtext;

namespace {

const fs::path kRoot = fs::path(__FILE__).parent_path() / "golden";
const fs::path kOutput = fs::path(QUILLBOOK_TEST_OUTPUT_DIR) / "golden";

std::vector<std::string> caseNames() {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(kRoot))
        if (entry.is_directory())
            names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

class RtfGolden : public testing::TestWithParam<std::string> {
protected:
    fs::path file(const char* name) const { return kRoot / GetParam() / name; }
    fs::path output() const { return kOutput / GetParam() / "actual.txt"; }
    std::string input() const {
        EXPECT_TRUE(fs::exists(file("input.rtf")));
        return fileBytes(file("input.rtf"));
    }
};

TEST_P(RtfGolden, ReadsIntoExpectedModelAndPlainText) {
    const std::string input = this->input();
    const std::string actual = dumpDocument(RtfReader::read(input));
    const bool known = fs::exists(file("expected.txt"));
    const std::string expected = fileBytes(file("expected.txt"));
    fs::remove(output());
    if (!known || expected != actual) {
        fs::create_directories(output().parent_path());
        std::ofstream(output(), std::ios::binary) << actual;
    }
    ASSERT_TRUE(known) << "no expected.txt; wrote " << output() << " for review";
    EXPECT_EQ(expected, actual);
    if (fs::exists(file("plain.txt"))) {
        EXPECT_EQ(fileBytes(file("plain.txt")), streamOutPlainText(RtfReader::read(input)));
    }
    // The search's reading without a model shows the same text.
    EXPECT_EQ(controlText(RtfReader::read(input)), RtfReader::readControlText(input));
}

// What we write must read back as the same model, and writing that again gives the same RTF.
TEST_P(RtfGolden, WriteAndReadBackKeepsModel) {
    const RichDocument model = RtfReader::read(input());
    const std::string written = RtfWriter::write(model);
    const RichDocument again = RtfReader::read(written);
    EXPECT_EQ(dumpDocument(model), dumpDocument(again)) << written;
    EXPECT_EQ(model, again);
    EXPECT_EQ(written, RtfWriter::write(again));
    for (const char c : written)
        ASSERT_LT(static_cast<unsigned char>(c), 0x80) << "writer output must be 7-bit";
}

INSTANTIATE_TEST_SUITE_P(Samples, RtfGolden, testing::ValuesIn(caseNames()),
                         [](const testing::TestParamInfo<std::string>& info) {
                             std::string name = info.param;
                             std::replace(name.begin(), name.end(), '-', '_');
                             return name;
                         });

} // namespace
